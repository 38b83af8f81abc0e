#include "core/shell/PllCombos.h"

#include <QComboBox>

#include "core/model/ExtPllCodes.h"
#include "core/shell/FormLayout.h"

TPllCombos::TPllCombos(const QWidget* form, const std::array<const char*, 3>& combos)
{
    for (std::size_t i = 0; i < combos.size(); ++i) m_combos[i] = formlayout::FindControl<QComboBox>(form, combos[i]);
}

void TPllCombos::Fill()
{
    for (QComboBox* combo : m_combos) {
        combo->clear();
        for (const char* name : kExtPllCodeNames) combo->addItem(QString::fromLatin1(name));
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(static_cast<int>(kExtPllCodeNames.size()));
    }
}

void TPllCombos::Show(bool used, const uint8_t (&codes)[3])
{
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        m_combos[i]->setCurrentIndex(used ? ExtPllCodeOrDefault(codes[i]) : 0);
        m_combos[i]->setEnabled(used);
    }
}

void TPllCombos::Follow(bool used, const uint8_t (&codes)[3])
{
    const bool wasUsed = m_combos[0]->isEnabled();
    if (used != wasUsed) Show(used, codes);
}

void TPllCombos::Read(uint8_t (&codes)[3]) const
{
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        const int entry = m_combos[i]->currentIndex();
        codes[i] = entry < 0 ? 0 : static_cast<uint8_t>(entry);
    }
}

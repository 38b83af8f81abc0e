#include "boards/arria10/UI_Si5340Lists.h"

#include <QCheckBox>
#include <algorithm>

#include "core/shell/BoardForm.h"
#include "core/shell/FormLayout.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"

TSi5340Lists::TSi5340Lists(QWidget* form, std::span<const Si5340List> lists)
{
    for (const Si5340List& list : lists) {
        Bound bound{&list, formlayout::FindControl<QComboBox>(form, list.combo), {}};
        for (const char* box : list.interfaces)
            if (box) bound.interfaces.push_back(formlayout::FindControl<QCheckBox>(form, box));
        const char chip = list.chip;
        // Only the user's picks: the form's own selections leave the remembered choices alone.
        QObject::connect(bound.combo, &QComboBox::activated, form, [this, chip] { ChipChanged(chip); });
        m_lists.push_back(std::move(bound));
    }
    m_remembered.assign(m_lists.size(), 0);
}

void TSi5340Lists::Fill()
{
    for (const Bound& bound : m_lists) {
        bound.combo->clear();
        for (int i = 0; i < bound.list->entries; ++i) {
            const double mhz = bound.list->frequency(static_cast<uint8_t>(i));
            bound.combo->addItem(mhz > 0 ? QString::fromStdString(platform::Format("%.5f", mhz))
                                         : QStringLiteral("Not Use"));
        }
        bound.combo->setMaxVisibleItems(bound.list->entries);
    }
}

void TSi5340Lists::Remember(std::span<const int32_t> choices)
{
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const int32_t choice = i < choices.size() ? choices[i] : 0;
        m_remembered[i] = choice >= 0 && choice < m_lists[i].list->entries ? choice : 0;
    }
}

bool TSi5340Lists::InterfaceTicked(std::size_t list) const
{
    for (const QCheckBox* box : m_lists[list].interfaces)
        if (box->isChecked()) return true;
    return false;
}

void TSi5340Lists::Update()
{
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const bool ticked = InterfaceTicked(i);
        m_lists[i].combo->setCurrentIndex(ticked ? m_remembered[i] : 0);
        m_lists[i].combo->setEnabled(ticked);
    }
}

std::vector<int32_t> TSi5340Lists::Shown() const
{
    std::vector<int32_t> shown;
    for (const Bound& bound : m_lists) shown.push_back(bound.combo->currentIndex() < 0 ? 0 : bound.combo->currentIndex());
    return shown;
}

void TSi5340Lists::ChipChanged(char chip)
{
    for (std::size_t i = 0; i < m_lists.size(); ++i)
        if (m_lists[i].list->chip == chip) m_remembered[i] = std::max(0, m_lists[i].combo->currentIndex());
}

std::string TSi5340Lists::PreCheckMessage() const
{
    std::string names[2];  // chip A, chip B
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        if (!InterfaceTicked(i) || m_lists[i].combo->currentIndex() > 0) continue;
        std::string& list = names[m_lists[i].list->chip == 'A' ? 0 : 1];
        if (!list.empty()) list += "/";
        list += m_lists[i].list->checkName;
    }
    std::string message;
    if (!names[0].empty())
        message += platform::Format(
            "%s interface is enabled, but the associated programmable oscillator SI5338A is not enalbed.\r\n",
            names[0].c_str());
    if (!names[1].empty())
        message += platform::Format(
            "%s interface is enabled, but the associated programmable oscillator SI5338B is not enabled.\r\n",
            names[1].c_str());
    return message;
}

bool TSi5340Lists::CheckOscillators() const
{
    const std::string message = PreCheckMessage();
    return message.empty() || platform::WarningYesNo(message + "Do you want to continued?");
}


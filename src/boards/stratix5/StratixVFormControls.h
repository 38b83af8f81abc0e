#pragma once
// The oscillator choice of StratixVForm.h on a Stratix V form's combo box (the forms' own
// files include this; it is Qt).
#include <QComboBox>
#include <string>

#include "boards/stratix5/StratixVForm.h"
#include "platform/qt/QtPlatform.h"

namespace stratix5 {

// The choice's list, entry 0 selected, every entry in view.
inline void FillOscillatorCombo(QComboBox* combo, const TOscillatorChoice& choice)
{
    combo->clear();
    for (const std::string& item : choice.Items()) combo->addItem(platform::qt::FromLatin1(item));
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(combo->count());
}

// The kept entry, enabled, while the chip is needed; else "not used", disabled.
inline void ShowOscillator(QComboBox* combo, const TOscillatorChoice& choice, bool needed)
{
    combo->setCurrentIndex(choice.Shown(needed));
    combo->setEnabled(needed);
}

}  // namespace stratix5

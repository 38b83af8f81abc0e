#pragma once
// What the Stratix V board forms (Sarnoth, Cresswin, Morrast) share: the oscillator choice
// that is kept while no interface needs the chip. Nothing here is Qt: StratixVFormControls.h applies the choice to a form's
// combo box.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace stratix5 {

// One oscillator's choice on a form. While an interface the chip serves is chosen its combo
// box is enabled and shows the entry the user picked last; otherwise it shows the "not used"
// entry and is disabled, and the pick is kept for when the chip is needed again. Only a
// user's pick and a record shown change the kept entry.
class TOscillatorChoice {
public:
    // The list's texts in code order (StratixVClockCodes.h) and the function that takes a
    // stored value to its code, "not used" for a value outside the list.
    TOscillatorChoice(std::vector<std::string> items, uint8_t (*code)(int32_t));

    const std::vector<std::string>& Items() const { return m_items; }
    void Show(int32_t stored) { m_kept = m_code(stored); }  // a record's choice
    void Picked(int entry) { m_kept = m_code(entry); }      // the user's
    int Kept() const { return m_kept; }
    int NotUsed() const { return m_notUsed; }
    int Shown(bool needed) const { return needed ? m_kept : m_notUsed; }

private:
    std::vector<std::string> m_items;
    uint8_t (*m_code)(int32_t);
    int m_notUsed;
    int m_kept;
};

}  // namespace stratix5

#pragma once
// The three setting combos of a board's programmable clock generator ("Programmable PLL"),
// one per generator output, showing the setting codes of core/model/ExtPllCodes.h with the
// entry index as the code. While the generator is not used they are disabled on "Unchange".
#include <array>
#include <cstdint>

class QComboBox;
class QWidget;

class TPllCombos {
public:
    // The combos of those names on the form, in output order.
    TPllCombos(const QWidget* form, const std::array<const char*, 3>& combos);

    // Every code as an entry, the first chosen, each entry visible without scrolling.
    void Fill();
    // A record shown: while the generator is used, its codes (one outside the list shown as
    // the default) on enabled combos; otherwise "Unchange" on disabled combos.
    void Show(bool used, const uint8_t (&codes)[3]);
    // After a check box was clicked: the record's codes come back only when the generator has
    // just been ticked, so that a choice not yet stored survives clicks on other boxes; the
    // generator unticked disables the combos on "Unchange".
    void Follow(bool used, const uint8_t (&codes)[3]);
    // The chosen entries as codes.
    void Read(uint8_t (&codes)[3]) const;

    const std::array<QComboBox*, 3>& Combos() const { return m_combos; }

private:
    std::array<QComboBox*, 3> m_combos;
};

#pragma once
// The frequency lists of the Si5340 outputs on the Nobrecht, Dravelle and Abernoll forms: each
// enabled while one of its interfaces is ticked, showing "Not Use" and disabled otherwise; the
// choice of a disabled list is remembered and comes back when its interface is ticked again,
// unless the user changed another list of the same chip meanwhile. Each form passes its lists.
#include <QComboBox>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QWidget;

struct Si5340List {
    const char* combo;
    double (*frequency)(uint8_t);  // entry i is this frequency of i; 0: "Not Use"
    int entries;
    char chip;  // 'A' or 'B': a change of one list of a chip stores the choices of all of them
    std::array<const char*, 6> interfaces;  // check boxes, nullptr after the last
    const char* checkName;  // the interface as the pre-check names it
};

class TSi5340Lists {
public:
    TSi5340Lists(QWidget* form, std::span<const Si5340List> lists);

    // "Not Use", then each frequency printed with "%.5f"; every entry shown without scrolling.
    void Fill();
    // The record's choices, in list order; a choice the list does not have, as a file may
    // hold, is remembered as "Not Use".
    void Remember(std::span<const int32_t> choices);
    // Each list enabled at its remembered choice while an interface is ticked, else disabled
    // at "Not Use".
    void Update();
    // The entry each list shows, in list order (0 for a disabled list).
    std::vector<int32_t> Shown() const;
    // The question before Generate when a ticked interface has its list at "Not Use"; true
    // when there is none or the user answers Yes.
    bool CheckOscillators() const;
    std::string PreCheckMessage() const;

private:
    bool InterfaceTicked(std::size_t list) const;
    void ChipChanged(char chip);

    struct Bound {
        const Si5340List* list;
        QComboBox* combo;
        std::vector<QCheckBox*> interfaces;
    };
    std::vector<Bound> m_lists;
    std::vector<int32_t> m_remembered;
};

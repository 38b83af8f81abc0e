// The oscillator choice the Stratix V forms keep, and the words of their notes.
#include <gtest/gtest.h>

#include <climits>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVForm.h"

using stratix5::TOscillatorChoice;

TEST(StratixVFormChoices, PickIsKeptWhileTheChipIsNotNeeded)
{
    struct Case {
        const char* list;
        TOscillatorChoice choice;
        int notUsed;
        int last;
    };
    Case cases[] = {
        {"Si570", TOscillatorChoice(Si570ListTexts("Disable"), Si570Code), 0, 7},
        {"CDCM61004", TOscillatorChoice(Cdcm61004ListTexts("Disable"), Cdcm61004Code), 0, 11},
        {"external PLL", TOscillatorChoice(ExtPllListTexts(), ExtPllCode), 1, 12},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.list);
        TOscillatorChoice& choice = c.choice;
        EXPECT_EQ(choice.NotUsed(), c.notUsed);
        EXPECT_EQ(choice.Shown(true), c.notUsed);  // nothing shown yet
        choice.Show(c.last);
        EXPECT_EQ(choice.Shown(false), c.notUsed);
        EXPECT_EQ(choice.Shown(true), c.last);
        choice.Picked(0);
        EXPECT_EQ(choice.Shown(false), c.notUsed);
        EXPECT_EQ(choice.Shown(true), 0);
        // a hand-made file
        for (int32_t stored : {c.last + 1, -1, 256 + 1, INT32_MIN}) {
            choice.Show(stored);
            EXPECT_EQ(choice.Kept(), c.notUsed) << stored;
        }
    }
}

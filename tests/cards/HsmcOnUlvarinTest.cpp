#include <gtest/gtest.h>

#include <string>

#include "CardCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"

using namespace cardtest;

namespace {

struct Attached {
    uint8_t card;
    int onBoard;  // card pins that reach a located board pin
};

// Ulvarin's HSMC connector has no FPGA pin on the lanes (1-32), 35-38, the last two
// positions of every group of six from 47 on, 159 and 160: card pins there fall away
// (the Lorrat JTAG pins, Hobbard's SATA_TX_LED_R[3] on 111, every PRSNT line).
const Attached kCards[] = {
    {DAUGHTER_HSMC_DEFAULT, 84},      {DAUGHTER_HSMC_DEFAULT_XCVR, 84},     {DAUGHTER_HSMC_DEFAULT_3V3, 84},
    {DAUGHTER_HSMC_DEFAULT_1V8, 84},  {DAUGHTER_HSMC_DEFAULT_1V5, 84},      {DAUGHTER_HSMC_DEFAULT_3V0, 84},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V3, 84}, {DAUGHTER_HSMC_DEFAULT_XCVR_3V0, 84}, {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, 84},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V5, 84}, {DAUGHTER_HSMC_LVDS_DEFAULT, 46},  {DAUGHTER_Wyrsel, 74},
    {DAUGHTER_Fobbin, 84},            {DAUGHTER_Kobbet_HSMC, 71},           {DAUGHTER_Sendle, 72},
    {DAUGHTER_Dortle, 43},            {DAUGHTER_Hobbard, 51},               {DAUGHTER_Vossil, 6},
    {DAUGHTER_Lorrat, 79},            {DAUGHTER_Pemmit, 83},
};

}  // namespace

// Each card copied onto Ulvarin's HSMC connector as its form attaches it: every card pin on
// a located position arrives under the prefix with its direction and standard, every other
// board pin is switched off.
TEST(HsmcOnUlvarin, EveryCardReachesTheLocatedPins)
{
    for (const Attached& a : kCards) {
        SCOPED_TRACE("card " + std::to_string(a.card));
        TConfigUlvarin settings;
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.nHsmcDaughterId = a.card;
        TMainBoard board;
        BuildMainBoard_Ulvarin(&board, &settings);
        board.AttachHsmcCard(EXPANSION_HSMC_A, a.card, "H_");
        const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
        ASSERT_TRUE(hsmc);
        auto card = BuildCard(a.card, MAINBOARD_Ulvarin);

        int reached = 0;
        for (int p = 1; p <= 160; ++p) {
            const TPin* boardPin = At(*hsmc, p);
            const TPin* cardPin = At(*card, p);
            if (p <= 32) EXPECT_EQ(boardPin, nullptr) << p;
            if (!boardPin) continue;
            EXPECT_FALSE(boardPin->GetLocation().empty()) << p;
            if (!cardPin) {
                EXPECT_FALSE(boardPin->IsActive()) << p;
                continue;
            }
            ++reached;
            EXPECT_EQ(boardPin->GetName(), "H_" + cardPin->GetName());
            EXPECT_EQ(boardPin->GetDirection(), cardPin->GetDirection()) << p;
            EXPECT_EQ(boardPin->GetIoStandard(), cardPin->GetIoStandard()) << p;
            EXPECT_EQ(boardPin->GetPinIndex(), cardPin->GetPinIndex()) << p;
        }
        EXPECT_EQ(reached, a.onBoard);
        EXPECT_EQ(hsmc->GetActivePinCount(), a.onBoard);
    }
}

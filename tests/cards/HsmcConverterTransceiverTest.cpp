#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "cards/CardMap.h"
#include "core/model/MainBoard.h"

using namespace cardtest;

namespace {

std::vector<int> Positions(const char* notation)
{
    if (!*notation) return {};
    std::vector<int> p = cardmap::ExpandPositions(notation);
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    return p;
}

std::vector<int> PositionsWithStandard(const TConnector& c, uint8_t std)
{
    std::vector<int> positions;
    for (int p = 1; p <= c.GetPinCount(); ++p)
        if (At(c, p) && At(c, p)->GetIoStandard() == std) positions.push_back(p);
    return positions;
}

struct CardCase {
    uint8_t card;
    int active, inputs, outputs, inouts;
    const char* empty;       // every empty position, or ...
    const char* someEmpty;   // ... those the card's description names
    const char* xcvrPins;    // positions that take the board's (or the card's) lane standard
    int lvdsPins;
    int managementPins;      // pins on 33 and 34
};

const CardCase kCases[] = {
    {DAUGHTER_Fobbin, 84, 36, 37, 11, "1-32, 35-38, 45-153/6, 46-154/6, 159, 160", nullptr, "", 0, 2},
    {DAUGHTER_Kobbet_HSMC, 71, 32, 38, 1,
     "1-32, 35-38, 45-153/6, 46-154/6, 159, 160, 39-44, 92-94, 99-107, 109", nullptr, "", 0, 2},
    {DAUGHTER_Sendle, 83, 37, 34, 12, nullptr,
     "1-12, 15, 16, 19, 20, 23, 24, 27, 28, 31, 32, 91, 92, 98, 115, 116, 127, 128, 145, 146, 158, 159",
     "13, 14, 17, 18, 21, 22, 25, 26, 29, 30", 10, 0},
    {DAUGHTER_Dortle, 52, 13, 39, 0, nullptr, "1-24, 33, 34, 157, 159", "25-32", 2, 0},
    {DAUGHTER_Hobbard, 85, 33, 51, 1, nullptr, "115", "1-32", 2, 2},
    {DAUGHTER_Vossil, 15, 8, 7, 0, nullptr, "1-16, 19, 20, 23, 24, 27, 28, 31-34, 97, 98, 157, 158",
     "17, 18, 21, 22, 25, 26, 29, 30", 4, 0},
    {DAUGHTER_Wyrsel, 74, 40, 31, 3, nullptr, "1-32, 35-38, 160", "", 0, 2},
    {DAUGHTER_Lorrat, 83, 9, 19, 55, nullptr, "1-32, 39, 40, 160", "", 0, 2},
    {DAUGHTER_Pemmit, 83, 5, 6, 72, nullptr, "1-32, 35-38, 160", "", 0, 2},
};

struct BoardCase {
    int id;
    uint8_t xcvrStd;
    uint8_t hsmcStd;
};

// The lane and management standards each main board passes on.
constexpr BoardCase kBoards[] = {
    {MAINBOARD_Ulvarin, 36, 6},     {MAINBOARD_Harnix, 36, 6},  {MAINBOARD_Yastrel_X2, 35, 6},
    {MAINBOARD_Yastrel_X1, 35, 3},  {MAINBOARD_Corbanth, 36, 6}, {MAINBOARD_Pandrel, 35, 6},
    {MAINBOARD_Idrenne, 52, 6},     {MAINBOARD_Vellani, 36, 6},
};

}  // namespace

// Every card of the data-converter, transceiver, Ethernet and industrial groups on every
// kind of main board: counts, empty positions and which pins each standard reaches.
TEST(HsmcConverterTransceiverCards, EveryCardOnEveryBoard)
{
    for (const CardCase& c : kCases) {
        for (const BoardCase& b : kBoards) {
            const std::string label = "card " + std::to_string(c.card) + " on board " + std::to_string(b.id);
            MapExpectation e;
            e.label = label;
            e.build = [&] { return BuildCard(c.card, b.id); };
            e.entries = 160;
            e.active = c.active;
            e.inputs = c.inputs;
            e.outputs = c.outputs;
            e.inouts = c.inouts;
            if (c.empty) {
                e.checkEmpty = true;
                e.empty = Positions(c.empty);
            }
            CheckMap(e, c.card == DAUGHTER_Wyrsel);

            SCOPED_TRACE(label);
            auto d = BuildCard(c.card, b.id);
            if (c.someEmpty)
                for (int p : Positions(c.someEmpty)) EXPECT_EQ(At(*d, p), nullptr) << p;

            // The Dortle card's lanes are 1.4-V PCML whatever the board.
            const uint8_t lane = c.card == DAUGHTER_Dortle ? 35 : b.xcvrStd;
            // Pemmit's management pins are 2.5 V on every board.
            const uint8_t hsmc = c.card == DAUGHTER_Pemmit ? 6 : b.hsmcStd;
            EXPECT_EQ(PositionsWithStandard(*d, lane), Positions(c.xcvrPins));
            EXPECT_EQ(CountStandard(*d, 21), c.lvdsPins);
            std::vector<int> management;
            for (int p : {33, 34})
                if (At(*d, p)) {
                    EXPECT_EQ(At(*d, p)->GetIoStandard(), hsmc) << p;
                    management.push_back(p);
                }
            EXPECT_EQ(static_cast<int>(management.size()), c.managementPins);
            const int lanes = static_cast<int>(Positions(c.xcvrPins).size());
            EXPECT_EQ(CountStandard(*d, 6) + (hsmc == 6 ? 0 : c.managementPins),
                      c.active - lanes - c.lvdsPins);
        }
    }
}

// Wyrsel's management pins carry pin index -1; every other pin its position.
TEST(HsmcConverterTransceiverCards, WyrselManagementPinsHaveNoPinIndex)
{
    auto d = BuildCard(DAUGHTER_Wyrsel, MAINBOARD_Ulvarin);
    for (int p = 1; p <= 160; ++p) {
        const TPin* pin = At(*d, p);
        if (!pin) continue;
        EXPECT_EQ(pin->GetPinIndex(), p == 33 || p == 34 ? -1 : p) << pin->GetName();
    }
    EXPECT_EQ(At(*d, 33)->GetName(), "NET_HSMC_SDA");
    EXPECT_EQ(At(*d, 34)->GetName(), "NET_HSMC_SCL");
}

namespace {

struct PositionCase {
    uint8_t card;
    int position;
    const char* name;
    uint8_t dir;
    uint8_t std;
};

constexpr uint8_t kOut = DIRECTION_OUTPUT, kIn = DIRECTION_INPUT, kIo = DIRECTION_INOUT;

// Bus runs whose indexes do not follow the positions, and the pins the descriptions single out.
const PositionCase kPositionCases[] = {
    {DAUGHTER_Fobbin, 40, "CLKIN1", kIn, 6},
    {DAUGHTER_Fobbin, 41, "ADA_D[13]", kIn, 6},
    {DAUGHTER_Fobbin, 79, "ADA_D[0]", kIn, 6},
    {DAUGHTER_Fobbin, 140, "DB[0]", kOut, 6},
    {DAUGHTER_Fobbin, 152, "J1_152", kIo, 6},
    {DAUGHTER_Kobbet_HSMC, 47, "DAC_DA[0]", kOut, 6},
    {DAUGHTER_Kobbet_HSMC, 86, "DAC_DB[13]", kOut, 6},
    {DAUGHTER_Kobbet_HSMC, 113, "ADC_DB[13]", kIn, 6},
    {DAUGHTER_Kobbet_HSMC, 152, "ADC_DA[0]", kIn, 6},
    {DAUGHTER_Sendle, 39, "CLK_IN", kOut, 6},
    {DAUGHTER_Sendle, 17, "SFP_TD_XCVRp[3]", kOut, 36},
    {DAUGHTER_Sendle, 86, "SFP_LOS[0]", kIn, 6},
    {DAUGHTER_Sendle, 143, "SFP_TD_LVDSp[7]", kOut, 21},
    {DAUGHTER_Sendle, 160, "SFP_PSNTn", kIn, 6},
    {DAUGHTER_Dortle, 25, "SDI_TX_P[2]", kOut, 35},
    {DAUGHTER_Dortle, 32, "SDI_EQOUT_N[1]", kIn, 35},
    {DAUGHTER_Dortle, 59, "SDI_LED_RX_R[1]", kOut, 6},
    {DAUGHTER_Dortle, 158, "SDI_HSMC_CLK_N", kIn, 21},
    {DAUGHTER_Dortle, 160, "SDI_PSNTn", kOut, 6},
    {DAUGHTER_Hobbard, 4, "SATA_HSM_RX_N[7]", kIn, 36},
    {DAUGHTER_Hobbard, 107, "SATA_TX_LED_R[4]", kOut, 6},
    {DAUGHTER_Hobbard, 111, "SATA_TX_LED_R[3]", kOut, 6},
    {DAUGHTER_Hobbard, 113, "SATA_TX_LED_G[3]", kOut, 6},
    {DAUGHTER_Hobbard, 133, "SATA_TX_LED_G[0]", kOut, 6},
    {DAUGHTER_Vossil, 29, "TX_P[0]", kOut, 36},
    {DAUGHTER_Vossil, 155, "CLKOUT_P[2]", kOut, 21},
    {DAUGHTER_Vossil, 160, "SFP_PSNTn", kIn, 6},
    {DAUGHTER_Wyrsel, 60, "NET1_RX_D[0]", kIn, 6},
    {DAUGHTER_Wyrsel, 49, "NET1_RX_D[7]", kIn, 6},
    {DAUGHTER_Wyrsel, 113, "NET0_TX_D[7]", kOut, 6},
    {DAUGHTER_Wyrsel, 158, "NET1_S_CLKN", kIn, 6},
    {DAUGHTER_Lorrat, 35, "HSMC_TCK", kIo, 6},
    {DAUGHTER_Lorrat, 36, "HSMC_TMS", kOut, 6},
    {DAUGHTER_Lorrat, 37, "HSMC_TDO", kIo, 6},
    {DAUGHTER_Lorrat, 38, "HSMC_TDI", kOut, 6},
    {DAUGHTER_Lorrat, 48, "GPIO_DATA[0]", kIo, 6},
    {DAUGHTER_Lorrat, 43, "GPIO_DATA[35]", kIo, 6},
    {DAUGHTER_Lorrat, 144, "POWER_VALID", kOut, 6},
    {DAUGHTER_Lorrat, 156, "RS232_RXD", kIn, 6},
    {DAUGHTER_Pemmit, 39, "Pemmit_SD_DAT[1]", kIo, 6},
    {DAUGHTER_Pemmit, 40, "Pemmit_SD_WPn", kIn, 6},
    {DAUGHTER_Pemmit, 155, "HSPROTO_IO[22]", kIo, 6},
    {DAUGHTER_Pemmit, 49, "HSPROTO_IO[40]", kIo, 6},
    {DAUGHTER_Pemmit, 132, "MICTOR_D[24]", kIo, 6},
    {DAUGHTER_Pemmit, 157, "TR_CLK", kOut, 6},
};

}  // namespace

TEST(HsmcConverterTransceiverCards, PinsAtPositions)
{
    for (const PositionCase& c : kPositionCases) {
        SCOPED_TRACE("card " + std::to_string(c.card) + " position " + std::to_string(c.position));
        auto d = BuildCard(c.card, MAINBOARD_Ulvarin);
        const TPin* pin = At(*d, c.position);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), c.name);
        EXPECT_EQ(pin->GetDirection(), c.dir);
        EXPECT_EQ(pin->GetIoStandard(), c.std);
    }
}

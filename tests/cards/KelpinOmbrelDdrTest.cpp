#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "GenerateEnv.h"
#include "CardCheck.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "cards/CardMaps.h"
#include "core/generate/SystemBuild.h"
#include "core/model/MainBoard.h"
#include "core/settings/ConfigBaseAttach.h"
#include "platform/Errors.h"

using namespace cardtest;

namespace {

using Builder = std::function<std::unique_ptr<TDaughterBoard>()>;

Builder Card(uint8_t cardId, int mainBoardId)
{
    return [=] { return BuildCard(cardId, mainBoardId); };
}

Builder Ddr2(uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    return [=] {
        auto d = std::make_unique<TDaughterBoard>();
        d->BuildDdr2Sodimm(diffDqs, sidebandStd, saStd);
        return d;
    };
}

enum class Ddr3 { StratixIV, StratixV, Arria10 };

Builder Ddr3Module(Ddr3 family, uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
{
    return [=] {
        auto d = std::make_unique<TDaughterBoard>();
        switch (family) {
        case Ddr3::StratixIV: d->BuildDdr3SodimmStratixIV(diffDqs, sidebandStd, saStd); break;
        case Ddr3::StratixV: d->BuildDdr3SodimmStratixV(diffDqs, sidebandStd, saStd); break;
        case Ddr3::Arria10: d->BuildDdr3SodimmArria10(diffDqs, sidebandStd, saStd); break;
        }
        return d;
    };
}

Builder Ddr4(uint8_t ignored, uint8_t sidebandStd, uint8_t saStd, uint8_t ecc)
{
    return [=] {
        auto d = std::make_unique<TDaughterBoard>();
        d->BuildDdr4Sodimm(ignored, sidebandStd, saStd, ecc);
        return d;
    };
}

// Positions with clock data, and what they carry.
std::vector<std::pair<int, std::pair<int, int>>> ClockedPins(const TConnector& c)
{
    std::vector<std::pair<int, std::pair<int, int>>> result;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        if (pin && (pin->Clock != 0 || pin->GetClockPeriod() != 0))
            result.push_back({i + 1, {pin->Clock, pin->GetClockPeriod()}});
    }
    return result;
}

// The empty positions the Kelpin cards' tables leave.
const std::vector<int> kBrasketEmpty = {1,  2,  7,  8,  13, 14, 19, 20, 25,  26,  31,  32,  37,  38,  43,  44,  47,
                                        49, 50, 51, 55, 56, 61, 62, 67, 68,  73,  74,  79,  80,  85,  86,  91,  92,
                                        97, 98, 103, 104, 109, 110, 115, 116, 121, 122, 124, 125, 126, 127, 128, 129, 130};
const std::vector<int> kQuilletEmpty = {1,  2,  7,  8,  13, 14, 19, 20, 25, 26, 31, 32, 37, 38, 43,
                                        44, 49, 50, 55, 56, 61, 62, 67, 68, 73, 74, 79, 80, 85, 86,
                                        91, 92, 97, 98, 103, 104, 109, 110, 115, 116, 122, 127, 128};

TEST(KelpinOmbrelMaps, EveryCardThroughTheDispatcher)
{
    const std::vector<MapExpectation> cases = {
        {.label = "Brasket on Orlenn", .build = Card(DAUGHTER_Kelpin_Brasket, MAINBOARD_Orlenn), .entries = 180,
         .active = 129, .inputs = 54, .outputs = 65, .inouts = 10, .checkEmpty = true, .empty = kBrasketEmpty,
         .flagged = {131, 132}},
        {.label = "Brasket on Wembrel", .build = Card(DAUGHTER_Kelpin_Brasket, MAINBOARD_Wembrel), .entries = 180,
         .active = 129, .inputs = 54, .outputs = 65, .inouts = 10, .checkEmpty = true, .empty = kBrasketEmpty,
         .flagged = {131, 132}},
        {.label = "Quillet Kelpin", .build = Card(DAUGHTER_Quillet_Kelpin, MAINBOARD_Orlenn), .entries = 180,
         .active = 137, .inputs = 0, .outputs = 0, .inouts = 137, .checkEmpty = true, .empty = kQuilletEmpty,
         .flagged = {}},
        {.label = "Ombrel Default", .build = Card(DAUGHTER_Ombrel_DEFAULT, MAINBOARD_Pocklin), .entries = 8,
         .active = 8, .inputs = 0, .outputs = 0, .inouts = 8, .checkEmpty = true, .empty = {}, .flagged = {}},
        {.label = "Ombrel Velket", .build = Card(DAUGHTER_Ombrel_Velket, MAINBOARD_Pocklin), .entries = 8,
         .active = 8, .inputs = 3, .outputs = 3, .inouts = 2, .checkEmpty = true, .empty = {}, .flagged = {}},
    };
    for (const MapExpectation& e : cases) {
        CheckMap(e);
        SCOPED_TRACE(e.label);
        auto d = e.build();
        // every pin 3.3-V LVTTL, and no clock data on these cards
        EXPECT_EQ(CountStandard(*d, 8), d->GetActivePinCount());
        EXPECT_TRUE(ClockedPins(*d).empty());
    }
}

TEST(KelpinOmbrelMaps, DispatcherSetsNameDescriptionAndType)
{
    struct Case {
        uint8_t card;
        const char* name;
        const char* description;
        uint8_t type;
    };
    const Case cases[] = {
        {DAUGHTER_Kelpin_Brasket, "Brasket - FullHD TX/RX", "Kelpin Full-HD HDMI", CONNECTOR_Kelpin},
        {DAUGHTER_Quillet_Kelpin, "Quillet - Kelpin to PIO Adaptor", "Kelpin to PIO", CONNECTOR_Kelpin},
        {DAUGHTER_Ombrel_DEFAULT, "Ombrel Default", nullptr, CONNECTOR_Ombrel_2x6},
        {DAUGHTER_Ombrel_Velket, "Ombrel Bluetooth SPP", nullptr, CONNECTOR_Ombrel_2x6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = BuildCard(c.card, MAINBOARD_Orlenn);
        EXPECT_EQ(d->GetName(), c.name);
        if (c.description) EXPECT_EQ(d->GetDescription(), c.description);
        EXPECT_EQ(d->GetType(), c.type);
    }
}

struct PinSpot {
    int position;
    const char* name;
    uint8_t dir;
    uint8_t std;
    uint8_t flag = 0;
};

void ExpectPins(const TConnector& c, const std::vector<PinSpot>& spots)
{
    for (const PinSpot& s : spots) {
        const TPin* pin = At(c, s.position);
        ASSERT_NE(pin, nullptr) << "position " << s.position;
        EXPECT_EQ(pin->GetName(), s.name) << "position " << s.position;
        EXPECT_EQ(pin->GetDirection(), s.dir) << s.name;
        EXPECT_EQ(pin->GetIoStandard(), s.std) << s.name;
        EXPECT_EQ(pin->GetFlag(), s.flag) << s.name;
        EXPECT_EQ(pin->GetPinIndex(), s.position) << s.name;
    }
}

TEST(KelpinOmbrelMaps, BusIndexesFollowTheListedPositions)
{
    auto brasket = BuildCard(DAUGHTER_Kelpin_Brasket, MAINBOARD_Orlenn);
    ExpectPins(*brasket, {
                             {35, "HDMI_RX_I2S[0]", DIRECTION_INPUT, 8},
                             {3, "HDMI_RX_I2S[3]", DIRECTION_INPUT, 8},
                             {17, "HDMI_RX_RD[1]", DIRECTION_INPUT, 8},
                             {11, "HDMI_RX_GD[11]", DIRECTION_INPUT, 8},
                             {99, "HDMI_RX_HPD_N[0]", DIRECTION_OUTPUT, 8},
                             {24, "HDMI_RX_CEC[1]", DIRECTION_INOUT, 8},
                             {53, "HDMI_EDID_WP", DIRECTION_OUTPUT, 8},
                             {137, "HDMI_TX_GD[7]", DIRECTION_OUTPUT, 8},
                             {131, "HDMI_SDA", DIRECTION_INOUT, 8, 1},
                             {132, "HDMI_SCL", DIRECTION_OUTPUT, 8, 1},
                             {145, "HDMI_TX_DSD_L[3]", DIRECTION_OUTPUT, 8},
                             {150, "HDMI_TX_BD[11]", DIRECTION_OUTPUT, 8},
                             {143, "HDMI_TX_INT_N", DIRECTION_INPUT, 8},
                             {180, "HDMI_TX_CEC", DIRECTION_INOUT, 8},
                         });
    auto quillet = BuildCard(DAUGHTER_Quillet_Kelpin, MAINBOARD_Orlenn);
    ExpectPins(*quillet, {
                             {63, "Kelpin_CLKOUT_n[1]", DIRECTION_INOUT, 8},
                             {9, "Kelpin_TX_n[0]", DIRECTION_INOUT, 8},
                             {57, "Kelpin_TX_n[8]", DIRECTION_INOUT, 8},
                             {69, "Kelpin_TX_n[9]", DIRECTION_INOUT, 8},
                             {120, "Kelpin_RX_p[17]", DIRECTION_INOUT, 8},
                             {133, "Kelpin_TX_n[18]", DIRECTION_INOUT, 8},
                             {121, "Kelpin_POWER_ON", DIRECTION_INOUT, 8},
                             {126, "Kelpin_TDI", DIRECTION_INOUT, 8},
                             {132, "Kelpin_SCL", DIRECTION_INOUT, 8},
                             {161, "Kelpin_TX_n[25]", DIRECTION_INOUT, 8},
                             {180, "Kelpin_RX_p[29]", DIRECTION_INOUT, 8},
                         });
    auto velket = BuildCard(DAUGHTER_Ombrel_Velket, MAINBOARD_Pocklin);
    ExpectPins(*velket, {
                            {1, "Velket_UART_RX", DIRECTION_OUTPUT, 8},
                            {2, "Velket_UART_TX", DIRECTION_INPUT, 8},
                            {3, "Velket_UART_RTS", DIRECTION_INPUT, 8},
                            {4, "Velket_UART_CTS", DIRECTION_OUTPUT, 8},
                            {5, "Velket_PIO2_STATUS", DIRECTION_INPUT, 8},
                            {6, "Velket_RESET_N", DIRECTION_OUTPUT, 8},
                            {7, "Velket_GPIO9", DIRECTION_INOUT, 8},
                            {8, "Velket_GPIO10", DIRECTION_INOUT, 8},
                        });
    auto ombrel = BuildCard(DAUGHTER_Ombrel_DEFAULT, MAINBOARD_Pocklin);
    ExpectPins(*ombrel, {{1, "GPIO[0]", DIRECTION_INOUT, 8}, {8, "GPIO[7]", DIRECTION_INOUT, 8}});
}

// What one memory-module build with one argument set owes.
struct ModuleCase {
    MapExpectation map;
    std::vector<std::pair<uint8_t, int>> standards;  // every standard in use, with its pin count
    std::vector<int> alwaysEmpty;
    std::vector<int> strobeOrCheckPositions;  // empty when the arguments leave their group out
    bool groupBuilt;
    std::vector<int> clockPositions;  // Clock 2, ClockPeriod 1
};

const std::vector<int> kDdr3Flagged = {197, 200, 201, 202};
const std::vector<int> kDdr3Always = {1, 2, 3, 8, 9, 203, 204};
const std::vector<int> kDdr3DqsN = {10, 27, 45, 62, 135, 152, 169, 186};
const std::vector<int> kDdr4Always = {1, 2, 255, 257, 258, 259};
const std::vector<int> kDdr4Check = {87, 88, 91, 92, 100, 101, 104, 105};
const std::vector<int> kDdr2Always = {1, 2, 3, 8, 9, 12, 193, 196, 199};
const std::vector<int> kDdr2DqsN = {11, 29, 49, 68, 129, 146, 167, 186};

ModuleCase Ddr3Case(const char* label, Ddr3 family, uint8_t diffDqs, uint8_t sideband, uint8_t sa,
                    std::vector<std::pair<uint8_t, int>> standards)
{
    bool diff = diffDqs != 0;
    return {{.label = label, .build = Ddr3Module(family, diffDqs, sideband, sa), .entries = 204,
             .active = diff ? 126 : 118, .inputs = 1, .outputs = 44, .inouts = diff ? 81 : 73,
             .checkEmpty = false, .empty = {}, .checkFlagged = true, .flagged = kDdr3Flagged},
            std::move(standards), kDdr3Always, kDdr3DqsN, diff, {200, 202}};
}

ModuleCase Ddr4Case(const char* label, uint8_t ignored, uint8_t sideband, uint8_t sa, uint8_t ecc,
                    std::vector<std::pair<uint8_t, int>> standards)
{
    bool withEcc = ecc != 0;
    return {{.label = label, .build = Ddr4(ignored, sideband, sa, ecc), .entries = 260,
             .active = withEcc ? 141 : 133, .inputs = 0, .outputs = 39, .inouts = withEcc ? 102 : 94,
             .checkEmpty = false, .empty = {}, .checkFlagged = true, .flagged = {256, 260}},
            std::move(standards), kDdr4Always, kDdr4Check, withEcc, {}};
}

ModuleCase Ddr2Case(const char* label, uint8_t diffDqs, uint8_t sideband, uint8_t sa,
                    std::vector<std::pair<uint8_t, int>> standards)
{
    bool diff = diffDqs != 0;
    return {{.label = label, .build = Ddr2(diffDqs, sideband, sa), .entries = 200, .active = diff ? 124 : 116,
             .inputs = 0, .outputs = 39, .inouts = diff ? 85 : 77,
             .checkEmpty = false, .empty = {}, .checkFlagged = true, .flagged = {195, 197, 198, 200}},
            std::move(standards), kDdr2Always, kDdr2DqsN, diff, {195, 197}};
}

TEST(MemoryModuleMaps, EveryModuleAndArgumentSet)
{
    const std::vector<ModuleCase> cases = {
        // DDR3: the callers' arguments (1, 0, 0), single-ended strobes, and sideband/SA apart
        Ddr3Case("STRATIX5 1,0,0", Ddr3::StratixV, 1, 0, 0, {{29, 100}, {12, 20}, {0, 6}}),
        Ddr3Case("STRATIX5 0,6,3", Ddr3::StratixV, 0, 6, 3, {{29, 112}, {6, 4}, {3, 2}}),
        Ddr3Case("STRATIX5 7,6,3", Ddr3::StratixV, 7, 6, 3, {{29, 100}, {12, 20}, {6, 4}, {3, 2}}),
        Ddr3Case("STRATIX4 1,0,0", Ddr3::StratixIV, 1, 0, 0, {{29, 101}, {12, 20}, {0, 5}}),
        Ddr3Case("STRATIX4 0,6,3", Ddr3::StratixIV, 0, 6, 3, {{29, 113}, {6, 3}, {3, 2}}),
        Ddr3Case("ARRIA10 1,0,0", Ddr3::Arria10, 1, 0, 0, {{28, 72}, {29, 28}, {11, 16}, {12, 4}, {0, 6}}),
        Ddr3Case("ARRIA10 0,6,3", Ddr3::Arria10, 0, 6, 3, {{28, 72}, {29, 40}, {6, 4}, {3, 2}}),
        // DDR4: Dravelle, Idrenne with ECC, the ignored flag at 0, any non-zero ECC value
        Ddr4Case("DDR4 1,40,40,0", 1, 40, 40, 0, {{53, 73}, {54, 18}, {56, 4}, {55, 30}, {40, 8}}),
        Ddr4Case("DDR4 1,40,40,1", 1, 40, 40, 1, {{53, 81}, {54, 18}, {56, 4}, {55, 30}, {40, 8}}),
        Ddr4Case("DDR4 0,6,3,1", 0, 6, 3, 1, {{53, 81}, {54, 18}, {56, 4}, {55, 30}, {40, 4}, {6, 2}, {3, 2}}),
        Ddr4Case("DDR4 1,6,3,5", 1, 6, 3, 5, {{53, 81}, {54, 18}, {56, 4}, {55, 30}, {40, 4}, {6, 2}, {3, 2}}),
        // DDR2: Yastrel/Lothvar, Wembrel, Orlenn, sideband/SA apart
        Ddr2Case("DDR2 1,3,3", 1, 3, 3, {{31, 100}, {16, 20}, {3, 4}}),
        Ddr2Case("DDR2 0,3,3", 0, 3, 3, {{31, 112}, {3, 4}}),
        Ddr2Case("DDR2 1,8,8", 1, 8, 8, {{31, 100}, {16, 20}, {8, 4}}),
        Ddr2Case("DDR2 1,6,3", 1, 6, 3, {{31, 100}, {16, 20}, {6, 2}, {3, 2}}),
    };
    for (const ModuleCase& c : cases) {
        CheckMap(c.map);
        SCOPED_TRACE(c.map.label);
        auto d = c.map.build();
        int counted = 0;
        for (auto [std, count] : c.standards) {
            EXPECT_EQ(CountStandard(*d, std), count) << "standard " << int(std);
            counted += count;
        }
        EXPECT_EQ(counted, d->GetActivePinCount()) << "a standard outside the list";
        const std::vector<int> empty = EmptyPositions(*d);
        EXPECT_EQ(static_cast<int>(empty.size()), c.map.entries - c.map.active);
        auto isEmpty = [&](int p) { return std::find(empty.begin(), empty.end(), p) != empty.end(); };
        for (int p : c.alwaysEmpty) EXPECT_TRUE(isEmpty(p)) << "position " << p;
        for (int p : c.strobeOrCheckPositions) EXPECT_EQ(isEmpty(p), !c.groupBuilt) << "position " << p;
        std::vector<std::pair<int, std::pair<int, int>>> clocked;
        for (int p : c.clockPositions) clocked.push_back({p, {2, 1}});
        EXPECT_EQ(ClockedPins(*d), clocked);
    }
}

TEST(MemoryModuleMaps, PinsWhereTheTablesPutThem)
{
    ExpectPins(*Ddr3Module(Ddr3::StratixV, 1, 0, 0)(),
               {
                   {5, "DQ[0]", DIRECTION_INOUT, 29},
                   {7, "DQ[1]", DIRECTION_INOUT, 29},
                   {15, "DQ[2]", DIRECTION_INOUT, 29},
                   {18, "DQ[7]", DIRECTION_INOUT, 29},
                   {194, "DQ[63]", DIRECTION_INOUT, 29},
                   {10, "DQS_n[0]", DIRECTION_INOUT, 12},
                   {188, "DQS[7]", DIRECTION_INOUT, 12},
                   {186, "DQS_n[7]", DIRECTION_INOUT, 12},
                   {187, "DM[7]", DIRECTION_OUTPUT, 29},
                   {101, "CK[0]", DIRECTION_OUTPUT, 12},
                   {104, "CK_n[1]", DIRECTION_OUTPUT, 12},
                   {98, "A[0]", DIRECTION_OUTPUT, 29},
                   {78, "A[15]", DIRECTION_OUTPUT, 29},
                   {79, "BA[2]", DIRECTION_OUTPUT, 29},
                   {115, "CAS_n", DIRECTION_OUTPUT, 29},
                   {30, "RESET_n", DIRECTION_OUTPUT, 0},
                   {198, "EVENT_n", DIRECTION_INPUT, 0},
                   {200, "SDA", DIRECTION_INOUT, 0, 1},
                   {202, "SCL", DIRECTION_OUTPUT, 0, 1},
                   {197, "SA[0]", DIRECTION_OUTPUT, 0, 1},
                   {201, "SA[1]", DIRECTION_OUTPUT, 0, 1},
               });
    ExpectPins(*Ddr3Module(Ddr3::StratixIV, 1, 0, 0)(),
               {
                   {5, "dq[0]", DIRECTION_INOUT, 29},
                   {10, "dqs_n[0]", DIRECTION_INOUT, 12},
                   {104, "ck_n[1]", DIRECTION_OUTPUT, 12},
                   {115, "cas_n", DIRECTION_OUTPUT, 29},
                   {30, "reset_n", DIRECTION_OUTPUT, 29},
                   {198, "EVENT_n", DIRECTION_INPUT, 0},
                   {200, "SDA", DIRECTION_INOUT, 0, 1},
                   {197, "SA[0]", DIRECTION_OUTPUT, 0, 1},
               });
    ExpectPins(*Ddr3Module(Ddr3::Arria10, 1, 0, 0)(),
               {
                   {5, "DQ[0]", DIRECTION_INOUT, 28},
                   {11, "DM[0]", DIRECTION_OUTPUT, 28},
                   {12, "DQS[0]", DIRECTION_INOUT, 11},
                   {10, "DQS_n[0]", DIRECTION_INOUT, 11},
                   {101, "CK[0]", DIRECTION_OUTPUT, 12},
                   {98, "A[0]", DIRECTION_OUTPUT, 29},
                   {30, "RESET_n", DIRECTION_OUTPUT, 0},
               });
    ExpectPins(*Ddr4(1, 40, 40, 1)(),
               {
                   {8, "DQ[0]", DIRECTION_INOUT, 53},
                   {7, "DQ[1]", DIRECTION_INOUT, 53},
                   {17, "DQ[7]", DIRECTION_INOUT, 53},
                   {92, "DQ[64]", DIRECTION_INOUT, 53},
                   {104, "DQ[71]", DIRECTION_INOUT, 53},
                   {13, "DQS[0]", DIRECTION_INOUT, 54},
                   {242, "DQS[7]", DIRECTION_INOUT, 54},
                   {97, "DQS[8]", DIRECTION_INOUT, 54},
                   {95, "DQS_n[8]", DIRECTION_INOUT, 54},
                   {96, "DBI_n[8]", DIRECTION_INOUT, 53},
                   {137, "CK[0]", DIRECTION_OUTPUT, 56},
                   {114, "ACT_n", DIRECTION_INOUT, 55},
                   {152, "A[16]", DIRECTION_OUTPUT, 55},
                   {149, "CS_n[0]", DIRECTION_OUTPUT, 55},
                   {157, "CS_n[1]", DIRECTION_OUTPUT, 55},
                   {162, "CS_n[2]", DIRECTION_OUTPUT, 40},
                   {165, "CS_n[3]", DIRECTION_OUTPUT, 40},
                   {143, "PAR", DIRECTION_OUTPUT, 55},
                   {116, "ALERT_n", DIRECTION_OUTPUT, 55},
                   {108, "RESET_n", DIRECTION_OUTPUT, 40},
                   {134, "EVENT_n", DIRECTION_OUTPUT, 40},
                   {253, "SCL", DIRECTION_INOUT, 40},
                   {254, "SDA", DIRECTION_INOUT, 40},
                   {256, "SA[0]", DIRECTION_OUTPUT, 40, 1},
                   {260, "SA[1]", DIRECTION_OUTPUT, 40, 1},
               });
    ExpectPins(*Ddr4(1, 40, 40, 0)(), {{97, "DQS[8]", DIRECTION_INOUT, 54}, {96, "DBI_n[8]", DIRECTION_INOUT, 53}});
    ExpectPins(*Ddr2(1, 3, 3)(),
               {
                   {5, "dq[0]", DIRECTION_INOUT, 31},
                   {17, "dq[2]", DIRECTION_INOUT, 31},
                   {16, "dq[7]", DIRECTION_INOUT, 31},
                   {10, "dm[0]", DIRECTION_OUTPUT, 31},
                   {11, "dqs_n[0]", DIRECTION_INOUT, 16},
                   {13, "dqs[0]", DIRECTION_INOUT, 16},
                   {30, "ck[0]", DIRECTION_INOUT, 16},
                   {166, "ck_n[1]", DIRECTION_INOUT, 16},
                   {84, "a[15]", DIRECTION_OUTPUT, 31},
                   {85, "ba[2]", DIRECTION_OUTPUT, 31},
                   {119, "odt[1]", DIRECTION_OUTPUT, 31},
                   {195, "SDA", DIRECTION_INOUT, 3, 1},
                   {197, "SCL", DIRECTION_OUTPUT, 3, 1},
                   {198, "SA[0]", DIRECTION_OUTPUT, 3, 1},
                   {200, "SA[1]", DIRECTION_OUTPUT, 3, 1},
               });
    ExpectPins(*Ddr2(0, 3, 3)(), {{13, "dqs[0]", DIRECTION_INOUT, 31}, {30, "ck[0]", DIRECTION_INOUT, 31}});
}

// The three DDR3 family maps build one table: same positions, directions, flags and clock
// data; Arria 10 keeps the names, Stratix IV lowers them all but the sideband pins'.
TEST(MemoryModuleMaps, Ddr3FamiliesShareOneTable)
{
    const std::vector<int> sideband = {197, 198, 200, 201, 202};
    for (uint8_t diffDqs : {0, 1}) {
        SCOPED_TRACE(int(diffDqs));
        auto s5 = Ddr3Module(Ddr3::StratixV, diffDqs, 0, 0)();
        auto s4 = Ddr3Module(Ddr3::StratixIV, diffDqs, 0, 0)();
        auto a10 = Ddr3Module(Ddr3::Arria10, diffDqs, 0, 0)();
        for (int p = 1; p <= 204; ++p) {
            const TPin* ref = At(*s5, p);
            for (const TPin* other : {At(*s4, p), At(*a10, p)}) {
                ASSERT_EQ(ref == nullptr, other == nullptr) << p;
                if (!ref) continue;
                EXPECT_EQ(other->GetDirection(), ref->GetDirection()) << p;
                EXPECT_EQ(other->GetFlag(), ref->GetFlag()) << p;
                EXPECT_EQ(other->Clock, ref->Clock) << p;
                EXPECT_EQ(other->GetClockPeriod(), ref->GetClockPeriod()) << p;
            }
            if (!ref) continue;
            EXPECT_EQ(At(*a10, p)->GetName(), ref->GetName()) << p;
            std::string lower = ref->GetName();
            bool keepsCase = std::find(sideband.begin(), sideband.end(), p) != sideband.end();
            if (!keepsCase)
                std::transform(lower.begin(), lower.end(), lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            EXPECT_EQ(At(*s4, p)->GetName(), lower) << p;
        }
    }
}

TEST(MemoryModuleMaps, BuildOperationsSetNameDescriptionAndTypeAndRebuildFromEmpty)
{
    struct Case {
        const char* label;
        Builder build;
        const char* name;
        uint8_t type;
        int entries;
    };
    const Case cases[] = {
        {"DDR2", Ddr2(1, 3, 3), "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, 200},
        {"DDR3 Stratix IV", Ddr3Module(Ddr3::StratixIV, 1, 0, 0), "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, 204},
        {"DDR3 Stratix V", Ddr3Module(Ddr3::StratixV, 1, 0, 0), "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, 204},
        {"DDR3 Arria 10", Ddr3Module(Ddr3::Arria10, 1, 0, 0), "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, 204},
        {"DDR4", Ddr4(1, 40, 40, 0), "DDR4 SODIMM", CONNECTOR_DDR4_SODIMM, 260},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto d = c.build();
        EXPECT_EQ(d->GetName(), c.name);
        EXPECT_EQ(d->GetDescription(), c.name);
        EXPECT_EQ(d->GetType(), c.type);
        EXPECT_EQ(d->GetPinCount(), c.entries);
    }
    // a build operation empties the connector first, whatever it held
    TDaughterBoard d;
    d.Build(DAUGHTER_Kelpin_Brasket, MAINBOARD_Orlenn, 0, 8);
    d.BuildDdr3SodimmArria10(1, 0, 0);
    d.BuildDdr3SodimmStratixIV(0, 0, 0);
    EXPECT_EQ(d.GetPinCount(), 204);
    EXPECT_EQ(d.GetActivePinCount(), 118);
    EXPECT_EQ(At(d, 5)->GetName(), "dq[0]");
    d.BuildDdr4Sodimm(1, 40, 40, 1);
    EXPECT_EQ(d.GetPinCount(), 260);
    EXPECT_EQ(d.GetActivePinCount(), 141);
    EXPECT_EQ(d.GetType(), CONNECTOR_DDR4_SODIMM);
    // a standard argument is an index itself: a value outside the table is refused, not
    // turned into another standard
    EXPECT_THROW(d.BuildDdr2Sodimm(1, 200, 3), platform::InternalError);
    EXPECT_THROW(d.BuildDdr4Sodimm(1, 40, 57, 0), platform::InternalError);
}

// A board made here: one Kelpin connector, one 2x6 header and one socket of each module
// kind, every position with a location of its own except a few without an FPGA pin.
struct Socket {
    const char* name;
    uint8_t type;
    int32_t expansionId;
    char letter;
};

constexpr Socket kSockets[] = {
    {"KELPIN", CONNECTOR_Kelpin, EXPANSION_Kelpin_A, 'K'},
    {"OMBREL", CONNECTOR_Ombrel_2x6, EXPANSION_Ombrel_2x6, 'M'},
    {"DDR2", CONNECTOR_DDR2_SODIMM, EXPANSION_DDR2_SODIMM, 'R'},
    {"DDR3_S4", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM, 'S'},
    {"DDR3_S5", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM_A, 'T'},
    {"DDR3_A10", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM_B, 'U'},
    {"DDR4", CONNECTOR_DDR4_SODIMM, EXPANSION_DDR4_SODIMM_A, 'V'},
};

bool NoFpgaPin(int position) { return position % 25 == 0; }

std::string Location(char letter, int position) { return letter + std::to_string(position); }

std::unique_ptr<TMainBoard> MakeTestBoard()
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = MAINBOARD_Orlenn;
    for (const Socket& s : kSockets) {
        auto* c = new TConnector(s.name, "", s.type, -1);
        c->SetExpansion(1);
        c->SetExpansionId(s.expansionId);
        for (int p = 1; p <= ConnectorPositionCount(s.type); ++p)
            c->AddPin(NoFpgaPin(p) ? nullptr
                                   : new TPin("", Location(s.letter, p), DIRECTION_FROM_DAUGHTER,
                                              IOSTD_FROM_DAUGHTER, 0.0f));
        board->AddConnector(c);
    }
    return board;
}

struct AttachCase {
    const char* label;
    int32_t expansionId;
    std::string prefix;
    std::function<void(TMainBoard&, const std::string&)> attach;
    Builder reference;
};

// Every board pin opposite a card pin carries it under the prefix, with its own location;
// one opposite an empty card position drops out; positions without an FPGA pin stay empty.
void ExpectAttached(const TMainBoard& board, const AttachCase& a)
{
    SCOPED_TRACE(a.label);
    const TConnector* conn = board.FindExpansionConnector(a.expansionId);
    ASSERT_NE(conn, nullptr);
    auto card = a.reference();
    EXPECT_EQ(conn->GetDaughterType(), card->GetType());
    ASSERT_EQ(conn->GetPinCount(), card->GetPinCount());
    char letter = 0;
    for (const Socket& s : kSockets)
        if (s.expansionId == a.expansionId) letter = s.letter;
    int carried = 0;
    for (int p = 1; p <= conn->GetPinCount(); ++p) {
        const TPin* pin = At(*conn, p);
        const TPin* cardPin = At(*card, p);
        if (NoFpgaPin(p)) {
            EXPECT_EQ(pin, nullptr) << p;
            continue;
        }
        ASSERT_NE(pin, nullptr) << p;
        EXPECT_EQ(pin->GetLocation(), Location(letter, p));
        if (!cardPin) {
            EXPECT_EQ(pin->GetDirection(), DIRECTION_NONE) << p;
            continue;
        }
        ++carried;
        EXPECT_EQ(pin->GetName(), a.prefix + cardPin->GetName());
        EXPECT_EQ(pin->GetDirection(), cardPin->GetDirection()) << pin->GetName();
        EXPECT_EQ(pin->GetIoStandard(), cardPin->GetIoStandard()) << pin->GetName();
        EXPECT_EQ(pin->GetFlag(), cardPin->GetFlag()) << pin->GetName();
        EXPECT_EQ(pin->GetPinIndex(), p) << pin->GetName();
        EXPECT_EQ(pin->Clock, cardPin->Clock) << pin->GetName();
        EXPECT_EQ(pin->GetClockPeriod(), cardPin->GetClockPeriod()) << pin->GetName();
    }
    EXPECT_GT(carried, 0);
    EXPECT_EQ(conn->GetActivePinCount(), carried);
}

// Each socket its own prefix: the whole board is one project, whose ports must all differ.
std::vector<AttachCase> AttachCases(uint8_t kelpinCard, uint8_t ombrelCard)
{
    using Kind = MemoryModuleKind;
    return {
        {"Kelpin card", EXPANSION_Kelpin_A, kelpinCard == DAUGHTER_Kelpin_Brasket ? "KP_" : "",
         [=](TMainBoard& b, const std::string& prefix) {
             TConfigBaseAttach::AttachHsmcOrKelpinCard(&b, EXPANSION_Kelpin_A, kelpinCard, prefix);
         },
         Card(kelpinCard, MAINBOARD_Orlenn)},
        {"2x6 card", EXPANSION_Ombrel_2x6, "OMB_",
         [=](TMainBoard& b, const std::string& prefix) {
             TConfigBaseAttach::AttachOmbrelCard(&b, EXPANSION_Ombrel_2x6, ombrelCard, prefix);
         },
         Card(ombrelCard, MAINBOARD_Orlenn)},
        {"DDR2", EXPANSION_DDR2_SODIMM, "mem_",
         [](TMainBoard& b, const std::string& prefix) {
             TConfigBaseAttach::AttachMemoryModule(&b, EXPANSION_DDR2_SODIMM, prefix, Kind::Ddr2, 1, 8, 8);
         },
         Ddr2(1, 8, 8)},
        {"DDR3 Stratix IV", EXPANSION_DDR3_SODIMM, "mem3_",
         [](TMainBoard& b, const std::string& prefix) {
             TConfigBaseAttach::AttachMemoryModule(&b, EXPANSION_DDR3_SODIMM, prefix, Kind::Ddr3StratixIV, 1, 0, 0);
         },
         Ddr3Module(Ddr3::StratixIV, 1, 0, 0)},
        {"DDR3 Stratix V", EXPANSION_DDR3_SODIMM_A, "DDR3_",
         [](TMainBoard& b, const std::string& prefix) {
             b.AttachDdr3SodimmStratixV(EXPANSION_DDR3_SODIMM_A, prefix, 1, 0, 0);
         },
         Ddr3Module(Ddr3::StratixV, 1, 0, 0)},
        {"DDR3 Arria 10", EXPANSION_DDR3_SODIMM_B, "DDR3B_",
         [](TMainBoard& b, const std::string& prefix) {
             b.AttachDdr3SodimmArria10(EXPANSION_DDR3_SODIMM_B, prefix, 1, 0, 0);
         },
         Ddr3Module(Ddr3::Arria10, 1, 0, 0)},
        {"DDR4", EXPANSION_DDR4_SODIMM_A, "DDR4A_",
         [](TMainBoard& b, const std::string& prefix) {
             b.AttachDdr4Sodimm(EXPANSION_DDR4_SODIMM_A, prefix, 1, 40, 40, 1);
         },
         Ddr4(1, 40, 40, 1)},
    };
}

TEST(KelpinOmbrelDdrBoard, EveryCardAndModuleAttachedUnderItsPrefix)
{
    const std::pair<uint8_t, uint8_t> pairs[] = {{DAUGHTER_Kelpin_Brasket, DAUGHTER_Ombrel_DEFAULT},
                                                 {DAUGHTER_Quillet_Kelpin, DAUGHTER_Ombrel_Velket}};
    for (auto [kelpin, ombrel] : pairs) {
        SCOPED_TRACE(BoardName(kelpin));
        auto board = MakeTestBoard();
        const std::vector<AttachCase> cases = AttachCases(kelpin, ombrel);
        for (const AttachCase& a : cases) a.attach(*board, a.prefix);
        for (const AttachCase& a : cases) ExpectAttached(*board, a);
    }
}

TEST(KelpinOmbrelDdrBoard, NamesAndClockDataOnTheBoardPins)
{
    auto board = MakeTestBoard();
    for (const AttachCase& a : AttachCases(DAUGHTER_Kelpin_Brasket, DAUGHTER_Ombrel_Velket)) a.attach(*board, a.prefix);
    const TPin* sda = At(*board->FindExpansionConnector(EXPANSION_Kelpin_A), 131);
    EXPECT_EQ(sda->GetName(), "KP_HDMI_SDA");
    EXPECT_EQ(sda->GetLocation(), "K131");
    EXPECT_EQ(sda->GetFlag(), 1);
    EXPECT_EQ(At(*board->FindExpansionConnector(EXPANSION_Ombrel_2x6), 1)->GetName(), "OMB_Velket_UART_RX");
    EXPECT_EQ(At(*board->FindExpansionConnector(EXPANSION_DDR2_SODIMM), 5)->GetName(), "mem_dq[0]");
    EXPECT_EQ(At(*board->FindExpansionConnector(EXPANSION_DDR2_SODIMM), 195)->GetIoStandard(), 8);
    EXPECT_EQ(At(*board->FindExpansionConnector(EXPANSION_DDR3_SODIMM), 30)->GetName(), "mem3_reset_n");
    const TPin* scl = At(*board->FindExpansionConnector(EXPANSION_DDR3_SODIMM_A), 202);
    EXPECT_EQ(scl->GetName(), "DDR3_SCL");
    EXPECT_EQ(scl->GetLocation(), "T202");
    EXPECT_EQ(scl->Clock, 2);
    EXPECT_EQ(scl->GetClockPeriod(), 1);
    EXPECT_EQ(At(*board->FindExpansionConnector(EXPANSION_DDR4_SODIMM_A), 92)->GetName(), "DDR4A_DQ[64]");
}

// The whole board with every card and module attached, written as a project and checked by the tools.
using BoardProjectParam = std::tuple<std::pair<uint8_t, uint8_t>, bool>;  // Kelpin and 2x6 card, VHDL

class KelpinOmbrelDdrProject : public ::testing::TestWithParam<BoardProjectParam> {};

TEST_P(KelpinOmbrelDdrProject, AcceptedByTheTools)
{
    const auto [cards, vhdl] = GetParam();
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    auto board = MakeTestBoard();
    for (const AttachCase& a : AttachCases(cards.first, cards.second)) a.attach(*board, a.prefix);
    const std::string file = dir.Path() + "sockets.qpf";
    ASSERT_TRUE(TSystemBuild().Generate(*board, file, vhdl));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    tooltest::ExpectProjectAccepted(*board, file, vhdl);
}

// The DVI loopback card, the one other Kelpin card with a map, comes along.
using CardPair = std::pair<uint8_t, uint8_t>;
const CardPair kCardPairs[] = {{DAUGHTER_Kelpin_Brasket, DAUGHTER_Ombrel_DEFAULT},
                               {DAUGHTER_Quillet_Kelpin, DAUGHTER_Ombrel_Velket},
                               {DAUGHTER_Kelpin_LOOPBACK, DAUGHTER_Ombrel_DEFAULT}};

std::string ProjectName(const ::testing::TestParamInfo<BoardProjectParam>& info)
{
    const CardPair& cards = std::get<0>(info.param);
    return "Kelpin" + std::to_string(cards.first) + "_Ombrel" + std::to_string(cards.second) +
           (std::get<1>(info.param) ? "_Vhdl" : "_Verilog");
}

INSTANTIATE_TEST_SUITE_P(EveryCardAndModule, KelpinOmbrelDdrProject,
                         ::testing::Combine(::testing::ValuesIn(kCardPairs), ::testing::Bool()), ProjectName);

}  // namespace

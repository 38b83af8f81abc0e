// The FMC cards as the dispatcher and the maps build them.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "cards/CardMaps.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"

namespace {

using cardtest::At;
using cardtest::BuildCard;
using cardtest::CheckMap;
using cardtest::CountStandard;
using cardtest::EmptyPositions;
using cardtest::MapExpectation;
using cardtest::RunMap;

std::function<std::unique_ptr<TDaughterBoard>()> Card(uint8_t card, int board = MAINBOARD_Ulvarin,
                                                      uint8_t defaultStd = 8)
{
    return [=] { return BuildCard(card, board, 0, defaultStd); };
}

template <typename F>
std::function<std::unique_ptr<TDaughterBoard>()> Map(F map)
{
    return [=] { return RunMap(map); };
}

// Active pins per connector row A, B, C, D, E, F, G, H, J, K.
std::array<int, 10> RowCounts(const TConnector& c)
{
    std::array<int, 10> counts{};
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i) && c.GetPin(i)->IsActive()) ++counts[static_cast<std::size_t>(i / 40)];
    return counts;
}

// Every FMC map appends 400 entries, whatever its arguments.
MapExpectation Expect(const char* label, std::function<std::unique_ptr<TDaughterBoard>()> build, int active)
{
    MapExpectation e;
    e.label = label;
    e.build = std::move(build);
    e.entries = 400;
    e.active = active;
    return e;
}

bool IsLpcPosition(int p) { return (p >= 81 && p <= 160) || (p >= 241 && p <= 320); }

TEST(FmcCards, PinCountsPerCardAndArguments)
{
    const std::vector<MapExpectation> cases = {
        Expect("40 on Vellani", Card(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Vellani), 215),
        Expect("40 on Ulvarin", Card(DAUGHTER_FMC_HPC_VITA), 215),
        Expect("40 on Yastrel_X1", Card(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Yastrel_X1), 215),
        Expect("VITA", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA(d, 1, 6, 36, 0); }), 215),
        Expect("VITA no xcvr", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA(d, 0, 6, 36, 0); }), 173),
        Expect("VITA no row K", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA(d, 1, 6, 36, 1); }), 191),
        Expect("VITA LVDS", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA(d, 1, 21, 36, 0); }), 133),
        Expect("VITA array", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA_ARRAY(d, 1, 6, 36, 0); }), 215),
        Expect("VITA array no xcvr", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA_ARRAY(d, 0, 6, 36, 0); }), 173),
        Expect("VITA array no row K", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA_ARRAY(d, 1, 6, 36, 1); }), 191),
        Expect("VITA array LVDS", Map([](TDaughterBoard* d) { D_FMC_HPC_VITA_ARRAY(d, 1, 21, 36, 0); }), 133),
        Expect("41", Card(DAUGHTER_FMC_LPC_VITA), 81),
        Expect("LPC VITA no xcvr", Map([](TDaughterBoard* d) { D_FMC_LPC_VITA(d, 0, 6, 36); }), 76),
        Expect("LPC VITA LVDS", Map([](TDaughterBoard* d) { D_FMC_LPC_VITA(d, 1, 21, 36); }), 45),
        Expect("42", Card(DAUGHTER_FMC_HPC_ALTERA), 138),
        Expect("43", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR), 204),
        Expect("44", Card(DAUGHTER_FMC_HPC_ALTERA_Varnholt), 173),
        Expect("45", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt), 215),
        Expect("46", Card(DAUGHTER_FMC_LPC_ALTERA), 76),
        Expect("47", Card(DAUGHTER_FMC_LPC_ALTERA_XCVR), 81),
        Expect("vendor without row K", Map([](TDaughterBoard* d) { D_FMC_HPC_ALTERA(d, 1, 6, 0); }), 180),
        Expect("48", Card(DAUGHTER_FMC_Vossil), 42),
        Expect("49", Card(DAUGHTER_FMC_Dortle), 87),
        Expect("50", Card(DAUGHTER_FMC_Brasket), 129),
        Expect("51", Card(DAUGHTER_FMC_Pashard_FOR_TI), 93),
        Expect("52", Card(DAUGHTER_FMC_TI_ADC34J45), 27),
        Expect("TI unswapped", Map([](TDaughterBoard* d) { D_FMC_TI_ADC34J45(d, 0); }), 27),
        Expect("53", Card(DAUGHTER_FMC_Wyrsel), 136),
        Expect("54", Card(DAUGHTER_FMC_Parnish), 97),
        Expect("76", Card(DAUGHTER_Ferrund_FMC), 68),
    };
    for (const MapExpectation& e : cases) CheckMap(e);

    MapExpectation disabled = Expect("LPC vendor disabled", Map([](TDaughterBoard* d) { D_FMC_LPC_ALTERA(d, 1, 6, 0); }), 0);
    disabled.checkEmpty = true;
    for (int p = 1; p <= 400; ++p) disabled.empty.push_back(p);
    CheckMap(disabled);
}

TEST(FmcCards, CatalogueConnectorTypesAndNames)
{
    struct Case {
        uint8_t card;
        uint8_t type;
        const char* name;
    };
    const Case cases[] = {
        {40, CONNECTOR_FMC_HPC, "FMC HPC - VITA Standard"},
        {41, CONNECTOR_FMC_LPC, "FMC LPC - VITA Standard"},
        {42, CONNECTOR_FMC_HPC, "FMC HPC - Altera Standard"},
        {43, CONNECTOR_FMC_HPC, "FMC HPC with XCVR - Altera Standard"},
        {44, CONNECTOR_FMC_HPC, "FMC HPC - Altera Standard"},
        {45, CONNECTOR_FMC_HPC, "FMC HPC with XCVR - Altera Standard"},
        {46, CONNECTOR_FMC_LPC, "FMC LPC - Altera Standard"},
        {47, CONNECTOR_FMC_LPC, "FMC LPC with XCVR - Altera Standard"},
        {48, CONNECTOR_FMC_LPC, "Vossil-FMC"},
        {49, CONNECTOR_FMC_HPC, "12G Dortle-FMC"},
        {50, CONNECTOR_FMC_LPC, "Brasket-FMC"},
        {51, CONNECTOR_FMC_HPC, "Pashard-FMC Adapter for TI"},
        {52, CONNECTOR_FMC_HPC, "Pashard-FMC + TI ADC34J45 EVM"},
        {53, CONNECTOR_FMC_LPC, "Wyrsel-FMC"},
        {54, CONNECTOR_FMC_HPC, "Parnish-FMC"},
        {76, CONNECTOR_FMC_LPC, "Ferrund-FMC"},
    };
    for (const Case& c : cases) {
        auto d = BuildCard(c.card, MAINBOARD_Ulvarin);
        EXPECT_EQ(d->GetType(), c.type) << int(c.card);
        EXPECT_EQ(d->GetName(), c.name) << int(c.card);
    }
}

TEST(FmcCards, PinsPerConnectorRow)
{
    using Rows = std::array<int, 10>;
    EXPECT_EQ(RowCounts(*BuildCard(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Vellani)),
              (Rows{20, 18, 17, 16, 24, 24, 24, 24, 24, 24}));
    EXPECT_EQ(RowCounts(*BuildCard(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Ulvarin)),
              (Rows{20, 18, 17, 16, 24, 24, 24, 24, 24, 24}));
    EXPECT_EQ(RowCounts(*BuildCard(DAUGHTER_FMC_LPC_VITA, MAINBOARD_Ulvarin)), (Rows{0, 0, 17, 16, 0, 0, 24, 24, 0, 0}));
    for (uint8_t card : {DAUGHTER_FMC_LPC_ALTERA, DAUGHTER_FMC_LPC_ALTERA_XCVR, DAUGHTER_Ferrund_FMC}) {
        auto d = BuildCard(card, MAINBOARD_Ulvarin);
        for (int p = 1; p <= 400; ++p)
            if (!IsLpcPosition(p)) EXPECT_EQ(At(*d, p), nullptr) << int(card) << " position " << p;
    }
}

// One position of a built card: its pin's name, direction and standard, or empty.
struct PositionCase {
    const char* label;
    std::function<std::unique_ptr<TDaughterBoard>()> build;
    int position;
    const char* name;  // null: empty entry
    uint8_t dir = 0;
    uint8_t std = 0;
};

void CheckPositions(const std::vector<PositionCase>& cases)
{
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " position " + std::to_string(c.position));
        auto d = c.build();
        const TPin* pin = At(*d, c.position);
        if (!c.name) {
            EXPECT_EQ(pin, nullptr) << (pin ? pin->GetName() : "");
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), c.name);
        EXPECT_EQ(pin->GetDirection(), c.dir);
        EXPECT_EQ(pin->GetIoStandard(), c.std);
        EXPECT_EQ(pin->GetPinIndex(), c.position);
        EXPECT_EQ(pin->GetFlag(), 0);
    }
}

constexpr uint8_t IN = DIRECTION_INPUT, OUT = DIRECTION_OUTPUT, IO = DIRECTION_INOUT;

TEST(FmcCards, StandardCardPositions)
{
    const auto vellani = Card(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Vellani);
    const auto array = Card(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Ulvarin, 8);
    const auto plain8 = Map([](TDaughterBoard* d) { D_FMC_HPC_VITA(d, 1, 8, 36, 0); });
    const auto lpc = Card(DAUGHTER_FMC_LPC_VITA, MAINBOARD_Ulvarin, 8);
    CheckPositions({
        {"40 Vellani", vellani, 90, "LA06_P", IO, 6},
        {"40 Vellani", vellani, 91, "LA06_N", IO, 6},
        {"40 Vellani", vellani, 61, nullptr},
        {"40 Vellani", vellani, 60, "GBTCLK1_M2C_P", IN, 21},
        {"40 Vellani", vellani, 2, "DP1_M2C_P", IN, 36},
        {"40 Vellani", vellani, 86, "DP0_M2C_P", IN, 36},
        {"40 Vellani", vellani, 102, "LA18_P_CC", IO, 6},
        {"40 array", array, 2, "DP_M2C_p[1]", IN, 36},
        {"40 array", array, 102, "LA_p[18]", IO, 8},
        {"40 array", array, 103, "LA_n[18]", IO, 8},
        {"40 array", array, 41, "CLK_DIR", IO, 8},
        {"40 array", array, 114, "GA[0]", IO, 8},
        {"40 array", array, 322, "CLK3_BIDIR_p", IO, 8},
        {"40 array", array, 323, "CLK3_BIDIR_n", IO, 8},
        {"40 array", array, 242, "CLK_M2C_p[1]", IN, 8},
        {"40 array", array, 162, "HA_p[1]", IO, 8},
        {"40 array", array, 124, "GBTCLK_M2C_p[0]", IN, 21},
        {"VITA IoStd 8", plain8, 41, "CLK_DIR", IO, 6},
        {"VITA IoStd 8", plain8, 155, "GA1", IO, 6},
        {"VITA IoStd 8", plain8, 90, "LA06_P", IO, 8},
        {"41", lpc, 124, "GBTCLK0_M2C_P", IN, 21},
        {"41", lpc, 125, nullptr},
        {"41", lpc, 41, nullptr},
        {"41", lpc, 82, "DP0_C2M_P", OUT, 36},
        {"41", lpc, 110, "SCL", IO, 6},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 90, "LA_RX_p[1]", IN, 6},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 91, "LA_RX_n[1]", IN, 6},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 2, nullptr},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 60, nullptr},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 364, nullptr},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 326, "HA_RX_p[5]", IN, 6},
        {"42", Card(DAUGHTER_FMC_HPC_ALTERA), 327, nullptr},
        {"43", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR), 364, "DP_M2C_p[10]", IN, 35},
        {"43", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR), 60, "GBTCLK_M2C_p[1]", IN, 21},
        {"43", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR), 61, nullptr},
        {"44", Card(DAUGHTER_FMC_HPC_ALTERA_Varnholt), 327, "HA_RX_n[5]", IN, 6},
        {"44", Card(DAUGHTER_FMC_HPC_ALTERA_Varnholt), 364, "HA_TX_p[8]", OUT, 6},
        {"44", Card(DAUGHTER_FMC_HPC_ALTERA_Varnholt), 2, nullptr},
        {"45", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt), 364, "HA_TX_p[8]", OUT, 6},
        {"45", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt), 2, "DP_M2C_p[1]", IN, 35},
        {"45", Card(DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt), 124, "GBTCLK_M2C_p[0]", IN, 21},
        {"46", Card(DAUGHTER_FMC_LPC_ALTERA), 86, nullptr},
        {"47", Card(DAUGHTER_FMC_LPC_ALTERA_XCVR), 86, "DP_M2C_p[0]", IN, 35},
        {"47", Card(DAUGHTER_FMC_LPC_ALTERA_XCVR), 83, "DP_C2M_n[0]", OUT, 35},
        {"47", Card(DAUGHTER_FMC_LPC_ALTERA_XCVR), 124, "GBTCLK_M2C_p[0]", IN, 21},
        {"47", Card(DAUGHTER_FMC_LPC_ALTERA_XCVR), 60, nullptr},
    });
}

TEST(FmcCards, StandardsFollowTheMainBoard)
{
    struct Case {
        int board;
        uint8_t ioStd, xcvrStd, managementStd;
    };
    // Vellani takes the plain names, whose management pins keep 2.5 V.
    const Case cases[] = {
        {MAINBOARD_Vellani, 6, 36, 6},
        {MAINBOARD_Yastrel_X1, 39, 35, 39},
        {MAINBOARD_Idrenne, 3, 52, 3},
        {MAINBOARD_Ulvarin, 8, 36, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        auto d = BuildCard(DAUGHTER_FMC_HPC_VITA, c.board, 0, 8);
        EXPECT_EQ(CountStandard(*d, c.xcvrStd), 40);
        EXPECT_EQ(CountStandard(*d, 21), 2);
        EXPECT_EQ(CountStandard(*d, c.ioStd), 173);  // 168 pair legs and 5 management pins
        for (int p : {41, 110, 111, 114, 155}) EXPECT_EQ(At(*d, p)->GetIoStandard(), c.managementStd) << p;
    }
    // the vendor-naming cards pass 2.5 V whatever the board
    for (uint8_t card = DAUGHTER_FMC_HPC_ALTERA; card <= DAUGHTER_FMC_LPC_ALTERA_XCVR; ++card) {
        auto onX1 = BuildCard(card, MAINBOARD_Yastrel_X1, 0, 8);
        auto onUlvarin = BuildCard(card, MAINBOARD_Ulvarin, 0, 3);
        EXPECT_EQ(CountStandard(*onX1, 6), CountStandard(*onUlvarin, 6)) << int(card);
        EXPECT_EQ(CountStandard(*onX1, 39), 0) << int(card);
    }
    // 42 and 46 carry 2.5-V pins only
    EXPECT_EQ(CountStandard(*BuildCard(DAUGHTER_FMC_HPC_ALTERA, MAINBOARD_Ulvarin), 6), 138);
    EXPECT_EQ(CountStandard(*BuildCard(DAUGHTER_FMC_LPC_ALTERA, MAINBOARD_Ulvarin), 6), 76);
}

TEST(FmcCards, ArrayNamedCardFormsTheBuses)
{
    std::set<std::string> expected = {"CLK_DIR", "SCL", "SDA", "CLK2_BIDIR_p", "CLK2_BIDIR_n", "CLK3_BIDIR_p",
                                      "CLK3_BIDIR_n"};
    auto bus = [&](const std::string& base, int count) {
        for (int i = 0; i < count; ++i) expected.insert(base + "[" + std::to_string(i) + "]");
    };
    for (const char* leg : {"_p", "_n"}) {
        bus(std::string("LA") + leg, 34);
        bus(std::string("HA") + leg, 24);
        bus(std::string("HB") + leg, 22);
        bus(std::string("DP_M2C") + leg, 10);
        bus(std::string("DP_C2M") + leg, 10);
        bus(std::string("CLK_M2C") + leg, 2);
    }
    bus("GBTCLK_M2C_p", 2);
    bus("GA", 2);
    ASSERT_EQ(expected.size(), 215u);

    auto d = BuildCard(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Ulvarin);
    std::set<std::string> names;
    for (int i = 0; i < d->GetPinCount(); ++i)
        if (d->GetPin(i)) names.insert(d->GetPin(i)->GetName());
    EXPECT_EQ(names, expected);
}

TEST(FmcCards, ApplicationAndAdapterCardPositions)
{
    const auto vossil = Card(DAUGHTER_FMC_Vossil);
    const auto dortle = Card(DAUGHTER_FMC_Dortle);
    const auto brasket = Card(DAUGHTER_FMC_Brasket);
    const auto wyrsel = Card(DAUGHTER_FMC_Wyrsel);
    const auto parnish = Card(DAUGHTER_FMC_Parnish);
    const auto pashard = Card(DAUGHTER_FMC_Pashard_FOR_TI);
    const auto ti = Card(DAUGHTER_FMC_TI_ADC34J45);
    const auto ferrund = Card(DAUGHTER_Ferrund_FMC);
    CheckPositions({
        {"48", vossil, 61, nullptr},
        {"48", vossil, 60, "XCVR_REFCLK1_p", IN, 21},
        {"48", vossil, 87, "XCVR_RX_n[0]", IN, 21},
        {"48", vossil, 90, nullptr},
        {"48", vossil, 91, nullptr},
        {"48", vossil, 41, nullptr},
        {"48", vossil, 14, nullptr},
        {"48", vossil, 2, "XCVR_RX_p[1]", IN, 36},
        {"48", vossil, 131, "DP_SINK_N", OUT, 6},
        {"48", vossil, 291, nullptr},
        {"49", dortle, 294, nullptr},
        {"49", dortle, 293, "FPGA_CLK_p", OUT, 21},
        {"49", dortle, 243, "CLK_M2C_n[1]", IN, 21},
        {"49", dortle, 114, "FMC_GA[0]", OUT, 6},
        {"49", dortle, 125, "GBTCLK_M2C_n[0]", IN, 36},
        {"50", brasket, 356, "RX_RD[5]", IN, 6},
        {"50", brasket, 80, nullptr},
        {"50", brasket, 317, "TX_RD[10]", OUT, 6},
        {"50", brasket, 323, "RX_RD[14]", IN, 6},
        {"53", wyrsel, 163, nullptr},
        {"53", wyrsel, 162, "NET2_S_CLKP", IN, 21},
        {"53", wyrsel, 94, "NET1_INTN", IN, 6},
        {"53", wyrsel, 367, "NET0_LINK1000", IN, 6},
        {"53", wyrsel, 208, nullptr},
        {"53", wyrsel, 207, "NET0_S_TX_P", OUT, 21},
        {"54", parnish, 264, "DP_AUX_p", IO, 6},
        {"54", parnish, 265, "DP_AUX_n", IO, 6},
        {"54", parnish, 87, "DP_RX_n[0]", IN, 36},
        {"54", parnish, 287, "USBFX3_DQ[11]", IO, 6},
        {"54", parnish, 318, "USBFX3_DQ[23]", IO, 6},
        {"51", pashard, 125, nullptr},
        {"51", pashard, 124, "GTX_CLKP", IN, 21},
        {"51", pashard, 49, "DP8_M2C_N", IN, 36},
        {"51", pashard, 246, "CLK_LA0_0P", IN, 6},
        {"51", pashard, 247, "CLK_LA0_0M", IN, 6},
        {"51", pashard, 201, "H35", IN, 6},
        {"51", pashard, 315, "F1", OUT, 6},
        {"51", pashard, 207, "K20", IO, 6},
        {"52", ti, 252, nullptr},
        {"52", ti, 253, nullptr},
        {"52", ti, 305, "SYNCP", OUT, 21},
        {"52", ti, 306, nullptr},
        {"52", ti, 382, nullptr},
        {"52", ti, 314, "SYNC", IO, 6},
        {"52", ti, 273, "OVRA", IN, 6},
        {"52", ti, 274, "OVRC", IN, 6},
        {"52", ti, 2, "DB0P", IN, 36},
        {"52", ti, 3, "DB0M", IN, 36},
        {"76", ferrund, 102, "Ombrel_D[0]", IO, 6},
        {"76", ferrund, 318, "HDMI_LRCLK", OUT, 6},
    });
    EXPECT_EQ(CountStandard(*BuildCard(DAUGHTER_FMC_Brasket, MAINBOARD_Ulvarin), 6), 129);
    EXPECT_EQ(CountStandard(*BuildCard(DAUGHTER_Ferrund_FMC, MAINBOARD_Ulvarin), 6), 68);
}

TEST(FmcCards, SwapMovesFourPinsAndLeavesTheRest)
{
    auto swapped = RunMap([](TDaughterBoard* d) { D_FMC_TI_ADC34J45(d, 1); });
    auto stored = RunMap([](TDaughterBoard* d) { D_FMC_TI_ADC34J45(d, 0); });
    const std::vector<std::pair<std::string, std::pair<int, int>>> moved = {
        {"SYNCP", {252, 305}}, {"OVRA", {379, 273}}, {"OVRC", {342, 274}}, {"SYNC", {382, 314}}};
    for (const auto& [name, where] : moved) {
        ASSERT_NE(At(*stored, where.first), nullptr) << name;
        EXPECT_EQ(At(*stored, where.first)->GetName(), name);
        EXPECT_EQ(At(*swapped, where.first), nullptr) << name;
        ASSERT_NE(At(*swapped, where.second), nullptr) << name;
        EXPECT_EQ(At(*swapped, where.second)->GetName(), name);
        EXPECT_EQ(At(*swapped, where.second)->GetPinIndex(), where.second);
        EXPECT_EQ(At(*stored, where.second), nullptr) << name;
    }
    int unmoved = 0;
    for (int p = 1; p <= 400; ++p) {
        const TPin* a = At(*stored, p);
        if (!a) continue;
        bool isMoved = false;
        for (const auto& m : moved) isMoved = isMoved || m.first == a->GetName();
        if (isMoved) continue;
        ++unmoved;
        ASSERT_NE(At(*swapped, p), nullptr) << p;
        EXPECT_EQ(At(*swapped, p)->GetName(), a->GetName());
        EXPECT_EQ(At(*swapped, p)->GetDirection(), a->GetDirection());
        EXPECT_EQ(At(*swapped, p)->GetIoStandard(), a->GetIoStandard());
    }
    EXPECT_EQ(unmoved, 23);
    // SYNCM drops out as an LVDS negative leg wherever it sits
    EXPECT_EQ(At(*stored, 253), nullptr);
    EXPECT_EQ(At(*swapped, 306), nullptr);
}

TEST(FmcCards, ApplicationAndAdapterCardsKeepTheirStandardsOnEveryBoard)
{
    for (uint8_t card : {DAUGHTER_FMC_Vossil, DAUGHTER_FMC_Dortle, DAUGHTER_FMC_Brasket, DAUGHTER_FMC_Pashard_FOR_TI,
                         DAUGHTER_FMC_TI_ADC34J45, DAUGHTER_FMC_Wyrsel, DAUGHTER_FMC_Parnish, DAUGHTER_Ferrund_FMC}) {
        auto reference = BuildCard(card, MAINBOARD_Ulvarin, 0, 8);
        for (int board : {MAINBOARD_Yastrel_X1, MAINBOARD_Idrenne, MAINBOARD_Vellani}) {
            auto d = BuildCard(card, board, 0, 3);
            for (int i = 0; i < 400; ++i) {
                const TPin* a = reference->GetPin(i);
                const TPin* b = d->GetPin(i);
                ASSERT_EQ(a == nullptr, b == nullptr) << int(card) << " " << board << " " << i;
                if (a) EXPECT_EQ(a->GetIoStandard(), b->GetIoStandard()) << a->GetName();
            }
        }
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "cards/CardMap.h"
#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"

using namespace cardtest;

namespace {

// Sorted positions written in the pin-table notation.
std::vector<int> Positions(const char* notation)
{
    std::vector<int> p = cardmap::ExpandPositions(notation);
    std::sort(p.begin(), p.end());
    return p;
}

bool HasLowerCase(const std::string& s)
{
    return std::any_of(s.begin(), s.end(), [](unsigned char c) { return std::islower(c); });
}

// The four namings by their pin counts.
struct Naming {
    int active, inputs, outputs, inouts, lanePins;
    const char* empty;
};

constexpr Naming kGeneral{117, 22, 22, 73, 32, "35-38, 45, 46, 51-153/6, 52-154/6, 159"};
constexpr Naming kTables{101, 14, 14, 73, 16, "3-31/4, 4-32/4, 35-38, 45, 46, 51-153/6, 52-154/6, 159"};
constexpr Naming kComputedLanes{100, 13, 14, 73, 16, "3-31/4, 4-32/4, 35-38, 45, 46, 51-153/6, 52-154/6, 159, 160"};
constexpr Naming kComputedNoLanes{84, 5, 6, 73, 0, "1-32, 35-38, 45, 46, 51-153/6, 52-154/6, 159, 160"};

struct Card {
    uint8_t id;
    uint8_t ioStd;
    bool xcvr;
    bool upperCaseCard;  // upper-cased on the boards that ask for it
};

constexpr Card kCards[] = {
    {DAUGHTER_HSMC_DEFAULT, 6, false, true},
    {DAUGHTER_HSMC_DEFAULT_XCVR, 6, true, false},
    {DAUGHTER_HSMC_DEFAULT_3V3, 8, false, true},
    {DAUGHTER_HSMC_DEFAULT_1V8, 3, false, true},
    {DAUGHTER_HSMC_DEFAULT_1V5, 0, false, true},
    {DAUGHTER_HSMC_DEFAULT_3V0, 39, false, true},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V3, 8, true, false},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V0, 39, true, false},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, 3, true, false},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V5, 0, true, false},
};

struct Board {
    int id;
    int32_t variant;
    uint8_t xcvrStd;
    bool upperCase;
};

constexpr Board kBoards[] = {
    {MAINBOARD_Harnix, 0, 36, false},    {MAINBOARD_Kavrin, 0, 36, true},     {MAINBOARD_Yastrel_X2, 0, 35, false},
    {MAINBOARD_Yastrel_X1, 0, 35, false}, {MAINBOARD_Corbanth, 0, 36, false}, {MAINBOARD_Corbanth, 1, 36, false},
    {MAINBOARD_Pandrel, 0, 35, false},   {MAINBOARD_Gorvath, 0, 36, true},    {MAINBOARD_Ashvorn, 0, 36, true},
    {MAINBOARD_Cresswin, 0, 36, false},  {MAINBOARD_Jorvale, 0, 36, true},    {MAINBOARD_Plimmet, 0, 36, true},
    {MAINBOARD_Vellani, 0, 36, false},   {MAINBOARD_Ulvarin, 0, 36, true},    {MAINBOARD_Idrenne, 0, 52, false},
};

Naming NamingOf(int board, bool xcvr)
{
    switch (board) {
    case MAINBOARD_Yastrel_X1: return xcvr ? kComputedLanes : kComputedNoLanes;
    case MAINBOARD_Pandrel:
    case MAINBOARD_Cresswin:
    case MAINBOARD_Jorvale:
    case MAINBOARD_Plimmet: return kTables;
    default: return kGeneral;
    }
}

}  // namespace

// Every card variant on every naming: counts, empty positions, standards and case.
TEST(HsmcDefault, EveryCardOnEveryNaming)
{
    for (const Card& card : kCards) {
        for (const Board& board : kBoards) {
            const Naming n = NamingOf(board.id, card.xcvr);
            const std::string label = "card " + std::to_string(card.id) + " on board " + std::to_string(board.id) +
                                      " variant " + std::to_string(board.variant);
            MapExpectation e;
            e.label = label;
            e.build = [&] { return BuildCard(card.id, board.id, board.variant); };
            e.entries = 160;
            e.active = n.active;
            e.inputs = n.inputs;
            e.outputs = n.outputs;
            e.inouts = n.inouts;
            e.checkEmpty = true;
            e.empty = Positions(n.empty);
            CheckMap(e);

            SCOPED_TRACE(label);
            auto d = BuildCard(card.id, board.id, board.variant);
            EXPECT_EQ(CountStandard(*d, board.xcvrStd), n.lanePins);
            EXPECT_EQ(CountStandard(*d, card.ioStd), n.active - n.lanePins);
            for (int p = 33; p <= 160; ++p)
                if (At(*d, p)) EXPECT_EQ(At(*d, p)->GetIoStandard(), card.ioStd) << p;
            const bool upper = card.upperCaseCard && board.upperCase;
            bool anyLower = false;
            for (int p = 1; p <= 160; ++p)
                if (At(*d, p)) anyLower = anyLower || HasLowerCase(At(*d, p)->GetName());
            EXPECT_EQ(anyLower, !upper);
        }
    }
}

// The upper-case rule renames and nothing else: card 2 on Ulvarin against card 3, which
// never gets the flag.
TEST(HsmcDefault, UpperCaseOnlyRenames)
{
    auto upper = BuildCard(DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin);
    auto mixed = BuildCard(DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin);
    for (int p = 1; p <= 160; ++p) {
        SCOPED_TRACE(p);
        ASSERT_EQ(At(*upper, p) == nullptr, At(*mixed, p) == nullptr);
        if (!At(*upper, p)) continue;
        std::string name = At(*mixed, p)->GetName();
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(At(*upper, p)->GetName(), name);
        EXPECT_EQ(At(*upper, p)->GetDirection(), At(*mixed, p)->GetDirection());
        EXPECT_EQ(At(*upper, p)->GetIoStandard(), At(*mixed, p)->GetIoStandard());
    }
}

namespace {

struct PositionCase {
    uint8_t card;
    int board;
    int32_t variant;
    int position;
    const char* name;  // empty: no pin there
    uint8_t dir;
    uint8_t std;
};

constexpr uint8_t kOut = DIRECTION_OUTPUT, kIn = DIRECTION_INPUT, kIo = DIRECTION_INOUT;

const PositionCase kPositionCases[] = {
    // General naming, upper-cased on Ulvarin.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 1, "TX_P[7]", kOut, 36},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 4, "RX_N[7]", kIn, 36},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 29, "TX_P[0]", kOut, 36},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 33, "SDA", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 34, "SCL", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 35, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 47, "TX_D_P[0]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 95, "CLKOUT_P1", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 159, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 0, 160, "PRSNT_N", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ulvarin, 1, 155, "CLKOUT_P2", kOut, 6},  // Variant only on 9
    // Card 3 keeps the mixed case; data groups 7 and 8, 16.
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 1, "TX_p[7]", kOut, 36},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 91, "TX_D_n[7]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 92, "RX_D_n[7]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 93, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 94, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 101, "TX_D_p[8]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 152, "RX_D_n[16]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 153, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Ulvarin, 0, 160, "PRSNT_n", kIn, 6},
    // Card 85 on main board 5: 3.3-V LVTTL outside the lanes.
    {DAUGHTER_HSMC_DEFAULT_3V3, MAINBOARD_Kavrin, 0, 33, "SDA", kIo, 8},
    {DAUGHTER_HSMC_DEFAULT_3V3, MAINBOARD_Kavrin, 0, 160, "PRSNT_N", kIn, 8},
    // Main board 8, computed: without lanes, then with them.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 1, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 39, "OUT0", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 40, "CLKIN0", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 44, "D[3]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 95, "OUT_p1", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 98, "CLKIN_n1", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 101, "TX_p[8]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 152, "RX_n[16]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 155, "CLKOUT_p2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Yastrel_X1, 0, 160, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Yastrel_X1, 0, 1, "GXB_TX_p[7]", kOut, 35},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Yastrel_X1, 0, 2, "GXB_RX_p[7]", kIn, 35},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Yastrel_X1, 0, 3, "", 0, 0},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Yastrel_X1, 0, 30, "GXB_RX_p[0]", kIn, 35},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Yastrel_X1, 0, 32, "", 0, 0},
    // Table A: lanes whatever bXcvr says.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Pandrel, 0, 1, "GXB_TX_p[7]", kOut, 35},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Pandrel, 0, 39, "CLKOUT0", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Cresswin, 0, 47, "TX_p[0]", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Cresswin, 0, 95, "CLKOUT_p1", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Cresswin, 0, 160, "PRSNT_n", kIn, 6},
    // Table B: 19 and 20 differ on 39 and 40.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Jorvale, 0, 1, "GXB_TX_P[7]", kOut, 36},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Jorvale, 0, 39, "CLK_OUT0", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Jorvale, 0, 40, "CLK_IN0", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Jorvale, 0, 95, "CLKOUT_P[1]", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Jorvale, 0, 160, "PRSNT_N", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Plimmet, 0, 39, "CLKOUT0", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Plimmet, 0, 40, "CLKIN0", kIn, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Plimmet, 0, 155, "CLKOUT_p[2]", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT_XCVR, MAINBOARD_Plimmet, 0, 158, "CLKIN_n[2]", kIn, 6},
    // Main board 9: clock outputs by connector.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 0, 39, "OUT0", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 0, 95, "OUT_p1", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 0, 97, "OUT_n1", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 0, 155, "CLKOUT_p2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 0, 157, "CLKOUT_n2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 1, 155, "OUT_p2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 1, 157, "OUT_n2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 2, 155, "CLKOUT_p2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, -1, 157, "CLKOUT_n2", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Corbanth, 1, 39, "OUT0", kOut, 6},
    // Main board 14: I2C names of its own.
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ashvorn, 0, 33, "I2C_SDAT", kIo, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ashvorn, 0, 34, "I2C_SCLK", kOut, 6},
    {DAUGHTER_HSMC_DEFAULT, MAINBOARD_Ashvorn, 0, 1, "TX_P[7]", kOut, 36},
    // Idrenne's lane standard.
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, MAINBOARD_Idrenne, 0, 1, "TX_p[7]", kOut, 52},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, MAINBOARD_Idrenne, 0, 41, "D[0]", kIo, 3},
    // The LVDS card: computed naming on 12, positive legs with LVDS elsewhere.
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Pandrel, 0, 1, "GXB_TX_p[7]", kOut, 35},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Pandrel, 0, 47, "TX_p[0]", kIo, 6},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Pandrel, 0, 95, "OUT_p1", kOut, 6},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Pandrel, 0, 160, "", 0, 0},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 1, "TX_p[7]", kOut, 36},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 2, "RX_p[7]", kIn, 36},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 33, "SDA", kIo, 6},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 47, "TX_D_p[0]", kOut, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 48, "RX_D_p[0]", kIn, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 95, "CLKOUT_p1", kOut, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 149, "TX_D_p[16]", kOut, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 150, "RX_D_p[16]", kIn, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 155, "CLKOUT_p2", kOut, 21},
    {DAUGHTER_HSMC_LVDS_DEFAULT, MAINBOARD_Ulvarin, 0, 156, "CLKIN_p2", kIn, 21},
};

}  // namespace

TEST(HsmcDefaultAndLvds, PinsAtPositions)
{
    for (const PositionCase& c : kPositionCases) {
        SCOPED_TRACE("card " + std::to_string(c.card) + " board " + std::to_string(c.board) + " variant " +
                     std::to_string(c.variant) + " position " + std::to_string(c.position));
        auto d = BuildCard(c.card, c.board, c.variant);
        const TPin* pin = At(*d, c.position);
        if (!*c.name) {
            EXPECT_EQ(pin, nullptr);
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

// The computed naming of main board 8 agrees with table A except for the OUT names on 39,
// 95 and 97 and the missing PRSNT_n on 160.
TEST(HsmcDefault, ComputedNamingAgreesWithTableA)
{
    auto computed = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Yastrel_X1, 0, 35, 6, 1, 0); });
    auto tableA = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Pandrel, 0, 35, 6, 1, 0); });
    const std::set<int> differing = {39, 95, 97, 160};
    for (int p = 1; p <= 160; ++p) {
        SCOPED_TRACE(p);
        const TPin* a = At(*computed, p);
        const TPin* b = At(*tableA, p);
        if (differing.count(p)) continue;
        ASSERT_EQ(a == nullptr, b == nullptr);
        if (!a) continue;
        EXPECT_EQ(a->GetName(), b->GetName());
        EXPECT_EQ(a->GetDirection(), b->GetDirection());
        EXPECT_EQ(a->GetIoStandard(), b->GetIoStandard());
    }
    ASSERT_NE(At(*tableA, 160), nullptr);
    EXPECT_EQ(At(*computed, 160), nullptr);
}

// The map reads bUpperCase for any naming it is called with, and Variant only on main board 9.
TEST(HsmcDefault, DirectCallsFollowTheirArguments)
{
    auto computedUpper = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Yastrel_X1, 0, 35, 6, 1, 1); });
    EXPECT_EQ(At(*computedUpper, 1)->GetName(), "GXB_TX_P[7]");
    EXPECT_EQ(At(*computedUpper, 95)->GetName(), "OUT_P1");

    auto tableAUpper = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Cresswin, 1, 36, 6, 0, 1); });
    EXPECT_EQ(At(*tableAUpper, 97)->GetName(), "CLKOUT_N1");

    auto generalVariant = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Ashvorn, 1, 36, 6, 0, 0); });
    EXPECT_EQ(At(*generalVariant, 155)->GetName(), "CLKOUT_p2");
    EXPECT_EQ(At(*generalVariant, 33)->GetName(), "I2C_SDAT");

    // An id no board has selects the general naming.
    auto unknown = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, 250, 0, 36, 6, 0, 0); });
    EXPECT_EQ(unknown->GetActivePinCount(), 117);
    EXPECT_EQ(At(*unknown, 39)->GetName(), "CLKOUT0");
}

// The LVDS default card: computed naming on 8 and 12, fixed positive legs elsewhere.
TEST(HsmcLvdsDefault, CountsOnEveryNaming)
{
    const char* fixedEmpty =
        "3-31/4, 4-32/4, 35-38, 45, 46, 49-91/6, 50-92/6, 51-93/6, 52-94/6, 103-151/6, 104-152/6, "
        "105-153/6, 106-154/6, 97-100, 157-160";
    struct Case {
        int board;
        int active, inputs, outputs, inouts;
        const char* empty;
        uint8_t xcvrStd;
        int xcvrPins, lvdsPins, ioPins;
    };
    const Case cases[] = {
        {MAINBOARD_Yastrel_X1, 100, 13, 14, 73, kComputedLanes.empty, 35, 16, 0, 84},
        {MAINBOARD_Pandrel, 100, 13, 14, 73, kComputedLanes.empty, 35, 16, 0, 84},
        {MAINBOARD_Ulvarin, 62, 28, 29, 5, fixedEmpty, 36, 16, 38, 8},
        {MAINBOARD_Yastrel_X2, 62, 28, 29, 5, fixedEmpty, 35, 16, 38, 8},
        {MAINBOARD_Cresswin, 62, 28, 29, 5, fixedEmpty, 36, 16, 38, 8},
        {MAINBOARD_Idrenne, 62, 28, 29, 5, fixedEmpty, 52, 16, 38, 8},
    };
    for (const Case& c : cases) {
        const std::string label = "board " + std::to_string(c.board);
        MapExpectation e;
        e.label = label;
        e.build = [&] { return BuildCard(DAUGHTER_HSMC_LVDS_DEFAULT, c.board); };
        e.entries = 160;
        e.active = c.active;
        e.inputs = c.inputs;
        e.outputs = c.outputs;
        e.inouts = c.inouts;
        e.checkEmpty = true;
        e.empty = Positions(c.empty);
        CheckMap(e);

        SCOPED_TRACE(label);
        auto d = BuildCard(DAUGHTER_HSMC_LVDS_DEFAULT, c.board);
        EXPECT_EQ(CountStandard(*d, c.xcvrStd), c.xcvrPins);
        EXPECT_EQ(CountStandard(*d, 21), c.lvdsPins);
        EXPECT_EQ(CountStandard(*d, 6), c.ioPins);
    }
}

// With computed names the LVDS card is the main-board-8 naming with lanes, entry for entry.
TEST(HsmcLvdsDefault, ComputedNamingIsTheDefaultCardsOfMainBoard8)
{
    auto lvds = RunMap([](TDaughterBoard* d) { D_HSMC_LVDS_DEFAULT(d, 1, 35, 21, 6); });
    auto board8 = RunMap([](TDaughterBoard* d) { D_HSMC_DEFAULT(d, MAINBOARD_Yastrel_X1, 0, 35, 6, 1, 0); });
    ASSERT_EQ(lvds->GetPinCount(), board8->GetPinCount());
    for (int p = 1; p <= 160; ++p) {
        SCOPED_TRACE(p);
        ASSERT_EQ(At(*lvds, p) == nullptr, At(*board8, p) == nullptr);
        if (!At(*lvds, p)) continue;
        EXPECT_EQ(At(*lvds, p)->GetName(), At(*board8, p)->GetName());
        EXPECT_EQ(At(*lvds, p)->GetDirection(), At(*board8, p)->GetDirection());
        EXPECT_EQ(At(*lvds, p)->GetIoStandard(), At(*board8, p)->GetIoStandard());
    }
}

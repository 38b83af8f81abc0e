#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CardCheck.h"
#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"
#include "platform/Errors.h"

using cardtest::At;
using cardtest::BuildCard;
using cardtest::CheckMap;
using cardtest::CountStandard;
using cardtest::MapExpectation;
using cardtest::RunMap;

namespace {

constexpr int kUlvarin = MAINBOARD_Ulvarin;  // an ordinary board: HsmcStd 6, XcvrStd 36
constexpr int kYastrelX1 = MAINBOARD_Yastrel_X1;  // HsmcStd 3, XcvrStd 35, IoStd 39

std::vector<int> Span(int first, int last)
{
    std::vector<int> v;
    for (int p = first; p <= last; ++p) v.push_back(p);
    return v;
}

// Positions of the Quillet adaptor: groups of four from 47 and from 107, six apart.
bool IsQuilletPosition(int p)
{
    for (int base : {47, 107})
        if (p >= base && p < base + 54 && (p - base) % 6 < 4) return true;
    return false;
}

std::vector<int> QuilletEmpty()
{
    std::vector<int> v;
    for (int p = 1; p <= 160; ++p)
        if (!IsQuilletPosition(p)) v.push_back(p);
    return v;
}

// The DVI table's empty positions as listed for the card, up to `entries`.
std::vector<int> DviEmpty(int entries)
{
    std::vector<int> v = Span(1, 32);
    for (int p : {35, 36, 37, 38, 39, 40, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 91, 93,
                  94, 97, 98, 99, 100, 105, 106, 111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147,
                  148, 153, 154, 156, 158, 159, 160})
        v.push_back(p);
    for (int p = 161; p <= entries; ++p) v.push_back(p);
    return v;
}

auto Card(uint8_t id, int board)
{
    return std::function<std::unique_ptr<TDaughterBoard>()>([=] { return BuildCard(id, board); });
}

auto Direct(void (*map)(TDaughterBoard*))
{
    return std::function<std::unique_ptr<TDaughterBoard>()>([=] { return RunMap(map); });
}

MapExpectation Counts(const char* label, std::function<std::unique_ptr<TDaughterBoard>()> build, int entries,
                      int active, int inputs, int outputs, int inouts,
                      std::optional<std::vector<int>> empty = std::nullopt, std::vector<int> flagged = {})
{
    MapExpectation e;
    e.label = label;
    e.build = std::move(build);
    e.entries = entries;
    e.active = active;
    e.inputs = inputs;
    e.outputs = outputs;
    e.inouts = inouts;
    e.checkEmpty = empty.has_value();
    if (empty) e.empty = *empty;
    e.flagged = std::move(flagged);
    return e;
}

void ExpectPin(const TConnector& c, int position, const std::string& name, uint8_t dir, uint8_t std)
{
    const TPin* pin = At(c, position);
    ASSERT_NE(pin, nullptr) << "position " << position;
    EXPECT_EQ(pin->GetName(), name) << "position " << position;
    EXPECT_EQ(pin->GetDirection(), dir) << name;
    EXPECT_EQ(pin->GetIoStandard(), std) << name;
    EXPECT_EQ(pin->GetPinIndex(), position) << name;
    EXPECT_EQ(pin->GetFlag(), 0) << name;
}

void ExpectEmpty(const TConnector& c, const std::vector<int>& positions)
{
    for (int p : positions) EXPECT_EQ(At(c, p), nullptr) << "position " << p;
}

bool SameEntries(const TConnector& a, const TConnector& b)
{
    if (a.GetPinCount() != b.GetPinCount()) return false;
    for (int i = 0; i < a.GetPinCount(); ++i) {
        const TPin* x = a.GetPin(i);
        const TPin* y = b.GetPin(i);
        if ((x == nullptr) != (y == nullptr)) return false;
        if (x && (x->GetName() != y->GetName() || x->GetDirection() != y->GetDirection() ||
                  x->GetIoStandard() != y->GetIoStandard() || x->GetPinIndex() != y->GetPinIndex() ||
                  x->GetFlag() != y->GetFlag()))
            return false;
    }
    return true;
}

}  // namespace

// Counts of every map and argument set, through the dispatcher where a card id selects them.
TEST(HsmcCards, CountsOfEveryMap)
{
    const std::vector<MapExpectation> cases = {
        Counts("Quillet 17", Card(17, kUlvarin), 160, 72, 0, 0, 72, QuilletEmpty()),
        Counts("Quillet 17 board 5", Card(17, MAINBOARD_Kavrin), 160, 72, 4, 0, 68, QuilletEmpty()),
        Counts("Quillet-Sollip J2 57", Card(57, kUlvarin), 160, 57, 16, 3, 38, QuilletEmpty()),
        Counts("Quillet-Sollip J3 58", Card(58, kUlvarin), 160, 57, 16, 3, 38, QuilletEmpty()),
        Counts("Quillet-Sollip both 59", Card(59, kUlvarin), 160, 42, 32, 6, 4, QuilletEmpty()),
        Counts("Quillet-Sollip J2 57 board 5", Card(57, MAINBOARD_Kavrin), 160, 57, 18, 3, 36, QuilletEmpty()),
        Counts("Quillet-Sollip J3 58 board 5", Card(58, MAINBOARD_Kavrin), 160, 57, 18, 3, 36, QuilletEmpty()),
        Counts("Quillet-Sollip both 59 board 5", Card(59, MAINBOARD_Kavrin), 160, 42, 32, 6, 4, QuilletEmpty()),
        Counts("Quillet IoStd 3 direct", Direct([](TDaughterBoard* d) { D_HSMC_Quillet(d, 3, 34); }), 160, 72, 0, 0, 72,
               QuilletEmpty()),
        Counts("debug 18", Card(18, kUlvarin), 160, 81, 1, 0, 80),
        Counts("debug 18 board 8", Card(18, kYastrelX1), 160, 81, 2, 0, 79),
        Counts("debug 18 board 9", Card(18, MAINBOARD_Corbanth), 160, 81, 2, 0, 79),
        Counts("loopback 19", Card(19, kUlvarin), 160, 83, 1, 0, 82),
        Counts("loopback xcvr 37", Card(37, kUlvarin), 160, 99, 9, 8, 82),
        Counts("loopback xcvr direct", Direct([](TDaughterBoard* d) { D_HSMC_LOOPBACK(d, 1, 52); }), 160, 99, 9, 8, 82),
        Counts("Gantrel 56", Card(56, kUlvarin), 160, 84, 41, 41, 2),
        Counts("Nuppel 14", Card(14, kUlvarin), 160, 84, 26, 50, 8, std::nullopt, {33, 34, 41, 42}),
        Counts("Nuppel 14 board 8", Card(14, kYastrelX1), 160, 84, 26, 50, 8, std::nullopt, {33, 34, 41, 42}),
        Counts("Cobrel 6", Card(6, kUlvarin), 160, 77, 32, 39, 6, DviEmpty(160)),
        Counts("Cobrel 6 board 8", Card(6, kYastrelX1), 160, 77, 32, 39, 6, DviEmpty(160)),
        Counts("Kelpin loopback 20", Card(20, kUlvarin), 180, 77, 32, 39, 6, DviEmpty(180)),
        Counts("Brasket TX 31", Card(31, kUlvarin), 160, 64, 1, 60, 3),
        Counts("Brasket RX 32", Card(32, kUlvarin), 160, 67, 53, 6, 8),
        Counts("Tranmer 33", Card(33, kUlvarin), 160, 82, 66, 16, 0),
        Counts("Yellip 35", Card(35, kUlvarin), 160, 30, 20, 9, 1),
        Counts("Wobrin 29", Card(29, kUlvarin), 160, 48, 19, 28, 1),
        Counts("Hasket 36", Card(36, kUlvarin), 160, 54, 25, 28, 1),
        Counts("Bellock 60", Card(60, kUlvarin), 160, 69, 21, 44, 4),
        Counts("Fermock 61", Card(61, kUlvarin), 160, 74, 20, 43, 11),
    };
    for (const MapExpectation& e : cases) CheckMap(e);
}

TEST(HsmcCards, QuilletAdaptorTakesIoStdAndPatchesBoardFiveClockInputs)
{
    auto plain = RunMap([](TDaughterBoard* d) { D_HSMC_Quillet(d, 3, 34); });
    EXPECT_EQ(CountStandard(*plain, 3), 72);
    ExpectPin(*plain, 47, "GPIO1_35", DIRECTION_INOUT, 3);
    ExpectPin(*plain, 98, "GPIO1_0", DIRECTION_INOUT, 3);
    ExpectPin(*plain, 107, "GPIO0_35", DIRECTION_INOUT, 3);
    ExpectPin(*plain, 158, "GPIO0_0", DIRECTION_INOUT, 3);

    // the board's default standard reaches the adaptor through the dispatcher
    EXPECT_EQ(CountStandard(*BuildCard(17, MAINBOARD_Yastrel_X2), 39), 72);

    auto kavrin = BuildCard(17, MAINBOARD_Kavrin, 0, 8);
    ExpectPin(*kavrin, 96, "GPIO1_2", DIRECTION_INPUT, 8);
    ExpectPin(*kavrin, 98, "GPIO1_0", DIRECTION_INPUT, 8);
    ExpectPin(*kavrin, 156, "GPIO0_2", DIRECTION_INPUT, 8);
    ExpectPin(*kavrin, 158, "GPIO0_0", DIRECTION_INPUT, 8);
    ExpectPin(*kavrin, 95, "GPIO1_18", DIRECTION_INOUT, 8);
}

TEST(HsmcCards, BothCamerasNameTheirHeadersAndSwitchTheRestOff)
{
    auto d = BuildCard(59, kUlvarin);
    ExpectPin(*d, 120, "Sollip_0_SDATA", DIRECTION_INOUT, 8);
    ExpectPin(*d, 127, "Sollip_0_SCLK", DIRECTION_INOUT, 8);
    ExpectPin(*d, 157, "Sollip_0_XCLKIN", DIRECTION_OUTPUT, 8);
    ExpectPin(*d, 158, "Sollip_0_PIXCLK", DIRECTION_INPUT, 8);
    ExpectPin(*d, 60, "Sollip_1_SDATA", DIRECTION_INOUT, 8);
    ExpectPin(*d, 68, "Sollip_1_RESET_N", DIRECTION_OUTPUT, 8);
    ExpectPin(*d, 74, "Sollip_1_D[0]", DIRECTION_INPUT, 8);
    ExpectPin(*d, 92, "Sollip_1_D[11]", DIRECTION_INPUT, 8);
    ExpectPin(*d, 98, "Sollip_1_PIXCLK", DIRECTION_INPUT, 8);
    // the other adaptor pins keep their names but go out of use
    ExpectPin(*d, 47, "GPIO1_35", DIRECTION_NONE, 8);
    ExpectPin(*d, 155, "GPIO0_18", DIRECTION_NONE, 8);
}

TEST(HsmcCards, OneCameraLeavesTheOtherHeaderAlone)
{
    auto j2 = BuildCard(57, kUlvarin);
    ExpectPin(*j2, 120, "Sollip_SDATA", DIRECTION_INOUT, 8);
    ExpectPin(*j2, 158, "Sollip_PIXCLK", DIRECTION_INPUT, 8);
    ExpectPin(*j2, 107, "GPIO0_35", DIRECTION_NONE, 8);
    ExpectPin(*j2, 60, "GPIO1_23", DIRECTION_INOUT, 8);
    ExpectPin(*j2, 98, "GPIO1_0", DIRECTION_INOUT, 8);
    int offInJ2 = 0;
    for (int p = 107; p <= 158; ++p)
        if (At(*j2, p) && !At(*j2, p)->IsActive()) ++offInJ2;
    EXPECT_EQ(offInJ2, 15);

    auto j3 = BuildCard(58, kUlvarin);
    ExpectPin(*j3, 60, "Sollip_SDATA", DIRECTION_INOUT, 8);
    ExpectPin(*j3, 98, "Sollip_PIXCLK", DIRECTION_INPUT, 8);
    ExpectPin(*j3, 47, "GPIO1_35", DIRECTION_NONE, 8);
    ExpectPin(*j3, 120, "GPIO0_23", DIRECTION_INOUT, 8);
    int offInJ3 = 0;
    for (int p = 47; p <= 98; ++p)
        if (At(*j3, p) && !At(*j3, p)->IsActive()) ++offInJ3;
    EXPECT_EQ(offInJ3, 15);
}

TEST(HsmcCards, CamerasOnBoardFiveKeepThePatchOnTheFreeHeader)
{
    auto j2 = BuildCard(57, MAINBOARD_Kavrin);
    ExpectPin(*j2, 96, "GPIO1_2", DIRECTION_INPUT, 8);
    ExpectPin(*j2, 98, "GPIO1_0", DIRECTION_INPUT, 8);
    ExpectPin(*j2, 156, "GPIO0_2", DIRECTION_NONE, 8);
    ExpectPin(*j2, 158, "Sollip_PIXCLK", DIRECTION_INPUT, 8);

    auto j3 = BuildCard(58, MAINBOARD_Kavrin);
    ExpectPin(*j3, 96, "GPIO1_2", DIRECTION_NONE, 8);
    ExpectPin(*j3, 98, "Sollip_PIXCLK", DIRECTION_INPUT, 8);
    ExpectPin(*j3, 156, "GPIO0_2", DIRECTION_INPUT, 8);
    ExpectPin(*j3, 158, "GPIO0_0", DIRECTION_INPUT, 8);
}

TEST(HsmcCards, QuilletCameraWithoutHeaderIsAnInternalError)
{
    EXPECT_THROW(RunMap([](TDaughterBoard* d) { D_HSMC_Quillet_Sollip(d, 0, 0, 8, 34); }), platform::InternalError);
}

TEST(HsmcCards, LoopbackLanesOnlyWithTransceivers)
{
    auto plain = BuildCard(19, kUlvarin);
    ExpectEmpty(*plain, Span(1, 38));
    ExpectEmpty(*plain, {159});
    ExpectPin(*plain, 39, "L_CLK0", DIRECTION_INOUT, 6);
    ExpectPin(*plain, 47, "L_D_P[0]", DIRECTION_INOUT, 6);
    ExpectPin(*plain, 101, "L_D_P[8]", DIRECTION_INOUT, 6);
    ExpectPin(*plain, 152, "R_D_N[16]", DIRECTION_INOUT, 6);
    ExpectPin(*plain, 160, "PSNTn", DIRECTION_INPUT, 6);

    auto xcvr = BuildCard(37, kYastrelX1);  // XcvrStd 35
    ExpectPin(*xcvr, 1, "L_P[7]", DIRECTION_OUTPUT, 35);
    ExpectPin(*xcvr, 2, "R_P[7]", DIRECTION_INPUT, 35);
    ExpectPin(*xcvr, 29, "L_P[0]", DIRECTION_OUTPUT, 35);
    ExpectPin(*xcvr, 30, "R_P[0]", DIRECTION_INPUT, 35);
    ExpectEmpty(*xcvr, {3, 4, 31, 32, 33, 34, 35, 36, 37, 38, 159});
    EXPECT_EQ(CountStandard(*xcvr, 35), 16);
}

TEST(HsmcCards, DebugCardPosition96DependsOnBoard)
{
    for (int board : {kYastrelX1, int(MAINBOARD_Corbanth)}) {
        auto d = BuildCard(18, board);
        ExpectPin(*d, 96, "HSM_D_IN[37]", DIRECTION_INPUT, 6);
        ExpectEmpty(*d, {97, 98});
    }
    auto d = BuildCard(18, kUlvarin);
    ExpectPin(*d, 96, "HSM_D[37]", DIRECTION_INOUT, 6);
    ExpectPin(*d, 39, "HSM_CLKCOUT0", DIRECTION_INOUT, 6);
    ExpectPin(*d, 95, "HSM_D[36]", DIRECTION_INOUT, 6);
    ExpectPin(*d, 101, "HSM_D_LED[40]", DIRECTION_INOUT, 6);
    ExpectPin(*d, 158, "HSM_D_LED[79]", DIRECTION_INOUT, 6);
    ExpectPin(*d, 160, "HSM_PSNTn", DIRECTION_INPUT, 6);
    ExpectEmpty(*d, Span(1, 38));
    ExpectEmpty(*d, {97, 98, 159});
}

TEST(HsmcCards, OnlyManagementPinsFollowHsmcStd)
{
    // board 8 passes HsmcStd 3; every card with pins on 33 and 34 gives them 3 and nothing else
    struct Case {
        uint8_t id;
        int otherStd6;
    };
    for (Case c : {Case{6, 75}, Case{14, 82}, Case{31, 62}, Case{32, 65}, Case{56, 6}}) {
        SCOPED_TRACE(int(c.id));
        auto d = BuildCard(c.id, kYastrelX1);
        EXPECT_EQ(At(*d, 33)->GetIoStandard(), 3);
        EXPECT_EQ(At(*d, 34)->GetIoStandard(), 3);
        EXPECT_EQ(CountStandard(*d, 3), 2);
        EXPECT_EQ(CountStandard(*d, 6), c.otherStd6);
    }
    auto gantrel = BuildCard(56, kYastrelX1);
    EXPECT_EQ(CountStandard(*gantrel, 21), 76);
    ExpectPin(*gantrel, 39, "CLKIN0", DIRECTION_INPUT, 6);
    ExpectPin(*gantrel, 44, "DATA_TX[1]", DIRECTION_OUTPUT, 6);
    ExpectPin(*gantrel, 53, "LVDS_RX_p1", DIRECTION_INPUT, 21);
    ExpectPin(*gantrel, 101, "LVDS_RX_p8", DIRECTION_INPUT, 21);
    ExpectPin(*gantrel, 149, "LVDS_RX_p16", DIRECTION_INPUT, 21);
    ExpectPin(*gantrel, 152, "LVDS_TX_n16", DIRECTION_OUTPUT, 21);
    ExpectPin(*gantrel, 96, "CLK_OUT_p1", DIRECTION_OUTPUT, 21);
    ExpectPin(*gantrel, 157, "CLK_IN_n2", DIRECTION_INPUT, 21);

    auto nuppel = BuildCard(14, kYastrelX1);
    // the identification bus is flagged like the management lines but stays 2.5 V
    EXPECT_EQ(At(*nuppel, 41)->GetName(), "HC_ID_I2CSCL");
    EXPECT_EQ(At(*nuppel, 41)->GetIoStandard(), 6);
    EXPECT_EQ(At(*nuppel, 42)->GetName(), "HC_ID_I2CDAT");
    EXPECT_EQ(At(*nuppel, 42)->GetIoStandard(), 6);
    for (int board : {kUlvarin, kYastrelX1})
        for (uint8_t id : {14, 56}) {
            auto d = BuildCard(id, board);
            ExpectEmpty(*d, Span(1, 32));
            ExpectEmpty(*d, {35, 36, 37, 38, 159, 160});
        }
}

TEST(HsmcCards, DviTableOnHsmcAndKelpin)
{
    auto cobrel = BuildCard(6, kUlvarin);
    EXPECT_EQ(CountStandard(*cobrel, 6), 77);
    ExpectPin(*cobrel, 33, "DVI_HSMC_SDA", DIRECTION_INOUT, 6);
    ExpectPin(*cobrel, 34, "DVI_HSMC_SCL", DIRECTION_OUTPUT, 6);
    ExpectPin(*cobrel, 41, "DVI_RX_D[0]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 42, "DVI_RX_D[14]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 43, "DVI_RX_D[1]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 44, "DVI_RX_D[15]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 61, "DVI_RX_D[7]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 62, "DVI_RX_D[8]", DIRECTION_INPUT, 6);
    ExpectPin(*cobrel, 145, "DVI_TX_D[0]", DIRECTION_OUTPUT, 6);
    ExpectPin(*cobrel, 157, "DVI_TX_DDCSCL", DIRECTION_INOUT, 6);

    auto direct = RunMap([](TDaughterBoard* d) { D_HSMC_Cobrel(d, 3); });
    EXPECT_EQ(CountStandard(*direct, 3), 2);
    EXPECT_EQ(At(*direct, 33)->GetIoStandard(), 3);
    EXPECT_EQ(At(*direct, 34)->GetIoStandard(), 3);

    // the Kelpin card is the same table, management lines at 2.5 V on every board
    for (int board : {kUlvarin, kYastrelX1}) {
        auto kelpin = BuildCard(20, board);
        EXPECT_EQ(kelpin->GetType(), CONNECTOR_Kelpin);
        EXPECT_EQ(CountStandard(*kelpin, 6), 77);
        for (int i = 0; i < 160; ++i) {
            const TPin* a = cobrel->GetPin(i);
            const TPin* b = kelpin->GetPin(i);
            ASSERT_EQ(a == nullptr, b == nullptr) << i;
            if (a) {
                EXPECT_EQ(a->GetName(), b->GetName());
                EXPECT_EQ(a->GetDirection(), b->GetDirection());
            }
        }
        ExpectEmpty(*kelpin, Span(161, 180));
    }
}

TEST(HsmcCards, HdmiAndCameraLinkOrderings)
{
    auto tx = BuildCard(31, kUlvarin);
    ExpectPin(*tx, 137, "TX_BD[11]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 138, "TX_BD[0]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 102, "TX_I2S[0]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 104, "TX_I2S[1]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 151, "TX_I2S[2]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 149, "TX_I2S[3]", DIRECTION_OUTPUT, 6);
    ExpectPin(*tx, 54, "TX_INT_N", DIRECTION_INPUT, 6);
    ExpectEmpty(*tx, Span(1, 32));

    auto rx = BuildCard(32, kUlvarin);
    ExpectPin(*rx, 91, "RX_RD[2]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 101, "RX_RD[1]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 103, "RX_RD[0]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 74, "RX_I2S[0]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 80, "RX_I2S[3]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 84, "RX_I2S[2]", DIRECTION_INPUT, 6);
    ExpectPin(*rx, 86, "RX_I2S[1]", DIRECTION_INPUT, 6);
    ExpectEmpty(*rx, Span(1, 32));

    auto tranmer = BuildCard(33, kYastrelX1);
    ExpectEmpty(*tranmer, Span(1, 38));
    ExpectEmpty(*tranmer, {159, 160});
    ExpectPin(*tranmer, 39, "RX_BASE[0]", DIRECTION_INPUT, 6);
    ExpectPin(*tranmer, 158, "RX_FULL27_HSMC", DIRECTION_INPUT, 6);
    ExpectPin(*tranmer, 85, "RX_BASE[22]", DIRECTION_INPUT, 6);
    ExpectPin(*tranmer, 157, "RX_MEDIUM[24]", DIRECTION_INPUT, 6);
    ExpectPin(*tranmer, 68, "RXCC[4]", DIRECTION_OUTPUT, 6);
    EXPECT_EQ(CountStandard(*tranmer, 6), 82);
    int base = 0, medium = 0;
    for (int i = 0; i < tranmer->GetPinCount(); ++i) {
        const TPin* pin = tranmer->GetPin(i);
        if (!pin) continue;
        EXPECT_NE(pin->GetName(), "RX_BASE[23]");
        EXPECT_NE(pin->GetName(), "RX_MEDIUM[23]");
        if (pin->GetName().rfind("RX_BASE[", 0) == 0) ++base;
        if (pin->GetName().rfind("RX_MEDIUM[", 0) == 0) ++medium;
    }
    EXPECT_EQ(base, 27);
    EXPECT_EQ(medium, 27);
}

TEST(HsmcCards, YellipLvdsLanes)
{
    auto d = BuildCard(35, kUlvarin);
    EXPECT_EQ(CountStandard(*d, 21), 5);
    EXPECT_EQ(CountStandard(*d, 6), 25);
    ExpectPin(*d, 132, "LVDS_DATA_p[0]", DIRECTION_INPUT, 21);
    ExpectPin(*d, 138, "LVDS_DATA_p[2]", DIRECTION_INPUT, 21);
    ExpectPin(*d, 144, "LVDS_DATA_p[3]", DIRECTION_INPUT, 21);
    ExpectPin(*d, 150, "LVDS_DATA_p[1]", DIRECTION_INPUT, 21);
    ExpectPin(*d, 156, "CK_LVDS_CLK0_p", DIRECTION_INPUT, 21);
    ExpectPin(*d, 66, "IMG_DIN[11]", DIRECTION_INPUT, 6);
    ExpectPin(*d, 90, "IMG_DIN[7]", DIRECTION_INPUT, 6);
    ExpectPin(*d, 126, "IMG_DIN[0]", DIRECTION_INPUT, 6);
    ExpectPin(*d, 79, "DEMO2_I2C_SDA", DIRECTION_INOUT, 6);
    for (int i = 0; i < d->GetPinCount(); ++i)
        if (d->GetPin(i)) EXPECT_EQ(d->GetPin(i)->GetName().find("_n"), std::string::npos);
}

TEST(HsmcCards, LcdCardsKeepTheirOwnSpellingsAndDirections)
{
    auto wobrin = BuildCard(29, kUlvarin);
    auto hasket = BuildCard(36, kUlvarin);
    auto bellock = BuildCard(60, kUlvarin);
    auto fermock = BuildCard(61, kUlvarin);
    for (const auto* d : {wobrin.get(), hasket.get(), bellock.get(), fermock.get()}) {
        ExpectEmpty(*d, Span(1, 40));
        EXPECT_EQ(CountStandard(*d, 6), d->GetActivePinCount());
    }
    // card 36 is card 29's table plus the G-sensor
    for (int i = 0; i < 160; ++i)
        if (const TPin* w = wobrin->GetPin(i)) {
            const TPin* h = hasket->GetPin(i);
            ASSERT_NE(h, nullptr) << w->GetName();
            EXPECT_EQ(h->GetName(), w->GetName());
            EXPECT_EQ(h->GetDirection(), w->GetDirection());
        }
    for (int p : {41, 43, 49, 53, 55, 57}) EXPECT_EQ(At(*hasket, p)->GetDirection(), DIRECTION_INPUT) << p;

    for (const auto* d : {wobrin.get(), hasket.get()}) {
        ExpectPin(*d, 79, "CAMERA_RESET_N", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 85, "CAMERA_SCLK", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 132, "LCD_DEN", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 157, "LCD_NCLK", DIRECTION_OUTPUT, 6);
    }
    for (const auto* d : {bellock.get(), fermock.get()}) {
        ExpectPin(*d, 89, "LCD_DE", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 157, "LCD_DCLK", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 101, "LCD_B[3]", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 110, "LCD_B[4]", DIRECTION_OUTPUT, 6);
        ExpectPin(*d, 119, "LSENSOR_SDA", DIRECTION_INOUT, 6);
    }
    ExpectPin(*bellock, 59, "CAMERA_RESET_n", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 41, "CAMERA_SCLK", DIRECTION_INPUT, 6);
    ExpectPin(*bellock, 61, "GSENSOR_CS_n", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 71, "GSENSOR_ALT_ADDR", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 73, "GSENSOR_SDA_SDI_SDIO", DIRECTION_INOUT, 6);
    ExpectPin(*bellock, 77, "GSENSOR_SCL_SCLK", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 115, "LSENSOR_SCL", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 152, "TOUCH_I2C_SCL", DIRECTION_OUTPUT, 6);
    ExpectPin(*bellock, 90, "LCD_POWER_CTL", DIRECTION_OUTPUT, 6);
    ExpectPin(*fermock, 115, "LSENSOR_SCL", DIRECTION_INOUT, 6);
    ExpectPin(*fermock, 152, "TOUCH_I2C_SCL", DIRECTION_INOUT, 6);
    ExpectPin(*fermock, 79, "LCD_POWER_CTL", DIRECTION_OUTPUT, 6);
    ExpectPin(*fermock, 90, "MIPI_PIXEL_D[11]", DIRECTION_INPUT, 6);
    ExpectPin(*fermock, 44, "MIPI_PIXEL_D[12]", DIRECTION_INPUT, 6);

    // card 61 ignores the HSMC standard it is given
    EXPECT_TRUE(SameEntries(*fermock, *BuildCard(61, kYastrelX1)));
    EXPECT_TRUE(SameEntries(*RunMap([](TDaughterBoard* d) { D_HSMC_Fermock(d, 3); }),
                            *RunMap([](TDaughterBoard* d) { D_HSMC_Fermock(d, 6); })));
}

#include <gtest/gtest.h>

#include <vector>

#include "core/model/Connector.h"
#include "platform/Errors.h"

namespace {

// Builds a connector from names; nullptr makes an empty entry.
void Fill(TConnector& c, const std::vector<const char*>& names)
{
    int position = 1;
    for (const char* name : names)
        c.AddPin(name ? new TPin(name, DIRECTION_INOUT, 8, position++, 0) : nullptr);
}

std::vector<std::string> Names(const TConnector& c)
{
    std::vector<std::string> names;
    for (int i = 0; i < c.GetPinCount(); ++i) names.push_back(c.GetPin(i) ? c.GetPin(i)->GetName() : "<null>");
    return names;
}

}  // namespace

TEST(Connector, ConstructionAndSetters)
{
    TConnector c("HSMC", "HSMC connect to HSMC Default", CONNECTOR_HSMC, -1);
    EXPECT_EQ(c.GetName(), "HSMC");
    EXPECT_EQ(c.GetDescription(), "HSMC connect to HSMC Default");
    EXPECT_EQ(c.GetType(), CONNECTOR_HSMC);
    EXPECT_EQ(c.GetDaughterBoardId(), -1);
    EXPECT_EQ(c.IsExpansion(), 0);
    EXPECT_EQ(c.GetDaughterType(), 0);
    c.SetExpansion(1);
    c.SetExpansionId(EXPANSION_HSMC_A);
    c.SetDaughterType(CONNECTOR_HSMC);
    c.SetName("HSMC_A");
    c.SetDescription("d");
    c.SetType(CONNECTOR_Kelpin);
    EXPECT_EQ(c.IsExpansion(), 1);
    EXPECT_EQ(c.GetExpansionId(), 8);
    EXPECT_EQ(c.GetDaughterType(), CONNECTOR_HSMC);
    EXPECT_EQ(c.GetName(), "HSMC_A");
    EXPECT_EQ(c.GetDescription(), "d");
    EXPECT_EQ(c.GetType(), CONNECTOR_Kelpin);
    EXPECT_THROW(c.GetPin(0), platform::InternalError);
}

TEST(Connector, PinCountCountsEmptyEntriesActiveCountDoesNot)
{
    TConnector c("GPIO", "", CONNECTOR_GPIO40, -1);
    for (int p = 1; p <= 40; ++p) {
        bool empty = p == 11 || p == 12 || p == 29 || p == 30;
        c.AddPin(empty ? nullptr : new TPin("G", DIRECTION_INOUT, 8, p, 0));
    }
    c.GetPin(0)->SetDirection(DIRECTION_NONE);
    EXPECT_EQ(c.GetPinCount(), 40);
    EXPECT_EQ(c.GetActivePinCount(), 35);
    EXPECT_EQ(c.GetPin(10), nullptr);
    c.ClearPins();
    EXPECT_EQ(c.GetPinCount(), 0);
}

TEST(Connector, SortFollowsTheExchangeProcedure)
{
    struct Case { std::vector<const char*> in; std::vector<std::string> out; };
    const Case cases[] = {
        {{"B[2]", "B[10]", "B[1]"}, {"B[1]", "B[2]", "B[10]"}},
        {{"KEY[1]", "KEY", "KEY[0]"}, {"KEY", "KEY[0]", "KEY[1]"}},
        {{"key", "LEDR"}, {"LEDR", "key"}},
        {{"A_B", "A[10]"}, {"A[10]", "A_B"}},               // "[" sorts before "_"
        {{"Z", "[", "a"}, {"Z", "[", "a"}},
        {{"B", nullptr, "A", nullptr}, {"A", "<null>", "B", "<null>"}},
        {{"X", "", "A"}, {"", "A", "X"}},                   // an empty name sorts first
        {{"\xE9t\xE9", "zeta"}, {"zeta", "\xE9t\xE9"}},     // bytes compare unsigned
        {{"D[-1]", "D[0]", "D[-5]"}, {"D[-5]", "D[-1]", "D[0]"}},
        {{"A[1]", "A"}, {"A", "A[1]"}},                     // whole names when one lacks brackets
    };
    for (const Case& c : cases) {
        TConnector con("C", "", CONNECTOR_NONE, -1);
        Fill(con, c.in);
        con.SortPins();
        EXPECT_EQ(Names(con), c.out);
    }
}

TEST(Connector, SortIsTheExchangeOrderNotAConsistentOrdering)
{
    // "B" < "B[0]" by whole names, "A[5]" < "B[0]" by base names and "B" > "A[5]" by whole
    // names: the exchange order gives one definite answer, which this checks.
    TConnector con("C", "", CONNECTOR_NONE, -1);
    Fill(con, {"B[0]", "B", "A[5]"});
    con.SortPins();
    // i=0: B[0] > B -> swap (B, B[0], A[5]); B > A[5] -> swap (A[5], B[0], B)
    // i=1: B[0] > B -> swap (A[5], B, B[0])
    EXPECT_EQ(Names(con), (std::vector<std::string>{"A[5]", "B", "B[0]"}));
}

TEST(Connector, EmptyEntriesKeepTheirPositions)
{
    TConnector con("GPIO", "", CONNECTOR_GPIO40, -1);
    std::vector<const char*> names;
    for (int p = 1; p <= 40; ++p) names.push_back(p == 11 || p == 12 || p == 29 || p == 30 ? nullptr : "P");
    Fill(con, names);
    for (int i = 0; i < 40; ++i)
        if (con.GetPin(i)) con.GetPin(i)->SetName("P[" + std::to_string(39 - i) + "]");
    con.SortPins();
    int last = -1;
    for (int i = 0; i < 40; ++i) {
        bool empty = i == 10 || i == 11 || i == 28 || i == 29;
        ASSERT_EQ(con.GetPin(i) == nullptr, empty) << i;
        if (!empty) {
            EXPECT_GT(con.GetPin(i)->GetArrayIndex(), last);
            last = con.GetPin(i)->GetArrayIndex();
        }
    }
}

TEST(Connector, SortRaisesOnANonNumericIndexOfTheSameBase)
{
    TConnector con("C", "", CONNECTOR_NONE, -1);
    Fill(con, {"A[x]", "A[1]"});
    EXPECT_THROW(con.SortPins(), platform::ConversionError);
}

TEST(Connector, TypeNamesAndPositionCounts)
{
    struct Case { uint8_t type; const char* name; int positions; };
    const Case cases[] = {
        {CONNECTOR_NONE, "", 0},           {CONNECTOR_HSMC, "HSMC", 160},
        {CONNECTOR_Kelpin, "Kelpin", 180}, {CONNECTOR_GPIO40, "GPIO", 40},
        {CONNECTOR_GPIO80, "GPIO", 80},    {CONNECTOR_DDR2_SODIMM, "DDR2 SODIMM", 200},
        {CONNECTOR_DDR3_SODIMM, "DDR3 SODIMM", 204}, {CONNECTOR_DDR4_SODIMM, "DDR4 SODIMM", 260},
        {CONNECTOR_FMC_HPC, "FMC HPC", 400}, {CONNECTOR_FMC_LPC, "FMC LPC", 400},
        {CONNECTOR_Ombrel_2x6, "Ombrel 2x6", 8}, {11, "", 0}, {12, "", 0},
        {CONNECTOR_MEMORY_MODULE, "", 0},  {255, "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConnectorTypeName(c.type), c.name) << int(c.type);
        EXPECT_EQ(ConnectorPositionCount(c.type), c.positions) << int(c.type);
    }
}

TEST(Connector, KelpinMapFollowsItsRuleForAll180Positions)
{
    for (int n = 1; n <= 180; ++n) {
        int expected = -1;
        if (n == 2) expected = 160;
        else if (n <= 120) {
            int j = (n - 1) / 6, r = (n - 1) % 6;
            if (r == 2) expected = 157 - 6 * j;
            if (r == 3) expected = 158 - 6 * j;
            if (r == 4) expected = 155 - 6 * j;
            if (r == 5) expected = 156 - 6 * j;
        } else if (n == 131) expected = 33;
        else if (n == 132) expected = 34;
        EXPECT_EQ(KelpinToHsmcPin(n), expected) << n;
    }
    EXPECT_EQ(KelpinToHsmcPin(1), -1);
    EXPECT_EQ(KelpinToHsmcPin(3), 157);
    EXPECT_EQ(KelpinToHsmcPin(120), 42);
    EXPECT_EQ(KelpinToHsmcPin(0), -1);
    EXPECT_EQ(KelpinToHsmcPin(181), -1);
}

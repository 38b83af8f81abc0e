#include <gtest/gtest.h>

#include "CardCheck.h"
#include "cards/CardMap.h"
#include "platform/Errors.h"

using namespace cardmap;

TEST(CardMapNotation, PositionsExpandInListOrder)
{
    EXPECT_EQ(ExpandPositions("1-3, 7"), (std::vector<int>{1, 2, 3, 7}));
    EXPECT_EQ(ExpandPositions("1-29/4"), (std::vector<int>{1, 5, 9, 13, 17, 21, 25, 29}));
    EXPECT_EQ(ExpandPositions("9, 17, 15"), (std::vector<int>{9, 17, 15}));
    for (const char* bad : {"", "1-", "5-3", "1-10/4", "a", "1-9/0", "3,,4"})
        EXPECT_THROW(ExpandPositions(bad), platform::InternalError) << bad;
}

TEST(CardMapNotation, SignalsExpandBusRunsInListedOrder)
{
    EXPECT_EQ(ExpandSignals("D[0..2]"), (std::vector<std::string>{"D[0]", "D[1]", "D[2]"}));
    EXPECT_EQ(ExpandSignals("D[2..0]"), (std::vector<std::string>{"D[2]", "D[1]", "D[0]"}));
    EXPECT_EQ(ExpandSignals("SDA, SCL"), (std::vector<std::string>{"SDA", "SCL"}));
    EXPECT_EQ(ExpandSignals("A[1], B[3..4], C"), (std::vector<std::string>{"A[1]", "B[3]", "B[4]", "C"}));
    EXPECT_EQ(ExpandSignals("[0..1]"), (std::vector<std::string>{"[0]", "[1]"}));
    EXPECT_EQ(ExpandSignals("_IN[1..1]"), (std::vector<std::string>{"_IN[1]"}));
    for (const char* bad : {"", "A, ", "D[x..2]", "D[0..]"})
        EXPECT_THROW(ExpandSignals(bad), platform::InternalError) << bad;
}

TEST(CardMapNotation, TranscriptionSlipsAreCaught)
{
    const PinRow countMismatch[] = {{"1-3", "D[0..1]", in, 8}};
    const PinRow twice[] = {{"1", "A", in, 8}, {"1", "B", in, 8}};
    const PinRow outside[] = {{"41", "A", in, 8}};
    const PinRow badStd[] = {{"1", "A", in, 57}};
    const PinRow badDir[] = {{"1", "A", DIRECTION_NONE, 8}};
    for (auto rows : {std::span<const PinRow>(countMismatch), std::span<const PinRow>(twice),
                      std::span<const PinRow>(outside), std::span<const PinRow>(badStd),
                      std::span<const PinRow>(badDir)}) {
        PinTable table = EmptyTable(40);
        EXPECT_THROW(AddRows(table, rows), platform::InternalError);
    }
}

TEST(CardMapNotation, RowsFillTheirPositionsWithResolvedStandards)
{
    const PinRow rows[] = {
        {"2, 1", "X[0..1]", out, IoStd},
        {"3", "SDA", inout, HsmcStd, 1},
        {"4", "LANE", in, XcvrStd},
        {"5", "P", in, 21},
    };
    auto d = cardtest::RunMap([&](TDaughterBoard* p) {
        FillMap(p, 8, rows, {.ioStd = 3, .hsmcStd = 6, .xcvrStd = 35});
    });
    ASSERT_EQ(d->GetPinCount(), 8);
    EXPECT_EQ(cardtest::At(*d, 1)->GetName(), "X[1]");
    EXPECT_EQ(cardtest::At(*d, 2)->GetName(), "X[0]");
    EXPECT_EQ(cardtest::At(*d, 2)->GetIoStandard(), 3);
    EXPECT_EQ(cardtest::At(*d, 2)->GetPinIndex(), 2);
    EXPECT_EQ(cardtest::At(*d, 3)->GetFlag(), 1);
    EXPECT_EQ(cardtest::At(*d, 3)->GetIoStandard(), 6);
    EXPECT_EQ(cardtest::At(*d, 4)->GetIoStandard(), 35);
    EXPECT_EQ(cardtest::At(*d, 5)->GetIoStandard(), 21);
    EXPECT_EQ(cardtest::EmptyPositions(*d), (std::vector<int>{6, 7, 8}));

    PinTable table = EmptyTable(8);
    AddRows(table, rows);
    const PinRow overlay[] = {{"5", "Q", out, 8}};
    OverlayRows(table, overlay);
    EXPECT_EQ(table[4]->name, "Q");
    EXPECT_EQ(table[4]->dir, out);
}

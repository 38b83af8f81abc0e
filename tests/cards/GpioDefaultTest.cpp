#include <gtest/gtest.h>

#include "CardCheck.h"
#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"

using namespace cardtest;

namespace {

const std::vector<int> kEmpty = {11, 12, 29, 30};

MapExpectation Gpio(std::string label, std::function<std::unique_ptr<TDaughterBoard>()> build, int in, int out,
                    int inout)
{
    MapExpectation e;
    e.label = std::move(label);
    e.build = std::move(build);
    e.entries = 40;
    e.active = 36;
    e.inputs = in;
    e.outputs = out;
    e.inouts = inout;
    e.checkEmpty = true;
    e.empty = kEmpty;
    return e;
}

}  // namespace

TEST(GpioDefaultMaps, EveryNamingFillsTheHeaderFrame)
{
    const MapExpectation cases[] = {
        Gpio("single bus", [] { return RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT(d, 1, 8); }); }, 0, 0, 36),
        Gpio("named", [] { return RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT(d, 0, 8); }); }, 2, 2, 32),
        Gpio("base name", [] { return RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT_NAMED(d, "GPIO_0", 8); }); }, 0, 0, 36),
        Gpio("Ruskel", [] { return RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT_Ruskel(d); }); }, 2, 0, 34),
    };
    for (const auto& c : cases) CheckMap(c);
}

TEST(GpioDefaultMaps, NamesByNaming)
{
    auto single = RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT(d, 1, 3); });
    struct Spot { int position; const char* name; };
    for (Spot s : {Spot{1, "GPIO[0]"}, Spot{10, "GPIO[9]"}, Spot{13, "GPIO[10]"}, Spot{28, "GPIO[25]"},
                   Spot{31, "GPIO[26]"}, Spot{40, "GPIO[35]"}}) {
        EXPECT_EQ(At(*single, s.position)->GetName(), s.name);
        EXPECT_EQ(At(*single, s.position)->GetIoStandard(), 3);
    }

    auto named = RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT(d, 0, 8); });
    struct Named { int position; const char* name; uint8_t dir; };
    for (Named s : {Named{1, "GPIO_CLKIN[0]", DIRECTION_INPUT}, Named{3, "GPIO_CLKIN[1]", DIRECTION_INPUT},
                    Named{19, "GPIO_CLKOUT[0]", DIRECTION_OUTPUT}, Named{21, "GPIO_CLKOUT[1]", DIRECTION_OUTPUT},
                    Named{20, "GPIO_D[14]", DIRECTION_INOUT}, Named{2, "GPIO_D[0]", DIRECTION_INOUT},
                    Named{4, "GPIO_D[1]", DIRECTION_INOUT}, Named{13, "GPIO_D[8]", DIRECTION_INOUT},
                    Named{22, "GPIO_D[15]", DIRECTION_INOUT}, Named{40, "GPIO_D[31]", DIRECTION_INOUT}}) {
        EXPECT_EQ(At(*named, s.position)->GetName(), s.name);
        EXPECT_EQ(At(*named, s.position)->GetDirection(), s.dir);
    }

    auto base = RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT_NAMED(d, "GPIO_0", 6); });
    EXPECT_EQ(At(*base, 1)->GetName(), "GPIO_0[0]");
    EXPECT_EQ(At(*base, 13)->GetName(), "GPIO_0[10]");
    EXPECT_EQ(At(*base, 40)->GetName(), "GPIO_0[35]");
    EXPECT_EQ(At(*base, 40)->GetIoStandard(), 6);

    auto ruskel = RunMap([](TDaughterBoard* d) { D_GPIO_DEFAULT_Ruskel(d); });
    EXPECT_EQ(At(*ruskel, 1)->GetName(), "_IN[0]");
    EXPECT_EQ(At(*ruskel, 3)->GetName(), "_IN[1]");
    EXPECT_EQ(At(*ruskel, 2)->GetName(), "[0]");
    EXPECT_EQ(At(*ruskel, 4)->GetName(), "[1]");
    EXPECT_EQ(At(*ruskel, 13)->GetName(), "[8]");
    EXPECT_EQ(At(*ruskel, 28)->GetName(), "[23]");
    EXPECT_EQ(At(*ruskel, 40)->GetName(), "[33]");
}

TEST(GpioDefaultMaps, DispatchChoosesTheNamingAndStandard)
{
    struct Case { uint8_t card; int board; uint8_t std; const char* base; const char* name1; uint8_t std1; };
    const Case cases[] = {
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Ulvarin, 8, nullptr, "GPIO[0]", 8},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Ulvarin, 8, "", "GPIO[0]", 8},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Harnix, 8, nullptr, "GPIO_CLKIN[0]", 8},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Ruskel, 6, nullptr, "_IN[0]", 8},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Ruskel, 6, "GPIO_1", "GPIO_1[0]", 6},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Kestwin, 8, "GPIO_0", "GPIO_0[0]", 8},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Vellani, 8, nullptr, "GPIO[0]", 6},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Idrenne, 8, nullptr, "GPIO[0]", 3},
        {DAUGHTER_GPIO_DEFAULT, MAINBOARD_Pandrel, 8, nullptr, "GPIO[0]", 39},
        {DAUGHTER_GPIO_DEFAULT_2V5, MAINBOARD_Ulvarin, 8, nullptr, "GPIO[0]", 6},
        {DAUGHTER_GPIO_DEFAULT_1V8, MAINBOARD_Ulvarin, 8, nullptr, "GPIO[0]", 3},
        {DAUGHTER_GPIO_DEFAULT_1V8, MAINBOARD_Orlenn, 8, nullptr, "GPIO_CLKIN[0]", 3},
        {DAUGHTER_GPIO_DEFAULT_1V5, MAINBOARD_Pellish, 39, nullptr, "GPIO_CLKIN[0]", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card) + " on " + std::to_string(c.board));
        auto d = BuildCard(c.card, c.board, 0, c.std, c.base);
        ASSERT_EQ(d->GetPinCount(), 40);
        EXPECT_EQ(At(*d, 1)->GetName(), c.name1);
        EXPECT_EQ(At(*d, 1)->GetIoStandard(), c.std1);
        EXPECT_EQ(d->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(d->GetName(), BoardName(c.card));
        EXPECT_EQ(d->GetDescription(), BoardDescription(c.card));
    }
}

// The routines every board definition is written with: group rows, expansion tables, the
// GPIO headers under the 80-pin rule and the attaching of a header pair.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "ModelQuery.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/GpioPairing.h"
#include "platform/Errors.h"

using modeltest::BoardFacts;
using modeltest::FindConnector;
using modeltest::FindPin;

namespace {

constexpr uint8_t in = DIRECTION_INPUT;
constexpr uint8_t out = DIRECTION_OUTPUT;
constexpr uint8_t inout = DIRECTION_INOUT;

// A header table of 40 positions, "<tag>P<position>", empty at 11, 12, 29 and 30.
std::vector<const char*> HeaderTable(const char* tag)
{
    static std::deque<std::string> texts;  // the tables point at these
    std::vector<const char*> table;
    for (int p = 1; p <= 40; ++p) {
        if (p == 11 || p == 12 || p == 29 || p == 30) {
            table.push_back(nullptr);
            continue;
        }
        texts.push_back(std::string(tag) + "P" + std::to_string(p));
        table.push_back(texts.back().c_str());
    }
    return table;
}

const std::vector<const char*> kHeader0 = HeaderTable("G");
const std::vector<const char*> kHeader1 = HeaderTable("H");

}  // namespace

TEST(BoardDefinition, GroupRowsGiveNamesLocationsAndClockData)
{
    constexpr BoardPinRow kRows[] = {
        {"SW[0..2]", in, 6, "AB30 Y27 AB28"},
        {"A, B[1..2]", out, 8, "? D4 ?"},
        {"DQ[0..3]", inout, 29, "AG10 ?*3"},
        {"HPS_KEY, HPS_LED", inout, 8, ""},
        {"CLOCK_50", in, 8, "AF14", ClockMHz(50)},
        {"OSC_50_B3B", in, 6, "AW35", ClockPeriod(20), "BANK 3B"},
        {"ADC_CLK_10", in, 6, "M9", ClockText("10.0 MHz")},
        {"CLK_C", in, 8, "A3", ClockWithoutData()},
    };
    TMainBoard board;
    TConnector* group = AddBoardGroup(board, "G", kRows);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    EXPECT_EQ(group, board.GetConnector(0));
    EXPECT_EQ(group->GetType(), CONNECTOR_NONE);
    EXPECT_EQ(group->IsExpansion(), 0);
    EXPECT_EQ(group->GetDescription(), "");

    BoardFacts facts;
    facts.counts = {{.name = "G", .entries = 16, .pins = 16, .active = 16}};
    facts.pins = {
        {"SW[0]", "AB30", in, 6, 0, 0, "", ""},
        {"SW[2]", "AB28"},
        {"A", "", out, 8},
        {"B[1]", "D4"},
        {"B[2]", ""},
        {"DQ[0]", "AG10", inout, 29},
        {"DQ[3]", ""},
        {"HPS_LED", ""},
        {"CLOCK_50", "AF14", in, 8, 1, 0, "50.000000 MHz", ""},
        {"OSC_50_B3B", "AW35", in, 6, 1, 20, "", "BANK 3B"},
        {"ADC_CLK_10", "M9", in, 6, 1, 0, "10.0 MHz"},
        {"CLK_C", "A3", in, 8, 1, 0, ""},
    };
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(group->GetPin(4)->GetName(), "B[1]");  // row order, members upward
    EXPECT_EQ(group->GetPin(15)->GetName(), "CLK_C");
    EXPECT_EQ(group->GetPin(0)->GetPinIndex(), -1);

    // More pins for a record that has them go onto the group afterwards.
    constexpr BoardPinRow kMore[] = {{"HSMC_REF_CLK_p", in, 37, "P9", ClockPeriod(10)}};
    AddBoardPins(*group, kMore);
    EXPECT_EQ(group->GetPin(16)->GetName(), "HSMC_REF_CLK_p");
    EXPECT_EQ(group->GetPin(16)->GetClockPeriod(), 10);
}

TEST(BoardDefinition, RowsThatCannotBeMeantAreInternalErrors)
{
    const BoardPinRow bad[] = {
        {"A[0..1]", in, 8, "A1"},            // fewer locations than pins
        {"A", in, 8, "A1 A2"},               // more
        {"A", in, 8, "PIN_A1"},              // the .qsf puts "PIN_" in front itself
        {"A", in, 8, "A-1"},
        {"A[0..1]", in, 8, "?*0 ?*2"},
        {"A", in, 8, "?*x"},
        {"A", in, 8, "??"},
        {"A", DIRECTION_FROM_DAUGHTER, 8, "A1"},
        {"A", DIRECTION_NONE, 8, "A1"},
        {"A", in, IOSTD_FROM_DAUGHTER, "A1"},
        {"A", in, 57, "A1"},
    };
    for (const BoardPinRow& row : bad) {
        TMainBoard board;
        EXPECT_THROW(AddBoardGroup(board, "G", std::span(&row, 1)), platform::InternalError)
            << row.signals << " / " << row.locations;
    }
}

TEST(BoardDefinition, ExpansionTableWithUnknownFixedAndTrailingPins)
{
    constexpr const char* kTable[8] = {"A1", nullptr, LOCATION_UNKNOWN, "B2", "?", "C3", nullptr, "D4"};
    const FixedPosition fixed[] = {{3, in}, {4, DIRECTION_FROM_DAUGHTER, 0}, {6, out, 6}};
    const BoardPinRow after[] = {{"REFCLK_p", in, 21, "T31", ClockMHz(100)}, {"RZQ", in, 3, "H9"}};
    TMainBoard board;
    TConnector* c = AddExpansionConnector(board, "OMBREL", "Ombrel connect to Ombrel Default", CONNECTOR_Ombrel_2x6,
                                          EXPANSION_Ombrel_2x6, kTable, {fixed, after, 72});
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_Ombrel_2x6), c);
    EXPECT_EQ(c->GetDaughterBoardId(), 72);
    BoardFacts facts;
    facts.counts = {{.name = "OMBREL", .entries = 10, .pins = 8, .active = 8, .type = CONNECTOR_Ombrel_2x6,
                     .expansionId = EXPANSION_Ombrel_2x6, .description = "Ombrel connect to Ombrel Default"}};
    facts.positions = {
        {"OMBREL", 1, "A1", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"OMBREL", 2, std::nullopt},
        {"OMBREL", 3, "", in, IOSTD_FROM_DAUGHTER},  // unknown location, own direction
        {"OMBREL", 4, "B2", DIRECTION_FROM_DAUGHTER, 0},
        {"OMBREL", 5, "", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"OMBREL", 6, "C3", out, 6},
        {"OMBREL", 7, std::nullopt},
    };
    facts.pins = {{"REFCLK_p", "T31", in, 21, 1, 0, "100.000000 MHz"}, {"RZQ", "H9", in, 3, 0}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(c->GetPin(8)->GetName(), "REFCLK_p");  // right after the last position
}

TEST(BoardDefinition, CardOnAnExpansionTableKeepsWhatThePositionsFix)
{
    constexpr const char* kTable[8] = {"A1", nullptr, LOCATION_UNKNOWN, "B2", "?", "C3", nullptr, "D4"};
    const FixedPosition fixed[] = {{3, in}, {4, DIRECTION_FROM_DAUGHTER, 0}};
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Abernoll;
    AddExpansionConnector(board, "OMBREL", "", CONNECTOR_Ombrel_2x6, EXPANSION_Ombrel_2x6, kTable, {fixed});
    AttachCard(board, EXPANSION_Ombrel_2x6, DAUGHTER_Ombrel_DEFAULT, "O_", {CONNECTOR_Ombrel_2x6}, 0, 8, "");
    BoardFacts facts;
    facts.pins = {
        {"O_GPIO[0]", "A1", inout, 8},
        {"O_GPIO[2]", "", in, 8},  // the unknown location stays unknown
        {"O_GPIO[3]", "B2", inout, 0},
        {"O_GPIO[4]", "", inout, 8},
        {"O_GPIO[7]", "D4", inout, 8},
    };
    facts.positions = {{"OMBREL", 2, std::nullopt}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(FindPin(board, "O_GPIO[1]"), nullptr);  // the card's signal on an empty position is dropped
}

// A card is built for the board's own id unless the attach names another: "GPIO Default"
// has Harnix's fixed names on Harnix, the numbered ones when built as for no board.
TEST(BoardDefinition, CardIsBuiltForTheBoardOrTheIdTheAttachNames)
{
    struct Case {
        std::optional<int> cardBoardId;
        const char* first;
    };
    for (const Case& c : {Case{std::nullopt, "GPIO_CLKIN[0]"}, Case{0, "GPIO[0]"}}) {
        TMainBoard board;
        board.m_BoardId = MAINBOARD_Harnix;
        AddGpioHeaders(board, DAUGHTER_GPIO_DEFAULT, 0, kHeader0, kHeader1);
        AttachCard(board, EXPANSION_GPIO_0, DAUGHTER_GPIO_DEFAULT, "", {CONNECTOR_GPIO40}, 0, 8, "", c.cardBoardId);
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_0)->GetPin(0)->GetName(), c.first);
    }
}

TEST(BoardDefinition, ExpansionTablesThatCannotBeMeantAreInternalErrors)
{
    constexpr const char* kEight[8] = {"A1", nullptr, "?", "B2", "?", "C3", nullptr, "D4"};
    constexpr const char* kSeven[7] = {"A1", nullptr, "?", "B2", "?", "C3", nullptr};
    constexpr const char* kBadText[8] = {"A1", nullptr, "", "B2", "?", "C3", nullptr, "D4"};
    const FixedPosition onEmpty[] = {{2, in}};
    const FixedPosition outside[] = {{9, in}};
    const FixedPosition fixesNothing[] = {{1}};
    struct Case {
        const char* what;
        std::span<const char* const> table;
        ExpansionOptions options;
    };
    const Case cases[] = {
        {"table shorter than the connector", kSeven, {}},
        {"empty text in place of nullptr", kBadText, {}},
        {"fixed position without a pin", kEight, {onEmpty}},
        {"fixed position past the connector", kEight, {outside}},
        {"fixed position that fixes nothing", kEight, {fixesNothing}},
        {"position standard outside the table", kEight, {.positionStd = IOSTD_COUNT}},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        EXPECT_THROW(AddExpansionConnector(board, "X", "", CONNECTOR_Ombrel_2x6, EXPANSION_Ombrel_2x6, c.table, c.options),
                     platform::InternalError)
            << c.what;
        EXPECT_EQ(board.GetConnectorCount(), 0) << c.what;
    }
}

TEST(BoardDefinition, PositionTablesFromListedPositions)
{
    auto text = [](const std::vector<const char*>& table) {
        std::string s;
        for (const char* t : table) s += std::string(t ? t : "-") + " ";
        return s;
    };
    EXPECT_EQ(text(PositionTable(10, ListedPositions::WithPin, "2, 5-6, 9", {"Y43"})), "- Y43 - - ? ? - - ? - ");
    EXPECT_EQ(text(PositionTable(8, ListedPositions::Empty, "1-2, 5, 7-8", {"AH35", "AM20"})), "- - AH35 AM20 - ? - - ");
    EXPECT_EQ(text(PositionTable(4, ListedPositions::WithPin, "1-4/3")), "? - - ? ");

    for (auto bad : {+[] { PositionTable(4, ListedPositions::WithPin, "2, 2"); },
                     +[] { PositionTable(4, ListedPositions::WithPin, "0-2"); },
                     +[] { PositionTable(4, ListedPositions::WithPin, "3-5"); },
                     +[] { PositionTable(4, ListedPositions::WithPin, "1", {"A1", "A2"}); }})
        EXPECT_THROW(bad(), platform::InternalError);
}

TEST(BoardDefinition, GpioHeadersUnderTheEightyPinRule)
{
    struct Case {
        const char* what;
        uint8_t card0, card1;
        Gpio80Rule rule;
        std::vector<modeltest::ConnectorFacts> connectors;
    };
    const modeltest::ConnectorFacts gpio0 = {"GPIO_0", 40, 36, 36, CONNECTOR_GPIO40, EXPANSION_GPIO_0,
                                             "GPIO_0 connect to GPIO Default"};
    const modeltest::ConnectorFacts gpio1 = {"GPIO_1", 40, 36, 36, CONNECTOR_GPIO40, EXPANSION_GPIO_1,
                                             "GPIO_1 connect to GPIO Default"};
    const modeltest::ConnectorFacts joined = {"GPIO_0_1", 80, 72, 72, CONNECTOR_GPIO80, EXPANSION_GPIO_80,
                                              "GPIO_0_1 connect to Kobbet - High Speed ADC/DAC"};
    auto described = [](modeltest::ConnectorFacts f, const char* description) {
        f.description = description;
        return f;
    };
    const Case cases[] = {
        {"no card", 0, 0, Gpio80Rule::Applies, {}},
        {"header 0", 1, 0, Gpio80Rule::Applies, {gpio0}},
        {"header 1 alone", 0, 1, Gpio80Rule::Applies, {gpio1}},
        {"two 40-pin cards", 1, 12, Gpio80Rule::Applies,
         {gpio0, described(gpio1, "GPIO_1 connect to Sollip - 5M Pixel Camera")}},
        {"80-pin pair", 11, 11, Gpio80Rule::Applies, {joined}},
        {"80-pin pair without the rule", 11, 11, Gpio80Rule::None,
         {described(gpio0, "GPIO_0 connect to Kobbet - High Speed ADC/DAC"),
          described(gpio1, "GPIO_1 connect to Kobbet - High Speed ADC/DAC")}},
        // Header 0's card alone decides.
        {"80-pin card on header 1 only", 1, 11, Gpio80Rule::Applies,
         {gpio0, described(gpio1, "GPIO_1 connect to Kobbet - High Speed ADC/DAC")}},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        AddGpioHeaders(board, c.card0, c.card1, kHeader0, kHeader1, c.rule);
        BoardFacts facts;
        facts.connectors = std::vector<std::string>{};
        for (const auto& f : c.connectors) facts.connectors->push_back(f.name);
        facts.counts = c.connectors;
        modeltest::ExpectBoard(board, facts, c.what);
        modeltest::ExpectSoundModel(board, c.what);
    }

    TMainBoard board;
    AddGpioHeaders(board, 11, 11, kHeader0, kHeader1);
    BoardFacts facts;
    for (int p : {11, 12, 29, 30, 51, 52, 69, 70}) facts.positions.push_back({"GPIO_0_1", p, std::nullopt});
    facts.positions.push_back({"GPIO_0_1", 1, "GP1"});
    facts.positions.push_back({"GPIO_0_1", 40, "GP40"});
    facts.positions.push_back({"GPIO_0_1", 41, "HP1"});
    facts.positions.push_back({"GPIO_0_1", 80, "HP40"});
    modeltest::ExpectBoard(board, facts);

    // Positions a header fixes are fixed on each header, and in both halves of the joined one.
    const FixedPosition inputs[] = {{1, in}, {3, in}};
    for (uint8_t card : {uint8_t(1), uint8_t(11)}) {
        TMainBoard fixedBoard;
        AddGpioHeaders(fixedBoard, card, card, kHeader0, kHeader1, Gpio80Rule::Applies, {.fixed = inputs});
        BoardFacts fixedFacts;
        const bool joined80 = card == 11;
        for (int h = 0; h < 2; ++h) {
            const std::string name = joined80 ? "GPIO_0_1" : "GPIO_" + std::to_string(h);
            const int base = joined80 ? 40 * h : 0;
            const std::string prefix = h ? "HP" : "GP";
            fixedFacts.positions.push_back({name, base + 1, prefix + "1", in, IOSTD_FROM_DAUGHTER});
            fixedFacts.positions.push_back({name, base + 2, prefix + "2", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER});
            fixedFacts.positions.push_back({name, base + 3, prefix + "3", in, IOSTD_FROM_DAUGHTER});
        }
        modeltest::ExpectBoard(fixedBoard, fixedFacts, joined80 ? "80-pin" : "40-pin");
    }

    // The forms put the 80-pin card on both headers; a record without the second is no input.
    TMainBoard lone;
    EXPECT_THROW(AddGpioHeaders(lone, 11, 0, kHeader0, kHeader1), platform::InternalError);
    const std::vector<const char*> shortTable(kHeader0.begin(), kHeader0.end() - 1);
    EXPECT_THROW(AddGpioHeaders(lone, 1, 0, shortTable, kHeader1), platform::InternalError);
}

TEST(BoardDefinition, HeaderPairAttachedAsTheFormsPairThem)
{
    struct Case {
        const char* what;
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        std::vector<std::string> connectors;
        std::vector<std::string> pins;     // present after attaching
        std::vector<std::string> missing;  // not present
    };
    const Case cases[] = {
        {"80-pin pair under header 0's prefix", 11, "K_", 11, "Z_", {"GPIO_0_1"},
         {"K_ADC_OTR_A", "K_SMA_DAC4", "K_DAC_MODE"}, {"Z_ADC_OTR_A", "Z_SMA_DAC4"}},
        {"default pair named after the headers", 1, "", 1, "", {"GPIO_0", "GPIO_1"},
         {"GPIO_0[0]", "GPIO_0[35]", "GPIO_1[0]", "GPIO_1[35]"}, {"GPIO[0]"}},
        {"default card with prefixes", 1, "A_", 1, "B_", {"GPIO_0", "GPIO_1"},
         {"A_GPIO[0]", "A_GPIO[35]", "B_GPIO[0]"}, {"GPIO_0[0]"}},
        {"default card on one header", 0, "", 1, "", {"GPIO_1"}, {"GPIO[0]", "GPIO[35]"}, {"GPIO_1[0]"}},
        {"a blank is a prefix", 1, " ", 1, "", {"GPIO_0", "GPIO_1"}, {" GPIO[0]", "GPIO[0]"}, {"GPIO_0[0]"}},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        board.m_BoardId = MAINBOARD_Glenmarch;
        AddGpioHeaders(board, c.card0, c.card1, kHeader0, kHeader1);
        EXPECT_EQ(modeltest::ConnectorNames(board), c.connectors) << c.what;
        AttachGpioHeaderPair(board, c.card0, c.prefix0, c.card1, c.prefix1,
                             IsGpioDefaultPair(c.card0, c.prefix0, c.card1, c.prefix1));
        for (const std::string& name : c.pins) EXPECT_NE(FindPin(board, name), nullptr) << c.what << ": " << name;
        for (const std::string& name : c.missing) EXPECT_EQ(FindPin(board, name), nullptr) << c.what << ": " << name;
    }

    // The default pair is card 1 on both headers; claiming it for other cards is a slip.
    TMainBoard board;
    AddGpioHeaders(board, 1, 12, kHeader0, kHeader1);
    EXPECT_THROW(AttachGpioHeaderPair(board, 1, "", 12, "", true), platform::InternalError);
}

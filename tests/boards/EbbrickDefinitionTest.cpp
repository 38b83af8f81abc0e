#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Ebbrick.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;

constexpr uint8_t LVTTL = 8;
constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

EBBRICK_CONFIG Record(const std::function<void(EBBRICK_CONFIG&)>& edit)
{
    EBBRICK_CONFIG record = DefaultEbbrickConfig();
    edit(record);
    return record;
}

void NoGroup(EBBRICK_CONFIG& c) { std::memset(&c.bClock, 0, 9); }

void Cards(EBBRICK_CONFIG& c, uint8_t card0, uint8_t card1)
{
    c.nGpioDaughterId[GPIO_0] = card0;
    c.nGpioDaughterId[GPIO_1] = card1;
}

const std::vector<std::string> kDefaultOrder = {"CLOCK", "SDRAM",        "SEG7", "KEY", "LED",
                                                "PS2",   "microSD Card", "SW",   "VGA"};

// Every group with both headers carrying a 40-pin card: counts, the pins the board gives one
// by one, and the headers' positions.
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.connectors = {"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "PS2", "microSD Card", "SW", "VGA", "GPIO_0", "GPIO_1"};
    facts.counts = {
        {.name = "CLOCK", .entries = 4, .type = CONNECTOR_NONE, .description = ""},
        {.name = "SDRAM", .entries = 39},
        {.name = "SEG7", .entries = 42},
        {.name = "KEY", .entries = 5},
        {.name = "LED", .entries = 10},
        {.name = "PS2", .entries = 4},
        {.name = "microSD Card", .entries = 6},
        {.name = "SW", .entries = 10},
        {.name = "VGA", .entries = 14},
        {.name = "GPIO_0", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_0,
         .description = "GPIO_0 connect to GPIO Default"},
        {.name = "GPIO_1", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_1,
         .description = "GPIO_1 connect to " + BoardName(DAUGHTER_Sollip)},
    };
    facts.pins = {
        {"CLOCK_50", "M9", DIRECTION_INPUT, LVTTL, 1, 0, "50.0 MHz", ""},
        {"CLOCK2_50", "H13", DIRECTION_INPUT, LVTTL, 1, 0, "50.0 MHz"},
        {"CLOCK3_50", "E10", DIRECTION_INPUT, LVTTL, 1, 0, "50.0 MHz"},
        {"CLOCK4_50", "V15", DIRECTION_INOUT, LVTTL, 1, 0, "50.0 MHz"},
        {"DRAM_ADDR[0]", "W8", DIRECTION_OUTPUT, LVTTL, 0},
        {"DRAM_ADDR[12]", "R7", DIRECTION_OUTPUT},
        {"DRAM_BA[1]", "AB7", DIRECTION_OUTPUT},
        {"DRAM_CLK", "AB11", DIRECTION_OUTPUT},
        {"DRAM_CS_N", "U6", DIRECTION_OUTPUT},
        {"DRAM_DQ[0]", "Y9", DIRECTION_INOUT},
        {"DRAM_DQ[15]", "T9", DIRECTION_INOUT},
        {"DRAM_LDQM", "U12", DIRECTION_OUTPUT},
        {"DRAM_WE_N", "AB5", DIRECTION_OUTPUT},
        {"HEX0[0]", "U21", DIRECTION_OUTPUT, LVTTL},
        {"HEX2[2]", "AA10", DIRECTION_OUTPUT},
        {"HEX5[4]", "C1", DIRECTION_OUTPUT},
        {"HEX5[6]", "W19", DIRECTION_OUTPUT},
        {"KEY[0]", "U7", DIRECTION_INPUT},
        {"KEY[3]", "M6", DIRECTION_INPUT},
        {"RESET_N", "P22", DIRECTION_INPUT, LVTTL},
        {"LEDR[0]", "AA2", DIRECTION_OUTPUT},
        {"LEDR[9]", "L1", DIRECTION_OUTPUT},
        {"PS2_CLK2", "E2", DIRECTION_INOUT},
        {"PS2_DAT2", "G1", DIRECTION_INOUT},
        {"SD_CLK", "H11", DIRECTION_OUTPUT},
        {"SD_CMD", "B11", DIRECTION_INOUT},
        {"SD_DATA[3]", "C11", DIRECTION_INOUT},
        {"SW[0]", "U13", DIRECTION_INPUT},
        {"SW[9]", "AB12", DIRECTION_INPUT},
        {"VGA_B[3]", "A7", DIRECTION_OUTPUT},
        {"VGA_G[0]", "L7", DIRECTION_OUTPUT},
        {"VGA_HS", "H8", DIRECTION_OUTPUT},
        {"VGA_R[3]", "A5", DIRECTION_OUTPUT},
        {"VGA_VS", "G8", DIRECTION_OUTPUT, LVTTL},
    };
    facts.positions = {
        {"GPIO_0", 1, "N16", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"GPIO_0", 10, "M21"},
        {"GPIO_0", 11, std::nullopt},
        {"GPIO_0", 12, std::nullopt},
        {"GPIO_0", 13, "N21"},
        {"GPIO_0", 28, "K17"},
        {"GPIO_0", 29, std::nullopt},
        {"GPIO_0", 30, std::nullopt},
        {"GPIO_0", 31, "K19"},
        {"GPIO_0", 40, "T15"},
        {"GPIO_1", 1, "H16", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"GPIO_1", 11, std::nullopt},
        {"GPIO_1", 20, "A15"},
        {"GPIO_1", 22, "L8"},
        {"GPIO_1", 30, std::nullopt},
        {"GPIO_1", 40, "K16"},
    };
    return facts;
}

// The 80-pin card joins the headers: GPIO-0's positions, then GPIO-1's.
BoardFacts JoinedFacts()
{
    BoardFacts facts;
    facts.connectors = std::vector<std::string>{"GPIO_0_1"};
    facts.counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .type = CONNECTOR_GPIO80,
                     .expansionId = EXPANSION_GPIO_80, .description = "GPIO_0_1 connect to " + BoardName(k80Pin)}};
    facts.positions = {{"GPIO_0_1", 1, "N16"}, {"GPIO_0_1", 40, "T15"}, {"GPIO_0_1", 41, "H16"}, {"GPIO_0_1", 80, "K16"}};
    for (int empty : {11, 12, 29, 30, 51, 52, 69, 70}) facts.positions.push_back({"GPIO_0_1", empty, std::nullopt});
    return facts;
}

}  // namespace

// Records in, the board out: which groups in which order, their counts and spot pins.
TEST(EbbrickDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    struct Case {
        const char* label;
        EBBRICK_CONFIG record;
        BoardFacts facts;
    };
    const Case cases[] = {
        {"default", Record([](EBBRICK_CONFIG&) {}), {.connectors = kDefaultOrder}},
        {"no group, no card", Record(NoGroup), {.connectors = std::vector<std::string>{}}},
        {"any non-zero byte ticks", Record([](EBBRICK_CONFIG& c) { NoGroup(c); c.bSdCard = 0x80; }),
         {.connectors = std::vector<std::string>{"microSD Card"}}},
        {"a card on GPIO-1 only", Record([](EBBRICK_CONFIG& c) { NoGroup(c); Cards(c, 0, DAUGHTER_Garvet); }),
         {.connectors = std::vector<std::string>{"GPIO_1"},
          .counts = {{.name = "GPIO_1", .entries = 40, .pins = 36, .expansionId = EXPANSION_GPIO_1,
                      .description = "GPIO_1 connect to " + BoardName(DAUGHTER_Garvet)}}}},
        {"the 80-pin card on both", Record([](EBBRICK_CONFIG& c) { NoGroup(c); Cards(c, k80Pin, k80Pin); }),
         JoinedFacts()},
        {"everything", Record([](EBBRICK_CONFIG& c) { Cards(c, DAUGHTER_GPIO_DEFAULT, DAUGHTER_Sollip); }), FullFacts()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Ebbrick(&board, c.record);
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(std::memcmp(board.m_EbbrickConfig.data(), &c.record, sizeof c.record), 0);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Ebbrick);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CEBA4F23C7");
        EXPECT_EQ(board.GetDevicePinCount(), 484);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "7");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
    }
}

TEST(EbbrickDefinition, NoLocationOrNameIsUsedTwice)
{
    TMainBoard board;
    BuildMainBoard_Ebbrick(&board, Record([](EBBRICK_CONFIG& c) { Cards(c, 1, 1); }));
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 4 + 39 + 42 + 5 + 10 + 4 + 6 + 10 + 14 + 36 + 36);
}

// The board keeps the record byte for byte, before it checks it.
TEST(EbbrickDefinition, BoardKeepsACopyOfTheRecordBeforeItsChecks)
{
    EBBRICK_CONFIG record = Record([](EBBRICK_CONFIG& c) { Cards(c, 1, 12); });
    record.Padding1[1] = 0x33;
    record.Padding2 = 0x5A;
    record.szGpioPrefixName[GPIO_1][90] = 'x';  // after the text's NUL
    for (auto wrong : {+[](EBBRICK_CONFIG& c) { c.BoardId = MAINBOARD_Wistrell; },
                       +[](EBBRICK_CONFIG& c) { c.Size = 408; }}) {
        EBBRICK_CONFIG bad = record;
        wrong(bad);
        TMainBoard board;
        EXPECT_THROW(BuildMainBoard_Ebbrick(&board, bad), platform::InternalError);
        EXPECT_EQ(std::memcmp(board.m_EbbrickConfig.data(), &bad, sizeof bad), 0);
    }
}

// The headless pair attaches the cards in the form's three ways, after pairing the record as
// the form pairs a loaded one (GPIO-0 leading), so no record reaches the joined connector
// without its card.
TEST(EbbrickDefinition, ProjectBoardAttachesTheHeaderCardsAsTheFormDoes)
{
    struct Case {
        const char* label;
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        std::vector<std::string> connectors;
        std::vector<std::string> signals;  // pins that must be there, by name
    };
    const Case cases[] = {
        {"default pair", 1, "", 1, "", {"GPIO_0", "GPIO_1"}, {"GPIO_0[0]", "GPIO_0[35]", "GPIO_1[0]", "GPIO_1[35]"}},
        {"generic card twice, own prefixes", 1, "A_", 1, "B_", {"GPIO_0", "GPIO_1"}, {"A_GPIO[0]", "B_GPIO[35]"}},
        {"generic card once, no prefix", 0, "", 1, "", {"GPIO_1"}, {"GPIO[0]", "GPIO[35]"}},
        {"80-pin pair under GPIO-0's prefix", k80Pin, "K_", k80Pin, "unused_", {"GPIO_0_1"},
         {"K_ADC_OTR_A", "K_DAC_MODE"}},
        {"80-pin card on GPIO-0 over another card", k80Pin, "", DAUGHTER_Sollip, "S_", {"GPIO_0_1"},
         {"ADC_OTR_A", "DAC_MODE"}},
        {"80-pin card on GPIO-0 alone", k80Pin, "K_", 0, "", {"GPIO_0_1"}, {"K_ADC_OTR_A", "K_DAC_MODE"}},
        {"80-pin card on GPIO-1 beside GPIO Default: taken off", DAUGHTER_GPIO_DEFAULT, "G_", k80Pin, "K_",
         {"GPIO_0"}, {"G_GPIO[0]"}},
        {"80-pin card on GPIO-1 alone: taken off", 0, "", k80Pin, "K_", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EBBRICK_CONFIG record = Record([&](EBBRICK_CONFIG& r) {
            NoGroup(r);
            Cards(r, c.card0, c.card1);
            WriteRecordText(r.szGpioPrefixName[GPIO_0], c.prefix0);
            WriteRecordText(r.szGpioPrefixName[GPIO_1], c.prefix1);
        });
        TMainBoard board;
        BuildEbbrickProjectBoard(board, record);
        EXPECT_EQ(modeltest::ConnectorNames(board), c.connectors);
        for (const std::string& signal : c.signals) EXPECT_NE(modeltest::FindPin(board, signal), nullptr) << signal;
        modeltest::ExpectSoundModel(board, c.label);
    }
}

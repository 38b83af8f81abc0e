#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Pressel.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;

constexpr uint8_t LVTTL = 8;
constexpr uint8_t SCHMITT_3V3 = 50;

PRESSEL_CONFIG Record(const std::function<void(PRESSEL_CONFIG&)>& edit)
{
    PRESSEL_CONFIG record = TConfigPressel::DefaultConfig();
    edit(record);
    return record;
}

void NoGroup(PRESSEL_CONFIG& c) { std::memset(&c.bClock, 0, 10); }

// Every group and the header: the counts of the board's data, and the pins it gives one by
// one (the clocks' texts, the Schmitt-trigger inputs, each bus's ends).
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.connectors = {"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "SW", "VGA", "Accelerometer", "Arduino", "GPIO"};
    facts.counts = {
        {.name = "CLOCK", .entries = 3, .type = CONNECTOR_NONE, .description = ""},
        {.name = "SDRAM", .entries = 39},
        {.name = "SEG7", .entries = 48},
        {.name = "KEY", .entries = 2},
        {.name = "LED", .entries = 10},
        {.name = "SW", .entries = 10},
        {.name = "VGA", .entries = 14},
        {.name = "Accelerometer", .entries = 6},
        {.name = "Arduino", .entries = 17, .active = 17},
        {.name = "GPIO", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_0,
         .description = "GPIO connect to GPIO Default"},
    };
    facts.pins = {
        {"MAX10_CLK1_50", "P11", DIRECTION_INPUT, LVTTL, 1, 0, "50.0 MHz"},
        {"MAX10_CLK2_50", "N14", DIRECTION_INPUT, LVTTL, 1, 0, "50.0 MHz"},
        {"ADC_CLK_10", "N5", DIRECTION_INPUT, LVTTL, 1, 0, "10.0 MHz"},
        {"DRAM_ADDR[0]", "U17", DIRECTION_OUTPUT, LVTTL, 0},
        {"DRAM_ADDR[12]", "R20", DIRECTION_OUTPUT, LVTTL},
        {"DRAM_BA[1]", "T22", DIRECTION_OUTPUT, LVTTL},
        {"DRAM_CLK", "L14", DIRECTION_OUTPUT, LVTTL, 0},
        {"DRAM_CS_N", "U20", DIRECTION_OUTPUT, LVTTL},
        {"DRAM_DQ[0]", "Y21", DIRECTION_INOUT, LVTTL},
        {"DRAM_DQ[15]", "F22", DIRECTION_INOUT, LVTTL},
        {"DRAM_WE_N", "V20", DIRECTION_OUTPUT, LVTTL},
        {"HEX0[0]", "C14", DIRECTION_OUTPUT, LVTTL},
        {"HEX0[7]", "D15", DIRECTION_OUTPUT, LVTTL},
        {"HEX3[7]", "D22", DIRECTION_OUTPUT, LVTTL},
        {"HEX5[7]", "L19", DIRECTION_OUTPUT, LVTTL},
        {"KEY[0]", "B8", DIRECTION_INPUT, SCHMITT_3V3},
        {"KEY[1]", "A7", DIRECTION_INPUT, SCHMITT_3V3},
        {"LEDR[9]", "B11", DIRECTION_OUTPUT, LVTTL},
        {"SW[0]", "C10", DIRECTION_INPUT, LVTTL},
        {"SW[9]", "F15", DIRECTION_INPUT, LVTTL},
        {"VGA_B[3]", "N2", DIRECTION_OUTPUT, LVTTL},
        {"VGA_HS", "N3", DIRECTION_OUTPUT, LVTTL},
        {"VGA_R[0]", "AA1", DIRECTION_OUTPUT, LVTTL},
        {"VGA_VS", "N1", DIRECTION_OUTPUT, LVTTL},
        {"GSENSOR_SCLK", "AB15", DIRECTION_OUTPUT, LVTTL},
        {"GSENSOR_SDI", "V11", DIRECTION_INOUT, LVTTL},
        {"GSENSOR_INT[1]", "Y14", DIRECTION_INPUT, LVTTL},
        {"GSENSOR_INT[2]", "Y13", DIRECTION_INPUT, LVTTL},
        {"GSENSOR_CS_N", "AB16", DIRECTION_OUTPUT, LVTTL},
        {"ARDUINO_IO[0]", "AB5", DIRECTION_INOUT, LVTTL},
        {"ARDUINO_IO[15]", "AA20", DIRECTION_INOUT, LVTTL},
        {"ARDUINO_RESET_N", "F16", DIRECTION_INOUT, SCHMITT_3V3},
    };
    // The header keeps 3.3-V LVTTL; only the direction comes from the card.
    facts.positions = {
        {"GPIO", 1, "V10", DIRECTION_FROM_DAUGHTER, LVTTL},
        {"GPIO", 10, "V5", DIRECTION_FROM_DAUGHTER, LVTTL},
        {"GPIO", 11, std::nullopt},
        {"GPIO", 12, std::nullopt},
        {"GPIO", 13, "W5", DIRECTION_FROM_DAUGHTER, LVTTL},
        {"GPIO", 28, "Y7"},
        {"GPIO", 29, std::nullopt},
        {"GPIO", 30, std::nullopt},
        {"GPIO", 31, "AA7"},
        {"GPIO", 40, "AA2", DIRECTION_FROM_DAUGHTER, LVTTL},
    };
    return facts;
}

}  // namespace

// Records in, the board out: which groups in which order, their counts and spot pins.
TEST(PresselDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    struct Case {
        const char* label;
        PRESSEL_CONFIG record;
        BoardFacts facts;
    };
    const Case cases[] = {
        {"default", Record([](PRESSEL_CONFIG&) {}),
         {.connectors = std::vector<std::string>{"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "SW", "VGA", "Accelerometer",
                                                 "Arduino"}}},
        {"no group, no card", Record(NoGroup), {.connectors = std::vector<std::string>{}}},
        // Any non-zero byte ticks its group; the reserved byte is never read.
        {"bytes other than 1", Record([](PRESSEL_CONFIG& c) { NoGroup(c); c.bVga = 0xFF; c.bButton = 2; c.Reserved = 1; }),
         {.connectors = std::vector<std::string>{"KEY", "VGA"}}},
        {"card without groups", Record([](PRESSEL_CONFIG& c) { NoGroup(c); c.nGpioDaughterId = DAUGHTER_Garvet; }),
         {.connectors = std::vector<std::string>{"GPIO"},
          .counts = {{.name = "GPIO", .entries = 40, .pins = 36,
                      .description = "GPIO connect to Garvet - 4.3\" LCD and Touch"}}}},
        {"everything", Record([](PRESSEL_CONFIG& c) { c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT; }), FullFacts()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TConfigPressel settings;
        settings.Config = c.record;
        TMainBoard board;
        BuildMainBoard_Pressel(&board, &settings);
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(board.m_pConfigBoard, &settings);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Pressel);
        EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
        EXPECT_EQ(board.GetDevice(), "10M50DAF484C7G");
        EXPECT_EQ(board.GetDevicePinCount(), 484);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "7");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_0) != nullptr, c.record.nGpioDaughterId != 0);
    }
}

TEST(PresselDefinition, NoLocationOrNameIsUsedTwice)
{
    TConfigPressel settings;
    settings.Config = Record([](PRESSEL_CONFIG& c) { c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT; });
    TMainBoard board;
    BuildMainBoard_Pressel(&board, &settings);
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 3 + 39 + 48 + 2 + 10 + 10 + 14 + 6 + 17 + 36);
}

// Size and BoardId are checked, after the board has taken the settings object and the id.
TEST(PresselDefinition, AWrongIdOrSizeIsAnInternalError)
{
    for (auto wrong : {+[](PRESSEL_CONFIG& c) { c.BoardId = MAINBOARD_Ulvarin; },
                       +[](PRESSEL_CONFIG& c) { c.Size = 416; }}) {
        TConfigPressel settings;
        settings.Config = Record(wrong);
        TMainBoard board;
        EXPECT_THROW(BuildMainBoard_Pressel(&board, &settings), platform::InternalError);
        EXPECT_EQ(board.m_pConfigBoard, &settings);
        EXPECT_EQ(board.GetConnectorCount(), 0);
    }
}

// The form's attach: each card signal behind the prefix (or alone), on its position's
// location, in the card's direction and the header's 3.3-V LVTTL whatever the card's map
// gives; the power positions stay empty.
TEST(PresselDefinition, CardOnTheHeaderKeepsTheHeadersStandard)
{
    struct Case {
        uint8_t card;
        const char* prefix;
        const char* first;  // the signal on position 1
        const char* last;   // the signal on position 40
    };
    const Case cases[] = {
        {DAUGHTER_GPIO_DEFAULT, "J1_", "J1_GPIO[0]", "J1_GPIO[35]"},
        {DAUGHTER_GPIO_DEFAULT, "", "GPIO[0]", "GPIO[35]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        TConfigPressel settings;
        settings.Config = Record([&](PRESSEL_CONFIG& r) {
            NoGroup(r);
            r.nGpioDaughterId = c.card;
            WriteRecordText(r.szGpioPrefixName, c.prefix);
        });
        TMainBoard board;
        BuildPresselProjectBoard(board, settings);
        const TConnector* gpio = modeltest::FindConnector(board, "GPIO");
        ASSERT_NE(gpio, nullptr);
        EXPECT_EQ(gpio->GetActivePinCount(), 36);
        for (int p : {11, 12, 29, 30}) EXPECT_EQ(gpio->GetPin(p - 1), nullptr) << p;
        for (int i = 0; i < gpio->GetPinCount(); ++i)
            if (const TPin* pin = gpio->GetPin(i)) {
                EXPECT_EQ(pin->GetIoStandard(), LVTTL) << pin->GetName();
                EXPECT_EQ(pin->GetDirection(), DIRECTION_INOUT) << pin->GetName();
            }
        modeltest::ExpectBoard(board, {.pins = {{c.first, "V10", DIRECTION_INOUT, LVTTL},
                                                {c.last, "AA2", DIRECTION_INOUT, LVTTL}}});
    }
}

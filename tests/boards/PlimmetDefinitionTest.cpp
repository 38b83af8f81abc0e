#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Plimmet.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using Names = std::vector<std::string>;

constexpr uint8_t V2_5 = 6;
constexpr uint8_t LVTTL = 8;
constexpr uint8_t LVDS = 21;
constexpr uint8_t PCML1_5 = 36;
constexpr uint8_t V1_2 = 40;
constexpr uint8_t HSUL1_2 = 43;
constexpr uint8_t DIFF_HSUL1_2 = 46;

constexpr const char* kI2c = "I2C for Audio/HDMI-TX/Si5338/HSMC";

PLIMMET_CONFIG Record(const std::function<void(PLIMMET_CONFIG&)>& edit)
{
    PLIMMET_CONFIG record = DefaultPlimmetConfig();
    edit(record);
    return record;
}

void NoGroup(PLIMMET_CONFIG& c) { std::memset(&c.bClock, 0, 14); }

void Everything(PLIMMET_CONFIG& c)
{
    c.bXcvrSma = 1;
    c.bSi5338I2c = 1;
    c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
    c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
}

// The fullest record: every group in the board's order, the display without HEX2/HEX3, both
// connectors, and pins of every standard the board uses.
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.connectors = Names{"CLOCK", "LED",  "KEY",    "SW",          "SEG7", "HDMI-TX", "ADC SPI", "Audio", kI2c,
                             "SMA Transceiver x1", "SDCARD", "Uart to USB", "SRAM", "LPDDR2",  "GPIO",    "HSMC"};
    facts.counts = {
        {.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE},
        {.name = "LED", .entries = 18},
        {.name = "KEY", .entries = 5},
        {.name = "SW", .entries = 10},
        {.name = "SEG7", .entries = 14},
        {.name = "HDMI-TX", .entries = 29},
        {.name = "ADC SPI", .entries = 4},
        {.name = "Audio", .entries = 6},
        {.name = kI2c, .entries = 2},
        {.name = "SMA Transceiver x1", .entries = 4},
        {.name = "SDCARD", .entries = 6},
        {.name = "Uart to USB", .entries = 2},
        {.name = "SRAM", .entries = 39},
        {.name = "LPDDR2", .entries = 61},
        {.name = "GPIO", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_0,
         .description = "GPIO connect to GPIO Default"},
        {.name = "HSMC", .entries = 160, .pins = 98, .type = CONNECTOR_HSMC, .expansionId = EXPANSION_HSMC_A,
         .description = "HSMC connect to " + BoardName(DAUGHTER_HSMC_DEFAULT)},
    };
    facts.pins = {
        {"CLOCK_125_p", "U12", DIRECTION_INPUT, LVDS, 1, 8, ""},
        {"CLOCK_50_B5B", "R20", DIRECTION_INPUT, LVTTL, 1, 20, ""},
        {"CLOCK_50_B7A", "H12", DIRECTION_INPUT, V2_5, 1, 20, ""},
        {"CLOCK_50_B8A", "M10", DIRECTION_INPUT, V2_5, 1, 20, ""},
        {"LEDG[0]", "L7", DIRECTION_OUTPUT, V2_5},
        {"LEDR[9]", "J10", DIRECTION_OUTPUT, V2_5},
        {"KEY[3]", "Y16", DIRECTION_INPUT, V1_2},
        {"CPU_RESET_n", "AB24", DIRECTION_INPUT, LVTTL},
        {"SW[9]", "AE19", DIRECTION_INPUT, V1_2},
        {"HEX0[0]", "V19", DIRECTION_OUTPUT, V1_2},
        {"HEX1[6]", "AF24", DIRECTION_OUTPUT, V1_2},
        {"HDMI_TX_DE", "Y26", DIRECTION_OUTPUT, LVTTL},
        {"HDMI_TX_INT", "T12", DIRECTION_INPUT, V1_2},
        {"HDMI_TX_D[23]", "AD25", DIRECTION_OUTPUT, LVTTL},
        {"ADC_SDI", "Y10", DIRECTION_OUTPUT, V1_2},
        {"ADC_SDO", "W10", DIRECTION_INPUT, V1_2},
        {"AUD_ADCDAT", "D7", DIRECTION_INPUT, V2_5},
        {"AUD_BCLK", "E6", DIRECTION_INOUT, V2_5},
        {"I2C_SCL", "B7", DIRECTION_OUTPUT, V2_5},
        {"I2C_SDA", "G11", DIRECTION_INOUT, V2_5},
        {"REFCLK_p1", "N7", DIRECTION_INPUT, PCML1_5},
        {"SMA_GXB_TX_p", "K2", DIRECTION_OUTPUT, PCML1_5},
        {"SD_CLK", "AB6", DIRECTION_OUTPUT, LVTTL},
        {"SD_DAT[3]", "T8", DIRECTION_INOUT, LVTTL},
        {"UART_RX", "M9", DIRECTION_INPUT, V2_5},
        {"SRAM_A[17]", "M24", DIRECTION_OUTPUT, LVTTL},
        {"SRAM_D[15]", "K21", DIRECTION_INOUT, LVTTL},
        {"SRAM_WE_n", "G25", DIRECTION_OUTPUT, LVTTL},
        {"DDR2LP_CK_n", "P10", DIRECTION_OUTPUT, DIFF_HSUL1_2},
        {"DDR2LP_DQS_n[3]", "W17", DIRECTION_INOUT, DIFF_HSUL1_2},
        {"DDR2LP_DM[3]", "AE24", DIRECTION_OUTPUT, HSUL1_2},
        {"DDR2LP_OCT_RZQ", "AE11", DIRECTION_INPUT, V1_2},
        {"DDR2LP_DQ[31]", "AF23", DIRECTION_INOUT, HSUL1_2},
        {"DDR2LP_CA[9]", "AB11", DIRECTION_OUTPUT, HSUL1_2},
    };
    facts.positions = {
        {"GPIO", 1, "T21", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"GPIO", 11, std::nullopt},
        {"GPIO", 25, "AD7"},
        {"GPIO", 30, std::nullopt},
        {"GPIO", 40, "AC22"},
        {"HSMC", 16, std::nullopt},
        {"HSMC", 17, "W4", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"HSMC", 18, "V2"},
        {"HSMC", 20, "", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"HSMC", 25, "AC4"},
        {"HSMC", 27, "", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"HSMC", 33, std::nullopt},
        {"HSMC", 39, "A7"},
        {"HSMC", 156, "L8"},
        {"HSMC", 159, std::nullopt},
    };
    return facts;
}

const Names kDefaultOrder = {"CLOCK", "LED",   "KEY",  "SW",          "SEG7", "HDMI-TX", "ADC SPI",
                             "Audio", kI2c,    "SDCARD", "Uart to USB", "SRAM", "LPDDR2"};

}  // namespace

// Records in, the board out: which groups in which order, their counts and spot pins.
TEST(PlimmetDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    struct Case {
        const char* label;
        PLIMMET_CONFIG record;
        BoardFacts facts;
    };
    const Case cases[] = {
        {"default: all four digits", Record([](PLIMMET_CONFIG&) {}),
         {.connectors = kDefaultOrder,
          .counts = {{.name = "SEG7", .entries = 28}},
          .pins = {{"HEX2[0]", "AD7", DIRECTION_OUTPUT, LVTTL}, {"HEX3[6]", "AC22", DIRECTION_OUTPUT, LVTTL}}}},
        {"no group, no card", Record(NoGroup), {.connectors = Names{}}},
        {"an HSMC card brings the I2C pins", Record([](PLIMMET_CONFIG& c) { NoGroup(c); c.nHsmcDaughterId = DAUGHTER_Fermock; }),
         {.connectors = Names{kI2c, "HSMC"}}},
        {"clock chip's I2C alone", Record([](PLIMMET_CONFIG& c) { NoGroup(c); c.bSi5338I2c = 1; }),
         {.connectors = Names{kI2c}}},
        {"any non-zero byte ticks", Record([](PLIMMET_CONFIG& c) { NoGroup(c); c.bHdmiTx = 7; c.bXcvrSma = 0x80; }),
         {.connectors = Names{"HDMI-TX", kI2c, "SMA Transceiver x1"}}},
        {"a GPIO card takes HEX2 and HEX3", Record([](PLIMMET_CONFIG& c) { NoGroup(c); c.bSeg7 = 1; c.nGpioDaughterId = DAUGHTER_Garvet; }),
         {.connectors = Names{"SEG7", "GPIO"},
          .counts = {{.name = "SEG7", .entries = 14},
                     {.name = "GPIO", .entries = 40, .pins = 36, .description = "GPIO connect to " + BoardName(DAUGHTER_Garvet)}}}},
        {"everything", Record(Everything), FullFacts()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Plimmet(&board, c.record);
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(modeltest::FindPin(board, "HEX2[0]") != nullptr, c.record.bSeg7 && !c.record.nGpioDaughterId);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Plimmet);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CGXFC5C6F27C7");
        EXPECT_EQ(board.GetDevicePinCount(), 672);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "8_H6");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
    }
}

// No ball serves two signals: not the digits and the header they share, and not the two HSMC
// positions whose balls the board's data repeats (they stay without a location).
TEST(PlimmetDefinition, NoLocationOrNameIsUsedTwice)
{
    TMainBoard full;
    BuildMainBoard_Plimmet(&full, Record(Everything));
    EXPECT_EQ(modeltest::ExpectSoundModel(full, "everything"),
              5 + 18 + 5 + 10 + 14 + 29 + 4 + 6 + 2 + 4 + 6 + 2 + 39 + 61 + 36 + 96);

    TMainBoard fourDigits;
    BuildMainBoard_Plimmet(&fourDigits, Record([](PLIMMET_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT; }));
    modeltest::ExpectSoundModel(fourDigits, "four digits");
}

TEST(PlimmetDefinition, RecordOfAnotherBoardOrSizeIsAnInternalError)
{
    for (auto wrong : {+[](PLIMMET_CONFIG& c) { c.BoardId = MAINBOARD_Wistrell; }, +[](PLIMMET_CONFIG& c) { c.Size = 404; }}) {
        PLIMMET_CONFIG bad = Record(Everything);
        wrong(bad);
        TMainBoard board;
        EXPECT_THROW(BuildMainBoard_Plimmet(&board, bad), platform::InternalError);
    }
}

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using Case = modeltest::DefinitionCase<GORVATH_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8, V25 = 6;

void NoGroups(GORVATH_CONFIG& c) { std::memset(&c.bOSC, 0, offsetof(GORVATH_CONFIG, bLCD) + 1 - offsetof(GORVATH_CONFIG, bOSC)); }

const modeltest::DeviceFacts kDevice = {MAINBOARD_Gorvath, "Cyclone IV E", "EP4CE40F29C7", "FBGA", 780, 7};

const std::vector<std::string> kDefaultGroups = {
    "CLOCK", "SMA", "LED", "KEY", "SW", "SEG7", "RS232", "PS2 for Keyboard and Mouse", "SDCARD", "VGA", "Audio",
    "I2C for EEPROM", "I2C for Audio", "Gigabit Ethernet", "SDRAM", "SRAM", "Flash"};

}  // namespace

TEST(GorvathDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: sixteen groups in seventeen connectors, no LCD, no card", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = kDefaultGroups,
                    .counts = {{.name = "CLOCK", .entries = 3, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "SMA", .entries = 1}, {.name = "LED", .entries = 18},
                               {.name = "KEY", .entries = 4}, {.name = "SW", .entries = 10},
                               {.name = "SEG7", .entries = 32}, {.name = "RS232", .entries = 4},
                               {.name = "PS2 for Keyboard and Mouse", .entries = 4}, {.name = "SDCARD", .entries = 7},
                               {.name = "VGA", .entries = 35}, {.name = "Audio", .entries = 6},
                               {.name = "I2C for EEPROM", .entries = 2}, {.name = "I2C for Audio", .entries = 2},
                               {.name = "Gigabit Ethernet", .entries = 23}, {.name = "SDRAM", .entries = 39},
                               {.name = "SRAM", .entries = 41}, {.name = "Flash", .entries = 37}},
                    .pins = {{"CLOCK_50", "Y2", in, LVTTL, 1, 20},
                             {"CLOCK2_50", "AG14", in, LVTTL, 1, 20},
                             {"CLOCK_27", "AG15", in, LVTTL, 1, 37},
                             {"SMA_CLKIN", "AH14", in, LVTTL},
                             {"LEDR[9]", "G17", out, V25},
                             {"LEDG[7]", "G21", out, V25},
                             {"KEY[3]", "R24", in, V25},
                             {"SW[9]", "AB25", in, V25},
                             {"HEX0_DP", "AF12", out, V25},
                             {"HEX2_DP", "AC19", out, V25},
                             {"HEX3_DP", "M4", out, V25},
                             {"HEX3[6]", "Y19", out, V25},
                             {"UART_CTS", "G14", out, LVTTL},
                             {"UART_RTS", "J13", in, LVTTL},
                             {"PS2_MSCLK", "F5", inout, LVTTL},
                             {"VGA_R[0]", "", out, LVTTL},
                             {"VGA_B[1]", "", out, LVTTL},
                             {"VGA_G[2]", "G8", out, LVTTL},
                             {"VGA_B[9]", "D12", out, LVTTL},
                             {"EEP_I2C_CLK", "D14", out, LVTTL},
                             {"I2C_SDAT", "A8", inout, LVTTL},
                             {"NET_CLK_25", "A14", in, V25},
                             {"NET_LINK100", "C14", in, V25},
                             {"DRAM_DQM[1]", "W4", out, LVTTL},
                             {"DRAM_DQ[15]", "AC2", inout, LVTTL},
                             {"FL_DQ[7]", "AF12", inout, LVTTL},
                             {"FL_RESET_N", "AE11", out, LVTTL}},
                    // The data pins alternate TX and RX.
                    .positions = {{"Gigabit Ethernet", 2, "C25"}, {"Gigabit Ethernet", 3, "B23"},
                                  {"VGA", 6, ""}, {"VGA", 8, "E12"}}}},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"the optional LCD comes last of the groups", [](GORVATH_CONFIG& c) { c.bLCD = 1; },
         BoardFacts{.connectors = [] { auto n = kDefaultGroups; n.push_back("LCD"); return n; }(),
                    .counts = {{.name = "LCD", .entries = 13}},
                    .pins = {{"LCD_ON", "L5", out, LVTTL}}}},
        // "I2C for Audio" follows the codec alone, whatever the HSMC card.
        {"both cards, no audio",
         [](GORVATH_CONFIG& c) {
             NoGroups(c);
             c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
             c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
         },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO", "HSMC"},
                    .counts = {{.name = "GPIO", .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
                                .expansionId = EXPANSION_GPIO_0,
                                .description = "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT)},
                               {.name = "HSMC", .entries = 160, .pins = 82, .active = 82, .type = CONNECTOR_HSMC,
                                .expansionId = EXPANSION_HSMC_A,
                                .description = "HSMC connect to " + BoardName(DAUGHTER_HSMC_DEFAULT)}},
                    .positions = {{"GPIO", 13, "AC19", daughter, IOSTD_FROM_DAUGHTER}, {"GPIO", 11, std::nullopt},
                                  {"HSMC", 33, std::nullopt}, {"HSMC", 34, std::nullopt},
                                  {"HSMC", 40, "AH15", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC", 109, "P28", daughter}, {"HSMC", 160, std::nullopt}}}},
        {"the decimal point beside a GPIO card",
         [](GORVATH_CONFIG& c) { c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT; },
         BoardFacts{.pins = {{"HEX2_DP", "AC19", out, V25}}, .positions = {{"GPIO", 13, "AC19"}}}},
    };
    modeltest::ExpectDefinitionTable<GORVATH_CONFIG>(
        cases, [](TMainBoard& board, const GORVATH_CONFIG& record) { BuildMainBoard_Gorvath(&board, record); },
        {"AF12", "AC19"});
}

TEST(GorvathDefinition, WrongIdOrSizeIsAnInternalError)
{
    GORVATH_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Kavrin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Gorvath(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 411;
    EXPECT_THROW(BuildMainBoard_Gorvath(&board, record), platform::InternalError);
}

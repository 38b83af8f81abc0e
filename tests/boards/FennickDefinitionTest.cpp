#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/early/CONFIG_FENNICK.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<FENNICK_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;

const std::vector<std::string> kGroups = {"CLOCK", "Sma", "LED",   "KEY",    "SW",    "SEG7", "RS232",
                                          "PS2",   "VGA", "Audio", "SDCARD", "SDRAM", "SRAM", "Flash"};

void NoGroups(FENNICK_CONFIG& c)
{
    for (uint8_t* group : {&c.bOSC, &c.bLED, &c.bSeg7, &c.bButton, &c.bSwitch, &c.bPS2, &c.bSDCARD, &c.bVGA, &c.bSDRAM,
                           &c.bFlash, &c.bRS232, &c.bSRAM, &c.bSma, &c.bAudio})
        *group = 0;
}

ConnectorFacts Header(int h, uint8_t card)
{
    return {.name = "GPIO_" + std::to_string(h), .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
            .expansionId = EXPANSION_GPIO_0 + h,
            .description = "GPIO_" + std::to_string(h) + " connect to " + BoardName(card)};
}

std::vector<PositionFacts> Positions(const std::string& name, std::vector<std::pair<int, const char*>> pins,
                                     std::vector<int> empty)
{
    std::vector<PositionFacts> positions;
    for (auto [p, location] : pins) positions.push_back({name, p, location, daughter, IOSTD_FROM_DAUGHTER});
    for (int p : empty) positions.push_back({name, p, std::nullopt});
    return positions;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Fennick, "Cyclone II", "EP2C20F484C7", "FBGA", 484, 7};

}  // namespace

TEST(FennickDefinition, RecordsGiveTheirConnectors)
{
    std::vector<std::string> withJoined = kGroups;
    withJoined.push_back("GPIO_0_1");
    const Case cases[] = {
        {"defaults: every group in the board's order, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = kGroups,
             .counts = {{.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "Sma", .entries = 1}, {.name = "LED", .entries = 18}, {.name = "KEY", .entries = 4},
                        {.name = "SW", .entries = 10}, {.name = "SEG7", .entries = 28}, {.name = "RS232", .entries = 2},
                        {.name = "PS2", .entries = 2}, {.name = "VGA", .entries = 14}, {.name = "Audio", .entries = 8},
                        {.name = "SDCARD", .entries = 4}, {.name = "SDRAM", .entries = 38},
                        {.name = "SRAM", .entries = 39}, {.name = "Flash", .entries = 34, .active = 34}},
             .pins = {{"CLOCK_50", "L1", in, 8, 1, 20},
                      {"CLOCK_27[0]", "D12", in, 8, 1, 37},
                      {"CLOCK_27[1]", "E12", in, 8, 1, 37},
                      {"CLOCK_24[0]", "B12", in, 8, 1, 41},
                      {"CLOCK_24[1]", "A12", in, 8, 1, 41},
                      {"EXT_CLOCK", "M21", in, 8, 0, 0},
                      {"LEDR[0]", "R20", out, 8},
                      {"LEDR[9]", "R17", out, 8},
                      {"LEDG[0]", "U22", out, 8},
                      {"LEDG[7]", "Y21", out, 8},
                      {"KEY[3]", "T21", in, 8},
                      {"SW[9]", "L2", in, 8},
                      {"HEX0[0]", "J2", out, 8},
                      {"HEX3[6]", "D4", out, 8},
                      {"UART_TXD", "G12", out, 8},
                      {"UART_RXD", "F14", in, 8},
                      {"PS2_DAT", "J14", inout, 8},
                      {"VGA_B[3]", "B10", out, 8},
                      {"AUD_ADCLRCK", "A6", inout, 8},
                      {"AUD_ADCDAT", "B6", in, 8},
                      {"AUD_XCK", "B4", out, 8},
                      {"AUD_BCLK", "A4", inout, 8},
                      {"I2C_SCLK", "A3", out, 8},
                      {"I2C_SDAT", "B3", inout, 8},
                      {"SD_DAT", "W20", inout, 8},
                      {"SD_DAT3", "U20", inout, 8},
                      {"DRAM_ADDR[11]", "N6", out, 8},
                      {"DRAM_DQ[15]", "T2", inout, 8},
                      {"DRAM_UDQM", "M5", out, 8},
                      {"DRAM_CS_N", "T6", out, 8},
                      {"SRAM_ADDR[17]", "Y5", out, 8},
                      {"SRAM_DQ[15]", "U8", inout, 8},
                      {"SRAM_CE_N", "AB5", out, 8},
                      {"FL_ADDR[21]", "R13", out, 8},
                      {"FL_DQ[7]", "AA19", inout, 8},
                      {"FL_CE_N", "AB15", out, 8}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"the 80-pin card on both headers: one joined connector, after the groups",
         [](FENNICK_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
         },
         BoardFacts{.connectors = withJoined,
                    .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .active = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80,
                                .description = "GPIO_0_1 connect to " + BoardName(DAUGHTER_Kobbet_GPIO)}},
                    .positions = Positions("GPIO_0_1", {{1, "A13"}, {40, "L18"}, {41, "H12"}, {80, "P18"}},
                                           {11, 12, 29, 30, 51, 52, 69, 70})}},
        {"a 40-pin card on GPIO_1 only", [](FENNICK_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_1"}, .counts = {Header(1, DAUGHTER_Sollip)}}},
        {"two 40-pin cards",
         [](FENNICK_CONFIG& c) {
             NoGroups(c);
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Garvet;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip;
         },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0", "GPIO_1"},
                    .counts = {Header(0, DAUGHTER_Garvet), Header(1, DAUGHTER_Sollip)},
                    .positions = Positions("GPIO_1", {{1, "H12"}, {13, "C14"}, {40, "P18"}}, {11, 12, 29, 30})}},
    };
    modeltest::ExpectDefinitionTable<FENNICK_CONFIG>(
        cases, [](TMainBoard& board, const FENNICK_CONFIG& record) { BuildMainBoard_Fennick(&board, record); });
}

TEST(FennickDefinition, WrongIdOrSizeIsAnInternalError)
{
    FENNICK_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Harnix;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Fennick(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 404;
    EXPECT_THROW(BuildMainBoard_Fennick(&board, record), platform::InternalError);
}

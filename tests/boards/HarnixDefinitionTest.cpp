#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/early/CONFIG_HARNIX.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<HARNIX_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;

const std::vector<std::string> kGroups = {"CLOCK",  "LED", "BUTTON", "SW",  "SEG7",  "RS232",
                                          "PS2",    "SDCARD", "LCD", "VGA", "SDRAM", "Flash"};

void NoGroups(HARNIX_CONFIG& c)
{
    for (uint8_t* group : {&c.bOSC, &c.bLED, &c.bSeg7, &c.bButton, &c.bSwitch, &c.bPS2, &c.bSDCARD, &c.bVGA, &c.bLCD,
                           &c.bSDRAM, &c.bFlash, &c.bRS232})
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

std::vector<std::string> With(std::vector<std::string> names, std::initializer_list<const char*> more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Harnix, "Cyclone III", "EP3C16F484C6", "FBGA", 484, 6};

}  // namespace

TEST(HarnixDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: every group in the board's order, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = kGroups,
             .counts = {{.name = "CLOCK", .entries = 2, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "LED", .entries = 10}, {.name = "BUTTON", .entries = 3}, {.name = "SW", .entries = 10},
                        {.name = "SEG7", .entries = 32}, {.name = "RS232", .entries = 4}, {.name = "PS2", .entries = 4},
                        {.name = "SDCARD", .entries = 5}, {.name = "LCD", .entries = 12}, {.name = "VGA", .entries = 14},
                        {.name = "SDRAM", .entries = 39}, {.name = "Flash", .entries = 45, .active = 45}},
             .pins = {{"CLOCK_50", "G21", in, 8, 1, 20},
                      {"CLOCK_50_2", "B12", in, 8, 1, 20},
                      {"LED[9]", "B1", out, 8},
                      {"BUTTON[2]", "F1", in, 8},
                      {"SW[0]", "J6", in, 8},
                      {"HEX0_DP", "D13", out, 8},
                      {"HEX3_DP", "G16", out, 8},
                      {"HEX0_D[0]", "E11", out, 8},
                      {"HEX3_D[6]", "G15", out, 8},
                      {"UART_CTS", "V21", out, 8},
                      {"UART_RTS", "V22", in, 8},
                      {"PS2_MSCLK", "R21", inout, 8},
                      {"SD_WPn", "W20", in, 8},
                      {"SD_DAT3", "W21", inout, 8},
                      {"LCD_DATA[7]", "C20", inout, 8},
                      {"LCD_RS", "F22", out, 8},
                      {"VGA_VS", "L22", out, 8},
                      {"VGA_B[0]", "K22", out, 8},
                      {"DRAM_CS_N", "G7", out, 8},
                      {"DRAM_DQ[15]", "F10", inout, 8},
                      {"DRAM_ADDR[12]", "C8", out, 8},
                      {"FLASH_ADDR[21]", "R2", out, 8},
                      {"FLASH_DQ[4]", "v2", inout, 8},
                      {"FLASH_DQ[14]", "W2", inout, 8},
                      {"FLASH_DQ15_AM1", "Y2", out, 8},
                      {"FLASH_WP_N", "T3", out, 8}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"the 80-pin card on both headers: one joined connector, after the groups",
         [](HARNIX_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
         },
         BoardFacts{.connectors = With(kGroups, {"GPIO_0_1"}),
                    .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .active = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80,
                                .description = "GPIO_0_1 connect to " + BoardName(DAUGHTER_Kobbet_GPIO)}},
                    .positions = Positions("GPIO_0_1", {{1, "AB12"}, {40, "U7"}, {41, "AB11"}, {80, "V7"}},
                                           {11, 12, 29, 30, 51, 52, 69, 70})}},
        {"a 40-pin card on GPIO_1 only", [](HARNIX_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_1"},
                    .counts = {Header(1, DAUGHTER_Sollip)},
                    .positions = Positions("GPIO_1", {{1, "AB11"}, {20, "AB9"}, {40, "V7"}}, {11, 12, 29, 30})}},
        // The rule looks at header 0 only.
        {"two 40-pin cards, or the 80-pin card on GPIO_1 alone",
         [](HARNIX_CONFIG& c) {
             NoGroups(c);
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Garvet;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
         },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0", "GPIO_1"},
                    .counts = {Header(0, DAUGHTER_Garvet), Header(1, DAUGHTER_Kobbet_GPIO)},
                    .positions = Positions("GPIO_0", {{1, "AB12"}, {13, "AB10"}, {40, "U7"}}, {11, 12, 29, 30})}},
    };
    modeltest::ExpectDefinitionTable<HARNIX_CONFIG>(
        cases, [](TMainBoard& board, const HARNIX_CONFIG& record) { BuildMainBoard_Harnix(&board, record); });
}

// A record as a file may hold it is paired with GPIO-0 leading before the cards are put on:
// the 80-pin card on GPIO-0 alone spans both headers under GPIO-0's prefix, and on GPIO-1
// alone it is dropped. "GPIO Default" keeps its fixed names on this board.
TEST(HarnixDefinition, ProjectBoardPairsTheHeadersOfAFileRecord)
{
    struct Case {
        const char* label;
        uint8_t card0, card1;
        std::vector<std::string> connectors;
        std::vector<modeltest::PinFacts> pins;
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone", DAUGHTER_Kobbet_GPIO, 0, {"GPIO_0_1"},
         {{"A_ADC_OTR_A", "AB12"}, {"A_DAC_MODE", "V7"}}},
        {"80-pin card on GPIO-1 beside a 40-pin card", DAUGHTER_GPIO_DEFAULT, DAUGHTER_Kobbet_GPIO, {"GPIO_0"},
         {{"A_GPIO_CLKIN[0]", "AB12", in}, {"A_GPIO_D[0]", "AB16", inout}, {"A_GPIO_CLKOUT[1]", "AA3", out}}},
        {"80-pin card on GPIO-1 alone", 0, DAUGHTER_Kobbet_GPIO, {}, {}},
        {"two cards", DAUGHTER_GPIO_DEFAULT, DAUGHTER_GPIO_DEFAULT, {"GPIO_0", "GPIO_1"},
         {{"A_GPIO_D[31]", "U7"}, {"B_GPIO_CLKIN[0]", "AB11"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        HARNIX_CONFIG record;
        DefaultConfig(record);
        NoGroups(record);
        record.nGpioDaughterId[GPIO_0] = c.card0;
        record.nGpioDaughterId[GPIO_1] = c.card1;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        const HARNIX_CONFIG before = record;
        TMainBoard board;
        BuildHarnixProjectBoard(board, record);
        modeltest::ExpectBoard(board, BoardFacts{.connectors = c.connectors, .pins = c.pins});
        modeltest::ExpectSoundModel(board);
        EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
    }
}

TEST(HarnixDefinition, WrongIdOrSizeIsAnInternalError)
{
    HARNIX_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Fennick;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Harnix(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 404;
    EXPECT_THROW(BuildMainBoard_Harnix(&board, record), platform::InternalError);
}

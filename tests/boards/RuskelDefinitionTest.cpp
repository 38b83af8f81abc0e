#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_RUSKEL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<RUSKEL_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;

void NoGroups(RUSKEL_CONFIG& c)
{
    for (uint8_t* group : {&c.bOSC, &c.bLED, &c.bButton, &c.bSwitch, &c.bSDRAM, &c.bADC, &c.bAccelerometer, &c.bEEPROM,
                           &c.bEPCS, &c.bHeader})
        *group = 0;
}

// A header's 40 positions: 36 pins, the four without an FPGA pin empty.
ConnectorFacts Header(int h, const char* card)
{
    return {.name = "GPIO_" + std::to_string(h), .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
            .expansionId = EXPANSION_GPIO_0 + h, .description = "GPIO_" + std::to_string(h) + " connect to " + card};
}

std::vector<PositionFacts> HeaderPositions(const std::string& name, const char* p1, const char* p2, const char* p3,
                                           const char* p40)
{
    std::vector<PositionFacts> positions = {
        {name, 1, p1, in, IOSTD_FROM_DAUGHTER}, {name, 2, p2, daughter, IOSTD_FROM_DAUGHTER},
        {name, 3, p3, in, IOSTD_FROM_DAUGHTER}, {name, 40, p40, daughter, IOSTD_FROM_DAUGHTER},
    };
    for (int p : {11, 12, 29, 30}) positions.push_back({name, p, std::nullopt});
    return positions;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Ruskel, "Cyclone IV E", "EP4CE22F17C6", "FBGA", 256, 6};

}  // namespace

TEST(RuskelDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: every group, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = std::vector<std::string>{"CLOCK", "LED", "KEY", "SW", "SDRAM", "EPCS", "Accelerometer and EEPROM",
                                                    "ADC", "2x13 GPIO Header"},
             .counts = {{.name = "CLOCK", .entries = 1, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "LED", .entries = 8}, {.name = "KEY", .entries = 2}, {.name = "SW", .entries = 4},
                        {.name = "SDRAM", .entries = 39}, {.name = "EPCS", .entries = 4},
                        {.name = "Accelerometer and EEPROM", .entries = 4}, {.name = "ADC", .entries = 4},
                        {.name = "2x13 GPIO Header", .entries = 16, .active = 16}},
             .pins = {{"CLOCK_50", "R8", in, 8, 1, 20},
                      {"LED[0]", "A15", out, 8},
                      {"LED[7]", "L3", out, 8},
                      {"KEY[1]", "E1", in, 8},
                      {"SW[3]", "M15", in, 8},
                      {"DRAM_BA[0]", "M7", out, 8},
                      {"DRAM_DQM[1]", "T5", out, 8},
                      {"DRAM_CS_N", "P6", out, 8},
                      {"DRAM_DQ[0]", "G2", inout, 8},
                      {"DRAM_DQ[15]", "K1", inout, 8},
                      {"DRAM_ADDR[12]", "L4", out, 8},
                      {"EPCS_DATA0", "H2", in, 8},
                      {"EPCS_ASDO", "C1", out, 8},
                      {"I2C_SCLK", "F2", out, 8},
                      {"I2C_SDAT", "F1", inout, 8},
                      {"G_SENSOR_CS_N", "G5", out, 8},
                      {"G_SENSOR_INT", "M2", in, 8},
                      {"ADC_SCLK", "B14", out, 8},
                      {"ADC_SDAT", "A9", in, 8},
                      {"GPIO_2[12]", "G15", inout, 8},
                      {"GPIO_2_IN[0]", "E15", in, 8},
                      {"GPIO_2_IN[2]", "M16", in, 8}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"accelerometer alone", [](RUSKEL_CONFIG& c) { NoGroups(c); c.bAccelerometer = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Accelerometer"},
                    .counts = {{.name = "Accelerometer", .entries = 4}},
                    .pins = {{"I2C_SCLK", "F2"}, {"G_SENSOR_INT", "M2"}}}},
        {"EEPROM alone", [](RUSKEL_CONFIG& c) { NoGroups(c); c.bEEPROM = 9; },
         BoardFacts{.connectors = std::vector<std::string>{"EEPROM"}, .counts = {{.name = "EEPROM", .entries = 2}}}},
        {"a card on header 1 only", [](RUSKEL_CONFIG& c) { NoGroups(c); c.bOSC = 1; c.nGpioDaughterId[GPIO_1] = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "GPIO_1"},
                    .counts = {Header(1, "GPIO Default")},
                    .positions = HeaderPositions("GPIO_1", "T9", "F13", "R9", "J14")}},
        {"cards on both headers, after the groups",
         [](RUSKEL_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Sollip;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
         },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "LED", "KEY", "SW", "SDRAM", "EPCS",
                                                           "Accelerometer and EEPROM", "ADC", "2x13 GPIO Header",
                                                           "GPIO_0", "GPIO_1"},
                    .counts = {Header(0, BoardName(DAUGHTER_Sollip).c_str()), Header(1, BoardName(DAUGHTER_Tesvik).c_str())},
                    .positions = HeaderPositions("GPIO_0", "A8", "D3", "B8", "B12")}},
        // No 80-pin rule here: a file's 80-pin card still gives two 40-pin headers.
        {"an 80-pin card from a file", [](RUSKEL_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0"},
                    .counts = {Header(0, BoardName(DAUGHTER_Kobbet_GPIO).c_str())}}},
    };
    modeltest::ExpectDefinitionTable<RUSKEL_CONFIG>(
        cases, [](TMainBoard& board, const RUSKEL_CONFIG& record) { BuildMainBoard_Ruskel(&board, record); });
}

// A card's direction reaches every header pin but the two input-only positions.
TEST(RuskelDefinition, InputOnlyPositionsStayInputsUnderACard)
{
    RUSKEL_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Tesvik;  // PMW[0..2] on positions 1-3, all inout
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
    TMainBoard board;
    BuildRuskelProjectBoard(board, record);
    BoardFacts facts;
    facts.pins = {{"A_PMW[0]", "A8", in}, {"A_PMW[1]", "D3", inout}, {"A_PMW[2]", "B8", in},
                  {"B_PMW[0]", "T9", in}, {"B_PMW[1]", "F13", inout}, {"B_PMW[2]", "R9", in}};
    modeltest::ExpectBoard(board, facts);
}

TEST(RuskelDefinition, WrongIdOrSizeIsAnInternalError)
{
    RUSKEL_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Tiverne;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Ruskel(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 403;
    EXPECT_THROW(BuildMainBoard_Ruskel(&board, record), platform::InternalError);
}

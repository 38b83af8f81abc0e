#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "ModelQuery.h"
#include "boards/early/CONFIG_ORLENN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::DeviceFacts;
using Case = modeltest::DefinitionCase<ORLENN_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8;

const std::vector<std::string> kGroups = {"CLOCK",       "LED",  "BUTTON",  "SWITCH", "DIP SWITCH",
                                          "Temperature", "SEG7", "USB OTG", "SDCARD"};

DeviceFacts Device(const char* device, int speedGrade)
{
    return {MAINBOARD_Orlenn, "Stratix III", device, "FBGA", 1152, speedGrade};
}

void NoGroups(ORLENN_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(ORLENN_CONFIG, bTemp) + 1 - offsetof(ORLENN_CONFIG, bOSC));
}

ConnectorFacts Kelpin(char port, uint8_t card, int pins)
{
    const std::string name = std::string("Kelpin-") + port;
    return {.name = name, .entries = 180, .pins = pins, .active = pins, .type = CONNECTOR_Kelpin,
            .expansionId = EXPANSION_Kelpin_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

ConnectorFacts Header(const char* name, int expansionId, uint8_t card, int entries, uint8_t type)
{
    return {.name = name, .entries = entries, .pins = entries * 36 / 40, .active = entries * 36 / 40, .type = type,
            .expansionId = expansionId, .description = std::string(name) + " connect to " + BoardName(card)};
}

}  // namespace

TEST(OrlennDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: the nine groups in the board's order", nullptr,
         BoardFacts{.device = Device("EP3SL150F1152C3", 3),
                    .connectors = kGroups,
                    .counts = {{.name = "CLOCK", .entries = 8, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "LED", .entries = 24},
                               {.name = "BUTTON", .entries = 4},
                               {.name = "SWITCH", .entries = 4},
                               {.name = "DIP SWITCH", .entries = 8},
                               {.name = "Temperature", .entries = 3},
                               {.name = "SEG7", .entries = 16},
                               {.name = "USB OTG", .entries = 59},
                               {.name = "SDCARD", .entries = 5}},
                    .pins = {{"OSC1_50", "T33", in, LVTTL, 1, 20},
                             {"OSC_BD", "B19", in, LVTTL, 1, 20},
                             {"EXT_CLK_OUT", "V10", out, LVTTL, 0},
                             {"EXT_CLK_IN", "U2", in, LVTTL, 0},
                             {"LEDR[0]", "AD1", out},
                             {"LEDG[7]", "Y4", out},
                             {"LEDB[7]", "Y10", out},
                             {"BUTTON[3]", "M3", in},
                             {"SW[3]", "W11", in},
                             {"DIP_SW[7]", "T1", in},
                             {"TEMP_DATA", "P1", inout},
                             {"TEMP_INTn", "N2", in},
                             {"HEX0_DP", "W12", out},
                             {"HEX1_DP", "P3", out},
                             {"HEX1_D[6]", "V4", out},
                             {"OTG_D[31]", "AA29", inout},
                             {"OTG_A[1]", "N32", out},
                             {"OTG_A[17]", "R31", out},
                             {"OTG_DC_IRQ", "R27", in},
                             {"OTG_DC_DACK", "R24", out},
                             {"SD_WPn", "N5", in},
                             {"SD_DAT3", "R9", inout, LVTTL}}}},
        {"board type 3", [](ORLENN_CONFIG& c) { NoGroups(c); c.nBoardType = 3; },
         BoardFacts{.device = Device("EP3SL340H1152C3", 3), .connectors = std::vector<std::string>{}}},
        {"board type 1", [](ORLENN_CONFIG& c) { NoGroups(c); c.nBoardType = 1; },
         BoardFacts{.device = Device("EP3SE260F1152C2", 2)}},
        {"board type 2", [](ORLENN_CONFIG& c) { NoGroups(c); c.nBoardType = 2; },
         BoardFacts{.device = Device("EP3SL340H1152C2", 2)}},
        {"board type 4: the device of type 0", [](ORLENN_CONFIG& c) { NoGroups(c); c.nBoardType = 4; },
         BoardFacts{.device = Device("EP3SL150F1152C3", 3)}},
        // A type no list entry has, as a file may hold it, is the default type: never no device.
        {"board type 5", [](ORLENN_CONFIG& c) { c.nBoardType = 5; },
         BoardFacts{.device = Device("EP3SL150F1152C3", 3), .connectors = kGroups}},
        {"board type 255", [](ORLENN_CONFIG& c) { NoGroups(c); c.nBoardType = 255; },
         BoardFacts{.device = Device("EP3SL150F1152C3", 3)}},
        {"GPIO headers without cards: neither they nor Kelpin-A",
         [](ORLENN_CONFIG& c) {
             NoGroups(c);
             c.bGPIO = 1;
             c.nKelpinDaughterId[0] = DAUGHTER_Kelpin_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{}}},
        {"the DDR2 socket in place of Kelpin-B",
         [](ORLENN_CONFIG& c) {
             NoGroups(c);
             c.bDDR2 = 1;
             c.nKelpinDaughterId[1] = DAUGHTER_Kelpin_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{"DDR2 SODIMM"},
                    .counts = {{.name = "DDR2 SODIMM", .entries = 200, .pins = 121, .active = 121,
                                .type = CONNECTOR_DDR2_SODIMM, .expansionId = EXPANSION_DDR2_SODIMM,
                                .description = "DDR2 SODIMM"}},
                    .positions = {{"DDR2 SODIMM", 1, std::nullopt},
                                  {"DDR2 SODIMM", 4, "AE7", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR2 SODIMM", 101, "AD12"},
                                  {"DDR2 SODIMM", 198, std::nullopt},
                                  {"DDR2 SODIMM", 199, "U6"},
                                  {"DDR2 SODIMM", 200, "U7"}}}},
        {"the 80-pin card on both headers: one joined connector",
         [](ORLENN_CONFIG& c) {
             NoGroups(c);
             c.bGPIO = 1;
             c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
         },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0_1"},
                    .counts = {Header("GPIO_0_1", EXPANSION_GPIO_80, DAUGHTER_Kobbet_GPIO, 80, CONNECTOR_GPIO80)},
                    .positions = {{"GPIO_0_1", 1, "AE32", daughter, IOSTD_FROM_DAUGHTER},
                                  {"GPIO_0_1", 11, std::nullopt},
                                  {"GPIO_0_1", 41, "AP19"},
                                  {"GPIO_0_1", 70, std::nullopt},
                                  {"GPIO_0_1", 80, "AE21"}}}},
        {"two 40-pin cards, groups first, Kelpin-A replaced",
         [](ORLENN_CONFIG& c) {
             c.bGPIO = 1;
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip;
             c.nKelpinDaughterId[0] = DAUGHTER_Cobrel;
             c.nKelpinDaughterId[3] = DAUGHTER_Fobbin;
         },
         BoardFacts{.connectors = [] {
                        std::vector<std::string> names = kGroups;
                        names.insert(names.end(), {"GPIO_0", "GPIO_1", "Kelpin-D"});
                        return names;
                    }(),
                    .counts = {Header("GPIO_0", EXPANSION_GPIO_0, DAUGHTER_GPIO_DEFAULT, 40, CONNECTOR_GPIO40),
                               Header("GPIO_1", EXPANSION_GPIO_1, DAUGHTER_Sollip, 40, CONNECTOR_GPIO40),
                               Kelpin('D', DAUGHTER_Fobbin, 130)},
                    .positions = {{"GPIO_1", 40, "AE21"}, {"Kelpin-D", 180, "E19"}, {"Kelpin-D", 91, std::nullopt}}}},
        {"every Kelpin connector",
         [](ORLENN_CONFIG& c) {
             NoGroups(c);
             c.nKelpinDaughterId[0] = DAUGHTER_Kelpin_Brasket;
             c.nKelpinDaughterId[1] = DAUGHTER_Wyrsel;
             c.nKelpinDaughterId[2] = DAUGHTER_Kelpin_DEFAULT;
             c.nKelpinDaughterId[3] = DAUGHTER_Kelpin_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Kelpin-A", "Kelpin-B", "Kelpin-C", "Kelpin-D"},
                    .counts = {Kelpin('A', DAUGHTER_Kelpin_Brasket, 130), Kelpin('B', DAUGHTER_Wyrsel, 132),
                               Kelpin('C', DAUGHTER_Kelpin_DEFAULT, 132), Kelpin('D', DAUGHTER_Kelpin_LOOPBACK, 130)},
                    .positions = {{"Kelpin-A", 3, "AE19", daughter, IOSTD_FROM_DAUGHTER},
                                  {"Kelpin-A", 123, "AA24"},
                                  {"Kelpin-A", 125, std::nullopt},
                                  {"Kelpin-A", 180, "AF19"},
                                  {"Kelpin-B", 131, "T9"},
                                  {"Kelpin-C", 1, std::nullopt},
                                  {"Kelpin-C", 131, "T5"},
                                  {"Kelpin-D", 121, std::nullopt},
                                  {"Kelpin-D", 133, "R30"}}}},
    };
    modeltest::ExpectDefinitionTable<ORLENN_CONFIG>(
        cases, [](TMainBoard& board, const ORLENN_CONFIG& record) { BuildMainBoard_Orlenn(&board, record); });
}

TEST(OrlennDefinition, WrongIdOrSizeIsAnInternalError)
{
    ORLENN_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Corbanth;  // a record of the same size
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Orlenn(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 920;
    EXPECT_THROW(BuildMainBoard_Orlenn(&board, record), platform::InternalError);
}

// The cards go on as the form puts them, from the record as the form shows it: the DDR2
// module with differential strobes under "mem_", the headers paired, and nothing for cards a
// list does not offer, replaced connectors or headers that are not ticked.
TEST(OrlennDefinition, ProjectBoardTakesTheRecordAsTheFormShowsIt)
{
    ORLENN_CONFIG record;
    DefaultConfig(record);
    NoGroups(record);
    record.bDDR2 = 1;
    record.nKelpinDaughterId[1] = DAUGHTER_Kelpin_LOOPBACK;  // replaced by the socket
    record.nKelpinDaughterId[2] = DAUGHTER_HSMC_DEFAULT;     // in no Kelpin list
    record.nKelpinDaughterId[3] = DAUGHTER_Cobrel;
    WriteRecordText(record.szKelpinPrefixName[3], "D_");
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Sollip;  // headers not ticked
    TMainBoard board;
    BuildOrlennProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), (std::vector<std::string>{"DDR2 SODIMM", "Kelpin-D"}));
    BoardFacts facts;
    facts.pins = {{"mem_dqs_n[0]", "AJ3", inout, 16}, {"mem_SA[1]", "U7", out, LVTTL}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(modeltest::FindPin(board, "mem_SDA"), nullptr);  // on a position the socket does not wire
    EXPECT_GT(modeltest::FindConnector(board, "Kelpin-D")->GetActivePinCount(), 0);

    // An 80-pin card on GPIO-1 beside anything else is taken off, as the form takes it off
    // with GPIO-0 leading; on both headers, GPIO-0's prefix stands.
    DefaultConfig(record);
    NoGroups(record);
    record.bGPIO = 1;
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "K1_");
    record.nKelpinDaughterId[0] = DAUGHTER_Kelpin_LOOPBACK;
    BuildOrlennProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), std::vector<std::string>{});
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], "G_");
    BuildOrlennProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), std::vector<std::string>{"GPIO_0"});
    EXPECT_EQ(modeltest::FindPin(board, "K1_ADC_OTR_A"), nullptr);
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], "K_");
    BuildOrlennProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), std::vector<std::string>{"GPIO_0_1"});
    EXPECT_NE(modeltest::FindPin(board, "K_ADC_OTR_A"), nullptr);
}

#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_LOTHVAR.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using Case = modeltest::DefinitionCase<LOTHVAR_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V18 = 3;
constexpr int V25 = 6;
constexpr int LVPECL = 20;
constexpr int LVDS = 21;
constexpr int PCML15 = 36;
constexpr int HCSL = 37;

const modeltest::DeviceFacts kDevice = {MAINBOARD_Lothvar, "Arria II GX", "EP2AGX125EF35C4ES", "FBGA", 1152, 4};
const std::vector<std::string> kGroups = {"CLOCK", "LED", "BUTTON and CPU Reset", "DIP", "LCD"};

void NoGroups(LOTHVAR_CONFIG& c)
{
    for (uint8_t* group : {&c.bLCD, &c.bOSC, &c.bLED, &c.bButton, &c.bDIP, &c.bEthernet}) *group = 0;
}

ConnectorFacts Hsmc(char port, uint8_t card, int pins)
{
    const std::string name = std::string("HSMC-") + port;
    return {.name = name, .entries = 160, .pins = pins, .active = pins, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

}  // namespace

TEST(LothvarDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: five groups in the board's order, no port-B extras", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = kGroups,
                    .counts = {{.name = "CLOCK", .entries = 6, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "LED", .entries = 6},
                               {.name = "BUTTON and CPU Reset", .entries = 3},
                               {.name = "DIP", .entries = 4},
                               {.name = "LCD", .entries = 11}},
                    .pins = {{"CLK_155_P", "R29", in, LVPECL, 1, 6},
                             {"CLKIN_BOT_P", "AJ19", in, LVDS, 0},
                             {"CLKIN_REF_Q1_2_P", "W29", in, LVDS, 0},
                             {"USER_LED[0]", "G1", out, V25},
                             {"USER_LED[3]", "R5", out, V25},
                             {"HSMA_TX_LED", "C29", out, V25},
                             {"HSMA_RX_LED", "N5", out, V25},
                             {"USER_PB[1]", "AL7", in, V18},
                             {"CPU_RESET", "N10", in, V25},
                             {"USER_DIP[3]", "U4", in, V25},
                             {"LCD_DATA[7]", "C1", inout, V25},
                             {"LCD_WEn", "H1", out, V25},
                             {"LCD_D_Cn", "J1", out, V25}}}},
        {"no byte ticked: device data only", [](LOTHVAR_CONFIG& c) { NoGroups(c); },
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"port B's extras join the clock and the LEDs", [](LOTHVAR_CONFIG& c) { c.bPortBExtras = 1; },
         BoardFacts{.connectors = kGroups,
                    .counts = {{.name = "CLOCK", .entries = 7}, {.name = "LED", .entries = 8}},
                    .pins = {{"CLKIN_REF_Q3_P", "N29", in, LVDS, 0},
                             {"HSMB_TX_LED", "AE24", out, V25},
                             {"HSMB_RX_LED", "AE23", out, V25}}}},
        {"port B's extras alone add nothing",
         [](LOTHVAR_CONFIG& c) {
             NoGroups(c);
             c.bPortBExtras = 1;
         },
         BoardFacts{.connectors = std::vector<std::string>{}}},
        {"DDR3 and Ethernet are stored only",
         [](LOTHVAR_CONFIG& c) {
             NoGroups(c);
             c.bDDR3 = c.bEthernet = 1;
         },
         BoardFacts{.connectors = std::vector<std::string>{}}},
        {"PCIe x 8", [](LOTHVAR_CONFIG& c) { NoGroups(c); c.bPciBus = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"PCIe x 8"},
                    .counts = {{.name = "PCIe x 8", .entries = 25}},
                    .pins = {{"PCIE_RX_p[0]", "AN33", in, PCML15},
                             {"PCIE_TX_p[0]", "AM31", out, PCML15},
                             {"PCIE_RX_p[7]", "W33", in, PCML15},
                             {"PCIE_TX_p[7]", "V31", out, PCML15},
                             {"PCIE_REFCLK_n", "AE30", in, HCSL},
                             {"PCIE_PREST_n", "N1", in, V25},
                             {"PCIE_WAKE_n", "C30", out, V25},
                             {"PCIE_SMBDAT", "D27", in, V25},
                             {"PCIE_LED_X8", "C27", out, V25}}}},
        {"the DDR2 socket's table as given: 112 positions wired",
         [](LOTHVAR_CONFIG& c) {
             NoGroups(c);
             c.bDDR2 = 1;
         },
         BoardFacts{.connectors = std::vector<std::string>{"DDR2 SODIMM"},
                    .counts = {{.name = "DDR2 SODIMM", .entries = 200, .pins = 112, .active = 112,
                                .type = CONNECTOR_DDR2_SODIMM, .expansionId = EXPANSION_DDR2_SODIMM,
                                .description = "DDR2 SODIMM"}},
                    .positions = {{"DDR2 SODIMM", 4, "B7", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR2 SODIMM", 11, std::nullopt},
                                  {"DDR2 SODIMM", 194, "AH25"}}}},
        {"a card on port B only",
         [](LOTHVAR_CONFIG& c) {
             NoGroups(c);
             c.nHsmcDaughterId[1] = DAUGHTER_HSMC_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{"HSMC-B"},
                    .counts = {Hsmc('B', DAUGHTER_HSMC_LOOPBACK, 99)},
                    .positions = {{"HSMC-B", 16, std::nullopt},
                                  {"HSMC-B", 17, "B31", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 159, std::nullopt},
                                  {"HSMC-B", 160, "AG28"}}}},
        {"both ports after the groups, each named after its own card",
         [](LOTHVAR_CONFIG& c) {
             c.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
             c.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEBUG;
         },
         BoardFacts{.connectors = [] {
                        std::vector<std::string> names = kGroups;
                        names.insert(names.end(), {"HSMC-A", "HSMC-B"});
                        return names;
                    }(),
                    .counts = {Hsmc('A', DAUGHTER_HSMC_DEFAULT, 101), Hsmc('B', DAUGHTER_HSMC_DEBUG, 99)},
                    .positions = {{"HSMC-A", 33, "R1"}, {"HSMC-A", 40, "AP17"}, {"HSMC-A", 160, "U3"}}}},
    };
    modeltest::ExpectDefinitionTable<LOTHVAR_CONFIG>(
        cases, [](TMainBoard& board, const LOTHVAR_CONFIG& record) { BuildMainBoard_Lothvar(&board, record); });
}

TEST(LothvarDefinition, WrongIdOrSizeIsAnInternalError)
{
    LOTHVAR_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Wembrel;  // a record of the same size
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Lothvar(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 408;
    EXPECT_THROW(BuildMainBoard_Lothvar(&board, record), platform::InternalError);
}

// The DDR2 module fills the socket's table with its differential strobes, whose negative
// halves, SDA, SCL and SA fall on positions the table leaves empty; but the table is not this
// board's (port B and HSMB_TX_LED use five of its balls), so no project is made from it.
TEST(LothvarDefinition, NoProjectFromTheDdr2Table)
{
    LOTHVAR_CONFIG record;
    DefaultConfig(record);
    record.bDDR2 = 1;
    record.bPortBExtras = 1;
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_LOOPBACK;
    TMainBoard board;
    BuildLothvarProjectBoard(board, record);
    const TConnector* socket = modeltest::FindConnector(board, "DDR2 SODIMM");
    ASSERT_NE(socket, nullptr);
    EXPECT_EQ(socket->GetActivePinCount(), 112);
    EXPECT_EQ(modeltest::FindPin(board, "mem_dqs_n[0]"), nullptr);
    EXPECT_EQ(modeltest::FindPin(board, "mem_SDA"), nullptr);
    for (const char* ball : {"C6", "AF24", "AF25", "AE21", "AE24"}) EXPECT_TRUE(board.IsLocationUsed(ball)) << ball;

    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    EXPECT_FALSE(GenerateLothvarProject(record, dir.Path() + "Lothvar.qpf"));
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Lothvar.qpf"));
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Lothvar.qsf"));
}

// Each port's card goes on under its own prefix, or under its own names without one; a card
// the list does not offer is none.
TEST(LothvarDefinition, ProjectBoardAttachesEachPortsCard)
{
    LOTHVAR_CONFIG record;
    DefaultConfig(record);
    NoGroups(record);
    record.nHsmcDaughterId[0] = DAUGHTER_Kobbet_GPIO;  // a GPIO card: in no HSMC list
    WriteRecordText(record.szHSMCPrefixName[0], "LOST_");
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    TMainBoard board;
    BuildLothvarProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), std::vector<std::string>{"HSMC-B"});
    EXPECT_NE(modeltest::FindPin(board, "CLKIN0"), nullptr);

    WriteRecordText(record.szHSMCPrefixName[1], "B_");
    BuildLothvarProjectBoard(board, record);
    EXPECT_EQ(modeltest::FindPin(board, "CLKIN0"), nullptr);
    EXPECT_NE(modeltest::FindPin(board, "B_CLKIN0"), nullptr);
}

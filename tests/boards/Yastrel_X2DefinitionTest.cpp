#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X2.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Node = YASTREL_X2_NODE_CONFIG;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V25 = 6;
constexpr int LVTTL = 8;
constexpr int DIFF_SSTL15 = 12;
constexpr int LVDS = 21;
constexpr int SSTL15 = 29;
constexpr int PCML14 = 35;
constexpr int HCSL = 37;

const char* const kBus = "Flash and SRAM Address/Data Share Bus";
const char* const kAllI2c = "LCD+Temperatur+EEPROM I2C Shared Bus";

// Where the board's data puts several pins: the shared I2C bus with the LCD's power pins and
// the bridge's fourth lane on P4, the temperature alert and the bridge's fifth lane on N2.
const std::vector<std::string> kSharedLocations = {"P4", "N2"};

const std::vector<std::string> kDefaultGroups = {"CLOCK",
                                                 "SMA",
                                                 "LED x 8",
                                                 "BUTTON x 8",
                                                 "SWITCH x 8",
                                                 "Temperature",
                                                 "Fan",
                                                 "16x2 Character LCD",
                                                 kAllI2c,
                                                 "High-Speed USB-FIFO",
                                                 "SDCARD",
                                                 "Ethernet x 4",
                                                 kBus,
                                                 "Flash Control",
                                                 "SSRAM Control"};

const modeltest::DeviceFacts k230 = {MAINBOARD_Yastrel_X2, "Stratix IV", "EP4SGX230KF40C2", "FBGA", 1517, 2};

void NoGroups(Node& n) { std::memset(&n.bOSC, 0, offsetof(Node, nHsmcDaughterId) - offsetof(Node, bOSC)); }

// One row: a change to the default record, the node built and what it shows.
struct NodeCase {
    std::string label;
    std::function<void(YASTREL_X2_CONFIG&)> edit;
    int node;
    BoardFacts facts;
};

ConnectorFacts Hsmc(char port, int pins, uint8_t card)
{
    const std::string name = std::string("HSMC-") + port;
    return {.name = name, .entries = 160, .pins = pins, .active = pins, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

}  // namespace

TEST(Yastrel_X2Definition, NodesGiveTheirConnectors)
{
    const NodeCase cases[] = {
        {"defaults, node 0", nullptr, 0,
         BoardFacts{.device = k230,
                    .connectors = kDefaultGroups,
                    .counts = {{.name = "CLOCK", .entries = 7, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "SMA", .entries = 8},
                               {.name = "LED x 8", .entries = 8},
                               {.name = "BUTTON x 8", .entries = 8},
                               {.name = "SWITCH x 8", .entries = 8},
                               {.name = "Temperature", .entries = 3},
                               {.name = "Fan", .entries = 1},
                               {.name = "16x2 Character LCD", .entries = 2},
                               {.name = kAllI2c, .entries = 2},
                               {.name = "High-Speed USB-FIFO", .entries = 16, .active = 16},
                               {.name = "SDCARD", .entries = 7},
                               {.name = "Ethernet x 4", .entries = 20},
                               {.name = kBus, .entries = 41},
                               {.name = "Flash Control", .entries = 7},
                               {.name = "SSRAM Control", .entries = 8}},
                    .pins = {{"OSC_B[2]", "AC35", in, LVTTL, 1, 20},
                             {"OSC_B[7]", "A19", in, LVTTL, 1, 20},
                             {"CPU_RESET_n", "V34", in, LVTTL, 0},
                             {"SMA_CLKOUT_n", "L20", out, LVDS},
                             {"SMA_GXBCLK_n[1]", "W1", in, LVDS},
                             {"LED[7]", "AB10", out, LVTTL},
                             {"BUTTON[7]", "K7", in, LVTTL},
                             {"SW[7]", "J27", in, LVTTL, 0},
                             {"TEMP_CLK", "P4", out, LVTTL},
                             {"TEMP_DATA", "P1", inout, LVTTL},
                             {"FAN_PWR_ON", "AP20", out, LVTTL},
                             {"LCD_PWR_ON", "P4", out, LVTTL},
                             {"LCD_BL_ON", "P4", out, LVTTL},
                             {"I2C_SDA", "P4", inout, LVTTL},
                             {"I2C_SCL", "P4", out, LVTTL},
                             {"USB_D[7]", "AU18", inout, LVTTL},
                             {"USB_CLKOUT", "AV19", in, LVTTL},
                             {"USB_RESET_n", "", out, LVTTL},
                             {"ETH_RX_n[0]", "N34", in, LVTTL},
                             {"ETH_TX_n[3]", "R33", out, LVTTL},
                             {"ETH_INT", "M34", in, LVTTL},
                             {"ETH_RST_n", "", out, LVTTL},
                             {"FSM_A[25]", "D26", out, LVTTL},
                             {"FLASH_OE_n", "", out, LVTTL},
                             {"FLASH_CS_n", "V28", out, LVTTL},
                             {"SSRAM_CKE_n", "", out, LVTTL},
                             {"SSRAM_ADV", "E25", out, LVTTL}}}},
        {"node 1 follows its own block only",
         [](YASTREL_X2_CONFIG& c) {
             NoGroups(c.F[1]);
             c.F[1].bPCIe = 1;
             c.F[1].bFpgaBridge = 1;
             c.F[1].bDDR3 = 1;
             c.F[1].bDDR2 = 1;
             c.F[0].nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
         },
         1,
         BoardFacts{.device = k230,
                    .connectors = std::vector<std::string>{"PCIe x 8", "FPGA Bridge (Transceiver x 8)", "DDR3",
                                                           "DDR2 SODIMM"},
                    .counts = {{.name = "PCIe x 8", .entries = 22},
                               {.name = "FPGA Bridge (Transceiver x 8)", .entries = 17},
                               {.name = "DDR3", .entries = 71},
                               {.name = "DDR2 SODIMM", .entries = 200, .pins = 124, .active = 124,
                                .type = CONNECTOR_DDR2_SODIMM, .expansionId = EXPANSION_DDR2_SODIMM,
                                .description = "DDR2 SODIMM"}},
                    .pins = {{"PCIE_TX_p[7]", "P36", out, PCML14},
                             {"PCIE_REFCLKI_n", "AN39", in, HCSL},
                             {"PCIE_PWRON", "", in, LVTTL},
                             {"PCIE_WAKE_n", "", out, LVTTL},
                             {"FPGA_RX_p[0]", "AE2", in, PCML14},
                             {"FPGA_TX_p[3]", "P4", out, PCML14},
                             {"FPGA_REFCLK_p", "AA22", in, HCSL},
                             {"DDR3_ba[0]", "J18", out, SSTL15},
                             {"DDR3_dqsn[3]", "C15", inout, DIFF_SSTL15},
                             {"DDR3_clk_n[0]", "K13", inout, DIFF_SSTL15},
                             {"DDR3_odt", "G20", out, SSTL15},
                             {"DDR3_dq[31]", "F15", inout, SSTL15},
                             {"DDR3_addr[14]", "P18", out, SSTL15}},
                    .positions = {{"DDR2 SODIMM", 4, "AW34", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR2 SODIMM", 199, std::nullopt},
                                  {"DDR2 SODIMM", 200, "AW25"}}}},
        {"no group, no card: device data only", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); }, 0,
         BoardFacts{.device = k230, .connectors = std::vector<std::string>{}}},
        {"the EEPROM alone: the LCD's pins and the bus named after it",
         [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); c.F[0].bEEPROM = 1; }, 0,
         BoardFacts{.connectors = std::vector<std::string>{"16x2 Character LCD", "EEPROM I2C Shared Bus"}}},
        {"the temperature sensor alone", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); c.F[0].bTemp = 1; }, 0,
         BoardFacts{.connectors = std::vector<std::string>{"Temperature", "Temperatur I2C Shared Bus"}}},
        {"the LCD and the EEPROM", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); c.F[0].bLCD = c.F[0].bEEPROM = 1; }, 0,
         BoardFacts{.connectors = std::vector<std::string>{"16x2 Character LCD", "LCD+EEPROM I2C Shared Bus"}}},
        {"SSRAM without flash: 20 address lines", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); c.F[0].bSSRAM = 1; }, 0,
         BoardFacts{.connectors = std::vector<std::string>{kBus, "SSRAM Control"},
                    .counts = {{.name = kBus, .entries = 36}},
                    .pins = {{"FSM_A[20]", "C22"}}}},
        {"the second variant", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[1]); c.nBoardType = 1; }, 1,
         BoardFacts{.device = modeltest::DeviceFacts{MAINBOARD_Yastrel_X2, "Stratix IV", "EP4SGX530KH40C2", "FBGA", 1517, 2},
                    .connectors = std::vector<std::string>{}}},
        {"a variant outside the two: no device name", [](YASTREL_X2_CONFIG& c) { NoGroups(c.F[0]); c.nBoardType = 2; }, 0,
         BoardFacts{.device = modeltest::DeviceFacts{MAINBOARD_Yastrel_X2, "Stratix IV", "", "FBGA", 1517, 2},
                    .connectors = std::vector<std::string>{}}},
        {"a set bMax2 and the reserved byte build nothing", [](YASTREL_X2_CONFIG& c) { c.F[0].bMax2 = c.F[0].Reserved = 1; }, 0,
         BoardFacts{.connectors = kDefaultGroups}},
        {"cards on HSMC-A and HSMC-C: each named after its own card, the I2C group after the last",
         [](YASTREL_X2_CONFIG& c) {
             NoGroups(c.F[1]);
             c.F[1].nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
             c.F[1].nHsmcDaughterId[2] = DAUGHTER_HSMC_LOOPBACK;
         },
         1,
         BoardFacts{.connectors = std::vector<std::string>{"HSMC-A", "HSMC-C", "HSMC I2C"},
                    .counts = {Hsmc('A', 98, DAUGHTER_HSMC_DEFAULT), Hsmc('C', 82, DAUGHTER_HSMC_LOOPBACK),
                               {.name = "HSMC I2C", .entries = 2}},
                    .pins = {{"HSMC_SCL", "G26", out, V25}, {"HSMC_SDA", "F26", inout, V25}},
                    .positions = {{"HSMC-A", 16, std::nullopt},
                                  {"HSMC-A", 17, "M36", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 40, "AA5", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 158, "W5", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-C", 38, std::nullopt},
                                  {"HSMC-C", 39, "AF29", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-C", 96, "AH34", daughter, IOSTD_FROM_DAUGHTER}}}},
    };
    for (const NodeCase& c : cases) {
        YASTREL_X2_CONFIG record;
        DefaultConfig(record);
        if (c.edit) c.edit(record);
        TMainBoard board;
        BuildMainBoard_Yastrel_X2(&board, record, c.node);
        BuildMainBoard_Yastrel_X2(&board, record, c.node);
        modeltest::ExpectBoard(board, c.facts, c.label);
        modeltest::ExpectSoundModel(board, c.label, kSharedLocations);
    }
}

// The defaults differ between the nodes only in the project name.
TEST(Yastrel_X2Definition, DefaultsNameEachNode)
{
    YASTREL_X2_CONFIG record;
    DefaultConfig(record);
    EXPECT_EQ(ReadRecordText(record.F[0].szProjectName), "F1_Yastrel");
    EXPECT_EQ(ReadRecordText(record.F[1].szProjectName), "F2_Yastrel");
    EXPECT_EQ(std::memcmp(&record.F[0].bOSC, &record.F[1].bOSC, sizeof(Node) - 128), 0);
    EXPECT_EQ(record.BoardId, MAINBOARD_Yastrel_X2);
    EXPECT_EQ(record.Size, 1336);
}

// The form's path: the cards under their prefixes as typed, the DDR2 module under "mem_", and
// the variant the form's combo shows, whatever the file held.
TEST(Yastrel_X2Definition, ProjectBoardAttachesTheNodesCards)
{
    YASTREL_X2_CONFIG record;
    DefaultConfig(record);
    record.nBoardType = 7;
    NoGroups(record.F[1]);
    record.F[1].bDDR2 = 1;
    record.F[1].nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    record.F[1].nHsmcDaughterId[3] = DAUGHTER_HSMC_DEFAULT;
    WriteRecordText(record.F[1].szHSMCPrefixName[3], "D_");
    TMainBoard board;
    BuildYastrel_X2ProjectBoard(board, record, 1);
    EXPECT_EQ(board.m_Device, "EP4SGX230KF40C2");
    BoardFacts facts;
    facts.pins = {{"CLKIN0", "AC5", in}, {"D_CLKIN0", "AB34"}};
    modeltest::ExpectBoard(board, facts);
    const TConnector* ddr2 = modeltest::FindConnector(board, "DDR2 SODIMM");
    ASSERT_NE(ddr2, nullptr);
    EXPECT_EQ(ddr2->GetPin(3)->GetName().rfind("mem_", 0), 0u) << ddr2->GetPin(3)->GetName();
}

TEST(Yastrel_X2Definition, WrongIdOrSizeIsAnInternalError)
{
    YASTREL_X2_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Yastrel_X1;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Yastrel_X2(&board, record, 0), platform::InternalError);
    DefaultConfig(record);
    record.Size = 1332;
    EXPECT_THROW(BuildMainBoard_Yastrel_X2(&board, record, 0), platform::InternalError);
}

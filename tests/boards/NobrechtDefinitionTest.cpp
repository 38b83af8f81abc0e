#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/arria10/CONFIG_NOBRECHT.h"

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::DefinitionCase;
using modeltest::PinFacts;
using modeltest::PositionFacts;

// The record the table's edits start from (found by the table runner).
void DefaultConfig(NOBRECHT_CONFIG& record) { record = TConfigNobrecht::DefaultConfig(); }

namespace {

using Case = DefinitionCase<NOBRECHT_CONFIG>;

void Build(TMainBoard& board, const NOBRECHT_CONFIG& record)
{
    static TConfigNobrecht settings;  // the board keeps a pointer to it, as to a form's
    settings.Config = record;
    BuildMainBoard_Nobrecht(&board, &settings);
}

void NoGroups(NOBRECHT_CONFIG& c)
{
    c.bOSC = c.bLED = c.bSeg7 = c.bButton = c.bSwitch = c.bSma = c.bTemp = c.bPower = 0;
    c.bFan = c.bFlash = c.bRs422 = 0;
}

const std::vector<std::string> kDefaultConnectors = {"KEY",   "CLOCK",         "SW",    "LED",
                                                     "LED_BRACKET", "SEG7",    "FAN",   "FLASH",
                                                     "POWER Monitor", "RS422", "Temperature"};

}  // namespace

TEST(NobrechtDefinition, RecordsToConnectors)
{
    const Case cases[] = {
        {"defaults",
         nullptr,
         {.device = modeltest::DeviceFacts{27, "Arria 10", "10AX115N3F45I2SG", "FBGA", 1932, 0, ""},
          .connectors = kDefaultConnectors,
          .counts = {{"KEY", 5}, {"CLOCK", 7}, {"SW", 2}, {"LED", 4}, {"LED_BRACKET", 4}, {"SEG7", 16}, {"FAN", 3},
                     {"FLASH", 67}, {"POWER Monitor", 3}, {"RS422", 6}, {"Temperature", 4}},
          .pins = {{"BUTTON[0]", "AJ13", DIRECTION_INPUT, 0},
                   {"BUTTON[3]", "AR9", DIRECTION_INPUT, 0},
                   {"CPU_RESET_n", "AP24", DIRECTION_INPUT, 3},
                   {"CLK_50_B2J", "W36", DIRECTION_INPUT, 3, 1, 0, "50.000000 MHz"},
                   {"CLK_100_B3D", "AH11", DIRECTION_INPUT, 3, 1, 0, "100.000000 MHz"},
                   {"CLKUSR_100", "AV26", DIRECTION_INPUT, 3, 1, 0, "100.000000 MHz"},
                   {"SW[1]", "AM27", DIRECTION_INPUT, 0},
                   {"LED[3]", "M15", DIRECTION_OUTPUT, 3},
                   {"LED_BRACKET[0]", "AF10", DIRECTION_OUTPUT, 3},
                   {"HEX0_D[0]", "AV10", DIRECTION_OUTPUT, 0},
                   {"HEX0_D[6]", "", DIRECTION_OUTPUT, 0},  // only the first member's ball is known
                   {"HEX1_DP", "AK31", DIRECTION_OUTPUT, 0},
                   {"FAN_ALERT_n", "AL32", DIRECTION_INPUT, 0},
                   {"FAN_I2C_SDA", "AK33", DIRECTION_INOUT, 0},
                   {"FLASH_A[1]", "H26", DIRECTION_OUTPUT, 3},
                   {"FLASH_A[26]", "", DIRECTION_OUTPUT, 3},
                   {"FLASH_D[0]", "B35", DIRECTION_INOUT, 3},
                   {"FLASH_OE_n", "C16", DIRECTION_INOUT, 3},
                   {"FLASH_RDY_BSY_n[1]", "L36", DIRECTION_INPUT, 3},
                   {"POWER_MONITOR_ALERT", "BD23", DIRECTION_INPUT, 3},
                   {"RS422_DIN", "AM9", DIRECTION_INPUT, 3},
                   {"RJ45_LED_R", "AF11", DIRECTION_OUTPUT, 3},
                   {"TEMP_OVERT_n", "AW11", DIRECTION_INPUT, 0}}}},
        {"no group, no Si5340", NoGroups, {.connectors = std::vector<std::string>{}}},
        {"a Si5340 choice forces the controller's clock, reset and start",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.nSi5340A[1] = 2;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "SI5340A"},
          .counts = {{"KEY", 2}, {"CLOCK", 1}, {"SI5340A", 5}},
          .pins = {{"BUTTON[0]", "AJ13"},
                   {"CPU_RESET_n", "AP24"},
                   {"CLK_50_B2J", "W36", DIRECTION_INPUT, 3, 1, 0, "50.000000 MHz"},
                   {"SI5340A_I2C_SCL", "AJ11", DIRECTION_INOUT, 3},
                   {"SI5340A_OE_n", "AJ10", DIRECTION_OUTPUT, 3},
                   {"SI5340A_RST_n", "AN6", DIRECTION_OUTPUT, 3}}}},
        {"on-board PCIe clock ticked, its output not used",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bPceiClk = 1;
         },
         {.connectors = std::vector<std::string>{}}},
        {"on-board PCIe output chosen, its box not ticked",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.nSi5340B[2] = 1;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "SI5340B"},
          .pins = {{"SI5340B_OE_n", "AL31", DIRECTION_OUTPUT, 0}, {"SI5340B_INTR", "G32", DIRECTION_INPUT, 3}}}},
        {"on-board PCIe clock ticked and chosen",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bPceiClk = 1;
             c.nSi5340B[2] = 1;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "PCIe On-Board Ref Clock", "SI5340B"},
          .pins = {{"OB_PCIE_REFCLK_p", "AK40", DIRECTION_INPUT, 21, 0, 0, ""}}}},
        {"QDRII+ C alone brings every calibration pin",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bQdrC = 1;
         },
         {.connectors = std::vector<std::string>{"QDRIIC", "RZQ"},
          .counts = {{"QDRIIC", 22 + 2 + 1 + 1 + 18 + 1 + 1 + 1 + 1 + 18 + 1 + 1 + 1 + 1}, {"RZQ", 6}},
          .pins = {{"QDRIIC_A[0]", "D25", DIRECTION_OUTPUT, 4},
                   {"QDRIIC_A[21]", "", DIRECTION_OUTPUT, 4},
                   {"QDRIIC_BWS_n[1]", "AD35", DIRECTION_OUTPUT, 4},
                   {"QDRIIC_K_p", "AF34", DIRECTION_OUTPUT, 14},
                   {"QDRIIC_Q[0]", "T36", DIRECTION_INPUT, 4},
                   {"QDRIIC_REFCLK_p", "G24", DIRECTION_INPUT, 21, 1, 0, "0.000000 MHz"},
                   {"QDRIIC_WPS_n", "F26", DIRECTION_OUTPUT, 4},
                   {"RZQ_DDR3_A", "AU28", DIRECTION_INPUT, 0},
                   {"RZQ_QDRII_D", "K37", DIRECTION_INPUT, 3}}}},
        {"QDRII+ clocks share one choice",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bQdrA = c.bQdrD = 1;
             c.nSi5340B[1] = 4;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "QDRIIA", "QDRIID", "RZQ", "SI5340B"},
          .pins = {{"QDRIIA_REFCLK_p", "L9", DIRECTION_INPUT, 21, 1, 0, "275.000000 MHz"},
                   {"QDRIID_REFCLK_p", "M34", DIRECTION_INPUT, 21, 1, 0, "275.000000 MHz"},
                   {"QDRIID_CQ_n", "F35", DIRECTION_INPUT, 4}}}},
        {"both DDR3 sockets, their clocks from the memory choice",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bDDR3_0 = c.bDDR3_1 = 1;
             c.nSi5340B[0] = 2;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "DDR3 SODIMM", "DDR3 SODIMM", "RZQ", "SI5340B"},
          .counts = {{"DDR3 SODIMM", 205, 125, -1, CONNECTOR_DDR3_SODIMM, 24, "DDR3 SODIMM_A"}},
          .pins = {{"DDR3A_REFCLK_p", "AV33", DIRECTION_INPUT, 21, 1, 0, "233.333000 MHz"},
                   {"DDR3B_REFCLK_p", "AP14", DIRECTION_INPUT, 21, 1, 0, "233.333000 MHz"}},
          .positions = {{"DDR3 SODIMM", 1, std::nullopt},
                        {"DDR3 SODIMM", 3, std::nullopt},
                        {"DDR3 SODIMM", 4, "AH35", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR3 SODIMM", 5, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR3 SODIMM", 128, std::nullopt},
                        {"DDR3 SODIMM", 129, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR3 SODIMM", 198, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR3 SODIMM", 199, std::nullopt},
                        {"DDR3 SODIMM", 202, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR3 SODIMM", 204, std::nullopt},
                        {"DDR3 SODIMM", 205, "AV33", DIRECTION_INPUT, 21}}}},
        {"QSFP+ clocks by their own choices; a code beyond a byte is not a choice",
         [](NOBRECHT_CONFIG& c) {
             NoGroups(c);
             c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = 1;
             c.nSi5340A[0] = 3;
             c.nSi5340A[1] = 6;
             c.nSi5340A[2] = 7;
             c.nSi5340A[3] = 0x103;
         },
         {.connectors = std::vector<std::string>{"KEY", "CLOCK", "QSFPA", "QSFPB", "QSFPC", "QSFPD", "SI5340A"},
          .counts = {{"QSFPA", 16}, {"QSFPD", 16}},
          .pins = {{"QSFPA_REFCLK_p", "AH5", DIRECTION_INPUT, 21, 1, 0, "156.250000 MHz"},
                   {"QSFPB_REFCLK_p", "AD5", DIRECTION_INPUT, 21, 1, 0, "322.265000 MHz"},
                   {"QSFPC_REFCLK_p", "Y5", DIRECTION_INPUT, 21, 1, 0, "644.531250 MHz"},
                   {"QSFPD_REFCLK_p", "T5", DIRECTION_INPUT, 21, 1, 0, "0.000000 MHz"},
                   {"QSFPA_RX_p[3]", "AW3", DIRECTION_INPUT, 52},
                   {"QSFPB_TX_p[0]", "AP1", DIRECTION_OUTPUT, 52},
                   {"QSFPC_SDA", "AK11", DIRECTION_INOUT, 3},
                   {"QSFPD_RX_p[3]", "D5", DIRECTION_INPUT, 52},
                   {"QSFPD_MOD_SEL_n", "AA11", DIRECTION_OUTPUT, 3}}}},
        {"every group",
         [](NOBRECHT_CONFIG& c) {
             c.bSma = c.bDDR3_0 = c.bDDR3_1 = c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = 1;
             c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = c.bPCIe = c.bPceiClk = 1;
             for (int32_t& a : c.nSi5340A) a = 7;
             c.nSi5340B[0] = 3;
             c.nSi5340B[1] = 3;
             c.nSi5340B[2] = 1;
         },
         {.connectors =
              std::vector<std::string>{"KEY",    "CLOCK",  "SW",     "LED",    "LED_BRACKET",
                                       "SEG7",   "DDR3 SODIMM", "DDR3 SODIMM", "FAN", "FLASH",
                                       "PCIe On-Board Ref Clock", "PCIE", "POWER Monitor", "QDRIIA", "QDRIIB",
                                       "QDRIIC", "QDRIID", "QSFPA", "QSFPB", "QSFPC",
                                       "QSFPD",  "RS422",  "RZQ",    "SI5340A", "SI5340B",
                                       "SMA",    "Temperature"},
          .counts = {{"PCIE", 21}, {"SMA", 2}},
          .pins = {{"PCIE_REFCLK_p", "AH40", DIRECTION_INPUT, 37, 0, 0, ""},
                   {"PCIE_RX_p[0]", "AU42", DIRECTION_INPUT, 52},
                   {"PCIE_TX_p[0]", "AV44", DIRECTION_OUTPUT, 52},
                   {"PCIE_SMBDAT", "AR24", DIRECTION_INOUT, 3},
                   {"PCIE_WAKE_n", "AN26", DIRECTION_OUTPUT, 3},
                   {"SMA_CLKIN", "AC32", DIRECTION_INPUT, 3, 0},
                   {"SMA_CLKOUT", "AA36", DIRECTION_OUTPUT, 3},
                   {"DDR3A_REFCLK_p", "AV33", DIRECTION_INPUT, 21, 1, 0, "266.667000 MHz"},
                   {"QDRIIB_REFCLK_p", "N18", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"}}}},
    };
    modeltest::ExpectDefinitionTable<NOBRECHT_CONFIG>(cases, Build);
}

TEST(NobrechtDefinition, DeviceByBoardType)
{
    // A part outside the list (only from a file) is taken as the first one.
    const std::pair<uint8_t, const char*> variants[] = {
        {0, "10AX115N3F45I2SG"}, {1, "10AX115N3F45E2SG"}, {2, "10AX115N2F45E1SG"},
        {3, "10AX090N3F45I2SG"}, {4, "10AX115N3F45I2SG"}, {255, "10AX115N3F45I2SG"},
    };
    for (auto [variant, device] : variants) {
        TConfigNobrecht settings;
        settings.Config = TConfigNobrecht::DefaultConfig();
        settings.Config.BoardVariant = variant;
        TMainBoard board;
        BuildMainBoard_Nobrecht(&board, &settings);
        EXPECT_EQ(board.GetDevice(), device) << int(variant);
        EXPECT_EQ(board.GetFamily(), "Arria 10");
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetDevicePinCount(), 1932);
        EXPECT_EQ(board.m_pConfigBoard, &settings);
    }
}

TEST(NobrechtDefinition, SocketsFoundByTheirIdsAndFilledByTheModule)
{
    TConfigNobrecht settings;
    settings.Config = TConfigNobrecht::DefaultConfig();
    settings.Config.bDDR3_0 = settings.Config.bDDR3_1 = 1;
    TMainBoard board;
    BuildNobrechtProjectBoard(board, settings);
    const TConnector* a = board.FindExpansionConnector(24);
    const TConnector* b = board.FindExpansionConnector(25);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->GetDescription(), "DDR3 SODIMM_A");
    EXPECT_EQ(b->GetDescription(), "DDR3 SODIMM_B");
    EXPECT_EQ(board.FindExpansionConnector(0), nullptr);  // no on-board group is found
    EXPECT_EQ(a->GetPin(3)->GetName().rfind("DDR3A_", 0), 0u) << a->GetPin(3)->GetName();
    EXPECT_EQ(b->GetPin(3)->GetName().rfind("DDR3B_", 0), 0u) << b->GetPin(3)->GetName();
    EXPECT_EQ(a->GetPin(3)->GetLocation(), "AH35");
    EXPECT_EQ(a->GetPin(204)->GetName(), "DDR3A_REFCLK_p");  // past the module's positions
    EXPECT_EQ(b->GetPin(204)->GetName(), "DDR3B_REFCLK_p");
    modeltest::ExpectSoundModel(board);
}

#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/arria10/CONFIG_DRAVELLE.h"

using modeltest::DefinitionCase;

// The record the table's edits start from (found by the table runner).
void DefaultConfig(DRAVELLE_CONFIG& record) { record = TConfigDravelle::DefaultConfig(); }

namespace {

using Case = DefinitionCase<DRAVELLE_CONFIG>;

void Build(TMainBoard& board, const DRAVELLE_CONFIG& record)
{
    static TConfigDravelle settings;  // the board keeps a pointer to it, as to a form's
    settings.Config = record;
    BuildMainBoard_Dravelle(&board, &settings);
}

void NoGroups(DRAVELLE_CONFIG& c)
{
    c.bOSC = c.bLED = c.bSeg7 = c.bButton = c.bSwitch = c.bSma = c.bTemp = c.bPower = 0;
    c.bFan = c.bFlash = c.bRs422 = c.bTPS40428 = 0;
}

}  // namespace

TEST(DravelleDefinition, RecordsToConnectors)
{
    const Case cases[] = {
        {"defaults: TPS40428 without a box, RS422 off",
         nullptr,
         {.device = modeltest::DeviceFacts{28, "Arria 10", "10AX115N2F45E1SG", "FBGA", 1932, 0, "E1"},
          .connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "SEG7", "FAN", "FLASH", "TPS40428",
                                                 "Temperature", "POWER Monitor"},
          .counts = {{"CLOCK", 7}, {"KEY", 5}, {"SW", 2}, {"LED", 8}, {"SEG7", 16}, {"FAN", 3}, {"FLASH", 67},
                     {"TPS40428", 3}, {"Temperature", 4}, {"POWER Monitor", 3}},
          .pins = {{"CLK_100_B3D", "AH11", DIRECTION_INPUT, 3, 1, 0, "100.000000 MHz"},
                   {"CLK_50_B2J", "W36", DIRECTION_INPUT, 3, 1, 0, "50.000000 MHz"},
                   {"BUTTON[0]", "AJ13", DIRECTION_INPUT, 40},
                   {"CPU_RESET_n", "AP24", DIRECTION_INPUT, 3},
                   {"SW[0]", "AY28", DIRECTION_INPUT, 40},
                   {"LED_BRACKET[3]", "W11", DIRECTION_OUTPUT, 3},
                   {"LED[0]", "T11", DIRECTION_OUTPUT, 3},
                   {"HEX0_D[0]", "AW8", DIRECTION_OUTPUT, 40},
                   {"HEX0_D[5]", "", DIRECTION_OUTPUT, 40},
                   {"HEX0_D[6]", "", DIRECTION_OUTPUT, 3},
                   {"HEX0_DP", "AG9", DIRECTION_OUTPUT, 3},
                   {"HEX1_D[0]", "AM32", DIRECTION_OUTPUT, 40},
                   {"HEX1_DP", "BC28", DIRECTION_OUTPUT, 40},
                   {"FAN_I2C_SCL", "AJ33", DIRECTION_OUTPUT, 40},
                   {"FAN_ALERT_n", "AL31", DIRECTION_INPUT, 40},
                   {"FLASH_A[1]", "H26", DIRECTION_OUTPUT, 3},
                   {"TPS40428_DATA", "A25", DIRECTION_INOUT, 3},
                   {"TEMP_I2C_SCL", "AW11", DIRECTION_OUTPUT, 40},
                   {"TEMP_OVERT_n", "AT14", DIRECTION_INPUT, 40},
                   {"POWER_MONITOR_I2C_SCL", "AT26", DIRECTION_OUTPUT, 3}}}},
        {"a Si5340 choice brings the controller's clock, reset and start with their boxes unticked",
         [](DRAVELLE_CONFIG& c) {
             NoGroups(c);
             c.nSi5340B[2] = 1;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SI5340B"},
          .counts = {{"CLOCK", 1}, {"KEY", 2}, {"SI5340B", 5}},
          .pins = {{"CLK_50_B2J", "W36"},
                   {"BUTTON[0]", "AJ13"},
                   {"CPU_RESET_n", "AP24"},
                   {"SI5340B_I2C_SCL", "G37", DIRECTION_OUTPUT, 3},
                   {"SI5340B_OE_n", "BD24", DIRECTION_OUTPUT, 3}}}},
        {"both DDR4 sockets at 300 MHz, QDRII+ and RS422",
         [](DRAVELLE_CONFIG& c) {
             NoGroups(c);
             c.bDDR4_0 = c.bDDR4_1 = c.bQdrB = c.bRs422 = 1;
             c.nSi5340B[0] = 5;
             c.nSi5340B[1] = 2;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "DDR4 SODIMM", "DDR4 SODIMM", "QDRIIB", "RZQ",
                                                 "SI5340B", "RS422"},
          .counts = {{"DDR4 SODIMM", 261, 127, -1, CONNECTOR_DDR4_SODIMM, 27, "DDR4 SODIMM_A"}, {"RZQ", 6}, {"QDRIIB", 70}},
          .pins = {{"DDR4A_REFCLK_p", "AV33", DIRECTION_INPUT, 21, 1, 0, "300.000000 MHz"},
                   {"DDR4B_REFCLK_p", "AP14", DIRECTION_INPUT, 21, 1, 0, "300.000000 MHz"},
                   {"QDRIIB_REFCLK_p", "N18", DIRECTION_INPUT, 21, 1, 0, "233.333000 MHz"},
                   {"RZQ_DDR4_B", "BB15", DIRECTION_INPUT, 40},
                   {"RZQ_QDRII_C", "L24", DIRECTION_INPUT, 3},
                   {"RS422_DE", "AN8", DIRECTION_OUTPUT, 3},
                   {"RJ45_LED_L", "AJ11", DIRECTION_OUTPUT, 3}},
          .positions = {{"DDR4 SODIMM", 2, std::nullopt},
                        {"DDR4 SODIMM", 3, "AH33", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR4 SODIMM", 4, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR4 SODIMM", 107, std::nullopt},
                        {"DDR4 SODIMM", 108, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR4 SODIMM", 254, "", DIRECTION_FROM_DAUGHTER, 58},
                        {"DDR4 SODIMM", 255, std::nullopt},
                        {"DDR4 SODIMM", 260, std::nullopt},
                        {"DDR4 SODIMM", 261, "AV33", DIRECTION_INPUT, 21}}}},
        {"transceivers, the on-board PCIe clock and SMA",
         [](DRAVELLE_CONFIG& c) {
             NoGroups(c);
             c.bPCIe = c.bPceiClk = c.bQsfpC = c.bSma = 1;
             c.nSi5340A[2] = 5;
             c.nSi5340B[2] = 1;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SI5340A", "SI5340B", "PCIE",
                                                 "PCIe On-Board Ref Clock", "QSFPC", "SMA"},
          .pins = {{"SI5340A_I2C_SCL", "AF11", DIRECTION_OUTPUT, 3},
                   {"SI5340A_I2C_SDA", "AE11", DIRECTION_INOUT, 3},
                   {"QSFPC_REFCLK_p", "Y5", DIRECTION_INPUT, 21, 1, 0, "312.500000 MHz"},
                   {"PCIE_TX_p[0]", "AV44", DIRECTION_OUTPUT, 52},
                   {"OB_PCIE_REFCLK_p", "AK40", DIRECTION_INPUT, 21}}}},
    };
    modeltest::ExpectDefinitionTable<DRAVELLE_CONFIG>(cases, Build);
}

TEST(DravelleDefinition, OneDeviceWhateverTheRecordSays)
{
    for (uint8_t variant : {0, 3, 200}) {
        TConfigDravelle settings;
        settings.Config = TConfigDravelle::DefaultConfig();
        settings.Config.BoardVariant = variant;
        TMainBoard board;
        BuildMainBoard_Dravelle(&board, &settings);
        EXPECT_EQ(board.GetDevice(), "10AX115N2F45E1SG");
        EXPECT_EQ(board.GetSpeedGradeText(), "E1");
    }
}

TEST(DravelleDefinition, SocketsTakeTheModuleWithoutCheckBits)
{
    TConfigDravelle settings;
    settings.Config = TConfigDravelle::DefaultConfig();
    settings.Config.bDDR4_0 = settings.Config.bDDR4_1 = 1;
    TMainBoard board;
    BuildDravelleProjectBoard(board, settings);
    const TConnector* a = board.FindExpansionConnector(27);
    const TConnector* b = board.FindExpansionConnector(28);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(b->GetDescription(), "DDR4 SODIMM_B");
    EXPECT_EQ(a->GetPin(2)->GetName().rfind("DDR4A_", 0), 0u) << a->GetPin(2)->GetName();
    EXPECT_EQ(b->GetPin(2)->GetName().rfind("DDR4B_", 0), 0u) << b->GetPin(2)->GetName();
    EXPECT_EQ(a->GetPin(260)->GetName(), "DDR4A_REFCLK_p");
    EXPECT_EQ(modeltest::FindPin(board, "DDR4A_DQ[64]"), nullptr);
    EXPECT_NE(modeltest::FindPin(board, "DDR4A_DQ[63]"), nullptr);
    modeltest::ExpectSoundModel(board);
}

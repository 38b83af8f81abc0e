#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/arria10/CONFIG_Abernoll.h"

using modeltest::DefinitionCase;

// The record the table's edits start from (found by the table runner).
void DefaultConfig(ABERNOLL_CONFIG& record) { record = TConfigAbernoll::DefaultConfig(); }

namespace {

using Case = DefinitionCase<ABERNOLL_CONFIG>;

void Build(TMainBoard& board, const ABERNOLL_CONFIG& record)
{
    static TConfigAbernoll settings;  // the board keeps a pointer to it, as to a form's
    settings.Config = record;
    BuildMainBoard_Abernoll(&board, &settings);
}

void NoGroups(ABERNOLL_CONFIG& c)
{
    c.bOSC = c.bLED = c.bButton = c.bSwitch = c.bTemp = c.bPower = c.bFan = c.bFlash = 0;
}

}  // namespace

TEST(AbernollDefinition, RecordsToConnectors)
{
    const Case cases[] = {
        {"defaults",
         nullptr,
         {.device = modeltest::DeviceFacts{33, "Arria 10", "10AX115N2F45E1SG", "FBGA", 1932, 0, ""},
          .connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "FAN", "FLASH", "Temperature",
                                                 "POWER Monitor"},
          .counts = {{"CLOCK", 8}, {"KEY", 5}, {"SW", 2}, {"LED", 8}, {"FAN", 3}, {"FLASH", 67},
                     {"Temperature", 2}, {"POWER Monitor", 3}},
          .pins = {{"CLK_100_B3D", "AJ11", DIRECTION_INPUT, 3, 1, 0, "100.000000 MHz"},
                   {"CLK_50_B2F", "AY31", DIRECTION_INPUT, 3, 1, 0, "50.000000 MHz"},
                   {"CLKUSR_100", "AV26", DIRECTION_INPUT, 3, 1, 0, "100.000000 MHz"},
                   {"BUTTON[3]", "AP8", DIRECTION_INPUT, 3},
                   {"CPU_RESET_n", "AP24", DIRECTION_INPUT, 3},
                   {"SW[1]", "AM27", DIRECTION_INPUT, 3},
                   {"LED_BRACKET[0]", "BB32", DIRECTION_OUTPUT, 3},
                   {"LED[3]", "M15", DIRECTION_OUTPUT, 3},
                   {"FAN_I2C_SDA", "AK33", DIRECTION_INOUT, 3},
                   {"FAN_ALERT_n", "AL32", DIRECTION_INPUT, 3},
                   {"FLASH_CLK", "T9", DIRECTION_OUTPUT, 3},
                   {"FLASH_A[1]", "U12", DIRECTION_OUTPUT, 3},
                   {"FLASH_A[26]", "", DIRECTION_OUTPUT, 3},
                   {"FLASH_D[0]", "AA31", DIRECTION_INOUT, 3},
                   {"FLASH_D[31]", "", DIRECTION_INOUT, 3},
                   {"FLASH_CE_n[1]", "N16", DIRECTION_OUTPUT, 3},
                   {"FLASH_OE_n", "C17", DIRECTION_INOUT, 3},
                   {"FLASH_RESET_n", "H7", DIRECTION_OUTPUT, 3},
                   {"FLASH_RDY_BSY_n[1]", "N17", DIRECTION_INPUT, 3},
                   {"TEMP_I2C_SDA", "AV12", DIRECTION_INOUT, 3},
                   {"POWER_MONITOR_ALERT_n", "BD23", DIRECTION_INPUT, 3}}}},
        {"nothing ticked, no choice: the device alone",
         [](ABERNOLL_CONFIG& c) { NoGroups(c); },
         {.device = modeltest::DeviceFacts{33, "Arria 10", "10AX115N2F45E1SG", "FBGA", 1932, 0, ""},
          .connectors = std::vector<std::string>{}}},
        {"a Si5340A choice brings the whole clock and key groups",
         [](ABERNOLL_CONFIG& c) {
             NoGroups(c);
             c.nSi5340A[2] = 5;
             c.bQsfpC = 1;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SI5340A", "QSFPC"},
          .counts = {{"CLOCK", 8}, {"KEY", 5}, {"SI5340A", 5}, {"QSFPC", 16}},
          .pins = {{"CLK_50_B2F", "AY31"},
                   {"BUTTON[0]", "AC11"},
                   {"BUTTON[3]", "AP8"},
                   {"CPU_RESET_n", "AP24"},
                   {"SI5340A_I2C_SCL", "AU27", DIRECTION_OUTPUT, 3},
                   {"SI5340A_INTR", "AW29", DIRECTION_INPUT, 3},
                   {"SI5340A_RST_n", "AW28", DIRECTION_OUTPUT, 3},
                   {"QSFPC_REFCLK_p", "Y5", DIRECTION_INPUT, 21, 1, 0, "312.500000 MHz"},
                   {"QSFPC_TX_p[0]", "AB1", DIRECTION_OUTPUT, 52},
                   {"QSFPC_RX_p[3]", "R3", DIRECTION_INPUT, 52},
                   {"QSFPC_INTERRUPT_n", "AT29", DIRECTION_INPUT, 3},
                   {"QSFPC_SDA", "AU28", DIRECTION_INOUT, 3}}}},
        {"a choice for a port left unticked: the chip's group without the port",
         [](ABERNOLL_CONFIG& c) {
             NoGroups(c);
             c.nSi5340A[1] = 3;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SI5340A"}}},
        {"one memory without a Si5340B choice: all six RZQ inputs, a 0 MHz reference clock",
         [](ABERNOLL_CONFIG& c) {
             NoGroups(c);
             c.bQdrE = 1;
         },
         {.connectors = std::vector<std::string>{"QDRIIE", "RZQ"},
          .counts = {{"QDRIIE", 70}, {"RZQ", 6}},
          .pins = {{"QDRIIE_REFCLK_p", "AP14", DIRECTION_INPUT, 21, 1, 0, "0.000000 MHz"},
                   {"QDRIIE_A[0]", "BB9", DIRECTION_OUTPUT, 4},
                   {"QDRIIE_A[21]", "", DIRECTION_OUTPUT, 4},
                   {"QDRIIE_K_p", "AP18", DIRECTION_OUTPUT, 14},
                   {"QDRIIE_K_n", "AR18", DIRECTION_OUTPUT, 14},
                   {"QDRIIE_D[0]", "BD18", DIRECTION_OUTPUT, 4},
                   {"QDRIIE_BWS_n[1]", "AM19", DIRECTION_OUTPUT, 4},
                   {"QDRIIE_CQ_n", "AV17", DIRECTION_INPUT, 4},
                   {"QDRIIE_Q[0]", "AN17", DIRECTION_INPUT, 4},
                   {"QDRIIE_Q[17]", "", DIRECTION_INPUT, 4},
                   {"QDRIIE_QVLD", "AR17", DIRECTION_INPUT, 4},
                   {"QDRIIE_WPS_n", "BC10", DIRECTION_OUTPUT, 4},
                   {"QDRIIE_ODT", "BB13", DIRECTION_OUTPUT, 4},
                   {"RZQ_QDRII_A", "L11", DIRECTION_INPUT, 3},
                   {"RZQ_QDRII_F", "AR9", DIRECTION_INPUT, 3}}}},
        {"every group, the single Si5340B choice on all six memories",
         [](ABERNOLL_CONFIG& c) {
             c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = c.bQdrE = c.bQdrF = 1;
             c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = c.bPCIe = c.bRs422 = c.bLTM4677 = c.bGPIO = 1;
             for (int32_t& a : c.nSi5340A) a = 7;
             c.nSi5340A[3] = 6;
             c.nSi5340B_QDRII = 2;
         },
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "FAN", "FLASH", "QDRIIA", "QDRIIB",
                                                 "QDRIIC", "QDRIID", "QDRIIE", "QDRIIF", "RZQ", "SI5340A", "SI5340B",
                                                 "RS422", "Temperature", "POWER Monitor", "PCIE", "QSFPA", "QSFPB",
                                                 "QSFPC", "QSFPD", "LTM4677", "GPIO Expansion Header"},
          .counts = {{"QDRIIA", 70}, {"QDRIIF", 70}, {"SI5340B", 5}, {"RS422", 6}, {"PCIE", 21}, {"QSFPD", 16},
                     {"LTM4677", 3}, {"GPIO Expansion Header", 7}},
          .pins = {{"QDRIIA_REFCLK_p", "L9", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIIB_REFCLK_p", "N18", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIIC_REFCLK_p", "G24", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIID_REFCLK_p", "M34", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIIE_REFCLK_p", "AP14", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIIF_REFCLK_p", "AT7", DIRECTION_INPUT, 21, 1, 0, "250.000000 MHz"},
                   {"QDRIIA_BWS_n[0]", "B13"},
                   {"QDRIIB_D[0]", "N20"},
                   {"QDRIIC_BWS_n[1]", "AF31"},
                   {"QDRIID_Q[0]", "N28"},
                   {"QDRIIF_CQ_p", "AM8"},
                   {"QDRIIF_DOFF_n", "AB12"},
                   {"SI5340B_OE_n", "AL31", DIRECTION_OUTPUT, 3},
                   {"RS422_DIN", "BC28", DIRECTION_INPUT, 3},
                   {"RJ45_LED_R", "AR29", DIRECTION_OUTPUT, 3},
                   {"PCIE_SMBCLK", "AM25", DIRECTION_INPUT, 3},
                   {"PCIE_REFCLK_p", "AH40", DIRECTION_INPUT, 37, 0},
                   {"PCIE_TX_p[0]", "AV44", DIRECTION_OUTPUT, 52},
                   {"PCIE_RX_p[7]", "", DIRECTION_INPUT, 52},
                   {"PCIE_WAKE_n", "AN26", DIRECTION_OUTPUT, 3},
                   {"QSFPA_REFCLK_p", "AH5", DIRECTION_INPUT, 21, 1, 0, "644.531250 MHz"},
                   {"QSFPD_REFCLK_p", "T5", DIRECTION_INPUT, 21, 1, 0, "322.265000 MHz"},
                   {"QSFPB_MOD_SEL_n", "AY29", DIRECTION_OUTPUT, 3},
                   {"QSFPD_RX_p[3]", "D5", DIRECTION_INPUT, 52},
                   {"LTM4677_ALERT_n", "V36", DIRECTION_INPUT, 3},
                   {"LTM4677_SCL", "A24", DIRECTION_OUTPUT, 3},
                   {"GPIO[0]", "AT36", DIRECTION_INOUT, 3},
                   {"GPIO[6]", "", DIRECTION_INOUT, 3}}}},
        {"choices outside the lists: reference clocks at 0 MHz",
         [](ABERNOLL_CONFIG& c) {
             NoGroups(c);
             c.bQdrA = c.bQsfpB = 1;
             c.nSi5340A[1] = 0x108;  // low byte 8: beyond the list
             c.nSi5340B_QDRII = -1;
         },
         {.pins = {{"QDRIIA_REFCLK_p", "L9", DIRECTION_INPUT, 21, 1, 0, "0.000000 MHz"},
                   {"QSFPB_REFCLK_p", "AD5", DIRECTION_INPUT, 21, 1, 0, "0.000000 MHz"}}}},
        // Nobrecht and Dravelle give 0 for these; Abernoll counts only the low byte.
        {"choices beyond a byte: their low byte's frequency",
         [](ABERNOLL_CONFIG& c) {
             NoGroups(c);
             c.bQdrF = c.bQsfpA = c.bQsfpC = 1;
             c.nSi5340A[0] = 257;
             c.nSi5340A[2] = 0x102;
             c.nSi5340B_QDRII = 0x103;
         },
         {.pins = {{"QSFPA_REFCLK_p", "AH5", DIRECTION_INPUT, 21, 1, 0, "100.000000 MHz"},
                   {"QSFPC_REFCLK_p", "Y5", DIRECTION_INPUT, 21, 1, 0, "125.000000 MHz"},
                   {"QDRIIF_REFCLK_p", "AT7", DIRECTION_INPUT, 21, 1, 0, "275.000000 MHz"}}}},
    };
    modeltest::ExpectDefinitionTable<ABERNOLL_CONFIG>(cases, Build);
}

TEST(AbernollDefinition, BusesOfTheirOwnWidth)
{
    TConfigAbernoll settings;
    settings.Config = TConfigAbernoll::DefaultConfig();
    settings.Config.bGPIO = 1;
    TMainBoard board;
    BuildMainBoard_Abernoll(&board, &settings);
    EXPECT_EQ(modeltest::FindPin(board, "FLASH_A[0]"), nullptr);
    EXPECT_NE(modeltest::FindPin(board, "FLASH_A[26]"), nullptr);
    EXPECT_EQ(modeltest::FindPin(board, "GPIO[7]"), nullptr);
    EXPECT_EQ(board.m_pConfigBoard, &settings);
}

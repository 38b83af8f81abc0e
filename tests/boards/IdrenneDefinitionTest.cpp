#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/arria10/CONFIG_Idrenne.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

void DefaultConfig(IDRENNE_CONFIG& c) { c = TConfigIdrenne::DefaultConfig(); }

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::FindConnector;
using modeltest::PinFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<IDRENNE_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V1_8 = 3, V1_2 = 40, LVDS = 21, HSSI = 52, POD = 53, DIFF_POD = 54, SSTL12 = 55, DIFF_SSTL12 = 56;

const modeltest::DeviceFacts kDevice = {MAINBOARD_Idrenne, "Arria 10", "10AS066K3F40E2SG", "", 1517, 0, "2"};

void NoGroups(IDRENNE_CONFIG& c)
{
    for (uint8_t* b : {&c.bOSC, &c.bLED, &c.bSeg7, &c.bButton, &c.bSwitch, &c.bFan, &c.bTemperature, &c.bSDRAM})
        *b = 0;
}

const ConnectorFacts kSocket = {.name = "DDR4 SODIMM", .entries = 260, .pins = 134, .type = CONNECTOR_DDR4_SODIMM,
                                .expansionId = EXPANSION_DDR4_SODIMM_A, .description = "DDR4A"};

ConnectorFacts Fmc(uint8_t card)
{
    return {.name = "FMC", .entries = 402, .pins = 218, .type = CONNECTOR_FMC_HPC, .expansionId = EXPANSION_FMC_A,
            .description = "FMC connect to " + BoardName(card)};
}

}  // namespace

TEST(IdrenneDefinition, RecordsGiveTheirGroupsAndConnectors)
{
    const Case cases[] = {
        {"defaults: seven-segment and temperature add nothing", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "DDR4B", "FAN"},
             .counts = {{.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "KEY", .entries = 3}, {.name = "SW", .entries = 2}, {.name = "LED", .entries = 2},
                        {.name = "DDR4B", .entries = 1 + 17 + 4 + 2 + 2 + 10 + 40 + 5 + 2 + 1 + 3 + 1 + 2 + 1},
                        {.name = "FAN", .entries = 1}},
             .pins = {{"CLK_50_B2A", "AW16", in, V1_8, 1, 0, "50.000000 MHz"},
                      {"CLK_50_B3H", "D11", in, V1_8, 1, 0, "50.000000 MHz"},
                      {"CLKUSR_100", "AJ18", in, V1_8, 1, 0, "100.000000 MHz"},
                      {"KEY[1]", "A25", in, V1_8, 0},
                      {"CPU_RESET_n", "AN18", in, V1_8, 0},
                      {"SW[1]", "B26", in, V1_8},
                      {"LED[0]", "C26", out, V1_8},
                      {"DDR4B_REFCLK_p", "AU7", in, LVDS, 0},
                      {"DDR4B_A[0]", "AJ11", out, SSTL12},
                      {"DDR4B_A[16]", "", out, SSTL12},
                      {"DDR4B_BG[1]", "AJ14", out, SSTL12},
                      {"DDR4B_CK_n", "AK13", out, DIFF_SSTL12},
                      {"DDR4B_DQS[4]", "AW4", inout, DIFF_POD},
                      {"DDR4B_DQS_n[0]", "AF13", inout, DIFF_POD},
                      {"DDR4B_DQ[0]", "AG10", inout, POD},
                      {"DDR4B_DQ[39]", "", inout, POD},
                      {"DDR4B_DM[4]", "AT5", inout, POD},
                      {"DDR4B_RESET_n", "AH14", out, V1_2},
                      {"DDR4B_PAR", "AM12", out, SSTL12},
                      {"DDR4B_ALERT_n", "AH11", in, SSTL12},
                      {"DDR4B_A17", "AV7", out, SSTL12},
                      {"DDR4B_RZQ", "AW8", in, V1_2},
                      {"FAN_ALERT_n", "E25", in, V1_8, 0}},
         }},
        {"a socket card: the socket between LED and DDR4B",
         [](IDRENNE_CONFIG& c) { c.nDDR4SocketDaughterId = DAUGHTER_QDR4_MODULE; },
         BoardFacts{
             .connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "DDR4 SODIMM", "DDR4B", "FAN"},
             .counts = {kSocket},
             .positions = {{"DDR4 SODIMM", 1, std::nullopt}, {"DDR4 SODIMM", 2, std::nullopt},
                           {"DDR4 SODIMM", 3, "AD11", daughter, IOSTD_FROM_DAUGHTER},
                           {"DDR4 SODIMM", 4, "", daughter, IOSTD_FROM_DAUGHTER},
                           {"DDR4 SODIMM", 253, std::nullopt}, {"DDR4 SODIMM", 260, std::nullopt}},
         }},
        {"an FMC card alone: its I2C pair, then the connector last of all",
         [](IDRENNE_CONFIG& c) {
             NoGroups(c);
             c.nFmcDaughterId = DAUGHTER_FMC_HPC_ALTERA;
         },
         BoardFacts{
             .device = kDevice,
             .connectors = std::vector<std::string>{"I2C for FMC/", "FMC"},
             .counts = {{.name = "I2C for FMC/", .entries = 4, .type = CONNECTOR_NONE, .description = ""},
                        Fmc(DAUGHTER_FMC_HPC_ALTERA)},
             .pins = {{"FPGA_I2C_SCL", "AT29", inout, V1_2}, {"FPGA_I2C_SDA", "AU30", inout, V1_2},
                      {"CDCM6208_SCL", "AK22", inout, V1_8}, {"CDCM6208_SDA", "AK21", inout, V1_8},
                      {"FMC_REFCLK_p", "T31", in, LVDS, 0}, {"FMC_RZQ", "H9", in, V1_8, 0}},
             .positions = {{"FMC", 1, std::nullopt}, {"FMC", 2, "R33", daughter, IOSTD_FROM_DAUGHTER},
                           {"FMC", 3, "", daughter, IOSTD_FROM_DAUGHTER}, {"FMC", 41, std::nullopt},
                           {"FMC", 398, "", daughter, IOSTD_FROM_DAUGHTER}, {"FMC", 400, std::nullopt},
                           {"FMC", 401, "T31", in, LVDS}, {"FMC", 402, "H9", in, V1_8}},
         }},
        {"HDMI and SDI share the I2C group; USB brings DisplayPort, the DisplayPort box nothing",
         [](IDRENNE_CONFIG& c) {
             NoGroups(c);
             c.bHDMI = c.bSDI = c.bUSB = c.bDisplayPort = 1;
         },
         BoardFacts{
             .connectors = std::vector<std::string>{"HDMI", "USB Type-C", "I2C for HDMI/SDI/", "SDI"},
             .counts = {{.name = "HDMI", .entries = 5}, {.name = "USB Type-C", .entries = 3 + 20 + 32 + 10},
                        {.name = "I2C for HDMI/SDI/", .entries = 6}, {.name = "SDI", .entries = 5}},
             .pins = {{"HDMI_REFCLK_p", "Y31", in, LVDS},
                      {"HDMI_TX_D_p[2]", "R37", out, HSSI},
                      {"USB_RX_p", "AA37", in, HSSI},
                      {"USB_PD_SDA", "AV16", inout, V1_8},
                      {"USBFX3_CTL11_A1", "AU22", in, V1_8},
                      {"USBFX3_CTL9", "AV22", inout, V1_8},
                      {"USBFX3_DQ[0]", "AU21", inout, V1_8},
                      {"USBFX3_DQ[31]", "", inout, V1_8},
                      {"DP_TX_p[3]", "AT39", out, HSSI},
                      {"DP_RX_p[0]", "AV35", in, HSSI},
                      {"DP_AUX_p", "AM22", out, V1_8},
                      {"REFCLK0_SDI_SDA", "AT20", inout, V1_8},
                      {"REFCLK1_HDMI_SCL", "AR22", inout, V1_8},
                      {"SDI_TX_INT_n", "AT15", in, V1_8},
                      {"SDI_RX_p", "AF35", in, HSSI}},
         }},
        {"the other groups, in order",
         [](IDRENNE_CONFIG& c) {
             NoGroups(c);
             c.bSMA = c.bPCIe = c.bSATA = c.bSFP = c.bEthernet = c.bHPS = 1;
         },
         BoardFacts{
             .connectors = std::vector<std::string>{"SMA", "PCIE", "SATA", "SFP", "ETH", "HPS"},
             .counts = {{.name = "SMA", .entries = 2}, {.name = "PCIE", .entries = 11}, {.name = "SATA", .entries = 10},
                        {.name = "SFP", .entries = 3}, {.name = "ETH", .entries = 6},
                        {.name = "HPS", .entries = 1 + 14 + 4 + 5 + 5 + 4 + 4 + 4 + 8 + 4}},
             .pins = {{"SMA_CLKOUT_p", "AN21", out, LVDS},
                      {"PCIE_RX_p[3]", "AK35", in, HSSI},
                      {"PCIE_WAKE_n", "AL19", out, V1_8},
                      {"SATA_DEVICE_RX_p[1]", "B35", in, HSSI},
                      {"SATA_DEVICE_REFCLK_p", "M31", in, LVDS},
                      {"SFP_MOD2_SDA", "AE25", inout, V1_2},
                      {"ETH_MDC", "AT19", in, V1_8},
                      {"ETH_RST_n", "AK20", out, V1_8},
                      {"HPS_CLK_25", "E22", inout, V1_8},
                      {"HPS_DIO[0]", "J18", inout, V1_8},
                      {"HPS_DIO[13]", "", inout, V1_8},
                      {"HPS_ENET_TX_EN", "G25", inout, V1_8},
                      {"HPS_USB_DATA[0]", "K25", inout, V1_8},
                      {"HPS_USB_DATA[7]", "", inout, V1_8},
                      {"HPS_WARM_RST_N", "J21", inout, V1_8}},
         }},
    };
    TConfigIdrenne settings;
    modeltest::ExpectDefinitionTable<IDRENNE_CONFIG>(cases, [&](TMainBoard& board, const IDRENNE_CONFIG& record) {
        settings.Config = record;
        BuildMainBoard_Idrenne(&board, &settings);
        EXPECT_EQ(board.m_pConfigBoard, &settings);
    });
}

// Every group and both connectors: the groups' order, and no clock pins but the five.
TEST(IdrenneDefinition, EverythingTicked)
{
    TConfigIdrenne settings;
    settings.Config = TConfigIdrenne::DefaultConfig();
    IDRENNE_CONFIG& c = settings.Config;
    for (uint8_t* b : {&c.bEthernet, &c.bSMA, &c.bSATA, &c.bPCIe, &c.bSDI, &c.bUSB, &c.bHDMI, &c.bSFP,
                       &c.bDisplayPort, &c.bHPS})
        *b = 1;
    c.nDDR4SocketDaughterId = DAUGHTER_DDR4_SODIMM_ECC;
    c.nFmcDaughterId = DAUGHTER_FMC_HPC_VITA;
    TMainBoard board;
    BuildMainBoard_Idrenne(&board, &settings);
    EXPECT_EQ(modeltest::ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "DDR4 SODIMM", "DDR4B", "HDMI", "USB Type-C",
                                        "I2C for HDMI/SDI/FMC/", "FAN", "SMA", "PCIE", "SATA", "SFP", "ETH", "HPS",
                                        "SDI", "FMC"}));
    const TConnector* i2c = FindConnector(board, "I2C for HDMI/SDI/FMC/");
    ASSERT_TRUE(i2c);
    std::vector<std::string> i2cPins;
    for (int i = 0; i < i2c->GetPinCount(); ++i) i2cPins.push_back(i2c->GetPin(i)->GetName());
    EXPECT_EQ(i2cPins, (std::vector<std::string>{"FPGA_I2C_SCL", "FPGA_I2C_SDA", "REFCLK0_SDI_SCL", "REFCLK0_SDI_SDA",
                                                 "REFCLK1_HDMI_SCL", "REFCLK1_HDMI_SDA", "CDCM6208_SCL",
                                                 "CDCM6208_SDA"}));
    int clocks = 0;
    for (int k = 0; k < board.GetConnectorCount(); ++k) {
        const TConnector& connector = *board.GetConnector(k);
        for (int i = 0; i < connector.GetPinCount(); ++i)
            if (connector.GetPin(i) && connector.GetPin(i)->IsClock()) ++clocks;
    }
    EXPECT_EQ(clocks, 5);
    // Located pins: the groups' given locations, the first socket and FMC positions, and
    // the two pins after the FMC positions.
    EXPECT_EQ(modeltest::ExpectSoundModel(board),
              5 + 3 + 2 + 2 + 1 + (1 + 1 + 4 + 2 + 2 + 10 + 1 + 5 + 2 + 1 + 3 + 1 + 2 + 1) + 5 +
                  (3 + 20 + 1 + 10) + 8 + 1 + 2 + 11 + 10 + 3 + 6 + (1 + 1 + 4 + 5 + 5 + 4 + 4 + 4 + 1 + 4) + 5 + 1 +
                  2);
}

TEST(IdrenneDefinition, WrongIdOrSizeIsAnInternalError)
{
    TConfigIdrenne settings;
    settings.Config = TConfigIdrenne::DefaultConfig();
    settings.Config.BoardId = MAINBOARD_Ulvarin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Idrenne(&board, &settings), platform::InternalError);
    settings.Config = TConfigIdrenne::DefaultConfig();
    settings.Config.Size = 416;
    EXPECT_THROW(BuildMainBoard_Idrenne(&board, &settings), platform::InternalError);
}

// Vellani's definition: records in, the device, the connectors in order, their counts and
// spot pins and positions out.
#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix5/CONFIG_VELLANI.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

using modeltest::BoardFacts;
using modeltest::DefinitionCase;
using modeltest::FindPin;

void DefaultConfig(VELLANI_CONFIG& record) { record = TConfigVellani::DefaultConfig(); }

namespace {

VELLANI_CONFIG Nothing()
{
    VELLANI_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Vellani;
    c.Size = sizeof c;
    return c;
}

void Build(TMainBoard& board, const VELLANI_CONFIG& record)
{
    static TConfigVellani settings;  // the board keeps a pointer to it
    settings.Config = record;
    BuildMainBoard_Vellani(&board, &settings);
}

constexpr int IN = DIRECTION_INPUT;
constexpr int OUT = DIRECTION_OUTPUT;
constexpr int IO = DIRECTION_INOUT;
constexpr int DAUGHTER = DIRECTION_FROM_DAUGHTER;

const std::vector<std::string> kDefaultGroups = {"CLOCK",         "KEY",
                                                 "SW",            "LED",
                                                 "FAN",           "SSRAM",
                                                 "FLASH",         "Share Bus for Flash and SSRAM",
                                                 "SD Card",       "Uart to Usb",
                                                 "I2C for Temperature-Sensor or Fan-Control or Power-Monitor",
                                                 "Temperature",   "POWER Monitor",
                                                 "SMA"};

const DefinitionCase<VELLANI_CONFIG> kCases[] = {
    {"defaults",
     nullptr,
     {.device = modeltest::DeviceFacts{31, "Stratix V", "5SGXEA7N2F45C2", "FBGA", 1932, 0, "C2"},
      .connectors = kDefaultGroups,
      .counts = {{.name = "CLOCK", .entries = 7},
                 {.name = "KEY", .entries = 5},
                 {.name = "SSRAM", .entries = 8},
                 {.name = "FLASH", .entries = 7},
                 {.name = "Share Bus for Flash and SSRAM", .entries = 42, .type = CONNECTOR_NONE},
                 {.name = "SD Card", .entries = 6}},
      .pins = {{"OSC_50_B3B", "AW35", IN, 0, 1, 0, "50.000000 MHz"},
               {"OSC_50_B8D", "R25", IN, 6, 1, 0, "50.000000 MHz"},
               {"CPU_RESET_n", "BC37", IN, 6, 0, 0, ""},
               {"BUTTON[3]", "BB9", IN, 0},
               {"LED[0]", "AT32", OUT, 0},
               {"FSM_A[1]", "AE11", OUT, 6},
               {"FSM_A[26]", "", OUT, 6},
               {"FSM_D[0]", "AG10", IO, 6},
               {"FSM_D[15]", "", IO, 6},
               {"FLASH_RDY_BSY_n", "AU25", IN, 6},
               {"SD_CMD", "BA36", IO, 6},
               {"FPGA_I2C_SDA", "AP9", IO, 0},
               {"SMA_CLKOUT_p", "AV8", OUT, 9, 0}}}},
    {"board type 1", [](VELLANI_CONFIG& c) { c.BoardVariant = 1; },
     {.device = modeltest::DeviceFacts{31, "Stratix V", "5SGXEABN2F45C2", "FBGA", 1932, 0, "C2"}}},
    {"board type 2", [](VELLANI_CONFIG& c) { c.BoardVariant = 2; },
     {.device = modeltest::DeviceFacts{31, "Stratix V", "5SGXEABN3F45I3YY", "FBGA", 1932, 0, "I3"}}},
    {"board type outside the list", [](VELLANI_CONFIG& c) { c.BoardVariant = 3; },
     {.device = modeltest::DeviceFacts{31, "Stratix V", "", "FBGA", 1932, 0, ""}}},
    {"nothing", [](VELLANI_CONFIG& c) { c = Nothing(); },
     {.device = modeltest::DeviceFacts{31, "Stratix V", "5SGXEA7N2F45C2", "FBGA", 1932, 0, "C2"},
      .connectors = std::vector<std::string>{}}},
    {"SSRAM alone", [](VELLANI_CONFIG& c) { c = Nothing(), c.bSSRAM = 1; },
     {.connectors = std::vector<std::string>{"SSRAM", "Share Bus for Flash and SSRAM"},
      .counts = {{.name = "Share Bus for Flash and SSRAM", .entries = 42}}}},
    {"fan alone", [](VELLANI_CONFIG& c) { c = Nothing(), c.bFan = 1; },
     {.connectors =
          std::vector<std::string>{"FAN", "I2C for Temperature-Sensor or Fan-Control or Power-Monitor"},
      .pins = {{"FPGA_I2C_SCL", "AN11", IO, 0}, {"FAN_ALERT_n", "AM11", IN, 0}}}},
    {"temperature alone", [](VELLANI_CONFIG& c) { c = Nothing(), c.bTemp = 1; },
     {.connectors =
          std::vector<std::string>{"I2C for Temperature-Sensor or Fan-Control or Power-Monitor", "Temperature"}}},
    {"DDR3 alone", [](VELLANI_CONFIG& c) { c = Nothing(), c.bDDR3 = 1; },
     {.connectors = std::vector<std::string>{"DDR3 SODIMM", "RZQ for DDR3"},
      .counts = {{.name = "DDR3 SODIMM", .entries = 204, .pins = 124, .type = CONNECTOR_DDR3_SODIMM,
                  .expansionId = 24, .description = "DDR3 SODIMM"},
                 {.name = "RZQ for DDR3", .entries = 1}},
      .pins = {{"RZQ_DDR3", "AR8", IN, 0}},
      .positions = {{"DDR3 SODIMM", 3, std::nullopt},
                    {"DDR3 SODIMM", 4, "AH30", DAUGHTER, IOSTD_FROM_DAUGHTER},
                    {"DDR3 SODIMM", 5, "", DAUGHTER, IOSTD_FROM_DAUGHTER},
                    {"DDR3 SODIMM", 122, std::nullopt},
                    {"DDR3 SODIMM", 202, ""},
                    {"DDR3 SODIMM", 204, std::nullopt}}}},
    {"a card on FMC-B only", [](VELLANI_CONFIG& c) { c = Nothing(), c.nFmcDaughterId[1] = DAUGHTER_FMC_LPC_VITA; },
     {.connectors = std::vector<std::string>{"RZQ for FMC", "FMCB"},
      .counts = {{.name = "FMCB", .entries = 400, .pins = 79, .type = CONNECTOR_FMC_LPC, .expansionId = 21,
                  .description = "FMCB connect to " + BoardName(DAUGHTER_FMC_LPC_VITA)},
                 {.name = "RZQ for FMC", .entries = 1}},
      .pins = {{"RZQ_FMC", "H9", IN, 6}},
      .positions = {{"FMCB", 81, std::nullopt}, {"FMCB", 82, "AL41", DAUGHTER, IOSTD_FROM_DAUGHTER}, {"FMCB", 86, ""}}}},
    {"DDR3 and an FMC card", [](VELLANI_CONFIG& c) { c = Nothing(), c.bDDR3 = 1, c.nFmcDaughterId[3] = 40; },
     {.connectors = std::vector<std::string>{"DDR3 SODIMM", "RZQ for FMC and DDR3", "FMCD"},
      .counts = {{.name = "RZQ for FMC and DDR3", .entries = 2},
                 {.name = "FMCD", .entries = 400, .pins = 194, .type = CONNECTOR_FMC_HPC, .expansionId = 23}},
      .positions = {{"FMCD", 1, std::nullopt}, {"FMCD", 2, "Y2"}, {"FMCD", 398, ""}, {"FMCD", 400, std::nullopt}}}},
    {"card ids above 127 count as none on FMC",
     [](VELLANI_CONFIG& c) { c = Nothing(), c.nFmcDaughterId[0] = 200, c.nFmcDaughterId[2] = 128; },
     {.connectors = std::vector<std::string>{}}},
    {"every connector",
     [](VELLANI_CONFIG& c) {
         c.bDDR3 = c.bPCIe = c.bSataHost = c.bSataDevice = 1;
         c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
         c.nFmcDaughterId[0] = 40, c.nFmcDaughterId[1] = 41, c.nFmcDaughterId[2] = 46, c.nFmcDaughterId[3] = 42;
     },
     {.counts = {{.name = "GPIO", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = 16,
                  .description = "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT)},
                 {.name = "FMCA", .entries = 400, .pins = 194, .type = CONNECTOR_FMC_HPC, .expansionId = 20},
                 {.name = "FMCC", .entries = 400, .pins = 79, .type = CONNECTOR_FMC_LPC, .expansionId = 22},
                 {.name = "PCIE", .entries = 11}},
      .pins = {{"PCIE_REFCLK_p", "AK38", IN, 37},
               {"PCIE_TX_p[3]", "AU41", OUT, 35},
               {"PCIE_WAKE_n", "BD35", OUT, 0},
               {"SATA_DEVICE_RX_p", "BB2", IN, 35}},
      .positions = {{"GPIO", 1, "AU36"},     {"GPIO", 2, ""},           {"GPIO", 11, std::nullopt},
                    {"GPIO", 30, std::nullopt}, {"FMCA", 2, "Y43"},     {"FMCC", 82, "AL4"}}}},
    {"CDCM6208 with its default choices", [](VELLANI_CONFIG& c) {
         c = Nothing(), c.bOSC = c.bButton = 1, c.bExtCdcmPLL = 1;
         std::memcpy(c.nPLL, TConfigVellani::DefaultConfig().nPLL, sizeof c.nPLL);  // 2, 2, 1, 1, 0, 1
     },
     {.connectors = std::vector<std::string>{"CLOCK", "KEY", "CDCM6208 External PLL"},
      .counts = {{.name = "CDCM6208 External PLL", .entries = 7}},
      .pins = {{"CLOCK_SCL", "AR25", OUT, 6},
               {"CLOCK_SDA", "BC25", IO, 6},
               {"FMCA_ONBOARD_REFCLK_p[0]", "Y38", IN, 21, 1, 0, "125.000000 MHz"},
               {"FMCD_ONBOARD_REFCLK_p[0]", "Y7", IN, 21, 1, 0, "125.000000 MHz"},
               {"SATA_HOST_REFCLK_p", "AH6", IN, 21, 1, 0, "150.000000 MHz"},
               {"SATA_DEVICE_REFCLK_p", "AK7", IN, 21, 1, 0, "150.000000 MHz"},
               {"DDR3_REFCLK_p", "BB33", IN, 21, 1, 0, "133.333328 MHz"}}}},
    {"LMK04906 with 644, off, 322, 644",
     [](VELLANI_CONFIG& c) {
         c = Nothing(), c.bOSC = c.bButton = 1, c.bExtLmkPLL = 1;
         c.nPLL_PLUS[0] = 2, c.nPLL_PLUS[1] = 0, c.nPLL_PLUS[2] = 1, c.nPLL_PLUS[3] = 2;
     },
     {.connectors = std::vector<std::string>{"CLOCK", "KEY", "LMK04906B External PLL"},
      .counts = {{.name = "LMK04906B External PLL", .entries = 7}},
      .pins = {{"LMK04906_CLK", "AT24", OUT, 6},
               {"LMK04906_DATAOUT", "BC29", IN, 0},
               {"LMK04906_LE", "AT33", OUT, 0},
               {"FMCA_ONBOARD_REFCLK_p[1]", "T38", IN, 21, 1, 0, "644.531250 MHz"},
               {"FMCC_ONBOARD_REFCLK_p[0]", "AD6", IN, 21, 1, 0, "322.265625 MHz"},
               {"FMCD_ONBOARD_REFCLK_p[1]", "T7", IN, 21, 1, 0, "644.531250 MHz"}}}},
    // The chips' blocks need their oscillator and the reset button even with those groups off.
    {"both chips with clock and buttons off",
     [](VELLANI_CONFIG& c) { c = Nothing(), c.bExtCdcmPLL = c.bExtLmkPLL = 1; },
     {.connectors = std::vector<std::string>{"CLOCK", "KEY", "LMK04906B External PLL", "CDCM6208 External PLL"},
      .counts = {{.name = "CLOCK", .entries = 2}, {.name = "KEY", .entries = 1}},
      .pins = {{"OSC_50_B3B", "AW35", IN, 0, 1, 0, "50.000000 MHz"},
               {"OSC_50_B4A", "AP10", IN, 0, 1, 0, "50.000000 MHz"},
               {"CPU_RESET_n", "BC37", IN, 6}}}},
    {"LMK04906 alone with clock and buttons off",
     [](VELLANI_CONFIG& c) { c = Nothing(), c.bExtLmkPLL = 1; },
     {.counts = {{.name = "CLOCK", .entries = 1}}, .pins = {{"OSC_50_B4A", "AP10", IN, 0, 1}}}},
};

}  // namespace

TEST(VellaniDefinition, Table) { modeltest::ExpectDefinitionTable<VELLANI_CONFIG>(kCases, Build); }

TEST(VellaniDefinition, ClocksOnlyForTheChosenOutputs)
{
    TMainBoard board;
    VELLANI_CONFIG c = Nothing();
    c.bExtCdcmPLL = c.bExtLmkPLL = 1;
    const uint8_t pll[] = {0, 3, 2, 1, 0, 0};  // SATA host at a value its list lacks
    std::memcpy(c.nPLL, pll, sizeof pll);
    std::memset(c.nPLL_PLUS, 0, sizeof c.nPLL_PLUS);
    c.nPLL_PLUS[1] = 1;
    Build(board, c);
    for (const char* absent : {"FMCA_ONBOARD_REFCLK_p[0]", "SATA_HOST_REFCLK_p", "PCIE_ONBOARD_REFCLK_p",
                               "DDR3_REFCLK_p", "FMCA_ONBOARD_REFCLK_p[1]", "FMCC_ONBOARD_REFCLK_p[0]",
                               "FMCD_ONBOARD_REFCLK_p[1]"})
        EXPECT_EQ(FindPin(board, absent), nullptr) << absent;
    ASSERT_TRUE(FindPin(board, "FMCD_ONBOARD_REFCLK_p[0]"));
    EXPECT_EQ(FindPin(board, "FMCD_ONBOARD_REFCLK_p[0]")->GetFrequency(), "150.000000 MHz");
    ASSERT_TRUE(FindPin(board, "FMCB_ONBOARD_REFCLK_p[0]"));
    EXPECT_EQ(FindPin(board, "FMCB_ONBOARD_REFCLK_p[0]")->GetFrequency(), "322.265625 MHz");
    EXPECT_EQ(FindPin(board, "SATA_DEVICE_REFCLK_p")->GetFrequency(), "150.000000 MHz");
}

// A bus is one port of one group: the LMK04906's member of an FMC reference-clock bus whose
// other member the CDCM6208 drives joins the CDCM6208's group.
TEST(VellaniDefinition, BothChipsShareTheFmcClockBuses)
{
    struct Case {
        uint8_t fmca, fmcd;  // CDCM6208 choices of outputs 0 and 1
        const char* groupOfA1;
        const char* groupOfD1;
    };
    const char* lmk = "LMK04906B External PLL";
    const char* cdcm = "CDCM6208 External PLL";
    for (const Case& c : {Case{2, 2, cdcm, cdcm}, Case{0, 2, lmk, cdcm}, Case{3, 0, cdcm, lmk}}) {
        VELLANI_CONFIG record = TConfigVellani::DefaultConfig();
        record.bExtCdcmPLL = record.bExtLmkPLL = 1;
        record.nPLL[0] = c.fmca;
        record.nPLL[1] = c.fmcd;
        TMainBoard board;
        Build(board, record);
        const TConnector* a = modeltest::FindConnector(board, c.groupOfA1);
        const TConnector* d = modeltest::FindConnector(board, c.groupOfD1);
        ASSERT_TRUE(a && d);
        EXPECT_TRUE(FindPin(*a, "FMCA_ONBOARD_REFCLK_p[1]")) << int(c.fmca);
        EXPECT_TRUE(FindPin(*d, "FMCD_ONBOARD_REFCLK_p[1]")) << int(c.fmcd);
        EXPECT_TRUE(FindPin(*modeltest::FindConnector(board, lmk), "FMCB_ONBOARD_REFCLK_p[0]"));
        EXPECT_EQ(FindPin(board, "FMCA_ONBOARD_REFCLK_p[1]")->GetFrequency(), "644.531250 MHz");
        modeltest::ExpectSoundModel(board);
    }
}

TEST(VellaniDefinition, KeepsTheSettingsObjectAndChecksIdAndSize)
{
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    TMainBoard board;
    BuildMainBoard_Vellani(&board, &settings);
    EXPECT_EQ(board.m_pConfigBoard, &settings);
    EXPECT_EQ(board.GetSpeedGrade(), 0);

    settings.Config.BoardId = 27;
    EXPECT_THROW(BuildMainBoard_Vellani(&board, &settings), platform::InternalError);
    settings.Config = TConfigVellani::DefaultConfig();
    settings.Config.Size = 811;
    EXPECT_THROW(BuildMainBoard_Vellani(&board, &settings), platform::InternalError);
}

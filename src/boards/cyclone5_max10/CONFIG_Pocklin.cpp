#include "boards/cyclone5_max10/CONFIG_Pocklin.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V1_5 = 0;            // "1.5 V"
constexpr uint8_t V2_5 = 6;            // "2.5 V"
constexpr uint8_t LVTTL = 8;           // "3.3-V LVTTL"
constexpr uint8_t DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr uint8_t SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr uint8_t V1_5_SCHMITT = 47;   // "1.5 V Schmitt Trigger"

constexpr BoardPinRow kClock[] = {
    {"ADC_CLK_10", in, LVTTL, "M9", ClockText("10.0 MHz")},
    {"MAX10_CLK1_50", in, LVTTL, "N5", ClockText("50.0 MHz")},
    {"MAX10_CLK2_50", in, LVTTL, "V9", ClockText("50.0 MHz")},
    {"MAX10_CLK3_50", in, V1_5, "N14", ClockText("50.0 MHz")},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..4]", in, V1_5_SCHMITT, "T22 U22 AA22 AA21 R22"},
    {"FPGA_RESET_n", in, LVTTL, "D9"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, V1_5, "N22 M22 N21 L22 J22 H22 J21 C21 G19 H21"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "C2 B3 A3 C3 A4 B4 C4 B5 C5 D5"},
};

constexpr BoardPinRow kHex[] = {
    {"HEX0[0..6]", out, LVTTL, "D6 A5 C6 A6 F7 D7 B7"},
    {"HEX1[0..6]", out, LVTTL, "C7 C8 D8 D10 E10 H11 E6"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUDIO_BCLK", inout, V2_5, "J12"},
    {"AUDIO_DIN_MFP1", out, V2_5, "J13"},
    {"AUDIO_DOUT_MFP2", in, V2_5, "H13"},
    {"AUDIO_GPIO_MFP5", inout, V2_5, "D14"},
    {"AUDIO_MCLK", out, V2_5, "J11"},
    {"AUDIO_MISO_MFP4", in, V2_5, "E13"},
    {"AUDIO_RESET_n", inout, V2_5, "D13"},
    {"AUDIO_SCLK_MFP3", out, V2_5, "H14"},
    {"AUDIO_SCL_SS_n", out, V2_5, "F15"},
    {"AUDIO_SDA_MOSI", inout, V2_5, "F16"},
    {"AUDIO_SPI_SELECT", out, V2_5, "E14"},
    {"AUDIO_WCLK", inout, V2_5, "H12"},
};

constexpr BoardPinRow kDac[] = {
    {"DAC_DATA", inout, LVTTL, "A2"},
    {"DAC_SCLK", out, LVTTL, "B1"},
    {"DAC_SYNC_n", out, LVTTL, "B2"},
};

// The negative strobes have no location of their own: the fitter places them beside their
// positive halves.
constexpr BoardPinRow kDdr3[] = {
    {"DDR3_A[0..14]", out, SSTL15_I, "U20 F19 V20 G20 F22 E20 E21 Y20 C22 D22 J14 E22 G22 D19 C20"},
    {"DDR3_BA[0..2]", out, SSTL15_I, "W22 Y21 Y22"},
    {"DDR3_CAS_n, DDR3_CKE", out, SSTL15_I, "U19 V18"},
    {"DDR3_CK_n, DDR3_CK_p", inout, DIFF_SSTL15_I, "E18 D18"},
    {"DDR3_CS_n", out, SSTL15_I, "W20"},
    {"DDR3_DM[0..2]", out, SSTL15_I, "J15 N19 T18"},
    {"DDR3_DQ[0..23]", inout, SSTL15_I,
     "J18 H19 K20 H18 K18 H20 K19 J20 L18 M18 M14 N20 L20 M20 M15 L19 T19 R20 R15 P15 P19 P14 R14 P20"},
    {"DDR3_DQS_n[0..2]", inout, DIFF_SSTL15_I, ""},
    {"DDR3_DQS_p[0..2]", inout, DIFF_SSTL15_I, "K14 L14 R18"},
    {"DDR3_ODT, DDR3_RAS_n, DDR3_RESET_n, DDR3_WE_n", out, SSTL15_I, "V22 N18 B22 W19"},
};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_DATA[0..3]", inout, LVTTL, "AB18 AA19 AB19 AA20"},
    {"FLASH_DCLK, FLASH_NCSO, FLASH_RESET_n", out, LVTTL, "AB17 AB21 AB20"},
};

constexpr BoardPinRow kGSensor[] = {
    {"GSENSOR_CS_n", out, V2_5, "C16"},
    {"GSENSOR_INT[1..2]", in, V2_5, "B15 D17"},
    {"GSENSOR_SCLK, GSENSOR_SDI, GSENSOR_SDO", inout, V2_5, "A15 C15 B16"},
};

constexpr BoardPinRow kHdmiRx[] = {
    {"HDMI_AP", in, LVTTL, "W9"},
    {"HDMI_I2C_SCL, HDMI_I2C_SDA, HDMI_LRCLK, HDMI_MCLK", inout, LVTTL, "R13 P13 V11 R12"},
    {"HDMI_RX_CLK", in, LVTTL, "P11"},
    {"HDMI_RX_D[0..23]", in, LVTTL,
     "AA9 AB9 Y10 AA10 AB10 Y11 AA11 AB11 Y14 AB15 AA15 W14 V14 V15 U15 AB14 AA14 AB13 Y13 AB12 AA12 W13 W12 V13"},
    {"HDMI_RX_DE", in, LVTTL, "W10"},
    {"HDMI_RX_HS", inout, LVTTL, "V12"},
    {"HDMI_RX_INT1", in, LVTTL, "P12"},
    {"HDMI_RX_RESET_n", inout, LVTTL, "AA13"},
    {"HDMI_RX_VS", in, LVTTL, "W11"},
    {"HDMI_SCLK", inout, LVTTL, "W8"},
};

constexpr BoardPinRow kLightSensor[] = {
    {"LSENSOR_INT", inout, LVTTL, "M2"},
    {"LSENSOR_SCL", out, LVTTL, "M1"},
    {"LSENSOR_SDA", inout, LVTTL, "T3"},
};

constexpr BoardPinRow kMipi[] = {
    {"MIPI_CS_n, MIPI_I2C_SCL", out, LVTTL, "U7 Y1"},
    {"MIPI_I2C_SDA", inout, LVTTL, "Y2"},
    {"MIPI_PIXEL_CLK", in, LVTTL, "V10"},
    {"MIPI_PIXEL_D[0..23]", in, LVTTL,
     "U6 W5 V7 V5 W4 V4 W3 W6 W7 Y3 Y4 Y5 AB3 AB4 AA5 AB5 AB7 Y8 AA8 AA7 Y7 AB6 AA6 Y6"},
    {"MIPI_PIXEL_HS, MIPI_PIXEL_VS", in, LVTTL, "AA2 AA1"},
    {"MIPI_RESET_n, MIPI_REFCLK", out, LVTTL, "AA3 W17"},
    {"CAMERA_I2C_SCL", out, V2_5, "A20"},
    {"CAMERA_I2C_SDA", inout, V2_5, "B19"},
    {"CAMERA_PWDN_n", inout, LVTTL, "R11"},
};

constexpr BoardPinRow kRavesh[] = {
    {"Ravesh_B[0..7]", out, LVTTL, "P4 P5 N3 P8 N4 N8 N9 M8"},
    {"Ravesh_BL_ON_n", inout, LVTTL, "R9"},
    {"Ravesh_DCLK", out, LVTTL, "W1"},
    {"Ravesh_G[0..7]", out, LVTTL, "T5 T6 R1 R2 R4 P1 R5 R7"},
    {"Ravesh_HSD, Ravesh_I2C_SCL", out, LVTTL, "N1 P9"},
    {"Ravesh_I2C_SDA", inout, LVTTL, "P10"},
    {"Ravesh_INT", in, LVTTL, "R10"},
    {"Ravesh_R[0..7]", out, LVTTL, "U5 U4 U3 W2 U2 V1 T2 T1"},
    {"Ravesh_VSD", out, LVTTL, "N2"},
};

constexpr BoardPinRow kEthernet[] = {
    {"NET_GTX_CLK", out, V2_5, "C11"},
    {"NET_INT_n, NET_LINK100", in, V2_5, "C13 A7"},
    {"NET_MDC", out, V2_5, "D12"},
    {"NET_MDIO", inout, V2_5, "E12"},
    {"NET_RST_N", out, V2_5, "C14"},
    {"NET_RX_CLK", in, LVTTL, "J10", ClockText("125.0 MHz")},
    {"NET_RX_COL, NET_RX_CRS", in, V2_5, "C9 A9"},
    {"NET_RX_D[0..3]", in, V2_5, "A10 B10 A11 B11"},
    {"NET_RX_DV, NET_RX_ER", in, V2_5, "A8 B8"},
    {"NET_TX_CLK", in, LVTTL, "E11", ClockText("125.0 MHz")},
    {"NET_TX_D[0..3]", out, V2_5, "A12 B12 A13 A14"},
    {"NET_TX_EN, NET_TX_ER", out, V2_5, "C10 C12"},
};

constexpr BoardPinRow kPowerMonitor[] = {
    {"PM_I2C_SCL", out, LVTTL, "E8"},
    {"PM_I2C_SDA", inout, LVTTL, "E9"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", inout, LVTTL, "V3 U1 P3 R3"},
};

constexpr BoardPinRow kHumiditySensor[] = {
    {"RH_TEMP_DRDY_n", in, LVTTL, "Y19"},
    {"RH_TEMP_I2C_SCL", out, LVTTL, "Y18"},
    {"RH_TEMP_I2C_SDA", inout, LVTTL, "W18"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CLK", out, V2_5, "A16"},
    {"SD_CMD", inout, V2_5, "C18"},
    {"SD_DATA[0..3]", inout, V2_5, "A17 A18 B17 C17"},
};

constexpr BoardPinRow kUart2Usb[] = {
    {"UART_RESET_n", out, V2_5, "D15"},
    {"UART_RX", in, V2_5, "E16"},
    {"UART_TX", out, V2_5, "E15"},
};

// The 2x6 header, positions 1 to 8. Its pins take the card's directions but stay 3.3-V LVTTL.
constexpr const char* kOmbrelLocations[8] = {"Y17", "AA17", "V16", "W15", "AB16", "AA16", "Y16", "W16"};
constexpr FixedPosition kOmbrelStandards[] = {
    {1, DIRECTION_FROM_DAUGHTER, LVTTL}, {2, DIRECTION_FROM_DAUGHTER, LVTTL}, {3, DIRECTION_FROM_DAUGHTER, LVTTL},
    {4, DIRECTION_FROM_DAUGHTER, LVTTL}, {5, DIRECTION_FROM_DAUGHTER, LVTTL}, {6, DIRECTION_FROM_DAUGHTER, LVTTL},
    {7, DIRECTION_FROM_DAUGHTER, LVTTL}, {8, DIRECTION_FROM_DAUGHTER, LVTTL},
};

}  // namespace

void DefaultConfig(POCKLIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Pocklin;
    config.Size = sizeof(POCKLIN_CONFIG);
    WriteRecordText(config.szProjectName, "MAX10");
    config.bClock = config.bLed = config.bButton = config.bSwitch = config.bSeg7 = config.bPowerMonitor =
        config.bGSensor = config.bHumiditySensor = config.bLightSensor = config.bAudio = config.bHdmiRx =
            config.bSdCard = config.bFlash = config.bPs2 = config.bUart2Usb = config.Spare = config.bDac = 1;
    config.bDdr3 = config.bEthernet = config.bMipi = config.bRavesh = 0;
}

int32_t PocklinOmbrelCards(uint8_t (&ids)[256])
{
    return configshared::BuildDaughterList(ids, CONNECTOR_Ombrel_2x6, false, VOLTAGE_2V5, false);
}

uint8_t PocklinOmbrelCard(int32_t storedId)
{
    uint8_t ids[256];
    int32_t count = PocklinOmbrelCards(ids);
    for (int32_t i = 1; i < count; ++i)
        if (ids[i] == storedId) return ids[i];
    return DAUGHTER_NONE;
}

void BuildMainBoard_Pocklin(TMainBoard* board, const POCKLIN_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Pocklin);
    PW_CHECK(Config.Size == sizeof(POCKLIN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C6GES";
    board->m_Package = "FBGA";
    board->m_DevicePinCount = 484;
    board->m_SpeedGradeText = "6";

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLed) AddBoardGroup(*board, "LEDR", kLed);
    if (Config.bSeg7) AddBoardGroup(*board, "HEX", kHex);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bDac) AddBoardGroup(*board, "DAC", kDac);
    if (Config.bDdr3) AddBoardGroup(*board, "DDR3 SDRAM", kDdr3);
    if (Config.bFlash) AddBoardGroup(*board, "QSPI Flash", kFlash);
    if (Config.bGSensor) AddBoardGroup(*board, "G-Sensor", kGSensor);
    if (Config.bHdmiRx) AddBoardGroup(*board, "HDMI-RX", kHdmiRx);
    if (Config.bLightSensor) AddBoardGroup(*board, "Light Sensor", kLightSensor);
    if (Config.bMipi) AddBoardGroup(*board, "MIPI CS2 Camera", kMipi);
    if (Config.bRavesh) AddBoardGroup(*board, "Ravesh", kRavesh);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet", kEthernet);
    if (Config.bPowerMonitor) AddBoardGroup(*board, "Power Monitor", kPowerMonitor);
    if (Config.bPs2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bHumiditySensor) AddBoardGroup(*board, "Humidity and Temperature Sensor", kHumiditySensor);
    if (Config.bSdCard) AddBoardGroup(*board, "MicroSD Card", kSdCard);
    if (Config.bUart2Usb) AddBoardGroup(*board, "Uart to USB", kUart2Usb);

    // A stored id that is no card of the header counts as none: the header is built only
    // where a card will be attached to it.
    uint8_t card = PocklinOmbrelCard(Config.nOmbrelDaughterId);
    if (card != DAUGHTER_NONE) {
        TConnector* header = AddExpansionConnector(
            *board, "Ombrel 2x6 GPIO Header", platform::Format("Ombrel connect to %s", BoardName(card).c_str()),
            CONNECTOR_Ombrel_2x6, EXPANSION_Ombrel_2x6, kOmbrelLocations, {.fixed = kOmbrelStandards});
        for (int i = 0; i < header->GetPinCount(); ++i) header->GetPin(i)->SetName(platform::Format("GPIO[%d]", i));
    }
}

void BuildPocklinProjectBoard(TMainBoard& board, const POCKLIN_CONFIG& config)
{
    BuildMainBoard_Pocklin(&board, config);
    uint8_t card = PocklinOmbrelCard(config.nOmbrelDaughterId);
    if (card != DAUGHTER_NONE)
        TConfigBaseAttach::AttachOmbrelCard(&board, EXPANSION_Ombrel_2x6, card, ReadRecordText(config.szOmbrelPrefixName),
                                            "", IOSTD_DEFAULT, 0);
}

std::vector<CardChoice> PocklinCardChoices(const POCKLIN_CONFIG& config)
{
    return {ChoiceOf("Ombrel 2x6 GPIO Header", config.nOmbrelDaughterId, CONNECTOR_Ombrel_2x6)};
}

bool GeneratePocklinProject(const POCKLIN_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(PocklinCardChoices(config))) return false;
    TMainBoard board;
    BuildPocklinProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

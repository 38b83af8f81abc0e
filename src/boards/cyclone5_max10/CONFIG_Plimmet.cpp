#include "boards/cyclone5_max10/CONFIG_Plimmet.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V2_5 = 6;               // "2.5 V"
constexpr uint8_t LVTTL = 8;              // "3.3-V LVTTL"
constexpr uint8_t LVDS = 21;              // "LVDS"
constexpr uint8_t PCML1_5 = 36;           // "1.5-V PCML"
constexpr uint8_t V1_2 = 40;              // "1.2 V"
constexpr uint8_t HSUL1_2 = 43;           // "1.2-V HSUL"
constexpr uint8_t DIFF_HSUL1_2 = 46;      // "Differential 1.2-V HSUL"

constexpr BoardPinRow kClock[] = {
    {"CLOCK_125_p", in, LVDS, "U12", ClockPeriod(8)},
    {"CLOCK_50_B5B", in, LVTTL, "R20", ClockPeriod(20)},
    {"CLOCK_50_B6A", in, LVTTL, "N20", ClockPeriod(20)},
    {"CLOCK_50_B7A", in, V2_5, "H12", ClockPeriod(20)},
    {"CLOCK_50_B8A", in, V2_5, "M10", ClockPeriod(20)},
};

constexpr BoardPinRow kLed[] = {
    {"LEDG[0..7]", out, V2_5, "L7 K6 D8 E9 A5 B6 H8 H9"},
    {"LEDR[0..9]", out, V2_5, "F7 F6 G6 G7 J8 J7 K10 K8 H7 J10"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, V1_2, "P11 P12 Y15 Y16"},
    {"CPU_RESET_n", in, LVTTL, "AB24"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, V1_2, "AC9 AE10 AD13 AC8 W11 AB10 V10 AC10 Y11 AE19"},
};

constexpr BoardPinRow kSeg7Lower[] = {
    {"HEX0[0..6]", out, V1_2, "V19 V18 V17 W18 Y20 Y19 Y18"},
    {"HEX1[0..6]", out, V1_2, "AA18 AD26 AB19 AE26 AE25 AC19 AF24"},
};

// The pins of the GPIO header's positions 25 to 28 and 31 to 40.
constexpr BoardPinRow kSeg7Upper[] = {
    {"HEX2[0..6]", out, LVTTL, "AD7 AD6 U20 V22 V20 W21 W20"},
    {"HEX3[0..6]", out, LVTTL, "Y24 Y23 AA23 AA22 AC24 AC23 AC22"},
};

constexpr BoardPinRow kHdmiTx[] = {
    {"HDMI_TX_HS, HDMI_TX_VS, HDMI_TX_CLK, HDMI_TX_DE", out, LVTTL, "U26 U25 Y25 Y26"},
    {"HDMI_TX_INT", in, V1_2, "T12"},
    {"HDMI_TX_D[0..23]", out, LVTTL,
     "V23 AA26 W25 W26 V24 V25 U24 T23 T24 T26 R23 R25 P22 P23 N25 P26 P21 R24 R26 AB26 AA24 AB25 AC25 AD25"},
};

constexpr BoardPinRow kAdc[] = {
    {"ADC_CONVST, ADC_SCK, ADC_SDI", out, V1_2, "AB22 AA21 Y10"},
    {"ADC_SDO", in, V1_2, "W10"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, V2_5, "C7"},
    {"AUD_ADCDAT", in, V2_5, "D7"},
    {"AUD_DACLRCK", inout, V2_5, "G10"},
    {"AUD_DACDAT, AUD_XCK", out, V2_5, "H10 D6"},
    {"AUD_BCLK", inout, V2_5, "E6"},
};

constexpr BoardPinRow kI2c[] = {
    {"I2C_SCL", out, V2_5, "B7"},
    {"I2C_SDA", inout, V2_5, "G11"},
};

constexpr BoardPinRow kXcvrSma[] = {
    {"REFCLK_p0, REFCLK_p1, SMA_GXB_RX_p", in, PCML1_5, "V6 N7 M2"},
    {"SMA_GXB_TX_p", out, PCML1_5, "K2"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "W8"},
    {"SD_CLK", out, LVTTL, "AB6"},
    {"SD_DAT[0..3]", inout, LVTTL, "U7 T7 V8 T8"},
};

constexpr BoardPinRow kUart[] = {
    {"UART_TX", out, V2_5, "L9"},
    {"UART_RX", in, V2_5, "M9"},
};

constexpr BoardPinRow kSram[] = {
    {"SRAM_A[0..17]", out, LVTTL, "B25 B26 H19 H20 D25 C25 J20 J21 D22 E23 G20 F21 E21 F22 J25 J26 N24 M24"},
    {"SRAM_D[0..15]", inout, LVTTL, "E24 E25 K24 K23 F24 G24 L23 L24 H23 H24 H22 J23 F23 G22 L22 K21"},
    {"SRAM_UB_n, SRAM_LB_n, SRAM_CE_n, SRAM_OE_n, SRAM_WE_n", out, LVTTL, "M25 H25 N23 M22 G25"},
};

constexpr BoardPinRow kLpddr2[] = {
    {"DDR2LP_CK_p, DDR2LP_CK_n", out, DIFF_HSUL1_2, "N10 P10"},
    {"DDR2LP_DQS_p[0], DDR2LP_DQS_n[0], DDR2LP_DQS_p[1], DDR2LP_DQS_n[1], DDR2LP_DQS_p[2], DDR2LP_DQS_n[2], "
     "DDR2LP_DQS_p[3], DDR2LP_DQS_n[3]",
     inout, DIFF_HSUL1_2, "V13 W13 U14 V14 V15 W15 W16 W17"},
    {"DDR2LP_CKE[0], DDR2LP_CKE[1], DDR2LP_CS_n[0], DDR2LP_CS_n[1], DDR2LP_DM[0], DDR2LP_DM[1], DDR2LP_DM[2], "
     "DDR2LP_DM[3]",
     out, HSUL1_2, "AF14 AE13 R11 T11 AF11 AE18 AE20 AE24"},
    {"DDR2LP_OCT_RZQ", in, V1_2, "AE11"},
    {"DDR2LP_DQ[0..31]", inout, HSUL1_2,
     "AA14 Y14 AD11 AD12 Y13 W12 AD10 AF12 AC15 AB15 AC14 AF13 AB16 AA16 AE14 AF18 "
     "AD16 AD17 AC18 AF19 AC17 AB17 AF21 AE21 AE15 AE16 AC20 AD21 AF16 AF17 AD23 AF23"},
    {"DDR2LP_CA[0..9]", out, HSUL1_2, "AE6 AF6 AF7 AF8 U10 U11 AE9 AF9 AB12 AB11"},
};

// 2x20 GPIO header, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpioLocations[40] = {
    "T21", "D26", "K25", "E26", "K26", "M26", "M21", "P20", "T22", "T19", nullptr, nullptr, "U19", "U22", "P8", "R8", "R9", "R10", "F26", "Y9",  // 1-20
    "G26", "Y8", "AA7", "AA6", "AD7", "AD6", "U20", "V22", nullptr, nullptr, "V20", "W21", "W20", "Y24", "Y23", "AA23", "AA22", "AC24", "AC23", "AC22",  // 21-40
};

// HSMC connector, positions 1 to 160. The board's data gives positions 20 and 27 the balls
// of 18 and 25; a ball serves one signal, so their own balls stay unknown.
constexpr const char* kHsmcLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "W4", "V2", "W3", "?",  // 1-20
    "AA4", "Y2", "AA3", "Y1", "AC4", "AB2", "?", "AB1", "AE4", "AD2", "AE1", "AD1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "A7", "N9",  // 21-40
    "D11", "H14", "D12", "H13", nullptr, nullptr, "E10", "N12", "E11", "M12", nullptr, nullptr, "C9", "M11", "B9", "L11", nullptr, nullptr, "D10", "H18",  // 41-60
    "C10", "H17", nullptr, nullptr, "A12", "L12", "B11", "K11", nullptr, nullptr, "B10", "H15", "A11", "J16", nullptr, nullptr, "C20", "J12", "B19", "J11",  // 61-80
    nullptr, nullptr, "B15", "G16", "C15", "G17", nullptr, nullptr, "B22", "G12", "A21", "F12", nullptr, nullptr, "A19", "G15", "A18", "G14", nullptr, nullptr,  // 81-100
    "C13", "E18", "C12", "F18", nullptr, nullptr, "A8", "F16", "A9", "E15", nullptr, nullptr, "B12", "E13", "A13", "D13", nullptr, nullptr, "C23", "C14",  // 101-120
    "C22", "D15", nullptr, nullptr, "A14", "E16", "B14", "D16", nullptr, nullptr, "A23", "D18", "A22", "D17", nullptr, nullptr, "C17", "E20", "B17", "E19",  // 121-140
    nullptr, nullptr, "C19", "D21", "C18", "D20", nullptr, nullptr, "B21", "B24", "B20", "A24", nullptr, nullptr, "A17", "L8", "A16", "K9", nullptr, nullptr,  // 141-160
};

}  // namespace

PLIMMET_CONFIG DefaultPlimmetConfig()
{
    PLIMMET_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Plimmet;
    config.Size = sizeof(PLIMMET_CONFIG);
    WriteRecordText(config.szProjectName, "Plimmet");
    for (uint8_t* group : {&config.bClock, &config.bLed, &config.bButton, &config.bSwitch, &config.bSeg7,
                           &config.bHdmiTx, &config.bLpddr2, &config.bSram, &config.bAudio, &config.bUart2Usb,
                           &config.bSdCard, &config.bAdc})
        *group = 1;
    return config;
}

void BuildMainBoard_Plimmet(TMainBoard* board, const PLIMMET_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Plimmet;
    PW_CHECK(Config.BoardId == MAINBOARD_Plimmet);
    PW_CHECK(Config.Size == sizeof(PLIMMET_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CGXFC5C6F27C7";
    board->m_DevicePinCount = 672;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "8_H6";

    const bool gpioCard = Config.nGpioDaughterId != 0;
    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) {
        TConnector* seg7 = AddBoardGroup(*board, "SEG7", kSeg7Lower);
        if (!gpioCard) AddBoardPins(*seg7, kSeg7Upper);
    }
    if (Config.bHdmiTx) AddBoardGroup(*board, "HDMI-TX", kHdmiTx);
    if (Config.bAdc) AddBoardGroup(*board, "ADC SPI", kAdc);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bAudio || Config.bHdmiTx || Config.bSi5338I2c || Config.nHsmcDaughterId != 0)
        AddBoardGroup(*board, "I2C for Audio/HDMI-TX/Si5338/HSMC", kI2c);
    if (Config.bXcvrSma) AddBoardGroup(*board, "SMA Transceiver x1", kXcvrSma);
    if (Config.bSdCard) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bUart2Usb) AddBoardGroup(*board, "Uart to USB", kUart);
    if (Config.bSram) AddBoardGroup(*board, "SRAM", kSram);
    if (Config.bLpddr2) AddBoardGroup(*board, "LPDDR2", kLpddr2);

    if (gpioCard)
        AddExpansionConnector(*board, "GPIO",
                              platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
    if (Config.nHsmcDaughterId != 0)
        AddExpansionConnector(*board, "HSMC",
                              platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations);
}

void BuildPlimmetProjectBoard(TMainBoard& board, const PLIMMET_CONFIG& Config)
{
    BuildMainBoard_Plimmet(&board, Config);
    if (Config.nGpioDaughterId != 0)
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0, Config.nGpioDaughterId,
                                          ReadRecordText(Config.szGpioPrefixName));
    if (Config.nHsmcDaughterId != 0) {
        std::string prefix = ReadRecordText(Config.szHSMCPrefixName);
        if (prefix.empty() &&
            (Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT || Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT_XCVR))
            prefix = "HSMC_";
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, Config.nHsmcDaughterId, prefix);
    }
}

std::vector<CardChoice> PlimmetCardChoices(const PLIMMET_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40),
            ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC, true)};
}

bool GeneratePlimmetProject(const PLIMMET_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(PlimmetCardChoices(Config))) return false;
    TMainBoard board;
    BuildPlimmetProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

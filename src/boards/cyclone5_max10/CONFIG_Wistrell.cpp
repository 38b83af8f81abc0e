#include "boards/cyclone5_max10/CONFIG_Wistrell.h"

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

constexpr uint8_t V1_5 = 0;            // "1.5 V"
constexpr uint8_t LVTTL = 8;           // "3.3-V LVTTL"
constexpr uint8_t DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr uint8_t SSTL15_I = 29;       // "SSTL-15 Class I"

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, V1_5, "AF14", ClockPeriod(20), "BANK 3B"},
    {"CLOCK2_50", in, V1_5, "AA16", ClockPeriod(20), "BANK 4A"},
    {"CLOCK3_50", in, LVTTL, "Y26", ClockPeriod(20), "BANK 5B"},
    {"CLOCK4_50", in, LVTTL, "K14", ClockPeriod(20), "BANK 8A"},
};

constexpr BoardPinRow kAdc[] = {
    {"ADC_CONVST, ADC_DIN", out, LVTTL, "AH2 AJ2"},
    {"ADC_DOUT", in, LVTTL, "AG1"},
    {"ADC_SCLK", out, LVTTL, "AJ1"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCDAT", in, LVTTL, "K7"},
    {"AUD_ADCLRCK, AUD_BCLK", inout, LVTTL, "K8 H7"},
    {"AUD_DACDAT", out, LVTTL, "J7"},
    {"AUD_DACLRCK", inout, LVTTL, "H8"},
    {"AUD_XCK", out, LVTTL, "G7"},
};

constexpr BoardPinRow kI2c[] = {
    {"FPGA_I2C_SCLK", out, LVTTL, "J12"},
    {"FPGA_I2C_SDAT", inout, LVTTL, "K12"},
};

constexpr BoardPinRow kHdmi[] = {
    {"HDMI_I2S0, HDMI_LRCLK, HDMI_MCLK, HDMI_SCLK, HDMI_TX_CLK", out, LVTTL, "W22 W21 G8 W20 A10"},
    {"HDMI_TX_D[0..23]", out, LVTTL, "C7 B7 E9 B8 A8 C9 A9 D9 D10 F9 D7 E8 F8 E7 E6 E4 E3 D5 D4 D6 C3 C4 C5 B5"},
    {"HDMI_TX_DE, HDMI_TX_HS", out, LVTTL, "A6 B6"},
    {"HDMI_TX_INT", in, LVTTL, "A4"},
    {"HDMI_TX_VS", out, LVTTL, "C8"},
};

// HEX0[0] and HEX1 to HEX3 sit in 1.5-V banks.
constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0]", out, V1_5, "AK28"},
    {"HEX0[1..6]", out, LVTTL, "AH28 AG28 AJ29 AH29 AH30 AG30"},
    {"HEX1[0..6]", out, V1_5, "AD21 AC22 AC23 AE24 AD24 AF25 AH27"},
    {"HEX2[0..6]", out, V1_5, "AB17 AD17 AC18 Y19 AJ19 AA20 AD20"},
    {"HEX3[0..6]", out, V1_5, "AE13 AF15 AE14 AD14 AC14 AG13 AF13"},
    {"HEX4[0..6]", out, LVTTL, "AG8 AF8 AE7 AD7 AF9 AF10 AE9"},
    {"HEX5[0..6]", out, LVTTL, "AF4 AH5 AF5 AG5 AF6 AG6 AG7"},
};

constexpr BoardPinRow kDdr3[] = {
    {"FPGA_DDR3_ADDR[0..14]", out, SSTL15_I, "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12"},
    {"FPGA_DDR3_BA[0..2]", out, SSTL15_I, "AH10 AJ11 AK11"},
    {"FPGA_DDR3_CAS_N, FPGA_DDR3_CKE", out, SSTL15_I, "AH7 AJ21"},
    {"FPGA_DDR3_CK_N, FPGA_DDR3_CK_P", out, DIFF_SSTL15_I, "AA15 AA14"},
    {"FPGA_DDR3_CS_N", out, SSTL15_I, "AB15"},
    {"FPGA_DDR3_DM[0..3]", out, SSTL15_I, "AH17 AG23 AK23 AJ27"},
    {"FPGA_DDR3_DQ[0..31]", inout, SSTL15_I,
     "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 "
     "AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27"},
    {"FPGA_DDR3_DQS_N[0..3]", inout, DIFF_SSTL15_I, "W16 W17 AA18 AD19"},
    {"FPGA_DDR3_DQS_P[0..3]", inout, DIFF_SSTL15_I, "V16 V17 Y17 AC20"},
    {"FPGA_DDR3_ODT, FPGA_DDR3_RAS_N, FPGA_DDR3_RESET_N", out, SSTL15_I, "AE16 AH8 AK21"},
    {"FPGA_DDR3_RZQ", in, SSTL15_I, "AG17"},
    {"FPGA_DDR3_WE_N", out, SSTL15_I, "AJ6"},
};

// The processor side's pins have no FPGA location: ports without a location assignment.
constexpr BoardPinRow kHps[] = {
    {"HPS_CONV_USB_N", inout, LVTTL, ""},
    {"HPS_DDR3_ADDR[0..14]", out, SSTL15_I, ""},
    {"HPS_DDR3_BA[0..2]", out, SSTL15_I, ""},
    {"HPS_DDR3_CAS_N, HPS_DDR3_CKE", out, SSTL15_I, ""},
    {"HPS_DDR3_CK_N, HPS_DDR3_CK_P", out, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_CS_N", out, SSTL15_I, ""},
    {"HPS_DDR3_DM[0..3]", out, SSTL15_I, ""},
    {"HPS_DDR3_DQ[0..31]", inout, SSTL15_I, ""},
    {"HPS_DDR3_DQS_N[0..3], HPS_DDR3_DQS_P[0..3]", inout, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_RESET_N", out, SSTL15_I, ""},
    {"HPS_DDR3_RZQ", in, SSTL15_I, ""},
    {"HPS_DDR3_WE_N", out, SSTL15_I, ""},
    {"HPS_ENET_GTX_CLK", out, LVTTL, ""},
    {"HPS_ENET_INT_N", inout, LVTTL, ""},
    {"HPS_ENET_MDC", out, LVTTL, ""},
    {"HPS_ENET_MDIO", inout, LVTTL, ""},
    {"HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", in, LVTTL, ""},
    {"HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", out, LVTTL, ""},
    {"HPS_FLASH_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_FLASH_DCLK, HPS_FLASH_NCSO", out, LVTTL, ""},
    {"HPS_GSENSOR_INT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_I2C2_SCLK, HPS_I2C2_SDAT, HPS_I2C_CONTROL, HPS_KEY, "
     "HPS_LCM_BK, HPS_LCM_D_C, HPS_LCM_RST_N",
     inout, LVTTL, ""},
    {"HPS_LCM_SPIM_CLK, HPS_LCM_SPIM_MOSI, HPS_LCM_SPIM_SS", out, LVTTL, ""},
    {"HPS_SPIM0_MISO", in, LVTTL, ""},
    {"HPS_LED, HPS_LTC_GPIO", inout, LVTTL, ""},
    {"HPS_SD_CLK", out, LVTTL, ""},
    {"HPS_SD_CMD, HPS_SD_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_SPIM_CLK", out, LVTTL, ""},
    {"HPS_SPIM_MISO", in, LVTTL, ""},
    {"HPS_SPIM_MOSI", out, LVTTL, ""},
    {"HPS_SPIM_SS", inout, LVTTL, ""},
    {"HPS_UART_RX", in, LVTTL, ""},
    {"HPS_UART_TX", out, LVTTL, ""},
    {"HPS_USB_CLKOUT", in, LVTTL, ""},
    {"HPS_USB_DATA[0..7]", inout, LVTTL, ""},
    {"HPS_USB_DIR, HPS_USB_NXT", in, LVTTL, ""},
    {"HPS_USB_STP", out, LVTTL, ""},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_RXD", in, LVTTL, "AA30"},
    {"IRDA_TXD", out, LVTTL, "AB30"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, V1_5, "AA13 AB13 W15 Y16"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "AA12 AB12 AC12 AD12 AE12 AD11 AE11 AD10 AC9 AD9"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", inout, LVTTL, "AG2 AG3 AH3 AH4"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, V1_5, "AG11 AG10 AF11 AH9 AK6 AJ5 AJ4 AK4 AK3 AK2"},
};

constexpr BoardPinRow kVideoIn[] = {
    {"TD_CLK27", in, LVTTL, "H15"},
    {"TD_DATA[0..7]", in, LVTTL, "D2 B1 E2 B2 D1 E1 C2 B3"},
    {"TD_HS", in, LVTTL, "A5"},
    {"TD_RESET_N", out, LVTTL, "F6"},
    {"TD_VS", in, LVTTL, "A3"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_B[0..7]", out, LVTTL, "B13 G13 H13 F14 H14 F15 G15 J14"},
    {"VGA_BLANK_N, VGA_CLK", out, LVTTL, "F10 A11"},
    {"VGA_G[0..7]", out, LVTTL, "J9 J10 H12 G10 G11 G12 F11 E11"},
    {"VGA_HS", out, LVTTL, "B11"},
    {"VGA_R[0..7]", out, LVTTL, "A13 C13 E13 B12 C12 D12 E12 F13"},
    {"VGA_SYNC_N, VGA_VS", out, LVTTL, "C10 D11"},
};

// 40-pin GPIO header, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpioLocations[40] = {
    "AA26", "V23", "AB27", "W24", "V25", "W25", "Y21", "Y23", "Y27", "Y24", nullptr, nullptr, "AA24", "AA28", "AB22", "AB23", "AA25", "AB26", "AB28", "AB25",  // 1-20
    "AC27", "AC28", "AC29", "AC30", "AC25", "AD26", "AD27", "AD29", nullptr, nullptr, "AD30", "AD25", "AE26", "AE27", "AE29", "AE28", "AF29", "AF30", "AG27", "AF28",  // 21-40
};

}  // namespace

WISTRELL_CONFIG DefaultWistrellConfig()
{
    WISTRELL_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Wistrell;
    config.Size = sizeof(WISTRELL_CONFIG);
    WriteRecordText(config.szProjectName, "Wistrell");
    for (uint8_t* group : {&config.bClock, &config.bLed, &config.bButton, &config.bSwitch, &config.bVga,
                           &config.bHdmiTx, &config.bDdr3, &config.bAudio, &config.bVideoIn, &config.bAdc,
                           &config.bSeg7, &config.bIr, &config.bPs2})
        *group = 1;
    return config;
}

void BuildMainBoard_Wistrell(TMainBoard* board, const WISTRELL_CONFIG& Config)
{
    // The .sdc writer reads the VGA, audio and video-in choices from this copy.
    StoreRecordCopy(board->m_WistrellConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Wistrell);
    PW_CHECK(Config.Size == sizeof(WISTRELL_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA6F31C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = platform::Format("%d", 6);

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bAdc) AddBoardGroup(*board, "ADC", kAdc);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bAudio || Config.bVideoIn) AddBoardGroup(*board, "I2C for Audio and Video-In", kI2c);
    if (Config.bHdmiTx) AddBoardGroup(*board, "HDMI", kHdmi);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bDdr3) AddBoardGroup(*board, "DDR3", kDdr3);
    if (Config.bHps) AddBoardGroup(*board, "HPS", kHps);
    if (Config.bIr) AddBoardGroup(*board, "IR", kIr);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bPs2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bVideoIn) AddBoardGroup(*board, "Video-In", kVideoIn);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);

    if (Config.nGpioDaughterId != 0)
        AddExpansionConnector(*board, "GPIO",
                              platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
}

void BuildWistrellProjectBoard(TMainBoard& board, const WISTRELL_CONFIG& Config)
{
    BuildMainBoard_Wistrell(&board, Config);
    if (Config.nGpioDaughterId != 0)
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0, Config.nGpioDaughterId,
                                          ReadRecordText(Config.szGpioPrefixName));
}

std::vector<CardChoice> WistrellCardChoices(const WISTRELL_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40)};
}

bool GenerateWistrellProject(const WISTRELL_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(WistrellCardChoices(Config))) return false;
    TMainBoard board;
    BuildWistrellProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

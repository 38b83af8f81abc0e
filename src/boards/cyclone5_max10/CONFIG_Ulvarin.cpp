#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/HsmcVoltage.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;          // "3.3-V LVTTL"
constexpr uint8_t V2_5 = 6;           // "2.5 V"
constexpr uint8_t SSTL15_I = 29;      // "SSTL-15 Class I"
constexpr uint8_t DIFF_SSTL15_I = 12; // "Differential 1.5-V SSTL Class I"

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "AF14", ClockMHz(50)},
    {"CLOCK2_50", in, LVTTL, "AA16", ClockMHz(50)},
    {"CLOCK3_50", in, V2_5, "Y26", ClockMHz(50)},
    {"CLOCK4_50", in, LVTTL, "K14", ClockMHz(50)},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "AJ4 AK4 AA14 AA15"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, V2_5, "AB30 Y27 AB28 AC30 W25 V25 AC28 AD30 AC29 AA30"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "AA24 AB23 AC23 AD24 AG25 AF25 AE24 AF24 AB22 AC22"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..6]", out, LVTTL, "W17 V18 AG17 AG16 AH17 AG18 AH18"},
    {"HEX1[0..6]", out, LVTTL, "AF16 V16 AE16 AD17 AE18 AE17 V17"},
    {"HEX2[0..6]", out, LVTTL, "AA21 AB17 AA18 Y17 Y18 AF18 W16"},
    {"HEX3[0..6]", out, LVTTL, "Y19 W19 AD19 AA20 AC20 AA19 AD20"},
    {"HEX4[0..6]", out, LVTTL, "AD21 AG22 AE22 AE23 AG23 AF23 AH22"},
    {"HEX5[0..6]", out, LVTTL, "AF21 AG21 AF20 AG20 AE19 AF19 AB21"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_CLK", out, LVTTL, "AH12"},
    {"DRAM_CKE", out, LVTTL, "AK13"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14"},
    {"DRAM_BA[0..1]", out, LVTTL, "AF13 AJ12"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5"},
    {"DRAM_LDQM, DRAM_UDQM, DRAM_CS_N, DRAM_WE_N, DRAM_CAS_N, DRAM_RAS_N", out, LVTTL,
     "AB13 AK12 AG11 AA13 AF11 AE13"},
};

constexpr BoardPinRow kVideoIn[] = {
    {"TD_CLK27, TD_HS, TD_VS", in, LVTTL, "AC18 AH28 AG28"},
    {"TD_DATA[0..7]", in, LVTTL, "AG27 AF28 AE28 AE27 AE26 AD27 AD26 AD25"},
    {"TD_RESET_N", out, LVTTL, "AC27"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_CLK, VGA_HS, VGA_VS", out, LVTTL, "AK21 AK19 AK18"},
    {"VGA_R[0..7]", out, LVTTL, "AK29 AK28 AK27 AJ27 AH27 AF26 AG26 AJ26"},
    {"VGA_G[0..7]", out, LVTTL, "AK26 AJ25 AH25 AK24 AJ24 AH24 AK23 AH23"},
    {"VGA_B[0..7]", out, LVTTL, "AJ21 AJ20 AH20 AJ19 AH19 AJ17 AJ16 AK16"},
    {"VGA_BLANK_N, VGA_SYNC_N", out, LVTTL, "AK22 AJ22"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_BCLK", inout, LVTTL, "AF30"},
    {"AUD_XCK", out, LVTTL, "AH30"},
    {"AUD_ADCLRCK", inout, LVTTL, "AH29"},
    {"AUD_ADCDAT", in, LVTTL, "AJ29"},
    {"AUD_DACLRCK", inout, LVTTL, "AG30"},
    {"AUD_DACDAT", out, LVTTL, "AF29"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", inout, LVTTL, "AB25 AC25 AA25 AB26"},
};

constexpr BoardPinRow kAdc[] = {
    {"ADC_SCLK", out, LVTTL, "W24"},
    {"ADC_DOUT", in, LVTTL, "V23"},
    {"ADC_DIN", out, LVTTL, "W22"},
    {"ADC_CONVST", out, LVTTL, "Y21"},
};

constexpr BoardPinRow kI2c[] = {
    {"FPGA_I2C_SCLK", out, LVTTL, "Y24"},
    {"FPGA_I2C_SDAT", inout, LVTTL, "Y23"},
};

// The HPS pins have no location: they become ports without a location assignment.
constexpr BoardPinRow kHps[] = {
    {"HPS_CONV_USB_N", inout, LVTTL, ""},
    {"HPS_DDR3_ADDR[0..14]", out, SSTL15_I, ""},
    {"HPS_DDR3_BA[0..2], HPS_DDR3_CAS_N, HPS_DDR3_CKE", out, SSTL15_I, ""},
    {"HPS_DDR3_CK_N, HPS_DDR3_CK_P", out, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_CS_N, HPS_DDR3_DM[0..3]", out, SSTL15_I, ""},
    {"HPS_DDR3_DQ[0..31]", inout, SSTL15_I, ""},
    {"HPS_DDR3_DQS_N[0..3], HPS_DDR3_DQS_P[0..3]", inout, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_RESET_N", out, SSTL15_I, ""},
    {"HPS_DDR3_RZQ", in, SSTL15_I, ""},
    {"HPS_DDR3_WE_N", out, SSTL15_I, ""},
    {"HPS_ENET_GTX_CLK", out, LVTTL, ""},
    {"HPS_ENET_INT_N", inout, LVTTL, ""},
    {"HPS_ENET_MDC", out, LVTTL, ""},
    {"HPS_ENET_MDIO", inout, LVTTL, ""},
    {"HPS_ENET_RX_CLK", in, LVTTL, ""},
    {"HPS_ENET_RX_DATA[0..3]", in, LVTTL, ""},
    {"HPS_ENET_RX_DV", in, LVTTL, ""},
    {"HPS_ENET_TX_DATA[0..3]", out, LVTTL, ""},
    {"HPS_ENET_TX_EN", out, LVTTL, ""},
    {"HPS_FLASH_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_FLASH_DCLK", out, LVTTL, ""},
    {"HPS_FLASH_NCSO", out, LVTTL, ""},
    {"HPS_GSENSOR_INT", inout, LVTTL, ""},
    {"HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_I2C2_SCLK, HPS_I2C2_SDAT, HPS_I2C_CONTROL, HPS_KEY, HPS_LCM_BK, "
     "HPS_LCM_D_C, HPS_LCM_RST_N", inout, LVTTL, ""},
    {"HPS_LCM_SPIM_CLK", out, LVTTL, ""},
    {"HPS_LCM_SPIM_MISO", in, LVTTL, ""},
    {"HPS_LCM_SPIM_MOSI", out, LVTTL, ""},
    {"HPS_LCM_SPIM_SS", out, LVTTL, ""},
    {"HPS_LED", inout, LVTTL, ""},
    {"HPS_LTC_GPIO", inout, LVTTL, ""},
    {"HPS_SD_CLK", out, LVTTL, ""},
    {"HPS_SD_CMD", inout, LVTTL, ""},
    {"HPS_SD_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_SPIM_CLK", out, LVTTL, ""},
    {"HPS_SPIM_MISO", in, LVTTL, ""},
    {"HPS_SPIM_MOSI", out, LVTTL, ""},
    {"HPS_SPIM_SS", out, LVTTL, ""},
    {"HPS_UART_RX", in, LVTTL, ""},
    {"HPS_UART_TX", out, LVTTL, ""},
    {"HPS_USB_CLKOUT", in, LVTTL, ""},
    {"HPS_USB_DATA[0..7]", inout, LVTTL, ""},
    {"HPS_USB_DIR", in, LVTTL, ""},
    {"HPS_USB_NXT", in, LVTTL, ""},
    {"HPS_USB_STP", out, LVTTL, ""},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_TXD", out, LVTTL, "W21"},
    {"IRDA_RXD", in, LVTTL, "W20"},
};

// 40-pin GPIO header, positions 1 to 40; nullptr where the position carries no FPGA pin.
constexpr const char* kGpioLocations[40] = {
    "W15", "AK2", "Y16", "AK3", "AJ1", "AJ2", "AH2", "AH3", "AH4", "AH5", nullptr, nullptr, "AG1", "AG2", "AG3", "AG5", "AG6", "AG7", "AG8", "AF4",  // 1-20
    "AF5", "AF6", "AF8", "AF9", "AF10", "AE7", "AE9", "AE11", nullptr, nullptr, "AE12", "AD7", "AD9", "AD10", "AD11", "AD12", "AC9", "AC12", "AB12", "AA12",  // 21-40
};

// HSMC connector, positions 1 to 160; the transceiver lanes (1-32) have no location here.
constexpr const char* kHsmcLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AE29", "AA28", nullptr, nullptr, nullptr, nullptr, "AD29", "J14",  // 21-40
    "C10", "H13", "C9", "H12", nullptr, nullptr, "A9", "G12", "A8", "G11", nullptr, nullptr, "E8", "K12", "D7", "J12", nullptr, nullptr, "G7", "G10",  // 41-60
    "F6", "F10", nullptr, nullptr, "D6", "J10", "C5", "J9", nullptr, nullptr, "D5", "K7", "C4", "K8", nullptr, nullptr, "E3", "J7", "E2", "H7",  // 61-80
    nullptr, nullptr, "E4", "H8", "D4", "G8", nullptr, nullptr, "C3", "F9", "B3", "F8", nullptr, nullptr, "E7", "AA26", "E6", "AB27", nullptr, nullptr,  // 81-100
    "E1", "F11", "D1", "E11", nullptr, nullptr, "D2", "B6", "C2", "B5", nullptr, nullptr, "B2", "E9", "B1", "D9", nullptr, nullptr, "A4", "E12",  // 101-120
    "A3", "D12", nullptr, nullptr, "A6", "D11", "A5", "D10", nullptr, nullptr, "C7", "C13", "B7", "B12", nullptr, nullptr, "C8", "F13", "B8", "E13",  // 121-140
    nullptr, nullptr, "C12", "H14", "B11", "G13", nullptr, nullptr, "B13", "F15", "A13", "F14", nullptr, nullptr, "A11", "H15", "A10", "G15", nullptr, nullptr,  // 141-160
};

}  // namespace

void BuildMainBoard_Ulvarin(TMainBoard* board, TConfigUlvarin* settings)
{
    const ULVARIN_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Ulvarin);
    PW_CHECK(Config.Size == sizeof(TConfigUlvarin::ULVARIN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSXFC6D6F31C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = platform::Format("%d", 6);

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bSeg7) AddBoardGroup(*board, "Seg7", kSeg7);
    if (Config.bSdram) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bVideoIn) AddBoardGroup(*board, "Video-In", kVideoIn);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bPs2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bAdc) AddBoardGroup(*board, "ADC", kAdc);
    if (Config.bAudio || Config.bVideoIn) AddBoardGroup(*board, "I2C for Audio and Video-In", kI2c);
    if (Config.bHps) AddBoardGroup(*board, "HPS", kHps);
    if (Config.bIr) AddBoardGroup(*board, "IR", kIr);

    if (Config.nGpioDaughterId[0] != 0)
        AddExpansionConnector(*board, "GPIO", platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId[0]).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
    if (Config.nHsmcDaughterId != 0)
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations);
}

void BuildUlvarinProjectBoard(TMainBoard& board, TConfigUlvarin& settings)
{
    ULVARIN_CONFIG& Config = settings.Config;
    BuildMainBoard_Ulvarin(&board, &settings);
    if (Config.nGpioDaughterId[0] != 0)
        board.AttachGpioCard(EXPANSION_GPIO_0, Config.nGpioDaughterId[0], ReadRecordText(Config.szGpioPrefixName[0]), "", 8);
    if (Config.nHsmcDaughterId != 0) {
        if ((Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT || Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT_XCVR) &&
            Config.szHSMCPrefixName[0] == 0)
            WriteRecordText(Config.szHSMCPrefixName, "HSMC_");
        // The Quillet adaptors take their header standard from the card's default standard,
        // which must follow the voltage the jumpers select.
        board.AttachHsmcCard(EXPANSION_HSMC_A, Config.nHsmcDaughterId, ReadRecordText(Config.szHSMCPrefixName),
                             HsmcVoltageIoStandard(Config.nHsmcVoltage));
    }
}

std::vector<CardChoice> UlvarinCardChoices(const ULVARIN_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId[0], CONNECTOR_GPIO40),
            ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC, false, HsmcVoltageClass(config.nHsmcVoltage))};
}

bool GenerateUlvarinProject(TConfigUlvarin& settings, const std::string& projectFile)
{
    if (!CheckCardChoices(UlvarinCardChoices(settings.Config))) return false;
    TMainBoard board;
    BuildUlvarinProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, settings.Config.bVhdl != 0);
}

#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"

#include <cstring>

#include "boards/stratix4_cyclone4/CycloneIvF29Wiring.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using namespace cyclone4f29;

// The oscillators by frequency; the period is the whole nanoseconds of 1000 / MHz.
constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "Y2", ClockPeriod(1000 / 50)},
    {"CLOCK2_50", in, LVTTL, "AG14", ClockPeriod(1000 / 50)},
    {"CLOCK_27", in, LVTTL, "AG15", ClockPeriod(1000 / 27)},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN", in, LVTTL, "AH14"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, V25, "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17"},
    {"LEDG[0..7]", out, V25, "E21 E22 E25 E24 H21 G20 G22 G21"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, V25, "M23 M21 N21 R24"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, V25, "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25"},
};

// HEX0_DP sits on FL_DQ[7]'s pin and HEX2_DP on GPIO position 13's: the board wires them so.
constexpr BoardPinRow kSeg7[] = {
    {"HEX0_DP, HEX1_DP, HEX2_DP, HEX3_DP", out, V25, "AF12 AC17 AC19 M4"},
    {"HEX0[0..6]", out, V25, "G18 F22 E17 L26 L25 J22 H22"},
    {"HEX1[0..6]", out, V25, "M24 Y22 W21 W22 W25 U23 U24"},
    {"HEX2[0..6]", out, V25, "AA25 AA26 Y25 W26 Y26 W27 W28"},
    {"HEX3[0..6]", out, V25, "V21 U21 AB20 AA21 AD24 AF23 Y19"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "G9"},
    {"UART_RXD", in, LVTTL, "G12"},
    {"UART_CTS", out, LVTTL, "G14"},
    {"UART_RTS", in, LVTTL, "J13"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_KBDAT, PS2_KBCLK, PS2_MSDAT, PS2_MSCLK", inout, LVTTL, "G6 H5 G5 F5"},
};

// Bits 0 and 1 of each colour are ports without an FPGA pin of their own.
constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC_N, VGA_CLK, VGA_BLANK_N", out, LVTTL, "G13 C13 C10 A12 F11"},
    {"VGA_R[0..1]", out, LVTTL, ""},
    {"VGA_R[2..9]", out, LVTTL, "E12 E11 D10 F12 G10 J12 H8 H10"},
    {"VGA_G[0..1]", out, LVTTL, ""},
    {"VGA_G[2..9]", out, LVTTL, "G8 G11 F8 H12 C8 B8 F10 C9"},
    {"VGA_B[0..1]", out, LVTTL, ""},
    {"VGA_B[2..9]", out, LVTTL, "B10 A10 C11 B11 A11 C12 D11 D12"},
};

constexpr BoardPinRow kEepromI2c[] = {
    {"EEP_I2C_CLK", out, LVTTL, "D14"},
    {"EEP_I2C_SDA", inout, LVTTL, "E14"},
};

constexpr BoardPinRow kEthernet[] = {
    {"NET_CLK_25", in, V25, "A14"},
    {"NET_TX_DATA[0]", out, V25, "C25"},
    {"NET_RX_DATA[0]", in, V25, "B23"},
    {"NET_TX_DATA[1]", out, V25, "A26"},
    {"NET_RX_DATA[1]", in, V25, "C21"},
    {"NET_TX_DATA[2]", out, V25, "B26"},
    {"NET_RX_DATA[2]", in, V25, "A23"},
    {"NET_TX_DATA[3]", out, V25, "C26"},
    {"NET_RX_DATA[3]", in, V25, "D21"},
    {"NET_GTX_CLK, NET_TX_EN, NET_TX_ER", out, V25, "A17 A18 B18"},
    {"NET_INT_N", in, V25, "A21"},
    {"NET_RESET_N", out, V25, "C19"},
    {"NET_RX_DV, NET_RX_ER, NET_RX_CRS, NET_RX_COL, NET_RX_CLK, NET_TX_CLK", in, V25, "C17 D18 D15 E15 A15 B17"},
    {"NET_MDC", out, V25, "C20"},
    {"NET_MDIO", inout, V25, "B21"},
    {"NET_LINK100", in, V25, "C14"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_DQM[0..1], DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "U7 R4 U2 W4 U6 V7 AA6 AE5 V6 T4"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "W3 W2 V4 W1 V3 V2 V1 U3 Y3 Y4 AB1 AA3 AB2 AC1 AB3 AC2"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7"},
};

constexpr BoardPinRow kFlash[] = {
    {"FL_ADDR[0..22]", out, LVTTL,
     "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11"},
    {"FL_DQ[0..7]", inout, LVTTL, "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12"},
    {"FL_CE_N, FL_OE_N, FL_RESET_N", out, LVTTL, "AG7 AG8 AE11"},
    {"FL_RY", in, LVTTL, "Y1"},
    {"FL_WE_N, FL_WP_N", out, LVTTL, "AC10 AE12"},
};

}  // namespace

void DefaultConfig(GORVATH_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Gorvath;
    config.Size = sizeof(GORVATH_CONFIG);
    WriteRecordText(config.szProjectName, "Gorvath");
    std::memset(&config.bOSC, 1, offsetof(GORVATH_CONFIG, bEthernet) + 1 - offsetof(GORVATH_CONFIG, bOSC));
}

void BuildMainBoard_Gorvath(TMainBoard* board, const GORVATH_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Gorvath;
    PW_CHECK(Config.BoardId == MAINBOARD_Gorvath);
    PW_CHECK(Config.Size == sizeof(GORVATH_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone IV E";
    board->m_Device = "EP4CE40F29C7";
    board->m_DevicePinCount = 780;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 7;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2 for Keyboard and Mouse", kPs2);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bEEPROM) AddBoardGroup(*board, "I2C for EEPROM", kEepromI2c);
    if (Config.bAudio) AddBoardGroup(*board, "I2C for Audio", kCodecI2c);
    if (Config.bEthernet) AddBoardGroup(*board, "Gigabit Ethernet", kEthernet);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSRAM) AddBoardGroup(*board, "SRAM", kSram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);

    if (Config.nGpioDaughterId != 0)
        AddExpansionConnector(*board, "GPIO", platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
    if (Config.nHsmcDaughterId != 0)
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations);
}

void BuildGorvathProjectBoard(TMainBoard& board, const GORVATH_CONFIG& config)
{
    GORVATH_CONFIG Config = config;
    if (Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT && Config.szHSMCPrefixName[0] == 0)
        WriteRecordText(Config.szHSMCPrefixName, "HSMC_");
    BuildMainBoard_Gorvath(&board, Config);
    if (Config.nGpioDaughterId != 0)
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0, Config.nGpioDaughterId,
                                          ReadRecordText(Config.szGpioPrefixName), nullptr, LVTTL, 0);
    if (Config.nHsmcDaughterId != 0)
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, Config.nHsmcDaughterId,
                                          ReadRecordText(Config.szHSMCPrefixName), "", V25, 0);
}

std::vector<CardChoice> GorvathCardChoices(const GORVATH_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40),
            ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC)};
}

bool GenerateGorvathProject(const GORVATH_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(GorvathCardChoices(config))) return false;
    TMainBoard board;
    BuildGorvathProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

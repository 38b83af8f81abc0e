#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"

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

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL"
constexpr uint8_t V25 = 6;    // "2.5 V"
constexpr uint8_t HCSL = 37;
constexpr uint8_t PCML15 = 36;  // "1.5-V PCML"

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "AJ16", ClockPeriod(20), "BANK 4"},
    {"CLOCK2_50", in, LVTTL, "A15", ClockPeriod(20), "BANK 7"},
    {"CLOCK3_50", in, V25, "V11", ClockPeriod(20), "BANK 3A"},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN", in, LVTTL, "AK16"},
    {"SMA_CLKOUT", out, LVTTL, "AF25"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..17]", out, V25, "T23 T24 V27 W25 T21 T26 R25 T27 P25 R24 P21 N24 N21 M25 K24 L25 M21 M22"},
    {"LEDG[0..8]", out, V25, "AA25 AB25 F27 F26 W26 Y22 Y25 AA22 J25"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, V25, "AA26 AE25 AF30 AE26"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..17]", in, V25, "V28 U30 V21 C2 AB30 U21 T28 R30 P30 R29 R26 N26 M26 N25 J26 K25 C30 H25"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..6]", out, V25, "E15 E12 G11 F11 F16 D16 F14"},
    {"HEX1[0..6]", out, V25, "G14 B13 G13 F12 G12 J9 G10"},
    {"HEX2[0..6]", out, V25, "G8 G7 F7 AG30 F6 F4 F10"},
    {"HEX3[0..6]", out, V25, "D10 D7 E6 E4 E3 D5 D4"},
    {"HEX4[0..6]", out, V25, "A14 A13 C7 C6 C5 C4 C3"},
    {"HEX5[0..6]", out, V25, "D3 A10 A9 A7 A6 A11 B6"},
    {"HEX6[0..6]", out, V25, "B9 B10 C8 C9 D8 D9 E9"},
    {"HEX7[0..6]", out, V25, "E10 F8 F9 C10 C11 C12 D12"},
};

constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, LVTTL, "AG4 AF3 AH3 AE5 AH2 AE3 AH4 AE4"},
    {"LCD_RW, LCD_EN, LCD_RS", out, LVTTL, "AJ3 AF4 AG3"},
    {"LCD_ON", out, V25, "AF27"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "H24"},
    {"UART_RXD", in, LVTTL, "B27"},
    {"UART_RTS", out, LVTTL, "A29"},
    {"UART_CTS", in, LVTTL, "D26"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "AF18"},
    {"SD_CLK", out, LVTTL, "AH25"},
    {"SD_WP_N", in, LVTTL, "AJ27"},
    {"SD_DAT[0..3]", inout, LVTTL, "AH27 AJ28 AD24 AE18"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC_N, VGA_CLK, VGA_BLANK_N", out, LVTTL, "B24 A24 AH20 D27 F25"},
    {"VGA_R[0..7]", out, LVTTL, "A17 C18 B18 A18 E18 E19 B19 C19"},
    {"VGA_G[0..7]", out, LVTTL, "D20 C20 A20 K19 A21 F21 A22 B22"},
    {"VGA_B[0..7]", out, LVTTL, "E24 C24 B25 C23 F24 A23 G25 C22"},
};

constexpr BoardPinRow kEepromI2c[] = {
    {"EEP_I2C_SCLK", out, LVTTL, "AG27"},
    {"EEP_I2C_SDAT", inout, LVTTL, "AG25"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ENET_TX_DATA[0]", out, V25, "B12"},
    {"ENET_RX_DATA[0]", in, V25, "F15"},
    {"ENET_TX_DATA[1]", out, V25, "E7"},
    {"ENET_RX_DATA[1]", in, V25, "E13"},
    {"ENET_TX_DATA[2]", out, V25, "C13"},
    {"ENET_RX_DATA[2]", in, V25, "A5"},
    {"ENET_TX_DATA[3]", out, V25, "D15"},
    {"ENET_RX_DATA[3]", in, V25, "B7"},
    {"ENET_GTX_CLK, ENET_TX_EN, ENET_TX_ER", out, V25, "A12 D14 D13"},
    {"ENET_INT_N", in, V25, "E16"},
    {"ENET_RST_N", out, V25, "C14"},
    {"ENET_RX_DV, ENET_RX_ER, ENET_RX_COL, ENET_RX_CRS, ENET_RX_CLK, ENET_TX_CLK", in, V25, "A8 D11 G15 D6 L15 F13"},
    {"ENET_MDC", out, V25, "C16"},
    {"ENET_MDIO", inout, V25, "C15"},
    {"ENET_LINK100", in, V25, "F5"},
};

constexpr BoardPinRow kTvDecoder[] = {
    {"TD_HS, TD_VS, TD_CLK27", in, LVTTL, "C28 E22 B15"},
    {"TD_RESET_N, I2C_SCLK", out, LVTTL, "E25 C27"},
    {"I2C_SDAT", inout, LVTTL, "G21"},
    {"TD_DATA[0..7]", in, LVTTL, "C17 D17 A16 B16 G18 G17 K18 K17"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_RXD", in, LVTTL, "AH28"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_DQM[0..3], DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "AH5 AG6 AF10 AB14 AH15 AH10 AK4 AJ4 AD6 AE6 AK3 AG5"},
    {"DRAM_DQ[0..31]", inout, LVTTL,
     "AD10 AD9 AE9 AE8 AE7 AF7 AF6 AF9 AB13 AF13 AF12 AG9 AA13 AB11 AA12 AA15 AH11 AG11 AH12 AG12 AH13 AG13 AG14 AH14 "
     "AH9 AK8 AG10 AK7 AH7 AK6 AJ6 AK5"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "AG7 AJ7 AG8 AH8 AE16 AF16 AE14 AE15 AE13 AE12 AH6 AE11 AE10"},
};

constexpr BoardPinRow kSsram[] = {
    {"SSRAM0_CE_N, SSRAM1_CE_N, SSRAM_ADSC_N, SSRAM_ADSP_N, SSRAM_ADV_N, SSRAM_BE[0..3], SSRAM_CLK, SSRAM_GW_N, "
     "SSRAM_OE_N, SSRAM_WE_N",
     out, LVTTL, "AJ21 AG23 AK25 AJ25 AH26 AF22 AK22 AJ22 AF21 AF24 AK23 AG24 AK24"},
};

constexpr BoardPinRow kFlash[] = {
    {"FL_CE_N, FL_OE_N, FL_RESET_N", out, LVTTL, "AG19 AJ19 AG18"},
    {"FL_RY", in, LVTTL, "AF19"},
    {"FL_WE_N, FL_WP_N", out, LVTTL, "AG17 AK18"},
};

// The bus has no bit 0: the address counts in 16-bit words.
constexpr BoardPinRow kSharedBus[] = {
    {"FS_ADDR[1..26]", out, LVTTL,
     "AB22 AH19 AK19 AJ18 AA18 AH18 AK17 Y20 AK21 AH21 AG21 AG22 AD22 AE24 AD23 AB21 AH17 AE17 AG20 AK20 AE19 AA16 "
     "AF15 AG15 Y17 AB16"},
    {"FS_DQ[0..31]", inout, LVTTL,
     "AK29 AE23 AH24 AH23 AA21 AE20 Y19 AA17 AB17 Y18 AA20 AE21 AH22 AJ24 AE22 AK28 AK9 AJ10 AK11 AK12 AJ13 AK15 AC16 "
     "AH16 AG16 AD16 AJ15 AK14 AK13 AJ12 AK10 AJ9"},
};

constexpr BoardPinRow kPcie[] = {
    {"PCIE_REFCLK_P", in, HCSL, "V15"},
    {"PCIE_WAKE_N", out, V25, "C29"},
    {"PCIE_PERST_N", in, V25, "A4"},
};
constexpr BoardPinRow kPcieLanes[] = {
    {"PCIE_TX_P[0]", out, PCML15, "AB4"},
    {"PCIE_RX_P[0]", in, PCML15, "AC2"},
    {"PCIE_TX_P[1]", out, PCML15, "Y4"},
    {"PCIE_RX_P[1]", in, PCML15, "AA2"},
};

constexpr BoardPinRow kGSensor[] = {
    {"G_SENSOR_SDAT", inout, LVTTL, "AK26"},
    {"G_SENSOR_SCLK", out, LVTTL, "AK27"},
    {"G_SENSOR_INT1", in, V25, "AC30"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", inout, V25, "AF28"},
};

// The 40-pin GPIO header, positions 1 to 40; nullptr where the position carries no FPGA pin.
constexpr const char* kGpioLocations[40] = {
    "G16", "F17", "D18", "F18", "D19", "K21", "F19", "K22", "B21", "C21", nullptr, nullptr, "D22", "D21", "D23", "D24", "B28", "C25", "C26", "D28",  // 1-20
    "D25", "F20", "E21", "F23", "G20", "F22", "G22", "G24", nullptr, nullptr, "G23", "A25", "A26", "A19", "A28", "A27", "B30", "AG28", "AG26", "Y21",  // 21-40
};

// The HSMC connector, positions 1 to 160; position 40 is the fixed input.
constexpr const char* kHsmcLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AD25", "AD26", nullptr, nullptr, nullptr, nullptr, "G6", "K15",  // 21-40
    "AC25", "E27", "AB26", "E28", nullptr, nullptr, "J28", "G26", "H28", "G27", nullptr, nullptr, "F28", "G28", "F29", "G29", nullptr, nullptr, "D29", "J27",  // 41-60
    "D30", "H27", nullptr, nullptr, "F30", "K28", "E30", "K29", nullptr, nullptr, "H30", "L27", "G30", "L28", nullptr, nullptr, "J29", "M27", "J30", "M28",  // 61-80
    nullptr, nullptr, "K26", "N29", "K27", "N30", nullptr, nullptr, "L30", "P27", "K30", "P28", nullptr, nullptr, "AB27", "V29", "AB28", "V30", nullptr, nullptr,  // 81-100
    "U25", "R27", "T25", "R28", nullptr, nullptr, "N27", "U27", "N28", "U28", nullptr, nullptr, "V25", "W27", "V26", "W28", nullptr, nullptr, "AA30", "W29",  // 101-120
    "Y30", "W30", nullptr, nullptr, "AC27", "M29", "AC28", "M30", nullptr, nullptr, "AD29", "AA27", "AD30", "Y27", nullptr, nullptr, "AE29", "AB29", "AE30", "AA29",  // 121-140
    nullptr, nullptr, "AJ30", "AD27", "AH30", "AD28", nullptr, nullptr, "AH29", "AE27", "AG29", "AE28", nullptr, nullptr, "AA28", "T29", "Y28", "T30", nullptr, nullptr,  // 141-160
};

constexpr FixedPosition kHsmcFixed[] = {{40, DIRECTION_INPUT, V25}};

}  // namespace

void DefaultConfig(ASHVORN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Ashvorn;
    config.Size = sizeof(ASHVORN_CONFIG);
    WriteRecordText(config.szProjectName, "Ashvorn");
    std::memset(&config.bOSC, 1, offsetof(ASHVORN_CONFIG, bTvDecode) + 1 - offsetof(ASHVORN_CONFIG, bOSC));
}

void BuildMainBoard_Ashvorn(TMainBoard* board, const ASHVORN_CONFIG& Config)
{
    StoreRecordCopy(board->m_AshvornConfig, Config);
    board->m_BoardId = MAINBOARD_Ashvorn;
    PW_CHECK(Config.BoardId == MAINBOARD_Ashvorn);
    PW_CHECK(Config.Size == sizeof(ASHVORN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone IV GX";
    board->m_Device = "EP4CGX150DF31C7";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 7;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED (High Active)", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY (Active Low)", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7 (Low Active)", kSeg7);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bEEPROM) AddBoardGroup(*board, "I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)", kEepromI2c);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet", kEthernet);
    if (Config.bTvDecode) AddBoardGroup(*board, "TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", kTvDecoder);
    if (Config.bIR) AddBoardGroup(*board, "IR Receiver", kIr);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM", kSsram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);
    if (Config.bFlash || Config.bSSRAM) AddBoardGroup(*board, "Data and Address bus shared by Flash & SSRAM", kSharedBus);
    if (Config.bPCIeHardIP || Config.bPCIeSoftIP) {
        TConnector* pcie = AddBoardGroup(*board, "PCIe", kPcie);
        if (Config.bPCIeHardIP) AddBoardPins(*pcie, kPcieLanes);
    }
    if (Config.bAccelerometer) AddBoardGroup(*board, "G-Sensor", kGSensor);

    if (Config.nGpioDaughterId != 0)
        AddExpansionConnector(*board, "GPIO", platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
    if (Config.nHsmcDaughterId != 0)
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations, {.fixed = kHsmcFixed});
    // The top level drives the fan whatever the record holds.
    AddBoardGroup(*board, "Fan Control", kFan);
}

void BuildAshvornProjectBoard(TMainBoard& board, const ASHVORN_CONFIG& config)
{
    ASHVORN_CONFIG Config = config;
    if (Config.szHSMCPrefixName[0] == 0 && (Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT || Config.nHsmcOption != 1))
        WriteRecordText(Config.szHSMCPrefixName, "HSMC_");
    BuildMainBoard_Ashvorn(&board, Config);
    if (Config.nGpioDaughterId != 0)
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0, Config.nGpioDaughterId,
                                          ReadRecordText(Config.szGpioPrefixName), nullptr, LVTTL, 0);
    if (Config.nHsmcDaughterId != 0)
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, Config.nHsmcDaughterId,
                                          ReadRecordText(Config.szHSMCPrefixName), "", V25, 0);
}

std::vector<CardChoice> AshvornCardChoices(const ASHVORN_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40),
            ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC)};
}

bool GenerateAshvornProject(const ASHVORN_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(AshvornCardChoices(config))) return false;
    TMainBoard board;
    BuildAshvornProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

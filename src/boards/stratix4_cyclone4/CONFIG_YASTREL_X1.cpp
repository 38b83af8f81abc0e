#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"

#include <cstring>
#include <iterator>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/ExtPllCodes.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V18 = 3;      // "1.8 V"
constexpr uint8_t V25 = 6;      // "2.5 V"
constexpr uint8_t LVDS = 21;
constexpr uint8_t PCML14 = 35;  // "1.4-V PCML"
constexpr uint8_t HCSL = 37;
constexpr uint8_t PCIX30 = 39;  // "3.0-V PCI-X"

// The generator's controller runs from this clock and this reset whether or not their groups
// are ticked.
constexpr BoardPinRow kGeneratorClock = {"OSC_50_BANK2", in, V25, "AC35", ClockPeriod(20)};
constexpr BoardPinRow kCpuReset = {"CPU_RESET_n", in, V25, "V34"};

constexpr BoardPinRow kClock[] = {
    kGeneratorClock,
    {"OSC_50_BANK3", in, V18, "AV22", ClockPeriod(20)},
    {"OSC_50_BANK4", in, V18, "AV19", ClockPeriod(20)},
    {"OSC_50_BANK5", in, PCIX30, "AC6", ClockPeriod(20)},
    {"OSC_50_BANK6", in, V25, "AB6", ClockPeriod(20)},
    {"OSC_50_BANK7", in, V18, "A19", ClockPeriod(20)},
    {"GCLKOUT_FPGA", out, V18, "AH19"},
    {"GCLKIN", in, V18, "A21"},
    {"PLL_CLKIN_p", in, LVDS, "B22"},
};

constexpr BoardPinRow kExternalPll[] = {
    {"MAX_I2C_SCLK", out, V18, "AP24"},
    {"MAX_I2C_SDAT", inout, V18, "AN22"},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN_p", in, LVDS, "B23"},
    {"SMA_CLKOUT_p", out, LVDS, "M20"},
    {"SMA_GXBCLK_p", in, LVDS, "W2"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, V25, "V28 W28 R29 P29 N29 M29 M30 N30"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, PCIX30, "AH5 AG5 AG7 AG8"},
    {"EXT_IO", inout, PCIX30, "AC11"},
    kCpuReset,
};

constexpr BoardPinRow kDipSwitch[] = {
    {"SW[0..7]", in, PCIX30, "AB13 AB12 AB11 AB10 AB9 AC8 AH6 AG6"},
};

constexpr BoardPinRow kSlideSwitch[] = {
    {"SLIDE_SW[0..1]", in, V25, "J7 K7"},
    {"SLIDE_SW[2]", in, PCIX30, "AK6"},
    {"SLIDE_SW[3]", in, V25, "L7"},
};

constexpr BoardPinRow kSeg7[] = {
    {"SEG0_D[0..6]", out, V25, "L34 M34 M33 H31 J33 L35 K32"},
    {"SEG0_DP", out, V25, "AL34"},
    {"SEG1_D[0..6]", out, V25, "E31 F31 G31 C34 C33 D33 D34"},
    {"SEG1_DP", out, V25, "AL35"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_SMCLK", out, V18, "AN18"},
    {"TEMP_SMDAT", inout, V18, "AP18"},
    {"TEMP_INT_n", in, V18, "AP19"},
};

constexpr BoardPinRow kCurrent[] = {
    {"CSENSE_SCK, CSENSE_SDI", out, V18, "AH13 AJ13"},
    {"CSENSE_SDO", in, V18, "AK14"},
    {"CSENSE_ADC_FO, CSENSE_CS_n[0..1]", out, V18, "AK13 AG14 AG15"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", out, V18, "AP20"},
};

constexpr BoardPinRow kEeprom[] = {
    {"EEP_SCL", out, V25, "G33"},
    {"EEP_SDA", inout, V25, "F33"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, V18, "AV20"},
    {"SD_CLK", out, V18, "AT19"},
    {"SD_WP_n", in, V18, "AH18"},
    {"SD_DAT[0..3]", inout, V18, "AR20 AT20 AU19 AU20"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_RXD, UART_RTS", in, V25, "AH32 AH33"},
    {"UART_TXD, UART_CTS", out, V25, "AN34 AN35"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ETH_RX_p[0]", in, LVDS, "U31"},  {"ETH_TX_p[0]", out, LVDS, "T30"}, {"ETH_MDIO[0]", inout, V25, "W32"},
    {"ETH_MDC[0]", out, V25, "R30"},   {"ETH_INT_n[0]", in, V18, "B20"},
    {"ETH_RX_p[1]", in, LVDS, "N33"},  {"ETH_TX_p[1]", out, LVDS, "R32"}, {"ETH_MDIO[1]", inout, V25, "J5"},
    {"ETH_MDC[1]", out, V25, "J6"},    {"ETH_INT_n[1]", in, V25, "AG30"},
    {"ETH_RX_p[2]", in, LVDS, "K34"},  {"ETH_TX_p[2]", out, LVDS, "M32"}, {"ETH_MDIO[2]", inout, V25, "K5"},
    {"ETH_MDC[2]", out, V25, "K6"},    {"ETH_INT_n[2]", in, V25, "AE30"},
    {"ETH_RX_p[3]", in, LVDS, "J34"},  {"ETH_TX_p[3]", out, LVDS, "P31"}, {"ETH_MDIO[3]", inout, V25, "N8"},
    {"ETH_MDC[3]", out, V25, "N7"},    {"ETH_INT_n[3]", in, V25, "AE31"},
    {"ETH_RST_n", out, V25, "V29"},
};

constexpr BoardPinRow kPcie[] = {
    {"PCIE_RX_p[0]", in, PCML14, "AU38"}, {"PCIE_TX_p[0]", out, PCML14, "AT36"},
    {"PCIE_RX_p[1]", in, PCML14, "AR38"}, {"PCIE_TX_p[1]", out, PCML14, "AP36"},
    {"PCIE_RX_p[2]", in, PCML14, "AJ38"}, {"PCIE_TX_p[2]", out, PCML14, "AH36"},
    {"PCIE_RX_p[3]", in, PCML14, "AG38"}, {"PCIE_TX_p[3]", out, PCML14, "AF36"},
    {"PCIE_RX_p[4]", in, PCML14, "AE38"}, {"PCIE_TX_p[4]", out, PCML14, "AD36"},
    {"PCIE_RX_p[5]", in, PCML14, "AC38"}, {"PCIE_TX_p[5]", out, PCML14, "AB36"},
    {"PCIE_RX_p[6]", in, PCML14, "U38"},  {"PCIE_TX_p[6]", out, PCML14, "T36"},
    {"PCIE_RX_p[7]", in, PCML14, "R38"},  {"PCIE_TX_p[7]", out, PCML14, "P36"},
    {"PCIE_REFCLK_p", in, HCSL, "AN38"},
    {"PCIE_PREST_n", in, V25, "V30"},
    {"PCIE_WAKE_n", out, V25, "U35"},
    {"PCIE_SMBCLK", in, V25, "R31"},
    {"PCIE_SMBDAT", inout, V25, "W33"},
};

// The address counts in 16-bit words: it has no bit 0. The SSRAM uses the first 20 lines.
constexpr BoardPinRow kSharedBus[] = {
    {"FSM_D[0..15]", inout, V25, "K29 J30 K30 L29 K31 E32 F32 H32 B32 C32 C35 D35 M22 M28 C31 D31"},
    {"FSM_A[1..20]", out, V25, "G22 G23 A25 H22 H23 J22 K22 M21 J23 F34 G35 E34 J32 F35 C24 A24 D23 D24 T27 T28"},
};
constexpr BoardPinRow kFlashAddress[] = {
    {"FSM_A[21..25]", out, V25, "D22 E23 N20 P20 C22"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_RYBY_n", in, V25, "G21"},
    {"FLASH_CLK, FLASH_RESET_n, FLASH_OE_n, FLASH_WE_n, FLASH_ADV_n, FLASH_CE_n", out, V25, "E22 D21 N21 R20 F21 F23"},
};

constexpr BoardPinRow kSsramControl[] = {
    {"SSRAM_BWA_n, SSRAM_BWB_n, SSRAM_CLK, SSRAM_OE_n, SSRAM_WE_n, SSRAM_CKE_n, SSRAM_CE_n, SSRAM_ADV", out, V25,
     "R27 N31 M31 H34 L31 N28 R28 H35"},
};

constexpr BoardPinRow kUsbOtg[] = {
    {"OTG_D[0..31]", inout, V18,
     "AF16 AJ14 AD15 AE15 AE16 AH14 AM13 AN15 AP15 AG18 AG19 AM19 AN19 AV16 AT17 AV17 AU17 AW18 AT18 AU18 AR19 AW20 "
     "AW21 AF19 AE19 AE18 AD19 G13 M16 M27 K27 L26"},
    {"OTG_A[1..17]", out, V18, "K26 P25 N25 R24 P24 M25 L25 N23 K28 A29 J27 G26 F26 G28 B26 D17 F16"},
    {"OTG_CS_n, OTG_DC_DACK", out, V18, "P19 AH20"},
    {"OTG_DC_DREQ, OTG_DC_IRQ", in, V18, "AP21 AT22"},
    {"OTG_HC_DACK", out, V18, "AT21"},
    {"OTG_HC_DREQ, OTG_HC_IRQ", in, V18, "AN21 AJ20"},
    {"OTG_OE_n, OTG_RESET_n, OTG_WE_n", out, V18, "N19 AU22 AR22"},
};

// The SATA ports in the group's order: host 0, host 1, device 0, device 1.
constexpr BoardPinRow kSataPorts[4][2] = {
    {{"SATA_HOST_RX_p[0]", in, PCML14, "AR2"}, {"SATA_HOST_TX_p[0]", out, PCML14, "AP4"}},
    {{"SATA_HOST_RX_p[1]", in, PCML14, "AG2"}, {"SATA_HOST_TX_p[1]", out, PCML14, "AF4"}},
    {{"SATA_DEVICE_RX_p[0]", in, PCML14, "AU2"}, {"SATA_DEVICE_TX_p[0]", out, PCML14, "AT4"}},
    {{"SATA_DEVICE_RX_p[1]", in, PCML14, "AJ2"}, {"SATA_DEVICE_TX_p[1]", out, PCML14, "AH4"}},
};
constexpr BoardPinRow kSataReference[] = {
    {"SATA_REFCLK_p", in, PCML14, "AN2"},
};

// The termination pins of each DDR2 socket's memory controller.
constexpr BoardPinRow kDdr2Termination[2][2] = {
    {{"M1_DDR2_oct_rup", in, V18, "AF25"}, {"M1_DDR2_oct_rdn", in, V18, "AG25"}},
    {{"M2_DDR2_oct_rup", in, V18, "P14"}, {"M2_DDR2_oct_rdn", in, V18, "N14"}},
};

constexpr BoardPinRow kHsmcI2c[] = {
    {"HSMC_SCL", out, V18, "L19"},
    {"HSMC_SDA", inout, V18, "M19"},
};

// The GPIO-0 header, positions 1 to 40; nullptr where a position carries no FPGA pin.
constexpr const char* kGpio0Locations[40] = {
    "AF6", "AU9", "AE5", "AR8", "AN9", "AP9", "AV5", "AW6", "AV7", "AW7", nullptr, nullptr, "AT5", "AT8", "AP5", "AP7", "AN5", "AN10", "AM5", "AM10",  // 1-20
    "AL10", "AM8", "AL8", "AK8", "AJ11", "AK7", "AJ5", "AH12", nullptr, nullptr, "AG10", "AG13", "AG9", "AF11", "AT9", "AF10", "AD10", "AD9", "AD12", "AD13",  // 21-40
};

// The GPIO-1 header, positions 1 to 40.
constexpr const char* kGpio1Locations[40] = {
    "AW5", "AW8", "AW4", "AV10", "AV8", "AW10", "AU10", "AU8", "AP8", "AT10", nullptr, nullptr, "AU6", "AT6", "AU7", "AR5", "AP6", "AT7", "AN7", "AN6",  // 1-20
    "AL6", "AM6", "AL5", "AL9", "AK9", "AJ6", "AJ10", "AH11", nullptr, nullptr, "AH8", "AH9", "AG12", "AH10", "AF13", "AE13", "AE10", "AP10", "AE12", "AE11",  // 21-40
};

// HSMC-A, positions 1 to 160: four transceiver lanes only.
constexpr const char* kHsmcALocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "B36", "C38", "B37", "C39",  // 1-20
    "D36", "E38", "D37", "E39", "K36", "L38", "K37", "L39", "M36", "N38", "M37", "N39", nullptr, nullptr, nullptr, nullptr, nullptr, "F30", "AF29", "AC34",  // 21-40
    "AC26", "AC31", "AD26", "AC32", nullptr, nullptr, "AB27", "AJ32", "AB28", "AK33", nullptr, nullptr, "AB30", "AH34", "AB31", "AH35", nullptr, nullptr, "AD27", "AJ34",  // 41-60
    "AE27", "AJ35", nullptr, nullptr, "AD28", "AK34", "AD29", "AK35", nullptr, nullptr, "AE28", "AN30", "AE29", "AP30", nullptr, nullptr, "AE26", "AM34", "AF26", "AM35",  // 61-80
    nullptr, nullptr, "AG31", "AM31", "AG32", "AN31", nullptr, nullptr, "AG29", "AN33", "AH29", "AP34", nullptr, nullptr, "AG28", "AB34", "AH28", "AA35", nullptr, nullptr,  // 81-100
    "AC28", "AP32", "AC29", "AR32", nullptr, nullptr, "AJ29", "AR31", "AK29", "AT30", nullptr, nullptr, "AD30", "AT33", "AD31", "AU33", nullptr, nullptr, "AK32", "AU34",  // 101-120
    "AL32", "AV34", nullptr, nullptr, "AG27", "AT32", "AH27", "AU32", nullptr, nullptr, "AK31", "AT31", "AL31", "AU31", nullptr, nullptr, "AJ31", "AP35", "AH30", "AR35",  // 121-140
    nullptr, nullptr, "AL29", "AN32", "AM29", "AP33", nullptr, nullptr, "AK30", "AT34", "AL30", "AR34", nullptr, nullptr, "AG34", "AF34", "AG35", "AE35", nullptr, nullptr,  // 141-160
};

// HSMC-B, positions 1 to 160.
constexpr const char* kHsmcBLocations[160] = {
    "B4", "C2", "B3", "C1", "D4", "E2", "D3", "E1", "K4", "L2", "K3", "L1", "M4", "N2", "M3", "N1", "P4", "R2", "P3", "R1",  // 1-20
    "T4", "U2", "T3", "U1", "AB4", "AC2", "AB3", "AC1", "AD4", "AE2", "AD3", "AE1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "L8", "AA5",  // 21-40
    "H10", "D6", "G10", "C6", nullptr, nullptr, "K9", "D5", "J9", "C5", nullptr, nullptr, "K10", "D10", "J10", "C10", nullptr, nullptr, "N11", "D9",  // 41-60
    "N10", "C9", nullptr, nullptr, "N12", "D8", "M12", "C8", nullptr, nullptr, "R12", "D7", "R11", "C7", nullptr, nullptr, "T13", "F10", "T12", "E10",  // 61-80
    nullptr, nullptr, "R13", "G5", "P13", "F5", nullptr, nullptr, "H7", "G6", "G7", "F6", nullptr, nullptr, "K8", "W34", "J8", "W35", nullptr, nullptr,  // 81-100
    "M10", "F7", "L10", "E7", nullptr, nullptr, "M8", "G8", "M7", "F8", nullptr, nullptr, "M11", "G9", "L11", "F9", nullptr, nullptr, "N9", "N6",  // 101-120
    "P8", "N5", nullptr, nullptr, "R9", "M6", "R8", "L5", nullptr, nullptr, "U10", "R6", "T9", "R5", nullptr, nullptr, "V10", "R7", "V9", "P6",  // 121-140
    nullptr, nullptr, "T10", "V6", "R10", "U5", nullptr, nullptr, "V12", "W8", "V11", "W7", nullptr, nullptr, "W12", "W6", "W11", "W5", nullptr, nullptr,  // 141-160
};

// DDR2 socket 0, positions 1 to 200.
constexpr const char* kDdr2Socket0Locations[200] = {
    nullptr, nullptr, nullptr, "AW34", "AV32", "AW33", "AV31", nullptr, nullptr, "AW31", "AW30", nullptr, "AV29", "AW28", nullptr, "AW27", "AW29", nullptr, "AV28", "AM25",  // 1-20
    nullptr, "AN25", "AP25", nullptr, "AV26", "AW26", nullptr, nullptr, "AU26", "AP28", "AT26", "AR28", nullptr, nullptr, "AU25", "AR25", "AT25", "AN24", nullptr, nullptr,  // 21-40
    nullptr, nullptr, "AN23", "AM23", "AP23", "AR23", nullptr, nullptr, "AU24", nullptr, "AT24", "AU23", nullptr, nullptr, "AL22", "AT23", "AM22", "AL21", nullptr, nullptr,  // 41-60
    "AJ22", "AK24", "AH23", "AJ23", nullptr, nullptr, "AH22", "AL23", nullptr, "AK23", nullptr, nullptr, "AF22", "AF23", "AE23", "AE22", nullptr, nullptr, "AT28", "AK27",  // 61-80
    nullptr, nullptr, nullptr, "AT29", "AP27", "AU29", nullptr, nullptr, "AP26", "AU28", "AN27", "AT27", "AL27", "AU27", nullptr, nullptr, "AK26", "AN26", "AM26", "AW23",  // 81-100
    "AL25", "AV23", nullptr, nullptr, "AJ26", "AD25", "AH26", "AE21", "AK25", "AG21", nullptr, nullptr, "AJ25", "AG20", "AE25", "AD21", nullptr, nullptr, "AE24", nullptr,  // 101-120
    nullptr, nullptr, "AK17", "AG16", "AM17", "AH17", nullptr, nullptr, "AL16", "AL17", "AK16", nullptr, nullptr, "AF17", "AH16", "AE17", "AJ16", nullptr, nullptr, "AN17",  // 121-140
    "AR17", "AP17", "AN16", nullptr, nullptr, "AR16", "AT16", "AP16", nullptr, nullptr, "AU16", "AU15", "AW16", "AT15", nullptr, nullptr, "AW11", "AW14", "AW12", "AV14",  // 141-160
    nullptr, nullptr, nullptr, "AE20", nullptr, "AF20", "AW13", nullptr, "AV13", "AU14", nullptr, nullptr, "AT14", "AU11", "AU12", "AT12", nullptr, nullptr, "AP13", "AR14",  // 161-180
    "AN14", "AP14", nullptr, nullptr, "AN13", "AT13", nullptr, "AR13", "AL15", nullptr, "AM14", "AL14", nullptr, "AL13", "AG24", nullptr, "AH24", "AV25", nullptr, "AW25",  // 181-200
};

// DDR2 socket 1, positions 1 to 200.
constexpr const char* kDdr2Socket1Locations[200] = {
    nullptr, nullptr, nullptr, "J12", "F12", "J13", "H13", nullptr, nullptr, "H14", "E13", nullptr, "F13", "G14", nullptr, "D13", "E14", nullptr, "F14", "P16",  // 1-20
    nullptr, "N16", "P17", nullptr, "N17", "M17", nullptr, nullptr, "J16", "L13", "K16", "K13", nullptr, nullptr, "L16", "J17", "K17", "H17", nullptr, nullptr,  // 21-40
    nullptr, nullptr, "B16", "C16", "A16", "E16", nullptr, nullptr, "C15", nullptr, "D15", "G15", nullptr, nullptr, "F15", "G16", "D16", "G17", nullptr, nullptr,  // 41-60
    "C17", "C18", "E17", "D18", nullptr, nullptr, "F17", "F18", nullptr, "G18", nullptr, nullptr, "F19", "F20", "G19", "G20", nullptr, nullptr, "D11", "K12",  // 61-80
    nullptr, nullptr, nullptr, "M13", "B10", "K14", nullptr, nullptr, "N15", "L14", "M14", "N13", "A10", "A11", nullptr, nullptr, "C11", "C13", "R14", "D14",  // 81-100
    "B11", "B14", nullptr, nullptr, "R18", "C14", "C12", "J18", "P18", "H19", nullptr, nullptr, "A13", "D19", "B13", "C19", nullptr, nullptr, "A14", nullptr,  // 101-120
    nullptr, nullptr, "N22", "R22", "M23", "P22", nullptr, nullptr, "K23", "P23", "L23", nullptr, nullptr, "M24", "K24", "J24", "J25", nullptr, nullptr, "G24",  // 121-140
    "G25", "F24", "C25", nullptr, nullptr, "E25", "B25", "F25", nullptr, nullptr, "A26", "D25", "C26", "D26", nullptr, nullptr, "F27", "H26", "G27", "J26",  // 141-160
    nullptr, nullptr, nullptr, "B17", nullptr, "A17", "D29", nullptr, "E29", "D28", nullptr, nullptr, "F28", "E28", "H28", "G29", nullptr, nullptr, "C29", "A27",  // 161-180
    "A31", "A28", nullptr, nullptr, "C30", "B28", nullptr, "C28", "C27", nullptr, "D27", "B29", nullptr, "B31", "J15", nullptr, "K15", "A18", nullptr, "B19",  // 181-200
};

// The clock inputs of an HSMC connector: their board pins stay inputs under every card.
constexpr FixedPosition kHsmcFixed[] = {{40, DIRECTION_INPUT}, {96, DIRECTION_INPUT}, {98, DIRECTION_INPUT}};

constexpr const char* const* kHsmcTables[YASTREL_X1_CONFIG::kHsmcPorts] = {kHsmcALocations, kHsmcBLocations};
constexpr const char* const* kDdr2Tables[2] = {kDdr2Socket0Locations, kDdr2Socket1Locations};
constexpr int32_t kDdr2Expansion[2] = {EXPANSION_DDR2_SODIMM_1, EXPANSION_DDR2_SODIMM_2};
constexpr const char* kDdr2Prefix[2] = {"M1_DDR2_", "M2_DDR2_"};
// The memory controller's pins on each socket.
constexpr int kDdr2SocketPins = 124;

}  // namespace

void DefaultConfig(YASTREL_X1_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Yastrel_X1;
    config.Size = sizeof(YASTREL_X1_CONFIG);
    WriteRecordText(config.szProjectName, "Yastrel");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bSeg7, &config.bButton, &config.bSwitch,
                           &config.bSlideSwitch, &config.bEthernet, &config.bSDCARD, &config.bUsbOTG, &config.bCurrent,
                           &config.bTemp, &config.bFan, &config.bSSRAM, &config.bFlash, &config.bEEPROM,
                           &config.bExtPLL, &config.bRS232})
        *group = 1;
    for (uint8_t& code : config.nExtPllSetting) code = EXT_PLL_CODE_DEFAULT;
}

void BuildMainBoard_Yastrel_X1(TMainBoard* board, const YASTREL_X1_CONFIG& Config)
{
    StoreRecordCopy(board->m_Yastrel_X1Config, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Yastrel_X1);
    PW_CHECK(Config.Size == sizeof(YASTREL_X1_CONFIG));
    board->ClearConnectors();

    board->m_Family = "Stratix IV";
    board->m_Device = Config.nBoardType == 1 ? "EP4SGX530KH40C2" : "EP4SGX230KF40C2";
    board->m_DevicePinCount = 1517;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 2;

    if (Config.bOSC)
        AddBoardGroup(*board, "CLOCK", kClock);
    else if (Config.bExtPLL)
        AddBoardGroup(*board, "CLOCK", std::span(&kGeneratorClock, 1));
    if (Config.bExtPLL) AddBoardGroup(*board, "External PLL", kExternalPll);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED x 8", kLed);
    if (Config.bButton)
        AddBoardGroup(*board, "BUTTON x 4, EXT_IO and CPU_RESET_n", kButton);
    else if (Config.bExtPLL)
        AddBoardGroup(*board, "CPU_RESET_n", std::span(&kCpuReset, 1));
    if (Config.bSwitch) AddBoardGroup(*board, "DIP SWITCH x 8", kDipSwitch);
    if (Config.bSlideSwitch) AddBoardGroup(*board, "SLIDE SWITCH x 4", kSlideSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bCurrent) AddBoardGroup(*board, "Current", kCurrent);
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bEEPROM) AddBoardGroup(*board, "EEPROM", kEeprom);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet x 4", kEthernet);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIe x 8", kPcie);
    if (Config.bFlash || Config.bSSRAM) {
        TConnector* bus = AddBoardGroup(*board, "Flash and SRAM Address/Data Share Bus", kSharedBus);
        if (Config.bFlash) AddBoardPins(*bus, kFlashAddress);
    }
    if (Config.bFlash) AddBoardGroup(*board, "Flash Control", kFlashControl);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM Control", kSsramControl);
    if (Config.bUsbOTG) AddBoardGroup(*board, "3-Ports High-Speed USB OTG", kUsbOtg);
    const uint8_t sataPorts[4] = {Config.bSataHost[0], Config.bSataHost[1], Config.bSataDevice[0],
                                  Config.bSataDevice[1]};
    if (sataPorts[0] || sataPorts[1] || sataPorts[2] || sataPorts[3]) {
        TConnector* sata = AddBoardGroup(*board, "SATA", {});
        for (int port = 0; port < 4; ++port)
            if (sataPorts[port]) AddBoardPins(*sata, kSataPorts[port]);
        AddBoardPins(*sata, kSataReference);
    }
    // bMax2 stands for no group: a record from a file that sets it builds the same board.

    for (int socket = 0; socket < 2; ++socket) {
        if (!Config.bDDR2[socket]) continue;
        TConnector* ddr2 = AddExpansionConnector(*board, "DDR2 SODIMM", platform::Format("DDR2 SODIMM_%d", socket),
                                                 CONNECTOR_DDR2_SODIMM, kDdr2Expansion[socket],
                                                 std::span(kDdr2Tables[socket], 200));
        PW_CHECK(ddr2->GetActivePinCount() == kDdr2SocketPins);
        AddBoardGroup(*board, platform::Format("DDR2 SODIMM_%d RUP/RDN", socket), kDdr2Termination[socket]);
    }

    if (Config.nGpioDaughterId[GPIO_0] > 0 || Config.nGpioDaughterId[GPIO_1] > 0)
        AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                       kGpio1Locations);

    bool anyHsmc = false;
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (card == 0) continue;
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("HSMC-%c", letter),
                              platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A + port, std::span(kHsmcTables[port], 160),
                              {.fixed = kHsmcFixed});
        anyHsmc = true;
    }
    if (anyHsmc) AddBoardGroup(*board, "HSMC I2C", kHsmcI2c);
}

YASTREL_X1_CONFIG Yastrel_X1ProjectRecord(const YASTREL_X1_CONFIG& config)
{
    YASTREL_X1_CONFIG Config = config;
    // What the form's controls make of a record from a file.
    if (Config.nBoardType >= std::size(kYastrel_X1BoardTypes)) Config.nBoardType = 0;
    for (uint8_t& code : Config.nExtPllSetting) code = ExtPllCodeOrDefault(code);
    PairGpioRecord(Config.nGpioDaughterId, Config.szGpioPrefixName,
                   StoredPairLeader(Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1]));
    static constexpr const char* kDefaultPrefix[YASTREL_X1_CONFIG::kHsmcPorts] = {"HSMA_", "HSMB_"};
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (Config.szHSMCPrefixName[port][0] == 0 && (card == DAUGHTER_HSMC_DEFAULT || card == DAUGHTER_HSMC_DEFAULT_XCVR))
            WriteRecordText(Config.szHSMCPrefixName[port], kDefaultPrefix[port]);
    }
    return Config;
}

void BuildYastrel_X1ProjectBoard(TMainBoard& board, const YASTREL_X1_CONFIG& config)
{
    const YASTREL_X1_CONFIG Config = Yastrel_X1ProjectRecord(config);
    BuildMainBoard_Yastrel_X1(&board, Config);
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port)
        if (Config.nHsmcDaughterId[port] > 0)
            TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A + port, Config.nHsmcDaughterId[port],
                                              ReadRecordText(Config.szHSMCPrefixName[port]), "", V25, 0);
    AttachGpioHeaderPair(board, Config.nGpioDaughterId[GPIO_0], ReadRecordText(Config.szGpioPrefixName[GPIO_0]),
                         Config.nGpioDaughterId[GPIO_1], ReadRecordText(Config.szGpioPrefixName[GPIO_1]), false);
    for (int socket = 0; socket < 2; ++socket)
        if (Config.bDDR2[socket])
            TConfigBaseAttach::AttachMemoryModule(&board, kDdr2Expansion[socket], kDdr2Prefix[socket],
                                                  MemoryModuleKind::Ddr2, 1, V18, V18);
}

std::vector<CardChoice> Yastrel_X1CardChoices(const YASTREL_X1_CONFIG& config)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port)
        choices.push_back(ChoiceOf(platform::Format("HSMC-%c", 'A' + port), config.nHsmcDaughterId[port], CONNECTOR_HSMC, true));
    for (CardChoice& header : GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80)) choices.push_back(header);
    return choices;
}

bool GenerateYastrel_X1Project(const YASTREL_X1_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(Yastrel_X1CardChoices(config))) return false;
    TMainBoard board;
    BuildYastrel_X1ProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X2.h"

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

constexpr uint8_t V18 = 3;      // "1.8 V"
constexpr uint8_t V25 = 6;      // "2.5 V"
constexpr uint8_t LVTTL = 8;    // "3.3-V LVTTL"
constexpr uint8_t DIFF_SSTL15 = 12;  // "Differential 1.5-V SSTL Class I"
constexpr uint8_t LVDS = 21;
constexpr uint8_t SSTL15 = 29;  // "SSTL-15 Class I"
constexpr uint8_t PCML14 = 35;  // "1.4-V PCML"
constexpr uint8_t HCSL = 37;

constexpr BoardPinRow kClock[] = {
    {"OSC_B[2..7]", in, LVTTL, "AC35 AW22 AW19 AC6 AB6 A19", ClockPeriod(20)},
    {"CPU_RESET_n", in, LVTTL, "V34"},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN_p, SMA_CLKIN_n", in, LVDS, "B23 A22"},
    {"SMA_CLKOUT_p, SMA_CLKOUT_n", out, LVDS, "M20 L20"},
    {"SMA_GXBCLK_p[0], SMA_GXBCLK_n[0], SMA_GXBCLK_p[1], SMA_GXBCLK_n[1]", in, LVDS, "G38 G39 W2 W1"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, LVTTL, "AG30 AE30 AE31 AL34 AL35 AH32 AH33 AB10"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..7]", in, LVTTL, "AB13 AB12 AB9 AC8 AH6 AH5 L7 K7"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..7]", in, LVTTL, "J7 K6 K5 J6 J5 M27 K27 J27"},
};

// The temperature sensor, the LCD and the EEPROM share one I2C bus; the board's data puts
// these pins, and the LCD's power pins, at one location.
constexpr BoardPinRow kTemperature[] = {
    {"TEMP_CLK", out, LVTTL, "P4"},
    {"TEMP_DATA", inout, LVTTL, "P1"},
    {"TEMP_INT_n", in, LVTTL, "N2"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_PWR_ON", out, LVTTL, "AP20"},
};

constexpr BoardPinRow kLcd[] = {
    {"LCD_PWR_ON, LCD_BL_ON", out, LVTTL, "P4 P4"},
};

constexpr BoardPinRow kSharedI2c[] = {
    {"I2C_SDA", inout, LVTTL, "P4"},
    {"I2C_SCL", out, LVTTL, "P4"},
};

constexpr BoardPinRow kUsbFifo[] = {
    {"USB_D[0..7]", inout, LVTTL, "AD19 AG19 AG18 AE18 AT17 AW18 AT18 AU18"},
    {"USB_RXF_n, USB_TXE_n, USB_CLKOUT", in, LVTTL, "AE19 AF19 AV19"},
    {"USB_RD_n, USB_WR_n, USB_OE_n, USB_SIWU_n, USB_RESET_n", out, LVTTL, "AU17 AV17 AN19 AM19 ?"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "AV20"},
    {"SD_CLK", out, LVTTL, "AT19"},
    {"SD_WP_n", in, LVTTL, "AH18"},
    {"SD_DAT[0..3]", inout, LVTTL, "AR20 AT20 AU19 AU20"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ETH_RX_p[0], ETH_RX_n[0]", in, LVTTL, "N33 N34"}, {"ETH_TX_p[0], ETH_TX_n[0]", out, LVTTL, "M32 L32"},
    {"ETH_RX_p[1], ETH_RX_n[1]", in, LVTTL, "J34 J35"}, {"ETH_TX_p[1], ETH_TX_n[1]", out, LVTTL, "P31 P32"},
    {"ETH_RX_p[2], ETH_RX_n[2]", in, LVTTL, "K34 K35"}, {"ETH_TX_p[2], ETH_TX_n[2]", out, LVTTL, "T30 T31"},
    {"ETH_RX_p[3], ETH_RX_n[3]", in, LVTTL, "U31 V31"}, {"ETH_TX_p[3], ETH_TX_n[3]", out, LVTTL, "R32 R33"},
    {"ETH_INT", in, LVTTL, "M34"},
    {"ETH_MDIO", inout, LVTTL, "M33"},
    {"ETH_MDC", out, LVTTL, "R30"},
    {"ETH_RST_n", out, LVTTL, "?"},
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
    {"PCIE_REFCLKI_p, PCIE_REFCLKI_n", in, HCSL, "AN38 AN39"},
    {"PCIE_RESET_n", out, LVTTL, "?"},
    {"PCIE_PREST_n, PCIE_PWRON", in, LVTTL, "? ?"},
    {"PCIE_WAKE_n", out, LVTTL, "?"},
};

constexpr BoardPinRow kFpgaBridge[] = {
    {"FPGA_RX_p[0]", in, PCML14, "AE2"}, {"FPGA_TX_p[0]", out, PCML14, "AD4"},
    {"FPGA_RX_p[1]", in, PCML14, "AC2"}, {"FPGA_TX_p[1]", out, PCML14, "AB4"},
    {"FPGA_RX_p[2]", in, PCML14, "U2"},  {"FPGA_TX_p[2]", out, PCML14, "T4"},
    {"FPGA_RX_p[3]", in, PCML14, "R2"},  {"FPGA_TX_p[3]", out, PCML14, "P4"},
    {"FPGA_RX_p[4]", in, PCML14, "N2"},  {"FPGA_TX_p[4]", out, PCML14, "M4"},
    {"FPGA_RX_p[5]", in, PCML14, "L2"},  {"FPGA_TX_p[5]", out, PCML14, "K4"},
    {"FPGA_RX_p[6]", in, PCML14, "E2"},  {"FPGA_TX_p[6]", out, PCML14, "D4"},
    {"FPGA_RX_p[7]", in, PCML14, "C2"},  {"FPGA_TX_p[7]", out, PCML14, "B4"},
    {"FPGA_REFCLK_p", in, HCSL, "AA22"},
};

// The address counts in 16-bit words: it has no bit 0. The SSRAM uses the first 20 lines.
constexpr BoardPinRow kSharedBus[] = {
    {"FSM_D[0..15]", inout, LVTTL, "J25 M24 K24 J24 M23 N22 P22 R22 L23 K23 P23 N23 D25 G25 G24 F24"},
    {"FSM_A[1..20]", out, LVTTL, "M21 R20 N21 M22 G22 K22 J22 H22 D24 C24 J23 H23 E22 D22 G23 F23 E23 D23 D21 C22"},
};
constexpr BoardPinRow kFlashAddress[] = {
    {"FSM_A[21..25]", out, LVTTL, "A25 A24 B25 C25 D26"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_RYBY_n", in, LVTTL, "L35"},
    {"FLASH_CLK, FLASH_RST_n, FLASH_OE_n, FLASH_WE_n, FLASH_ADV_n, FLASH_CS_n", out, LVTTL, "A26 W28 ? ? L34 V28"},
};

constexpr BoardPinRow kSsramControl[] = {
    {"SSRAM_BWA_n, SSRAM_BWB_n, SSRAM_CLK, SSRAM_OE_n, SSRAM_WE_n, SSRAM_CKE_n, SSRAM_CE_n, SSRAM_ADV", out, LVTTL,
     "? ? N20 P20 ? ? ? E25"},
};

constexpr BoardPinRow kDdr3[] = {
    {"DDR3_ba[0..2], DDR3_dm[0..3]", out, SSTL15, "J18 L14 K14 H13 B11 N16 G16"},
    {"DDR3_dqs[0], DDR3_dqsn[0], DDR3_dqs[1], DDR3_dqsn[1], DDR3_dqs[2], DDR3_dqsn[2], DDR3_dqs[3], DDR3_dqsn[3]",
     inout, DIFF_SSTL15, "F13 E13 D14 C14 K16 J16 D15 C15"},
    {"DDR3_cke[0]", out, SSTL15, "A16"},
    {"DDR3_clk[0], DDR3_clk_n[0]", inout, DIFF_SSTL15, "L13 K13"},
    {"DDR3_cs_n, DDR3_we_n, DDR3_ras_n, DDR3_cas_n, DDR3_reset_n, DDR3_odt", out, SSTL15, "F17 C17 D18 C18 F20 G20"},
    {"DDR3_dq[0..31]", inout, SSTL15,
     "E14 G13 J13 F14 G14 F12 H14 J12 B13 B10 A13 D11 C13 C11 A11 C12 K17 L16 P17 M16 M17 H17 N17 J17 E16 G15 C16 G17 "
     "B16 D16 F16 F15"},
    {"DDR3_addr[0..14]", out, SSTL15, "N15 K12 R18 A10 K15 D13 M14 A14 N13 M13 J15 R14 P16 B14 P18"},
};

constexpr BoardPinRow kHsmcI2c[] = {
    {"HSMC_SCL", out, V25, "G26"},
    {"HSMC_SDA", inout, V25, "F26"},
};

// HSMC-A, positions 1 to 160; nullptr where a position carries no FPGA pin (four transceiver lanes).
constexpr const char* kHsmcALocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "M36", "N38", "M37", "N39",  // 1-20
    "K36", "L38", "K37", "L39", "D36", "E38", "D37", "E39", "B36", "C38", "B37", "C39", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "L8", "AA5",  // 21-40
    "T13", "G5", "T12", "F5", nullptr, nullptr, "H7", "F7", "G7", "E7", nullptr, nullptr, "R13", "G6", "P13", "F6", nullptr, nullptr, "R12", "F10",  // 41-60
    "R11", "E10", nullptr, nullptr, "N11", "G9", "N10", "F9", nullptr, nullptr, "M10", "D7", "L10", "C7", nullptr, nullptr, "V12", "W8", "V11", "W7",  // 61-80
    nullptr, nullptr, "U10", "V6", "T9", "U5", nullptr, nullptr, "V10", "R6", "V9", "R5", nullptr, nullptr, "N9", "R7", "P8", "P6", nullptr, nullptr,  // 81-100
    "T10", "N6", "R10", "N5", nullptr, nullptr, "R9", "K6", "R8", "L5", nullptr, nullptr, "K9", "D9", "J9", "C9", nullptr, nullptr, "K8", "D8",  // 101-120
    "J8", "C8", nullptr, nullptr, "M11", "D5", "L11", "C5", nullptr, nullptr, "N12", "D10", "M12", "C10", nullptr, nullptr, "K10", "G8", "J10", "F8",  // 121-140
    nullptr, nullptr, "H10", "D6", "G10", "C6", nullptr, nullptr, "M8", "N8", "M7", "N7", nullptr, nullptr, "W12", "W6", "W11", "W5", nullptr, nullptr,  // 141-160
};

// HSMC-B, positions 1 to 160 (four transceiver lanes).
constexpr const char* kHsmcBLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AT4", "AU2", "AT3", "AU1",  // 1-20
    "AP4", "AR2", "AP3", "AR1", "AH4", "AJ2", "AH3", "AJ1", "AF4", "AG2", "AF3", "AG1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AB11", "AC5",  // 21-40
    "AN10", "AV10", "AP10", "AW10", nullptr, nullptr, "AH11", "AV8", "AJ11", "AW8", nullptr, nullptr, "AG12", "AT10", "AH12", "AU10", nullptr, nullptr, "AF13", "AP8",  // 41-60
    "AG13", "AR8", nullptr, nullptr, "AN9", "AT9", "AP9", "AU9", nullptr, nullptr, "AN7", "AT8", "AP7", "AU8", nullptr, nullptr, "AH9", "AN6", "AH8", "AN5",  // 61-80
    nullptr, nullptr, "AK8", "AP6", "AK7", "AP5", nullptr, nullptr, "AE11", "AM6", "AE10", "AM5", nullptr, nullptr, "AF11", "AJ6", "AF10", "AJ5", nullptr, nullptr,  // 81-100
    "AG10", "AL6", "AG9", "AL5", nullptr, nullptr, "AD10", "AK6", "AD9", "AK5", nullptr, nullptr, "AK9", "AV5", "AL9", "AW4", nullptr, nullptr, "AL8", "AT7",  // 101-120
    "AM8", "AU7", nullptr, nullptr, "AH10", "AT6", "AJ10", "AU6", nullptr, nullptr, "AE13", "AR5", "AE12", "AT5", nullptr, nullptr, "AD13", "AV7", "AD12", "AW7",  // 121-140
    nullptr, nullptr, "AL10", "AW6", "AM10", "AW5", nullptr, nullptr, "AG8", "AG6", "AG7", "AG5", nullptr, nullptr, "AC11", "AF6", "AC10", "AE5", nullptr, nullptr,  // 141-160
};

// HSMC-C, positions 1 to 160 (no transceiver lanes).
constexpr const char* kHsmcCLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AF29", "AC34",  // 21-40
    "AC26", "AT34", "AD26", "AR34", nullptr, nullptr, "AD27", "AN33", "AE27", "AP34", nullptr, nullptr, "AJ31", "AT33", "AH30", "AU33", nullptr, nullptr, "AK32", "AP32",  // 41-60
    "AL32", "AR32", nullptr, nullptr, "AG29", "AP35", "AH29", "AR35", nullptr, nullptr, "AK31", "AN30", "AL31", "AP30", nullptr, nullptr, "AB30", "AU34", "AB31", "AV34",  // 61-80
    nullptr, nullptr, "AB27", "AC31", "AB28", "AC32", nullptr, nullptr, "AC28", "AJ34", "AC29", "AJ35", nullptr, nullptr, "AG31", "AH34", "AG32", "AH35", nullptr, nullptr,  // 81-100
    "AD28", "AK35", "AD29", "AK34", nullptr, nullptr, "AE29", "AT31", "AE28", "AU31", nullptr, nullptr, "AE26", "AM31", "AF26", "AN31", nullptr, nullptr, "AK30", "AR31",  // 101-120
    "AL30", "AT30", nullptr, nullptr, "AG28", "AT32", "AH28", "AU32", nullptr, nullptr, "AG27", "AN32", "AH27", "AP33", nullptr, nullptr, "AL29", "AM34", "AM29", "AM35",  // 121-140
    nullptr, nullptr, "AJ29", "AJ32", "AK29", "AK33", nullptr, nullptr, "AD30", "AN34", "AD31", "AN35", nullptr, nullptr, "AG34", "AF34", "AG35", "AE35", nullptr, nullptr,  // 141-160
};

// HSMC-D, positions 1 to 160 (no transceiver lanes).
constexpr const char* kHsmcDLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "W32", "AB34",  // 21-40
    "K30", "C32", "J30", "B32", nullptr, nullptr, "N28", "D31", "M28", "C31", nullptr, nullptr, "J32", "D35", "H32", "C35", nullptr, nullptr, "N31", "F31",  // 41-60
    "M31", "E31", nullptr, nullptr, "N30", "D33", "M30", "C33", nullptr, nullptr, "N29", "H31", "M29", "G31", nullptr, nullptr, "L31", "D34", "K31", "C34",  // 61-80
    nullptr, nullptr, "T28", "G35", "R28", "F35", nullptr, nullptr, "T27", "F32", "R27", "E32", nullptr, nullptr, "K32", "F34", "J33", "E34", nullptr, nullptr,  // 81-100
    "R29", "G33", "P29", "F33", nullptr, nullptr, "L29", "H34", "K29", "H35", nullptr, nullptr, "C27", "A28", "D27", "A27", nullptr, nullptr, "B31", "C28",  // 101-120
    "A31", "B28", nullptr, nullptr, "C29", "B29", "C30", "A29", nullptr, nullptr, "D28", "F28", "F27", "E28", nullptr, nullptr, "G27", "E29", "H26", "D29",  // 121-140
    nullptr, nullptr, "J26", "H28", "G29", "G28", nullptr, nullptr, "L25", "L26", "K28", "K26", nullptr, nullptr, "M25", "W34", "N25", "W35", nullptr, nullptr,  // 141-160
};

// The DDR2 socket, positions 1 to 200.
constexpr const char* kDdr2Locations[200] = {
    nullptr, nullptr, nullptr, "AW34", "AV32", "AW33", "AV31", nullptr, nullptr, "AW31", "AW30", nullptr, "AV29", "AW28", nullptr, "AW27", "AW29", nullptr, "AV28", "AM25",  // 1-20
    nullptr, "AN24", "AP25", nullptr, "AR25", "AN25", nullptr, nullptr, "AU26", "AP28", "AT26", "AR28", nullptr, nullptr, "AU25", "AV26", "AT25", "AW26", nullptr, nullptr,  // 21-40
    nullptr, nullptr, "AN23", "AM23", "AP23", "AU23", nullptr, nullptr, "AU24", nullptr, "AT24", "AM22", nullptr, nullptr, "AT23", "AL22", "AR23", "AL21", nullptr, nullptr,  // 41-60
    "AJ22", "AK24", "AH23", "AJ23", nullptr, nullptr, "AH22", "AL23", nullptr, "AK23", nullptr, nullptr, "AE22", "AF23", "AE23", "AF22", nullptr, nullptr, "AT28", "AN27",  // 61-80
    nullptr, nullptr, nullptr, "AT29", "AU27", "AU29", nullptr, nullptr, "AP26", "AU28", "AN26", "AT27", "AW23", "AP27", nullptr, nullptr, "AL27", "AV23", "AM26", "AL25",  // 81-100
    "AK27", "AJ26", nullptr, nullptr, "AK26", "AE25", "AK25", "AE21", "AJ25", "AG21", nullptr, nullptr, "AH26", "AG20", "AE24", "AD21", nullptr, nullptr, "AD25", nullptr,  // 101-120
    nullptr, nullptr, "AT14", "AW12", "AU14", "AW11", nullptr, nullptr, "AW13", "AU11", "AV13", nullptr, nullptr, "AT12", "AV14", "AU12", "AW14", nullptr, nullptr, "AN13",  // 121-140
    "AP13", "AL15", "AN14", nullptr, nullptr, "AT13", "AL13", "AR13", nullptr, nullptr, "AP14", "AL14", "AR14", "AM14", nullptr, nullptr, "AN16", "AW16", "AN17", "AT16",  // 141-160
    nullptr, nullptr, nullptr, "AE20", nullptr, "AF20", "AR16", nullptr, "AP16", "AU16", nullptr, nullptr, "AP17", "AU15", "AR17", "AT15", nullptr, nullptr, "AJ16", "AH17",  // 161-180
    "AM17", "AE17", nullptr, nullptr, "AF17", "AL16", nullptr, "AK16", "AK17", nullptr, "AL17", "AH16", nullptr, "AG16", "AG24", "AH24", nullptr, "AV25", nullptr, "AW25",  // 181-200
};

constexpr const char* const* kHsmcTables[YASTREL_X2_NODE_CONFIG::kHsmcPorts] = {kHsmcALocations, kHsmcBLocations,
                                                                               kHsmcCLocations, kHsmcDLocations};
// The memory controller's pins on the socket.
constexpr int kDdr2SocketPins = 124;

// The shared I2C group's name says which devices use the bus.
std::string SharedI2cName(const YASTREL_X2_NODE_CONFIG& node)
{
    std::string name;
    auto add = [&name](const char* part) { name += name.empty() ? part : std::string("+") + part; };
    if (node.bLCD) add("LCD");
    if (node.bTemp) add("Temperatur");
    if (node.bEEPROM) add("EEPROM");
    return name + " I2C Shared Bus";
}

}  // namespace

void DefaultConfig(YASTREL_X2_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Yastrel_X2;
    config.Size = sizeof(YASTREL_X2_CONFIG);
    for (int f = 0; f < YASTREL_X2_CONFIG::kNodes; ++f) {
        YASTREL_X2_NODE_CONFIG& node = config.F[f];
        WriteRecordText(node.szProjectName, platform::Format("F%d_Yastrel", f + 1));
        for (uint8_t* group : {&node.bOSC, &node.bLED, &node.bButton, &node.bSwitch, &node.bSDCARD, &node.bSma,
                               &node.bUSB, &node.bTemp, &node.bFan, &node.bSSRAM, &node.bFlash, &node.bLCD,
                               &node.bEthernet, &node.bEEPROM})
            *group = 1;
    }
}

void BuildMainBoard_Yastrel_X2(TMainBoard* board, const YASTREL_X2_CONFIG& Config, int node)
{
    board->m_BoardId = MAINBOARD_Yastrel_X2;
    PW_CHECK(Config.BoardId == MAINBOARD_Yastrel_X2);
    PW_CHECK(Config.Size == sizeof(YASTREL_X2_CONFIG));
    PW_CHECK(node >= 0 && node < YASTREL_X2_CONFIG::kNodes);
    board->ClearConnectors();
    const YASTREL_X2_NODE_CONFIG& F = Config.F[node];

    board->m_Family = "Stratix IV";
    board->m_Device = Config.nBoardType == 0 ? "EP4SGX230KF40C2" : Config.nBoardType == 1 ? "EP4SGX530KH40C2" : "";
    board->m_DevicePinCount = 1517;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 2;

    if (F.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (F.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (F.bLED) AddBoardGroup(*board, "LED x 8", kLed);
    if (F.bButton) AddBoardGroup(*board, "BUTTON x 8", kButton);
    if (F.bSwitch) AddBoardGroup(*board, "SWITCH x 8", kSwitch);
    if (F.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (F.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (F.bLCD || F.bEEPROM) AddBoardGroup(*board, "16x2 Character LCD", kLcd);
    if (F.bLCD || F.bTemp || F.bEEPROM) AddBoardGroup(*board, SharedI2cName(F), kSharedI2c);
    if (F.bUSB) AddBoardGroup(*board, "High-Speed USB-FIFO", kUsbFifo);
    if (F.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (F.bEthernet) AddBoardGroup(*board, "Ethernet x 4", kEthernet);
    if (F.bPCIe) AddBoardGroup(*board, "PCIe x 8", kPcie);
    if (F.bFpgaBridge) AddBoardGroup(*board, "FPGA Bridge (Transceiver x 8)", kFpgaBridge);
    if (F.bFlash || F.bSSRAM) {
        TConnector* bus = AddBoardGroup(*board, "Flash and SRAM Address/Data Share Bus", kSharedBus);
        if (F.bFlash) AddBoardPins(*bus, kFlashAddress);
    }
    if (F.bFlash) AddBoardGroup(*board, "Flash Control", kFlashControl);
    if (F.bSSRAM) AddBoardGroup(*board, "SSRAM Control", kSsramControl);
    // bMax2 stands for no group: a record from a file that sets it builds the same board.

    if (F.bDDR3) AddBoardGroup(*board, "DDR3", kDdr3);
    if (F.bDDR2) {
        TConnector* ddr2 = AddExpansionConnector(*board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                                 EXPANSION_DDR2_SODIMM, kDdr2Locations);
        PW_CHECK(ddr2->GetActivePinCount() == kDdr2SocketPins);
    }

    bool anyHsmc = false;
    for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = F.nHsmcDaughterId[port];
        if (card == 0) continue;
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("HSMC-%c", letter),
                              platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A + port, std::span(kHsmcTables[port], 160));
        anyHsmc = true;
    }
    if (anyHsmc) AddBoardGroup(*board, "HSMC I2C", kHsmcI2c);
}

void BuildYastrel_X2ProjectBoard(TMainBoard& board, const YASTREL_X2_CONFIG& config, int node)
{
    YASTREL_X2_CONFIG Config = config;
    // The form's board-type combo offers the first variant only: it shows any other as that.
    Config.nBoardType = 0;
    BuildMainBoard_Yastrel_X2(&board, Config, node);
    const YASTREL_X2_NODE_CONFIG& F = Config.F[node];
    for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port)
        if (F.nHsmcDaughterId[port] > 0)
            TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A + port, F.nHsmcDaughterId[port],
                                              ReadRecordText(F.szHSMCPrefixName[port]), "", V25, 0);
    if (F.bDDR2)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR2_SODIMM, "mem_", MemoryModuleKind::Ddr2, 1, V18,
                                              V18);
}

std::vector<CardChoice> Yastrel_X2CardChoices(const YASTREL_X2_CONFIG& config, int node)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port)
        choices.push_back(
            ChoiceOf(platform::Format("HSMC-%c", 'A' + port), config.F[node].nHsmcDaughterId[port], CONNECTOR_HSMC));
    return choices;
}

bool GenerateYastrel_X2Project(const YASTREL_X2_CONFIG& config, int node, const std::string& projectFile)
{
    if (!CheckCardChoices(Yastrel_X2CardChoices(config, node))) return false;
    TMainBoard board;
    BuildYastrel_X2ProjectBoard(board, config, node);
    return TSystemBuild().Generate(board, projectFile, false);
}

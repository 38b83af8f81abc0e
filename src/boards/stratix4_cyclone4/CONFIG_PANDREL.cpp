#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"

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

constexpr uint8_t V15 = 0;      // "1.5 V": the banks without an HSMC port
constexpr uint8_t V25 = 6;      // "2.5 V"
constexpr uint8_t LVTTL = 8;    // "3.3-V LVTTL"
constexpr uint8_t LVDS = 21;
constexpr uint8_t PCML14 = 35;  // "1.4-V PCML"
constexpr uint8_t HCSL = 37;
constexpr uint8_t PCIX30 = 39;  // "3.0-V PCI-X"

constexpr int PORT_A = 0, PORT_B = 1, PORT_C = 2, PORT_D = 3, PORT_E = 4, PORT_F = 5;

constexpr BoardPinRow kGeneratorClock[] = {
    {"OSC_50_BANK1", in, V25, "AB34", ClockPeriod(20)},
};

constexpr BoardPinRow kLoop[] = {
    {"LOOP_CLKIN0, LOOP_CLKIN1", in, V15, "B22 B20"},
    {"LOOP_CLKOUT0, LOOP_CLKOUT1", out, V15, "M20 L20"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, V15, "B19 A18 D19 C19"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, V15, "L19 M19 A19 P20"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", out, V15, "B17"},
};

// The address counts in 16-bit words: it has no bit 0. The SSRAM uses the first 20 lines.
constexpr BoardPinRow kSharedBusData[] = {
    {"FSM_D[0..31]", inout, PCIX30,
     "B32 C32 C31 F32 J30 K29 K30 L29 M29 N29 P29 T27 AM17 AL17 AK16 AJ16 AK17 T28 R27 R28 R29 N30 N28 M28 H31 G31 "
     "D31 E31 F31 E32 C33 D33"},
};
constexpr BoardPinRow kSsramAddress[] = {
    {"FSM_A[1..20]", out, PCIX30, "L31 F34 D35 D34 E34 C35 C34 F33 G35 H35 J32 J33 K32 K31 AH17 AH16 AE17 AG16 H32 H34"},
};
constexpr BoardPinRow kFlashAddress[] = {
    {"FSM_A[21..25]", out, PCIX30, "G33 F35 N31 M31 M30"},
};
constexpr BoardPinRow kSharedBusControl[] = {
    {"FSM_OE_n, FSM_WE_n", out, PCIX30, "AT16 AL16"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_RDY_BSY_n", in, V15, "A23"},
    {"FLASH_CLK, FLASH_RESET_n, FLASH_ADV_n, FLASH_CE_n", out, PCIX30, "AU15 AV16 AT15 AP16"},
    {"FLASH_WP_n", out, V15, "A20"},
};

constexpr BoardPinRow kSsramControl[] = {
    {"SSRAM_CLK, SSRAM_ADSC_n, SSRAM_ADSP_n, SSRAM_ADV_n, SSRAM_CE1_n, SSRAM_BE_n[0..3]", out, PCIX30,
     "AG17 AP17 AR17 AW16 AF17 AN16 AN17 AR16 AU16"},
};

constexpr BoardPinRow kMax2[] = {
    {"MAX2_I2C_SCL", out, V15, "C20"},
    {"MAX2_I2C_SDA", inout, V15, "A17"},
};

constexpr BoardPinRow kProgrammingPll[] = {
    {"HSMA_REFCLK_p, HSME_REFCLK_p, PGM_GXB_CLK_p1", in, PCML14, "AA2 AA38 J2"},
};

constexpr BoardPinRow kDdr3Termination[] = {
    {"mem_oct_rdn, mem_oct_rup", in, V15, "N26 P26"},
};

constexpr BoardPinRow kHsmcDefI2c[] = {
    {"HSMC_DEF_SCL", out, V15, "G21"},
    {"HSMC_DEF_SDA", inout, V15, "F21"},
};

// The locations of one PCIe port: reference clock, reset, wake, TX lanes 0 to 3, RX lanes.
struct PcieLocations {
    const char* refclk;
    const char* perst;
    const char* wake;
    const char* tx[4];
    const char* rx[4];
};
constexpr PcieLocations kPcie[2] = {
    {"AN38", "F8", "AE10", {"AT36", "AP36", "AH36", "AF36"}, {"AU38", "AR38", "AJ38", "AG38"}},
    {"AN2", "G8", "AE11", {"AT4", "AP4", "AH4", "AF4"}, {"AU2", "AR2", "AJ2", "AG2"}},
};

// The GPIO_0 header, positions 1 to 40; nullptr where a position carries no FPGA pin.
constexpr const char* kGpio0Locations[40] = {
    "AF34", "AG34", "AE35", "AG35", "AC31", "AH32", "AC32", "AH33", "AH34", "AJ34", nullptr, nullptr, "AH35", "AJ35", "AK34", "AL34", "AK35", "AL35", "AM34", "AN34",  // 1-20
    "AM35", "AN35", "AJ32", "AJ26", "AK33", "AK26", "AF25", "AV29", nullptr, nullptr, "AG25", "AW30", "AV32", "AT28", "AW32", "AU28", "AV28", "AP28", "AW29", "AR28",  // 21-40
};

// The GPIO_1 header, positions 1 to 40: the FPGA pins of HSMC port C.
constexpr const char* kGpio1Locations[40] = {
    "AB27", "AE25", "AB28", "AD25", "AP27", "AU29", "AN27", "AT29", "AL25", "AW33", nullptr, nullptr, "AP26", "AW34", "AW31", "AH24", "AV31", "AG24", "AL27", "AW27",  // 1-20
    "AH26", "AW28", "AK27", "AD30", "AE24", "AD31", "AB30", "AE30", nullptr, nullptr, "AB31", "AE31", "AG31", "AE28", "AG32", "AE29", "AF29", "AD28", "AG30", "AD29",  // 21-40
};

// HSMC-A, positions 1 to 160, with eight transceiver lanes.
constexpr const char* kHsmcALocations[160] = {
    "B4", "C2", "B3", "C1", "D4", "E2", "D3", "E1", "K4", "L2", "K3", "L1", "M4", "N2", "M3", "N1", "P4", "R2", "P3", "R1",  // 1-20
    "T4", "U2", "T3", "U1", "AB4", "AC2", "AB3", "AC1", "AD4", "AE2", "AD3", "AE1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "D10", "C10",  // 21-40
    "AK8", "AP6", "AK7", "AP5", nullptr, nullptr, "AG10", "AN6", "AG9", "AN5", nullptr, nullptr, "AH9", "AM6", "AH8", "AM5", nullptr, nullptr, "AG8", "AL6",  // 41-60
    "AG7", "AL5", nullptr, nullptr, "AF11", "AK6", "AF10", "AK5", nullptr, nullptr, "AD10", "AJ6", "AD9", "AJ5", nullptr, nullptr, "AB13", "AH6", "AB12", "AH5",  // 61-80
    nullptr, nullptr, "AB11", "AG6", "AB10", "AG5", nullptr, nullptr, "T13", "AB9", "T12", "AC8", nullptr, nullptr, "R12", "AF6", "R11", "AE5", nullptr, nullptr,  // 81-100
    "R13", "F10", "P13", "E10", nullptr, nullptr, "N11", "G9", "N10", "F9", nullptr, nullptr, "N12", "D9", "M12", "C9", nullptr, nullptr, "M10", "G6",  // 101-120
    "L10", "F6", nullptr, nullptr, "M11", "G5", "L11", "F5", nullptr, nullptr, "K8", "F7", "J8", "E7", nullptr, nullptr, "K9", "D8", "J9", "C8",  // 121-140
    nullptr, nullptr, "H7", "D5", "G7", "C5", nullptr, nullptr, "K10", "D7", "J10", "C7", nullptr, nullptr, "H10", "AC6", "G10", "AC5", nullptr, nullptr,  // 141-160
};

// HSMC-B, positions 1 to 160.
constexpr const char* kHsmcBLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AN15", "AP15",  // 21-40
    "AD15", "AV13", "AE15", "AW13", nullptr, nullptr, "AN13", "AV10", "AL15", "AW10", nullptr, nullptr, "AT14", "AT9", "AU14", "AU9", nullptr, nullptr, "AW12", "AV7",  // 41-60
    "AW11", "AW7", nullptr, nullptr, "AL14", "AW6", "AM14", "AW5", nullptr, nullptr, "AT12", "AV5", "AU12", "AW4", nullptr, nullptr, "AP13", "AV8", "AN14", "AW8",  // 61-80
    nullptr, nullptr, "AG14", "AR5", "AG15", "AT5", nullptr, nullptr, "AN9", "AT6", "AP9", "AU6", nullptr, nullptr, "AN10", "AT7", "AP10", "AU7", nullptr, nullptr,  // 81-100
    "AL8", "AP8", "AM8", "AR8", nullptr, nullptr, "AK9", "AT8", "AL9", "AU8", nullptr, nullptr, "AL10", "AT10", "AM10", "AU10", nullptr, nullptr, "AH11", "AU11",  // 101-120
    "AJ11", "AV11", nullptr, nullptr, "AG12", "AR13", "AH12", "AT13", nullptr, nullptr, "AE13", "AJ13", "AE12", "AK13", nullptr, nullptr, "AF13", "AH14", "AG13", "AJ14",  // 121-140
    nullptr, nullptr, "AD13", "AE14", "AD12", "AF14", nullptr, nullptr, "AN7", "AL13", "AP7", "AM13", nullptr, nullptr, "AH10", "AV14", "AJ10", "AW14", nullptr, nullptr,  // 141-160
};

// HSMC-C, positions 1 to 160: the pins of the two GPIO headers.
constexpr const char* kHsmcCLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AT27", "AU27",  // 21-40
    "AB27", "AJ25", "AB28", "AK25", nullptr, nullptr, "AC28", "AM26", "AC29", "AN26", nullptr, nullptr, "AD28", "AP28", "AD29", "AR28", nullptr, nullptr, "AE28", "AT28",  // 41-60
    "AE29", "AU28", nullptr, nullptr, "AF29", "AV28", "AG30", "AW29", nullptr, nullptr, "AE30", "AV29", "AE31", "AW30", nullptr, nullptr, "AG31", "AV32", "AG32", "AW32",  // 61-80
    nullptr, nullptr, "AD30", "AJ26", "AD31", "AK26", nullptr, nullptr, "AB30", "AF25", "AB31", "AG25", nullptr, nullptr, "AG34", "AF34", "AG35", "AE35", nullptr, nullptr,  // 81-100
    "AL27", "AJ32", "AH26", "AK33", nullptr, nullptr, "AK27", "AN34", "AE24", "AN35", nullptr, nullptr, "AW27", "AM34", "AW28", "AM35", nullptr, nullptr, "AH24", "AL34",  // 101-120
    "AG24", "AL35", nullptr, nullptr, "AW31", "AK34", "AV31", "AK35", nullptr, nullptr, "AW33", "AJ34", "AW34", "AJ35", nullptr, nullptr, "AL25", "AH34", "AP26", "AH35",  // 121-140
    nullptr, nullptr, "AU29", "AH32", "AT29", "AH33", nullptr, nullptr, "AP27", "AC31", "AN27", "AC32", nullptr, nullptr, "AE25", "AC34", "AD25", "AC35", nullptr, nullptr,  // 141-160
};

// HSMC-D, positions 1 to 160.
constexpr const char* kHsmcDLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "P19", "AA35",  // 21-40
    "AJ29", "AR31", "AK29", "AT30", nullptr, nullptr, "AL29", "AT31", "AM29", "AU31", nullptr, nullptr, "AK30", "AT32", "AL30", "AU32", nullptr, nullptr, "AK32", "AT33",  // 41-60
    "AL32", "AU33", nullptr, nullptr, "AJ31", "AU34", "AH30", "AV34", nullptr, nullptr, "AG27", "AN33", "AH27", "AP34", nullptr, nullptr, "AG29", "AT34", "AH29", "AR34",  // 61-80
    nullptr, nullptr, "AG28", "AP35", "AH28", "AR35", nullptr, nullptr, "AD27", "AN32", "AE27", "AP33", nullptr, nullptr, "W32", "W34", "W33", "W35", nullptr, nullptr,  // 81-100
    "AC26", "AM31", "AD26", "AN31", nullptr, nullptr, "AE26", "AN30", "AF26", "AP30", nullptr, nullptr, "V29", "AP32", "V30", "AR32", nullptr, nullptr, "W28", "V34",  // 101-120
    "V28", "U35", nullptr, nullptr, "T30", "U31", "T31", "V31", nullptr, nullptr, "R32", "N33", "R33", "N34", nullptr, nullptr, "P31", "M33", "P32", "M34",  // 121-140
    nullptr, nullptr, "R30", "L34", "R31", "L35", nullptr, nullptr, "AK31", "K34", "AL31", "K35", nullptr, nullptr, "M32", "J34", "L32", "J35", nullptr, nullptr,  // 141-160
};

// HSMC-E, positions 1 to 160, with eight transceiver lanes.
constexpr const char* kHsmcELocations[160] = {
    "B36", "C38", "B37", "C39", "D36", "E38", "D37", "E39", "K36", "L38", "K37", "L39", "M36", "N38", "M37", "N39", "P36", "R38", "P37", "R39",  // 1-20
    "T36", "U38", "T37", "U39", "AB36", "AC38", "AB37", "AC39", "AD36", "AE38", "AD37", "AE39", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "C12", "C13",  // 21-40
    "V12", "W8", "V11", "W7", nullptr, nullptr, "V10", "V6", "V9", "U5", nullptr, nullptr, "T10", "R6", "R10", "R5", nullptr, nullptr, "U10", "R7",  // 41-60
    "T9", "P6", nullptr, nullptr, "R9", "N6", "R8", "N5", nullptr, nullptr, "N9", "N8", "P8", "N7", nullptr, nullptr, "M8", "M6", "M7", "L5",  // 61-80
    nullptr, nullptr, "L8", "K6", "L7", "K5", nullptr, nullptr, "K7", "J6", "J7", "J5", nullptr, nullptr, "W12", "W6", "W11", "W5", nullptr, nullptr,  // 81-100
    "N13", "P14", "M13", "N14", nullptr, nullptr, "M14", "L13", "K12", "K13", nullptr, nullptr, "D11", "L14", "B10", "K14", nullptr, nullptr, "A10", "H13",  // 101-120
    "C11", "G13", nullptr, nullptr, "J12", "F13", "J13", "E13", nullptr, nullptr, "F12", "B11", "D13", "A11", nullptr, nullptr, "B14", "F14", "A14", "E14",  // 121-140
    nullptr, nullptr, "H14", "B13", "G14", "A13", nullptr, nullptr, "K15", "D14", "J15", "C14", nullptr, nullptr, "R14", "AB6", "N15", "AA5", nullptr, nullptr,  // 141-160
};

// HSMC-F, positions 1 to 160.
constexpr const char* kHsmcFLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AP20", "AV22",  // 21-40
    "AU25", "AV26", "AT25", "AW26", nullptr, nullptr, "AV25", "AT26", "AW25", "AU26", nullptr, nullptr, "AR25", "AT24", "AP25", "AU24", nullptr, nullptr, "AV23", "AN24",  // 41-60
    "AW23", "AP24", nullptr, nullptr, "AP23", "AT23", "AR23", "AU23", nullptr, nullptr, "AM23", "AR20", "AN23", "AT20", nullptr, nullptr, "AN25", "AT22", "AM25", "AU22",  // 61-80
    nullptr, nullptr, "AL22", "AU20", "AL21", "AV20", nullptr, nullptr, "AR19", "AT19", "AP19", "AU19", nullptr, nullptr, "AN21", "AW20", "AP21", "AW21", nullptr, nullptr,  // 81-100
    "AT17", "AT18", "AW18", "AU18", nullptr, nullptr, "AN19", "AU17", "AM19", "AV17", nullptr, nullptr, "AJ22", "AM22", "AK24", "AN22", nullptr, nullptr, "AE23", "AN18",  // 101-120
    "AH22", "AP18", nullptr, nullptr, "AF23", "AK23", "AE22", "AL23", nullptr, nullptr, "AG21", "AH23", "AE21", "AJ23", nullptr, nullptr, "AD21", "AF22", "AG20", "AG22",  // 121-140
    nullptr, nullptr, "AG18", "AE20", "AE18", "AF20", nullptr, nullptr, "AD19", "AE19", "AG19", "AF19", nullptr, nullptr, "AH20", "AR22", "AJ20", "AT21", nullptr, nullptr,  // 141-160
};

// The DDR3 SO-DIMM socket, positions 1 to 204.
constexpr const char* kDdr3Locations[204] = {
    nullptr, nullptr, nullptr, "G17", "G15", "A16", "F15", nullptr, nullptr, "C15", "G16", "D15", nullptr, nullptr, "C16", "D16", "B16", "E16", nullptr, nullptr,  // 1-20
    "N17", "P16", "M17", "P17", nullptr, nullptr, "J16", "N16", "K16", "J18", nullptr, nullptr, "K17", "J17", "L16", "H17", nullptr, nullptr, "N22", "R22",  // 21-40
    "M23", "P22", nullptr, nullptr, "K23", "P23", "L23", nullptr, nullptr, "K24", "J25", "J24", "M24", nullptr, nullptr, "C27", "A27", "D27", "A28", nullptr,  // 41-60
    nullptr, "B28", "B29", "C28", nullptr, nullptr, "C29", "A31", "C30", "B31", nullptr, nullptr, "P25", "M16", nullptr, nullptr, nullptr, "R20", "R24", "F16",  // 61-80
    nullptr, nullptr, "M25", "N21", "N25", "D17", nullptr, nullptr, "A25", "M21", "A24", "P24", nullptr, nullptr, "D21", "M22", "C22", "N23", nullptr, nullptr,  // 81-100
    "K27", "L25", "J27", "K28", nullptr, nullptr, "C24", "A29", "B26", "D24", nullptr, nullptr, "M27", "D23", "L26", "F26", nullptr, nullptr, "K26", "G26",  // 101-120
    "G28", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "G27", "E28", "G29", "D28", nullptr, nullptr, "D29", "H28", "E29", nullptr, nullptr, "H26",  // 121-140
    "F28", "J26", "F27", nullptr, nullptr, "C17", "F19", "F17", "G19", nullptr, nullptr, "F18", "E17", "G18", nullptr, nullptr, "F20", "C18", "G20", "D18",  // 141-160
    nullptr, nullptr, "D25", "B25", "C25", "A26", nullptr, nullptr, "E25", "C26", "F25", nullptr, nullptr, "D26", "G24", "F24", "G25", nullptr, nullptr, "K22",  // 161-180
    "F23", "D22", "G23", nullptr, nullptr, "H23", "E23", "J23", nullptr, nullptr, "J22", "G22", "H22", "E22", nullptr, nullptr, nullptr, "R18", nullptr, "P18",  // 181-200
    nullptr, "H19", nullptr, nullptr,  // 201-204
};

constexpr const char* const* kHsmcTables[PANDREL_CONFIG::kHsmcPorts] = {kHsmcALocations, kHsmcBLocations,
                                                                       kHsmcCLocations, kHsmcDLocations,
                                                                       kHsmcELocations, kHsmcFLocations};

// Positions whose board pins keep their own direction or standard under every card.
constexpr FixedPosition kHsmcACFixed[] = {{156, DIRECTION_INPUT}, {158, DIRECTION_INPUT}};
constexpr FixedPosition kHsmcDFixed[] = {{39, DIRECTION_FROM_DAUGHTER, V15}, {40, DIRECTION_INPUT}};
constexpr FixedPosition kHsmcEFixed[] = {{156, DIRECTION_INPUT}};
std::span<const FixedPosition> HsmcFixed(int port)
{
    switch (port) {
    case PORT_A:
    case PORT_C: return kHsmcACFixed;
    case PORT_D: return kHsmcDFixed;
    case PORT_E: return kHsmcEFixed;
    }
    return {};
}

constexpr FixedPosition kDdr3Fixed[] = {{30, DIRECTION_FROM_DAUGHTER, V15},
                                        {198, DIRECTION_FROM_DAUGHTER, V15},
                                        {200, DIRECTION_FROM_DAUGHTER, V15},
                                        {202, DIRECTION_FROM_DAUGHTER, V15}};

void AddPcie(TMainBoard& board, int n, uint8_t portA)
{
    const PcieLocations& at = kPcie[n];
    TConnector* pcie = AddBoardGroup(board, platform::Format("PCIe%d 4-Lane Downstream", n), {});
    const std::string refclk = platform::Format("PCIE%d_REFCLK_p", n);
    const std::string perst = platform::Format("PCIE%d_PERST_n", n);
    const std::string wake = platform::Format("PCIE%d_WAKE_n", n);
    const BoardPinRow head[] = {
        {refclk.c_str(), in, HCSL, at.refclk},
        {perst.c_str(), in, portA, at.perst},
        {wake.c_str(), out, portA, at.wake},
    };
    AddBoardPins(*pcie, head);
    for (int k = 0; k < 4; ++k) {
        const std::string tx = platform::Format("PCIE%d_TX_p[%d]", n, k);
        const std::string rx = platform::Format("PCIE%d_RX_p[%d]", n, k);
        const BoardPinRow lane[] = {{tx.c_str(), out, PCML14, at.tx[k]}, {rx.c_str(), in, PCML14, at.rx[k]}};
        AddBoardPins(*pcie, lane);
    }
}

}  // namespace

void DefaultConfig(PANDREL_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Pandrel;
    config.Size = sizeof(PANDREL_CONFIG);
    WriteRecordText(config.szProjectName, "Pandrel");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bButton, &config.bSwitch, &config.bTemp, &config.bFan,
                           &config.bSSRAM, &config.bFlash})
        *group = 1;
    for (uint8_t& code : config.nExtPllSetting) code = EXT_PLL_CODE_DEFAULT;
}

uint8_t HsmcPortIoStandard(const PANDREL_CONFIG& config, int port)
{
    return BoardIoStandard(config.nHsmcDaughterId[port]);
}

void BuildMainBoard_Pandrel(TMainBoard* board, const PANDREL_CONFIG& Config)
{
    StoreRecordCopy(board->m_PandrelConfig, Config);
    board->m_BoardId = Config.BoardId;
    const uint8_t portD = HsmcPortIoStandard(Config, PORT_D);
    const uint8_t portF = HsmcPortIoStandard(Config, PORT_F);
    const uint8_t portA = HsmcPortIoStandard(Config, PORT_A);
    const uint8_t portB = HsmcPortIoStandard(Config, PORT_B);
    PW_CHECK(Config.BoardId == MAINBOARD_Pandrel);
    PW_CHECK(Config.Size == sizeof(PANDREL_CONFIG));
    board->ClearConnectors();

    board->m_Family = "Stratix IV";
    board->m_Device = Config.nBoardType == 1 ? "EP4SGX530KH40C2" : "EP4SGX230KF40C2";
    board->m_DevicePinCount = 1517;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 2;

    if (Config.bOSC) {
        const BoardPinRow clock[] = {
            {"OSC_50_BANK1", in, portD, "AB34", ClockPeriod(20)},
            {"OSC_50_BANK3", in, portF, "AW22", ClockPeriod(20)},
            {"OSC_50_BANK4", in, portF, "AV19", ClockPeriod(20)},
            {"OSC_50_BANK7", in, V15, "A21", ClockPeriod(20)},
            {"OSC_50_BANK8", in, V15, "B23", ClockPeriod(20)},
        };
        AddBoardGroup(*board, "CLOCK", clock);
    } else if (Config.bExtPLL) {
        AddBoardGroup(*board, "CLOCK", kGeneratorClock);
    }
    AddBoardGroup(*board, "Loop", kLoop);
    if (Config.bSma) {
        const BoardPinRow sma[] = {
            {"SMA_CLKIN", in, portF, "AW19"},
            {"SMA_CLKOUT", out, portF, "AN20"},
            {"SMA_CLKOUT_p", out, LVDS, "AC11"},
            {"SMA_GXBCLK_p", in, PCML14, "J38"},
        };
        AddBoardGroup(*board, "SMA", sma);
    }
    if (Config.bLED) AddBoardGroup(*board, "LED x 4", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON x 4", kButton);
    if (Config.bSwitch) {
        const BoardPinRow sw[] = {{"SW[0..1]", in, portF, "AH18 AH19"}, {"SW[2..3]", in, portA, "D6 C6"}};
        AddBoardGroup(*board, "SWITCH x 4", sw);
    }
    if (Config.bTemp) {
        const BoardPinRow temp[] = {
            {"TEMP_SMCLK", out, portB, "AR14"},
            {"TEMP_SMDAT", inout, portB, "AP14"},
            {"TEMP_INT_n, TEMP_OVERT_n", in, portB, "AH13 AK14"},
        };
        AddBoardGroup(*board, "Temperature", temp);
    }
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bPCIe0) AddPcie(*board, 0, portA);
    if (Config.bPCIe1) AddPcie(*board, 1, portA);
    if (Config.bFlash || Config.bSSRAM) {
        TConnector* bus = AddBoardGroup(*board, "Flash and SRAM Address/Data/OE/WM Share Bus", kSharedBusData);
        AddBoardPins(*bus, kSsramAddress);
        if (Config.bFlash) AddBoardPins(*bus, kFlashAddress);
        AddBoardPins(*bus, kSharedBusControl);
    }
    if (Config.bFlash) AddBoardGroup(*board, "Flash Control", kFlashControl);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM Control", kSsramControl);
    if (Config.bExtPLL) {
        AddBoardGroup(*board, "MAX2", kMax2);
        AddBoardGroup(*board, "Programming PLL", kProgrammingPll);
    }

    if (Config.bDDR3) {
        AddExpansionConnector(*board, "DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM, kDdr3Locations,
                              {.fixed = kDdr3Fixed});
        AddBoardGroup(*board, "OCT RUP/RDN for Altera DDR3 UniPHY Controller", kDdr3Termination);
    }

    if (Config.bHsmcCIsGpio && (Config.nGpioDaughterId[GPIO_0] > 0 || Config.nGpioDaughterId[GPIO_1] > 0))
        AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                       kGpio1Locations);

    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (card == 0 || (port == PORT_C && Config.bHsmcCIsGpio)) continue;
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("HSMC-%c", letter),
                              platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A + port, std::span(kHsmcTables[port], 160),
                              {.fixed = HsmcFixed(port)});
    }
    const uint8_t* cards = Config.nHsmcDaughterId;
    if (cards[PORT_A] || cards[PORT_B] || cards[PORT_C]) {
        const BoardPinRow abc[] = {{"HSMC_ABC_SCL", out, portB, "AE16"}, {"HSMC_ABC_SDA", inout, portB, "AF16"}};
        AddBoardGroup(*board, "HSMC A/B/C I2C", abc);
    }
    if (cards[PORT_D] || cards[PORT_E] || cards[PORT_F]) AddBoardGroup(*board, "HSMC D/E/F I2C", kHsmcDefI2c);
}

PANDREL_CONFIG PandrelProjectRecord(const PANDREL_CONFIG& config)
{
    PANDREL_CONFIG Config = config;
    // What the form's controls make of a record from a file.
    if (Config.nBoardType >= std::size(kPandrelBoardTypes)) Config.nBoardType = 0;
    for (uint8_t& code : Config.nExtPllSetting) code = ExtPllCodeOrDefault(code);
    // As the GPIO dialog pairs them when shown, so that opening it and confirming changes nothing.
    PairGpioRecord(Config.nGpioDaughterId, Config.szGpioPrefixName, GPIO_1);
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port)
        if (Config.szHSMCPrefixName[port][0] == 0 && IsHsmcDefaultCard(Config.nHsmcDaughterId[port]))
            WriteRecordText(Config.szHSMCPrefixName[port], "HSM_");
    return Config;
}

void RenameDefaultPin(TMainBoard& board, int n, int position, const std::string& prefix, const char* name,
                      uint8_t direction)
{
    TPin* pin = board.GetHsmcPin(n, position);
    PW_CHECK(pin != nullptr);
    pin->SetName(prefix + name);
    pin->SetDirection(direction);
}

void BuildPandrelProjectBoard(TMainBoard& board, const PANDREL_CONFIG& config)
{
    const PANDREL_CONFIG Config = PandrelProjectRecord(config);
    BuildMainBoard_Pandrel(&board, Config);
    int attached = 0;  // the HSMC connectors attached so far: the n of TMainBoard::GetHsmcPin
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (card == 0 || (port == PORT_C && Config.bHsmcCIsGpio)) continue;
        const std::string prefix = ReadRecordText(Config.szHSMCPrefixName[port]);
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A + port, card, prefix, "", V25, 0);
        if (IsHsmcDefaultCard(card)) {
            // The board routes these card positions to its own clock pins.
            auto rename = [&](int position, const char* name) {
                RenameDefaultPin(board, attached, position, prefix, name, DIRECTION_INOUT);
            };
            rename(39, "OUT0");
            if (port != PORT_F) {
                rename(155, "OUT_p2");
                rename(157, "OUT_n2");
            }
            if (port == PORT_B) {
                rename(95, "OUT_p1");
                rename(97, "OUT_n1");
            }
        }
        ++attached;
    }
    if (Config.bHsmcCIsGpio)
        AttachGpioHeaderPair(board, Config.nGpioDaughterId[GPIO_0], ReadRecordText(Config.szGpioPrefixName[GPIO_0]),
                             Config.nGpioDaughterId[GPIO_1], ReadRecordText(Config.szGpioPrefixName[GPIO_1]), false,
                             LVTTL);
    if (Config.bDDR3)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR3_SODIMM, "mem_", MemoryModuleKind::Ddr3StratixIV, 1,
                                              0, 0);
}

std::vector<CardChoice> PandrelCardChoices(const PANDREL_CONFIG& config)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        if (port == PORT_C && config.bHsmcCIsGpio) continue;
        const bool transceivers = PandrelTransceiverPort(port);
        CardChoice choice = ChoiceOf(platform::Format("HSMC-%c", 'A' + port), config.nHsmcDaughterId[port],
                                     CONNECTOR_HSMC, transceivers);
        for (uint8_t card : transceivers ? std::span<const uint8_t>(kPandrelTransceiverPortVariants)
                                         : std::span<const uint8_t>(kPandrelPortVariants))
            choice.offered.push_back(card);
        choices.push_back(choice);
    }
    if (config.bHsmcCIsGpio)
        for (CardChoice& header : GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80)) choices.push_back(header);
    return choices;
}

bool GeneratePandrelProject(const PANDREL_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(PandrelCardChoices(config))) return false;
    TMainBoard board;
    BuildPandrelProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

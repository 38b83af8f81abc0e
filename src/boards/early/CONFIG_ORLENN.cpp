#include "boards/early/CONFIG_ORLENN.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/KelpinPorts.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL", every on-board pin and the cards' default

constexpr BoardPinRow kClock[] = {
    {"OSC1_50, OSC2_50, OSC_BA, OSC_BB, OSC_BC, OSC_BD", in, LVTTL, "T33 W2 AN18 AN16 B17 B19", ClockPeriod(20)},
    {"EXT_CLK_OUT", out, LVTTL, "V10"},
    {"EXT_CLK_IN", in, LVTTL, "U2"},  // an input only: the .sdc gets no clock for it
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..7]", out, LVTTL, "AD1 AC1 AC2 AB2 AC4 AB4 AA3 AB3"},
    {"LEDG[0..7]", out, LVTTL, "AB1 AA1 Y1 Y2 Y3 W3 AA4 Y4"},
    {"LEDB[0..7]", out, LVTTL, "AB5 AB6 AA6 AA7 Y7 Y8 Y9 Y10"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, LVTTL, "K1 K2 M4 M3"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, LVTTL, "W5 W6 W9 W11"},
};

constexpr BoardPinRow kDip[] = {
    {"DIP_SW[0..7]", in, LVTTL, "R12 P5 R4 R3 P2 R1 T2 T1"},
};

constexpr BoardPinRow kTemp[] = {
    {"TEMP_CLK", out, LVTTL, "P4"},
    {"TEMP_DATA", inout, LVTTL, "P1"},
    {"TEMP_INTn", in, LVTTL, "N2"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_DP, HEX1_DP", out, LVTTL, "W12 P3"},
    {"HEX0_D[0..6]", out, LVTTL, "Y11 W10 W8 W7 Y5 Y6 V3"},
    {"HEX1_D[0..6]", out, LVTTL, "N4 N3 N1 M1 L1 L2 V4"},
};

// The address bus starts at bit 1.
constexpr BoardPinRow kUsb[] = {
    {"OTG_D[0..31]", inout, LVTTL,
     "Y25 AA27 Y26 AA30 AB29 AA28 Y31 AA31 Y32 Y34 AB31 AA32 AA33 AD34 AA34 AC34 AB30 AB33 AD33 AB34 AB32 V24 W26 "
     "V25 W30 W27 W31 W24 Y23 Y29 Y28 AA29"},
    {"OTG_A[1..17]", out, LVTTL, "N32 L24 M31 N33 M33 M34 N34 N31 P34 P31 P32 R34 R33 R32 T32 U32 R31"},
    {"OTG_CS_n, OTG_WE_n, OTG_OE_n", out, LVTTL, "P28 N29 N30"},
    {"OTG_HC_IRQ, OTG_DC_IRQ", in, LVTTL, "P29 R27"},
    {"OTG_RESET_n", out, LVTTL, "T23"},
    {"OTG_HC_DREQ", in, LVTTL, "R28"},
    {"OTG_HC_DACK", out, LVTTL, "R25"},
    {"OTG_DC_DREQ", in, LVTTL, "R26"},
    {"OTG_DC_DACK", out, LVTTL, "R24"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "R10"},
    {"SD_CLK", out, LVTTL, "P8"},
    {"SD_WPn", in, LVTTL, "N5"},
    {"SD_DAT, SD_DAT3", inout, LVTTL, "P7 R9"},
};

// Expansion connectors, positions 1 to N; nullptr where the position carries no FPGA pin.
// The DDR2 socket shares its pins with Kelpin-B, the GPIO headers theirs with Kelpin-A.
constexpr const char* kDdr2Locations[200] = {
    nullptr, nullptr, nullptr, "AE7", "AM1", "AE8", "AM2", nullptr, nullptr, "AF5", "AJ3", nullptr, "AJ4", "AC8", nullptr, "AC9", "AL1", nullptr, "AL2", "AE5",  // 1-20
    nullptr, "AE6", "AG3", nullptr, "AG4", "AB10", nullptr, nullptr, "AK1", nullptr, "AJ2", "AE3", nullptr, nullptr, "AJ1", "AD6", "AH2", "AD7", nullptr, nullptr,  // 21-40
    nullptr, nullptr, "AF3", "AC7", "AF4", "AB8", nullptr, nullptr, "AH1", nullptr, "AG1", "AB9", nullptr, nullptr, "AF1", "AC5", "AF2", "AC6", nullptr, nullptr,  // 41-60
    "AJ15", "AK15", "AH15", "AG15", nullptr, nullptr, "AN13", "AJ14", nullptr, "AH14", nullptr, nullptr, "AP12", "AP13", "AN12", "AM12", nullptr, nullptr, "AF6", "AC11",  // 61-80
    nullptr, nullptr, nullptr, "AA10", "AP14", "AE15", nullptr, nullptr, "AM8", "AJ10", "AK7", "AM6", "AJ7", "AK6", nullptr, nullptr, "AM14", "AJ6", "AL14", "AF10",  // 81-100
    "AD12", "AE10", nullptr, nullptr, "AC12", "AE12", "AM17", "AL13", "AL17", "AM16", nullptr, nullptr, "AD13", "AM15", "AL16", "AL15", nullptr, nullptr, "AJ16", nullptr,  // 101-120
    nullptr, nullptr, "AP10", "AP11", "AN10", "AP9", nullptr, nullptr, "AN9", "AF15", "AM9", nullptr, nullptr, "AE14", "AF14", "AE13", "AF13", nullptr, nullptr, "AM11",  // 121-140
    "AL12", "AK10", "AK12", nullptr, nullptr, "AL11", "AP8", "AL10", nullptr, nullptr, "AP7", "AM7", "AN7", "AP6", nullptr, nullptr, "AJ12", "AJ13", "AH12", "AG12",  // 141-160
    nullptr, nullptr, nullptr, "AE11", nullptr, "AF11", "AJ11", nullptr, "AH11", "AL8", nullptr, nullptr, "AL9", "AJ9", "AK9", "AL7", nullptr, nullptr, "AP4", "AP5",  // 161-180
    "AN4", "AP2", nullptr, nullptr, "AN6", "AP3", nullptr, "AN3", "AM5", nullptr, "AL5", "AM4", nullptr, "AL4", nullptr, nullptr, nullptr, nullptr, "U6", "U7",  // 181-200
};

constexpr const char* kGpio0Locations[40] = {
    "AE32", "AL33", "AE31", "AL32", "AL34", "AH31", "AM34", "AH30", "AK34", "AJ32", nullptr, nullptr, "AK33", "AJ31", "AH34", "AG32", "AJ34", "AG31", "AE19", "AF32",  // 1-20
    "AD19", "AF31", "AP21", "AG34", "AN21", "AH33", "AL21", "AP22", nullptr, nullptr, "AK21", "AN22", "AP25", "AP24", "AN25", "AN24", "AM23", "AG21", "AL23", "AF21",  // 21-40
};

constexpr const char* kGpio1Locations[40] = {
    "AP19", "AC26", "AN19", "AC25", "AE28", "AD27", "AE27", "AD26", "AD29", "AF29", nullptr, nullptr, "AD28", "AF28", "AB27", "AE30", "AB26", "AE29", "AE18", "AB25",  // 1-20
    "AD18", "AB24", "AM21", "AD31", "AP20", "AD30", "AL22", "AJ20", nullptr, nullptr, "AM22", "AJ21", "AD21", "AP26", "AE20", "AP23", "AK24", "AE22", "AL25", "AE21",  // 21-40
};

constexpr const char* kKelpinALocations[180] = {
    nullptr, nullptr, "AE19", "AE32", "AD19", "AE31", nullptr, nullptr, "AC26", "AL33", "AC25", "AL32", nullptr, nullptr, "AD27", "AH31", "AD26", "AH30", nullptr, nullptr,  // 1-20
    "AE28", "AL34", "AE27", "AM34", nullptr, nullptr, "AF29", "AJ32", "AF28", "AJ31", nullptr, nullptr, "AD29", "AK34", "AD28", "AK33", nullptr, nullptr, "AE30", "AG32",  // 21-40
    "AE29", "AG31", nullptr, nullptr, "AB27", "AH34", "AB26", "AJ34", nullptr, nullptr, "AB25", "AF32", "AB24", "AF31", nullptr, nullptr, "AD31", "AG34", "AD30", "AH33",  // 41-60
    nullptr, nullptr, "AE18", "AP19", "AD18", "AN19", nullptr, nullptr, "AM21", "AP21", "AP20", "AN21", nullptr, nullptr, "AJ20", "AP22", "AJ21", "AN22", nullptr, nullptr,  // 61-80
    "AL22", "AL21", "AM22", "AK21", nullptr, nullptr, "AP26", "AP24", "AP23", "AN24", nullptr, nullptr, "AD21", "AP25", "AE20", "AN25", nullptr, nullptr, "AE22", "AG21",  // 81-100
    "AE21", "AF21", nullptr, nullptr, "AK24", "AM23", "AL25", "AL23", nullptr, nullptr, "AJ23", "AM24", "AK22", "AL24", nullptr, nullptr, "AH23", "AJ22", "AJ24", "AH22",  // 101-120
    nullptr, nullptr, "AA24", "AP18", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AM28", "AP27", "AP29", "AN27", "AK25", "AP28", "AM26", "AN28",  // 121-140
    "AK27", "AL27", "AL28", "AL26", "AP32", "AP31", "AP30", "AN31", "AH25", "AP33", "AF23", "AN33", "AH26", "AH24", "AF24", "AG24", "AH27", "AN30", "AJ27", "AM30",  // 141-160
    "AJ29", "AM32", "AJ26", "AM31", "AL29", "AM19", "AM29", "AL19", "AE24", "AD22", "AE23", "AC22", "AL20", "AK19", "AM18", "AJ19", "AK18", "AF20", "AL18", "AF19",  // 161-180
};

constexpr const char* kKelpinBLocations[180] = {
    nullptr, nullptr, "AD16", "AE3", "AD15", "AE4", nullptr, nullptr, "AE7", "AM1", "AE8", "AM2", nullptr, nullptr, "AF5", "AJ3", "AF6", "AJ4", nullptr, nullptr,  // 1-20
    "AC8", "AL1", "AC9", "AL2", nullptr, nullptr, "AE5", "AG3", "AE6", "AG4", nullptr, nullptr, "AB10", "AK1", "AC11", "AJ2", nullptr, nullptr, "AD6", "AJ1",  // 21-40
    "AD7", "AH2", nullptr, nullptr, "AC7", "AF3", "AB8", "AF4", nullptr, nullptr, "AB9", "AH1", "AA10", "AG1", nullptr, nullptr, "AC5", "AF1", "AC6", "AF2",  // 41-60
    nullptr, nullptr, "AF16", "AP15", "AE16", "AN15", nullptr, nullptr, "AK15", "AJ15", "AG15", "AH15", nullptr, nullptr, "AN13", "AJ14", "AP14", "AH14", nullptr, nullptr,  // 61-80
    "AP13", "AP12", "AM12", "AN12", nullptr, nullptr, "AP11", "AP10", "AP9", "AN10", nullptr, nullptr, "AF15", "AN9", "AE15", "AM9", nullptr, nullptr, "AE14", "AF14",  // 81-100
    "AE13", "AF13", nullptr, nullptr, "AM11", "AL12", "AK10", "AK12", nullptr, nullptr, "AP8", "AL11", "AM8", "AL10", nullptr, nullptr, "AM7", "AP7", "AP6", "AN7",  // 101-120
    nullptr, nullptr, "AD4", "AP16", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T9", "T8", "AJ13", "AJ12", "AG12", "AH12", "AL8", "AJ11", "AJ10", "AH11",  // 121-140
    "AJ9", "AL9", "AL7", "AK9", "AP5", "AP4", "AP2", "AN4", "AN6", "AP3", "AM6", "AN3", "AM4", "AM5", "AL4", "AL5", "AK6", "AK7", "AJ6", "AJ7",  // 141-160
    "AF11", "AJ8", "AE11", "AH8", "AF10", "AM14", "AE10", "AL14", "AD13", "AD12", "AE12", "AC12", "AL13", "AM17", "AK13", "AL17", "AM15", "AK16", "AL15", "AJ16",  // 161-180
};

constexpr const char* kKelpinCLocations[180] = {
    nullptr, nullptr, "L16", "K3", "K16", "K4", nullptr, nullptr, "L8", "D2", "L9", "D3", nullptr, nullptr, "M9", "D1", "M10", "C1", nullptr, nullptr,  // 1-20
    "K7", "G4", "K8", "G5", nullptr, nullptr, "J6", "F3", "J7", "F4", nullptr, nullptr, "N10", "E1", "N11", "E2", nullptr, nullptr, "K5", "H3",  // 21-40
    "K6", "H4", nullptr, nullptr, "N8", "G1", "N9", "F1", nullptr, nullptr, "L6", "J3", "L7", "J4", nullptr, nullptr, "L4", "H1", "L5", "G2",  // 41-60
    nullptr, nullptr, "K17", "A16", "L17", "B16", nullptr, nullptr, "A15", "A14", "C14", "B14", nullptr, nullptr, "F15", "A13", "D15", "B13", nullptr, nullptr,  // 61-80
    "D14", "E14", "E13", "F14", nullptr, nullptr, "A12", "A11", "A9", "B11", nullptr, nullptr, "K15", "A10", "L14", "B10", nullptr, nullptr, "K14", "H14",  // 81-100
    "K13", "J14", nullptr, nullptr, "D13", "C12", "D10", "D12", nullptr, nullptr, "G13", "C11", "E11", "D11", nullptr, nullptr, "G12", "F12", "F11", "F13",  // 101-120
    nullptr, nullptr, "P11", "A17", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "T5", "T4", "A6", "A8", "C7", "B8", "E10", "A7", "D8", "B7",  // 121-140
    "D7", "C9", "E8", "D9", "A5", "A4", "A3", "B4", "J12", "A2", "G10", "B2", "J11", "G11", "G9", "H11", "C6", "B5", "D6", "C5",  // 141-160
    "F9", "C3", "G8", "C4", "F8", "C16", "F6", "D16", "M13", "K11", "L13", "K12", "C17", "E16", "C15", "F16", "D17", "J16", "E17", "J15",  // 161-180
};

constexpr const char* kKelpinDLocations[180] = {
    nullptr, nullptr, "L20", "J34", "L19", "J33", nullptr, nullptr, "J30", "F32", "J29", "F31", nullptr, nullptr, "K28", "C34", "K27", "C33", nullptr, nullptr,  // 1-20
    "N25", "H32", "M24", "H31", nullptr, nullptr, "M27", "D34", "M26", "D33", nullptr, nullptr, "K30", "J32", "K29", "J31", nullptr, nullptr, "L29", "E34",  // 21-40
    "L28", "F33", nullptr, nullptr, "M28", "F34", "N27", "G33", nullptr, nullptr, "N26", "K32", "P25", "K31", nullptr, nullptr, "L32", "G34", "L31", "H34",  // 41-60
    nullptr, nullptr, "J19", "A20", "K19", "B20", nullptr, nullptr, "H20", "F20", "E20", "G20", nullptr, nullptr, "A21", "F21", "A22", "G21", nullptr, nullptr,  // 61-80
    "C23", "A23", "B22", "B23", nullptr, nullptr, "A26", "A25", "A24", "B25", nullptr, nullptr, "J20", "B26", "K20", "C26", nullptr, nullptr, "K22", "J21",  // 81-100
    "K21", "J22", nullptr, nullptr, "E25", "D24", "C24", "D25", nullptr, nullptr, "C27", "D23", "A27", "E23", nullptr, nullptr, "A29", "A28", "C28", "B28",  // 101-120
    nullptr, nullptr, nullptr, nullptr, "M29", "A19", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "R30", "R29", "H23", "F23", "F22", "G23", "D27", "F24",  // 121-140
    "F25", "G24", "D28", "D26", "F26", "E26", "A33", "A31", "A30", "B31", "B29", "A32", "C29", "B32", "D31", "C30", "C31", "D30", "G27", "E28",  // 141-160
    "F27", "F28", "K24", "E29", "J24", "F29", "K25", "C21", "J25", "D21", "K23", "L23", "L22", "M23", "E22", "C18", "D22", "D18", "D20", "E19",  // 161-180
};

constexpr int kDdr2Wired = 121;

constexpr KelpinPort kKelpin[ORLENN_CONFIG::kKelpinPorts] = {
    {"Kelpin-A", "Kelpin-A connect to %s", EXPANSION_Kelpin_A, kKelpinALocations},
    {"Kelpin-B", "Kelpin-B connect to %s", EXPANSION_Kelpin_B, kKelpinBLocations},
    {"Kelpin-C", "Kelpin-C connect to %s", EXPANSION_Kelpin_C, kKelpinCLocations},
    {"Kelpin-D", "Kelpin-D connect to %s", EXPANSION_Kelpin_D, kKelpinDLocations},
};

// Whether the GPIO headers or the DDR2 socket take the place of a Kelpin connector.
bool KelpinReplaced(const ORLENN_CONFIG& Config, int port)
{
    return (port == 0 && Config.bGPIO) || (port == 1 && Config.bDDR2);
}

}  // namespace

void DefaultConfig(ORLENN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Orlenn;
    config.Size = sizeof(ORLENN_CONFIG);
    WriteRecordText(config.szProjectName, "Orlenn");
    std::memset(&config.bOSC, 1, offsetof(ORLENN_CONFIG, bTemp) + 1 - offsetof(ORLENN_CONFIG, bOSC));
}

void BuildMainBoard_Orlenn(TMainBoard* board, const ORLENN_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Orlenn;
    PW_CHECK(Config.BoardId == MAINBOARD_Orlenn);
    PW_CHECK(Config.Size == sizeof(ORLENN_CONFIG));

    board->ClearConnectors();
    const OrlennBoardType& type = kOrlennBoardTypes[OrlennBoardTypeEntry(Config.nBoardType)];
    board->m_Family = "Stratix III";
    board->m_Device = type.device;
    board->m_DevicePinCount = 1152;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = type.speedGrade;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON", kButton);
    if (Config.bSwitch) AddBoardGroup(*board, "SWITCH", kSwitch);
    if (Config.bDIP) AddBoardGroup(*board, "DIP SWITCH", kDip);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemp);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bUSB) AddBoardGroup(*board, "USB OTG", kUsb);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);

    if (Config.bDDR2) {
        TConnector* socket = AddExpansionConnector(*board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                                   EXPANSION_DDR2_SODIMM, kDdr2Locations);
        PW_CHECK(socket->GetActivePinCount() == kDdr2Wired);
    }
    if (Config.bGPIO)
        AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                       kGpio1Locations);
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port)
        if (!KelpinReplaced(Config, port))
            AddKelpinPort(*board, kKelpin[port], static_cast<int8_t>(Config.nKelpinDaughterId[port]));
}

void BuildOrlennProjectBoard(TMainBoard& board, const ORLENN_CONFIG& config)
{
    ORLENN_CONFIG Config = config;
    for (int h : {GPIO_0, GPIO_1}) {
        const uint8_t listed =
            configshared::ListedCardOrNone(config.nGpioDaughterId[h], CONNECTOR_GPIO80, false, VOLTAGE_2V5);
        Config.nGpioDaughterId[h] = Config.bGPIO ? listed : DAUGHTER_NONE;
        if (Config.nGpioDaughterId[h] == DAUGHTER_NONE) WriteRecordText(Config.szGpioPrefixName[h], "");
    }
    PairGpioRecord(Config.nGpioDaughterId, Config.szGpioPrefixName, GPIO_0);
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port) {
        const uint8_t listed = ListedKelpinCard(config.nKelpinDaughterId[port]);
        Config.nKelpinDaughterId[port] = KelpinReplaced(Config, port) ? DAUGHTER_NONE : listed;
    }
    BuildMainBoard_Orlenn(&board, Config);

    if (Config.bGPIO)
        AttachGpioHeaderPair(board, Config.nGpioDaughterId[GPIO_0], ReadRecordText(Config.szGpioPrefixName[GPIO_0]),
                             Config.nGpioDaughterId[GPIO_1], ReadRecordText(Config.szGpioPrefixName[GPIO_1]), false,
                             LVTTL);
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port)
        AttachKelpinCard(board, kKelpin[port], Config.nKelpinDaughterId[port],
                         ReadRecordText(Config.szKelpinPrefixName[port]));
    if (Config.bDDR2)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR2_SODIMM, "mem_", MemoryModuleKind::Ddr2, 1, LVTTL,
                                              LVTTL);
}

std::vector<CardChoice> OrlennCardChoices(const ORLENN_CONFIG& config)
{
    std::vector<CardChoice> choices;
    if (config.bGPIO) choices = GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port)
        if (!KelpinReplaced(config, port))
            choices.push_back(ChoiceOf(kKelpin[port].name, config.nKelpinDaughterId[port], CONNECTOR_Kelpin));
    return choices;
}

bool GenerateOrlennProject(const ORLENN_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(OrlennCardChoices(config))) return false;
    TMainBoard board;
    BuildOrlennProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

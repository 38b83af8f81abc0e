#include "boards/early/CONFIG_WEMBREL.h"

#include <cstring>

#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/KelpinPorts.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL", every on-board pin
constexpr uint8_t V18 = 3;    // "1.8 V", the DDR2 module's serial-presence and address pins

constexpr BoardPinRow kClock[] = {
    {"OSC_100", in, LVTTL, "AG14", ClockPeriod(10)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, LVTTL, "AA23 AA22 AF9 AD12"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..1]", in, LVTTL, "AD7 AF6"},
};

constexpr BoardPinRow kGpio[] = {
    {"GPIO[0..9]", inout, LVTTL, "N8 E1 H6 F5 H5 U7 U8 M24 U21 R24"},
};

// Expansion connectors, positions 1 to N; nullptr where the position carries no FPGA pin.
// The DDR2 socket wires 112 of its positions.
constexpr const char* kDdr2Locations[200] = {
    nullptr, nullptr, nullptr, "B7", "C10", "B6", "E11", nullptr, nullptr, "A8", nullptr, nullptr, "E12", "A7", nullptr, "D10", "C11", nullptr, "H13", "C12",  // 1-20
    nullptr, "A12", "D13", nullptr, "C13", "B10", nullptr, nullptr, nullptr, "D8", "D12", "C8", nullptr, nullptr, "E14", "B11", "C14", "A11", nullptr, nullptr,  // 21-40
    nullptr, nullptr, "C17", "C16", "B18", "E17", nullptr, nullptr, nullptr, nullptr, "B17", "E15", nullptr, nullptr, "A19", "C19", "D20", "B19", nullptr, nullptr,  // 41-60
    "C22", "E18", "C21", "D21", nullptr, nullptr, "C20", nullptr, nullptr, "D17", nullptr, nullptr, "A22", "B21", "C24", "A21", nullptr, nullptr, "H8", "E8",  // 61-80
    nullptr, nullptr, nullptr, "C6", "H12", "A6", nullptr, nullptr, "B12", "C7", "J13", "D7", "F14", "F8", nullptr, nullptr, "J15", "A10", "H15", "E10",  // 81-100
    "D15", "G11", nullptr, nullptr, "F15", "A17", "D16", "J16", "H16", "G18", nullptr, nullptr, "D19", "E21", "D25", "D24", nullptr, nullptr, "C26", nullptr,  // 101-120
    nullptr, nullptr, "A23", "B25", "D22", "C25", nullptr, nullptr, nullptr, "B23", "A25", nullptr, nullptr, "A26", "E22", "B26", "F21", nullptr, nullptr, "AH17",  // 121-140
    "AG17", "AH18", "AG18", nullptr, nullptr, nullptr, "AC15", "AF17", nullptr, nullptr, "AF15", "AB16", "AF16", "AE17", nullptr, nullptr, "AD17", "AG21", "AE19", "AH21",  // 141-160
    nullptr, nullptr, nullptr, "J19", nullptr, "H19", nullptr, nullptr, "AE18", "AH19", nullptr, nullptr, "AG22", "AH22", "AF24", "AH23", nullptr, nullptr, "AD18", "AE24",  // 161-180
    "AF20", "AE25", nullptr, nullptr, "AF25", nullptr, nullptr, "AF26", "AE21", nullptr, "AF22", "AG26", nullptr, "AH25", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 181-200
};

constexpr const char* kKelpin23Locations[180] = {
    nullptr, nullptr, "G1", "J1", "G2", "J2", nullptr, nullptr, "K1", "C2", "K2", "D3", nullptr, nullptr, "K3", "D1", "K4", "D2", nullptr, nullptr,  // 1-20
    "L8", "F3", "K8", "E3", nullptr, nullptr, "K7", "F1", "J7", "F2", nullptr, nullptr, "L6", "G3", "L7", "G4", nullptr, nullptr, "J5", "H3",  // 21-40
    "J6", "H4", nullptr, nullptr, "M3", "J3", "M4", "J4", nullptr, nullptr, "L3", "G5", "L4", "G6", nullptr, nullptr, "M7", "N3", "M8", "N4",  // 41-60
    nullptr, nullptr, "L1", "Y1", "L2", "Y2", nullptr, nullptr, "F25", "H24", "F24", "H23", nullptr, nullptr, "G24", "G26", "G23", "G25", nullptr, nullptr,  // 61-80
    "K26", "J24", "K25", "J23", nullptr, nullptr, "U26", "K22", "U25", "K21", nullptr, nullptr, "V26", "L22", "V25", "L21", nullptr, nullptr, "V24", "V22",  // 81-100
    "V23", "U22", nullptr, nullptr, "W21", "M1", "V21", "M2", nullptr, nullptr, "Y22", "P1", "W22", "P2", nullptr, nullptr, "Y7", "R1", "W8", "R2",  // 101-120
    nullptr, nullptr, "AB3", "R5", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AA7", "W7", "V1", "T3", "V2", "T4", "U1", "R6", "U2", "R7",  // 121-140
    "V3", "AA3", "V4", "AA4", "U5", "R4", "U6", "R3", "Y5", "V5", "Y6", "V6", "W1", "U4", "W2", "U3", "AB1", "AC1", "AB2", "AC2",  // 141-160
    "Y3", "V7", "Y4", "V8", "AA5", "AD1", "AA6", "AD2", "AB5", "W3", "AB6", "W4", "AF2", "AE1", "AE3", "AE2", "AC4", "AD3", "AC5", "AC3",  // 161-180
};

constexpr const char* kKelpin1Locations[180] = {
    nullptr, nullptr, "J26", "J28", "J25", "J27", nullptr, nullptr, "D28", "L24", "D27", "L23", nullptr, nullptr, "E28", "R21", "E27", "P21", nullptr, nullptr,  // 1-20
    "F28", "C27", "F27", "D26", nullptr, nullptr, "G28", "R23", "G27", "R22", nullptr, nullptr, "K28", "E26", "K27", "F26", nullptr, nullptr, "M28", "H26",  // 21-40
    "M27", "H25", nullptr, nullptr, "P28", "AA13", "P27", "Y13", nullptr, nullptr, "L28", "AB14", "L27", "AA14", nullptr, nullptr, "M26", "AD11", "M25", "AC11",  // 41-60
    nullptr, nullptr, "AF5", "Y28", "AE5", "Y27", nullptr, nullptr, "N26", "AA10", "N25", "AA8", nullptr, nullptr, "P26", "AB8", "P25", "AB9", nullptr, nullptr,  // 61-80
    "R28", "AB12", "R27", "AC12", nullptr, nullptr, "T26", "AC7", "T25", "AD8", nullptr, nullptr, "R26", "AF11", "R25", "AE11", nullptr, nullptr, "U28", "AF14",  // 81-100
    "U27", "AE14", nullptr, nullptr, "V28", "AF12", "V27", "AE12", nullptr, nullptr, "W27", "AH10", "W28", "AG10", nullptr, nullptr, "T22", "AH8", "T21", "AG8",  // 101-120
    nullptr, nullptr, "H22", "L26", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "L25", "M23", "W26", "AC10", "W25", "AB10", "AC28", "AC8", "AC27", "AB7",  // 121-140
    "Y26", "AH6", "Y25", "AG6", "AA26", "AH12", "AA25", "AG12", "AB28", "AF8", "AB27", "AE8", "AB26", "AF13", "AB25", "AE13", "AD28", "AH4", "AD27", "AG4",  // 141-160
    "AD26", "AH11", "AC26", "AG11", "AF27", "AH7", "AE26", "AG7", "AE28", "AF10", "AE27", "AE10", "AC25", "AA12", "AC24", "Y12", "Y24", "AF7", "Y23", "AE7",  // 161-180
};

constexpr int kDdr2Wired = 112;

constexpr KelpinPort kKelpin23{"Kelpin_23", "Kelpin2/Kelpin3 connect to %s", EXPANSION_Kelpin_23, kKelpin23Locations};
constexpr KelpinPort kKelpin1{"Kelpin_1", "Kelpin1 connect to %s", EXPANSION_Kelpin_1, kKelpin1Locations};

}  // namespace

void DefaultConfig(WEMBREL_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    WriteRecordText(config.szProjectName, "Wembrel");
    config.bOSC = 1;
    config.bLED = 1;
    config.bButton = 1;
}

void BuildMainBoard_Wembrel(TMainBoard* board, const WEMBREL_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Wembrel;
    PW_CHECK(Config.BoardId == MAINBOARD_Wembrel);
    PW_CHECK(Config.Size == sizeof(WEMBREL_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone III";
    board->m_Device = "EP3C120F780C7";
    board->m_DevicePinCount = -1;  // no pin-count line in the .qsf
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 7;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON", kButton);
    if (Config.bGpio) AddBoardGroup(*board, "GPIO Header", kGpio);

    if (Config.bDDR2) {
        TConnector* socket = AddExpansionConnector(*board, "DDR2", "DDR2 Sodimm Enabled", CONNECTOR_DDR2_SODIMM,
                                                   EXPANSION_DDR2_SODIMM, kDdr2Locations);
        PW_CHECK(socket->GetActivePinCount() == kDdr2Wired);
    }
    AddKelpinPort(*board, kKelpin23, static_cast<int8_t>(Config.nKelpin23DaughterId));
    AddKelpinPort(*board, kKelpin1, Config.nKelpin1DaughterId);
}

void BuildWembrelProjectBoard(TMainBoard& board, const WEMBREL_CONFIG& config)
{
    WEMBREL_CONFIG Config = config;
    Config.nKelpin23DaughterId = ListedKelpinCard(config.nKelpin23DaughterId);
    Config.nKelpin1DaughterId = ListedKelpinCard(config.nKelpin1DaughterId);
    BuildMainBoard_Wembrel(&board, Config);
    // The pins are sorted once before the cards come; the writer sorts them again.
    board.SortConnectorPins();
    if (Config.bDDR2)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR2_SODIMM, "mem_", MemoryModuleKind::Ddr2, 0, V18,
                                              V18);
    AttachKelpinCard(board, kKelpin23, Config.nKelpin23DaughterId, ReadRecordText(Config.szKelpin23PrefixName));
    AttachKelpinCard(board, kKelpin1, static_cast<uint8_t>(Config.nKelpin1DaughterId),
                     ReadRecordText(Config.szKelpin1PrefixName));
}

std::vector<CardChoice> WembrelCardChoices(const WEMBREL_CONFIG& config)
{
    return {ChoiceOf(kKelpin23.name, config.nKelpin23DaughterId, CONNECTOR_Kelpin),
            ChoiceOf(kKelpin1.name, config.nKelpin1DaughterId, CONNECTOR_Kelpin)};
}

bool GenerateWembrelProject(const WEMBREL_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(WembrelCardChoices(config))) return false;
    TMainBoard board;
    BuildWembrelProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

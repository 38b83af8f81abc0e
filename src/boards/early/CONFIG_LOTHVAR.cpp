#include "boards/early/CONFIG_LOTHVAR.h"

#include <cstring>
#include <span>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V18 = 3;      // "1.8 V"
constexpr uint8_t V25 = 6;      // "2.5 V"
constexpr uint8_t LVPECL = 20;  // "Differential LVPECL"
constexpr uint8_t LVDS = 21;    // "LVDS"
constexpr uint8_t PCML15 = 36;  // "1.5-V PCML"
constexpr uint8_t HCSL = 37;    // "HCSL"

constexpr BoardPinRow kClock[] = {
    {"CLK_155_P", in, LVPECL, "R29", ClockPeriod(6)},
    {"CLKIN_BOT_P, CLKIN_REF_Q2_P, CLKIN_TOP_P, CLKIN_REF_Q1_1_P, CLKIN_REF_Q1_2_P", in, LVDS, "AJ19 U29 F18 AA29 W29"},
};
constexpr BoardPinRow kClockPortB[] = {
    {"CLKIN_REF_Q3_P", in, LVDS, "N29"},
};

constexpr BoardPinRow kLed[] = {
    {"USER_LED[0..3]", out, V25, "G1 J4 J5 R5"},
    {"HSMA_TX_LED, HSMA_RX_LED", out, V25, "C29 N5"},
};
// HSMB_RX_LED sits on the ball of port B's position 68, as the board's data gives both.
constexpr BoardPinRow kLedPortB[] = {
    {"HSMB_TX_LED, HSMB_RX_LED", out, V25, "AE24 AE23"},
};

constexpr BoardPinRow kButton[] = {
    {"USER_PB[0..1]", in, V18, "AK9 AL7"},
    {"CPU_RESET", in, V25, "N10"},
};

constexpr BoardPinRow kDip[] = {
    {"USER_DIP[0..3]", in, V25, "N2 U9 V9 U4"},
};

constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, V25, "F1 H3 E1 F2 D2 D1 C2 C1"},
    {"LCD_WEn, LCD_CSn, LCD_D_Cn", out, V25, "H1 J2 J1"},
};

// The lanes alternate: receive lane 0, transmit lane 0, receive lane 1, ...
constexpr BoardPinRow kPcie[] = {
    {"PCIE_RX_p[0]", in, PCML15, "AN33"}, {"PCIE_TX_p[0]", out, PCML15, "AM31"},
    {"PCIE_RX_p[1]", in, PCML15, "AL33"}, {"PCIE_TX_p[1]", out, PCML15, "AK31"},
    {"PCIE_RX_p[2]", in, PCML15, "AJ33"}, {"PCIE_TX_p[2]", out, PCML15, "AH31"},
    {"PCIE_RX_p[3]", in, PCML15, "AG33"}, {"PCIE_TX_p[3]", out, PCML15, "AF31"},
    {"PCIE_RX_p[4]", in, PCML15, "AE33"}, {"PCIE_TX_p[4]", out, PCML15, "AD31"},
    {"PCIE_RX_p[5]", in, PCML15, "AC33"}, {"PCIE_TX_p[5]", out, PCML15, "AB31"},
    {"PCIE_RX_p[6]", in, PCML15, "AA33"}, {"PCIE_TX_p[6]", out, PCML15, "Y31"},
    {"PCIE_RX_p[7]", in, PCML15, "W33"},  {"PCIE_TX_p[7]", out, PCML15, "V31"},
    {"PCIE_REFCLK_p, PCIE_REFCLK_n", in, HCSL, "AE29 AE30"},
    {"PCIE_PREST_n", in, V25, "N1"},
    {"PCIE_WAKE_n", out, V25, "C30"},
    {"PCIE_SMBCLK, PCIE_SMBDAT", in, V25, "M18 D27"},
    {"PCIE_LED_X1, PCIE_LED_X4, PCIE_LED_X8", out, V25, "C28 D26 C27"},
};

// Expansion connectors, positions 1 to N; nullptr where the position carries no FPGA pin.
//
// The DDR2 socket's table as the board's data gives it. It is not this board's: it equals the
// Wembrel socket's position for position, and five of its balls (C6, AF24, AF25, AE21, AE24)
// are HSMC port B positions and HSMB_TX_LED here. It is kept as data; no project is made from
// it (kLothvarDdr2Unknown). It wires 112 positions.
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

constexpr const char* kHsmcALocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "K31", "L33", "K32", "L34",  // 1-20
    "M31", "N33", "M32", "N34", "P31", "R33", "P32", "R34", "T31", "U33", "T32", "U34", "R1", "T1", nullptr, nullptr, nullptr, nullptr, "P10", "AP17",  // 21-40
    "L1", "R6", "K1", "M1", nullptr, nullptr, "AA10", "AC5", "AA9", "AC4", nullptr, nullptr, "Y11", "AE4", "Y10", "AF4", nullptr, nullptr, "AH2", "AF1",  // 41-60
    "AH1", "AG1", nullptr, nullptr, "AB10", "AE2", "AB9", "AE1", nullptr, nullptr, "Y8", "AC1", "Y7", "AD1", nullptr, nullptr, "AF3", "AB2", "AF2", "AB1",  // 61-80
    nullptr, nullptr, "AD4", "Y1", "AE3", "AA1", nullptr, nullptr, "V4", "Y2", "V3", "W1", nullptr, nullptr, "AD7", "U6", "AD6", "U5", nullptr, nullptr,  // 81-100
    "AA7", "V2", "Y6", "V1", nullptr, nullptr, "W7", "W4", "W6", "W3", nullptr, nullptr, "Y5", "U2", "AA4", "U1", nullptr, nullptr, "AC3", "Y4",  // 101-120
    "AC2", "Y3", nullptr, nullptr, "W10", "AB4", "Y9", "AB3", nullptr, nullptr, "R7", "AB6", "T7", "AB5", nullptr, nullptr, "R2", "U7", "P1", "V7",  // 121-140
    nullptr, nullptr, "V11", "AB8", "V10", "AB7", nullptr, nullptr, "U11", "AC7", "U10", "AC6", nullptr, nullptr, "V12", "K18", "W12", "J10", nullptr, "U3",  // 141-160
};

constexpr const char* kHsmcBLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "B31", "C33", "B32", "C34",  // 1-20
    "D31", "E33", "D32", "E34", "F31", "G33", "F32", "G34", "H31", "J33", "H32", "J34", "AK27", "AJ27", nullptr, nullptr, nullptr, nullptr, "AG30", "AP16",  // 21-40
    "AH29", "AH30", "AK30", "AJ30", nullptr, nullptr, "AF28", "AJ29", "AL28", "AE28", nullptr, nullptr, "AK28", "AH28", "AJ28", "AH27", nullptr, nullptr, "AJ26", "AG27",  // 41-60
    "AH26", "AF27", nullptr, nullptr, "AG24", "AF24", "AF25", "AE23", nullptr, nullptr, "AE27", "AE21", "AE26", "AD21", nullptr, nullptr, "AD22", "AC22", "AG4", "AH5",  // 61-80
    nullptr, nullptr, "AF6", "AF5", "AH7", "AG6", nullptr, nullptr, "AG7", "AF7", "AE7", "AE8", nullptr, nullptr, "AF8", "AD10", "AD9", "AJ6", nullptr, nullptr,  // 81-100
    "AK4", "AL2", "AK3", "AL1", nullptr, nullptr, "AJ4", "AK1", "AJ3", "AJ1", nullptr, nullptr, "AJ2", "AH3", "AH6", "AH4", nullptr, nullptr, "AC10", "M10",  // 101-120
    "AC11", "M9", nullptr, nullptr, "M8", "L7", "M7", "K8", nullptr, nullptr, "K7", "J8", "K6", "J6", nullptr, nullptr, "J7", "G5", "H7", "F5",  // 121-140
    nullptr, nullptr, "G6", "D5", "G4", "C6", nullptr, nullptr, "D6", "C5", nullptr, nullptr, nullptr, nullptr, "N8", "AE5", "N7", "V5", nullptr, "AG28",  // 141-160
};

constexpr int kDdr2Wired = 112;
constexpr int kHsmcPositions = 160;

constexpr std::span<const char* const> kHsmcTables[LOTHVAR_CONFIG::kHsmcPorts] = {kHsmcALocations, kHsmcBLocations};

// A stored card the form's list does not offer is none.
uint8_t ListedHsmcCard(uint8_t stored)
{
    return configshared::ListedCardOrNone(stored, CONNECTOR_HSMC, true, VOLTAGE_2V5);
}

}  // namespace

void DefaultConfig(LOTHVAR_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Lothvar;
    config.Size = sizeof(LOTHVAR_CONFIG);
    WriteRecordText(config.szProjectName, "Lothvar");
    for (uint8_t* group : {&config.bLCD, &config.bOSC, &config.bLED, &config.bButton, &config.bDIP, &config.bEthernet})
        *group = 1;
}

void BuildMainBoard_Lothvar(TMainBoard* board, const LOTHVAR_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Lothvar;
    PW_CHECK(Config.BoardId == MAINBOARD_Lothvar);
    PW_CHECK(Config.Size == sizeof(LOTHVAR_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Arria II GX";
    board->m_Device = "EP2AGX125EF35C4ES";
    board->m_Package = "FBGA";
    board->m_DevicePinCount = 1152;
    board->m_SpeedGrade = 4;

    if (Config.bOSC) {
        TConnector* clock = AddBoardGroup(*board, "CLOCK", kClock);
        if (Config.bPortBExtras) AddBoardPins(*clock, kClockPortB);
    }
    if (Config.bLED) {
        TConnector* led = AddBoardGroup(*board, "LED", kLed);
        if (Config.bPortBExtras) AddBoardPins(*led, kLedPortB);
    }
    if (Config.bButton) AddBoardGroup(*board, "BUTTON and CPU Reset", kButton);
    if (Config.bDIP) AddBoardGroup(*board, "DIP", kDip);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bPciBus) AddBoardGroup(*board, "PCIe x 8", kPcie);

    if (Config.bDDR2) {
        TConnector* socket = AddExpansionConnector(*board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                                   EXPANSION_DDR2_SODIMM, kDdr2Locations);
        PW_CHECK(socket->GetActivePinCount() == kDdr2Wired);
    }
    for (int port = 0; port < LOTHVAR_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (card == 0) continue;
        PW_CHECK(kHsmcTables[port].size() == kHsmcPositions);
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("HSMC-%c", letter),
                              platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A + port, kHsmcTables[port]);
    }
}

void BuildLothvarProjectBoard(TMainBoard& board, const LOTHVAR_CONFIG& config)
{
    LOTHVAR_CONFIG Config = config;
    for (uint8_t& card : Config.nHsmcDaughterId) card = ListedHsmcCard(card);
    BuildMainBoard_Lothvar(&board, Config);
    if (Config.bDDR2)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR2_SODIMM, "mem_", MemoryModuleKind::Ddr2, 1, V18,
                                              V18);
    for (int port = 0; port < LOTHVAR_CONFIG::kHsmcPorts; ++port) {
        if (Config.nHsmcDaughterId[port] == 0) continue;
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A + port, Config.nHsmcDaughterId[port],
                                          ReadRecordText(Config.szHSMCPrefixName[port]), "", V25, 0);
    }
}

std::vector<CardChoice> LothvarCardChoices(const LOTHVAR_CONFIG& config)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < LOTHVAR_CONFIG::kHsmcPorts; ++port)
        choices.push_back(ChoiceOf(platform::Format("HSMC-%c", 'A' + port), config.nHsmcDaughterId[port], CONNECTOR_HSMC, true));
    return choices;
}

bool GenerateLothvarProject(const LOTHVAR_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(LothvarCardChoices(config))) return false;
    if (config.bDDR2) return false;
    TMainBoard board;
    BuildLothvarProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/early/CONFIG_TIVERNE.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V2_5 = 6;       // "2.5 V", the board's on-board pins
constexpr uint8_t SSTL2_I = 33;   // "SSTL-2 Class I", the DDR bus

constexpr BoardPinRow kClock[] = {
    {"OSC_CLK", in, V2_5, "V9", ClockPeriod(20)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, V2_5, "P13 P12 N12 N9"},
};

constexpr BoardPinRow kKey[] = {
    {"CPU_RESET_N", in, V2_5, "N2"},
    {"KEY[0..3]", in, V2_5, "F1 F2 A10 B10"},
};

constexpr BoardPinRow kDdr[] = {
    {"DDR_CLK, DDR_CLK_N", inout, SSTL2_I, "U2 V2"},
    {"DDR_CS_N, DDR_CKE", out, V2_5, "V1 R13"},
    {"DDR_ADDR[0..12]", out, SSTL2_I, "U1 U5 U7 U8 P8 P7 P6 T14 T13 V13 U17 V17 U16"},
    {"DDR_BA[0..1], DDR_RAS_N, DDR_CAS_N, DDR_WE_N", out, SSTL2_I, "V11 V12 V16 T4 U15"},
    {"DDR_DQ[0..15]", inout, SSTL2_I, "U4 V4 R8 V5 P9 U6 V6 V7 U13 U12 U11 V15 U14 R11 P10 V14"},
    {"DDR_DQS[0..1]", inout, SSTL2_I, "U3 T8"},
    {"DDR_DM[0..1]", out, SSTL2_I, "V3 V8"},
};

// The address bus starts at 1: the flash and the SSRAM address 16-bit and 32-bit words.
constexpr BoardPinRow kFlashSsram[] = {
    {"FLASH_SRAM_A[1..25]", out, V2_5,
     "E12 A16 B16 A15 B15 A14 B14 A13 B13 A12 B12 A11 B11 C10 D10 E10 C9 D9 A7 A6 B18 C17 C18 G14 B17"},
    {"FLASH_SRAM_DQ[0..31]", inout, V2_5,
     "H3 D1 A8 B8 B7 C5 E8 A4 B4 E7 A3 B3 D5 B5 A5 B6 C16 D12 E11 D2 E13 E14 A17 D16 C12 A18 F8 D7 F6 E6 G6 C7"},
    {"SRAM_OE_N, SRAM_CE_N, SRAM_WE_N, SRAM_BE_N[0..3], SRAM_ADSC_N, SRAM_CLK", out, V2_5,
     "E9 F9 G13 F10 F11 F12 F13 F7 A2"},
};

// HSMC connector, positions 1 to 160; the transceiver lanes (1-32) are not routed here.
constexpr const char* kHsmcLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "E1", "F3", "J1", "J2", "J6", "J5", "A1", "A9",  // 21-40
    "H6", "D3", "M5", "L6", nullptr, nullptr, "T1", "M3", "N7", "T2", nullptr, nullptr, "N8", "H15", "J13", "H16", nullptr, nullptr, "N10", "N16",  // 41-60
    "N11", "N15", nullptr, nullptr, "K17", "R16", "P11", "T16", nullptr, nullptr, "B2", "C2", "B1", "C1", nullptr, nullptr, "G2", "H2", "G1", "H1",  // 61-80
    nullptr, nullptr, "K2", "K5", "K1", "L5", nullptr, nullptr, "L2", "L4", "L1", "L3", nullptr, nullptr, "D14", "F17", "C14", "F18", nullptr, nullptr,  // 81-100
    "M2", "P2", "M1", "P1", nullptr, nullptr, "R2", "T3", "R1", "R3", nullptr, nullptr, "E17", "G17", "E18", "G18", nullptr, nullptr, "H17", "K18",  // 101-120
    "H18", "L18", nullptr, nullptr, "L17", "L16", "M18", "M17", nullptr, nullptr, "L14", "L13", "L15", "M14", nullptr, nullptr, "P17", "R17", "P18", "R18",  // 121-140
    nullptr, nullptr, "R5", "M6", "R4", "N6", nullptr, nullptr, "T17", "M13", "T18", "N13", nullptr, nullptr, "U18", "N17", "V18", "N18", nullptr, nullptr,  // 141-160
};

}  // namespace

void DefaultConfig(TIVERNE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Tiverne;
    config.Size = sizeof(TIVERNE_CONFIG);
    WriteRecordText(config.szProjectName, "Tiverne");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bButton, &config.bSDRAM, &config.bFlashSSRAM})
        *group = 1;
}

void BuildMainBoard_Tiverne(TMainBoard* board, const TIVERNE_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Tiverne;
    PW_CHECK(Config.BoardId == MAINBOARD_Tiverne);
    PW_CHECK(Config.Size == sizeof(TIVERNE_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone III";
    board->m_Device = "EP3C25F324C6";
    board->m_DevicePinCount = 324;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSDRAM) AddBoardGroup(*board, "DDR SDRAM", kDdr);
    if (Config.bFlashSSRAM) AddBoardGroup(*board, "FLASH and SSRAM", kFlashSsram);

    if (Config.nHsmcDaughterId != 0)
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations);
}

void BuildTiverneProjectBoard(TMainBoard& board, const TIVERNE_CONFIG& Config)
{
    BuildMainBoard_Tiverne(&board, Config);
    // Built for main-board id 0, so no board-specific rule of the card maps applies: the card
    // keeps its map's standards (3.3-V LVTTL where the map leaves the choice to the board).
    constexpr uint8_t kLvttl = 8;
    constexpr int32_t kVariant = 0;
    constexpr int kNoBoard = 0;
    if (Config.nHsmcDaughterId != 0)
        AttachCard(board, EXPANSION_HSMC_A, Config.nHsmcDaughterId, ReadRecordText(Config.szHSMCPrefixName),
                   {CONNECTOR_HSMC}, kVariant, kLvttl, "", kNoBoard);
}

std::vector<CardChoice> TiverneCardChoices(const TIVERNE_CONFIG& config)
{
    return {ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC)};
}

bool GenerateTiverneProject(const TIVERNE_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(TiverneCardChoices(config))) return false;
    TMainBoard board;
    BuildTiverneProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

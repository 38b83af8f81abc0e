#include "boards/cyclone5_max10/CONFIG_Ebbrick.h"

#include <cstring>

#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL"

// The clocks are described by their frequency text, without a period.
constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "M9", ClockText("50.0 MHz")},
    {"CLOCK2_50", in, LVTTL, "H13", ClockText("50.0 MHz")},
    {"CLOCK3_50", in, LVTTL, "E10", ClockText("50.0 MHz")},
    {"CLOCK4_50", inout, LVTTL, "V15", ClockText("50.0 MHz")},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_ADDR[0..12]", out, LVTTL, "W8 T8 U11 Y10 N6 AB10 P12 P7 P8 R5 U8 P6 R7"},
    {"DRAM_BA[0..1]", out, LVTTL, "T7 AB7"},
    {"DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_CS_N", out, LVTTL, "V6 R6 AB11 U6"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "Y9 T10 R9 Y11 R10 R11 R12 AA12 AA9 AB8 AA8 AA7 V10 V9 U10 T9"},
    {"DRAM_LDQM, DRAM_RAS_N, DRAM_UDQM, DRAM_WE_N", out, LVTTL, "U12 AB6 N8 AB5"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..6]", out, LVTTL, "U21 V21 W22 W21 Y22 Y21 AA22"},
    {"HEX1[0..6]", out, LVTTL, "AA20 AB20 AA19 AA18 AB18 AA17 U22"},
    {"HEX2[0..6]", out, LVTTL, "Y19 AB17 AA10 Y14 V14 AB22 AB21"},
    {"HEX3[0..6]", out, LVTTL, "Y16 W16 Y17 V16 U17 V18 V19"},
    {"HEX4[0..6]", out, LVTTL, "U20 Y20 V20 U16 U15 Y15 P9"},
    {"HEX5[0..6]", out, LVTTL, "N9 M8 T14 P14 C1 C2 W19"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "U7 W9 M7 M6"},
    {"RESET_N", in, LVTTL, "P22"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "AA2 AA1 W2 Y3 N2 N1 U2 U1 L2 L1"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", inout, LVTTL, "D3 E2 G2 G1"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CLK", out, LVTTL, "H11"},
    {"SD_CMD", inout, LVTTL, "B11"},
    {"SD_DATA[0..3]", inout, LVTTL, "K9 D12 E12 C11"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, LVTTL, "U13 V13 T13 T12 AA15 AB15 AA14 AA13 AB13 AB12"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_B[0..3]", out, LVTTL, "B6 B7 A8 A7"},
    {"VGA_G[0..3]", out, LVTTL, "L7 K7 J7 J8"},
    {"VGA_HS", out, LVTTL, "H8"},
    {"VGA_R[0..3]", out, LVTTL, "A9 B10 C9 A5"},
    {"VGA_VS", out, LVTTL, "G8"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "N16", "B16", "M16", "C16", "D17", "K20", "K21", "K22", "M20", "M21", nullptr, nullptr, "N21", "R22", "R21", "T22", "N20", "N19", "M22", "P19",  // 1-20
    "L22", "P17", "P16", "M18", "L18", "L17", "L19", "K17", nullptr, nullptr, "K19", "P18", "R15", "R17", "R16", "T20", "T19", "T18", "T17", "T15",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "H16", "A12", "H15", "B12", "A13", "B13", "C13", "D13", "G18", "G17", nullptr, nullptr, "H18", "J18", "J19", "G11", "H10", "J11", "H14", "A15",  // 1-20
    "J13", "L8", "A14", "B15", "C15", "E14", "E15", "E16", nullptr, nullptr, "F14", "F15", "F13", "F12", "G16", "G15", "G13", "G12", "J17", "K16",  // 21-40
};

}  // namespace

EBBRICK_CONFIG DefaultEbbrickConfig()
{
    EBBRICK_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Ebbrick;
    config.Size = sizeof(EBBRICK_CONFIG);
    WriteRecordText(config.szProjectName, "Ebbrick");
    for (uint8_t* group : {&config.bClock, &config.bLed, &config.bButton, &config.bSwitch, &config.bVga,
                           &config.bSdram, &config.bSeg7, &config.bPs2, &config.bSdCard})
        *group = 1;
    return config;
}

void BuildMainBoard_Ebbrick(TMainBoard* board, const EBBRICK_CONFIG& Config)
{
    // The .sdc writer reads the VGA choice from this copy.
    StoreRecordCopy(board->m_EbbrickConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Ebbrick);
    PW_CHECK(Config.Size == sizeof(EBBRICK_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CEBA4F23C7";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = platform::Format("%d", 7);

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSdram) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bPs2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSdCard) AddBoardGroup(*board, "microSD Card", kSdCard);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations);
}

void BuildEbbrickProjectBoard(TMainBoard& board, const EBBRICK_CONFIG& Config)
{
    BuildWithGpioHeaderPair(board, Config, &BuildMainBoard_Ebbrick, true);
}

std::vector<CardChoice> EbbrickCardChoices(const EBBRICK_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GenerateEbbrickProject(const EBBRICK_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(EbbrickCardChoices(Config))) return false;
    TMainBoard board;
    BuildEbbrickProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/early/CONFIG_FENNICK.h"

#include <cstring>

#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL", every pin of this board

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "L1", ClockPeriod(20)},
    {"CLOCK_27[0]", in, LVTTL, "D12", ClockPeriod(37)},
    {"CLOCK_27[1]", in, LVTTL, "E12", ClockPeriod(37)},
    {"CLOCK_24[0]", in, LVTTL, "B12", ClockPeriod(41)},
    {"CLOCK_24[1]", in, LVTTL, "A12", ClockPeriod(41)},
};

// The SMA input is not a clock of the design: it gets no timing constraint.
constexpr BoardPinRow kSma[] = {
    {"EXT_CLOCK", in, LVTTL, "M21"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "R20 R19 U19 Y19 T18 V19 Y18 U18 R18 R17"},
    {"LEDG[0..7]", out, LVTTL, "U22 U21 V22 V21 W22 W21 Y22 Y21"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "R22 R21 T22 T21"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, LVTTL, "L22 L21 M22 V12 W12 U12 U11 M2 M1 L2"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..6]", out, LVTTL, "J2 J1 H2 H1 F2 F1 E2"},
    {"HEX1[0..6]", out, LVTTL, "E1 H6 H5 H4 G3 D2 D1"},
    {"HEX2[0..6]", out, LVTTL, "G5 G6 C2 C1 E3 E4 D3"},
    {"HEX3[0..6]", out, LVTTL, "F4 D5 D6 J4 L8 F3 D4"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "G12"},
    {"UART_RXD", in, LVTTL, "F14"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_DAT", inout, LVTTL, "H15 J14"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS", out, LVTTL, "A11 B11"},
    {"VGA_R[0..3]", out, LVTTL, "D9 C9 A7 B7"},
    {"VGA_G[0..3]", out, LVTTL, "B8 C10 B9 A8"},
    {"VGA_B[0..3]", out, LVTTL, "A9 D11 A10 B10"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, LVTTL, "A6"},
    {"AUD_ADCDAT", in, LVTTL, "B6"},
    {"AUD_DACLRCK", inout, LVTTL, "A5"},
    {"AUD_DACDAT, AUD_XCK", out, LVTTL, "B5 B4"},
    {"AUD_BCLK", inout, LVTTL, "A4"},
    {"I2C_SCLK", out, LVTTL, "A3"},
    {"I2C_SDAT", inout, LVTTL, "B3"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "Y20"},
    {"SD_CLK", out, LVTTL, "V20"},
    {"SD_DAT, SD_DAT3", inout, LVTTL, "W20 U20"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_ADDR[0..11]", out, LVTTL, "W4 W5 Y3 Y4 R6 R5 P6 P5 P3 N4 W3 N6"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "U1 U2 V1 V2 W1 W2 Y1 Y2 N1 N2 P1 P2 R1 R2 T1 T2"},
    {"DRAM_BA[0..1], DRAM_LDQM, DRAM_UDQM, DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "U3 V4 R7 M5 T5 T3 N3 U4 R8 T6"},
};

constexpr BoardPinRow kSram[] = {
    {"SRAM_ADDR[0..17]", out, LVTTL, "AA3 AB3 AA4 AB4 AA5 AB10 AA11 AB11 V11 W11 R11 T11 Y10 U10 R10 T7 Y6 Y5"},
    {"SRAM_DQ[0..15]", inout, LVTTL, "AA6 AB6 AA7 AB7 AA8 AB8 AA9 AB9 Y9 W9 V9 U9 R9 W8 V8 U8"},
    {"SRAM_WE_N, SRAM_OE_N, SRAM_UB_N, SRAM_LB_N, SRAM_CE_N", out, LVTTL, "AA10 T8 W7 Y7 AB5"},
};

constexpr BoardPinRow kFlash[] = {
    {"FL_ADDR[0..21]", out, LVTTL,
     "AB20 AA14 Y16 R15 T15 U15 V15 W15 R14 Y13 R12 T12 AB14 AA13 AB13 AA12 AB12 AA20 U14 V14 U13 R13"},
    {"FL_DQ[0..7]", inout, LVTTL, "AB16 AA16 AB17 AA17 AB18 AA18 AB19 AA19"},
    {"FL_OE_N, FL_RST_N, FL_WE_N, FL_CE_N", out, LVTTL, "AA15 W14 Y14 AB15"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "A13", "B13", "A14", "B14", "A15", "B15", "A16", "B16", "A17", "B17", nullptr, nullptr, "A18", "B18", "A19", "B19", "A20", "B20", "C21", "C22",  // 1-20
    "D21", "D22", "E21", "E22", "F21", "F22", "G21", "G22", nullptr, nullptr, "J21", "J22", "K21", "K22", "J19", "J20", "J18", "K20", "L19", "L18",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "H12", "H13", "H14", "G15", "E14", "E15", "F15", "G16", "F12", "F13", nullptr, nullptr, "C14", "D14", "D15", "D16", "C17", "C18", "C19", "C20",  // 1-20
    "D19", "D20", "E20", "F20", "E19", "E18", "G20", "G18", nullptr, nullptr, "G17", "H17", "J15", "H18", "N22", "N21", "P15", "N15", "P17", "P18",  // 21-40
};

}  // namespace

void DefaultConfig(FENNICK_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Fennick;
    config.Size = sizeof(FENNICK_CONFIG);
    WriteRecordText(config.szProjectName, "Fennick");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bSeg7, &config.bButton, &config.bSwitch, &config.bPS2,
                           &config.bSDCARD, &config.bVGA, &config.bSDRAM, &config.bFlash, &config.bRS232, &config.bSRAM,
                           &config.bSma, &config.bAudio})
        *group = 1;
}

void BuildMainBoard_Fennick(TMainBoard* board, const FENNICK_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Fennick;
    PW_CHECK(Config.BoardId == MAINBOARD_Fennick);
    PW_CHECK(Config.Size == sizeof(FENNICK_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone II";
    board->m_Device = "EP2C20F484C7";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 7;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "Sma", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSRAM) AddBoardGroup(*board, "SRAM", kSram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations);
}

void BuildFennickProjectBoard(TMainBoard& board, const FENNICK_CONFIG& config)
{
    BuildWithGpioHeaderPair(board, config, BuildMainBoard_Fennick, false, LVTTL);
}

std::vector<CardChoice> FennickCardChoices(const FENNICK_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GenerateFennickProject(const FENNICK_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(FennickCardChoices(config))) return false;
    TMainBoard board;
    BuildFennickProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

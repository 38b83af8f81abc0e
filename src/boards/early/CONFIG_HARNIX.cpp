#include "boards/early/CONFIG_HARNIX.h"

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
    {"CLOCK_50", in, LVTTL, "G21", ClockPeriod(20)},
    {"CLOCK_50_2", in, LVTTL, "B12", ClockPeriod(20)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..9]", out, LVTTL, "J1 J2 J3 H1 F2 E1 C1 C2 B2 B1"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..2]", in, LVTTL, "H2 G3 F1"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, LVTTL, "J6 H5 H6 G4 G5 J7 H7 E3 E4 D2"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_DP, HEX1_DP, HEX2_DP, HEX3_DP", out, LVTTL, "D13 B15 A18 G16"},
    {"HEX0_D[0..6]", out, LVTTL, "E11 F11 H12 H13 G12 F12 F13"},
    {"HEX1_D[0..6]", out, LVTTL, "A13 B13 C13 A14 B14 E14 A15"},
    {"HEX2_D[0..6]", out, LVTTL, "D15 A16 B16 E15 A17 B17 F14"},
    {"HEX3_D[0..6]", out, LVTTL, "B18 F15 A19 B19 C19 D19 G15"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "U21"},
    {"UART_RXD", in, LVTTL, "U22"},
    {"UART_CTS", out, LVTTL, "V21"},
    {"UART_RTS", in, LVTTL, "V22"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_KBDAT, PS2_KBCLK, PS2_MSDAT, PS2_MSCLK", inout, LVTTL, "P21 P22 R22 R21"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "Y22"},
    {"SD_CLK", out, LVTTL, "Y21"},
    {"SD_WPn", in, LVTTL, "W20"},
    {"SD_DAT, SD_DAT3", inout, LVTTL, "AA22 W21"},
};

constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, LVTTL, "D22 D21 C22 C21 B22 B21 D20 C20"},
    {"LCD_BLON, LCD_RW, LCD_EN, LCD_RS", out, LVTTL, "F21 E22 E21 F22"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS", out, LVTTL, "L21 L22"},
    {"VGA_R[0..3]", out, LVTTL, "H19 H17 H20 H21"},
    {"VGA_G[0..3]", out, LVTTL, "H22 J17 K17 J21"},
    {"VGA_B[0..3]", out, LVTTL, "K22 K21 J22 K18"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_LDQM, DRAM_UDQM, DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "B5 A4 E7 B8 F7 G8 E6 E5 D6 G7"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "D10 G10 H10 E9 F9 G9 H9 F8 A8 B9 A9 C10 B10 A10 E10 F10"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "C4 A3 B3 C3 A5 C6 B6 A6 C7 B7 B4 A7 C8"},
};

// The fifth data pin's location is kept in lower case, as the board's data gives it.
constexpr BoardPinRow kFlash[] = {
    {"FLASH_ADDR[0..21]", out, LVTTL, "P7 P5 P6 N7 N5 N6 M8 M4 P2 N2 N1 M3 M2 M1 L7 L6 AA2 M5 M6 P1 P3 R2"},
    {"FLASH_DQ[0..14]", inout, LVTTL, "R7 P8 R8 U1 v2 V3 W1 Y1 T5 T7 T4 U2 V1 V4 W2"},
    {"FLASH_DQ15_AM1, FLASH_BYTE_N, FLASH_CE_N, FLASH_OE_N, FLASH_RESET_N, FLASH_RY, FLASH_WE_N, FLASH_WP_N", out, LVTTL,
     "Y2 AA1 N8 R6 R1 M7 P4 T3"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "AB12", "AB16", "AA12", "AA16", "AA15", "AB15", "AA14", "AB14", "AB13", "AA13", nullptr, nullptr, "AB10", "AA10", "AB8", "AA8", "AB5", "AA5", "AB3", "AB4",  // 1-20
    "AA3", "AA4", "V14", "U14", "Y13", "W13", "U13", "V12", nullptr, nullptr, "R10", "V11", "Y10", "W10", "T8", "V8", "W7", "W6", "V5", "U7",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "AB11", "AA20", "AA11", "AB20", "AA19", "AB19", "AB18", "AA18", "AA17", "AB17", nullptr, nullptr, "Y17", "W17", "U15", "T15", "W15", "V15", "R16", "AB9",  // 1-20
    "T16", "AA9", "AA7", "AB7", "T14", "R14", "U12", "T12", nullptr, nullptr, "R11", "R12", "U10", "T10", "U9", "T9", "Y7", "U8", "V6", "V7",  // 21-40
};

}  // namespace

void DefaultConfig(HARNIX_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Harnix;
    config.Size = sizeof(HARNIX_CONFIG);
    WriteRecordText(config.szProjectName, "Harnix");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bSeg7, &config.bButton, &config.bSwitch, &config.bPS2,
                           &config.bSDCARD, &config.bVGA, &config.bLCD, &config.bSDRAM, &config.bFlash, &config.bRS232})
        *group = 1;
}

void BuildMainBoard_Harnix(TMainBoard* board, const HARNIX_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Harnix;
    PW_CHECK(Config.BoardId == MAINBOARD_Harnix);
    PW_CHECK(Config.Size == sizeof(HARNIX_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone III";
    board->m_Device = "EP3C16F484C6";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON", kButton);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations);
}

void BuildHarnixProjectBoard(TMainBoard& board, const HARNIX_CONFIG& config)
{
    BuildWithGpioHeaderPair(board, config, BuildMainBoard_Harnix, false, LVTTL);
}

std::vector<CardChoice> HarnixCardChoices(const HARNIX_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GenerateHarnixProject(const HARNIX_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(HarnixCardChoices(config))) return false;
    TMainBoard board;
    BuildHarnixProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

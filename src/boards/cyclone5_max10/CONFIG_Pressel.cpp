#include "boards/cyclone5_max10/CONFIG_Pressel.h"

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

constexpr uint8_t V2_5 = 6;            // "2.5 V"
constexpr uint8_t LVTTL = 8;           // "3.3-V LVTTL"
constexpr uint8_t SCHMITT_3V3 = 50;    // "3.3 V Schmitt Trigger"

constexpr BoardPinRow kClock[] = {
    {"MAX10_CLK1_50", in, LVTTL, "P11", ClockText("50.0 MHz")},
    {"MAX10_CLK2_50", in, LVTTL, "N14", ClockText("50.0 MHz")},
    {"ADC_CLK_10", in, LVTTL, "N5", ClockText("10.0 MHz")},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_ADDR[0..12]", out, LVTTL, "U17 W19 V18 U18 U19 T18 T19 R18 P18 P19 T20 P20 R20"},
    {"DRAM_BA[0..1], DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_CS_N", out, LVTTL, "T21 T22 U21 N22 L14 U20"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "Y21 Y20 AA22 AA21 Y22 W22 W20 V21 P21 J22 H21 H22 G22 G20 G19 F22"},
    {"DRAM_LDQM, DRAM_RAS_N, DRAM_UDQM, DRAM_WE_N", out, LVTTL, "V22 U22 J21 V20"},
};

// Eight segments per digit.
constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..7]", out, LVTTL, "C14 E15 C15 C16 E16 D17 C17 D15"},
    {"HEX1[0..7]", out, LVTTL, "C18 D18 E18 B16 A17 A18 B17 A16"},
    {"HEX2[0..7]", out, LVTTL, "B20 A20 B19 A21 B21 C22 B22 A19"},
    {"HEX3[0..7]", out, LVTTL, "F21 E22 E21 C19 C20 D19 E17 D22"},
    {"HEX4[0..7]", out, LVTTL, "F18 E20 E19 J18 H19 F19 F20 F17"},
    {"HEX5[0..7]", out, LVTTL, "J20 K20 L18 N18 M20 N19 N20 L19"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..1]", in, SCHMITT_3V3, "B8 A7"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "A8 A9 A10 B10 D13 C13 E14 D14 A11 B11"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, LVTTL, "C10 C11 D12 C12 A12 B12 A13 A14 B14 F15"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_B[0..3]", out, LVTTL, "P1 T1 P4 N2"},
    {"VGA_G[0..3]", out, LVTTL, "W1 T2 R2 R1"},
    {"VGA_HS", out, LVTTL, "N3"},
    {"VGA_R[0..3]", out, LVTTL, "AA1 V1 Y2 Y1"},
    {"VGA_VS", out, LVTTL, "N1"},
};

constexpr BoardPinRow kAccelerometer[] = {
    {"GSENSOR_SCLK", out, LVTTL, "AB15"},
    {"GSENSOR_SDO, GSENSOR_SDI", inout, LVTTL, "V12 V11"},
    {"GSENSOR_INT[1..2]", in, LVTTL, "Y14 Y13"},
    {"GSENSOR_CS_N", out, LVTTL, "AB16"},
};

constexpr BoardPinRow kArduino[] = {
    {"ARDUINO_IO[0..15]", inout, LVTTL, "AB5 AB6 AB7 AB8 AB9 Y10 AA11 AA12 AB17 AA17 AB19 AA19 Y19 AB20 AB21 AA20"},
    {"ARDUINO_RESET_N", inout, SCHMITT_3V3, "F16"},
};

// 2x20 GPIO header, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpioLocations[40] = {
    "V10", "W10", "V9", "W9", "V8", "W8", "V7", "W7", "W6", "V5", nullptr, nullptr, "W5", "AA15", "AA14", "W13", "W12", "AB13", "AB12", "Y11",  // 1-20
    "AB11", "W11", "AB10", "AA10", "AA9", "Y8", "AA8", "Y7", nullptr, nullptr, "AA7", "Y6", "AA6", "Y5", "AA5", "Y4", "AB3", "Y3", "AB2", "AA2",  // 21-40
};

}  // namespace

void BuildMainBoard_Pressel(TMainBoard* board, TConfigPressel* settings)
{
    const PRESSEL_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Pressel);
    PW_CHECK(Config.Size == sizeof(PRESSEL_CONFIG));

    board->ClearConnectors();
    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C7G";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = platform::Format("%d", 7);

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSdram) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAccelerometer) AddBoardGroup(*board, "Accelerometer", kAccelerometer);
    if (Config.bArduino) AddBoardGroup(*board, "Arduino", kArduino);

    // The header's pins stay 3.3-V LVTTL whatever standard the card's map gives.
    if (Config.nGpioDaughterId > 0)
        AddExpansionConnector(*board, "GPIO",
                              platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations, {.positionStd = LVTTL});
}

void BuildPresselProjectBoard(TMainBoard& board, TConfigPressel& settings)
{
    BuildMainBoard_Pressel(&board, &settings);
    const PRESSEL_CONFIG& Config = settings.Config;
    // The 2.5-V default shapes only the card's map: the header keeps its own standard.
    if (Config.nGpioDaughterId > 0)
        board.AttachGpioCard(EXPANSION_GPIO_0, Config.nGpioDaughterId, ReadRecordText(Config.szGpioPrefixName), "",
                             V2_5);
}

std::vector<CardChoice> PresselCardChoices(const PRESSEL_CONFIG& config)
{
    return {ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40)};
}

bool GeneratePresselProject(TConfigPressel& settings, const std::string& projectFile)
{
    if (!CheckCardChoices(PresselCardChoices(settings.Config))) return false;
    TMainBoard board;
    BuildPresselProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/stratix4_cyclone4/CONFIG_RUSKEL.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL", every pin of this board

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "R8", ClockPeriod(20)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, LVTTL, "A15 A13 B13 A11 D1 F3 B1 L3"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..1]", in, LVTTL, "J15 E1"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, LVTTL, "M1 T8 B9 M15"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_DQM[0..1], DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "M7 M6 R6 T5 L2 L1 L7 R4 C2 P6"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "G2 G1 L8 K5 K2 J2 J1 R7 T4 T2 T3 R3 R5 P3 N3 K1"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "P2 N5 N6 M8 P8 T7 N8 T6 R1 P1 N2 N1 L4"},
};

constexpr BoardPinRow kEpcs[] = {
    {"EPCS_DATA0", in, LVTTL, "H2"},
    {"EPCS_DCLK, EPCS_NCSO, EPCS_ASDO", out, LVTTL, "H1 D2 C1"},
};

// The I2C bus the accelerometer and the EEPROM share, then the accelerometer's own pins.
constexpr BoardPinRow kI2c[] = {
    {"I2C_SCLK", out, LVTTL, "F2"},
    {"I2C_SDAT", inout, LVTTL, "F1"},
};
constexpr BoardPinRow kAccelerometer[] = {
    {"G_SENSOR_CS_N", out, LVTTL, "G5"},
    {"G_SENSOR_INT", in, LVTTL, "M2"},
};

constexpr BoardPinRow kAdc[] = {
    {"ADC_CS_N, ADC_SADDR, ADC_SCLK", out, LVTTL, "A10 B10 B14"},
    {"ADC_SDAT", in, LVTTL, "A9"},
};

constexpr BoardPinRow kHeader[] = {
    {"GPIO_2[0..12]", inout, LVTTL, "A14 B16 C14 C16 C15 D16 D15 D14 F15 F16 F14 G16 G15"},
    {"GPIO_2_IN[0..2]", in, LVTTL, "E15 E16 M16"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr where the position carries no FPGA pin.
constexpr const char* kGpio0Locations[40] = {
    "A8", "D3", "B8", "C3", "A2", "A3", "B3", "B4", "A4", "B5", nullptr, nullptr, "A5", "D5", "B6", "A6", "B7", "D6", "A7", "C6",  // 1-20
    "C8", "E6", "E7", "D8", "E8", "F8", "F9", "E9", nullptr, nullptr, "C9", "D9", "E11", "E10", "C11", "B11", "A12", "D11", "D12", "B12",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "T9", "F13", "R9", "T15", "T14", "T13", "R13", "T12", "R12", "T11", nullptr, nullptr, "T10", "R11", "P11", "R10", "N12", "P9", "N9", "N11",  // 1-20
    "L16", "K16", "R16", "L15", "P15", "P16", "R14", "N16", nullptr, nullptr, "N15", "P14", "L14", "N14", "M10", "L13", "J16", "K15", "J13", "J14",  // 21-40
};

// Positions 1 and 3 of each header are input-only pins: they stay inputs under any card.
constexpr FixedPosition kGpioInputs[] = {{1, in}, {3, in}};

}  // namespace

void DefaultConfig(RUSKEL_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Ruskel;
    config.Size = sizeof(RUSKEL_CONFIG);
    WriteRecordText(config.szProjectName, "Ruskel");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bButton, &config.bSwitch, &config.bSDRAM, &config.bADC,
                           &config.bAccelerometer, &config.bEEPROM, &config.bEPCS, &config.bHeader})
        *group = 1;
}

void BuildMainBoard_Ruskel(TMainBoard* board, const RUSKEL_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Ruskel;
    PW_CHECK(Config.BoardId == MAINBOARD_Ruskel);
    PW_CHECK(Config.Size == sizeof(RUSKEL_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone IV E";
    board->m_Device = "EP4CE22F17C6";
    board->m_DevicePinCount = 256;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bEPCS) AddBoardGroup(*board, "EPCS", kEpcs);
    if (Config.bAccelerometer || Config.bEEPROM) {
        const char* name = !Config.bEEPROM ? "Accelerometer" : !Config.bAccelerometer ? "EEPROM" : "Accelerometer and EEPROM";
        TConnector* i2c = AddBoardGroup(*board, name, kI2c);
        if (Config.bAccelerometer) AddBoardPins(*i2c, kAccelerometer);
    }
    if (Config.bADC) AddBoardGroup(*board, "ADC", kAdc);
    if (Config.bHeader) AddBoardGroup(*board, "2x13 GPIO Header", kHeader);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations, Gpio80Rule::None, {.fixed = kGpioInputs});
}

void BuildRuskelProjectBoard(TMainBoard& board, const RUSKEL_CONFIG& config)
{
    RUSKEL_CONFIG Config = config;
    BuildMainBoard_Ruskel(&board, Config);
    for (int h : {GPIO_0, GPIO_1}) {
        if (Config.nGpioDaughterId[h] == DAUGHTER_GPIO_DEFAULT && Config.szGpioPrefixName[h][0] == 0)
            WriteRecordText(Config.szGpioPrefixName[h], "GPIO");
    }
    for (int h : {GPIO_0, GPIO_1}) {
        if (Config.nGpioDaughterId[h] == 0) continue;
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0 + h, Config.nGpioDaughterId[h],
                                          ReadRecordText(Config.szGpioPrefixName[h]), nullptr, LVTTL, 0);
    }
}

std::vector<CardChoice> RuskelCardChoices(const RUSKEL_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO40);
}

bool GenerateRuskelProject(const RUSKEL_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(RuskelCardChoices(config))) return false;
    TMainBoard board;
    BuildRuskelProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

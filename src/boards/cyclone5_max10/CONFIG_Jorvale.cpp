#include "boards/cyclone5_max10/CONFIG_Jorvale.h"

#include <cstring>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/HsmcVoltage.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V1_5 = 0;           // "1.5 V"
constexpr uint8_t V2_5 = 6;           // "2.5 V"
constexpr uint8_t LVTTL = 8;          // "3.3-V LVTTL"
constexpr uint8_t DIFF_SSTL15_I = 12; // "Differential 1.5-V SSTL Class I"
constexpr uint8_t SSTL15_I = 29;      // "SSTL-15 Class I"
constexpr uint8_t HCSL = 37;          // "HCSL"

constexpr BoardPinRow kClock[] = {
    {"OSC_50_B3B", in, V1_5, "AF14", ClockPeriod(20)},
    {"OSC_50_B4A", in, V1_5, "AA16", ClockPeriod(20)},
    {"OSC_50_B5B", in, V2_5, "Y26", ClockPeriod(20)},
    {"OSC_50_B8A", in, V2_5, "K14", ClockPeriod(20)},
};

// Only a card with transceivers uses the reference clock the board feeds its lanes.
constexpr BoardPinRow kTransceiverClock[] = {
    {"HSMC_REF_CLK_p", in, HCSL, "P9", ClockPeriod(10)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, LVTTL, "AF10 AD10 AE11 AD7"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "AE9 AE12 AD9 AD11"},
    {"RESET_n", in, LVTTL, "AD27"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, V2_5, "W25 V25 AC28 AC29"},
};

constexpr BoardPinRow kSi5338[] = {
    {"SI5338_SCL", out, LVTTL, "AE26"},
    {"SI5338_SDA", inout, LVTTL, "AJ29"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_CS_n, TEMP_DIN", out, LVTTL, "AF8 AG7"},
    {"TEMP_DOUT", in, LVTTL, "AG1"},
    {"TEMP_SCLK", out, LVTTL, "AF9"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC_n, VGA_CLK, VGA_BLANK_n", out, LVTTL, "AD12 AC12 AG2 W20 AH3"},
    {"VGA_R[0..7]", out, LVTTL, "AG5 AA12 AB12 AF6 AG6 AJ2 AH5 AJ1"},
    {"VGA_G[0..7]", out, LVTTL, "Y21 AA25 AB26 AB22 AB23 AA24 AB25 AE27"},
    {"VGA_B[0..7]", out, LVTTL, "AE28 Y23 Y24 AG28 AF28 V23 W24 AF29"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, LVTTL, "AG30"},
    {"AUD_ADCDAT", in, LVTTL, "AC27"},
    {"AUD_DACLRCK", inout, LVTTL, "AH4"},
    {"AUD_DACDAT, AUD_XCK", out, LVTTL, "AG3 AC9"},
    {"AUD_BCLK", inout, LVTTL, "AE7"},
    {"AUD_MUTE", out, LVTTL, "AD26"},
};

constexpr BoardPinRow kAudioI2c[] = {
    {"AUD_I2C_SCLK", out, LVTTL, "AH30"},
    {"AUD_I2C_SDAT", inout, LVTTL, "AF30"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_RXD", in, LVTTL, "AH2"},
};

constexpr BoardPinRow kDdr3[] = {
    {"DDR3_CK_p, DDR3_CK_n", out, DIFF_SSTL15_I, "AA14 AA15"},
    {"DDR3_DQS_p[0], DDR3_DQS_n[0], DDR3_DQS_p[1], DDR3_DQS_n[1], DDR3_DQS_p[2], DDR3_DQS_n[2], DDR3_DQS_p[3], DDR3_DQS_n[3]", inout, DIFF_SSTL15_I, "V16 W16 V17 W17 Y17 AA18 AC20 AD19"},
    {"DDR3_CKE, DDR3_CS_n, DDR3_RESET_n, DDR3_WE_n, DDR3_RAS_n, DDR3_CAS_n", out, SSTL15_I, "AJ21 AB15 AK21 AJ6 AH8 AH7"},
    {"DDR3_BA[0..2]", out, SSTL15_I, "AH10 AJ11 AK11"},
    {"DDR3_DM[0..3]", out, SSTL15_I, "AH17 AG23 AK23 AJ27"},
    {"DDR3_ODT", out, SSTL15_I, "AE16"},
    {"DDR3_RZQ", in, V1_5, "AG17"},
    {"DDR3_DQ[0..31]", inout, SSTL15_I, "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27"},
    {"DDR3_A[0..14]", out, SSTL15_I, "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12"},
};

// HSMC connector, positions 1 to 160; nullptr where the position has no FPGA pin.
constexpr const char* kHsmcLocations[160] = {
    "H4", "J2", "H3", "J1", "M4", "N2", "M3", "N1", "P4", "R2", "P3", "R1", "T4", "U2", "T3", "U1", "V4", "W2", "V3", "W1",  // 1-20
    "Y4", "AA2", "Y3", "AA1", "AB4", "AC2", "AB3", "AC1", "AD4", "AE2", "AD3", "AE1", "AE29", "AA28", nullptr, nullptr, nullptr, nullptr, "AD29", "J14",  // 21-40
    "C10", "H13", "C9", "H12", nullptr, nullptr, "A9", "G12", "A8", "G11", nullptr, nullptr, "E8", "K12", "D7", "J12", nullptr, nullptr, "G7", "G10",  // 41-60
    "F6", "F10", nullptr, nullptr, "D6", "J10", "C5", "J9", nullptr, nullptr, "D5", "K7", "C4", "K8", nullptr, nullptr, "E3", "J7", "E2", "H7",  // 61-80
    nullptr, nullptr, "E4", "H8", "D4", "G8", nullptr, nullptr, "C3", "F9", "B3", "F8", nullptr, nullptr, "E7", "AA26", "E6", "AB27", nullptr, nullptr,  // 81-100
    "E1", "F11", "D1", "E11", nullptr, nullptr, "D2", "B6", "C2", "B5", nullptr, nullptr, "B2", "E9", "B1", "D9", nullptr, nullptr, "A4", "E12",  // 101-120
    "A3", "D12", nullptr, nullptr, "A6", "D11", "A5", "D10", nullptr, nullptr, "C7", "C13", "B7", "B12", nullptr, nullptr, "C8", "F13", "B8", "E13",  // 121-140
    nullptr, nullptr, "C12", "H14", "B11", "G13", nullptr, nullptr, "B13", "F15", "A13", "F14", nullptr, nullptr, "A11", "H15", "A10", "G15", nullptr, nullptr,  // 141-160
};

}  // namespace

JORVALE_CONFIG JorvaleDefaultConfig()
{
    JORVALE_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Jorvale;
    c.Size = sizeof(JORVALE_CONFIG);
    WriteRecordText(c.szProjectName, "Jorvale");
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bVga = c.bDdr3 = c.bAudio = c.bIr = c.bSi5338I2c = c.bTemperature = 1;
    c.nHsmcVoltage = 1;  // "2.5 V (Default)"
    return c;
}

void BuildMainBoard_Jorvale(TMainBoard* board, const JORVALE_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Jorvale);
    PW_CHECK(Config.Size == sizeof(JORVALE_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSXFC6D6F31C8ES";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "8_H6";

    if (Config.bClock) {
        TConnector* clock = AddBoardGroup(*board, "CLOCK", kClock);
        if (Config.nHsmcDaughterId != 0 && BoardNeedsTransceiver(Config.nHsmcDaughterId))
            AddBoardPins(*clock, kTransceiverClock);
    }
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSi5338I2c) AddBoardGroup(*board, "Si5338", kSi5338);
    if (Config.bTemperature) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) {
        AddBoardGroup(*board, "Audio", kAudio);
        AddBoardGroup(*board, "I2C for Audio ", kAudioI2c);  // the name ends in a blank
    }
    if (Config.bIr) AddBoardGroup(*board, "IR Receiver", kIr);
    if (Config.bDdr3) AddBoardGroup(*board, "SDRAM", kDdr3);

    if (Config.nHsmcDaughterId != 0) {
        // Position 40 is wired as an input at the connector's voltage whatever the card says.
        const FixedPosition fixed[] = {{40, DIRECTION_INPUT, HsmcVoltageIoStandard(Config.nHsmcVoltage)}};
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations, {.fixed = fixed});
    }
}

void BuildJorvaleProjectBoard(TMainBoard& board, JORVALE_CONFIG& Config)
{
    if ((Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT || Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT_XCVR) &&
        Config.szHSMCPrefixName[0] == 0)
        WriteRecordText(Config.szHSMCPrefixName, "HSMC_");
    BuildMainBoard_Jorvale(&board, Config);
    if (Config.nHsmcDaughterId != 0)
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, Config.nHsmcDaughterId,
                                          ReadRecordText(Config.szHSMCPrefixName), "",
                                          HsmcVoltageIoStandard(Config.nHsmcVoltage));
}

std::vector<CardChoice> JorvaleCardChoices(const JORVALE_CONFIG& config)
{
    return {ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC, true, HsmcVoltageClass(config.nHsmcVoltage))};
}

bool GenerateJorvaleProject(const JORVALE_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(JorvaleCardChoices(Config))) return false;
    JORVALE_CONFIG request = Config;
    TMainBoard board;
    BuildJorvaleProjectBoard(board, request);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/cyclone5_max10/CONFIG_Tamblin.h"

#include <cstring>

#include "boards/cyclone5_max10/BBB_PinOut.h"
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

constexpr uint8_t V1_5 = 0;           // "1.5 V"
constexpr uint8_t V1_8 = 3;           // "1.8 V"
constexpr uint8_t V2_5 = 6;           // "2.5 V"
constexpr uint8_t LVTTL = 8;          // "3.3-V LVTTL"
constexpr uint8_t DIFF_SSTL15_I = 12; // "Differential 1.5-V SSTL Class I"
constexpr uint8_t LVDS = 21;          // "LVDS"
constexpr uint8_t SSTL15_I = 29;      // "SSTL-15 Class I"
constexpr uint8_t V1_2 = 40;          // "1.2 V"
constexpr uint8_t SCHMITT_1_5 = 47;   // "1.5 V Schmitt Trigger"

constexpr BoardPinRow kClock[] = {
    {"ADC_CLK_10", in, V2_5, "M9", ClockText("10.0 MHz")},
    {"MAX10_CLK1_50", in, V2_5, "M8", ClockText("50.0 MHz")},
    {"MAX10_CLK2_50", in, LVTTL, "P11", ClockText("50.0 MHz")},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..1]", in, SCHMITT_1_5, "H21 H22"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, V1_2, "C7 C8 A6 B7 C4 A5 B4 C5"},
};

constexpr BoardPinRow kCapSense[] = {
    {"CAP_SENSE_I2C_SCL, CAP_SENSE_I2C_SDA", inout, LVTTL, "AB2 AB3"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUDIO_BCLK", inout, V1_5, "R14"},
    {"AUDIO_DIN_MFP1", out, V1_5, "P15"},
    {"AUDIO_DOUT_MFP2", in, V1_5, "P18"},
    {"AUDIO_GPIO_MFP5", inout, V1_5, "M22"},
    {"AUDIO_MCLK", out, V1_5, "P14"},
    {"AUDIO_MISO_MFP4", in, V1_5, "N21"},
    {"AUDIO_RESET_n", inout, V1_5, "M21"},
    {"AUDIO_SCLK_MFP3", out, V1_5, "P19"},
    {"AUDIO_SCL_SS_n", out, V1_5, "P20"},
    {"AUDIO_SDA_MOSI", inout, V1_5, "P21"},
    {"AUDIO_SPI_SELECT", out, V1_5, "N22"},
    {"AUDIO_WCLK", inout, V1_5, "R15"},
};

// The DDR3 pins that revision C moved, in revisions A and B and in revision C.
struct Ddr3Moved {
    const char* address;
    const char* bank0;
    const char* chipSelect;
    const char* odt;
};
constexpr Ddr3Moved kDdr3RevisionAB{"E21 V20 V21 F18 Y21 J14 V18 U20 Y20 W22 C22 Y22 N18 V22 W20", "E19", "F20", "F21"};
constexpr Ddr3Moved kDdr3RevisionC{"E21 V20 V21 C20 Y21 J14 V18 U20 Y20 W22 C22 Y22 N18 V22 W20", "D19", "F22", "G22"};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_DATA[0..3]", inout, LVTTL, "P12 V4 V5 P10"},
    {"FLASH_DCLK, FLASH_NCSO, FLASH_RESET_n", out, LVTTL, "R12 R10 W10"},
};

// Revisions A and B only.
constexpr BoardPinRow kGSensorPowerPins[] = {
    {"GSENSOR_PD, GSENSOR_ST", out, LVTTL, "AB5 AA5"},
};

constexpr BoardPinRow kGSensor[] = {
    {"G_SENSOR_CS_n", out, V1_2, "E9"},
    {"G_SENSOR_SCLK", inout, V1_2, "B5"},
    {"G_SENSOR_INT1", in, V1_2, "E8"},
    {"G_SENSOR_SDO", inout, V1_2, "D5"},
    {"G_SENSOR_INT2", in, V1_2, "D7"},
    {"G_SENSOR_SDI", inout, V1_2, "C6"},
};

constexpr BoardPinRow kHdmiControl[] = {
    {"HDMI_I2C_SCL, HDMI_I2C_SDA", inout, V1_8, "C10 B15"},
    {"HDMI_I2S[0..3]", inout, V1_8, "A9 A11 A8 B8"},
    {"HDMI_LRCLK, HDMI_MCLK, HDMI_SCLK", inout, V1_8, "A10 A7 D12"},
};

constexpr BoardPinRow kHdmiData[] = {
    {"HDMI_TX_D[0..23]", out, V1_8,
     "C18 D17 C17 C19 D14 B19 D13 A19 C14 A17 B16 C15 A14 A15 A12 A16 A13 C16 C12 B17 B12 B14 A18 C13"},
    {"HDMI_TX_DE, HDMI_TX_HS", out, V1_8, "C9 B11"},
    {"HDMI_TX_INT", in, V1_8, "B10"},
    {"HDMI_TX_VS", out, V1_8, "C11"},
};

constexpr BoardPinRow kLightSensor[] = {
    {"LIGHT_I2C_SCL", out, LVTTL, "Y8"},
    {"LIGHT_I2C_SDA", inout, LVTTL, "AA8"},
    {"LIGHT_INT", inout, LVTTL, "AA9"},
};

constexpr BoardPinRow kMipi[] = {
    {"MIPI_CORE_EN, MIPI_I2C_SCL", out, V2_5, "V3 M1"},
    {"MIPI_I2C_SDA", inout, V2_5, "M2"},
    {"MIPI_LP_MC_n, MIPI_LP_MC_p", in, V1_2, "E10 E11"},
    {"MIPI_LP_MD_n[0..3]", in, V1_2, "A3 C2 B2 A2"},
    {"MIPI_LP_MD_p[0..3]", in, V1_2, "A4 C3 B1 B3"},
    {"MIPI_MCLK", out, V2_5, "U3"},
    {"MIPI_MC_p", in, LVDS, "N5"},
    {"MIPI_MD_p[0..3]", in, LVDS, "R2 N1 T2 N2"},
    {"MIPI_RESET_n, MIPI_WP", out, V2_5, "T3 U1"},
};

constexpr BoardPinRow kEthernet[] = {
    {"NET_COL, NET_CRS", in, V2_5, "R4 P5"},
    {"NET_MDC", out, V2_5, "R5"},
    {"NET_MDIO", inout, V2_5, "N8"},
    {"NET_PCF_EN", out, LVTTL, "V9"},
    {"NET_RESET_n", out, V2_5, "R3"},
    {"NET_RXD[0..3]", in, V2_5, "U5 U4 R7 P8"},
    {"NET_RX_CLK", in, V2_5, "T6", ClockText("25.0 MHz")},
    {"NET_RX_DV, NET_RX_ER", in, V2_5, "P4 V1"},
    {"NET_TXD[0..3]", out, V2_5, "U2 W1 N9 W2"},
    {"NET_TX_CLK", in, V2_5, "T5", ClockText("25.0 MHz")},
    {"NET_TX_EN", out, V2_5, "P3"},
};

constexpr BoardPinRow kPowerMonitor[] = {
    {"PMONITOR_ALERT", in, LVTTL, "Y4"},
    {"PMONITOR_I2C_SCL", out, LVTTL, "Y3"},
    {"PMONITOR_I2C_SDA", inout, LVTTL, "Y1"},
};

constexpr BoardPinRow kHumiditySensor[] = {
    {"RH_TEMP_DRDY_n", in, LVTTL, "AB9"},
    {"RH_TEMP_I2C_SCL", out, LVTTL, "Y10"},
    {"RH_TEMP_I2C_SDA", inout, LVTTL, "AA10"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CLK", out, V1_5, "T20"},
    {"SD_CMD", inout, V1_5, "T21"},
    {"SD_CMD_DIR, SD_D0_DIR", out, V1_5, "U22 T22"},
    {"SD_D123_DIR", inout, V1_5, "U21"},
    {"SD_DAT[0..3]", inout, V1_5, "R18 T18 T19 R20"},
    {"SD_FB_CLK", in, V1_5, "R22"},
    {"SD_SEL", out, LVTTL, "P13"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..1]", in, SCHMITT_1_5, "J21 J22"},
};

constexpr BoardPinRow kTempSensor[] = {
    {"TEMP_CS_n, TEMP_SC", out, LVTTL, "AB4 AA1"},
    {"TEMP_SIO", inout, LVTTL, "Y2"},
};

constexpr BoardPinRow kUsb[] = {
    {"USB_CLKIN", in, V1_2, "H11", ClockText("60.0 MHz")},
    {"USB_CS", out, V1_8, "J11"},
    {"USB_DATA[0..7]", inout, V1_8, "E12 E13 H13 E14 H14 D15 E15 F15"},
    {"USB_DIR", in, V1_8, "J13"},
    {"USB_FAULT_n", in, V1_2, "D8"},
    {"USB_NXT", in, V1_8, "H12"},
    {"USB_RESET_n, USB_STP", out, V1_8, "E16 J12"},
};

// The two BBB headers, positions 1 to 46; nullptr where the position has no FPGA pin.
constexpr const char* kBbbLocations[2][BBB_HEADER_POSITIONS] = {
    {
        nullptr, nullptr, "W18", "Y18", "Y19", "AA17", "AA20", "AA19", "AB21", "AB20", "AB19", "Y16", "V16", "AB18", "V15", "W17", "AB17", "AA16", "AB16", "W16",  // P8 1-20
        "AB15", "W15", "Y14", "AA15", "AB14", "AA14", "AB13", "AA13", "AB12", "AA12", "AB11", "AA11", "AB10", "Y13", "Y11", "W13", "W12", "W11", "V12", "V11",  // P8 21-40
        "V13", "V14", "Y17", "W14", "U15", "R13",  // P8 41-46
    },
    {
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "Y5", "Y6", "W6", "W7", "W8", "V8", "AB8", "V7", "R11", "AB7",  // P9 1-20
        "AB6", "AA7", "AA6", "Y7", "V10", "U7", "W9", "W5", "R9", "W4", "P9", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // P9 21-40
        "V17", "W3", nullptr, nullptr, nullptr, nullptr,  // P9 41-46
    },
};

constexpr BoardPinRow kBbbButtons[] = {
    {"BBB_PWR_BUT, BBB_SYS_RESET_n", in, LVTTL, "U6 AA2"},
};

// Revision C is the board's current one: every value but A's and B's stands for it.
bool BeforeRevisionC(int32_t revision) { return revision == TAMBLIN_REVISION_A || revision == TAMBLIN_REVISION_B; }

// The header mode of a list entry; an entry beyond the list counts as the last mode.
int32_t BbbHeaderMode(uint8_t index)
{
    return index < kBbbHeaderModeCount ? BbbHeaderModes[index].mode : BBB_MODE_7;
}

// One located header position as a pin of the group, or nothing where the mode leaves it
// without a signal.
void AddBbbPin(TConnector& group, int32_t mode, uint8_t header, int32_t position, int32_t& defaultIndex)
{
    const char* location = kBbbLocations[header][position - 1];
    if (!location) return;
    std::string name;
    int32_t direction = DIRECTION_INOUT;
    int32_t ioStandard = LVTTL;
    if (mode == BBB_MODE_DEFAULT) {
        name = platform::Format("GPIO%d_D[%d]", header, defaultIndex++);
    } else if (!GetBbbPin(static_cast<uint8_t>(mode), header, position, name, direction, ioStandard) || name.empty()) {
        return;
    }
    const BoardPinRow row{name.c_str(), static_cast<uint8_t>(direction), static_cast<uint8_t>(ioStandard), location};
    AddBoardPins(group, {&row, 1});
}

void AddBbbGroup(TMainBoard& board, uint8_t headerIndex)
{
    const int32_t mode = BbbHeaderMode(headerIndex);
    TConnector* group = AddBoardGroup(board, "BBB Conector", {});
    for (uint8_t header : {BBB_HEADER_P8, BBB_HEADER_P9}) {
        int32_t defaultIndex = 0;
        for (int32_t position = 1; position <= BBB_HEADER_POSITIONS; ++position)
            AddBbbPin(*group, mode, header, position, defaultIndex);
    }
    AddBoardPins(*group, kBbbButtons);
}

}  // namespace

void DefaultConfig(TAMBLIN_CONFIG& Config)
{
    std::memset(&Config, 0, sizeof Config);
    Config.BoardId = MAINBOARD_Tamblin;
    Config.Size = sizeof(TAMBLIN_CONFIG);
    WriteRecordText(Config.szProjectName, "Tamblin");
    // The feature bytes lie side by side, CLOCK to Power Monitor.
    std::memset(&Config.bClock, 1, offsetof(TAMBLIN_CONFIG, bPowerMonitor) - offsetof(TAMBLIN_CONFIG, bClock) + 1);
    Config.bMipi = 0;
    Config.bDdr3 = 0;
    Config.bSmaAdc = 0;
    Config.nBoardRevision = TAMBLIN_REVISION_C;
}

void BuildMainBoard_Tamblin(TMainBoard* board, const TAMBLIN_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Tamblin);
    PW_CHECK(Config.Size == sizeof(TAMBLIN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C6GES";
    board->m_Package = "FBGA";
    board->m_DevicePinCount = 484;
    board->m_SpeedGradeText = "6";

    const bool beforeC = BeforeRevisionC(Config.nBoardRevision);
    const bool revisionA = Config.nBoardRevision == TAMBLIN_REVISION_A;

    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bCapButton) AddBoardGroup(*board, "CapSense Button", kCapSense);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bDdr3) {
        const Ddr3Moved& moved = beforeC ? kDdr3RevisionAB : kDdr3RevisionC;
        const BoardPinRow ddr3[] = {
            {"DDR3_A[0..14]", out, SSTL15_I, moved.address},
            {"DDR3_BA[0]", out, SSTL15_I, moved.bank0},
            {"DDR3_BA[1], DDR3_BA[2]", out, SSTL15_I, "W19 F19"},
            {"DDR3_CAS_n, DDR3_CKE", out, SSTL15_I, "E20 B22"},
            {"DDR3_CK_n, DDR3_CK_p", inout, DIFF_SSTL15_I, "E18 D18"},
            {"DDR3_CLK_50", in, V1_5, "N15"},
            {"DDR3_CS_n", out, SSTL15_I, moved.chipSelect},
            {"DDR3_DM[0..1]", out, SSTL15_I, "N19 J15"},
            {"DDR3_DQ[0..15]", inout, SSTL15_I, "L20 L19 L18 M15 M18 M14 M20 N20 K19 K18 J18 K20 H18 J20 H20 H19"},
            {"DDR3_DQS_n[0..1]", inout, DIFF_SSTL15_I, ""},
            {"DDR3_DQS_p[0..1]", inout, DIFF_SSTL15_I, "L14 K14"},
            {"DDR3_ODT", out, SSTL15_I, moved.odt},
            {"DDR3_RAS_n, DDR3_RESET_n, DDR3_WE_n", out, SSTL15_I, "D22 U19 E22"},
        };
        AddBoardGroup(*board, "SDRAM", ddr3);
    }
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);
    if (Config.bGSensor) {
        std::span<const BoardPinRow> powerPins;
        if (beforeC) powerPins = kGSensorPowerPins;
        TConnector* group = AddBoardGroup(*board, "G-Sensor", powerPins);
        AddBoardPins(*group, kGSensor);
    }
    if (Config.bHdmiTx) {
        TConnector* group = AddBoardGroup(*board, "HDMI-TX", kHdmiControl);
        const BoardPinRow clock[] = {revisionA ? BoardPinRow{"HDMI_TX_CLK", out, V1_2, "D6"}
                                               : BoardPinRow{"HDMI_TX_CLK", out, V1_8, "A20"}};
        AddBoardPins(*group, clock);
        AddBoardPins(*group, kHdmiData);
    }
    if (Config.bLightSensor) AddBoardGroup(*board, "Light Sensor", kLightSensor);
    if (Config.bMipi) AddBoardGroup(*board, "MIPI", kMipi);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet", kEthernet);
    if (Config.bPowerMonitor) AddBoardGroup(*board, "Power Monitor", kPowerMonitor);
    if (Config.bHumiditySensor) AddBoardGroup(*board, "Humidity and Temperature Sensor", kHumiditySensor);
    if (Config.bSdCard) AddBoardGroup(*board, "MicroSD Card", kSdCard);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bTempSensor) AddBoardGroup(*board, "Board Temperature Sensor", kTempSensor);
    if (Config.bUsb) AddBoardGroup(*board, "USB", kUsb);
    if (Config.nBbbHeaderIndex != 0) AddBbbGroup(*board, Config.nBbbHeaderIndex);
}

void BuildTamblinProjectBoard(TMainBoard& board, const TAMBLIN_CONFIG& config)
{
    TAMBLIN_CONFIG Config = config;
    // The form shows a header choice outside its list as "None".
    if (Config.nBbbHeaderIndex >= kBbbHeaderModeCount) Config.nBbbHeaderIndex = 0;
    BuildMainBoard_Tamblin(&board, Config);
}

bool GenerateTamblinProject(const TAMBLIN_CONFIG& Config, const std::string& projectFile)
{
    TMainBoard board;
    BuildTamblinProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

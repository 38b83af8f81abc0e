#include "boards/cyclone5_max10/CONFIG_Lumbrae.h"

#include <cstring>

#include "boards/cyclone5_max10/KestwinFamily.h"
#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;      // "3.3-V LVTTL"
constexpr uint8_t SSTL15_I = 29;  // "SSTL-15 Class I"

constexpr BoardPinRow kHdmi[] = {
    {"HDMI_I2C_SCL", inout, LVTTL, "U10"},
    {"HDMI_I2C_SDA", inout, LVTTL, "AA4"},
    {"HDMI_I2S", inout, LVTTL, "T13"},
    {"HDMI_LRCLK", inout, LVTTL, "T11"},
    {"HDMI_MCLK", inout, LVTTL, "U11"},
    {"HDMI_SCLK", inout, LVTTL, "T12"},
    {"HDMI_TX_CLK", out, LVTTL, "AG5"},
    {"HDMI_TX_D[0..23]", out, LVTTL, "AD12 AE12 W8 Y8 AD11 AD10 AE11 Y5 AF10 Y4 AE9 AB4 AE7 AF6 AF8 AF5 AE4 AH2 AH4 AH5 AH6 AG6 AF9 AE8"},
    {"HDMI_TX_DE", out, LVTTL, "AD19"},
    {"HDMI_TX_HS", out, LVTTL, "T8"},
    {"HDMI_TX_INT", in, LVTTL, "AF11"},
    {"HDMI_TX_VS", out, LVTTL, "V13"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, LVTTL, "Y24 W24 W21 W20"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "V12", "E8", "W12", "D11", "D8", "AH13", "AF7", "AH14", "AF4", "AH3", nullptr, nullptr, "AD5", "AG14", "AE23", "AE6", "AD23", "AE24", "D12", "AD20",  // 1-20
    "C12", "AD17", "AC23", "AC22", "Y19", "AB23", "AA19", "W11", nullptr, nullptr, "AA18", "W14", "Y18", "Y17", "AB25", "AB26", "Y11", "AA26", "AA13", "AA11",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "Y15", "AC24", "AA15", "AD26", "AG28", "AF28", "AE25", "AF27", "AG26", "AH27", nullptr, nullptr, "AG25", "AH26", "AH24", "AF25", "AG23", "AF23", "AG24", "AH22",  // 1-20
    "AH21", "AG21", "AH23", "AA20", "AF22", "AE22", "AG20", "AF21", nullptr, nullptr, "AG19", "AH19", "AG18", "AH18", "AF18", "AF20", "AG15", "AE20", "AE19", "AE17",  // 21-40
};

constexpr KestwinFamilyData kLumbrae{
    .device = "5CSEBA6U23I7",
    .devicePinCount = 672,
    .speedGrade = "7",
    .sw = kSwitch,
    .hdmi = kHdmi,
    .rzqStd = SSTL15_I,
    .gpio0 = kGpio0Locations,
    .gpio1 = kGpio1Locations,
};

}  // namespace

void DefaultConfig(LUMBRAE_CONFIG& Config)
{
    std::memset(&Config, 0, sizeof Config);
    Config.BoardId = MAINBOARD_Lumbrae;
    Config.Size = sizeof(LUMBRAE_CONFIG);
    WriteRecordText(Config.szProjectName, "Lumbrae");
    for (uint8_t* group : {&Config.bClock, &Config.bLed, &Config.bButton, &Config.bSwitch, &Config.bAdc, &Config.bArduino,
                           &Config.bHdmiTx})
        *group = 1;
}

LUMBRAE_CONFIG DefaultLumbraeConfig()
{
    LUMBRAE_CONFIG config;
    DefaultConfig(config);
    return config;
}

void BuildMainBoard_Lumbrae(TMainBoard* board, const LUMBRAE_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Lumbrae);
    PW_CHECK(Config.Size == sizeof(LUMBRAE_CONFIG));
    BuildKestwinFamilyBoard(*board, kLumbrae,
                            {.clock = Config.bClock != 0,
                             .led = Config.bLed != 0,
                             .button = Config.bButton != 0,
                             .sw = Config.bSwitch != 0,
                             .adc = Config.bAdc != 0,
                             .hps = Config.bHps != 0,
                             .arduino = Config.bArduino != 0,
                             .hdmi = Config.bHdmiTx != 0,
                             .cards = {Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1]}});
}

void BuildLumbraeProjectBoard(TMainBoard& board, const LUMBRAE_CONFIG& Config)
{
    BuildKestwinFamilyProjectBoard(board, Config, &BuildMainBoard_Lumbrae);
}

std::vector<CardChoice> LumbraeCardChoices(const LUMBRAE_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO40);
}

bool GenerateLumbraeProject(const LUMBRAE_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(LumbraeCardChoices(Config))) return false;
    TMainBoard board;
    BuildLumbraeProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

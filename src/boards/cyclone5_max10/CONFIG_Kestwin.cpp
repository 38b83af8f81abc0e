#include "boards/cyclone5_max10/CONFIG_Kestwin.h"

#include <cstring>

#include "boards/cyclone5_max10/KestwinFamily.h"
#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL"
constexpr uint8_t V1_5 = 0;   // "1.5 V"

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, LVTTL, "L10 L9 H6 H5"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "V12", "AF7", "W12", "AF8", "Y8", "AB4", "W8", "Y4", "Y5", "U11", nullptr, nullptr, "T8", "T12", "AH5", "AH6", "AH4", "AG5", "AH3", "AH2",  // 1-20
    "AF4", "AG6", "AF5", "AE4", "T13", "T11", "AE7", "AF6", nullptr, nullptr, "AF9", "AE8", "AD10", "AE9", "AD11", "AF10", "AD12", "AE11", "AF11", "AE12",  // 21-40
};
constexpr const char* kGpio1Locations[40] = {
    "Y15", "AG28", "AA15", "AH27", "AG26", "AH24", "AF23", "AE22", "AF21", "AG20", nullptr, nullptr, "AG19", "AF20", "AC23", "AG18", "AH26", "AA19", "AG24", "AF25",  // 1-20
    "AH23", "AG23", "AE19", "AF18", "AD19", "AE20", "AE24", "AD20", nullptr, nullptr, "AF22", "AH22", "AH19", "AH21", "AG21", "AH18", "AD23", "AE23", "AA18", "AC22",  // 21-40
};

constexpr KestwinFamilyData kKestwin{
    .device = "5CSEMA4U23C6",
    .devicePinCount = 896,
    .speedGrade = "6",
    .sw = kSwitch,
    .hdmi = {},
    .rzqStd = V1_5,
    .gpio0 = kGpio0Locations,
    .gpio1 = kGpio1Locations,
};

}  // namespace

void DefaultConfig(KESTWIN_CONFIG& Config)
{
    std::memset(&Config, 0, sizeof Config);
    Config.BoardId = MAINBOARD_Kestwin;
    Config.Size = sizeof(KESTWIN_CONFIG);
    WriteRecordText(Config.szProjectName, "Kestwin");
    for (uint8_t* group : {&Config.bClock, &Config.bLed, &Config.bButton, &Config.bSwitch, &Config.bAdc, &Config.bArduino})
        *group = 1;
}

KESTWIN_CONFIG DefaultKestwinConfig()
{
    KESTWIN_CONFIG config;
    DefaultConfig(config);
    return config;
}

void BuildMainBoard_Kestwin(TMainBoard* board, const KESTWIN_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Kestwin);
    PW_CHECK(Config.Size == sizeof(KESTWIN_CONFIG));
    BuildKestwinFamilyBoard(*board, kKestwin,
                            {.clock = Config.bClock != 0,
                             .led = Config.bLed != 0,
                             .button = Config.bButton != 0,
                             .sw = Config.bSwitch != 0,
                             .adc = Config.bAdc != 0,
                             .hps = Config.bHps != 0,
                             .arduino = Config.bArduino != 0,
                             .hdmi = false,
                             .cards = {Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1]}});
}

void BuildKestwinProjectBoard(TMainBoard& board, const KESTWIN_CONFIG& Config)
{
    BuildKestwinFamilyProjectBoard(board, Config, &BuildMainBoard_Kestwin);
}

std::vector<CardChoice> KestwinCardChoices(const KESTWIN_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO40);
}

bool GenerateKestwinProject(const KESTWIN_CONFIG& Config, const std::string& projectFile)
{
    if (!CheckCardChoices(KestwinCardChoices(Config))) return false;
    TMainBoard board;
    BuildKestwinProjectBoard(board, Config);
    return TSystemBuild().Generate(board, projectFile, false);
}

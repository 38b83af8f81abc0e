#include "boards/arria10/CONFIG_DRAVELLE.h"

#include "boards/arria10/ConfigNobrecht.h"
#include "boards/arria10/NobrechtFamily.h"
#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;
using namespace nobrecht;

// The controller of a Si5340 takes its start, reset and clock from BUTTON[0], CPU_RESET_n
// and CLK_50_B2J.
constexpr BoardPinRow kControllerKey[] = {{"BUTTON[0]", in, V12, "AJ13"}};
constexpr BoardPinRow kOtherButtons[] = {{"BUTTON[1..3]", in, V12, "AE13 AV16 AR9"}};
constexpr BoardPinRow kReset[] = {{"CPU_RESET_n", in, V18, "AP24"}};

constexpr BoardPinRow kSwitch[] = {{"SW[0..1]", in, V12, "AY28 AM27"}};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_D[0..5]", out, V12, "AW8 ?*5"},
    {"HEX0_D[6]", out, V18, "?"},
    {"HEX0_DP", out, V18, "AG9"},
    {"HEX1_D[0..6]", out, V12, "AM32 ?*6"},
    {"HEX1_DP", out, V12, "BC28"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_I2C_SCL", out, V12, "AJ33"},
    {"FAN_I2C_SDA", inout, V12, "AL32"},
    {"FAN_ALERT_n", in, V12, "AL31"},
};

constexpr MemorySocketKind kDdr4Socket = {
    "DDR4 SODIMM", CONNECTOR_DDR4_SODIMM,
    "1-2, 5-6, 9-10, 14-15, 18-19, 22-23, 26-27, 30-31, 35-36, 39-40, 43-44, 47-48, 51-52, 56-57, 60-61, 64-65, "
    "68-69, 72-73, 77-78, 81-82, 85-107, 111-112, 117-118, 123-124, 129-130, 135-136, 141-142, 147-148, 153-154, "
    "159-160, 162-168, 171-172, 175-176, 180-181, 184-185, 188-189, 192-193, 196-197, 201-202, 205-206, 209-210, "
    "213-214, 217-218, 222-223, 226-227, 230-231, 234-235, 238-239, 243-244, 247-248, 251-252, 255-260"};
constexpr MemorySocket kSocketA = {"DDR4 SODIMM_A", 27, "AH33", "DDR4A_REFCLK_p", "AV33"};
constexpr MemorySocket kSocketB = {"DDR4 SODIMM_B", 28, "AR18", "DDR4B_REFCLK_p", "AP14"};

constexpr BoardPinRow kRzq[] = {{"RZQ_DDR4_A, RZQ_DDR4_B", in, V12, "AU28 BB15"}};

constexpr BoardPinRow kSi5340A[] = {
    {"SI5340A_I2C_SCL", out, V18, "AF11"},
    {"SI5340A_I2C_SDA", inout, V18, "AE11"},
    {"SI5340A_INTR", in, V18, "AM6"},
    {"SI5340A_OE_n, SI5340A_RST_n", out, V18, "AJ10 AN6"},
};

constexpr BoardPinRow kSi5340B[] = {
    {"SI5340B_I2C_SCL", out, V18, "G37"},
    {"SI5340B_I2C_SDA", inout, V18, "H31"},
    {"SI5340B_INTR", in, V18, "G32"},
    {"SI5340B_OE_n, SI5340B_RST_n", out, V18, "BD24 G38"},
};

constexpr BoardPinRow kTps40428[] = {
    {"TPS40428_CLK", out, V18, "A24"},
    {"TPS40428_DATA", inout, V18, "A25"},
    {"TPS40428_ALERT", in, V18, "V36"},
};

constexpr BoardPinRow kRs422[] = {
    {"RS422_DOUT", out, V18, "W14"},
    {"RS422_DIN", in, V18, "AM9"},
    {"RS422_DE, RS422_RE_n, RJ45_LED_L, RJ45_LED_R", out, V18, "AN8 AD9 AJ11 Y14"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_I2C_SCL", out, V12, "AW11"},
    {"TEMP_I2C_SDA", inout, V12, "AY12"},
    {"TEMP_INT_n, TEMP_OVERT_n", in, V12, "AU12 AT14"},
};

constexpr BoardPinRow kPower[] = {
    {"POWER_MONITOR_I2C_SCL", out, V18, "AT26"},
    {"POWER_MONITOR_I2C_SDA", inout, V18, "AP25"},
    {"POWER_MONITOR_ALERT", in, V18, "BD23"},
};

}  // namespace

void BuildMainBoard_Dravelle(TMainBoard* board, TConfigDravelle* settings)
{
    const DRAVELLE_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Dravelle);
    PW_CHECK(Config.Size == sizeof(TConfigDravelle::DRAVELLE_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Arria 10";
    board->m_Device = "10AX115N2F45E1SG";
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "E1";

    // The Si5340 controllers need their clock, reset and start whatever the boxes say.
    const bool si5340 = settings->IsSi5340AUsed() || settings->IsSi5340BUsed();

    if (Config.bOSC)
        AddBoardGroup(*board, "CLOCK", InOrder(kClockRows, {5, 0, 1, 2, 3, 4, 6}));
    else if (si5340)
        AddBoardGroup(*board, "CLOCK", InOrder(kClockRows, {0}));
    if (Config.bButton || si5340) {
        TConnector* key = AddBoardGroup(*board, "KEY", kControllerKey);
        if (Config.bButton) AddBoardPins(*key, kOtherButtons);
        AddBoardPins(*key, kReset);
    }
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLED) AddBoardPins(*AddBoardGroup(*board, "LED", kLedBracketRows), kLedRows);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bFan) AddBoardGroup(*board, "FAN", kFan);
    if (Config.bFlash) AddBoardGroup(*board, "FLASH", InOrder(kFlashRows, {3, 0, 4, 2, 8, 5, 1, 7, 6}));
    const double ddrMHz = ChoiceMHz(&TConfigDravelle::Si5340BDdrFrequency, Config.nSi5340B[0]);
    if (Config.bDDR4_0) AddMemorySocket(*board, kDdr4Socket, kSocketA, ddrMHz);
    if (Config.bDDR4_1) AddMemorySocket(*board, kDdr4Socket, kSocketB, ddrMHz);
    const uint8_t qdr[4] = {Config.bQdrA, Config.bQdrB, Config.bQdrC, Config.bQdrD};
    const double qdrMHz = ChoiceMHz(&TConfigNobrecht::Si5340BQdrFrequency, Config.nSi5340B[1]);
    for (int port = 0; port < 4; ++port)
        if (qdr[port]) AddQdrGroup(*board, port, kQdrClockFirst, qdrMHz);
    if (Config.bDDR4_0 || Config.bDDR4_1 || Config.bQdrA || Config.bQdrB || Config.bQdrC || Config.bQdrD)
        AddBoardPins(*AddBoardGroup(*board, "RZQ", kRzq), kRzqQdrRows);
    if (settings->IsSi5340AUsed()) AddBoardGroup(*board, "SI5340A", kSi5340A);
    if (settings->IsSi5340BUsed()) AddBoardGroup(*board, "SI5340B", kSi5340B);
    if (Config.bTPS40428) AddBoardGroup(*board, "TPS40428", kTps40428);
    if (Config.bRs422) AddBoardGroup(*board, "RS422", kRs422);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bPower) AddBoardGroup(*board, "POWER Monitor", kPower);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIE", InOrder(kPcieRows, {3, 4, 1, 5, 2, 0, 6}));
    if (Config.bPceiClk && Config.nSi5340B[2] != 0) AddBoardGroup(*board, "PCIe On-Board Ref Clock", kPcieRefClockRows);
    const uint8_t qsfp[4] = {Config.bQsfpA, Config.bQsfpB, Config.bQsfpC, Config.bQsfpD};
    for (int port = 0; port < 4; ++port)
        if (qsfp[port])
            AddQsfpGroup(*board, port, kQsfpClockFirst, ChoiceMHz(&TConfigNobrecht::Si5340AFrequency, Config.nSi5340A[port]));
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSmaRows);
}

void BuildDravelleProjectBoard(TMainBoard& board, TConfigDravelle& settings)
{
    BuildMainBoard_Dravelle(&board, &settings);
    // "1.2 V" for the side-band and address pins; no ECC lanes.
    if (settings.Config.bDDR4_0) board.AttachDdr4Sodimm(27, "DDR4A_", 1, V12, V12, 0);
    if (settings.Config.bDDR4_1) board.AttachDdr4Sodimm(28, "DDR4B_", 1, V12, V12, 0);
}

bool GenerateDravelleProject(TConfigDravelle& settings, const std::string& projectFile)
{
    TMainBoard board;
    BuildDravelleProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, false);
}

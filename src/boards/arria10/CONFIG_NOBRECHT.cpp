#include "boards/arria10/CONFIG_NOBRECHT.h"

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

// The parts of the board's device list, by BoardVariant.
constexpr const char* kDevices[] = {"10AX115N3F45I2SG", "10AX115N3F45E2SG", "10AX115N2F45E1SG", "10AX090N3F45I2SG"};

// The controller of a Si5340 takes its start, reset and clock from these three pins.
constexpr BoardPinRow kControllerKey[] = {{"BUTTON[0]", in, V15, "AJ13"}};
constexpr BoardPinRow kOtherButtons[] = {{"BUTTON[1..3]", in, V15, "AE13 AV16 AR9"}};
constexpr BoardPinRow kReset[] = {{"CPU_RESET_n", in, V18, "AP24"}};

constexpr BoardPinRow kSwitch[] = {{"SW[0..1]", in, V15, "AY28 AM27"}};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_D[0..6]", out, V15, "AV10 ?*6"},
    {"HEX0_DP", out, V15, "AW9"},
    {"HEX1_D[0..6]", out, V15, "AM33 ?*6"},
    {"HEX1_DP", out, V15, "AK31"},
};

constexpr MemorySocketKind kDdr3Socket = {
    "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM,
    "1-3, 8-9, 13-14, 19-20, 25-26, 31-32, 37-38, 43-44, 48-49, 54-55, 60-61, 65-66, 71-72, 75-77, 81-82, 87-88, "
    "93-94, 99-100, 105-106, 111-112, 117-118, 122-128, 133-134, 138-139, 144-145, 150-151, 155-156, 161-162, "
    "167-168, 172-173, 178-179, 184-185, 189-190, 195-197, 199, 201, 203-204"};
constexpr MemorySocket kSocketA = {"DDR3 SODIMM_A", 24, "AH35", "DDR3A_REFCLK_p", "AV33"};
constexpr MemorySocket kSocketB = {"DDR3 SODIMM_B", 25, "AM20", "DDR3B_REFCLK_p", "AP14"};

constexpr BoardPinRow kFan[] = {
    {"FAN_ALERT_n", in, V15, "AL32"},
    {"FAN_I2C_SCL, FAN_I2C_SDA", inout, V15, "AJ33 AK33"},
};

constexpr BoardPinRow kPower[] = {
    {"POWER_MONITOR_ALERT", in, V18, "BD23"},
    {"POWER_MONITOR_I2C_SCL, POWER_MONITOR_I2C_SDA", inout, V18, "AT26 AP25"},
};

constexpr QdrPin kQdrOrder[] = {QdrPin::A,    QdrPin::BWS_n, QdrPin::CQ_n,     QdrPin::CQ_p,  QdrPin::D,
                                QdrPin::DOFF_n, QdrPin::K_n, QdrPin::K_p,      QdrPin::ODT,   QdrPin::Q,
                                QdrPin::QVLD, QdrPin::REFCLK_p, QdrPin::RPS_n, QdrPin::WPS_n};
constexpr QsfpPin kQsfpOrder[] = {QsfpPin::INTERRUPT_n, QsfpPin::LP_MODE, QsfpPin::MOD_PRS_n, QsfpPin::MOD_SEL_n,
                                  QsfpPin::REFCLK_p,    QsfpPin::RST_n,   QsfpPin::RX_p,      QsfpPin::SCL,
                                  QsfpPin::SDA,         QsfpPin::TX_p};

constexpr BoardPinRow kRs422[] = {
    {"RS422_DE", out, V18, "Y14"},
    {"RS422_DIN", in, V18, "AM9"},
    {"RS422_DOUT, RS422_RE_n, RJ45_LED_L, RJ45_LED_R", out, V18, "W14 AD9 AE11 AF11"},
};

constexpr BoardPinRow kRzq[] = {
    {"RZQ_DDR3_A, RZQ_DDR3_B", in, V15, "AU28 BB15"},
};

constexpr BoardPinRow kSi5340A[] = {
    {"SI5340A_I2C_SCL, SI5340A_I2C_SDA", inout, V18, "AJ11 AN8"},
    {"SI5340A_INTR", in, V18, "AM6"},
    {"SI5340A_OE_n", out, V18, "AJ10"},
    {"SI5340A_RST_n", out, V18, "AN6"},
};

constexpr BoardPinRow kSi5340B[] = {
    {"SI5340B_I2C_SCL, SI5340B_I2C_SDA", inout, V18, "G37 H31"},
    {"SI5340B_INTR", in, V18, "G32"},
    {"SI5340B_OE_n", out, V15, "AL31"},
    {"SI5340B_RST_n", out, V18, "G38"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_I2C_SCL, TEMP_I2C_SDA", inout, V15, "AU12 AV12"},
    {"TEMP_INT_n, TEMP_OVERT_n", in, V15, "AY12 AW11"},
};

}  // namespace

void BuildMainBoard_Nobrecht(TMainBoard* board, TConfigNobrecht* settings)
{
    const NOBRECHT_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Nobrecht);
    PW_CHECK(Config.Size == sizeof(TConfigNobrecht::NOBRECHT_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Arria 10";
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";
    // A part outside the list is the first one, as the form shows it: nothing from a file
    // reaches a check.
    board->m_Device = kDevices[Config.BoardVariant < std::size(kDevices) ? Config.BoardVariant : 0];

    const bool si5340 = settings->IsSi5340AUsed() || settings->IsSi5340BUsed();

    if (Config.bButton || si5340) {
        TConnector* key = AddBoardGroup(*board, "KEY", kControllerKey);
        if (Config.bButton) AddBoardPins(*key, kOtherButtons);
        AddBoardPins(*key, kReset);
    }
    if (Config.bOSC || si5340) {
        const std::span<const BoardPinRow> clocks = kClockRows;
        TConnector* clock = AddBoardGroup(*board, "CLOCK", clocks.first(1));
        if (Config.bOSC) AddBoardPins(*clock, clocks.subspan(1));
    }
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLED) {
        AddBoardGroup(*board, "LED", kLedRows);
        AddBoardGroup(*board, "LED_BRACKET", kLedBracketRows);
    }
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    const double ddrMHz = ChoiceMHz(&TConfigNobrecht::Si5340BDdrFrequency, Config.nSi5340B[0]);
    if (Config.bDDR3_0) AddMemorySocket(*board, kDdr3Socket, kSocketA, ddrMHz);
    if (Config.bDDR3_1) AddMemorySocket(*board, kDdr3Socket, kSocketB, ddrMHz);
    if (Config.bFan) AddBoardGroup(*board, "FAN", kFan);
    if (Config.bFlash) AddBoardGroup(*board, "FLASH", kFlashRows);
    if (Config.bPceiClk && Config.nSi5340B[2] != 0) AddBoardGroup(*board, "PCIe On-Board Ref Clock", kPcieRefClockRows);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIE", kPcieRows);
    if (Config.bPower) AddBoardGroup(*board, "POWER Monitor", kPower);
    const uint8_t qdr[4] = {Config.bQdrA, Config.bQdrB, Config.bQdrC, Config.bQdrD};
    const double qdrMHz = ChoiceMHz(&TConfigNobrecht::Si5340BQdrFrequency, Config.nSi5340B[1]);
    for (int port = 0; port < 4; ++port)
        if (qdr[port]) AddQdrGroup(*board, port, kQdrOrder, qdrMHz);
    const uint8_t qsfp[4] = {Config.bQsfpA, Config.bQsfpB, Config.bQsfpC, Config.bQsfpD};
    for (int port = 0; port < 4; ++port)
        if (qsfp[port])
            AddQsfpGroup(*board, port, kQsfpOrder, ChoiceMHz(&TConfigNobrecht::Si5340AFrequency, Config.nSi5340A[port]));
    if (Config.bRs422) AddBoardGroup(*board, "RS422", kRs422);
    if (Config.bDDR3_0 || Config.bDDR3_1 || Config.bQdrA || Config.bQdrB || Config.bQdrC || Config.bQdrD)
        AddBoardPins(*AddBoardGroup(*board, "RZQ", kRzq), kRzqQdrRows);
    if (settings->IsSi5340AUsed()) AddBoardGroup(*board, "SI5340A", kSi5340A);
    if (settings->IsSi5340BUsed()) AddBoardGroup(*board, "SI5340B", kSi5340B);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSmaRows);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
}

void BuildNobrechtProjectBoard(TMainBoard& board, TConfigNobrecht& settings)
{
    BuildMainBoard_Nobrecht(&board, &settings);
    // Differential strobes and clock; "1.5 V" for the side-band and address pins.
    if (settings.Config.bDDR3_0) board.AttachDdr3SodimmArria10(24, "DDR3A_", 1, V15, V15);
    if (settings.Config.bDDR3_1) board.AttachDdr3SodimmArria10(25, "DDR3B_", 1, V15, V15);
}

bool GenerateNobrechtProject(TConfigNobrecht& settings, const std::string& projectFile)
{
    TMainBoard board;
    BuildNobrechtProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, false);
}

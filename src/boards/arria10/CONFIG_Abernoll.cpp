#include "boards/arria10/CONFIG_Abernoll.h"

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

constexpr BoardPinRow kClock[] = {
    {"CLK_100_B3D", in, V18, "AJ11", ClockMHz(100)},
    {"CLK_50_B2F", in, V18, "AY31", ClockMHz(50)},  // the Si5340 controllers' clock
    {"CLK_50_B2G", in, V18, "AW35", ClockMHz(50)},
    {"CLK_50_B2H", in, V18, "AP34", ClockMHz(50)},
    {"CLK_50_B3D", in, V18, "AN7", ClockMHz(50)},
    {"CLK_50_B3F", in, V18, "G12", ClockMHz(50)},
    {"CLK_50_B3H", in, V18, "D21", ClockMHz(50)},
    {"CLKUSR_100", in, V18, "AV26", ClockMHz(100)},
};

constexpr BoardPinRow kKey[] = {{"BUTTON[0..3], CPU_RESET_n", in, V18, "AC11 AC12 BA10 AP8 AP24"}};
constexpr BoardPinRow kSwitch[] = {{"SW[0..1]", in, V18, "BD28 AM27"}};
constexpr BoardPinRow kLed[] = {
    {"LED_BRACKET[0..3], LED[0..3]", out, V18, "BB32 AW30 AV30 AM30 T11 R11 N15 M15"},
};
constexpr BoardPinRow kFan[] = {
    {"FAN_I2C_SCL", out, V18, "AJ33"},
    {"FAN_I2C_SDA", inout, V18, "AK33"},
    {"FAN_ALERT_n", in, V18, "AL32"},
};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_CLK", out, V18, "T9"},
    {"FLASH_A[1..26]", out, V18, "U12 ?*25"},
    {"FLASH_D[0..31]", inout, V18, "AA31 ?*31"},
    {"FLASH_CE_n[0..1], FLASH_WE_n", out, V18, "J8 N16 C16"},
    {"FLASH_OE_n", inout, V18, "C17"},
    {"FLASH_ADV_n, FLASH_RESET_n", out, V18, "U10 H7"},
    {"FLASH_RDY_BSY_n[0..1]", in, V18, "H10 N17"},
};

// Per memory, by QdrPin: A, BWS_n, CQ_n, CQ_p, D, DOFF_n, K_n, K_p, ODT, Q, QVLD, REFCLK_p,
// RPS_n, WPS_n.
constexpr QdrLocations kQdr[6] = {
    {"V12 ?*21", "B13 C13", "H13", "J13", "D13 ?*17", "R9", "E12", "F12", "T10", "P13 ?*17", "R12", "L9", "U9", "U8"},
    {"L16 ?*21", "H20 L21", "C23", "D23", "N20 ?*17", "H16", "J21", "K21", "M17", "L22 ?*17", "G22", "N18", "J16",
     "K16"},
    {"D25 ?*21", "W34 AF31", "AC36", "AD36", "AE36 ?*17", "D24", "AF35", "AF34", "B25", "Y36 ?*17", "W35", "G24",
     "E26", "F26"},
    {"Y32 ?*21", "C37 F37", "F35", "G35", "D36 ?*17", "W31", "E32", "F32", "Y33", "N28 ?*17", "P31", "M34", "V33",
     "V32"},
    {"BB9 ?*21", "AM17 AM19", "AV17", "AV16", "BD18 ?*17", "BD11", "AR18", "AP18", "BB13", "AN17 ?*17", "AR17", "AP14",
     "BD10", "BC10"},
    {"AG14 ?*21", "AB10 AB9", "AM7", "AM8", "AJ9 ?*17", "AB12", "AD9", "AE9", "AE14", "AP6 ?*17", "AL9", "AT7", "AB13",
     "AB14"},
};

constexpr BoardPinRow kRzq[] = {
    {"RZQ_QDRII_A, RZQ_QDRII_B, RZQ_QDRII_C, RZQ_QDRII_D, RZQ_QDRII_E, RZQ_QDRII_F", in, V18,
     "L11 F17 L24 K37 AJ14 AR9"},
};

constexpr BoardPinRow kSi5340A[] = {
    {"SI5340A_I2C_SCL", out, V18, "AU27"},
    {"SI5340A_I2C_SDA", inout, V18, "AT27"},
    {"SI5340A_INTR", in, V18, "AW29"},
    {"SI5340A_OE_n, SI5340A_RST_n", out, V18, "AV28 AW28"},
};
constexpr BoardPinRow kSi5340B[] = {
    {"SI5340B_I2C_SCL", out, V18, "G37"},
    {"SI5340B_I2C_SDA", inout, V18, "H31"},
    {"SI5340B_INTR", in, V18, "G32"},
    {"SI5340B_OE_n, SI5340B_RST_n", out, V18, "AL31 G38"},
};
constexpr BoardPinRow kRs422[] = {
    {"RS422_DOUT", out, V18, "BD29"},
    {"RS422_DIN", in, V18, "BC28"},
    {"RS422_DE, RS422_RE_n, RJ45_LED_L, RJ45_LED_R", out, V18, "BD30 BC30 AN27 AR29"},
};
constexpr BoardPinRow kTemperature[] = {
    {"TEMP_I2C_SCL", out, V18, "AU12"},
    {"TEMP_I2C_SDA", inout, V18, "AV12"},
};
constexpr BoardPinRow kPower[] = {
    {"POWER_MONITOR_I2C_SCL", out, V18, "AT26"},
    {"POWER_MONITOR_I2C_SDA", inout, V18, "AP25"},
    {"POWER_MONITOR_ALERT_n", in, V18, "BD23"},
};

// Per port, by QsfpPin: INTERRUPT_n, LP_MODE, MOD_PRS_n, MOD_SEL_n, REFCLK_p, RST_n, RX_p, SCL,
// SDA, TX_p.
constexpr QsfpLocations kQsfp[4] = {
    {"BA30", "BD31", "BB30", "AP30", "AH5", "AU30", "BB5 AY5 BA3 AW3", "BA32", "BC31", "BD5 BC3 BB1 AY1"},
    {"BA27", "BB28", "BC27", "AY29", "AD5", "BA29", "AN3 AL3 AJ3 AG3", "BB29", "AY28", "AP1 AM1 AK1 AH1"},
    {"AT29", "AT30", "AR28", "BB27", "Y5", "BA26", "AA3 W3 U3 R3", "AU29", "AU28", "AB1 Y1 V1 T1"},
    {"AM29", "AN28", "AM28", "AR27", "T5", "AP29", "J3 G3 E3 D5", "AP28", "AN30", "K1 H1 F1 D1"},
};

constexpr BoardPinRow kLtm4677[] = {
    {"LTM4677_ALERT_n", in, V18, "V36"},
    {"LTM4677_SCL", out, V18, "A24"},
    {"LTM4677_SDA", inout, V18, "A25"},
};
constexpr BoardPinRow kGpio[] = {{"GPIO[0..6]", inout, V18, "AT36 ?*6"}};

}  // namespace

void BuildMainBoard_Abernoll(TMainBoard* board, TConfigAbernoll* settings)
{
    const ABERNOLL_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Abernoll);
    PW_CHECK(Config.Size == sizeof(TConfigAbernoll::ABERNOLL_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Arria 10";
    board->m_Device = "10AX115N2F45E1SG";
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";

    // The Si5340 controllers take CLK_50_B2F, CPU_RESET_n and BUTTON[0]; unlike Nobrecht's, this
    // board brings in their whole groups.
    const bool si5340 = settings->IsSi5340AUsed() || settings->IsSi5340BUsed();

    if (Config.bOSC || si5340) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bButton || si5340) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bFan) AddBoardGroup(*board, "FAN", kFan);
    if (Config.bFlash) AddBoardGroup(*board, "FLASH", kFlash);
    // One Si5340B output serves all six memories.
    const uint8_t qdr[6] = {Config.bQdrA, Config.bQdrB, Config.bQdrC, Config.bQdrD, Config.bQdrE, Config.bQdrF};
    const double qdrMHz = LowByteChoiceMHz(&TConfigAbernoll::Si5340BQdrFrequency, Config.nSi5340B_QDRII);
    bool anyQdr = false;
    for (int port = 0; port < 6; ++port) {
        if (!qdr[port]) continue;
        AddQdrGroup(*board, port, kQdrClockFirst, qdrMHz, kQdr[port]);
        anyQdr = true;
    }
    if (anyQdr) AddBoardGroup(*board, "RZQ", kRzq);
    if (settings->IsSi5340AUsed()) AddBoardGroup(*board, "SI5340A", kSi5340A);
    if (settings->IsSi5340BUsed()) AddBoardGroup(*board, "SI5340B", kSi5340B);
    if (Config.bRs422) AddBoardGroup(*board, "RS422", kRs422);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bPower) AddBoardGroup(*board, "POWER Monitor", kPower);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIE", InOrder(kPcieRows, {3, 4, 1, 5, 2, 0, 6}));
    const uint8_t qsfp[4] = {Config.bQsfpA, Config.bQsfpB, Config.bQsfpC, Config.bQsfpD};
    for (int port = 0; port < 4; ++port)
        if (qsfp[port])
            AddQsfpGroup(*board, port, kQsfpClockFirst,
                         LowByteChoiceMHz(&TConfigAbernoll::Si5340AFrequency, Config.nSi5340A[port]), kQsfp[port]);
    if (Config.bLTM4677) AddBoardGroup(*board, "LTM4677", kLtm4677);
    if (Config.bGPIO) AddBoardGroup(*board, "GPIO Expansion Header", kGpio);
}

void BuildAbernollProjectBoard(TMainBoard& board, TConfigAbernoll& settings)
{
    BuildMainBoard_Abernoll(&board, &settings);
}

bool GenerateAbernollProject(TConfigAbernoll& settings, const std::string& projectFile)
{
    TMainBoard board;
    BuildAbernollProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, false);
}

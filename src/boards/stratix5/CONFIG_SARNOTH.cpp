#include "boards/stratix5/CONFIG_SARNOTH.h"

#include <cstring>
#include <vector>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVGroups.h"
#include "cards/CardMap.h"
#include "core/generate/ClockFrequencies.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V15 = 0;        // "1.5 V"
constexpr uint8_t V18 = 3;        // "1.8 V"
constexpr uint8_t V25 = 6;        // "2.5 V"
constexpr uint8_t PCML15 = 36;    // "1.5-V PCML"

// Only the first location of a bus is known; the others are unknown ("?").
constexpr BoardPinRow kClock[] = {
    {"OSC_50_B3B", in, V25, "AW35", ClockPeriod(20)},
    {"OSC_50_B3D", in, V18, "BC28", ClockPeriod(20)},
    {"OSC_50_B4A", in, V18, "AP10", ClockPeriod(20)},
    {"OSC_50_B4D", in, V18, "AY18", ClockPeriod(20)},
    {"OSC_50_B7A", in, V15, "M8", ClockPeriod(20)},
    {"OSC_50_B7D", in, V15, "J18", ClockPeriod(20)},
    {"OSC_50_B8A", in, V15, "R36", ClockPeriod(20)},
    {"OSC_50_B8D", in, V18, "R25", ClockPeriod(20)},
};

// The clock the clock-chip controllers run on, when the whole group is not chosen.
constexpr BoardPinRow kClockForControllers[] = {
    {"OSC_50_B3B", in, V25, "AW35", ClockPeriod(20)},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN", in, V25, "BB33"},
    {"SMA_CLKOUT", out, V25, "AV34"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, V25, "AW37 ?*3"},
    {"LED_BRACKET[0..3]", out, V25, "AH15 ?*3"},
    {"LED_RJ45_L", out, V25, "AG15"},
    {"LED_RJ45_R", out, V25, "AG16"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, V25, "AK15 ?*3"},
    {"CPU_RESET_n", in, V25, "BC37"},
};

constexpr BoardPinRow kCpuReset[] = {
    {"CPU_RESET_n", in, V25, "BC37"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, V18, "B25 ?*3"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_D[0..6]", out, V15, "G8 ?*6"},
    {"HEX0_DP", out, V15, "P8"},
    {"HEX1_D[0..6]", out, V15, "H18 ?*6"},
    {"HEX1_DP", out, V15, "E9"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_CLK", out, V25, "D21"},
    {"TEMP_DATA", inout, V25, "D20"},
    {"TEMP_INT_n", in, V25, "C21"},
    {"TEMP_OVERT_n", in, V25, "C22"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", inout, V25, "AR32"},
};

constexpr BoardPinRow kRs422[] = {
    {"RS422_DE", out, V25, "AG14"},
    {"RS422_DIN", in, V25, "AE18"},
    {"RS422_DOUT", out, V25, "AE17"},
    {"RS422_RE_n", out, V25, "AF17"},
    {"RS422_TE", out, V25, "AF16"},
};

constexpr stratix5::PcieLocations kPcie = {"BB43", "AY39", "AK38", "AU33", "BD35", "BD34", "AT33"};

constexpr BoardPinRow kSharedBus[] = {
    {"FSM_D[0..31]", inout, V25, "AG26 ?*31"},
    {"FSM_A[0..26]", out, V25, "AU32 ?*26"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_ADV_n, FLASH_CE_n[0], FLASH_CE_n[1], FLASH_CLK, FLASH_OE_n", out, V25, "AK29 AE27 BA31 AL29 AY30"},
    {"FLASH_RDY_BSY_n[0], FLASH_RDY_BSY_n[1]", in, V25, "BA29 BB32"},
    {"FLASH_RESET_n, FLASH_WE_n", out, V25, "AE28 AR31"},
};

constexpr BoardPinRow kSataHost0[] = {
    {"SATA_HOST_RX_p[0]", in, PCML15, "K2"},
    {"SATA_HOST_TX_p[0]", out, PCML15, "K6"},
};
constexpr BoardPinRow kSataHost1[] = {
    {"SATA_HOST_RX_p[1]", in, PCML15, "H2"},
    {"SATA_HOST_TX_p[1]", out, PCML15, "H6"},
};
constexpr BoardPinRow kSataDevice0[] = {
    {"SATA_DEVICE_RX_p[0]", in, PCML15, "K43"},
    {"SATA_DEVICE_TX_p[0]", out, PCML15, "K39"},
};
constexpr BoardPinRow kSataDevice1[] = {
    {"SATA_DEVICE_RX_p[1]", in, PCML15, "H43"},
    {"SATA_DEVICE_TX_p[1]", out, PCML15, "H39"},
};

constexpr BoardPinRow kRzq[] = {
    {"RZQ_0", in, V25, "BA36"},
    {"RZQ_1", in, V18, "AR8"},
    {"RZQ_4", in, V15, "H9"},
    {"RZQ_5", in, V15, "P35"},
};

// Locations in the column order A, D, Q, BWS_n, K_p, K_n, CQ_p, CQ_n, DOFF_n, ODT, QVLD,
// RPS_n, WPS_n (buses: their first member).
constexpr stratix5::QdrModuleLocations kQdr[] = {
    {'A', "AU29", "AH28", "AK23", "AJ24", "AP25", "AR26", "AH22", "BA25", "AR23", "AN23", "AM23", "AT26", "AK24"},
    {'B', "AR24", "BB21", "AR19", "AV20", "AR20", "AT20", "AJ15", "AP18", "AH19", "AH18", "AJ16", "AW20", "AU20"},
    {'C', "AV16", "AG9", "BA12", "AJ11", "AP12", "AP13", "BC11", "AF13", "AE14", "BD10", "BD11", "AH10", "AL11"},
    {'D', "N26", "H25", "C27", "E26", "L23", "K24", "E29", "H27", "E27", "H26", "J27", "F24", "M23"},
};

// TX_p, RX_p, RATESEL (first), LOS, MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
constexpr stratix5::SfpPortLocations kSfp[] = {
    {'A', "AG4", "AK2", "E20", "F22", "E21", "B20", "A20", "B22", "A22"},
    {'B', "AL4", "AP2", "R21", "R22", "K22", "K21", "K20", "H22", "H20"},
    {'C', "AT6", "AW4", "J22", "L21", "J21", "H21", "G20", "F21", "F20"},
    {'D', "AY6", "BB2", "V21", "N22", "V20", "U21", "V19", "U20", "T21"},
};

// The two-wire buses of the Si570 and of the external-PLL controller.
constexpr BoardPinRow kSi570Bus[] = {
    {"CLOCK_SCL", out, V25, "AE15"},
    {"CLOCK_SDA", inout, V25, "AE16"},
};
constexpr BoardPinRow kPllBus[] = {
    {"PLL_SCL", out, V25, "AF32"},
    {"PLL_SDA", inout, V25, "AG32"},
};

// Positions of a DDR3 SO-DIMM socket without an FPGA pin, the same on both sockets.
constexpr const char* kDdr3EmptyPositions =
    "1-3, 8-9, 13-14, 19-20, 25-26, 31-32, 37-38, 43-44, 48-49, 54-55, 60-61, 65-66, 71-72, 75-77, 81-82, "
    "87-88, 93-94, 99-100, 105-106, 111-112, 117-118, 122-128, 133-134, 138-139, 144-145, 150-151, 155-156, "
    "161-162, 167-168, 172-173, 178-179, 184-185, 189-190, 195-197, 199, 201, 203-204";

// The frequency text of a reference clock the external PLL feeds; empty unless programmed.
std::string ExtPllFrequencyText(uint8_t code)
{
    double f = ExtPllFrequency(code);
    return f == 0.0 ? std::string() : platform::Format("%.2f MHz", f);
}

}  // namespace

void DefaultConfig(SARNOTH_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Sarnoth;
    config.Size = sizeof(SARNOTH_CONFIG);
    WriteRecordText(config.szProjectName, "S5");
    config.bOSC = config.bLED = config.bSeg7 = config.bButton = config.bSwitch = 1;
    config.bTemp = config.bFan = config.bFlash = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kExtPllNotUsed;
    config.nCdcm61001 = kExtPllNotUsed;
}

SARNOTH_CONFIG SarnothFormRecord(const SARNOTH_CONFIG& config)
{
    SARNOTH_CONFIG stored = config;
    const bool sfp = config.bSfpA || config.bSfpB || config.bSfpC || config.bSfpD;
    const bool sata = config.bSata_0 || config.bSata_1 || config.bSata_2 || config.bSata_3;
    stored.nSi570 = sfp ? Si570Code(config.nSi570) : kSi570NotUsed;
    stored.nCdcm61001 = sfp ? ExtPllCode(config.nCdcm61001) : kExtPllNotUsed;
    stored.nCdcm61004 = sata ? ExtPllCode(config.nCdcm61004) : kExtPllNotUsed;
    return stored;
}

void BuildMainBoard_Sarnoth(TMainBoard* board, const SARNOTH_CONFIG& Config)
{
    StoreRecordCopy(board->m_SarnothConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Sarnoth);
    PW_CHECK(Config.Size == sizeof(SARNOTH_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Stratix V";
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "2_H2";
    board->m_Device = "5SGXEA7N2F45C2";

    // The codes as the clock-chip HDL reads them from the record copy, so that the ports it
    // names are the ones made here.
    const uint8_t si570 = Si570Code(Config.nSi570);
    const uint8_t cdcm61001 = ExtPllCode(Config.nCdcm61001);
    const uint8_t cdcm61004 = ExtPllCode(Config.nCdcm61004);
    const bool sfp = Config.bSfpA || Config.bSfpB || Config.bSfpC || Config.bSfpD;
    const bool sata = Config.bSata_0 || Config.bSata_1 || Config.bSata_2 || Config.bSata_3;
    const bool cdcm61001InUse = sfp && cdcm61001 != kExtPllNotUsed;
    const bool cdcm61004InUse = sata && cdcm61004 != kExtPllNotUsed;
    // Whether the top level programs a clock chip; its blocks run on OSC_50_B3B and reset
    // with CPU_RESET_n, which must then be ports whatever groups are ticked.
    const bool clockChipCode =
        cdcm61001 != kExtPllNotUsed || cdcm61004 != kExtPllNotUsed || si570 != kSi570NotUsed;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    else if (clockChipCode) AddBoardGroup(*board, "CLOCK", kClockForControllers);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED x 10", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON x 4 and CPU_RESET_n", kButton);
    else if (clockChipCode) AddBoardGroup(*board, "CPU_RESET_n", kCpuReset);
    if (Config.bSwitch) AddBoardGroup(*board, "SWITCH x 4", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "7-Segement", kSeg7);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bRs422) AddBoardGroup(*board, "RS232", kRs422);
    if (Config.bPCIe) stratix5::AddPcieGroup(*board, kPcie);
    if (Config.bFlash) {
        AddBoardGroup(*board, "Flash/MAX Address/Data Share Bus", kSharedBus);
        AddBoardGroup(*board, "Flash Control", kFlashControl);
    }
    if (sata) {
        TConnector* group = AddBoardGroup(*board, "SATA", {});
        if (Config.bSata_0) AddBoardPins(*group, kSataHost0);
        if (Config.bSata_1) AddBoardPins(*group, kSataHost1);
        if (Config.bSata_2) AddBoardPins(*group, kSataDevice0);
        if (Config.bSata_3) AddBoardPins(*group, kSataDevice1);
        const std::string frequency = ExtPllFrequencyText(cdcm61004);
        if (Config.bSata_0 || Config.bSata_1) stratix5::AddReferenceClock(*group, "SATA_HOST_REFCLK_p", "V6", frequency);
        if (Config.bSata_2 || Config.bSata_3)
            stratix5::AddReferenceClock(*group, "SATA_DEVICE_REFCLK_p", "V39", frequency);
    }
    if (Config.bDDR3_0 || Config.bDDR3_1 || Config.bQdrA || Config.bQdrB || Config.bQdrC || Config.bQdrD)
        AddBoardGroup(*board, "RZQ", kRzq);
    const uint8_t qdr[4] = {Config.bQdrA, Config.bQdrB, Config.bQdrC, Config.bQdrD};
    for (int m = 0; m < 4; ++m)
        if (qdr[m]) stratix5::AddQdrModuleGroup(*board, kQdr[m]);
    const uint8_t ddr3[2] = {Config.bDDR3_0, Config.bDDR3_1};
    const char* const ddr3First[2] = {"B32", "V13"};
    for (int s = 0; s < 2; ++s) {
        if (!ddr3[s]) continue;
        const auto table = PositionTable(204, ListedPositions::Empty, kDdr3EmptyPositions, {ddr3First[s]});
        AddExpansionConnector(*board, "DDR3 SODIMM", platform::Format("DDR3 SODIMM_%c", 'A' + s),
                              CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM_A + s, table);
    }
    const uint8_t sfpPorts[4] = {Config.bSfpA, Config.bSfpB, Config.bSfpC, Config.bSfpD};
    for (int p = 0; p < 4; ++p)
        if (sfpPorts[p]) stratix5::AddSfpPortGroup(*board, kSfp[p]);
    if (sfp && si570 != kSi570NotUsed) {
        TConnector* group = AddBoardGroup(*board, "SFP+ 10G Referece Clock and Programmalbe Oscillator Si570", {});
        stratix5::AddReferenceClock(*group, "SFP_REFCLK_p", "AK7", stratix5::Si570FrequencyText(si570));
        AddBoardPins(*group, kSi570Bus);
    }
    if (cdcm61001InUse) {
        TConnector* group = AddBoardGroup(*board, "SFP+ 1G Referece Clock", {});
        stratix5::AddReferenceClock(*group, "SFP1G_REFCLK_p", "AH6", ExtPllFrequencyText(cdcm61001));
    }
    if (cdcm61001InUse || cdcm61004InUse) {
        const char* name = cdcm61001InUse && cdcm61004InUse
                               ? "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"
                           : cdcm61001InUse ? "Programmalbe Oscillator CDCM61001 for SPF1G"
                                            : "Programmalbe Oscillator CDCM61004 for SATA";
        AddBoardGroup(*board, name, kPllBus);
    }
}

void BuildSarnothProjectBoard(TMainBoard& board, const SARNOTH_CONFIG& config)
{
    const SARNOTH_CONFIG stored = SarnothFormRecord(config);
    BuildMainBoard_Sarnoth(&board, stored);
    // Differential strobes and clock, the further standards "1.5 V".
    if (stored.bDDR3_0) board.AttachDdr3SodimmStratixV(EXPANSION_DDR3_SODIMM_A, "DDR3A_", 1, V15, V15);
    if (stored.bDDR3_1) board.AttachDdr3SodimmStratixV(EXPANSION_DDR3_SODIMM_B, "DDR3B_", 1, V15, V15);
}

bool GenerateSarnothProject(const SARNOTH_CONFIG& config, const std::string& projectFile)
{
    TMainBoard board;
    BuildSarnothProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

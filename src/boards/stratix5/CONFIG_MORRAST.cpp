#include "boards/stratix5/CONFIG_MORRAST.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVGroups.h"
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

constexpr uint8_t V1_5 = 0;            // "1.5 V"
constexpr uint8_t V1_8 = 3;            // "1.8 V"
constexpr uint8_t V2_5 = 6;            // "2.5 V"
constexpr uint8_t DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr uint8_t SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr uint8_t PCML1_5 = 36;        // "1.5-V PCML"
constexpr uint8_t HCSL = 37;           // "HCSL"

constexpr BoardPinRow kClock[] = {
    {"OSC_50_B3B", in, V2_5, "AW35", ClockPeriod(20)},
    {"OSC_50_B3D", in, V2_5, "BC28", ClockPeriod(20)},
    {"OSC_50_B4A", in, V1_5, "AP10", ClockPeriod(20)},
    {"OSC_50_B4D", in, V1_5, "AY18", ClockPeriod(20)},
    {"OSC_50_B7A", in, V1_8, "M9", ClockPeriod(20)},
    {"OSC_50_B7D", in, V1_8, "J18", ClockPeriod(20)},
    {"OSC_50_B8A", in, V1_8, "R36", ClockPeriod(20)},
    {"OSC_50_B8D", in, V1_8, "R25", ClockPeriod(20)},
};

// The clock the clock-chip controllers run on, when "CLOCK" is not ticked.
constexpr BoardPinRow kClockForControllers[] = {
    {"OSC_50_B3B", in, V2_5, "AW35", ClockPeriod(20)},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, V2_5, "C33 ?*3"},
    {"LED_BRACKET[0..3]", out, V2_5, "BC29 ?*3"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..1]", in, V2_5, "A35 ?"},
};

constexpr BoardPinRow kCpuReset[] = {
    {"CPU_RESET_n", in, V2_5, "BC37"},
};

// Two switches, whatever the caption says.
constexpr BoardPinRow kSwitch[] = {
    {"SW[0..1]", in, V2_5, "E33 ?"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_CLK", out, V2_5, "F35"},
    {"TEMP_DATA", inout, V2_5, "E35"},
    {"TEMP_INT_n", in, V2_5, "G34"},
    {"TEMP_OVERT_n", in, V2_5, "H35"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", inout, V2_5, "F34"},
};

constexpr BoardPinRow kRs422[] = {
    {"RS422_DE", out, V2_5, "AU23"},
    {"RS422_DIN", in, V2_5, "AR24"},
    {"RS422_DOUT", out, V2_5, "AV23"},
    {"RS422_RE_n", out, V2_5, "AL24"},
    {"RS422_TE", out, V2_5, "AL23"},
};

constexpr stratix5::PcieLocations kPcie = {"BB43", "AY39", "AK38", "AU33", "AY37", "AW37", "AV37"};

constexpr BoardPinRow kFlashBus[] = {
    {"FSM_D[0..31]", inout, V2_5, "AF28 ?*31"},
    {"FSM_A[0..26]", out, V2_5, "AG33 ?*26"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_ADV_n", out, V2_5, "AT29"},
    {"FLASH_CE_n[0]", out, V2_5, "AJ31"},
    {"FLASH_CE_n[1]", out, V2_5, "AW32"},
    {"FLASH_CLK", out, V2_5, "AU31"},
    {"FLASH_OE_n", out, V2_5, "AU30"},
    {"FLASH_RDY_BSY_n[0]", in, V2_5, "AJ30"},
    {"FLASH_RDY_BSY_n[1]", in, V2_5, "AV32"},
    {"FLASH_RESET_n", out, V2_5, "AV31"},
    {"FLASH_WE_n", out, V2_5, "AH30"},
};

constexpr BoardPinRow kRzq[] = {
    {"RZQ_0", in, V2_5, "BA36"},
    {"RZQ_1", in, V1_5, "AR8"},
    {"RZQ_4", in, V1_8, "H9"},
    {"RZQ_5", in, V1_8, "P35"},
};

constexpr stratix5::QdrModuleLocations kQdr[] = {
    {'A', "R15", "A11", "M11", "R13", "V12", "V11", "T12", "K11", "B10", "F10", "G10", "K12", "F11"},
    {'B', "F22", "N20", "V17", "J19", "C19", "C18", "K15", "E15", "B14", "C15", "C16", "M20", "A17"},
    {'C', "J27", "V19", "U24", "L21", "N22", "M22", "L23", "K26", "E26", "G25", "H25", "K21", "T22"},
    {'D', "U26", "H31", "B29", "T31", "K30", "K29", "T28", "C31", "G31", "D32", "E32", "U30", "P30"},
};

// One soldered DDR3 bank: its buses (the first location) and single pins, in the column
// order of the board's data.
struct Ddr3BankLocations {
    char bank;
    const char* a0;
    const char* ba0;
    const char* dq0;
    const char* dqs0;
    const char* dqsN0;
    const char* dm0;
    const char* odt;
    const char* csN;
    const char* cke;
    const char* ck;
    const char* ckN;
    const char* casN;
    const char* rasN;
    const char* weN;
    const char* resetN;
};

constexpr Ddr3BankLocations kDdr3[] = {
    {'A', "AU14", "BC16", "AG9", "AG12", "AH12", "AJ12", "AY13", "BB15", "BD14", "AG16", "AF17", "BA13", "BC13", "BB14", "AE15"},
    {'B', "AR22", "AT21", "AN20", "AP18", "AR19", "AV19", "AV22", "AY21", "BC22", "BB20", "BB21", "AW20", "AW21", "AV20", "AH21"},
};

constexpr BoardPinRow kSataHost[] = {
    {"SATA_HOST_RX_p", in, PCML1_5, "AP2"},
    {"SATA_HOST_TX_p", out, PCML1_5, "AL4"},
    {"SATA_REFCLK_p", in, HCSL, "AF7"},  // never a clock: the CDCM61004 feeds only the SFP+ 1G clock
};

constexpr stratix5::SfpPortLocations kSfp[] = {
    {'A', "AY6", "BB2", "AY25", "AW24", "BA25", "BA24", "BB26", "BC26", "BD26"},
    {'B', "AT6", "AW4", "AJ22", "AJ23", "AK23", "AR25", "AP24", "AU25", "AU24"},
};

constexpr BoardPinRow kSi570Bus[] = {
    {"CLOCK_SCL", out, V2_5, "B35"},
    {"CLOCK_SDA", inout, V2_5, "C36"},
};

constexpr BoardPinRow kCdcmControl[] = {
    {"CLK_CE", out, V2_5, "AT23"},
    {"CLK_RST_n", out, V2_5, "AY24"},
    {"CLK_OD[0..2]", out, V2_5, "BB23 ?*2"},
    {"CLK_OS[0..1]", out, V2_5, "AW23 ?"},
    {"CLK_PR[0..1]", out, V2_5, "BC25 ?"},
};

TConnector* AddDdr3BankGroup(TMainBoard& board, const Ddr3BankLocations& at)
{
    const char b = at.bank;
    // ODT, CS_n and CKE are one-pin buses: the bank wires a second of each that no design uses.
    const std::string texts[][2] = {
        {platform::Format("DDR3%c_A[0..15]", b), platform::Format("%s ?*15", at.a0)},
        {platform::Format("DDR3%c_BA[0..2]", b), platform::Format("%s ?*2", at.ba0)},
        {platform::Format("DDR3%c_DQ[0..15]", b), platform::Format("%s ?*15", at.dq0)},
        {platform::Format("DDR3%c_DQS[0..1]", b), platform::Format("%s ?", at.dqs0)},
        {platform::Format("DDR3%c_DQS_n[0..1]", b), platform::Format("%s ?", at.dqsN0)},
        {platform::Format("DDR3%c_DM[0..1]", b), platform::Format("%s ?", at.dm0)},
        {platform::Format("DDR3%c_ODT[0]", b), at.odt},
        {platform::Format("DDR3%c_CS_n[0]", b), at.csN},
        {platform::Format("DDR3%c_CKE[0]", b), at.cke},
        {platform::Format("DDR3%c_CK", b), at.ck},
        {platform::Format("DDR3%c_CK_n", b), at.ckN},
        {platform::Format("DDR3%c_CAS_n", b), at.casN},
        {platform::Format("DDR3%c_RAS_n", b), at.rasN},
        {platform::Format("DDR3%c_WE_n", b), at.weN},
        {platform::Format("DDR3%c_RESET_n", b), at.resetN},
    };
    constexpr uint8_t dirs[] = {out, out, inout, inout, inout, out, out, out, out, out, out, out, out, out, out};
    constexpr uint8_t stds[] = {SSTL15_I, SSTL15_I, SSTL15_I, DIFF_SSTL15_I, DIFF_SSTL15_I, SSTL15_I, SSTL15_I,
                                SSTL15_I, SSTL15_I, DIFF_SSTL15_I, DIFF_SSTL15_I, SSTL15_I, SSTL15_I, SSTL15_I,
                                SSTL15_I};
    static_assert(std::size(dirs) == std::size(texts) && std::size(stds) == std::size(texts));
    std::vector<BoardPinRow> rows;
    for (std::size_t i = 0; i < std::size(texts); ++i)
        rows.push_back({texts[i][0].c_str(), dirs[i], stds[i], texts[i][1].c_str()});
    return AddBoardGroup(board, platform::Format("DDR3 SDRAM  %c", b), rows);
}

}  // namespace


void DefaultConfig(MORRAST_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Morrast;
    config.Size = sizeof(MORRAST_CONFIG);
    WriteRecordText(config.szProjectName, "Morrast");
    config.bOSC = config.bLED = config.bButton = config.bSwitch = config.bTemp = 1;
    config.bFan = config.bFlash = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kCdcm61004NotUsed;
}

void BuildMainBoard_Morrast(TMainBoard* board, const MORRAST_CONFIG& Config)
{
    StoreRecordCopy(board->m_MorrastConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Morrast);
    PW_CHECK(Config.Size == sizeof(MORRAST_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Stratix V";
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "2_H2";
    board->m_Device = "5SGXEA7N2F45C2";

    const std::string si570 = stratix5::Si570FrequencyText(Config.nSi570);
    const std::string cdcm = stratix5::CdcmFrequencyText(Config.nCdcm61004);
    const bool si570Used = !si570.empty();
    const bool cdcmUsed = !cdcm.empty();
    const bool anySfp = Config.bSfpA || Config.bSfpB;

    // The clock-chip code runs on OSC_50_B3B and resets with CPU_RESET_n.
    if (Config.bOSC)
        AddBoardGroup(*board, "CLOCK", kClock);
    else if (si570Used || cdcmUsed)
        AddBoardGroup(*board, "CLOCK", kClockForControllers);
    if (Config.bLED) AddBoardGroup(*board, "LED x 8", kLed);
    if (Config.bButton) {
        AddBoardGroup(*board, "BUTTON x 2", kButton);
        AddBoardGroup(*board, "CPU RESET", kCpuReset);
    } else if (si570Used || cdcmUsed) {
        AddBoardGroup(*board, "CPU_RESET_n for reset programmable oscillator", kCpuReset);
    }
    if (Config.bSwitch) AddBoardGroup(*board, "DIP SWITCH x 4", kSwitch);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bRs422) AddBoardGroup(*board, "RS232", kRs422);
    if (Config.bPCIe) stratix5::AddPcieGroup(*board, kPcie);
    if (Config.bFlash) {
        AddBoardGroup(*board, "Flash/MAX Address/Data Share Bus", kFlashBus);
        AddBoardGroup(*board, "Flash Control", kFlashControl);
    }
    const uint8_t qdrChosen[] = {Config.bQdrA, Config.bQdrB, Config.bQdrC, Config.bQdrD};
    const uint8_t ddr3Chosen[] = {Config.bDDR3_0, Config.bDDR3_1};
    if (std::ranges::any_of(qdrChosen, [](uint8_t b) { return b != 0; }) ||
        std::ranges::any_of(ddr3Chosen, [](uint8_t b) { return b != 0; }))
        AddBoardGroup(*board, "RZQ", kRzq);
    for (std::size_t i = 0; i < std::size(kQdr); ++i)
        if (qdrChosen[i]) stratix5::AddQdrModuleGroup(*board, kQdr[i]);
    for (std::size_t i = 0; i < std::size(kDdr3); ++i)
        if (ddr3Chosen[i]) AddDdr3BankGroup(*board, kDdr3[i]);
    if (Config.bSata) AddBoardGroup(*board, "SATA", kSataHost);
    if (Config.bSfpA) stratix5::AddSfpPortGroup(*board, kSfp[0]);
    if (Config.bSfpB) stratix5::AddSfpPortGroup(*board, kSfp[1]);
    // The oscillators' own pins come only with an SFP+ port, the one thing they serve here.
    if (anySfp && si570Used) {
        TConnector* group = AddBoardGroup(*board, "SFP+ 10G Referece Clock which is generated by Si570", {});
        stratix5::AddReferenceClock(*group, "SFP_REFCLK_p", "AK7", si570);
        AddBoardPins(*group, kSi570Bus);
    }
    if (anySfp && cdcmUsed) {
        TConnector* group = AddBoardGroup(*board, "SFP+ 1G Referece Clock which is generated by CDCM61004", {});
        stratix5::AddReferenceClock(*group, "SFP1G_REFCLK_p", "AH6", cdcm);
        AddBoardPins(*group, kCdcmControl);
    }
}

MORRAST_CONFIG MorrastFormRecord(const MORRAST_CONFIG& config)
{
    MORRAST_CONFIG c = config;
    const bool anySfp = c.bSfpA || c.bSfpB;
    c.nSi570 = anySfp ? Si570Code(c.nSi570) : kSi570NotUsed;
    c.nCdcm61004 = anySfp ? Cdcm61004Code(c.nCdcm61004) : kCdcm61004NotUsed;
    return c;
}

void BuildMorrastProjectBoard(TMainBoard& board, const MORRAST_CONFIG& config)
{
    BuildMainBoard_Morrast(&board, MorrastFormRecord(config));
}

bool GenerateMorrastProject(const MORRAST_CONFIG& config, const std::string& projectFile)
{
    TMainBoard board;
    BuildMorrastProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

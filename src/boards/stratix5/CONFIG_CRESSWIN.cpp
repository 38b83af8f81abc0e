#include "boards/stratix5/CONFIG_CRESSWIN.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVGroups.h"
#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V2_5 = 6;      // "2.5 V"
constexpr uint8_t PCML1_5 = 36;  // "1.5-V PCML"

constexpr BoardPinRow kClock[] = {
    {"OSC_50_B3B", in, V2_5, "AV29", ClockPeriod(20)},
    {"OSC_50_B3D", in, V2_5, "AK23", ClockPeriod(20)},
    {"OSC_50_B4A", in, V2_5, "AL7", ClockPeriod(20)},
    {"OSC_50_B4D", in, V2_5, "AF17", ClockPeriod(20)},
    {"OSC_50_B7A", in, V2_5, "G7", ClockPeriod(20)},
    {"OSC_50_B7D", in, V2_5, "P16", ClockPeriod(20)},
    {"OSC_50_B8A", in, V2_5, "E34", ClockPeriod(20)},
    {"OSC_50_B8D", in, V2_5, "J23", ClockPeriod(20)},
};

// The clock the clock-chip controllers run on, when "CLOCK" is not ticked.
constexpr BoardPinRow kClockForControllers[] = {
    {"OSC_50_B3B", in, V2_5, "AV29", ClockPeriod(20)},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN", in, V2_5, "U15"},
    {"SMA_CLKOUT", out, V2_5, "AD30"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..3]", out, V2_5, "C16 ?*3"},
    {"LED_BRACKET[0..3]", out, V2_5, "E18 ?*3"},
    {"LED_RJ45_L", out, V2_5, "M15"},
    {"LED_RJ45_R", out, V2_5, "N15"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, V2_5, "C18 ?*3"},
    {"CPU_RESET_n", in, V2_5, "AM34"},
};

constexpr BoardPinRow kCpuReset[] = {
    {"CPU_RESET_n", in, V2_5, "AM34"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..3]", in, V2_5, "F17 ?*3"},
};

constexpr BoardPinRow kTemperature[] = {
    {"TEMP_CLK", out, V2_5, "M17"},
    {"TEMP_DATA", inout, V2_5, "AN17"},
    {"TEMP_INT_n", in, V2_5, "AT17"},
    {"TEMP_OVERT_n", in, V2_5, "AR17"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", inout, V2_5, "AW16"},
};

constexpr BoardPinRow kRs422[] = {
    {"RS422_DE", out, V2_5, "K16"},
    {"RS422_DIN", in, V2_5, "H19"},
    {"RS422_DOUT", out, V2_5, "H17"},
    {"RS422_RE_n", out, V2_5, "L16"},
    {"RS422_TE", out, V2_5, "H16"},
};

constexpr stratix5::PcieLocations kPcie = {"AV38", "AU36", "AF34", "AC28", "AE29", "AF28", "AB28"};

constexpr BoardPinRow kSharedBus[] = {
    {"FSM_D[0..31]", inout, V2_5, "AJ24 ?*31"},
    {"FSM_A[0..26]", out, V2_5, "AW22 ?*26"},
};

constexpr BoardPinRow kFlashControl[] = {
    {"FLASH_ADV_n", out, V2_5, "AR27"},
    {"FLASH_CE_n[0]", out, V2_5, "AU25"},
    {"FLASH_CE_n[1]", out, V2_5, "AN24"},
    {"FLASH_CLK", out, V2_5, "AB30"},
    {"FLASH_OE_n", out, V2_5, "AP27"},
    {"FLASH_RDY_BSY_n[0]", in, V2_5, "AU26"},
    {"FLASH_RDY_BSY_n[1]", in, V2_5, "AR28"},
    {"FLASH_RESET_n", out, V2_5, "AT27"},
    {"FLASH_WE_n", out, V2_5, "AP28"},
};

constexpr BoardPinRow kSsramControl[] = {
    {"SSRAM_ADSC_n", out, V2_5, "AM29"},
    {"SSRAM_ADSP_n", out, V2_5, "AN28"},
    {"SSRAM_ADV_n", out, V2_5, "AN26"},
    {"SSRAM_BE_n[0..3]", out, V2_5, "AJ29 ?*3"},
    {"SSRAM_CE1_n", out, V2_5, "AL26"},
    {"SSRAM_CLK", out, V2_5, "AE30"},
    {"SSRAM_DPA[0..3]", inout, V2_5, "AK30 ?*3"},
    {"SSRAM_GW_n", out, V2_5, "AL30"},
    {"SSRAM_MODE", out, V2_5, "AJ27"},
    {"SSRAM_OE_n", out, V2_5, "AM28"},
    {"SSRAM_WE_n", out, V2_5, "AK29"},
    {"SSRAM_ZZ", out, V2_5, "AL29"},
};

constexpr BoardPinRow kSataHost[] = {
    {"SATA_HOST_RX_p", in, PCML1_5, "K2"},
    {"SATA_HOST_TX_p", out, PCML1_5, "J4"},
};

constexpr BoardPinRow kSataDevice[] = {
    {"SATA_DEVICE_RX_p", in, PCML1_5, "P2"},
    {"SATA_DEVICE_TX_p", out, PCML1_5, "N4"},
};

constexpr stratix5::SfpPortLocations kSfp[] = {
    {'A', "AA4", "AB2", "AE11", "AE10", "AD9", "AC9", "AC12", "AB9", "AB12"},
    {'B', "AE4", "AF2", "AN11", "AN9", "AM10", "AM11", "AL10", "AL11", "AK11"},
    {'C', "AN4", "AP2", "AJ10", "AK12", "AH9", "AH10", "AG9", "AG12", "AF11"},
    {'D', "AU4", "AV2", "AU11", "AV11", "AU10", "AU9", "AT9", "AT11", "AR9"},
};

constexpr BoardPinRow kSi570Bus[] = {
    {"CLOCK_SCL", out, V2_5, "AD15"},
    {"CLOCK_SDA", inout, V2_5, "AD16"},
};

constexpr BoardPinRow kCdcmControl[] = {
    {"CLK_CE", out, V2_5, "AH15"},
    {"CLK_RST_n", out, V2_5, "AC15"},
    {"CLK_OD[0..2]", out, V2_5, "AB15 ?*2"},
    {"CLK_OS[0..1]", out, V2_5, "AG14 ?"},
    {"CLK_PR[0..1]", out, V2_5, "AB16 ?"},
};

// Positions 1 to 160 of HSMC-A; positions 35 to 38 and, from 45 on, every sixth pair carry no
// FPGA pin.
const std::vector<const char*>& HsmcLocations()
{
    static const std::vector<const char*> table = PositionTable(
        160, ListedPositions::Empty,
        "35-38, 45-46, 51-52, 57-58, 63-64, 69-70, 75-76, 81-82, 87-88, 93-94, 99-100, 105-106, 111-112, "
        "117-118, 123-124, 129-130, 135-136, 141-142, 147-148, 153-154, 159-160",
        {"R36", "T38"});
    return table;
}

}  // namespace


void DefaultConfig(CRESSWIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Cresswin;
    config.Size = sizeof(CRESSWIN_CONFIG);
    WriteRecordText(config.szProjectName, "Cresswin");
    config.bOSC = config.bLED = config.bButton = config.bSwitch = config.bTemp = 1;
    config.bFan = config.bFlash = config.bSSRAM = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kCdcm61004NotUsed;
}

void BuildMainBoard_Cresswin(TMainBoard* board, const CRESSWIN_CONFIG& Config)
{
    StoreRecordCopy(board->m_CresswinConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Cresswin);
    PW_CHECK(Config.Size == sizeof(CRESSWIN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Stratix V";
    board->m_DevicePinCount = 1517;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "3_H2";
    board->m_Device = "5SGXEA3K2F40C3";

    const std::string si570 = stratix5::Si570FrequencyText(Config.nSi570);
    const std::string cdcm = stratix5::CdcmFrequencyText(Config.nCdcm61004);
    const bool si570Used = !si570.empty();
    const bool cdcmUsed = !cdcm.empty();
    const bool anySfp = Config.bSfpA || Config.bSfpB || Config.bSfpC || Config.bSfpD;
    const bool anySata = Config.bSata_0 || Config.bSata_1;
    const uint8_t card = Config.nHSMC_ADaughterId[0];

    // The clock-chip code runs on OSC_50_B3B and resets with CPU_RESET_n.
    if (Config.bOSC)
        AddBoardGroup(*board, "CLOCK", kClock);
    else if (si570Used || cdcmUsed)
        AddBoardGroup(*board, "CLOCK", kClockForControllers);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED x 10", kLed);
    if (Config.bButton)
        AddBoardGroup(*board, "BUTTON x 4 and CPU_RESET_n", kButton);
    else if (si570Used || cdcmUsed)
        AddBoardGroup(*board, "CPU_RESET_n", kCpuReset);
    if (Config.bSwitch) AddBoardGroup(*board, "SWITCH x 4", kSwitch);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemperature);
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bRs422) AddBoardGroup(*board, "RS232", kRs422);
    if (Config.bPCIe) stratix5::AddPcieGroup(*board, kPcie);
    if (Config.bFlash || Config.bSSRAM) AddBoardGroup(*board, "Flash/SSRAM/MAX Address/Data Share Bus", kSharedBus);
    if (Config.bFlash) AddBoardGroup(*board, "Flash Control", kFlashControl);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM Control", kSsramControl);
    if (anySata) {
        TConnector* sata = AddBoardGroup(*board, "SATA", {});
        if (Config.bSata_0) AddBoardPins(*sata, kSataHost);
        if (Config.bSata_1) AddBoardPins(*sata, kSataDevice);
        stratix5::AddReferenceClock(*sata, "SATA_REFCLK_p", "V6", cdcm);
    }

    const uint8_t sfpChosen[] = {Config.bSfpA, Config.bSfpB, Config.bSfpC, Config.bSfpD};
    TConnector* lastGroup = nullptr;
    for (std::size_t i = 0; i < std::size(kSfp); ++i)
        if (sfpChosen[i]) lastGroup = stratix5::AddSfpPortGroup(*board, kSfp[i]);
    if (anySfp) {
        if (si570Used) {
            lastGroup = AddBoardGroup(*board, "SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)", {});
            stratix5::AddReferenceClock(*lastGroup, "SFP_REFCLK_p", "AF6", si570);
        }
        // The 1G reference clock joins the group added last; it has none of its own.
        if (cdcmUsed) stratix5::AddReferenceClock(*lastGroup, "SFP1G_REFCLK_p", "AB6", cdcm);
    }
    if (si570Used) AddBoardGroup(*board, "Programmalbe Oscillator SI570", kSi570Bus);
    if (cdcmUsed) {
        const char* name = anySfp && anySata ? "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA"
                           : anySata         ? "Programmalbe Oscillator CDCM61004 for referece clock of SATA"
                                             : "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G";
        AddBoardGroup(*board, name, kCdcmControl);
    }
    if (card != 0) {
        AddExpansionConnector(*board, "HSMC-A", platform::Format("HSMC-%c connect to %s", 'A', BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, HsmcLocations());
        // The CDCM61004 output on AB6 serves the SFP+ 1G clock and the card's lanes alike: one
        // port for it, the SFP+ one when both would be made.
        if (cdcmUsed && BoardNeedsTransceiver(card) && !anySfp) {
            TConnector* refClock = AddBoardGroup(*board, "HSMC Transceiver Reference Clock", {});
            stratix5::AddReferenceClock(*refClock, "HSMC_REFCLK_p", "AB6", cdcm);
        }
    }
}

std::vector<uint8_t> CresswinHsmcCards()
{
    uint8_t ids[256] = {};
    const int32_t count = configshared::BuildDaughterList(ids, CONNECTOR_HSMC, true, VOLTAGE_2V5, false);
    return std::vector<uint8_t>(ids, ids + count);
}

CRESSWIN_CONFIG CresswinFormRecord(const CRESSWIN_CONFIG& config)
{
    CRESSWIN_CONFIG c = config;
    const std::vector<uint8_t> cards = CresswinHsmcCards();
    if (std::ranges::find(cards, c.nHSMC_ADaughterId[0]) == cards.end()) c.nHSMC_ADaughterId[0] = 0;
    const uint8_t card = c.nHSMC_ADaughterId[0];
    const bool anySfp = c.bSfpA || c.bSfpB || c.bSfpC || c.bSfpD;
    const bool anySata = c.bSata_0 || c.bSata_1;
    c.nSi570 = anySfp ? Si570Code(c.nSi570) : kSi570NotUsed;
    c.nCdcm61004 = anySfp || anySata || (card != 0 && BoardNeedsTransceiver(card)) ? Cdcm61004Code(c.nCdcm61004)
                                                                                    : kCdcm61004NotUsed;
    return c;
}

void BuildCresswinProjectBoard(TMainBoard& board, const CRESSWIN_CONFIG& config)
{
    CRESSWIN_CONFIG request = CresswinFormRecord(config);
    const uint8_t card = request.nHSMC_ADaughterId[0];
    if (IsHsmcDefaultCard(card) && request.szHSMC_APrefixName[0][0] == 0)
        WriteRecordText(request.szHSMC_APrefixName[0], "HSMC_");
    BuildMainBoard_Cresswin(&board, request);
    if (card != 0)
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, card, ReadRecordText(request.szHSMC_APrefixName[0]));
}

std::vector<CardChoice> CresswinCardChoices(const CRESSWIN_CONFIG& config)
{
    return {ChoiceOf("HSMC-A", config.nHSMC_ADaughterId[0], CONNECTOR_HSMC, true)};
}

bool GenerateCresswinProject(const CRESSWIN_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(CresswinCardChoices(config))) return false;
    TMainBoard board;
    BuildCresswinProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

#include "boards/stratix5/CONFIG_VELLANI.h"

#include <iterator>
#include <vector>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
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
constexpr uint8_t V2_5 = 6;            // "2.5 V"
constexpr uint8_t DIFF_HSTL15_I = 9;   // "Differential 1.5-V HSTL Class I"
constexpr uint8_t LVDS = 21;           // "LVDS"
constexpr uint8_t PCML14 = 35;         // "1.4-V PCML"
constexpr uint8_t HCSL = 37;           // "HCSL"

struct Device {
    const char* device;
    const char* speedGrade;
};
constexpr Device kDevices[] = {
    {"5SGXEA7N2F45C2", "C2"},
    {"5SGXEABN2F45C2", "C2"},
    {"5SGXEABN3F45I3YY", "I3"},
};

constexpr BoardPinRow kClock[] = {
    {"OSC_50_B3B", in, V1_5, "AW35", ClockMHz(50)},
    {"OSC_50_B4A", in, V1_5, "AP10", ClockMHz(50)},
    {"OSC_50_B4D", in, V2_5, "AY18", ClockMHz(50)},
    {"OSC_50_B7A", in, V2_5, "M8", ClockMHz(50)},
    {"OSC_50_B7D", in, V2_5, "J18", ClockMHz(50)},
    {"OSC_50_B8A", in, V2_5, "R36", ClockMHz(50)},
    {"OSC_50_B8D", in, V2_5, "R25", ClockMHz(50)},
};

constexpr BoardPinRow kKey[] = {
    {"BUTTON[0..3]", in, V1_5, "BC7 BD7 BB8 BB9"},
    {"CPU_RESET_n", in, V2_5, "BC37"},
};

constexpr BoardPinRow kSwitch[] = {{"SW[0..3]", in, V1_5, "AT9 AU8 AK9 AL9"}};
constexpr BoardPinRow kLed[] = {{"LED[0..3]", out, V1_5, "AT32 BA31 AN27 AH27"}};
constexpr BoardPinRow kFan[] = {{"FAN_ALERT_n", in, V1_5, "AM11"}};

constexpr BoardPinRow kSsram[] = {
    {"SSRAM_CLK, SSRAM_CKE_n, SSRAM_CE_n, SSRAM_WE_n, SSRAM_OE_n, SSRAM_ADV, SSRAM_BWA_n, SSRAM_BWB_n", out, V2_5,
     "AP13 AW24 AP24 AV11 AU10 BC26 AY25 BA24"},
};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_CLK, FLASH_CE_n, FLASH_WE_n, FLASH_OE_n, FLASH_ADV_n, FLASH_RESET_n", out, V2_5,
     "AU11 AU24 AT12 AP12 BD26 AV25"},
    {"FLASH_RDY_BSY_n", in, V2_5, "AU25"},
};

// The board's data gives only the first ball of each bus.
constexpr BoardPinRow kShareBus[] = {
    {"FSM_A[1..26]", out, V2_5, "AE11 ?*25"},
    {"FSM_D[0..15]", inout, V2_5, "AG10 ?*15"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CLK", out, V2_5, "BB39"},
    {"SD_DATA[0..3]", inout, V2_5, "AV37 AY37 BB36 AW37"},
    {"SD_CMD", inout, V2_5, "BA36"},
};

constexpr BoardPinRow kRzqDdr3[] = {{"RZQ_DDR3", in, V1_5, "AR8"}};
constexpr BoardPinRow kRzqFmc[] = {{"RZQ_FMC", in, V2_5, "H9"}};

constexpr BoardPinRow kUart[] = {
    {"UART_TX", out, V2_5, "T26"},
    {"UART_RX", in, V2_5, "T25"},
};

constexpr BoardPinRow kLmkSpi[] = {
    {"LMK04906_CLK, LMK04906_DATAIN", out, V2_5, "AT24 BD25"},
    {"LMK04906_DATAOUT", in, V1_5, "BC29"},
    {"LMK04906_LE", out, V1_5, "AT33"},
};

constexpr BoardPinRow kCdcmI2c[] = {
    {"CLOCK_SCL", out, V2_5, "AR25"},
    {"CLOCK_SDA", inout, V2_5, "BC25"},
};

// The reference clock each chip output drives, in the order of the record's choices.
struct RefClock {
    const char* signal;
    const char* location;
};
constexpr RefClock kLmkClocks[TConfigVellani::kLmkOutputs] = {
    {"FMCA_ONBOARD_REFCLK_p[1]", "T38"},
    {"FMCB_ONBOARD_REFCLK_p[0]", "AD39"},
    {"FMCC_ONBOARD_REFCLK_p[0]", "AD6"},
    {"FMCD_ONBOARD_REFCLK_p[1]", "T7"},
};
constexpr RefClock kCdcmClocks[TConfigVellani::kCdcmOutputs] = {
    {"FMCA_ONBOARD_REFCLK_p[0]", "Y38"}, {"FMCD_ONBOARD_REFCLK_p[0]", "Y7"},
    {"SATA_HOST_REFCLK_p", "AH6"},       {"SATA_DEVICE_REFCLK_p", "AK7"},
    {"PCIE_ONBOARD_REFCLK_p", "AH39"},   {"DDR3_REFCLK_p", "BB33"},
};

constexpr BoardPinRow kI2c[] = {{"FPGA_I2C_SCL, FPGA_I2C_SDA", inout, V1_5, "AN11 AP9"}};
constexpr BoardPinRow kTemp[] = {{"TEMP_INT_n, TEMP_OVERT_n", in, V1_5, "AT8 AR9"}};
constexpr BoardPinRow kPower[] = {{"POWER_MONITOR_ALERT", in, V1_5, "AY9"}};

constexpr BoardPinRow kPcie[] = {
    {"PCIE_REFCLK_p", in, HCSL, "AK38"},
    {"PCIE_TX_p[0..3]", out, PCML14, "AY39 AV39 AT39 AU41"},
    {"PCIE_RX_p[0..3]", in, PCML14, "BB43 BA41 AW41 AY43"},
    {"PCIE_PERST_n", in, V1_5, "AU33"},
    {"PCIE_WAKE_n", out, V1_5, "BD35"},
};

constexpr BoardPinRow kSataHost[] = {
    {"SATA_HOST_TX_p", out, PCML14, "AU4"},
    {"SATA_HOST_RX_p", in, PCML14, "AY2"},
};
constexpr BoardPinRow kSataDevice[] = {
    {"SATA_DEVICE_TX_p", out, PCML14, "AY6"},
    {"SATA_DEVICE_RX_p", in, PCML14, "BB2"},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN_p", in, DIFF_HSTL15_I, "BC8"},
    {"SMA_CLKOUT_p", out, DIFF_HSTL15_I, "AV8"},
};

// Connector positions that carry an FPGA pin; the board's data gives the ball of the first.
constexpr const char* kDdr3Positions =
    "4-7, 10-12, 15-18, 21-24, 27-30, 33-36, 39-42, 45-47, 50-53, 56-59, 62-64, 67-70, 73-74, 78-80, 83-86, 89-92, "
    "95-98, 101-104, 107-110, 113-116, 119-121, 129-132, 135-137, 140-143, 146-149, 152-154, 157-160, 163-166, "
    "169-171, 174-177, 180-183, 186-188, 191-194, 198, 200, 202";
constexpr const char* kGpioPositions = "1-10, 13-28, 31-40";
constexpr const char* kFmcHpcPositions =
    "2, 6, 10, 14, 18, 22, 26, 30, 34, 38, 44, 48, 52, 56, 60, 64, 68, 72, 76, 82, 86, 90-91, 94-95, 98-99, 102-103, "
    "106-107, 110-111, 114, 124, 128-129, 131-132, 134-135, 137-138, 140-141, 143-144, 146-147, 155, 162-163, "
    "166-167, 169-170, 172-173, 175-176, 178-179, 181-182, 184-185, 187-188, 190-191, 193-194, 196-197, 204-205, "
    "207-208, 210-211, 213-214, 216-217, 219-220, 222-223, 225-226, 228-229, 231-232, 234-235, 237-238, 242-243, "
    "246-247, 249-250, 252-253, 255-256, 258-259, 261-262, 264-265, 267-268, 270-271, 273-274, 276-277, 284-285, "
    "287-288, 290-291, 293-294, 296-297, 299-300, 302-303, 305-306, 308-309, 311-312, 314-315, 317-318, 322-323, "
    "326-327, 329-330, 332-333, 335-336, 338-339, 341-342, 344-345, 347-348, 350-351, 353-354, 356-357, 364-365, "
    "367-368, 370-371, 373-374, 376-377, 379-380, 382-383, 385-386, 388-389, 391-392, 394-395, 397-398";
constexpr const char* kFmcLpcPositions =
    "82, 86, 90-91, 94-95, 98-99, 102-103, 106-107, 110-111, 114, 124, 128-129, 131-132, 134-135, 137-138, 140-141, "
    "143-144, 146-147, 155, 242-243, 246-247, 249-250, 252-253, 255-256, 258-259, 261-262, 264-265, 267-268, "
    "270-271, 273-274, 276-277, 284-285, 287-288, 290-291, 293-294, 296-297, 299-300, 302-303, 305-306, 308-309, "
    "311-312, 314-315, 317-318";

struct FmcPort {
    const char* name;
    uint8_t type;
    const char* positions;
    const char* firstLocation;
};
constexpr FmcPort kFmcPorts[TConfigVellani::kFmcPorts] = {
    {"FMCA", CONNECTOR_FMC_HPC, kFmcHpcPositions, "Y43"},
    {"FMCB", CONNECTOR_FMC_LPC, kFmcLpcPositions, "AL41"},
    {"FMCC", CONNECTOR_FMC_LPC, kFmcLpcPositions, "AL4"},
    {"FMCD", CONNECTOR_FMC_HPC, kFmcHpcPositions, "Y2"},
};

// An FMC card counts when its id, read as a signed byte, is above 0.
bool FmcCardPresent(uint8_t id) { return static_cast<int8_t>(id) > 0; }

// The LMK04906 outputs whose bus the CDCM6208 shares: FMCA_REFCLK_1 and FMCD_REFCLK_1 are
// member 1 of the buses whose member 0 the CDCM6208 drives (its outputs 0 and 1).
constexpr int kSharedBus[TConfigVellani::kLmkOutputs] = {0, -1, -1, 1};

// The LVDS reference-clock pin of a chip output that runs, at its frequency.
void AddReferenceClock(TConnector& group, const RefClock& clock, float mhz)
{
    if (mhz <= 0) return;
    const BoardPinRow row[] = {{clock.signal, in, LVDS, clock.location, ClockMHz(mhz)}};
    AddBoardPins(group, row);
}

}  // namespace

void BuildMainBoard_Vellani(TMainBoard* board, TConfigVellani* settings)
{
    const VELLANI_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Vellani);
    PW_CHECK(Config.Size == sizeof(TConfigVellani::VELLANI_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Stratix V";
    if (Config.BoardVariant < std::size(kDevices)) {
        board->m_Device = kDevices[Config.BoardVariant].device;
        board->m_SpeedGradeText = kDevices[Config.BoardVariant].speedGrade;
    }
    board->m_DevicePinCount = 1932;
    board->m_Package = "FBGA";

    // The clock-chip blocks run on OSC_50_B3B (CDCM6208) and OSC_50_B4A (LMK04906) and
    // reset with CPU_RESET_n: a programmed chip brings its pins even with their groups off.
    const bool cdcm = Config.bExtCdcmPLL != 0, lmk = Config.bExtLmkPLL != 0;
    if (Config.bOSC) {
        AddBoardGroup(*board, "CLOCK", kClock);
    } else if (cdcm || lmk) {
        TConnector* clock = AddBoardGroup(*board, "CLOCK", {});
        if (cdcm) AddBoardPins(*clock, std::span(kClock).subspan(0, 1));
        if (lmk) AddBoardPins(*clock, std::span(kClock).subspan(1, 1));
    }
    if (Config.bButton)
        AddBoardGroup(*board, "KEY", kKey);
    else if (cdcm || lmk)
        AddBoardGroup(*board, "KEY", std::span(kKey).subspan(1, 1));
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bFan) AddBoardGroup(*board, "FAN", kFan);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM", kSsram);
    if (Config.bFlash) AddBoardGroup(*board, "FLASH", kFlash);
    if (Config.bFlash || Config.bSSRAM) AddBoardGroup(*board, "Share Bus for Flash and SSRAM", kShareBus);
    if (Config.bSdcard) AddBoardGroup(*board, "SD Card", kSdCard);
    if (Config.bDDR3) {
        const std::vector<const char*> table = PositionTable(204, ListedPositions::WithPin, kDdr3Positions, {"AH30"});
        AddExpansionConnector(*board, "DDR3 SODIMM", "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM_A,
                              table);
    }

    bool anyFmc = false;
    for (uint8_t id : Config.nFmcDaughterId) anyFmc = anyFmc || FmcCardPresent(id);
    if (Config.bDDR3 || anyFmc) {
        const char* name = Config.bDDR3 && anyFmc ? "RZQ for FMC and DDR3" : Config.bDDR3 ? "RZQ for DDR3" : "RZQ for FMC";
        TConnector* rzq = AddBoardGroup(*board, name, {});
        if (Config.bDDR3) AddBoardPins(*rzq, kRzqDdr3);
        if (anyFmc) AddBoardPins(*rzq, kRzqFmc);
    }
    if (Config.bUart2Usb) AddBoardGroup(*board, "Uart to Usb", kUart);
    // A bus is one port of one group: where both chips drive members of an FMC reference-clock
    // bus, the LMK04906's member joins the CDCM6208's in its group.
    auto sharesBus = [&](int lmkOutput) {
        return cdcm && kSharedBus[lmkOutput] >= 0 && settings->CdcmOutputFrequency(kSharedBus[lmkOutput]) > 0;
    };
    if (lmk) {
        TConnector* group = AddBoardGroup(*board, "LMK04906B External PLL", kLmkSpi);
        for (int i = 0; i < TConfigVellani::kLmkOutputs; ++i)
            if (!sharesBus(i)) AddReferenceClock(*group, kLmkClocks[i], settings->LmkOutputFrequency(i));
    }
    if (cdcm) {
        TConnector* group = AddBoardGroup(*board, "CDCM6208 External PLL", kCdcmI2c);
        for (int i = 0; i < TConfigVellani::kCdcmOutputs; ++i)
            AddReferenceClock(*group, kCdcmClocks[i], settings->CdcmOutputFrequency(i));
        for (int i = 0; lmk && i < TConfigVellani::kLmkOutputs; ++i)
            if (sharesBus(i)) AddReferenceClock(*group, kLmkClocks[i], settings->LmkOutputFrequency(i));
    }
    if (Config.bTemp || Config.bFan || Config.bPower)
        AddBoardGroup(*board, "I2C for Temperature-Sensor or Fan-Control or Power-Monitor", kI2c);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature", kTemp);
    if (Config.bPower) AddBoardGroup(*board, "POWER Monitor", kPower);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIE", kPcie);
    if (Config.bSataHost) AddBoardGroup(*board, "Sata Host", kSataHost);
    if (Config.bSataDevice) AddBoardGroup(*board, "Sata Device", kSataDevice);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);

    if (Config.nGpioDaughterId != 0) {
        const std::vector<const char*> table = PositionTable(40, ListedPositions::WithPin, kGpioPositions, {"AU36"});
        AddExpansionConnector(*board, "GPIO",
                              platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, table);
    }
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port) {
        const uint8_t card = Config.nFmcDaughterId[port];
        if (!FmcCardPresent(card)) continue;
        const FmcPort& p = kFmcPorts[port];
        const std::vector<const char*> table = PositionTable(400, ListedPositions::WithPin, p.positions, {p.firstLocation});
        AddExpansionConnector(*board, p.name, platform::Format("%s connect to %s", p.name, BoardName(card).c_str()), p.type,
                              EXPANSION_FMC_A + port, table, {.cardId = card});
    }
}

void BuildVellaniProjectBoard(TMainBoard& board, TConfigVellani& settings)
{
    const VELLANI_CONFIG& Config = settings.Config;
    // The form shows (and saves) a board type outside its list as the first one.
    if (Config.BoardVariant >= std::size(vellani::kBoardTypes)) settings.Config.BoardVariant = 0;
    BuildMainBoard_Vellani(&board, &settings);
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port)
        if (FmcCardPresent(Config.nFmcDaughterId[port]))
            board.AttachFmcCard(EXPANSION_FMC_A + port, Config.nFmcDaughterId[port],
                                ReadRecordText(Config.szFmcPrefixName[port]));
    if (Config.nGpioDaughterId != 0)
        board.AttachGpioCard(EXPANSION_GPIO_0, Config.nGpioDaughterId, ReadRecordText(Config.szGpioPrefixName), "",
                             V2_5);
    if (Config.bDDR3) board.AttachDdr3SodimmStratixV(EXPANSION_DDR3_SODIMM_A, "DDR3_", 1, 0, 0);
}

std::vector<CardChoice> VellaniCardChoices(const VELLANI_CONFIG& config)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port)
        choices.push_back(
            ChoiceOf(kFmcPorts[port].name, config.nFmcDaughterId[port], kFmcPorts[port].type, true, VOLTAGE_2V5, true));
    choices.push_back(ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40, false, VOLTAGE_2V5, true));
    return choices;
}

bool GenerateVellaniProject(TConfigVellani& settings, const std::string& projectFile)
{
    if (!CheckCardChoices(VellaniCardChoices(settings.Config))) return false;
    TMainBoard board;
    BuildVellaniProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, false);
}

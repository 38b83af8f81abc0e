#include "boards/arria10/CONFIG_Idrenne.h"

#include <string>
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

constexpr uint8_t V1_8 = 3;          // "1.8 V"
constexpr uint8_t V1_2 = 40;         // "1.2 V"
constexpr uint8_t LVDS = 21;         // "LVDS"
constexpr uint8_t HSSI = 52;         // "HSSI Differential I/O"
constexpr uint8_t POD12 = 53;        // "1.2-V POD"
constexpr uint8_t DIFF_POD12 = 54;   // "Differential 1.2-V POD"
constexpr uint8_t SSTL12 = 55;       // "SSTL-12"
constexpr uint8_t DIFF_SSTL12 = 56;  // "Differential 1.2-V SSTL"

// The board's data gives the first member of each long bus; the others are unknown ("?").

constexpr BoardPinRow kClock[] = {
    {"CLK_50_B2A", in, V1_8, "AW16", ClockMHz(50)},
    {"CLK_50_B2H", in, V1_8, "AR23", ClockMHz(50)},
    {"CLK_50_B3F", in, V1_8, "F3", ClockMHz(50)},
    {"CLK_50_B3H", in, V1_8, "D11", ClockMHz(50)},
    {"CLKUSR_100", in, V1_8, "AJ18", ClockMHz(100)},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..1], CPU_RESET_n", in, V1_8, "A24 A25 AN18"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..1]", in, V1_8, "B25 B26"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..1]", out, V1_8, "C26 B24"},
};

constexpr BoardPinRow kDdr4b[] = {
    {"DDR4B_REFCLK_p", in, LVDS, "AU7"},
    {"DDR4B_A[0..16]", out, SSTL12, "AJ11 ?*16"},
    {"DDR4B_BA[0..1], DDR4B_BG[0..1]", out, SSTL12, "AU6 AP8 AN8 AJ14"},
    {"DDR4B_CK, DDR4B_CK_n", out, DIFF_SSTL12, "AL13 AK13"},
    {"DDR4B_CKE[0..1]", out, SSTL12, "AK10 AK11"},
    {"DDR4B_DQS[0..4]", inout, DIFF_POD12, "AE12 AL7 AR6 AT2 AW4"},
    {"DDR4B_DQS_n[0..4]", inout, DIFF_POD12, "AF13 AK8 AP6 AT3 AW5"},
    {"DDR4B_DQ[0..39]", inout, POD12, "AG10 ?*39"},
    {"DDR4B_DM[0..4]", inout, POD12, "AG9 AK6 AM7 AP4 AT5"},
    {"DDR4B_CS_n[0..1]", out, SSTL12, "AJ13 AN12"},
    {"DDR4B_RESET_n", out, V1_2, "AH14"},
    {"DDR4B_ODT[0..1], DDR4B_PAR", out, SSTL12, "AL12 AK12 AM12"},
    {"DDR4B_ALERT_n", in, SSTL12, "AH11"},
    {"DDR4B_ACT_n, DDR4B_A17", out, SSTL12, "AH13 AV7"},
    {"DDR4B_RZQ", in, V1_2, "AW8"},
};

constexpr BoardPinRow kHdmi[] = {
    {"HDMI_REFCLK_p", in, LVDS, "Y31"},
    {"HDMI_TX_CLK_p, HDMI_TX_D_p[0..2]", out, HSSI, "V39 U37 T39 R37"},
};

// The USB Type-C port; the DisplayPort signals belong to its group.
constexpr BoardPinRow kUsb[] = {
    {"USB_REFCLK_p", in, LVDS, "AB31"},
    {"USB_TX_p", out, HSSI, "AB39"},
    {"USB_RX_p", in, HSSI, "AA37"},
    {"USB_PD_SCL, USB_PD_SDA, USBFX3_RESET_n, USBFX3_PCLK, USBFX3_CTL0_SLCS_n, USBFX3_UART_TX, USBFX3_UART_RX, "
     "USBFX3_CTL10",
     inout, V1_8, "AJ19 AV16 AJ24 AT27 AV26 AP23 AU27 AU24"},
    {"USBFX3_CTL11_A1", in, V1_8, "AU22"},
    {"USBFX3_CTL12_A0, USBFX3_CTL15_INT_n, USBFX3_CTL1_SLWR_n, USBFX3_CTL2_SLOE_n, USBFX3_CTL3_SLRD_n, "
     "USBFX3_CTL4_FLAGA, USBFX3_CTL5_FLAGB, USBFX3_CTL6, USBFX3_CTL7_PKTEND_n, USBFX3_CTL8, USBFX3_CTL9",
     inout, V1_8, "AT23 AW21 AT22 AT25 AR27 AN22 AN23 AL24 AL25 AV21 AV22"},
    {"USBFX3_DQ[0..31]", inout, V1_8, "AU21 ?*31"},
    {"DP_REFCLK_p", in, LVDS, "AM31"},
    {"DP_TX_p[0..3]", out, HSSI, "AW37 AV39 AU37 AT39"},
    {"DP_RX_p[0..3]", in, HSSI, "AV35 AT35 AN33 AP35"},
    {"DP_AUX_p", out, V1_8, "AM22"},
};

// The shared I2C bus: a pair for each device it serves, then the clock chip's pair.
constexpr BoardPinRow kI2cFmc[] = {{"FPGA_I2C_SCL, FPGA_I2C_SDA", inout, V1_2, "AT29 AU30"}};
constexpr BoardPinRow kI2cSdi[] = {{"REFCLK0_SDI_SCL, REFCLK0_SDI_SDA", inout, V1_8, "AU20 AT20"}};
constexpr BoardPinRow kI2cHdmi[] = {{"REFCLK1_HDMI_SCL, REFCLK1_HDMI_SDA", inout, V1_8, "AR22 AR21"}};
constexpr BoardPinRow kI2cClockChip[] = {{"CDCM6208_SCL, CDCM6208_SDA", inout, V1_8, "AK22 AK21"}};

constexpr BoardPinRow kFan[] = {
    {"FAN_ALERT_n", in, V1_8, "E25"},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN_p", in, LVDS, "AJ21"},
    {"SMA_CLKOUT_p", out, LVDS, "AN21"},
};

constexpr BoardPinRow kPcie[] = {
    {"PCIE_REFCLK_p", in, LVDS, "AH31"},
    {"PCIE_TX_p[0..3]", out, HSSI, "AR37 AP39 AN37 AM39"},
    {"PCIE_RX_p[0..3]", in, HSSI, "AL33 AM35 AJ33 AK35"},
    {"PCIE_PERST_n", in, V1_8, "AW20"},
    {"PCIE_WAKE_n", out, V1_8, "AL19"},
};

constexpr BoardPinRow kSata[] = {
    {"SATA_HOST_REFCLK_p", in, LVDS, "V31"},
    {"SATA_HOST_TX_p[0..1]", out, HSSI, "P39 N37"},
    {"SATA_HOST_RX_p[0..1]", in, HSSI, "U33 T35"},
    {"SATA_DEVICE_REFCLK_p", in, LVDS, "M31"},
    {"SATA_DEVICE_TX_p[0..1]", out, HSSI, "B39 A37"},
    {"SATA_DEVICE_RX_p[0..1]", in, HSSI, "D35 B35"},
};

constexpr BoardPinRow kSfp[] = {
    {"SFP_REFCLK_p", in, LVDS, "AD31"},
    {"SFP_MOD1_SCL, SFP_MOD2_SDA", inout, V1_2, "AK26 AE25"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ETH_TX_p", out, LVDS, "AP19"},
    {"ETH_RX_p", in, LVDS, "AM20"},
    {"ETH_INT_n, ETH_MDC", in, V1_8, "AU19 AT19"},
    {"ETH_MDIO", inout, V1_8, "AJ20"},
    {"ETH_RST_n", out, V1_8, "AK20"},
};

constexpr BoardPinRow kHps[] = {
    {"HPS_CLK_25", inout, V1_8, "E22"},
    {"HPS_DIO[0..13]", inout, V1_8, "J18 ?*13"},
    {"HPS_ENET_GTX_CLK, HPS_ENET_MDC, HPS_ENET_MDIO, HPS_ENET_RX_CLK", inout, V1_8, "F25 D24 C24 K22"},
    {"HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", inout, V1_8, "H23 J23 F24 G24 L22"},
    {"HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", inout, V1_8, "H24 J24 M22 M21 G25"},
    {"HPS_I2C0_SCLK, HPS_I2C0_SDAT, HPS_KEY, HPS_LED", inout, V1_8, "B30 A30 A29 D29"},
    {"HPS_MAX_BUS[0..3]", inout, V1_8, "C29 B29 A28 A27"},
    {"HPS_RESET_N, HPS_RXD, HPS_TXD, HPS_USB_CLKOUT", inout, V1_8, "K21 D28 C28 L25"},
    {"HPS_USB_DATA[0..7]", inout, V1_8, "K25 ?*7"},
    {"HPS_USB_DIR, HPS_USB_NXT, HPS_USB_STP, HPS_WARM_RST_N", inout, V1_8, "J25 H26 M25 J21"},
};

constexpr BoardPinRow kSdi[] = {
    {"SDI_REFCLK_p", in, LVDS, "AF31"},
    {"SDI_TX_INT_n", in, V1_8, "AT15"},
    {"SDI_TX_p", out, HSSI, "AH39"},
    {"SDI_RX_LOCK_n", in, V1_8, "AU15"},
    {"SDI_RX_p", in, HSSI, "AF35"},
};

// The DDR4 socket's positions wired to the FPGA: the module's memory bus with its check bits,
// not its third and fourth chip selects, EVENT_n or the SPD bus. The board's data gives the
// location of the first only.
constexpr const char* kSocketPositions =
    "3-4, 7-8, 11-13, 16-17, 20-21, 24-25, 28-29, 32-34, 37-38, 41-42, 45-46, 49-50, 53-55, 58-59, 62-63, 66-67, "
    "70-71, 74-76, 79-80, 83-84, 87-88, 91-92, 95-97, 100-101, 104-105, 108-110, 113-116, 119-122, 125-128, "
    "131-133, 137-140, 143-146, 149-152, 155-158, 161, 169-170, 173-174, 177-179, 182-183, 186-187, 190-191, "
    "194-195, 198-200, 203-204, 207-208, 211-212, 215-216, 219-221, 224-225, 228-229, 232-233, 236-237, "
    "240-242, 245-246, 249-250";
constexpr int kSocketPositionCount = 260;

// The FMC positions wired to the FPGA: every signal of the VITA high-pin-count connector but
// CLK_DIR (B1), which no card of the board's lists drives. The board's data gives the
// location of the first only.
constexpr const char* kFmcPositions =
    "2-3, 6-7, 10-11, 14-15, 18-19, 22-23, 26-27, 30-31, 34-35, 38-39, 44-45, 48-49, 52-53, 56-57, 60-61, 64-65, "
    "68-69, 72-73, 76-77, 82-83, 86-87, 90-91, 94-95, 98-99, 102-103, 106-107, 110-111, 114, 124-125, 128-129, "
    "131-132, 134-135, 137-138, 140-141, 143-144, 146-147, 155, 162-163, 166-167, 169-170, 172-173, 175-176, "
    "178-179, 181-182, 184-185, 187-188, 190-191, 193-194, 196-197, 204-205, 207-208, 210-211, 213-214, 216-217, "
    "219-220, 222-223, 225-226, 228-229, 231-232, 234-235, 237-238, 242-243, 246-247, 249-250, 252-253, 255-256, "
    "258-259, 261-262, 264-265, 267-268, 270-271, 273-274, 276-277, 284-285, 287-288, 290-291, 293-294, 296-297, "
    "299-300, 302-303, 305-306, 308-309, 311-312, 314-315, 317-318, 322-323, 326-327, 329-330, 332-333, 335-336, "
    "338-339, 341-342, 344-345, 347-348, 350-351, 353-354, 356-357, 364-365, 367-368, 370-371, 373-374, 376-377, "
    "379-380, 382-383, 385-386, 388-389, 391-392, 394-395, 397-398";
constexpr int kFmcPositionCount = 400;

// After the last FMC position, beyond every card: the connector's own reference clock and
// RZQ pin keep their names whatever card is attached.
constexpr BoardPinRow kFmcPinsAfter[] = {
    {"FMC_REFCLK_p", in, LVDS, "T31"},
    {"FMC_RZQ", in, V1_8, "H9"},
};

constexpr const char* kSocketDefaultPrefix = "DDR4A_";
constexpr const char* kFmcDefaultPrefix = "FMC_";

}  // namespace

void BuildMainBoard_Idrenne(TMainBoard* board, TConfigIdrenne* settings)
{
    const IDRENNE_CONFIG& Config = settings->Config;
    board->m_pConfigBoard = settings;
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Idrenne);
    PW_CHECK(Config.Size == sizeof(TConfigIdrenne::IDRENNE_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Arria 10";
    board->m_Device = "10AS066K3F40E2SG";
    board->m_DevicePinCount = 1517;
    board->m_SpeedGradeText = "2";

    const bool fmc = Config.nFmcDaughterId != 0;
    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.nDDR4SocketDaughterId != 0)
        AddExpansionConnector(*board, "DDR4 SODIMM", "DDR4A", CONNECTOR_DDR4_SODIMM, EXPANSION_DDR4_SODIMM_A,
                              PositionTable(kSocketPositionCount, ListedPositions::WithPin, kSocketPositions, {"AD11"}));
    if (Config.bSDRAM) AddBoardGroup(*board, "DDR4B", kDdr4b);
    if (Config.bHDMI) AddBoardGroup(*board, "HDMI", kHdmi);
    if (Config.bUSB) AddBoardGroup(*board, "USB Type-C", kUsb);
    if (Config.bHDMI || Config.bSDI || fmc) {
        std::string name = "I2C for ";
        if (Config.bHDMI) name += "HDMI/";
        if (Config.bSDI) name += "SDI/";
        if (fmc) name += "FMC/";
        TConnector* i2c = AddBoardGroup(*board, name, {});
        if (fmc) AddBoardPins(*i2c, kI2cFmc);
        if (Config.bSDI) AddBoardPins(*i2c, kI2cSdi);
        if (Config.bHDMI) AddBoardPins(*i2c, kI2cHdmi);
        AddBoardPins(*i2c, kI2cClockChip);
    }
    if (Config.bFan) AddBoardGroup(*board, "FAN", kFan);
    if (Config.bSMA) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bPCIe) AddBoardGroup(*board, "PCIE", kPcie);
    if (Config.bSATA) AddBoardGroup(*board, "SATA", kSata);
    if (Config.bSFP) AddBoardGroup(*board, "SFP", kSfp);
    if (Config.bEthernet) AddBoardGroup(*board, "ETH", kEthernet);
    if (Config.bHPS) AddBoardGroup(*board, "HPS", kHps);
    if (Config.bSDI) AddBoardGroup(*board, "SDI", kSdi);
    if (fmc)
        AddExpansionConnector(*board, "FMC",
                              platform::Format("FMC connect to %s", BoardName(Config.nFmcDaughterId).c_str()),
                              CONNECTOR_FMC_HPC, EXPANSION_FMC_A,
                              PositionTable(kFmcPositionCount, ListedPositions::WithPin, kFmcPositions, {"R33"}),
                              {.pinsAfter = kFmcPinsAfter});
}

void BuildIdrenneProjectBoard(TMainBoard& board, TConfigIdrenne& settings)
{
    IDRENNE_CONFIG& Config = settings.Config;
    BuildMainBoard_Idrenne(&board, &settings);
    const uint8_t socket = Config.nDDR4SocketDaughterId;
    if (socket == DAUGHTER_DDR4_SODIMM_NO_ECC || socket == DAUGHTER_DDR4_SODIMM_ECC) {
        std::string prefix = ReadRecordText(Config.szDDR4SocketPrefixName);
        if (prefix.empty()) prefix = kSocketDefaultPrefix;
        board.AttachDdr4Sodimm(EXPANSION_DDR4_SODIMM_A, prefix, 1, V1_2, V1_2,
                               socket == DAUGHTER_DDR4_SODIMM_ECC ? 1 : 0);
    }
    if (Config.nFmcDaughterId != 0) {
        if (Config.szFmcPrefixName[0] == 0 &&
            (Config.nFmcDaughterId == DAUGHTER_FMC_HPC_VITA || Config.nFmcDaughterId == DAUGHTER_FMC_LPC_VITA))
            WriteRecordText(Config.szFmcPrefixName, kFmcDefaultPrefix);
        // The voltage only chooses the form's card list: the card's standards are its own.
        board.AttachFmcCard(EXPANSION_FMC_A, Config.nFmcDaughterId, ReadRecordText(Config.szFmcPrefixName));
    }
}

std::vector<CardChoice> IdrenneCardChoices(const IDRENNE_CONFIG& config)
{
    const uint8_t fmcVoltage = config.nFmcVol == IDRENNE_FMC_1V5   ? VOLTAGE_1V5
                               : config.nFmcVol == IDRENNE_FMC_1V2 ? 0
                                                                   : VOLTAGE_1V8;
    return {ChoiceOf("DDR4 SODIMM", config.nDDR4SocketDaughterId, CONNECTOR_MEMORY_MODULE, false, VOLTAGE_2V5, true),
            ChoiceOf("FMC", config.nFmcDaughterId, CONNECTOR_FMC_HPC, true, fmcVoltage, true)};
}

bool GenerateIdrenneProject(TConfigIdrenne& settings, const std::string& projectFile)
{
    if (!CheckCardChoices(IdrenneCardChoices(settings.Config))) return false;
    TMainBoard board;
    BuildIdrenneProjectBoard(board, settings);
    return TSystemBuild().Generate(board, projectFile, settings.Config.nFileType != 0);
}

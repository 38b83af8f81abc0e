#include "boards/early/CONFIG_MIRROW.h"

#include <cstring>

#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL", every on-board pin

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "N2", ClockPeriod(20)},
    {"CLOCK_27", in, LVTTL, "D13", ClockPeriod(37)},
};

// An input only: the .sdc gets no clock for it.
constexpr BoardPinRow kSma[] = {
    {"EXT_CLOCK", in, LVTTL, "P26"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..17]", out, LVTTL, "AE23 AF23 AB21 AC22 AD22 AD23 AD21 AC21 AA14 Y13 AA13 AC14 AD15 AE15 AF13 AE13 AE12 AD12"},
    {"LEDG[0..8]", out, LVTTL, "AE22 AF22 W19 V18 U18 U17 AA20 Y18 Y12"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "G26 N23 P23 W26"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..17]", in, LVTTL, "N25 N26 P25 AE14 AF14 AD13 AC13 C13 B13 A13 N1 P1 P2 T7 U3 U4 V1 V2"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_D[0..6]", out, LVTTL, "AF10 AB12 AC12 AD11 AE11 V14 V13"},
    {"HEX1_D[0..6]", out, LVTTL, "V20 V21 W21 Y22 AA24 AA23 AB24"},
    {"HEX2_D[0..6]", out, LVTTL, "AB23 V22 AC25 AC26 AB26 AB25 Y24"},
    {"HEX3_D[0..6]", out, LVTTL, "Y23 AA25 AA26 Y26 Y25 U22 W24"},
    {"HEX4_D[0..6]", out, LVTTL, "U9 U1 U2 T4 R7 R6 T3"},
    {"HEX5_D[0..6]", out, LVTTL, "T2 P6 P7 T9 R5 R4 R3"},
    {"HEX6_D[0..6]", out, LVTTL, "R2 P4 P3 M2 M3 M5 M4"},
    {"HEX7_D[0..6]", out, LVTTL, "L3 L2 L9 L6 L7 P9 N9"},
};

// "l4" is the board's own spelling of L4, kept as the board gives it.
constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, LVTTL, "J1 J2 H1 H2 J4 J3 H4 H3"},
    {"LCD_BLON, LCD_RW, LCD_EN, LCD_RS, LCD_ON", out, LVTTL, "K2 K4 K3 K1 l4"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "B25"},
    {"UART_RXD", in, LVTTL, "C25"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_DAT", inout, LVTTL, "D26 C24"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "Y21"},
    {"SD_CLK", out, LVTTL, "AD25"},
    {"SD_DAT, SD_DAT3", inout, LVTTL, "AD24 AC23"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC, VGA_CLK, VGA_BLANK", out, LVTTL, "A7 D8 B7 B8 D6"},
    {"VGA_R[0..9]", out, LVTTL, "C8 F10 G10 D9 C9 A8 H11 H12 F11 E10"},
    {"VGA_G[0..9]", out, LVTTL, "B9 A9 C10 D10 B10 A10 G11 D11 E12 D12"},
    {"VGA_B[0..9]", out, LVTTL, "J13 J14 F12 G12 J10 J11 C11 B11 C12 B12"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, LVTTL, "C5"},
    {"AUD_ADCDAT", in, LVTTL, "B5"},
    {"AUD_DACLRCK", inout, LVTTL, "C6"},
    {"AUD_DACDAT, AUD_XCK", out, LVTTL, "A4 A5"},
    {"AUD_BCLK", inout, LVTTL, "B4"},
};

// The bus the audio codec and the TV decoder share.
constexpr BoardPinRow kI2c[] = {
    {"I2C_SCLK", out, LVTTL, "A6"},
    {"I2C_SDAT", inout, LVTTL, "B6"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ENET_CLK, ENET_CMD, ENET_CS_N", out, LVTTL, "B24 A21 A23"},
    {"ENET_INT", in, LVTTL, "B21"},
    {"ENET_RD_N, ENET_WR_N, ENET_RST_N", out, LVTTL, "A22 B22 B23"},
    {"ENET_DATA[0..15]", inout, LVTTL, "D17 C17 B18 A18 B17 A17 B16 B15 B20 A20 C19 D19 B19 A19 E18 D18"},
};

constexpr BoardPinRow kTvDecoder[] = {
    {"TD_HS, TD_VS, TD_CLK27", in, LVTTL, "D5 K9 C16"},
    {"TD_RESET", out, LVTTL, "C4"},
    {"TD_DATA[0..7]", in, LVTTL, "J9 E8 H8 H10 G9 F9 D7 C7"},
};

constexpr BoardPinRow kUsb[] = {
    {"OTG_ADDR[0..1], OTG_CS_N, OTG_RD_N, OTG_WR_N, OTG_RST_N", out, LVTTL, "K7 F2 F1 G2 G1 G5"},
    {"OTG_INT[0..1]", in, LVTTL, "B3 C3"},
    {"OTG_DACK_N[0..1]", out, LVTTL, "C2 B2"},
    {"OTG_DREQ[0..1]", in, LVTTL, "F6 E5"},
    {"OTG_FSPEED, OTG_LSPEED", inout, LVTTL, "F3 G6"},
    {"OTG_DATA[0..15]", inout, LVTTL, "F4 D2 D1 F7 J5 J8 J7 H6 E2 E1 K6 K5 G4 G3 J6 K8"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_TXD", out, LVTTL, "AE24"},
    {"IRDA_RXD", in, LVTTL, "AE25"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_LDQM, DRAM_UDQM, DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out,
     LVTTL, "AE2 AE3 AD2 Y5 AB4 AB3 AA6 AA7 AD3 AC3"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "V6 AA2 AA1 Y3 Y4 R8 T8 V7 W6 AB2 AB1 AA4 AA3 AC2 AC1 AA5"},
    {"DRAM_ADDR[0..11]", out, LVTTL, "T6 V4 V3 W2 W1 U6 U7 U5 W4 W3 Y1 V5"},
};

constexpr BoardPinRow kSram[] = {
    {"SRAM_ADDR[0..17]", out, LVTTL, "AE4 AF4 AC5 AC6 AD4 AD5 AE5 AF5 AD6 AD7 V10 V9 AC7 W8 W10 Y10 AB8 AC8"},
    {"SRAM_DQ[0..15]", inout, LVTTL, "AD8 AE6 AF6 AA9 AA10 AB10 AA11 Y11 AE7 AF7 AE8 AF8 W11 W12 AC9 AC10"},
    {"SRAM_WE_N, SRAM_OE_N, SRAM_UB_N, SRAM_LB_N, SRAM_CE_N", out, LVTTL, "AE10 AD10 AF9 AE9 AC11"},
};

constexpr BoardPinRow kFlash[] = {
    {"FL_ADDR[0..21]", out, LVTTL,
     "AC18 AB18 AE19 AF19 AE18 AF18 Y16 AA16 AD17 AC17 AE17 AF17 W16 W15 AC16 AD16 AE16 AC15 AB15 AA15 Y15 Y14"},
    {"FL_DQ[0..7]", inout, LVTTL, "AD19 AC19 AF20 AE20 AB20 AC20 AF21 AE21"},
    {"FL_CE_N, FL_OE_N, FL_RST_N, FL_WE_N", out, LVTTL, "V17 W17 AA18 AA17"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "D25", "J22", "E26", "E25", "F24", "F23", "J21", "J20", "F25", "F26", nullptr, nullptr, "N18", "P18",
    "G23", "G24", "K22", "G25", "H23", "H24", "J23", "J24", "H25", "H26", "H19", "K18", "K19", "K21",
    nullptr, nullptr, "K23", "K24", "L21", "L20", "J25", "J26", "L23", "L24", "L25", "L19",
};
constexpr const char* kGpio1Locations[40] = {
    "K25", "K26", "M22", "M23", "M19", "M20", "N20", "M21", "M24", "M25", nullptr, nullptr, "N24", "P24",
    "R25", "R24", "R20", "T22", "T23", "T24", "T25", "T18", "T21", "T20", "U26", "U25", "U23", "U24",
    nullptr, nullptr, "R19", "T19", "U20", "U21", "V26", "V25", "V24", "V23", "W25", "W23",
};

// The I2C group is named after the devices on it, the pieces joined as the board names them
// ("I2C for Audioand Tv-Decode" with both).
std::string I2cGroupName(const MIRROW_CONFIG& Config)
{
    std::string name = "I2C for ";
    if (Config.bAudio) name += "Audio";
    if (Config.bAudio && Config.bTvDecode) name += "and ";
    if (Config.bTvDecode) name += "Tv-Decode";
    return name;
}

}  // namespace

void DefaultConfig(MIRROW_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Mirrow;
    config.Size = sizeof(MIRROW_CONFIG);
    WriteRecordText(config.szProjectName, "Mirrow");
    std::memset(&config.bOSC, 1, offsetof(MIRROW_CONFIG, bUSB) + 1 - offsetof(MIRROW_CONFIG, bOSC));
}

void BuildMainBoard_Mirrow(TMainBoard* board, const MIRROW_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Mirrow;
    PW_CHECK(Config.BoardId == MAINBOARD_Mirrow);
    PW_CHECK(Config.Size == sizeof(MIRROW_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone II";
    board->m_Device = "EP2C35F672C6";
    board->m_DevicePinCount = 672;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "Sma", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bAudio || Config.bTvDecode) AddBoardGroup(*board, I2cGroupName(Config), kI2c);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet", kEthernet);
    if (Config.bTvDecode) AddBoardGroup(*board, "TV Decoder", kTvDecoder);
    if (Config.bUSB) AddBoardGroup(*board, "USB OTG", kUsb);
    if (Config.bIR) AddBoardGroup(*board, "IR", kIr);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSRAM) AddBoardGroup(*board, "SRAM", kSram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations);
}

void BuildMirrowProjectBoard(TMainBoard& board, const MIRROW_CONFIG& config)
{
    // Two "GPIO Default" cards are no exception here: they need their own prefixes.
    BuildWithGpioHeaderPair(board, config, &BuildMainBoard_Mirrow, false, LVTTL);
}

std::vector<CardChoice> MirrowCardChoices(const MIRROW_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GenerateMirrowProject(const MIRROW_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(MirrowCardChoices(config))) return false;
    TMainBoard board;
    BuildMirrowProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

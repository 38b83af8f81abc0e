#include "boards/early/CONFIG_PELLISH.h"

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
    {"CLOCK_50", in, LVTTL, "AD15", ClockPeriod(20)},
    {"CLOCK_50_2", in, LVTTL, "D16", ClockPeriod(20)},
    {"CLOCK_50_3", in, LVTTL, "R28", ClockPeriod(20)},
    {"CLOCK_50_4", in, LVTTL, "R3", ClockPeriod(20)},
    {"CLOCK_28", in, LVTTL, "E16", ClockPeriod(35)},
};

// An input only: the .sdc gets no clock for it.
constexpr BoardPinRow kSma[] = {
    {"EXT_CLOCK", in, LVTTL, "R29"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..17]", out, LVTTL, "AJ6 AK5 AJ5 AJ4 AK3 AH4 AJ3 AJ2 AH3 AD14 AC13 AB13 AC12 AB12 AC11 AD9 AD8 AJ7"},
    {"LEDG[0..8]", out, LVTTL, "W27 W25 W23 Y27 Y24 Y23 AA27 AA24 AC14"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, LVTTL, "T29 T28 U30 U29"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..17]", in, LVTTL, "AA23 AB26 AB25 AC27 AC26 AC24 AC23 AD25 AD24 AE27 W5 V10 U9 T9 L5 L4 L7 L8"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0_DP, HEX1_DP, HEX2_DP, HEX3_DP, HEX4_DP, HEX5_DP, HEX6_DP, HEX7_DP", out, LVTTL,
     "AF12 AC17 AC19 M4 L6 K6 K2 G2"},
    {"HEX0_D[0..6]", out, LVTTL, "AE8 AF9 AH9 AD10 AF10 AD11 AD12"},
    {"HEX1_D[0..6]", out, LVTTL, "AG13 AE16 AF16 AG16 AE17 AF17 AD17"},
    {"HEX2_D[0..6]", out, LVTTL, "AE7 AF7 AH5 AG4 AB18 AB19 AE19"},
    {"HEX3_D[0..6]", out, LVTTL, "P6 P4 N10 N7 M8 M7 M6"},
    {"HEX4_D[0..6]", out, LVTTL, "P1 P2 P3 N2 N3 M1 M2"},
    {"HEX5_D[0..6]", out, LVTTL, "M3 L1 L2 L3 K1 K4 K5"},
    {"HEX6_D[0..6]", out, LVTTL, "H6 H4 H7 H8 G4 F4 E4"},
    {"HEX7_D[0..6]", out, LVTTL, "K3 J1 J2 H1 H2 H3 G1"},
};

constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, LVTTL, "E1 E3 D2 D3 C1 C2 C3 B2"},
    {"LCD_BLON, LCD_RW, LCD_EN, LCD_RS, LCD_ON", out, LVTTL, "G3 F3 E2 F2 F1"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "E21"},
    {"UART_RXD", in, LVTTL, "D21"},
    {"UART_CTS", out, LVTTL, "G22"},
    {"UART_RTS", in, LVTTL, "F23"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_KBCLK, PS2_KBDAT, PS2_MSCLK, PS2_MSDAT", inout, LVTTL, "F24 E24 D26 D25"},
};

constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "W28"},
    {"SD_CLK", out, LVTTL, "T26"},
    {"SD_DAT, SD_DAT3", inout, LVTTL, "W29 Y30"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC, VGA_CLK, VGA_BLANK_N", out, LVTTL, "J19 H19 B15 D24 C15"},
    {"VGA_R[0..9]", out, LVTTL, "D23 E23 E22 D22 H21 G21 H20 F20 E20 G20"},
    {"VGA_G[0..9]", out, LVTTL, "A10 B11 A11 C12 B12 A12 C13 B13 B14 A14"},
    {"VGA_B[0..9]", out, LVTTL, "B16 C16 A17 B17 C18 B18 B19 A19 C19 D19"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, LVTTL, "F19"},
    {"AUD_ADCDAT", in, LVTTL, "E19"},
    {"AUD_DACLRCK", inout, LVTTL, "G18"},
    {"AUD_DACDAT, AUD_XCK", out, LVTTL, "F18 D17"},
    {"AUD_BCLK", inout, LVTTL, "E17"},
};

// The bus the audio codec and the two TV decoders share.
constexpr BoardPinRow kI2c[] = {
    {"I2C_SCLK", out, LVTTL, "J18"},
    {"I2C_SDAT", inout, LVTTL, "H18"},
};

constexpr BoardPinRow kEthernet[] = {
    {"ENET_CLK, ENET_CMD, ENET_CS_N", out, LVTTL, "D27 B27 C28"},
    {"ENET_INT", in, LVTTL, "C27"},
    {"ENET_RD_N, ENET_WR_N, ENET_RST_N", out, LVTTL, "A28 B28 B29"},
    {"ENET_DATA[0..15]", inout, LVTTL, "A23 C22 B22 A22 B21 A21 B20 A20 B26 A26 B25 A25 C24 B24 A24 B23"},
};

constexpr BoardPinRow kTvDecoder1[] = {
    {"TD_HS, TD_VS, TD_CLK27", in, LVTTL, "E13 E14 G15"},
    {"TD_RESET_N", out, LVTTL, "D14"},
    {"TD_DATA[0..7]", in, LVTTL, "A6 B6 A5 B5 B4 C4 A3 B3"},
};

// Unlike the first decoder's, this data bus is inout.
constexpr BoardPinRow kTvDecoder2[] = {
    {"TD2_HS, TD2_VS, TD2_CLK27", in, LVTTL, "E15 D15 H15"},
    {"TD2_RESET_N", out, LVTTL, "B10"},
    {"TD2_DATA[0..7]", inout, LVTTL, "C10 A9 B9 C9 A8 B8 A7 B7"},
};

constexpr BoardPinRow kUsb[] = {
    {"OTG_ADDR[0..1], OTG_CS_N, OTG_RD_N, OTG_WR_N, OTG_RST_N", out, LVTTL, "E9 D8 E10 D10 E11 H14"},
    {"OTG_INT[0..1]", in, LVTTL, "F13 J13"},
    {"OTG_DACK_N[0..1]", out, LVTTL, "D12 E12"},
    {"OTG_DREQ[0..1]", in, LVTTL, "G12 F12"},
    {"OTG_FSPEED, OTG_LSPEED", inout, LVTTL, "F7 F8"},
    {"OTG_DATA[0..15]", inout, LVTTL, "H10 G9 G11 F11 J12 H12 H13 G13 D4 D5 D6 E7 D7 E8 D9 G10"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_TXD", out, LVTTL, "W21"},
    {"IRDA_RXD", in, LVTTL, "W22"},
};

constexpr BoardPinRow kSdram0[] = {
    {"DRAM0_BA[0..1], DRAM0_LDQM, DRAM0_UDQM, DRAM0_RAS_N, DRAM0_CAS_N, DRAM0_CKE, DRAM0_CLK, DRAM0_WE_N, DRAM0_CS_N",
     out, LVTTL, "AA9 AA10 V9 AB6 Y9 W10 AA8 AD6 W9 Y10"},
    {"DRAM0_DQ[0..15]", inout, LVTTL, "AC1 AC2 AC3 AD1 AD2 AD3 AE1 AE2 AE3 AF1 AF2 AF3 AG2 AG3 AH1 AH2"},
    {"DRAM0_ADDR[0..12]", out, LVTTL, "AA4 AA5 AA6 AB5 AB7 AC4 AC5 AC6 AD4 AC7 Y8 AE4 AF4"},
};

constexpr BoardPinRow kSdram1[] = {
    {"DRAM1_BA[0..1], DRAM1_LDQM, DRAM1_UDQM, DRAM1_RAS_N, DRAM1_CAS_N, DRAM1_CKE, DRAM1_CLK, DRAM1_WE_N, DRAM1_CS_N",
     out, LVTTL, "T7 T8 M10 U8 N9 N8 L10 G5 M9 P9"},
    {"DRAM1_DQ[0..15]", inout, LVTTL, "U1 U2 U3 V2 V3 W1 W2 W3 Y1 Y2 Y3 AA1 AA2 AA3 AB1 AB2"},
    {"DRAM1_ADDR[0..12]", out, LVTTL, "T5 T6 U4 U6 U7 V7 V8 W4 W7 W8 T4 Y4 Y7"},
};

constexpr BoardPinRow kSsram[] = {
    {"SRAM_ADDR[0..18]", out, LVTTL,
     "AG8 AF8 AH7 AG7 AG6 AG5 AE12 AG12 AD13 AE13 AF14 AG14 AE15 AF15 AC16 AF20 AG20 AE11 AF11"},
    {"SRAM_DQ[0..31]", inout, LVTTL,
     "AH10 AJ10 AK10 AJ11 AK11 AH12 AJ12 AH16 AK17 AJ17 AH17 AJ18 AH18 AK19 AJ19 AK23 AJ20 AK21 AJ21 AK22 AJ22 AH15 "
     "AJ15 AJ16 AK14 AJ14 AJ13 AH13 AK12 AK7 AJ8 AK8"},
    {"SRAM_ADSC_N, SRAM_ADSP_N, SRAM_ADV_N, SRAM_BE_N[0..3], SRAM_CE1_N, SRAM_CE2, SRAM_CE3_N, SRAM_CLK", out, LVTTL,
     "AG17 AC18 AD16 AC21 AC20 AD20 AH20 AH19 AG19 AD22 AD7"},
    {"SRAM_DPA[0..3]", inout, LVTTL, "AK9 AJ23 AK20 AJ9"},
    {"SRAM_GW_N, SRAM_OE_N, SRAM_WE_N", out, LVTTL, "AG18 AD18 AF18"},
};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_ADDR[0..21]", out, LVTTL,
     "AF24 AG24 AE23 AG23 AF23 AG22 AH22 AF22 AH27 AJ27 AH26 AJ26 AK26 AJ25 AK25 AH24 AG25 AF21 AD21 AK28 AJ28 AE20"},
    {"FLASH_DQ[0..14]", inout, LVTTL, "AF29 AE28 AE30 AD30 AC29 AB29 AA29 Y28 AF30 AE29 AD29 AC28 AC30 AB30 AA30"},
    {"FLASH_DQ15_AM1, FLASH_BYTE_N, FLASH_CE_N, FLASH_OE_N, FLASH_RESET_N, FLASH_RY, FLASH_WE_N, FLASH_WP_N", out,
     LVTTL, "AE24 Y29 AG28 AG29 AH28 AH30 AJ29 AH29"},
};

// 40-pin GPIO headers, positions 1 to 40; nullptr at the supply pins 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "T25", "C30", "T24", "C29", "E28", "D29", "E27", "D28", "E29", "G25", nullptr, nullptr, "E30", "G26",
    "F29", "G29", "F30", "G30", "H23", "H29", "G24", "H30", "J29", "H25", "J30", "H24", "J25", "K24",
    nullptr, nullptr, "J24", "K25", "L22", "M21", "L21", "M22", "N22", "N25", "N21", "N24",
};
constexpr const char* kGpio1Locations[40] = {
    "AH14", "G27", "AG15", "G28", "H27", "L24", "H28", "L25", "K27", "L28", nullptr, nullptr, "K28", "L27",
    "K29", "M25", "K30", "M24", "AF27", "L29", "AF28", "L30", "P26", "P28", "P25", "P27", "M29", "R26",
    nullptr, nullptr, "M30", "R27", "P24", "N28", "P23", "N29", "R23", "P29", "R22", "P30",
};

// The I2C group is named after the devices on it, the pieces joined as the board names them
// ("I2C for Audioand Tv-Decode 1 and 2" with all three).
std::string I2cGroupName(const PELLISH_CONFIG& Config)
{
    const bool decoder = Config.bTvDecode1 || Config.bTvDecode2;
    std::string name = "I2C for ";
    if (Config.bAudio) name += "Audio";
    if (Config.bAudio && decoder) name += "and ";
    if (Config.bTvDecode1 && Config.bTvDecode2) name += "Tv-Decode 1 and 2";
    else if (Config.bTvDecode1) name += "Tv-Decode 1";
    else if (Config.bTvDecode2) name += "Tv-Decode 2";
    return name;
}

}  // namespace

void DefaultConfig(PELLISH_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Pellish;
    config.Size = sizeof(PELLISH_CONFIG);
    WriteRecordText(config.szProjectName, "Pellish");
    std::memset(&config.bOSC, 1, offsetof(PELLISH_CONFIG, bUSB) + 1 - offsetof(PELLISH_CONFIG, bOSC));
}

void BuildMainBoard_Pellish(TMainBoard* board, const PELLISH_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Pellish;
    PW_CHECK(Config.BoardId == MAINBOARD_Pellish);
    PW_CHECK(Config.Size == sizeof(PELLISH_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone II";
    board->m_Device = "EP2C70F896C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "Sma", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON", kButton);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bAudio || Config.bTvDecode1 || Config.bTvDecode2) AddBoardGroup(*board, I2cGroupName(Config), kI2c);
    if (Config.bEthernet) AddBoardGroup(*board, "Ethernet", kEthernet);
    if (Config.bTvDecode1) AddBoardGroup(*board, "TV Decoder 1", kTvDecoder1);
    if (Config.bTvDecode2) AddBoardGroup(*board, "TV Decoder 2", kTvDecoder2);
    if (Config.bUSB) AddBoardGroup(*board, "USB OTG", kUsb);
    if (Config.bIR) AddBoardGroup(*board, "IR", kIr);
    if (Config.bSDRAM1) AddBoardGroup(*board, "SDRAM0", kSdram0);
    if (Config.bSDRAM2) AddBoardGroup(*board, "SDRAM1", kSdram1);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM", kSsram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations);
}

void BuildPellishProjectBoard(TMainBoard& board, const PELLISH_CONFIG& config)
{
    // Two "GPIO Default" cards are no exception here: they need their own prefixes.
    BuildWithGpioHeaderPair(board, config, &BuildMainBoard_Pellish, false, LVTTL);
}

std::vector<CardChoice> PellishCardChoices(const PELLISH_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GeneratePellishProject(const PELLISH_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(PellishCardChoices(config))) return false;
    TMainBoard board;
    BuildPellishProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

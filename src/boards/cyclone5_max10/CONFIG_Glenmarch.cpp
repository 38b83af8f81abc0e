#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"

#include <cstring>

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


constexpr uint8_t LVTTL = 8;          // "3.3-V LVTTL"
constexpr uint8_t SSTL15_I = 29;      // "SSTL-15 Class I"
constexpr uint8_t DIFF_SSTL15_I = 12; // "Differential 1.5-V SSTL Class I"

constexpr BoardPinRow kAdc[] = {
    {"ADC_CONVST", out, LVTTL, "AJ4"},
    {"ADC_DIN", out, LVTTL, "AK4"},
    {"ADC_DOUT", in, LVTTL, "AK3"},
    {"ADC_SCLK", out, LVTTL, "AK2"},
};

constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCDAT", in, LVTTL, "K7"},
    {"AUD_ADCLRCK", inout, LVTTL, "K8"},
    {"AUD_BCLK", inout, LVTTL, "H7"},
    {"AUD_DACDAT", out, LVTTL, "J7"},
    {"AUD_DACLRCK", inout, LVTTL, "H8"},
    {"AUD_XCK", out, LVTTL, "G7"},
};

constexpr BoardPinRow kClock[] = {
    {"CLOCK_50", in, LVTTL, "AF14", ClockPeriod(20), "BANK 3B"},
    {"CLOCK2_50", in, LVTTL, "AA16", ClockPeriod(20), "BANK 4A"},
    {"CLOCK3_50", in, LVTTL, "Y26", ClockPeriod(20), "BANK 5B"},
    {"CLOCK4_50", in, LVTTL, "K14", ClockPeriod(20), "BANK 8A"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_ADDR[0..12]", out, LVTTL, "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14"},
    {"DRAM_BA[0..1]", out, LVTTL, "AF13 AJ12"},
    {"DRAM_CAS_N", out, LVTTL, "AF11"},
    {"DRAM_CKE", out, LVTTL, "AK13"},
    {"DRAM_CS_N", out, LVTTL, "AG11"},
    {"DRAM_CLK", out, LVTTL, "AH12"},
    {"DRAM_DQ[0..15]", inout, LVTTL, "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5"},
    {"DRAM_LDQM", out, LVTTL, "AB13"},
    {"DRAM_RAS_N", out, LVTTL, "AE13"},
    {"DRAM_UDQM", out, LVTTL, "AK12"},
    {"DRAM_WE_N", out, LVTTL, "AA13"},
};

constexpr BoardPinRow kI2c[] = {
    {"FPGA_I2C_SCLK", out, LVTTL, "J12"},
    {"FPGA_I2C_SDAT", inout, LVTTL, "K12"},
};

constexpr BoardPinRow kSeg7[] = {
    {"HEX0[0..6]", out, LVTTL, "AE26 AE27 AE28 AG27 AF28 AG28 AH28"},
    {"HEX1[0..6]", out, LVTTL, "AJ29 AH29 AH30 AG30 AF29 AF30 AD27"},
    {"HEX2[0..6]", out, LVTTL, "AB23 AE29 AD29 AC28 AD30 AC29 AC30"},
    {"HEX3[0..6]", out, LVTTL, "AD26 AC27 AD25 AC25 AB28 AB25 AB22"},
    {"HEX4[0..6]", out, LVTTL, "AA24 Y23 Y24 W22 W24 V23 W25"},
    {"HEX5[0..6]", out, LVTTL, "V25 AA28 Y27 AB27 AB26 AA26 AA25"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_RXD", in, LVTTL, "AA30"},
    {"IRDA_TXD", out, LVTTL, "AB30"},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..3]", in, LVTTL, "AA14 AA15 W15 Y16"},
};

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..9]", out, LVTTL, "V16 W16 V17 V18 W17 W19 Y19 W20 W21 Y21"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK", inout, LVTTL, "AD7"},
    {"PS2_CLK2", inout, LVTTL, "AD9"},
    {"PS2_DAT", inout, LVTTL, "AE7"},
    {"PS2_DAT2", inout, LVTTL, "AE9"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..9]", in, LVTTL, "AB12 AC12 AF9 AF10 AD11 AD12 AE11 AC9 AD10 AE12"},
};

constexpr BoardPinRow kVideoIn[] = {
    {"TD_CLK27", in, LVTTL, "H15"},
    {"TD_DATA[0..7]", in, LVTTL, "D2 B1 E2 B2 D1 E1 C2 B3"},
    {"TD_HS", in, LVTTL, "A5"},
    {"TD_RESET_N", out, LVTTL, "F6"},
    {"TD_VS", in, LVTTL, "A3"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_B[0..7]", out, LVTTL, "B13 G13 H13 F14 H14 F15 G15 J14"},
    {"VGA_BLANK_N", out, LVTTL, "F10"},
    {"VGA_CLK", out, LVTTL, "A11"},
    {"VGA_G[0..7]", out, LVTTL, "J9 J10 H12 G10 G11 G12 F11 E11"},
    {"VGA_HS", out, LVTTL, "B11"},
    {"VGA_R[0..7]", out, LVTTL, "A13 C13 E13 B12 C12 D12 E12 F13"},
    {"VGA_SYNC_N", out, LVTTL, "C10"},
    {"VGA_VS", out, LVTTL, "D11"},
};

// The processor side's pins have no location: they become ports without a location assignment.
constexpr BoardPinRow kHps[] = {
    {"HPS_DDR3_ADDR[0..14], HPS_DDR3_BA[0..2], HPS_DDR3_DM[0..3]", out, SSTL15_I, ""},
    {"HPS_DDR3_DQ[0..31]", inout, SSTL15_I, ""},
    {"HPS_DDR3_CAS_N, HPS_DDR3_CKE, HPS_DDR3_CS_N, HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_WE_N, HPS_DDR3_RESET_N", out, SSTL15_I, ""},
    {"HPS_DDR3_RZQ", in, SSTL15_I, ""},
    {"HPS_DDR3_DQS_P[0], HPS_DDR3_DQS_N[0], HPS_DDR3_DQS_P[1], HPS_DDR3_DQS_N[1], HPS_DDR3_DQS_P[2], HPS_DDR3_DQS_N[2], HPS_DDR3_DQS_P[3], HPS_DDR3_DQS_N[3]", inout, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_CK_P, HPS_DDR3_CK_N", out, DIFF_SSTL15_I, ""},
    {"HPS_ENET_GTX_CLK", out, LVTTL, ""},
    {"HPS_ENET_INT_N", inout, LVTTL, ""},
    {"HPS_ENET_MDC", out, LVTTL, ""},
    {"HPS_ENET_MDIO", inout, LVTTL, ""},
    {"HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", in, LVTTL, ""},
    {"HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", out, LVTTL, ""},
    {"HPS_FLASH_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_FLASH_DCLK, HPS_FLASH_NCSO", out, LVTTL, ""},
    {"HPS_GPIO[0..1], HPS_GSENSOR_INT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_I2C2_SCLK, HPS_I2C2_SDAT, HPS_I2C_CONTROL, HPS_KEY, HPS_LED", inout, LVTTL, ""},
    {"HPS_SD_CLK", out, LVTTL, ""},
    {"HPS_SD_CMD, HPS_SD_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_SPIM_CLK", out, LVTTL, ""},
    {"HPS_SPIM_MISO", in, LVTTL, ""},
    {"HPS_SPIM_MOSI", out, LVTTL, ""},
    {"HPS_SPIM_SS", inout, LVTTL, ""},
    {"HPS_UART_RX", in, LVTTL, ""},
    {"HPS_UART_TX", out, LVTTL, ""},
    {"HPS_USB_CLKOUT", in, LVTTL, ""},
    {"HPS_USB_DATA[0..7]", inout, LVTTL, ""},
    {"HPS_USB_DIR, HPS_USB_NXT", in, LVTTL, ""},
    {"HPS_USB_STP", out, LVTTL, ""},
    {"HPS_CONV_USB_N", inout, LVTTL, ""},
};

// 40-pin headers, positions 1 to 40; nullptr at the supply positions 11, 12, 29 and 30.
constexpr const char* kGpio0Locations[40] = {
    "AC18", "Y17", "AD17", "Y18", "AK16", "AK18", "AK19", "AJ19", "AJ17", "AJ16", nullptr, nullptr, "AH18", "AH17", "AG16", "AE16", "AF16", "AG17", "AA18", "AA19",  // 1-20
    "AE17", "AC20", "AH19", "AJ20", "AH20", "AK21", "AD19", "AD20", nullptr, nullptr, "AE18", "AE19", "AF20", "AF21", "AF19", "AG21", "AF18", "AG20", "AG18", "AJ21",  // 21-40
};

constexpr const char* kGpio1Locations[40] = {
    "AB17", "AA21", "AB21", "AC23", "AD24", "AE23", "AE24", "AF25", "AF26", "AG25", nullptr, nullptr, "AG26", "AH24", "AH27", "AJ27", "AK29", "AK28", "AK27", "AJ26",  // 1-20
    "AK26", "AH25", "AJ25", "AJ24", "AK24", "AG23", "AK23", "AH23", nullptr, nullptr, "AK22", "AJ22", "AH22", "AG22", "AF24", "AF23", "AE22", "AD21", "AA20", "AC22",  // 21-40
};

}  // namespace

GLENMARCH_CONFIG GLENMARCH_CONFIG::DefaultConfig()
{
    GLENMARCH_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Glenmarch;
    c.Size = sizeof(GLENMARCH_CONFIG);
    WriteRecordText(c.szProjectName, "Glenmarch");
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bVga = c.bSdram = c.bAudio = c.bVideoIn = c.bAdc = c.bSeg7 =
        c.bIr = c.bPs2 = 1;
    c.bHps = 0;
    return c;
}

void BuildMainBoard_Glenmarch(TMainBoard* board, const GLENMARCH_CONFIG& Config)
{
    // The writers' board blocks read the copy, so it is taken whatever the checks find.
    StoreRecordCopy(board->m_GlenmarchConfig, Config);
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Glenmarch);
    PW_CHECK(Config.Size == sizeof(GLENMARCH_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA5F31C6";
    board->m_DevicePinCount = 896;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = platform::Format("%d", 6);

    if (Config.bAdc) AddBoardGroup(*board, "ADC", kAdc);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bClock) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSdram) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bAudio || Config.bVideoIn) AddBoardGroup(*board, "I2C for Audio and Video-In", kI2c);
    if (Config.bSeg7) AddBoardGroup(*board, "SEG7", kSeg7);
    if (Config.bIr) AddBoardGroup(*board, "IR", kIr);
    if (Config.bButton) AddBoardGroup(*board, "KEY", kKey);
    if (Config.bLed) AddBoardGroup(*board, "LED", kLed);
    if (Config.bPs2) AddBoardGroup(*board, "PS2", kPs2);
    if (Config.bSwitch) AddBoardGroup(*board, "SW", kSwitch);
    if (Config.bVideoIn) AddBoardGroup(*board, "Video-In", kVideoIn);
    if (Config.bVga) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bHps) AddBoardGroup(*board, "HPS", kHps);

    AddGpioHeaders(*board, Config.nGpioDaughterId[GPIO_0], Config.nGpioDaughterId[GPIO_1], kGpio0Locations,
                   kGpio1Locations, Gpio80Rule::Applies);
}

void BuildGlenmarchProjectBoard(TMainBoard& board, const GLENMARCH_CONFIG& record)
{
    BuildWithGpioHeaderPair(board, record, &BuildMainBoard_Glenmarch, true);
}

std::vector<CardChoice> GlenmarchCardChoices(const GLENMARCH_CONFIG& config)
{
    return GpioHeaderChoices(config.nGpioDaughterId, CONNECTOR_GPIO80);
}

bool GenerateGlenmarchProject(const GLENMARCH_CONFIG& record, const std::string& projectFile)
{
    if (!CheckCardChoices(GlenmarchCardChoices(record))) return false;
    TMainBoard board;
    BuildGlenmarchProjectBoard(board, record);
    return TSystemBuild().Generate(board, projectFile, false);
}

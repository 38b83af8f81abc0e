#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"

#include <cstring>

#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "boards/stratix4_cyclone4/CycloneIvF29Wiring.h"
#include "core/model/BoardDefinition.h"
#include "core/model/HsmcVoltage.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using namespace cyclone4f29;

constexpr BoardPinRow kLed[] = {
    {"LEDR[0..17]", out, V25, "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17 J15 H16 J16 H17 F15 G15 G16 H15"},
    {"LEDG[0..8]", out, V25, "E21 E22 E25 E24 H21 G20 G22 G21 F17"},
};

constexpr BoardPinRow kExIo[] = {
    {"EX_IO[0..6]", inout, LVTTL, "J10 J14 H13 H14 F14 E10 D9"},
};

constexpr BoardPinRow kRs232[] = {
    {"UART_TXD", out, LVTTL, "G9"},
    {"UART_RXD", in, LVTTL, "G12"},
    {"UART_RTS", out, LVTTL, "G14"},
    {"UART_CTS", in, LVTTL, "J13"},
};

constexpr BoardPinRow kPs2[] = {
    {"PS2_CLK, PS2_DAT, PS2_CLK2, PS2_DAT2", inout, LVTTL, "G6 H5 G5 F5"},
};

constexpr BoardPinRow kVga[] = {
    {"VGA_HS, VGA_VS, VGA_SYNC_N, VGA_CLK, VGA_BLANK_N", out, LVTTL, "G13 C13 C10 A12 F11"},
    {"VGA_R[0..7]", out, LVTTL, "E12 E11 D10 F12 G10 J12 H8 H10"},
    {"VGA_G[0..7]", out, LVTTL, "G8 G11 F8 H12 C8 B8 F10 C9"},
    {"VGA_B[0..7]", out, LVTTL, "B10 A10 C11 B11 A11 C12 D11 D12"},
};

constexpr BoardPinRow kEepromI2c[] = {
    {"EEP_I2C_SCLK", out, LVTTL, "D14"},
    {"EEP_I2C_SDAT", inout, LVTTL, "E14"},
};

// The 25 MHz clock goes to whichever Ethernet port is built first.
constexpr BoardPinRow kEnetClock[] = {
    {"ENETCLK_25", in, LVTTL, "A14"},
};
constexpr BoardPinRow kEthernet0[] = {
    {"ENET0_TX_DATA[0]", out, V25, "C18"},
    {"ENET0_RX_DATA[0]", in, V25, "C16"},
    {"ENET0_TX_DATA[1]", out, V25, "D19"},
    {"ENET0_RX_DATA[1]", in, V25, "D16"},
    {"ENET0_TX_DATA[2]", out, V25, "A19"},
    {"ENET0_RX_DATA[2]", in, V25, "D17"},
    {"ENET0_TX_DATA[3]", out, V25, "B19"},
    {"ENET0_RX_DATA[3]", in, V25, "C15"},
    {"ENET0_GTX_CLK, ENET0_TX_EN, ENET0_TX_ER", out, V25, "A17 A18 B18"},
    {"ENET0_INT_N", in, V25, "A21"},
    {"ENET0_RST_N", out, V25, "C19"},
    {"ENET0_RX_DV, ENET0_RX_ER, ENET0_RX_CRS, ENET0_RX_COL, ENET0_RX_CLK, ENET0_TX_CLK", in, V25,
     "C17 D18 D15 E15 A15 B17"},
    {"ENET0_MDC", out, V25, "C20"},
    {"ENET0_MDIO", inout, V25, "B21"},
    {"ENET0_LINK100", in, LVTTL, "C14"},
};
constexpr BoardPinRow kEthernet1[] = {
    {"ENET1_TX_DATA[0]", out, V25, "C25"},
    {"ENET1_RX_DATA[0]", in, V25, "B23"},
    {"ENET1_TX_DATA[1]", out, V25, "A26"},
    {"ENET1_RX_DATA[1]", in, V25, "C21"},
    {"ENET1_TX_DATA[2]", out, V25, "B26"},
    {"ENET1_RX_DATA[2]", in, V25, "A23"},
    {"ENET1_TX_DATA[3]", out, V25, "C26"},
    {"ENET1_RX_DATA[3]", in, V25, "D21"},
    {"ENET1_GTX_CLK, ENET1_TX_EN, ENET1_TX_ER", out, V25, "C23 B25 A25"},
    {"ENET1_INT_N", in, V25, "D24"},
    {"ENET1_RST_N", out, V25, "D22"},
    {"ENET1_RX_DV, ENET1_RX_ER, ENET1_RX_CRS, ENET1_RX_COL, ENET1_RX_CLK, ENET1_TX_CLK", in, V25,
     "A22 C24 D20 B22 B15 C22"},
    {"ENET1_MDC", out, V25, "D23"},
    {"ENET1_MDIO", inout, V25, "D25"},
    {"ENET1_LINK100", in, LVTTL, "D13"},
};

constexpr BoardPinRow kTvDecoder[] = {
    {"TD_HS, TD_VS, TD_CLK27", in, LVTTL, "E5 E4 B14"},
    {"TD_RESET_N", out, LVTTL, "G7"},
    {"TD_DATA[0..7]", in, LVTTL, "E8 A7 D8 C7 D7 D6 E7 F7"},
};

constexpr BoardPinRow kUsb[] = {
    {"OTG_DATA[0..15]", inout, LVTTL, "J6 K4 J5 K3 J4 J3 J7 H6 H3 H4 G1 G2 G3 F1 F3 G4"},
    {"OTG_ADDR[0..1]", out, LVTTL, "H7 C3"},
    {"OTG_INT", in, LVTTL, "D5"},
    {"OTG_RST_N, OTG_CS_N, OTG_RD_N, OTG_WE_N", out, LVTTL, "C5 A3 B3 A4"},
};

constexpr BoardPinRow kIr[] = {
    {"IRDA_RXD", in, LVTTL, "Y15"},
};

constexpr BoardPinRow kSdram[] = {
    {"DRAM_BA[0..1], DRAM_DQM[0..3], DRAM_RAS_N, DRAM_CAS_N, DRAM_CKE, DRAM_CLK, DRAM_WE_N, DRAM_CS_N", out, LVTTL,
     "U7 R4 U2 W4 K8 N8 U6 V7 AA6 AE5 V6 T4"},
    {"DRAM_DQ[0..31]", inout, LVTTL,
     "W3 W2 V4 W1 V3 V2 V1 U3 Y3 Y4 AB1 AA3 AB2 AC1 AB3 AC2 M8 L8 P2 N3 N4 M4 M7 L7 U5 R7 R1 R2 R3 T3 U4 U1"},
    {"DRAM_ADDR[0..12]", out, LVTTL, "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7"},
};

constexpr BoardPinRow kFlash[] = {
    {"FL_ADDR[0..22]", out, LVTTL,
     "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11"},
    {"FL_DQ[0..7]", inout, LVTTL, "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12"},
    {"FL_CE_N, FL_OE_N, FL_RST_N", out, LVTTL, "AG7 AG8 AE11"},
    {"FL_RY", in, LVTTL, "Y1"},
    {"FL_WE_N, FL_WP_N", out, LVTTL, "AC10 AE12"},
};

// The standards of the pins that share I/O banks with a connector: the connector's standard
// while the connector is in use, else 3.3-V LVTTL.
struct BankStandards {
    uint8_t gpio;
    uint8_t hsmc;
};

BankStandards BankRules(const KAVRIN_CONFIG& Config)
{
    // A voltage no form writes counts as the default, which puts no connector in use.
    const int32_t gpioVoltage = KavrinGpioVoltageEntry(Config.nGpioVoltage);
    const int32_t hsmcVoltage = HsmcVoltageEntry(Config.nHsmcVoltage);
    const bool gpioInUse = gpioVoltage != kKavrinGpioVoltageDefault || Config.nGpioDaughterId != 0;
    const bool hsmcInUse = hsmcVoltage != kHsmcVoltageDefault || Config.nHsmcDaughterId != 0;
    return {gpioInUse ? HsmcVoltageIoStandard(gpioVoltage) : LVTTL,
            hsmcInUse ? HsmcVoltageIoStandard(hsmcVoltage) : LVTTL};
}

}  // namespace

void DefaultConfig(KAVRIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Kavrin;
    config.Size = sizeof(KAVRIN_CONFIG);
    WriteRecordText(config.szProjectName, "Kavrin");
    std::memset(&config.bOSC, 1, offsetof(KAVRIN_CONFIG, bEXIO) + 1 - offsetof(KAVRIN_CONFIG, bOSC));
    config.nGpioVoltage = kKavrinGpioVoltageDefault;
    config.nHsmcVoltage = kHsmcVoltageDefault;
}

uint8_t KavrinGenericGpioCard(int32_t gpioVoltage)
{
    constexpr uint8_t kCards[] = {0, DAUGHTER_GPIO_DEFAULT_2V5, DAUGHTER_GPIO_DEFAULT_1V8, DAUGHTER_GPIO_DEFAULT_1V5};
    return kCards[KavrinGpioVoltageEntry(gpioVoltage)];
}

void BuildMainBoard_Kavrin(TMainBoard* board, const KAVRIN_CONFIG& Config)
{
    board->m_BoardId = MAINBOARD_Kavrin;
    PW_CHECK(Config.BoardId == MAINBOARD_Kavrin);
    PW_CHECK(Config.Size == sizeof(KAVRIN_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Cyclone IV E";
    board->m_Device = "EP4CE115F29C7";
    board->m_DevicePinCount = 780;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 7;

    const BankStandards bank = BankRules(Config);
    const uint8_t gpio = bank.gpio;
    const uint8_t hsmc = bank.hsmc;

    if (Config.bOSC) {
        const BoardPinRow clock[] = {
            {"CLOCK_50, CLOCK2_50", in, LVTTL, "Y2 AG14", ClockPeriod(20)},
            {"CLOCK3_50", in, gpio, "AG15", ClockPeriod(20)},
        };
        AddBoardGroup(*board, "CLOCK", clock);
    }
    if (Config.bSma) {
        const BoardPinRow sma[] = {
            {"SMA_CLKIN", in, LVTTL, "AH14"},
            {"SMA_CLKOUT", out, gpio, "AE23"},
        };
        AddBoardGroup(*board, "Sma", sma);
    }
    if (Config.bLED) AddBoardGroup(*board, "LED", kLed);
    if (Config.bButton) {
        const BoardPinRow key[] = {{"KEY[0..3]", in, hsmc, "M23 M21 N21 R24"}};
        AddBoardGroup(*board, "KEY", key);
    }
    if (Config.bEXIO) AddBoardGroup(*board, "EX_IO", kExIo);
    if (Config.bSwitch) {
        const BoardPinRow sw[] = {{"SW[0..17]", in, hsmc,
                                   "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25 AC24 AB24 AB23 AA24 AA23 AA22 Y24 Y23"}};
        AddBoardGroup(*board, "SW", sw);
    }
    if (Config.bSeg7) {
        const BoardPinRow seg7[] = {
            {"HEX0[0..2]", out, V25, "G18 F22 E17"},
            {"HEX0[3..6]", out, hsmc, "L26 L25 J22 H22"},
            {"HEX1[0..6]", out, hsmc, "M24 Y22 W21 W22 W25 U23 U24"},
            {"HEX2[0..6]", out, hsmc, "AA25 AA26 Y25 W26 Y26 W27 W28"},
            {"HEX3[0..1]", out, hsmc, "V21 U21"},
            {"HEX3[2..6]", out, gpio, "AB20 AA21 AD24 AF23 Y19"},
            {"HEX4[0..6]", out, gpio, "AB19 AA19 AG21 AH21 AE19 AF19 AE18"},
            {"HEX5[0..6]", out, gpio, "AD18 AC18 AB18 AH19 AG19 AF18 AH18"},
            {"HEX6[0..6]", out, gpio, "AA17 AB16 AA16 AB17 AB15 AA15 AC17"},
            {"HEX7[0..5]", out, gpio, "AD17 AE17 AG17 AH17 AF17 AG18"},
            {"HEX7[6]", out, LVTTL, "AA14"},
        };
        AddBoardGroup(*board, "SEG7", seg7);
    }
    if (Config.bLCD) AddBoardGroup(*board, "LCD", kLcd);
    if (Config.bRS232) AddBoardGroup(*board, "RS232", kRs232);
    if (Config.bPS2) AddBoardGroup(*board, "PS2 for Keyboard and Mouse", kPs2);
    if (Config.bSDCARD) AddBoardGroup(*board, "SDCARD", kSdCard);
    if (Config.bVGA) AddBoardGroup(*board, "VGA", kVga);
    if (Config.bAudio) AddBoardGroup(*board, "Audio", kAudio);
    if (Config.bEEPROM) AddBoardGroup(*board, "I2C for EEPROM", kEepromI2c);
    if (Config.bAudio || Config.bTvDecode || Config.nHsmcDaughterId != 0) {
        // Named after its users, each word with its trailing blank.
        std::string name = "I2C for ";
        if (Config.bAudio) name += "Audio ";
        if (Config.bTvDecode) name += "Tv-Decoder ";
        if (Config.nHsmcDaughterId != 0) name += "HSMC ";
        AddBoardGroup(*board, name, kCodecI2c);
    }
    bool enetClockGiven = false;
    for (int port : {0, 1}) {
        if (!(port == 0 ? Config.bEthernet0 : Config.bEthernet1)) continue;
        TConnector* ethernet = AddBoardGroup(*board, platform::Format("Ethernet %d", port),
                                             enetClockGiven ? std::span<const BoardPinRow>() : kEnetClock);
        enetClockGiven = true;
        AddBoardPins(*ethernet, port == 0 ? std::span<const BoardPinRow>(kEthernet0) : kEthernet1);
    }
    if (Config.bTvDecode) AddBoardGroup(*board, "TV Decoder", kTvDecoder);
    if (Config.bUSB) AddBoardGroup(*board, "USB 2.0 OTG (Cypress CY7C67200)", kUsb);
    if (Config.bIR) AddBoardGroup(*board, "IR Receiver", kIr);
    if (Config.bSDRAM) AddBoardGroup(*board, "SDRAM", kSdram);
    if (Config.bSRAM) AddBoardGroup(*board, "SRAM", kSram);
    if (Config.bFlash) AddBoardGroup(*board, "Flash", kFlash);

    if (Config.nGpioDaughterId != 0)
        AddExpansionConnector(*board, "GPIO", platform::Format("GPIO connect to %s", BoardName(Config.nGpioDaughterId).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0, kGpioLocations);
    if (Config.nHsmcDaughterId != 0) {
        // Position 40 is wired as an input at the connector's voltage whatever the card says.
        const FixedPosition fixed[] = {{40, DIRECTION_INPUT, HsmcVoltageIoStandard(Config.nHsmcVoltage)}};
        AddExpansionConnector(*board, "HSMC", platform::Format("HSMC connect to %s", BoardName(Config.nHsmcDaughterId).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A, kHsmcLocations, {.fixed = fixed});
    }
}

void BuildKavrinProjectBoard(TMainBoard& board, const KAVRIN_CONFIG& config)
{
    KAVRIN_CONFIG Config = config;
    if (const uint8_t generic = KavrinGenericGpioCard(Config.nGpioVoltage)) Config.nGpioDaughterId = generic;
    if (Config.nHsmcDaughterId == DAUGHTER_HSMC_DEFAULT && Config.szHSMCPrefixName[0] == 0)
        WriteRecordText(Config.szHSMCPrefixName, "HSMC_");
    BuildMainBoard_Kavrin(&board, Config);
    if (Config.nGpioDaughterId != 0)
        TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_0, Config.nGpioDaughterId,
                                          ReadRecordText(Config.szGpioPrefixName), nullptr, LVTTL, 0);
    if (Config.nHsmcDaughterId != 0)
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A, Config.nHsmcDaughterId,
                                          ReadRecordText(Config.szHSMCPrefixName), "",
                                          HsmcVoltageIoStandard(Config.nHsmcVoltage), 0);
}

std::vector<CardChoice> KavrinCardChoices(const KAVRIN_CONFIG& config)
{
    std::vector<CardChoice> choices;
    // Away from its default voltage the header carries the generic card, whatever the record holds.
    if (KavrinGenericGpioCard(config.nGpioVoltage) == 0)
        choices.push_back(ChoiceOf("GPIO", config.nGpioDaughterId, CONNECTOR_GPIO40));
    choices.push_back(ChoiceOf("HSMC", config.nHsmcDaughterId, CONNECTOR_HSMC, false, HsmcVoltageClass(config.nHsmcVoltage)));
    return choices;
}

bool GenerateKavrinProject(const KAVRIN_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(KavrinCardChoices(config))) return false;
    TMainBoard board;
    BuildKavrinProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

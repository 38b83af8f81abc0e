#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<KAVRIN_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8, V25 = 6, V18 = 3, V15 = 0;

void NoGroups(KAVRIN_CONFIG& c) { std::memset(&c.bOSC, 0, offsetof(KAVRIN_CONFIG, bEXIO) + 1 - offsetof(KAVRIN_CONFIG, bOSC)); }

const modeltest::DeviceFacts kDevice = {MAINBOARD_Kavrin, "Cyclone IV E", "EP4CE115F29C7", "FBGA", 780, 7};

// The pins under the bank rules: the GPIO side, the HSMC side, and the fixed ones between them.
std::vector<modeltest::PinFacts> BankPins(int gpio, int hsmc)
{
    return {{"CLOCK_50", "Y2", in, LVTTL, 1, 20}, {"CLOCK3_50", "AG15", in, gpio, 1, 20},
            {"SMA_CLKIN", "AH14", in, LVTTL},     {"SMA_CLKOUT", "AE23", out, gpio},
            {"KEY[0]", "M23", in, hsmc},          {"KEY[3]", "R24", in, hsmc},
            {"SW[0]", "AB28", in, hsmc},          {"SW[17]", "Y23", in, hsmc},
            {"HEX0[2]", "E17", out, V25},         {"HEX0[3]", "L26", out, hsmc},
            {"HEX2[6]", "W28", out, hsmc},        {"HEX3[1]", "U21", out, hsmc},
            {"HEX3[2]", "AB20", out, gpio},       {"HEX6[0]", "AA17", out, gpio},
            {"HEX7[5]", "AG18", out, gpio},       {"HEX7[6]", "AA14", out, LVTTL}};
}

const std::vector<std::string> kAllGroups = {
    "CLOCK", "Sma", "LED", "KEY", "EX_IO", "SW", "SEG7", "LCD", "RS232", "PS2 for Keyboard and Mouse", "SDCARD", "VGA",
    "Audio", "I2C for EEPROM", "I2C for Audio Tv-Decoder ", "Ethernet 0", "Ethernet 1", "TV Decoder",
    "USB 2.0 OTG (Cypress CY7C67200)", "IR Receiver", "SDRAM", "SRAM", "Flash"};

std::vector<std::string> With(std::vector<std::string> names, std::initializer_list<const char*> more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

ConnectorFacts Hsmc(uint8_t card)
{
    return {.name = "HSMC", .entries = 160, .pins = 82, .active = 82, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A, .description = "HSMC connect to " + BoardName(card)};
}

}  // namespace

TEST(KavrinDefinition, RecordsGiveTheirConnectors)
{
    std::vector<modeltest::PinFacts> defaults = BankPins(LVTTL, LVTTL);
    defaults.insert(defaults.end(), {{"LEDR[0]", "G19", out, V25},
                                     {"LEDG[8]", "F17", out, V25},
                                     {"EX_IO[6]", "D9", inout, LVTTL},
                                     {"LCD_ON", "L5", out, LVTTL},
                                     {"UART_CTS", "J13", in, LVTTL},
                                     {"PS2_DAT2", "F5", inout, LVTTL},
                                     {"SD_WP_N", "AF14", in, LVTTL},
                                     {"VGA_B[7]", "D12", out, LVTTL},
                                     {"AUD_BCLK", "F2", inout, LVTTL},
                                     {"EEP_I2C_SDAT", "E14", inout, LVTTL},
                                     {"I2C_SCLK", "B7", out, LVTTL},
                                     {"ENETCLK_25", "A14", in, LVTTL},
                                     {"ENET0_TX_DATA[0]", "C18", out, V25},
                                     {"ENET0_MDIO", "B21", inout, V25},
                                     {"ENET0_LINK100", "C14", in, LVTTL},
                                     {"ENET1_RX_DATA[3]", "D21", in, V25},
                                     {"ENET1_LINK100", "D13", in, LVTTL},
                                     {"TD_CLK27", "B14", in, LVTTL},
                                     {"OTG_ADDR[1]", "C3", out, LVTTL},
                                     {"OTG_INT", "D5", in, LVTTL},
                                     {"IRDA_RXD", "Y15", in, LVTTL},
                                     {"DRAM_CS_N", "T4", out, LVTTL},
                                     {"DRAM_DQ[31]", "U1", inout, LVTTL},
                                     {"SRAM_ADDR[19]", "T8", out, LVTTL},
                                     {"SRAM_WE_N", "AE8", out, LVTTL},
                                     {"FL_ADDR[22]", "AD11", out, LVTTL},
                                     {"FL_RY", "Y1", in, LVTTL},
                                     {"FL_WP_N", "AE12", out, LVTTL}});
    const Case cases[] = {
        {"defaults: every group, no card, neither connector in use", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = kAllGroups,
                    .counts = {{.name = "CLOCK", .entries = 3, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "Sma", .entries = 2}, {.name = "LED", .entries = 27},
                               {.name = "KEY", .entries = 4}, {.name = "EX_IO", .entries = 7},
                               {.name = "SW", .entries = 18}, {.name = "SEG7", .entries = 56},
                               {.name = "LCD", .entries = 13}, {.name = "RS232", .entries = 4},
                               {.name = "PS2 for Keyboard and Mouse", .entries = 4}, {.name = "SDCARD", .entries = 7},
                               {.name = "VGA", .entries = 29}, {.name = "Audio", .entries = 6},
                               {.name = "I2C for EEPROM", .entries = 2},
                               {.name = "I2C for Audio Tv-Decoder ", .entries = 2},
                               {.name = "Ethernet 0", .entries = 23}, {.name = "Ethernet 1", .entries = 22},
                               {.name = "TV Decoder", .entries = 12},
                               {.name = "USB 2.0 OTG (Cypress CY7C67200)", .entries = 23},
                               {.name = "IR Receiver", .entries = 1}, {.name = "SDRAM", .entries = 57},
                               {.name = "SRAM", .entries = 41}, {.name = "Flash", .entries = 37}},
                    .pins = defaults,
                    // The data pins alternate TX and RX.
                    .positions = {{"Ethernet 0", 1, "A14"}, {"Ethernet 0", 2, "C18"}, {"Ethernet 0", 3, "C16"},
                                  {"Ethernet 0", 4, "D19"}, {"Ethernet 1", 1, "C25"}, {"Ethernet 1", 2, "B23"}}}},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"the default HSMC card at 2.5 V puts the HSMC banks in use",
         [](KAVRIN_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT; },
         BoardFacts{.counts = {Hsmc(DAUGHTER_HSMC_DEFAULT), {.name = "I2C for Audio Tv-Decoder HSMC ", .entries = 2}},
                    .pins = BankPins(LVTTL, V25),
                    .positions = {{"HSMC", 1, std::nullopt}, {"HSMC", 38, std::nullopt},
                                  {"HSMC", 39, "AD28", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC", 40, "AH15", in, V25}, {"HSMC", 44, "AF27", daughter},
                                  {"HSMC", 45, std::nullopt}, {"HSMC", 47, "D27", daughter},
                                  {"HSMC", 109, "P28", daughter}, {"HSMC", 159, std::nullopt},
                                  {"HSMC", 158, "Y28", daughter}}}},
        {"HSMC at 3.3 V without a card is in use, at 3.3 V", [](KAVRIN_CONFIG& c) { c.nHsmcVoltage = 0; },
         BoardFacts{.connectors = kAllGroups, .pins = BankPins(LVTTL, LVTTL)}},
        {"HSMC at 1.5 V with a card: the banks and position 40 at 1.5 V",
         [](KAVRIN_CONFIG& c) {
             NoGroups(c);
             c.bButton = 1;
             c.nHsmcVoltage = 3;
             c.nHsmcDaughterId = DAUGHTER_Quillet_HSMC;
         },
         BoardFacts{.connectors = std::vector<std::string>{"KEY", "I2C for HSMC ", "HSMC"},
                    .counts = {Hsmc(DAUGHTER_Quillet_HSMC)},
                    .pins = {{"KEY[0]", "M23", in, V15}},
                    .positions = {{"HSMC", 40, "AH15", in, V15}}}},
        {"GPIO at 1.8 V with its generic card",
         [](KAVRIN_CONFIG& c) {
             c.nGpioVoltage = 2;
             c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT_1V8;
         },
         BoardFacts{.connectors = With(kAllGroups, {"GPIO"}),
                    .counts = {{.name = "GPIO", .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
                                .expansionId = EXPANSION_GPIO_0,
                                .description = "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT_1V8)}},
                    .pins = BankPins(V18, LVTTL),
                    .positions = {{"GPIO", 1, "AB22", daughter, IOSTD_FROM_DAUGHTER}, {"GPIO", 11, std::nullopt},
                                  {"GPIO", 12, std::nullopt}, {"GPIO", 29, std::nullopt}, {"GPIO", 30, std::nullopt},
                                  {"GPIO", 40, "AG26", daughter}}}},
        {"a card on the GPIO header at 3.3 V keeps 3.3 V",
         [](KAVRIN_CONFIG& c) { c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT; },
         BoardFacts{.connectors = With(kAllGroups, {"GPIO"}), .pins = BankPins(LVTTL, LVTTL)}},
        // A file's voltage outside the lists stands for the connector's default.
        {"voltages outside the lists",
         [](KAVRIN_CONFIG& c) {
             c.nGpioVoltage = 9;
             c.nHsmcVoltage = -4;
             c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
         },
         BoardFacts{.pins = BankPins(LVTTL, V25), .positions = {{"HSMC", 40, "AH15", in, V25}}}},
        {"the second Ethernet port alone takes the clock",
         [](KAVRIN_CONFIG& c) { NoGroups(c); c.bEthernet1 = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Ethernet 1"},
                    .counts = {{.name = "Ethernet 1", .entries = 23}},
                    .positions = {{"Ethernet 1", 1, "A14", in, LVTTL}, {"Ethernet 1", 2, "C25", out, V25},
                                  {"Ethernet 1", 3, "B23", in, V25}, {"Ethernet 1", 23, "D13", in, LVTTL}}}},
        {"the TV decoder alone names the shared bus",
         [](KAVRIN_CONFIG& c) { NoGroups(c); c.bTvDecode = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"I2C for Tv-Decoder ", "TV Decoder"}}},
    };
    modeltest::ExpectDefinitionTable<KAVRIN_CONFIG>(
        cases, [](TMainBoard& board, const KAVRIN_CONFIG& record) { BuildMainBoard_Kavrin(&board, record); });
}

// The headless pair puts the generic card of the GPIO voltage on the header under the typed
// prefix, and "HSMC_" on the default HSMC card without one; the card standards follow the
// voltages, and position 40 keeps its own.
TEST(KavrinDefinition, ProjectBoardAttachesTheCardsOfTheVoltages)
{
    KAVRIN_CONFIG record;
    DefaultConfig(record);
    record.nGpioVoltage = 3;
    WriteRecordText(record.szGpioPrefixName, "G_");
    record.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    TMainBoard board;
    BuildKavrinProjectBoard(board, record);
    EXPECT_EQ(record.nGpioDaughterId, 0);  // the record stays as it was
    EXPECT_EQ(record.szHSMCPrefixName[0], 0);
    const TConnector* gpio = board.FindExpansionConnector(EXPANSION_GPIO_0);
    ASSERT_NE(gpio, nullptr);
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT_1V5));
    const TPin* first = gpio->GetPin(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName().rfind("G_", 0), 0u) << first->GetName();
    EXPECT_EQ(first->GetIoStandard(), V15);
    const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
    ASSERT_NE(hsmc, nullptr);
    int named = 0;
    for (int p = 0; p < hsmc->GetPinCount(); ++p) {
        const TPin* pin = hsmc->GetPin(p);
        if (!pin || pin->GetName().empty()) continue;
        ++named;
        EXPECT_EQ(pin->GetName().rfind("HSMC_", 0), 0u) << pin->GetName();
    }
    EXPECT_GT(named, 0);
}

TEST(KavrinDefinition, WrongIdOrSizeIsAnInternalError)
{
    KAVRIN_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Ruskel;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Kavrin(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 431;
    EXPECT_THROW(BuildMainBoard_Kavrin(&board, record), platform::InternalError);
}

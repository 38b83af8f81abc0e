#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Lumbrae.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using Case = modeltest::DefinitionCase<LUMBRAE_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8;
constexpr int SSTL15_I = 29;

void NoGroups(LUMBRAE_CONFIG& c)
{
    for (uint8_t* group : {&c.bClock, &c.bLed, &c.bButton, &c.bSwitch, &c.bAdc, &c.bHps, &c.bArduino, &c.bHdmiTx})
        *group = 0;
}

ConnectorFacts Header(int h, uint8_t card)
{
    return {.name = "GPIO_" + std::to_string(h), .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
            .expansionId = EXPANSION_GPIO_0 + h, .description = "GPIO connect to " + BoardName(card)};
}

// Every group and both headers: Kestwin's order with HDMI after CLOCK, and Lumbrae's own pins.
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.device = modeltest::DeviceFacts{MAINBOARD_Lumbrae, "Cyclone V", "5CSEBA6U23I7", "UFBGA", 672, 0, "7"};
    facts.connectors =
        std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HDMI", "HPS", "KEY", "LED", "SW", "GPIO_0", "GPIO_1"};
    facts.counts = {
        {.name = "ADC", .entries = 4},
        {.name = "ARDUINO", .entries = 17},
        {.name = "CLOCK", .entries = 3},
        {.name = "HDMI", .entries = 35, .type = CONNECTOR_NONE, .description = ""},
        {.name = "HPS", .entries = 120},
        {.name = "KEY", .entries = 2},
        {.name = "LED", .entries = 8},
        {.name = "SW", .entries = 4},
        Header(0, DAUGHTER_Omblin),
        Header(1, DAUGHTER_GPIO_DEFAULT),
    };
    facts.pins = {
        {"ADC_SCK", "V10", out, LVTTL},
        {"FPGA_CLK2_50", "Y13", in, LVTTL, 1, 0, "50.0 MHz"},
        {"HDMI_I2C_SCL", "U10", inout, LVTTL},
        {"HDMI_SCLK", "T12", inout},
        {"HDMI_TX_CLK", "AG5", out},
        {"HDMI_TX_D[0]", "AD12", out, LVTTL},
        {"HDMI_TX_D[23]", "AE8", out},
        {"HDMI_TX_INT", "AF11", in},
        {"HDMI_TX_VS", "V13", out},
        {"HPS_DDR3_RZQ", "", in, SSTL15_I},
        {"HPS_USB_DATA[7]", "", inout, LVTTL},
        {"KEY[0]", "AH17", in},
        {"LED[1]", "AA24", out},
        {"SW[0]", "Y24", in},
        {"SW[3]", "W20", in},
    };
    facts.positions = {
        {"GPIO_0", 1, "V12", daughter, IOSTD_FROM_DAUGHTER},
        {"GPIO_0", 2, "E8"},
        {"GPIO_0", 11, std::nullopt},
        {"GPIO_0", 30, std::nullopt},
        {"GPIO_0", 40, "AA11"},
        {"GPIO_1", 2, "AC24", daughter, IOSTD_FROM_DAUGHTER},
        {"GPIO_1", 12, std::nullopt},
        {"GPIO_1", 29, std::nullopt},
        {"GPIO_1", 40, "AE17"},
    };
    return facts;
}

}  // namespace

TEST(LumbraeDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    const Case cases[] = {
        {"default",
         nullptr,
         {.connectors = std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HDMI", "KEY", "LED", "SW"},
          .counts = {{.name = "HDMI", .entries = 35}}}},
        {"no group, no card", NoGroups, {.connectors = std::vector<std::string>{}}},
        {"HDMI alone, any non-zero byte",
         [](LUMBRAE_CONFIG& c) { NoGroups(c); c.bHdmiTx = 0x40; },
         {.connectors = std::vector<std::string>{"HDMI"}}},
        {"a card on GPIO-0 only",
         [](LUMBRAE_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_0] = DAUGHTER_Corvish; },
         {.connectors = std::vector<std::string>{"GPIO_0"}, .counts = {Header(0, DAUGHTER_Corvish)}}},
        {"everything",
         [](LUMBRAE_CONFIG& c) {
             c.bHps = 1;
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_Omblin;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
         },
         FullFacts()},
    };
    modeltest::ExpectDefinitionTable<LUMBRAE_CONFIG>(cases, [](TMainBoard& board, const LUMBRAE_CONFIG& record) {
        BuildMainBoard_Lumbrae(&board, record);
    });
}

TEST(LumbraeDefinition, WrongBoardIdOrSizeIsAnInternalError)
{
    for (auto wrong : {+[](LUMBRAE_CONFIG& c) { c.BoardId = MAINBOARD_Kestwin; }, +[](LUMBRAE_CONFIG& c) { c.Size = 0; }}) {
        LUMBRAE_CONFIG record = DefaultLumbraeConfig();
        wrong(record);
        TMainBoard board;
        EXPECT_THROW(BuildMainBoard_Lumbrae(&board, record), platform::InternalError);
    }
}

// The headless pair attaches the header cards from Lumbrae's offsets.
TEST(LumbraeDefinition, ProjectBoardAttachesTheHeaderCardsAsTheFormDoes)
{
    LUMBRAE_CONFIG record = DefaultLumbraeConfig();
    NoGroups(record);
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
    TMainBoard board;
    BuildLumbraeProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
    for (const char* signal : {"GPIO_0[0]", "GPIO_1[35]"}) EXPECT_NE(modeltest::FindPin(board, signal), nullptr) << signal;

    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;  // not offered: none
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "G_");
    BuildLumbraeProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), std::vector<std::string>{"GPIO_1"});
    EXPECT_NE(modeltest::FindPin(board, "G_GPIO[0]"), nullptr);
}

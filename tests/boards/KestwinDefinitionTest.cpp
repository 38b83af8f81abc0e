#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Kestwin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using Case = modeltest::DefinitionCase<KESTWIN_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8;
constexpr int SSTL15_I = 29;
constexpr int DIFF_SSTL15_I = 12;
constexpr int V1_5 = 0;

void NoGroups(KESTWIN_CONFIG& c)
{
    for (uint8_t* group : {&c.bClock, &c.bLed, &c.bButton, &c.bSwitch, &c.bAdc, &c.bHps, &c.bArduino}) *group = 0;
}

ConnectorFacts Header(int h, uint8_t card)
{
    return {.name = "GPIO_" + std::to_string(h), .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
            .expansionId = EXPANSION_GPIO_0 + h, .description = "GPIO connect to " + BoardName(card)};
}

// Every group and both headers: the order of the generated files, counts and spot pins.
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.device = modeltest::DeviceFacts{MAINBOARD_Kestwin, "Cyclone V", "5CSEMA4U23C6", "UFBGA", 896, 0, "6"};
    facts.connectors = std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "HPS", "KEY", "LED", "SW", "GPIO_0", "GPIO_1"};
    facts.counts = {
        {.name = "ADC", .entries = 4, .type = CONNECTOR_NONE, .description = ""},
        {.name = "ARDUINO", .entries = 17},
        {.name = "CLOCK", .entries = 3},
        {.name = "HPS", .entries = 120},
        {.name = "KEY", .entries = 2},
        {.name = "LED", .entries = 8},
        {.name = "SW", .entries = 4},
        Header(0, DAUGHTER_GPIO_DEFAULT),
        Header(1, DAUGHTER_Sollip),
    };
    facts.pins = {
        {"ADC_CONVST", "U9", out, LVTTL},
        {"ADC_SDO", "AD4", in, LVTTL},
        {"ARDUINO_IO[0]", "AG13", inout, LVTTL},
        {"ARDUINO_IO[15]", "AG11", inout},
        {"ARDUINO_RESET_N", "AH7", inout},
        {"FPGA_CLK1_50", "V11", in, LVTTL, 1, 0, "50.0 MHz"},
        {"FPGA_CLK3_50", "E11", in, LVTTL, 1, 0, "50.0 MHz"},
        {"HPS_CONV_USB_N", "", inout, LVTTL, 0},
        {"HPS_DDR3_ADDR[14]", "", out, SSTL15_I},
        {"HPS_DDR3_CK_P", "", out, DIFF_SSTL15_I},
        {"HPS_DDR3_DQS_N[3]", "", inout, DIFF_SSTL15_I},
        {"HPS_DDR3_RZQ", "", in, V1_5},
        {"HPS_DDR3_WE_N", "", out, SSTL15_I},
        {"HPS_ENET_RX_DV", "", in, LVTTL},
        {"HPS_LTC_GPIO", "", inout, LVTTL},
        {"HPS_USB_STP", "", out, LVTTL},
        {"KEY[1]", "AH16", in},
        {"LED[0]", "W15", out},
        {"LED[7]", "AA23", out},
        {"SW[0]", "L10", in},
        {"SW[3]", "H5", in},
    };
    facts.positions = {
        {"GPIO_0", 1, "V12", daughter, IOSTD_FROM_DAUGHTER},
        {"GPIO_0", 2, "AF7"},
        {"GPIO_0", 11, std::nullopt},
        {"GPIO_0", 12, std::nullopt},
        {"GPIO_0", 29, std::nullopt},
        {"GPIO_0", 30, std::nullopt},
        {"GPIO_0", 40, "AE12"},
        {"GPIO_1", 2, "AG28", daughter, IOSTD_FROM_DAUGHTER},
        {"GPIO_1", 12, std::nullopt},
        {"GPIO_1", 31, "AF22"},
        {"GPIO_1", 40, "AC22"},
    };
    return facts;
}

}  // namespace

TEST(KestwinDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    const Case cases[] = {
        {"default", nullptr, {.connectors = std::vector<std::string>{"ADC", "ARDUINO", "CLOCK", "KEY", "LED", "SW"}}},
        {"no group, no card", NoGroups, {.connectors = std::vector<std::string>{}}},
        {"any non-zero byte ticks",
         [](KESTWIN_CONFIG& c) { NoGroups(c); c.bHps = 0x80; },
         {.connectors = std::vector<std::string>{"HPS"}}},
        {"a card on GPIO-1 only",
         [](KESTWIN_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_Garvet; },
         {.connectors = std::vector<std::string>{"GPIO_1"}, .counts = {Header(1, DAUGHTER_Garvet)}}},
        {"everything",
         [](KESTWIN_CONFIG& c) {
             c.bHps = 1;
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip;
         },
         FullFacts()},
    };
    modeltest::ExpectDefinitionTable<KESTWIN_CONFIG>(cases, [](TMainBoard& board, const KESTWIN_CONFIG& record) {
        BuildMainBoard_Kestwin(&board, record);
    });
}

TEST(KestwinDefinition, WrongBoardIdOrSizeIsAnInternalError)
{
    for (auto wrong : {+[](KESTWIN_CONFIG& c) { c.BoardId = MAINBOARD_Lumbrae; }, +[](KESTWIN_CONFIG& c) { c.Size = 408; }}) {
        KESTWIN_CONFIG record = DefaultKestwinConfig();
        wrong(record);
        TMainBoard board;
        EXPECT_THROW(BuildMainBoard_Kestwin(&board, record), platform::InternalError);
    }
}

// The headless pair attaches as the form does: the default pair under the base names, other
// cards under their prefixes, and a card the form does not offer as none.
TEST(KestwinDefinition, ProjectBoardAttachesTheHeaderCardsAsTheFormDoes)
{
    struct Case {
        const char* label;
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        std::vector<std::string> connectors;
        std::vector<std::string> signals;  // pins that must be there, by name
    };
    const Case cases[] = {
        {"default pair", 1, "", 1, "", {"GPIO_0", "GPIO_1"}, {"GPIO_0[0]", "GPIO_0[35]", "GPIO_1[0]", "GPIO_1[35]"}},
        {"generic card with one prefix", 1, "", 1, "B_", {"GPIO_0", "GPIO_1"}, {"GPIO[0]", "B_GPIO[35]"}},
        {"one card", 0, "", DAUGHTER_Sollip, "S_", {"GPIO_1"}, {}},
        {"an 80-pin card is not offered", DAUGHTER_Kobbet_GPIO, "K_", 1, "G_", {"GPIO_1"}, {"G_GPIO[0]"}},
        {"an id beyond the catalogue", 200, "", 201, "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        KESTWIN_CONFIG record = DefaultKestwinConfig();
        NoGroups(record);
        record.nGpioDaughterId[GPIO_0] = c.card0;
        record.nGpioDaughterId[GPIO_1] = c.card1;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], c.prefix0);
        WriteRecordText(record.szGpioPrefixName[GPIO_1], c.prefix1);
        TMainBoard board;
        BuildKestwinProjectBoard(board, record);
        EXPECT_EQ(modeltest::ConnectorNames(board), c.connectors);
        for (const std::string& signal : c.signals) EXPECT_NE(modeltest::FindPin(board, signal), nullptr) << signal;
        modeltest::ExpectSoundModel(board, c.label);
    }
}

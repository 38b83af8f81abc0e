#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/early/CONFIG_MIRROW.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<MIRROW_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

void NoGroups(MIRROW_CONFIG& c) { std::memset(&c.bOSC, 0, 19); }

ConnectorFacts Header(int h, uint8_t card)
{
    return {.name = "GPIO_" + std::to_string(h), .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
            .expansionId = EXPANSION_GPIO_0 + h,
            .description = "GPIO_" + std::to_string(h) + " connect to " + BoardName(card)};
}

std::vector<PositionFacts> EmptyPositions(const std::string& name, std::initializer_list<int> positions)
{
    std::vector<PositionFacts> facts;
    for (int p : positions) facts.push_back({name, p, std::nullopt});
    return facts;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Mirrow, "Cyclone II", "EP2C35F672C6", "FBGA", 672, 6};

}  // namespace

TEST(MirrowDefinition, RecordsGiveTheirConnectors)
{
    std::vector<PositionFacts> joined = EmptyPositions("GPIO_0_1", {11, 12, 29, 30, 51, 52, 69, 70});
    joined.insert(joined.end(), {{"GPIO_0_1", 1, "D25", daughter, IOSTD_FROM_DAUGHTER},
                                 {"GPIO_0_1", 40, "L19"},
                                 {"GPIO_0_1", 41, "K25"},
                                 {"GPIO_0_1", 80, "W23", daughter, IOSTD_FROM_DAUGHTER}});
    std::vector<PositionFacts> twoHeaders = EmptyPositions("GPIO_0", {11, 12, 29, 30});
    twoHeaders.insert(twoHeaders.end(), {{"GPIO_0", 1, "D25"}, {"GPIO_0", 40, "L19"}, {"GPIO_1", 1, "K25"},
                                         {"GPIO_1", 13, "N24"}, {"GPIO_1", 40, "W23"}});

    const Case cases[] = {
        {"defaults: every group, the I2C group once after Audio, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = std::vector<std::string>{"CLOCK", "Sma", "LED", "KEY", "SW", "SEG7", "LCD", "RS232", "PS2",
                                                    "SDCARD", "VGA", "Audio", "I2C for Audioand Tv-Decode", "Ethernet",
                                                    "TV Decoder", "USB OTG", "IR", "SDRAM", "SRAM", "Flash"},
             .counts = {{.name = "CLOCK", .entries = 2, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "Sma", .entries = 1}, {.name = "LED", .entries = 27}, {.name = "KEY", .entries = 4},
                        {.name = "SW", .entries = 18}, {.name = "SEG7", .entries = 56}, {.name = "LCD", .entries = 13},
                        {.name = "RS232", .entries = 2}, {.name = "PS2", .entries = 2}, {.name = "SDCARD", .entries = 4},
                        {.name = "VGA", .entries = 35}, {.name = "Audio", .entries = 6},
                        {.name = "I2C for Audioand Tv-Decode", .entries = 2}, {.name = "Ethernet", .entries = 23},
                        {.name = "TV Decoder", .entries = 12}, {.name = "USB OTG", .entries = 30},
                        {.name = "IR", .entries = 2}, {.name = "SDRAM", .entries = 38}, {.name = "SRAM", .entries = 39},
                        {.name = "Flash", .entries = 34, .active = 34}},
             .pins = {{"CLOCK_50", "N2", in, 8, 1, 20},
                      {"CLOCK_27", "D13", in, 8, 1, 37},
                      {"EXT_CLOCK", "P26", in, 8, 0},
                      {"LEDR[17]", "AD12", out, 8},
                      {"LEDG[8]", "Y12", out, 8},
                      {"KEY[3]", "W26", in, 8},
                      {"SW[17]", "V2", in, 8},
                      {"HEX0_D[0]", "AF10", out, 8},
                      {"HEX7_D[6]", "N9", out, 8},
                      {"LCD_DATA[7]", "H3", inout, 8},
                      {"LCD_ON", "l4", out, 8},
                      {"UART_RXD", "C25", in, 8},
                      {"PS2_DAT", "C24", inout, 8},
                      {"SD_CLK", "AD25", out, 8},
                      {"VGA_BLANK", "D6", out, 8},
                      {"VGA_B[9]", "B12", out, 8},
                      {"AUD_BCLK", "B4", inout, 8},
                      {"I2C_SCLK", "A6", out, 8},
                      {"I2C_SDAT", "B6", inout, 8},
                      {"ENET_INT", "B21", in, 8},
                      {"ENET_RST_N", "B23", out, 8},
                      {"ENET_DATA[15]", "D18", inout, 8},
                      {"TD_RESET", "C4", out, 8},
                      {"TD_DATA[7]", "C7", in, 8},
                      {"OTG_ADDR[1]", "F2", out, 8},
                      {"OTG_DREQ[1]", "E5", in, 8},
                      {"OTG_LSPEED", "G6", inout, 8},
                      {"OTG_DATA[15]", "K8", inout, 8},
                      {"IRDA_TXD", "AE24", out, 8},
                      {"DRAM_CS_N", "AC3", out, 8},
                      {"DRAM_DQ[15]", "AA5", inout, 8},
                      {"DRAM_ADDR[11]", "V5", out, 8},
                      {"SRAM_ADDR[17]", "AC8", out, 8},
                      {"SRAM_CE_N", "AC11", out, 8},
                      {"FL_ADDR[21]", "Y14", out, 8},
                      {"FL_DQ[7]", "AE21", inout, 8},
                      {"FL_WE_N", "AA17", out, 8}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"TV decoder alone names the I2C group after itself", [](MIRROW_CONFIG& c) { NoGroups(c); c.bTvDecode = 2; },
         BoardFacts{.connectors = std::vector<std::string>{"I2C for Tv-Decode", "TV Decoder"}}},
        {"audio alone", [](MIRROW_CONFIG& c) { NoGroups(c); c.bAudio = 1; c.bEthernet = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Audio", "I2C for Audio", "Ethernet"}}},
        {"a 40-pin card on GPIO-1 alone", [](MIRROW_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_1"}, .counts = {Header(1, DAUGHTER_Sollip)}}},
        {"two 40-pin cards after the groups",
         [](MIRROW_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
         },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "Sma", "LED", "KEY", "SW", "SEG7", "LCD", "RS232",
                                                           "PS2", "SDCARD", "VGA", "Audio", "I2C for Audioand Tv-Decode",
                                                           "Ethernet", "TV Decoder", "USB OTG", "IR", "SDRAM", "SRAM",
                                                           "Flash", "GPIO_0", "GPIO_1"},
                    .counts = {Header(0, DAUGHTER_GPIO_DEFAULT), Header(1, DAUGHTER_Tesvik)},
                    .positions = twoHeaders}},
        {"the 80-pin card on both headers joins them",
         [](MIRROW_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = k80Pin; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0_1"},
                    .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .active = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80,
                                .description = "GPIO_0_1 connect to " + BoardName(k80Pin)}},
                    .positions = joined}},
    };
    modeltest::ExpectDefinitionTable<MIRROW_CONFIG>(
        cases, [](TMainBoard& board, const MIRROW_CONFIG& record) { BuildMainBoard_Mirrow(&board, record); });
}

// The project board pairs a file's headers from GPIO-0 first: an 80-pin card there takes both
// headers under GPIO-0's prefix, one on GPIO-1 alone is dropped. Two "GPIO Default" cards keep
// their prefixes, unlike the boards that name that pair on their own.
TEST(MirrowDefinition, ProjectBoardPairsTheHeadersOfAFile)
{
    struct Row {
        const char* label;
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        std::vector<std::string> connectors;
        std::vector<std::string> pins;
    };
    const Row rows[] = {
        {"80-pin card on GPIO-0 over another", k80Pin, "K_", DAUGHTER_Sollip, "S_", {"GPIO_0_1"}, {"K_ADC_OTR_A", "K_DAC_MODE"}},
        {"80-pin card on GPIO-1 over another", DAUGHTER_Tesvik, "T_", k80Pin, "K_", {"GPIO_0"}, {"T_PMW[0]"}},
        {"80-pin card on GPIO-1 alone", 0, "", k80Pin, "K_", {}, {}},
        {"GPIO Default twice under own prefixes", DAUGHTER_GPIO_DEFAULT, "A_", DAUGHTER_GPIO_DEFAULT, "B_",
         {"GPIO_0", "GPIO_1"}, {"A_GPIO[0]", "B_GPIO[35]"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        MIRROW_CONFIG record;
        DefaultConfig(record);
        NoGroups(record);
        record.nGpioDaughterId[GPIO_0] = r.card0;
        record.nGpioDaughterId[GPIO_1] = r.card1;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], r.prefix0);
        WriteRecordText(record.szGpioPrefixName[GPIO_1], r.prefix1);
        const MIRROW_CONFIG before = record;
        TMainBoard board;
        BuildMirrowProjectBoard(board, record);
        EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
        EXPECT_EQ(modeltest::ConnectorNames(board), r.connectors);
        for (const std::string& pin : r.pins) EXPECT_NE(modeltest::FindPin(board, pin), nullptr) << pin;
        modeltest::ExpectSoundModel(board);
    }
}

TEST(MirrowDefinition, WrongIdOrSizeIsAnInternalError)
{
    MIRROW_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Pellish;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Mirrow(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 408;
    EXPECT_THROW(BuildMainBoard_Mirrow(&board, record), platform::InternalError);
}

#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/early/CONFIG_PELLISH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<PELLISH_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

void NoGroups(PELLISH_CONFIG& c) { std::memset(&c.bOSC, 0, 21); }

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

const modeltest::DeviceFacts kDevice = {MAINBOARD_Pellish, "Cyclone II", "EP2C70F896C6", "FBGA", 896, 6};

const std::vector<std::string> kDefaultGroups = {
    "CLOCK", "Sma", "LED", "BUTTON", "SW", "SEG7", "LCD", "RS232", "PS2", "SDCARD", "VGA", "Audio",
    "I2C for Audioand Tv-Decode 1 and 2", "Ethernet", "TV Decoder 1", "TV Decoder 2", "USB OTG", "IR", "SDRAM0",
    "SDRAM1", "SSRAM", "Flash"};

}  // namespace

TEST(PellishDefinition, RecordsGiveTheirConnectors)
{
    std::vector<PositionFacts> joined = EmptyPositions("GPIO_0_1", {11, 12, 29, 30, 51, 52, 69, 70});
    joined.insert(joined.end(), {{"GPIO_0_1", 1, "T25", daughter, IOSTD_FROM_DAUGHTER},
                                 {"GPIO_0_1", 40, "N24"},
                                 {"GPIO_0_1", 41, "AH14"},
                                 {"GPIO_0_1", 80, "P30", daughter, IOSTD_FROM_DAUGHTER}});
    std::vector<PositionFacts> twoHeaders = EmptyPositions("GPIO_1", {11, 12, 29, 30});
    twoHeaders.insert(twoHeaders.end(), {{"GPIO_0", 1, "T25"}, {"GPIO_0", 13, "E30"}, {"GPIO_0", 40, "N24"},
                                         {"GPIO_1", 1, "AH14"}, {"GPIO_1", 40, "P30"}});
    std::vector<std::string> withHeaders = kDefaultGroups;
    withHeaders.insert(withHeaders.end(), {"GPIO_0", "GPIO_1"});

    const Case cases[] = {
        {"defaults: every group, the I2C group once after Audio, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = kDefaultGroups,
             .counts = {{.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "Sma", .entries = 1}, {.name = "LED", .entries = 27}, {.name = "BUTTON", .entries = 4},
                        {.name = "SW", .entries = 18}, {.name = "SEG7", .entries = 64}, {.name = "LCD", .entries = 13},
                        {.name = "RS232", .entries = 4}, {.name = "PS2", .entries = 4}, {.name = "SDCARD", .entries = 4},
                        {.name = "VGA", .entries = 35}, {.name = "Audio", .entries = 6},
                        {.name = "I2C for Audioand Tv-Decode 1 and 2", .entries = 2},
                        {.name = "Ethernet", .entries = 23}, {.name = "TV Decoder 1", .entries = 12},
                        {.name = "TV Decoder 2", .entries = 12}, {.name = "USB OTG", .entries = 30},
                        {.name = "IR", .entries = 2}, {.name = "SDRAM0", .entries = 39},
                        {.name = "SDRAM1", .entries = 39}, {.name = "SSRAM", .entries = 69},
                        {.name = "Flash", .entries = 45, .active = 45}},
             .pins = {{"CLOCK_50", "AD15", in, 8, 1, 20},
                      {"CLOCK_50_4", "R3", in, 8, 1, 20},
                      {"CLOCK_28", "E16", in, 8, 1, 35},
                      {"EXT_CLOCK", "R29", in, 8, 0},
                      {"LEDR[17]", "AJ7", out, 8},
                      {"LEDG[8]", "AC14", out, 8},
                      {"BUTTON[3]", "U29", in, 8},
                      {"SW[7]", "AD25", in, 8},
                      {"HEX0_DP", "AF12", out, 8},
                      {"HEX7_DP", "G2", out, 8},
                      {"HEX0_D[0]", "AE8", out, 8},
                      {"HEX7_D[6]", "G1", out, 8},
                      {"LCD_DATA[7]", "B2", inout, 8},
                      {"LCD_ON", "F1", out, 8},
                      {"UART_CTS", "G22", out, 8},
                      {"UART_RTS", "F23", in, 8},
                      {"PS2_MSDAT", "D25", inout, 8},
                      {"SD_DAT3", "Y30", inout, 8},
                      {"VGA_BLANK_N", "C15", out, 8},
                      {"VGA_B[9]", "D19", out, 8},
                      {"AUD_BCLK", "E17", inout, 8},
                      {"I2C_SCLK", "J18", out, 8},
                      {"I2C_SDAT", "H18", inout, 8},
                      {"ENET_INT", "C27", in, 8},
                      {"ENET_DATA[15]", "B23", inout, 8},
                      {"TD_RESET_N", "D14", out, 8},
                      {"TD_DATA[7]", "B3", in, 8},
                      {"TD2_RESET_N", "B10", out, 8},
                      {"TD2_DATA[0]", "C10", inout, 8},
                      {"OTG_DATA[15]", "G10", inout, 8},
                      {"IRDA_RXD", "W22", in, 8},
                      {"DRAM0_CS_N", "Y10", out, 8},
                      {"DRAM0_ADDR[12]", "AF4", out, 8},
                      {"DRAM1_CLK", "G5", out, 8},
                      {"DRAM1_DQ[15]", "AB2", inout, 8},
                      {"SRAM_ADDR[18]", "AF11", out, 8},
                      {"SRAM_DQ[31]", "AK8", inout, 8},
                      {"SRAM_BE_N[3]", "AH20", out, 8},
                      {"SRAM_CLK", "AD7", out, 8},
                      {"SRAM_DPA[3]", "AJ9", inout, 8},
                      {"SRAM_WE_N", "AF18", out, 8},
                      {"FLASH_ADDR[21]", "AE20", out, 8},
                      {"FLASH_DQ[14]", "AA30", inout, 8},
                      {"FLASH_DQ15_AM1", "AE24", out, 8},
                      {"FLASH_WP_N", "AH29", out, 8}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"decoder 2 alone, ticked by any non-zero byte", [](PELLISH_CONFIG& c) { NoGroups(c); c.bTvDecode2 = 2; },
         BoardFacts{.connectors = std::vector<std::string>{"I2C for Tv-Decode 2", "TV Decoder 2"}}},
        {"audio alone", [](PELLISH_CONFIG& c) { NoGroups(c); c.bAudio = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Audio", "I2C for Audio"}}},
        {"audio with decoder 1", [](PELLISH_CONFIG& c) { NoGroups(c); c.bAudio = c.bTvDecode1 = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Audio", "I2C for Audioand Tv-Decode 1", "TV Decoder 1"}}},
        {"both decoders", [](PELLISH_CONFIG& c) { NoGroups(c); c.bTvDecode1 = c.bTvDecode2 = 1; },
         BoardFacts{.connectors =
                        std::vector<std::string>{"I2C for Tv-Decode 1 and 2", "TV Decoder 1", "TV Decoder 2"}}},
        {"a 40-pin card on GPIO_1 alone", [](PELLISH_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_1"}, .counts = {Header(1, DAUGHTER_Sollip)}}},
        {"two 40-pin cards after the groups",
         [](PELLISH_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
             c.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
         },
         BoardFacts{.connectors = withHeaders,
                    .counts = {Header(0, DAUGHTER_GPIO_DEFAULT), Header(1, DAUGHTER_Tesvik)},
                    .positions = twoHeaders}},
        {"the 80-pin card on both headers joins them",
         [](PELLISH_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = k80Pin; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_0_1"},
                    .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .active = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80,
                                .description = "GPIO_0_1 connect to " + BoardName(k80Pin)}},
                    .positions = joined}},
    };
    modeltest::ExpectDefinitionTable<PELLISH_CONFIG>(
        cases, [](TMainBoard& board, const PELLISH_CONFIG& record) { BuildMainBoard_Pellish(&board, record); });
}

// The project board pairs a file's headers from GPIO_0 first: an 80-pin card on GPIO_1 beside
// anything else is dropped. "GPIO Default" without a prefix keeps the named signals of this
// board; two of them need their own prefixes.
TEST(PellishDefinition, ProjectBoardPairsTheHeadersOfAFile)
{
    struct Row {
        const char* label;
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        std::vector<std::string> connectors;
        std::vector<modeltest::PinFacts> pins;
    };
    const Row rows[] = {
        {"80-pin card on GPIO_0 over another", k80Pin, "K_", DAUGHTER_Sollip, "S_", {"GPIO_0_1"}, {}},
        {"80-pin card on GPIO_1 alone", 0, "", k80Pin, "K_", {}, {}},
        {"80-pin card on GPIO_1 beside GPIO Default without a prefix", DAUGHTER_GPIO_DEFAULT, "", k80Pin, "K_",
         {"GPIO_0"}, {{"GPIO_CLKIN[0]", "T25", in, 8}}},
        {"GPIO Default alone without a prefix", DAUGHTER_GPIO_DEFAULT, "", 0, "", {"GPIO_0"},
         {{"GPIO_CLKIN[0]", "T25", in, 8}, {"GPIO_D[0]", "C30", inout, 8}, {"GPIO_CLKOUT[1]", "G24", out, 8},
          {"GPIO_D[31]", "N24", inout, 8}}},
        {"GPIO Default twice under own prefixes", DAUGHTER_GPIO_DEFAULT, "A_", DAUGHTER_GPIO_DEFAULT, "B_",
         {"GPIO_0", "GPIO_1"}, {{"A_GPIO_CLKIN[0]", "T25"}, {"B_GPIO_CLKIN[0]", "AH14"}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        PELLISH_CONFIG record;
        DefaultConfig(record);
        NoGroups(record);
        record.nGpioDaughterId[GPIO_0] = r.card0;
        record.nGpioDaughterId[GPIO_1] = r.card1;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], r.prefix0);
        WriteRecordText(record.szGpioPrefixName[GPIO_1], r.prefix1);
        const PELLISH_CONFIG before = record;
        TMainBoard board;
        BuildPellishProjectBoard(board, record);
        EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
        modeltest::ExpectBoard(board, BoardFacts{.connectors = r.connectors, .pins = r.pins});
        modeltest::ExpectSoundModel(board);
    }
}

TEST(PellishDefinition, WrongIdOrSizeIsAnInternalError)
{
    PELLISH_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Mirrow;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Pellish(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 408;
    EXPECT_THROW(BuildMainBoard_Pellish(&board, record), platform::InternalError);
}

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Wistrell.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;

constexpr uint8_t V1_5 = 0;
constexpr uint8_t LVTTL = 8;
constexpr uint8_t DIFF_SSTL15_I = 12;
constexpr uint8_t SSTL15_I = 29;

WISTRELL_CONFIG Record(const std::function<void(WISTRELL_CONFIG&)>& edit)
{
    WISTRELL_CONFIG record = DefaultWistrellConfig();
    edit(record);
    return record;
}

void Everything(WISTRELL_CONFIG& c)
{
    c.bHps = 1;
    c.nGpioDaughterId = 1;
}

void NoGroup(WISTRELL_CONFIG& c) { std::memset(&c.bClock, 0, 14); }

const std::vector<std::string> kDefaultOrder = {"CLOCK", "ADC",  "Audio", "I2C for Audio and Video-In",
                                                "HDMI",  "SEG7", "DDR3",  "IR",
                                                "KEY",   "LED",  "PS2",   "SW",
                                                "Video-In", "VGA"};

// Every group of the fullest record: its pin count, and the pins whose data the board gives
// one by one (the clocks' banks, the 1.5-V banks, the memory's standards).
BoardFacts FullFacts()
{
    BoardFacts facts;
    facts.connectors = {"CLOCK", "ADC", "Audio", "I2C for Audio and Video-In", "HDMI", "SEG7", "DDR3", "HPS",
                        "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA", "GPIO"};
    facts.counts = {
        {.name = "CLOCK", .entries = 4, .type = CONNECTOR_NONE},
        {.name = "ADC", .entries = 4},
        {.name = "Audio", .entries = 6},
        {.name = "I2C for Audio and Video-In", .entries = 2},
        {.name = "HDMI", .entries = 33},
        {.name = "SEG7", .entries = 42},
        {.name = "DDR3", .entries = 72},
        {.name = "HPS", .entries = 134, .active = 134},
        {.name = "IR", .entries = 2},
        {.name = "KEY", .entries = 4},
        {.name = "LED", .entries = 10},
        {.name = "PS2", .entries = 4},
        {.name = "SW", .entries = 10},
        {.name = "Video-In", .entries = 12},
        {.name = "VGA", .entries = 29},
        {.name = "GPIO", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_0,
         .description = "GPIO connect to GPIO Default"},
    };
    facts.pins = {
        {"CLOCK_50", "AF14", DIRECTION_INPUT, V1_5, 1, 20, std::nullopt, "BANK 3B"},
        {"CLOCK2_50", "AA16", DIRECTION_INPUT, V1_5, 1, 20, std::nullopt, "BANK 4A"},
        {"CLOCK3_50", "Y26", DIRECTION_INPUT, LVTTL, 1, 20, std::nullopt, "BANK 5B"},
        {"CLOCK4_50", "K14", DIRECTION_INPUT, LVTTL, 1, 20, std::nullopt, "BANK 8A"},
        {"HEX0[0]", "AK28", DIRECTION_OUTPUT, V1_5},
        {"HEX0[1]", "AH28", DIRECTION_OUTPUT, LVTTL},
        {"HEX0[6]", "AG30", DIRECTION_OUTPUT, LVTTL},
        {"HEX1[0]", "AD21", DIRECTION_OUTPUT, V1_5},
        {"HEX3[6]", "AF13", DIRECTION_OUTPUT, V1_5},
        {"HEX4[0]", "AG8", DIRECTION_OUTPUT, LVTTL},
        {"HEX5[6]", "AG7", DIRECTION_OUTPUT, LVTTL},
        {"KEY[3]", "Y16", DIRECTION_INPUT, V1_5},
        {"SW[9]", "AK2", DIRECTION_INPUT, V1_5},
        {"LEDR[9]", "AD9", DIRECTION_OUTPUT, LVTTL},
        {"ADC_DOUT", "AG1", DIRECTION_INPUT, LVTTL},
        {"AUD_BCLK", "H7", DIRECTION_INOUT, LVTTL},
        {"FPGA_I2C_SDAT", "K12", DIRECTION_INOUT, LVTTL},
        {"HDMI_I2S0", "W22", DIRECTION_OUTPUT, LVTTL},
        {"HDMI_TX_D[23]", "B5", DIRECTION_OUTPUT, LVTTL},
        {"HDMI_TX_INT", "A4", DIRECTION_INPUT, LVTTL},
        {"FPGA_DDR3_ADDR[14]", "AG12", DIRECTION_OUTPUT, SSTL15_I},
        {"FPGA_DDR3_CK_P", "AA14", DIRECTION_OUTPUT, DIFF_SSTL15_I},
        {"FPGA_DDR3_DQ[31]", "AK27", DIRECTION_INOUT, SSTL15_I},
        {"FPGA_DDR3_DQS_N[0]", "W16", DIRECTION_INOUT, DIFF_SSTL15_I},
        {"FPGA_DDR3_DQS_P[3]", "AC20", DIRECTION_INOUT, DIFF_SSTL15_I},
        {"FPGA_DDR3_RZQ", "AG17", DIRECTION_INPUT, SSTL15_I},
        {"FPGA_DDR3_WE_N", "AJ6", DIRECTION_OUTPUT, SSTL15_I},
        {"HPS_CONV_USB_N", "", DIRECTION_INOUT, LVTTL},
        {"HPS_DDR3_CK_N", "", DIRECTION_OUTPUT, DIFF_SSTL15_I},
        {"HPS_DDR3_DQS_P[3]", "", DIRECTION_INOUT, DIFF_SSTL15_I},
        {"HPS_DDR3_RZQ", "", DIRECTION_INPUT, SSTL15_I},
        {"HPS_SPIM0_MISO", "", DIRECTION_INPUT, LVTTL},
        {"HPS_SPIM_SS", "", DIRECTION_INOUT, LVTTL},
        {"HPS_USB_STP", "", DIRECTION_OUTPUT, LVTTL},
        {"IRDA_TXD", "AB30", DIRECTION_OUTPUT, LVTTL},
        {"PS2_DAT2", "AH4", DIRECTION_INOUT, LVTTL},
        {"TD_CLK27", "H15", DIRECTION_INPUT, LVTTL},
        {"TD_RESET_N", "F6", DIRECTION_OUTPUT, LVTTL},
        {"VGA_B[0]", "B13", DIRECTION_OUTPUT, LVTTL},
        {"VGA_VS", "D11", DIRECTION_OUTPUT, LVTTL},
    };
    facts.positions = {
        {"GPIO", 1, "AA26", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"GPIO", 10, "Y24"},
        {"GPIO", 11, std::nullopt},
        {"GPIO", 12, std::nullopt},
        {"GPIO", 13, "AA24"},
        {"GPIO", 29, std::nullopt},
        {"GPIO", 30, std::nullopt},
        {"GPIO", 31, "AD30"},
        {"GPIO", 40, "AF28", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
    };
    return facts;
}

}  // namespace

// Records in, the board out: which groups in which order, their counts and spot pins.
TEST(WistrellDefinition, RecordsGiveTheirGroupsInTheBoardsOrder)
{
    struct Case {
        const char* label;
        WISTRELL_CONFIG record;
        BoardFacts facts;
    };
    const Case cases[] = {
        {"default", Record([](WISTRELL_CONFIG&) {}), {.connectors = kDefaultOrder}},
        {"no group, no card", Record(NoGroup), {.connectors = std::vector<std::string>{}}},
        {"audio alone", Record([](WISTRELL_CONFIG& c) { NoGroup(c); c.bAudio = 1; }),
         {.connectors = std::vector<std::string>{"Audio", "I2C for Audio and Video-In"}}},
        {"video-in alone", Record([](WISTRELL_CONFIG& c) { NoGroup(c); c.bVideoIn = 7; }),
         {.connectors = std::vector<std::string>{"I2C for Audio and Video-In", "Video-In"}}},
        {"card without groups", Record([](WISTRELL_CONFIG& c) { NoGroup(c); c.nGpioDaughterId = 13; }),
         {.connectors = std::vector<std::string>{"GPIO"},
          .counts = {{.name = "GPIO", .entries = 40, .pins = 36, .description = "GPIO connect to Garvet - 4.3\" LCD and Touch"}}}},
        {"everything", Record(Everything), FullFacts()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Wistrell(&board, c.record);
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Wistrell);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CSEMA6F31C6");
        EXPECT_EQ(board.GetDevicePinCount(), 896);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "6");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
    }
}

TEST(WistrellDefinition, NoLocationOrNameIsUsedTwice)
{
    TMainBoard board;
    BuildMainBoard_Wistrell(&board, Record(Everything));
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 4 + 4 + 6 + 2 + 33 + 42 + 72 + 2 + 4 + 10 + 4 + 10 + 12 + 29 + 36);
}

// The board keeps the record byte for byte, spare bytes included, before it checks it.
TEST(WistrellDefinition, BoardKeepsACopyOfTheWholeRecord)
{
    WISTRELL_CONFIG record = Record(Everything);
    record.Spare1 = 0x5A;
    for (std::size_t i = 0; i < sizeof record.Spare2; ++i) record.Spare2[i] = static_cast<uint8_t>(i * 7 + 1);
    record.szGpioPrefixName[100] = 'x';  // after the text's NUL
    TMainBoard board;
    BuildMainBoard_Wistrell(&board, record);
    EXPECT_EQ(std::memcmp(board.m_WistrellConfig.data(), &record, sizeof record), 0);

    for (auto wrong : {+[](WISTRELL_CONFIG& c) { c.BoardId = MAINBOARD_Glenmarch; },
                       +[](WISTRELL_CONFIG& c) { c.Size = 404; }}) {
        WISTRELL_CONFIG bad = record;
        wrong(bad);
        TMainBoard other;
        EXPECT_THROW(BuildMainBoard_Wistrell(&other, bad), platform::InternalError);
        EXPECT_EQ(std::memcmp(other.m_WistrellConfig.data(), &bad, sizeof bad), 0);
    }
}

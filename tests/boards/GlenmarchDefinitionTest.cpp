#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::FindConnector;

constexpr int G0 = GPIO_0;
constexpr int G1 = GPIO_1;
constexpr int LVTTL = 8;
constexpr int SSTL15_I = 29;
constexpr int DIFF_SSTL15_I = 12;
constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

GLENMARCH_CONFIG Nothing()
{
    GLENMARCH_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Glenmarch;
    c.Size = sizeof c;
    return c;
}

GLENMARCH_CONFIG Edited(GLENMARCH_CONFIG c, void (*edit)(GLENMARCH_CONFIG&))
{
    edit(c);
    return c;
}

struct Case {
    const char* label;
    GLENMARCH_CONFIG record;
    BoardFacts facts;
};

// The header positions without a signal, 1-based.
constexpr int kSupplyPositions[] = {11, 12, 29, 30};

}  // namespace

TEST(GlenmarchDefinition, RecordsGiveConnectorsCountsAndPins)
{
    const Case cases[] = {
        {"nothing ticked, no card", Nothing(), {.connectors = std::vector<std::string>{}}},
        {"defaults",
         GLENMARCH_CONFIG::DefaultConfig(),
         {.connectors = std::vector<std::string>{"ADC", "Audio", "CLOCK", "SDRAM", "I2C for Audio and Video-In", "SEG7",
                                                 "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA"},
          .counts = {{.name = "ADC", .entries = 4, .type = CONNECTOR_NONE, .description = ""},
                     {.name = "Audio", .entries = 6},
                     {.name = "CLOCK", .entries = 4},
                     {.name = "SDRAM", .entries = 39},
                     {.name = "I2C for Audio and Video-In", .entries = 2},
                     {.name = "SEG7", .entries = 42},
                     {.name = "IR", .entries = 2},
                     {.name = "KEY", .entries = 4},
                     {.name = "LED", .entries = 10},
                     {.name = "PS2", .entries = 4},
                     {.name = "SW", .entries = 10},
                     {.name = "Video-In", .entries = 12},
                     {.name = "VGA", .entries = 29, .type = CONNECTOR_NONE, .description = ""}},
          .pins = {{"ADC_CONVST", "AJ4", DIRECTION_OUTPUT, LVTTL},
                   {"ADC_DOUT", "AK3", DIRECTION_INPUT, LVTTL},
                   {"AUD_ADCLRCK", "K8", DIRECTION_INOUT, LVTTL},
                   {"AUD_XCK", "G7", DIRECTION_OUTPUT, LVTTL},
                   {.name = "CLOCK_50", .location = "AF14", .dir = DIRECTION_INPUT, .std = LVTTL, .clock = 1,
                    .periodNs = 20, .frequency = "", .bank = "BANK 3B"},
                   {.name = "CLOCK2_50", .location = "AA16", .clock = 1, .periodNs = 20, .bank = "BANK 4A"},
                   {.name = "CLOCK3_50", .location = "Y26", .std = LVTTL, .clock = 1, .periodNs = 20, .bank = "BANK 5B"},
                   {.name = "CLOCK4_50", .location = "K14", .clock = 1, .periodNs = 20, .bank = "BANK 8A"},
                   {"DRAM_ADDR[12]", "AJ14", DIRECTION_OUTPUT, LVTTL},
                   {"DRAM_BA[1]", "AJ12", DIRECTION_OUTPUT},
                   {"DRAM_CLK", "AH12", DIRECTION_OUTPUT},
                   {"DRAM_DQ[0]", "AK6", DIRECTION_INOUT},
                   {"DRAM_DQ[15]", "AJ5", DIRECTION_INOUT},
                   {"DRAM_WE_N", "AA13", DIRECTION_OUTPUT},
                   {"FPGA_I2C_SCLK", "J12", DIRECTION_OUTPUT},
                   {"FPGA_I2C_SDAT", "K12", DIRECTION_INOUT},
                   {"HEX0[0]", "AE26", DIRECTION_OUTPUT},
                   {"HEX3[6]", "AB22", DIRECTION_OUTPUT},
                   {"HEX5[6]", "AA25", DIRECTION_OUTPUT},
                   {"IRDA_RXD", "AA30", DIRECTION_INPUT},
                   {"IRDA_TXD", "AB30", DIRECTION_OUTPUT},
                   {"KEY[2]", "W15", DIRECTION_INPUT},
                   {"LEDR[0]", "V16", DIRECTION_OUTPUT},
                   {"LEDR[9]", "Y21", DIRECTION_OUTPUT},
                   {"PS2_CLK2", "AD9", DIRECTION_INOUT},
                   {"SW[0]", "AB12", DIRECTION_INPUT},
                   {"SW[9]", "AE12", DIRECTION_INPUT},
                   {"TD_CLK27", "H15", DIRECTION_INPUT},
                   {"TD_DATA[7]", "B3", DIRECTION_INPUT},
                   {"TD_RESET_N", "F6", DIRECTION_OUTPUT},
                   {"VGA_B[7]", "J14", DIRECTION_OUTPUT},
                   {"VGA_BLANK_N", "F10", DIRECTION_OUTPUT},
                   {"VGA_G[0]", "J9", DIRECTION_OUTPUT},
                   {"VGA_R[7]", "F13", DIRECTION_OUTPUT},
                   {"VGA_VS", "D11", DIRECTION_OUTPUT, LVTTL}}}},
        {"audio alone brings the I2C group after it",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.bAudio = 1; }),
         {.connectors = std::vector<std::string>{"Audio", "I2C for Audio and Video-In"}}},
        {"video-in alone, any non-zero byte: the I2C group at its place after SDRAM",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.bVideoIn = 9; c.bSdram = 1; c.bSeg7 = 1; }),
         {.connectors = std::vector<std::string>{"SDRAM", "I2C for Audio and Video-In", "SEG7", "Video-In"}}},
        {"audio and video-in: the I2C group once",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.bVideoIn = 1; c.bAudio = 1; }),
         {.connectors = std::vector<std::string>{"Audio", "I2C for Audio and Video-In", "Video-In"}}},
        {"the processor side: 128 pins without location",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.bHps = 1; }),
         {.connectors = std::vector<std::string>{"HPS"},
          .counts = {{.name = "HPS", .entries = 128, .active = 128}},
          .pins = {{"HPS_DDR3_ADDR[0]", "", DIRECTION_OUTPUT, SSTL15_I},
                   {"HPS_DDR3_DM[3]", "", DIRECTION_OUTPUT, SSTL15_I},
                   {"HPS_DDR3_DQ[31]", "", DIRECTION_INOUT, SSTL15_I},
                   {"HPS_DDR3_RESET_N", "", DIRECTION_OUTPUT, SSTL15_I},
                   {"HPS_DDR3_RZQ", "", DIRECTION_INPUT, SSTL15_I},
                   {"HPS_DDR3_DQS_N[3]", "", DIRECTION_INOUT, DIFF_SSTL15_I},
                   {"HPS_DDR3_CK_N", "", DIRECTION_OUTPUT, DIFF_SSTL15_I},
                   {"HPS_ENET_RX_DV", "", DIRECTION_INPUT, LVTTL},
                   {"HPS_FLASH_NCSO", "", DIRECTION_OUTPUT, LVTTL},
                   {"HPS_GPIO[1]", "", DIRECTION_INOUT, LVTTL},
                   {"HPS_SPIM_SS", "", DIRECTION_INOUT, LVTTL},
                   {"HPS_USB_NXT", "", DIRECTION_INPUT, LVTTL},
                   {"HPS_CONV_USB_N", "", DIRECTION_INOUT, LVTTL}}}},
        {"a 40-pin card on GPIO-1 alone",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.nGpioDaughterId[G1] = DAUGHTER_Sollip; }),
         {.connectors = std::vector<std::string>{"GPIO_1"},
          .counts = {{.name = "GPIO_1", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40,
                      .expansionId = EXPANSION_GPIO_1, .description = "GPIO_1 connect to " + BoardName(DAUGHTER_Sollip)}},
          .positions = {{"GPIO_1", 1, "AB17", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
                        {"GPIO_1", 40, "AC22", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER}}}},
        {"two 40-pin cards after every group",
         Edited(GLENMARCH_CONFIG::DefaultConfig(),
                [](GLENMARCH_CONFIG& c) {
                    c.bHps = 1;
                    c.nGpioDaughterId[G0] = DAUGHTER_GPIO_DEFAULT;
                    c.nGpioDaughterId[G1] = DAUGHTER_Garvet;
                }),
         {.connectors = std::vector<std::string>{"ADC", "Audio", "CLOCK", "SDRAM", "I2C for Audio and Video-In", "SEG7",
                                                 "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA", "HPS", "GPIO_0",
                                                 "GPIO_1"},
          .counts = {{.name = "GPIO_0", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40,
                      .expansionId = EXPANSION_GPIO_0, .description = "GPIO_0 connect to GPIO Default"},
                     {.name = "GPIO_1", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40,
                      .expansionId = EXPANSION_GPIO_1, .description = "GPIO_1 connect to " + BoardName(DAUGHTER_Garvet)}},
          .positions = {{"GPIO_0", 1, "AC18"}, {"GPIO_0", 10, "AJ16"}, {"GPIO_0", 13, "AH18"},
                        {"GPIO_0", 31, "AE18"}, {"GPIO_0", 40, "AJ21"}, {"GPIO_1", 13, "AG26"},
                        {"GPIO_1", 31, "AK22"}}}},
        {"the 80-pin card on both headers: one joined connector",
         Edited(Nothing(), [](GLENMARCH_CONFIG& c) { c.nGpioDaughterId[G0] = c.nGpioDaughterId[G1] = k80Pin; }),
         {.connectors = std::vector<std::string>{"GPIO_0_1"},
          .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .type = CONNECTOR_GPIO80,
                      .expansionId = EXPANSION_GPIO_80, .description = "GPIO_0_1 connect to " + BoardName(k80Pin)}},
          .positions = {{"GPIO_0_1", 1, "AC18", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
                        {"GPIO_0_1", 40, "AJ21"}, {"GPIO_0_1", 41, "AB17"}, {"GPIO_0_1", 80, "AC22"},
                        {"GPIO_0_1", 51, std::nullopt}, {"GPIO_0_1", 52, std::nullopt},
                        {"GPIO_0_1", 69, std::nullopt}, {"GPIO_0_1", 70, std::nullopt}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Glenmarch(&board, c.record);
        BoardFacts facts = c.facts;
        for (int h = 0; h < 2; ++h) {
            const char* name = h == 0 ? "GPIO_0" : "GPIO_1";
            if (FindConnector(board, name))
                for (int p : kSupplyPositions) facts.positions.push_back({name, p, std::nullopt});
        }
        if (FindConnector(board, "GPIO_0_1"))
            for (int p : kSupplyPositions) facts.positions.push_back({"GPIO_0_1", p, std::nullopt});
        modeltest::ExpectBoard(board, facts, c.label);
        modeltest::ExpectSoundModel(board, c.label);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Glenmarch);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CSEMA5F31C6");
        EXPECT_EQ(board.GetDevicePinCount(), 896);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "6");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
        EXPECT_EQ(board.m_pConfigBoard, nullptr);
        // Only the clock inputs are clocks.
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* con = board.GetConnector(i);
            for (int p = 0; p < con->GetPinCount(); ++p)
                if (con->GetPin(p)) EXPECT_EQ(con->GetPin(p)->IsClock(), con->GetName() == "CLOCK") << con->GetName();
        }
    }
}

TEST(GlenmarchDefinition, FullestRecordIsSound)
{
    GLENMARCH_CONFIG all = GLENMARCH_CONFIG::DefaultConfig();
    all.bHps = 1;
    all.nGpioDaughterId[G0] = DAUGHTER_GPIO_DEFAULT;
    all.nGpioDaughterId[G1] = DAUGHTER_GPIO_DEFAULT;
    TMainBoard board;
    BuildMainBoard_Glenmarch(&board, all);
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 4 + 6 + 4 + 39 + 2 + 42 + 2 + 4 + 10 + 4 + 10 + 12 + 29 + 36 + 36);
}

TEST(GlenmarchDefinition, RecordCopyIsTheWholeRecordWhateverItHolds)
{
    GLENMARCH_CONFIG record = GLENMARCH_CONFIG::DefaultConfig();
    std::memset(record.szGpioPrefixName[G1], 'x', sizeof record.szGpioPrefixName[G1]);  // no NUL
    record.Padding1[1] = 0x5A;
    record.Padding2 = 0xA5;
    record.bLed = 0;
    record.bVga = 3;
    record.nGpioDaughterId[G0] = DAUGHTER_Ravesh;
    TMainBoard board;
    BuildMainBoard_Glenmarch(&board, record);
    EXPECT_EQ(std::memcmp(board.m_GlenmarchConfig.data(), &record, sizeof record), 0);
    EXPECT_EQ(RecordByte(board.m_GlenmarchConfig, 140), 3);  // bVga where the timing writer reads it

    // the copy is taken before the checks, so it stands even for a record they refuse
    GLENMARCH_CONFIG wrong = record;
    wrong.Size = 416;
    TMainBoard refused;
    EXPECT_THROW(BuildMainBoard_Glenmarch(&refused, wrong), platform::InternalError);
    EXPECT_EQ(std::memcmp(refused.m_GlenmarchConfig.data(), &wrong, sizeof wrong), 0);
    wrong = record;
    wrong.BoardId = MAINBOARD_Ulvarin;
    EXPECT_THROW(BuildMainBoard_Glenmarch(&refused, wrong), platform::InternalError);
    EXPECT_EQ(refused.GetBoardId(), MAINBOARD_Ulvarin);
}

// What the form's pairing never lets through stays an internal check.
TEST(GlenmarchDefinition, EightyPinCardWithoutItsSecondHeaderIsAnInternalError)
{
    GLENMARCH_CONFIG record = Nothing();
    record.nGpioDaughterId[G0] = k80Pin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Glenmarch(&board, record), platform::InternalError);
}

// The project board pairs a file's headers as the form shows them, GPIO-0 leading, so the
// definition's check is not reached: the 80-pin card on GPIO-0 alone takes both headers under
// GPIO-0's prefix; on GPIO-1 beside anything else it is taken off.
TEST(GlenmarchDefinition, ProjectBoardPairsTheHeadersOfAFile)
{
    struct Case {
        const char* label;
        uint8_t cards[2];
        std::vector<std::string> connectors;
        const char* pin;  // a pin that must be there, or nullptr
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone", {k80Pin, 0}, {"GPIO_0_1"}, "K0_ADC_OTR_A"},
        {"80-pin card on GPIO-1 alone", {0, k80Pin}, {}, nullptr},
        {"80-pin card on GPIO-1 beside GPIO Default", {DAUGHTER_GPIO_DEFAULT, k80Pin}, {"GPIO_0"}, "K0_GPIO[0]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        GLENMARCH_CONFIG record = Nothing();
        for (int h : {G0, G1}) {
            record.nGpioDaughterId[h] = c.cards[h];
            WriteRecordText(record.szGpioPrefixName[h], h == G0 ? "K0_" : "K1_");
        }
        const GLENMARCH_CONFIG before = record;
        TMainBoard board;
        BuildGlenmarchProjectBoard(board, record);
        EXPECT_EQ(modeltest::ConnectorNames(board), c.connectors);
        if (c.pin) EXPECT_NE(modeltest::FindPin(board, c.pin), nullptr);
        EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
    }
}

TEST(GlenmarchDefinition, DefaultRecord)
{
    GLENMARCH_CONFIG d = GLENMARCH_CONFIG::DefaultConfig();
    EXPECT_EQ(d.BoardId, 21);
    EXPECT_EQ(d.Size, 408);
    EXPECT_STREQ(d.szProjectName, "Glenmarch");
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&d);
    for (std::size_t i = 136; i < 148; ++i) EXPECT_EQ(bytes[i], 1) << i;
    for (std::size_t i = 148; i < sizeof d; ++i) EXPECT_EQ(bytes[i], 0) << i;
    for (std::size_t i = 8 + sizeof "Glenmarch"; i < 136; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
}

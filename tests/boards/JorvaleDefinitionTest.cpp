#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Jorvale.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/HsmcVoltage.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PinFacts;
using modeltest::PositionFacts;

constexpr int in = DIRECTION_INPUT, out = DIRECTION_OUTPUT, io = DIRECTION_INOUT;
constexpr int V1_5 = 0, V2_5 = 6, LVTTL = 8, DIFF_SSTL15_I = 12, SSTL15_I = 29, HCSL = 37;

JORVALE_CONFIG Record(const std::function<void(JORVALE_CONFIG&)>& edit = {})
{
    JORVALE_CONFIG c = JorvaleDefaultConfig();
    if (edit) edit(c);
    return c;
}

void Untick(JORVALE_CONFIG& c)
{
    std::memset(&c.bClock, 0, offsetof(JORVALE_CONFIG, Padding2) - offsetof(JORVALE_CONFIG, bClock));
}

const std::vector<std::string> kGroups = {"CLOCK",       "LED", "KEY",   "SW",             "Si5338",     "Temperature",
                                          "VGA",         "Audio", "I2C for Audio ", "IR Receiver", "SDRAM"};

std::vector<std::string> GroupsAnd(const char* last)
{
    std::vector<std::string> names = kGroups;
    names.push_back(last);
    return names;
}

// The counts of the groups, from the board's data.
const std::vector<ConnectorFacts> kGroupCounts = {
    {.name = "CLOCK", .entries = 4},   {.name = "LED", .entries = 4},     {.name = "KEY", .entries = 5},
    {.name = "SW", .entries = 4},      {.name = "Si5338", .entries = 2},  {.name = "Temperature", .entries = 4},
    {.name = "VGA", .entries = 29},    {.name = "Audio", .entries = 7},   {.name = "I2C for Audio ", .entries = 2},
    {.name = "IR Receiver", .entries = 1}, {.name = "SDRAM", .entries = 72},
};

const std::vector<PinFacts> kSpotPins = {
    {"OSC_50_B3B", "AF14", in, V1_5, 1, 20, ""},
    {"OSC_50_B4A", "AA16", in, V1_5, 1, 20, ""},
    {"OSC_50_B5B", "Y26", in, V2_5, 1, 20, ""},
    {"OSC_50_B8A", "K14", in, V2_5, 1, 20, ""},
    {"LED[3]", "AD7", out, LVTTL, 0},
    {"KEY[0]", "AE9", in, LVTTL},
    {"RESET_n", "AD27", in, LVTTL},
    {"SW[3]", "AC29", in, V2_5},
    {"SI5338_SCL", "AE26", out, LVTTL},
    {"SI5338_SDA", "AJ29", io, LVTTL},
    {"TEMP_CS_n", "AF8", out, LVTTL},
    {"TEMP_DOUT", "AG1", in, LVTTL},
    {"TEMP_SCLK", "AF9", out, LVTTL},
    {"VGA_CLK", "W20", out, LVTTL},
    {"VGA_BLANK_n", "AH3", out, LVTTL},
    {"VGA_R[0]", "AG5", out, LVTTL},
    {"VGA_B[7]", "AF29", out, LVTTL},
    {"AUD_ADCDAT", "AC27", in, LVTTL},
    {"AUD_BCLK", "AE7", io, LVTTL},
    {"AUD_MUTE", "AD26", out, LVTTL},
    {"AUD_I2C_SCLK", "AH30", out, LVTTL},
    {"AUD_I2C_SDAT", "AF30", io, LVTTL},
    {"IRDA_RXD", "AH2", in, LVTTL},
    {"DDR3_CK_n", "AA15", out, DIFF_SSTL15_I},
    {"DDR3_DQS_p[0]", "V16", io, DIFF_SSTL15_I},
    {"DDR3_DQS_n[3]", "AD19", io, DIFF_SSTL15_I},
    {"DDR3_CAS_n", "AH7", out, SSTL15_I},
    {"DDR3_BA[2]", "AK11", out, SSTL15_I},
    {"DDR3_DM[0]", "AH17", out, SSTL15_I},
    {"DDR3_ODT", "AE16", out, SSTL15_I},
    {"DDR3_RZQ", "AG17", in, V1_5, 0},
    {"DDR3_DQ[0]", "AF18", io, SSTL15_I},
    {"DDR3_DQ[31]", "AK27", io, SSTL15_I},
    {"DDR3_A[14]", "AG12", out, SSTL15_I},
};

ConnectorFacts Hsmc(uint8_t card)
{
    return {.name = "HSMC", .entries = 160, .pins = 116, .active = 116, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A, .description = "HSMC connect to " + BoardName(card)};
}

constexpr int kFromCard = DIRECTION_FROM_DAUGHTER, kCardStd = IOSTD_FROM_DAUGHTER;

// The transceiver lanes are routed here; power and ground positions are empty.
const std::vector<PositionFacts> kHsmcPositions = {
    {"HSMC", 1, "H4", kFromCard, kCardStd},    {"HSMC", 32, "AE1", kFromCard, kCardStd},
    {"HSMC", 33, "AE29", kFromCard, kCardStd}, {"HSMC", 35, std::nullopt},
    {"HSMC", 38, std::nullopt},                {"HSMC", 39, "AD29", kFromCard, kCardStd},
    {"HSMC", 40, "J14", in, V2_5},             {"HSMC", 96, "AA26", kFromCard, kCardStd},
    {"HSMC", 158, "G15", kFromCard, kCardStd}, {"HSMC", 159, std::nullopt},
    {"HSMC", 160, std::nullopt},
};

const PinFacts kRefClock = {"HSMC_REF_CLK_p", "P9", in, HCSL, 1, 10, ""};

}  // namespace

TEST(JorvaleDefinition, RecordGivesItsConnectors)
{
    struct Case {
        const char* label;
        JORVALE_CONFIG record;
        BoardFacts facts;
        bool refClock;
    };
    auto withCard = [](uint8_t card) { return Record([card](JORVALE_CONFIG& c) { c.nHsmcDaughterId = card; }); };
    std::vector<ConnectorFacts> fiveClocks = kGroupCounts;
    fiveClocks[0].entries = 5;
    std::vector<ConnectorFacts> defaultCard = kGroupCounts, adaptor = kGroupCounts;
    defaultCard.push_back(Hsmc(DAUGHTER_HSMC_DEFAULT));
    adaptor.push_back(Hsmc(DAUGHTER_Quillet_HSMC));
    fiveClocks.push_back(Hsmc(DAUGHTER_HSMC_DEFAULT_XCVR));

    const Case cases[] = {
        {"defaults", Record(), {.connectors = kGroups, .counts = kGroupCounts, .pins = kSpotPins}, false},
        {"nothing ticked", Record(Untick), {.connectors = std::vector<std::string>{}}, false},
        {"audio alone",
         Record([](JORVALE_CONFIG& c) { Untick(c); c.bAudio = 1; }),
         {.connectors = std::vector<std::string>{"Audio", "I2C for Audio "}}, false},
        {"any non-zero byte ticks",
         Record([](JORVALE_CONFIG& c) { Untick(c); c.bTemperature = 7; c.bSi5338I2c = 0xFF; }),
         {.connectors = std::vector<std::string>{"Si5338", "Temperature"}}, false},
        {"no temperature, no Si5338",
         Record([](JORVALE_CONFIG& c) { c.bTemperature = 0; c.bSi5338I2c = 0; }),
         {.connectors = std::vector<std::string>{"CLOCK", "LED", "KEY", "SW", "VGA", "Audio", "I2C for Audio ",
                                                 "IR Receiver", "SDRAM"}}, false},
        {"HSMC Default", withCard(DAUGHTER_HSMC_DEFAULT),
         {.connectors = GroupsAnd("HSMC"), .counts = defaultCard, .pins = kSpotPins, .positions = kHsmcPositions}, false},
        {"adaptor card", withCard(DAUGHTER_Quillet_HSMC),
         {.connectors = GroupsAnd("HSMC"), .counts = adaptor, .positions = kHsmcPositions}, false},
        {"transceiver card", withCard(DAUGHTER_HSMC_DEFAULT_XCVR),
         {.connectors = GroupsAnd("HSMC"), .counts = fiveClocks, .pins = {kRefClock}, .positions = kHsmcPositions}, true},
        {"transceiver card without clocks",
         Record([](JORVALE_CONFIG& c) { Untick(c); c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT_XCVR; }),
         {.connectors = std::vector<std::string>{"HSMC"}, .positions = kHsmcPositions}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Jorvale(&board, c.record);
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(modeltest::FindPin(board, "HSMC_REF_CLK_p") != nullptr, c.refClock);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Jorvale);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CSXFC6D6F31C8ES");
        EXPECT_EQ(board.GetDevicePinCount(), 896);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "8_H6");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
        EXPECT_EQ(board.m_pConfigBoard, nullptr);
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* con = board.GetConnector(i);
            EXPECT_EQ(con->GetDaughterBoardId(), -1) << con->GetName();
            if (con->IsExpansion()) continue;
            EXPECT_EQ(con->GetType(), CONNECTOR_NONE) << con->GetName();
            EXPECT_EQ(con->GetDescription(), "") << con->GetName();
        }
    }
}

TEST(JorvaleDefinition, FullestRecordIsSound)
{
    TMainBoard board;
    BuildMainBoard_Jorvale(&board, Record([](JORVALE_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT_XCVR; }));
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 5 + 4 + 5 + 4 + 2 + 4 + 29 + 7 + 2 + 1 + 72 + 116);
}

// Each voltage entry sets the standard of position 40, which stays an input, and the standard
// the card is built with; a value only a hand-made file can hold counts as 2.5 V.
TEST(JorvaleDefinition, HsmcVoltageSetsPosition40AndTheCardStandard)
{
    struct Voltage { int32_t entry; const char* standard; };
    const Voltage cases[] = {{0, "3.3-V LVTTL"}, {1, "2.5 V"}, {2, "1.8 V"}, {3, "1.5 V"},
                             {4, "2.5 V"},       {-1, "2.5 V"}, {0x7FFFFFFF, "2.5 V"}};
    for (const Voltage& v : cases) {
        SCOPED_TRACE(v.entry);
        EXPECT_EQ(IoStandardName(HsmcVoltageIoStandard(v.entry)), v.standard);

        JORVALE_CONFIG record = Record([&](JORVALE_CONFIG& c) {
            c.nHsmcVoltage = v.entry;
            c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
        });
        TMainBoard bare;
        BuildMainBoard_Jorvale(&bare, record);
        const TPin* fixed = bare.FindExpansionConnector(EXPANSION_HSMC_A)->GetPin(39);
        EXPECT_EQ(fixed->GetDirection(), DIRECTION_INPUT);
        EXPECT_EQ(fixed->GetIoStandardText(), v.standard);

        TMainBoard withDefault;
        BuildJorvaleProjectBoard(withDefault, record);
        fixed = withDefault.FindExpansionConnector(EXPANSION_HSMC_A)->GetPin(39);
        EXPECT_EQ(fixed->GetName(), "HSMC_CLK_IN0");  // the card only names it
        EXPECT_EQ(fixed->GetDirection(), DIRECTION_INPUT);
        EXPECT_EQ(fixed->GetIoStandardText(), v.standard);

        // the adaptor card's header takes the standard it is built with
        record.nHsmcDaughterId = DAUGHTER_Quillet_HSMC;
        TMainBoard board;
        BuildJorvaleProjectBoard(board, record);
        const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
        int header = 0;
        for (int p = 41; p <= 160; ++p) {
            const TPin* pin = hsmc->GetPin(p - 1);
            if (!pin || !pin->IsActive()) continue;
            EXPECT_EQ(pin->GetIoStandardText(), v.standard) << p;
            ++header;
        }
        EXPECT_GT(header, 0);
    }
}

TEST(JorvaleDefinition, DefaultCardGetsTheHsmcPrefixOnlyWithoutOne)
{
    struct Case { uint8_t card; const char* typed; const char* used; };
    const Case cases[] = {{DAUGHTER_HSMC_DEFAULT, "", "HSMC_"},
                          {DAUGHTER_HSMC_DEFAULT_XCVR, "", "HSMC_"},
                          {DAUGHTER_HSMC_DEFAULT, "MINE_", "MINE_"},
                          {DAUGHTER_HSMC_DEBUG, "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card) + "/" + c.typed);
        JORVALE_CONFIG record = Record([&](JORVALE_CONFIG& r) {
            r.nHsmcDaughterId = c.card;
            std::strcpy(r.szHSMCPrefixName, c.typed);
        });
        TMainBoard board;
        BuildJorvaleProjectBoard(board, record);
        EXPECT_STREQ(record.szHSMCPrefixName, c.used);
        const TPin* sda = board.FindExpansionConnector(EXPANSION_HSMC_A)->GetPin(32);
        EXPECT_EQ(sda->GetName().rfind(c.used, 0), 0u) << sda->GetName();
    }
}

TEST(JorvaleDefinition, DefaultRecordBytes)
{
    JORVALE_CONFIG c = JorvaleDefaultConfig();
    unsigned char expected[284] = {};
    expected[0] = 19;
    expected[4] = 284 & 0xFF;
    expected[5] = 284 >> 8;
    std::memcpy(&expected[8], "Jorvale", 7);
    for (int offset = 136; offset <= 145; ++offset) expected[offset] = 1;
    expected[148] = 1;  // "2.5 V (Default)"
    EXPECT_EQ(std::memcmp(&c, expected, sizeof expected), 0);
}

TEST(JorvaleDefinition, WrongIdOrSizeIsAnInternalError)
{
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Jorvale(&board, Record([](JORVALE_CONFIG& c) { c.BoardId = MAINBOARD_Ulvarin; })),
                 platform::InternalError);
    EXPECT_THROW(BuildMainBoard_Jorvale(&board, Record([](JORVALE_CONFIG& c) { c.Size = 283; })),
                 platform::InternalError);
}

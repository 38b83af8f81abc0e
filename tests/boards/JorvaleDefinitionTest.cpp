#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "boards/cyclone5_max10/CONFIG_Jorvale.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

using Layout = std::vector<std::pair<std::string, int>>;  // connector name, entries

Layout LayoutOf(const TMainBoard& board)
{
    Layout layout;
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        layout.emplace_back(board.GetConnector(i)->GetName(), board.GetConnector(i)->GetPinCount());
    return layout;
}

const TConnector* Find(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

JORVALE_CONFIG NothingTicked()
{
    JORVALE_CONFIG c = JorvaleDefaultConfig();
    std::memset(&c.bClock, 0, offsetof(JORVALE_CONFIG, Padding2) - offsetof(JORVALE_CONFIG, bClock));
    return c;
}

JORVALE_CONFIG Everything(uint8_t card)
{
    JORVALE_CONFIG c = JorvaleDefaultConfig();
    c.nHsmcDaughterId = card;
    return c;
}

const Layout kDefaultLayout = {{"CLOCK", 4}, {"LED", 4},  {"KEY", 5},   {"SW", 4},
                               {"Si5338", 2}, {"Temperature", 4}, {"VGA", 29}, {"Audio", 7},
                               {"I2C for Audio ", 2}, {"IR Receiver", 1}, {"SDRAM", 72}};

Layout With(Layout layout, std::pair<std::string, int> last)
{
    layout.push_back(std::move(last));
    return layout;
}

}  // namespace

TEST(JorvaleDefinition, RecordGivesItsConnectorsInOrder)
{
    struct Case {
        const char* label;
        JORVALE_CONFIG record;
        Layout expected;
    };
    Layout fiveClocks = kDefaultLayout;
    fiveClocks[0].second = 5;
    const Case cases[] = {
        {"defaults", JorvaleDefaultConfig(), kDefaultLayout},
        {"nothing", NothingTicked(), {}},
        {"audio alone", [] { auto c = NothingTicked(); c.bAudio = 1; return c; }(), {{"Audio", 7}, {"I2C for Audio ", 2}}},
        {"any non-zero byte ticks", [] { auto c = NothingTicked(); c.bTemperature = 7; c.bSi5338I2c = 0xFF; return c; }(),
         {{"Si5338", 2}, {"Temperature", 4}}},
        {"no temperature, no Si5338", [] { auto c = JorvaleDefaultConfig(); c.bTemperature = 0; c.bSi5338I2c = 0; return c; }(),
         {{"CLOCK", 4}, {"LED", 4}, {"KEY", 5}, {"SW", 4}, {"VGA", 29}, {"Audio", 7}, {"I2C for Audio ", 2},
          {"IR Receiver", 1}, {"SDRAM", 72}}},
        {"HSMC Default", Everything(DAUGHTER_HSMC_DEFAULT), With(kDefaultLayout, {"HSMC", 160})},
        {"adaptor card", Everything(DAUGHTER_Quillet_HSMC), With(kDefaultLayout, {"HSMC", 160})},
        {"transceiver card", Everything(DAUGHTER_HSMC_DEFAULT_XCVR), With(fiveClocks, {"HSMC", 160})},
        {"card without clocks", [] { auto c = NothingTicked(); c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT_XCVR; return c; }(),
         {{"HSMC", 160}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Jorvale(&board, c.record);
        EXPECT_EQ(LayoutOf(board), c.expected);
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
            if (con->GetName() != "HSMC") {
                EXPECT_EQ(con->GetType(), CONNECTOR_NONE) << con->GetName();
                EXPECT_EQ(con->GetDescription(), "") << con->GetName();
                EXPECT_EQ(con->IsExpansion(), 0) << con->GetName();
            }
        }
    }
}

TEST(JorvaleDefinition, SpotPins)
{
    struct Spot {
        const char* connector;
        int index;
        const char* name;
        const char* location;
        uint8_t direction;
        const char* standard;
        int32_t clockPeriod;  // 0 for a pin that is not a clock
    };
    const Spot spots[] = {
        {"CLOCK", 0, "OSC_50_B3B", "AF14", DIRECTION_INPUT, "1.5 V", 20},
        {"CLOCK", 1, "OSC_50_B4A", "AA16", DIRECTION_INPUT, "1.5 V", 20},
        {"CLOCK", 3, "OSC_50_B8A", "K14", DIRECTION_INPUT, "2.5 V", 20},
        {"CLOCK", 4, "HSMC_REF_CLK_p", "P9", DIRECTION_INPUT, "HCSL", 10},
        {"LED", 3, "LED[3]", "AD7", DIRECTION_OUTPUT, "3.3-V LVTTL", 0},
        {"KEY", 4, "RESET_n", "AD27", DIRECTION_INPUT, "3.3-V LVTTL", 0},
        {"SW", 3, "SW[3]", "AC29", DIRECTION_INPUT, "2.5 V", 0},
        {"Si5338", 1, "SI5338_SDA", "AJ29", DIRECTION_INOUT, "3.3-V LVTTL", 0},
        {"Temperature", 2, "TEMP_DOUT", "AG1", DIRECTION_INPUT, "3.3-V LVTTL", 0},
        {"Temperature", 3, "TEMP_SCLK", "AF9", DIRECTION_OUTPUT, "3.3-V LVTTL", 0},
        {"VGA", 3, "VGA_CLK", "W20", DIRECTION_OUTPUT, "3.3-V LVTTL", 0},
        {"VGA", 28, "VGA_B[7]", "AF29", DIRECTION_OUTPUT, "3.3-V LVTTL", 0},
        {"Audio", 6, "AUD_MUTE", "AD26", DIRECTION_OUTPUT, "3.3-V LVTTL", 0},
        {"I2C for Audio ", 1, "AUD_I2C_SDAT", "AF30", DIRECTION_INOUT, "3.3-V LVTTL", 0},
        {"IR Receiver", 0, "IRDA_RXD", "AH2", DIRECTION_INPUT, "3.3-V LVTTL", 0},
        {"SDRAM", 0, "DDR3_CK_p", "AA14", DIRECTION_OUTPUT, "Differential 1.5-V SSTL Class I", 0},
        {"SDRAM", 9, "DDR3_DQS_n[3]", "AD19", DIRECTION_INOUT, "Differential 1.5-V SSTL Class I", 0},
        {"SDRAM", 23, "DDR3_ODT", "AE16", DIRECTION_OUTPUT, "SSTL-15 Class I", 0},
        {"SDRAM", 24, "DDR3_RZQ", "AG17", DIRECTION_INPUT, "1.5 V", 0},
        {"SDRAM", 56, "DDR3_DQ[31]", "AK27", DIRECTION_INOUT, "SSTL-15 Class I", 0},
        {"SDRAM", 71, "DDR3_A[14]", "AG12", DIRECTION_OUTPUT, "SSTL-15 Class I", 0},
    };
    TMainBoard board;
    BuildMainBoard_Jorvale(&board, Everything(DAUGHTER_HSMC_DEFAULT_XCVR));
    for (const Spot& s : spots) {
        SCOPED_TRACE(std::string(s.connector) + " " + std::to_string(s.index));
        const TConnector* con = Find(board, s.connector);
        ASSERT_TRUE(con);
        ASSERT_LT(s.index, con->GetPinCount());
        const TPin* pin = con->GetPin(s.index);
        EXPECT_EQ(pin->GetName(), s.name);
        EXPECT_EQ(pin->GetLocation(), s.location);
        EXPECT_EQ(pin->GetDirection(), s.direction);
        EXPECT_EQ(pin->GetIoStandardText(), s.standard);
        EXPECT_EQ(pin->IsClock(), s.clockPeriod ? 1 : 0);
        EXPECT_EQ(pin->GetClockPeriod(), s.clockPeriod);
        EXPECT_EQ(pin->GetFrequency(), "");
        EXPECT_EQ(pin->GetBank(), "");
    }
}

TEST(JorvaleDefinition, HsmcConnectorHasEveryLocatedPosition)
{
    TMainBoard board;
    BuildMainBoard_Jorvale(&board, Everything(DAUGHTER_HSMC_DEFAULT));
    const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
    ASSERT_TRUE(hsmc);
    EXPECT_EQ(board.GetConnector(board.GetConnectorCount() - 1), hsmc);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to " + BoardName(DAUGHTER_HSMC_DEFAULT));
    EXPECT_EQ(hsmc->GetType(), CONNECTOR_HSMC);
    EXPECT_EQ(hsmc->IsExpansion(), 1);
    EXPECT_EQ(hsmc->GetPinCount(), 160);
    EXPECT_EQ(hsmc->GetActivePinCount(), 116);
    struct Position { int position; const char* location; };  // nullptr: no pin there
    for (Position p : {Position{1, "H4"}, Position{32, "AE1"}, Position{33, "AE29"}, Position{35, nullptr},
                       Position{38, nullptr}, Position{39, "AD29"}, Position{96, "AA26"}, Position{158, "G15"},
                       Position{160, nullptr}}) {
        const TPin* pin = hsmc->GetPin(p.position - 1);
        ASSERT_EQ(pin != nullptr, p.location != nullptr) << p.position;
        if (!pin) continue;
        EXPECT_EQ(pin->GetLocation(), p.location) << p.position;
        EXPECT_EQ(pin->GetName(), "") << p.position;
        EXPECT_EQ(pin->GetDirection(), DIRECTION_FROM_DAUGHTER) << p.position;
        EXPECT_EQ(pin->GetIoStandard(), IOSTD_FROM_DAUGHTER) << p.position;
    }
}

TEST(JorvaleDefinition, NoLocationOrNameIsUsedTwice)
{
    TMainBoard board;
    BuildMainBoard_Jorvale(&board, Everything(DAUGHTER_HSMC_DEFAULT_XCVR));
    std::set<std::string> locations, names;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* con = board.GetConnector(c);
        for (int i = 0; i < con->GetPinCount(); ++i) {
            const TPin* pin = con->GetPin(i);
            if (!pin) continue;
            EXPECT_TRUE(locations.insert(pin->GetLocation()).second) << pin->GetLocation();
            if (!pin->GetName().empty()) EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName();
        }
    }
    EXPECT_EQ(locations.size(), 5u + 4 + 5 + 4 + 2 + 4 + 29 + 7 + 2 + 1 + 72 + 116);
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
        EXPECT_EQ(IoStandardName(JorvaleHsmcIoStandard(v.entry)), v.standard);

        JORVALE_CONFIG record = Everything(DAUGHTER_HSMC_DEFAULT);
        record.nHsmcVoltage = v.entry;
        TMainBoard bare;
        BuildMainBoard_Jorvale(&bare, record);
        const TPin* fixed = bare.FindExpansionConnector(EXPANSION_HSMC_A)->GetPin(39);
        EXPECT_EQ(fixed->GetLocation(), "J14");
        EXPECT_EQ(fixed->GetDirection(), DIRECTION_INPUT);
        EXPECT_EQ(fixed->GetIoStandardText(), v.standard);

        TMainBoard withDefault;
        BuildJorvaleProjectBoard(withDefault, record);
        fixed = withDefault.FindExpansionConnector(EXPANSION_HSMC_A)->GetPin(39);
        EXPECT_EQ(fixed->GetName(), "HSMC_CLK_IN0");  // the card only names it
        EXPECT_EQ(fixed->GetDirection(), DIRECTION_INPUT);
        EXPECT_EQ(fixed->GetIoStandardText(), v.standard);

        // the adaptor card's header takes the standard it is built with
        record = Everything(DAUGHTER_Quillet_HSMC);
        record.nHsmcVoltage = v.entry;
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
        JORVALE_CONFIG record = Everything(c.card);
        std::strcpy(record.szHSMCPrefixName, c.typed);
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
    JORVALE_CONFIG record = JorvaleDefaultConfig();
    record.BoardId = MAINBOARD_Ulvarin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Jorvale(&board, record), platform::InternalError);
    record = JorvaleDefaultConfig();
    record.Size = 283;
    EXPECT_THROW(BuildMainBoard_Jorvale(&board, record), platform::InternalError);
}

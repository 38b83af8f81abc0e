#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

constexpr int G0 = GLENMARCH_CONFIG::GPIO_0;
constexpr int G1 = GLENMARCH_CONFIG::GPIO_1;

std::vector<std::string> ConnectorNames(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) names.push_back(board.GetConnector(i)->GetName());
    return names;
}

std::vector<int> PinCounts(const TMainBoard& board)
{
    std::vector<int> counts;
    for (int i = 0; i < board.GetConnectorCount(); ++i) counts.push_back(board.GetConnector(i)->GetPinCount());
    return counts;
}

const TConnector* Find(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

GLENMARCH_CONFIG Nothing()
{
    GLENMARCH_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Glenmarch;
    c.Size = sizeof c;
    return c;
}

// A pin expected at an index of a named connector.
struct Spot {
    const char* connector;
    int index;
    const char* name;
    const char* location;
    uint8_t direction;
    const char* standard;
};

struct Case {
    const char* label;
    GLENMARCH_CONFIG record;
    std::vector<std::string> names;
    std::vector<int> counts;
    std::vector<Spot> spots;
};

GLENMARCH_CONFIG With(GLENMARCH_CONFIG c, void (*edit)(GLENMARCH_CONFIG&))
{
    edit(c);
    return c;
}

const std::vector<std::string> kDefaultNames = {"ADC", "Audio", "CLOCK", "SDRAM", "I2C for Audio and Video-In",
                                                 "SEG7", "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA"};
const std::vector<int> kDefaultCounts = {4, 6, 4, 39, 2, 42, 2, 4, 10, 4, 10, 12, 29};

}  // namespace

TEST(GlenmarchDefinition, RecordsGiveConnectorsPinCountsAndPins)
{
    const Case cases[] = {
        {"nothing", Nothing(), {}, {}, {}},
        {"defaults",
         GlenmarchDefaultConfig(),
         kDefaultNames,
         kDefaultCounts,
         {
             {"ADC", 0, "ADC_CONVST", "AJ4", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"ADC", 2, "ADC_DOUT", "AK3", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"Audio", 5, "AUD_XCK", "G7", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"Audio", 4, "AUD_DACLRCK", "H8", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"CLOCK", 2, "CLOCK3_50", "Y26", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"SDRAM", 12, "DRAM_ADDR[12]", "AJ14", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"SDRAM", 18, "DRAM_CLK", "AH12", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"SDRAM", 34, "DRAM_DQ[15]", "AJ5", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"SDRAM", 38, "DRAM_WE_N", "AA13", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"I2C for Audio and Video-In", 1, "FPGA_I2C_SDAT", "K12", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"SEG7", 0, "HEX0[0]", "AE26", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"SEG7", 41, "HEX5[6]", "AA25", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"IR", 0, "IRDA_RXD", "AA30", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"KEY", 3, "KEY[3]", "Y16", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"LED", 9, "LEDR[9]", "Y21", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"PS2", 3, "PS2_DAT2", "AE9", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"SW", 9, "SW[9]", "AE12", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"Video-In", 8, "TD_DATA[7]", "B3", DIRECTION_INPUT, "3.3-V LVTTL"},
             {"Video-In", 10, "TD_RESET_N", "F6", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"VGA", 9, "VGA_CLK", "A11", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"VGA", 18, "VGA_HS", "B11", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"VGA", 28, "VGA_VS", "D11", DIRECTION_OUTPUT, "3.3-V LVTTL"},
         }},
        {"audio alone", With(Nothing(), [](GLENMARCH_CONFIG& c) { c.bAudio = 1; }),
         {"Audio", "I2C for Audio and Video-In"}, {6, 2}, {}},
        {"video-in alone, any non-zero byte",
         With(Nothing(), [](GLENMARCH_CONFIG& c) { c.bVideoIn = 9; c.bSdram = 1; c.bSeg7 = 1; }),
         {"SDRAM", "I2C for Audio and Video-In", "SEG7", "Video-In"}, {39, 2, 42, 12}, {}},
        {"HPS",
         With(Nothing(), [](GLENMARCH_CONFIG& c) { c.bHps = 1; }),
         {"HPS"},
         {128},
         {
             {"HPS", 0, "HPS_DDR3_ADDR[0]", "", DIRECTION_OUTPUT, "SSTL-15 Class I"},
             {"HPS", 21, "HPS_DDR3_DM[3]", "", DIRECTION_OUTPUT, "SSTL-15 Class I"},
             {"HPS", 53, "HPS_DDR3_DQ[31]", "", DIRECTION_INOUT, "SSTL-15 Class I"},
             {"HPS", 61, "HPS_DDR3_RZQ", "", DIRECTION_INPUT, "SSTL-15 Class I"},
             {"HPS", 63, "HPS_DDR3_DQS_N[0]", "", DIRECTION_INOUT, "Differential 1.5-V SSTL Class I"},
             {"HPS", 71, "HPS_DDR3_CK_N", "", DIRECTION_OUTPUT, "Differential 1.5-V SSTL Class I"},
             {"HPS", 93, "HPS_GPIO[0]", "", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"HPS", 112, "HPS_SPIM_SS", "", DIRECTION_INOUT, "3.3-V LVTTL"},
             {"HPS", 126, "HPS_USB_STP", "", DIRECTION_OUTPUT, "3.3-V LVTTL"},
             {"HPS", 127, "HPS_CONV_USB_N", "", DIRECTION_INOUT, "3.3-V LVTTL"},
         }},
        {"40-pin card on GPIO-1 only",
         With(Nothing(), [](GLENMARCH_CONFIG& c) { c.nGpioDaughterId[G1] = DAUGHTER_Sollip; }),
         {"GPIO_1"},
         {40},
         {
             {"GPIO_1", 0, "", "AB17", DIRECTION_FROM_DAUGHTER, "58"},
             {"GPIO_1", 39, "", "AC22", DIRECTION_FROM_DAUGHTER, "58"},
         }},
        {"two 40-pin cards after every group",
         With(GlenmarchDefaultConfig(), [](GLENMARCH_CONFIG& c) {
             c.bHps = 1;
             c.nGpioDaughterId[G0] = DAUGHTER_GPIO_DEFAULT;
             c.nGpioDaughterId[G1] = DAUGHTER_Garvet;
         }),
         [] {
             auto n = kDefaultNames;
             n.insert(n.end(), {"HPS", "GPIO_0", "GPIO_1"});
             return n;
         }(),
         [] {
             auto n = kDefaultCounts;
             n.insert(n.end(), {128, 40, 40});
             return n;
         }(),
         {
             {"GPIO_0", 0, "", "AC18", DIRECTION_FROM_DAUGHTER, "58"},
             {"GPIO_0", 12, "", "AH18", DIRECTION_FROM_DAUGHTER, "58"},
             {"GPIO_0", 39, "", "AJ21", DIRECTION_FROM_DAUGHTER, "58"},
             {"GPIO_1", 30, "", "AK22", DIRECTION_FROM_DAUGHTER, "58"},
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TMainBoard board;
        BuildMainBoard_Glenmarch(&board, c.record);
        EXPECT_EQ(ConnectorNames(board), c.names);
        EXPECT_EQ(PinCounts(board), c.counts);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Glenmarch);
        EXPECT_EQ(board.GetFamily(), "Cyclone V");
        EXPECT_EQ(board.GetDevice(), "5CSEMA5F31C6");
        EXPECT_EQ(board.GetDevicePinCount(), 896);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGradeText(), "6");
        EXPECT_EQ(board.GetSpeedGrade(), 0);
        EXPECT_EQ(board.m_pConfigBoard, nullptr);
        for (const Spot& s : c.spots) {
            SCOPED_TRACE(std::string(s.connector) + " " + std::to_string(s.index));
            const TConnector* con = Find(board, s.connector);
            ASSERT_TRUE(con);
            const TPin* pin = con->GetPin(s.index);
            ASSERT_TRUE(pin);
            EXPECT_EQ(pin->GetName(), s.name);
            EXPECT_EQ(pin->GetLocation(), s.location);
            EXPECT_EQ(pin->GetDirection(), s.direction);
            std::string standard = pin->GetIoStandard() == IOSTD_FROM_DAUGHTER ? "58" : pin->GetIoStandardText();
            EXPECT_EQ(standard, s.standard);
        }
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* con = board.GetConnector(i);
            if (con->IsExpansion()) continue;
            EXPECT_EQ(con->GetDescription(), "") << con->GetName();
            EXPECT_EQ(con->GetType(), CONNECTOR_NONE) << con->GetName();
            EXPECT_EQ(con->GetDaughterBoardId(), -1) << con->GetName();
        }
    }
}

TEST(GlenmarchDefinition, ClockInputsCarryPeriodAndBank)
{
    TMainBoard board;
    BuildMainBoard_Glenmarch(&board, GlenmarchDefaultConfig());
    const TConnector* clock = Find(board, "CLOCK");
    ASSERT_TRUE(clock);
    const char* banks[] = {"BANK 3B", "BANK 4A", "BANK 5B", "BANK 8A"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(clock->GetPin(i)->IsClock(), 1);
        EXPECT_EQ(clock->GetPin(i)->GetClockPeriod(), 20);
        EXPECT_EQ(clock->GetPin(i)->GetBank(), banks[i]);
        EXPECT_EQ(clock->GetPin(i)->GetFrequency(), "");
    }
    // no other group is a clock
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (board.GetConnector(c) != clock)
            for (int i = 0; i < board.GetConnector(c)->GetPinCount(); ++i)
                EXPECT_EQ(board.GetConnector(c)->GetPin(i)->IsClock(), 0);
}

TEST(GlenmarchDefinition, FortyPinHeadersAreConnectorsSixteenAndSeventeen)
{
    struct Header { uint8_t card0, card1; std::vector<int> ids; };
    const Header cases[] = {
        {DAUGHTER_GPIO_DEFAULT, 0, {EXPANSION_GPIO_0}},
        {0, DAUGHTER_Tesvik, {EXPANSION_GPIO_1}},
        {DAUGHTER_Omblin, DAUGHTER_Sollip, {EXPANSION_GPIO_0, EXPANSION_GPIO_1}},
    };
    for (const Header& h : cases) {
        SCOPED_TRACE(std::to_string(h.card0) + "/" + std::to_string(h.card1));
        GLENMARCH_CONFIG record = Nothing();
        record.nGpioDaughterId[G0] = h.card0;
        record.nGpioDaughterId[G1] = h.card1;
        TMainBoard board;
        BuildMainBoard_Glenmarch(&board, record);
        ASSERT_EQ(board.GetConnectorCount(), static_cast<int>(h.ids.size()));
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_80), nullptr);
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* con = board.GetConnector(i);
            int header = h.ids[i] - EXPANSION_GPIO_0;
            uint8_t card = header == 0 ? h.card0 : h.card1;
            EXPECT_EQ(con->GetExpansionId(), h.ids[i]);
            EXPECT_EQ(con->IsExpansion(), 1);
            EXPECT_EQ(con->GetType(), CONNECTOR_GPIO40);
            EXPECT_EQ(con->GetDaughterBoardId(), -1);
            EXPECT_EQ(con->GetName(), header == 0 ? "GPIO_0" : "GPIO_1");
            EXPECT_EQ(con->GetDescription(), (header == 0 ? "GPIO_0 connect to " : "GPIO_1 connect to ") + BoardName(card));
            EXPECT_EQ(con->GetPinCount(), 40);
            EXPECT_EQ(con->GetActivePinCount(), 36);
            for (int p : {11, 12, 29, 30}) EXPECT_EQ(con->GetPin(p - 1), nullptr) << p;
        }
    }
}

TEST(GlenmarchDefinition, RecordCopyIsTheWholeRecordWhateverItHolds)
{
    GLENMARCH_CONFIG record = GlenmarchDefaultConfig();
    std::memset(record.szGpioPrefixName[G1], 'x', sizeof record.szGpioPrefixName[G1]);  // no NUL
    record.Padding1[1] = 0x5A;
    record.Padding2 = 0xA5;
    record.bLed = 0;
    record.bVga = 3;
    record.nGpioDaughterId[G0] = DAUGHTER_Ravesh;
    TMainBoard board;
    BuildMainBoard_Glenmarch(&board, record);
    EXPECT_EQ(std::memcmp(board.m_GlenmarchConfig.data(), &record, sizeof record), 0);
    EXPECT_EQ(RecordByte(board.m_GlenmarchConfig, 140), 3);  // bVga as the timing writer reads it

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

TEST(GlenmarchDefinition, DefaultsAndNoLocationUsedTwice)
{
    GLENMARCH_CONFIG d = GlenmarchDefaultConfig();
    EXPECT_EQ(d.BoardId, 21);
    EXPECT_EQ(d.Size, 408);
    EXPECT_STREQ(d.szProjectName, "Glenmarch");
    const uint8_t* groups = reinterpret_cast<const uint8_t*>(&d) + 136;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(groups[i], 1) << i;
    EXPECT_EQ(d.bHps, 0);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&d);
    for (std::size_t i = 149; i < sizeof d; ++i) EXPECT_EQ(bytes[i], 0) << i;

    GLENMARCH_CONFIG all = d;
    all.bHps = 1;
    all.nGpioDaughterId[G0] = DAUGHTER_GPIO_DEFAULT;
    all.nGpioDaughterId[G1] = DAUGHTER_GPIO_DEFAULT;
    TMainBoard board;
    BuildMainBoard_Glenmarch(&board, all);
    std::set<std::string> locations, names;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* con = board.GetConnector(c);
        for (int i = 0; i < con->GetPinCount(); ++i) {
            const TPin* pin = con->GetPin(i);
            if (!pin) continue;
            if (!pin->GetLocation().empty()) EXPECT_TRUE(locations.insert(pin->GetLocation()).second) << pin->GetLocation();
            if (!pin->GetName().empty()) EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName();
        }
    }
    EXPECT_EQ(locations.size(), 4u + 6 + 4 + 39 + 2 + 42 + 2 + 4 + 10 + 4 + 10 + 12 + 29 + 36 + 36);
}

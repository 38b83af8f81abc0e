#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Tamblin.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::FindConnector;
using modeltest::FindPin;
using modeltest::PinFacts;

constexpr int V1_2 = 40, V1_8 = 3, LVTTL = 8;

const std::vector<std::string> kAllGroups = {
    "CLOCK",  "KEY",      "LED",          "CapSense Button", "Audio",         "SDRAM",
    "Flash",  "G-Sensor", "HDMI-TX",      "Light Sensor",    "MIPI",          "Ethernet",
    "Power Monitor", "Humidity and Temperature Sensor", "MicroSD Card", "SW", "Board Temperature Sensor", "USB"};

TAMBLIN_CONFIG Everything(int32_t revision, uint8_t headerIndex)
{
    TAMBLIN_CONFIG c;
    DefaultConfig(c);
    c.bMipi = 1;
    c.bDdr3 = 1;
    c.bSmaAdc = 1;  // builds nothing
    c.nBoardRevision = revision;
    c.nBbbHeaderIndex = headerIndex;
    std::strcpy(c.szBbbPrefixName, "PFX_");  // names nothing
    return c;
}

std::vector<std::string> WithHeader(std::vector<std::string> groups)
{
    groups.push_back("BBB Conector");
    return groups;
}

}  // namespace

TEST(TamblinDefinition, DefaultRecordGivesSixteenGroupsInOrder)
{
    TAMBLIN_CONFIG c;
    DefaultConfig(c);
    EXPECT_EQ(c.BoardId, MAINBOARD_Tamblin);
    EXPECT_EQ(c.Size, 292);
    EXPECT_STREQ(c.szProjectName, "Tamblin");
    TMainBoard board;
    BuildMainBoard_Tamblin(&board, c);
    std::vector<std::string> groups = kAllGroups;
    std::erase(groups, "SDRAM");
    std::erase(groups, "MIPI");
    EXPECT_EQ(modeltest::ConnectorNames(board), groups);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_Tamblin);
    EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C6GES");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetSpeedGradeText(), "6");
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* group = board.GetConnector(i);
        EXPECT_EQ(group->GetType(), CONNECTOR_NONE) << group->GetName();
        EXPECT_EQ(group->IsExpansion(), 0) << group->GetName();
        EXPECT_EQ(group->GetDescription(), "") << group->GetName();
    }
}

TEST(TamblinDefinition, NothingTickedGivesNoGroup)
{
    TAMBLIN_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Tamblin;
    c.Size = 292;
    TMainBoard board;
    BuildMainBoard_Tamblin(&board, c);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C6GES");
}

// Every group at each revision, with the pins the revisions move; values a file may hold
// beyond the three revisions count as revision C, but for HDMI_TX_CLK only 0 is revision A.
TEST(TamblinDefinition, RevisionsMoveTheirPins)
{
    struct Case {
        int32_t revision;
        bool beforeC;
        bool revisionA;
    };
    for (Case r : {Case{0, true, true}, Case{1, true, false}, Case{2, false, false}, Case{7, false, false},
                   Case{-1, false, false}}) {
        SCOPED_TRACE(r.revision);
        TMainBoard board;
        BuildMainBoard_Tamblin(&board, Everything(r.revision, 0));
        BoardFacts facts;
        facts.connectors = kAllGroups;
        facts.counts = {
            {.name = "CLOCK", .entries = 3},     {.name = "KEY", .entries = 2},
            {.name = "LED", .entries = 8},       {.name = "CapSense Button", .entries = 2},
            {.name = "Audio", .entries = 12},    {.name = "SDRAM", .entries = 50},
            {.name = "Flash", .entries = 7},     {.name = "G-Sensor", .entries = r.beforeC ? 8 : 6},
            {.name = "HDMI-TX", .entries = 38},  {.name = "Light Sensor", .entries = 3},
            {.name = "MIPI", .entries = 21},     {.name = "Ethernet", .entries = 19},
            {.name = "Power Monitor", .entries = 3}, {.name = "Humidity and Temperature Sensor", .entries = 3},
            {.name = "MicroSD Card", .entries = 11}, {.name = "SW", .entries = 2},
            {.name = "Board Temperature Sensor", .entries = 3}, {.name = "USB", .entries = 15},
        };
        facts.pins = {
            r.revisionA ? PinFacts{.name = "HDMI_TX_CLK", .location = "D6", .dir = DIRECTION_OUTPUT, .std = V1_2}
                        : PinFacts{.name = "HDMI_TX_CLK", .location = "A20", .dir = DIRECTION_OUTPUT, .std = V1_8},
            {.name = "DDR3_A[3]", .location = r.beforeC ? "F18" : "C20", .dir = DIRECTION_OUTPUT, .std = 29},
            {.name = "DDR3_A[14]", .location = "W20"},
            {.name = "DDR3_BA[0]", .location = r.beforeC ? "E19" : "D19"},
            {.name = "DDR3_CS_n", .location = r.beforeC ? "F20" : "F22"},
            {.name = "DDR3_ODT", .location = r.beforeC ? "F21" : "G22"},
            {.name = "DDR3_DQS_n[0]", .location = "", .dir = DIRECTION_INOUT, .std = 12},
            {.name = "DDR3_DQS_n[1]", .location = ""},
            {.name = "DDR3_DQS_p[1]", .location = "K14", .std = 12},
            {.name = "DDR3_CLK_50", .location = "N15", .dir = DIRECTION_INPUT, .std = 0, .clock = 0},
            {.name = "ADC_CLK_10", .location = "M9", .std = 6, .clock = 1, .frequency = "10.0 MHz"},
            {.name = "MAX10_CLK2_50", .location = "P11", .std = LVTTL, .clock = 1, .frequency = "50.0 MHz"},
            {.name = "NET_TX_CLK", .location = "T5", .clock = 1, .frequency = "25.0 MHz"},
            {.name = "NET_PCF_EN", .location = "V9", .std = LVTTL},
            {.name = "USB_CLKIN", .location = "H11", .std = V1_2, .clock = 1, .frequency = "60.0 MHz"},
            {.name = "USB_STP", .location = "J12", .dir = DIRECTION_OUTPUT, .std = V1_8},
            {.name = "KEY[1]", .location = "H22", .std = 47},
            {.name = "LED[7]", .location = "C5", .std = V1_2},
            {.name = "HDMI_TX_D[23]", .location = "C13"},
            {.name = "MIPI_MD_p[3]", .location = "N2", .std = 21},
            {.name = "SD_SEL", .location = "P13", .std = LVTTL},
            {.name = "G_SENSOR_SDI", .location = "C6", .dir = DIRECTION_INOUT, .std = V1_2},
        };
        if (r.beforeC) facts.pins.push_back({.name = "GSENSOR_ST", .location = "AA5", .dir = DIRECTION_OUTPUT, .std = LVTTL});
        modeltest::ExpectBoard(board, facts);
        EXPECT_EQ(FindPin(board, "GSENSOR_PD") != nullptr, r.beforeC);
        EXPECT_EQ(FindConnector(board, "G-Sensor")->GetPin(0)->GetName(), r.beforeC ? "GSENSOR_PD" : "G_SENSOR_CS_n");
        const TConnector* hdmi = FindConnector(board, "HDMI-TX");
        EXPECT_EQ(hdmi->GetPin(9)->GetName(), "HDMI_TX_CLK");  // in its place among the group's pins
    }
}

// The header group in each mode: the located positions of P8 then P9, as the mode names
// them, then the two buttons; no pin takes the record's prefix.
TEST(TamblinDefinition, HeaderModes)
{
    struct Case {
        uint8_t index;
        int pins;
        std::vector<PinFacts> spots;
        std::vector<const char*> first;  // the group's first pins in order
    };
    const Case cases[] = {
        {1, 44 + 23 + 2,
         {{.name = "GPIO0_D[0]", .location = "W18", .dir = DIRECTION_INOUT, .std = LVTTL},
          {.name = "GPIO0_D[43]", .location = "R13"},
          {.name = "GPIO1_D[0]", .location = "Y5"},
          {.name = "GPIO1_D[20]", .location = "P9"},
          {.name = "GPIO1_D[21]", .location = "V17"},
          {.name = "GPIO1_D[22]", .location = "W3", .dir = DIRECTION_INOUT, .std = LVTTL}},
         {"GPIO0_D[0]", "GPIO0_D[1]"}},
        {2, 30 + 2,
         {{.name = "BLE_DIO6", .location = "AB19", .dir = DIRECTION_INPUT, .std = LVTTL},
          {.name = "WIFI_UART_RTS", .location = "Y11", .dir = DIRECTION_OUTPUT},
          {.name = "WIFI_UART_RXD", .location = "Y5", .dir = DIRECTION_INPUT},
          {.name = "EEPROM_I2C_SDA", .location = "AB7", .dir = DIRECTION_INOUT},
          {.name = "BLE_SPI_SCLK", .location = "P9", .dir = DIRECTION_INPUT},
          {.name = "BLE_DIO15", .location = "W3", .dir = DIRECTION_INPUT}},
         {"BLE_DIO6", "BLE_DIO7", "BLE_DIO8"}},
        {3, 67 + 2,
         {{.name = "gpio1[6]", .location = "W18", .dir = DIRECTION_INOUT, .std = LVTTL},
          {.name = "gpio2[7]", .location = "R13"},
          {.name = "gpio0[30]", .location = "Y5"},
          {.name = "gpio3[14]", .location = "P9"},
          {.name = "gpio0[20]", .location = "V17"},
          {.name = "gpio0[7]", .location = "W3"}},
         {"gpio1[6]", "gpio1[7]"}},
        {255, 67 + 2, {{.name = "gpio0[7]", .location = "W3"}}, {"gpio1[6]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.index));
        TMainBoard board;
        BuildMainBoard_Tamblin(&board, Everything(TAMBLIN_REVISION_C, c.index));
        BoardFacts facts;
        facts.connectors = WithHeader(kAllGroups);
        facts.counts = {{.name = "BBB Conector", .entries = c.pins, .active = c.pins, .type = CONNECTOR_NONE}};
        facts.pins = c.spots;
        facts.pins.push_back({.name = "BBB_PWR_BUT", .location = "U6", .dir = DIRECTION_INPUT, .std = LVTTL});
        facts.pins.push_back({.name = "BBB_SYS_RESET_n", .location = "AA2", .dir = DIRECTION_INPUT, .std = LVTTL});
        modeltest::ExpectBoard(board, facts);

        const TConnector* bbb = FindConnector(board, "BBB Conector");
        ASSERT_NE(bbb, nullptr);
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(bbb->GetPin(int(i))->GetName(), c.first[i]);
        EXPECT_EQ(bbb->GetPin(c.pins - 2)->GetName(), "BBB_PWR_BUT");
        EXPECT_EQ(bbb->GetPin(c.pins - 1)->GetName(), "BBB_SYS_RESET_n");
        for (int i = 0; i < bbb->GetPinCount(); ++i)
            EXPECT_EQ(bbb->GetPin(i)->GetName().find("PFX_"), std::string::npos) << i;
    }
}

// No location or name twice, whatever the revision and header mode; the count of located
// pins is the groups' sum less the two DQS_n pins, plus the header group.
TEST(TamblinDefinition, EveryRevisionAndModeIsSound)
{
    for (int32_t revision : {0, 1, 2}) {
        for (uint8_t index : {0, 1, 2, 3}) {
            const std::string label = std::to_string(revision) + "/" + std::to_string(index);
            TMainBoard board;
            BuildMainBoard_Tamblin(&board, Everything(revision, index));
            const int header[] = {0, 69, 32, 69};
            const int groups = revision == 2 ? 208 : 210;
            EXPECT_EQ(modeltest::ExpectSoundModel(board, label), groups - 2 + header[index]) << label;
        }
    }
}

TEST(TamblinDefinition, WrongIdOrSizeIsAnInternalError)
{
    TAMBLIN_CONFIG c;
    DefaultConfig(c);
    c.BoardId = MAINBOARD_Pocklin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Tamblin(&board, c), platform::InternalError);
    DefaultConfig(c);
    c.Size = 291;
    EXPECT_THROW(BuildMainBoard_Tamblin(&board, c), platform::InternalError);
}

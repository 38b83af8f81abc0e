#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Pocklin.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::FindConnector;
using modeltest::PinFacts;
using modeltest::PositionFacts;

const std::vector<std::string> kAllGroups = {
    "CLOCK",        "KEY",        "SW",           "LEDR",           "HEX",          "Audio",
    "DAC",          "DDR3 SDRAM", "QSPI Flash",   "G-Sensor",       "HDMI-RX",      "Light Sensor",
    "MIPI CS2 Camera", "Ravesh",  "Ethernet",     "Power Monitor",  "PS2",          "Humidity and Temperature Sensor",
    "MicroSD Card", "Uart to USB",
};

std::vector<std::string> WithHeader(std::vector<std::string> names)
{
    names.push_back("Ombrel 2x6 GPIO Header");
    return names;
}

POCKLIN_CONFIG Defaults()
{
    POCKLIN_CONFIG config;
    DefaultConfig(config);
    return config;
}

POCKLIN_CONFIG Everything(int32_t card)
{
    POCKLIN_CONFIG config = Defaults();
    config.bDdr3 = config.bEthernet = config.bMipi = config.bRavesh = 1;
    config.nOmbrelDaughterId = card;
    return config;
}

POCKLIN_CONFIG NothingTicked()
{
    POCKLIN_CONFIG config = Defaults();
    std::memset(&config.bClock, 0, offsetof(POCKLIN_CONFIG, Padding2) - offsetof(POCKLIN_CONFIG, bClock));
    return config;
}

// The header's eight positions: their locations, the card's direction, their own standard.
std::vector<PositionFacts> HeaderPositions()
{
    const char* locations[] = {"Y17", "AA17", "V16", "W15", "AB16", "AA16", "Y16", "W16"};
    std::vector<PositionFacts> positions;
    for (int p = 1; p <= 8; ++p)
        positions.push_back({"Ombrel 2x6 GPIO Header", p, locations[p - 1], DIRECTION_FROM_DAUGHTER, 8});
    return positions;
}

std::unique_ptr<TMainBoard> Built(const POCKLIN_CONFIG& config)
{
    auto board = std::make_unique<TMainBoard>();
    BuildMainBoard_Pocklin(board.get(), config);
    return board;
}

}  // namespace

TEST(PocklinDefinition, DefaultsAreTheRecordTheBoardStartsWith)
{
    POCKLIN_CONFIG config = Defaults();
    const auto* bytes = reinterpret_cast<const uint8_t*>(&config);
    EXPECT_EQ(bytes[0], 30);
    EXPECT_EQ(config.Size, 292);
    EXPECT_STREQ(config.szProjectName, "MAX10");
    for (int offset = 136; offset <= 156; ++offset) {
        bool ticked = !(offset == 150 || offset == 152 || offset == 155 || offset == 156);
        EXPECT_EQ(bytes[offset], ticked ? 1 : 0) << offset;
    }
    EXPECT_EQ(config.nOmbrelDaughterId, 0);
    EXPECT_EQ(config.szOmbrelPrefixName[0], 0);
}

TEST(PocklinDefinition, RecordsGiveTheirGroupsAndHeader)
{
    struct Case {
        const char* label;
        POCKLIN_CONFIG config;
        BoardFacts facts;
    };
    const Case cases[] = {
        {"defaults", Defaults(),
         {.connectors = std::vector<std::string>{"CLOCK", "KEY", "SW", "LEDR", "HEX", "Audio", "DAC", "QSPI Flash",
                                                 "G-Sensor", "HDMI-RX", "Light Sensor", "Power Monitor", "PS2",
                                                 "Humidity and Temperature Sensor", "MicroSD Card", "Uart to USB"},
          .counts = {{.name = "CLOCK", .entries = 4, .type = CONNECTOR_NONE},
                     {.name = "KEY", .entries = 6},
                     {.name = "SW", .entries = 10},
                     {.name = "LEDR", .entries = 10},
                     {.name = "HEX", .entries = 14},
                     {.name = "Audio", .entries = 12},
                     {.name = "DAC", .entries = 3},
                     {.name = "QSPI Flash", .entries = 7},
                     {.name = "G-Sensor", .entries = 6},
                     {.name = "HDMI-RX", .entries = 36},
                     {.name = "Light Sensor", .entries = 3},
                     {.name = "Power Monitor", .entries = 2},
                     {.name = "PS2", .entries = 4},
                     {.name = "Humidity and Temperature Sensor", .entries = 3},
                     {.name = "MicroSD Card", .entries = 6},
                     {.name = "Uart to USB", .entries = 3}},
          .pins = {{.name = "ADC_CLK_10", .location = "M9", .dir = DIRECTION_INPUT, .std = 8, .clock = 1,
                    .frequency = "10.0 MHz"},
                   {.name = "MAX10_CLK3_50", .location = "N14", .std = 0, .clock = 1, .frequency = "50.0 MHz"},
                   {.name = "KEY[4]", .location = "R22", .std = 47},
                   {.name = "FPGA_RESET_n", .location = "D9", .std = 8},
                   {.name = "SW[9]", .location = "H21", .std = 0},
                   {.name = "HEX1[6]", .location = "E6", .dir = DIRECTION_OUTPUT},
                   {.name = "AUDIO_WCLK", .location = "H12", .dir = DIRECTION_INOUT, .std = 6},
                   {.name = "GSENSOR_INT[1]", .location = "B15", .dir = DIRECTION_INPUT, .std = 6},
                   {.name = "GSENSOR_INT[2]", .location = "D17", .dir = DIRECTION_INPUT, .std = 6},
                   {.name = "HDMI_RX_CLK", .location = "P11", .clock = 0},
                   {.name = "HDMI_RX_D[23]", .location = "V13"},
                   {.name = "RH_TEMP_I2C_SDA", .location = "W18", .dir = DIRECTION_INOUT},
                   {.name = "UART_TX", .location = "E15", .dir = DIRECTION_OUTPUT, .std = 6}}}},
        {"nothing ticked", NothingTicked(), {.connectors = std::vector<std::string>{}}},
        {"everything with Ombrel Default", Everything(DAUGHTER_Ombrel_DEFAULT),
         {.connectors = WithHeader(kAllGroups),
          .counts = {{.name = "DDR3 SDRAM", .entries = 60, .type = CONNECTOR_NONE},
                     {.name = "MIPI CS2 Camera", .entries = 35},
                     {.name = "Ravesh", .entries = 31},
                     {.name = "Ethernet", .entries = 22},
                     {.name = "Ombrel 2x6 GPIO Header", .entries = 8, .pins = 8, .type = CONNECTOR_Ombrel_2x6,
                      .expansionId = EXPANSION_Ombrel_2x6, .description = "Ombrel connect to Ombrel Default"}},
          .pins = {{.name = "DDR3_DQS_n[1]", .location = "", .dir = DIRECTION_INOUT, .std = 12},
                   {.name = "DDR3_DQS_p[2]", .location = "R18", .std = 12},
                   {.name = "DDR3_CK_n", .location = "E18", .dir = DIRECTION_INOUT, .std = 12},
                   {.name = "DDR3_A[14]", .location = "C20", .dir = DIRECTION_OUTPUT, .std = 29},
                   {.name = "DDR3_DQ[23]", .location = "P20", .dir = DIRECTION_INOUT, .std = 29},
                   {.name = "DDR3_WE_n", .location = "W19", .std = 29},
                   {.name = "MIPI_PIXEL_CLK", .location = "V10", .clock = 0},
                   {.name = "MIPI_REFCLK", .location = "W17", .dir = DIRECTION_OUTPUT},
                   {.name = "CAMERA_I2C_SDA", .location = "B19", .std = 6},
                   {.name = "CAMERA_PWDN_n", .location = "R11", .std = 8},
                   {.name = "Ravesh_R[7]", .location = "T1"},
                   {.name = "Ravesh_INT", .location = "R10", .dir = DIRECTION_INPUT},
                   {.name = "NET_RX_CLK", .location = "J10", .std = 8, .clock = 1, .frequency = "125.0 MHz"},
                   {.name = "NET_TX_CLK", .location = "E11", .dir = DIRECTION_INPUT, .std = 8, .clock = 1,
                    .frequency = "125.0 MHz"},
                   {.name = "NET_TX_ER", .location = "C12", .std = 6},
                   {.name = "GPIO[0]", .location = "Y17"},
                   {.name = "GPIO[7]", .location = "W16"}},
          .positions = HeaderPositions()}},
        {"card Ombrel Bluetooth SPP only", [] {
             POCKLIN_CONFIG c = NothingTicked();
             c.nOmbrelDaughterId = DAUGHTER_Ombrel_Velket;
             return c;
         }(),
         {.connectors = std::vector<std::string>{"Ombrel 2x6 GPIO Header"},
          .counts = {{.name = "Ombrel 2x6 GPIO Header", .description = "Ombrel connect to Ombrel Bluetooth SPP"}},
          .positions = HeaderPositions()}},
    };
    for (const Case& c : cases) {
        auto built = Built(c.config);
        const TMainBoard& board = *built;
        modeltest::ExpectBoard(board, c.facts, c.label);
        EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA") << c.label;
        EXPECT_EQ(board.GetDevice(), "10M50DAF484C6GES") << c.label;
        EXPECT_EQ(board.GetPackage(), "FBGA") << c.label;
        EXPECT_EQ(board.GetDevicePinCount(), 484) << c.label;
        EXPECT_EQ(board.GetSpeedGradeText(), "6") << c.label;
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_Pocklin) << c.label;
    }
    // GSENSOR_INT is a bus of the indexes 1 and 2 only.
    EXPECT_EQ(modeltest::FindPin(*Built(Defaults()), "GSENSOR_INT[0]"), nullptr);
}

TEST(PocklinDefinition, GroupsAreNotExpansionConnectorsAndNothingIsUsedTwice)
{
    auto built = Built(Everything(DAUGHTER_Ombrel_DEFAULT));
    const TMainBoard& board = *built;
    for (const std::string& name : kAllGroups) {
        const TConnector* group = FindConnector(board, name);
        ASSERT_TRUE(group) << name;
        EXPECT_EQ(group->IsExpansion(), 0) << name;
        EXPECT_EQ(group->GetDaughterBoardId(), -1) << name;
        EXPECT_EQ(group->GetDescription(), "") << name;
    }
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_Ombrel_2x6), FindConnector(board, "Ombrel 2x6 GPIO Header"));
    EXPECT_EQ(FindConnector(board, "Ombrel 2x6 GPIO Header")->GetDaughterBoardId(), -1);
    // Every pin has its location but the three negative DQS strobes.
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 277 - 3 + 8);
}

// A card id that no form can store, as a file may hold it: another connector's card, one
// beyond the catalogue, or a 32-bit value whose low byte is a header card. None builds a
// header, since nothing could be attached to it.
TEST(PocklinDefinition, StoredIdsThatAreNoHeaderCardBuildNoHeader)
{
    for (int32_t id : {int32_t{DAUGHTER_Kelpin_DEFAULT}, int32_t{DAUGHTER_GPIO_DEFAULT}, 94, 255, 256 + 72, -1,
                       INT_MIN, INT_MAX, 0x42424201}) {
        auto board = Built(Everything(id));
        EXPECT_EQ(board->FindExpansionConnector(EXPANSION_Ombrel_2x6), nullptr) << id;
        EXPECT_EQ(board->GetConnectorCount(), 20) << id;
        EXPECT_EQ(PocklinOmbrelCard(id), DAUGHTER_NONE) << id;
    }
    EXPECT_EQ(PocklinOmbrelCard(72), DAUGHTER_Ombrel_DEFAULT);
    EXPECT_EQ(PocklinOmbrelCard(73), DAUGHTER_Ombrel_Velket);
    uint8_t ids[256];
    ASSERT_EQ(PocklinOmbrelCards(ids), 3);
    EXPECT_EQ((std::vector<int>{ids[0], ids[1], ids[2]}), (std::vector<int>{0, 72, 73}));
}

TEST(PocklinDefinition, WrongIdOrSizeIsAnInternalError)
{
    POCKLIN_CONFIG config = Defaults();
    config.BoardId = MAINBOARD_Tamblin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Pocklin(&board, config), platform::InternalError);
    config = Defaults();
    config.Size = 291;
    EXPECT_THROW(BuildMainBoard_Pocklin(&board, config), platform::InternalError);
}

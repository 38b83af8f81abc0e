#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<YASTREL_X1_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V18 = 3;
constexpr int V25 = 6;
constexpr int LVDS = 21;
constexpr int PCML14 = 35;
constexpr int HCSL = 37;
constexpr int PCIX30 = 39;

const char* const kBus = "Flash and SRAM Address/Data Share Bus";
const char* const kButtons = "BUTTON x 4, EXT_IO and CPU_RESET_n";

// The groups of the default record, in the board's order.
const std::vector<std::string> kDefaultGroups = {
    "CLOCK",     "External PLL", "LED x 8", kButtons,        "DIP SWITCH x 8", "SLIDE SWITCH x 4",
    "SEG7",      "Temperature",  "Current", "Fan",           "EEPROM",         "SDCARD",
    "RS232",     "Ethernet x 4", kBus,      "Flash Control", "SSRAM Control",  "3-Ports High-Speed USB OTG"};

void NoGroups(YASTREL_X1_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(YASTREL_X1_CONFIG, nExtPllSetting) - offsetof(YASTREL_X1_CONFIG, bOSC));
}

const modeltest::DeviceFacts k230 = {MAINBOARD_Yastrel_X1, "Stratix IV", "EP4SGX230KF40C2", "FBGA", 1517, 2};
const modeltest::DeviceFacts k530 = {MAINBOARD_Yastrel_X1, "Stratix IV", "EP4SGX530KH40C2", "FBGA", 1517, 2};

ConnectorFacts Hsmc(char port, int pins, uint8_t card)
{
    const std::string name = std::string("HSMC-") + port;
    return {.name = name, .entries = 160, .pins = pins, .active = pins, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

ConnectorFacts Ddr2(int socket)
{
    return {.name = "DDR2 SODIMM", .entries = 200, .pins = 124, .active = 124, .type = CONNECTOR_DDR2_SODIMM,
            .expansionId = socket == 0 ? EXPANSION_DDR2_SODIMM_1 : EXPANSION_DDR2_SODIMM_2,
            .description = "DDR2 SODIMM_" + std::to_string(socket)};
}

}  // namespace

TEST(Yastrel_X1Definition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: the generator with its codes, no socket, no card", nullptr,
         BoardFacts{
             .device = k230,
             .connectors = kDefaultGroups,
             .counts = {{.name = "CLOCK", .entries = 9, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "External PLL", .entries = 2},
                        {.name = "LED x 8", .entries = 8},
                        {.name = kButtons, .entries = 6},
                        {.name = "DIP SWITCH x 8", .entries = 8},
                        {.name = "SLIDE SWITCH x 4", .entries = 4},
                        {.name = "SEG7", .entries = 16},
                        {.name = "Temperature", .entries = 3},
                        {.name = "Current", .entries = 6},
                        {.name = "Fan", .entries = 1},
                        {.name = "EEPROM", .entries = 2},
                        {.name = "SDCARD", .entries = 7},
                        {.name = "RS232", .entries = 4},
                        {.name = "Ethernet x 4", .entries = 21},
                        {.name = kBus, .entries = 41},
                        {.name = "Flash Control", .entries = 7},
                        {.name = "SSRAM Control", .entries = 8},
                        {.name = "3-Ports High-Speed USB OTG", .entries = 59, .active = 59}},
             .pins = {{"OSC_50_BANK2", "AC35", in, V25, 1, 20},
                      {"OSC_50_BANK3", "AV22", in, V18, 1, 20},
                      {"OSC_50_BANK5", "AC6", in, PCIX30, 1, 20},
                      {"OSC_50_BANK7", "A19", in, V18, 1, 20},
                      {"GCLKOUT_FPGA", "AH19", out, V18, 0},
                      {"GCLKIN", "A21", in, V18, 0},
                      {"PLL_CLKIN_p", "B22", in, LVDS, 0},
                      {"MAX_I2C_SCLK", "AP24", out, V18},
                      {"MAX_I2C_SDAT", "AN22", inout, V18},
                      {"LED[7]", "N30", out, V25},
                      {"BUTTON[3]", "AG8", in, PCIX30},
                      {"EXT_IO", "AC11", inout, PCIX30},
                      {"CPU_RESET_n", "V34", in, V25},
                      {"SW[7]", "AG6", in, PCIX30},
                      {"SLIDE_SW[1]", "K7", in, V25},
                      {"SLIDE_SW[2]", "AK6", in, PCIX30},
                      {"SLIDE_SW[3]", "L7", in, V25},
                      {"SEG0_DP", "AL34", out, V25},
                      {"SEG1_D[6]", "D34", out, V25},
                      {"TEMP_INT_n", "AP19", in, V18},
                      {"CSENSE_SDO", "AK14", in, V18},
                      {"CSENSE_CS_n[1]", "AG15", out, V18},
                      {"FAN_CTRL", "AP20", out, V18},
                      {"EEP_SDA", "F33", inout, V25},
                      {"SD_DAT[3]", "AU20", inout, V18},
                      {"UART_CTS", "AN35", out, V25},
                      {"ETH_RX_p[0]", "U31", in, LVDS},
                      {"ETH_INT_n[0]", "B20", in, V18},
                      {"ETH_INT_n[1]", "AG30", in, V25},
                      {"ETH_MDC[3]", "N7", out, V25},
                      {"ETH_RST_n", "V29", out, V25},
                      {"FSM_D[15]", "D31", inout, V25},
                      {"FSM_A[1]", "G22", out, V25},
                      {"FSM_A[25]", "C22", out, V25},
                      {"FLASH_CE_n", "F23", out, V25},
                      {"SSRAM_ADV", "H35", out, V25},
                      {"OTG_D[31]", "L26", inout, V18},
                      {"OTG_A[17]", "F16", out, V18},
                      {"OTG_WE_n", "AR22", out, V18}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = k230, .connectors = std::vector<std::string>{}}},
        {"the generator alone brings its clock, its reset and its I2C pins",
         [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.bExtPLL = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "External PLL", "CPU_RESET_n"},
                    .counts = {{.name = "CLOCK", .entries = 1}, {.name = "CPU_RESET_n", .entries = 1}},
                    .pins = {{"OSC_50_BANK2", "AC35", in, V25, 1, 20}, {"CPU_RESET_n", "V34", in, V25}}}},
        {"SSRAM without flash: 20 address lines", [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.bSSRAM = 2; },
         BoardFacts{.connectors = std::vector<std::string>{kBus, "SSRAM Control"},
                    .counts = {{.name = kBus, .entries = 36}},
                    .pins = {{"FSM_A[20]", "T28"}}}},
        {"the second variant", [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.nBoardType = 1; },
         BoardFacts{.device = k530, .connectors = std::vector<std::string>{}}},
        {"a variant no form stores is the first", [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.nBoardType = 9; },
         BoardFacts{.device = k230, .connectors = std::vector<std::string>{}}},
        {"a set bMax2 builds nothing of its own", [](YASTREL_X1_CONFIG& c) { c.bMax2 = 1; },
         BoardFacts{.connectors = kDefaultGroups}},
        {"two SATA ports in the group's order, PCIe lanes interleaved",
         [](YASTREL_X1_CONFIG& c) {
             NoGroups(c);
             c.bSataDevice[0] = 1;
             c.bSataHost[1] = 1;
             c.bPCIe = 1;
         },
         BoardFacts{.connectors = std::vector<std::string>{"PCIe x 8", "SATA"},
                    .counts = {{.name = "PCIe x 8", .entries = 21}, {.name = "SATA", .entries = 5}},
                    .pins = {{"SATA_HOST_RX_p[1]", "AG2", in, PCML14},
                             {"SATA_DEVICE_TX_p[0]", "AT4", out, PCML14},
                             {"SATA_REFCLK_p", "AN2", in, PCML14},
                             {"PCIE_TX_p[7]", "P36", out, PCML14},
                             {"PCIE_REFCLK_p", "AN38", in, HCSL},
                             {"PCIE_SMBDAT", "W33", inout, V25}}}},
        {"the second DDR2 socket alone, with its termination pins",
         [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.bDDR2[1] = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"DDR2 SODIMM", "DDR2 SODIMM_1 RUP/RDN"},
                    .counts = {Ddr2(1), {.name = "DDR2 SODIMM_1 RUP/RDN", .entries = 2, .type = CONNECTOR_NONE}},
                    .pins = {{"M2_DDR2_oct_rup", "P14", in, V18}, {"M2_DDR2_oct_rdn", "N14", in, V18}},
                    .positions = {{"DDR2 SODIMM", 3, std::nullopt},
                                  {"DDR2 SODIMM", 4, "J12", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR2 SODIMM", 200, "B19", daughter, IOSTD_FROM_DAUGHTER}}}},
        {"both sockets, the 80-pin card on both headers, both HSMC connectors",
         [](YASTREL_X1_CONFIG& c) {
             NoGroups(c);
             c.bDDR2[0] = c.bDDR2[1] = 1;
             c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
             c.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
             c.nHsmcDaughterId[1] = DAUGHTER_Sendle;
         },
         BoardFacts{.connectors = std::vector<std::string>{"DDR2 SODIMM", "DDR2 SODIMM_0 RUP/RDN", "DDR2 SODIMM",
                                                           "DDR2 SODIMM_1 RUP/RDN", "GPIO_0_1", "HSMC-A", "HSMC-B",
                                                           "HSMC I2C"},
                    .counts = {Ddr2(0),
                               {.name = "GPIO_0_1", .entries = 80, .pins = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80,
                                .description = "GPIO_0_1 connect to " + BoardName(DAUGHTER_Kobbet_GPIO)},
                               Hsmc('A', 99, DAUGHTER_HSMC_DEFAULT), Hsmc('B', 114, DAUGHTER_Sendle),
                               {.name = "HSMC I2C", .entries = 2}},
                    .pins = {{"M1_DDR2_oct_rup", "AF25", in, V18},
                             {"HSMC_SCL", "L19", out, V18},
                             {"HSMC_SDA", "M19", inout, V18}},
                    .positions = {{"GPIO_0_1", 1, "AF6", daughter, IOSTD_FROM_DAUGHTER},
                                  {"GPIO_0_1", 11, std::nullopt},
                                  {"GPIO_0_1", 30, std::nullopt},
                                  {"GPIO_0_1", 41, "AW5", daughter, IOSTD_FROM_DAUGHTER},
                                  {"GPIO_0_1", 52, std::nullopt},
                                  {"GPIO_0_1", 69, std::nullopt},
                                  {"GPIO_0_1", 80, "AE11"},
                                  {"HSMC-A", 16, std::nullopt},
                                  {"HSMC-A", 17, "B36", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 40, "AC34", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 96, "AB34", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 98, "AA35", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 158, "AE35", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 1, "B4", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 40, "AA5", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 159, std::nullopt}}}},
        {"a 40-pin card on GPIO-1 alone", [](YASTREL_X1_CONFIG& c) { NoGroups(c); c.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO_1"},
                    .counts = {{.name = "GPIO_1", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40,
                                .expansionId = EXPANSION_GPIO_1, .description = "GPIO_1 connect to GPIO Default"}}}},
    };
    modeltest::ExpectDefinitionTable<YASTREL_X1_CONFIG>(
        cases, [](TMainBoard& board, const YASTREL_X1_CONFIG& record) { BuildMainBoard_Yastrel_X1(&board, record); });
}

// The board's copy is the record as the form builds it: the default HSMC prefixes written in,
// the variant and the generator codes a file may hold outside their lists made the defaults.
// The caller's record stays as it was.
TEST(Yastrel_X1Definition, ProjectRecordIsTheBoardsCopy)
{
    YASTREL_X1_CONFIG record;
    DefaultConfig(record);
    record.nBoardType = 200;
    record.nExtPllSetting[0] = 13;
    record.nExtPllSetting[1] = 0xFF;
    record.nExtPllSetting[2] = 12;
    record.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT_XCVR;
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    WriteRecordText(record.szHSMCPrefixName[1], "B_");
    const YASTREL_X1_CONFIG given = record;

    TMainBoard board;
    BuildYastrel_X1ProjectBoard(board, record);
    EXPECT_EQ(std::memcmp(&record, &given, sizeof record), 0);
    YASTREL_X1_CONFIG copy;
    std::memcpy(&copy, board.m_Yastrel_X1Config.data(), sizeof copy);
    EXPECT_EQ(copy.nBoardType, 0);
    EXPECT_EQ(copy.nExtPllSetting[0], 4);
    EXPECT_EQ(copy.nExtPllSetting[1], 4);
    EXPECT_EQ(copy.nExtPllSetting[2], 12);
    EXPECT_EQ(ReadRecordText(copy.szHSMCPrefixName[0]), "HSMA_");
    EXPECT_EQ(ReadRecordText(copy.szHSMCPrefixName[1]), "B_");
    EXPECT_EQ(board.m_Device, "EP4SGX230KF40C2");
    BoardFacts facts;
    facts.pins = {{"HSMA_CLKIN0", "AC34", in}, {"B_CLKIN0", "AA5", in}};
    modeltest::ExpectBoard(board, facts);
    const std::string code = board.ExtraTopLevelCode();
    EXPECT_NE(code.find("assign clk1_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk2_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk3_set_wr = 4'd12; //625 MHZ\r\n"),
              std::string::npos);
}

// A file may put the 80-pin card on one header only: the pair is made as the form makes it,
// the card's header leading, so that no check of the 80-pin rule is reached.
TEST(Yastrel_X1Definition, HeaderPairFromAFileIsPairedFirst)
{
    struct Row {
        const char* label;
        uint8_t card0, card1;
        std::vector<std::string> connectors;
        const char* prefix;  // of the first connector's first pin
    };
    const Row rows[] = {
        {"80-pin card on GPIO-0 only: on both", DAUGHTER_Kobbet_GPIO, 0, {"GPIO_0_1"}, "G_"},
        {"80-pin card on GPIO-1 only: on both", 0, DAUGHTER_Kobbet_GPIO, {"GPIO_0_1"}, "H_"},
        {"80-pin card on GPIO-1 beside a 40-pin card", DAUGHTER_GPIO_DEFAULT, DAUGHTER_Kobbet_GPIO, {"GPIO_0_1"},
         "H_"},
        {"80-pin card on both: GPIO-0's prefix", DAUGHTER_Kobbet_GPIO, DAUGHTER_Kobbet_GPIO, {"GPIO_0_1"}, "G_"},
        {"40-pin cards stay apart", DAUGHTER_GPIO_DEFAULT, 0, {"GPIO_0"}, "G_"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        YASTREL_X1_CONFIG record;
        DefaultConfig(record);
        NoGroups(record);
        record.nGpioDaughterId[GPIO_0] = row.card0;
        record.nGpioDaughterId[GPIO_1] = row.card1;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "G_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "H_");
        TMainBoard board;
        BuildYastrel_X1ProjectBoard(board, record);
        EXPECT_EQ(modeltest::ConnectorNames(board), row.connectors);
        const TConnector* gpio = modeltest::FindConnector(board, row.connectors[0]);
        ASSERT_NE(gpio, nullptr);
        EXPECT_EQ(gpio->GetPin(0)->GetName().rfind(row.prefix, 0), 0u) << gpio->GetPin(0)->GetName();
    }
}

TEST(Yastrel_X1Definition, WrongIdOrSizeIsAnInternalError)
{
    YASTREL_X1_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Yastrel_X2;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Yastrel_X1(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 680;
    EXPECT_THROW(BuildMainBoard_Yastrel_X1(&board, record), platform::InternalError);
}

#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<PANDREL_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V15 = 0;
constexpr int V25 = 6;
constexpr int LVDS = 21;
constexpr int PCML14 = 35;
constexpr int HCSL = 37;
constexpr int PCIX30 = 39;

const char* const kBus = "Flash and SRAM Address/Data/OE/WM Share Bus";
const std::vector<std::string> kDefaultGroups = {"CLOCK",       "Loop", "LED x 4", "BUTTON x 4",   "SWITCH x 4",
                                                 "Temperature", "Fan",  kBus,      "Flash Control", "SSRAM Control"};

const modeltest::DeviceFacts k230 = {MAINBOARD_Pandrel, "Stratix IV", "EP4SGX230KF40C2", "FBGA", 1517, 2};

void NoGroups(PANDREL_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(PANDREL_CONFIG, bHsmcCIsGpio) - offsetof(PANDREL_CONFIG, bOSC));
}

ConnectorFacts Hsmc(char port, int pins, uint8_t card)
{
    const std::string name = std::string("HSMC-") + port;
    return {.name = name, .entries = 160, .pins = pins, .active = pins, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

}  // namespace

TEST(PandrelDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: the port-dependent pins at 2.5 V", nullptr,
         BoardFacts{.device = k230,
                    .connectors = kDefaultGroups,
                    .counts = {{.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "Loop", .entries = 4},
                               {.name = "SWITCH x 4", .entries = 4},
                               {.name = "Temperature", .entries = 4},
                               {.name = kBus, .entries = 59},
                               {.name = "Flash Control", .entries = 6},
                               {.name = "SSRAM Control", .entries = 9}},
                    .pins = {{"OSC_50_BANK1", "AB34", in, V25, 1, 20},
                             {"OSC_50_BANK4", "AV19", in, V25, 1, 20},
                             {"OSC_50_BANK8", "B23", in, V15, 1, 20},
                             {"LOOP_CLKIN1", "B20", in, V15, 0},
                             {"LOOP_CLKOUT0", "M20", out, V15},
                             {"LED[3]", "C19", out, V15},
                             {"BUTTON[3]", "P20", in, V15},
                             {"SW[1]", "AH19", in, V25},
                             {"SW[3]", "C6", in, V25},
                             {"TEMP_OVERT_n", "AK14", in, V25},
                             {"FAN_CTRL", "B17", out, V15},
                             {"FSM_D[31]", "D33", inout, PCIX30},
                             {"FSM_A[1]", "L31", out, PCIX30},
                             {"FSM_A[25]", "M30", out, PCIX30},
                             {"FSM_WE_n", "AL16", out, PCIX30},
                             {"FLASH_RDY_BSY_n", "A23", in, V15},
                             {"FLASH_WP_n", "A20", out, V15},
                             {"SSRAM_BE_n[3]", "AU16", out, PCIX30}}}},
        {"no group, no card: the loop-back clocks alone", NoGroups,
         BoardFacts{.device = k230, .connectors = std::vector<std::string>{"Loop"}}},
        {"the generator alone brings its clock and its I2C pins",
         [](PANDREL_CONFIG& c) { NoGroups(c); c.bExtPLL = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "Loop", "MAX2", "Programming PLL"},
                    .counts = {{.name = "CLOCK", .entries = 1}, {.name = "Programming PLL", .entries = 3}},
                    .pins = {{"OSC_50_BANK1", "AB34", in, V25, 1, 20},
                             {"MAX2_I2C_SCL", "C20", out, V15},
                             {"MAX2_I2C_SDA", "A17", inout, V15},
                             {"PGM_GXB_CLK_p1", "J2", in, PCML14}}}},
        {"SSRAM without flash: 20 address lines", [](PANDREL_CONFIG& c) { NoGroups(c); c.bSSRAM = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Loop", kBus, "SSRAM Control"},
                    .counts = {{.name = kBus, .entries = 54}},
                    .pins = {{"FSM_A[20]", "H34"}, {"FSM_OE_n", "AT16"}}}},
        {"a variant no form stores is the first, the second is the 530",
         [](PANDREL_CONFIG& c) { NoGroups(c); c.nBoardType = 1; },
         BoardFacts{.device = modeltest::DeviceFacts{MAINBOARD_Pandrel, "Stratix IV", "EP4SGX530KH40C2", "FBGA", 1517, 2}}},
        {"the voltage variants of the default card set the standards of their banks",
         [](PANDREL_CONFIG& c) {
             c.bSma = c.bPCIe0 = c.bPCIe1 = 1;
             c.nHsmcDaughterId[5] = DAUGHTER_HSMC_DEFAULT_1V5;
             c.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT_XCVR_3V0;
         },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "Loop", "SMA", "LED x 4", "BUTTON x 4", "SWITCH x 4",
                                                           "Temperature", "Fan", "PCIe0 4-Lane Downstream",
                                                           "PCIe1 4-Lane Downstream", kBus, "Flash Control",
                                                           "SSRAM Control", "HSMC-A", "HSMC-F", "HSMC A/B/C I2C",
                                                           "HSMC D/E/F I2C"},
                    .counts = {{.name = "PCIe0 4-Lane Downstream", .entries = 11},
                               Hsmc('A', 114, DAUGHTER_HSMC_DEFAULT_XCVR_3V0),
                               Hsmc('F', 82, DAUGHTER_HSMC_DEFAULT_1V5)},
                    .pins = {{"OSC_50_BANK1", "AB34", in, V25},
                             {"OSC_50_BANK3", "AW22", in, V15},
                             {"OSC_50_BANK4", "AV19", in, V15},
                             {"SMA_CLKIN", "AW19", in, V15},
                             {"SMA_CLKOUT", "AN20", out, V15},
                             {"SMA_CLKOUT_p", "AC11", out, LVDS},
                             {"SMA_GXBCLK_p", "J38", in, PCML14},
                             {"SW[0]", "AH18", in, V15},
                             {"SW[2]", "D6", in, PCIX30},
                             {"PCIE0_REFCLK_p", "AN38", in, HCSL},
                             {"PCIE0_PERST_n", "F8", in, PCIX30},
                             {"PCIE1_WAKE_n", "AE11", out, PCIX30},
                             {"PCIE1_TX_p[3]", "AF4", out, PCML14},
                             {"PCIE1_RX_p[3]", "AG2", in, PCML14},
                             {"TEMP_SMCLK", "AR14", out, V25},
                             {"HSMC_ABC_SCL", "AE16", out, V25},
                             {"HSMC_DEF_SDA", "F21", inout, V15}},
                    .positions = {{"HSMC-A", 1, "B4", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 33, std::nullopt},
                                  {"HSMC-A", 156, "AC6", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 158, "AC5", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-F", 32, std::nullopt},
                                  {"HSMC-F", 156, "AR22", daughter, IOSTD_FROM_DAUGHTER}}}},
        {"port C as the GPIO headers: no HSMC-C, but its I2C group",
         [](PANDREL_CONFIG& c) {
             NoGroups(c);
             c.bHsmcCIsGpio = 1;
             c.nHsmcDaughterId[2] = DAUGHTER_HSMC_DEFAULT;
             c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Loop", "GPIO_0", "GPIO_1", "HSMC A/B/C I2C"},
                    .counts = {{.name = "GPIO_0", .entries = 40, .pins = 36, .type = CONNECTOR_GPIO40,
                                .expansionId = EXPANSION_GPIO_0},
                               {.name = "GPIO_1", .entries = 40, .pins = 36, .expansionId = EXPANSION_GPIO_1,
                                .description = "GPIO_1 connect to GPIO Default"}},
                    .positions = {{"GPIO_1", 1, "AB27", daughter, IOSTD_FROM_DAUGHTER}, {"GPIO_0", 11, std::nullopt}}}},
        {"the 80-pin card on both headers",
         [](PANDREL_CONFIG& c) {
             NoGroups(c);
             c.bHsmcCIsGpio = 1;
             c.nGpioDaughterId[GPIO_0] = c.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Loop", "GPIO_0_1"},
                    .counts = {{.name = "GPIO_0_1", .entries = 80, .pins = 72, .type = CONNECTOR_GPIO80,
                                .expansionId = EXPANSION_GPIO_80}}}},
        {"port C as an HSMC port leaves the GPIO cards aside",
         [](PANDREL_CONFIG& c) {
             NoGroups(c);
             c.nHsmcDaughterId[2] = DAUGHTER_HSMC_LOOPBACK;
             c.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Loop", "HSMC-C", "HSMC A/B/C I2C"},
                    .counts = {Hsmc('C', 82, DAUGHTER_HSMC_LOOPBACK)},
                    .positions = {{"HSMC-C", 41, "AB27", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-C", 156, "AC34", in, IOSTD_FROM_DAUGHTER}}}},
        {"ports D and E and the DDR3 socket",
         [](PANDREL_CONFIG& c) {
             NoGroups(c);
             c.bDDR3 = 1;
             c.nHsmcDaughterId[3] = DAUGHTER_HSMC_DEBUG;
             c.nHsmcDaughterId[4] = DAUGHTER_Sendle;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Loop", "DDR3 SODIMM",
                                                           "OCT RUP/RDN for Altera DDR3 UniPHY Controller", "HSMC-D",
                                                           "HSMC-E", "HSMC D/E/F I2C"},
                    .counts = {{.name = "DDR3 SODIMM", .entries = 204, .pins = 124, .active = 124,
                                .type = CONNECTOR_DDR3_SODIMM, .expansionId = EXPANSION_DDR3_SODIMM, .description = ""},
                               Hsmc('D', 82, DAUGHTER_HSMC_DEBUG), Hsmc('E', 114, DAUGHTER_Sendle)},
                    .pins = {{"mem_oct_rdn", "N26", in, V15}, {"mem_oct_rup", "P26", in, V15}},
                    .positions = {{"DDR3 SODIMM", 4, "G17", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR3 SODIMM", 30, "J18", daughter, V15},
                                  {"DDR3 SODIMM", 198, "R18", daughter, V15},
                                  {"DDR3 SODIMM", 202, "H19", daughter, V15},
                                  {"DDR3 SODIMM", 204, std::nullopt},
                                  {"HSMC-D", 39, "P19", daughter, V15},
                                  {"HSMC-D", 40, "AA35", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-E", 156, "AB6", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-E", 158, "AA5", daughter, IOSTD_FROM_DAUGHTER}}}},
    };
    modeltest::ExpectDefinitionTable<PANDREL_CONFIG>(
        cases, [](TMainBoard& board, const PANDREL_CONFIG& record) { BuildMainBoard_Pandrel(&board, record); });
}

// The default HSMC cards without a prefix take "HSM_", and the board names their clock pins:
// position 39 on every port, 155 and 157 on all but F, 95 and 97 on B only, all inout.
TEST(PandrelDefinition, DefaultCardsTakeTheBoardsClockNames)
{
    PANDREL_CONFIG record;
    DefaultConfig(record);
    NoGroups(record);
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    record.nHsmcDaughterId[5] = DAUGHTER_HSMC_DEFAULT_1V8;
    WriteRecordText(record.szHSMCPrefixName[5], "F_");
    const PANDREL_CONFIG given = record;
    TMainBoard board;
    BuildPandrelProjectBoard(board, record);
    EXPECT_EQ(std::memcmp(&record, &given, sizeof record), 0);
    BoardFacts facts;
    facts.positions = {{"HSMC-B", 39, "AN15", inout}, {"HSMC-B", 95, "AN10", inout}, {"HSMC-B", 97, "AP10", inout},
                       {"HSMC-B", 155, "AH10", inout}, {"HSMC-B", 157, "AJ10", inout}, {"HSMC-F", 39, "AP20", inout}};
    modeltest::ExpectBoard(board, facts);
    const TConnector* b = modeltest::FindConnector(board, "HSMC-B");
    const TConnector* f = modeltest::FindConnector(board, "HSMC-F");
    ASSERT_TRUE(b && f);
    EXPECT_EQ(b->GetPin(38)->GetName(), "HSM_OUT0");
    EXPECT_EQ(b->GetPin(94)->GetName(), "HSM_OUT_p1");
    EXPECT_EQ(b->GetPin(96)->GetName(), "HSM_OUT_n1");
    EXPECT_EQ(b->GetPin(154)->GetName(), "HSM_OUT_p2");
    EXPECT_EQ(b->GetPin(156)->GetName(), "HSM_OUT_n2");
    EXPECT_EQ(f->GetPin(38)->GetName(), "F_OUT0");
    EXPECT_NE(f->GetPin(154)->GetName(), "F_OUT_p2");
    // The copy holds the default prefix the form writes into its record.
    PANDREL_CONFIG copy;
    std::memcpy(&copy, board.m_PandrelConfig.data(), sizeof copy);
    EXPECT_EQ(ReadRecordText(copy.szHSMCPrefixName[1]), "HSM_");
}

// A record from a file: the variant and the generator codes outside their lists are the
// defaults, and the GPIO headers are paired as the form's GPIO dialog shows them, header 1
// leading: the 80-pin card on header 1 alone is put on both, on header 0 alone taken off. No
// internal check either way.
TEST(PandrelDefinition, ValuesOutsideTheListsFromAFile)
{
    PANDREL_CONFIG record;
    DefaultConfig(record);
    record.nBoardType = 3;
    record.bExtPLL = 1;
    record.nExtPllSetting[0] = 99;
    record.nExtPllSetting[2] = 12;
    record.bHsmcCIsGpio = 1;
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;
    TMainBoard board;
    BuildPandrelProjectBoard(board, record);
    EXPECT_EQ(board.m_Device, "EP4SGX230KF40C2");
    for (const char* name : {"GPIO_0_1", "GPIO_0", "GPIO_1"})
        EXPECT_EQ(modeltest::FindConnector(board, name), nullptr) << name;
    const std::string code = board.ExtraTopLevelCode();
    EXPECT_NE(code.find("assign clk1_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk2_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk3_set_wr = 4'd12; //625 MHZ\r\n"),
              std::string::npos);

    record.nGpioDaughterId[GPIO_0] = 0;
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
    BuildPandrelProjectBoard(board, record);
    EXPECT_NE(modeltest::FindConnector(board, "GPIO_0_1"), nullptr);
    EXPECT_EQ(modeltest::FindConnector(board, "GPIO_1"), nullptr);
}

TEST(PandrelDefinition, WrongIdOrSizeIsAnInternalError)
{
    PANDREL_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Yastrel_X1;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Pandrel(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 1184;
    EXPECT_THROW(BuildMainBoard_Pandrel(&board, record), platform::InternalError);
}

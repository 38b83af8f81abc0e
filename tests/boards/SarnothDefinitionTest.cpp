#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using Case = modeltest::DefinitionCase<SARNOTH_CONFIG>;
using Names = std::vector<std::string>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V15 = 0, V18 = 3, HSTL18 = 4, V25 = 6, DHSTL18 = 14, PCML15 = 36, HCSL = 37;

// Every feature byte 0, no oscillator programmed.
void Bare(SARNOTH_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(SARNOTH_CONFIG, bRs422) + 1 - offsetof(SARNOTH_CONFIG, bOSC));
    c.nSi570 = 0;
    c.nCdcm61001 = 1;
    c.nCdcm61004 = 1;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Sarnoth, "Stratix V", "5SGXEA7N2F45C2", "FBGA", 1932, 0, "2_H2"};

const char* const kPllBoth = "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA";
const char* const kSi570Group = "SFP+ 10G Referece Clock and Programmalbe Oscillator Si570";

}  // namespace

TEST(SarnothDefinition, RecordsGiveTheirGroups)
{
    const Case cases[] = {
        {"defaults: ten groups, no clock-chip group", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = Names{"CLOCK", "LED x 10", "BUTTON x 4 and CPU_RESET_n", "SWITCH x 4", "7-Segement",
                                        "Temperature", "Fan", "RS232", "Flash/MAX Address/Data Share Bus",
                                        "Flash Control"},
                    .counts = {{.name = "CLOCK", .entries = 8, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "LED x 10", .entries = 10},
                               {.name = "BUTTON x 4 and CPU_RESET_n", .entries = 5},
                               {.name = "SWITCH x 4", .entries = 4},
                               {.name = "7-Segement", .entries = 16},
                               {.name = "Temperature", .entries = 4},
                               {.name = "Fan", .entries = 1},
                               {.name = "RS232", .entries = 5},
                               {.name = "Flash/MAX Address/Data Share Bus", .entries = 59},
                               {.name = "Flash Control", .entries = 9}},
                    .pins = {{"OSC_50_B3B", "AW35", in, V25, 1, 20},
                             {"OSC_50_B3D", "BC28", in, V18, 1, 20},
                             {"OSC_50_B7A", "M8", in, V15, 1, 20},
                             {"OSC_50_B8D", "R25", in, V18, 1, 20},
                             {"LED[0]", "AW37", out, V25},
                             {"LED[3]", "", out, V25},
                             {"LED_BRACKET[0]", "AH15", out, V25},
                             {"LED_RJ45_R", "AG16", out, V25},
                             {"BUTTON[0]", "AK15", in, V25},
                             {"BUTTON[1]", "", in, V25},
                             {"CPU_RESET_n", "BC37", in, V25},
                             {"SW[0]", "B25", in, V18},
                             {"SW[3]", "", in, V18},
                             {"HEX0_D[0]", "G8", out, V15},
                             {"HEX0_DP", "P8", out, V15},
                             {"HEX1_D[0]", "H18", out, V15},
                             {"HEX1_D[6]", "", out, V15},
                             {"HEX1_DP", "E9", out, V15},
                             {"TEMP_DATA", "D20", inout, V25},
                             {"TEMP_OVERT_n", "C22", in, V25},
                             {"FAN_CTRL", "AR32", inout, V25},
                             {"RS422_DIN", "AE18", in, V25},
                             {"RS422_TE", "AF16", out, V25},
                             {"FSM_D[0]", "AG26", inout, V25},
                             {"FSM_D[31]", "", inout, V25},
                             {"FSM_A[0]", "AU32", out, V25},
                             {"FSM_A[26]", "", out, V25},
                             {"FLASH_ADV_n", "AK29", out, V25},
                             {"FLASH_CE_n[1]", "BA31", out, V25},
                             {"FLASH_RDY_BSY_n[1]", "BB32", in, V25},
                             {"FLASH_WE_n", "AR31", out, V25}}}},
        {"nothing chosen: no group at all", Bare, BoardFacts{.device = kDevice, .connectors = Names{}}},
        {"SMA and PCIe", [](SARNOTH_CONFIG& c) { Bare(c); c.bSma = 1; c.bPCIe = 1; },
         BoardFacts{.connectors = Names{"SMA", "PCIe x 8"},
                    .counts = {{.name = "PCIe x 8", .entries = 21}},
                    .pins = {{"SMA_CLKIN", "BB33", in, V25, 0},
                             {"SMA_CLKOUT", "AV34", out, V25},
                             {"PCIE_RX_p[0]", "BB43", in, PCML15},
                             {"PCIE_TX_p[0]", "AY39", out, PCML15},
                             {"PCIE_TX_p[7]", "", out, PCML15},
                             {"PCIE_REFCLK_p", "AK38", in, HCSL, 0},
                             {"PCIE_WAKE_n", "BD35", out, V25},
                             {"PCIE_SMBDAT", "AT33", inout, V25}}}},
        {"SFP+ B with the Si570 at 156.25 MHz, CLOCK and BUTTON off",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bSfpB = 1; c.nSi570 = 3; },
         BoardFacts{.connectors = Names{"CLOCK", "CPU_RESET_n", "SFP+ B", kSi570Group},
                    .counts = {{.name = "CLOCK", .entries = 1}, {.name = "CPU_RESET_n", .entries = 1},
                               {.name = "SFP+ B", .entries = 10}, {.name = kSi570Group, .entries = 3}},
                    .pins = {{"OSC_50_B3B", "AW35", in, V25, 1, 20},
                             {"CPU_RESET_n", "BC37", in, V25},
                             {"SFPB_TX_p", "AL4", out, PCML15},
                             {"SFPB_RX_p", "AP2", in, PCML15},
                             {"SFPB_RATESEL[0]", "R21", out, V25},
                             {"SFPB_RATESEL[1]", "", out, V25},
                             {"SFPB_MOD2_SDA", "K20", inout, V25},
                             {"SFPB_TXFAULT", "H20", in, V25},
                             {"SFP_REFCLK_p", "AK7", in, HCSL, 1, 0, "156.25000 MHz"},
                             {"CLOCK_SCL", "AE15", out, V25},
                             {"CLOCK_SDA", "AE16", inout, V25}}}},
        {"Si570 at 322.265 MHz beside the CLOCK and BUTTON groups",
         [](SARNOTH_CONFIG& c) { c.bSfpD = 1; c.nSi570 = 6; },
         BoardFacts{.counts = {{.name = "CLOCK", .entries = 8}},
                    .pins = {{"SFP_REFCLK_p", "AK7", in, HCSL, 1, 0, "322.26500 MHz"}, {"SFPD_TXFAULT", "T21", in, V25}}}},
        {"SFP+ A with the CDCM61001 unchanged: unmarked 1G clock, the PLL bus; OSC and reset for the PLL code",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bSfpA = 1; c.nCdcm61001 = 0; },
         BoardFacts{.connectors = Names{"CLOCK", "CPU_RESET_n", "SFP+ A", "SFP+ 1G Referece Clock",
                                        "Programmalbe Oscillator CDCM61001 for SPF1G"},
                    .pins = {{"SFP1G_REFCLK_p", "AH6", in, HCSL, 0, 0, ""},
                             {"PLL_SCL", "AF32", out, V25},
                             {"PLL_SDA", "AG32", inout, V25},
                             {"SFPA_TX_p", "AG4", out, PCML15}}}},
        {"SATA device 0 with the CDCM61004 at 100 MHz",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bOSC = 1; c.bButton = 1; c.bSata_2 = 1; c.nCdcm61004 = 4; },
         BoardFacts{.connectors = Names{"CLOCK", "BUTTON x 4 and CPU_RESET_n", "SATA",
                                        "Programmalbe Oscillator CDCM61004 for SATA"},
                    .counts = {{.name = "SATA", .entries = 3}},
                    .pins = {{"SATA_DEVICE_RX_p[0]", "K43", in, PCML15},
                             {"SATA_DEVICE_TX_p[0]", "K39", out, PCML15},
                             {"SATA_DEVICE_REFCLK_p", "V39", in, HCSL, 1, 0, "100.00 MHz"}}}},
        {"every SATA port with the CDCM61004 unchanged, SFP+ with the CDCM61001 at 625 MHz",
         [](SARNOTH_CONFIG& c) {
             c.bSata_0 = c.bSata_1 = c.bSata_2 = c.bSata_3 = 1;
             c.bSfpC = 1;
             c.nCdcm61004 = 0;
             c.nCdcm61001 = 12;
         },
         BoardFacts{.counts = {{.name = "SATA", .entries = 10}, {.name = kPllBoth, .entries = 2}},
                    .pins = {{"SATA_HOST_RX_p[0]", "K2", in, PCML15},
                             {"SATA_HOST_TX_p[1]", "H6", out, PCML15},
                             {"SATA_DEVICE_RX_p[1]", "H43", in, PCML15},
                             {"SATA_HOST_REFCLK_p", "V6", in, HCSL, 0},
                             {"SATA_DEVICE_REFCLK_p", "V39", in, HCSL, 0},
                             {"SFP1G_REFCLK_p", "AH6", in, HCSL, 1, 0, "625.00 MHz"}}}},
        {"the CDCM61004 chosen with no SATA port: no PLL group, the PLL code's clock and reset",
         [](SARNOTH_CONFIG& c) { Bare(c); c.nCdcm61004 = 5; },
         BoardFacts{.connectors = Names{"CLOCK", "CPU_RESET_n"}}},
        {"QDRII+ C alone: RZQ and the module",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bQdrC = 1; },
         BoardFacts{.connectors = Names{"RZQ", "QDRII+ SRAM C"},
                    .counts = {{.name = "RZQ", .entries = 4}, {.name = "QDRII+ SRAM C", .entries = 68}},
                    .pins = {{"RZQ_0", "BA36", in, V25},
                             {"RZQ_1", "AR8", in, V18},
                             {"RZQ_5", "P35", in, V15},
                             {"QDRIIC_A[0]", "AV16", out, HSTL18},
                             {"QDRIIC_A[20]", "", out, HSTL18},
                             {"QDRIIC_D[0]", "AG9", out, HSTL18},
                             {"QDRIIC_Q[17]", "", in, HSTL18},
                             {"QDRIIC_BWS_n[0]", "AJ11", out, HSTL18},
                             {"QDRIIC_K_p", "AP12", out, DHSTL18},
                             {"QDRIIC_K_n", "AP13", out, DHSTL18},
                             {"QDRIIC_CQ_n", "AF13", in, HSTL18},
                             {"QDRIIC_QVLD", "BD11", in, HSTL18},
                             {"QDRIIC_WPS_n", "AL11", out, HSTL18}}}},
        {"every QDRII+ module, in letter order",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bQdrD = c.bQdrB = c.bQdrA = c.bQdrC = 1; },
         BoardFacts{.connectors = Names{"RZQ", "QDRII+ SRAM A", "QDRII+ SRAM B", "QDRII+ SRAM C", "QDRII+ SRAM D"},
                    .pins = {{"QDRIIA_A[0]", "AU29", out, HSTL18},
                             {"QDRIIA_WPS_n", "AK24", out, HSTL18},
                             {"QDRIIB_CQ_p", "AJ15", in, HSTL18},
                             {"QDRIID_ODT", "H26", out, HSTL18},
                             {"QDRIID_A[0]", "N26", out, HSTL18}}}},
        {"DDR3 socket B alone",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bDDR3_1 = 1; },
         BoardFacts{.connectors = Names{"RZQ", "DDR3 SODIMM"},
                    .counts = {{.name = "DDR3 SODIMM", .entries = 204, .pins = 124, .type = CONNECTOR_DDR3_SODIMM,
                                .expansionId = EXPANSION_DDR3_SODIMM_B, .description = "DDR3 SODIMM_B"}},
                    .positions = {{"DDR3 SODIMM", 1, std::nullopt},
                                  {"DDR3 SODIMM", 3, std::nullopt},
                                  {"DDR3 SODIMM", 4, "V13", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR3 SODIMM", 5, "", daughter},
                                  {"DDR3 SODIMM", 122, std::nullopt},
                                  {"DDR3 SODIMM", 128, std::nullopt},
                                  {"DDR3 SODIMM", 129, "", daughter},
                                  {"DDR3 SODIMM", 198, "", daughter},
                                  {"DDR3 SODIMM", 199, std::nullopt},
                                  {"DDR3 SODIMM", 202, "", daughter},
                                  {"DDR3 SODIMM", 204, std::nullopt}}}},
        {"both DDR3 sockets: A then B",
         [](SARNOTH_CONFIG& c) { Bare(c); c.bDDR3_0 = c.bDDR3_1 = 1; },
         BoardFacts{.connectors = Names{"RZQ", "DDR3 SODIMM", "DDR3 SODIMM"},
                    .counts = {{.name = "DDR3 SODIMM", .entries = 204, .pins = 124,
                                .expansionId = EXPANSION_DDR3_SODIMM_A, .description = "DDR3 SODIMM_A"}},
                    .positions = {{"DDR3 SODIMM", 4, "B32", daughter}}}},
    };
    modeltest::ExpectDefinitionTable<SARNOTH_CONFIG>(
        cases, [](TMainBoard& board, const SARNOTH_CONFIG& record) { BuildMainBoard_Sarnoth(&board, record); });
}

// The board keeps the record it was built from, and checks it after storing it.
TEST(SarnothDefinition, BoardKeepsTheRecord)
{
    SARNOTH_CONFIG record;
    DefaultConfig(record);
    record.bSfpA = 1;
    record.nSi570 = 4;
    TMainBoard board;
    BuildMainBoard_Sarnoth(&board, record);
    EXPECT_EQ(std::memcmp(board.m_SarnothConfig.data(), &record, sizeof record), 0);

    record.BoardId = MAINBOARD_Cresswin;
    EXPECT_THROW(BuildMainBoard_Sarnoth(&board, record), platform::InternalError);
    EXPECT_EQ(board.m_SarnothConfig[0], MAINBOARD_Cresswin);
    DefaultConfig(record);
    record.Size = 175;
    EXPECT_THROW(BuildMainBoard_Sarnoth(&board, record), platform::InternalError);
}

// The record a file brings reaches the headless pair as the form would store it.
TEST(SarnothDefinition, RecordAsTheFormStoresIt)
{
    struct Case {
        const char* label;
        uint8_t sfp, sata;
        int32_t si570, cdcm61001, cdcm61004;
        int32_t storedSi570, storedCdcm61001, storedCdcm61004;
    };
    const Case cases[] = {
        {"in the lists and needed", 1, 1, 7, 12, 0, 7, 12, 0},
        {"not needed: not used", 0, 0, 7, 0, 12, 0, 1, 1},
        {"SFP+ only", 1, 0, 2, 3, 4, 2, 3, 1},
        {"outside the lists", 1, 1, 8, 13, -1, 0, 1, 1},
        {"only the low byte in a list", 1, 1, 256 + 1, 256 + 2, 256, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SARNOTH_CONFIG record;
        DefaultConfig(record);
        record.bSfpC = c.sfp;
        record.bSata_1 = c.sata;
        record.nSi570 = c.si570;
        record.nCdcm61001 = c.cdcm61001;
        record.nCdcm61004 = c.cdcm61004;
        SARNOTH_CONFIG expected = record;
        expected.nSi570 = c.storedSi570;
        expected.nCdcm61001 = c.storedCdcm61001;
        expected.nCdcm61004 = c.storedCdcm61004;
        const SARNOTH_CONFIG stored = SarnothFormRecord(record);
        EXPECT_EQ(std::memcmp(&stored, &expected, sizeof stored), 0);

        TMainBoard board;
        BuildSarnothProjectBoard(board, record);
        EXPECT_EQ(std::memcmp(board.m_SarnothConfig.data(), &expected, sizeof expected), 0);
    }
}

// The form's Generate puts a DDR3 module on each ticked socket under its prefix.
TEST(SarnothDefinition, ProjectBoardAttachesTheModules)
{
    SARNOTH_CONFIG record;
    DefaultConfig(record);
    record.bDDR3_0 = record.bDDR3_1 = 1;
    TMainBoard board;
    BuildSarnothProjectBoard(board, record);
    const TPin* a = modeltest::FindPin(board, "DDR3A_DQ[0]");
    const TPin* b = modeltest::FindPin(board, "DDR3B_DQ[0]");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_DDR3_SODIMM_A)->GetDescription(), "DDR3 SODIMM_A");
    EXPECT_EQ(modeltest::FindPin(board, "DDR3A_DQS[0]")->GetIoStandard(), 12);  // differential
}

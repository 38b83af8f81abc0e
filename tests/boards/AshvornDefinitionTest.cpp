#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using Case = modeltest::DefinitionCase<ASHVORN_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8, V25 = 6;

void NoGroups(ASHVORN_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(ASHVORN_CONFIG, bPCIeSoftIP) + 1 - offsetof(ASHVORN_CONFIG, bOSC));
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Ashvorn, "Cyclone IV GX", "EP4CGX150DF31C7", "FBGA", 896, 7};

}  // namespace

TEST(AshvornDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: every group but PCIe, no card, the fan last", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = std::vector<std::string>{
                        "CLOCK", "SMA", "LED (High Active)", "KEY (Active Low)", "SW", "SEG7 (Low Active)", "LCD", "RS232",
                        "SDCARD", "VGA", "I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)", "Ethernet",
                        "TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", "IR Receiver", "SDRAM", "SSRAM", "Flash",
                        "Data and Address bus shared by Flash & SSRAM", "G-Sensor", "Fan Control"},
                    .counts = {{.name = "CLOCK", .entries = 3, .type = CONNECTOR_NONE, .description = ""},
                               {.name = "LED (High Active)", .entries = 27}, {.name = "SEG7 (Low Active)", .entries = 56},
                               {.name = "LCD", .entries = 12}, {.name = "VGA", .entries = 29},
                               {.name = "Ethernet", .entries = 22},
                               {.name = "TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", .entries = 14},
                               {.name = "SDRAM", .entries = 57}, {.name = "SSRAM", .entries = 13},
                               {.name = "Flash", .entries = 6},
                               {.name = "Data and Address bus shared by Flash & SSRAM", .entries = 58},
                               {.name = "G-Sensor", .entries = 3}, {.name = "Fan Control", .entries = 1}},
                    .pins = {{"CLOCK_50", "AJ16", in, LVTTL, 1, 20, std::nullopt, "BANK 4"},
                             {"CLOCK2_50", "A15", in, LVTTL, 1, 20, std::nullopt, "BANK 7"},
                             {"CLOCK3_50", "V11", in, V25, 1, 20, std::nullopt, "BANK 3A"},
                             {"SMA_CLKOUT", "AF25", out, LVTTL},
                             {"LEDG[8]", "J25", out, V25},
                             {"KEY[2]", "AF30", in, V25},
                             {"SW[17]", "H25", in, V25},
                             {"HEX2[3]", "AG30", out, V25},
                             {"HEX7[6]", "D12", out, V25},
                             {"LCD_RS", "AG3", out, LVTTL},
                             {"LCD_ON", "AF27", out, V25},
                             {"UART_CTS", "D26", in, LVTTL},
                             {"VGA_B[7]", "C22", out, LVTTL},
                             {"EEP_I2C_SDAT", "AG25", inout, LVTTL},
                             {"ENET_LINK100", "F5", in, V25},
                             {"I2C_SDAT", "G21", inout, LVTTL},
                             {"TD_DATA[7]", "K17", in, LVTTL},
                             {"DRAM_DQ[31]", "AK5", inout, LVTTL},
                             {"SSRAM_BE[3]", "AF21", out, LVTTL},
                             {"SSRAM_WE_N", "AK24", out, LVTTL},
                             {"FL_RY", "AF19", in, LVTTL},
                             {"FS_ADDR[1]", "AB22", out, LVTTL},
                             {"FS_ADDR[26]", "AB16", out, LVTTL},
                             {"FS_DQ[31]", "AJ9", inout, LVTTL},
                             {"G_SENSOR_INT1", "AC30", in, V25},
                             {"FAN_CTRL", "AF28", inout, V25}},
                    .positions = {{"Ethernet", 1, "B12"}, {"Ethernet", 2, "F15"}, {"Ethernet", 3, "E7"}}}},
        {"no group, no card: the fan alone", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{"Fan Control"}}},
        {"SSRAM without the flash keeps the shared bus",
         [](ASHVORN_CONFIG& c) { NoGroups(c); c.bSSRAM = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"SSRAM", "Data and Address bus shared by Flash & SSRAM",
                                                           "Fan Control"}}},
        {"the flash without SSRAM", [](ASHVORN_CONFIG& c) { NoGroups(c); c.bFlash = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"Flash", "Data and Address bus shared by Flash & SSRAM",
                                                           "Fan Control"}}},
        {"PCIe soft IP: no lanes", [](ASHVORN_CONFIG& c) { NoGroups(c); c.bPCIeSoftIP = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"PCIe", "Fan Control"},
                    .counts = {{.name = "PCIe", .entries = 3}},
                    .pins = {{"PCIE_REFCLK_P", "V15", in, 37}, {"PCIE_PERST_N", "A4", in, V25}}}},
        {"PCIe hard IP: the lanes too", [](ASHVORN_CONFIG& c) { NoGroups(c); c.bPCIeHardIP = 1; c.bPCIeSoftIP = 1; },
         BoardFacts{.counts = {{.name = "PCIe", .entries = 7}},
                    .pins = {{"PCIE_TX_P[0]", "AB4", out, 36}, {"PCIE_RX_P[1]", "AA2", in, 36}},
                    .positions = {{"PCIe", 4, "AB4"}, {"PCIe", 5, "AC2"}}}},
        {"both cards, before the fan",
         [](ASHVORN_CONFIG& c) {
             NoGroups(c);
             c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
             c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
         },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO", "HSMC", "Fan Control"},
                    .counts = {{.name = "GPIO", .entries = 40, .pins = 36, .active = 36, .type = CONNECTOR_GPIO40,
                                .expansionId = EXPANSION_GPIO_0,
                                .description = "GPIO connect to " + BoardName(DAUGHTER_GPIO_DEFAULT)},
                               {.name = "HSMC", .entries = 160, .pins = 84, .active = 84, .type = CONNECTOR_HSMC,
                                .expansionId = EXPANSION_HSMC_A,
                                .description = "HSMC connect to " + BoardName(DAUGHTER_HSMC_DEFAULT)}},
                    .positions = {{"GPIO", 1, "G16", daughter, IOSTD_FROM_DAUGHTER}, {"GPIO", 12, std::nullopt},
                                  {"GPIO", 40, "Y21", daughter}, {"HSMC", 32, std::nullopt},
                                  {"HSMC", 33, "AD25", daughter}, {"HSMC", 40, "K15", in, V25},
                                  {"HSMC", 158, "T30", daughter}, {"HSMC", 160, std::nullopt}}}},
    };
    modeltest::ExpectDefinitionTable<ASHVORN_CONFIG>(
        cases, [](TMainBoard& board, const ASHVORN_CONFIG& record) { BuildMainBoard_Ashvorn(&board, record); });
}

// The board keeps the record it was built from, with the default HSMC prefix of the request:
// "HSMC_" for an empty prefix unless the record's option spares a card other than
// "HSMC Default".
TEST(AshvornDefinition, BoardKeepsTheRequestsRecord)
{
    struct Case {
        uint8_t card;
        int32_t option;
        const char* prefix;
    };
    for (Case c : {Case{DAUGHTER_HSMC_DEFAULT, 1, "HSMC_"}, Case{DAUGHTER_HSMC_LVDS_DEFAULT, 0, "HSMC_"},
                   Case{DAUGHTER_HSMC_LVDS_DEFAULT, 1, ""}}) {
        SCOPED_TRACE(std::to_string(c.card) + "/" + std::to_string(c.option));
        ASHVORN_CONFIG record;
        DefaultConfig(record);
        record.nHsmcDaughterId = c.card;
        record.nHsmcOption = c.option;
        TMainBoard board;
        BuildAshvornProjectBoard(board, record);
        EXPECT_EQ(record.szHSMCPrefixName[0], 0);  // the settings record stays as it was
        ASHVORN_CONFIG expected = record;
        WriteRecordText(expected.szHSMCPrefixName, c.prefix);
        EXPECT_EQ(std::memcmp(board.m_AshvornConfig.data(), &expected, sizeof expected), 0);
    }
    ASHVORN_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Kavrin;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Ashvorn(&board, record), platform::InternalError);
    EXPECT_EQ(board.m_AshvornConfig[0], MAINBOARD_Kavrin);  // stored before the checks
    DefaultConfig(record);
    record.Size = 420;
    EXPECT_THROW(BuildMainBoard_Ashvorn(&board, record), platform::InternalError);
}

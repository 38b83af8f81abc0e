#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/early/CONFIG_TIVERNE.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<TIVERNE_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int V2_5 = 6;
constexpr int SSTL2_I = 33;

const std::vector<std::string> kGroups = {"CLOCK", "LED", "KEY", "DDR SDRAM", "FLASH and SSRAM"};

std::vector<PositionFacts> HsmcPositions()
{
    std::vector<PositionFacts> positions = {
        {"HSMC", 33, "E1", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER},
        {"HSMC", 40, "A9"},
        {"HSMC", 96, "F17"},
        {"HSMC", 158, "N18"},
    };
    for (int p : {1, 16, 32, 45, 46, 159, 160}) positions.push_back({"HSMC", p, std::nullopt});
    return positions;
}

}  // namespace

TEST(TiverneDefinition, RecordsGiveTheirConnectors)
{
    std::vector<std::string> withHsmc = kGroups;
    withHsmc.push_back("HSMC");
    const Case cases[] = {
        {"defaults: five groups, no card", nullptr,
         BoardFacts{
             .device = modeltest::DeviceFacts{MAINBOARD_Tiverne, "Cyclone III", "EP3C25F324C6", "FBGA", 324, 6},
             .connectors = kGroups,
             .counts = {{.name = "CLOCK", .entries = 1, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "LED", .entries = 4},
                        {.name = "KEY", .entries = 5},
                        {.name = "DDR SDRAM", .entries = 42, .active = 42},
                        {.name = "FLASH and SSRAM", .entries = 66}},
             .pins = {{"OSC_CLK", "V9", in, V2_5, 1, 20},
                      {"LED[3]", "N9", out, V2_5},
                      {"CPU_RESET_N", "N2", in, V2_5},
                      {"KEY[3]", "B10", in, V2_5},
                      {"DDR_CLK_N", "V2", inout, SSTL2_I},
                      {"DDR_CKE", "R13", out, V2_5},
                      {"DDR_ADDR[12]", "U16", out, SSTL2_I},
                      {"DDR_WE_N", "U15", out, SSTL2_I},
                      {"DDR_DQ[15]", "V14", inout, SSTL2_I},
                      {"DDR_DQS[1]", "T8", inout, SSTL2_I},
                      {"DDR_DM[1]", "V8", out, SSTL2_I},
                      {"FLASH_SRAM_A[1]", "E12", out, V2_5},
                      {"FLASH_SRAM_A[25]", "B17", out, V2_5},
                      {"FLASH_SRAM_DQ[31]", "C7", inout, V2_5},
                      {"SRAM_BE_N[3]", "F13", out, V2_5},
                      {"SRAM_CLK", "A2", out, V2_5}},
         }},
        {"no group, no card", [](TIVERNE_CONFIG& c) { c.bOSC = c.bLED = c.bButton = c.bSDRAM = c.bFlashSSRAM = 0; },
         BoardFacts{.connectors = std::vector<std::string>{}}},
        {"a card on the HSMC port, last", [](TIVERNE_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEBUG; },
         BoardFacts{.connectors = withHsmc,
                    .counts = {{.name = "HSMC", .entries = 160, .pins = 88, .active = 88, .type = CONNECTOR_HSMC,
                                .expansionId = EXPANSION_HSMC_A,
                                .description = "HSMC connect to " + BoardName(DAUGHTER_HSMC_DEBUG)}},
                    .positions = HsmcPositions()}},
    };
    modeltest::ExpectDefinitionTable<TIVERNE_CONFIG>(
        cases, [](TMainBoard& board, const TIVERNE_CONFIG& record) { BuildMainBoard_Tiverne(&board, record); });

    // The flash and SSRAM address bus has no member 0.
    TIVERNE_CONFIG record;
    DefaultConfig(record);
    TMainBoard board;
    BuildMainBoard_Tiverne(&board, record);
    EXPECT_EQ(modeltest::FindPin(board, "FLASH_SRAM_A[0]"), nullptr);
}

TEST(TiverneDefinition, WrongIdOrSizeIsAnInternalError)
{
    TIVERNE_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Ruskel;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Tiverne(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 270;
    EXPECT_THROW(BuildMainBoard_Tiverne(&board, record), platform::InternalError);
}

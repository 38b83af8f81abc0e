#include <gtest/gtest.h>

#include "ModelQuery.h"
#include "boards/stratix4_cyclone4/CONFIG_CORBANTH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<CORBANTH_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int V25 = 6;
constexpr int V15 = 0;

const std::vector<std::string> kGroups = {"CLOCK",
                                          "SMA",
                                          "LED x 8",
                                          "BUTTON x 4 and CPU_RESET_n",
                                          "SLIDE SWITCH x 8",
                                          "I2C 7-Segment",
                                          "Temperature (Addresss 0011000b)",
                                          "Fan",
                                          "Flash and SSRAM Address/Data Share Bus",
                                          "Flash Control",
                                          "SSRAM Control"};
const char* const kBus = "Flash and SSRAM Address/Data Share Bus";

void NoGroups(CORBANTH_CONFIG& c)
{
    for (uint8_t* group : {&c.bOSC, &c.bLED, &c.bSeg7, &c.bButton, &c.bSwitch, &c.bSma, &c.bTemp, &c.bDDR3, &c.bFan,
                           &c.bSSRAM, &c.bFlash})
        *group = 0;
}

std::vector<std::string> With(std::vector<std::string> names, std::initializer_list<const char*> more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

// An HSMC port: 84 of its 160 positions reach the FPGA.
ConnectorFacts Hsmc(char port, uint8_t card)
{
    const std::string name = std::string("HSMC-") + port;
    return {.name = name, .entries = 160, .pins = 84, .active = 84, .type = CONNECTOR_HSMC,
            .expansionId = EXPANSION_HSMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

// An FMC port: 168 of its 400 positions, at locations the board's data does not give.
ConnectorFacts Fmc(char port, uint8_t card)
{
    const std::string name = std::string("FMC-") + port;
    return {.name = name, .entries = 400, .pins = 168, .active = 168, .type = CONNECTOR_FMC_HPC,
            .expansionId = EXPANSION_FMC_A + (port - 'A'), .description = name + " connect to " + BoardName(card)};
}

std::vector<PositionFacts> FmcPositions(const std::string& name)
{
    std::vector<PositionFacts> positions = {{name, 90, "", daughter, IOSTD_FROM_DAUGHTER},
                                            {name, 91, ""},
                                            {name, 162, ""},
                                            {name, 398, ""}};
    for (int p : {1, 89, 92, 108, 127, 130, 161, 240, 399, 400}) positions.push_back({name, p, std::nullopt});
    return positions;
}

const modeltest::DeviceFacts kDevice = {MAINBOARD_Corbanth, "Stratix IV", "EP4SE820F43C3", "FBGA", 1760, 3};

}  // namespace

TEST(CorbanthDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: every group but the DDR3 socket, no card", nullptr,
         BoardFacts{
             .device = kDevice,
             .connectors = kGroups,
             .counts = {{.name = "CLOCK", .entries = 5, .type = CONNECTOR_NONE, .description = ""},
                        {.name = "SMA", .entries = 4},
                        {.name = "LED x 8", .entries = 8},
                        {.name = "BUTTON x 4 and CPU_RESET_n", .entries = 5},
                        {.name = "SLIDE SWITCH x 8", .entries = 8},
                        {.name = "I2C 7-Segment", .entries = 3},
                        {.name = "Temperature (Addresss 0011000b)", .entries = 4},
                        {.name = "Fan", .entries = 2},
                        {.name = kBus, .entries = 41},
                        {.name = "Flash Control", .entries = 8},
                        {.name = "SSRAM Control", .entries = 12, .active = 12}},
             .pins = {{"OSC_50_BANK2", "AB41", in, V25, 1, 20},
                      {"OSC_50_BANK3", "AW22", in, V25, 1, 20},
                      {"OSC_50_BANK6", "C2", in, V25, 1, 20},
                      {"OSC_50_BANK7", "D21", in, V25, 1, 20},
                      {"OSC_50_BANK8", "B22", in, V15, 1, 20},
                      {"SMA_CLKIN_n", "AB3", in, V25, 0},
                      {"SMA_CLKOUT_p", "F21", out, V25},
                      {"LED[0]", "N37", out, V25},
                      {"LED[7]", "L40", out, V25},
                      {"BUTTON[3]", "AD38", in, V25},
                      {"CPU_RESET_n", "W39", in, V25},
                      {"SW[0]", "AD32", in, V25},
                      {"SW[7]", "AE37", in, V25},
                      {"MAX2_CS_n", "W40", out, V25},
                      {"MAX2_I2C_SDA", "W38", inout, V25},
                      {"TEMP_CLK", "M30", out, V15},
                      {"TEMP_DATA", "G23", inout, V15},
                      {"TEMP_OVERT_n", "C25", in, V15},
                      {"FAN_CTRL", "G24", out, V15},
                      {"FAN_SPEED", "A23", in, V15},
                      {"FSM_D[0]", "M42", inout, V25},
                      {"FSM_D[15]", "N40", inout, V25},
                      {"FSM_A[1]", "U40", out, V25},
                      {"FSM_A[20]", "R36", out, V25},
                      {"FSM_A[21]", "W42", out, V25},
                      {"FSM_A[25]", "U36", out, V25},
                      {"FLASH_RDY_BSY_n", "Y36", in, V25},
                      {"FLASH_CLK", "V34", out, V25},
                      {"FLASH_WP_n", "AA36", out, V25},
                      {"SSRAM_BWA_n", "AA31", out, V25},
                      {"SSRAM_ZZ", "T32", out, V25}},
         }},
        {"no group, no card: device data only", NoGroups,
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"flash without SSRAM: 25 address lines", [](CORBANTH_CONFIG& c) { NoGroups(c); c.bFlash = 1; },
         BoardFacts{.connectors = std::vector<std::string>{kBus, "Flash Control"},
                    .counts = {{.name = kBus, .entries = 41}},
                    .pins = {{"FSM_A[25]", "U36"}}}},
        {"SSRAM without flash: 20 address lines", [](CORBANTH_CONFIG& c) { NoGroups(c); c.bSSRAM = 3; },
         BoardFacts{.connectors = std::vector<std::string>{kBus, "SSRAM Control"},
                    .counts = {{.name = kBus, .entries = 36}},
                    .pins = {{"FSM_A[20]", "R36"}}}},
        {"the DDR3 socket with its termination pins, after the groups", [](CORBANTH_CONFIG& c) { c.bDDR3 = 1; },
         BoardFacts{.connectors = With(kGroups, {"DDR3 SODIMM", "OCT RUP/RDN for Altera DDR3 NewPHY Controller"}),
                    .counts = {{.name = "DDR3 SODIMM", .entries = 204, .pins = 124, .active = 124,
                                .type = CONNECTOR_DDR3_SODIMM, .expansionId = EXPANSION_DDR3_SODIMM,
                                .description = ""},
                               {.name = "OCT RUP/RDN for Altera DDR3 NewPHY Controller", .entries = 2,
                                .type = CONNECTOR_NONE}},
                    .pins = {{"mem_oct_rdn", "J32", in, V15}, {"mem_oct_rup", "K32", in, V15}},
                    .positions = {{"DDR3 SODIMM", 1, std::nullopt},
                                  {"DDR3 SODIMM", 3, std::nullopt},
                                  {"DDR3 SODIMM", 4, "C28", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR3 SODIMM", 73, "D25", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR3 SODIMM", 203, std::nullopt},
                                  {"DDR3 SODIMM", 202, "C23", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR3 SODIMM", 204, std::nullopt}}}},
        {"both HSMC ports keep their fixed positions",
         [](CORBANTH_CONFIG& c) {
             NoGroups(c);
             c.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
             c.nHsmcDaughterId[1] = DAUGHTER_HSMC_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{"HSMC-A", "HSMC-B"},
                    .counts = {Hsmc('A', DAUGHTER_HSMC_DEFAULT), Hsmc('B', DAUGHTER_HSMC_LOOPBACK)},
                    .positions = {{"HSMC-A", 32, std::nullopt},
                                  {"HSMC-A", 33, "D20", daughter, V25},
                                  {"HSMC-A", 34, "A19", daughter, V25},
                                  {"HSMC-A", 35, std::nullopt},
                                  {"HSMC-A", 38, std::nullopt},
                                  {"HSMC-A", 39, "M19", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 40, "D22", in, V15},
                                  {"HSMC-A", 96, "B21", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 98, "A21", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 158, "H18", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-A", 160, std::nullopt},
                                  {"HSMC-B", 33, "D14", daughter, V25},
                                  {"HSMC-B", 40, "C22", in, V15},
                                  {"HSMC-B", 96, "AA41", in, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 155, "A12", daughter, IOSTD_FROM_DAUGHTER},
                                  {"HSMC-B", 158, "AA40", daughter, IOSTD_FROM_DAUGHTER}}}},
        {"a card on FMC-C alone: its management pins only",
         [](CORBANTH_CONFIG& c) { NoGroups(c); c.nFmcDaughterId[2] = DAUGHTER_FMC_HPC_ALTERA; },
         BoardFacts{.connectors = std::vector<std::string>{"FMC-C", "FMC I2C"},
                    .counts = {Fmc('C', DAUGHTER_FMC_HPC_ALTERA), {.name = "FMC I2C", .entries = 2}},
                    .pins = {{"FMCD_CLK", "AG37", out, V25}, {"FMCD_SDA", "AD31", inout, V25}},
                    .positions = FmcPositions("FMC-C")}},
        {"every port with a card, the HSMC ports first",
         [](CORBANTH_CONFIG& c) {
             c.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEBUG;
             for (uint8_t& card : c.nFmcDaughterId) card = DAUGHTER_FMC_LPC_ALTERA;
             c.nFmcDaughterId[1] = DAUGHTER_FMC_HPC_ALTERA_Varnholt;
         },
         BoardFacts{.connectors = With(kGroups, {"HSMC-B", "FMC-A", "FMC-B", "FMC-C", "FMC-D", "FMC I2C"}),
                    .counts = {Hsmc('B', DAUGHTER_HSMC_DEBUG), Fmc('A', DAUGHTER_FMC_LPC_ALTERA),
                               Fmc('B', DAUGHTER_FMC_HPC_ALTERA_Varnholt), Fmc('D', DAUGHTER_FMC_LPC_ALTERA),
                               {.name = "FMC I2C", .entries = 4}},
                    .pins = {{"FMAB_CLK", "AD30", out, V25}, {"FMAB_SDA", "AG38", inout, V25}, {"FMCD_SDA", "AD31"}},
                    .positions = FmcPositions("FMC-A")}},
    };
    modeltest::ExpectDefinitionTable<CORBANTH_CONFIG>(
        cases, [](TMainBoard& board, const CORBANTH_CONFIG& record) { BuildMainBoard_Corbanth(&board, record); });
}

// The default HSMC card without a prefix is named after its port; the port's fixed positions
// keep their direction and standard under it, and the second port names its second clock
// pair as outputs. The record stays as it was.
TEST(CorbanthDefinition, DefaultHsmcCardsAreNamedAfterTheirPorts)
{
    CORBANTH_CONFIG record;
    DefaultConfig(record);
    record.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    TMainBoard board;
    BuildCorbanthProjectBoard(board, record);
    BoardFacts facts;
    facts.pins = {{"HSMA_SDA", "D20", inout, V25},     {"HSMA_OUT0", "M19", out, V25},
                  {"HSMA_CLKIN0", "D22", in, V15},     {"HSMA_OUT_p1", "G10", out, V25},
                  {"HSMA_CLKIN_p1", "B21", in, V25},  {"HSMA_CLKOUT_p2", "H21", out, V25},
                  {"HSMB_OUT_p2", "A12", out, V25},   {"HSMB_OUT_n2", "A14", out, V25},
                  {"HSMB_CLKIN_n1", "AA42", in, V25}, {"HSMB_D[0]", "M18", inout, V25}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(record.szHSMCPrefixName[0][0], 0);
    EXPECT_EQ(record.szHSMCPrefixName[1][0], 0);

    WriteRecordText(record.szHSMCPrefixName[1], "B_");
    BuildCorbanthProjectBoard(board, record);
    facts.pins = {{"HSMA_SDA", "D20"}, {"B_OUT_p2", "A12"}};
    modeltest::ExpectBoard(board, facts);
}

TEST(CorbanthDefinition, WrongIdOrSizeIsAnInternalError)
{
    CORBANTH_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Orlenn;  // a record of the same size
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Corbanth(&board, record), platform::InternalError);
    DefaultConfig(record);
    record.Size = 920;
    EXPECT_THROW(BuildMainBoard_Corbanth(&board, record), platform::InternalError);
}

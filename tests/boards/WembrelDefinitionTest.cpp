#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "ModelQuery.h"
#include "boards/early/CONFIG_WEMBREL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/KelpinPorts.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorFacts;
using modeltest::PositionFacts;
using Case = modeltest::DefinitionCase<WEMBREL_CONFIG>;

constexpr int in = DIRECTION_INPUT;
constexpr int out = DIRECTION_OUTPUT;
constexpr int inout = DIRECTION_INOUT;
constexpr int daughter = DIRECTION_FROM_DAUGHTER;
constexpr int LVTTL = 8;

const modeltest::DeviceFacts kDevice = {MAINBOARD_Wembrel, "Cyclone III", "EP3C120F780C7", "FBGA", -1, 7};

// The record as the form hands it over: its header written.
WEMBREL_CONFIG WithHeader(WEMBREL_CONFIG record)
{
    record.BoardId = MAINBOARD_Wembrel;
    record.Size = sizeof(WEMBREL_CONFIG);
    return record;
}

void Build(TMainBoard& board, const WEMBREL_CONFIG& record) { BuildMainBoard_Wembrel(&board, WithHeader(record)); }

void NoGroups(WEMBREL_CONFIG& c) { c.bOSC = c.bLED = c.bButton = 0; }

const ConnectorFacts kDdr2 = {.name = "DDR2", .entries = 200, .pins = 112, .active = 112,
                              .type = CONNECTOR_DDR2_SODIMM, .expansionId = EXPANSION_DDR2_SODIMM,
                              .description = "DDR2 Sodimm Enabled"};

ConnectorFacts Kelpin(const char* name, const char* format, int expansionId, uint8_t card)
{
    std::string description = format;
    description.replace(description.find("%s"), 2, BoardName(card));
    return {.name = name, .entries = 180, .pins = 132, .active = 132, .type = CONNECTOR_Kelpin,
            .expansionId = expansionId, .description = description};
}
ConnectorFacts Kelpin23(uint8_t card) { return Kelpin("Kelpin_23", "Kelpin2/Kelpin3 connect to %s", 7, card); }
ConnectorFacts Kelpin1(uint8_t card) { return Kelpin("Kelpin_1", "Kelpin1 connect to %s", 6, card); }

}  // namespace

TEST(WembrelDefinition, RecordsGiveTheirConnectors)
{
    const Case cases[] = {
        {"defaults: clock, LEDs and buttons", nullptr,
         BoardFacts{.device = kDevice,
                    .connectors = std::vector<std::string>{"CLOCK", "LED", "BUTTON"},
                    .counts = {{.name = "CLOCK", .entries = 1, .type = CONNECTOR_NONE, .expansionId = -1,
                                .description = ""},
                               {.name = "LED", .entries = 4},
                               {.name = "BUTTON", .entries = 2}},
                    .pins = {{"OSC_100", "AG14", in, LVTTL, 1, 10},
                             {"LED[0]", "AA23", out, LVTTL, 0},
                             {"LED[3]", "AD12", out, LVTTL},
                             {"BUTTON[0]", "AD7", in, LVTTL},
                             {"BUTTON[1]", "AF6", in, LVTTL}}}},
        {"the PCI bridge bus alone builds nothing",
         [](WEMBREL_CONFIG& c) { NoGroups(c); c.bPciBus = 1; },
         BoardFacts{.device = kDevice, .connectors = std::vector<std::string>{}}},
        {"the PIO header", [](WEMBREL_CONFIG& c) { NoGroups(c); c.bGpio = 2; },
         BoardFacts{.connectors = std::vector<std::string>{"GPIO Header"},
                    .counts = {{.name = "GPIO Header", .entries = 10}},
                    .pins = {{"GPIO[0]", "N8", inout, LVTTL}, {"GPIO[7]", "M24"}, {"GPIO[9]", "R24", inout}}}},
        {"the DDR2 socket: 112 of 200 positions wired", [](WEMBREL_CONFIG& c) { c.bDDR2 = 1; },
         BoardFacts{.connectors = std::vector<std::string>{"CLOCK", "LED", "BUTTON", "DDR2"},
                    .counts = {kDdr2},
                    .positions = {{"DDR2", 1, std::nullopt},
                                  {"DDR2", 4, "B7", daughter, IOSTD_FROM_DAUGHTER},
                                  {"DDR2", 140, "AH17"},
                                  {"DDR2", 180, "AE24"},
                                  {"DDR2", 194, "AH25"},
                                  {"DDR2", 195, std::nullopt},
                                  {"DDR2", 200, std::nullopt}}}},
        {"a card on Kelpin 2/3 only",
         [](WEMBREL_CONFIG& c) { NoGroups(c); c.nKelpin23DaughterId = DAUGHTER_Kelpin_Brasket; },
         BoardFacts{.connectors = std::vector<std::string>{"Kelpin_23"},
                    .counts = {Kelpin23(DAUGHTER_Kelpin_Brasket)},
                    .positions = {{"Kelpin_23", 1, std::nullopt},
                                  {"Kelpin_23", 3, "G1", daughter, IOSTD_FROM_DAUGHTER},
                                  {"Kelpin_23", 64, "Y1"},
                                  {"Kelpin_23", 125, std::nullopt},
                                  {"Kelpin_23", 180, "AC3"}}}},
        {"the socket, then Kelpin 2/3, then Kelpin 1",
         [](WEMBREL_CONFIG& c) {
             NoGroups(c);
             c.bDDR2 = 1;
             c.nKelpin1DaughterId = DAUGHTER_Cobrel;
             c.nKelpin23DaughterId = DAUGHTER_Kelpin_LOOPBACK;
         },
         BoardFacts{.connectors = std::vector<std::string>{"DDR2", "Kelpin_23", "Kelpin_1"},
                    .counts = {kDdr2, Kelpin23(DAUGHTER_Kelpin_LOOPBACK), Kelpin1(DAUGHTER_Cobrel)},
                    .positions = {{"Kelpin_1", 3, "J26", daughter, IOSTD_FROM_DAUGHTER},
                                  {"Kelpin_1", 45, "P28"},
                                  {"Kelpin_1", 130, std::nullopt},
                                  {"Kelpin_1", 180, "AE7"}}}},
        // The byte is read as signed and the 32-bit id by its low byte, as a stored file may
        // hold them.
        {"card ids as stored: the byte above 127 builds nothing, a 32-bit id names its low byte",
         [](WEMBREL_CONFIG& c) {
             NoGroups(c);
             c.nKelpin23DaughterId = 0x86;
             c.nKelpin1DaughterId = 0x100 + DAUGHTER_Fobbin;
         },
         BoardFacts{.connectors = std::vector<std::string>{"Kelpin_1"}, .counts = {Kelpin1(DAUGHTER_Fobbin)}}},
    };
    modeltest::ExpectDefinitionTable<WEMBREL_CONFIG>(cases, Build);
}

// The form's defaults leave the header at 0; only the form's FormToConfig makes the record
// Wembrel's, so the defaults alone are no record the definition takes.
TEST(WembrelDefinition, DefaultsLeaveTheHeaderToTheForm)
{
    WEMBREL_CONFIG record;
    std::memset(&record, 0x5A, sizeof record);
    DefaultConfig(record);
    EXPECT_EQ(record.BoardId, 0);
    EXPECT_EQ(record.Size, 0);
    EXPECT_EQ(ReadRecordText(record.szProjectName), "Wembrel");
    EXPECT_EQ(record.nKelpin1DaughterId, 0);
    EXPECT_EQ(record.Padding2, 0);
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Wembrel(&board, record), platform::InternalError);
    record = WithHeader(record);
    record.BoardId = MAINBOARD_Lothvar;  // a record of the same size
    EXPECT_THROW(BuildMainBoard_Wembrel(&board, record), platform::InternalError);
    record = WithHeader(record);
    record.Size = 408;
    EXPECT_THROW(BuildMainBoard_Wembrel(&board, record), platform::InternalError);
}

// The cards go on as the form puts them: the DDR2 module under "mem_" (single-ended strobes,
// so no "dqs_n"), an HSMC card through the Kelpin-to-HSMC map, each connector under its own
// prefix. A stored id the Kelpin list does not offer is no card, and "Kelpin Default", which
// has no pin map, leaves its connector without a signal.
TEST(WembrelDefinition, ProjectBoardAttachesTheModuleAndTheCards)
{
    WEMBREL_CONFIG record;
    DefaultConfig(record);
    record = WithHeader(record);
    record.bDDR2 = 1;
    record.nKelpin23DaughterId = DAUGHTER_Kelpin_LOOPBACK;
    WriteRecordText(record.szKelpin23PrefixName, "K23_");
    record.nKelpin1DaughterId = DAUGHTER_Kelpin_LOOPBACK;
    WriteRecordText(record.szKelpin1PrefixName, "K1_");
    TMainBoard board;
    BuildWembrelProjectBoard(board, record);
    const TConnector* ddr2 = modeltest::FindConnector(board, "DDR2");
    ASSERT_NE(ddr2, nullptr);
    // Every wired position carries a module signal; SDA, SCL and SA[0..1] fall on unwired ones.
    EXPECT_EQ(ddr2->GetActivePinCount(), 112);
    BoardFacts facts;
    facts.pins = {{"mem_dq[0]", "C10", inout, 31}, {"mem_ck[0]", "D8", inout, 31}, {"mem_a[0]", "G11", out, 31}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(modeltest::FindPin(board, "mem_dqs_n[0]"), nullptr);
    EXPECT_EQ(modeltest::FindPin(board, "mem_SDA"), nullptr);
    for (const char* name : {"Kelpin_23", "Kelpin_1"}) {
        const TConnector* kelpin = modeltest::FindConnector(board, name);
        ASSERT_NE(kelpin, nullptr) << name;
        const std::string prefix = name == std::string("Kelpin_23") ? "K23_" : "K1_";
        int prefixed = 0;
        for (int i = 0; i < kelpin->GetPinCount(); ++i) {
            const TPin* pin = kelpin->GetPin(i);
            if (pin && pin->GetDirection() != DIRECTION_NONE) {
                EXPECT_EQ(std::string(pin->GetName()).rfind(prefix, 0), 0u) << pin->GetName();
                ++prefixed;
            }
        }
        EXPECT_GT(prefixed, 0) << name;
    }

    record.bDDR2 = 0;
    record.nKelpin23DaughterId = DAUGHTER_Cobrel;  // an HSMC card
    record.nKelpin1DaughterId = DAUGHTER_HSMC_DEFAULT;  // offered by no Kelpin list
    BuildWembrelProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "Kelpin_23"}));
    EXPECT_GT(modeltest::FindConnector(board, "Kelpin_23")->GetActivePinCount(), 0);

    record.nKelpin23DaughterId = DAUGHTER_Kelpin_DEFAULT;
    record.nKelpin1DaughterId = 0x100 + DAUGHTER_Cobrel;  // a low byte the list holds
    BuildWembrelProjectBoard(board, record);
    EXPECT_EQ(modeltest::ConnectorNames(board), (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "Kelpin_23"}));
    EXPECT_EQ(modeltest::FindConnector(board, "Kelpin_23")->GetActivePinCount(), 0);
}

TEST(KelpinPorts, OnlyTheKelpinListsCardsAreCards)
{
    for (int32_t id : {0, 5, 6, 7, 8, 15, 20}) EXPECT_EQ(ListedKelpinCard(id), id) << id;
    for (int32_t id : {1, 2, 9, 21, 23, 94, 255, 0x100 + 6, -1, -251, INT32_MAX, INT32_MIN})
        EXPECT_EQ(ListedKelpinCard(id), DAUGHTER_NONE) << id;
}

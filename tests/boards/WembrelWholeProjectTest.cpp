// Whole Wembrel projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_WEMBREL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// The record as the form hands it over: the defaults with the header written.
WEMBREL_CONFIG Record()
{
    WEMBREL_CONFIG record;
    DefaultConfig(record);
    record.BoardId = MAINBOARD_Wembrel;
    record.Size = sizeof(WEMBREL_CONFIG);
    return record;
}

std::string ExpectWembrelProjectAccepted(const WEMBREL_CONFIG& record, const std::string& ext = "qsf")
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Wembrel.qpf";
    EXPECT_TRUE(GenerateWembrelProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildWembrelProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Wembrel." + ext);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every card of the form's list that has a pin map on both connectors, each with the next one
// on the other, every group and the DDR2 module ticked on every other project.
TEST(WembrelWholeProject, EveryListedCardOnBothConnectors)
{
    TConfigBase<WEMBREL_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_Kelpin, false, VOLTAGE_2V5);
    std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{5, 6, 7, 8, 15, 20}));
    cards.erase(cards.begin());  // "Kelpin Default": the form refuses it
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        WEMBREL_CONFIG record = Record();
        record.bGpio = record.bPciBus = 1;
        record.bDDR2 = i % 2;
        record.nKelpin23DaughterId = cards[i];
        WriteRecordText(record.szKelpin23PrefixName, "K23_");
        record.nKelpin1DaughterId = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szKelpin1PrefixName, i % 3 ? "K1_" : "");
        const std::string qsf = ExpectWembrelProjectAccepted(record);
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7\r\n"));
        EXPECT_FALSE(Has(qsf, "DEVICE_FILTER_PIN_COUNT"));
    }
}

// nCEO (P28, position 45 of Kelpin 1) is freed only when the card on Kelpin 1 puts a signal
// there (the Brasket card does, the loopback card leaves it empty); the one clock is OSC_100
// at 10 ns.
TEST(WembrelWholeProject, NceoFollowsKelpin1AndTheClock)
{
    struct Case {
        uint8_t kelpin23, kelpin1;
        bool nceo;
    };
    for (const Case& c : {Case{DAUGHTER_Kelpin_Brasket, DAUGHTER_Kelpin_LOOPBACK, false}, Case{0, DAUGHTER_Kelpin_Brasket, true}}) {
        WEMBREL_CONFIG record = Record();
        record.nKelpin23DaughterId = c.kelpin23;
        record.nKelpin1DaughterId = c.kelpin1;
        TMainBoard board;
        BuildWembrelProjectBoard(board, record);
        ASSERT_EQ(board.IsLocationUsed("P28"), c.nceo);
        const std::string qsf = ExpectWembrelProjectAccepted(record);
        EXPECT_EQ(Has(qsf, "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\""), c.nceo);
    }
    const std::string sdc = ExpectWembrelProjectAccepted(Record(), "sdc");
    EXPECT_TRUE(Has(sdc, "create_clock -period 10.000ns [get_ports OSC_100]"));
}

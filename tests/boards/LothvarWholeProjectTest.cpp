// Whole Lothvar projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_LOTHVAR.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

std::string ExpectLothvarProjectAccepted(const LOTHVAR_CONFIG& record, const std::string& ext = "qsf")
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Lothvar.qpf";
    EXPECT_TRUE(GenerateLothvarProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildLothvarProjectBoard(board, record);
    board.SortConnectorPins();
    // The board's data puts HSMB_RX_LED (port B's extras) and port B's position 68 on one ball.
    tooltest::ExpectProjectAccepted(board, file, false, {"AE23"});
    return tooltest::ReadFile(dir.Path() + "Lothvar." + ext);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every card of the form's list on port A, the next one on port B, every group but the DDR2
// socket ticked, port B's extras on every other project (its LEDs sit beside port B's card).
TEST(LothvarWholeProject, EveryListedCardOnBothPorts)
{
    TConfigBase<LOTHVAR_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    const std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33,
                                           35, 36, 37, 61}));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        LOTHVAR_CONFIG record;
        DefaultConfig(record);
        record.bPciBus = record.bDDR3 = 1;
        record.bPortBExtras = i % 2;
        record.nHsmcDaughterId[0] = cards[i];
        record.nHsmcDaughterId[1] = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szHSMCPrefixName[0], "A_");
        WriteRecordText(record.szHSMCPrefixName[1], i % 3 ? "B_" : "");
        const std::string qsf = ExpectLothvarProjectAccepted(record);
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n"));
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n"));
        EXPECT_EQ(Has(qsf, "-to HSMB_TX_LED\r\n"), record.bPortBExtras != 0);
    }
}

// The one clock constraint is CLK_155_P's; the LVDS inputs get none.
TEST(LothvarWholeProject, OnlyTheLvpeclClockIsConstrained)
{
    LOTHVAR_CONFIG record;
    DefaultConfig(record);
    const std::string sdc = ExpectLothvarProjectAccepted(record, "sdc");
    EXPECT_TRUE(Has(sdc, "create_clock -period 6.000ns [get_ports CLK_155_P]"));
    EXPECT_FALSE(Has(sdc, "CLKIN_BOT_P"));
}

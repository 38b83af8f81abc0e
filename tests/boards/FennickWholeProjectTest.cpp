// Whole Fennick projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_FENNICK.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf and the .sdc.
std::pair<std::string, std::string> ExpectFennickProjectAccepted(const FENNICK_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Fennick.qpf";
    EXPECT_TRUE(GenerateFennickProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildFennickProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return {tooltest::ReadFile(dir.Path() + "Fennick.qsf"), tooltest::ReadFile(dir.Path() + "Fennick.sdc")};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every group on: the nCEO pin (W20, SD_DAT) freed only with the SD card; the clocks keep
// their three periods and the SMA input gets no constraint.
TEST(FennickWholeProject, DefaultsFreeTheNceoPinWithTheSdCard)
{
    FENNICK_CONFIG record;
    DefaultConfig(record);
    auto [qsf, sdc] = ExpectFennickProjectAccepted(record);
    EXPECT_TRUE(Has(qsf, "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\""));
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP2C20F484C7\r\n"));
    EXPECT_TRUE(Has(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    EXPECT_TRUE(Has(sdc, "create_clock -period 37.000ns [get_ports CLOCK_27[1]]"));
    EXPECT_TRUE(Has(sdc, "create_clock -period 41.000ns [get_ports CLOCK_24[0]]"));
    EXPECT_FALSE(Has(sdc, "EXT_CLOCK"));

    record.bSDCARD = 0;
    EXPECT_FALSE(Has(ExpectFennickProjectAccepted(record).first, "NCEO"));
}

// Every card of the form's list on GPIO-0 with the next card of the list on GPIO-1, every
// group on; the 80-pin card spans both headers under GPIO-0's prefix.
TEST(FennickWholeProject, EveryListedCardOnTheHeaders)
{
    TConfigBase<FENNICK_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        FENNICK_CONFIG record;
        DefaultConfig(record);
        record.nGpioDaughterId[GPIO_0] = cards[i];
        record.nGpioDaughterId[GPIO_1] = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        const std::string qsf = ExpectFennickProjectAccepted(record).first;
        if (cards[i] == DAUGHTER_Kobbet_GPIO) {
            EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_P18 -to A_DAC_MODE\r\n"));
            EXPECT_FALSE(Has(qsf, " -to B_"));
        }
    }
}

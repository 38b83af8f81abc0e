// Whole Harnix projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_HARNIX.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf.
std::string ExpectHarnixProjectAccepted(const HARNIX_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Harnix.qpf";
    EXPECT_TRUE(GenerateHarnixProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildHarnixProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Harnix.qsf");
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kNceo = "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

}  // namespace

// Every group on, and the nCEO pin (K22, a VGA pin) freed only while VGA is in the project.
TEST(HarnixWholeProject, DefaultsFreeTheNceoPinWithVga)
{
    HARNIX_CONFIG record;
    DefaultConfig(record);
    std::string qsf = ExpectHarnixProjectAccepted(record);
    EXPECT_TRUE(Has(qsf, kNceo));
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP3C16F484C6\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_v2 -to FLASH_DQ[4]\r\n"));

    record.bVGA = 0;
    qsf = ExpectHarnixProjectAccepted(record);
    EXPECT_FALSE(Has(qsf, "NCEO"));
}

// Every card of the form's list on GPIO-0 with the next card of the list on GPIO-1, every
// group on; the 80-pin card spans both headers under GPIO-0's prefix.
TEST(HarnixWholeProject, EveryListedCardOnTheHeaders)
{
    TConfigBase<HARNIX_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        HARNIX_CONFIG record;
        DefaultConfig(record);
        record.nGpioDaughterId[GPIO_0] = cards[i];
        record.nGpioDaughterId[GPIO_1] = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        const std::string qsf = ExpectHarnixProjectAccepted(record);
        if (cards[i] == DAUGHTER_Kobbet_GPIO) {
            EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_V7 -to A_DAC_MODE\r\n"));
            EXPECT_FALSE(Has(qsf, " -to B_"));
        }
    }
}

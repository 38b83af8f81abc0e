// Whole Pellish projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_PELLISH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

struct Project {
    std::string qsf, sdc, top;
};

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf, the .sdc and the top level.
Project ExpectPellishProjectAccepted(const PELLISH_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Pellish.qpf";
    EXPECT_TRUE(GeneratePellishProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildPellishProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return {tooltest::ReadFile(dir.Path() + "Pellish.qsf"), tooltest::ReadFile(dir.Path() + "Pellish.sdc"),
            tooltest::ReadFile(dir.Path() + "Pellish.v")};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kNceo = "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

}  // namespace

// Every group: five clocks in the .sdc (not the SMA input), and SW[7] on the nCEO pin frees
// it; without the switches the line goes.
TEST(PellishWholeProject, ClocksAndTheSwitchOnTheNceoPin)
{
    PELLISH_CONFIG record;
    DefaultConfig(record);
    Project p = ExpectPellishProjectAccepted(record);
    EXPECT_TRUE(Has(p.qsf, kNceo));
    EXPECT_TRUE(Has(p.qsf, "set_global_assignment -name DEVICE EP2C70F896C6\r\n"));
    for (const char* clock : {"CLOCK_50", "CLOCK_50_2", "CLOCK_50_3", "CLOCK_50_4"})
        EXPECT_TRUE(Has(p.sdc, std::string("create_clock -period 20.000ns [get_ports ") + clock + "]")) << clock;
    EXPECT_TRUE(Has(p.sdc, "create_clock -period 35.000ns [get_ports CLOCK_28]"));
    EXPECT_FALSE(Has(p.sdc, "EXT_CLOCK"));

    record.bSwitch = 0;
    p = ExpectPellishProjectAccepted(record);
    EXPECT_FALSE(Has(p.qsf, "NCEO"));
}

// Every card of the form's list on each header, with the next card of the list on the
// other, every group ticked; the 80-pin card joins both headers under GPIO_0's prefix.
TEST(PellishWholeProject, EveryListedCardOnEitherHeader)
{
    TConfigBase<PELLISH_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    std::erase(cards, DAUGHTER_Kobbet_GPIO);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        PELLISH_CONFIG record;
        DefaultConfig(record);
        record.nGpioDaughterId[GPIO_0] = cards[i];
        record.nGpioDaughterId[GPIO_1] = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        ExpectPellishProjectAccepted(record);
    }

    PELLISH_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = record.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], "K_");
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "unused_");
    const Project p = ExpectPellishProjectAccepted(record);
    EXPECT_TRUE(Has(p.top, "K_ADC_OTR_A"));
    EXPECT_FALSE(Has(p.top, "unused_"));
}

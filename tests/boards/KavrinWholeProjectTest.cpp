// Whole Kavrin projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/HsmcVoltage.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf.
std::string ExpectKavrinProjectAccepted(const KAVRIN_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Kavrin.qpf";
    EXPECT_TRUE(GenerateKavrinProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildKavrinProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Kavrin.qsf");
}

std::vector<uint8_t> Cards(uint8_t type, uint8_t voltageClass)
{
    TConfigBase<KAVRIN_CONFIG> list;
    list.BuildDaughterList(type, false, voltageClass);
    return std::vector<uint8_t>(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every HSMC card of each voltage's list, each with a GPIO card of the header's list beside it
// (the generic card of the voltage away from 3.3 V).
TEST(KavrinWholeProject, EveryListedCardAtEveryVoltage)
{
    const std::vector<uint8_t> gpioCards = Cards(CONNECTOR_GPIO40, VOLTAGE_2V5);
    ASSERT_EQ(gpioCards, (std::vector<uint8_t>{1, 12, 13, 55, 62, 63, 66, 67, 74}));
    std::size_t next = 0;
    for (int32_t hsmcVoltage = 0; hsmcVoltage < 4; ++hsmcVoltage) {
        for (uint8_t hsmcCard : Cards(CONNECTOR_HSMC, HsmcVoltageClass(hsmcVoltage))) {
            const int32_t gpioVoltage = static_cast<int32_t>(next % 4);
            SCOPED_TRACE(BoardName(hsmcCard) + " at HSMC voltage " + std::to_string(hsmcVoltage) + ", GPIO voltage " +
                         std::to_string(gpioVoltage));
            KAVRIN_CONFIG record;
            DefaultConfig(record);
            record.nHsmcVoltage = hsmcVoltage;
            record.nHsmcDaughterId = hsmcCard;
            record.nGpioVoltage = gpioVoltage;
            record.nGpioDaughterId = gpioVoltage == 0 ? gpioCards[next % gpioCards.size()] : 0;
            WriteRecordText(record.szGpioPrefixName, "G_");
            ++next;
            const std::string qsf = ExpectKavrinProjectAccepted(record);
            EXPECT_TRUE(Has(qsf, "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n"));
        }
    }
    EXPECT_GE(next, gpioCards.size() * 2);  // every GPIO card came at least once at 3.3 V
}

// nCEO shares P28 with HSMC position 109: the .qsf frees it when a card uses that position.
TEST(KavrinWholeProject, NceoIsFreedWhenTheHsmcCardUsesIt)
{
    const std::string nceo = "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
    KAVRIN_CONFIG record;
    DefaultConfig(record);
    EXPECT_FALSE(Has(ExpectKavrinProjectAccepted(record), nceo));
    record.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    TMainBoard board;
    BuildKavrinProjectBoard(board, record);
    ASSERT_TRUE(board.IsLocationUsed("P28"));
    EXPECT_TRUE(Has(ExpectKavrinProjectAccepted(record), nceo));
}

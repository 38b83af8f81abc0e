// Whole Gorvath projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

std::string ExpectGorvathProjectAccepted(const GORVATH_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Gorvath.qpf";
    EXPECT_TRUE(GenerateGorvathProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildGorvathProjectBoard(board, record);
    board.SortConnectorPins();
    // Two decimal points sit on the pins of FL_DQ[7] and of GPIO position 13, as the board wires them.
    tooltest::ExpectProjectAccepted(board, file, false, {"AF12", "AC19"});
    return tooltest::ReadFile(dir.Path() + "Gorvath.qsf");
}

std::vector<uint8_t> Cards(uint8_t type)
{
    TConfigBase<GORVATH_CONFIG> list;
    list.BuildDaughterList(type, false, VOLTAGE_2V5);
    return std::vector<uint8_t>(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every card of both lists, paired in list order, with every group and the LCD: the pins
// sharing a location with a card's stay where the board wires them.
TEST(GorvathWholeProject, EveryListedCardBesideEveryGroup)
{
    const std::vector<uint8_t> gpio = Cards(CONNECTOR_GPIO40);
    const std::vector<uint8_t> hsmc = Cards(CONNECTOR_HSMC);
    ASSERT_EQ(hsmc, (std::vector<uint8_t>{2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    for (std::size_t i = 0; i < hsmc.size(); ++i) {
        SCOPED_TRACE(BoardName(hsmc[i]) + " with " + BoardName(gpio[i % gpio.size()]));
        GORVATH_CONFIG record;
        DefaultConfig(record);
        record.bLCD = 1;
        record.nHsmcDaughterId = hsmc[i];
        record.nGpioDaughterId = gpio[i % gpio.size()];
        WriteRecordText(record.szGpioPrefixName, "G_");
        const std::string qsf = ExpectGorvathProjectAccepted(record);
        EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AF12 -to HEX0_DP\r\n"));
        EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AC19 -to HEX2_DP\r\n"));
    }
}

// "HSMC Default" without a prefix is named "HSMC_"; another card keeps the empty prefix.
TEST(GorvathWholeProject, HsmcDefaultWithoutPrefixIsNamedHsmc)
{
    GORVATH_CONFIG record;
    DefaultConfig(record);
    record.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    TMainBoard board;
    BuildGorvathProjectBoard(board, record);
    EXPECT_EQ(record.szHSMCPrefixName[0], 0);
    const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
    ASSERT_NE(hsmc, nullptr);
    int named = 0;
    for (int p = 0; p < hsmc->GetPinCount(); ++p) {
        const TPin* pin = hsmc->GetPin(p);
        if (!pin || pin->GetName().empty()) continue;
        ++named;
        EXPECT_EQ(pin->GetName().rfind("HSMC_", 0), 0u) << pin->GetName();
    }
    EXPECT_GT(named, 0);
    ExpectGorvathProjectAccepted(record);
}

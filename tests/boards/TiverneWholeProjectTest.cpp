// Whole Tiverne projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_TIVERNE.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/DaughterBoard.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

std::string ExpectTiverneProjectAccepted(const TIVERNE_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Tiverne.qpf";
    EXPECT_TRUE(GenerateTiverneProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildTiverneProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Tiverne.qsf");
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// The configuration pins the project uses are freed: DATA0 (H3) and DATA1 (D1) on the flash
// bus, nCEO (E18) on the HSMC port.
TEST(TiverneWholeProject, ConfigurationPinsInUseAreFreed)
{
    struct Case {
        const char* label;
        uint8_t flash, card;
    };
    for (const Case& c : {Case{"flash bus", 1, 0}, Case{"HSMC card", 0, DAUGHTER_HSMC_DEBUG}}) {
        SCOPED_TRACE(c.label);
        TIVERNE_CONFIG record;
        DefaultConfig(record);
        record.bFlashSSRAM = c.flash;
        record.nHsmcDaughterId = c.card;
        const std::string qsf = ExpectTiverneProjectAccepted(record);
        EXPECT_EQ(Has(qsf, "RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"), c.flash != 0);
        EXPECT_EQ(Has(qsf, "RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"), c.flash != 0);
        EXPECT_EQ(Has(qsf, "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION"), c.card != 0);
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP3C25F324C6\r\n"));
    }
}

// Every card of the form's list, every other one without a prefix (its own names); the card is
// built as for no board in particular, with the standards of its own map.
TEST(TiverneWholeProject, EveryListedCardOnTheHsmcPort)
{
    TConfigBase<TIVERNE_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    const std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const uint8_t card = cards[i];
        const std::string prefix = i % 2 ? "H_" : "";
        SCOPED_TRACE(BoardName(card) + " prefix \"" + prefix + "\"");
        TIVERNE_CONFIG record;
        DefaultConfig(record);
        record.nHsmcDaughterId = card;
        WriteRecordText(record.szHSMCPrefixName, prefix);
        ExpectTiverneProjectAccepted(record);

        TMainBoard board;
        BuildTiverneProjectBoard(board, record);
        TDaughterBoard plain;
        plain.Build(card, 0, 0, 8, "");
        const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
        ASSERT_NE(hsmc, nullptr);
        for (int p = 0; p < plain.GetPinCount(); ++p) {
            const TPin* cardPin = plain.GetPin(p);
            const TPin* boardPin = hsmc->GetPin(p);
            if (!cardPin || !boardPin || !boardPin->IsActive()) continue;
            EXPECT_EQ(boardPin->GetName(), prefix + cardPin->GetName()) << p + 1;
            EXPECT_EQ(boardPin->GetIoStandard(), cardPin->GetIoStandard()) << p + 1;
        }
    }
}

// Whole Orlenn projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/early/CONFIG_ORLENN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

std::string ExpectOrlennProjectAccepted(const ORLENN_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Orlenn.qpf";
    EXPECT_TRUE(GenerateOrlennProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildOrlennProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Orlenn.qsf");
}

std::vector<uint8_t> ListedCards(uint8_t connectorType)
{
    TConfigBase<ORLENN_CONFIG> list;
    list.BuildDaughterList(connectorType, false, VOLTAGE_2V5);
    return {list.DaughterIds + 1, list.DaughterIds + list.DaughterCount};
}

}  // namespace

// Every board type, every card of both lists that has a pin map: the Kelpin cards on the four
// connectors (Kelpin-A and Kelpin-B replaced on every other project by the GPIO headers and
// the DDR2 module), the GPIO cards on both headers, the 80-pin card joining them.
TEST(OrlennWholeProject, EveryBoardTypeAndEveryListedCard)
{
    std::vector<uint8_t> kelpin = ListedCards(CONNECTOR_Kelpin);
    const std::vector<uint8_t> gpio = ListedCards(CONNECTOR_GPIO80);
    ASSERT_EQ(kelpin, (std::vector<uint8_t>{5, 6, 7, 8, 15, 20}));
    ASSERT_EQ(gpio, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    kelpin.erase(kelpin.begin());  // "Kelpin Default": the form refuses it
    for (std::size_t i = 0; i < gpio.size(); ++i) {
        const int type = static_cast<int>(i % std::size(kOrlennBoardTypes));
        SCOPED_TRACE(std::string(kOrlennBoardTypes[type].text) + ", " + BoardName(gpio[i]));
        ORLENN_CONFIG record;
        DefaultConfig(record);
        record.nBoardType = static_cast<uint8_t>(type);
        record.bGPIO = i % 2;
        record.bDDR2 = (i / 2) % 2;
        for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port) {
            record.nKelpinDaughterId[port] = kelpin[(i + port) % kelpin.size()];
            WriteRecordText(record.szKelpinPrefixName[port], std::string("K") + static_cast<char>('A' + port) + "_");
        }
        record.nGpioDaughterId[GPIO_0] = gpio[i];
        record.nGpioDaughterId[GPIO_1] = gpio[i] == DAUGHTER_Kobbet_GPIO ? gpio[i] : gpio[(i + 3) % gpio.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "G0_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "G1_");
        const std::string qsf = ExpectOrlennProjectAccepted(record);
        EXPECT_NE(qsf.find(std::string("-name DEVICE ") + kOrlennBoardTypes[type].device + "\r\n"), std::string::npos);
        EXPECT_EQ(qsf.find("-to G0_") != std::string::npos, record.bGPIO != 0);
        EXPECT_EQ(qsf.find("-to mem_") != std::string::npos, record.bDDR2 != 0);
        EXPECT_EQ(qsf.find("-to KA_") != std::string::npos, record.bGPIO == 0);
        EXPECT_NE(qsf.find("-to KC_"), std::string::npos);
    }
}

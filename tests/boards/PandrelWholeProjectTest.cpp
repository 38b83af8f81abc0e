// Whole Pandrel projects through the path the form's Generate takes, checked by the tools
// with the generator's controller file compiled beside the top level, with port C as an
// HSMC port and as the two GPIO headers.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf and the top level.
std::pair<std::string, std::string> ExpectPandrelProjectAccepted(const PANDREL_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Pandrel.qpf";
    EXPECT_TRUE(GeneratePandrelProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildPandrelProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false, tooltest::ProjectExtras{.companions = {"EXT_PLL_CTRL.v"}});
    return {tooltest::ReadFile(dir.Path() + "Pandrel.qsf"), tooltest::ReadFile(dir.Path() + "Pandrel.v")};
}

std::vector<uint8_t> ListedCards(uint8_t connectorType, bool transceivers)
{
    TConfigBase<PANDREL_CONFIG> list;
    list.BuildDaughterList(connectorType, transceivers, VOLTAGE_2V5);
    return {list.DaughterIds + 1, list.DaughterIds + list.DaughterCount};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void AllGroups(PANDREL_CONFIG& record)
{
    std::memset(&record.bOSC, 1, offsetof(PANDREL_CONFIG, bHsmcCIsGpio) - offsetof(PANDREL_CONFIG, bOSC));
}

}  // namespace

TEST(PandrelWholeProject, DefaultsAndTheGenerator)
{
    PANDREL_CONFIG record;
    DefaultConfig(record);
    auto [qsf, top] = ExpectPandrelProjectAccepted(record);
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"\r\n"));
    EXPECT_FALSE(Has(top, "ext_pll_ctrl"));

    record.bExtPLL = 1;
    record.nExtPllSetting[1] = 11;
    std::tie(qsf, top) = ExpectPandrelProjectAccepted(record);
    EXPECT_TRUE(Has(top, "assign clk2_set_wr = 4'd11; //312.5 MHZ\r\n"));
    EXPECT_TRUE(Has(qsf, "PIN_C20 -to MAX2_I2C_SCL\r\n"));
}

// Every card of the lists on the six ports (the transceiver list on A and E), each beside the
// next ones, with every group, the generator and the DDR3 module; every other record serves
// port C as the GPIO headers with the GPIO list's cards. The HSMC Debug card stays off ports
// A, C and E: its LED bus reaches their fixed input at position 156, and the writer refuses a
// bus whose members differ in direction.
TEST(PandrelWholeProject, EveryListedCardOnEveryPort)
{
    std::vector<uint8_t> plain = ListedCards(CONNECTOR_HSMC, false);
    std::vector<uint8_t> xcvr = ListedCards(CONNECTOR_HSMC, true);
    for (uint8_t extra : {87, 86, 93}) plain.push_back(extra);
    for (uint8_t extra : {91, 90, 89, 87, 86, 93}) xcvr.push_back(extra);
    const std::vector<uint8_t> gpio = ListedCards(CONNECTOR_GPIO80, false);
    ASSERT_EQ(gpio, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    for (std::size_t i = 0; i < xcvr.size(); ++i) {
        SCOPED_TRACE(BoardName(xcvr[i]));
        PANDREL_CONFIG record;
        DefaultConfig(record);
        AllGroups(record);
        record.nBoardType = i % 2;
        record.bHsmcCIsGpio = i % 2;
        for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
            const bool transceivers = port == 0 || port == 4;
            const std::vector<uint8_t>& list = transceivers ? xcvr : plain;
            uint8_t card = list[(i + port) % list.size()];
            if (card == DAUGHTER_HSMC_DEBUG && (port == 0 || port == 2 || port == 4))
                card = list[(i + port + 1) % list.size()];
            record.nHsmcDaughterId[port] = card;
            WriteRecordText(record.szHSMCPrefixName[port], std::string(1, static_cast<char>('A' + port)) + "_");
        }
        const uint8_t card = gpio[i % gpio.size()];
        record.nGpioDaughterId[GPIO_0] = card;
        record.nGpioDaughterId[GPIO_1] = BoardConnectorType(card) == CONNECTOR_GPIO80 ? card : gpio[(i + 3) % gpio.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "G0_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "G1_");
        const auto [qsf, top] = ExpectPandrelProjectAccepted(record);
        EXPECT_TRUE(Has(qsf, "-to mem_"));
        EXPECT_EQ(Has(qsf, "-to C_"), record.bHsmcCIsGpio == 0);
        // Paired as the GPIO dialog shows the headers, header 1 leading: a card both share
        // carries header 1's prefix.
        const bool shared = BoardConnectorType(card) == CONNECTOR_GPIO80;
        EXPECT_EQ(Has(qsf, "-to G0_"), record.bHsmcCIsGpio != 0 && !shared);
        EXPECT_EQ(Has(qsf, "-to G1_"), record.bHsmcCIsGpio != 0);
    }
}

// Two generic cards without prefixes both get "HSM_", so the same signals would come from
// two connectors: Generate refuses the project with the reason and writes nothing. Port C
// kept behind the GPIO headers takes no part.
TEST(PandrelWholeProject, TwoGenericCardsWithoutPrefixesAreRefused)
{
    PANDREL_CONFIG record;
    DefaultConfig(record);
    record.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
    record.nHsmcDaughterId[2] = DAUGHTER_HSMC_DEFAULT;
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    EXPECT_FALSE(GeneratePandrelProject(record, dir.Path() + "Pandrel.qpf"));
    const std::vector<std::string> texts = env.dialogs.Texts();
    ASSERT_EQ(texts.size(), 1u);
    const std::string& reason = texts[0];
    EXPECT_EQ(reason.rfind("Signal HSM_", 0), 0u) << reason;
    EXPECT_TRUE(Has(reason, " comes from both HSMC-A and HSMC-C; give one of them another prefix.")) << reason;
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Pandrel.qsf"));

    record.bHsmcCIsGpio = 1;
    ExpectPandrelProjectAccepted(record);
}

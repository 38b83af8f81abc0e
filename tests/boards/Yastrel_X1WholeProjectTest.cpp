// Whole Yastrel_X1 projects through the path the form's Generate takes, checked by the tools
// with the generator's controller file compiled beside the top level.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf and the top level.
std::pair<std::string, std::string> ExpectYastrelProjectAccepted(const YASTREL_X1_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Yastrel.qpf";
    EXPECT_TRUE(GenerateYastrel_X1Project(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(platform::FileExists(dir.Path() + "EXT_PLL_CTRL.v"));
    TMainBoard board;
    BuildYastrel_X1ProjectBoard(board, record);
    board.SortConnectorPins();
    // The .qsf places the termination blocks at the first socket's termination pins.
    tooltest::ExpectProjectAccepted(board, file, false,
                                    tooltest::ProjectExtras{.sharedLocations = {"AF25", "AG25"},
                                                            .companions = {"EXT_PLL_CTRL.v"},
                                                            .otherTargets = {"termination_blk0~_rup_pad", "termination_blk0~_rdn_pad"}});
    return {tooltest::ReadFile(dir.Path() + "Yastrel.qsf"), tooltest::ReadFile(dir.Path() + "Yastrel.v")};
}

std::vector<uint8_t> ListedCards(uint8_t connectorType, bool transceivers)
{
    TConfigBase<YASTREL_X1_CONFIG> list;
    list.BuildDaughterList(connectorType, transceivers, VOLTAGE_2V5);
    return {list.DaughterIds + 1, list.DaughterIds + list.DaughterCount};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// The defaults: the generator's block drives the controller with the three codes, and the
// .qsf carries the board's standard and termination lines.
TEST(Yastrel_X1WholeProject, DefaultsDriveTheGenerator)
{
    YASTREL_X1_CONFIG record;
    DefaultConfig(record);
    record.nExtPllSetting[1] = 7;
    const auto [qsf, top] = ExpectYastrelProjectAccepted(record);
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP4SGX230KF40C2\r\n"));
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"\r\n"));
    EXPECT_TRUE(Has(qsf, "PIN_AF25 -to termination_blk0~_rup_pad\r\n"));
    EXPECT_TRUE(Has(top, "assign clk2_set_wr = 4'd7; //156.25 MHZ\r\n"));
    EXPECT_TRUE(Has(top, "ext_pll_ctrl ext_pll_ctrl_Inst("));
}

// Without the generator the controller file is still written, but nothing instantiates it.
TEST(Yastrel_X1WholeProject, GeneratorNotUsed)
{
    YASTREL_X1_CONFIG record;
    DefaultConfig(record);
    record.bExtPLL = 0;
    const auto [qsf, top] = ExpectYastrelProjectAccepted(record);
    EXPECT_FALSE(Has(top, "ext_pll_ctrl"));
    EXPECT_FALSE(Has(top, "MAX_I2C_SCLK"));
}

// Every card of the HSMC list on either connector, each with the next one on the other, and
// the GPIO list's cards on the headers (the 80-pin card on both), with every group, both DDR2
// sockets and the generator: the projects the form can make.
TEST(Yastrel_X1WholeProject, EveryListedCardOnEveryConnector)
{
    const std::vector<uint8_t> hsmc = ListedCards(CONNECTOR_HSMC, true);
    const std::vector<uint8_t> gpio = ListedCards(CONNECTOR_GPIO80, false);
    ASSERT_EQ(hsmc, (std::vector<uint8_t>{2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33,
                                          35, 36, 37, 61}));
    ASSERT_EQ(gpio, (std::vector<uint8_t>{1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    for (std::size_t i = 0; i < hsmc.size(); ++i) {
        SCOPED_TRACE(BoardName(hsmc[i]));
        YASTREL_X1_CONFIG record;
        DefaultConfig(record);
        std::memset(&record.bOSC, 1, offsetof(YASTREL_X1_CONFIG, nExtPllSetting) - offsetof(YASTREL_X1_CONFIG, bOSC));
        record.bMax2 = i % 3 == 0;  // a file may set it; it builds nothing
        record.nBoardType = i % 2;
        for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port) {
            record.nHsmcDaughterId[port] = hsmc[(i + port) % hsmc.size()];
            WriteRecordText(record.szHSMCPrefixName[port], port == 0 ? "A_" : "B_");
        }
        const uint8_t card = gpio[i % gpio.size()];
        const bool joined = BoardConnectorType(card) == CONNECTOR_GPIO80;
        record.nGpioDaughterId[GPIO_0] = card;
        record.nGpioDaughterId[GPIO_1] = joined ? card : gpio[(i + 2) % gpio.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "G0_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "G1_");
        const auto [qsf, top] = ExpectYastrelProjectAccepted(record);
        EXPECT_TRUE(Has(qsf, i % 2 ? "EP4SGX530KH40C2" : "EP4SGX230KF40C2"));
        EXPECT_TRUE(Has(qsf, "-to M1_DDR2_") && Has(qsf, "-to M2_DDR2_"));
    }
}

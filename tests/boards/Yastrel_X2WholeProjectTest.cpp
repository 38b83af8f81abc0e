// Whole Yastrel_X2 projects, one per node, through the path the form's Generate takes,
// checked by the tools.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X2.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// The board's data puts the shared I2C bus, the LCD's power pins, the temperature clock and
// the bridge's fourth lane on P4, the temperature alert and the bridge's fifth lane on N2, and
// the second switch and an HSMC-A position on K6.
const std::vector<std::string> kShared = {"P4", "P4", "P4", "P4", "P4", "N2", "K6"};

// Generates the node's project, checks it with the tools against the model built again from
// the same record, and returns the .qsf.
std::string ExpectNodeProjectAccepted(const YASTREL_X2_CONFIG& record, int node)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Node.qpf";
    EXPECT_TRUE(GenerateYastrel_X2Project(record, node, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildYastrel_X2ProjectBoard(board, record, node);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false, tooltest::ProjectExtras{.sharedLocations = kShared});
    return tooltest::ReadFile(dir.Path() + "Node.qsf");
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Node 0 with its defaults: the pins the board's data gives no location are ports without a
// location line, and P4 carries each of its pins.
TEST(Yastrel_X2WholeProject, DefaultNode)
{
    YASTREL_X2_CONFIG record;
    DefaultConfig(record);
    const std::string qsf = ExpectNodeProjectAccepted(record, 0);
    EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP4SGX230KF40C2\r\n"));
    for (const char* pin : {"TEMP_CLK", "LCD_PWR_ON", "LCD_BL_ON", "I2C_SDA", "I2C_SCL"})
        EXPECT_TRUE(Has(qsf, std::string("set_location_assignment PIN_P4 -to ") + pin + "\r\n")) << pin;
    EXPECT_TRUE(Has(qsf, "-to USB_RESET_n\r\n"));  // its standard line; the tools check it has no location
}

// Every card of the HSMC list on each of node 1's four connectors, each beside the next
// ones, with every group and the DDR2 module: the projects the form can make.
TEST(Yastrel_X2WholeProject, EveryListedCardOnEveryConnector)
{
    TConfigBase<YASTREL_X2_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    const std::vector<uint8_t> hsmc(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(hsmc, (std::vector<uint8_t>{2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    for (std::size_t i = 0; i < hsmc.size(); ++i) {
        SCOPED_TRACE(BoardName(hsmc[i]));
        YASTREL_X2_CONFIG record;
        DefaultConfig(record);
        std::memset(&record.F[1].bOSC, 1, offsetof(YASTREL_X2_NODE_CONFIG, nHsmcDaughterId) -
                                              offsetof(YASTREL_X2_NODE_CONFIG, bOSC));
        for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port) {
            record.F[1].nHsmcDaughterId[port] = hsmc[(i + port) % hsmc.size()];
            WriteRecordText(record.F[1].szHSMCPrefixName[port], std::string(1, static_cast<char>('A' + port)) + "_");
        }
        const std::string qsf = ExpectNodeProjectAccepted(record, 1);
        EXPECT_TRUE(Has(qsf, "-to mem_"));
    }
}

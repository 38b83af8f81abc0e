// Whole Kestwin projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Kestwin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"

// The defaults, and every group with the default pair.
TEST(KestwinWholeProject, DefaultAndFullestRecordsAreAccepted)
{
    struct Case {
        const char* label;
        bool full;
        std::vector<std::string> lines;  // .qsf lines the project must hold
    };
    const Case cases[] = {
        {"defaults", false,
         {"set_location_assignment PIN_V11 -to FPGA_CLK1_50\r\n", "set_location_assignment PIN_AH7 -to ARDUINO_RESET_N\r\n"}},
        {"everything", true,
         {"set_location_assignment PIN_V12 -to GPIO_0[0]\r\n", "set_location_assignment PIN_AC22 -to GPIO_1[35]\r\n",
          "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to HPS_DDR3_RZQ\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        KESTWIN_CONFIG record = DefaultKestwinConfig();
        if (c.full) {
            record.bHps = 1;
            record.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
            record.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
        }
        const std::string file = dir.Path() + "Kestwin.qpf";
        ASSERT_TRUE(GenerateKestwinProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());

        TMainBoard board;
        BuildKestwinProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Kestwin.qsf");
        for (const std::string& line : c.lines) EXPECT_NE(qsf.find(line), std::string::npos) << line;
        EXPECT_EQ(qsf.find("PIN_ -to"), std::string::npos);
    }
}

// Whole Ebbrick projects through the path the form's Generate takes, checked by the tools.
// Every card of the form's list goes through the form's batch (tests/gui/EbbrickFormTest.cpp).
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ebbrick.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

// Every group with the default pair, and with the 80-pin card across both headers.
TEST(EbbrickWholeProject, FullestRecordsAreAccepted)
{
    struct Case {
        const char* label;
        uint8_t card;
        const char* prefix;
        std::vector<std::string> lines;  // .qsf lines the project must hold
    };
    const Case cases[] = {
        {"default pair", DAUGHTER_GPIO_DEFAULT, "",
         {"set_location_assignment PIN_N16 -to GPIO_0[0]\r\n", "set_location_assignment PIN_K16 -to GPIO_1[35]\r\n",
          "set_location_assignment PIN_V15 -to CLOCK4_50\r\n", "set_location_assignment PIN_P22 -to RESET_N\r\n"}},
        {"80-pin card", DAUGHTER_Kobbet_GPIO, "AD_",
         {"set_location_assignment PIN_N16 -to AD_ADC_OTR_A\r\n", "set_location_assignment PIN_K16 -to AD_DAC_MODE\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        EBBRICK_CONFIG record = DefaultEbbrickConfig();
        record.nGpioDaughterId[GPIO_0] = c.card;
        record.nGpioDaughterId[GPIO_1] = c.card;
        WriteRecordText(record.szGpioPrefixName[GPIO_0], c.prefix);
        const std::string file = dir.Path() + "Ebbrick.qpf";
        ASSERT_TRUE(GenerateEbbrickProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());

        TMainBoard board;
        BuildEbbrickProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Ebbrick.qsf");
        for (const std::string& line : c.lines) EXPECT_NE(qsf.find(line), std::string::npos) << line;
        const std::string sdc = tooltest::ReadFile(dir.Path() + "Ebbrick.sdc");
        EXPECT_NE(sdc.find("create_clock -period \"50.0 MHz\" [get_ports CLOCK4_50]\r\n"), std::string::npos);
        EXPECT_NE(sdc.find("clk_vga"), std::string::npos);
    }
}

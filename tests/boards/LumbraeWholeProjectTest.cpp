// Whole Lumbrae projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Lumbrae.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"

// The defaults (HDMI among them), and every group with a card and a prefix on each header.
TEST(LumbraeWholeProject, DefaultAndFullestRecordsAreAccepted)
{
    struct Case {
        const char* label;
        bool full;
        std::vector<std::string> lines;  // .qsf lines the project must hold
    };
    const Case cases[] = {
        {"defaults", false,
         {"set_location_assignment PIN_AE8 -to HDMI_TX_D[23]\r\n", "set_location_assignment PIN_W20 -to SW[3]\r\n"}},
        {"everything", true,
         {"set_location_assignment PIN_E8 -to A_GPIO[1]\r\n", "set_location_assignment PIN_AE17 -to B_GPIO[35]\r\n",
          "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to HPS_DDR3_RZQ\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        LUMBRAE_CONFIG record = DefaultLumbraeConfig();
        if (c.full) {
            record.bHps = 1;
            record.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
            record.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
            WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
            WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        }
        const std::string file = dir.Path() + "Lumbrae.qpf";
        ASSERT_TRUE(GenerateLumbraeProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());

        TMainBoard board;
        BuildLumbraeProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Lumbrae.qsf");
        for (const std::string& line : c.lines) EXPECT_NE(qsf.find(line), std::string::npos) << line;
    }
}

// The same card under the same prefix on both headers gives one signal twice: the message tells
// the two headers apart by their names.
TEST(LumbraeWholeProject, OneSignalFromBothHeadersNamesEachHeader)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    LUMBRAE_CONFIG record = DefaultLumbraeConfig();
    for (int h : {GPIO_0, GPIO_1}) {
        record.nGpioDaughterId[h] = DAUGHTER_GPIO_DEFAULT;
        WriteRecordText(record.szGpioPrefixName[h], "G_");
    }
    EXPECT_FALSE(GenerateLumbraeProject(record, dir.Path() + "Lumbrae.qpf"));
    EXPECT_EQ(env.dialogs.Texts(),
              std::vector<std::string>{"Signal G_GPIO comes from both GPIO_0 and GPIO_1; give one of them another prefix."});
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Lumbrae.qpf"));
}

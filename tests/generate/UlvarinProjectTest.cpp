// A real board definition with every group ticked and a card attached: its names pass the
// pin-name check and the generated files pass the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"

using tooltest::TempDir;

TEST(UlvarinProject, EveryGroupAndAGpioCardGiveFilesTheToolsAccept)
{
    for (bool vhdl : {false, true}) {
        gentest::GenerateEnv env;
        TempDir dir;
        TConfigUlvarin settings;
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.bHps = 1;
        settings.Config.nGpioDaughterId[0] = DAUGHTER_GPIO_DEFAULT;
        TMainBoard board;
        BuildMainBoard_Ulvarin(&board, &settings);
        board.AttachGpioCard(EXPANSION_GPIO_0, DAUGHTER_GPIO_DEFAULT, "GPIO_", "", 8);
        ASSERT_TRUE(TSystemBuild().Generate(board, dir.Path() + "ulvarin.qpf", vhdl));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        if (vhdl) {
            auto ghdl = tooltest::CheckGhdl(dir.Path() + "ulvarin.vhd");
            EXPECT_TRUE(ghdl.ok) << ghdl.output;
        } else {
            auto iverilog = tooltest::CheckIverilog({dir.Path() + "ulvarin.v"}, "ulvarin");
            EXPECT_TRUE(iverilog.ok) << iverilog.output;
            auto verilator = tooltest::CheckVerilator({dir.Path() + "ulvarin.v"}, "ulvarin");
            EXPECT_TRUE(verilator.ok) << verilator.output;
        }
        auto qsf = tooltest::SourceTcl(dir.Path() + "ulvarin.qsf", tooltest::QsfCommands());
        EXPECT_TRUE(qsf.ok) << qsf.output;
        EXPECT_NE(tooltest::ReadFile(dir.Path() + "ulvarin.qsf").find("-to GPIO_GPIO[35]\r\n"), std::string::npos);
    }
}

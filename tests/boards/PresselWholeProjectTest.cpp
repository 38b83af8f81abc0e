// Whole Pressel projects through the path the form's Generate takes, checked by the tools.
// Every card of the form's list goes through the form's batch (tests/gui/PresselFormTest.cpp).
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Pressel.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

TEST(PresselWholeProject, FullestRecordIsAcceptedWithItsStandardsAndClocks)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    TConfigPressel settings;
    settings.Config = TConfigPressel::DefaultConfig();
    settings.Config.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(settings.Config.szGpioPrefixName, "J1_");
    const std::string file = dir.Path() + "Pressel.qpf";
    ASSERT_TRUE(GeneratePresselProject(settings, file));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Pressel.vhd"));

    TMainBoard board;
    BuildPresselProjectBoard(board, settings);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);

    const std::string qsf = tooltest::ReadFile(dir.Path() + "Pressel.qsf");
    auto standard = [&](const std::string& pin, const std::string& name) {
        return qsf.find("set_instance_assignment -name IO_STANDARD \"" + name + "\" -to " + pin + "\r\n") !=
               std::string::npos;
    };
    for (const char* pin : {"KEY[0]", "KEY[1]", "ARDUINO_RESET_N"}) EXPECT_TRUE(standard(pin, "3.3 V Schmitt Trigger")) << pin;
    for (const char* pin : {"MAX10_CLK1_50", "HEX5[7]", "ARDUINO_IO[0]", "J1_GPIO[0]", "J1_GPIO[35]"})
        EXPECT_TRUE(standard(pin, "3.3-V LVTTL")) << pin;
    EXPECT_NE(qsf.find("set_location_assignment PIN_AA2 -to J1_GPIO[35]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("10M50DAF484C7G"), std::string::npos);

    // The clocks are constrained with the texts the board gives.
    const std::string sdc = tooltest::ReadFile(dir.Path() + "Pressel.sdc");
    EXPECT_NE(sdc.find("create_clock -period \"50.0 MHz\" [get_ports MAX10_CLK1_50]\r\n"), std::string::npos);
    EXPECT_NE(sdc.find("create_clock -period \"10.0 MHz\" [get_ports ADC_CLK_10]\r\n"), std::string::npos);
}

// Whole Wistrell projects through the path the form's Generate takes, checked by the tools.
// Every card of the form's list goes through the form's batch (tests/gui/WistrellFormTest.cpp).
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Wistrell.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

TEST(WistrellWholeProject, FullestRecordIsAcceptedWithEachPinInItsBank)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    WISTRELL_CONFIG record = DefaultWistrellConfig();
    record.bHps = 1;
    record.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(record.szGpioPrefixName, "J1_");
    const std::string file = dir.Path() + "Wistrell.qpf";
    ASSERT_TRUE(GenerateWistrellProject(record, file));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Wistrell.vhd"));

    TMainBoard board;
    BuildWistrellProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);

    const std::string qsf = tooltest::ReadFile(dir.Path() + "Wistrell.qsf");
    auto standard = [&](const std::string& pin, const std::string& name) {
        return qsf.find("set_instance_assignment -name IO_STANDARD \"" + name + "\" -to " + pin + "\r\n") !=
               std::string::npos;
    };
    for (const char* pin : {"CLOCK_50", "CLOCK2_50", "HEX0[0]", "HEX1[0]", "HEX2[6]", "HEX3[3]", "KEY[0]", "SW[9]"})
        EXPECT_TRUE(standard(pin, "1.5 V")) << pin;
    for (const char* pin : {"CLOCK3_50", "CLOCK4_50", "HEX0[1]", "HEX0[6]", "HEX4[0]", "LEDR[0]"})
        EXPECT_TRUE(standard(pin, "3.3-V LVTTL")) << pin;
    // The card's pins follow the prefix; the processor side's have no location line.
    EXPECT_NE(qsf.find("set_location_assignment PIN_AA26 -to J1_GPIO[0]\r\n"), std::string::npos);
    EXPECT_TRUE(standard("HPS_DDR3_RZQ", "SSTL-15 Class I"));
    EXPECT_EQ(qsf.find("-to HPS_DDR3_RZQ\r\nset_location"), std::string::npos);
    EXPECT_EQ(qsf.find("set_location_assignment PIN_ -to"), std::string::npos);
}

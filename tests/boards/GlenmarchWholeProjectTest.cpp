// Whole Glenmarch projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "../generate/GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"

namespace {

constexpr int G0 = GLENMARCH_CONFIG::GPIO_0;
constexpr int G1 = GLENMARCH_CONFIG::GPIO_1;

struct Case {
    const char* label;
    void (*edit)(GLENMARCH_CONFIG&);
    // text the .qsf must hold, and text it must not
    std::vector<std::string> present;
    std::vector<std::string> absent;
    std::vector<std::string> sdc;  // text the .sdc must hold
};

}  // namespace

TEST(GlenmarchWholeProject, RecordsThroughTheFourTools)
{
    const Case cases[] = {
        {"defaults",
         [](GLENMARCH_CONFIG&) {},
         {"set_location_assignment PIN_AF14 -to CLOCK_50\r\n", "-to VGA_SYNC_N\r\n"},
         {"HPS_", "GPIO"},
         // the board blocks read the record copy
         {"create_clock -period 20.000ns [get_ports CLOCK_50]\r\n", "create_clock -period \"27 MHz\"  -name tv_27m",
          "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n",
          "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n"}},
        {"everything with HPS and two different 40-pin cards with prefixes",
         [](GLENMARCH_CONFIG& c) {
             c.bHps = 1;
             c.nGpioDaughterId[G0] = DAUGHTER_GPIO_DEFAULT;
             WriteRecordText(c.szGpioPrefixName[G0], "A_");
             c.nGpioDaughterId[G1] = DAUGHTER_Sollip;
             WriteRecordText(c.szGpioPrefixName[G1], "B_");
         },
         {"set_location_assignment PIN_AC18 -to A_GPIO[0]\r\n", "set_location_assignment PIN_AJ21 -to A_GPIO[35]\r\n",
          "-to HPS_CONV_USB_N\r\n", "-to B_"},
         {"set_location_assignment PIN_AB17 -to A_", "-to GPIO["},
         {}},
        {"one default card without prefix",
         [](GLENMARCH_CONFIG& c) { c.nGpioDaughterId[G1] = DAUGHTER_GPIO_DEFAULT; },
         {"set_location_assignment PIN_AB17 -to GPIO[0]\r\n", "set_location_assignment PIN_AC22 -to GPIO[35]\r\n"},
         {"-to GPIO_0[", "-to GPIO_1[", "-to GPIO[36]"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        GLENMARCH_CONFIG record = GlenmarchDefaultConfig();
        c.edit(record);
        const std::string file = dir.Path() + "Glenmarch.qpf";
        ASSERT_TRUE(GenerateGlenmarchProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_FALSE(platform::FileExists(dir.Path() + "Glenmarch.vhd"));
        TMainBoard board;
        BuildGlenmarchProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Glenmarch.qsf");
        for (const std::string& text : c.present) EXPECT_NE(qsf.find(text), std::string::npos) << text;
        for (const std::string& text : c.absent) EXPECT_EQ(qsf.find(text), std::string::npos) << text;
        const std::string sdc = tooltest::ReadFile(dir.Path() + "Glenmarch.sdc");
        for (const std::string& text : c.sdc) EXPECT_NE(sdc.find(text), std::string::npos) << text;
    }
}

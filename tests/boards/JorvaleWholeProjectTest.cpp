// Whole Jorvale projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Jorvale.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Environment.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(JorvaleWholeProject, ProjectsAreAcceptedByTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(JORVALE_CONFIG&);
        bool refClock;  // the transceiver reference clock and its termination
    };
    const Case cases[] = {
        {"defaults", [](JORVALE_CONFIG&) {}, false},
        {"everything with HSMC Default", [](JORVALE_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT; }, false},
        {"transceiver card at 2.5 V", [](JORVALE_CONFIG& c) { c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT_XCVR; }, true},
        {"adaptor card at 1.8 V", [](JORVALE_CONFIG& c) {
             c.nHsmcVoltage = 2;
             c.nHsmcDaughterId = DAUGHTER_Quillet_HSMC;
         }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        JORVALE_CONFIG record = JorvaleDefaultConfig();
        c.edit(record);
        const JORVALE_CONFIG before = record;
        const std::string file = dir.Path() + "Jorvale.qpf";
        ASSERT_TRUE(GenerateJorvaleProject(record, file));
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);  // generating works on a copy
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_TRUE(platform::FileExists(dir.Path() + "Jorvale.v"));
        EXPECT_FALSE(platform::FileExists(dir.Path() + "Jorvale.vhd"));

        // the model the files came from, built again the same way, for the expectations
        TMainBoard board;
        BuildJorvaleProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);

        std::string qsf = tooltest::ReadFile(dir.Path() + "Jorvale.qsf");
        std::string sdc = tooltest::ReadFile(dir.Path() + "Jorvale.sdc");
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE 5CSXFC6D6F31C8ES\r\n"));
        EXPECT_TRUE(Has(sdc, "create_clock -period 20.000ns [get_ports OSC_50_B3B]\r\n"));
        EXPECT_EQ(Has(qsf, "XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p"), c.refClock);
        EXPECT_EQ(Has(sdc, "create_clock -period 10.000ns [get_ports HSMC_REF_CLK_p]\r\n"), c.refClock);
    }
}

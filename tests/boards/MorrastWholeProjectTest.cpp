// Whole Morrast projects through the path the form's Generate takes, with the clock-chip code
// and the controller files it exports, checked by the tools.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "platform/Environment.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void NoGroups(MORRAST_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(MORRAST_CONFIG, Padding2) - offsetof(MORRAST_CONFIG, bOSC));
}

}  // namespace

TEST(MorrastWholeProject, ProjectsAreAcceptedByTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(MORRAST_CONFIG&);
        bool si570, cdcm;
    };
    const Case cases[] = {
        {"defaults", [](MORRAST_CONFIG&) {}, false, false},
        {"everything with both oscillators",
         [](MORRAST_CONFIG& c) {
             c.bDDR3_0 = c.bDDR3_1 = c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = 1;
             c.bSfpA = c.bSfpB = c.bSata = c.bPCIe = 1;
             c.nSi570 = 7;
             c.nCdcm61004 = 11;
         },
         true, true},
        {"both oscillators, clock and buttons off",
         [](MORRAST_CONFIG& c) {
             NoGroups(c);
             c.bSfpB = 1;
             c.nSi570 = 1;
             c.nCdcm61004 = 1;
         },
         true, true},
        {"the CDCM61004 alone, clock off",
         [](MORRAST_CONFIG& c) {
             c.bOSC = 0;
             c.bSfpA = 1;
             c.nCdcm61004 = 5;
         },
         false, true},
        // What the form would have stored: the oscillators' pins come only with an SFP+ port.
        {"a file's oscillators without a port",
         [](MORRAST_CONFIG& c) {
             c.bSata = 1;
             c.nSi570 = 4;
             c.nCdcm61004 = 4;
         },
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        MORRAST_CONFIG record;
        DefaultConfig(record);
        c.edit(record);
        const std::string file = dir.Path() + "Morrast.qpf";
        ASSERT_TRUE(GenerateMorrastProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());

        TMainBoard board;
        BuildMorrastProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);

        const std::string qsf = tooltest::ReadFile(dir.Path() + "Morrast.qsf");
        const std::string sdc = tooltest::ReadFile(dir.Path() + "Morrast.sdc");
        const std::string v = tooltest::ReadFile(dir.Path() + "Morrast.v");
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE 5SGXEA7N2F45C2\r\n"));
        EXPECT_EQ(platform::FileExists(dir.Path() + "si570_controller.v"), c.si570);
        EXPECT_EQ(platform::FileExists(dir.Path() + "CDCM6100x_Config.v"), c.cdcm);
        EXPECT_EQ(Has(v, "si570_controller si570_controller_inst("), c.si570);
        EXPECT_EQ(Has(v, "CDCM6100x_Config CDCM61004_Config_inst("), c.cdcm);
        EXPECT_EQ(Has(sdc, "[get_ports SFP_REFCLK_p]"), c.si570);
        EXPECT_EQ(Has(sdc, "[get_ports SFP1G_REFCLK_p]"), c.cdcm);
    }
}

// Whole Cresswin projects through the path the form's Generate takes, with the clock-chip code
// and the controller files it exports, checked by the tools.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Environment.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void NoGroups(CRESSWIN_CONFIG& c)
{
    std::memset(&c.bOSC, 0, offsetof(CRESSWIN_CONFIG, Padding2) - offsetof(CRESSWIN_CONFIG, bOSC));
}

}  // namespace

TEST(CresswinWholeProject, ProjectsAreAcceptedByTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(CRESSWIN_CONFIG&);
        bool si570, cdcm;
        const char* refClock;  // the pin on AB6, or none
    };
    const Case cases[] = {
        {"defaults", [](CRESSWIN_CONFIG&) {}, false, false, nullptr},
        {"everything, a transceiver card beside the SFP+ ports",
         [](CRESSWIN_CONFIG& c) {
             c.bSma = c.bSata_0 = c.bSata_1 = c.bPCIe = 1;
             c.bSfpA = c.bSfpB = c.bSfpC = c.bSfpD = 1;
             c.nSi570 = 6;
             c.nCdcm61004 = 9;
             c.nHSMC_ADaughterId[0] = DAUGHTER_HSMC_DEFAULT_XCVR;
         },
         true, true, "SFP1G_REFCLK_p"},
        {"a transceiver card with the CDCM61004, clock and buttons off",
         [](CRESSWIN_CONFIG& c) {
             NoGroups(c);
             c.nCdcm61004 = 2;
             c.nHSMC_ADaughterId[0] = DAUGHTER_HSMC_DEFAULT_XCVR;
         },
         false, true, "HSMC_REFCLK_p"},
        {"the Si570 with clock off",
         [](CRESSWIN_CONFIG& c) {
             c.bOSC = 0;
             c.bSfpD = 1;
             c.nSi570 = 3;
         },
         true, false, nullptr},
        {"a generic card without a prefix", [](CRESSWIN_CONFIG& c) { c.nHSMC_ADaughterId[0] = DAUGHTER_HSMC_DEFAULT; },
         false, false, nullptr},
        {"an adaptor card", [](CRESSWIN_CONFIG& c) {
             c.nHSMC_ADaughterId[0] = DAUGHTER_Quillet_HSMC;
             std::strcpy(c.szHSMC_APrefixName[0], "Q_");
         },
         false, false, nullptr},
        // What the form would have stored: no oscillator without an interface that needs it.
        {"a file's oscillators without their interfaces",
         [](CRESSWIN_CONFIG& c) {
             c.nSi570 = 2;
             c.nCdcm61004 = 7;
         },
         false, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        CRESSWIN_CONFIG record;
        DefaultConfig(record);
        c.edit(record);
        const CRESSWIN_CONFIG before = record;
        const std::string file = dir.Path() + "Cresswin.qpf";
        ASSERT_TRUE(GenerateCresswinProject(record, file));
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
        EXPECT_TRUE(env.dialogs.Boxes().empty());

        TMainBoard board;
        BuildCresswinProjectBoard(board, record);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);

        const std::string qsf = tooltest::ReadFile(dir.Path() + "Cresswin.qsf");
        const std::string sdc = tooltest::ReadFile(dir.Path() + "Cresswin.sdc");
        const std::string v = tooltest::ReadFile(dir.Path() + "Cresswin.v");
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE 5SGXEA3K2F40C3\r\n"));
        EXPECT_EQ(platform::FileExists(dir.Path() + "si570_controller.v"), c.si570);
        EXPECT_EQ(platform::FileExists(dir.Path() + "CDCM6100x_Config.v"), c.cdcm);
        EXPECT_EQ(Has(v, "si570_controller si570_controller_inst("), c.si570);
        EXPECT_EQ(Has(v, "CDCM6100x_Config CDCM61004_Config_inst("), c.cdcm);
        EXPECT_EQ(Has(sdc, "[get_ports SFP_REFCLK_p]"), c.si570);
        EXPECT_TRUE(Has(sdc, "create_clock -period 20.000ns [get_ports OSC_50_B3B]") || !(c.si570 || c.cdcm));
        EXPECT_EQ(Has(qsf, "set_location_assignment PIN_AB6 "), c.refClock != nullptr);
        if (c.refClock) EXPECT_TRUE(Has(qsf, std::string("set_location_assignment PIN_AB6 -to ") + c.refClock));
    }
}

// Whole Nobrecht projects through the path the form's Generate takes, with the exported
// Si5340 controllers, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/arria10/CONFIG_NOBRECHT.h"
#include "core/generate/SystemBuild.h"
#include "platform/Environment.h"

namespace {

void SelectAll(NOBRECHT_CONFIG& c)
{
    c.bSma = c.bDDR3_0 = c.bDDR3_1 = c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = 1;
    c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = c.bPCIe = c.bPceiClk = c.bRs422 = 1;
    for (int32_t& a : c.nSi5340A) a = 7;
    c.nSi5340B[0] = 3;
    c.nSi5340B[1] = 3;
    c.nSi5340B[2] = 1;
}

}  // namespace

TEST(NobrechtWholeProject, RecordsThroughTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(NOBRECHT_CONFIG&);
        bool controllers;
    };
    const Case cases[] = {
        {"defaults", [](NOBRECHT_CONFIG&) {}, false},
        {"everything", SelectAll, true},
        {"DDR3 socket A", [](NOBRECHT_CONFIG& c) { c.bDDR3_0 = 1; }, false},
        {"DDR3 socket B, its clock chosen", [](NOBRECHT_CONFIG& c) {
             c.bDDR3_1 = 1;
             c.nSi5340B[0] = 1;
         }, true},
        {"a Si5340 in use with clocks and buttons unticked", [](NOBRECHT_CONFIG& c) {
             c.bOSC = c.bButton = 0;
             c.nSi5340A[2] = 4;
         }, true},
        {"interfaces ticked, their clocks not used", [](NOBRECHT_CONFIG& c) {
             c.bQsfpA = c.bQdrB = c.bPceiClk = 1;
         }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        TConfigNobrecht settings;
        settings.Config = TConfigNobrecht::DefaultConfig();
        c.edit(settings.Config);
        const std::string file = dir.Path() + "NOBRECHT.qpf";
        ASSERT_TRUE(GenerateNobrechtProject(settings, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_EQ(platform::DirectoryExists(dir.Path() + "si5340_controller"), c.controllers);

        TMainBoard board;  // the model the files came from, built again the same way
        BuildNobrechtProjectBoard(board, settings);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);

        // A reference clock whose chip output is not used gets no constraint.
        const std::string sdc = tooltest::ReadFile(dir.Path() + "NOBRECHT.sdc");
        EXPECT_EQ(sdc.find("\"0.000000 MHz\""), std::string::npos);
    }
}

// Whole Dravelle projects through the path the form's Generate takes, with the exported
// Si5340 controllers, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/arria10/CONFIG_DRAVELLE.h"
#include "platform/Environment.h"

TEST(DravelleWholeProject, RecordsThroughTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(DRAVELLE_CONFIG&);
        bool controllers;
    };
    const Case cases[] = {
        {"defaults", [](DRAVELLE_CONFIG&) {}, false},
        {"everything", [](DRAVELLE_CONFIG& c) {
             c.bSma = c.bDDR4_0 = c.bDDR4_1 = c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = 1;
             c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = c.bPCIe = c.bPceiClk = c.bRs422 = 1;
             for (int32_t& a : c.nSi5340A) a = 7;
             c.nSi5340B[0] = 5;
             c.nSi5340B[1] = 4;
             c.nSi5340B[2] = 1;
         }, true},
        {"DDR4 socket B", [](DRAVELLE_CONFIG& c) { c.bDDR4_1 = 1; }, false},
        {"a Si5340 in use with clocks and buttons unticked", [](DRAVELLE_CONFIG& c) {
             c.bOSC = c.bButton = 0;
             c.nSi5340A[0] = 2;
             c.nSi5340B[0] = 3;
         }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        TConfigDravelle settings;
        settings.Config = TConfigDravelle::DefaultConfig();
        c.edit(settings.Config);
        const std::string file = dir.Path() + "NOBRECHT.qpf";
        ASSERT_TRUE(GenerateDravelleProject(settings, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_EQ(platform::DirectoryExists(dir.Path() + "si5340_controller"), c.controllers);

        TMainBoard board;  // the model the files came from, built again the same way
        BuildDravelleProjectBoard(board, settings);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
    }
}

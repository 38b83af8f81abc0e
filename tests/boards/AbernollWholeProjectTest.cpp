// Whole Abernoll projects through the path the form's Generate takes, with the exported
// Si5340 controllers, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/arria10/CONFIG_Abernoll.h"
#include "platform/Environment.h"

TEST(AbernollWholeProject, RecordsThroughTheTools)
{
    struct Case {
        const char* label;
        void (*edit)(ABERNOLL_CONFIG&);
        bool controllers;
    };
    const Case cases[] = {
        {"defaults", [](ABERNOLL_CONFIG&) {}, false},
        {"everything", [](ABERNOLL_CONFIG& c) {
             c.bQdrA = c.bQdrB = c.bQdrC = c.bQdrD = c.bQdrE = c.bQdrF = 1;
             c.bQsfpA = c.bQsfpB = c.bQsfpC = c.bQsfpD = c.bPCIe = c.bRs422 = c.bLTM4677 = c.bGPIO = 1;
             for (int32_t& a : c.nSi5340A) a = 7;
             c.nSi5340B_QDRII = 3;
         }, true},
        {"memories only, their chip unused", [](ABERNOLL_CONFIG& c) { c.bQdrB = c.bQdrF = 1; }, false},
        {"a Si5340 in use with clocks and buttons unticked", [](ABERNOLL_CONFIG& c) {
             c.bOSC = c.bButton = 0;
             c.nSi5340A[0] = 2;
             c.nSi5340B_QDRII = 1;
         }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        TConfigAbernoll settings;
        settings.Config = TConfigAbernoll::DefaultConfig();
        c.edit(settings.Config);
        const std::string file = dir.Path() + "Abernoll.qpf";
        ASSERT_TRUE(GenerateAbernollProject(settings, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_EQ(platform::DirectoryExists(dir.Path() + "si5340_controller"), c.controllers);

        TMainBoard board;  // the model the files came from, built again the same way
        BuildAbernollProjectBoard(board, settings);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
    }
}

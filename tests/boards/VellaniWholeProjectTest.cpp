// Whole Vellani projects through the path the form's Generate takes, with the clock-chip
// controller files, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/CONFIG_VELLANI.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

struct Case {
    const char* label;
    void (*edit)(VELLANI_CONFIG&);
};

void Everything(VELLANI_CONFIG& c)
{
    c.bDDR3 = c.bPCIe = c.bSataHost = c.bSataDevice = 1;
    c.bExtCdcmPLL = c.bExtLmkPLL = 1;
    c.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
    const uint8_t cards[] = {DAUGHTER_FMC_HPC_VITA, DAUGHTER_FMC_LPC_VITA, DAUGHTER_FMC_LPC_ALTERA,
                             DAUGHTER_FMC_HPC_ALTERA};
    const char* prefixes[] = {"A_", "B_", "C_", "D_"};
    for (int i = 0; i < 4; ++i) {
        c.nFmcDaughterId[i] = cards[i];
        WriteRecordText(c.szFmcPrefixName[i], prefixes[i]);
    }
    WriteRecordText(c.szGpioPrefixName, "G_");
}

}  // namespace

TEST(VellaniWholeProject, RecordsAcceptedByTheTools)
{
    const Case cases[] = {
        {"default", [](VELLANI_CONFIG&) {}},
        {"everything", Everything},
        {"the chips without the clock and button groups",
         [](VELLANI_CONFIG& c) { c.bOSC = c.bButton = 0, c.bExtCdcmPLL = c.bExtLmkPLL = 1; }},
        {"LMK04906 only", [](VELLANI_CONFIG& c) { c.bExtLmkPLL = 1; }},
        {"an FMC card without a prefix, DDR3 with its clock",
         [](VELLANI_CONFIG& c) { c.nFmcDaughterId[3] = DAUGHTER_FMC_HPC_ALTERA, c.bDDR3 = c.bExtCdcmPLL = 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        const std::string file = dir.Path() + "Vellani.qpf";
        TConfigVellani settings;
        settings.Config = TConfigVellani::DefaultConfig();
        c.edit(settings.Config);
        ASSERT_TRUE(GenerateVellaniProject(settings, file)) << ::testing::PrintToString(env.dialogs.Texts());
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_EQ(platform::FileExists(dir.Path() + "cdcm6208/I2C_CDCM6208_Config.v"), settings.Config.bExtCdcmPLL != 0);
        EXPECT_EQ(platform::FileExists(dir.Path() + "lmk04906/SPI_LMK04906_Config.v"), settings.Config.bExtLmkPLL != 0);

        TConfigVellani again;
        again.Config = settings.Config;
        TMainBoard board;
        BuildVellaniProjectBoard(board, again);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
    }
}

// The form's attach: each FMC card under its own prefix on its connector, which records the
// card; the GPIO card at 2.5 V; the DDR3 module under "DDR3_".
TEST(VellaniWholeProject, CardsAndModuleAttachedUnderTheirPrefixes)
{
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    Everything(settings.Config);
    TMainBoard board;
    BuildVellaniProjectBoard(board, settings);
    const std::pair<int32_t, std::string> connectors[] = {
        {EXPANSION_FMC_A, "A_"}, {EXPANSION_FMC_B, "B_"},     {EXPANSION_FMC_C, "C_"},
        {EXPANSION_FMC_D, "D_"}, {EXPANSION_GPIO_0, "G_"}, {EXPANSION_DDR3_SODIMM_A, "DDR3_"}};
    for (const auto& [id, prefix] : connectors) {
        SCOPED_TRACE(prefix);
        const TConnector* con = board.FindExpansionConnector(id);
        ASSERT_TRUE(con);
        int active = 0;
        for (int i = 0; i < con->GetPinCount(); ++i) {
            const TPin* pin = con->GetPin(i);
            if (!pin || !pin->IsActive()) continue;
            ++active;
            EXPECT_EQ(pin->GetName().rfind(prefix, 0), 0u) << pin->GetName();
            if (id == EXPANSION_GPIO_0) EXPECT_EQ(pin->GetIoStandard(), 6) << pin->GetName();
        }
        EXPECT_GT(active, 0);
    }
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_FMC_B)->GetDaughterBoardId(), DAUGHTER_FMC_LPC_VITA);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_FMC_D)->GetDaughterBoardId(), DAUGHTER_FMC_HPC_ALTERA);
}

// A board type outside the list, as a file may hold, is the first one as the form shows it:
// the device of that type, never an empty DEVICE line.
TEST(VellaniWholeProject, BoardTypeOutsideTheListIsTheFirst)
{
    for (uint8_t variant : {3, 9, 255}) {
        SCOPED_TRACE(int(variant));
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        const std::string file = dir.Path() + "Vellani.qpf";
        TConfigVellani settings;
        settings.Config = TConfigVellani::DefaultConfig();
        settings.Config.BoardVariant = variant;
        ASSERT_TRUE(GenerateVellaniProject(settings, file));
        EXPECT_EQ(settings.Config.BoardVariant, 0);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Vellani.qsf");
        EXPECT_NE(qsf.find("set_global_assignment -name DEVICE 5SGXEA7N2F45C2\r\n"), std::string::npos);
        TMainBoard board;
        BuildVellaniProjectBoard(board, settings);
        board.SortConnectorPins();
        tooltest::ExpectProjectAccepted(board, file, false);
    }
}

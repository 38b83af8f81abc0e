// Whole Ulvarin projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"

namespace {

struct Case {
    const char* label;
    void (*edit)(ULVARIN_CONFIG&);
};

void Generate(const ULVARIN_CONFIG& record, const std::string& file)
{
    TConfigUlvarin settings;
    settings.Config = record;
    ASSERT_TRUE(GenerateUlvarinProject(settings, file));
    // the model the files came from, built again the same way, for the expectations
    TConfigUlvarin again;
    again.Config = record;
    TMainBoard board;
    BuildUlvarinProjectBoard(board, again);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, record.bVhdl != 0);
}

}  // namespace

TEST(UlvarinWholeProject, DefaultAndFullRecordsInBothLanguages)
{
    const Case cases[] = {
        {"default", [](ULVARIN_CONFIG&) {}},
        {"everything", [](ULVARIN_CONFIG& c) {
             c.bHps = 1;
             c.nGpioDaughterId[0] = DAUGHTER_GPIO_DEFAULT;
             c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
         }},
        {"everything in VHDL", [](ULVARIN_CONFIG& c) {
             c.bHps = 1;
             c.bVhdl = 1;
             c.nGpioDaughterId[0] = DAUGHTER_GPIO_DEFAULT;
             c.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
        c.edit(record);
        Generate(record, dir.Path() + "Ulvarin.qpf");
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        bool vhdl = record.bVhdl != 0;
        EXPECT_EQ(platform::FileExists(dir.Path() + "Ulvarin.vhd"), vhdl);
        EXPECT_EQ(platform::FileExists(dir.Path() + "Ulvarin.v"), !vhdl);
    }
}

TEST(UlvarinWholeProject, HsmcDefaultWithoutPrefixIsNamedHsmc)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    TConfigUlvarin settings;
    settings.Config = TConfigUlvarin::DefaultConfig();
    settings.Config.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    ASSERT_TRUE(GenerateUlvarinProject(settings, dir.Path() + "p.qpf"));
    EXPECT_STREQ(settings.Config.szHSMCPrefixName, "HSMC_");
    std::string qsf = tooltest::ReadFile(dir.Path() + "p.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AE29 -to HSMC_SDA\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to HSMC_TX_D_P[0]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("TX_P[7]"), std::string::npos);  // the lanes have no FPGA pin here

    // a prefix of the user's is kept, and other cards get none put in
    settings.Config = TConfigUlvarin::DefaultConfig();
    settings.Config.nHsmcDaughterId = DAUGHTER_HSMC_DEBUG;
    ASSERT_TRUE(GenerateUlvarinProject(settings, dir.Path() + "q.qpf"));
    EXPECT_STREQ(settings.Config.szHSMCPrefixName, "");
}

TEST(UlvarinWholeProject, QuilletHeaderFollowsTheHsmcVoltage)
{
    struct Voltage { int32_t index; uint8_t card; const char* standard; };
    const Voltage cases[] = {
        {0, DAUGHTER_Quillet_HSMC, "3.3-V LVTTL"}, {1, DAUGHTER_Quillet_HSMC, "2.5 V"},
        {2, DAUGHTER_Quillet_HSMC, "1.8 V"},       {3, DAUGHTER_Quillet_HSMC, "1.5 V"},
        {7, DAUGHTER_Quillet_HSMC, "2.5 V"},       {-1, DAUGHTER_Quillet_HSMC, "2.5 V"},
        {0, DAUGHTER_Quillet_Sollip_BOTH, "3.3-V LVTTL"},
    };
    for (const Voltage& v : cases) {
        SCOPED_TRACE(std::to_string(v.index) + "/" + std::to_string(v.card));
        TConfigUlvarin settings;
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.nHsmcVoltage = v.index;
        settings.Config.nHsmcDaughterId = v.card;
        TMainBoard board;
        BuildUlvarinProjectBoard(board, settings);
        const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
        ASSERT_TRUE(hsmc);
        int header = 0;
        for (int p = 47; p <= 158; ++p) {
            const TPin* pin = hsmc->GetPin(p - 1);
            if (pin && pin->IsActive()) {
                EXPECT_EQ(pin->GetIoStandardText(), v.standard) << p;
                ++header;
            }
        }
        EXPECT_GT(header, 0);
    }
}

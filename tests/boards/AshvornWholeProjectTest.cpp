// Whole Ashvorn projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// The .qsf and the top level of the record's project, checked by the tools. `pastCardCheck`
// writes the pair's board without the pair's check of the cards.
std::pair<std::string, std::string> ExpectAshvornProjectAccepted(const ASHVORN_CONFIG& record,
                                                                 bool pastCardCheck = false)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Ashvorn.qpf";
    if (pastCardCheck) {
        TMainBoard written;
        BuildAshvornProjectBoard(written, record);
        EXPECT_TRUE(TSystemBuild().Generate(written, file, false));
    } else {
        EXPECT_TRUE(GenerateAshvornProject(record, file));
    }
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildAshvornProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return {tooltest::ReadFile(dir.Path() + "Ashvorn.qsf"), tooltest::ReadFile(dir.Path() + "Ashvorn.v")};
}

std::vector<uint8_t> Cards(uint8_t type)
{
    TConfigBase<ASHVORN_CONFIG> list;
    list.BuildDaughterList(type, false, VOLTAGE_2V5);
    return std::vector<uint8_t>(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Every HSMC card of the form's list beside a GPIO card, every group ticked with PCIe hard IP:
// the fan is driven in every project.
TEST(AshvornWholeProject, EveryHsmcCardBesideAGpioCard)
{
    const std::vector<uint8_t> gpio = Cards(CONNECTOR_GPIO40);
    const std::vector<uint8_t> hsmc = Cards(CONNECTOR_HSMC);
    ASSERT_EQ(hsmc, (std::vector<uint8_t>{2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    for (std::size_t i = 0; i < hsmc.size(); ++i) {
        SCOPED_TRACE(BoardName(hsmc[i]));
        ASHVORN_CONFIG record;
        DefaultConfig(record);
        record.bPCIeHardIP = 1;
        record.nHsmcDaughterId = hsmc[i];
        record.nGpioDaughterId = gpio[i % gpio.size()];
        WriteRecordText(record.szGpioPrefixName, "G_");
        const auto [qsf, top] = ExpectAshvornProjectAccepted(record);
        EXPECT_TRUE(Has(top, "assign FAN_CTRL = 1'bz; // turn on FAN"));
    }
}

// The .qsf's Ashvorn lines come from the record copy: the flash's virtual pin, and for the LVDS
// card the toggle-rate lines under the request's default prefix. Only a file brings that card
// (the form's list lacks it, and Generate refuses it by name), so the writer is reached past the
// pair's card check.
TEST(AshvornWholeProject, QsfExtrasFollowTheRequestsRecord)
{
    ASHVORN_CONFIG record;
    DefaultConfig(record);
    record.nHsmcDaughterId = DAUGHTER_HSMC_LVDS_DEFAULT;
    std::string qsf = ExpectAshvornProjectAccepted(record, true).first;
    EXPECT_TRUE(Has(qsf, "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]"));
    EXPECT_TRUE(Has(qsf, "IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to HSMC_D[1]"));
    EXPECT_TRUE(Has(qsf, "IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to FAN_CTRL"));

    record.bFlash = 0;
    WriteRecordText(record.szHSMCPrefixName, "L_");
    qsf = ExpectAshvornProjectAccepted(record, true).first;
    EXPECT_FALSE(Has(qsf, "VIRTUAL_PIN"));
    EXPECT_TRUE(Has(qsf, "IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to L_D[1]"));
}

// Whole Plimmet projects through the path the form's Generate takes, checked by the tools.
// Every card of both lists goes through the form's batch (tests/gui/PlimmetFormTest.cpp).
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Plimmet.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string StandardLine(const std::string& pin, const std::string& name)
{
    return "set_instance_assignment -name IO_STANDARD \"" + name + "\" -to " + pin + "\r\n";
}

}  // namespace

TEST(PlimmetWholeProject, FullestRecordIsAcceptedWithTheBoardsStandards)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    PLIMMET_CONFIG record = DefaultPlimmetConfig();
    record.bXcvrSma = 1;
    record.bSi5338I2c = 1;
    record.nGpioDaughterId = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(record.szGpioPrefixName, "J1_");
    record.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    const std::string file = dir.Path() + "Plimmet.qpf";
    ASSERT_TRUE(GeneratePlimmetProject(record, file));
    EXPECT_TRUE(env.dialogs.Boxes().empty());

    TMainBoard board;
    BuildPlimmetProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);

    const std::string qsf = tooltest::ReadFile(dir.Path() + "Plimmet.qsf");
    for (auto [pin, standard] : {std::pair{"CLOCK_125_p", "LVDS"}, {"DDR2LP_CK_p", "Differential 1.2-V HSUL"},
                                 {"DDR2LP_DQ[0]", "1.2-V HSUL"}, {"SMA_GXB_RX_p", "1.5-V PCML"}, {"KEY[0]", "1.2 V"},
                                 {"LEDG[0]", "2.5 V"}, {"CPU_RESET_n", "3.3-V LVTTL"}})
        EXPECT_TRUE(Has(qsf, StandardLine(pin, standard))) << pin;
    // The header's pin where HEX2[0] would be; the generic HSMC card named with "HSMC_".
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AD7 -to J1_GPIO[22]\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_W4 -to HSMC_GXB_TX_P[3]\r\n"));
    EXPECT_FALSE(Has(qsf, "HEX2"));
    EXPECT_FALSE(Has(tooltest::ReadFile(dir.Path() + "Plimmet.v"), "HEX2"));
}

// A card on the two HSMC positions whose balls are unknown: their signals are ports with a
// standard and no location, every other ball assigned once (ExpectProjectAccepted).
TEST(PlimmetWholeProject, UnknownHsmcPositionsArePortsWithoutLocation)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    PLIMMET_CONFIG record = DefaultPlimmetConfig();
    record.nHsmcDaughterId = DAUGHTER_Hobbard;
    const std::string file = dir.Path() + "Plimmet.qpf";
    ASSERT_TRUE(GeneratePlimmetProject(record, file));

    TMainBoard board;
    BuildPlimmetProjectBoard(board, record);
    const TConnector* hsmc = modeltest::FindConnector(board, "HSMC");
    ASSERT_NE(hsmc, nullptr);
    std::vector<std::string> unknown;
    for (int position : {20, 27}) {
        const TPin* pin = hsmc->GetPin(position - 1);
        ASSERT_NE(pin, nullptr) << position;
        ASSERT_TRUE(pin->IsActive()) << position;
        EXPECT_EQ(pin->GetLocation(), "") << position;
        unknown.push_back(pin->GetName());
    }
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    const std::string qsf = tooltest::ReadFile(dir.Path() + "Plimmet.qsf");
    for (const std::string& name : unknown) {
        EXPECT_TRUE(Has(qsf, "-to " + name + "\r\n")) << name;
        EXPECT_FALSE(Has(qsf, "set_location_assignment PIN_V2 -to " + name + "\r\n")) << name;
        EXPECT_FALSE(Has(qsf, "set_location_assignment PIN_AC4 -to " + name + "\r\n")) << name;
    }
}

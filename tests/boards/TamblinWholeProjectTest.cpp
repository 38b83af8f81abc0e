// Whole Tamblin projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Tamblin.h"
#include "platform/Environment.h"

namespace {

const std::string kConfigPinBlock = "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n";

}  // namespace

// Every group at every revision in every header mode: the tools take the project, and the
// module holds the header's pins as ports (the mode-7 names as the buses gpio0 to gpio3),
// without the record's prefix.
TEST(TamblinWholeProject, EveryRevisionAndHeaderMode)
{
    const char* headerPort[] = {nullptr, "GPIO1_D", "BLE_DIO15", "gpio3"};
    for (int32_t revision : {0, 1, 2}) {
        for (uint8_t index : {0, 1, 2, 3}) {
            SCOPED_TRACE(std::to_string(revision) + "/" + std::to_string(index));
            gentest::GenerateEnv env;
            tooltest::TempDir dir;
            TAMBLIN_CONFIG record;
            DefaultConfig(record);
            record.bMipi = 1;
            record.bDdr3 = 1;
            record.nBoardRevision = revision;
            record.nBbbHeaderIndex = index;
            std::strcpy(record.szBbbPrefixName, "PFX_");
            const std::string file = dir.Path() + "Tamblin.qpf";
            ASSERT_TRUE(GenerateTamblinProject(record, file));
            EXPECT_TRUE(env.dialogs.Boxes().empty());
            EXPECT_FALSE(platform::FileExists(dir.Path() + "Tamblin.vhd"));

            TMainBoard board;
            BuildTamblinProjectBoard(board, record);
            board.SortConnectorPins();
            tooltest::ExpectProjectAccepted(board, file, false);

            const std::string top = tooltest::ReadFile(dir.Path() + "Tamblin.v");
            EXPECT_EQ(top.find("PFX_"), std::string::npos);
            EXPECT_EQ(top.find("BBB_PWR_BUT") != std::string::npos, index != 0);
            if (headerPort[index]) EXPECT_NE(top.find(headerPort[index]), std::string::npos);
            const std::string qsf = tooltest::ReadFile(dir.Path() + "Tamblin.qsf");
            EXPECT_NE(qsf.find("set_location_assignment PIN_" + std::string(revision == 0 ? "D6" : "A20") +
                               " -to HDMI_TX_CLK\r\n"),
                      std::string::npos);
            EXPECT_NE(qsf.find(kConfigPinBlock), std::string::npos);  // LED[0] sits on C7
        }
    }
}

// A header choice outside the list, as a file may hold, is "None" as the form shows it: no
// header group, whatever the definition would make of the byte.
TEST(TamblinWholeProject, HeaderChoiceOutsideTheListIsNone)
{
    for (uint8_t index : {4, 255}) {
        TAMBLIN_CONFIG record;
        DefaultConfig(record);
        record.nBbbHeaderIndex = index;
        TMainBoard board;
        BuildTamblinProjectBoard(board, record);
        for (int c = 0; c < board.GetConnectorCount(); ++c)
            EXPECT_NE(board.GetConnector(c)->GetName(), "BBB Conector") << int(index);
        EXPECT_EQ(record.nBbbHeaderIndex, index);
    }
}

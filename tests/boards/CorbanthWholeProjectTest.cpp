// Whole Corbanth projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_CORBANTH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf.
std::string ExpectCorbanthProjectAccepted(const CORBANTH_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Corbanth.qpf";
    EXPECT_TRUE(GenerateCorbanthProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildCorbanthProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return tooltest::ReadFile(dir.Path() + "Corbanth.qsf");
}

std::vector<uint8_t> ListedCards(uint8_t connectorType)
{
    TConfigBase<CORBANTH_CONFIG> list;
    list.BuildDaughterList(connectorType, false, VOLTAGE_2V5);
    return {list.DaughterIds + 1, list.DaughterIds + list.DaughterCount};
}

}  // namespace

// Every card of the HSMC list on either port, each with the next one on the other, and every
// card of the FMC list (LPC cards among them) on each of the four ports, with and without the
// DDR3 module: the projects the form can make.
TEST(CorbanthWholeProject, EveryListedCardOnEveryPort)
{
    const std::vector<uint8_t> hsmc = ListedCards(CONNECTOR_HSMC);
    const std::vector<uint8_t> fmc = ListedCards(CONNECTOR_FMC_HPC);
    ASSERT_EQ(hsmc, (std::vector<uint8_t>{2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    ASSERT_EQ(fmc, (std::vector<uint8_t>{42, 44, 46, 50, 53, 76}));
    for (std::size_t i = 0; i < hsmc.size(); ++i) {
        SCOPED_TRACE(BoardName(hsmc[i]));
        CORBANTH_CONFIG record;
        DefaultConfig(record);
        record.bDDR3 = i % 2;
        for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port) {
            record.nHsmcDaughterId[port] = hsmc[(i + port) % hsmc.size()];
            WriteRecordText(record.szHSMCPrefixName[port], port == 0 ? "A_" : "B_");
        }
        for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port) {
            record.nFmcDaughterId[port] = fmc[(i + port) % fmc.size()];
            WriteRecordText(record.szFMCPrefixName[port], std::string("FMC") + static_cast<char>('A' + port) + "_");
        }
        const std::string qsf = ExpectCorbanthProjectAccepted(record);
        EXPECT_NE(qsf.find("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"\r\n"), std::string::npos);
    }
}

// The fullest record the form makes with the default cards: the HSMC prefixes the form puts
// in, the DDR3 module under "mem_" beside the board's own termination pins.
TEST(CorbanthWholeProject, DefaultCardsAndTheDdr3Module)
{
    CORBANTH_CONFIG record;
    DefaultConfig(record);
    record.bDDR3 = 1;
    record.nHsmcDaughterId[0] = DAUGHTER_HSMC_DEFAULT;
    record.nHsmcDaughterId[1] = DAUGHTER_HSMC_DEFAULT;
    record.nFmcDaughterId[3] = DAUGHTER_FMC_HPC_ALTERA;
    const std::string qsf = ExpectCorbanthProjectAccepted(record);
    for (const char* line : {"PIN_D22 -to HSMA_CLKIN0\r\n", "PIN_A12 -to HSMB_OUT_p2\r\n", "PIN_J32 -to mem_oct_rdn\r\n",
                             "PIN_C28 -to mem_", "PIN_AG37 -to FMCD_CLK\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
}

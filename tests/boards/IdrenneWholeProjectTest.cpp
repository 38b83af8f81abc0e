// Whole Idrenne projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/arria10/CONFIG_Idrenne.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Environment.h"

namespace {

void Everything(IDRENNE_CONFIG& c)
{
    for (uint8_t* b : {&c.bEthernet, &c.bSMA, &c.bSATA, &c.bPCIe, &c.bSDI, &c.bUSB, &c.bHDMI, &c.bSFP,
                       &c.bDisplayPort, &c.bHPS})
        *b = 1;
}

void Generate(const IDRENNE_CONFIG& record, const std::string& file)
{
    TConfigIdrenne settings;
    settings.Config = record;
    ASSERT_TRUE(GenerateIdrenneProject(settings, file));
    // the model the files came from, built again the same way, for the expectations
    TConfigIdrenne again;
    again.Config = record;
    TMainBoard board;
    BuildIdrenneProjectBoard(board, again);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, record.nFileType != 0);
}

}  // namespace

TEST(IdrenneWholeProject, RecordsWithEveryCardListInBothLanguages)
{
    struct Case {
        const char* label;
        void (*edit)(IDRENNE_CONFIG&);
    };
    const Case cases[] = {
        {"default", [](IDRENNE_CONFIG&) {}},
        {"everything, DDR4 with ECC, VITA HPC", [](IDRENNE_CONFIG& c) {
             Everything(c);
             c.nDDR4SocketDaughterId = DAUGHTER_DDR4_SODIMM_ECC;
             c.nFmcDaughterId = DAUGHTER_FMC_HPC_VITA;
         }},
        {"everything in VHDL, DDR4 without ECC, Altera HPC with lanes", [](IDRENNE_CONFIG& c) {
             Everything(c);
             c.nFileType = 1;
             c.nDDR4SocketDaughterId = DAUGHTER_DDR4_SODIMM_NO_ECC;
             c.nFmcDaughterId = DAUGHTER_FMC_HPC_ALTERA_XCVR;
         }},
        {"1.5 V list: Wyrsel in VHDL", [](IDRENNE_CONFIG& c) {
             c.nFileType = 1;
             c.nFmcVol = 3;
             c.nFmcDaughterId = DAUGHTER_FMC_Wyrsel;
         }},
        {"1.8 V list: Ferrund", [](IDRENNE_CONFIG& c) { c.nFmcDaughterId = DAUGHTER_Ferrund_FMC; }},
        {"1.2 V list: Dortle", [](IDRENNE_CONFIG& c) {
             c.nFmcVol = 4;
             c.nFmcDaughterId = DAUGHTER_FMC_Dortle;
         }},
        {"LPC VITA, DDR4 under the user's prefix", [](IDRENNE_CONFIG& c) {
             c.nFmcDaughterId = DAUGHTER_FMC_LPC_VITA;
             c.nDDR4SocketDaughterId = DAUGHTER_DDR4_SODIMM_NO_ECC;
             std::strcpy(c.szDDR4SocketPrefixName, "MEM_");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        IDRENNE_CONFIG record = TConfigIdrenne::DefaultConfig();
        c.edit(record);
        Generate(record, dir.Path() + "Idrenne.qpf");
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        const bool vhdl = record.nFileType != 0;
        EXPECT_EQ(platform::FileExists(dir.Path() + "Idrenne.vhd"), vhdl);
        EXPECT_EQ(platform::FileExists(dir.Path() + "Idrenne.v"), !vhdl);
        // The JTAG clock of the board's programmer.
        EXPECT_NE(tooltest::ReadFile(dir.Path() + "Idrenne.sdc").find("altera_reserved_tck"), std::string::npos);
    }
}

// The module goes under "DDR4A_" without a prefix of the user's, which the record does not
// keep; the check bits come with ECC only.
TEST(IdrenneWholeProject, SocketModulesAndTheirPrefix)
{
    struct Case {
        uint8_t card;
        const char* prefix;
        const char* name;
        bool ecc;
    };
    for (const Case& c : {Case{DAUGHTER_DDR4_SODIMM_NO_ECC, "", "DDR4A_", false},
                          Case{DAUGHTER_DDR4_SODIMM_ECC, "", "DDR4A_", true},
                          Case{DAUGHTER_DDR4_SODIMM_ECC, "M_", "M_", true}}) {
        SCOPED_TRACE(int(c.card));
        TConfigIdrenne settings;
        settings.Config = TConfigIdrenne::DefaultConfig();
        settings.Config.nDDR4SocketDaughterId = c.card;
        std::strcpy(settings.Config.szDDR4SocketPrefixName, c.prefix);
        TMainBoard board;
        BuildIdrenneProjectBoard(board, settings);
        EXPECT_STREQ(settings.Config.szDDR4SocketPrefixName, c.prefix);
        const std::string p = c.name;
        const TPin* dq5 = modeltest::FindPin(board, p + "DQ[5]");
        ASSERT_TRUE(dq5);
        EXPECT_EQ(dq5->GetLocation(), "AD11");
        EXPECT_EQ(dq5->GetIoStandardText(), "1.2-V POD");
        EXPECT_EQ(modeltest::FindPin(board, p + "DQ[64]") != nullptr, c.ecc);
        EXPECT_TRUE(modeltest::FindPin(board, p + "RESET_n"));
        // The SPD bus is not wired to the FPGA: its pins drop out.
        for (const char* dropped : {"SCL", "SDA", "SA[0]", "EVENT_n", "CS_n[2]"}) {
            const TPin* pin = modeltest::FindPin(board, p + dropped);
            EXPECT_TRUE(!pin || !pin->IsActive()) << dropped;
        }
    }
}

// "FMC_" goes into the record for the VITA cards without a prefix; other cards keep their
// own names, and the two pins after the positions keep theirs.
TEST(IdrenneWholeProject, FmcPrefixes)
{
    struct Case {
        uint8_t card;
        const char* prefix;
        const char* stored;
        const char* pin;  // the card's signal on D8
        const char* standard;
    };
    // The two VITA cards take the board's 1.8 V on their user pairs.
    for (const Case& c : {Case{DAUGHTER_FMC_HPC_VITA, "", "FMC_", "FMC_LA_p[1]", "1.8 V"},
                          Case{DAUGHTER_FMC_LPC_VITA, "", "FMC_", "FMC_LA01_P_CC", "1.8 V"},
                          Case{DAUGHTER_FMC_HPC_VITA, "X_", "X_", "X_LA_p[1]", "1.8 V"},
                          Case{DAUGHTER_FMC_HPC_ALTERA, "", "", "LA_TX_CLK_p", nullptr}}) {
        SCOPED_TRACE(int(c.card));
        TConfigIdrenne settings;
        settings.Config = TConfigIdrenne::DefaultConfig();
        settings.Config.nFmcDaughterId = c.card;
        std::strcpy(settings.Config.szFmcPrefixName, c.prefix);
        TMainBoard board;
        BuildIdrenneProjectBoard(board, settings);
        EXPECT_STREQ(settings.Config.szFmcPrefixName, c.stored);
        const TConnector* fmc = board.FindExpansionConnector(EXPANSION_FMC_A);
        ASSERT_TRUE(fmc);
        ASSERT_EQ(fmc->GetPinCount(), 402);
        const TPin* d8 = fmc->GetPin(3 * 40 + 8 - 1);
        ASSERT_TRUE(d8);
        EXPECT_EQ(d8->GetName(), c.pin);
        if (c.standard) EXPECT_EQ(d8->GetIoStandardText(), c.standard);
        EXPECT_EQ(fmc->GetPin(400)->GetName(), "FMC_REFCLK_p");
        EXPECT_EQ(fmc->GetPin(401)->GetName(), "FMC_RZQ");
        EXPECT_EQ(fmc->GetPin(401)->GetLocation(), "H9");
    }
}

// A socket card without a pin map, should a record reach the pair with one: nothing is
// attached and nothing is written.
TEST(IdrenneWholeProject, SocketCardWithoutPinMapWritesNothing)
{
    for (uint8_t card : {DAUGHTER_QDR2_MODULE, DAUGHTER_QDR4_MODULE}) {
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        TConfigIdrenne settings;
        settings.Config = TConfigIdrenne::DefaultConfig();
        settings.Config.nDDR4SocketDaughterId = card;
        EXPECT_FALSE(GenerateIdrenneProject(settings, dir.Path() + "q.qpf"));
        EXPECT_FALSE(platform::FileExists(dir.Path() + "q.qpf"));
        EXPECT_EQ(env.dialogs.Boxes().size(), 1u);
    }
}

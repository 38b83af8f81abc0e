// Whole Pocklin projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Pocklin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

POCKLIN_CONFIG Defaults()
{
    POCKLIN_CONFIG config;
    DefaultConfig(config);
    return config;
}

// The project written, then the model it came from built again the same way for the tools'
// expectations.
void GenerateAccepted(const POCKLIN_CONFIG& record, const std::string& file)
{
    ASSERT_TRUE(GeneratePocklinProject(record, file));
    TMainBoard board;
    BuildPocklinProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
}

// The bytes the Tamblin form writes as "default.cfg" with its defaults and the BBB header
// "Default" under the prefix "BBB_": a record of the same size, read as Pocklin's.
POCKLIN_CONFIG TamblinDefaultCfg()
{
    uint8_t bytes[292] = {};
    bytes[0] = MAINBOARD_Tamblin;
    const int32_t size = 292;
    std::memcpy(bytes + 4, &size, 4);
    std::strcpy(reinterpret_cast<char*>(bytes + 8), "Tamblin");
    for (int offset = 136; offset <= 154; ++offset) bytes[offset] = 1;
    bytes[145] = bytes[148] = bytes[151] = 0;     // MIPI, DDR3, SMA ADC
    const int32_t revision = 2;                   // revision C
    std::memcpy(bytes + 156, &revision, 4);
    bytes[160] = 1;                               // the BBB header "Default"
    std::strcpy(reinterpret_cast<char*>(bytes + 161), "BBB_");
    POCKLIN_CONFIG config;
    static_assert(sizeof config == sizeof bytes);
    std::memcpy(&config, bytes, sizeof config);
    return config;
}

}  // namespace

TEST(PocklinWholeProject, DefaultsEverythingAndEachCard)
{
    struct Case {
        const char* label;
        void (*edit)(POCKLIN_CONFIG&);
    };
    const Case cases[] = {
        {"defaults", [](POCKLIN_CONFIG&) {}},
        {"everything, Ombrel Default", [](POCKLIN_CONFIG& c) {
             c.bDdr3 = c.bEthernet = c.bMipi = c.bRavesh = 1;
             c.nOmbrelDaughterId = DAUGHTER_Ombrel_DEFAULT;
         }},
        {"Ombrel Default with a prefix", [](POCKLIN_CONFIG& c) {
             c.nOmbrelDaughterId = DAUGHTER_Ombrel_DEFAULT;
             WriteRecordText(c.szOmbrelPrefixName, "PMOD_");
         }},
        {"Ombrel Bluetooth SPP", [](POCKLIN_CONFIG& c) { c.nOmbrelDaughterId = DAUGHTER_Ombrel_Velket; }},
        {"everything, Ombrel Bluetooth SPP with a prefix", [](POCKLIN_CONFIG& c) {
             c.bDdr3 = c.bEthernet = c.bMipi = c.bRavesh = 1;
             c.nOmbrelDaughterId = DAUGHTER_Ombrel_Velket;
             WriteRecordText(c.szOmbrelPrefixName, "BT_");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        POCKLIN_CONFIG record = Defaults();
        c.edit(record);
        GenerateAccepted(record, dir.Path() + "MAX10.qpf");
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_TRUE(platform::FileExists(dir.Path() + "MAX10.v"));
        EXPECT_FALSE(platform::FileExists(dir.Path() + "MAX10.vhd"));
    }
}

// The header pins take the card's names under the prefix, or alone without one, keep their
// locations and 3.3-V LVTTL, and take the card's directions.
TEST(PocklinWholeProject, HeaderPinsCarryTheCardUnderItsPrefix)
{
    struct Case {
        uint8_t card;
        const char* prefix;
        const char* first;
        const char* last;
        int firstDir;
    };
    const Case cases[] = {
        {DAUGHTER_Ombrel_DEFAULT, "", "GPIO[0]", "GPIO[7]", DIRECTION_INOUT},
        {DAUGHTER_Ombrel_DEFAULT, "P_", "P_GPIO[0]", "P_GPIO[7]", DIRECTION_INOUT},
        {DAUGHTER_Ombrel_Velket, "", "Velket_UART_RX", "Velket_GPIO10", DIRECTION_OUTPUT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(BoardName(c.card)) + " '" + c.prefix + "'");
        POCKLIN_CONFIG record = Defaults();
        record.nOmbrelDaughterId = c.card;
        WriteRecordText(record.szOmbrelPrefixName, c.prefix);
        TMainBoard board;
        BuildPocklinProjectBoard(board, record);
        const TConnector* header = board.FindExpansionConnector(EXPANSION_Ombrel_2x6);
        ASSERT_TRUE(header);
        ASSERT_EQ(header->GetActivePinCount(), 8);
        EXPECT_EQ(header->GetPin(0)->GetName(), c.first);
        EXPECT_EQ(header->GetPin(0)->GetLocation(), "Y17");
        EXPECT_EQ(header->GetPin(0)->GetDirection(), c.firstDir);
        EXPECT_EQ(header->GetPin(7)->GetName(), c.last);
        EXPECT_EQ(header->GetPin(7)->GetLocation(), "W16");
        for (int i = 0; i < 8; ++i) EXPECT_EQ(header->GetPin(i)->GetIoStandardText(), "3.3-V LVTTL") << i;
    }
}

// A Tamblin "default.cfg" is the same size, so Pocklin takes it: its bytes become Pocklin's
// ticks, and its BBB choice and prefix overlap the card id, which is no card of the header.
TEST(PocklinWholeProject, TamblinDefaultCfgGivesAValidProject)
{
    POCKLIN_CONFIG record = TamblinDefaultCfg();
    ASSERT_EQ(PocklinOmbrelCard(record.nOmbrelDaughterId), DAUGHTER_NONE);
    // what the form does before generating: its header combo shows the id as "None"
    record.BoardId = MAINBOARD_Pocklin;
    record.Size = sizeof record;
    record.nOmbrelDaughterId = PocklinOmbrelCard(record.nOmbrelDaughterId);

    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    GenerateAccepted(record, dir.Path() + "Tamblin.qpf");
    EXPECT_TRUE(env.dialogs.Boxes().empty());

    TMainBoard board;
    BuildPocklinProjectBoard(board, record);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_Ombrel_2x6), nullptr);
    // Tamblin's bytes land on other groups: its audio byte ticks DDR3, its revision's low
    // byte the LCD, and its cleared MIPI, DDR3 and SMA ADC bytes untick audio, flash and UART.
    for (const char* ticked : {"DDR3 SDRAM", "Ravesh", "CLOCK", "Power Monitor"})
        EXPECT_TRUE(modeltest::FindConnector(board, ticked)) << ticked;
    for (const char* unticked : {"Audio", "QSPI Flash", "Uart to USB", "MIPI CS2 Camera"})
        EXPECT_FALSE(modeltest::FindConnector(board, unticked)) << unticked;
}

// Ids no form stores, straight from a file into the headless path: the definition builds no
// header for them, and Generate refuses them by name before any file, whatever the id's low
// byte.
TEST(PocklinWholeProject, StoredIdsThatAreNoHeaderCardAreRefusedByName)
{
    tooltest::TempDir dir;
    struct Case {
        int32_t id;
        const char* named;
    };
    for (Case c : {Case{DAUGHTER_HSMC_DEFAULT, "HSMC Default"}, Case{256 + 73, "Card 329"}, Case{-1, "Card -1"},
                   Case{INT_MIN, "Card -2147483648"}}) {
        gentest::GenerateEnv env;
        POCKLIN_CONFIG record = Defaults();
        record.nOmbrelDaughterId = c.id;
        TMainBoard board;
        BuildPocklinProjectBoard(board, record);
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_Ombrel_2x6), nullptr) << c.id;
        const std::string file = dir.Path() + "p.qpf";
        ASSERT_NO_THROW(EXPECT_FALSE(GeneratePocklinProject(record, file))) << c.id;
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{std::string(c.named) +
                                                                " is not in the card list of Ombrel 2x6 GPIO Header; "
                                                                "choose another card."});
        EXPECT_FALSE(platform::FileExists(file)) << c.id;
    }
}

// Any bytes a file of the record's size may hold, taken as the form takes "default.cfg"
// (BoardId and Size written anew): the project is written or refused with a message, and
// nothing reaches an internal check. The header's card comes from its list, so that most
// records give a project.
TEST(PocklinWholeProject, AnyRecordBytesReachNoInternalCheck)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    std::mt19937 random(292);
    int written = 0;
    for (int round = 0; round < 60; ++round) {
        POCKLIN_CONFIG record;
        auto* bytes = reinterpret_cast<uint8_t*>(&record);
        for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<uint8_t>(random());
        record.nOmbrelDaughterId = round % 3 != 0 ? DAUGHTER_NONE
                                   : round % 2    ? DAUGHTER_Ombrel_Velket
                                                  : DAUGHTER_Ombrel_DEFAULT;
        record.BoardId = MAINBOARD_Pocklin;
        record.Size = sizeof record;
        EXPECT_NO_THROW(written += GeneratePocklinProject(record, dir.Path() + "r" + std::to_string(round) + ".qpf"))
            << round;
    }
    // The records without a card have nothing a writer could refuse.
    EXPECT_GE(written, 40);
    EXPECT_TRUE(env.dialogs.Exceptions().empty());
}

// Whole Ruskel projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix4_cyclone4/CONFIG_RUSKEL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"

namespace {

// Generates the record's project, checks it with the tools against the model built again
// from the same record, and returns the .qsf and the top level.
std::pair<std::string, std::string> ExpectRuskelProjectAccepted(const RUSKEL_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Ruskel.qpf";
    EXPECT_TRUE(GenerateRuskelProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildRuskelProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    return {tooltest::ReadFile(dir.Path() + "Ruskel.qsf"), tooltest::ReadFile(dir.Path() + "Ruskel.v")};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* kReserved[] = {"RESERVE_FLASH_NCE_AFTER_CONFIGURATION", "RESERVE_DATA0_AFTER_CONFIGURATION",
                           "RESERVE_DATA1_AFTER_CONFIGURATION", "RESERVE_DCLK_AFTER_CONFIGURATION"};

}  // namespace

// The .qsf frees the configuration pins the project uses: nCEO (F16, on the 2x13 header) and
// the flash pins (C1, the EPCS group).
TEST(RuskelWholeProject, ConfigurationPinsInUseAreFreed)
{
    struct Case {
        const char* label;
        uint8_t header, epcs;
    };
    for (const Case& c : {Case{"both", 1, 1}, Case{"header only", 1, 0}, Case{"flash only", 0, 1}}) {
        SCOPED_TRACE(c.label);
        RUSKEL_CONFIG record;
        DefaultConfig(record);
        record.bHeader = c.header;
        record.bEPCS = c.epcs;
        const std::string qsf = ExpectRuskelProjectAccepted(record).first;
        EXPECT_EQ(Has(qsf, "CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"), c.header != 0);
        for (const char* line : kReserved) EXPECT_EQ(Has(qsf, line), c.epcs != 0) << line;
        EXPECT_TRUE(Has(qsf, "set_global_assignment -name DEVICE EP4CE22F17C6\r\n"));
    }
}

// "GPIO Default" on this board carries suffixes that the prefix completes: "GPIO" where the
// header has none, else the header's own prefix.
TEST(RuskelWholeProject, GpioDefaultIsNamedByItsPrefix)
{
    RUSKEL_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
    TMainBoard board;
    BuildRuskelProjectBoard(board, record);
    modeltest::BoardFacts facts;
    facts.pins = {{"GPIO_IN[0]", "A8", DIRECTION_INPUT, 8},
                  {"GPIO_IN[1]", "B8", DIRECTION_INPUT, 8},
                  {"GPIO[0]", "D3", DIRECTION_INOUT, 8},
                  {"GPIO[33]", "B12", DIRECTION_INOUT, 8}};
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(record.szGpioPrefixName[GPIO_0][0], 0);  // the record stays as it was
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_1), nullptr);

    WriteRecordText(record.szGpioPrefixName[GPIO_0], "GPIO_0");
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "GPIO_1");
    const std::string top = ExpectRuskelProjectAccepted(record).second;
    for (std::string port : {"inout \t\t    [33:0]\t\tGPIO_0", "input \t\t     [1:0]\t\tGPIO_0_IN",
                             "inout \t\t    [33:0]\t\tGPIO_1", "input \t\t     [1:0]\t\tGPIO_1_IN"})
        EXPECT_TRUE(Has(top, "\t" + port + ",\r\n") || Has(top, "\t" + port + "\r\n")) << port;
}

// Every card of the form's list, on each header, with the next card of the list on the other.
// Tesvik's bus is inout on the two input-only positions: its project is refused, with the
// parse's message, before any file is written.
TEST(RuskelWholeProject, EveryListedCardOnEitherHeader)
{
    TConfigBase<RUSKEL_CONFIG> list;
    list.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    std::vector<uint8_t> cards(list.DaughterIds + 1, list.DaughterIds + list.DaughterCount);
    ASSERT_EQ(cards, (std::vector<uint8_t>{1, 12, 13, 55, 62, 63, 66, 67, 74}));
    std::erase(cards, DAUGHTER_Tesvik);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        SCOPED_TRACE(BoardName(cards[i]));
        RUSKEL_CONFIG record;
        DefaultConfig(record);
        record.nGpioDaughterId[GPIO_0] = cards[i];
        record.nGpioDaughterId[GPIO_1] = cards[(i + 1) % cards.size()];
        WriteRecordText(record.szGpioPrefixName[GPIO_0], "A_");
        WriteRecordText(record.szGpioPrefixName[GPIO_1], "B_");
        ExpectRuskelProjectAccepted(record);
    }

    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    RUSKEL_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
    EXPECT_FALSE(GenerateRuskelProject(record, dir.Path() + "Ruskel.qpf"));
    ASSERT_EQ(env.dialogs.Texts().size(), 1u);
    EXPECT_NE(env.dialogs.Texts()[0].find("PMW[1]"), std::string::npos) << env.dialogs.Texts()[0];
    EXPECT_FALSE(platform::FileExists(dir.Path() + "Ruskel.qpf"));
}

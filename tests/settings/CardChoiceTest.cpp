// A settings file can name any id on any connector: Generate takes only the cards the form's
// lists offer and refuses any other by name, before a file is written and without reaching an
// internal check.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "EveryBoard.h"
#include "GenerateEnv.h"
#include "ToolCheck.h"
#include "boards/arria10/CONFIG_Idrenne.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "boards/early/CONFIG_WEMBREL.h"
#include "boards/stratix5/CONFIG_VELLANI.h"
#include "core/settings/CardChoice.h"

using namespace boardtest;

namespace {

std::string NotInList(const std::string& card, const std::string& connector)
{
    return card + " is not in the card list of " + connector + "; choose another card.";
}

}  // namespace

// The cases the forms never produce: a card of another connector kind, an HPC card on an LPC
// port, an id without a card, and the listed cards that have no pin map.
TEST(CardChoice, RefusalsNameTheCardAndTheConnector)
{
    struct Case {
        const char* what;
        std::function<bool(const std::string&)> generate;
        std::string message;
    };
    const Case cases[] = {
        {"80-pin card on Ulvarin's one header",
         [](const std::string& file) {
             TConfigUlvarin settings;
             settings.Config = TConfigUlvarin::DefaultConfig();
             settings.Config.nGpioDaughterId[0] = DAUGHTER_Kobbet_GPIO;
             return GenerateUlvarinProject(settings, file);
         },
         NotInList("Kobbet - High Speed ADC/DAC", "GPIO")},
        {"3.3-V card at Ulvarin's default 2.5 V",
         [](const std::string& file) {
             TConfigUlvarin settings;
             settings.Config = TConfigUlvarin::DefaultConfig();
             settings.Config.nHsmcDaughterId = DAUGHTER_Quillet_Sollip_J2;
             return GenerateUlvarinProject(settings, file);
         },
         NotInList(BoardName(DAUGHTER_Quillet_Sollip_J2), "HSMC")},
        {"HPC card on Vellani's FMC C",
         [](const std::string& file) {
             TConfigVellani settings;
             settings.Config = TConfigVellani::DefaultConfig();
             settings.Config.nFmcDaughterId[2] = DAUGHTER_FMC_HPC_VITA;
             return GenerateVellaniProject(settings, file);
         },
         NotInList("FMC HPC - VITA Standard", "FMCC")},
        {"an id no card has, on Wembrel's 32-bit field",
         [](const std::string& file) {
             WEMBREL_CONFIG record;
             DefaultConfig(record);
             record.BoardId = MAINBOARD_Wembrel;
             record.Size = sizeof record;
             record.nKelpin1DaughterId = 256 + DAUGHTER_Kelpin_Brasket;
             return GenerateWembrelProject(record, file);
         },
         NotInList("Card 271", "Kelpin_1")},
        {"Kelpin Default, listed without a pin map",
         [](const std::string& file) {
             WEMBREL_CONFIG record;
             DefaultConfig(record);
             record.BoardId = MAINBOARD_Wembrel;
             record.Size = sizeof record;
             record.nKelpin23DaughterId = DAUGHTER_Kelpin_DEFAULT;
             return GenerateWembrelProject(record, file);
         },
         "Kelpin Default has no pin map; choose another card."},
        {"Idrenne's QDR modules",
         [](const std::string& file) {
             TConfigIdrenne settings;
             settings.Config = TConfigIdrenne::DefaultConfig();
             settings.Config.nDDR4SocketDaughterId = DAUGHTER_QDR4_MODULE;
             return GenerateIdrenneProject(settings, file);
         },
         BoardName(DAUGHTER_QDR4_MODULE) + " has no pin map; choose another card."},
    };
    for (const Case& c : cases) {
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        ASSERT_NO_THROW(EXPECT_FALSE(c.generate(dir.Path() + "p.qpf"))) << c.what;
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << c.what;
    }
}

// On every board, every connector and every id a byte or a 32-bit field can hold beyond the
// list: refused by name without a file; every offered card with a pin map passes the check.
TEST(CardChoice, EveryBoardRefusesWhatItsListsDoNotOffer)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "p.qpf";
    for (const BoardUnderTest& board : EveryBoard()) {
        for (const Record& base : board.bases) {
            for (const CardChoice& choice : board.choices(base)) {
                SCOPED_TRACE(board.name + ", " + choice.connector);
                const std::size_t field = CardOffset(board, base, choice.connector);
                for (int id = 0; id < 256; ++id) {
                    const auto card = static_cast<uint8_t>(id);
                    Record record = base;
                    record[field] = card;
                    const bool offered = std::ranges::count(choice.offered, card) == 1;
                    if (offered) {
                        EXPECT_EQ(CheckCardChoices(board.choices(record)), BoardHasPinMap(card)) << id;
                        continue;
                    }
                    env.dialogs.Clear();
                    ASSERT_NO_THROW(EXPECT_FALSE(board.generate(record, file))) << id;
                    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{NotInList(CardNameInMessage(id),
                                                                                      choice.connector)})
                        << id;
                }
                EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
            }
        }
    }
}

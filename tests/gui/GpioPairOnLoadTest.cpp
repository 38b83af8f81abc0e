// Every form whose two GPIO headers share the 80-pin card, against its headless pair: a
// record from a file with the card on one header is paired by the leader that form's loading
// has, and the form's Generate writes the very files the pair writes from that record.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "EveryBoard.h"
#include "FormFixture.h"
#include "ModelQuery.h"
#include "core/shell/BoardForm.h"

namespace {

namespace fs = std::filesystem;

constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

// Who leads when a form shows (or, not pairing it, generates) a loaded pair.
enum class Leader { Gpio0, Gpio1, CardsHeader };

// The boards whose header pair takes the 80-pin card. Yastrel_X1's form keeps a loaded pair
// as it stands, so there the header that holds the card leads rather than lose it. Pandrel's
// pairs as its GPIO dialog shows them, header 1 leading.
const std::map<std::string, Leader> kLeaders = {
    {"Harnix", Leader::Gpio0},
    {"Fennick", Leader::Gpio0},
    {"Mirrow", Leader::Gpio0},
    {"Pellish", Leader::Gpio0},
    {"Orlenn", Leader::Gpio0},
    {"Glenmarch", Leader::Gpio0},
    {"Ebbrick", Leader::Gpio0},
    {"Yastrel_X1", Leader::CardsHeader},
    {"Pandrel", Leader::Gpio1},
};

// The GPIO connectors a board has, by name.
std::vector<std::string> GpioConnectors(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (const char* name : {"GPIO_0", "GPIO_1", "GPIO_0_1"})
        if (modeltest::FindConnector(board, name)) names.push_back(name);
    return names;
}

// Every file of a folder, by name.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = tooltest::ReadFile(entry.path().string());
    return files;
}

bool OffersTheEightyPinCard(const CardChoice& choice)
{
    return std::ranges::find(choice.offered, k80Pin) != choice.offered.end();
}

class GpioPairOnLoad : public BoardFormFixture<TBoardForm> {};

}  // namespace

TEST_F(GpioPairOnLoad, FormsAndTheirPairsAgreeOnTheLeader)
{
    struct Case {
        const char* label;
        uint8_t cards[2];
        // The GPIO connectors the pair builds under each leader.
        std::map<Leader, std::vector<std::string>> built;
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone",
         {k80Pin, 0},
         {{Leader::Gpio0, {"GPIO_0_1"}}, {Leader::Gpio1, {}}, {Leader::CardsHeader, {"GPIO_0_1"}}}},
        {"80-pin card on GPIO-0 beside a 40-pin card",
         {k80Pin, DAUGHTER_Sollip},
         {{Leader::Gpio0, {"GPIO_0_1"}}, {Leader::Gpio1, {"GPIO_1"}}, {Leader::CardsHeader, {"GPIO_0_1"}}}},
        {"80-pin card on GPIO-1 alone",
         {0, k80Pin},
         {{Leader::Gpio0, {}}, {Leader::Gpio1, {"GPIO_0_1"}}, {Leader::CardsHeader, {"GPIO_0_1"}}}},
        {"80-pin card on GPIO-1 beside GPIO Default",
         {DAUGHTER_GPIO_DEFAULT, k80Pin},
         {{Leader::Gpio0, {"GPIO_0"}}, {Leader::Gpio1, {"GPIO_0_1"}}, {Leader::CardsHeader, {"GPIO_0_1"}}}},
    };
    std::set<std::string> seen;
    for (const boardtest::BoardUnderTest& board : boardtest::EveryBoard()) {
        for (const boardtest::Record& base : board.bases) {
            const std::vector<CardChoice> choices = board.choices(base);
            const auto header = [&](const char* name) {
                return std::ranges::any_of(choices, [&](const CardChoice& c) {
                    return c.connector == name && OffersTheEightyPinCard(c);
                });
            };
            if (!header("GPIO-0") || !header("GPIO-1")) continue;
            SCOPED_TRACE(board.name);
            seen.insert(board.name);
            ASSERT_TRUE(kLeaders.count(board.name)) << "a header pair without its leader in the table";
            const Leader leader = kLeaders.at(board.name);
            const std::size_t at[2] = {boardtest::CardOffset(board, base, "GPIO-0"),
                                       boardtest::CardOffset(board, base, "GPIO-1")};
            for (const Case& c : cases) {
                SCOPED_TRACE(c.label);
                boardtest::Record record = base;
                for (int h : {GPIO_0, GPIO_1}) record[at[h]] = c.cards[h];
                board.build(record, [&](const TMainBoard& built) {
                    EXPECT_EQ(GpioConnectors(built), c.built.at(leader));
                });

                // Both write into one fresh folder in turn, so that no path tells them apart.
                const std::string folder = dir.Path() + "gen/";
                const auto fresh = [&] {
                    fs::remove_all(folder);
                    fs::create_directories(folder);
                };
                fresh();
                ASSERT_TRUE(board.generate(record, folder + "P.qpf"));
                const std::map<std::string, std::string> headless = Files(folder);
                fresh();
                main.reset();  // a form writes "default.cfg" as it goes
                std::ofstream(DefaultCfg(), std::ios::binary)
                    .write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
                Open(board.boardId);
                dialogs.Clear();
                dialogs.QueueFile(folder + "P.qpf");
                Press("ButtonGen");
                EXPECT_TRUE(dialogs.Exceptions().empty());
                const std::map<std::string, std::string> shown = Files(folder);
                std::vector<std::string> names, shownNames;
                for (const auto& [name, text] : headless) names.push_back(name);
                for (const auto& [name, text] : shown) shownNames.push_back(name);
                ASSERT_EQ(shownNames, names);
                for (const auto& [name, text] : headless) EXPECT_TRUE(shown.at(name) == text) << name << " differs";
            }
        }
    }
    std::set<std::string> listed;
    for (const auto& [name, rule] : kLeaders) listed.insert(name);
    EXPECT_EQ(seen, listed);
}

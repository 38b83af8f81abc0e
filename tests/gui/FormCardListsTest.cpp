// Every form's card combos show the lists its headless pair checks a record's cards against:
// a card the pair refuses is one no combo of the form could have chosen.
#include <QComboBox>
#include <set>
#include <string>
#include <vector>

#include "EveryBoard.h"
#include "FormFixture.h"
#include "cards/DaughterBoardInfo.h"
#include "core/shell/BoardForm.h"

namespace {

using CardList = std::vector<std::string>;

// The lists of the form's card combos: those whose every entry is a card's name.
std::set<CardList> ShownLists(const QWidget* form)
{
    std::set<std::string> names;
    for (int id = 0; id < 256; ++id) names.insert(BoardName(static_cast<uint8_t>(id)));
    std::set<CardList> lists;
    for (const QComboBox* combo : form->findChildren<QComboBox*>()) {
        const CardList items = Items(combo);
        bool cards = !items.empty() && items.front() == BoardName(DAUGHTER_NONE);
        for (const std::string& item : items) cards = cards && names.count(item);
        if (cards) lists.insert(items);
    }
    return lists;
}

CardList Names(const std::vector<uint8_t>& ids)
{
    CardList names;
    for (uint8_t id : ids) names.push_back(BoardName(id));
    return names;
}

// A list in a failure message.
std::string Described(const CardList& list)
{
    std::string text;
    for (const std::string& name : list) text += (text.empty() ? "" : ", ") + name;
    return text;
}

class FormCardLists : public BoardFormFixture<TBoardForm> {};

}  // namespace

// Each list a form shows is one the pair checks against for some record, and each list the
// pair checks for the record at the form's defaults is shown.
TEST_F(FormCardLists, EveryFormShowsTheListsItsPairChecks)
{
    for (const boardtest::BoardUnderTest& board : boardtest::EveryBoard()) {
        SCOPED_TRACE(board.name);
        Open(board.boardId);
        ASSERT_NE(form, nullptr);
        const std::set<CardList> shown = ShownLists(form);
        std::set<CardList> checked, checkedAtDefaults;
        for (std::size_t b = 0; b < board.bases.size(); ++b) {
            for (const CardChoice& choice : board.choices(board.bases[b])) {
                checked.insert(Names(choice.offered));
                if (b == 0) checkedAtDefaults.insert(Names(choice.offered));
            }
        }
        for (const CardList& list : shown) EXPECT_TRUE(checked.count(list)) << "shown: " << Described(list);
        for (const CardList& list : checkedAtDefaults) EXPECT_TRUE(shown.count(list)) << "checked: " << Described(list);
    }
}

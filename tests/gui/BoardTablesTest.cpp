// The tests' two lists of boards, the one the card and port checks walk (EveryBoard) and the
// one the fuzz target and its seeds use (HeadlessBoards.h), each hold every board of the
// form factory that has a definition: a board left out of one would escape those checks.
#include <gtest/gtest.h>

#include <set>

#include "EveryBoard.h"
#include "HeadlessBoards.h"
#include "core/model/MainBoard.h"
#include "core/shell/UnitMain.h"

TEST(BoardTables, TestListsHoldEveryFactoryBoardWithADefinition)
{
    // Brindell's form is empty and Quimbel's controls do nothing: neither board has a definition.
    const std::set<uint8_t> withoutDefinition = {MAINBOARD_Brindell, MAINBOARD_Quimbel};
    std::set<uint8_t> factory;
    for (const BoardFormRow& row : BoardFormTable())
        if (!withoutDefinition.contains(row.id)) factory.insert(row.id);
    ASSERT_EQ(factory.size() + withoutDefinition.size(), BoardFormTable().size());

    std::set<uint8_t> walked;
    for (const boardtest::BoardUnderTest& board : boardtest::EveryBoard()) walked.insert(board.boardId);
    EXPECT_EQ(walked, factory);

    std::set<uint8_t> fuzzed;
    for (const headless::Board& board : headless::kBoards)
        EXPECT_TRUE(fuzzed.insert(board.id).second) << board.name << " twice";
    EXPECT_EQ(fuzzed, factory);
}

#include <gtest/gtest.h>

#include "CardCheck.h"
#include "core/model/DaughterBoard.h"
#include "core/model/MainBoard.h"
#include "core/settings/ConfigBaseAttach.h"
#include "platform/Errors.h"

using namespace cardtest;

namespace {

TConnector* AddGroup(TMainBoard& board, const char* name, uint8_t type, std::vector<std::pair<const char*, const char*>> pins,
                     int expansionId = 0, int32_t daughterId = -1)
{
    auto* c = new TConnector(name, "", type, daughterId);
    if (expansionId) {
        c->SetExpansion(1);
        c->SetExpansionId(expansionId);
    }
    for (auto [n, loc] : pins) c->AddPin(new TPin(n, loc, DIRECTION_INPUT, 8, 0));
    board.AddConnector(c);
    return c;
}

// The 40-pin header of a test board: positions 11, 12, 29, 30 carry no FPGA pin.
TConnector* AddGpioHeader(TMainBoard& board, int expansionId)
{
    auto* c = new TConnector("GPIO", "GPIO connect to GPIO Default", CONNECTOR_GPIO40, -1);
    c->SetExpansion(1);
    c->SetExpansionId(expansionId);
    for (int p = 1; p <= 40; ++p) {
        bool unwired = p == 11 || p == 12 || p == 29 || p == 30;
        c->AddPin(unwired ? nullptr
                          : new TPin("", "PIN" + std::to_string(p), DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER, 0));
    }
    board.AddConnector(c);
    return c;
}

}  // namespace

TEST(MainBoard, OnlyUlvarinIsSupported)
{
    for (int id = -1; id <= 300; ++id) EXPECT_EQ(IsSupportedBoard(id), id == 34) << id;
    EXPECT_EQ(std::size(kMainBoardIds), 37u);
}

TEST(MainBoard, StartsEmptyWithZeroRecordCopies)
{
    TMainBoard board;
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetFamily(), "");
    EXPECT_EQ(board.GetDevicePinCount(), 0);
    EXPECT_EQ(board.GetBoardId(), 0);
    EXPECT_EQ(board.m_pConfigBoard, nullptr);
    for (uint8_t b : board.m_PandrelConfig) ASSERT_EQ(b, 0);
    for (uint8_t b : board.m_AshvornConfig) ASSERT_EQ(b, 0);
    EXPECT_EQ(RecordInt32(board.m_SarnothConfig, 164), 0);
    EXPECT_THROW(board.GetConnector(0), platform::InternalError);
}

TEST(MainBoard, FindExpansionConnectorSkipsGroupsAndTakesTheFirst)
{
    TMainBoard board;
    auto* group = AddGroup(board, "KEY", CONNECTOR_NONE, {{"KEY[0]", "A1"}});
    group->SetExpansionId(16);  // an on-board group is never found, whatever its number
    auto* first = AddGroup(board, "GPIO_0", CONNECTOR_GPIO40, {}, 16);
    AddGroup(board, "GPIO_0b", CONNECTOR_GPIO40, {}, 16);
    EXPECT_EQ(board.FindExpansionConnector(16), first);
    EXPECT_EQ(board.FindExpansionConnector(17), nullptr);
}

TEST(MainBoard, IsLocationUsedIgnoresCaseAndInactivePins)
{
    TMainBoard board;
    auto* c = AddGroup(board, "CLOCK", CONNECTOR_NONE, {{"CLOCK_50", "AF14"}, {"X", "B2"}});
    c->GetPin(1)->SetDirection(DIRECTION_NONE);
    EXPECT_TRUE(board.IsLocationUsed("af14"));
    EXPECT_FALSE(board.IsLocationUsed("B2"));
    EXPECT_FALSE(board.IsLocationUsed("C3"));
}

TEST(MainBoard, GetHsmcPinCountsHsmcConnectorsAndFallsThroughEmptyEntries)
{
    TMainBoard board;
    AddGroup(board, "KEY", CONNECTOR_NONE, {{"KEY[0]", "A1"}});
    auto* a = new TConnector("HSMC_A", "", CONNECTOR_HSMC, -1);
    a->AddPin(new TPin("A1", "L1", DIRECTION_INOUT, 8, 0));
    a->AddPin(nullptr);
    board.AddConnector(a);
    auto* b = new TConnector("HSMC_B", "", CONNECTOR_HSMC, -1);
    b->AddPin(new TPin("B1", "M1", DIRECTION_INOUT, 8, 0));
    b->AddPin(new TPin("B2", "M2", DIRECTION_INOUT, 8, 0));
    board.AddConnector(b);
    EXPECT_EQ(board.GetHsmcPin(0, 1)->GetName(), "A1");
    EXPECT_EQ(board.GetHsmcPin(1, 1)->GetName(), "B1");
    EXPECT_EQ(board.GetHsmcPin(0, 2)->GetName(), "B2");
    EXPECT_EQ(board.GetHsmcPin(2, 1), nullptr);
    EXPECT_THROW(board.GetHsmcPin(0, 3), platform::InternalError);
}

TEST(MainBoard, SortSkipsFmcConnectorsUnlessTheirCardSorts)
{
    struct Case { uint8_t type; int32_t card; bool sorted; };
    const Case cases[] = {
        {CONNECTOR_NONE, -1, true},      {CONNECTOR_GPIO40, -1, true},    {CONNECTOR_HSMC, -1, true},
        {CONNECTOR_FMC_HPC, -1, false},  {CONNECTOR_FMC_LPC, -1, false},  {CONNECTOR_FMC_HPC, 40, false},
        {CONNECTOR_FMC_LPC, 47, false},  {CONNECTOR_FMC_HPC, 48, true},   {CONNECTOR_FMC_HPC, 39, true},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        auto* con = AddGroup(board, "C", c.type, {{"B", "1"}, {"A", "2"}}, 0, c.card);
        board.SortConnectorPins();
        EXPECT_EQ(con->GetPin(0)->GetName(), c.sorted ? "A" : "B") << int(c.type) << "/" << c.card;
    }
}

TEST(MainBoard, AttachGpioDefaultUnderAPrefix)
{
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Ulvarin;
    AddGroup(board, "KEY", CONNECTOR_NONE, {{"KEY[0]", "A1"}});
    TConnector* gpio = AddGpioHeader(board, EXPANSION_GPIO_0);
    board.AttachGpioCard(EXPANSION_GPIO_0, DAUGHTER_GPIO_DEFAULT, "MY_", "", 8);
    EXPECT_EQ(gpio->GetPinCount(), 40);
    EXPECT_EQ(gpio->GetActivePinCount(), 36);
    EXPECT_EQ(gpio->GetDaughterType(), CONNECTOR_GPIO40);
    EXPECT_EQ(At(*gpio, 1)->GetName(), "MY_GPIO[0]");
    EXPECT_EQ(At(*gpio, 1)->GetLocation(), "PIN1");
    EXPECT_EQ(At(*gpio, 1)->GetDirection(), DIRECTION_INOUT);
    EXPECT_EQ(At(*gpio, 1)->GetIoStandard(), 8);
    EXPECT_EQ(At(*gpio, 1)->GetPinIndex(), 1);
    EXPECT_EQ(At(*gpio, 13)->GetName(), "MY_GPIO[10]");
    EXPECT_EQ(At(*gpio, 40)->GetName(), "MY_GPIO[35]");
    EXPECT_EQ(At(*gpio, 11), nullptr);
    board.SortConnectorPins();
    EXPECT_EQ(At(*gpio, 2)->GetName(), "MY_GPIO[1]");
    EXPECT_EQ(At(*gpio, 11), nullptr);

    // the older forms' attach with a base name, on the second header
    TConnector* second = AddGpioHeader(board, EXPANSION_GPIO_1);
    TConfigBaseAttach::AttachGpioCard(&board, EXPANSION_GPIO_1, DAUGHTER_GPIO_DEFAULT_1V8, "", "GPIO_1", 8, 0);
    EXPECT_EQ(At(*second, 1)->GetName(), "GPIO[0]");  // card 82-84 ignore the base name
    EXPECT_EQ(At(*second, 1)->GetIoStandard(), 3);
}

TEST(MainBoard, AttachInvariantsAreInternalChecks)
{
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Ulvarin;
    AddGpioHeader(board, EXPANSION_GPIO_0);
    // a card of another type, a missing connector, a card without connector type
    EXPECT_THROW(board.AttachGpioCard(EXPANSION_GPIO_0, DAUGHTER_HSMC_DEFAULT, "", "", 8), platform::InternalError);
    EXPECT_THROW(board.AttachHsmcCard(EXPANSION_HSMC_A, DAUGHTER_HSMC_DEFAULT, ""), platform::InternalError);
    EXPECT_THROW(board.AttachGpioCard(EXPANSION_GPIO_0, 200, "", "", 8), platform::InternalError);
    // an 80-pin card on a 40-pin connector passes the type check but the copy is refused
    EXPECT_THROW(board.AttachGpioCard(EXPANSION_GPIO_0, DAUGHTER_Kobbet_GPIO, "", "", 8), platform::InternalError);
}

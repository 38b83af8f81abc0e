#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "core/model/DaughterBoard.h"
#include "core/model/MainBoard.h"

using namespace cardtest;

TEST(DaughterBoard, PresetsPerMainBoard)
{
    struct Case { int board; uint8_t io, xcvr, hsmc, computed, single, upper; };
    const Case cases[] = {
        {MAINBOARD_Harnix, 8, 36, 6, 0, 0, 0},     {MAINBOARD_Fennick, 8, 36, 6, 0, 0, 0},
        {MAINBOARD_Pellish, 8, 36, 6, 0, 0, 0},    {MAINBOARD_Orlenn, 8, 36, 6, 0, 0, 0},
        {MAINBOARD_Kavrin, 8, 36, 6, 0, 1, 1},     {MAINBOARD_Yastrel_X2, 39, 35, 6, 0, 1, 0},
        {MAINBOARD_Yastrel_X1, 39, 35, 3, 1, 1, 0}, {MAINBOARD_Corbanth, 39, 36, 6, 0, 1, 0},
        {MAINBOARD_Pandrel, 39, 35, 6, 1, 1, 0},   {MAINBOARD_Gorvath, 8, 36, 6, 0, 1, 1},
        {MAINBOARD_Ashvorn, 8, 36, 6, 0, 1, 1},    {MAINBOARD_Jorvale, 8, 36, 6, 0, 1, 1},
        {MAINBOARD_Plimmet, 8, 36, 6, 0, 1, 1},    {MAINBOARD_Vellani, 6, 36, 6, 0, 1, 0},
        {MAINBOARD_Ulvarin, 8, 36, 6, 0, 1, 1},    {MAINBOARD_Idrenne, 3, 52, 6, 0, 1, 0},
        {MAINBOARD_Tiverne, 8, 36, 6, 0, 1, 0},    {0, 8, 36, 6, 0, 1, 0},
    };
    for (const Case& c : cases) {
        TCardPresets p = CardPresets(c.board, 8);
        EXPECT_EQ(p.IoStd, c.io) << c.board;
        EXPECT_EQ(p.XcvrStd, c.xcvr) << c.board;
        EXPECT_EQ(p.HsmcStd, c.hsmc) << c.board;
        EXPECT_EQ(p.bComputedNames, c.computed) << c.board;
        EXPECT_EQ(p.bSingleBus, c.single) << c.board;
        EXPECT_EQ(p.bUpperCase, c.upper) << c.board;
    }
    EXPECT_EQ(CardPresets(MAINBOARD_Ulvarin, 6).IoStd, 6);  // the caller's default where no board rule
    EXPECT_EQ(CardPresets(MAINBOARD_Idrenne, 6).IoStd, 3);
}

TEST(DaughterBoard, CardsWithoutAMapGiveEmptyEntriesOfTheirConnector)
{
    struct Case { int card; int entries; uint8_t type; };
    const Case cases[] = {
        {DAUGHTER_NONE, 0, CONNECTOR_NONE},
        {DAUGHTER_Kelpin_DEFAULT, 180, CONNECTOR_Kelpin},
        {DAUGHTER_DDR2_SODIMM, 200, CONNECTOR_DDR2_SODIMM},
        {DAUGHTER_DDR3_SODIMM, 204, CONNECTOR_DDR3_SODIMM},
        {DAUGHTER_BBB_DEFAULT, 0, CONNECTOR_NONE},
        {75, 0, CONNECTOR_NONE},
        {DAUGHTER_DDR4_SODIMM_ECC, 0, CONNECTOR_MEMORY_MODULE},
        {94, 0, CONNECTOR_NONE},
        {255, 0, CONNECTOR_NONE},
    };
    for (const Case& c : cases) {
        auto d = BuildCard(static_cast<uint8_t>(c.card), MAINBOARD_Ulvarin);
        EXPECT_EQ(d->GetPinCount(), c.entries) << c.card;
        EXPECT_EQ(d->GetActivePinCount(), 0) << c.card;
        EXPECT_EQ(d->GetType(), c.type) << c.card;
    }
}

namespace {

// A board connector of `n` positions whose pins leave direction and standard to the card.
std::unique_ptr<TConnector> BoardConnector(uint8_t type, int n, const std::vector<int>& unwired = {})
{
    auto c = std::make_unique<TConnector>("GPIO", "", type, -1);
    c->SetExpansion(1);
    for (int p = 1; p <= n; ++p) {
        bool skip = std::find(unwired.begin(), unwired.end(), p) != unwired.end();
        c->AddPin(skip ? nullptr
                       : new TPin("", "L" + std::to_string(p), DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER, 0));
    }
    return c;
}

// A card of `n` positions with a pin on each listed position.
std::unique_ptr<TDaughterBoard> Card(uint8_t type, int n, const std::vector<int>& positions)
{
    auto d = std::make_unique<TDaughterBoard>();
    for (int p = 1; p <= n; ++p) {
        bool has = std::find(positions.begin(), positions.end(), p) != positions.end();
        d->AddPin(has ? new TPin("S" + std::to_string(p), DIRECTION_OUTPUT, 6, p, p == 2 ? 1 : 0) : nullptr);
    }
    d->SetType(type);
    return d;
}

}  // namespace

TEST(DaughterBoard, CopyKeepsLocationAndTakesNamePrefixAndCardData)
{
    auto board = BoardConnector(CONNECTOR_GPIO40, 40, {5});
    auto card = Card(CONNECTOR_GPIO40, 40, {1, 2, 5});
    card->GetPin(0)->SetClockPeriod(20);
    card->GetPin(0)->SetBank("B");
    ASSERT_TRUE(card->UpdateMasterConnector(board.get(), "HSMC_"));
    const TPin* p1 = At(*board, 1);
    EXPECT_EQ(p1->GetName(), "HSMC_S1");
    EXPECT_EQ(p1->GetLocation(), "L1");
    EXPECT_EQ(p1->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(p1->GetIoStandard(), 6);
    EXPECT_EQ(p1->GetPinIndex(), 1);
    EXPECT_EQ(p1->GetClockPeriod(), 20);
    EXPECT_EQ(p1->GetBank(), "B");
    EXPECT_EQ(At(*board, 2)->GetFlag(), 1);
    EXPECT_EQ(At(*board, 5), nullptr);                          // card pin opposite an unwired position is dropped
    EXPECT_EQ(At(*board, 3)->GetDirection(), DIRECTION_NONE);   // empty card position switches the pin off
    EXPECT_EQ(At(*board, 3)->GetLocation(), "L3");
    EXPECT_EQ(board->GetActivePinCount(), 2);
    EXPECT_EQ(board->GetDaughterType(), CONNECTOR_GPIO40);

    auto plain = BoardConnector(CONNECTOR_GPIO40, 40);
    ASSERT_TRUE(card->UpdateMasterConnector(plain.get(), ""));
    EXPECT_EQ(At(*plain, 1)->GetName(), "S1");
}

TEST(DaughterBoard, BoardPinsKeepTheirOwnDirectionOrStandardEachByItself)
{
    auto board = BoardConnector(CONNECTOR_GPIO40, 40);
    board->GetPin(0)->SetDirection(DIRECTION_INPUT);   // fixed direction, standard from the card
    board->GetPin(1)->SetIoStandard(21);               // fixed standard, direction from the card
    board->GetPin(2)->SetDirection(DIRECTION_NONE);    // a board pin switched off stays off
    auto card = Card(CONNECTOR_GPIO40, 40, {1, 2, 3});
    ASSERT_TRUE(card->UpdateMasterConnector(board.get(), "P_"));
    EXPECT_EQ(At(*board, 1)->GetDirection(), DIRECTION_INPUT);
    EXPECT_EQ(At(*board, 1)->GetIoStandard(), 6);
    EXPECT_EQ(At(*board, 2)->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(At(*board, 2)->GetIoStandard(), 21);
    EXPECT_EQ(At(*board, 3)->GetDirection(), DIRECTION_NONE);
    EXPECT_EQ(At(*board, 3)->GetName(), "P_S3");
}

namespace {

std::string Describe(const TPin& p)
{
    return p.GetName() + "|" + p.GetLocation() + "|" + std::to_string(p.GetDirection()) + "|" +
           std::to_string(p.GetIoStandard()) + "|" + std::to_string(p.IsClock()) + "|" + p.GetFrequency();
}

}  // namespace

// Board entries that no card entry faces: a placeholder drops out, a pin with data of its own
// (a socket's reference clock, the fixed pins after an FMC connector's positions) stays.
TEST(DaughterBoard, BoardEntriesPastTheCardDropOutOnlyWhereTheyWaitForTheCard)
{
    struct Case {
        const char* label;
        uint8_t boardType;
        int positions;  // placeholders, one per position
        std::function<std::unique_ptr<TDaughterBoard>()> card;
        std::vector<TPin> after;  // board pins after the positions
        std::vector<bool> kept;   // whether each keeps its data; otherwise it drops out
        int copied;               // card pins the board takes; -1 for all of them
    };
    auto ddr3 = [] {
        auto d = std::make_unique<TDaughterBoard>();
        d->BuildDdr3SodimmArria10(1, 0, 0);
        return d;
    };
    auto ddr4 = [] {
        auto d = std::make_unique<TDaughterBoard>();
        d->BuildDdr4Sodimm(1, 40, 40, 0);
        return d;
    };
    std::vector<int> all;
    for (int p = 1; p <= 160; ++p) all.push_back(p);
    const TPin placeholder("", "X1", DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER, 0);
    const Case cases[] = {
        {"DDR3 socket, reference clock as entry 205", CONNECTOR_DDR3_SODIMM, 204, ddr3,
         {TPin("DDR3A_REFCLK_p", "AV33", DIRECTION_INPUT, 21, 266.666f)}, {true}, -1},
        {"DDR4 socket, reference clock as entry 261", CONNECTOR_DDR4_SODIMM, 260, ddr4,
         {TPin("DDR4A_REFCLK_p", "AV33", DIRECTION_INPUT, 21, 266.666f)}, {true}, -1},
        {"FMC connector with two fixed pins after position 400", CONNECTOR_FMC_HPC, 400,
         [] { return BuildCard(DAUGHTER_FMC_HPC_VITA, MAINBOARD_Idrenne); },
         {TPin("FMC_REFCLK_p", "T31", DIRECTION_INPUT, 21, 0), TPin("FMC_RZQ", "H9", DIRECTION_INPUT, 3, 0)},
         {true, true}, -1},
        {"FMC LPC card on the same connector", CONNECTOR_FMC_HPC, 400,
         [] { return BuildCard(DAUGHTER_FMC_LPC_VITA, MAINBOARD_Idrenne); },
         {TPin("FMC_REFCLK_p", "T31", DIRECTION_INPUT, 21, 0), placeholder}, {true, false}, -1},
        {"card shorter than the connector", CONNECTOR_Kelpin, 160,
         [] { return Card(CONNECTOR_Kelpin, 160, {1, 160}); },
         {placeholder, TPin("A", "X2", DIRECTION_INPUT, IOSTD_FROM_DAUGHTER, 0),
          TPin("", "X3", DIRECTION_FROM_DAUGHTER, 21, 0), TPin("B", "X4", DIRECTION_INPUT, 21, 0), placeholder},
         {false, false, false, true, false}, -1},
        {"HSMC card on a Kelpin connector with a pin after its 180 positions", CONNECTOR_Kelpin, 180,
         [&] { return Card(CONNECTOR_HSMC, 160, all); },
         {TPin("K_CLK", "X5", DIRECTION_INPUT, 8, 50), placeholder}, {true, false}, 83},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto board = BoardConnector(c.boardType, c.positions);
        for (const TPin& pin : c.after) board->AddPin(new TPin(pin));
        auto card = c.card();
        ASSERT_TRUE(card->UpdateMasterConnector(board.get(), "M_"));
        int kept = 0;
        for (std::size_t i = 0; i < c.after.size(); ++i) {
            const TPin* pin = At(*board, c.positions + static_cast<int>(i) + 1);
            if (c.kept[i]) {
                EXPECT_EQ(Describe(*pin), Describe(c.after[i])) << i;
                ++kept;
            } else {
                EXPECT_EQ(pin->GetDirection(), DIRECTION_NONE) << i;
            }
        }
        EXPECT_EQ(board->GetActivePinCount(), (c.copied < 0 ? card->GetActivePinCount() : c.copied) + kept);
        EXPECT_GT(card->GetActivePinCount(), 0);
    }
}

TEST(DaughterBoard, HsmcCardOnKelpinGoesThroughThePositionMap)
{
    auto board = BoardConnector(CONNECTOR_Kelpin, 180, {4});
    std::vector<int> all;
    for (int p = 1; p <= 160; ++p) all.push_back(p);
    auto card = Card(CONNECTOR_HSMC, 160, all);
    ASSERT_TRUE(card->UpdateMasterConnector(board.get(), "K_"));
    int active = 0;
    for (int n = 1; n <= 180; ++n) {
        const TPin* pin = At(*board, n);
        if (!pin) continue;
        int k = KelpinToHsmcPin(n);
        if (k < 0) {
            EXPECT_EQ(pin->GetDirection(), DIRECTION_NONE) << n;
        } else {
            EXPECT_EQ(pin->GetName(), "K_S" + std::to_string(k)) << n;
            EXPECT_EQ(pin->GetLocation(), "L" + std::to_string(n)) << n;
            ++active;
        }
    }
    EXPECT_EQ(board->GetActivePinCount(), active);
    EXPECT_EQ(active, 82);  // 83 mapped positions, one of them unwired on this board
    EXPECT_EQ(board->GetDaughterType(), CONNECTOR_HSMC);
}

TEST(DaughterBoard, OtherPairsOfTypesAreRefusedButRecordTheCardType)
{
    struct Case { uint8_t card; uint8_t board; bool ok; };
    const Case cases[] = {
        {CONNECTOR_FMC_LPC, CONNECTOR_FMC_HPC, true}, {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC, false},
        {CONNECTOR_Kelpin, CONNECTOR_HSMC, false},    {CONNECTOR_GPIO80, CONNECTOR_GPIO40, false},
        {CONNECTOR_NONE, CONNECTOR_GPIO40, false},
    };
    for (const Case& c : cases) {
        auto board = BoardConnector(c.board, 8);
        auto card = Card(c.card, 8, {1});
        EXPECT_EQ(card->UpdateMasterConnector(board.get(), ""), c.ok) << int(c.card) << "/" << int(c.board);
        EXPECT_EQ(board->GetDaughterType(), c.card);
        if (!c.ok) EXPECT_EQ(At(*board, 1)->GetDirection(), DIRECTION_FROM_DAUGHTER);
    }
}

TEST(DaughterBoard, LongPrefixesAreKeptWhole)
{
    auto board = BoardConnector(CONNECTOR_GPIO40, 40);
    auto card = Card(CONNECTOR_GPIO40, 40, {1});
    std::string prefix(127, 'P');
    ASSERT_TRUE(card->UpdateMasterConnector(board.get(), prefix));
    EXPECT_EQ(At(*board, 1)->GetName(), prefix + "S1");
}

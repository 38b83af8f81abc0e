// FMC cards attached to a board with one HPC and one LPC connector.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "GenerateEnv.h"
#include "CardCheck.h"
#include "ProjectCheck.h"
#include "RecordSettings.h"
#include "ToolCheck.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/MainBoard.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardtest::At;
using cardtest::BuildCard;

constexpr int32_t kHpc = EXPANSION_FMC_A;
constexpr int32_t kLpc = EXPANSION_FMC_B;

bool IsLpcPosition(int p) { return (p >= 81 && p <= 160) || (p >= 241 && p <= 320); }

// A location per connector pin of our own: the connector's letter, the row, the column.
std::string Location(char connector, int p)
{
    static const char rows[] = "ABCDEFGHJK";
    return platform::Format("%c%c%d", connector, rows[(p - 1) / 40], (p - 1) % 40 + 1);
}

// An FMC connector as a board definition lays it out: one entry per position, the LPC
// connector wiring rows C, D, G and H only; every pin takes the card's direction and standard.
TConnector* FmcConnector(uint8_t type, int32_t expansionId, char letter)
{
    auto* c = new TConnector(type == CONNECTOR_FMC_HPC ? "FMC HPC" : "FMC LPC", "FMC", type, -1);
    c->SetExpansion(1);
    c->SetExpansionId(expansionId);
    for (int p = 1; p <= 400; ++p) {
        if (type == CONNECTOR_FMC_LPC && !IsLpcPosition(p)) c->AddPin(nullptr);
        else c->AddPin(new TPin("FMC", Location(letter, p), DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER, 0));
    }
    return c;
}

// A board definition adds an expansion connector only when a card sits on it: a project
// leaves out the LPC connector when it stays empty.
std::unique_ptr<TMainBoard> FmcBoard(uint8_t boardId, bool withLpc = true)
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = boardId;
    board->AddConnector(FmcConnector(CONNECTOR_FMC_HPC, kHpc, 'H'));
    if (withLpc) board->AddConnector(FmcConnector(CONNECTOR_FMC_LPC, kLpc, 'L'));
    return board;
}

const uint8_t kFmcCards[] = {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 76};

// Every board pin carries the card's pin of its position under the prefix, at its own
// location, or drops out where the card has nothing.
void CheckAttached(const TConnector& conn, const TDaughterBoard& card, const std::string& prefix, char letter)
{
    int expectedActive = 0;
    for (int p = 1; p <= 400; ++p) {
        SCOPED_TRACE("position " + std::to_string(p));
        const TPin* boardPin = At(conn, p);
        const TPin* cardPin = At(card, p);
        if (!boardPin) {
            EXPECT_FALSE(IsLpcPosition(p));
            continue;
        }
        EXPECT_EQ(boardPin->GetLocation(), Location(letter, p));
        if (!cardPin) {
            EXPECT_FALSE(boardPin->IsActive());
            continue;
        }
        ++expectedActive;
        EXPECT_EQ(boardPin->GetName(), prefix + cardPin->GetName());
        EXPECT_EQ(boardPin->GetDirection(), cardPin->GetDirection());
        EXPECT_EQ(boardPin->GetIoStandard(), cardPin->GetIoStandard());
        EXPECT_EQ(boardPin->GetPinIndex(), p);
    }
    EXPECT_EQ(conn.GetActivePinCount(), expectedActive);
    std::set<std::string> names;
    for (int i = 0; i < conn.GetPinCount(); ++i) {
        const TPin* pin = conn.GetPin(i);
        if (pin && pin->IsActive()) EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName();
    }
}

TEST(FmcBoard, EveryCardReachesTheConnectorsItFits)
{
    for (uint8_t boardId : {MAINBOARD_Ulvarin, MAINBOARD_Vellani}) {
        for (uint8_t cardId : kFmcCards) {
            SCOPED_TRACE("card " + std::to_string(cardId) + " board " + std::to_string(boardId));
            auto card = BuildCard(cardId, boardId);
            const bool lpcCard = BoardConnectorType(cardId) == CONNECTOR_FMC_LPC;

            auto hpcBoard = FmcBoard(boardId);
            hpcBoard->AttachFmcCard(kHpc, cardId, "FMC_");
            const TConnector& hpc = *hpcBoard->FindExpansionConnector(kHpc);
            CheckAttached(hpc, *card, "FMC_", 'H');
            // every signal of the card finds a pin on a full connector
            EXPECT_EQ(hpc.GetActivePinCount(), card->GetActivePinCount());
            EXPECT_EQ(hpc.GetDaughterType(), BoardConnectorType(cardId));

            if (!lpcCard) continue;
            auto lpcBoard = FmcBoard(boardId);
            lpcBoard->AttachFmcCard(kLpc, cardId, "");
            CheckAttached(*lpcBoard->FindExpansionConnector(kLpc), *card, "", 'L');
        }
    }
}

TEST(FmcBoard, LpcConnectorCarriesTheLpcRowsOfACard)
{
    // Rows A, B, E, F, J and K are not on an LPC connector: the Vossil card loses its lanes 1
    // to 3 and one reference clock there, the Brasket and Wyrsel cards their pins in rows E,
    // F, J and K.
    struct Case {
        uint8_t card;
        int onLpc;
    };
    const Case cases[] = {{DAUGHTER_FMC_LPC_VITA, 81},   {DAUGHTER_FMC_LPC_ALTERA, 76},
                          {DAUGHTER_FMC_LPC_ALTERA_XCVR, 81}, {DAUGHTER_FMC_Vossil, 29},
                          {DAUGHTER_Ferrund_FMC, 68},    {DAUGHTER_FMC_Brasket, 71},
                          {DAUGHTER_FMC_Wyrsel, 73}};
    for (const Case& c : cases) {
        auto board = FmcBoard(MAINBOARD_Ulvarin);
        board->AttachFmcCard(kLpc, c.card, "X_");
        EXPECT_EQ(board->FindExpansionConnector(kLpc)->GetActivePinCount(), c.onLpc) << int(c.card);
        EXPECT_EQ(board->FindExpansionConnector(kHpc)->GetDaughterType(), 0) << int(c.card);
    }
}

TEST(FmcBoard, HpcCardDoesNotFitAnLpcConnector)
{
    for (uint8_t cardId : {DAUGHTER_FMC_HPC_VITA, DAUGHTER_FMC_Dortle, DAUGHTER_FMC_TI_ADC34J45}) {
        auto board = FmcBoard(MAINBOARD_Ulvarin);
        EXPECT_THROW(board->AttachFmcCard(kLpc, cardId, ""), platform::InternalError) << int(cardId);
    }
}

// One project per card and main board: the card on the HPC connector and, when it fits, on
// the LPC connector too, each under a prefix of its own.
using FmcProjectParam = std::tuple<uint8_t, uint8_t, bool>;  // card, main board, VHDL

class FmcCardProject : public ::testing::TestWithParam<FmcProjectParam> {};

TEST_P(FmcCardProject, AcceptedByTheTools)
{
    const auto [cardId, boardId, vhdl] = GetParam();
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    // The writers read the main board's settings object: Ulvarin's device choices, Vellani's
    // extra text. Every byte zero: this board carries no device and no extra text.
    tooltest::RecordSettings settings(416);
    const bool lpcCard = BoardConnectorType(cardId) == CONNECTOR_FMC_LPC;
    auto board = FmcBoard(boardId, lpcCard);
    board->m_pConfigBoard = &settings;
    board->AttachFmcCard(kHpc, cardId, "HPC_");
    if (lpcCard) board->AttachFmcCard(kLpc, cardId, "LPC_");
    const std::string file = dir.Path() + "fmc.qpf";
    ASSERT_TRUE(TSystemBuild().Generate(*board, file, vhdl));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    tooltest::ExpectProjectAccepted(*board, file, vhdl);
}

std::string FmcProjectName(const ::testing::TestParamInfo<FmcProjectParam>& info)
{
    return "Card" + std::to_string(std::get<0>(info.param)) + "_Board" + std::to_string(std::get<1>(info.param)) +
           (std::get<2>(info.param) ? "_Vhdl" : "_Verilog");
}

// Vellani names card 40 from the plain table and gives the cards its 2.5 V standard.
INSTANTIATE_TEST_SUITE_P(EveryCard, FmcCardProject,
                         ::testing::Combine(::testing::ValuesIn(kFmcCards),
                                            ::testing::Values(MAINBOARD_Ulvarin, MAINBOARD_Vellani),
                                            ::testing::Bool()),
                         FmcProjectName);

}  // namespace

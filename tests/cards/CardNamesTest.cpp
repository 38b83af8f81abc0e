// Every signal name a card or memory module makes must pass Generate's pin-name check in
// both top-file languages, alone and after a prefix, on every main board; otherwise a
// user would be told to change a prefix that is not at fault.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"

namespace {

constexpr int kMainBoards[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                               20, 21, 22, 23, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35, 50, 100, 101};

// The names of `card` that the check would refuse, each with what it was built as.
void CollectRefused(const std::string& label, const TConnector& card, std::vector<std::string>& refused)
{
    for (int i = 0; i < card.GetPinCount(); ++i) {
        const TPin* pin = card.GetPin(i);
        if (!pin || pin->GetName().empty()) continue;
        // Ruskel's GPIO Default card makes only suffixes ("_IN[0]", "[0]") that its form's
        // default prefix "GPIO" completes.
        const std::string& own = pin->GetName();
        bool suffix = own[0] == '_' || own[0] == '[';
        for (const char* prefix : suffix ? std::vector<const char*>{"GPIO"} : std::vector<const char*>{"", "P_"}) {
            std::string name = prefix + own;
            for (bool vhdl : {false, true})
                if (!IsValidPinName(name) || !IsValidPortName(name, vhdl))
                    refused.push_back(label + ": " + name + (vhdl ? " (VHDL)" : " (Verilog)"));
        }
    }
}

}  // namespace

TEST(CardNames, EveryCardNameSuitsBothLanguages)
{
    std::vector<std::string> refused;
    int namesSeen = 0;
    auto check = [&](const std::string& label, const TConnector& card) {
        for (int i = 0; i < card.GetPinCount(); ++i) namesSeen += card.GetPin(i) != nullptr;
        CollectRefused(label, card, refused);
    };
    for (int board : kMainBoards) {
        for (int id = 1; id < DAUGHTER_ID_COUNT; ++id) {
            std::string label = "card " + std::to_string(id) + " on board " + std::to_string(board);
            check(label, *cardtest::BuildCard(static_cast<uint8_t>(id), board));
            if (id == DAUGHTER_GPIO_DEFAULT)
                for (const char* base : {"GPIO_0", "GPIO_1"})
                    check(label + " as " + base, *cardtest::BuildCard(static_cast<uint8_t>(id), board, 0, 8, base));
        }
    }
    const std::function<void(TDaughterBoard&)> modules[] = {
        [](TDaughterBoard& d) { d.BuildDdr2Sodimm(1, 0, 0); },
        [](TDaughterBoard& d) { d.BuildDdr3SodimmStratixIV(1, 0, 0); },
        [](TDaughterBoard& d) { d.BuildDdr3SodimmStratixV(1, 0, 0); },
        [](TDaughterBoard& d) { d.BuildDdr3SodimmArria10(1, 0, 0); },
        [](TDaughterBoard& d) { d.BuildDdr4Sodimm(1, 40, 40, 1); },
    };
    for (std::size_t m = 0; m < std::size(modules); ++m) {
        TDaughterBoard module;
        modules[m](module);
        check("memory module " + std::to_string(m), module);
    }
    EXPECT_GT(namesSeen, 100000);  // the maps did run: about 90 cards on 37 boards
    EXPECT_TRUE(refused.empty()) << refused.size() << " refused, first: " << refused.front();
}

#include <gtest/gtest.h>

#include <vector>

#include "core/settings/PrefixCheck.h"

namespace {

const char* const kGpio01 =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";
const char* const kHsmcAB =
    "HSMC-A and HSMC-B cannot have the same prefix name when both connect to the same type of daughter boards.";
const char* const kHsmcAC =
    "HSMC-A and HSMC-C cannot have the same prefix name when both connect to the same type of daughter boards.";
const char* const kHsmcBD =
    "HSMC-B and HSMC-D cannot have the same prefix name when both connect to the same type of daughter boards.";
const char* const kFmcAB =
    "FMC-A and FMC-B cannot have the same prefix name when both connect to the same type of daughter boards.";

using Check = bool (*)(int32_t, const uint8_t[], const std::string[], std::string&);

struct PrefixCase {
    const char* what;
    Check check;
    std::vector<uint8_t> cards;
    std::vector<std::string> prefixes;
    const char* message;  // nullptr: no conflict
};

}  // namespace

TEST(PrefixCheck, FirstConflictingPairIsNamed)
{
    const std::string longA = std::string(127, 'p') + "A";
    const std::string longB = std::string(127, 'p') + "B";
    const PrefixCase cases[] = {
        {"one header", CheckGpioPrefixNames, {1}, {""}, nullptr},
        {"default card, empty prefixes", CheckGpioPrefixNames, {1, 1}, {"", ""}, kGpio01},
        {"same card, same prefix", CheckGpioPrefixNames, {12, 12}, {"CAM_", "CAM_"}, kGpio01},
        {"two-header card exempt", CheckGpioPrefixNames, {11, 11}, {"K_", "K_"}, nullptr},
        {"different cards", CheckGpioPrefixNames, {1, 12}, {"X_", "X_"}, nullptr},
        {"no card", CheckGpioPrefixNames, {0, 0}, {"", ""}, nullptr},
        {"case matters", CheckHsmcPrefixNames, {2, 2}, {"HSMC_", "hsmc_"}, nullptr},
        {"A, B and C alike", CheckHsmcPrefixNames, {2, 2, 2}, {"H_", "H_", "H_"}, kHsmcAB},
        {"A and C around another card", CheckHsmcPrefixNames, {2, 6, 2}, {"H_", "H_", "H_"}, kHsmcAC},
        {"empty port between", CheckHsmcPrefixNames, {0, 7, 0, 7}, {"", "E", "", "E"}, kHsmcBD},
        {"no exemption on HSMC", CheckHsmcPrefixNames, {11, 11}, {"", ""}, kHsmcAB},
        {"FMC ports", CheckFmcPrefixNames, {40, 40}, {"", ""}, kFmcAB},
        {"FMC different prefixes", CheckFmcPrefixNames, {40, 40}, {"A_", "B_"}, nullptr},
        {"alike as stored (127 bytes)", CheckGpioPrefixNames, {1, 1}, {longA, longB}, kGpio01},
    };
    for (const PrefixCase& c : cases) {
        std::string message = "untouched";
        bool passes = c.check(static_cast<int32_t>(c.cards.size()), c.cards.data(), c.prefixes.data(), message);
        EXPECT_EQ(passes, c.message == nullptr) << c.what;
        EXPECT_EQ(message, c.message ? c.message : "untouched") << c.what;
    }
}

// The Kelpin connectors carry their board's names; the first conflicting pair is named, an
// HSMC card on two of them conflicts like a Kelpin card, and no card never does.
TEST(PrefixCheck, KelpinConnectorsAreNamedByTheirBoard)
{
    const char* const wembrel[] = {"Kelpin23", "Kelpin1"};
    const char* const orlenn[] = {"Kelpin-A", "Kelpin-B", "Kelpin-C", "Kelpin-D"};
    struct Case {
        const char* const* names;
        std::vector<uint8_t> cards;
        std::vector<std::string> prefixes;
        const char* message;
    };
    const Case cases[] = {
        {wembrel, {15, 15}, {"", ""},
         "Kelpin23 and Kelpin1 cannot have the same prefix name when both connect to the same type of daughter "
         "boards."},
        {wembrel, {6, 6}, {"A_", "B_"}, nullptr},
        {wembrel, {0, 0}, {"", ""}, nullptr},
        {orlenn, {0, 20, 20, 20}, {"", "L_", "L_", "L_"},
         "Kelpin-B and Kelpin-C cannot have the same prefix name when both connect to the same type of daughter "
         "boards."},
        {orlenn, {6, 7, 8, 6}, {"", "", "", ""},
         "Kelpin-A and Kelpin-D cannot have the same prefix name when both connect to the same type of daughter "
         "boards."},
    };
    for (const Case& c : cases) {
        std::string message = "untouched";
        const bool passes = CheckKelpinPrefixNames(static_cast<int32_t>(c.cards.size()), c.cards.data(),
                                                   c.prefixes.data(), c.names, message);
        EXPECT_EQ(passes, c.message == nullptr) << c.names[0] << " " << int{c.cards[0]};
        EXPECT_EQ(message, c.message ? c.message : "untouched");
    }
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/GpioPairing.h"

namespace {

constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

std::string Show(const GpioHeaderState& h)
{
    return std::to_string(h.entry) + "/" + std::to_string(h.card) + "/'" + h.prefix + "'/" +
           (h.enabled ? "free" : "locked");
}

}  // namespace

TEST(GpioPairing, WhatThePickOnOneHeaderDoesToBoth)
{
    struct Case {
        const char* what;
        int acting;
        GpioHeaderState before[2];
        GpioHeaderState after[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-1 mirrors it with GPIO-1's prefix and locks GPIO-0",
         1,
         {{1, 1, "A_", true}, {2, k80Pin, "K_", true}},
         {{2, k80Pin, "K_", false}, {2, k80Pin, "K_", true}}},
        {"80-pin card on GPIO-0 locks GPIO-1",
         0,
         {{2, k80Pin, "", true}, {0, 0, "typed", true}},
         {{2, k80Pin, "", true}, {2, k80Pin, "", false}}},
        {"a 40-pin card frees the other header and clears the 80-pin card it still shows",
         1,
         {{2, k80Pin, "K_", false}, {1, 1, "K_", true}},
         {{0, 0, "", true}, {1, 1, "K_", true}}},
        {"None frees the other header the same way",
         1,
         {{2, k80Pin, "K_", false}, {0, 0, "K_", true}},
         {{0, 0, "", true}, {0, 0, "K_", true}}},
        {"a 40-pin card leaves the other header's own card and prefix",
         0,
         {{3, 12, "CAM_", true}, {1, 1, "G_", false}},
         {{3, 12, "CAM_", true}, {1, 1, "G_", true}}},
        // A record with the 80-pin card on GPIO-0, loaded while GPIO-1's earlier 80-pin
        // choice had locked GPIO-0: the acting header is freed, so one header stays usable.
        {"the acting header is always freed",
         0,
         {{2, k80Pin, "L_", false}, {2, k80Pin, "K_", true}},
         {{2, k80Pin, "L_", true}, {2, k80Pin, "L_", false}}},
    };
    for (const Case& c : cases) {
        GpioHeaderState headers[2] = {c.before[0], c.before[1]};
        PairGpioHeaders(headers, c.acting);
        for (int h = 0; h < 2; ++h) EXPECT_EQ(Show(headers[h]), Show(c.after[h])) << c.what << ", GPIO-" << h;
    }
}

// The sequence that used to lock both headers for good: the 80-pin card picked on GPIO-1,
// then a record with it on GPIO-0 shown (which pairs from GPIO-0), then the user picks a
// 40-pin card on the header left free.
TEST(GpioPairing, NoSequenceLocksBothHeaders)
{
    GpioHeaderState headers[2];
    headers[1] = {2, k80Pin, "K_", true};
    PairGpioHeaders(headers, 1);
    ASSERT_FALSE(headers[0].enabled);

    headers[0].entry = 2;
    headers[0].card = k80Pin;
    headers[0].prefix = "L_";
    PairGpioHeaders(headers, 0);
    EXPECT_TRUE(headers[0].enabled);
    EXPECT_FALSE(headers[1].enabled);

    headers[0] = {1, DAUGHTER_GPIO_DEFAULT, "L_", headers[0].enabled};
    PairGpioHeaders(headers, 0);
    EXPECT_TRUE(headers[0].enabled);
    EXPECT_TRUE(headers[1].enabled);
    EXPECT_EQ(headers[1].card, DAUGHTER_NONE);
}

TEST(GpioPairing, DefaultPairIsTheGenericCardTwiceWithoutAnyPrefix)
{
    struct Case {
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        bool pair;
    };
    const Case cases[] = {
        {1, "", 1, "", true},   {1, " ", 1, "", false}, {1, "", 1, "G_", false},
        {1, "", 12, "", false}, {k80Pin, "", k80Pin, "", false}, {0, "", 0, "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsGpioDefaultPair(c.card0, c.prefix0, c.card1, c.prefix1), c.pair)
            << int(c.card0) << " '" << c.prefix0 << "' " << int(c.card1) << " '" << c.prefix1 << "'";
}

// A record read from a file is paired as a form pairs it when showing it, with the leader
// that form's loading has; a record the form wrote comes out byte for byte as it went in.
TEST(GpioPairing, RecordIsPairedWithTheGivenHeaderLeading)
{
    struct Case {
        const char* what;
        int leader;
        uint8_t cards[2];
        const char* prefixes[2];
        uint8_t pairedCards[2];
        const char* pairedPrefixes[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone", GPIO_0, {k80Pin, 0}, {"K_", ""}, {k80Pin, k80Pin}, {"K_", "K_"}},
        {"80-pin card on GPIO-0 over another card", GPIO_0, {k80Pin, 12}, {"", "S_"}, {k80Pin, k80Pin}, {"", ""}},
        {"80-pin card on GPIO-1 alone: taken off", GPIO_0, {0, k80Pin}, {"", "K_"}, {0, 0}, {"", ""}},
        {"80-pin card on GPIO-1 beside GPIO Default: taken off", GPIO_0, {1, k80Pin}, {"G_", "K_"}, {1, 0},
         {"G_", ""}},
        {"a paired record stays", GPIO_0, {k80Pin, k80Pin}, {"K_", "K_"}, {k80Pin, k80Pin}, {"K_", "K_"}},
        // As the form shows it: the follower takes the leader's prefix beside the card they share.
        {"the 80-pin card on both, two prefixes: GPIO-0's", GPIO_0, {k80Pin, k80Pin}, {"K_", "typed_"},
         {k80Pin, k80Pin}, {"K_", "K_"}},
        {"40-pin cards stay", GPIO_0, {1, 12}, {"", "S_"}, {1, 12}, {"", "S_"}},
        {"GPIO-1 leading: its 80-pin card taken to GPIO-0 with its prefix", GPIO_1, {1, k80Pin}, {"G_", "K_"},
         {k80Pin, k80Pin}, {"K_", "K_"}},
        {"GPIO-1 leading: an 80-pin card on GPIO-0 alone taken off", GPIO_1, {k80Pin, 0}, {"K_", ""}, {0, 0},
         {"", ""}},
        {"GPIO-1 leading: a paired record stays", GPIO_1, {k80Pin, k80Pin}, {"K_", "K_"}, {k80Pin, k80Pin},
         {"K_", "K_"}},
        {"GPIO-1 leading: the 80-pin card on both, two prefixes: GPIO-1's", GPIO_1, {k80Pin, k80Pin},
         {"K_", "typed_"}, {k80Pin, k80Pin}, {"typed_", "typed_"}},
    };
    for (const Case& c : cases) {
        uint8_t cards[2] = {c.cards[0], c.cards[1]};
        char prefixes[2][128];
        for (int h = 0; h < 2; ++h) {
            std::memset(prefixes[h], 0x7E, sizeof prefixes[h]);
            std::strcpy(prefixes[h], c.prefixes[h]);
        }
        char expected[2][128];
        std::memcpy(expected, prefixes, sizeof expected);
        for (int h = 0; h < 2; ++h) std::strcpy(expected[h], c.pairedPrefixes[h]);

        PairGpioRecord(cards, prefixes, c.leader);
        for (int h = 0; h < 2; ++h) EXPECT_EQ(cards[h], c.pairedCards[h]) << c.what << ", GPIO-" << h;
        // Only the text changes; the bytes after its NUL stay as the file had them.
        EXPECT_EQ(std::memcmp(prefixes, expected, sizeof expected), 0) << c.what;
    }
}

// The leader of a form that does not pair what it loads: the header that holds the 80-pin
// card alone, so the card is kept; GPIO-0 otherwise.
TEST(GpioPairing, StoredPairLeaderIsTheHeaderWithTheEightyPinCardAlone)
{
    struct Case {
        uint8_t card0, card1;
        int leader;
    };
    const Case cases[] = {
        {k80Pin, 0, GPIO_0}, {0, k80Pin, GPIO_1}, {1, k80Pin, GPIO_1},
        {k80Pin, 12, GPIO_0}, {k80Pin, k80Pin, GPIO_0}, {1, 12, GPIO_0}, {0, 0, GPIO_0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredPairLeader(c.card0, c.card1), c.leader) << int(c.card0) << " " << int(c.card1);
}

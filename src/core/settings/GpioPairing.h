#pragma once
// Two 40-pin GPIO headers side by side take one 80-pin card together. These decide what a
// form's pair of header controls shows after the user picks a card on one of them, without
// touching any control: the form reads its controls into the states and writes them back.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/Connector.h"  // GPIO_0, GPIO_1


// What the controls of one header show.
struct GpioHeaderState {
    int entry = 0;         // the card combo's entry
    uint8_t card = 0;      // the card at that entry
    std::string prefix;    // the prefix box's text
    bool enabled = true;   // whether the combo and the prefix box take input
};

// After a card was picked on header `acting` (0 or 1): an 80-pin card there is put on the
// other header too, with the acting header's prefix, and the other header is locked; any
// other card frees the other header and clears it when it still showed an 80-pin card. The
// acting header is always left free, so that a record loaded over a locked header cannot
// leave both locked.
void PairGpioHeaders(GpioHeaderState (&headers)[2], int acting);

// Both headers carry the generic GPIO card and neither has a prefix (blanks count as text):
// such a pair is named GPIO_0 and GPIO_1 and needs no prefix check.
bool IsGpioDefaultPair(uint8_t card0, std::string_view prefix0, uint8_t card1, std::string_view prefix1);

// The header that leads when a stored pair is shown or built by a form that does not pair
// what it loads: the one that holds an 80-pin card while the other does not, so that the card
// and its prefix stay and the other header follows them, as when the user picks the card
// there; header 0 when both hold one or neither does. Without it such a form would attach
// the 80-pin card to one 40-pin header.
int StoredPairLeader(uint8_t card0, uint8_t card1);

// A record's header fields (card ids and prefix texts) paired as a form pairs them when it
// shows a loaded record with header `leader` (0 or 1) leading: an 80-pin card on the leader
// is put on the other header too, with the leader's prefix (even where it held that card
// already); one on the other header alone is taken off. A record the form wrote is already
// paired and stays byte for byte as it is.
void PairGpioRecord(uint8_t (&cards)[2], char (&prefixes)[2][128], int leader);

#include "core/settings/GpioPairing.h"

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"
#include "core/settings/RecordText.h"

namespace {

bool SpansBothHeaders(uint8_t card) { return BoardConnectorType(card) == CONNECTOR_GPIO80; }

}  // namespace

void PairGpioHeaders(GpioHeaderState (&headers)[2], int acting)
{
    GpioHeaderState& leader = headers[acting == 0 ? 0 : 1];
    GpioHeaderState& other = headers[acting == 0 ? 1 : 0];
    leader.enabled = true;
    if (SpansBothHeaders(leader.card)) {
        other.entry = leader.entry;
        other.card = leader.card;
        other.prefix = leader.prefix;
        other.enabled = false;
        return;
    }
    other.enabled = true;
    if (SpansBothHeaders(other.card)) {
        other.entry = 0;
        other.card = DAUGHTER_NONE;
        other.prefix.clear();
    }
}

bool IsGpioDefaultPair(uint8_t card0, std::string_view prefix0, uint8_t card1, std::string_view prefix1)
{
    return card0 == DAUGHTER_GPIO_DEFAULT && card1 == DAUGHTER_GPIO_DEFAULT && prefix0.empty() && prefix1.empty();
}

int StoredPairLeader(uint8_t card0, uint8_t card1)
{
    return !SpansBothHeaders(card0) && SpansBothHeaders(card1) ? GPIO_1 : GPIO_0;
}

void PairGpioRecord(uint8_t (&cards)[2], char (&prefixes)[2][128], int leader)
{
    GpioHeaderState headers[2];
    for (int h = 0; h < 2; ++h) {
        headers[h].card = cards[h];
        headers[h].prefix = ReadRecordText(prefixes[h]);
    }
    PairGpioHeaders(headers, leader);
    // As the form writes its controls back: only what the pairing changed, so that a prefix it
    // leaves keeps its bytes.
    for (int h = 0; h < 2; ++h) {
        cards[h] = headers[h].card;
        if (headers[h].prefix != ReadRecordText(prefixes[h])) WriteRecordText(prefixes[h], headers[h].prefix);
    }
}

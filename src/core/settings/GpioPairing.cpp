#include "core/settings/GpioPairing.h"

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"

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

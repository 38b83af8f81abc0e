#include "core/settings/CardChoice.h"

#include <algorithm>
#include <utility>

#include "core/settings/ConfigShared.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"

std::vector<uint8_t> OfferedCards(uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass,
                                  bool fmcVoltageRule)
{
    uint8_t ids[256] = {};
    const int32_t count =
        configshared::BuildDaughterList(ids, connectorType, transceiversAllowed, voltageClass, fmcVoltageRule);
    return std::vector<uint8_t>(ids, ids + count);
}

CardChoice ChoiceOf(std::string connector, int32_t card, uint8_t connectorType, bool transceiversAllowed,
                    uint8_t voltageClass, bool fmcVoltageRule)
{
    return {std::move(connector), card, OfferedCards(connectorType, transceiversAllowed, voltageClass, fmcVoltageRule)};
}

std::vector<CardChoice> GpioHeaderChoices(const uint8_t (&cards)[2], uint8_t connectorType)
{
    return {ChoiceOf("GPIO-0", cards[0], connectorType), ChoiceOf("GPIO-1", cards[1], connectorType)};
}

std::string CardNameInMessage(int32_t card)
{
    const std::string name = card >= 0 && card <= 255 ? BoardName(static_cast<uint8_t>(card)) : std::string();
    return name.empty() ? platform::Format("Card %d", card) : name;
}

bool CheckCardChoices(std::span<const CardChoice> choices)
{
    for (const CardChoice& choice : choices) {
        if (std::ranges::find(choice.offered, choice.card) == choice.offered.end()) {
            platform::ErrorBox(CardNameInMessage(choice.card) + " is not in the card list of " + choice.connector +
                               "; choose another card.");
            return false;
        }
        const uint8_t card = static_cast<uint8_t>(choice.card);
        if (RefuseCardWithoutPinMap(std::span(&card, 1))) return false;
    }
    return true;
}

bool RefuseCardWithoutPinMap(std::span<const uint8_t> cards)
{
    for (uint8_t card : cards) {
        if (BoardHasPinMap(card)) continue;
        platform::ErrorBox(BoardName(card) + " has no pin map; choose another card.");
        return true;
    }
    return false;
}

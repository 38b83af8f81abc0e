#pragma once
// The cards a record names, checked before a project is made of it. A settings file can hold
// any id on any connector, while a definition takes only the cards its form's lists offer:
// Generate refuses any other by name rather than let it reach the definition.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cards/DaughterBoardInfo.h"

// One connector of a record: its card as stored and the card list its combo shows for that
// record ("None", id 0, first).
struct CardChoice {
    std::string connector;  // as the messages name it: "GPIO-0", "HSMC-B", "FMCC"
    int32_t card = 0;       // a byte or a 32-bit field, compared whole
    std::vector<uint8_t> offered;
};

// A combo box's list as a form builds it (configshared::BuildDaughterList); the FMC voltage
// rule is that of the settings classes' lists.
std::vector<uint8_t> OfferedCards(uint8_t connectorType, bool transceiversAllowed = false,
                                  uint8_t voltageClass = VOLTAGE_2V5, bool fmcVoltageRule = false);

// The connector's choice with that list.
CardChoice ChoiceOf(std::string connector, int32_t card, uint8_t connectorType, bool transceiversAllowed = false,
                    uint8_t voltageClass = VOLTAGE_2V5, bool fmcVoltageRule = false);

// The two headers of a pair, "GPIO-0" and "GPIO-1", each showing the list of that type.
std::vector<CardChoice> GpioHeaderChoices(const uint8_t (&cards)[2], uint8_t connectorType);

// A card as a message names it: its display name, or "Card <id>" for an id without one.
std::string CardNameInMessage(int32_t card);

// Generate's check of a record's cards in the form's connector order. The first card its list
// does not offer gets "<card> is not in the card list of <connector>; choose another card.", a
// listed card without a pin map "<card> has no pin map; choose another card."; false after the
// message.
bool CheckCardChoices(std::span<const CardChoice> choices);

// The pin-map refusal alone, over the cards a form shows: true when one was refused.
bool RefuseCardWithoutPinMap(std::span<const uint8_t> cards);

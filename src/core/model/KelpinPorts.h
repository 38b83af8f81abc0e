#pragma once
// The Kelpin connectors of the boards that have them: each built from its 180 locations when
// the record gives it a card, and its card attached as those boards' forms attach it. A board
// lists its ports once and passes them here with the record's cards.
#include <cstdint>
#include <span>
#include <string>

#include "core/model/MainBoard.h"

struct KelpinPort {
    const char* name;         // "Kelpin_1", "Kelpin-C"
    const char* description;  // with "%s" for the card's name: "Kelpin1 connect to %s"
    int32_t expansionId;
    std::span<const char* const> locations;  // 180, nullptr where a position carries no signal
};

// Adds the port's connector when `card`, a record's id as stored, is above 0: 180 positions
// of CONNECTOR_Kelpin, described with the name of the id's low byte.
void AddKelpinPort(TMainBoard& board, const KelpinPort& port, int32_t card);

// Attaches a card (above 0) to the port's connector: a Kelpin card position by position, an
// HSMC card through the Kelpin-to-HSMC map; built with no base name, 3.3-V LVTTL and variant 0.
void AttachKelpinCard(TMainBoard& board, const KelpinPort& port, uint8_t card, const std::string& prefix);

// The card a stored Kelpin id stands for on a form, which shows only the cards of its Kelpin
// list: any other value, whatever its low byte, is no card.
uint8_t ListedKelpinCard(int32_t stored);

#pragma once
// Wembrel (Cyclone III): its 404-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls. Kelpin 2
// and Kelpin 3 together make one 180-position connector, Kelpin 1 another.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct WEMBREL_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bGpio;    // the 10-pin PIO header
    uint8_t bDDR2;    // the DDR2 SO-DIMM socket
    uint8_t bPciBus;  // the PCI bridge local bus: stored and outlined only, no pins
    uint8_t nKelpin23DaughterId;
    char szKelpin23PrefixName[128];
    uint8_t Padding2;
    int32_t nKelpin1DaughterId;  // 32-bit, unlike the other card id
    char szKelpin1PrefixName[128];
};

static_assert(sizeof(WEMBREL_CONFIG) == 404);
static_assert(offsetof(WEMBREL_CONFIG, BoardId) == 0);
static_assert(offsetof(WEMBREL_CONFIG, Size) == 4);
static_assert(offsetof(WEMBREL_CONFIG, szProjectName) == 8);
static_assert(offsetof(WEMBREL_CONFIG, bOSC) == 136);
static_assert(offsetof(WEMBREL_CONFIG, bLED) == 137);
static_assert(offsetof(WEMBREL_CONFIG, bButton) == 138);
static_assert(offsetof(WEMBREL_CONFIG, bGpio) == 139);
static_assert(offsetof(WEMBREL_CONFIG, bDDR2) == 140);
static_assert(offsetof(WEMBREL_CONFIG, bPciBus) == 141);
static_assert(offsetof(WEMBREL_CONFIG, nKelpin23DaughterId) == 142);
static_assert(offsetof(WEMBREL_CONFIG, szKelpin23PrefixName) == 143);
static_assert(offsetof(WEMBREL_CONFIG, Padding2) == 271);
static_assert(offsetof(WEMBREL_CONFIG, nKelpin1DaughterId) == 272);
static_assert(offsetof(WEMBREL_CONFIG, szKelpin1PrefixName) == 276);

// Every byte zero, then the form's defaults: clock, LEDs and buttons ticked, no cards. The
// form's defaults leave BoardId and Size at 0; the form writes both before every save and
// every generation.
void DefaultConfig(WEMBREL_CONFIG& config);

// Fills an empty board with Wembrel's device, the ticked groups, then the DDR2 socket,
// "Kelpin_23" and "Kelpin_1" where ticked or given a card.
void BuildMainBoard_Wembrel(TMainBoard* board, const WEMBREL_CONFIG& Config);

// The definition and the cards attached as the form attaches them: the DDR2 module under
// "mem_", then the Kelpin 2/3 and Kelpin 1 cards. A card the form's list does not offer
// counts as none, as the form shows it. The record is not changed.
void BuildWembrelProjectBoard(TMainBoard& board, const WEMBREL_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> WembrelCardChoices(const WEMBREL_CONFIG& config);

// What the Wembrel form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateWembrelProject(const WEMBREL_CONFIG& config, const std::string& projectFile);

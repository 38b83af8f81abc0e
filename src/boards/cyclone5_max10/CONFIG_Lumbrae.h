#pragma once
// Lumbrae: Kestwin's twin with an HDMI transmitter. Its 404-byte settings record has Kestwin's
// size, with every field from the HDMI byte on one byte further; its definition and the
// headless pair its form's Generate runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct LUMBRAE_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bAdc;
    uint8_t bHps;
    uint8_t bArduino;
    uint8_t bHdmiTx;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Padding2[2];
};

static_assert(sizeof(LUMBRAE_CONFIG) == 404);
static_assert(offsetof(LUMBRAE_CONFIG, BoardId) == 0);
static_assert(offsetof(LUMBRAE_CONFIG, Size) == 4);
static_assert(offsetof(LUMBRAE_CONFIG, szProjectName) == 8);
static_assert(offsetof(LUMBRAE_CONFIG, bClock) == 136);
static_assert(offsetof(LUMBRAE_CONFIG, bLed) == 137);
static_assert(offsetof(LUMBRAE_CONFIG, bButton) == 138);
static_assert(offsetof(LUMBRAE_CONFIG, bSwitch) == 139);
static_assert(offsetof(LUMBRAE_CONFIG, bAdc) == 140);
static_assert(offsetof(LUMBRAE_CONFIG, bHps) == 141);
static_assert(offsetof(LUMBRAE_CONFIG, bArduino) == 142);
static_assert(offsetof(LUMBRAE_CONFIG, bHdmiTx) == 143);
static_assert(offsetof(LUMBRAE_CONFIG, nGpioDaughterId) == 144);
static_assert(offsetof(LUMBRAE_CONFIG, szGpioPrefixName) == 146);
static_assert(offsetof(LUMBRAE_CONFIG, szGpioPrefixName) + 128 == 274);
static_assert(offsetof(LUMBRAE_CONFIG, Padding2) == 402);

// Every byte zero, then the board's defaults: every group but the HPS, no card.
void DefaultConfig(LUMBRAE_CONFIG& Config);
LUMBRAE_CONFIG DefaultLumbraeConfig();

// Fills the board with Lumbrae's device, the ticked groups and the GPIO headers that have a
// card.
void BuildMainBoard_Lumbrae(TMainBoard* board, const LUMBRAE_CONFIG& Config);

// The definition with the header cards attached as the form attaches them; a card the form
// does not offer counts as none.
void BuildLumbraeProjectBoard(TMainBoard& board, const LUMBRAE_CONFIG& Config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> LumbraeCardChoices(const LUMBRAE_CONFIG& config);

// What the Lumbrae form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateLumbraeProject(const LUMBRAE_CONFIG& Config, const std::string& projectFile);

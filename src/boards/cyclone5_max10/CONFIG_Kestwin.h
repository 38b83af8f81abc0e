#pragma once
// Kestwin: its 404-byte settings record (also the format of its .cfg files), its definition
// and the headless pair its form's Generate runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct KESTWIN_CONFIG {
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
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Padding2[3];
};

static_assert(sizeof(KESTWIN_CONFIG) == 404);
static_assert(offsetof(KESTWIN_CONFIG, BoardId) == 0);
static_assert(offsetof(KESTWIN_CONFIG, Size) == 4);
static_assert(offsetof(KESTWIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(KESTWIN_CONFIG, bClock) == 136);
static_assert(offsetof(KESTWIN_CONFIG, bLed) == 137);
static_assert(offsetof(KESTWIN_CONFIG, bButton) == 138);
static_assert(offsetof(KESTWIN_CONFIG, bSwitch) == 139);
static_assert(offsetof(KESTWIN_CONFIG, bAdc) == 140);
static_assert(offsetof(KESTWIN_CONFIG, bHps) == 141);
static_assert(offsetof(KESTWIN_CONFIG, bArduino) == 142);
static_assert(offsetof(KESTWIN_CONFIG, nGpioDaughterId) == 143);
static_assert(offsetof(KESTWIN_CONFIG, szGpioPrefixName) == 145);
static_assert(offsetof(KESTWIN_CONFIG, szGpioPrefixName) + 128 == 273);
static_assert(offsetof(KESTWIN_CONFIG, Padding2) == 401);

// Every byte zero, then the board's defaults: every group but the HPS, no card.
void DefaultConfig(KESTWIN_CONFIG& Config);
KESTWIN_CONFIG DefaultKestwinConfig();

// Fills the board with Kestwin's device, the ticked groups and the GPIO headers that have a
// card.
void BuildMainBoard_Kestwin(TMainBoard* board, const KESTWIN_CONFIG& Config);

// The definition with the header cards attached as the form attaches them; a card the form
// does not offer counts as none.
void BuildKestwinProjectBoard(TMainBoard& board, const KESTWIN_CONFIG& Config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> KestwinCardChoices(const KESTWIN_CONFIG& config);

// What the Kestwin form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateKestwinProject(const KESTWIN_CONFIG& Config, const std::string& projectFile);

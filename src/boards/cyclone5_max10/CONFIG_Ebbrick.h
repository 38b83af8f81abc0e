#pragma once
// Ebbrick: its 404-byte settings record (also the format of its .cfg files), its definition
// and the headless pair its form's Generate runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"
#include "core/settings/GpioPairing.h"

struct EBBRICK_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bVga;
    uint8_t bSdram;
    uint8_t bSeg7;
    uint8_t bPs2;
    uint8_t bSdCard;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Padding2;
};

static_assert(sizeof(EBBRICK_CONFIG) == 404);
static_assert(offsetof(EBBRICK_CONFIG, BoardId) == 0);
static_assert(offsetof(EBBRICK_CONFIG, Size) == 4);
static_assert(offsetof(EBBRICK_CONFIG, szProjectName) == 8);
static_assert(offsetof(EBBRICK_CONFIG, bClock) == 136);
static_assert(offsetof(EBBRICK_CONFIG, bLed) == 137);
static_assert(offsetof(EBBRICK_CONFIG, bButton) == 138);
static_assert(offsetof(EBBRICK_CONFIG, bSwitch) == 139);
static_assert(offsetof(EBBRICK_CONFIG, bVga) == 140);
static_assert(offsetof(EBBRICK_CONFIG, bSdram) == 141);
static_assert(offsetof(EBBRICK_CONFIG, bSeg7) == 142);
static_assert(offsetof(EBBRICK_CONFIG, bPs2) == 143);
static_assert(offsetof(EBBRICK_CONFIG, bSdCard) == 144);
static_assert(offsetof(EBBRICK_CONFIG, nGpioDaughterId) == 145);
static_assert(offsetof(EBBRICK_CONFIG, szGpioPrefixName) == 147);
static_assert(offsetof(EBBRICK_CONFIG, szGpioPrefixName) + 128 == 275);
static_assert(offsetof(EBBRICK_CONFIG, Padding2) == 403);

// Every byte zero, then the board's defaults: every group, no card.
EBBRICK_CONFIG DefaultEbbrickConfig();

// Keeps a copy of the record in the board, then fills it with Ebbrick's device, the ticked
// groups and the GPIO headers that have a card (the joined "GPIO_0_1" for an 80-pin card).
void BuildMainBoard_Ebbrick(TMainBoard* board, const EBBRICK_CONFIG& Config);

// The definition with the header cards attached as the form attaches them. The headers are
// first paired as the form pairs a loaded record, so a record read from a file cannot ask
// for a joined connector without its second card.
void BuildEbbrickProjectBoard(TMainBoard& board, const EBBRICK_CONFIG& Config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> EbbrickCardChoices(const EBBRICK_CONFIG& config);

// What the Ebbrick form's Generate does after its dialogs: the board as above, written as a
// Verilog project. The record is taken as it stands otherwise (the form has set BoardId and
// Size).
bool GenerateEbbrickProject(const EBBRICK_CONFIG& Config, const std::string& projectFile);

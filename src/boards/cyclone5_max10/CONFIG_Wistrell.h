#pragma once
// Wistrell: its 408-byte settings record (also the format of its .cfg files), its definition
// and the headless pair its form's Generate runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct WISTRELL_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bVga;
    uint8_t bHdmiTx;
    uint8_t bDdr3;
    uint8_t bAudio;
    uint8_t bVideoIn;
    uint8_t bAdc;
    uint8_t bSeg7;
    uint8_t bIr;
    uint8_t bPs2;
    uint8_t bHps;
    uint8_t nGpioDaughterId;
    uint8_t Spare1;  // never read; kept as loaded
    char szGpioPrefixName[128];
    uint8_t Spare2[128];  // never read; kept as loaded
};

static_assert(sizeof(WISTRELL_CONFIG) == 408);
static_assert(offsetof(WISTRELL_CONFIG, BoardId) == 0);
static_assert(offsetof(WISTRELL_CONFIG, Size) == 4);
static_assert(offsetof(WISTRELL_CONFIG, szProjectName) == 8);
static_assert(offsetof(WISTRELL_CONFIG, bClock) == 136);
static_assert(offsetof(WISTRELL_CONFIG, bLed) == 137);
static_assert(offsetof(WISTRELL_CONFIG, bButton) == 138);
static_assert(offsetof(WISTRELL_CONFIG, bSwitch) == 139);
static_assert(offsetof(WISTRELL_CONFIG, bVga) == 140);
static_assert(offsetof(WISTRELL_CONFIG, bHdmiTx) == 141);
static_assert(offsetof(WISTRELL_CONFIG, bDdr3) == 142);
static_assert(offsetof(WISTRELL_CONFIG, bAudio) == 143);
static_assert(offsetof(WISTRELL_CONFIG, bVideoIn) == 144);
static_assert(offsetof(WISTRELL_CONFIG, bAdc) == 145);
static_assert(offsetof(WISTRELL_CONFIG, bSeg7) == 146);
static_assert(offsetof(WISTRELL_CONFIG, bIr) == 147);
static_assert(offsetof(WISTRELL_CONFIG, bPs2) == 148);
static_assert(offsetof(WISTRELL_CONFIG, bHps) == 149);
static_assert(offsetof(WISTRELL_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(WISTRELL_CONFIG, Spare1) == 151);
static_assert(offsetof(WISTRELL_CONFIG, szGpioPrefixName) == 152);
static_assert(offsetof(WISTRELL_CONFIG, Spare2) == 280);

// Every byte zero, then the board's defaults: every group but the HPS, no card.
WISTRELL_CONFIG DefaultWistrellConfig();

// Keeps a copy of the record in the board, then fills it with Wistrell's device, the ticked
// groups and the GPIO header when it has a card chosen.
void BuildMainBoard_Wistrell(TMainBoard* board, const WISTRELL_CONFIG& Config);

// The definition with the header's card attached as the form attaches it.
void BuildWistrellProjectBoard(TMainBoard& board, const WISTRELL_CONFIG& Config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> WistrellCardChoices(const WISTRELL_CONFIG& config);

// What the Wistrell form's Generate does after its dialogs: the board as above, written as a
// Verilog project. The record is taken as it stands (the form has set BoardId and Size).
bool GenerateWistrellProject(const WISTRELL_CONFIG& Config, const std::string& projectFile);

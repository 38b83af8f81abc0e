#pragma once
// Tiverne (Cyclone III): its 272-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct TIVERNE_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;  // the push-buttons and the reset button
    uint8_t bSDRAM;   // DDR SDRAM
    uint8_t bFlashSSRAM;
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding2[2];
};

static_assert(sizeof(TIVERNE_CONFIG) == 272);
static_assert(offsetof(TIVERNE_CONFIG, BoardId) == 0);
static_assert(offsetof(TIVERNE_CONFIG, Size) == 4);
static_assert(offsetof(TIVERNE_CONFIG, szProjectName) == 8);
static_assert(offsetof(TIVERNE_CONFIG, bOSC) == 136);
static_assert(offsetof(TIVERNE_CONFIG, bLED) == 137);
static_assert(offsetof(TIVERNE_CONFIG, bButton) == 138);
static_assert(offsetof(TIVERNE_CONFIG, bSDRAM) == 139);
static_assert(offsetof(TIVERNE_CONFIG, bFlashSSRAM) == 140);
static_assert(offsetof(TIVERNE_CONFIG, nHsmcDaughterId) == 141);
static_assert(offsetof(TIVERNE_CONFIG, szHSMCPrefixName) == 142);
static_assert(offsetof(TIVERNE_CONFIG, Padding2) == 270);

// Every byte zero, then the board's defaults: every group ticked, no card.
void DefaultConfig(TIVERNE_CONFIG& config);

// Fills an empty board with Tiverne's device, the ticked groups and the HSMC connector when a
// card is chosen.
void BuildMainBoard_Tiverne(TMainBoard* board, const TIVERNE_CONFIG& Config);

// The definition and the HSMC card attached as the form attaches it: built as for no board in
// particular, so it keeps the standards of its own map, under the prefix as it stands.
void BuildTiverneProjectBoard(TMainBoard& board, const TIVERNE_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> TiverneCardChoices(const TIVERNE_CONFIG& config);

// What the Tiverne form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateTiverneProject(const TIVERNE_CONFIG& config, const std::string& projectFile);

#pragma once
// Fennick (Cyclone II): its 408-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls. The
// record has Harnix's size but not its layout.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct FENNICK_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bSDRAM;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSma;
    uint8_t bAudio;
    uint8_t nGpioDaughterId[2];  // by GPIO_0, GPIO_1
    char szGpioPrefixName[2][128];
};

static_assert(sizeof(FENNICK_CONFIG) == 408);
static_assert(offsetof(FENNICK_CONFIG, BoardId) == 0);
static_assert(offsetof(FENNICK_CONFIG, Size) == 4);
static_assert(offsetof(FENNICK_CONFIG, szProjectName) == 8);
static_assert(offsetof(FENNICK_CONFIG, bOSC) == 136);
static_assert(offsetof(FENNICK_CONFIG, bLED) == 137);
static_assert(offsetof(FENNICK_CONFIG, bSeg7) == 138);
static_assert(offsetof(FENNICK_CONFIG, bButton) == 139);
static_assert(offsetof(FENNICK_CONFIG, bSwitch) == 140);
static_assert(offsetof(FENNICK_CONFIG, bPS2) == 141);
static_assert(offsetof(FENNICK_CONFIG, bSDCARD) == 142);
static_assert(offsetof(FENNICK_CONFIG, bVGA) == 143);
static_assert(offsetof(FENNICK_CONFIG, bSDRAM) == 144);
static_assert(offsetof(FENNICK_CONFIG, bFlash) == 145);
static_assert(offsetof(FENNICK_CONFIG, bRS232) == 146);
static_assert(offsetof(FENNICK_CONFIG, bSRAM) == 147);
static_assert(offsetof(FENNICK_CONFIG, bSma) == 148);
static_assert(offsetof(FENNICK_CONFIG, bAudio) == 149);
static_assert(offsetof(FENNICK_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(FENNICK_CONFIG, szGpioPrefixName) == 152);
static_assert(offsetof(FENNICK_CONFIG, szGpioPrefixName) + 128 == 280);

// Every byte zero, then the board's defaults: every group ticked, no cards.
void DefaultConfig(FENNICK_CONFIG& config);

// Fills an empty board with Fennick's device, the ticked groups and the GPIO headers that
// have a card (the joined "GPIO_0_1" for an 80-pin card on header 0, which must be on both).
void BuildMainBoard_Fennick(TMainBoard* board, const FENNICK_CONFIG& Config);

// The definition with the header cards attached as the form attaches them, after pairing the
// record's headers as the form pairs a loaded one. The record is not changed.
void BuildFennickProjectBoard(TMainBoard& board, const FENNICK_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> FennickCardChoices(const FENNICK_CONFIG& config);

// What the Fennick form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateFennickProject(const FENNICK_CONFIG& config, const std::string& projectFile);

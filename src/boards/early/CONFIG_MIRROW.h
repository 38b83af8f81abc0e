#pragma once
// Mirrow (Cyclone II): its 416-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct MIRROW_CONFIG {
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
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSma;
    uint8_t bAudio;
    uint8_t bEthernet;
    uint8_t bIR;
    uint8_t bTvDecode;
    uint8_t bUSB;
    uint8_t nGpioDaughterId[2];  // by GPIO_0, GPIO_1
    char szGpioPrefixName[2][128];
    uint8_t Padding2[3];
};

static_assert(sizeof(MIRROW_CONFIG) == 416);
static_assert(offsetof(MIRROW_CONFIG, BoardId) == 0);
static_assert(offsetof(MIRROW_CONFIG, Size) == 4);
static_assert(offsetof(MIRROW_CONFIG, szProjectName) == 8);
static_assert(offsetof(MIRROW_CONFIG, bOSC) == 136);
static_assert(offsetof(MIRROW_CONFIG, bLED) == 137);
static_assert(offsetof(MIRROW_CONFIG, bSeg7) == 138);
static_assert(offsetof(MIRROW_CONFIG, bButton) == 139);
static_assert(offsetof(MIRROW_CONFIG, bSwitch) == 140);
static_assert(offsetof(MIRROW_CONFIG, bPS2) == 141);
static_assert(offsetof(MIRROW_CONFIG, bSDCARD) == 142);
static_assert(offsetof(MIRROW_CONFIG, bVGA) == 143);
static_assert(offsetof(MIRROW_CONFIG, bLCD) == 144);
static_assert(offsetof(MIRROW_CONFIG, bSDRAM) == 145);
static_assert(offsetof(MIRROW_CONFIG, bFlash) == 146);
static_assert(offsetof(MIRROW_CONFIG, bRS232) == 147);
static_assert(offsetof(MIRROW_CONFIG, bSRAM) == 148);
static_assert(offsetof(MIRROW_CONFIG, bSma) == 149);
static_assert(offsetof(MIRROW_CONFIG, bAudio) == 150);
static_assert(offsetof(MIRROW_CONFIG, bEthernet) == 151);
static_assert(offsetof(MIRROW_CONFIG, bIR) == 152);
static_assert(offsetof(MIRROW_CONFIG, bTvDecode) == 153);
static_assert(offsetof(MIRROW_CONFIG, bUSB) == 154);
static_assert(offsetof(MIRROW_CONFIG, nGpioDaughterId) == 155);
static_assert(offsetof(MIRROW_CONFIG, szGpioPrefixName) == 157);
static_assert(offsetof(MIRROW_CONFIG, szGpioPrefixName) + 128 == 285);
static_assert(offsetof(MIRROW_CONFIG, Padding2) == 413);

// Every byte zero, then the board's defaults: every group ticked, no cards.
void DefaultConfig(MIRROW_CONFIG& config);

// Fills an empty board with Mirrow's device, the ticked groups (the audio codec and the TV
// decoder share one I2C group) and the GPIO headers that have a card (the joined "GPIO_0_1"
// for an 80-pin card on GPIO-0).
void BuildMainBoard_Mirrow(TMainBoard* board, const MIRROW_CONFIG& Config);

// The definition with the header cards attached as the form attaches them, after the headers
// were paired as the form pairs a loaded record. The record is not changed.
void BuildMirrowProjectBoard(TMainBoard& board, const MIRROW_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> MirrowCardChoices(const MIRROW_CONFIG& config);

// What the Mirrow form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateMirrowProject(const MIRROW_CONFIG& config, const std::string& projectFile);

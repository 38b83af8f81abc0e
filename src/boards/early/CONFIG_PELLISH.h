#pragma once
// Pellish (Cyclone II): its 416-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct PELLISH_CONFIG {
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
    uint8_t bSDRAM1;
    uint8_t bSDRAM2;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bSSRAM;
    uint8_t bSma;
    uint8_t bAudio;
    uint8_t bEthernet;
    uint8_t bIR;
    uint8_t bTvDecode1;
    uint8_t bTvDecode2;
    uint8_t bUSB;
    uint8_t nGpioDaughterId[2];  // by GPIO_0, GPIO_1
    char szGpioPrefixName[2][128];
    uint8_t Padding2;
};

static_assert(sizeof(PELLISH_CONFIG) == 416);
static_assert(offsetof(PELLISH_CONFIG, BoardId) == 0);
static_assert(offsetof(PELLISH_CONFIG, Size) == 4);
static_assert(offsetof(PELLISH_CONFIG, szProjectName) == 8);
static_assert(offsetof(PELLISH_CONFIG, bOSC) == 136);
static_assert(offsetof(PELLISH_CONFIG, bLED) == 137);
static_assert(offsetof(PELLISH_CONFIG, bSeg7) == 138);
static_assert(offsetof(PELLISH_CONFIG, bButton) == 139);
static_assert(offsetof(PELLISH_CONFIG, bSwitch) == 140);
static_assert(offsetof(PELLISH_CONFIG, bPS2) == 141);
static_assert(offsetof(PELLISH_CONFIG, bSDCARD) == 142);
static_assert(offsetof(PELLISH_CONFIG, bVGA) == 143);
static_assert(offsetof(PELLISH_CONFIG, bLCD) == 144);
static_assert(offsetof(PELLISH_CONFIG, bSDRAM1) == 145);
static_assert(offsetof(PELLISH_CONFIG, bSDRAM2) == 146);
static_assert(offsetof(PELLISH_CONFIG, bFlash) == 147);
static_assert(offsetof(PELLISH_CONFIG, bRS232) == 148);
static_assert(offsetof(PELLISH_CONFIG, bSSRAM) == 149);
static_assert(offsetof(PELLISH_CONFIG, bSma) == 150);
static_assert(offsetof(PELLISH_CONFIG, bAudio) == 151);
static_assert(offsetof(PELLISH_CONFIG, bEthernet) == 152);
static_assert(offsetof(PELLISH_CONFIG, bIR) == 153);
static_assert(offsetof(PELLISH_CONFIG, bTvDecode1) == 154);
static_assert(offsetof(PELLISH_CONFIG, bTvDecode2) == 155);
static_assert(offsetof(PELLISH_CONFIG, bUSB) == 156);
static_assert(offsetof(PELLISH_CONFIG, nGpioDaughterId) == 157);
static_assert(offsetof(PELLISH_CONFIG, szGpioPrefixName) == 159);
static_assert(offsetof(PELLISH_CONFIG, szGpioPrefixName) + 128 == 287);
static_assert(offsetof(PELLISH_CONFIG, Padding2) == 415);

// Every byte zero, then the board's defaults: every group ticked, no cards.
void DefaultConfig(PELLISH_CONFIG& config);

// Fills an empty board with Pellish's device, the ticked groups (the audio codec and the two
// TV decoders share one I2C group) and the GPIO headers that have a card (the joined
// "GPIO_0_1" for an 80-pin card on GPIO_0).
void BuildMainBoard_Pellish(TMainBoard* board, const PELLISH_CONFIG& Config);

// The definition with the header cards attached as the form attaches them, after the headers
// were paired as the form pairs a loaded record. The record is not changed.
void BuildPellishProjectBoard(TMainBoard& board, const PELLISH_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> PellishCardChoices(const PELLISH_CONFIG& config);

// What the Pellish form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GeneratePellishProject(const PELLISH_CONFIG& config, const std::string& projectFile);

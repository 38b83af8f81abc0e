#pragma once
// Gorvath (Cyclone IV E): its 412-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct GORVATH_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bEEPROM;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bSDRAM;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSma;
    uint8_t bAudio;  // also the codec's I2C group
    uint8_t bEthernet;
    uint8_t bLCD;  // an optional part of the board
    uint8_t nGpioDaughterId;
    char szGpioPrefixName[128];
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding2;
};

static_assert(sizeof(GORVATH_CONFIG) == 412);
static_assert(offsetof(GORVATH_CONFIG, BoardId) == 0);
static_assert(offsetof(GORVATH_CONFIG, Size) == 4);
static_assert(offsetof(GORVATH_CONFIG, szProjectName) == 8);
static_assert(offsetof(GORVATH_CONFIG, bOSC) == 136);
static_assert(offsetof(GORVATH_CONFIG, bLED) == 137);
static_assert(offsetof(GORVATH_CONFIG, bSeg7) == 138);
static_assert(offsetof(GORVATH_CONFIG, bButton) == 139);
static_assert(offsetof(GORVATH_CONFIG, bSwitch) == 140);
static_assert(offsetof(GORVATH_CONFIG, bEEPROM) == 141);
static_assert(offsetof(GORVATH_CONFIG, bPS2) == 142);
static_assert(offsetof(GORVATH_CONFIG, bSDCARD) == 143);
static_assert(offsetof(GORVATH_CONFIG, bVGA) == 144);
static_assert(offsetof(GORVATH_CONFIG, bSDRAM) == 145);
static_assert(offsetof(GORVATH_CONFIG, bFlash) == 146);
static_assert(offsetof(GORVATH_CONFIG, bRS232) == 147);
static_assert(offsetof(GORVATH_CONFIG, bSRAM) == 148);
static_assert(offsetof(GORVATH_CONFIG, bSma) == 149);
static_assert(offsetof(GORVATH_CONFIG, bAudio) == 150);
static_assert(offsetof(GORVATH_CONFIG, bEthernet) == 151);
static_assert(offsetof(GORVATH_CONFIG, bLCD) == 152);
static_assert(offsetof(GORVATH_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(GORVATH_CONFIG, szGpioPrefixName) == 154);
static_assert(offsetof(GORVATH_CONFIG, nHsmcDaughterId) == 282);
static_assert(offsetof(GORVATH_CONFIG, szHSMCPrefixName) == 283);

// Every byte zero, then the board's defaults: every group but the optional LCD, no cards.
void DefaultConfig(GORVATH_CONFIG& config);

// Fills an empty board with Gorvath's device, the ticked groups and the connectors that have a
// card. Two decimal points share their FPGA pins with other parts (HEX0_DP with FL_DQ[7],
// HEX2_DP with GPIO position 13), as the board wires them.
void BuildMainBoard_Gorvath(TMainBoard* board, const GORVATH_CONFIG& Config);

// The definition and the cards attached as the form attaches them: "HSMC_" for an "HSMC
// Default" without a prefix. The record is not changed.
void BuildGorvathProjectBoard(TMainBoard& board, const GORVATH_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> GorvathCardChoices(const GORVATH_CONFIG& config);

// What the Gorvath form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateGorvathProject(const GORVATH_CONFIG& config, const std::string& projectFile);

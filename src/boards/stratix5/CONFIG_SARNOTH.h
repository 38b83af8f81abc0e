#pragma once
// Sarnoth (Stratix V GX): its 176-byte settings record, which is also the format of its .cfg
// files. The definition keeps a copy of the record in the board, where the clock-chip HDL and
// the controller-file export read the oscillator choices.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/MainBoard.h"

struct SARNOTH_CONFIG {
    uint8_t BoardId;
    uint8_t BoardVariant;  // always 0 on this board
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSata_0;  // host 0
    uint8_t bSata_1;  // host 1
    uint8_t bSata_2;  // device 0
    uint8_t bSata_3;  // device 1
    uint8_t bSma;
    uint8_t bTemp;
    uint8_t bDDR3_0;  // SO-DIMM socket A
    uint8_t bDDR3_1;  // SO-DIMM socket B
    uint8_t bQdrA;
    uint8_t bQdrB;
    uint8_t bQdrC;
    uint8_t bQdrD;
    uint8_t bSfpA;
    uint8_t bSfpB;
    uint8_t bSfpC;
    uint8_t bSfpD;
    uint8_t bPCIe;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bRs422;
    uint8_t Padding2[3];
    int32_t nSi570;      // Si570 code
    int32_t nCdcm61004;  // external-PLL code
    int32_t nCdcm61001;  // external-PLL code
};

static_assert(sizeof(SARNOTH_CONFIG) == 176);
static_assert(sizeof(SARNOTH_CONFIG) == sizeof(TMainBoard::m_SarnothConfig));
static_assert(offsetof(SARNOTH_CONFIG, BoardId) == 0);
static_assert(offsetof(SARNOTH_CONFIG, BoardVariant) == 1);
static_assert(offsetof(SARNOTH_CONFIG, Size) == 4);
static_assert(offsetof(SARNOTH_CONFIG, szProjectName) == 8);
static_assert(offsetof(SARNOTH_CONFIG, bOSC) == 136);
static_assert(offsetof(SARNOTH_CONFIG, bLED) == 137);
static_assert(offsetof(SARNOTH_CONFIG, bSeg7) == 138);
static_assert(offsetof(SARNOTH_CONFIG, bButton) == 139);
static_assert(offsetof(SARNOTH_CONFIG, bSwitch) == 140);
static_assert(offsetof(SARNOTH_CONFIG, bSata_0) == 141);
static_assert(offsetof(SARNOTH_CONFIG, bSata_1) == 142);
static_assert(offsetof(SARNOTH_CONFIG, bSata_2) == 143);
static_assert(offsetof(SARNOTH_CONFIG, bSata_3) == 144);
static_assert(offsetof(SARNOTH_CONFIG, bSma) == 145);
static_assert(offsetof(SARNOTH_CONFIG, bTemp) == 146);
static_assert(offsetof(SARNOTH_CONFIG, bDDR3_0) == 147);
static_assert(offsetof(SARNOTH_CONFIG, bDDR3_1) == 148);
static_assert(offsetof(SARNOTH_CONFIG, bQdrA) == 149);
static_assert(offsetof(SARNOTH_CONFIG, bQdrB) == 150);
static_assert(offsetof(SARNOTH_CONFIG, bQdrC) == 151);
static_assert(offsetof(SARNOTH_CONFIG, bQdrD) == 152);
static_assert(offsetof(SARNOTH_CONFIG, bSfpA) == 153);
static_assert(offsetof(SARNOTH_CONFIG, bSfpB) == 154);
static_assert(offsetof(SARNOTH_CONFIG, bSfpC) == 155);
static_assert(offsetof(SARNOTH_CONFIG, bSfpD) == 156);
static_assert(offsetof(SARNOTH_CONFIG, bPCIe) == 157);
static_assert(offsetof(SARNOTH_CONFIG, bFan) == 158);
static_assert(offsetof(SARNOTH_CONFIG, bFlash) == 159);
static_assert(offsetof(SARNOTH_CONFIG, bRs422) == 160);
static_assert(offsetof(SARNOTH_CONFIG, nSi570) == 164);
static_assert(offsetof(SARNOTH_CONFIG, nCdcm61004) == 168);
static_assert(offsetof(SARNOTH_CONFIG, nCdcm61001) == 172);

// Every byte zero, then the defaults: clock, LEDs, 7-segment, buttons, switches, temperature,
// fan, flash and RS-422; Si570 not used, both CDCM chips "Not Use".
void DefaultConfig(SARNOTH_CONFIG& config);

// The record as the form stores it after showing it: every choice outside its list becomes
// "not used", and so does each oscillator no ticked interface needs (the Si570 and the
// CDCM61001 serve the SFP+ ports, the CDCM61004 the SATA ports), as the form disables their
// lists. A record from a file reaches the headless pair in this shape, as it reaches the
// definition from the form.
SARNOTH_CONFIG SarnothFormRecord(const SARNOTH_CONFIG& config);

// Fills an empty board with Sarnoth's device, the ticked groups, the clock-chip groups of the
// chosen oscillators and a DDR3 SO-DIMM socket connector per ticked socket (expansion ids 24
// and 25); the record's copy goes into the board first.
void BuildMainBoard_Sarnoth(TMainBoard* board, const SARNOTH_CONFIG& Config);

// The definition on the record as the form stores it, and a DDR3 SO-DIMM module on each
// ticked socket under "DDR3A_" and "DDR3B_", as the form's Generate attaches them.
void BuildSarnothProjectBoard(TMainBoard& board, const SARNOTH_CONFIG& config);

// What the Sarnoth form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateSarnothProject(const SARNOTH_CONFIG& config, const std::string& projectFile);

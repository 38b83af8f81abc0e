#pragma once
// Morrast (Stratix V GX): its 164-byte settings record, which is also the format of its .cfg
// files. The definition keeps a copy of the record in the board, where the clock-chip HDL and
// the controller-file export read the oscillator choices.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/MainBoard.h"

struct MORRAST_CONFIG {
    uint8_t BoardId;
    uint8_t BoardVariant;  // always 0 on this board
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bTemp;
    uint8_t bDDR3_0;  // on-board DDR3 A
    uint8_t bDDR3_1;  // on-board DDR3 B
    uint8_t bQdrA;
    uint8_t bQdrB;
    uint8_t bQdrC;
    uint8_t bQdrD;
    uint8_t bSfpA;
    uint8_t bSfpB;
    uint8_t bSata;
    uint8_t bPCIe;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bRs422;
    uint8_t Padding2[2];
    int32_t nSi570;      // Si570 code
    int32_t nCdcm61004;  // CDCM61004 code
};

static_assert(sizeof(MORRAST_CONFIG) == 164);
static_assert(sizeof(MORRAST_CONFIG) == sizeof(TMainBoard::m_MorrastConfig));
static_assert(offsetof(MORRAST_CONFIG, BoardId) == 0);
static_assert(offsetof(MORRAST_CONFIG, BoardVariant) == 1);
static_assert(offsetof(MORRAST_CONFIG, Size) == 4);
static_assert(offsetof(MORRAST_CONFIG, szProjectName) == 8);
static_assert(offsetof(MORRAST_CONFIG, bOSC) == 136);
static_assert(offsetof(MORRAST_CONFIG, bLED) == 137);
static_assert(offsetof(MORRAST_CONFIG, bButton) == 138);
static_assert(offsetof(MORRAST_CONFIG, bSwitch) == 139);
static_assert(offsetof(MORRAST_CONFIG, bTemp) == 140);
static_assert(offsetof(MORRAST_CONFIG, bDDR3_0) == 141);
static_assert(offsetof(MORRAST_CONFIG, bDDR3_1) == 142);
static_assert(offsetof(MORRAST_CONFIG, bQdrA) == 143);
static_assert(offsetof(MORRAST_CONFIG, bQdrB) == 144);
static_assert(offsetof(MORRAST_CONFIG, bQdrC) == 145);
static_assert(offsetof(MORRAST_CONFIG, bQdrD) == 146);
static_assert(offsetof(MORRAST_CONFIG, bSfpA) == 147);
static_assert(offsetof(MORRAST_CONFIG, bSfpB) == 148);
static_assert(offsetof(MORRAST_CONFIG, bSata) == 149);
static_assert(offsetof(MORRAST_CONFIG, bPCIe) == 150);
static_assert(offsetof(MORRAST_CONFIG, bFan) == 151);
static_assert(offsetof(MORRAST_CONFIG, bFlash) == 152);
static_assert(offsetof(MORRAST_CONFIG, bRs422) == 153);
static_assert(offsetof(MORRAST_CONFIG, nSi570) == 156);
static_assert(offsetof(MORRAST_CONFIG, nCdcm61004) == 160);

// Every byte zero, then the defaults: clock, LEDs, buttons, switches, temperature, fan, flash
// and RS-422; both oscillators "Disable".
void DefaultConfig(MORRAST_CONFIG& config);

// Fills an empty board with Morrast's device, the ticked groups (the soldered memories among
// them) and the pins of the oscillators in use; keeps the record copy.
void BuildMainBoard_Morrast(TMainBoard* board, const MORRAST_CONFIG& Config);

// The record as the form stores it: both oscillators "Disable" while no SFP+ port is chosen,
// and a code outside its list "Disable" too.
MORRAST_CONFIG MorrastFormRecord(const MORRAST_CONFIG& config);

// The definition from the record as the form stores it (nothing is attached on this board).
// The record is not changed.
void BuildMorrastProjectBoard(TMainBoard& board, const MORRAST_CONFIG& config);

// What the Morrast form's Generate does after its dialogs: the board as above, written as a
// Verilog project with the clock-chip code and its controller files.
bool GenerateMorrastProject(const MORRAST_CONFIG& config, const std::string& projectFile);

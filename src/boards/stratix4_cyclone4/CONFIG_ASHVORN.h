#pragma once
// Ashvorn (Cyclone IV GX): its 424-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls. The
// definition keeps a copy of the record in the board, where the writers' Ashvorn blocks read it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct ASHVORN_CONFIG {
    uint8_t BoardId;
    uint8_t Variant;  // not used by this board
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bEEPROM;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bAccelerometer;
    uint8_t bSSRAM;
    uint8_t bSma;
    uint8_t bIR;
    uint8_t bEthernet;
    uint8_t bTvDecode;
    uint8_t bPCIeHardIP;
    uint8_t bPCIeSoftIP;
    uint8_t nGpioDaughterId;
    char szGpioPrefixName[128];
    uint8_t Padding2[3];
    int32_t nHsmcOption;  // no control sets it; 1 spares an empty HSMC prefix the default
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding3[3];
};

static_assert(sizeof(ASHVORN_CONFIG) == 424);
static_assert(sizeof(ASHVORN_CONFIG) == sizeof(TMainBoard::m_AshvornConfig));
static_assert(offsetof(ASHVORN_CONFIG, BoardId) == 0);
static_assert(offsetof(ASHVORN_CONFIG, Variant) == 1);
static_assert(offsetof(ASHVORN_CONFIG, Size) == 4);
static_assert(offsetof(ASHVORN_CONFIG, szProjectName) == 8);
static_assert(offsetof(ASHVORN_CONFIG, bOSC) == 136);
static_assert(offsetof(ASHVORN_CONFIG, bLED) == 137);
static_assert(offsetof(ASHVORN_CONFIG, bSeg7) == 138);
static_assert(offsetof(ASHVORN_CONFIG, bButton) == 139);
static_assert(offsetof(ASHVORN_CONFIG, bSwitch) == 140);
static_assert(offsetof(ASHVORN_CONFIG, bEEPROM) == 141);
static_assert(offsetof(ASHVORN_CONFIG, bSDCARD) == 142);
static_assert(offsetof(ASHVORN_CONFIG, bVGA) == 143);
static_assert(offsetof(ASHVORN_CONFIG, bLCD) == 144);
static_assert(offsetof(ASHVORN_CONFIG, bSDRAM) == 145);
static_assert(offsetof(ASHVORN_CONFIG, bFlash) == 146);
static_assert(offsetof(ASHVORN_CONFIG, bRS232) == 147);
static_assert(offsetof(ASHVORN_CONFIG, bAccelerometer) == 148);
static_assert(offsetof(ASHVORN_CONFIG, bSSRAM) == 149);
static_assert(offsetof(ASHVORN_CONFIG, bSma) == 150);
static_assert(offsetof(ASHVORN_CONFIG, bIR) == 151);
static_assert(offsetof(ASHVORN_CONFIG, bEthernet) == 152);
static_assert(offsetof(ASHVORN_CONFIG, bTvDecode) == 153);
static_assert(offsetof(ASHVORN_CONFIG, bPCIeHardIP) == 154);
static_assert(offsetof(ASHVORN_CONFIG, bPCIeSoftIP) == 155);
static_assert(offsetof(ASHVORN_CONFIG, nGpioDaughterId) == 156);
static_assert(offsetof(ASHVORN_CONFIG, szGpioPrefixName) == 157);
static_assert(offsetof(ASHVORN_CONFIG, nHsmcOption) == 288);
static_assert(offsetof(ASHVORN_CONFIG, nHsmcDaughterId) == 292);
static_assert(offsetof(ASHVORN_CONFIG, szHSMCPrefixName) == 293);

// Every byte zero, then the board's defaults: every group but PCIe, no cards.
void DefaultConfig(ASHVORN_CONFIG& config);

// Fills an empty board with Ashvorn's device, the ticked groups, the connectors that have a
// card and the fan control every project drives; the record's copy goes into the board first.
void BuildMainBoard_Ashvorn(TMainBoard* board, const ASHVORN_CONFIG& Config);

// The definition and the cards attached as the form attaches them, on a copy of the settings
// record: an empty HSMC prefix becomes "HSMC_" for "HSMC Default", and for any card unless
// the record's nHsmcOption is 1. The record is not changed.
void BuildAshvornProjectBoard(TMainBoard& board, const ASHVORN_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> AshvornCardChoices(const ASHVORN_CONFIG& config);

// What the Ashvorn form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateAshvornProject(const ASHVORN_CONFIG& config, const std::string& projectFile);

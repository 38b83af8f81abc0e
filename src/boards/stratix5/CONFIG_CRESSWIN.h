#pragma once
// Cresswin (Stratix V GX): its 296-byte settings record, which is also the format of its .cfg
// files. The definition keeps a copy of the record in the board, where the clock-chip HDL and
// the controller-file export read the oscillator choices.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct CRESSWIN_CONFIG {
    uint8_t BoardId;
    uint8_t BoardVariant;  // always 0 on this board
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSata_0;  // host
    uint8_t bSata_1;  // device
    uint8_t bSma;
    uint8_t bTemp;
    uint8_t bSfpA;
    uint8_t bSfpB;
    uint8_t bSfpC;
    uint8_t bSfpD;
    uint8_t bPCIe;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bSSRAM;
    uint8_t bRs422;
    uint8_t Padding2[3];
    int32_t nSi570;      // Si570 code
    int32_t nCdcm61004;  // CDCM61004 code
    // The board's one HSMC connector, kept as one-entry arrays indexed by port.
    uint8_t nHSMC_ADaughterId[1];
    char szHSMC_APrefixName[1][128];
    uint8_t Padding3[3];
};

static_assert(sizeof(CRESSWIN_CONFIG) == 296);
static_assert(sizeof(CRESSWIN_CONFIG) == sizeof(TMainBoard::m_CresswinConfig));
static_assert(offsetof(CRESSWIN_CONFIG, BoardId) == 0);
static_assert(offsetof(CRESSWIN_CONFIG, BoardVariant) == 1);
static_assert(offsetof(CRESSWIN_CONFIG, Size) == 4);
static_assert(offsetof(CRESSWIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(CRESSWIN_CONFIG, bOSC) == 136);
static_assert(offsetof(CRESSWIN_CONFIG, bLED) == 137);
static_assert(offsetof(CRESSWIN_CONFIG, bButton) == 138);
static_assert(offsetof(CRESSWIN_CONFIG, bSwitch) == 139);
static_assert(offsetof(CRESSWIN_CONFIG, bSata_0) == 140);
static_assert(offsetof(CRESSWIN_CONFIG, bSata_1) == 141);
static_assert(offsetof(CRESSWIN_CONFIG, bSma) == 142);
static_assert(offsetof(CRESSWIN_CONFIG, bTemp) == 143);
static_assert(offsetof(CRESSWIN_CONFIG, bSfpA) == 144);
static_assert(offsetof(CRESSWIN_CONFIG, bSfpB) == 145);
static_assert(offsetof(CRESSWIN_CONFIG, bSfpC) == 146);
static_assert(offsetof(CRESSWIN_CONFIG, bSfpD) == 147);
static_assert(offsetof(CRESSWIN_CONFIG, bPCIe) == 148);
static_assert(offsetof(CRESSWIN_CONFIG, bFan) == 149);
static_assert(offsetof(CRESSWIN_CONFIG, bFlash) == 150);
static_assert(offsetof(CRESSWIN_CONFIG, bSSRAM) == 151);
static_assert(offsetof(CRESSWIN_CONFIG, bRs422) == 152);
static_assert(offsetof(CRESSWIN_CONFIG, nSi570) == 156);
static_assert(offsetof(CRESSWIN_CONFIG, nCdcm61004) == 160);
static_assert(offsetof(CRESSWIN_CONFIG, nHSMC_ADaughterId) == 164);
static_assert(offsetof(CRESSWIN_CONFIG, szHSMC_APrefixName) == 165);

// Every byte zero, then the defaults: clock, LEDs, buttons, switches, temperature, fan, flash,
// SSRAM and RS-422; both oscillators "Disable", no card, empty prefix.
void DefaultConfig(CRESSWIN_CONFIG& config);

// Fills an empty board with Cresswin's device, the ticked groups, the pins of the oscillators
// in use and, with a card chosen, the HSMC-A connector; keeps the record copy.
void BuildMainBoard_Cresswin(TMainBoard* board, const CRESSWIN_CONFIG& Config);

// The HSMC cards the form offers (transceiver cards among them), "None" first.
std::vector<uint8_t> CresswinHsmcCards();

// The record as the form stores it: an oscillator that no chosen interface needs is
// "Disable", as is a code outside its list, and a card the form does not offer is none.
CRESSWIN_CONFIG CresswinFormRecord(const CRESSWIN_CONFIG& config);

// The definition and the chosen card attached as the form attaches it (at "2.5 V", "HSMC_"
// for a generic card without a prefix), from the record as the form stores it. The record
// is not changed.
void BuildCresswinProjectBoard(TMainBoard& board, const CRESSWIN_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> CresswinCardChoices(const CRESSWIN_CONFIG& config);

// What the Cresswin form's Generate does after its dialogs: the board as above, written as a
// Verilog project with the clock-chip code and its controller files.
bool GenerateCresswinProject(const CRESSWIN_CONFIG& config, const std::string& projectFile);

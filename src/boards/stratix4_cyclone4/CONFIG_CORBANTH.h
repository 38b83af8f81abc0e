#pragma once
// Corbanth (Stratix IV E): its 924-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct CORBANTH_CONFIG {
    static constexpr int kHsmcPorts = 2;  // A, B
    static constexpr int kFmcPorts = 4;   // A to D

    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;  // the push-buttons and the reset button
    uint8_t bSwitch;
    uint8_t bSma;
    uint8_t bTemp;
    uint8_t bDDR3;  // the SO-DIMM socket
    uint8_t bFan;
    uint8_t bSSRAM;
    uint8_t bFlash;
    uint8_t nHsmcDaughterId[kHsmcPorts];
    char szHSMCPrefixName[kHsmcPorts][128];
    uint8_t nFmcDaughterId[kFmcPorts];
    char szFMCPrefixName[kFmcPorts][128];
    uint8_t Padding2[3];
};

static_assert(sizeof(CORBANTH_CONFIG) == 924);
static_assert(offsetof(CORBANTH_CONFIG, BoardId) == 0);
static_assert(offsetof(CORBANTH_CONFIG, Size) == 4);
static_assert(offsetof(CORBANTH_CONFIG, szProjectName) == 8);
static_assert(offsetof(CORBANTH_CONFIG, bOSC) == 136);
static_assert(offsetof(CORBANTH_CONFIG, bLED) == 137);
static_assert(offsetof(CORBANTH_CONFIG, bSeg7) == 138);
static_assert(offsetof(CORBANTH_CONFIG, bButton) == 139);
static_assert(offsetof(CORBANTH_CONFIG, bSwitch) == 140);
static_assert(offsetof(CORBANTH_CONFIG, bSma) == 141);
static_assert(offsetof(CORBANTH_CONFIG, bTemp) == 142);
static_assert(offsetof(CORBANTH_CONFIG, bDDR3) == 143);
static_assert(offsetof(CORBANTH_CONFIG, bFan) == 144);
static_assert(offsetof(CORBANTH_CONFIG, bSSRAM) == 145);
static_assert(offsetof(CORBANTH_CONFIG, bFlash) == 146);
static_assert(offsetof(CORBANTH_CONFIG, nHsmcDaughterId) == 147);
static_assert(offsetof(CORBANTH_CONFIG, szHSMCPrefixName) == 149);
static_assert(offsetof(CORBANTH_CONFIG, nFmcDaughterId) == 405);
static_assert(offsetof(CORBANTH_CONFIG, szFMCPrefixName) == 409);
static_assert(offsetof(CORBANTH_CONFIG, Padding2) == 921);

// Every byte zero, then the board's defaults: every group but the DDR3 socket, no cards.
void DefaultConfig(CORBANTH_CONFIG& config);

// Fills an empty board with Corbanth's device, the ticked groups, the DDR3 socket when ticked,
// and an HSMC or FMC connector for each port that has a card chosen.
void BuildMainBoard_Corbanth(TMainBoard* board, const CORBANTH_CONFIG& Config);

// The definition and the chosen cards attached as the form attaches them: the default HSMC
// cards without a prefix take "HSMA_" or "HSMB_", the DDR3 module its "mem_" signals. The
// record is not changed.
void BuildCorbanthProjectBoard(TMainBoard& board, const CORBANTH_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> CorbanthCardChoices(const CORBANTH_CONFIG& config);

// What the Corbanth form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateCorbanthProject(const CORBANTH_CONFIG& config, const std::string& projectFile);

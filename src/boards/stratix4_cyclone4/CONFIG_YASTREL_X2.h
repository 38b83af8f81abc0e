#pragma once
// Yastrel_X2, the board with two Stratix IV GX FPGAs ("nodes"): its 1336-byte settings record,
// one block per node, which is also the format of its .cfg files, the definition of one node's
// board and what the form's Generate does for a node without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

// The settings of one FPGA node.
struct YASTREL_X2_NODE_CONFIG {
    static constexpr int kHsmcPorts = 4;

    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSDCARD;
    uint8_t bSma;
    uint8_t bUSB;
    uint8_t bTemp;
    uint8_t Reserved;  // no control sets it and nothing reads it
    uint8_t bDDR2;
    uint8_t bDDR3;
    uint8_t bPCIe;
    uint8_t bFpgaBridge;
    uint8_t bFan;
    uint8_t bSSRAM;
    uint8_t bFlash;
    uint8_t bMax2;  // no control sets it and nothing is built from it
    uint8_t bLCD;
    uint8_t bEthernet;
    uint8_t bEEPROM;
    uint8_t nHsmcDaughterId[kHsmcPorts];
    char szHSMCPrefixName[kHsmcPorts][128];
};

struct YASTREL_X2_CONFIG {
    static constexpr int kNodes = 2;

    uint8_t BoardId;
    uint8_t nBoardType;  // 0 "Yastrel 230x2"
    uint8_t Padding1[2];
    int32_t Size;
    YASTREL_X2_NODE_CONFIG F[kNodes];
};

static_assert(sizeof(YASTREL_X2_NODE_CONFIG) == 664);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, szProjectName) == 0);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bOSC) == 128);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bLED) == 129);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bButton) == 130);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bSwitch) == 131);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bSDCARD) == 132);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bSma) == 133);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bUSB) == 134);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bTemp) == 135);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, Reserved) == 136);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bDDR2) == 137);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bDDR3) == 138);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bPCIe) == 139);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bFpgaBridge) == 140);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bFan) == 141);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bSSRAM) == 142);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bFlash) == 143);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bMax2) == 144);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bLCD) == 145);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bEthernet) == 146);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, bEEPROM) == 147);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, nHsmcDaughterId) == 148);
static_assert(offsetof(YASTREL_X2_NODE_CONFIG, szHSMCPrefixName) == 152);
static_assert(sizeof(YASTREL_X2_CONFIG) == 1336);
static_assert(offsetof(YASTREL_X2_CONFIG, BoardId) == 0);
static_assert(offsetof(YASTREL_X2_CONFIG, nBoardType) == 1);
static_assert(offsetof(YASTREL_X2_CONFIG, Size) == 4);
static_assert(offsetof(YASTREL_X2_CONFIG, F) == 8);

// Every byte zero, then the board's defaults: in each node's block its own project name
// ("F1_Yastrel", "F2_Yastrel") and the groups the board is mostly used with, no cards.
void DefaultConfig(YASTREL_X2_CONFIG& config);

// Fills an empty board with the given node (0 or 1) of Yastrel_X2: its device, the groups its
// block ticks, its DDR2 socket and its HSMC connectors that have a card. Only the header and
// that node's block are read. A device variant other than 0 and 1 leaves the device empty.
void BuildMainBoard_Yastrel_X2(TMainBoard* board, const YASTREL_X2_CONFIG& Config, int node);

// The node's definition and its cards attached as the form attaches them, the DDR2 module
// under "mem_"; an empty prefix stays empty. The record is not changed.
void BuildYastrel_X2ProjectBoard(TMainBoard& board, const YASTREL_X2_CONFIG& config, int node);

// The cards of the node's block and the lists the form offers them from: Generate refuses by
// name a card they do not offer.
std::vector<CardChoice> Yastrel_X2CardChoices(const YASTREL_X2_CONFIG& config, int node);

// What the Yastrel_X2 form's Generate does after its dialogs: the node's board as above,
// written as a Verilog project.
bool GenerateYastrel_X2Project(const YASTREL_X2_CONFIG& config, int node, const std::string& projectFile);

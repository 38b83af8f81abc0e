#pragma once
// Ruskel (Cyclone IV E): its 404-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct RUSKEL_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSDRAM;
    uint8_t bADC;
    uint8_t bAccelerometer;
    uint8_t bEEPROM;
    uint8_t bEPCS;
    uint8_t bHeader;  // the 2x13 pin header
    uint8_t nGpioDaughterId[2];  // by GPIO_0, GPIO_1
    char szGpioPrefixName[2][128];
};

static_assert(sizeof(RUSKEL_CONFIG) == 404);
static_assert(offsetof(RUSKEL_CONFIG, BoardId) == 0);
static_assert(offsetof(RUSKEL_CONFIG, Size) == 4);
static_assert(offsetof(RUSKEL_CONFIG, szProjectName) == 8);
static_assert(offsetof(RUSKEL_CONFIG, bOSC) == 136);
static_assert(offsetof(RUSKEL_CONFIG, bLED) == 137);
static_assert(offsetof(RUSKEL_CONFIG, bButton) == 138);
static_assert(offsetof(RUSKEL_CONFIG, bSwitch) == 139);
static_assert(offsetof(RUSKEL_CONFIG, bSDRAM) == 140);
static_assert(offsetof(RUSKEL_CONFIG, bADC) == 141);
static_assert(offsetof(RUSKEL_CONFIG, bAccelerometer) == 142);
static_assert(offsetof(RUSKEL_CONFIG, bEEPROM) == 143);
static_assert(offsetof(RUSKEL_CONFIG, bEPCS) == 144);
static_assert(offsetof(RUSKEL_CONFIG, bHeader) == 145);
static_assert(offsetof(RUSKEL_CONFIG, nGpioDaughterId) == 146);
static_assert(offsetof(RUSKEL_CONFIG, szGpioPrefixName) == 148);

// Every byte zero, then the board's defaults: every group ticked, no cards.
void DefaultConfig(RUSKEL_CONFIG& config);

// Fills an empty board with Ruskel's device, the ticked groups and a 40-pin connector for each
// header that has a card chosen.
void BuildMainBoard_Ruskel(TMainBoard* board, const RUSKEL_CONFIG& Config);

// The definition and the chosen cards attached as the form attaches them: "GPIO Default"
// without a prefix takes "GPIO", which its suffix-only names on this board complete. The
// record is not changed.
void BuildRuskelProjectBoard(TMainBoard& board, const RUSKEL_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> RuskelCardChoices(const RUSKEL_CONFIG& config);

// What the Ruskel form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateRuskelProject(const RUSKEL_CONFIG& config, const std::string& projectFile);

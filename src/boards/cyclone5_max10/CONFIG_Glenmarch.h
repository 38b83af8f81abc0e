#pragma once
// Glenmarch: the 408-byte settings record (also the format of its .cfg files) and the board
// definition built from it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct GLENMARCH_CONFIG {
    // Every byte zero, then the board's defaults: twelve groups ticked, HPS not, no cards.
    static GLENMARCH_CONFIG DefaultConfig();

    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bVga;
    uint8_t bSdram;
    uint8_t bAudio;
    uint8_t bVideoIn;
    uint8_t bAdc;
    uint8_t bSeg7;
    uint8_t bIr;
    uint8_t bPs2;
    uint8_t bHps;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Padding2;
};

static_assert(sizeof(GLENMARCH_CONFIG) == 408);
static_assert(offsetof(GLENMARCH_CONFIG, BoardId) == 0);
static_assert(offsetof(GLENMARCH_CONFIG, Size) == 4);
static_assert(offsetof(GLENMARCH_CONFIG, szProjectName) == 8);
static_assert(offsetof(GLENMARCH_CONFIG, bClock) == 136);
static_assert(offsetof(GLENMARCH_CONFIG, bLed) == 137);
static_assert(offsetof(GLENMARCH_CONFIG, bButton) == 138);
static_assert(offsetof(GLENMARCH_CONFIG, bSwitch) == 139);
static_assert(offsetof(GLENMARCH_CONFIG, bVga) == 140);
static_assert(offsetof(GLENMARCH_CONFIG, bSdram) == 141);
static_assert(offsetof(GLENMARCH_CONFIG, bAudio) == 142);
static_assert(offsetof(GLENMARCH_CONFIG, bVideoIn) == 143);
static_assert(offsetof(GLENMARCH_CONFIG, bAdc) == 144);
static_assert(offsetof(GLENMARCH_CONFIG, bSeg7) == 145);
static_assert(offsetof(GLENMARCH_CONFIG, bIr) == 146);
static_assert(offsetof(GLENMARCH_CONFIG, bPs2) == 147);
static_assert(offsetof(GLENMARCH_CONFIG, bHps) == 148);
static_assert(offsetof(GLENMARCH_CONFIG, nGpioDaughterId) == 149);
static_assert(offsetof(GLENMARCH_CONFIG, szGpioPrefixName) == 151);
static_assert(offsetof(GLENMARCH_CONFIG, szGpioPrefixName) + 128 == 279);
static_assert(offsetof(GLENMARCH_CONFIG, Padding2) == 407);

// Fills an empty board with Glenmarch's device, the ticked groups and the GPIO connectors of
// the chosen cards; the record is first copied whole into m_GlenmarchConfig. An 80-pin card
// on GPIO-0 needs a card on GPIO-1 too (the form's pairing puts the same one there).
void BuildMainBoard_Glenmarch(TMainBoard* board, const GLENMARCH_CONFIG& Config);

// The definition and the chosen header cards attached as the form attaches them, after the
// headers are paired as the form pairs a loaded record: the 80-pin card once across both
// headers, the default pair as GPIO_0 and GPIO_1, otherwise each header's card under its own
// prefix.
void BuildGlenmarchProjectBoard(TMainBoard& board, const GLENMARCH_CONFIG& record);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> GlenmarchCardChoices(const GLENMARCH_CONFIG& config);

// What the Glenmarch form's Generate does after its dialogs, without controls: the board as
// above, then the project written in Verilog. BoardId and Size are taken as they stand (the
// form has written them into the record).
bool GenerateGlenmarchProject(const GLENMARCH_CONFIG& record, const std::string& projectFile);

#pragma once
// Jorvale: its 284-byte settings record (also the format of its .cfg files) and its board
// definition.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct JORVALE_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bVga;
    uint8_t bDdr3;
    uint8_t bAudio;  // also the codec's I2C group
    uint8_t bIr;
    uint8_t bSi5338I2c;
    uint8_t bTemperature;
    uint8_t Padding2[2];
    int32_t nHsmcVoltage;  // 0 "3.3 V", 1 "2.5 V (Default)", 2 "1.8 V", 3 "1.5 V"
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding3[3];
};

static_assert(sizeof(JORVALE_CONFIG) == 284);
static_assert(offsetof(JORVALE_CONFIG, BoardId) == 0);
static_assert(offsetof(JORVALE_CONFIG, Size) == 4);
static_assert(offsetof(JORVALE_CONFIG, szProjectName) == 8);
static_assert(offsetof(JORVALE_CONFIG, bClock) == 136);
static_assert(offsetof(JORVALE_CONFIG, bLed) == 137);
static_assert(offsetof(JORVALE_CONFIG, bButton) == 138);
static_assert(offsetof(JORVALE_CONFIG, bSwitch) == 139);
static_assert(offsetof(JORVALE_CONFIG, bVga) == 140);
static_assert(offsetof(JORVALE_CONFIG, bDdr3) == 141);
static_assert(offsetof(JORVALE_CONFIG, bAudio) == 142);
static_assert(offsetof(JORVALE_CONFIG, bIr) == 143);
static_assert(offsetof(JORVALE_CONFIG, bSi5338I2c) == 144);
static_assert(offsetof(JORVALE_CONFIG, bTemperature) == 145);
static_assert(offsetof(JORVALE_CONFIG, Padding2) == 146);
static_assert(offsetof(JORVALE_CONFIG, nHsmcVoltage) == 148);
static_assert(offsetof(JORVALE_CONFIG, nHsmcDaughterId) == 152);
static_assert(offsetof(JORVALE_CONFIG, szHSMCPrefixName) == 153);
static_assert(offsetof(JORVALE_CONFIG, Padding3) == 281);

// Every byte zero, then the board's defaults: all ten groups, 2.5 V, no card.
JORVALE_CONFIG JorvaleDefaultConfig();

// Fills an empty board with Jorvale's device, the ticked groups and, with a card chosen, the
// HSMC connector.
void BuildMainBoard_Jorvale(TMainBoard* board, const JORVALE_CONFIG& Config);

// The definition and the chosen card attached as the form attaches it. `Config` is the copy
// that lives for one request: "HSMC_" goes into its prefix for a default card without one.
void BuildJorvaleProjectBoard(TMainBoard& board, JORVALE_CONFIG& Config);

// The record's cards and the lists the form offers them from (the HSMC list by the voltage):
// Generate refuses by name a card they do not offer.
std::vector<CardChoice> JorvaleCardChoices(const JORVALE_CONFIG& config);

// What the Jorvale form's Generate does after its dialogs, without controls: the board as
// above from a copy of the record, then the Verilog project written.
bool GenerateJorvaleProject(const JORVALE_CONFIG& Config, const std::string& projectFile);

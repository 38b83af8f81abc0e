#pragma once
// Plimmet: its 408-byte settings record (also the format of its .cfg files), its definition
// and the headless pair its form's Generate runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct PLIMMET_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSeg7;
    uint8_t bHdmiTx;
    uint8_t bLpddr2;
    uint8_t bSram;
    uint8_t bAudio;
    uint8_t bUart2Usb;
    uint8_t bSdCard;
    uint8_t bXcvrSma;
    uint8_t bSi5338I2c;
    uint8_t bAdc;
    uint8_t nGpioDaughterId;
    char szGpioPrefixName[128];
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
};

static_assert(sizeof(PLIMMET_CONFIG) == 408);
static_assert(offsetof(PLIMMET_CONFIG, BoardId) == 0);
static_assert(offsetof(PLIMMET_CONFIG, Size) == 4);
static_assert(offsetof(PLIMMET_CONFIG, szProjectName) == 8);
static_assert(offsetof(PLIMMET_CONFIG, bClock) == 136);
static_assert(offsetof(PLIMMET_CONFIG, bLed) == 137);
static_assert(offsetof(PLIMMET_CONFIG, bButton) == 138);
static_assert(offsetof(PLIMMET_CONFIG, bSwitch) == 139);
static_assert(offsetof(PLIMMET_CONFIG, bSeg7) == 140);
static_assert(offsetof(PLIMMET_CONFIG, bHdmiTx) == 141);
static_assert(offsetof(PLIMMET_CONFIG, bLpddr2) == 142);
static_assert(offsetof(PLIMMET_CONFIG, bSram) == 143);
static_assert(offsetof(PLIMMET_CONFIG, bAudio) == 144);
static_assert(offsetof(PLIMMET_CONFIG, bUart2Usb) == 145);
static_assert(offsetof(PLIMMET_CONFIG, bSdCard) == 146);
static_assert(offsetof(PLIMMET_CONFIG, bXcvrSma) == 147);
static_assert(offsetof(PLIMMET_CONFIG, bSi5338I2c) == 148);
static_assert(offsetof(PLIMMET_CONFIG, bAdc) == 149);
static_assert(offsetof(PLIMMET_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(PLIMMET_CONFIG, szGpioPrefixName) == 151);
static_assert(offsetof(PLIMMET_CONFIG, nHsmcDaughterId) == 279);
static_assert(offsetof(PLIMMET_CONFIG, szHSMCPrefixName) == 280);

// Every byte zero, then the board's defaults: every group but the SMA transceiver and the
// clock chip's I2C, no card.
PLIMMET_CONFIG DefaultPlimmetConfig();

// Fills the board with Plimmet's device, the ticked groups and the connectors that have a card
// chosen. The GPIO header shares its FPGA pins with the digits HEX2 and HEX3: with a GPIO card
// the SEG7 group keeps HEX0 and HEX1 only.
void BuildMainBoard_Plimmet(TMainBoard* board, const PLIMMET_CONFIG& Config);

// The definition with both cards attached as the form attaches them; the generic HSMC cards
// without a prefix take "HSMC_".
void BuildPlimmetProjectBoard(TMainBoard& board, const PLIMMET_CONFIG& Config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> PlimmetCardChoices(const PLIMMET_CONFIG& config);

// What the Plimmet form's Generate does after its dialogs: the board as above, written as a
// Verilog project. The record is taken as it stands (the form has set BoardId and Size).
bool GeneratePlimmetProject(const PLIMMET_CONFIG& Config, const std::string& projectFile);

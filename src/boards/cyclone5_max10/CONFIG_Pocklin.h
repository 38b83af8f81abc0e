#pragma once
// Pocklin: a MAX 10 board with twenty device groups and a 2x6 header for one card.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

// The settings record, which is also the whole content of a Pocklin .cfg file.
struct POCKLIN_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSeg7;
    uint8_t bPowerMonitor;
    uint8_t bGSensor;
    uint8_t bHumiditySensor;
    uint8_t bLightSensor;
    uint8_t bAudio;
    uint8_t bHdmiRx;
    uint8_t bSdCard;
    uint8_t bFlash;
    uint8_t bPs2;
    uint8_t bDdr3;
    uint8_t bUart2Usb;
    uint8_t bEthernet;
    uint8_t Spare;  // 1 in the defaults; nothing reads it
    uint8_t bDac;
    uint8_t bMipi;
    uint8_t bRavesh;
    uint8_t Padding2[3];
    int32_t nOmbrelDaughterId;  // card on the 2x6 header, 0 for none
    char szOmbrelPrefixName[128];
};

static_assert(sizeof(POCKLIN_CONFIG) == 292);
static_assert(offsetof(POCKLIN_CONFIG, BoardId) == 0);
static_assert(offsetof(POCKLIN_CONFIG, Padding1) == 1);
static_assert(offsetof(POCKLIN_CONFIG, Size) == 4);
static_assert(offsetof(POCKLIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(POCKLIN_CONFIG, bClock) == 136);
static_assert(offsetof(POCKLIN_CONFIG, bLed) == 137);
static_assert(offsetof(POCKLIN_CONFIG, bButton) == 138);
static_assert(offsetof(POCKLIN_CONFIG, bSwitch) == 139);
static_assert(offsetof(POCKLIN_CONFIG, bSeg7) == 140);
static_assert(offsetof(POCKLIN_CONFIG, bPowerMonitor) == 141);
static_assert(offsetof(POCKLIN_CONFIG, bGSensor) == 142);
static_assert(offsetof(POCKLIN_CONFIG, bHumiditySensor) == 143);
static_assert(offsetof(POCKLIN_CONFIG, bLightSensor) == 144);
static_assert(offsetof(POCKLIN_CONFIG, bAudio) == 145);
static_assert(offsetof(POCKLIN_CONFIG, bHdmiRx) == 146);
static_assert(offsetof(POCKLIN_CONFIG, bSdCard) == 147);
static_assert(offsetof(POCKLIN_CONFIG, bFlash) == 148);
static_assert(offsetof(POCKLIN_CONFIG, bPs2) == 149);
static_assert(offsetof(POCKLIN_CONFIG, bDdr3) == 150);
static_assert(offsetof(POCKLIN_CONFIG, bUart2Usb) == 151);
static_assert(offsetof(POCKLIN_CONFIG, bEthernet) == 152);
static_assert(offsetof(POCKLIN_CONFIG, Spare) == 153);
static_assert(offsetof(POCKLIN_CONFIG, bDac) == 154);
static_assert(offsetof(POCKLIN_CONFIG, bMipi) == 155);
static_assert(offsetof(POCKLIN_CONFIG, bRavesh) == 156);
static_assert(offsetof(POCKLIN_CONFIG, Padding2) == 157);
static_assert(offsetof(POCKLIN_CONFIG, nOmbrelDaughterId) == 160);
static_assert(offsetof(POCKLIN_CONFIG, szOmbrelPrefixName) == 164);

// Every byte zero, then the board's defaults.
void DefaultConfig(POCKLIN_CONFIG& config);

// The cards the 2x6 header takes: "None" first, then the listed cards of its type.
int32_t PocklinOmbrelCards(uint8_t (&ids)[256]);

// The card of a stored id: one of the header's cards, or "None" for any other value a file
// may hold (another connector's card, an id beyond the catalogue or beyond a byte).
uint8_t PocklinOmbrelCard(int32_t storedId);

// Fills an empty board with Pocklin's device, the ticked groups and, when a card is chosen,
// the 2x6 header.
void BuildMainBoard_Pocklin(TMainBoard* board, const POCKLIN_CONFIG& Config);

// The definition and the header's card attached as the form attaches it (no default prefix).
void BuildPocklinProjectBoard(TMainBoard& board, const POCKLIN_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> PocklinCardChoices(const POCKLIN_CONFIG& config);

// What the Pocklin form's Generate does after its dialogs, without controls: the board as
// above, then the project written (always Verilog). The record is taken as it stands (the
// form has written BoardId and Size into it).
bool GeneratePocklinProject(const POCKLIN_CONFIG& config, const std::string& projectFile);

#pragma once
// Tamblin: the 292-byte record that is also the format of its .cfg files, the header modes of
// its two BBB headers, and its definition.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/model/MainBoard.h"

struct TAMBLIN_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bCapButton;
    uint8_t bSwitch;
    uint8_t bHdmiTx;
    uint8_t bTempSensor;
    uint8_t bGSensor;
    uint8_t bUsb;
    uint8_t bMipi;
    uint8_t bEthernet;
    uint8_t bSdCard;
    uint8_t bDdr3;
    uint8_t bFlash;
    uint8_t bAudio;
    uint8_t bSmaAdc;  // no group: the form keeps it off
    uint8_t bLightSensor;
    uint8_t bHumiditySensor;
    uint8_t bPowerMonitor;
    uint8_t Padding2;
    int32_t nBoardRevision;  // 0 revision A, 1 revision B, 2 (and any other value) revision C
    uint8_t nBbbHeaderIndex;  // entry of BbbHeaderModes
    char szBbbPrefixName[128];  // kept for the form; no pin name takes it
    uint8_t Padding3[3];
};

static_assert(sizeof(TAMBLIN_CONFIG) == 292);
static_assert(offsetof(TAMBLIN_CONFIG, BoardId) == 0);
static_assert(offsetof(TAMBLIN_CONFIG, Size) == 4);
static_assert(offsetof(TAMBLIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(TAMBLIN_CONFIG, bClock) == 136);
static_assert(offsetof(TAMBLIN_CONFIG, bLed) == 137);
static_assert(offsetof(TAMBLIN_CONFIG, bButton) == 138);
static_assert(offsetof(TAMBLIN_CONFIG, bCapButton) == 139);
static_assert(offsetof(TAMBLIN_CONFIG, bSwitch) == 140);
static_assert(offsetof(TAMBLIN_CONFIG, bHdmiTx) == 141);
static_assert(offsetof(TAMBLIN_CONFIG, bTempSensor) == 142);
static_assert(offsetof(TAMBLIN_CONFIG, bGSensor) == 143);
static_assert(offsetof(TAMBLIN_CONFIG, bUsb) == 144);
static_assert(offsetof(TAMBLIN_CONFIG, bMipi) == 145);
static_assert(offsetof(TAMBLIN_CONFIG, bEthernet) == 146);
static_assert(offsetof(TAMBLIN_CONFIG, bSdCard) == 147);
static_assert(offsetof(TAMBLIN_CONFIG, bDdr3) == 148);
static_assert(offsetof(TAMBLIN_CONFIG, bFlash) == 149);
static_assert(offsetof(TAMBLIN_CONFIG, bAudio) == 150);
static_assert(offsetof(TAMBLIN_CONFIG, bSmaAdc) == 151);
static_assert(offsetof(TAMBLIN_CONFIG, bLightSensor) == 152);
static_assert(offsetof(TAMBLIN_CONFIG, bHumiditySensor) == 153);
static_assert(offsetof(TAMBLIN_CONFIG, bPowerMonitor) == 154);
static_assert(offsetof(TAMBLIN_CONFIG, Padding2) == 155);
static_assert(offsetof(TAMBLIN_CONFIG, nBoardRevision) == 156);
static_assert(offsetof(TAMBLIN_CONFIG, nBbbHeaderIndex) == 160);
static_assert(offsetof(TAMBLIN_CONFIG, szBbbPrefixName) == 161);
static_assert(offsetof(TAMBLIN_CONFIG, Padding3) == 289);

constexpr int32_t TAMBLIN_REVISION_A = 0;
constexpr int32_t TAMBLIN_REVISION_B = 1;
constexpr int32_t TAMBLIN_REVISION_C = 2;

// The BBB header choices, one per entry of the form's list.
struct BBB_HEADER_MODE {
    int32_t mode;
    char text[32];
};
constexpr BBB_HEADER_MODE BbbHeaderModes[] = {
    {0, "None"},
    {1, "Default"},
    {2, "WIFI-BLE"},
    {10, "BBB Mode 7"},
};
constexpr int kBbbHeaderModeCount = static_cast<int>(std::size(BbbHeaderModes));

// Every byte zero, then the board's defaults: all groups but MIPI, DDR3 and the SMA ADC,
// revision C, no header.
void DefaultConfig(TAMBLIN_CONFIG& Config);

// Fills an empty board with Tamblin's device and the groups of the record: the ticked
// on-board devices at the record's revision, then the BBB header group of its mode.
void BuildMainBoard_Tamblin(TMainBoard* board, const TAMBLIN_CONFIG& Config);

// The board of the form's Generate: the definition alone, as no card goes on this board, of
// the record as the form shows it (a header choice outside the list is none). The record is
// not changed.
void BuildTamblinProjectBoard(TMainBoard& board, const TAMBLIN_CONFIG& config);

// What the Tamblin form's Generate does after its dialogs, without controls: the board as
// above written as a Verilog project. The record is taken as it stands (BoardId and Size set).
bool GenerateTamblinProject(const TAMBLIN_CONFIG& Config, const std::string& projectFile);

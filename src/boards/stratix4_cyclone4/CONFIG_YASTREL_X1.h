#pragma once
// Yastrel_X1 (Stratix IV GX, two device variants): its 684-byte settings record, which is also
// the format of its .cfg files, the board definition and what the form's Generate does without
// controls. The definition keeps a copy of the record in the board, where the writers read
// the programmable clock generator's settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct YASTREL_X1_CONFIG {
    static constexpr int kHsmcPorts = 2;

    uint8_t BoardId;
    uint8_t nBoardType;  // 0 "Yastrel_230", 1 "Yastrel_530"
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSlideSwitch;
    uint8_t bSataHost[2];
    uint8_t bSataDevice[2];
    uint8_t bEthernet;
    uint8_t bSDCARD;
    uint8_t bSma;
    uint8_t bUsbOTG;
    uint8_t bCurrent;
    uint8_t bTemp;
    uint8_t bDDR2[2];
    uint8_t bPCIe;
    uint8_t bFan;
    uint8_t bSSRAM;
    uint8_t bFlash;
    uint8_t bMax2;  // no control sets it and nothing is built from it
    uint8_t bEEPROM;
    uint8_t bExtPLL;
    uint8_t bRS232;
    uint8_t nExtPllSetting[3];  // HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK (core/model/ExtPllCodes.h)
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t nHsmcDaughterId[kHsmcPorts];
    char szHSMCPrefixName[kHsmcPorts][128];
    uint8_t Padding2[3];
};

static_assert(sizeof(YASTREL_X1_CONFIG) == 684);
static_assert(sizeof(YASTREL_X1_CONFIG) == sizeof(TMainBoard::m_Yastrel_X1Config));
static_assert(offsetof(YASTREL_X1_CONFIG, BoardId) == 0);
static_assert(offsetof(YASTREL_X1_CONFIG, nBoardType) == 1);
static_assert(offsetof(YASTREL_X1_CONFIG, Size) == 4);
static_assert(offsetof(YASTREL_X1_CONFIG, szProjectName) == 8);
static_assert(offsetof(YASTREL_X1_CONFIG, bOSC) == 136);
static_assert(offsetof(YASTREL_X1_CONFIG, bLED) == 137);
static_assert(offsetof(YASTREL_X1_CONFIG, bSeg7) == 138);
static_assert(offsetof(YASTREL_X1_CONFIG, bButton) == 139);
static_assert(offsetof(YASTREL_X1_CONFIG, bSwitch) == 140);
static_assert(offsetof(YASTREL_X1_CONFIG, bSlideSwitch) == 141);
static_assert(offsetof(YASTREL_X1_CONFIG, bSataHost) == 142);
static_assert(offsetof(YASTREL_X1_CONFIG, bSataDevice) == 144);
static_assert(offsetof(YASTREL_X1_CONFIG, bEthernet) == 146);
static_assert(offsetof(YASTREL_X1_CONFIG, bSDCARD) == 147);
static_assert(offsetof(YASTREL_X1_CONFIG, bSma) == 148);
static_assert(offsetof(YASTREL_X1_CONFIG, bUsbOTG) == 149);
static_assert(offsetof(YASTREL_X1_CONFIG, bCurrent) == 150);
static_assert(offsetof(YASTREL_X1_CONFIG, bTemp) == 151);
static_assert(offsetof(YASTREL_X1_CONFIG, bDDR2) == 152);
static_assert(offsetof(YASTREL_X1_CONFIG, bPCIe) == 154);
static_assert(offsetof(YASTREL_X1_CONFIG, bFan) == 155);
static_assert(offsetof(YASTREL_X1_CONFIG, bSSRAM) == 156);
static_assert(offsetof(YASTREL_X1_CONFIG, bFlash) == 157);
static_assert(offsetof(YASTREL_X1_CONFIG, bMax2) == 158);
static_assert(offsetof(YASTREL_X1_CONFIG, bEEPROM) == 159);
static_assert(offsetof(YASTREL_X1_CONFIG, bExtPLL) == 160);
static_assert(offsetof(YASTREL_X1_CONFIG, bRS232) == 161);
static_assert(offsetof(YASTREL_X1_CONFIG, nExtPllSetting) == 162);
static_assert(offsetof(YASTREL_X1_CONFIG, nGpioDaughterId) == 165);
static_assert(offsetof(YASTREL_X1_CONFIG, szGpioPrefixName) == 167);
static_assert(offsetof(YASTREL_X1_CONFIG, nHsmcDaughterId) == 423);
static_assert(offsetof(YASTREL_X1_CONFIG, szHSMCPrefixName) == 425);

// The device variants the board-type combo offers, by nBoardType.
constexpr const char* kYastrel_X1BoardTypes[] = {"Yastrel_230", "Yastrel_530"};

// Every byte zero, then the board's defaults: the groups the board is mostly used with, the
// generator's outputs at 100 MHz, no cards.
void DefaultConfig(YASTREL_X1_CONFIG& config);

// Fills an empty board with Yastrel_X1's device, the ticked groups (with the clock, reset and
// I2C pins the programmable generator needs whenever it is ticked), the DDR2 sockets, the
// GPIO headers by the 80-pin rule and the HSMC connectors that have a card. The record's copy
// goes into the board first. A device variant other than 1 is the first one.
void BuildMainBoard_Yastrel_X1(TMainBoard* board, const YASTREL_X1_CONFIG& Config);

// The definition and the cards attached as the form attaches them, on a copy of the record
// made as the form makes it: the variant and the generator codes outside their lists are the
// defaults, the GPIO headers are paired as the form shows them (StoredPairLeader leading),
// and the default HSMC cards without a prefix take "HSMA_" or "HSMB_". The DDR2 modules take
// "M1_DDR2_" and "M2_DDR2_". The record is not changed.
void BuildYastrel_X1ProjectBoard(TMainBoard& board, const YASTREL_X1_CONFIG& config);

// The working record of the above, which the board's copy holds.
YASTREL_X1_CONFIG Yastrel_X1ProjectRecord(const YASTREL_X1_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> Yastrel_X1CardChoices(const YASTREL_X1_CONFIG& config);

// What the Yastrel_X1 form's Generate does after its dialogs: the board as above, written as a
// Verilog project with the generator's controller file.
bool GenerateYastrel_X1Project(const YASTREL_X1_CONFIG& config, const std::string& projectFile);

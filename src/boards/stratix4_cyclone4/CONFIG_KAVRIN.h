#pragma once
// Kavrin (Cyclone IV E): its 432-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls. The GPIO
// header's and the HSMC connector's I/O voltages are set by jumpers; the record says which.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct KAVRIN_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bEEPROM;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFlash;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSma;
    uint8_t bAudio;
    uint8_t bIR;
    uint8_t bUSB;
    uint8_t bEthernet0;
    uint8_t bEthernet1;
    uint8_t bTvDecode;
    uint8_t bEXIO;
    uint8_t Padding2[2];
    int32_t nGpioVoltage;  // 0 "3.3 V (Default)", 1 "2.5 V", 2 "1.8 V", 3 "1.5 V"
    uint8_t nGpioDaughterId;
    char szGpioPrefixName[128];
    uint8_t Padding3[3];
    int32_t nHsmcVoltage;  // 0 "3.3 V", 1 "2.5 V (Default)", 2 "1.8 V", 3 "1.5 V"
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding4[3];
};

static_assert(sizeof(KAVRIN_CONFIG) == 432);
static_assert(offsetof(KAVRIN_CONFIG, BoardId) == 0);
static_assert(offsetof(KAVRIN_CONFIG, Size) == 4);
static_assert(offsetof(KAVRIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(KAVRIN_CONFIG, bOSC) == 136);
static_assert(offsetof(KAVRIN_CONFIG, bLED) == 137);
static_assert(offsetof(KAVRIN_CONFIG, bSeg7) == 138);
static_assert(offsetof(KAVRIN_CONFIG, bButton) == 139);
static_assert(offsetof(KAVRIN_CONFIG, bSwitch) == 140);
static_assert(offsetof(KAVRIN_CONFIG, bEEPROM) == 141);
static_assert(offsetof(KAVRIN_CONFIG, bPS2) == 142);
static_assert(offsetof(KAVRIN_CONFIG, bSDCARD) == 143);
static_assert(offsetof(KAVRIN_CONFIG, bVGA) == 144);
static_assert(offsetof(KAVRIN_CONFIG, bLCD) == 145);
static_assert(offsetof(KAVRIN_CONFIG, bSDRAM) == 146);
static_assert(offsetof(KAVRIN_CONFIG, bFlash) == 147);
static_assert(offsetof(KAVRIN_CONFIG, bRS232) == 148);
static_assert(offsetof(KAVRIN_CONFIG, bSRAM) == 149);
static_assert(offsetof(KAVRIN_CONFIG, bSma) == 150);
static_assert(offsetof(KAVRIN_CONFIG, bAudio) == 151);
static_assert(offsetof(KAVRIN_CONFIG, bIR) == 152);
static_assert(offsetof(KAVRIN_CONFIG, bUSB) == 153);
static_assert(offsetof(KAVRIN_CONFIG, bEthernet0) == 154);
static_assert(offsetof(KAVRIN_CONFIG, bEthernet1) == 155);
static_assert(offsetof(KAVRIN_CONFIG, bTvDecode) == 156);
static_assert(offsetof(KAVRIN_CONFIG, bEXIO) == 157);
static_assert(offsetof(KAVRIN_CONFIG, nGpioVoltage) == 160);
static_assert(offsetof(KAVRIN_CONFIG, nGpioDaughterId) == 164);
static_assert(offsetof(KAVRIN_CONFIG, szGpioPrefixName) == 165);
static_assert(offsetof(KAVRIN_CONFIG, nHsmcVoltage) == 296);
static_assert(offsetof(KAVRIN_CONFIG, nHsmcDaughterId) == 300);
static_assert(offsetof(KAVRIN_CONFIG, szHSMCPrefixName) == 301);
static_assert(offsetof(KAVRIN_CONFIG, Padding4) == 429);

// The GPIO header's voltage entries; the HSMC connector's are those of HsmcVoltage.h.
constexpr const char* kKavrinGpioVoltageItems[] = {"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"};
constexpr int32_t kKavrinGpioVoltageDefault = 0;

// The entry a stored GPIO voltage stands for: a value no form writes stands for the default.
constexpr int32_t KavrinGpioVoltageEntry(int32_t stored)
{
    return stored >= 0 && stored < static_cast<int32_t>(std::size(kKavrinGpioVoltageItems)) ? stored
                                                                                           : kKavrinGpioVoltageDefault;
}

// Every byte zero, then the board's defaults: every group ticked, GPIO 3.3 V, HSMC 2.5 V, no cards.
void DefaultConfig(KAVRIN_CONFIG& config);

// The generic GPIO card the header takes at a GPIO voltage other than 3.3 V; 0 at 3.3 V.
uint8_t KavrinGenericGpioCard(int32_t gpioVoltage);

// Fills an empty board with Kavrin's device, the ticked groups (pins sharing a bank with a
// connector in use take that connector's standard) and the connectors that have a card.
void BuildMainBoard_Kavrin(TMainBoard* board, const KAVRIN_CONFIG& Config);

// The definition and the cards attached as the form attaches them: the generic GPIO card of
// a voltage other than 3.3 V, "HSMC_" for an "HSMC Default" without a prefix, the HSMC card
// at its connector's voltage. The record is not changed.
void BuildKavrinProjectBoard(TMainBoard& board, const KAVRIN_CONFIG& config);

// The record's cards and the lists the form offers them from (the HSMC list by the voltage):
// Generate refuses by name a card they do not offer.
std::vector<CardChoice> KavrinCardChoices(const KAVRIN_CONFIG& config);

// What the Kavrin form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateKavrinProject(const KAVRIN_CONFIG& config, const std::string& projectFile);

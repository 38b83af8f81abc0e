#pragma once
// Orlenn (Stratix III): its 924-byte settings record, which is also the format of its .cfg
// files, the board definition and what the form's Generate does without controls. The board
// comes in five types (the device); its two GPIO headers take Kelpin-A's pins when ticked,
// and the DDR2 socket Kelpin-B's.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct ORLENN_CONFIG {
    static constexpr int kKelpinPorts = 4;  // Kelpin-A to Kelpin-D

    uint8_t BoardId;
    uint8_t nBoardType;  // an entry of kOrlennBoardTypes
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bDIP;
    uint8_t bSDCARD;
    uint8_t bSma;  // stored and outlined; no group of its own
    uint8_t bUSB;
    uint8_t bTemp;
    uint8_t bGPIO;  // the GPIO headers in place of Kelpin-A
    uint8_t bDDR2;  // the DDR2 module in place of Kelpin-B
    uint8_t nGpioDaughterId[2];  // by GPIO_0, GPIO_1
    char szGpioPrefixName[2][128];
    uint8_t nKelpinDaughterId[kKelpinPorts];
    char szKelpinPrefixName[kKelpinPorts][128];
    uint8_t Padding2[2];
};

static_assert(sizeof(ORLENN_CONFIG) == 924);
static_assert(offsetof(ORLENN_CONFIG, BoardId) == 0);
static_assert(offsetof(ORLENN_CONFIG, nBoardType) == 1);
static_assert(offsetof(ORLENN_CONFIG, Size) == 4);
static_assert(offsetof(ORLENN_CONFIG, szProjectName) == 8);
static_assert(offsetof(ORLENN_CONFIG, bOSC) == 136);
static_assert(offsetof(ORLENN_CONFIG, bLED) == 137);
static_assert(offsetof(ORLENN_CONFIG, bSeg7) == 138);
static_assert(offsetof(ORLENN_CONFIG, bButton) == 139);
static_assert(offsetof(ORLENN_CONFIG, bSwitch) == 140);
static_assert(offsetof(ORLENN_CONFIG, bDIP) == 141);
static_assert(offsetof(ORLENN_CONFIG, bSDCARD) == 142);
static_assert(offsetof(ORLENN_CONFIG, bSma) == 143);
static_assert(offsetof(ORLENN_CONFIG, bUSB) == 144);
static_assert(offsetof(ORLENN_CONFIG, bTemp) == 145);
static_assert(offsetof(ORLENN_CONFIG, bGPIO) == 146);
static_assert(offsetof(ORLENN_CONFIG, bDDR2) == 147);
static_assert(offsetof(ORLENN_CONFIG, nGpioDaughterId) == 148);
static_assert(offsetof(ORLENN_CONFIG, szGpioPrefixName) == 150);
static_assert(offsetof(ORLENN_CONFIG, nKelpinDaughterId) == 406);
static_assert(offsetof(ORLENN_CONFIG, szKelpinPrefixName) == 410);
static_assert(offsetof(ORLENN_CONFIG, Padding2) == 922);

// The board types: the board-type list's text, the device and its speed grade.
struct OrlennBoardType {
    const char* text;
    const char* device;
    int32_t speedGrade;
};
constexpr OrlennBoardType kOrlennBoardTypes[] = {
    {"Orlenn 150", "EP3SL150F1152C3", 3},   {"Orlenn 260", "EP3SE260F1152C2", 2},
    {"Orlenn 340C2", "EP3SL340H1152C2", 2}, {"Orlenn 340C3", "EP3SL340H1152C3", 3},
    {"Orlenn 150ES", "EP3SL150F1152C3", 3},
};

// The board type a stored byte stands for: a value outside the list (the byte read as signed)
// is the default type 0, so a board always has a device.
constexpr int OrlennBoardTypeEntry(uint8_t stored)
{
    const int type = static_cast<int8_t>(stored);
    return type >= 0 && type < static_cast<int>(std::size(kOrlennBoardTypes)) ? type : 0;
}

// Every byte zero, then the board's defaults: type 0, the ten device groups ticked, neither
// the GPIO headers nor the DDR2 module, no cards.
void DefaultConfig(ORLENN_CONFIG& config);

// Fills an empty board with Orlenn's device (by its type), the ticked groups, the DDR2
// socket, the GPIO headers (with the 80-pin rule) when ticked, and each Kelpin connector with
// a card that nothing takes the place of.
void BuildMainBoard_Orlenn(TMainBoard* board, const ORLENN_CONFIG& Config);

// The definition with the cards attached as the form attaches them, from the record as the
// form shows it: cards its lists do not offer and the cards of replaced connectors count as
// none, the headers paired as the form pairs a loaded record (GPIO-0 leading). The record is
// not changed.
void BuildOrlennProjectBoard(TMainBoard& board, const ORLENN_CONFIG& config);

// The cards of the connectors the record uses (the headers when ticked, the Kelpin ports they
// and the DDR2 socket leave) and the lists the form offers them from: Generate refuses by name
// a card they do not offer.
std::vector<CardChoice> OrlennCardChoices(const ORLENN_CONFIG& config);

// What the Orlenn form's Generate does after its dialogs: the board as above, written as a
// Verilog project.
bool GenerateOrlennProject(const ORLENN_CONFIG& config, const std::string& projectFile);

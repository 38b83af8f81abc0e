#pragma once
// Lothvar (Arria II GX): its 404-byte settings record, which is also the format of its .cfg
// files (its form never reads or writes "default.cfg"), the board definition and what the
// form's Generate does without controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct LOTHVAR_CONFIG {
    static constexpr int kHsmcPorts = 2;  // port A, port B

    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bPortBExtras;  // port B's clock and LEDs; no control sets it
    uint8_t bLCD;
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bDIP;
    uint8_t bDDR2;
    uint8_t bDDR3;      // stored only
    uint8_t bEthernet;  // stored only
    uint8_t bPciBus;    // the PCI Express x8 edge
    uint8_t nHsmcDaughterId[kHsmcPorts];
    char szHSMCPrefixName[kHsmcPorts][128];
};

static_assert(sizeof(LOTHVAR_CONFIG) == 404);
static_assert(offsetof(LOTHVAR_CONFIG, BoardId) == 0);
static_assert(offsetof(LOTHVAR_CONFIG, Size) == 4);
static_assert(offsetof(LOTHVAR_CONFIG, szProjectName) == 8);
static_assert(offsetof(LOTHVAR_CONFIG, bPortBExtras) == 136);
static_assert(offsetof(LOTHVAR_CONFIG, bLCD) == 137);
static_assert(offsetof(LOTHVAR_CONFIG, bOSC) == 138);
static_assert(offsetof(LOTHVAR_CONFIG, bLED) == 139);
static_assert(offsetof(LOTHVAR_CONFIG, bButton) == 140);
static_assert(offsetof(LOTHVAR_CONFIG, bDIP) == 141);
static_assert(offsetof(LOTHVAR_CONFIG, bDDR2) == 142);
static_assert(offsetof(LOTHVAR_CONFIG, bDDR3) == 143);
static_assert(offsetof(LOTHVAR_CONFIG, bEthernet) == 144);
static_assert(offsetof(LOTHVAR_CONFIG, bPciBus) == 145);
static_assert(offsetof(LOTHVAR_CONFIG, nHsmcDaughterId) == 146);
static_assert(offsetof(LOTHVAR_CONFIG, szHSMCPrefixName) == 148);

// Generate's answer to a record that ticks the DDR2 socket: the socket's location table is not
// this board's, so no project is made from it.
constexpr const char* kLothvarDdr2Unknown =
    "The DDR2 SO-DIMM pin locations of this board are not known; untick DDR2 SODIMM to generate.";

// Every byte zero, then the form's defaults: LCD, clock, LEDs, buttons, DIP switches and the
// Ethernet byte ticked, no cards; BoardId and Size as FormToConfig writes them.
void DefaultConfig(LOTHVAR_CONFIG& config);

// Fills an empty board with Lothvar's device, the ticked groups (port B's extras where the
// record asks for them), the DDR2 socket and the HSMC ports that have a card.
void BuildMainBoard_Lothvar(TMainBoard* board, const LOTHVAR_CONFIG& Config);

// The definition and the cards attached as the form attaches them: the DDR2 module under
// "mem_", then each port's card under its prefix (empty or not). A card the form's list does
// not offer counts as none. The record is not changed.
void BuildLothvarProjectBoard(TMainBoard& board, const LOTHVAR_CONFIG& config);

// The record's cards and the lists the form offers them from: Generate refuses by name a card
// they do not offer.
std::vector<CardChoice> LothvarCardChoices(const LOTHVAR_CONFIG& config);

// What the Lothvar form's Generate does after its dialogs: the board as above, written as a
// Verilog project. A record that ticks the DDR2 socket makes no project: false, nothing written.
bool GenerateLothvarProject(const LOTHVAR_CONFIG& config, const std::string& projectFile);

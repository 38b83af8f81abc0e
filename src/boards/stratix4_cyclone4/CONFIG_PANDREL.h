#pragma once
// Pandrel (Stratix IV GX, two device variants, six HSMC ports of which port C can serve two
// GPIO headers): its 1188-byte settings record, which is also the format of its .cfg files,
// the board definition and what the form's Generate does without controls. The definition
// keeps a copy of the record in the board, where the writers read the programmable clock
// generator's settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

struct PANDREL_CONFIG {
    static constexpr int kHsmcPorts = 6;

    uint8_t BoardId;
    uint8_t nBoardType;  // 0 "Pandrel_230", 1 "Pandrel_530"
    uint8_t Padding1[2];
    int32_t Size;
    char szProjectName[128];
    uint8_t bOSC;
    uint8_t bLED;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSma;
    uint8_t bTemp;
    uint8_t bDDR3;
    uint8_t bPCIe0;
    uint8_t bPCIe1;
    uint8_t bFan;
    uint8_t bSSRAM;
    uint8_t bFlash;
    uint8_t bExtPLL;
    uint8_t bHsmcCIsGpio;       // port C serves the two GPIO headers
    uint8_t nExtPllSetting[3];  // HSMA_REFCLK, HSME_REFCLK, PGM_GXBCLK (core/model/ExtPllCodes.h)
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t nHsmcDaughterId[kHsmcPorts];
    char szHSMCPrefixName[kHsmcPorts][128];
    uint8_t Padding2[3];
};

static_assert(sizeof(PANDREL_CONFIG) == 1188);
static_assert(sizeof(PANDREL_CONFIG) == sizeof(TMainBoard::m_PandrelConfig));
static_assert(offsetof(PANDREL_CONFIG, BoardId) == 0);
static_assert(offsetof(PANDREL_CONFIG, nBoardType) == 1);
static_assert(offsetof(PANDREL_CONFIG, Size) == 4);
static_assert(offsetof(PANDREL_CONFIG, szProjectName) == 8);
static_assert(offsetof(PANDREL_CONFIG, bOSC) == 136);
static_assert(offsetof(PANDREL_CONFIG, bLED) == 137);
static_assert(offsetof(PANDREL_CONFIG, bButton) == 138);
static_assert(offsetof(PANDREL_CONFIG, bSwitch) == 139);
static_assert(offsetof(PANDREL_CONFIG, bSma) == 140);
static_assert(offsetof(PANDREL_CONFIG, bTemp) == 141);
static_assert(offsetof(PANDREL_CONFIG, bDDR3) == 142);
static_assert(offsetof(PANDREL_CONFIG, bPCIe0) == 143);
static_assert(offsetof(PANDREL_CONFIG, bPCIe1) == 144);
static_assert(offsetof(PANDREL_CONFIG, bFan) == 145);
static_assert(offsetof(PANDREL_CONFIG, bSSRAM) == 146);
static_assert(offsetof(PANDREL_CONFIG, bFlash) == 147);
static_assert(offsetof(PANDREL_CONFIG, bExtPLL) == 148);
static_assert(offsetof(PANDREL_CONFIG, bHsmcCIsGpio) == 149);
static_assert(offsetof(PANDREL_CONFIG, nExtPllSetting) == 150);
static_assert(offsetof(PANDREL_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(PANDREL_CONFIG, szGpioPrefixName) == 155);
static_assert(offsetof(PANDREL_CONFIG, nHsmcDaughterId) == 411);
static_assert(offsetof(PANDREL_CONFIG, szHSMCPrefixName) == 417);

// The device variants the board-type combo offers, by nBoardType.
constexpr const char* kPandrelBoardTypes[] = {"Pandrel_230", "Pandrel_530"};

// Ports A and E carry transceivers: their list takes the transceiver cards.
constexpr bool PandrelTransceiverPort(int port) { return port == 0 || port == 4; }
// The generic card's voltage variants the jumpers allow, which the HSMC lists offer after the
// listed cards: on the transceiver ports, and on the others.
constexpr uint8_t kPandrelTransceiverPortVariants[] = {91, 90, 89, 87, 86, 93};
constexpr uint8_t kPandrelPortVariants[] = {87, 86, 93};

// Every byte zero, then the board's defaults: the groups the board is mostly used with, the
// generator not used but its outputs at 100 MHz, port C as an HSMC port, no cards.
void DefaultConfig(PANDREL_CONFIG& config);

// The I/O standard of the on-board pins that share a bank with HSMC port `port` (0 = A): the
// standard of the default HSMC card's voltage variant on that port, 2.5 V otherwise.
uint8_t HsmcPortIoStandard(const PANDREL_CONFIG& config, int port);


// Fills an empty board with Pandrel's device, the ticked groups (their standards following
// the cards on the HSMC ports that share their banks; the loop-back clocks always; the clock
// and I2C pins the programmable generator needs whenever it is ticked), the DDR3 socket, the
// GPIO headers or HSMC port C, and the HSMC ports that have a card. The record's copy goes
// into the board first. A device variant other than 1 is the first one.
void BuildMainBoard_Pandrel(TMainBoard* board, const PANDREL_CONFIG& Config);

// The working record as the form makes it from a record: the variant and the generator codes
// outside their lists made the defaults, the GPIO headers paired with header 1 leading (as
// the GPIO dialog pairs them when shown), and an empty prefix of a generic HSMC card made
// "HSM_".
PANDREL_CONFIG PandrelProjectRecord(const PANDREL_CONFIG& config);

// Gives the pin at `position` of the n-th attached HSMC connector (a default card's) its board
// name, the prefix followed by `name`, and the direction. The positions renamed carry a pin on
// every HSMC port.
void RenameDefaultPin(TMainBoard& board, int n, int position, const std::string& prefix, const char* name,
                      uint8_t direction);

// The definition of that working record and the cards attached as the form attaches them:
// the HSMC ports (port C only as an HSMC port) with the board names of the generic cards'
// clock pins, the GPIO headers while port C serves them, the DDR3 module under "mem_". The
// record is not changed.
void BuildPandrelProjectBoard(TMainBoard& board, const PANDREL_CONFIG& config);

// The cards of the connectors the record uses (port C's HSMC card or the GPIO headers) and the
// lists the form offers them from: Generate refuses by name a card they do not offer.
std::vector<CardChoice> PandrelCardChoices(const PANDREL_CONFIG& config);

// What the Pandrel form's Generate does after its dialogs: the board as above, written as a
// Verilog project with the generator's controller file.
bool GeneratePandrelProject(const PANDREL_CONFIG& config, const std::string& projectFile);

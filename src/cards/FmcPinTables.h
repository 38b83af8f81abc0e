#pragma once
// The fixed pin tables of the FMC cards: one row per connector position. Position p (1 to
// 400) is row index x 40 + column, the connector rows A to K (no I) having the indexes 0 to
// 9 and the columns running from 1 to 40; table row i describes position i + 1.
#include <cstddef>
#include <cstdint>
#include <span>

constexpr int FMC_HPC_PIN_NUM = 400;

// One position of a card. A row whose name starts with NUL carries no signal; no other field
// of such a row is read.
template <std::size_t NameWidth>
struct FMC_PIN_ROW {
    char Name[NameWidth];
    uint8_t Direction;   // DIRECTION_INOUT, DIRECTION_INPUT or DIRECTION_OUTPUT
    uint8_t IoStandard;  // index into IoStandardName
    uint8_t Flags;       // FMC_FLAG_* bits
};

using FmcPinTable16 = std::span<const FMC_PIN_ROW<16>>;
using FmcPinTable32 = std::span<const FMC_PIN_ROW<32>>;

// What the tables mark in Flags; each map tests its own masks of these.
constexpr uint8_t FMC_FLAG_SINGLE = 0x01;      // single-ended signal
constexpr uint8_t FMC_FLAG_DIFF = 0x02;        // user pair (LA, HA, HB) or its leg
constexpr uint8_t FMC_FLAG_CLOCK = 0x04;       // clock pair; with FMC_FLAG_DIFF a clock-capable pair
constexpr uint8_t FMC_FLAG_BIDIR_CLOCK = 0x08; // bidirectional clock pair
constexpr uint8_t FMC_FLAG_LANE = 0x10;        // transceiver lane
constexpr uint8_t FMC_FLAG_REFCLK = 0x20;      // transceiver reference clock
constexpr uint8_t FMC_FLAG_SKIP = 0x40;        // left out by the adapter maps (set in no table)
constexpr uint8_t FMC_FLAG_NEGATIVE = 0x80;    // negative leg; in the Vossil table: not fitted

extern const FmcPinTable16 FmcVitaPinTable;
extern const FmcPinTable16 FmcVitaArrayPinTable;
extern const FmcPinTable16 FmcAlteraPinTable;
extern const FmcPinTable16 FmcAlteraVarnholtPinTable;
extern const FmcPinTable16 FmcVossilPinTable;
extern const FmcPinTable32 FmcDortlePinTable;
extern const FmcPinTable32 FmcBrasketPinTable;
extern const FmcPinTable32 FmcWyrselPinTable;
extern const FmcPinTable32 FmcParnishPinTable;
extern const FmcPinTable32 FmcPashardTiPinTable;
extern const FmcPinTable32 FmcTiAdc34j45PinTable;
extern const FmcPinTable32 FmcFerrundPinTable;

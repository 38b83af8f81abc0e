#pragma once
// How a card's pin map is written: the positions of the connector and, per row, the
// positions, the signals, the direction, the I/O standard and the flag, in the notation of
// the card's pin table:
//   positions  "1-10, 13-28, 31-40"  a range a-b, a stepped range a-b/k ("1-29/4"), items
//                                    separated by a comma;
//   signals    "GPIO[0..35]"         a bus run takes one index per listed position, in list
//                                    order ("D[13..0]" counts down); plain names separated by
//                                    a comma take one position each.
//   std        an I/O-standard index, or the map argument that supplies it (IoStd, HsmcStd,
//              XcvrStd, LvdsStd, StdArg).
// A row whose names and positions do not pair up, a position named twice or out of range is
// an internal error, so a transcription slip cannot pass unnoticed.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/Connector.h"
#include "core/model/Pin.h"

class TDaughterBoard;

namespace cardmap {

// Directions as the tables write them.
constexpr uint8_t in = DIRECTION_INPUT;
constexpr uint8_t out = DIRECTION_OUTPUT;
constexpr uint8_t inout = DIRECTION_INOUT;

// Standards supplied by map arguments (values no I/O-standard index takes).
constexpr uint8_t IoStd = 200;
constexpr uint8_t HsmcStd = 201;
constexpr uint8_t XcvrStd = 202;
constexpr uint8_t LvdsStd = 203;
constexpr uint8_t StdArg = 204;  // a map's own further standard argument

struct PinRow {
    const char* positions;
    const char* signals;
    uint8_t dir;
    uint8_t std;
    uint8_t flag = 0;
};

// The values a map's arguments give the standard references of its rows.
struct StdArgs {
    uint8_t ioStd = 8;
    uint8_t hsmcStd = 6;
    uint8_t xcvrStd = 36;
    uint8_t lvdsStd = 21;
    uint8_t stdArg = 8;
};

// One position's pin before it is appended.
struct PinSpec {
    std::string name;
    uint8_t dir = DIRECTION_INOUT;
    uint8_t std = 8;
    uint8_t flag = 0;
    int32_t pinIndex = 0;
};

// Entry p - 1 describes position p; nothing where the position carries no signal.
using PinTable = std::vector<std::optional<PinSpec>>;

// An empty table of `positions` entries.
PinTable EmptyTable(int positions);
// Puts the rows into the table; a position that already holds a pin is an internal error.
void AddRows(PinTable& table, std::span<const PinRow> rows, const StdArgs& args = {});
// Puts the rows into the table, replacing what the positions held (namings that differ
// from a general table at a few positions).
void OverlayRows(PinTable& table, std::span<const PinRow> rows, const StdArgs& args = {});
// Appends one entry per position: a new pin (location empty) or an empty entry.
void AppendTable(TDaughterBoard* pDaughter, const PinTable& table);
// The whole frame of a table map: `positions` entries from the rows.
void FillMap(TDaughterBoard* pDaughter, int positions, std::span<const PinRow> rows, const StdArgs& args = {});

// The expansion of one column, exposed for tests of the notation.
std::vector<int> ExpandPositions(const char* positions);
std::vector<std::string> ExpandSignals(const char* signals);

}  // namespace cardmap

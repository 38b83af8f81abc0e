#pragma once
// What every board definition does the same way: on-board groups from rows of pins and
// expansion connectors from a table of locations, one per position.
#include <cstdint>
#include <span>
#include <string>

#include "core/model/MainBoard.h"

// One line of an on-board group: a name or a bus run ("SW[0..9]"), its direction and I/O
// standard, and the locations in index order separated by blanks ("" for pins without one).
struct BoardPinRow {
    const char* signals;
    uint8_t dir;
    uint8_t std;
    const char* locations;
};

// Adds a group connector ("CLOCK", "KEY", ...) with the rows' pins, in row order.
TConnector* AddBoardGroup(TMainBoard& board, const std::string& name, std::span<const BoardPinRow> rows);

// Adds an expansion connector: one entry per position, a pin that takes the card's direction
// and standard where the table has a location, an empty entry where it has none (nullptr).
TConnector* AddExpansionConnector(TMainBoard& board, const std::string& name, const std::string& description,
                                  uint8_t type, int32_t expansionId, std::span<const char* const> locations);

#pragma once
// What the card-map tests check of a filled daughter connector.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/model/DaughterBoard.h"

namespace cardtest {

// Builds card `cardId` through the dispatcher, as an attach on that main board would.
std::unique_ptr<TDaughterBoard> BuildCard(uint8_t cardId, int mainBoardId, int32_t variant = 0,
                                          uint8_t defaultIoStandard = 8, const char* baseName = nullptr);
// Runs one map directly on a fresh daughter connector.
std::unique_ptr<TDaughterBoard> RunMap(const std::function<void(TDaughterBoard*)>& map);

// Positions (1-based) with an empty entry.
std::vector<int> EmptyPositions(const TConnector& c);
// Positions of the pins with Flag 1.
std::vector<int> FlaggedPositions(const TConnector& c);
// Number of active pins of a direction.
int CountDirection(const TConnector& c, uint8_t direction);
// Number of active pins with an I/O standard.
int CountStandard(const TConnector& c, uint8_t ioStandard);
// Names that occur more than once among the pins.
std::vector<std::string> DuplicateNames(const TConnector& c);
// The pin at a 1-based position, or null.
const TPin* At(const TConnector& c, int position);

// What a map's Part states; a field left at -1 (or an empty optional list) is not checked.
struct MapExpectation {
    std::string label;
    std::function<std::unique_ptr<TDaughterBoard>()> build;
    int entries = -1;
    int active = -1;
    int inputs = -1;
    int outputs = -1;
    int inouts = -1;
    bool checkEmpty = false;
    std::vector<int> empty;
    bool checkFlagged = true;  // flagged pins default to none
    std::vector<int> flagged;
};

// Checks one expectation, plus what every map owes: pin index = position (unless
// `anyPinIndex`), empty locations, standards inside the table, directions 1 to 3,
// unique names, and the same entries when built twice.
void CheckMap(const MapExpectation& e, bool anyPinIndex = false);

}  // namespace cardtest

#pragma once
// Queries over a board model and the table a board's definition test states of it: the
// connectors in order, their counts, and spot checks of pins and positions.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"

namespace modeltest {

std::vector<std::string> ConnectorNames(const TMainBoard& board);
// The first connector of that name, or null.
const TConnector* FindConnector(const TMainBoard& board, const std::string& name);
// The first pin of that name on the connector, or on any connector of the board; or null.
const TPin* FindPin(const TConnector& connector, const std::string& name);
const TPin* FindPin(const TMainBoard& board, const std::string& name);
// Entries that hold a pin (PinCount counts the empty ones too).
int PinEntryCount(const TConnector& connector);

// Counts of one connector; a field left at -1 is not checked.
struct ConnectorFacts {
    std::string name;
    int entries = -1;      // PinCount, empty entries included
    int pins = -1;         // entries holding a pin
    int active = -1;       // ActivePinCount
    int type = -1;         // CONNECTOR_*
    int expansionId = -1;  // checked together with the expansion flag
    std::optional<std::string> description = std::nullopt;
};

// One pin found by name anywhere on the board; a number left at -1 is not checked.
struct PinFacts {
    std::string name;
    std::string location;  // "" for a pin without location
    int dir = -1;
    int std = -1;
    int clock = -1;
    int periodNs = -1;
    std::optional<std::string> frequency = std::nullopt;
    std::optional<std::string> bank = std::nullopt;
};

// One position (1-based) of a connector: nullopt for an empty entry, else the pin's location
// ("" where it has none) with its direction and standard.
struct PositionFacts {
    std::string connector;
    int position;
    std::optional<std::string> location;
    int dir = -1;
    int std = -1;
};

// The device a definition sets.
struct DeviceFacts {
    int boardId;
    std::string family;
    std::string device;
    std::string package;
    int pinCount;
    int speedGrade;
    std::string speedGradeText = "";
};

struct BoardFacts {
    std::optional<DeviceFacts> device = std::nullopt;
    std::optional<std::vector<std::string>> connectors = std::nullopt;  // every name, in order
    std::vector<ConnectorFacts> counts = {};
    std::vector<PinFacts> pins = {};
    std::vector<PositionFacts> positions = {};
};

// Checks the facts, each failure labelled.
void ExpectBoard(const TMainBoard& board, const BoardFacts& facts, const std::string& label = "");

// What every definition owes, whatever its record: no pin name and no location twice among
// the pins (but the locations a board's data does share), every location an FPGA pin name or
// empty, every expansion connector with at least its type's positions. Returns the number of
// pins with a location.
int ExpectSoundModel(const TMainBoard& board, const std::string& label = "",
                     const std::vector<std::string>& sharedLocations = {});


// One row of a board's definition table: a change to the board's default record (made by
// the board's DefaultConfig) and what the model built from that record shows.
template <class Record>
struct DefinitionCase {
    std::string label;
    std::function<void(Record&)> edit;
    BoardFacts facts;
};

// Runs a definition table: each record is built twice on one board (a definition empties
// the board first, so the second run must give the same model), then its facts are checked
// together with ExpectSoundModel (given the locations the board's data shares).
template <class Record, class Definition>
void ExpectDefinitionTable(std::span<const DefinitionCase<Record>> cases, Definition define,
                           const std::vector<std::string>& sharedLocations = {})
{
    for (const DefinitionCase<Record>& c : cases) {
        Record record;
        DefaultConfig(record);
        if (c.edit) c.edit(record);
        TMainBoard board;
        define(board, record);
        define(board, record);
        ExpectBoard(board, c.facts, c.label);
        ExpectSoundModel(board, c.label, sharedLocations);
    }
}

}  // namespace modeltest

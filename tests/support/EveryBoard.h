#pragma once
// Every board's headless pair seen through its record's bytes, for the tests that walk all
// boards: the records a walk starts from, the card choices the pair checks and the board the
// pair builds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/CardChoice.h"

namespace boardtest {

using Record = std::vector<uint8_t>;
using BoardUse = std::function<void(const TMainBoard&)>;

template <class R>
Record Bytes(const R& record)
{
    Record bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

// A record of type R from its bytes; a record of another board (another size) throws.
template <class R>
R As(const Record& bytes)
{
    if (bytes.size() != sizeof(R)) throw std::logic_error("a record of another board");
    R record;
    std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

struct BoardUnderTest {
    std::string name;  // "Gorvath", "Yastrel_X2 F2"
    uint8_t boardId;
    // Every group ticked and every connector the record can use in use, no card. Where
    // connectors exclude each other or a list follows a voltage, one record per case; the
    // first is at the form's default voltage.
    std::vector<Record> bases;
    std::function<std::vector<CardChoice>(const Record&)> choices;
    // Builds the pair's board of the record and hands it to `use`.
    std::function<void(const Record&, const BoardUse&)> build;
    // The pair's Generate of the record into that project file.
    std::function<bool(const Record&, const std::string&)> generate;
    // Each clock-chip choice of the record (a chip, or one output of it), with the first base
    // once per value the choice can take, so that a walk sees what every value brings in.
    struct ClockChip {
        std::string name;
        std::vector<Record> records;
    };
    std::vector<ClockChip> clockChips;
    // The board's definition alone, the record prepared as the pair prepares it: no card is
    // attached, so each expansion connector shows the board's own position table.
    std::function<void(const Record&, const BoardUse&)> define;
};

const std::vector<BoardUnderTest>& EveryBoard();

// Where in a record (with no card) the named connector's card id lies: found by its effect on
// the board's choices, so that no board needs to say where its fields lie. A byte written
// there puts that card on the connector.
std::size_t CardOffset(const BoardUnderTest& board, const Record& record, const std::string& connector);

}  // namespace boardtest

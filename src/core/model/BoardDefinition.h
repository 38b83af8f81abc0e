#pragma once
// What every board definition does the same way: on-board groups from rows of pins,
// expansion connectors from a table of locations (one per position), the two GPIO headers
// with the 80-pin rule, and the attaching of a header pair's cards.
//
// Location texts, in rows and tables alike:
//   "AF14"      the FPGA pin, without "PIN_" (letters and digits only);
//   "?"         a pin whose location the board's data does not give (LOCATION_UNKNOWN). It is
//               never invented: the pin is made with an empty location;
//   "?*N"       in a row's list only: N such pins in a row ("AJ11 ?*16").
// Anything else ("PIN_AF14", "", "A-1") is an internal error, so no "PIN_?" or half-typed
// location can reach a project.
//
// A pin with an empty location versus an empty entry:
//   - a pin with an empty location (unknown, or a pin the board routes to no FPGA pin of its
//     own, such as the HPS pins) is a signal: a port of the top level with its I/O-standard
//     line in the .qsf and its row in the report, but without a location line;
//   - an empty entry (nullptr in an expansion table) is a connector position that carries no
//     signal (power, ground, a lane the board does not route): there is no pin at all, and
//     whatever a card puts on that position is dropped.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "core/model/MainBoard.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/RecordText.h"

constexpr const char* LOCATION_UNKNOWN = "?";

// Clock data of a row's pins: `clock` is the pin's Clock value (1 marks a clock pin), then a
// period, a frequency printed with "%f MHz", or a frequency text taken as it is.
struct PinClock {
    int8_t clock = 0;
    int32_t periodNs = 0;
    float mhz = 0;
    const char* text = nullptr;
};
constexpr PinClock ClockPeriod(int32_t ns) { return {1, ns, 0, nullptr}; }
constexpr PinClock ClockMHz(float mhz) { return {1, 0, mhz, nullptr}; }          // "50.000000 MHz"
constexpr PinClock ClockText(const char* text) { return {1, 0, 0, text}; }       // "10.0 MHz" as written
constexpr PinClock ClockWithoutData() { return {1, 0, 0, nullptr}; }

// One line of a group: a name, a list of names or a bus run ("SW[0..9]", "A, B[0..2], C";
// the notation of the card maps), its direction and I/O standard, and one location per pin
// in order, separated by blanks. An empty list gives every pin of the row an empty location
// (pins the board routes to no FPGA pin of its own). Rows may be built at run time, where a
// location or a frequency depends on the record.
struct BoardPinRow {
    const char* signals;
    uint8_t dir;
    uint8_t std;
    const char* locations;
    PinClock clock = {};
    const char* bank = nullptr;  // "BANK 3B"
};

// Appends the rows' pins to a connector, in row order.
void AddBoardPins(TConnector& connector, std::span<const BoardPinRow> rows);

// Adds a group connector ("CLOCK", "KEY", ...) with the rows' pins, in row order. Pins that
// only some records have can be appended to the returned group afterwards.
TConnector* AddBoardGroup(TMainBoard& board, const std::string& name, std::span<const BoardPinRow> rows);

// A position whose board pin keeps its own direction or standard when a card is attached:
// the card supplies only what holds DIRECTION_FROM_DAUGHTER or IOSTD_FROM_DAUGHTER.
struct FixedPosition {
    int position;  // 1-based
    uint8_t dir = DIRECTION_FROM_DAUGHTER;
    uint8_t std = IOSTD_FROM_DAUGHTER;
};

struct ExpansionOptions {
    std::span<const FixedPosition> fixed = {};
    // Board pins after the last position (a reference clock, an RZQ pin): beyond every card's
    // positions, so they keep their own names and data.
    std::span<const BoardPinRow> pinsAfter = {};
    // The card the connector records for the pin sort; -1 on nearly every board.
    int32_t cardId = -1;
    // The standard of every position's pin: the card's, or one the header keeps whatever the
    // card's map says (the fixed positions still choose their own).
    uint8_t positionStd = IOSTD_FROM_DAUGHTER;
};

// Adds an expansion connector: one entry per position of its type, a pin that takes the
// card's name, direction and standard (unless positionStd) where the table has a location
// (known or unknown),
// an empty entry where it has nullptr; then the fixed positions and the pins after.
TConnector* AddExpansionConnector(TMainBoard& board, const std::string& name, const std::string& description,
                                  uint8_t type, int32_t expansionId, std::span<const char* const> locations,
                                  const ExpansionOptions& options = {});

// A location table for a connector whose data lists positions ("2, 6, 10, 90-91", the
// notation of the card maps) rather than every location: either the positions that carry
// a pin or the empty ones. The pins take `firstLocations` in position order, the rest
// LOCATION_UNKNOWN. The texts must be literals: the table points at them.
enum class ListedPositions { WithPin, Empty };
std::vector<const char*> PositionTable(int positionCount, ListedPositions listed, const char* positions,
                                       std::initializer_list<const char*> firstLocations = {});

// The two 40-pin GPIO headers from their tables (40 entries each), card ids from the record.
// With the 80-pin rule, a card of type CONNECTOR_GPIO80 on header 0 makes one connector
// "GPIO_0_1" of 80 positions (header 0's table, then header 1's; expansion id 18), and both
// headers must hold a card (the forms pair them); otherwise each header with a card becomes
// "GPIO_0" or "GPIO_1" (40 positions, expansion id 16 or 17). Descriptions "GPIO_0_1 connect
// to %s" and "GPIO_%d connect to %s". Boards without the rule always build the two 40-pin
// connectors. The ids are those of the forms' lists (below 128), so "not 0" and "above 0"
// agree. `header` holds what both headers share beyond their tables (positions that keep
// their own direction, given in a header's numbering; the joined connector has them in
// both halves).
enum class Gpio80Rule { Applies, None };
void AddGpioHeaders(TMainBoard& board, uint8_t card0, uint8_t card1, std::span<const char* const> header0,
                    std::span<const char* const> header1, Gpio80Rule rule = Gpio80Rule::Applies,
                    const ExpansionOptions& header = {});

// Attaches the header cards in the first case that applies: the same 80-pin card on both
// headers onto "GPIO_0_1" (18) under header 0's prefix; the default pair (IsGpioDefaultPair) onto 16 and 17 with
// the base names "GPIO_0" and "GPIO_1" and no prefix; otherwise each header's card, where
// not 0, onto 16 or 17 under its own prefix. `ioStandard` is the cards' default standard.
void AttachGpioHeaderPair(TMainBoard& board, uint8_t card0, const std::string& prefix0, uint8_t card1,
                          const std::string& prefix1, bool defaultPair, uint8_t ioStandard = IOSTD_DEFAULT);

// A board with two headers built from a record (fields nGpioDaughterId and szGpioPrefixName
// by GPIO_0/GPIO_1) and its header cards attached, as its form does: the headers are first
// paired as the form pairs a loaded record, GPIO_0 leading, so that a file cannot ask for a
// joined connector without its second card. `spareDefaultPair` names the default pair GPIO_0 and GPIO_1 on the
// boards whose forms do so. The record is not changed.
template <class Record>
void BuildWithGpioHeaderPair(TMainBoard& board, const Record& record, void (*build)(TMainBoard*, const Record&),
                             bool spareDefaultPair, uint8_t ioStandard = IOSTD_DEFAULT)
{
    Record paired = record;
    PairGpioRecord(paired.nGpioDaughterId, paired.szGpioPrefixName, GPIO_0);
    build(&board, paired);
    const uint8_t card0 = paired.nGpioDaughterId[GPIO_0];
    const uint8_t card1 = paired.nGpioDaughterId[GPIO_1];
    const std::string prefix0 = ReadRecordText(paired.szGpioPrefixName[GPIO_0]);
    const std::string prefix1 = ReadRecordText(paired.szGpioPrefixName[GPIO_1]);
    AttachGpioHeaderPair(board, card0, prefix0, card1, prefix1,
                         spareDefaultPair && IsGpioDefaultPair(card0, prefix0, card1, prefix1), ioStandard);
}

// Whether a text is an FPGA pin name as the .qsf takes it: letters and digits, not empty.
bool IsPinLocation(const std::string& location);

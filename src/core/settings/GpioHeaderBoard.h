#pragma once
// What the Generate of a board with two GPIO headers that take one 80-pin card together does
// without controls, for any record with the header fields `nGpioDaughterId` and
// `szGpioPrefixName` (indexed GPIO_0, GPIO_1).
#include <cstdint>
#include <string>

#include "core/model/BoardDefinition.h"
#include "core/model/MainBoard.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/RecordText.h"

// The headers paired as the form pairs a loaded record (header 0 leading), so that a record
// from a file cannot ask for the joined connector without its second card; then the board's
// definition and the cards attached under their prefixes, the joined pair under header 0's.
// The record itself is not changed.
template <class Record>
void BuildGpioHeaderProjectBoard(TMainBoard& board, const Record& config, void (*define)(TMainBoard*, const Record&),
                                 uint8_t ioStandard)
{
    Record paired = config;
    PairGpioRecord(paired.nGpioDaughterId, paired.szGpioPrefixName);
    define(&board, paired);
    AttachGpioHeaderPair(board, paired.nGpioDaughterId[GPIO_0], ReadRecordText(paired.szGpioPrefixName[GPIO_0]),
                         paired.nGpioDaughterId[GPIO_1], ReadRecordText(paired.szGpioPrefixName[GPIO_1]), false,
                         ioStandard);
}

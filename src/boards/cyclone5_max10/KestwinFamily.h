#pragma once
// Kestwin and Lumbrae are one board design with two FPGAs: the same groups in the same order,
// the same HPS and two 40-pin headers without an 80-pin card. One definition and one headless
// pair serve both, fed with the board's own data.
#include <cstdint>
#include <span>
#include <string>

#include "core/model/BoardDefinition.h"
#include "core/model/MainBoard.h"

// What one board of the pair has of its own.
struct KestwinFamilyData {
    const char* device;
    int32_t devicePinCount;
    const char* speedGrade;
    std::span<const BoardPinRow> sw;
    std::span<const BoardPinRow> hdmi;  // the HDMI transmitter, where the board has one
    uint8_t rzqStd;                     // the HPS DDR3 RZQ pin's standard
    std::span<const char* const> gpio0;
    std::span<const char* const> gpio1;
};

// The groups a record ticks and the header cards, read from either board's record.
struct KestwinFamilyChoices {
    bool clock, led, button, sw, adc, hps, arduino, hdmi;
    uint8_t cards[2];
};

// The device data, then ADC, ARDUINO, CLOCK, HDMI, HPS, KEY, LED, SW, GPIO_0 and GPIO_1, each
// where chosen.
void BuildKestwinFamilyBoard(TMainBoard& board, const KestwinFamilyData& data, const KestwinFamilyChoices& choices);

// A header card the form's list does not offer is shown as "None" by the form, so it is
// dropped here too: nothing read from a file reaches the attach checks.
void KeepListedGpioCards(uint8_t (&cards)[2]);

// The header cards attached as the forms attach them: the default pair under the base names
// GPIO_0 and GPIO_1, otherwise each card under its own prefix.
void AttachKestwinFamilyHeaders(TMainBoard& board, const uint8_t (&cards)[2], const char (&prefixes)[2][128]);

// The definition with the listed header cards attached, for either board's record.
template <class Record>
void BuildKestwinFamilyProjectBoard(TMainBoard& board, const Record& config,
                                    void (*definition)(TMainBoard*, const Record&))
{
    Record request = config;
    KeepListedGpioCards(request.nGpioDaughterId);
    definition(&board, request);
    AttachKestwinFamilyHeaders(board, request.nGpioDaughterId, request.szGpioPrefixName);
}

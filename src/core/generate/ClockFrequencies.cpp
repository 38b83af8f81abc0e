#include "core/generate/ClockFrequencies.h"

#include <iterator>

namespace {

// Entry i is choice i + 1.
constexpr double kSi570[] = {
    100.0,      // 1
    125.0,      // 2
    156.25,     // 3
    250.0,      // 4
    312.5,      // 5
    322.265,    // 6
    644.53125,  // 7
};

// Entry i is choice i + 1; the external-PLL codes are these shifted by one.
constexpr double kCdcm[] = {
    62.5,    // 1
    75.0,    // 2
    100.0,   // 3
    125.0,   // 4
    150.0,   // 5
    156.25,  // 6
    187.5,   // 7
    200.0,   // 8
    250.0,   // 9
    312.5,   // 10
    625.0,   // 11
};

template <std::size_t N>
double FromOne(const double (&table)[N], int choice)
{
    return choice >= 1 && choice <= static_cast<int>(N) ? table[choice - 1] : 0.0;
}

}  // namespace

double Si570Frequency(uint8_t choice) { return FromOne(kSi570, choice); }

double CdcmFrequency(uint8_t choice) { return FromOne(kCdcm, choice); }

double ExtPllFrequency(uint8_t code) { return code >= 2 ? FromOne(kCdcm, code - 1) : 0.0; }

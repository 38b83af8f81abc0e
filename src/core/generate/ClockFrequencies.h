#pragma once
// Frequencies, in MHz, of the programmable clock chips' choices; 0 for a value no choice has.
#include <cstdint>

// Si570 oscillator choice 1 to 7.
double Si570Frequency(uint8_t choice);
// CDCM61001 / CDCM61004 choice 1 to 11.
double CdcmFrequency(uint8_t choice);
// External-PLL code 2 to 12 (0 "Unchange" and 1 "Disable" set no frequency).
double ExtPllFrequency(uint8_t code);

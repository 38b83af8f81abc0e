#pragma once
// The clock-chip choice codes of the Stratix V boards Sarnoth, Cresswin and Morrast. A code is
// the index of its combo-box entry, the value stored in the record and what the clock-chip
// HDL and the definitions derive frequencies from.
//
// A record read from a file may hold any 32-bit value. Every reader takes the code through the
// functions below, which turn a value outside its list into the list's "not used" code, so the
// form, the definition, the top-level HDL and the exported controller files agree on it.
#include <cstdint>
#include <string>
#include <vector>

// Si570 (all three boards): 0 not used, 1 to 7 a frequency.
constexpr int kSi570CodeCount = 8;
constexpr uint8_t kSi570NotUsed = 0;
// External PLL (Sarnoth's CDCM61001 and CDCM61004): 0 unchanged, 1 not used, 2 to 12 a frequency.
constexpr int kExtPllCodeCount = 13;
constexpr uint8_t kExtPllUnchanged = 0;
constexpr uint8_t kExtPllNotUsed = 1;
// CDCM61004 of Cresswin and Morrast: 0 not used, 1 to 11 a frequency.
constexpr int kCdcm61004CodeCount = 12;
constexpr uint8_t kCdcm61004NotUsed = 0;

uint8_t Si570Code(int32_t choice);
uint8_t ExtPllCode(int32_t choice);
uint8_t Cdcm61004Code(int32_t choice);

// The combo-box entries in code order. The Si570 and CDCM61004 lists name their code 0 with
// the board's word ("Not Use" on Sarnoth, "Disable" on Cresswin and Morrast).
std::vector<std::string> Si570ListTexts(const char* notUsedText);
std::vector<std::string> ExtPllListTexts();
std::vector<std::string> Cdcm61004ListTexts(const char* notUsedText);

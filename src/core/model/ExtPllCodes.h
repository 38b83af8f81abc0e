#pragma once
// The setting codes of the programmable clock generator on the Yastrel_X1 and Pandrel boards:
// one code per generator output, stored as a byte in the board's record, written into the
// generated top level and offered as the entries of the forms' generator combos.
#include <array>
#include <cstdint>

// By code: "Unchange" keeps the output as it is, "Disable" turns it off, the others are MHz.
constexpr std::array<const char*, 13> kExtPllCodeNames = {
    "Unchange", "Disable", "62.5", "75", "100", "125", "150", "156.25", "187.5", "200", "250", "312.5", "625",
};

constexpr uint8_t EXT_PLL_CODE_DEFAULT = 4;  // "100"

// A code as a record from a file may hold it: one outside the list is the default.
constexpr uint8_t ExtPllCodeOrDefault(uint8_t code)
{
    return code < kExtPllCodeNames.size() ? code : EXT_PLL_CODE_DEFAULT;
}

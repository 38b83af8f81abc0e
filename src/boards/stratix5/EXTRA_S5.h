#pragma once
// The top-level Verilog that programs the clock chips of Sarnoth, Cresswin and Morrast with
// the frequencies chosen on their forms. The boards' entries (ExtraTopLevelCode_<Board>) are
// declared with the board model, which dispatches to them by board id; the blocks below are
// what they are made of. Every line ends in CR LF. A code outside its list is taken as the
// list's "not used" code (StratixVClockCodes.h).
#include <cstdint>
#include <string>

// The external-PLL controller loaded with the codes of its outputs 1 (CDCM61001), 2 (CDCM61004)
// and 3 (reserved), once after reset.
std::string Cdcm6100xExtPllVerilog(uint8_t clock1, uint8_t clock2, uint8_t clock3);
// The frequency-select pins of the CDCM61004 driven for a CDCM61004 code 1 to 11; nothing for 0.
std::string Cdcm61004Verilog(uint8_t code);
// The Si570 controller set for an Si570 code 1 to 7 and reset by `resetName`; nothing for 0.
std::string Si570Verilog(uint8_t code, const char* resetName);

#pragma once
// The DDR3 SO-DIMM module, whose three family maps build the same pins on the same positions
// and differ only in the case of the names and the standards of a few groups.
#include <cstdint>

class TDaughterBoard;

struct Ddr3Family {
    bool lowerCaseNames;    // memory signals in lower case; the sideband pins keep their case
    uint8_t dataStd;        // DQ and DM
    uint8_t diffStrobeStd;  // DQS and DQS_n with differential strobes
    bool resetOnSideband;   // RESET_n takes the sideband standard, else SSTL-15 Class I
};

void FillDdr3Sodimm(TDaughterBoard* pDaughter, const Ddr3Family& family, uint8_t diffDqs, uint8_t sidebandStd,
                    uint8_t saStd);

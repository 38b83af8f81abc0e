#include "cards/CardMaps.h"
#include "cards/SodimmMap.h"

namespace {

using namespace cardmap;
using namespace cardmap::sodimm;

// Built only with differential strobes.
constexpr PinRow kDqsN = {"11, 29, 49, 68, 129, 146, 167, 186", "dqs_n[0..7]", inout, DqsStd};

// Memory signals in lower case, the serial-presence pins in capitals; bus rows list their
// positions in index order. The clocks share the strobes' standard.
constexpr PinRow kRows[] = {
    {"5, 7, 17, 19, 4, 6, 14, 16", "dq[0..7]", inout, 31},
    {"23, 25, 35, 37, 20, 22, 36, 38", "dq[8..15]", inout, 31},
    {"43, 45, 55, 57, 44, 46, 56, 58", "dq[16..23]", inout, 31},
    {"61, 63, 73, 75, 62, 64, 74, 76", "dq[24..31]", inout, 31},
    {"123, 125, 135, 137, 124, 126, 134, 136", "dq[32..39]", inout, 31},
    {"141, 143, 151, 153, 140, 142, 152, 154", "dq[40..47]", inout, 31},
    {"157, 159, 173, 175, 158, 160, 174, 176", "dq[48..55]", inout, 31},
    {"179, 181, 189, 191, 180, 182, 192, 194", "dq[56..63]", inout, 31},
    {"13, 31, 51, 70, 131, 148, 169, 188", "dqs[0..7]", inout, DqsStd},
    kDqsN,
    {"10, 26, 52, 67, 130, 147, 170, 185", "dm[0..7]", out, 31},
    {"30, 164", "ck[0..1]", inout, DqsStd},
    {"32, 166", "ck_n[0..1]", inout, DqsStd},
    {"79, 80", "cke[0..1]", out, 31},
    {"102, 101, 100, 99, 98, 97, 94, 92, 93, 91, 105, 90, 89, 116, 86, 84", "a[0..15]", out, 31},
    {"107, 106, 85", "ba[0..2]", out, 31},
    {"108", "ras_n", out, 31},
    {"113", "cas_n", out, 31},
    {"109", "we_n", out, 31},
    {"110, 115", "cs_n[0..1]", out, 31},
    {"114, 119", "odt[0..1]", out, 31},
    {"195", "SDA", inout, SidebandStd, 1},
    {"197", "SCL", out, SidebandStd, 1},
    {"198, 200", "SA[0..1]", out, SaStd, 1},
};

constexpr uint8_t kSstl18ClassI = 31;
constexpr uint8_t kDiffSstl18ClassI = 16;

}  // namespace

void D_DDR2_SODIMM(TDaughterBoard* pDaughter, uint8_t DiffDqs, uint8_t SidebandStd, uint8_t SaStd)
{
    ModuleStds stds;
    stds.dqs = DiffDqs ? kDiffSstl18ClassI : kSstl18ClassI;
    stds.sideband = SidebandStd;
    stds.sa = SaStd;
    PinTable table = EmptyTable(200);
    AddModuleRows(table, kRows, stds);
    if (!DiffDqs) ClearRow(table, kDqsN);
    AppendModule(pDaughter, table, {195, 197});
}

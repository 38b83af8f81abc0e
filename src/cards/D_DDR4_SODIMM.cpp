#include "cards/CardMaps.h"
#include "cards/SodimmMap.h"

namespace {

using namespace cardmap;
using namespace cardmap::sodimm;

// The eight check bits, built only on modules with error correction.
constexpr PinRow kCheckBits = {"92, 91, 101, 105, 88, 87, 100, 104", "DQ[64..71]", inout, 53};

// Bus rows list their positions in index order. The strobe, data-bus-inversion and clock
// pins of byte lane 8 stay whether the check bits are built or not.
constexpr PinRow kRows[] = {
    {"8, 7, 20, 21, 4, 3, 16, 17", "DQ[0..7]", inout, 53},
    {"28, 29, 41, 42, 24, 25, 38, 37", "DQ[8..15]", inout, 53},
    {"50, 49, 62, 63, 46, 45, 58, 59", "DQ[16..23]", inout, 53},
    {"70, 71, 83, 84, 66, 67, 79, 80", "DQ[24..31]", inout, 53},
    {"174, 173, 187, 186, 170, 169, 183, 182", "DQ[32..39]", inout, 53},
    {"195, 194, 207, 208, 191, 190, 203, 204", "DQ[40..47]", inout, 53},
    {"216, 215, 228, 229, 211, 212, 224, 225", "DQ[48..55]", inout, 53},
    {"237, 236, 249, 250, 232, 233, 245, 246", "DQ[56..63]", inout, 53},
    kCheckBits,
    {"13-76/21, 179-242/21, 97", "DQS[0..8]", inout, 54},
    {"11-74/21, 177-240/21, 95", "DQS_n[0..8]", inout, 54},
    {"12-75/21, 178-241/21, 96", "DBI_n[0..8]", inout, 53},
    {"137, 138", "CK[0..1]", out, 56},
    {"139, 140", "CK_n[0..1]", out, 56},
    {"109, 110", "CKE[0..1]", out, 55},
    {"114", "ACT_n", inout, 55},
    {"144, 133, 132, 131, 128, 126, 127, 122, 125, 121, 146, 120, 119, 158, 151, 156, 152", "A[0..16]", out, 55},
    {"150, 145", "BA[0..1]", out, 55},
    {"115, 113", "BG[0..1]", out, 55},
    {"149, 157", "CS_n[0..1]", out, 55},
    {"162, 165", "CS_n[2..3]", out, 40},
    {"155, 161", "ODT[0..1]", out, 55},
    {"143", "PAR", out, 55},
    {"116", "ALERT_n", out, 55},
    {"108", "RESET_n", out, 40},
    {"134", "EVENT_n", out, 40},
    {"253", "SCL", inout, SidebandStd},
    {"254", "SDA", inout, SidebandStd},
    {"256, 260", "SA[0..1]", out, SaStd, 1},
};

}  // namespace

// Strobes and clocks are always differential: the strobe flag the DDR3 maps take in first
// place is not read.
void D_DDR4_SODIMM(TDaughterBoard* pDaughter, uint8_t /*Unused*/, uint8_t SidebandStd, uint8_t SaStd, uint8_t Ecc)
{
    ModuleStds stds;
    stds.sideband = SidebandStd;
    stds.sa = SaStd;
    PinTable table = EmptyTable(260);
    AddModuleRows(table, kRows, stds);
    if (!Ecc) ClearRow(table, kCheckBits);
    AppendModule(pDaughter, table, {});
}

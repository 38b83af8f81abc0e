#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// RX_BASE and RX_MEDIUM have no member 23; the full channel's lines are single signals.
constexpr PinRow kRows[] = {
    {"39-41, 43, 47, 49, 53", "RX_BASE[0..6]", in, 6},
    {"42, 44, 48, 50", "RX_BASE[7..10]", in, 6},
    {"54, 55", "RX_BASE[12..11]", in, 6},
    {"56, 60, 62", "RX_BASE[13..15]", in, 6},
    {"59, 66", "RX_BASE[16..17]", in, 6},
    {"61, 65, 67, 71", "RX_BASE[18..21]", in, 6},
    {"68, 72, 74, 78", "RXCC[4..1]", out, 6},
    {"73, 77, 79, 83", "RX_BASE[27..24]", in, 6},
    {"80", "RXCC_EN", out, 6},
    {"84", "RXSERTFG_EN", out, 6},
    {"85", "RX_BASE[22]", in, 6},
    {"86", "RXSERTFG", in, 6},
    {"89", "RX_FULL14_HSMC", in, 6},
    {"90", "RXSERTC", out, 6},
    {"91, 95, 97, 101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145", "RX_MEDIUM[1..19]", in, 6},
    {"92", "RXSERTC_EN", out, 6},
    {"96", "RXCLK_BASE", in, 6},
    {"98", "RXCLK_FULL", in, 6},
    {"102", "RX2SERTC_EN", out, 6},
    {"104", "RX2SERTFG", in, 6},
    {"108", "RX2SERTFG_EN", out, 6},
    {"110, 114, 116, 120", "RX2CC[1..4]", out, 6},
    {"122", "RX2CC_EN", out, 6},
    {"126", "RX_MEDIUM[0]", in, 6},
    {"128, 132, 134", "RX_MEDIUM[27..25]", in, 6},
    {"138", "RX2SERTC", out, 6},
    {"140", "RX_FULL9_HSMC", in, 6},
    {"144", "RX_FULL10_HSMC", in, 6},
    {"146", "RX_FULL11_HSMC", in, 6},
    {"149, 151", "RX_MEDIUM[21..20]", in, 6},
    {"150", "RX_FULL12_HSMC", in, 6},
    {"152", "RX_FULL13_HSMC", in, 6},
    {"155", "RX_MEDIUM[22]", in, 6},
    {"156", "RXCLK_MEDIUM", in, 6},
    {"157", "RX_MEDIUM[24]", in, 6},
    {"158", "RX_FULL27_HSMC", in, 6},
};

}  // namespace

void D_HSMC_Tranmer(TDaughterBoard* pDaughter) { FillMap(pDaughter, 160, kRows); }

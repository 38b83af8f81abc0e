#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// HSMC to the older Santa Cruz interface; HSPROTO_IO and MICTOR_D list their positions in
// bit order.
constexpr PinRow kRows[] = {
    {"33", "Pemmit_SDA", inout, HsmcStd},
    {"34", "Pemmit_SCL", out, HsmcStd},
    {"39, 41", "Pemmit_SD_DAT[1..0]", inout, 6},
    {"40", "Pemmit_SD_WPn", in, 6},
    {"42, 44", "Pemmit_SD_DAT[3..2]", inout, 6},
    {"43", "Pemmit_SD_CLK", out, 6},
    {"47", "Pemmit_SD_CMD", inout, 6},
    {"48", "HSPROTO_RESET", out, 6},
    {"50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80, 84, 86, 90, 92, 85, 89, 91, 143, 145, 149, 151, 155, 134, 138, 140, 144, 146, 152, 53, 55, 59, 65, 61, 71, 67, 77, 73, 83, 79, 49", "HSPROTO_IO[0..40]", inout, 6},
    {"95", "OSC", out, 6},
    {"96-98", "EXT_CLK, CLK1, CLK2", in, 6},
    {"101, 103, 113, 115, 107, 109, 119, 139, 137, 133, 131, 127, 125, 121, 102, 104, 108, 110, 114, 116, 120, 122, 126, 128, 132", "MICTOR_D[0..24]", inout, 6},
    {"150", "HSPROTO_CARDSEL", out, 6},
    {"156", "MICTOR_CLK", in, 6},
    {"157", "TR_CLK", out, 6},
};

}  // namespace

void D_HSMC_Pemmit(TDaughterBoard* pDaughter, uint8_t HsmcStd) { FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd}); }

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// The blue bus is split: B[3..0] runs down on 6-9, B[4..7] up on 16-19.
constexpr PinRow kRows[] = {
    {"1-3", "Garvet_ADC_PENIRQ_n, Garvet_ADC_DOUT, Garvet_ADC_BUSY", in, IoStd},
    {"4, 5", "Garvet_ADC_DIN, Garvet_ADC_DCLK", out, IoStd},
    {"6-9", "Garvet_B[3..0]", out, IoStd},
    {"10, 13-15", "Garvet_NCLK, Garvet_DEN, Garvet_HD, Garvet_VD", out, IoStd},
    {"16-19", "Garvet_B[4..7]", out, IoStd},
    {"20-27", "Garvet_G[0..7]", out, IoStd},
    {"28, 31-37", "Garvet_R[0..7]", out, IoStd},
    {"38, 39", "Garvet_GREST, Garvet_SCEN", out, IoStd},
    {"40", "Garvet_SDA", inout, IoStd},
};

}  // namespace

void D_GPIO_Garvet(TDaughterBoard* pDaughter, uint8_t IoStd) { FillMap(pDaughter, 40, kRows, {.ioStd = IoStd}); }

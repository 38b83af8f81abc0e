#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// DAC data with bit 0 lowest on 47-86, ADC data with bit 13 lowest on 113-152.
constexpr PinRow kRows[] = {
    {"33", "Kobbet_SDA", inout, HsmcStd},
    {"34", "Kobbet_SCL", out, HsmcStd},
    {"47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "DAC_DA[0..13]", out, 6},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80, 84, 86", "DAC_DB[0..13]", out, 6},
    {"89-91, 95", "DAC_WRT_A, DAC_WRT_B, DAC_MODE, DAC_CLK_A", out, 6},
    {"96", "OSC_SMA_ADC4", in, 6},
    {"97", "DAC_CLK_B", out, 6},
    {"98", "SMA_DAC4", in, 6},
    {"108, 110", "ADC_OEB_A, ADC_OEB_B", out, 6},
    {"113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145, 149, 151", "ADC_DB[13..0]", in, 6},
    {"114, 116, 120, 122, 126, 128, 132, 134, 138, 140, 144, 146, 150, 152", "ADC_DA[13..0]", in, 6},
    {"155", "ADC_CLK_B", out, 6},
    {"156", "ADC_OTR_B", in, 6},
    {"157", "ADC_CLK_A", out, 6},
    {"158", "ADC_OTR_A", in, 6},
};

}  // namespace

void D_HSMC_Kobbet(TDaughterBoard* pDaughter, uint8_t HsmcStd) { FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd}); }

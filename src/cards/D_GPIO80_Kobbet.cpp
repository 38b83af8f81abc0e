#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Positions 1-40 are the first header (ADC), 41-80 the second (DAC). The data bits follow
// the card's routing, not a simple count.
constexpr PinRow kRows[] = {
    {"1, 3", "ADC_OTR_A, ADC_OTR_B", in, IoStd},
    {"2, 4-10, 13-18", "ADC_DB[0], ADC_DB[1], ADC_DB[2], ADC_DB[4], ADC_DB[3], ADC_DB[5], ADC_DB[6], ADC_DB[8], ADC_DB[7], ADC_DB[9], ADC_DB[10], ADC_DB[12], ADC_DB[11], ADC_DB[13]", in, IoStd},
    {"19, 21", "ADC_CLK_A, ADC_CLK_B", out, IoStd},
    {"20, 22-28, 31-36", "ADC_DA[0], ADC_DA[1], ADC_DA[2], ADC_DA[4], ADC_DA[3], ADC_DA[5], ADC_DA[6], ADC_DA[8], ADC_DA[7], ADC_DA[9], ADC_DA[10], ADC_DA[12], ADC_DA[11], ADC_DA[13]", in, IoStd},
    {"37, 38, 40", "POWER_ON, ADC_OEB_B, ADC_OEB_A", out, IoStd},
    {"41, 43", "SMA_DAC4, OSC_SMA_ADC4", in, IoStd},
    {"42, 44-50, 53-58", "DAC_DA[13], DAC_DA[12], DAC_DA[11], DAC_DA[9], DAC_DA[10], DAC_DA[8], DAC_DA[7], DAC_DA[5], DAC_DA[6], DAC_DA[4], DAC_DA[3], DAC_DA[1], DAC_DA[2], DAC_DA[0]", out, IoStd},
    {"59-61", "DAC_CLK_A, DAC_WRT_A, DAC_CLK_B", out, IoStd},
    {"62, 64-68, 71-78", "DAC_DB[13], DAC_DB[12], DAC_DB[11], DAC_DB[9], DAC_DB[10], DAC_DB[8], DAC_DB[5], DAC_DB[7], DAC_DB[4], DAC_DB[6], DAC_DB[1], DAC_DB[3], DAC_DB[0], DAC_DB[2]", out, IoStd},
    {"79, 80", "DAC_WRT_B, DAC_MODE", out, IoStd},
};

}  // namespace

void D_GPIO80_Kobbet(TDaughterBoard* pDaughter, uint8_t IoStd) { FillMap(pDaughter, 80, kRows, {.ioStd = IoStd}); }

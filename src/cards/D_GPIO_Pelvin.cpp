#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// The panel runs at 3.3 V on every board, so the standard is fixed.
constexpr PinRow kRows[] = {
    {"1-3", "Pelvin_ADC_PENIRQ_N, Pelvin_ADC_DOUT, Pelvin_ADC_BUSY", in, 8},
    {"4, 5", "Pelvin_ADC_DIN, Pelvin_ADC_DCLK", out, 8},
    {"6-9", "Pelvin_D[3..0]", out, 8},
    {"13-15", "Pelvin_RD_N, Pelvin_WR_N, Pelvin_RS", out, 8},
    {"16-27", "Pelvin_D[4..15]", out, 8},
    {"28", "Pelvin_CS_N", out, 8},
    {"38-40", "Pelvin_RESET_N, Pelvin_ADC_CS_N, Pelvin_LCD_ON", out, 8},
};

}  // namespace

void D_GPIO_Pelvin(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

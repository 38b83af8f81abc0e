#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Four lanes to SMA (positive legs only), two LVDS clock pairs, the HSMC clock pair.
constexpr PinRow kRows[] = {
    {"17-29/4", "TX_P[3..0]", out, XcvrStd},
    {"18-30/4", "RX_P[3..0]", in, XcvrStd},
    {"39", "CLKOUT0", out, 6},
    {"40", "CLKIN0", in, 6},
    {"95, 155", "CLKOUT_P[1..2]", out, 21},
    {"96, 156", "CLKIN_P[1..2]", in, 21},
    {"160", "SFP_PSNTn", in, 6},
};

}  // namespace

void D_HSMC_Vossil(TDaughterBoard* pDaughter, uint8_t XcvrStd) { FillMap(pDaughter, 160, kRows, {.xcvrStd = XcvrStd}); }

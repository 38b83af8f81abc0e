#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"1", "Sollip_PIXCLK", in, IoStd},
    {"2, 4-10, 13-16", "Sollip_D[11..0]", in, IoStd},
    {"19, 20, 22", "Sollip_XCLKIN, Sollip_RESET_N, Sollip_TRIGGER", out, IoStd},
    {"23-25", "Sollip_STROBE, Sollip_LVAL, Sollip_FVAL", in, IoStd},
    {"26", "Sollip_SDATA", inout, IoStd},
    {"27", "Sollip_SCLK", out, IoStd},
};

}  // namespace

void D_GPIO_Sollip(TDaughterBoard* pDaughter, uint8_t IoStd) { FillMap(pDaughter, 40, kRows, {.ioStd = IoStd}); }

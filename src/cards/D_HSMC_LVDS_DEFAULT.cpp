#include "cards/CardMaps.h"
#include "cards/D_HSMC_DEFAULT.h"

using namespace cardmap;

namespace {

// Fixed naming: the positive leg of every pair only.
constexpr PinRow kFixedRows[] = {
    {"1-29/4", "TX_p[7..0]", out, XcvrStd},
    {"2-30/4", "RX_p[7..0]", in, XcvrStd},
    {"33", "SDA", inout, IoStd},
    {"34", "SCL", out, IoStd},
    {"39", "CLKOUT0", out, IoStd},
    {"40", "CLKIN0", in, IoStd},
    {"41-44", "D[0..3]", inout, IoStd},
    {"47-89/6, 101-149/6", "TX_D_p[0..16]", out, LvdsStd},
    {"48-90/6, 102-150/6", "RX_D_p[0..16]", in, LvdsStd},
    {"95", "CLKOUT_p1", out, LvdsStd},
    {"96", "CLKIN_p1", in, LvdsStd},
    {"155", "CLKOUT_p2", out, LvdsStd},
    {"156", "CLKIN_p2", in, LvdsStd},
};

}  // namespace

void D_HSMC_LVDS_DEFAULT(TDaughterBoard* pDaughter, uint8_t bComputedNames, uint8_t XcvrStd, uint8_t LvdsStd,
                         uint8_t IoStd)
{
    if (bComputedNames) AppendTable(pDaughter, HsmcComputedTable(true, XcvrStd, IoStd));
    else FillMap(pDaughter, 160, kFixedRows, {.ioStd = IoStd, .xcvrStd = XcvrStd, .lvdsStd = LvdsStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

namespace {

using namespace cardmap;

// Kelpin-to-pin-header adaptor. Lane n keeps its four lines together (TX_n, RX_n, TX_p,
// RX_p): lanes 0-8 from position 9 and 9-17 from 69 in steps of six, 18-29 from 133 in
// steps of four, so the last lanes reach position 180.
constexpr PinRow kRows[] = {
    {"3, 63", "Kelpin_CLKOUT_n[0..1]", inout, 8},
    {"4, 64", "Kelpin_CLKIN_n[0..1]", inout, 8},
    {"5, 65", "Kelpin_CLKOUT_p[0..1]", inout, 8},
    {"6, 66", "Kelpin_CLKIN_p[0..1]", inout, 8},
    {"9-57/6, 69-117/6, 133-177/4", "Kelpin_TX_n[0..29]", inout, 8},
    {"10-58/6, 70-118/6, 134-178/4", "Kelpin_RX_n[0..29]", inout, 8},
    {"11-59/6, 71-119/6, 135-179/4", "Kelpin_TX_p[0..29]", inout, 8},
    {"12-60/6, 72-120/6, 136-180/4", "Kelpin_RX_p[0..29]", inout, 8},
    {"121", "Kelpin_POWER_ON", inout, 8},
    {"123-126", "Kelpin_CLKOUT_2, Kelpin_CLKIN_2, Kelpin_TDO, Kelpin_TDI", inout, 8},
    {"129-132", "Kelpin_TCK, Kelpin_TMS, Kelpin_SDA, Kelpin_SCL", inout, 8},
};

}  // namespace

void D_Kelpin_Quillet(TDaughterBoard* pDaughter)
{
    FillMap(pDaughter, 180, kRows);
}

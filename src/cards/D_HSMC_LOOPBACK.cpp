#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Eight transceiver lanes: lane k drives L_P[7 - k] out on 4k + 1 and takes R_P[7 - k] in on 4k + 2.
constexpr PinRow kXcvrRows[] = {
    {"1-29/4", "L_P[7..0]", out, XcvrStd},
    {"2-30/4", "R_P[7..0]", in, XcvrStd},
};

constexpr PinRow kRows[] = {
    {"39, 40", "L_CLK0, R_CLK0", inout, 6},
    {"41, 43", "L_D[0..1]", inout, 6},
    {"42, 44", "R_D[0..1]", inout, 6},
    {"47-89/6, 101-149/6", "L_D_P[0..16]", inout, 6},
    {"48-90/6, 102-150/6", "R_D_P[0..16]", inout, 6},
    {"49-91/6, 103-151/6", "L_D_N[0..16]", inout, 6},
    {"50-92/6, 104-152/6", "R_D_N[0..16]", inout, 6},
    {"95-98", "L_CLK_P1, R_CLK_P1, L_CLK_N1, R_CLK_N1", inout, 6},
    {"155-158", "L_CLK_P2, R_CLK_P2, L_CLK_N2, R_CLK_N2", inout, 6},
    {"160", "PSNTn", in, 6},
};

}  // namespace

void D_HSMC_LOOPBACK(TDaughterBoard* pDaughter, uint8_t bXcvr, uint8_t XcvrStd)
{
    PinTable table = EmptyTable(160);
    if (bXcvr) AddRows(table, kXcvrRows, {.xcvrStd = XcvrStd});
    AddRows(table, kRows);
    AppendTable(pDaughter, table);
}

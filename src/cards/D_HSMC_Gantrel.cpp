#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Each group of four positions holds receive p, transmit p, receive n, transmit n; the LVDS
// names end in a plain number, not a bus index.
constexpr PinRow kRows[] = {
    {"33, 34", "SDA, SCL", inout, HsmcStd},
    {"39", "CLKIN0", in, 6},
    {"40", "CLKOUT0", out, 6},
    {"41, 43", "DATA_RX[0..1]", in, 6},
    {"42, 44", "DATA_TX[0..1]", out, 6},
    {"47-89/6, 101-149/6", "LVDS_RX_p0, LVDS_RX_p1, LVDS_RX_p2, LVDS_RX_p3, LVDS_RX_p4, LVDS_RX_p5, LVDS_RX_p6, LVDS_RX_p7, LVDS_RX_p8, LVDS_RX_p9, LVDS_RX_p10, LVDS_RX_p11, LVDS_RX_p12, LVDS_RX_p13, LVDS_RX_p14, LVDS_RX_p15, LVDS_RX_p16", in, 21},
    {"48-90/6, 102-150/6", "LVDS_TX_p0, LVDS_TX_p1, LVDS_TX_p2, LVDS_TX_p3, LVDS_TX_p4, LVDS_TX_p5, LVDS_TX_p6, LVDS_TX_p7, LVDS_TX_p8, LVDS_TX_p9, LVDS_TX_p10, LVDS_TX_p11, LVDS_TX_p12, LVDS_TX_p13, LVDS_TX_p14, LVDS_TX_p15, LVDS_TX_p16", out, 21},
    {"49-91/6, 103-151/6", "LVDS_RX_n0, LVDS_RX_n1, LVDS_RX_n2, LVDS_RX_n3, LVDS_RX_n4, LVDS_RX_n5, LVDS_RX_n6, LVDS_RX_n7, LVDS_RX_n8, LVDS_RX_n9, LVDS_RX_n10, LVDS_RX_n11, LVDS_RX_n12, LVDS_RX_n13, LVDS_RX_n14, LVDS_RX_n15, LVDS_RX_n16", in, 21},
    {"50-92/6, 104-152/6", "LVDS_TX_n0, LVDS_TX_n1, LVDS_TX_n2, LVDS_TX_n3, LVDS_TX_n4, LVDS_TX_n5, LVDS_TX_n6, LVDS_TX_n7, LVDS_TX_n8, LVDS_TX_n9, LVDS_TX_n10, LVDS_TX_n11, LVDS_TX_n12, LVDS_TX_n13, LVDS_TX_n14, LVDS_TX_n15, LVDS_TX_n16", out, 21},
    {"95, 97", "CLK_IN_p1, CLK_IN_n1", in, 21},
    {"96, 98", "CLK_OUT_p1, CLK_OUT_n1", out, 21},
    {"155, 157", "CLK_IN_p2, CLK_IN_n2", in, 21},
    {"156, 158", "CLK_OUT_p2, CLK_OUT_n2", out, 21},
};

}  // namespace

void D_HSMC_Gantrel(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd});
}

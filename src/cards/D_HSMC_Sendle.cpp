#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Eight SFP ports: 0-3 on transceiver lanes, 4-7 on LVDS (positive legs only), seven
// control pins each.
constexpr PinRow kRows[] = {
    {"13", "XCVR_TX4p", out, XcvrStd},
    {"14", "XCVR_RX4p", in, XcvrStd},
    {"17-29/4", "SFP_TD_XCVRp[3..0]", out, XcvrStd},
    {"18-30/4", "SFP_RD_XCVRp[3..0]", in, XcvrStd},
    {"39", "CLK_IN", out, 6},
    {"40", "CLK1", in, 6},
    {"41-44", "SEL[0..3]", inout, 6},
    {"47, 56, 67, 78", "SFP_TXFAULT[3..0]", in, 6},
    {"48, 59, 68, 79", "SFP_TXDISABLE[3..0]", out, 6},
    {"49, 60, 71, 80", "SFP_MOD2_SDA[3..0]", inout, 6},
    {"50, 61, 72, 83", "SFP_MOD1_SCL[3..0]", out, 6},
    {"53, 62, 73, 84", "SFP_MOD0_PRSNT_N[3..0]", in, 6},
    {"54, 65, 74, 85", "SFP_RATESEL[3..0]", out, 6},
    {"55, 66, 77, 86", "SFP_LOS[3..0]", in, 6},
    {"89, 113, 125, 143", "SFP_TD_LVDSp[4..7]", out, 21},
    {"90, 114, 126, 144", "SFP_RD_LVDSp[4..7]", in, 21},
    {"95, 108, 131, 140", "SFP_TXFAULT[4..7]", in, 6},
    {"96, 156", "SFP_CLKp[1..2]", in, 21},
    {"97, 109, 132, 149", "SFP_TXDISABLE[4..7]", out, 6},
    {"101, 110, 133, 150", "SFP_MOD2_SDA[4..7]", inout, 6},
    {"102, 119, 134, 151", "SFP_MOD1_SCL[4..7]", out, 6},
    {"103, 120, 137, 152", "SFP_MOD0_PRSNT_N[4..7]", in, 6},
    {"104, 121, 138, 155", "SFP_RATESEL[4..7]", out, 6},
    {"107, 122, 139, 157", "SFP_LOS[4..7]", in, 6},
    {"160", "SFP_PSNTn", in, 6},
};

}  // namespace

void D_HSMC_Sendle(TDaughterBoard* pDaughter, uint8_t XcvrStd) { FillMap(pDaughter, 160, kRows, {.xcvrStd = XcvrStd}); }

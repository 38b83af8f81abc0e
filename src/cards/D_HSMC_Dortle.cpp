#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Two serial digital video channels (2 on 25-28, 1 on 29-32), both legs of every pair.
constexpr PinRow kRows[] = {
    {"25, 29", "SDI_TX_P[2..1]", out, XcvrStd},
    {"26, 30", "SDI_EQOUT_P[2..1]", in, XcvrStd},
    {"27, 31", "SDI_TX_N[2..1]", out, XcvrStd},
    {"28, 32", "SDI_EQOUT_N[2..1]", in, XcvrStd},
    {"41, 43", "SDI_LED_TX_R[1..2]", out, 6},
    {"47, 49", "SDI_LED_TX_G[1..2]", out, 6},
    {"53, 59", "SDI_LED_RX_R[2..1]", out, 6},
    {"55, 61", "SDI_LED_RX_G[2..1]", out, 6},
    {"71, 73", "SDI_RATE_SEL[1..2]", out, 6},
    {"77, 79", "SDI_BYPASS[1..2]", out, 6},
    {"83, 85, 89", "AES_CLK_S[0..2]", out, 6},
    {"91", "AES_CLK_PDTSn", out, 6},
    {"96", "AES_CLK", in, 6},
    {"101, 103", "AES_OUT[1..2]", out, 6},
    {"102, 104", "AES_IN[1..2]", in, 6},
    {"107, 109, 113, 115", "AES_VCXO_UP, AES_VCXO_DN, SDI_CLK_SEL, SDI_XTAL_SEL", out, 6},
    {"119, 121", "SDI_CLK_BP[0..1]", out, 6},
    {"127, 131", "SDI_CLK_N[0..1]", out, 6},
    {"133, 137, 139, 143", "SDI_CLK_V[0..3]", out, 6},
    {"144", "ODDEVEN", in, 6},
    {"145", "SDI_CLK_MLTF", out, 6},
    {"146", "VFORMAT", in, 6},
    {"149", "SDI_CLK_RST", out, 6},
    {"150", "VSYNC", in, 6},
    {"151", "SDI_CLK_OE", out, 6},
    {"152", "HSYNC", in, 6},
    {"155", "SDI_HSMC_CLK", out, 6},
    {"156, 158", "SDI_HSMC_CLK_P, SDI_HSMC_CLK_N", in, 21},
    {"160", "SDI_PSNTn", out, 6},
};

}  // namespace

void D_HSMC_Dortle(TDaughterBoard* pDaughter, uint8_t XcvrStd) { FillMap(pDaughter, 160, kRows, {.xcvrStd = XcvrStd}); }

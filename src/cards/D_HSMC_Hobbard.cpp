#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Eight SATA/SAS lanes with their LEDs; lane 3's transmit LEDs sit at 111 and 113.
constexpr PinRow kRows[] = {
    {"1-29/4", "SATA_HSM_TX_P[7..0]", out, XcvrStd},
    {"2-30/4", "SATA_HSM_RX_P[7..0]", in, XcvrStd},
    {"3-31/4", "SATA_HSM_TX_N[7..0]", out, XcvrStd},
    {"4-32/4", "SATA_HSM_RX_N[7..0]", in, XcvrStd},
    {"33", "SATA_HSM_SDA", inout, HsmcStd},
    {"34", "SATA_HSM_SCL", out, HsmcStd},
    {"41-83/6", "SATA_RX_LED_R[7..0]", out, 6},
    {"42, 44, 48, 50, 54, 56, 60, 62", "SATA_USER_DIPSW[7..0]", in, 6},
    {"43-85/6", "SATA_RX_LED_G[7..0]", out, 6},
    {"84, 86, 90, 92, 96, 98", "SAS_SIDEBAND[0..5]", in, 6},
    {"89-107/6, 111, 119, 125, 131", "SATA_TX_LED_R[7..0]", out, 6},
    {"91-109/6, 113, 121, 127, 133", "SATA_TX_LED_G[7..0]", out, 6},
    {"137, 139", "SATA_CLK_OE, SATA_CLK_FS", out, 6},
    {"156, 158", "SATA_CLK_P, SATA_CLK_N", in, 21},
    {"160", "SATA_HSM_PSNTn", in, 6},
};

}  // namespace

void D_HSMC_Hobbard(TDaughterBoard* pDaughter, uint8_t XcvrStd, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd, .xcvrStd = XcvrStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board. The servo lines are named PMW on this card.
constexpr PinRow kRows[] = {
    {"1-10, 13-26", "PMW[0..23]", inout, 8},
    {"31, 32", "SOC_PM_I2C_SDA, SOC_PM_I2C_SCL", inout, 8},
    {"33, 35", "SYS_PM_ALERT, MR_PM_ALERT", in, 8},
    {"37, 38", "SOC_SYS_PDN_n, SOC_WARN_LED", out, 8},
};

}  // namespace

void D_GPIO_Tesvik(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

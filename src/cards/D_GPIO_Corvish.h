#pragma once
// The multi-touch panel's header table. Both panel cards (Corvish and Ravesh) are wired
// alike and keep the Corvish_ names.
#include "cards/CardMap.h"

namespace cardmap {

// B[0] sits at 23, between G[6] at 22 and G[7] at 24.
inline constexpr PinRow kCorvishPanelRows[] = {
    {"2", "Corvish_DCLK", out, IoStd},
    {"4-10, 13", "Corvish_R[0..7]", out, IoStd},
    {"14-18, 21, 22, 24", "Corvish_G[0..7]", out, IoStd},
    {"23, 25-28, 31-33", "Corvish_B[0..7]", out, IoStd},
    {"35-37", "Corvish_HSD, Corvish_VSD, Corvish_TOUCH_I2C_SCL", out, IoStd},
    {"38", "Corvish_TOUCH_I2C_SDA", inout, IoStd},
    {"39", "Corvish_TOUCH_INT_n", in, IoStd},
};

}  // namespace cardmap

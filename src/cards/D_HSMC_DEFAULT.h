#pragma once
// The computed HSMC naming shared by D_HSMC_DEFAULT (main board 8) and D_HSMC_LVDS_DEFAULT.
#include <cstdint>

#include "cards/CardMap.h"

// 160 positions named from the position: lanes (two pins each) only when `withLanes`, then
// I2C, clock and data pins; position 160 stays empty.
cardmap::PinTable HsmcComputedTable(bool withLanes, uint8_t XcvrStd, uint8_t IoStd);

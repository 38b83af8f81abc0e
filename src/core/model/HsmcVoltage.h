#pragma once
// The I/O voltage of an HSMC connector on the boards whose form lets the user choose it, as
// their records store it: the entry of the voltage combo.
#include <cstdint>
#include <iterator>

#include "cards/DaughterBoardInfo.h"

constexpr const char* kHsmcVoltageItems[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};
constexpr int32_t kHsmcVoltageDefault = 1;

// The entry a stored value stands for: a value no form writes (only a hand-made file holds
// one) stands for the default, so that nothing read from a file reaches a check.
constexpr int32_t HsmcVoltageEntry(int32_t stored)
{
    return stored >= 0 && stored < static_cast<int32_t>(std::size(kHsmcVoltageItems)) ? stored : kHsmcVoltageDefault;
}

// The I/O standard of the voltage, given to the card and to the board pins fixed at it:
// "3.3-V LVTTL", "2.5 V", "1.8 V", "1.5 V".
constexpr uint8_t HsmcVoltageIoStandard(int32_t stored)
{
    constexpr uint8_t kStandards[] = {8, 6, 3, 0};
    return kStandards[HsmcVoltageEntry(stored)];
}

// The voltage class by which the card list of the voltage is built.
constexpr uint8_t HsmcVoltageClass(int32_t stored)
{
    constexpr uint8_t kClasses[] = {VOLTAGE_3V3, VOLTAGE_2V5, VOLTAGE_1V8, VOLTAGE_1V5};
    return kClasses[HsmcVoltageEntry(stored)];
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board. The motor lines on 5-10 are those of the Rudgel card; the
// Ombrel group is wired 0, 4, 1, 5, 2, 6, 3, 7.
constexpr PinRow kRows[] = {
    {"1", "MPU_INT", in, 8},
    {"2", "PM_I2C_SDA", inout, 8},
    {"3", "IR_RXD", in, 8},
    {"4", "PM_I2C_SCL", inout, 8},
    {"5-9", "MTRR_N, MTRR_P, MTRL_P, MTRL_N, MTR_Sleep_n", out, 8},
    {"10", "MTR_Fault_n", in, 8},
    {"13-16", "MTRR_A, MTRR_B, MTRL_A, MTRL_B", in, 8},
    {"17", "MPU_CS_n", out, 8},
    {"18", "PM_ALERT", in, 8},
    {"19-21", "MPU_SCL_SCLK, MPU_SDA_SDI, MPU_AD0_SDO", inout, 8},
    {"22, 23, 25", "MPU_FSYNC, TRIG[0], TRIG[1]", out, 8},
    {"24, 26", "ECHO[0], ECHO[1]", in, 8},
    {"27, 28, 31, 32", "PWM[0..3]", out, 8},
    {"33-40", "Ombrel[0], Ombrel[4], Ombrel[1], Ombrel[5], Ombrel[2], Ombrel[6], Ombrel[3], Ombrel[7]", inout, 8},
};

}  // namespace

void D_GPIO_TILVARD(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

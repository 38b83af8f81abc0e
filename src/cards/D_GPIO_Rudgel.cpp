#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board. The two Ombrel groups are wired 0, 4, 1, 5, 2, 6, 3, 7.
constexpr PinRow kRows[] = {
    {"5-9", "MTRR_N, MTRR_P, MTRL_P, MTRL_N, MTR_Sleep_n", out, 8},
    {"10", "MTR_Fault_n", in, 8},
    {"13, 14", "LTC_ADC_CONVST, LTC_ADC_SCK", out, 8},
    {"15", "LTC_ADC_SDO", in, 8},
    {"16", "LTC_ADC_SDI", out, 8},
    {"17", "IR_RXD", in, 8},
    {"18-20", "BUZZER_OUT, LED_LEFT, LED_RIGHT", out, 8},
    {"21-28", "Ombrel0[0], Ombrel0[4], Ombrel0[1], Ombrel0[5], Ombrel0[2], Ombrel0[6], Ombrel0[3], Ombrel0[7]", inout, 8},
    {"31-38", "Ombrel1[0], Ombrel1[4], Ombrel1[1], Ombrel1[5], Ombrel1[2], Ombrel1[6], Ombrel1[3], Ombrel1[7]", inout, 8},
    {"39, 40", "IR_LED_ON, VCC3P3_PWRON_n", out, 8},
};

}  // namespace

void D_GPIO_Rudgel(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

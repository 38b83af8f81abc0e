#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Serial ports, CAN, parallel I/O; GPIO_DATA lists its positions in bit order.
constexpr PinRow kRows[] = {
    {"33", "Lorrat_SDA", inout, HsmcStd},
    {"34", "Lorrat_SCL", out, HsmcStd},
    {"35", "HSMC_TCK", inout, 6},
    {"36", "HSMC_TMS", out, 6},
    {"37", "HSMC_TDO", inout, 6},
    {"38", "HSMC_TDI", out, 6},
    {"48, 50, 54, 56, 47, 49, 53, 55, 60, 62, 66, 68, 59, 61, 65, 67, 72, 74, 78, 80, 71, 73, 77, 79, 84, 86, 90, 92, 83, 85, 89, 91, 44, 42, 41, 43", "GPIO_DATA[0..35]", inout, 6},
    {"95", "RS232_RI", out, 6},
    {"96", "RS232_RTS", in, 6},
    {"97", "RS232_CTS", out, 6},
    {"98", "RS232_DTR", in, 6},
    {"101, 103, 107, 109", "PIO1_DATA[0..3]", inout, 6},
    {"102, 104, 108, 110", "PIO0_DATA[0..3]", inout, 6},
    {"113, 115, 119, 121", "PIO3_DATA[0..3]", inout, 6},
    {"114, 116, 120, 122", "PIO2_DATA[0..3]", inout, 6},
    {"125, 126", "RS485_2_RXD, RS485_0_RXD", in, 6},
    {"127, 128, 131, 132", "RS485_2_TXD, RS485_0_TXD, RS485_2_RTS, RS485_0_RTS", out, 6},
    {"133, 134", "RS485_3_RXD, RS485_1_RXD", in, 6},
    {"137-140, 143-146", "RS485_3_TXD, RS485_1_TXD, RS485_3_RTS, RS485_1_RTS, RS232_DSR, POWER_VALID, RS232_TXD, RS232_DCD", out, 6},
    {"149, 150", "CAN1_T, CAN0_T", out, 6},
    {"151, 152, 156", "CAN1_R, CAN0_R, RS232_RXD", in, 6},
};

}  // namespace

void D_HSMC_Lorrat(TDaughterBoard* pDaughter, uint8_t HsmcStd) { FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd}); }

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board. The Ombrel_D group is wired 2, 3, 1, 0, 7, 6, 5, 4.
constexpr PinRow kRows[] = {
    {"1", "LSENSOR_INT", in, 8},
    {"2", "WIFI_RST_n", out, 8},
    {"3", "MPU_INT", in, 8},
    {"4", "RH_TEMP_I2C_SCL", inout, 8},
    {"5", "RH_TEMP_DRDY_n", in, 8},
    {"6", "RH_TEMP_I2C_SDA", inout, 8},
    {"7", "MPU_FSYNC", out, 8},
    {"8-10", "LSENSOR_SCL, BT_KEY, LSENSOR_SDA", inout, 8},
    {"13", "WIFI_EN", out, 8},
    {"14", "MPU_SCL_SCLK", inout, 8},
    {"15", "WIFI_UART1_RX", in, 8},
    {"16", "MPU_SDA_SDI", inout, 8},
    {"17", "WIFI_UART0_RX", in, 8},
    {"18, 19", "WIFI_UART0_TX, UART2USB_TX", out, 8},
    {"20, 21", "UART2USB_RX, BT_UART_RX", in, 8},
    {"22", "BT_UART_TX", out, 8},
    {"23", "WIFI_UART0_CTS", in, 8},
    {"24, 25", "WIFI_UART0_RTS, UART2USB_RTS", out, 8},
    {"26", "UART2USB_CTS", in, 8},
    {"31", "MPU_CS_n", out, 8},
    {"32", "MPU_AD0_SDO", inout, 8},
    {"33-40", "Ombrel_D[2], Ombrel_D[3], Ombrel_D[1], Ombrel_D[0], Ombrel_D[7], Ombrel_D[6], Ombrel_D[5], Ombrel_D[4]", inout, 8},
};

}  // namespace

void D_GPIO_Omblin(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

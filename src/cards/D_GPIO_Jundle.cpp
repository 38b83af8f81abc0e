#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// The 6-bit colour buses are interleaved with control pins and swap bits 1/2 and 3/4.
constexpr PinRow kRows[] = {
    {"1", "G_SENSOR_INT1", in, IoStd},
    {"2", "G_SCL_SCLK", out, IoStd},
    {"3", "G_SENSOR_INT2", in, IoStd},
    {"4", "G_SDA_SDI_SDIO", inout, IoStd},
    {"5", "TOUCH_DCLK", out, IoStd},
    {"6-8", "TOUCH_PENIRQ_n, TOUCH_DOUT, TOUCH_BUSY", in, IoStd},
    {"9, 10", "TOUCH_DIN, TOUCH_CS_n", out, IoStd},
    {"15, 17-20, 22", "LCD_R[0], LCD_R[2], LCD_R[1], LCD_R[4], LCD_R[3], LCD_R[5]", out, IoStd},
    {"21, 23, 24", "DIM, LCD_NCLK, G_ALT_ADDR", out, IoStd},
    {"25, 27, 28, 31, 32, 34", "LCD_G[0], LCD_G[2], LCD_G[1], LCD_G[4], LCD_G[3], LCD_G[5]", out, IoStd},
    {"26", "G_CS_n", out, IoStd},
    {"33, 35-38, 40", "LCD_B[0], LCD_B[2], LCD_B[1], LCD_B[4], LCD_B[3], LCD_B[5]", out, IoStd},
    {"39", "LCD_DEN", out, IoStd},
};

}  // namespace

void D_GPIO_Jundle(TDaughterBoard* pDaughter, uint8_t IoStd) { FillMap(pDaughter, 40, kRows, {.ioStd = IoStd}); }

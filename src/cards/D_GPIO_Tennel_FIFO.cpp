#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"1-9/2, 13-17/2", "USB_FIFO_D[0..7]", inout, IoStd},
    {"19, 21", "USB_FIFO_RXF_n, USB_FIFO_TXE_n", in, IoStd},
    {"23, 25, 27", "USB_FIFO_RD_n, USB_FIFO_WR_n, USB_FIFO_SIWU_n", out, IoStd},
    {"31", "USB_FIFO_CLKOUT", in, IoStd},
    {"32, 33", "USB_FIFO_PWRSAV_n, USB_FIFO_OE_n", out, IoStd},
    {"34, 36", "USB_FIFO_PWREN_n, USB_FIFO_SUSPEND_n", in, IoStd},
    {"38", "USB_FIFO_RESET_n", out, IoStd},
};

}  // namespace

void D_GPIO_Tennel_FIFO(TDaughterBoard* pDaughter, uint8_t IoStd)
{
    FillMap(pDaughter, 40, kRows, {.ioStd = IoStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

namespace {

using namespace cardmap;

// Bluetooth serial-port card. The UART lines are named from the module's side, so its RX is
// driven by the FPGA and its TX read by it.
constexpr PinRow kRows[] = {
    {"1", "Velket_UART_RX", out, 8},
    {"2", "Velket_UART_TX", in, 8},
    {"3", "Velket_UART_RTS", in, 8},
    {"4", "Velket_UART_CTS", out, 8},
    {"5", "Velket_PIO2_STATUS", in, 8},
    {"6", "Velket_RESET_N", out, 8},
    {"7, 8", "Velket_GPIO9, Velket_GPIO10", inout, 8},
};

}  // namespace

void D_Ombrel_Velket(TDaughterBoard* pDaughter)
{
    FillMap(pDaughter, 8, kRows);
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// The same card as the FIFO mode: every header line keeps its position in both modes.
constexpr PinRow kRows[] = {
    {"1-9/2", "ADBUS[0..4]", inout, IoStd},
    {"15, 17", "ADBUS[6..7]", inout, IoStd},
    {"2-10/2", "BDBUS[2..6]", inout, IoStd},
    {"16-28/2, 32", "BCBUS[0..7]", inout, IoStd},
    {"19-27/2, 31-35/2", "ACBUS[0..7]", inout, IoStd},
    {"34, 36", "PWREN_n, SUSPEND_n", in, IoStd},
    {"37, 39", "BDBUS[0..1]", inout, IoStd},
    {"38", "RESET_n", out, IoStd},
    // Header positions 11 and 12 carry no FPGA pin, so these two lines go on the free
    // positions 13 and 14 (13 is the line of FIFO data bit 5).
    {"13, 14", "ADBUS[5], BDBUS[7]", inout, IoStd},
};

}  // namespace

void D_GPIO_Tennel_NATIVE(TDaughterBoard* pDaughter, uint8_t IoStd)
{
    FillMap(pDaughter, 40, kRows, {.ioStd = IoStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"
#include "core/model/DaughterBoard.h"
#include "platform/Format.h"

using namespace cardmap;

namespace {

// Named signals of the older boards: two clock inputs, two clock outputs, 32 data lines.
constexpr PinRow kNamedRows[] = {
    {"1, 3", "GPIO_CLKIN[0..1]", in, IoStd},
    {"2, 4-10, 13-18, 20, 22-28, 31-40", "GPIO_D[0..31]", inout, IoStd},
    {"19, 21", "GPIO_CLKOUT[0..1]", out, IoStd},
};

}  // namespace

bool IsGpioDefaultSignalPosition(int p) { return p != 11 && p != 12 && p != 29 && p != 30; }

// One counter over the 36 signal positions, with the name made from the format and base.
void AppendNumberedGpio(TDaughterBoard* pDaughter, const char* base, uint8_t IoStd)
{
    int n = 0;
    for (int p = 1; p <= 40; ++p) {
        if (!IsGpioDefaultSignalPosition(p)) {
            pDaughter->AddPin(nullptr);
            continue;
        }
        pDaughter->AddPin(new TPin(platform::Format("%s[%d]", base, n++), DIRECTION_INOUT, IoStd, p, 0));
    }
}

void D_GPIO_DEFAULT(TDaughterBoard* pDaughter, uint8_t bSingleBus, uint8_t IoStd)
{
    if (bSingleBus) AppendNumberedGpio(pDaughter, "GPIO", IoStd);
    else FillMap(pDaughter, 40, kNamedRows, {.ioStd = IoStd});
}

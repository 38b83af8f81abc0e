#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board.
constexpr PinRow kRows[] = {
    {"4-10, 13-21", "Arduino_IO[0..15]", inout, 8},
};

}  // namespace

void D_GPIO_ARDUINO(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

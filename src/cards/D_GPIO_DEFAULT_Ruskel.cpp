#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Suffixes that the connector prefix completes ("GPIO" + "_IN[0]").
constexpr PinRow kRows[] = {
    {"1, 3", "_IN[0..1]", in, 8},
    {"2, 4-10, 13-28, 31-40", "[0..33]", inout, 8},
};

}  // namespace

void D_GPIO_DEFAULT_Ruskel(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

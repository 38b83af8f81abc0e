#include "cards/CardMap.h"
#include "cards/CardMaps.h"

namespace {

using namespace cardmap;

// The generic card of the 2x6 header: its eight signals as one bus.
constexpr PinRow kRows[] = {
    {"1-8", "GPIO[0..7]", inout, 8},
};

}  // namespace

void D_Ombrel_DEFAULT(TDaughterBoard* pDaughter)
{
    FillMap(pDaughter, 8, kRows);
}

#include "cards/CardMaps.h"
#include "cards/DviRows.h"

using namespace cardmap;

// The DVI table on the Kelpin connector: its management lines stay 2.5 V and the positions
// past 160 are empty.
void D_Kelpin_LOOPBACK(TDaughterBoard* pDaughter)
{
    FillMap(pDaughter, 180, kDviRows, {.hsmcStd = 6});
}

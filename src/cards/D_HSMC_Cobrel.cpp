#include "cards/CardMaps.h"
#include "cards/DviRows.h"

using namespace cardmap;

void D_HSMC_Cobrel(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kDviRows, {.hsmcStd = HsmcStd});
}

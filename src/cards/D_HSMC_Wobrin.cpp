#include "cards/CardMaps.h"
#include "cards/LcdCardRows.h"

using namespace cardmap;

void D_HSMC_Wobrin(TDaughterBoard* pDaughter) { FillMap(pDaughter, 160, kWobrinRows); }

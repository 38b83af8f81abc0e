#include "cards/D_GPIO_Corvish.h"

#include "cards/CardMaps.h"

using namespace cardmap;

void D_GPIO_Corvish(TDaughterBoard* pDaughter, uint8_t IoStd)
{
    FillMap(pDaughter, 40, kCorvishPanelRows, {.ioStd = IoStd});
}

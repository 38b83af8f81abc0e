#include "cards/CardMaps.h"
#include "cards/D_GPIO_Corvish.h"

using namespace cardmap;

// Same wiring as the Corvish panel, names included.
void D_GPIO_Ravesh(TDaughterBoard* pDaughter, uint8_t IoStd)
{
    FillMap(pDaughter, 40, kCorvishPanelRows, {.ioStd = IoStd});
}

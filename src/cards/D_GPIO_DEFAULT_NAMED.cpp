#include "cards/CardMaps.h"

void AppendNumberedGpio(TDaughterBoard* pDaughter, const char* base, uint8_t IoStd);

void D_GPIO_DEFAULT_NAMED(TDaughterBoard* pDaughter, const char* BaseName, uint8_t IoStd)
{
    AppendNumberedGpio(pDaughter, BaseName ? BaseName : "", IoStd);
}

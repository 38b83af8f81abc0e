#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_GPIO_Tennel_NATIVE(TDaughterBoard* pDaughter, uint8_t /*IoStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(40));
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_GPIO_Garvet(TDaughterBoard* pDaughter, uint8_t /*IoStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(40));
}

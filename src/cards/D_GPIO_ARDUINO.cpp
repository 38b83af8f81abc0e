#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_GPIO_ARDUINO(TDaughterBoard* pDaughter)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(40));
}

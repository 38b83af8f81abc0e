#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_FMC_TI_ADC34J45(TDaughterBoard* pDaughter, uint8_t /*bSwap*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(400));
}

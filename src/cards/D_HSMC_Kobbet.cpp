#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_Kobbet(TDaughterBoard* pDaughter, uint8_t /*HsmcStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_Vossil(TDaughterBoard* pDaughter, uint8_t /*XcvrStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

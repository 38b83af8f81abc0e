#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_Hobbard(TDaughterBoard* pDaughter, uint8_t /*XcvrStd*/, uint8_t /*HsmcStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

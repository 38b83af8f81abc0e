#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_DDR4_SODIMM(TDaughterBoard* pDaughter, uint8_t /*Unused*/, uint8_t /*SidebandStd*/, uint8_t /*SaStd*/, uint8_t /*Ecc*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(260));
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_Quillet_Sollip(TDaughterBoard* pDaughter, uint8_t /*bJ2*/, uint8_t /*bJ3*/, uint8_t /*IoStd*/, uint8_t /*MainBoardId*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_DEBUG(TDaughterBoard* pDaughter, int32_t /*MainBoardId*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

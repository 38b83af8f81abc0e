#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_DEFAULT(TDaughterBoard* pDaughter, int32_t /*MainBoardId*/, int32_t /*Variant*/, uint8_t /*XcvrStd*/, uint8_t /*IoStd*/, uint8_t /*bXcvr*/, uint8_t /*bUpperCase*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

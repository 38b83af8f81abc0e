#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_FMC_LPC_ALTERA(TDaughterBoard* pDaughter, uint8_t /*bXcvr*/, uint8_t /*IoStd*/, uint8_t /*bEnable*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(400));
}

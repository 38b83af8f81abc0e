#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_FMC_HPC_VITA_ARRAY(TDaughterBoard* pDaughter, uint8_t /*bXcvr*/, uint8_t /*IoStd*/, uint8_t /*XcvrStd*/, uint8_t /*bDropRowK*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(400));
}

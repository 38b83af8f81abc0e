#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_DDR3_SODIMM_STRATIX5(TDaughterBoard* pDaughter, uint8_t /*DiffDqs*/, uint8_t /*SidebandStd*/, uint8_t /*SaStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(204));
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

// Pin table not yet transcribed: every position empty.
void D_HSMC_LVDS_DEFAULT(TDaughterBoard* pDaughter, uint8_t /*bComputedNames*/, uint8_t /*XcvrStd*/, uint8_t /*LvdsStd*/, uint8_t /*IoStd*/)
{
    cardmap::AppendTable(pDaughter, cardmap::EmptyTable(160));
}

#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Parnish(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcParnishPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcParnishPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Parnish]);
}

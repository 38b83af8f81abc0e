#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Vossil(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcVossilPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcVossilPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Vossil]);
}

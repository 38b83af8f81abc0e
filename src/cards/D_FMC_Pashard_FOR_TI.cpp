#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Pashard_FOR_TI(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcPashardTiPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcPashardTiPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Pashard_FOR_TI]);
}

#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Wyrsel(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcWyrselPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcWyrselPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Wyrsel]);
}

#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Dortle(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcDortlePinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcDortlePinTable, fmc::kFmcMaps[fmc::FMC_MAP_Dortle]);
}

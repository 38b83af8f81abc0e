#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Brasket(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcBrasketPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcBrasketPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Brasket]);
}

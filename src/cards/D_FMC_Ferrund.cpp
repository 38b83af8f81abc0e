#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_Ferrund(TDaughterBoard* pDaughter)
{
    const int num = static_cast<int>(FmcFerrundPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcFerrundPinTable, fmc::kFmcMaps[fmc::FMC_MAP_Ferrund]);
}

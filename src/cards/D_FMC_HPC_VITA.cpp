#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_HPC_VITA(TDaughterBoard* pDaughter, uint8_t bXcvr, uint8_t IoStd, uint8_t XcvrStd, uint8_t bDropRowK)
{
    const int num = static_cast<int>(FmcVitaPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcVitaPinTable, fmc::kFmcMaps[fmc::FMC_MAP_HPC_VITA],
                    {.dropRowK = bDropRowK != 0, .xcvr = bXcvr != 0, .ioStd = IoStd, .xcvrStd = XcvrStd});
}

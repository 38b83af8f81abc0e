#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_HPC_ALTERA(TDaughterBoard* pDaughter, uint8_t bXcvr, uint8_t IoStd, uint8_t bKeepRowK)
{
    const int num = static_cast<int>(FmcAlteraPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcAlteraPinTable, fmc::kFmcMaps[fmc::FMC_MAP_HPC_ALTERA],
                    {.dropRowK = bKeepRowK == 0, .xcvr = bXcvr != 0, .ioStd = IoStd});
}

#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

void D_FMC_LPC_VITA(TDaughterBoard* pDaughter, uint8_t bXcvr, uint8_t IoStd, uint8_t XcvrStd)
{
    const int num = static_cast<int>(FmcVitaPinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    fmc::FillFmcMap(pDaughter, FmcVitaPinTable, fmc::kFmcMaps[fmc::FMC_MAP_LPC_VITA],
                    {.xcvr = bXcvr != 0, .ioStd = IoStd, .xcvrStd = XcvrStd});
}

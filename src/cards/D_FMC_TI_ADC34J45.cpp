#include "cards/CardMaps.h"
#include "cards/FmcMap.h"
#include "platform/Errors.h"

// The converter board reaches some connector pins through the adapter's traded rows; with
// bSwap the map reads the table as the rows arrive, a copy made for this call alone.
void D_FMC_TI_ADC34J45(TDaughterBoard* pDaughter, uint8_t bSwap)
{
    const int num = static_cast<int>(FmcTiAdc34j45PinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    const fmc::FmcMapInfo& map = fmc::kFmcMaps[fmc::FMC_MAP_TI_ADC34J45];
    if (!bSwap) {
        fmc::FillFmcMap(pDaughter, FmcTiAdc34j45PinTable, map);
        return;
    }
    const fmc::FmcSwappedPinTable swapped = fmc::BuildSwappedPinTable();
    fmc::FillFmcMap(pDaughter, FmcPinTable32(swapped), map);
}

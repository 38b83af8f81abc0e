#include "cards/CardMaps.h"
#include "cards/Ddr3Sodimm.h"

void D_DDR3_SODIMM_STRATIX5(TDaughterBoard* pDaughter, uint8_t DiffDqs, uint8_t SidebandStd, uint8_t SaStd)
{
    constexpr Ddr3Family kStratixV = {.lowerCaseNames = false, .dataStd = 29, .diffStrobeStd = 12,
                                      .resetOnSideband = true};
    FillDdr3Sodimm(pDaughter, kStratixV, DiffDqs, SidebandStd, SaStd);
}

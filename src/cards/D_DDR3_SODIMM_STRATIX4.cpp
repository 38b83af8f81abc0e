#include "cards/CardMaps.h"
#include "cards/Ddr3Sodimm.h"

// Lower-case memory signals, and RESET_n in SSTL-15 Class I whatever the sideband standard.
void D_DDR3_SODIMM_STRATIX4(TDaughterBoard* pDaughter, uint8_t DiffDqs, uint8_t SidebandStd, uint8_t SaStd)
{
    constexpr Ddr3Family kStratixIV = {.lowerCaseNames = true, .dataStd = 29, .diffStrobeStd = 12,
                                       .resetOnSideband = false};
    FillDdr3Sodimm(pDaughter, kStratixIV, DiffDqs, SidebandStd, SaStd);
}

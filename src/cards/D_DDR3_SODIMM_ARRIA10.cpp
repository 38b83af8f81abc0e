#include "cards/CardMaps.h"
#include "cards/Ddr3Sodimm.h"

// Data in SSTL-15 and differential strobes in differential 1.5-V SSTL, where the other
// families take the Class I standards.
void D_DDR3_SODIMM_ARRIA10(TDaughterBoard* pDaughter, uint8_t DiffDqs, uint8_t SidebandStd, uint8_t SaStd)
{
    constexpr Ddr3Family kArria10 = {.lowerCaseNames = false, .dataStd = 28, .diffStrobeStd = 11,
                                     .resetOnSideband = true};
    FillDdr3Sodimm(pDaughter, kArria10, DiffDqs, SidebandStd, SaStd);
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Two 14-bit ADC channels (ADA_, ADB_), two 14-bit DAC channels (DA, DB), an audio codec.
constexpr PinRow kRows[] = {
    {"33", "SDA", inout, HsmcStd},
    {"34", "SCL", out, HsmcStd},
    {"39", "CLKOUT0", out, 6},
    {"40", "CLKIN1", in, 6},
    {"41, 43, 47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79", "ADA_D[13..0]", in, 6},
    {"42, 44, 48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "ADB_D[13..0]", in, 6},
    {"83, 84", "ADA_OR, ADB_OR", in, 6},
    {"85, 86, 89, 90", "ADA_OE, ADB_OE, ADA_SPI_CS, ADB_SPI_CS", out, 6},
    {"91, 92, 95", "AD_SDIO, AD_SCLK, FPGA_CLK_A_P", inout, 6},
    {"96", "XT_IN_P", in, 6},
    {"97", "FPGA_CLK_A_N", inout, 6},
    {"98", "XT_IN_N", in, 6},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "DA[13..0]", out, 6},
    {"102, 104, 108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138, 140", "DB[13..0]", out, 6},
    {"143", "AIC_DIN", out, 6},
    {"144", "AIC_DOUT", in, 6},
    {"145, 146, 149", "AIC_LRCIN, AIC_LRCOUT, AIC_BCLK", inout, 6},
    {"150, 151", "AIC_XCLK, AIC_SPI_CS", out, 6},
    {"152, 155", "J1_152, FPGA_CLK_B_P", inout, 6},
    {"156", "ADA_DCO", in, 6},
    {"157", "FPGA_CLK_B_N", inout, 6},
    {"158", "ADB_DCO", in, 6},
};

}  // namespace

void D_HSMC_Fobbin(TDaughterBoard* pDaughter, uint8_t HsmcStd) { FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd}); }

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"33", "HDMI_TX_SDA", inout, HsmcStd},
    {"34", "HDMI_TX_SCL", out, HsmcStd},
    {"42", "TX_PCSCL", out, 6},
    {"44", "TX_PCSDA", inout, 6},
    {"48", "TX_CEC", inout, 6},
    {"50", "TX_RST_N", out, 6},
    {"53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "TX_RD[11..0]", out, 6},
    {"54", "TX_INT_N", in, 6},
    {"56", "TX_DSR3L", out, 6},
    {"60", "TX_DSR3R", out, 6},
    {"62", "TX_DSR2L", out, 6},
    {"66", "TX_DSR2R", out, 6},
    {"78", "TX_DSR1L", out, 6},
    {"80", "TX_DSR1R", out, 6},
    {"86", "TX_DSR0L", out, 6},
    {"90", "TX_PCLK", out, 6},
    {"92", "TX_SCK", out, 6},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133", "TX_GD[11..0]", out, 6},
    {"102, 104", "TX_I2S[0..1]", out, 6},
    {"108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138", "TX_BD[10..0]", out, 6},
    {"137", "TX_BD[11]", out, 6},
    {"140", "TX_DE", out, 6},
    {"144-146", "TX_HS, TX_SPDIF, TX_VS", out, 6},
    {"149, 151", "TX_I2S[3..2]", out, 6},
    {"150", "TX_WS", out, 6},
    {"152", "TX_DSR0R", out, 6},
    {"155", "TX_MCLK", out, 6},
    {"157", "TX_DCLK", out, 6},
};

}  // namespace

void D_HSMC_Brasket_TX(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"33", "HDMI_RX_SDA", inout, HsmcStd},
    {"34", "HDMI_RX_SCL", out, HsmcStd},
    {"55, 56", "RX_RST_N, EDID_WP_N", out, 6},
    {"59", "RX_SCDT", in, 6},
    {"60", "RX1_CEC", inout, 6},
    {"61", "RX_INT_N", in, 6},
    {"62", "RX1_HPD_N", out, 6},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91", "RX_RD[11..2]", in, 6},
    {"66", "RX_MUTE", in, 6},
    {"68", "RX_DSD", in, 6},
    {"72", "RX_SPDIF", in, 6},
    {"74", "RX_I2S[0]", in, 6},
    {"78", "RX_WS", in, 6},
    {"80, 84, 86", "RX_I2S[3..1]", in, 6},
    {"90", "RX0_HPD_N", out, 6},
    {"92", "RX0_CEC", inout, 6},
    {"96", "RX_MCLK", in, 6},
    {"98", "RX_SCK", in, 6},
    {"101, 103", "RX_RD[1..0]", in, 6},
    {"102", "RX_PCSCL", out, 6},
    {"104", "RX_PCSDA", inout, 6},
    {"107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "RX_GD[11..0]", in, 6},
    {"108", "RX_EVENODD", in, 6},
    {"110", "RX_VS", in, 6},
    {"114", "RX_HS", in, 6},
    {"116", "RX_DE", in, 6},
    {"120, 122, 126, 128, 132, 134, 138, 140", "RX_BD[0..7]", in, 6},
    {"143", "RX0_DDC_SCL", inout, 6},
    {"144, 146, 150, 152", "RX_BD[11..8]", in, 6},
    {"145", "RX0_DDC_SDA", inout, 6},
    {"149", "RX1_DDC_SCL", inout, 6},
    {"151", "RX1_DDC_SDA", inout, 6},
    {"156", "RX_PCLK", in, 6},
};

}  // namespace

void D_HSMC_Brasket_RX(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"

namespace {

using namespace cardmap;

// Full-HD HDMI card: receive side HDMI_RX_*, transmit side HDMI_TX_*. Bus rows list their
// positions in index order.
constexpr PinRow kRows[] = {
    {"35, 27, 29, 3", "HDMI_RX_I2S[0..3]", in, 8},
    {"4", "HDMI_RX_SCK", in, 8},
    {"5", "HDMI_RX_WS", in, 8},
    {"6", "HDMI_RX_MCLK", in, 8},
    {"9, 17, 15, 23, 21, 52, 48, 46, 45, 42, 40, 36", "HDMI_RX_RD[0..11]", in, 8},
    {"63, 57, 59, 54, 64, 58, 60, 18, 16, 12, 10, 11", "HDMI_RX_GD[0..11]", in, 8},
    {"99, 22", "HDMI_RX_HPD_N[0..1]", out, 8},
    {"102, 24", "HDMI_RX_CEC[0..1]", inout, 8},
    {"28", "HDMI_RX_RST_N", out, 8},
    {"30", "HDMI_RX_SCDT", in, 8},
    {"33", "HDMI_RX_SPDIF", in, 8},
    {"34", "HDMI_RX_INT_N", in, 8},
    {"39", "HDMI_RX_MUTE", in, 8},
    {"41", "HDMI_RX_DSD", in, 8},
    {"53", "HDMI_EDID_WP", out, 8},
    {"78, 76, 75, 72, 83, 94, 96, 100, 69, 71, 65, 70", "HDMI_RX_BD[0..11]", in, 8},
    {"66", "HDMI_RX_PCLK", in, 8},
    {"77", "HDMI_RX_DE", in, 8},
    {"81", "HDMI_RX_PCSDA", inout, 8},
    {"82", "HDMI_RX_HS", in, 8},
    {"84", "HDMI_RX_PCSCL", out, 8},
    {"93, 87", "HDMI_RX_DDC_SDA[0..1]", inout, 8},
    {"88", "HDMI_RX_EVENODD", in, 8},
    {"95, 89", "HDMI_RX_DDC_SCL[0..1]", inout, 8},
    {"90", "HDMI_RX_VS", in, 8},
    {"148, 146, 144, 142, 138, 136, 134, 137, 101, 105, 106, 108", "HDMI_TX_GD[0..11]", out, 8},
    {"107, 112, 114, 111, 118, 120, 113, 123, 117, 119, 135, 133", "HDMI_TX_RD[0..11]", out, 8},
    {"131", "HDMI_SDA", inout, 8, 1},
    {"132", "HDMI_SCL", out, 8, 1},
    {"139", "HDMI_TX_PCSCL", out, 8},
    {"140", "HDMI_TX_PCSDA", inout, 8},
    {"141", "HDMI_TX_RST_N", out, 8},
    {"143", "HDMI_TX_INT_N", in, 8},
    {"157, 153, 149, 145", "HDMI_TX_DSD_L[0..3]", out, 8},
    {"159, 155, 151, 147", "HDMI_TX_DSD_R[0..3]", out, 8},
    {"174, 172, 170, 168, 166, 164, 162, 160, 158, 154, 152, 150", "HDMI_TX_BD[0..11]", out, 8},
    {"156", "HDMI_TX_PCLK", out, 8},
    {"161", "HDMI_TX_DCLK", out, 8},
    {"163", "HDMI_TX_SCK", out, 8},
    {"165", "HDMI_TX_WS", out, 8},
    {"167", "HDMI_TX_MCLK", out, 8},
    {"169, 171, 173, 175", "HDMI_TX_I2S[0..3]", out, 8},
    {"176", "HDMI_TX_DE", out, 8},
    {"177", "HDMI_TX_VS", out, 8},
    {"178", "HDMI_TX_HS", out, 8},
    {"179", "HDMI_TX_SPDIF", out, 8},
    {"180", "HDMI_TX_CEC", inout, 8},
};

}  // namespace

void D_Kelpin_Brasket(TDaughterBoard* pDaughter)
{
    FillMap(pDaughter, 180, kRows);
}

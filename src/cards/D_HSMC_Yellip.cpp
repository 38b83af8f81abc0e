#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Only the four LVDS lanes and their clock are LVDS; the card builds their p legs only.
constexpr PinRow kRows[] = {
    {"42", "IMG_IN_FV", in, 6},
    {"43", "CK_FPGA_MCLK", out, 6},
    {"48", "IMG_IN_LV", in, 6},
    {"54, 60", "IMG_DIN[3..2]", in, 6},
    {"61", "SENSOR_RST", out, 6},
    {"66-90/6", "IMG_DIN[11..7]", in, 6},
    {"67", "SHUTTER", out, 6},
    {"73", "DEMO2_I2C_SCL", out, 6},
    {"79", "DEMO2_I2C_SDA", inout, 6},
    {"85", "BUF_HISPI_CLK0_EN", out, 6},
    {"91", "BUF_HISPI_DATA0_EN", out, 6},
    {"96", "CK_IMG_IN_PIXCLK", in, 6},
    {"102-114/6", "IMG_DIN[6..4]", in, 6},
    {"103", "BUF_HISPI_DATA1_EN", out, 6},
    {"109", "BUF_HISPI_DATA2_EN", out, 6},
    {"115", "BUF_HISPI_DATA3_EN", out, 6},
    {"120, 126", "IMG_DIN[1..0]", in, 6},
    {"132", "LVDS_DATA_p[0]", in, 21},
    {"138, 144", "LVDS_DATA_p[2..3]", in, 21},
    {"150", "LVDS_DATA_p[1]", in, 21},
    {"156", "CK_LVDS_CLK0_p", in, 21},
};

}  // namespace

void D_HSMC_Yellip(TDaughterBoard* pDaughter) { FillMap(pDaughter, 160, kRows); }

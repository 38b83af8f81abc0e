#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// 3.3-V LVTTL on every board.
constexpr PinRow kRows[] = {
    {"6", "BEEP_OUT", out, 8},
    {"15", "SCL_A_OUT", out, 8},
    {"16", "SDA_A_OUT", inout, 8},
    {"17-20", "INT1_A_OUT, INT2_A_OUT, G_INT2, G_INT1", in, 8},
    {"21", "G_SDA_SDI_SDIO", inout, 8},
    {"22, 23", "G_SDO_ALT_ADDRESS, SCL_M_OUT", out, 8},
    {"24", "SDA_M_OUT", inout, 8},
    {"25-27", "DRDY_M_OUT, G_SCL_SCLK, G_CS_n", out, 8},
    {"28", "L_INT", in, 8},
    {"31", "L_SDA", inout, 8},
    {"32, 34", "L_SCL, L_ADDR_SEL", out, 8},
    {"35", "TEMP_OS", in, 8},
    {"37", "TEMP_SCL", out, 8},
    {"39", "TEMP_SDA", inout, 8},
};

}  // namespace

void D_GPIO_Ostrum(TDaughterBoard* pDaughter) { FillMap(pDaughter, 40, kRows); }

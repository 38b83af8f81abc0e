#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"1", "MIPI_PIXEL_CLK", in, IoStd},
    {"4-10, 13-15", "MIPI_PIXEL_D[0..9]", in, IoStd},
    {"21", "MIPI_REFCLK", out, IoStd},
    {"23, 25", "MIPI_PIXEL_VS, MIPI_PIXEL_HS", in, IoStd},
    {"26-28", "MIPI_CS_n, MIPI_RESET_n, CAMERA_PWDN_n", out, IoStd},
    {"31, 32", "CAMERA_I2C_SCL, CAMERA_I2C_SDA", inout, IoStd},
    {"33", "MIPI_MCLK", out, IoStd},
    {"35, 36", "MIPI_I2C_SCL, MIPI_I2C_SDA", inout, IoStd},
};

}  // namespace

void D_GPIO_Ferrund(TDaughterBoard* pDaughter, uint8_t IoStd) { FillMap(pDaughter, 40, kRows, {.ioStd = IoStd}); }

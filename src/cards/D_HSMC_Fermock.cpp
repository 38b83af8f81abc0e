#include "cards/CardMaps.h"
#include "cards/LcdCardRows.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"41", "MIPI_I2C_SCL", inout, 6},
    {"42, 44", "MIPI_PIXEL_D[13..12]", in, 6},
    {"43", "MIPI_I2C_SDA", inout, 6},
    {"47", "MIPI_RESET_n", out, 6},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74", "MIPI_PIXEL_D[0..9]", in, 6},
    {"49", "MIPI_CS_n", out, 6},
    {"59", "CAMERA_I2C_SDA", inout, 6},
    {"61", "MPU_CS_n", out, 6},
    {"65", "MPU_INT", in, 6},
    {"67", "MPU_FSYNC", out, 6},
    {"71", "MPU_AD0_SDO", inout, 6},
    {"73", "MPU_SDA_SDI", inout, 6},
    {"77", "MPU_SCL_SCLK", inout, 6},
    {"78", "MIPI_PIXEL_VS", in, 6},
    {"79", "LCD_POWER_CTL", out, 6},
    {"80", "MIPI_PIXEL_HS", in, 6},
    {"90, 92", "MIPI_PIXEL_D[11..10]", in, 6},
    {"95", "MIPI_REFCLK", out, 6},
    {"96", "MIPI_PIXEL_CLK", in, 6},
    {"97", "MIPI_MCLK", out, 6},
    {"115", "LSENSOR_SCL", inout, 6},
    {"140", "CAMERA_I2C_SCL", inout, 6},
    {"144", "CAMERA_PWDN_n", out, 6},
    {"152", "TOUCH_I2C_SCL", inout, 6},
};

}  // namespace

// The card has no management pins, so the connector's standard reaches none of its pins.
void D_HSMC_Fermock(TDaughterBoard* pDaughter, uint8_t /*HsmcStd*/)
{
    PinTable table = EmptyTable(160);
    AddRows(table, kTouchPanelRows);
    AddRows(table, kRows);
    AppendTable(pDaughter, table);
}

#include "cards/CardMaps.h"
#include "cards/LcdCardRows.h"

using namespace cardmap;

namespace {

constexpr PinRow kRows[] = {
    {"41", "CAMERA_SCLK", in, 6},
    {"43", "CAMERA_SDATA", inout, 6},
    {"47", "CAMERA_FVAL", in, 6},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "CAMERA_D[0..11]", in, 6},
    {"49", "CAMERA_LVAL", in, 6},
    {"53", "CAMERA_STROBE", in, 6},
    {"55", "CAMERA_TRIGGER", out, 6},
    {"59", "CAMERA_RESET_n", out, 6},
    {"61", "GSENSOR_CS_n", out, 6},
    {"65", "GSENSOR_INT1", in, 6},
    {"67", "GSENSOR_INT2", in, 6},
    {"71", "GSENSOR_ALT_ADDR", out, 6},
    {"73", "GSENSOR_SDA_SDI_SDIO", inout, 6},
    {"77", "GSENSOR_SCL_SCLK", out, 6},
    {"90", "LCD_POWER_CTL", out, 6},
    {"95", "CAMERA_XCLKIN", out, 6},
    {"96", "CAMERA_PIXCLK", in, 6},
    {"115", "LSENSOR_SCL", out, 6},
    {"152", "TOUCH_I2C_SCL", out, 6},
};

}  // namespace

void D_HSMC_Bellock(TDaughterBoard* pDaughter)
{
    PinTable table = EmptyTable(160);
    AddRows(table, kTouchPanelRows);
    AddRows(table, kRows);
    AppendTable(pDaughter, table);
}

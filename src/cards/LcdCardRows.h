#pragma once
// Rows that two LCD cards share: the 8-inch LCD/touch/camera table (the G-sensor card carries
// it whole) and the panel block of the two multi-touch cards.
#include "cards/CardMap.h"

namespace cardmap {

inline constexpr PinRow kWobrinRows[] = {
    {"60, 62, 66, 68, 72, 74, 78, 80, 84, 86, 90, 92", "CAMERA_D[0..11]", in, 6},
    {"67", "CAMERA_STROBE", in, 6},
    {"71", "CAMERA_LVAL", in, 6},
    {"73", "CAMERA_FVAL", in, 6},
    {"79", "CAMERA_RESET_N", out, 6},
    {"85", "CAMERA_SCLK", out, 6},
    {"89", "CAMERA_TRIGGER", out, 6},
    {"91", "CAMERA_SDATA", inout, 6},
    {"95", "CAMERA_XCLKIN", out, 6},
    {"96", "CAMERA_PIXCLK", in, 6},
    {"107, 108", "LCD_DIM, TOUCH_DCLK", out, 6},
    {"110", "TOUCH_CS_N", out, 6},
    {"114", "TOUCH_DIN", out, 6},
    {"115, 121, 125", "LCD_B[5..3]", out, 6},
    {"116", "TOUCH_BUSY", in, 6},
    {"120", "TOUCH_DOUT", in, 6},
    {"122", "TOUCH_PENIRQ_N", in, 6},
    {"127, 131, 133, 137, 139, 143", "LCD_R[0..5]", out, 6},
    {"132", "LCD_DEN", out, 6},
    {"138, 140, 144, 146, 150, 152", "LCD_G[0..5]", out, 6},
    {"145, 149, 151", "LCD_B[0..2]", out, 6},
    {"157", "LCD_NCLK", out, 6},
};

inline constexpr PinRow kTouchPanelRows[] = {
    {"83-86", "LCD_UPDN, LCD_DITH, LCD_RSTB, LCD_MODE", out, 6},
    {"89", "LCD_DE", out, 6},
    {"91", "LCD_SHLR", out, 6},
    {"101, 103, 107, 109", "LCD_B[3..0]", out, 6},
    {"102, 104, 108, 110", "LCD_B[7..4]", out, 6},
    {"113", "LSENSOR_ADDR_SEL", out, 6},
    {"114, 116, 120, 122, 126, 128, 132, 134", "LCD_G[7..0]", out, 6},
    {"119", "LSENSOR_SDA", inout, 6},
    {"121", "LSENSOR_INT", in, 6},
    {"125, 127, 131, 133, 137, 139, 143, 145", "LCD_R[7..0]", out, 6},
    {"138", "LCD_DIM", out, 6},
    {"146", "TOUCH_INT_n", in, 6},
    {"149", "LCD_HSD", out, 6},
    {"150", "TOUCH_I2C_SDA", inout, 6},
    {"151", "LCD_VSD", out, 6},
    {"157", "LCD_DCLK", out, 6},
};

}  // namespace cardmap

#pragma once
// What the two 780-pin Cyclone IV E boards (Kavrin, Gorvath) wire alike: the parts on the same
// FPGA pins, the 40-pin GPIO header and the HSMC connector.
#include "cards/CardMap.h"
#include "core/model/BoardDefinition.h"

namespace cyclone4f29 {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

inline constexpr uint8_t LVTTL = 8;  // "3.3-V LVTTL"
inline constexpr uint8_t V25 = 6;    // "2.5 V"

inline constexpr BoardPinRow kLcd[] = {
    {"LCD_DATA[0..7]", inout, LVTTL, "L3 L1 L2 K7 K1 K2 M3 M5"},
    {"LCD_BLON, LCD_RW, LCD_EN, LCD_RS, LCD_ON", out, LVTTL, "L6 M1 L4 M2 L5"},
};

inline constexpr BoardPinRow kSdCard[] = {
    {"SD_CMD", inout, LVTTL, "AD14"},
    {"SD_CLK", out, LVTTL, "AE13"},
    {"SD_WP_N", in, LVTTL, "AF14"},
    {"SD_DAT[0..3]", inout, LVTTL, "AE14 AF13 AB14 AC14"},
};

inline constexpr BoardPinRow kAudio[] = {
    {"AUD_ADCLRCK", inout, LVTTL, "C2"},
    {"AUD_ADCDAT", in, LVTTL, "D2"},
    {"AUD_DACLRCK", inout, LVTTL, "E3"},
    {"AUD_DACDAT, AUD_XCK", out, LVTTL, "D1 E1"},
    {"AUD_BCLK", inout, LVTTL, "F2"},
};

inline constexpr BoardPinRow kSram[] = {
    {"SRAM_ADDR[0..19]", out, LVTTL, "AB7 AD7 AE7 AC7 AB6 AE6 AB5 AC5 AF5 T7 AF2 AD3 AB4 AC3 AA4 AB11 AC11 AB9 AB8 T8"},
    {"SRAM_DQ[0..15]", inout, LVTTL, "AH3 AF4 AG4 AH4 AF6 AG6 AH6 AF7 AD1 AD2 AE2 AE1 AE3 AE4 AF3 AG3"},
    {"SRAM_UB_N, SRAM_LB_N, SRAM_CE_N, SRAM_OE_N, SRAM_WE_N", out, LVTTL, "AC4 AD4 AF8 AD5 AE8"},
};

// The audio codec's I2C bus, which other parts of a board may share.
inline constexpr BoardPinRow kCodecI2c[] = {
    {"I2C_SCLK", out, LVTTL, "B7"},
    {"I2C_SDAT", inout, LVTTL, "A8"},
};

// The 40-pin GPIO header, positions 1 to 40; nullptr where the position carries no FPGA pin.
inline constexpr const char* kGpioLocations[40] = {
    "AB22", "AC15", "AB21", "Y17", "AC21", "Y16", "AD21", "AE16", "AD15", "AE15", nullptr, nullptr, "AC19", "AF16", "AD19", "AF15", "AF24", "AE21", "AF25", "AC22",  // 1-20
    "AE22", "AF21", "AF22", "AD22", "AG25", "AD25", "AH25", "AE25", nullptr, nullptr, "AG22", "AE24", "AH22", "AF26", "AE20", "AG23", "AF20", "AH26", "AH23", "AG26",  // 21-40
};

// The HSMC connector, positions 1 to 160: of the first 46 only 39 to 44 carry a pin, then
// groups of four signals and two empty positions.
inline constexpr const char* kHsmcLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "AD28", "AH15",  // 21-40
    "AE26", "AE28", "AE27", "AF27", nullptr, nullptr, "D27", "F24", "D28", "F25", nullptr, nullptr, "E27", "D26", "E28", "C27", nullptr, nullptr, "F27", "F26",  // 41-60
    "F28", "E26", nullptr, nullptr, "G27", "G25", "G28", "G26", nullptr, nullptr, "K27", "H25", "K28", "H26", nullptr, nullptr, "M27", "K25", "M28", "K26",  // 61-80
    nullptr, nullptr, "K21", "L23", "K22", "L24", nullptr, nullptr, "H23", "M25", "H24", "M26", nullptr, nullptr, "G23", "J27", "G24", "J28", nullptr, nullptr,  // 81-100
    "J23", "R25", "J24", "R26", nullptr, nullptr, "P27", "T25", "P28", "T26", nullptr, nullptr, "J25", "U25", "J26", "U26", nullptr, nullptr, "L27", "L21",  // 101-120
    "L28", "L22", nullptr, nullptr, "V25", "N25", "V26", "N26", nullptr, nullptr, "R27", "P25", "R28", "P26", nullptr, nullptr, "U27", "P21", "U28", "R21",  // 121-140
    nullptr, nullptr, "V27", "R22", "V28", "R23", nullptr, nullptr, "U22", "T21", "V22", "T22", nullptr, nullptr, "V23", "Y27", "V24", "Y28", nullptr, nullptr,  // 141-160
};

}  // namespace cyclone4f29

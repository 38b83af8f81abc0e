#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// The management lines and the identification bus carry Flag 1; only the management lines
// take the connector's standard.
constexpr PinRow kRows[] = {
    {"33", "HC_I2C_SDAT", inout, HsmcStd, 1},
    {"34", "HC_I2C_SCLK", out, HsmcStd, 1},
    {"39", "HC_AUD_XCK", out, 6},
    {"40", "HC_AUD_ADCDAT", in, 6},
    {"41", "HC_ID_I2CSCL", out, 6, 1},
    {"42", "HC_ID_I2CDAT", inout, 6, 1},
    {"43", "HC_PS2_CLK", out, 6},
    {"44", "HC_SD_CMD", inout, 6},
    {"47-50", "HC_PS2_DAT, HC_SD_DAT, HC_MDIO, HC_SDA", inout, 6},
    {"53", "HC_SD_DAT3", inout, 6},
    {"54, 55", "HC_VGA_HS, HC_VGA_VS", out, 6},
    {"56, 60, 62, 66, 68, 72, 74, 78", "HC_TD_D[0..7]", in, 6},
    {"59", "HC_VGA_BLANK", out, 6},
    {"61", "HC_VGA_SYNC", out, 6},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91", "HC_VGA_DATA[0..9]", out, 6},
    {"80", "HC_TD_RESET", out, 6},
    {"84", "HC_TD_VS", in, 6},
    {"86", "HC_TD_HS", in, 6},
    {"90", "HC_RX_ERR", in, 6},
    {"92", "HC_RX_CRS", in, 6},
    {"95", "HC_NCLK", out, 6},
    {"96", "HC_RX_CLK", in, 6},
    {"97", "HC_VGA_CLOCK", out, 6},
    {"98", "HC_TD_27MHZ", in, 6},
    {"101", "HC_SD_CLK", out, 6},
    {"102, 104, 108, 110", "HC_RXD[0..3]", in, 6},
    {"103", "HC_AUD_ADCLRCK", out, 6},
    {"107", "HC_AUD_DACLRCK", out, 6},
    {"109", "HC_AUD_DACDAT", out, 6},
    {"113", "HC_AUD_BCLK", out, 6},
    {"114-116", "HC_RX_COL, HC_UART_RXD, HC_RX_DV", in, 6},
    {"119", "HC_UART_TXD", out, 6},
    {"120", "HC_ADC_BUSY", in, 6},
    {"121", "HC_ETH_RESET_N", out, 6},
    {"122", "HC_ADC_DOUT", in, 6},
    {"125", "HC_TX_EN", out, 6},
    {"126, 128", "HC_LCD_DATA[3..4]", out, 6},
    {"127, 131, 133, 137", "HC_TXD[0..3]", out, 6},
    {"132", "HC_VD", out, 6},
    {"134", "HC_HD", out, 6},
    {"138-140", "HC_DEN, HC_MDC, HC_GRESET", out, 6},
    {"143, 144", "HC_ADC_CS_n, HC_SCEN", out, 6},
    {"145, 149, 151", "HC_LCD_DATA[0..2]", out, 6},
    {"146, 150, 152", "HC_LCD_DATA[5..7]", out, 6},
    {"155", "HC_ADC_DIN", out, 6},
    {"156", "HC_ADC_PENIRQ_n", in, 6},
    {"157", "HC_ADC_DCLK", out, 6},
    {"158", "HC_TX_CLK", in, 6},
};

}  // namespace

void D_HSMC_Nuppel(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    FillMap(pDaughter, 160, kRows, {.hsmcStd = HsmcStd});
}

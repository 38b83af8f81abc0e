#include "cards/CardMap.h"
#include "cards/CardMaps.h"

using namespace cardmap;

namespace {

// Two Ethernet ports, NET0 and NET1; the data buses list their positions in bit order.
constexpr PinRow kRows[] = {
    {"33", "NET_HSMC_SDA", inout, HsmcStd},
    {"34", "NET_HSMC_SCL", out, HsmcStd},
    {"42, 44, 47", "NET1_S_RX_P, NET1_S_RX_N, NET1_RX_CRS", in, 6},
    {"48", "NET1_S_TX_P", out, 6},
    {"60, 53, 56, 61, 62, 55, 59, 49", "NET1_RX_D[0..7]", in, 6},
    {"50", "NET1_S_TX_N", out, 6},
    {"65-68", "NET1_RX_COL, NET1_RX_DV, NET1_LINK1000, NET1_RX_CLK", in, 6},
    {"83, 71, 90, 92, 85, 73, 78, 80", "NET1_TX_D[0..7]", out, 6},
    {"72, 74", "NET1_TX_CLK, NET1_RX_ER", in, 6},
    {"77, 79, 84, 86", "NET1_TX_ER, NET1_TX_EN, NET1_RESETN, NET1_MDC", out, 6},
    {"89", "NET1_MDIO", inout, 6},
    {"91", "NET1_INTN", in, 6},
    {"95", "NET1_GTX_CLK", out, 6},
    {"96", "NET0_S_CLKP", in, 6},
    {"97", "NET0_GTX_CLK", out, 6},
    {"98", "NET0_S_CLKN", in, 6},
    {"103, 126, 101, 122, 110, 120, 116, 108", "NET0_RX_D[0..7]", in, 6},
    {"102, 104, 107", "NET0_LINK1000, NET0_RX_CRS, NET0_RX_DV", in, 6},
    {"125, 134, 138, 140, 127, 109, 131, 113", "NET0_TX_D[0..7]", out, 6},
    {"114, 115", "NET0_RX_COL, NET0_RX_ER", in, 6},
    {"119, 121", "NET0_TX_ER, NET0_TX_EN", out, 6},
    {"128, 132", "NET0_RX_CLK, NET0_TX_CLK", in, 6},
    {"133", "NET0_MDIO", inout, 6},
    {"137", "NET0_MDC", out, 6},
    {"139", "NET0_INTN", in, 6},
    {"146", "NET0_RESETN", out, 6},
    {"149, 151", "NET0_S_RX_P, NET0_S_RX_N", in, 6},
    {"155", "NET0_S_TX_P", out, 6},
    {"156", "NET1_S_CLKP", in, 6},
    {"157", "NET0_S_TX_N", out, 6},
    {"158", "NET1_S_CLKN", in, 6},
};

}  // namespace

void D_HSMC_Wyrsel(TDaughterBoard* pDaughter, uint8_t HsmcStd)
{
    PinTable table = EmptyTable(160);
    AddRows(table, kRows, {.hsmcStd = HsmcStd});
    // The card's management pins carry no pin index of their own in the pin report.
    table[33 - 1]->pinIndex = -1;
    table[34 - 1]->pinIndex = -1;
    AppendTable(pDaughter, table);
}

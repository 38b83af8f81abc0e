#pragma once
// The DVI transmitter/receiver table, built by the HSMC card and, at the same position
// numbers, by the Kelpin loopback card. HsmcStd is the standard of the two management lines.
#include "cards/CardMap.h"

namespace cardmap {

inline constexpr PinRow kDviRows[] = {
    {"33", "DVI_HSMC_SDA", inout, HsmcStd},
    {"34", "DVI_HSMC_SCL", out, HsmcStd},
    {"41, 43, 47, 49, 53, 55, 59, 61, 62", "DVI_RX_D[0..8]", in, 6},
    {"42, 44", "DVI_RX_D[14..15]", in, 6},
    {"48, 50, 54, 56, 60", "DVI_RX_D[13..9]", in, 6},
    {"65", "DVI_RX_CTL[1]", in, 6},
    {"66, 68, 72, 74, 78, 80, 84, 86", "DVI_RX_D[23..16]", in, 6},
    {"67", "DVI_RX_HS", in, 6},
    {"71", "DVI_RX_VS", in, 6},
    {"73", "DVI_RX_DE", in, 6},
    {"77, 79", "DVI_RX_CTL[3..2]", in, 6},
    {"83", "DVI_RX_DDCSDA", inout, 6},
    {"85", "DVI_RX_DDCSCL", inout, 6},
    {"89", "DVI_EDID_WP", out, 6},
    {"90", "DVI_RX_SCDT", in, 6},
    {"92, 95", "DVI_TX_D[17..16]", out, 6},
    {"96", "DVI_RX_CLK", in, 6},
    {"101, 103, 107, 109", "DVI_TX_D[12..15]", out, 6},
    {"102, 104, 108, 110, 114, 116", "DVI_TX_D[18..23]", out, 6},
    {"113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145", "DVI_TX_D[11..0]", out, 6},
    {"120", "DVI_TX_DKEN", out, 6},
    {"122", "DVI_TX_HS", out, 6},
    {"126", "DVI_TX_VS", out, 6},
    {"128, 132, 134", "DVI_TX_CTL[3..1]", out, 6},
    {"138", "DVI_TX_HTPLG", out, 6},
    {"140", "DVI_TX_PD_N", out, 6},
    {"144", "DVI_TX_MSEN", out, 6},
    {"146", "DVI_TX_ISEL", out, 6},
    {"149", "DVI_TX_DE", out, 6},
    {"150, 151", "DVI_TX_SDA, DVI_TX_DDCSDA", inout, 6},
    {"152", "DVI_TX_SCL", out, 6},
    {"155", "DVI_TX_CLK", out, 6},
    {"157", "DVI_TX_DDCSCL", inout, 6},
};

}  // namespace cardmap

#include "cards/D_HSMC_DEFAULT.h"

#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"
#include "platform/Format.h"

using namespace cardmap;

namespace {

constexpr int kPositions = 160;

// Every main board without a naming of its own.
constexpr PinRow kGeneralRows[] = {
    {"1-29/4", "TX_p[7..0]", out, XcvrStd},
    {"2-30/4", "RX_p[7..0]", in, XcvrStd},
    {"3-31/4", "TX_n[7..0]", out, XcvrStd},
    {"4-32/4", "RX_n[7..0]", in, XcvrStd},
    {"33", "SDA", inout, IoStd},
    {"34", "SCL", out, IoStd},
    {"39", "CLKOUT0", out, IoStd},
    {"40", "CLKIN0", in, IoStd},
    {"41-44", "D[0..3]", inout, IoStd},
    {"47-89/6, 101-149/6", "TX_D_p[0..16]", inout, IoStd},
    {"48-90/6, 102-150/6", "RX_D_p[0..16]", inout, IoStd},
    {"49-91/6, 103-151/6", "TX_D_n[0..16]", inout, IoStd},
    {"50-92/6, 104-152/6", "RX_D_n[0..16]", inout, IoStd},
    {"95", "CLKOUT_p1", out, IoStd},
    {"96", "CLKIN_p1", in, IoStd},
    {"97", "CLKOUT_n1", out, IoStd},
    {"98", "CLKIN_n1", in, IoStd},
    {"155", "CLKOUT_p2", out, IoStd},
    {"156", "CLKIN_p2", in, IoStd},
    {"157", "CLKOUT_n2", out, IoStd},
    {"158", "CLKIN_n2", in, IoStd},
    {"160", "PRSNT_n", in, IoStd},
};

// Table A, main boards 12 and 18: two-pin lanes, data pairs without "_D".
constexpr PinRow kTableARows[] = {
    {"1-29/4", "GXB_TX_p[7..0]", out, XcvrStd},
    {"2-30/4", "GXB_RX_p[7..0]", in, XcvrStd},
    {"33", "SDA", inout, IoStd},
    {"34", "SCL", out, IoStd},
    {"39", "CLKOUT0", out, IoStd},
    {"40", "CLKIN0", in, IoStd},
    {"41-44", "D[0..3]", inout, IoStd},
    {"47-89/6, 101-149/6", "TX_p[0..16]", inout, IoStd},
    {"48-90/6, 102-150/6", "RX_p[0..16]", inout, IoStd},
    {"49-91/6, 103-151/6", "TX_n[0..16]", inout, IoStd},
    {"50-92/6, 104-152/6", "RX_n[0..16]", inout, IoStd},
    {"95", "CLKOUT_p1", out, IoStd},
    {"96", "CLKIN_p1", in, IoStd},
    {"97", "CLKOUT_n1", out, IoStd},
    {"98", "CLKIN_n1", in, IoStd},
    {"155", "CLKOUT_p2", out, IoStd},
    {"156", "CLKIN_p2", in, IoStd},
    {"157", "CLKOUT_n2", out, IoStd},
    {"158", "CLKIN_n2", in, IoStd},
    {"160", "PRSNT_n", in, IoStd},
};

// Table B, main boards 19 and 20: clock pairs as bus members; 39 and 40 as main board 20
// names them.
constexpr PinRow kTableBRows[] = {
    {"1-29/4", "GXB_TX_p[7..0]", out, XcvrStd},
    {"2-30/4", "GXB_RX_p[7..0]", in, XcvrStd},
    {"33", "SDA", inout, IoStd},
    {"34", "SCL", out, IoStd},
    {"39", "CLKOUT0", out, IoStd},
    {"40", "CLKIN0", in, IoStd},
    {"41-44", "D[0..3]", inout, IoStd},
    {"47-89/6, 101-149/6", "TX_p[0..16]", inout, IoStd},
    {"48-90/6, 102-150/6", "RX_p[0..16]", inout, IoStd},
    {"49-91/6, 103-151/6", "TX_n[0..16]", inout, IoStd},
    {"50-92/6, 104-152/6", "RX_n[0..16]", inout, IoStd},
    {"95, 155", "CLKOUT_p[1..2]", out, IoStd},
    {"96, 156", "CLKIN_p[1..2]", in, IoStd},
    {"97, 157", "CLKOUT_n[1..2]", out, IoStd},
    {"98, 158", "CLKIN_n[1..2]", in, IoStd},
    {"160", "PRSNT_n", in, IoStd},
};

// Main board 19's own names for 39 and 40 in table B.
constexpr PinRow kJorvaleRows[] = {
    {"39", "CLK_OUT0", out, IoStd},
    {"40", "CLK_IN0", in, IoStd},
};

// Main board 9: clock outputs of the first clock pairs named OUT...
constexpr PinRow kCorbanthRows[] = {
    {"39", "OUT0", out, IoStd},
    {"95", "OUT_p1", out, IoStd},
    {"97", "OUT_n1", out, IoStd},
};

// ... and of the second pair too on its second HSMC connector (Variant 1).
constexpr PinRow kCorbanthSecondRows[] = {
    {"155", "OUT_p2", out, IoStd},
    {"157", "OUT_n2", out, IoStd},
};

// Main board 14: I2C names of its own.
constexpr PinRow kAshvornRows[] = {
    {"33", "I2C_SDAT", inout, IoStd},
    {"34", "I2C_SCLK", out, IoStd},
};

PinSpec Pin(std::string name, uint8_t dir, uint8_t std, int p)
{
    return PinSpec{std::move(name), dir, std, 0, p};
}

std::optional<PinSpec> ComputedPin(int p, bool withLanes, uint8_t XcvrStd, uint8_t IoStd)
{
    if (p <= 32 && withLanes) {
        const int lane = 7 - (p - 1) / 4;
        if (p % 4 == 1) return Pin(platform::Format("GXB_TX_p[%d]", lane), out, XcvrStd, p);
        if (p % 4 == 2) return Pin(platform::Format("GXB_RX_p[%d]", lane), in, XcvrStd, p);
        return std::nullopt;
    }
    if (p <= 40) {
        switch (p) {
        case 33: return Pin("SDA", inout, IoStd, p);
        case 34: return Pin("SCL", out, IoStd, p);
        case 39: return Pin("OUT0", out, IoStd, p);
        case 40: return Pin("CLKIN0", in, IoStd, p);
        }
        return std::nullopt;
    }
    if (p <= 44) return Pin(platform::Format("D[%d]", p - 41), inout, IoStd, p);
    if (p >= 95 && p <= 98) {
        static constexpr const char* kNames[] = {"OUT_p1", "CLKIN_p1", "OUT_n1", "CLKIN_n1"};
        return Pin(kNames[p - 95], p % 2 ? out : in, IoStd, p);
    }
    if (p >= 155 && p <= 158) {
        static constexpr const char* kNames[] = {"CLKOUT_p2", "CLKIN_p2", "CLKOUT_n2", "CLKIN_n2"};
        return Pin(kNames[p - 155], p % 2 ? out : in, IoStd, p);
    }
    if ((p >= 47 && p <= 94) || (p >= 101 && p <= 152)) {
        const int group = p <= 94 ? (p - 47) / 6 : (p - 101) / 6 + 8;
        const int slot = p <= 94 ? (p - 47) % 6 : (p - 101) % 6;
        static constexpr const char* kFormats[] = {"TX_p[%d]", "RX_p[%d]", "TX_n[%d]", "RX_n[%d]"};
        if (slot < 4) return Pin(platform::Format(kFormats[slot], group), inout, IoStd, p);
    }
    return std::nullopt;
}

void UpperCaseNames(PinTable& table)
{
    for (auto& entry : table) {
        if (!entry) continue;
        for (char& c : entry->name)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
}

}  // namespace

PinTable HsmcComputedTable(bool withLanes, uint8_t XcvrStd, uint8_t IoStd)
{
    PinTable table = EmptyTable(kPositions);
    for (int p = 1; p <= kPositions; ++p)
        table[static_cast<std::size_t>(p - 1)] = ComputedPin(p, withLanes, XcvrStd, IoStd);
    return table;
}

void D_HSMC_DEFAULT(TDaughterBoard* pDaughter, int32_t MainBoardId, int32_t Variant, uint8_t XcvrStd, uint8_t IoStd,
                    uint8_t bXcvr, uint8_t bUpperCase)
{
    const StdArgs args{.ioStd = IoStd, .xcvrStd = XcvrStd};
    PinTable table;
    switch (MainBoardId) {
    case MAINBOARD_Yastrel_X1:
        table = HsmcComputedTable(bXcvr != 0, XcvrStd, IoStd);
        break;
    case MAINBOARD_Pandrel:
    case MAINBOARD_Cresswin:
        table = EmptyTable(kPositions);
        AddRows(table, kTableARows, args);
        break;
    case MAINBOARD_Jorvale:
    case MAINBOARD_Plimmet:
        table = EmptyTable(kPositions);
        AddRows(table, kTableBRows, args);
        if (MainBoardId == MAINBOARD_Jorvale) OverlayRows(table, kJorvaleRows, args);
        break;
    default:
        table = EmptyTable(kPositions);
        AddRows(table, kGeneralRows, args);
        if (MainBoardId == MAINBOARD_Corbanth) {
            OverlayRows(table, kCorbanthRows, args);
            if (Variant == 1) OverlayRows(table, kCorbanthSecondRows, args);
        } else if (MainBoardId == MAINBOARD_Ashvorn) {
            OverlayRows(table, kAshvornRows, args);
        }
        break;
    }
    if (bUpperCase) UpperCaseNames(table);
    AppendTable(pDaughter, table);
}

#include "cards/FmcMap.h"

#include <algorithm>
#include <utility>

#include "platform/Errors.h"

namespace fmc {

namespace {

constexpr uint8_t IOSTD_LVDS = 21;

using enum FmcRule;

// Row index pairs of the TI converter card: the row on the left trades with the row on the
// right (positions 1-based, as the connector names them).
struct SwapPair {
    int32_t position;
    int32_t partner;
};
constexpr SwapPair kSwapPairs[] = {
    {380, 207},  // K20 - F7
    {383, 208},  // K23 - F8
    {219, 252},  // F19 - G12
    {220, 253},  // F20 - G13
    {210, 270},  // F10 - G30
    {211, 271},  // F11 - G31
    {379, 273},  // K19 - G33
    {342, 274},  // J22 - G34
    {364, 302},  // K4 - H22
    {365, 303},  // K5 - H23
    {252, 305},  // G12 - H25
    {253, 306},  // G13 - H26
    {382, 314},  // K22 - H34
    {201, 315},  // F1 - H35
};

bool IsLpcPosition(int p) { return (p >= 81 && p <= 160) || (p >= 241 && p <= 320); }

std::optional<cardmap::PinSpec> Pin(std::string name, uint8_t direction, uint8_t ioStandard, int position)
{
    return cardmap::PinSpec{std::move(name), direction, ioStandard, 0, position};
}

void ReplaceFirst(std::string& s, std::string_view what, std::string_view with)
{
    std::size_t at = s.find(what);
    if (at != std::string::npos) s.replace(at, what.size(), with);
}

}  // namespace

const FmcMapInfo kFmcMaps[FMC_MAP_COUNT] = {
    // map                          rule         mask  xcvrStd lpc    array  n-leg
    {"D_FMC_HPC_VITA",              Standard,    0x0E, true,   false, false, 0},
    {"D_FMC_HPC_VITA_ARRAY",        Standard,    0x0F, true,   false, true,  0},
    {"D_FMC_LPC_VITA",              Standard,    0x0E, true,   true,  false, 0},
    {"D_FMC_HPC_ALTERA",            Standard,    0x0E, false,  false, false, 0},
    {"D_FMC_HPC_ALTERA_Varnholt",   Standard,    0x0E, false,  false, false, 0},
    {"D_FMC_LPC_ALTERA",            Standard,    0x0E, false,  true,  false, 0},
    {"D_FMC_Vossil",                Application, 0,    false,  false, false, 'n'},
    {"D_FMC_Dortle",                Application, 0,    false,  false, false, 'n'},
    {"D_FMC_Brasket",               Application, 0,    false,  false, false, 'n'},
    {"D_FMC_Wyrsel",                Application, 0,    false,  false, false, 'N'},
    {"D_FMC_Parnish",               Application, 0,    false,  false, false, 'n'},
    {"D_FMC_Pashard_FOR_TI",        Adapter,     0,    false,  false, false, 0},
    {"D_FMC_Ferrund",               Adapter,     0,    false,  false, false, 0},
    {"D_FMC_TI_ADC34J45",           Adapter,     0,    false,  false, false, 0},
};

bool IsRowKSignalPin(int32_t position)
{
    return position >= 364 && position <= 398 && (position - 364) % 3 != 2;
}

int32_t SwapPartnerPin(int32_t row)
{
    for (const SwapPair& pair : kSwapPairs)
        if (pair.position - 1 == row) return pair.partner - 1;
    return row;
}

FmcSwappedPinTable BuildSwappedPinTable()
{
    const int num = static_cast<int>(FmcTiAdc34j45PinTable.size());
    PW_CHECK(num == FMC_HPC_PIN_NUM);
    FmcSwappedPinTable table;
    std::copy(FmcTiAdc34j45PinTable.begin(), FmcTiAdc34j45PinTable.end(), table.begin());
    // Downwards, so that the rows reached twice (G12, G13) end in a rotation of three.
    for (int32_t i = FMC_HPC_PIN_NUM - 1; i >= 0; --i) {
        int32_t j = SwapPartnerPin(i);
        if (j != i) std::swap(table[static_cast<std::size_t>(i)], table[static_cast<std::size_t>(j)]);
    }
    return table;
}

std::string ArrayPinName(std::string_view stored)
{
    std::string name(stored);
    ReplaceFirst(name, "_P", "_p");
    ReplaceFirst(name, "_N", "_n");
    ReplaceFirst(name, "_CC", "");
    return name;
}

std::optional<cardmap::PinSpec> FmcRowPin(const FmcMapInfo& map, const FmcArgs& args, int position,
                                          std::string_view name, uint8_t direction, uint8_t ioStandard,
                                          uint8_t flags)
{
    switch (map.rule) {
    case Standard: {
        if (!args.enabled) return std::nullopt;
        if (args.dropRowK && IsRowKSignalPin(position)) return std::nullopt;
        if (name.empty()) return std::nullopt;
        if (!args.xcvr && (flags & (FMC_FLAG_LANE | FMC_FLAG_REFCLK))) return std::nullopt;
        if (map.lpcRowsOnly && !IsLpcPosition(position)) return std::nullopt;
        uint8_t standard = ioStandard;
        if (flags & map.ioStdMask) standard = args.ioStd;
        if (map.xcvrStdOnLanes && (flags & FMC_FLAG_LANE)) standard = args.xcvrStd;
        // Only a negative leg that ends up LVDS drops out; under a single-ended standard
        // both legs are pins of their own.
        if (standard == IOSTD_LVDS && (flags & FMC_FLAG_NEGATIVE)) return std::nullopt;
        return Pin(map.arrayNames ? ArrayPinName(name) : std::string(name), direction, standard, position);
    }
    case Application:
        if (name.empty()) return std::nullopt;
        if (flags & FMC_FLAG_NEGATIVE) return std::nullopt;
        // Only the last character counts: CLK_M2C_n[0] stays, FPGA_CLK_n goes.
        if (ioStandard == IOSTD_LVDS && name.back() == map.negativeLast) return std::nullopt;
        return Pin(std::string(name), direction, ioStandard, position);
    case Adapter:
        if (name.empty()) return std::nullopt;
        if (flags & FMC_FLAG_SKIP) return std::nullopt;
        if (ioStandard == IOSTD_LVDS && (flags & FMC_FLAG_NEGATIVE)) return std::nullopt;
        return Pin(std::string(name), direction, ioStandard, position);
    }
    return std::nullopt;
}

}  // namespace fmc

#pragma once
// The frame of the FMC card maps: each walks its 400-row pin table and decides, row by row
// and by one of three rules, whether the position gets a pin and with which standard.
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cards/CardMap.h"
#include "cards/FmcPinTables.h"

class TDaughterBoard;

namespace fmc {

enum class FmcRule : uint8_t {
    Standard,     // generic cards: standards from the arguments, optional rows and names
    Application,  // the maker's cards: stored standards, not-fitted rows and LVDS "n" legs out
    Adapter,      // adapter cards: stored standards, LVDS negative legs out
};

// How one map applies its rule.
struct FmcMapInfo {
    const char* map;
    FmcRule rule;
    uint8_t ioStdMask;    // standard rule: rows meeting these Flags bits take IoStd
    bool xcvrStdOnLanes;  // standard rule: lanes take XcvrStd
    bool lpcRowsOnly;     // standard rule: rows C, D, G and H only
    bool arrayNames;      // standard rule: names rewritten into bus form
    char negativeLast;    // application rule: last name character of an LVDS negative leg
};

enum FmcMapIndex : int {
    FMC_MAP_HPC_VITA,
    FMC_MAP_HPC_VITA_ARRAY,
    FMC_MAP_LPC_VITA,
    FMC_MAP_HPC_ALTERA,
    FMC_MAP_HPC_ALTERA_Varnholt,
    FMC_MAP_LPC_ALTERA,
    FMC_MAP_Vossil,
    FMC_MAP_Dortle,
    FMC_MAP_Brasket,
    FMC_MAP_Wyrsel,
    FMC_MAP_Parnish,
    FMC_MAP_Pashard_FOR_TI,
    FMC_MAP_Ferrund,
    FMC_MAP_TI_ADC34J45,
    FMC_MAP_COUNT
};

extern const FmcMapInfo kFmcMaps[FMC_MAP_COUNT];

// One call's arguments in the standard rule's terms; the other rules take none.
struct FmcArgs {
    bool enabled = true;    // false: every position empty
    bool dropRowK = false;  // positions of IsRowKSignalPin empty
    bool xcvr = true;       // false: lanes and reference clocks empty
    uint8_t ioStd = 6;
    uint8_t xcvrStd = 36;
};

// K4/K5, K7/K8, ..., K37/K38: the 24 row-K positions (1-based) that a card without row K
// leaves free.
bool IsRowKSignalPin(int32_t position);
// The row index (0-based) that row `row` trades places with on the TI converter card; the
// row itself where it trades with none.
int32_t SwapPartnerPin(int32_t row);

using FmcSwappedPinTable = std::array<FMC_PIN_ROW<32>, FMC_HPC_PIN_NUM>;
// FmcTiAdc34j45PinTable with its rows moved to their swap partners, built anew on each call
// so that no shared buffer is written.
FmcSwappedPinTable BuildSwappedPinTable();

// The bus-form pin name D_FMC_HPC_VITA_ARRAY makes of a stored name.
std::string ArrayPinName(std::string_view stored);

// The pin a map builds at a position (1-based) from the row's fields, or none.
std::optional<cardmap::PinSpec> FmcRowPin(const FmcMapInfo& map, const FmcArgs& args, int position,
                                          std::string_view name, uint8_t direction, uint8_t ioStandard,
                                          uint8_t flags);

// Appends the 400 entries of a map; the caller has checked the table's size.
template <std::size_t W>
void FillFmcMap(TDaughterBoard* pDaughter, std::span<const FMC_PIN_ROW<W>> table, const FmcMapInfo& map,
                const FmcArgs& args = {})
{
    cardmap::PinTable pins = cardmap::EmptyTable(FMC_HPC_PIN_NUM);
    for (int p = 1; p <= FMC_HPC_PIN_NUM; ++p) {
        const FMC_PIN_ROW<W>& row = table[static_cast<std::size_t>(p - 1)];
        std::string_view name(row.Name, ::strnlen(row.Name, W));
        pins[static_cast<std::size_t>(p - 1)] =
            FmcRowPin(map, args, p, name, row.Direction, row.IoStandard, row.Flags);
    }
    cardmap::AppendTable(pDaughter, pins);
}

}  // namespace fmc

// The FMC row tables and the helpers the maps read them through.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cards/FmcMap.h"
#include "cards/FmcPinTables.h"
#include "core/model/Pin.h"

namespace {

using namespace fmc;

// One table row in a form common to both name widths.
struct Row {
    std::string name;
    uint8_t dir = 0, std = 0, flags = 0;
};

template <std::size_t W>
std::vector<Row> Rows(std::span<const FMC_PIN_ROW<W>> table)
{
    std::vector<Row> rows;
    for (const auto& r : table) {
        EXPECT_EQ(r.Name[W - 1], '\0');
        rows.push_back({std::string(r.Name, ::strnlen(r.Name, W)), r.Direction, r.IoStandard, r.Flags});
    }
    return rows;
}

struct TableCase {
    const char* label;
    std::vector<Row> rows;
    int named;
};

std::vector<TableCase> AllTables()
{
    return {
        {"FmcVitaPinTable", Rows(FmcVitaPinTable), 217},
        {"FmcVitaArrayPinTable", Rows(FmcVitaArrayPinTable), 217},
        {"FmcAlteraPinTable", Rows(FmcAlteraPinTable), 206},
        {"FmcAlteraVarnholtPinTable", Rows(FmcAlteraVarnholtPinTable), 217},
        {"FmcVossilPinTable", Rows(FmcVossilPinTable), 206},
        {"FmcDortlePinTable", Rows(FmcDortlePinTable), 88},
        {"FmcBrasketPinTable", Rows(FmcBrasketPinTable), 129},
        {"FmcWyrselPinTable", Rows(FmcWyrselPinTable), 148},
        {"FmcParnishPinTable", Rows(FmcParnishPinTable), 97},
        {"FmcPashardTiPinTable", Rows(FmcPashardTiPinTable), 101},
        {"FmcTiAdc34j45PinTable", Rows(FmcTiAdc34j45PinTable), 31},
        {"FmcFerrundPinTable", Rows(FmcFerrundPinTable), 68},
    };
}

// Named rows whose Flags meet every bit of `all` and none of `none`.
int CountFlags(const std::vector<Row>& rows, uint8_t all, uint8_t none = 0)
{
    int n = 0;
    for (const Row& r : rows)
        if (!r.name.empty() && (r.flags & all) == all && !(r.flags & none)) ++n;
    return n;
}

TEST(FmcTables, EveryTableHas400RowsOfValidFieldsAndUniqueNames)
{
    for (const TableCase& t : AllTables()) {
        SCOPED_TRACE(t.label);
        ASSERT_EQ(t.rows.size(), std::size_t(FMC_HPC_PIN_NUM));
        int named = 0;
        std::set<std::string> names;
        for (const Row& r : t.rows) {
            if (r.name.empty()) continue;
            ++named;
            EXPECT_TRUE(names.insert(r.name).second) << r.name;
            EXPECT_TRUE(r.dir == DIRECTION_INOUT || r.dir == DIRECTION_INPUT || r.dir == DIRECTION_OUTPUT) << r.name;
            EXPECT_TRUE(r.std == 6 || r.std == 21 || r.std == 35 || r.std == 36) << r.name;
            EXPECT_EQ(r.flags & FMC_FLAG_SKIP, 0) << r.name;
        }
        EXPECT_EQ(named, t.named);
    }
}

TEST(FmcTables, FlagCountsOfTheApplicationAndAdapterTables)
{
    const auto vossil = Rows(FmcVossilPinTable);
    EXPECT_EQ(CountFlags(vossil, FMC_FLAG_NEGATIVE), 160);
    EXPECT_EQ(CountFlags(vossil, 0, FMC_FLAG_NEGATIVE), 46);
    EXPECT_EQ(CountFlags(vossil, FMC_FLAG_LANE, FMC_FLAG_NEGATIVE), 16);
    EXPECT_EQ(CountFlags(vossil, FMC_FLAG_REFCLK, FMC_FLAG_NEGATIVE), 4);
    EXPECT_EQ(CountFlags(vossil, FMC_FLAG_DIFF, FMC_FLAG_NEGATIVE), 4);
    // Every not-fitted row sits where the vendor table has a signal, and together the two
    // kinds cover exactly the vendor table's positions.
    const auto altera = Rows(FmcAlteraPinTable);
    for (int i = 0; i < FMC_HPC_PIN_NUM; ++i)
        EXPECT_EQ(vossil[i].name.empty(), altera[i].name.empty()) << "position " << i + 1;

    const auto dortle = Rows(FmcDortlePinTable);
    EXPECT_EQ(CountFlags(dortle, FMC_FLAG_NEGATIVE), 0);
    EXPECT_EQ(CountFlags(dortle, FMC_FLAG_LANE), 16);
    EXPECT_EQ(CountFlags(dortle, FMC_FLAG_REFCLK), 4);
    EXPECT_EQ(CountFlags(dortle, FMC_FLAG_CLOCK), 6);

    EXPECT_EQ(CountFlags(Rows(FmcBrasketPinTable), FMC_FLAG_SINGLE), 129);
    EXPECT_EQ(CountFlags(Rows(FmcFerrundPinTable), FMC_FLAG_SINGLE), 68);
    EXPECT_EQ(CountFlags(Rows(FmcWyrselPinTable), FMC_FLAG_DIFF), 24);
    EXPECT_EQ(CountFlags(Rows(FmcWyrselPinTable), FMC_FLAG_SINGLE), 124);
    EXPECT_EQ(CountFlags(Rows(FmcParnishPinTable), FMC_FLAG_LANE), 20);
    EXPECT_EQ(CountFlags(Rows(FmcParnishPinTable), FMC_FLAG_SINGLE), 77);
    EXPECT_EQ(CountFlags(Rows(FmcPashardTiPinTable), FMC_FLAG_NEGATIVE), 28);  // 20 lane legs, 8 LVDS legs
    EXPECT_EQ(CountFlags(Rows(FmcTiAdc34j45PinTable), FMC_FLAG_NEGATIVE), 8);
}

// The bus form of a VITA name: group, rest of the name, then the number in brackets.
std::string ArrayFormOf(const std::string& name)
{
    static const std::set<std::string> kept = {"CLK2_BIDIR_P", "CLK2_BIDIR_N", "CLK3_BIDIR_P",
                                               "CLK3_BIDIR_N", "CLK_DIR",      "SCL",
                                               "SDA"};
    if (name.empty() || kept.count(name)) return name;
    static const std::regex form("^(LA|HA|HB|DP|GBTCLK|CLK|GA)([0-9]+)(.*)$");
    std::smatch m;
    EXPECT_TRUE(std::regex_match(name, m, form)) << name;
    return m[1].str() + m[3].str() + "[" + std::to_string(std::stoi(m[2].str())) + "]";
}

TEST(FmcTables, ArrayNamedVitaTableIsThePlainOneInBusForm)
{
    const auto plain = Rows(FmcVitaPinTable);
    const auto array = Rows(FmcVitaArrayPinTable);
    for (int i = 0; i < FMC_HPC_PIN_NUM; ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        EXPECT_EQ(array[i].name, ArrayFormOf(plain[i].name));
        if (plain[i].name.empty()) continue;
        EXPECT_EQ(array[i].dir, plain[i].dir);
        EXPECT_EQ(array[i].std, plain[i].std);
        EXPECT_EQ(array[i].flags, plain[i].flags);
    }
    EXPECT_EQ(array[89].name, "LA_P[6]");
    EXPECT_EQ(array[102].name, "LA_N_CC[18]");
    EXPECT_EQ(array[113].name, "GA[0]");
    EXPECT_EQ(array[124].name, "GBTCLK_M2C_N[0]");
}

TEST(FmcTables, VarnholtTableDiffersFromTheVendorTableOnlyInRowsJAndK)
{
    const auto altera = Rows(FmcAlteraPinTable);
    const auto varnholt = Rows(FmcAlteraVarnholtPinTable);
    int filledInJ = 0;
    for (int i = 0; i < FMC_HPC_PIN_NUM; ++i) {
        const int p = i + 1;
        SCOPED_TRACE("position " + std::to_string(p));
        const Row& a = altera[i];
        const Row& v = varnholt[i];
        if (p <= 320 || (!a.name.empty() && p <= 360)) {
            EXPECT_EQ(v.name, a.name);
            EXPECT_EQ(v.dir, a.dir);
            EXPECT_EQ(v.std, a.std);
            EXPECT_EQ(v.flags, a.flags);
        } else if (p <= 360) {
            if (v.name.empty()) continue;
            // the negative leg beside a single P leg of row J
            ++filledInJ;
            ASSERT_FALSE(altera[i - 1].name.empty());
            std::string positive = altera[i - 1].name;
            positive.replace(positive.find("_p"), 2, "_n");
            EXPECT_EQ(v.name, positive);
            EXPECT_EQ(v.dir, altera[i - 1].dir);
            EXPECT_EQ(v.std, 6);
            EXPECT_EQ(v.flags, FMC_FLAG_SINGLE);
        } else {
            EXPECT_EQ(!a.name.empty(), IsRowKSignalPin(p));
            EXPECT_EQ(!v.name.empty(), IsRowKSignalPin(p));
            if (a.name.empty()) continue;
            EXPECT_EQ(a.flags & FMC_FLAG_LANE, FMC_FLAG_LANE);
            EXPECT_EQ(v.std, 6);
            EXPECT_EQ(v.flags, FMC_FLAG_SINGLE);
        }
    }
    EXPECT_EQ(filledInJ, 11);
}

TEST(FmcTables, RowKSignalPinsAreThe24PairPositions)
{
    std::vector<int> expected;
    for (int k = 4; k <= 37; k += 3) {
        expected.push_back(360 + k);
        expected.push_back(360 + k + 1);
    }
    std::vector<int> actual;
    for (int p = -5; p <= 410; ++p)
        if (IsRowKSignalPin(p)) actual.push_back(p);
    EXPECT_EQ(actual, expected);
    ASSERT_EQ(actual.size(), 24u);
    for (int p : {361, 362, 363, 366, 396, 399, 400}) EXPECT_FALSE(IsRowKSignalPin(p)) << p;
}

TEST(FmcTables, SwapPartnersAreTheFourteenListedRows)
{
    // connector pin (1-based position) -> partner, as the adapter wires them
    const std::map<int, int> partners = {
        {380, 207}, {383, 208}, {219, 252}, {220, 253}, {210, 270}, {211, 271}, {379, 273},
        {342, 274}, {364, 302}, {365, 303}, {252, 305}, {253, 306}, {382, 314}, {201, 315},
    };
    for (int32_t i = -2; i < FMC_HPC_PIN_NUM + 2; ++i) {
        auto it = partners.find(i + 1);
        EXPECT_EQ(SwapPartnerPin(i), it == partners.end() ? i : it->second - 1) << i;
    }
}

TEST(FmcTables, SwappedTableEndsWithTenPairsAndTwoRotations)
{
    // position -> position whose stored row it holds afterwards
    std::map<int, int> source;
    for (auto [a, b] : std::vector<std::pair<int, int>>{{380, 207}, {383, 208}, {210, 270}, {211, 271}, {379, 273},
                                                        {342, 274}, {364, 302}, {365, 303}, {382, 314}, {201, 315}}) {
        source[a] = b;
        source[b] = a;
    }
    source[305] = 252;  // H25 holds G12's row, G12 F19's, F19 H25's
    source[252] = 219;
    source[219] = 305;
    source[306] = 253;  // the same for H26, G13 and F20
    source[253] = 220;
    source[220] = 306;

    const auto stored = Rows(FmcTiAdc34j45PinTable);
    for (int call = 0; call < 2; ++call) {
        const FmcSwappedPinTable swapped = BuildSwappedPinTable();
        const auto rows = Rows(FmcPinTable32(swapped));
        for (int p = 1; p <= FMC_HPC_PIN_NUM; ++p) {
            auto it = source.find(p);
            const Row& want = stored[(it == source.end() ? p : it->second) - 1];
            const Row& got = rows[p - 1];
            EXPECT_EQ(got.name, want.name) << "position " << p;
            EXPECT_EQ(got.dir, want.dir) << "position " << p;
            EXPECT_EQ(got.std, want.std) << "position " << p;
            EXPECT_EQ(got.flags, want.flags) << "position " << p;
        }
    }
    // the stored table stays as it is
    EXPECT_EQ(stored[251].name, "SYNCP");
    EXPECT_EQ(Rows(FmcTiAdc34j45PinTable)[251].name, "SYNCP");
}

TEST(FmcTables, ArrayPinNamesRewriteTheFirstLegMarkAndDropTheClockMark)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"LA_P_CC[18]", "LA_p[18]"},      {"LA_N[6]", "LA_n[6]"},
        {"LA_N_CC[18]", "LA_n[18]"},      {"DP_M2C_P[1]", "DP_M2C_p[1]"},
        {"GBTCLK_M2C_N[0]", "GBTCLK_M2C_n[0]"}, {"CLK3_BIDIR_P", "CLK3_BIDIR_p"},
        {"HA_P_CC[1]", "HA_p[1]"},        {"GA[0]", "GA[0]"},
        {"SCL", "SCL"},                   {"SDA", "SDA"},
        {"CLK_DIR", "CLK_DIR"},           {"X_P_P_N_N_CC_CC", "X_p_P_n_N_CC"},
    };
    for (const auto& [stored, pin] : cases) EXPECT_EQ(ArrayPinName(stored), pin) << stored;
}

// Row decisions of the three rules, in their given order and masks.
TEST(FmcTables, RuleDecisionsFollowTheirOrderAndMasks)
{
    struct Case {
        const char* label;
        FmcMapIndex map;
        FmcArgs args;
        int position;
        const char* name;
        uint8_t flags;
        uint8_t std;
        int want;  // -1: empty; otherwise the pin's standard
    };
    const FmcArgs io3{.ioStd = 3, .xcvrStd = 52};
    const FmcArgs lvds{.ioStd = 21, .xcvrStd = 52};
    const std::vector<Case> cases = {
        {"management pin keeps 2.5 V under mask 0x0E", FMC_MAP_HPC_VITA, io3, 41, "CLK_DIR", 0x01, 6, 6},
        {"management pin takes IoStd under mask 0x0F", FMC_MAP_HPC_VITA_ARRAY, io3, 41, "CLK_DIR", 0x01, 6, 3},
        {"user pair takes IoStd", FMC_MAP_HPC_ALTERA, io3, 90, "X", 0x82, 21, 3},
        {"clock pair takes IoStd", FMC_MAP_HPC_VITA, io3, 243, "X", 0x84, 21, 3},
        {"bidirectional clock takes IoStd", FMC_MAP_HPC_VITA, io3, 322, "X", 0x08, 21, 3},
        {"lane takes XcvrStd in the VITA maps", FMC_MAP_LPC_VITA, io3, 86, "X", 0x10, 21, 52},
        {"lane keeps its standard in the vendor maps", FMC_MAP_LPC_ALTERA, io3, 86, "X", 0x10, 35, 35},
        {"lane negative leg stays under XcvrStd", FMC_MAP_HPC_VITA, lvds, 87, "X", 0x90, 21, 52},
        {"reference clock negative leg always drops", FMC_MAP_HPC_VITA, io3, 125, "X", 0xA0, 21, -1},
        {"reference clock positive leg keeps LVDS", FMC_MAP_HPC_VITA, io3, 124, "X", 0x20, 21, 21},
        {"negative leg drops under LVDS", FMC_MAP_HPC_VITA, lvds, 91, "X", 0x82, 21, -1},
        {"positive leg stays under LVDS", FMC_MAP_HPC_VITA, lvds, 90, "X", 0x02, 21, 21},
        {"bidirectional clock keeps both legs under LVDS", FMC_MAP_HPC_VITA, lvds, 323, "X", 0x08, 21, 21},
        {"no transceivers: lane empty", FMC_MAP_HPC_VITA, {.xcvr = false}, 2, "X", 0x10, 36, -1},
        {"no transceivers: reference clock empty", FMC_MAP_HPC_ALTERA, {.xcvr = false}, 124, "X", 0x20, 21, -1},
        {"row K dropped", FMC_MAP_HPC_VITA, {.dropRowK = true}, 364, "X", 0x08, 21, -1},
        {"row K filter spares K6", FMC_MAP_HPC_ALTERA, {.dropRowK = true}, 366, "X", 0x01, 6, 6},
        {"LPC map outside rows C, D, G, H", FMC_MAP_LPC_VITA, {}, 161, "X", 0x02, 21, -1},
        {"LPC map inside row H", FMC_MAP_LPC_ALTERA, {}, 320, "X", 0x02, 21, 6},
        {"disabled", FMC_MAP_LPC_ALTERA, {.enabled = false}, 90, "X", 0x02, 21, -1},
        {"empty name", FMC_MAP_HPC_VITA, {}, 1, "", 0x02, 21, -1},
        {"application: not-fitted row", FMC_MAP_Vossil, {}, 90, "LA_RX_P1", 0x82, 21, -1},
        {"application: not-fitted 2.5-V row", FMC_MAP_Vossil, {}, 41, "CLK_DIR", 0x81, 6, -1},
        {"application: LVDS name ending in n", FMC_MAP_Dortle, {}, 294, "FPGA_CLK_n", 0x04, 21, -1},
        {"application: LVDS bus member ending in ]", FMC_MAP_Dortle, {}, 243, "CLK_M2C_n[1]", 0x04, 21, 21},
        {"application: 2.5-V name ending in n", FMC_MAP_Parnish, {}, 95, "X_n", 0x01, 6, 6},
        {"application: ignores IoStd on pairs", FMC_MAP_Parnish, io3, 90, "X_p", 0x02, 21, 21},
        {"Wyrsel: LVDS name ending in N", FMC_MAP_Wyrsel, {}, 163, "NET2_S_CLKN", 0x02, 21, -1},
        {"Wyrsel: LVDS name ending in n", FMC_MAP_Wyrsel, {}, 163, "X_n", 0x02, 21, 21},
        {"adapter: skip bit", FMC_MAP_Ferrund, {}, 90, "X", 0x41, 6, -1},
        {"adapter: LVDS negative leg", FMC_MAP_Pashard_FOR_TI, {}, 125, "GTX_CLKM", 0x82, 21, -1},
        {"adapter: lane negative leg keeps PCML", FMC_MAP_Pashard_FOR_TI, {}, 3, "DP1_M2C_N", 0x90, 36, 36},
        {"adapter: negative-named LVDS without the bit", FMC_MAP_TI_ADC34J45, {}, 246, "X_n", 0x02, 21, 21},
    };
    for (const Case& c : cases) {
        auto pin = FmcRowPin(kFmcMaps[c.map], c.args, c.position, c.name, DIRECTION_INPUT, c.std, c.flags);
        if (c.want < 0) {
            EXPECT_FALSE(pin) << c.label;
            continue;
        }
        ASSERT_TRUE(pin) << c.label;
        EXPECT_EQ(pin->std, c.want) << c.label;
        EXPECT_EQ(pin->pinIndex, c.position) << c.label;
        EXPECT_EQ(pin->flag, 0) << c.label;
        EXPECT_EQ(pin->dir, DIRECTION_INPUT) << c.label;
    }
}

TEST(FmcTables, MapTableNamesEveryMapOnce)
{
    std::set<std::string> names;
    for (const FmcMapInfo& m : kFmcMaps) EXPECT_TRUE(names.insert(m.map).second) << m.map;
    EXPECT_EQ(names.size(), 14u);
    EXPECT_EQ(kFmcMaps[FMC_MAP_HPC_VITA_ARRAY].ioStdMask, 0x0F);
    EXPECT_EQ(kFmcMaps[FMC_MAP_Wyrsel].negativeLast, 'N');
}

}  // namespace

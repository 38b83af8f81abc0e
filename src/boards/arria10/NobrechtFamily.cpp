#include "boards/arria10/NobrechtFamily.h"

#include <type_traits>

#include "cards/CardMap.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace nobrecht {

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

// One pin (or bus) of a group kind: the name after the group's ("_A[0..21]"), direction,
// standard and the locations on each of the four ports. A bus gives its first member's
// location; the others are not known.
struct GroupPin {
    const char* suffix;
    uint8_t dir;
    uint8_t std;
    const char* locations[4];
    bool refclk = false;
};

constexpr GroupPin kQdrPins[] = {
    {"_A[0..21]", out, HSTL18_I, {"V12 ?*21", "L16 ?*21", "D25 ?*21", "Y32 ?*21"}},
    {"_BWS_n[0..1]", out, HSTL18_I, {"C11 B13", "G20 H20", "AB35 AD35", "F30 E31"}},
    {"_CQ_n", in, HSTL18_I, {"H13", "C23", "AC36", "F35"}},
    {"_CQ_p", in, HSTL18_I, {"J13", "D23", "AD36", "G35"}},
    {"_D[0..17]", out, HSTL18_I, {"E8 ?*17", "G19 ?*17", "AD33 ?*17", "E36 ?*17"}},
    {"_DOFF_n", out, HSTL18_I, {"R9", "H16", "D24", "W31"}},
    {"_K_n", out, DIFF_HSTL18_I, {"E12", "J21", "AF35", "E32"}},
    {"_K_p", out, DIFF_HSTL18_I, {"F12", "K21", "AF34", "F32"}},
    {"_ODT", out, HSTL18_I, {"T10", "M17", "B25", "Y33"}},
    {"_Q[0..17]", in, HSTL18_I, {"R12 ?*17", "L22 ?*17", "T36 ?*17", "L29 ?*17"}},
    {"_QVLD", in, HSTL18_I, {"T14", "K22", "U34", "P28"}},
    {"_REFCLK_p", in, LVDS, {"L9", "N18", "G24", "M34"}, true},
    {"_RPS_n", out, HSTL18_I, {"U9", "J16", "E26", "V33"}},
    {"_WPS_n", out, HSTL18_I, {"U8", "K16", "F26", "V32"}},
};

constexpr GroupPin kQsfpPins[] = {
    {"_INTERRUPT_n", in, V18, {"AB9", "AK9", "AD11", "W13"}},
    {"_LP_MODE", out, V18, {"AB10", "AM10", "AH10", "AA12"}},
    {"_MOD_PRS_n", in, V18, {"AG10", "AL10", "AD10", "Y12"}},
    {"_MOD_SEL_n", out, V18, {"AC10", "AP6", "AL9", "AA11"}},
    {"_REFCLK_p", in, LVDS, {"AH5", "AD5", "Y5", "T5"}, true},
    {"_RST_n", out, V18, {"AA9", "AR6", "AJ9", "Y11"}},
    {"_RX_p[0..3]", in, HSSI, {"BB5 AY5 BA3 AW3", "AN3 AL3 AJ3 AG3", "AA3 W3 U3 R3", "J3 G3 E3 D5"}},
    {"_SCL", out, V18, {"AA10", "AM7", "AL11", "W9"}},
    {"_SDA", inout, V18, {"Y9", "AM8", "AK11", "W10"}},
    {"_TX_p[0..3]", out, HSSI, {"BD5 BC3 BB1 AY1", "AP1 AM1 AK1 AH1", "AB1 Y1 V1 T1", "K1 H1 F1 D1"}},
};

// `locations` null: the boards' shared locations of the port.
template <typename Pin, std::size_t N>
void AddPortGroup(TMainBoard& board, const char* word, int port, const GroupPin (&pins)[N], std::span<const Pin> order,
                  double refclkMHz, std::type_identity_t<const std::array<const char*, N>*> locations)
{
    PW_CHECK(port >= 0 && port < (locations ? 6 : 4));
    const std::string group = platform::Format("%s%c", word, 'A' + port);
    RowList rows;
    for (Pin which : order) {
        const auto index = static_cast<std::size_t>(which);
        PW_CHECK(index < N);
        const GroupPin& pin = pins[index];
        rows.Add(group + pin.suffix, pin.dir, pin.std, locations ? (*locations)[index] : pin.locations[port],
                 pin.refclk ? FrequencyText(refclkMHz) : std::string());
    }
    AddBoardGroup(board, group, rows.Rows());
}

}  // namespace

std::vector<BoardPinRow> InOrder(std::span<const BoardPinRow> rows, std::initializer_list<int> order)
{
    std::vector<BoardPinRow> ordered;
    for (int i : order) {
        PW_CHECK(i >= 0 && static_cast<std::size_t>(i) < rows.size());
        ordered.push_back(rows[static_cast<std::size_t>(i)]);
    }
    return ordered;
}

std::string FrequencyText(double mhz) { return platform::Format("%f MHz", mhz); }

double ChoiceMHz(double (*frequency)(uint8_t), int32_t code)
{
    return code >= 0 && code <= 255 ? frequency(static_cast<uint8_t>(code)) : 0.0;
}

double LowByteChoiceMHz(double (*frequency)(uint8_t), int32_t code)
{
    return frequency(static_cast<uint8_t>(static_cast<uint32_t>(code) & 0xFFu));
}

const char* RowList::Keep(const std::string& text)
{
    m_texts.push_back(text);
    return m_texts.back().c_str();
}

void RowList::Add(const std::string& signals, uint8_t dir, uint8_t std, const std::string& locations,
                  const std::string& frequency)
{
    BoardPinRow row{Keep(signals), dir, std, Keep(locations)};
    if (!frequency.empty()) row.clock = ClockText(Keep(frequency));
    m_rows.push_back(row);
}

void AddQdrGroup(TMainBoard& board, int port, std::span<const QdrPin> order, double refclkMHz)
{
    AddPortGroup<QdrPin>(board, "QDRII", port, kQdrPins, order, refclkMHz, nullptr);
}

void AddQsfpGroup(TMainBoard& board, int port, std::span<const QsfpPin> order, double refclkMHz)
{
    AddPortGroup<QsfpPin>(board, "QSFP", port, kQsfpPins, order, refclkMHz, nullptr);
}

void AddQdrGroup(TMainBoard& board, int port, std::span<const QdrPin> order, double refclkMHz,
                 const QdrLocations& locations)
{
    AddPortGroup<QdrPin>(board, "QDRII", port, kQdrPins, order, refclkMHz, &locations);
}

void AddQsfpGroup(TMainBoard& board, int port, std::span<const QsfpPin> order, double refclkMHz,
                  const QsfpLocations& locations)
{
    AddPortGroup<QsfpPin>(board, "QSFP", port, kQsfpPins, order, refclkMHz, &locations);
}

void AddMemorySocket(TMainBoard& board, const MemorySocketKind& kind, const MemorySocket& socket, double refclkMHz)
{
    const std::vector<const char*> table = PositionTable(ConnectorPositionCount(kind.type), ListedPositions::Empty,
                                                         kind.emptyPositions, {socket.firstLocation});
    RowList after;
    after.Add(socket.refclk, in, LVDS, socket.refclkLocation, FrequencyText(refclkMHz));
    ExpansionOptions options;
    options.pinsAfter = after.Rows();
    AddExpansionConnector(board, kind.name, socket.description, kind.type, socket.expansionId, table, options);
}

}  // namespace nobrecht

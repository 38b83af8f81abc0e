#include "cards/CardMap.h"

#include <cctype>

#include "core/model/DaughterBoard.h"
#include "platform/Errors.h"

namespace cardmap {
namespace {

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::vector<std::string> SplitItems(const char* text)
{
    std::vector<std::string> items;
    std::string current;
    for (const char* c = text; *c; ++c) {
        if (*c == ',') {
            items.push_back(Trim(current));
            current.clear();
        } else {
            current += *c;
        }
    }
    items.push_back(Trim(current));
    return items;
}

int Number(const std::string& text)
{
    int32_t value = 0;
    bool ok = ParseStrictInt32(text, value);
    PW_CHECK(ok && "a number in a pin-table cell");
    return value;
}

uint8_t ResolveStd(uint8_t std, const StdArgs& args)
{
    switch (std) {
    case IoStd: return args.ioStd;
    case HsmcStd: return args.hsmcStd;
    case XcvrStd: return args.xcvrStd;
    case LvdsStd: return args.lvdsStd;
    case StdArg: return args.stdArg;
    }
    PW_CHECK(std < IOSTD_COUNT);
    return std;
}

void PutRows(PinTable& table, std::span<const PinRow> rows, const StdArgs& args, bool replace)
{
    for (const PinRow& row : rows) {
        std::vector<int> positions = ExpandPositions(row.positions);
        std::vector<std::string> names = ExpandSignals(row.signals);
        PW_CHECK(positions.size() == names.size());
        PW_CHECK(row.dir == in || row.dir == out || row.dir == inout);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            int p = positions[i];
            PW_CHECK(p >= 1 && p <= static_cast<int>(table.size()));
            auto& entry = table[static_cast<std::size_t>(p - 1)];
            PW_CHECK(replace || !entry);
            entry = PinSpec{names[i], row.dir, ResolveStd(row.std, args), row.flag, p};
        }
    }
}

}  // namespace

std::vector<int> ExpandPositions(const char* positions)
{
    std::vector<int> result;
    for (const std::string& item : SplitItems(positions)) {
        std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            result.push_back(Number(item));
            continue;
        }
        std::size_t slash = item.find('/');
        int first = Number(item.substr(0, dash));
        int last = Number(item.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1));
        int step = slash == std::string::npos ? 1 : Number(item.substr(slash + 1));
        PW_CHECK(step > 0 && first <= last && (last - first) % step == 0);
        for (int p = first; p <= last; p += step) result.push_back(p);
    }
    return result;
}

std::vector<std::string> ExpandSignals(const char* signals)
{
    std::vector<std::string> result;
    for (const std::string& item : SplitItems(signals)) {
        PW_CHECK(!item.empty());
        std::size_t dots = item.find("..");
        if (dots == std::string::npos) {
            result.push_back(item);
            continue;
        }
        std::size_t open = item.rfind('[', dots);
        std::size_t close = item.find(']', dots);
        PW_CHECK(open != std::string::npos && close != std::string::npos);
        std::string head = item.substr(0, open + 1);
        std::string tail = item.substr(close);
        int from = Number(item.substr(open + 1, dots - open - 1));
        int to = Number(item.substr(dots + 2, close - dots - 2));
        int step = from <= to ? 1 : -1;
        for (int i = from;; i += step) {
            result.push_back(head + std::to_string(i) + tail);
            if (i == to) break;
        }
    }
    return result;
}

PinTable EmptyTable(int positions) { return PinTable(static_cast<std::size_t>(positions)); }

void AddRows(PinTable& table, std::span<const PinRow> rows, const StdArgs& args)
{
    PutRows(table, rows, args, false);
}

void OverlayRows(PinTable& table, std::span<const PinRow> rows, const StdArgs& args)
{
    PutRows(table, rows, args, true);
}

void AppendTable(TDaughterBoard* pDaughter, const PinTable& table)
{
    for (const auto& entry : table) {
        if (entry) pDaughter->AddPin(new TPin(entry->name, entry->dir, entry->std, entry->pinIndex, entry->flag));
        else pDaughter->AddPin(nullptr);
    }
}

void FillMap(TDaughterBoard* pDaughter, int positions, std::span<const PinRow> rows, const StdArgs& args)
{
    PinTable table = EmptyTable(positions);
    AddRows(table, rows, args);
    AppendTable(pDaughter, table);
}

}  // namespace cardmap

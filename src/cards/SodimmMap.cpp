#include "cards/SodimmMap.h"

#include <vector>

#include "core/model/DaughterBoard.h"
#include "platform/Errors.h"

namespace cardmap::sodimm {

void AddModuleRows(PinTable& table, std::span<const PinRow> rows, const ModuleStds& stds)
{
    std::vector<PinRow> resolved(rows.begin(), rows.end());
    for (PinRow& row : resolved) {
        switch (row.std) {
        case DataStd: row.std = stds.data; break;
        case DqsStd: row.std = stds.dqs; break;
        case CkStd: row.std = stds.ck; break;
        case ResetStd: row.std = stds.reset; break;
        case SidebandStd: row.std = stds.sideband; break;
        case SaStd: row.std = stds.sa; break;
        default: break;
        }
        // an argument is a standard index itself, never a reference to another argument
        PW_CHECK(row.std < IOSTD_COUNT);
    }
    AddRows(table, resolved);
}

void ClearRow(PinTable& table, const PinRow& row)
{
    for (int p : ExpandPositions(row.positions)) {
        PW_CHECK(p >= 1 && p <= static_cast<int>(table.size()));
        table[static_cast<std::size_t>(p - 1)].reset();
    }
}

void AppendModule(TDaughterBoard* pDaughter, const PinTable& table, std::initializer_list<int> smbusPositions)
{
    const int first = pDaughter->GetPinCount();
    AppendTable(pDaughter, table);
    for (int p : smbusPositions) {
        TPin* pin = pDaughter->GetPin(first + p - 1);
        PW_CHECK(pin);
        pin->SetClock(2);
        pin->SetClockPeriod(1);
    }
}

}  // namespace cardmap::sodimm

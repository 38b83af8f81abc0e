#pragma once
// What the SO-DIMM module maps share: their tables name standards by role, since the
// module's arguments and the FPGA family fix them per call, and their SDA/SCL lines carry
// clock data.
#include <cstdint>
#include <initializer_list>
#include <span>

#include "cards/CardMap.h"

class TDaughterBoard;

namespace cardmap::sodimm {

// Standard roles in the module tables (values that neither an I/O-standard index nor the
// argument references of CardMap.h take).
constexpr uint8_t DataStd = 210;
constexpr uint8_t DqsStd = 211;
constexpr uint8_t CkStd = 212;
constexpr uint8_t ResetStd = 213;
constexpr uint8_t SidebandStd = 214;
constexpr uint8_t SaStd = 215;

struct ModuleStds {
    uint8_t data = 0;
    uint8_t dqs = 0;
    uint8_t ck = 0;
    uint8_t reset = 0;
    uint8_t sideband = 0;
    uint8_t sa = 0;
};

// Puts the rows into the table with each role replaced by its standard.
void AddModuleRows(PinTable& table, std::span<const PinRow> rows, const ModuleStds& stds);
// Empties every position the row names: a pin group the module's arguments leave out.
void ClearRow(PinTable& table, const PinRow& row);
// Appends the table. The pins at `smbusPositions` (SDA and SCL) get clock kind 2 and period
// 1; the timing constraints only take kind 1, so the bus stays unconstrained.
void AppendModule(TDaughterBoard* pDaughter, const PinTable& table, std::initializer_list<int> smbusPositions);

}  // namespace cardmap::sodimm

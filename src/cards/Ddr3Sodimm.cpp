#include "cards/Ddr3Sodimm.h"

#include <cctype>

#include "cards/SodimmMap.h"

namespace {

using namespace cardmap;
using namespace cardmap::sodimm;

// Built only with differential strobes.
constexpr PinRow kDqsN = {"10, 27, 45, 62, 135-186/17", "DQS_n[0..7]", inout, DqsStd};

// The memory signals; bus rows list their positions in index order.
constexpr PinRow kMemoryRows[] = {
    {"5, 7, 15, 17, 4, 6, 16, 18", "DQ[0..7]", inout, DataStd},
    {"21, 23, 33, 35, 22, 24, 34, 36", "DQ[8..15]", inout, DataStd},
    {"39, 41, 51, 53, 40, 42, 50, 52", "DQ[16..23]", inout, DataStd},
    {"57, 59, 67, 69, 56, 58, 68, 70", "DQ[24..31]", inout, DataStd},
    {"129, 131, 141, 143, 130, 132, 140, 142", "DQ[32..39]", inout, DataStd},
    {"147, 149, 157, 159, 146, 148, 158, 160", "DQ[40..47]", inout, DataStd},
    {"163, 165, 175, 177, 164, 166, 174, 176", "DQ[48..55]", inout, DataStd},
    {"181, 183, 191, 193, 180, 182, 192, 194", "DQ[56..63]", inout, DataStd},
    {"12, 29, 47, 64, 137-188/17", "DQS[0..7]", inout, DqsStd},
    kDqsN,
    {"11, 28, 46, 63, 136-187/17", "DM[0..7]", out, DataStd},
    {"101, 102", "CK[0..1]", out, CkStd},
    {"103, 104", "CK_n[0..1]", out, CkStd},
    {"73, 74", "CKE[0..1]", out, 29},
    {"98, 97, 96, 95, 92, 91, 90, 86, 89, 85, 107, 84, 83, 119, 80, 78", "A[0..15]", out, 29},
    {"109, 108, 79", "BA[0..2]", out, 29},
    {"110", "RAS_n", out, 29},
    {"115", "CAS_n", out, 29},
    {"113", "WE_n", out, 29},
    {"114, 121", "CS_n[0..1]", out, 29},
    {"116, 120", "ODT[0..1]", out, 29},
    {"30", "RESET_n", out, ResetStd},
};

// Event line, serial-presence bus and its address pins.
constexpr PinRow kSidebandRows[] = {
    {"198", "EVENT_n", in, SidebandStd},
    {"200", "SDA", inout, SidebandStd, 1},
    {"202", "SCL", out, SidebandStd, 1},
    {"197, 201", "SA[0..1]", out, SaStd, 1},
};

constexpr int kPositions = 204;
constexpr uint8_t kSstl15ClassI = 29;
constexpr uint8_t kDiffSstl15ClassI = 12;

}  // namespace

void FillDdr3Sodimm(TDaughterBoard* pDaughter, const Ddr3Family& family, uint8_t diffDqs, uint8_t sidebandStd,
                    uint8_t saStd)
{
    ModuleStds stds;
    stds.data = family.dataStd;
    stds.dqs = diffDqs ? family.diffStrobeStd : kSstl15ClassI;
    stds.ck = diffDqs ? kDiffSstl15ClassI : kSstl15ClassI;
    stds.reset = family.resetOnSideband ? sidebandStd : kSstl15ClassI;
    stds.sideband = sidebandStd;
    stds.sa = saStd;

    PinTable table = EmptyTable(kPositions);
    AddModuleRows(table, kMemoryRows, stds);
    if (!diffDqs) ClearRow(table, kDqsN);
    if (family.lowerCaseNames)
        for (auto& entry : table)
            if (entry)
                for (char& c : entry->name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    AddModuleRows(table, kSidebandRows, stds);
    AppendModule(pDaughter, table, {200, 202});
}

#include "cards/CardMap.h"
#include "cards/CardMaps.h"
#include "core/model/MainBoard.h"

using namespace cardmap;

namespace {

// The first clock line is spelled CLKCOUT; the LED lines count on from 40.
constexpr PinRow kRows[] = {
    {"39, 40", "HSM_CLKCOUT0, HSM_CLKIN0", inout, 6},
    {"41-44, 47-50, 53-56, 59-62, 65-68, 71-74, 77-80, 83-86, 89-92, 95, 96", "HSM_D[0..37]", inout, 6},
    {"101-104, 107-110, 113-116, 119-122, 125-128, 131-134, 137-140, 143-146, 149-152, 155-158", "HSM_D_LED[40..79]", inout, 6},
    {"160", "HSM_PSNTn", in, 6},
};

// These boards take the last data line as an input only.
constexpr PinRow kInputD37Rows[] = {
    {"96", "HSM_D_IN[37]", in, 6},
};

}  // namespace

void D_HSMC_DEBUG(TDaughterBoard* pDaughter, int32_t MainBoardId)
{
    PinTable table = EmptyTable(160);
    AddRows(table, kRows);
    if (MainBoardId == MAINBOARD_Yastrel_X1 || MainBoardId == MAINBOARD_Corbanth) OverlayRows(table, kInputD37Rows);
    AppendTable(pDaughter, table);
}

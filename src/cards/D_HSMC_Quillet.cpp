#include "cards/CardMap.h"
#include "cards/CardMaps.h"
#include "cards/PinPatch.h"
#include "core/model/DaughterBoard.h"
#include "core/model/MainBoard.h"

using namespace cardmap;

namespace {

// Header J3 (GPIO1_*) on 47-98, header J2 (GPIO0_*) on 107-158, in groups of four.
constexpr PinRow kRows[] = {
    {"47-50", "GPIO1_35, GPIO1_31, GPIO1_33, GPIO1_29", inout, IoStd},
    {"53-56", "GPIO1_34, GPIO1_27, GPIO1_32, GPIO1_25", inout, IoStd},
    {"59-62", "GPIO1_30, GPIO1_23, GPIO1_28, GPIO1_21", inout, IoStd},
    {"65-68", "GPIO1_26, GPIO1_19, GPIO1_24, GPIO1_17", inout, IoStd},
    {"71-74", "GPIO1_22, GPIO1_15, GPIO1_20, GPIO1_13", inout, IoStd},
    {"77-80", "GPIO1_14, GPIO1_11, GPIO1_12, GPIO1_9", inout, IoStd},
    {"83-86", "GPIO1_10, GPIO1_7, GPIO1_8, GPIO1_5", inout, IoStd},
    {"89-92", "GPIO1_6, GPIO1_3, GPIO1_4, GPIO1_1", inout, IoStd},
    {"95-98", "GPIO1_18, GPIO1_2, GPIO1_16, GPIO1_0", inout, IoStd},
    {"107-110", "GPIO0_35, GPIO0_31, GPIO0_33, GPIO0_29", inout, IoStd},
    {"113-116", "GPIO0_34, GPIO0_27, GPIO0_32, GPIO0_25", inout, IoStd},
    {"119-122", "GPIO0_30, GPIO0_23, GPIO0_28, GPIO0_21", inout, IoStd},
    {"125-128", "GPIO0_26, GPIO0_19, GPIO0_24, GPIO0_17", inout, IoStd},
    {"131-134", "GPIO0_22, GPIO0_15, GPIO0_20, GPIO0_13", inout, IoStd},
    {"137-140", "GPIO0_14, GPIO0_11, GPIO0_12, GPIO0_9", inout, IoStd},
    {"143-146", "GPIO0_10, GPIO0_7, GPIO0_8, GPIO0_5", inout, IoStd},
    {"149-152", "GPIO0_6, GPIO0_3, GPIO0_4, GPIO0_1", inout, IoStd},
    {"155-158", "GPIO0_18, GPIO0_2, GPIO0_16, GPIO0_0", inout, IoStd},
};

// On this board these four positions carry the HSMC clock inputs, so only the direction
// changes; the names are those the table already gives.
constexpr PIN_PATCH szQuilletPatch[] = {
    {96, "GPIO1_2", DIRECTION_INPUT},
    {98, "GPIO1_0", DIRECTION_INPUT},
    {156, "GPIO0_2", DIRECTION_INPUT},
    {158, "GPIO0_0", DIRECTION_INPUT},
};

}  // namespace

void D_HSMC_Quillet(TDaughterBoard* pDaughter, uint8_t IoStd, uint8_t MainBoardId)
{
    FillMap(pDaughter, 160, kRows, {.ioStd = IoStd});
    if (MainBoardId != MAINBOARD_Kavrin) return;
    for (const PIN_PATCH& patch : szQuilletPatch)
        if (TPin* pin = pDaughter->GetPin(patch.nPosition - 1))
            pin->SetDirection(static_cast<uint8_t>(patch.nDirection));
}

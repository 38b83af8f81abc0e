#include <cstddef>
#include <iterator>
#include <string>

#include "cards/CardMaps.h"
#include "cards/PinPatch.h"
#include "core/model/DaughterBoard.h"
#include "platform/Errors.h"

namespace {

// The camera's signals on header J3; on header J2 each position lies 60 higher.
constexpr PIN_PATCH szSollip_J3[] = {
    {60, "SDATA", DIRECTION_INOUT},
    {62, "LVAL", DIRECTION_INPUT},
    {66, "TRIGGER", DIRECTION_OUTPUT},
    {67, "SCLK", DIRECTION_INOUT},
    {68, "RESET_N", DIRECTION_OUTPUT},
    {71, "FVAL", DIRECTION_INPUT},
    {73, "STROBE", DIRECTION_INPUT},
    {74, "D[0]", DIRECTION_INPUT},
    {78, "D[2]", DIRECTION_INPUT},
    {79, "D[1]", DIRECTION_INPUT},
    {80, "D[4]", DIRECTION_INPUT},
    {83, "D[3]", DIRECTION_INPUT},
    {84, "D[6]", DIRECTION_INPUT},
    {85, "D[5]", DIRECTION_INPUT},
    {86, "D[8]", DIRECTION_INPUT},
    {89, "D[7]", DIRECTION_INPUT},
    {90, "D[10]", DIRECTION_INPUT},
    {91, "D[9]", DIRECTION_INPUT},
    {92, "D[11]", DIRECTION_INPUT},
    {97, "XCLKIN", DIRECTION_OUTPUT},
    {98, "PIXCLK", DIRECTION_INPUT},
};

constexpr PIN_PATCH szSollip_J2[] = {
    {120, "SDATA", DIRECTION_INOUT},
    {122, "LVAL", DIRECTION_INPUT},
    {126, "TRIGGER", DIRECTION_OUTPUT},
    {127, "SCLK", DIRECTION_INOUT},
    {128, "RESET_N", DIRECTION_OUTPUT},
    {131, "FVAL", DIRECTION_INPUT},
    {133, "STROBE", DIRECTION_INPUT},
    {134, "D[0]", DIRECTION_INPUT},
    {138, "D[2]", DIRECTION_INPUT},
    {139, "D[1]", DIRECTION_INPUT},
    {140, "D[4]", DIRECTION_INPUT},
    {143, "D[3]", DIRECTION_INPUT},
    {144, "D[6]", DIRECTION_INPUT},
    {145, "D[5]", DIRECTION_INPUT},
    {146, "D[8]", DIRECTION_INPUT},
    {149, "D[7]", DIRECTION_INPUT},
    {150, "D[10]", DIRECTION_INPUT},
    {151, "D[9]", DIRECTION_INPUT},
    {152, "D[11]", DIRECTION_INPUT},
    {157, "XCLKIN", DIRECTION_OUTPUT},
    {158, "PIXCLK", DIRECTION_INPUT},
};

constexpr std::size_t nNum = 21;
static_assert(nNum == std::size(szSollip_J3) && nNum == std::size(szSollip_J2));

// Renames the adaptor pins under a camera after its signals and takes the camera's directions.
void Overlay(TDaughterBoard* pDaughter, const PIN_PATCH* table, const char* prefix)
{
    for (std::size_t i = 0; i < nNum; ++i) {
        const PIN_PATCH& row = table[i];
        TPin* pin = pDaughter->GetPin(row.nPosition - 1);
        if (!pin) continue;
        pin->SetName(std::string(prefix) + row.szName);
        pin->SetDirection(static_cast<uint8_t>(row.nDirection));
    }
}

// The adaptor pins of an occupied header that the camera does not use go out of use.
void Sweep(TDaughterBoard* pDaughter, int first, int last)
{
    for (int p = first; p <= last; ++p) {
        TPin* pin = pDaughter->GetPin(p - 1);
        if (pin && pin->GetName().find("Sollip") == std::string::npos) pin->SetDirection(DIRECTION_NONE);
    }
}

}  // namespace

void D_HSMC_Quillet_Sollip(TDaughterBoard* pDaughter, uint8_t bJ2, uint8_t bJ3, uint8_t IoStd,
                           uint8_t MainBoardId)
{
    PW_CHECK(bJ2 || bJ3);
    D_HSMC_Quillet(pDaughter, IoStd, MainBoardId);
    if (bJ2 && bJ3) {
        Overlay(pDaughter, szSollip_J2, "Sollip_0_");
        Overlay(pDaughter, szSollip_J3, "Sollip_1_");
        Sweep(pDaughter, 1, 160);
    } else if (bJ2) {
        Overlay(pDaughter, szSollip_J2, "Sollip_");
        Sweep(pDaughter, 100, 160);
    } else {
        Overlay(pDaughter, szSollip_J3, "Sollip_");
        Sweep(pDaughter, 1, 99);
    }
}

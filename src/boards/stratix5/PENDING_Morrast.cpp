// Stands in for Morrast's clock-chip code until the board's own module defines it; delete this
// file then (two definitions fail at link time).
#include "core/model/MainBoard.h"
#include "platform/Errors.h"

std::string ExtraTopLevelCode_Morrast(const TMainBoard&)
{
    PW_CHECK(!"the clock-chip code of Morrast is not built yet");
    return std::string();
}

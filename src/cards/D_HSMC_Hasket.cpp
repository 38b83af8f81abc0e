#include "cards/CardMaps.h"
#include "cards/LcdCardRows.h"

using namespace cardmap;

namespace {

// The G-sensor the card adds to the 8-inch LCD table; all its lines are inputs here.
constexpr PinRow kGsensorRows[] = {
    {"41, 43", "GSENSOR_INT1, GSENSOR_INT2", in, 6},
    {"49", "GSENSOR_CS_n", in, 6},
    {"53", "GSENSOR_ALT_ADDR", in, 6},
    {"55", "GSENSOR_SDA_SDI_SDIO", in, 6},
    {"57", "GSENSOR_SCL_SCLK", in, 6},
};

}  // namespace

void D_HSMC_Hasket(TDaughterBoard* pDaughter)
{
    PinTable table = EmptyTable(160);
    AddRows(table, kWobrinRows);
    AddRows(table, kGsensorRows);
    AppendTable(pDaughter, table);
}

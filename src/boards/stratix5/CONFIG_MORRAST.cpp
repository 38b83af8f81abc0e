#include "boards/stratix5/CONFIG_MORRAST.h"

#include <cstring>

#include "boards/stratix5/StratixVClockCodes.h"
#include "core/settings/RecordText.h"

void DefaultConfig(MORRAST_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Morrast;
    config.Size = sizeof(MORRAST_CONFIG);
    WriteRecordText(config.szProjectName, "Morrast");
    config.bOSC = config.bLED = config.bButton = config.bSwitch = config.bTemp = 1;
    config.bFan = config.bFlash = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kCdcm61004NotUsed;
}

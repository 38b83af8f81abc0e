#include "boards/stratix5/CONFIG_CRESSWIN.h"

#include <cstring>

#include "boards/stratix5/StratixVClockCodes.h"
#include "core/settings/RecordText.h"

void DefaultConfig(CRESSWIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Cresswin;
    config.Size = sizeof(CRESSWIN_CONFIG);
    WriteRecordText(config.szProjectName, "Cresswin");
    config.bOSC = config.bLED = config.bButton = config.bSwitch = config.bTemp = 1;
    config.bFan = config.bFlash = config.bSSRAM = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kCdcm61004NotUsed;
}

#include "boards/stratix5/CONFIG_SARNOTH.h"

#include <cstring>

#include "boards/stratix5/StratixVClockCodes.h"
#include "core/settings/RecordText.h"

void DefaultConfig(SARNOTH_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Sarnoth;
    config.Size = sizeof(SARNOTH_CONFIG);
    WriteRecordText(config.szProjectName, "S5");
    config.bOSC = config.bLED = config.bSeg7 = config.bButton = config.bSwitch = 1;
    config.bTemp = config.bFan = config.bFlash = config.bRs422 = 1;
    config.nSi570 = kSi570NotUsed;
    config.nCdcm61004 = kExtPllNotUsed;
    config.nCdcm61001 = kExtPllNotUsed;
}

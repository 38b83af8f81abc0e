#include "boards/arria10/ConfigIdrenne.h"

#include <cstring>

#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"

TConfigIdrenne::TConfigIdrenne() = default;

TConfigIdrenne::~TConfigIdrenne() = default;

TConfigIdrenne::IDRENNE_CONFIG TConfigIdrenne::DefaultConfig()
{
    IDRENNE_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Idrenne;
    c.Size = sizeof(IDRENNE_CONFIG);
    WriteRecordText(c.szProjectName, "Idrenne");
    c.bOSC = c.bLED = c.bSeg7 = c.bButton = c.bSwitch = c.bFan = c.bTemperature = c.bSDRAM = 1;
    c.nFmcVol = IDRENNE_FMC_1V8;
    return c;
}

bool TConfigIdrenne::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigIdrenne::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigIdrenne::GetQsfSettings() { return std::string(); }

std::string TConfigIdrenne::GetTopLevelCode() { return std::string(); }

ExportResult TConfigIdrenne::ExportVerilogIP(const std::string& /*projectFolder*/) { return {}; }

std::span<const uint8_t> TConfigIdrenne::RecordBytes() const { return BytesOfRecord(Config); }

#include "boards/cyclone5_max10/ConfigPressel.h"

#include <cstring>

#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"

TConfigPressel::TConfigPressel() = default;

TConfigPressel::~TConfigPressel() = default;

TConfigPressel::BOARD_CONFIG TConfigPressel::DefaultConfig()
{
    BOARD_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.Size = sizeof(BOARD_CONFIG);
    c.BoardId = MAINBOARD_Pressel;
    WriteRecordText(c.szProjectName, "Pressel");
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bAccelerometer = c.bSdram = c.bVga = c.bSeg7 = c.bArduino = 1;
    return c;
}

bool TConfigPressel::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigPressel::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigPressel::GetQsfSettings() { return std::string(); }

std::string TConfigPressel::GetTopLevelCode() { return std::string(); }

ExportResult TConfigPressel::ExportVerilogIP(const std::string& /*projectFolder*/) { return {}; }

std::span<const uint8_t> TConfigPressel::RecordBytes() const { return BytesOfRecord(Config); }

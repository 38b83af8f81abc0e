#include "boards/cyclone5_max10/ConfigUlvarin.h"

#include <cstring>

#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"

TConfigUlvarin::TConfigUlvarin() = default;

TConfigUlvarin::~TConfigUlvarin() = default;

TConfigUlvarin::ULVARIN_CONFIG TConfigUlvarin::DefaultConfig()
{
    ULVARIN_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Ulvarin;
    c.Size = sizeof(ULVARIN_CONFIG);
    WriteRecordText(c.szProjectName, "Ulvarin");
    c.bVhdl = 0;
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bVga = c.bSdram = c.bAudio = c.bVideoIn = c.bAdc = c.bSeg7 =
        c.bIr = c.bPs2 = 1;
    c.bHps = 0;
    c.nHsmcVoltage = 1;  // "2.5 V (Default)"
    return c;
}

bool TConfigUlvarin::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigUlvarin::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::string TConfigUlvarin::GetQsfSettings() { return std::string(); }

std::string TConfigUlvarin::GetTopLevelCode() { return std::string(); }

ExportResult TConfigUlvarin::ExportVerilogIP(const std::string& /*projectFolder*/) { return {}; }

std::span<const uint8_t> TConfigUlvarin::RecordBytes() const { return BytesOfRecord(Config); }

#include "boards/cyclone5_max10/ConfigUlvarin.h"

#include <cstring>
#include <fstream>

#include "core/model/MainBoard.h"
#include "platform/Dialogs.h"

TConfigUlvarin::TConfigUlvarin() = default;

TConfigUlvarin::~TConfigUlvarin() = default;

TConfigUlvarin::ULVARIN_CONFIG TConfigUlvarin::DefaultConfig()
{
    ULVARIN_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Ulvarin;
    c.Size = sizeof(ULVARIN_CONFIG);
    std::strcpy(c.szProjectName, "Ulvarin");
    c.bVhdl = 0;
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bVga = c.bSdram = c.bAudio = c.bVideoIn = c.bAdc = c.bSeg7 =
        c.bIr = c.bPs2 = 1;
    c.bHps = 0;
    c.nHsmcVoltage = 1;  // "2.5 V (Default)"
    return c;
}

bool TConfigUlvarin::LoadFromFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() != static_cast<std::streamoff>(sizeof(ULVARIN_CONFIG))) return false;
    in.seekg(0);
    ULVARIN_CONFIG scratch;
    if (!in.read(reinterpret_cast<char*>(&scratch), sizeof scratch)) return false;
    Config = scratch;
    return true;
}

bool TConfigUlvarin::SaveToFile(const std::string& fileName)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) {
        platform::ErrorBox("Failed to create file.");
        return false;
    }
    if (!out.write(reinterpret_cast<const char*>(&Config), sizeof Config)) {
        platform::ErrorBox("Failed to write file.");
        return false;
    }
    return true;
}

std::string TConfigUlvarin::GetQsfSettings() { return std::string(); }

std::string TConfigUlvarin::GetTopLevelCode() { return std::string(); }

bool TConfigUlvarin::ExportVerilogIP(const std::string& /*projectFolder*/) { return true; }

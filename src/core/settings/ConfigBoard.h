#pragma once
// Abstract base of the newer boards' settings classes: the card list of one combo box, the
// folder of the settings dialogs, and five operations in this order.
#include <cstdint>
#include <string>

class TConfigBoard {
public:
    TConfigBoard();
    virtual ~TConfigBoard();

    virtual bool LoadFromFile(const std::string& fileName) = 0;
    virtual bool SaveToFile(const std::string& fileName) = 0;
    // Extra .qsf text, written right after the SDC_FILE assignment.
    virtual std::string GetQsfSettings() = 0;
    // Extra top-level HDL text, written into the module body.
    virtual std::string GetTopLevelCode() = 0;
    // Writes the board's own HDL files into the project folder (ending in '/').
    virtual bool ExportVerilogIP(const std::string& projectFolder) = 0;

    std::string LastDir;
    int32_t DaughterCount = 0;
    uint8_t DaughterIds[256] = {};
};

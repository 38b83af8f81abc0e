#pragma once
// Abstract base of the newer boards' settings classes: the card list of one combo box, the
// folder of the settings dialogs, and five operations in this order. Each subclass holds its
// record `Config` and reads and writes it through slots 0 and 1 (LoadRecord, SaveRecord);
// a sixth operation shows the record's bytes to the writers.
#include <cstdint>
#include <span>
#include <string>

// What writing controller files came to: nothing failed, or the first file that could not be
// written and why, for the export's failure box.
struct ExportResult {
    std::string failedFile;  // the path it was to be written to; empty when all were written
    std::string reason;
    explicit operator bool() const { return failedFile.empty(); }
};

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
    // Writes the board's own HDL files into the project folder (ending in '/'), stopping at
    // the first that fails.
    virtual ExportResult ExportVerilogIP(const std::string& projectFolder) = 0;
    // The record's bytes, through which the writers' board blocks read single choices by
    // offset, as they read the record copies of the boards without a settings class.
    virtual std::span<const uint8_t> RecordBytes() const = 0;

    // "default.cfg" in the executable's folder; loading a missing file reads nothing.
    bool LoadDefault();
    bool SaveDefault();
    // The settings-file dialogs, starting in LastDir, which then follows the chosen file.
    bool LoadWithDialog();
    bool SaveWithDialog();

    // The card list of one connector; FMC cards must also fit the voltage class.
    void BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass);

    // The project-file dialog in "CodeGenerated/<boardWord>/<projectName>/" of the
    // executable's folder; the chosen file, or empty text.
    static std::string SelectProjectFile(const std::string& boardWord, const std::string& projectName);

    // Writes an embedded item to a file through a replacement (WriteFileReplacing), a missing
    // folder made one level deep, so that a failed write leaves an earlier copy whole. An item
    // the program does not hold fails too, and the old file stays.
    static ExportResult WriteResourceToFile(const std::string& fileName, const std::string& resourceName);

    std::string LastDir;
    int32_t DaughterCount = 0;
    uint8_t DaughterIds[256] = {};
};

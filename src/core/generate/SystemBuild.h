#pragma once
// Writes one Quartus project from a filled board model: .qpf, .qsf, the top-level .v or
// .vhd, the clock-controller files, .sdc and .htm, stopping at the first that fails.
#include <string>

class TMainBoard;

class TSystemBuild {
public:
    TSystemBuild();
    ~TSystemBuild();

    // True only when every file was written. Sorts the pins of each connector, and
    // otherwise leaves the board as it was; files written before a failure stay.
    bool Generate(TMainBoard& board, const std::string& projectFileName, bool topIsVhdl);

    bool WriteQpf(const std::string& fileName);
    bool WriteQsf(const TMainBoard& board, const std::string& fileName);
    bool WriteVerilogTop(const TMainBoard& board, const std::string& fileName);
    bool WriteVhdlTop(const TMainBoard& board, const std::string& fileName);
    // projectFolder ends in '/' (or is empty for the current folder).
    bool ExportVerilogIP(const TMainBoard& board, const std::string& projectFolder);
    bool WriteSdc(const TMainBoard& board, const std::string& fileName);
    bool WriteHtmlReport(const TMainBoard& board, const std::string& fileName);

    // The parts of the .sdc that depend on the board; empty for boards without them.
    static std::string SdcBoardClocks(const TMainBoard& board);
    static std::string SdcJtag(const TMainBoard& board);
    static std::string SdcInputDelays(const TMainBoard& board);
    static std::string SdcOutputDelays(const TMainBoard& board);

    // Writes an embedded item to a file; true only when every byte was written.
    static bool WriteResourceToFile(const std::string& fileName, const std::string& resourceName);

    // Every named pin of every connector, in use or not, must have a name that
    // IsValidPinName accepts; a pin in use must have a name.
    static bool CheckPinNames(const TMainBoard& board);
};

// The file name with its extension replaced by `extension` (".qsf"), or `extension`
// appended when it has none.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// The file name without folder and extension: the project, module and entity name.
std::string ProjectNameOf(const std::string& fileName);
// Writes the text whole into a new file that then replaces the old one, which a failed
// write leaves as it was (WriteFileReplacing). When the file cannot be created or is
// read-only the exception box shows why; on any failure "Failed to create file %s" follows
// with the file's name. True when every byte was written.
bool WriteProjectFile(const std::string& fileName, const std::string& text);

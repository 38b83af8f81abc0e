#pragma once
// Writes one Quartus project from a filled board model: .qpf, .qsf, the top-level .v or
// .vhd, the clock-controller files, .sdc and .htm, stopping at the first that fails.
#include <string>

#include "core/settings/ConfigBoard.h"  // ExportResult

class TMainBoard;

class TSystemBuild {
public:
    TSystemBuild();
    ~TSystemBuild();

    // True when every file was written. A file name that cannot name the module is refused
    // first, as the forms refuse it. Sorts the pins of each connector, and otherwise leaves
    // the board as it was; files written before a failure stay.
    bool Generate(TMainBoard& board, const std::string& projectFileName, bool topIsVhdl);

    bool WriteQpf(const std::string& fileName);
    bool WriteQsf(const TMainBoard& board, const std::string& fileName);
    bool WriteVerilogTop(const TMainBoard& board, const std::string& fileName);
    bool WriteVhdlTop(const TMainBoard& board, const std::string& fileName);
    // projectFolder ends in '/' (or is empty for the current folder).
    bool ExportVerilogIP(const TMainBoard& board, const std::string& projectFolder);
    bool WriteSdc(const TMainBoard& board, const std::string& fileName);
    // A report that cannot be written shows "Failed to create file %s" and the reason, as
    // the other project files do.
    bool WriteHtmlReport(const TMainBoard& board, const std::string& fileName);

    // The parts of the .sdc that depend on the board; empty for boards without them.
    static std::string SdcBoardClocks(const TMainBoard& board);
    static std::string SdcJtag(const TMainBoard& board);
    static std::string SdcInputDelays(const TMainBoard& board);
    static std::string SdcOutputDelays(const TMainBoard& board);

    // Writes an embedded item to a file (TConfigBoard::WriteResourceToFile).
    static ExportResult WriteResourceToFile(const std::string& fileName, const std::string& resourceName);

    // Every named pin of every connector, in use or not, must have a name that
    // IsValidPinName accepts, a pin in use must have a name, and a port's name must suit the
    // top file's language (IsValidPortName). Shows the first name that fails.
    static bool CheckPinNames(const TMainBoard& board, bool topIsVhdl);
    // The ports of each connector, grouped as the top level declares them, must not clash
    // with those of another connector (in VHDL also not in another case). Shows the first
    // clash, or the parse's own box for a clash inside one connector.
    static bool CheckPortNames(const TMainBoard& board, bool topIsVhdl);
};

// The file name with its extension replaced by `extension` (".qsf"), or `extension`
// appended when it has none.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// The file name without folder and extension: the project, module and entity name.
std::string ProjectNameOf(const std::string& fileName);
// Writes the text whole into a new file that then replaces the old one, which a failed
// write leaves as it was (WriteFileReplacing). When the file cannot be created or is
// read-only the exception box shows why; on any failure ShowFileNotWritten follows. True when
// every byte was written.
bool WriteProjectFile(const std::string& fileName, const std::string& text);
// "Failed to create file %s" with the file's name, and the system's reason on the next line.
void ShowFileNotWritten(const std::string& fileName, int error);

#include "core/generate/SystemBuild.h"

#include <map>
#include <stdexcept>

#include "core/model/HdlNames.h"
#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"
#include "core/settings/FileWrite.h"
#include "core/settings/ProjectName.h"
#include "core/settings/RecordText.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Format.h"

TSystemBuild::TSystemBuild() = default;

TSystemBuild::~TSystemBuild() = default;

bool TSystemBuild::Generate(TMainBoard& board, const std::string& projectFileName, bool topIsVhdl)
{
    // Before anything is sorted or written: a bad name would otherwise stop the request
    // half-way through the files, or produce files no tool reads. The file's base name names
    // the module, whoever chose the file.
    if (!CheckProjectFileName(projectFileName)) return false;
    if (!CheckPinNames(board, topIsVhdl)) return false;
    board.SortConnectorPins();
    // After the sort, so that a clash inside a connector names the entry the files would.
    if (!CheckPortNames(board, topIsVhdl)) return false;
    if (!WriteQpf(ChangeFileExt(projectFileName, ".qpf"))) return false;
    if (!WriteQsf(board, ChangeFileExt(projectFileName, ".qsf"))) return false;
    if (topIsVhdl) {
        if (!WriteVhdlTop(board, ChangeFileExt(projectFileName, ".vhd"))) return false;
    } else {
        if (!WriteVerilogTop(board, ChangeFileExt(projectFileName, ".v"))) return false;
    }
    if (!ExportVerilogIP(board, platform::ExtractFilePath(projectFileName))) return false;
    if (!WriteSdc(board, ChangeFileExt(projectFileName, ".sdc"))) return false;
    return WriteHtmlReport(board, ChangeFileExt(projectFileName, ".htm"));
}

bool TSystemBuild::CheckPinNames(const TMainBoard& board, bool topIsVhdl)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin) continue;
            // A board pin opposite an empty card position keeps its empty name and is not used.
            if (pin->GetName().empty() && !pin->IsActive()) continue;
            // Names that reach no port only need to sort; ports must suit the language too.
            bool valid = IsValidPinName(pin->GetName()) &&
                         (!IsPortPin(pin) || IsValidPortName(pin->GetName(), topIsVhdl));
            if (valid) continue;
            platform::ErrorBox(platform::Format(
                "Pin name %s is not a valid %s name; change the prefix of its connector.",
                Latin1ToUtf8(pin->GetName()).c_str(), topIsVhdl ? "VHDL" : "Verilog"));
            return false;
        }
    }
    return true;
}

bool TSystemBuild::CheckPortNames(const TMainBoard& board, bool topIsVhdl)
{
    std::map<std::string, const TConnector*> owners;  // by the name as the language compares it
    TPinParsing parsing;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        if (!parsing.Parse(connector)) return false;
        for (int p = 0; p < parsing.GetPortCount(); ++p) {
            const std::string& port = parsing.GetPort(p).szPortName;
            auto [it, added] = owners.try_emplace(HdlNameKey(port, topIsVhdl), &connector);
            if (added) continue;
            // Each connector by its name (GPIO_0, HSMC-A), as the report's list shows it; two
            // of one name (a board's memory sockets) by their descriptions.
            const TConnector& first = *it->second;
            const bool sameName = first.GetName() == connector.GetName();
            auto label = [sameName](const TConnector& c) {
                return Latin1ToUtf8(sameName && !c.GetDescription().empty() ? c.GetDescription() : c.GetName());
            };
            platform::ErrorBox(platform::Format("Signal %s comes from both %s and %s; give one of them another prefix.",
                                                Latin1ToUtf8(port).c_str(), label(first).c_str(),
                                                label(connector).c_str()));
            return false;
        }
    }
    return true;
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension)
{
    std::size_t nameStart = fileName.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return fileName + extension;
    return fileName.substr(0, dot) + extension;
}

std::string ProjectNameOf(const std::string& fileName)
{
    std::string name = platform::ExtractFileName(fileName);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool WriteProjectFile(const std::string& fileName, const std::string& text)
{
    // Not forced to disk: the replacement guards against a failed write, and a batch writes
    // hundreds of these files.
    const FileWriteStatus status = WriteFileReplacing(fileName, text.data(), text.size(), FileFlush::No);
    if (status) return true;
    const std::string reason = SystemReason(status.error);
    if (status.result == FileWriteResult::CreateFailed)
        platform::ExceptionBox(
            std::runtime_error(platform::Format("Cannot create file \"%s\". %s", fileName.c_str(), reason.c_str())));
    ShowFileNotWritten(fileName, status.error);
    return false;
}

void ShowFileNotWritten(const std::string& fileName, int error)
{
    platform::ErrorBox(platform::Format("Failed to create file %s", platform::ExtractFileName(fileName).c_str()) +
                       "\r\n" + SystemReason(error));
}

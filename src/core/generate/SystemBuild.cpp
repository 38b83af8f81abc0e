#include "core/generate/SystemBuild.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"
#include "core/settings/FileWrite.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Format.h"

TSystemBuild::TSystemBuild() = default;

TSystemBuild::~TSystemBuild() = default;

bool TSystemBuild::Generate(TMainBoard& board, const std::string& projectFileName, bool topIsVhdl)
{
    // Before anything is sorted or written: a bad name would otherwise stop the request
    // half-way through the files, or produce files no tool reads.
    if (!CheckPinNames(board)) return false;
    board.SortConnectorPins();
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

bool TSystemBuild::CheckPinNames(const TMainBoard& board)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin) continue;
            // A board pin opposite an empty card position keeps its empty name and is not used.
            if (pin->GetName().empty() && !pin->IsActive()) continue;
            if (!IsValidPinName(pin->GetName())) return false;
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
    FileWriteResult result = WriteFileReplacing(fileName, text.data(), text.size(), FileFlush::No);
    if (result == FileWriteResult::CreateFailed) {
        int error = errno;
        platform::ExceptionBox(std::runtime_error(
            platform::Format("Cannot create file \"%s\". %s", fileName.c_str(), std::strerror(error))));
    }
    bool ok = result == FileWriteResult::Ok;
    if (!ok) platform::ErrorBox(platform::Format("Failed to create file %s", platform::ExtractFileName(fileName).c_str()));
    return ok;
}

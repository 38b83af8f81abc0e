#include "core/settings/ConfigBoard.h"

#include "core/settings/ConfigShared.h"
#include "core/settings/FileWrite.h"
#include "core/settings/RecordFile.h"
#include "platform/Environment.h"
#include "platform/Resources.h"

TConfigBoard::TConfigBoard() = default;

TConfigBoard::~TConfigBoard() = default;

bool TConfigBoard::LoadDefault()
{
    std::string path = DefaultConfigPath();
    return platform::FileExists(path) && LoadFromFile(path);
}

bool TConfigBoard::SaveDefault() { return SaveToFile(DefaultConfigPath()); }

bool TConfigBoard::LoadWithDialog()
{
    auto path = configshared::AskSettingsFile(false, LastDir);
    return path && LoadFromFile(*path);
}

bool TConfigBoard::SaveWithDialog()
{
    auto path = configshared::AskSettingsFile(true, LastDir);
    return path && SaveToFile(*path);
}

void TConfigBoard::BuildDaughterList(uint8_t connectorType, bool transceiversAllowed, uint8_t voltageClass)
{
    DaughterCount = configshared::BuildDaughterList(DaughterIds, connectorType, transceiversAllowed, voltageClass, true);
}

std::string TConfigBoard::SelectProjectFile(const std::string& boardWord, const std::string& projectName)
{
    return configshared::SelectProjectFile(boardWord, projectName);
}

ExportResult TConfigBoard::WriteResourceToFile(const std::string& fileName, const std::string& resourceName)
{
    auto item = platform::FindResource(resourceName);
    if (!item) return {fileName, "No template named " + resourceName + " in the program"};
    std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder)) platform::CreateDir(folder);
    const FileWriteStatus status = WriteFileReplacing(fileName, item->data(), item->size(), FileFlush::No);
    if (status) return {};
    return {fileName, SystemReason(status.error)};
}

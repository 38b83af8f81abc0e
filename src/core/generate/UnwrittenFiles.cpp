#include "core/generate/UnwrittenFiles.h"

#include <algorithm>
#include <utility>

#include "core/settings/FileWrite.h"

namespace {

// One request at a time runs, in the user-interface thread.
std::vector<UnwrittenFile>& Noted()
{
    static std::vector<UnwrittenFile> files;
    return files;
}

std::string FromProjectFolder(const std::string& fileName, const std::string& projectFolder)
{
    if (!projectFolder.empty() && fileName.starts_with(projectFolder)) return fileName.substr(projectFolder.size());
    return fileName;
}

}  // namespace

void ClearUnwrittenFiles() { Noted().clear(); }

void NoteUnwrittenFile(const UnwrittenFile& file) { Noted().push_back(file); }

std::vector<UnwrittenFile> TakeUnwrittenFiles() { return std::exchange(Noted(), {}); }

std::vector<UnwrittenFile> TakeFilesTheProjectNeeds()
{
    std::vector<UnwrittenFile>& noted = Noted();
    auto needed = std::stable_partition(noted.begin(), noted.end(), [](const UnwrittenFile& f) { return f.projectStands; });
    std::vector<UnwrittenFile> taken(needed, noted.end());
    noted.erase(needed, noted.end());
    return taken;
}

std::string NameAndReason(const UnwrittenFile& file, const std::string& projectFolder)
{
    return FromProjectFolder(file.fileName, projectFolder) + ": " + SystemReason(file.error);
}

std::string UnwrittenFilesText(const std::vector<UnwrittenFile>& files, const std::string& projectFolder)
{
    std::string text;
    for (const UnwrittenFile& file : files) {
        if (!text.empty()) text += "\r\n";
        text += "The " + file.what + " " + FromProjectFolder(file.fileName, projectFolder) +
                " could not be written: " + SystemReason(file.error) + ".";
    }
    return text;
}

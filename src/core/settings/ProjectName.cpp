#include "core/settings/ProjectName.h"

#include "platform/Dialogs.h"

bool IsValidProjectFolderName(const std::string& latin1Name)
{
    if (latin1Name.empty() || latin1Name == "." || latin1Name == "..") return false;
    for (char c : latin1Name) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) return false;
    }
    return true;
}

bool CheckProjectFolderName(const std::string& latin1Name)
{
    if (IsValidProjectFolderName(latin1Name)) return true;
    platform::ErrorBox("Project Name is not a valid folder name.");
    return false;
}

#include "core/settings/ProjectName.h"

#include "core/generate/SystemBuild.h"
#include "core/model/HdlNames.h"
#include "platform/Dialogs.h"

namespace {

constexpr const char* kModuleRule =
    "must be a valid Verilog and VHDL name: a letter, then letters, digits or single underscores, "
    "not ending in an underscore, and not a keyword.";

}  // namespace

bool IsValidProjectFolderName(const std::string& latin1Name)
{
    if (latin1Name.empty() || latin1Name == "." || latin1Name == "..") return false;
    for (char c : latin1Name) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) return false;
    }
    return true;
}

bool IsValidModuleName(const std::string& name) { return IsPortableHdlName(name); }

bool CheckProjectFolderName(const std::string& latin1Name)
{
    if (IsValidProjectFolderName(latin1Name)) return true;
    platform::ErrorBox("Project Name is not a valid folder name.");
    return false;
}

bool CheckGenerateProjectName(const std::string& latin1Name)
{
    if (!CheckProjectFolderName(latin1Name)) return false;
    if (IsValidModuleName(latin1Name)) return true;
    platform::ErrorBox(std::string("Project Name ") + kModuleRule);
    return false;
}

bool CheckProjectFileName(const std::string& projectFile)
{
    if (IsValidModuleName(ProjectNameOf(projectFile))) return true;
    platform::ErrorBox(std::string("The project file name ") + kModuleRule);
    return false;
}

// Any 416 bytes as a loaded "default.cfg", generated as the Ulvarin form would: BoardId and
// Size written anew, the record taken otherwise as it stands, the project written into a
// temporary folder. Nothing may crash or trip a sanitizer; an internal error raised for a
// record the form could never produce (a card of the wrong connector type) is a refusal.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "core/model/MainBoard.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"

namespace {

class SilentDialogs final : public platform::Dialogs {
public:
    platform::BoxAnswer ShowMessage(platform::BoxKind, const std::string&, const std::string&,
                                    platform::BoxButtons) override
    {
        return platform::BoxAnswer::Ok;
    }
    std::optional<std::string> OpenFile(const platform::FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const platform::FileDialogOptions&) override { return std::nullopt; }
    void ShowException(const std::string&) override {}
};

std::string g_folder;

void RemoveFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
}

// Made on first use and removed when the run ends (libFuzzer leaves through exit()).
const std::string& Folder()
{
    if (g_folder.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "pinwright-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        g_folder = pattern + "/";
        std::atexit(RemoveFolder);
    }
    return g_folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentDialogs dialogs;
    platform::SetDialogs(&dialogs);
    if (size != sizeof(ULVARIN_CONFIG)) return -1;  // "default.cfg" of another size is not loaded

    TConfigUlvarin settings;
    std::memcpy(&settings.Config, data, sizeof settings.Config);
    settings.Config.BoardId = MAINBOARD_Ulvarin;
    settings.Config.Size = sizeof(ULVARIN_CONFIG);
    try {
        GenerateUlvarinProject(settings, Folder() + "fuzz.qpf");
    } catch (const platform::InternalError&) {
        // refused
    }
    return 0;
}

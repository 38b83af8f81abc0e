// Any input as a loaded "default.cfg" of the board its first byte names (the board id), run
// through that board's headless pair as its form's Generate runs it: BoardId and Size written
// anew, the record otherwise as it stands, the project written into a temporary folder.
// Nothing may crash or trip a sanitizer, and nothing read from a file may reach an internal
// check: an InternalError aborts. With PINWRIGHT_FUZZ_LENIENT set, an internal check is a
// refusal instead, told once per board and check, and with PINWRIGHT_FUZZ_CHECKS naming a
// folder the first input of each is kept there.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

#include "HeadlessBoards.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
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

// A lenient run tells each board's check once and keeps the first input that reached it,
// named after the board and the check (the file is not replaced: fork mode's processes
// share the folder).
void TellCheck(const headless::Board& board, const std::string& check, const uint8_t* data, size_t size)
{
    static std::set<std::pair<std::string, std::string>> told;
    if (!told.emplace(board.name, check).second) return;
    std::fprintf(stderr, "INTERNAL CHECK %s: %s\n", board.name, check.c_str());
    const char* folder = std::getenv("PINWRIGHT_FUZZ_CHECKS");
    if (!folder) return;
    std::string name = std::string(board.name) + "-" + check;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    const std::filesystem::path file = std::filesystem::path(folder) / name;
    if (!std::filesystem::exists(file))
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

// Mutations keep the board and the length: an input of another length is not loaded, and
// mutating it would be a wasted run. libFuzzer's own mutations work on the record's bytes,
// and one that shortens them is tried again.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
{
    const headless::Board* board = size > 0 ? headless::FindBoard(data[0]) : nullptr;
    if (!board || size - 1 != board->inputSize) return LLVMFuzzerMutate(data, size, maxSize);
    const std::vector<uint8_t> before(data + 1, data + size);
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (LLVMFuzzerMutate(data + 1, size - 1, size - 1) == size - 1) return size;
        std::copy(before.begin(), before.end(), data + 1);
    }
    data[1 + seed % (size - 1)] ^= static_cast<uint8_t>(1u << (seed >> 16) % 8);
    return size;
}

// Started as the program starts.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::IgnoreFileSizeSignal();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentDialogs dialogs;
    static const bool lenient = std::getenv("PINWRIGHT_FUZZ_LENIENT") != nullptr;
    platform::SetDialogs(&dialogs);
    if (size == 0) return -1;
    const headless::Board* board = headless::FindBoard(data[0]);
    // "default.cfg" of another size is not loaded.
    if (!board || size - 1 != board->inputSize) return -1;
    try {
        board->generate({data + 1, size - 1}, Folder() + "fuzz.qpf");
    } catch (const platform::InternalError& error) {
        if (!lenient) {
            std::fprintf(stderr, "INTERNAL CHECK %s: %s\n", board->name, error.what());
            std::abort();
        }
        TellCheck(*board, error.what(), data, size);
    }
    return 0;
}

#include "platform/Environment.h"

#include <csignal>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::optional<std::string> g_exeDirOverride;
std::optional<std::tm> g_nowOverride;
std::function<bool()> g_ctrlProvider;
std::function<void()> g_beepHandler;
int g_beepCount = 0;

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

void IgnoreFileSizeSignal()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

std::string ExeDir()
{
    if (g_exeDirOverride) return WithSlash(*g_exeDirOverride);
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return WithSlash(fs::current_path(ec).string());
    return WithSlash(exe.parent_path().string());
}

void SetExeDirOverride(std::optional<std::string> folder) { g_exeDirOverride = std::move(folder); }

bool ForceDirectories(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

bool CreateDir(const std::string& path)
{
    std::error_code ec;
    fs::create_directory(path, ec);
    return fs::is_directory(path, ec);
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string ExtractFilePath(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::tm LocalNow()
{
    if (g_nowOverride) return *g_nowOverride;
    std::time_t t = std::time(nullptr);
    std::tm result{};
    localtime_r(&t, &result);
    return result;
}

void SetNowOverride(std::optional<std::tm> time) { g_nowOverride = time; }

bool IsCtrlDown() { return g_ctrlProvider ? g_ctrlProvider() : false; }

void SetCtrlDownProvider(std::function<bool()> provider) { g_ctrlProvider = std::move(provider); }

void Beep()
{
    ++g_beepCount;
    if (g_beepHandler) g_beepHandler();
}

void SetBeepHandler(std::function<void()> handler) { g_beepHandler = std::move(handler); }

int BeepCount() { return g_beepCount; }

}  // namespace platform

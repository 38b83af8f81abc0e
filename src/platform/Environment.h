#pragma once
// What the program asks of its surroundings: where it lives, folders and files, the clock,
// the Ctrl key and the beep, and the one signal it must not die of. Tests override the clock, the folder and the key.
#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// Every executable calls this first. A file that would grow past the file-size limit
// (`ulimit -f`) then fails its write with EFBIG, which is told as any failed write, instead of
// the system ending the process half-way through it.
void IgnoreFileSizeSignal();

// The executable's folder, ending in '/'.
std::string ExeDir();
void SetExeDirOverride(std::optional<std::string> folder);

// Creates the folder with every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Creates one folder whose parent exists; true when it exists afterwards.
bool CreateDir(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
// The folder part of a path, ending in '/'; empty when the path has none.
std::string ExtractFilePath(const std::string& path);
// The name part of a path.
std::string ExtractFileName(const std::string& path);

// Local time now, or the time a test has fixed.
std::tm LocalNow();
void SetNowOverride(std::optional<std::tm> time);

// Whether a Ctrl key is down (the GUI installs the real query; tests fix the answer).
bool IsCtrlDown();
void SetCtrlDownProvider(std::function<bool()> provider);

// The system's default beep; counted so that tests can see it.
void Beep();
void SetBeepHandler(std::function<void()> handler);
int BeepCount();

}  // namespace platform

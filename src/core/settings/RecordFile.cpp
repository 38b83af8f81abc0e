#include "core/settings/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/settings/FileWrite.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"

namespace {

class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool ReadAll(int fd, unsigned char* bytes, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::read(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size)
{
    if (!platform::FileExists(fileName)) return false;
    // Opened without waiting and judged by what was opened: the name may have become a pipe
    // since it was checked.
    FileHandle file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) return false;
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<unsigned long long>(st.st_size) != size)
        return false;
    std::vector<unsigned char> scratch(size);
    if (!ReadAll(file.Get(), scratch.data(), size)) return false;
    std::memcpy(record, scratch.data(), size);
    return true;
}

bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size)
{
    const FileWriteStatus status = WriteFileReplacing(fileName, record, size, FileFlush::Yes);
    if (status) return true;
    // The sentence the user knows, then which file and the system's reason.
    const char* failure =
        status.result == FileWriteResult::WriteFailed ? "Failed to write file." : "Failed to create file.";
    platform::ErrorBox(std::string(failure) + "\r\n" + fileName + ": " + SystemReason(status.error));
    return false;
}

std::string DefaultConfigPath() { return platform::ExeDir() + "default.cfg"; }

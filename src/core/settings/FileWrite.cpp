#include "core/settings/FileWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const void* data, std::size_t size)
{
    auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save replaces: the target of a symbolic link, else the name itself.
std::string ReplacedFile(const std::string& fileName)
{
    struct stat st {};
    if (::lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(fileName, ec);
    return ec ? fileName : target.string();
}

// The permissions a newly created file would get, or those of the file being replaced.
mode_t ModeFor(const std::string& fileName)
{
    struct stat st {};
    if (::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileWriteResult WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size)
{
    std::string target = ReplacedFile(fileName);
    std::string temp = target + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return FileWriteResult::CreateFailed;
    ::fchmod(fd, ModeFor(target));
    bool written = WriteAll(fd, data, size) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return FileWriteResult::CreateFailed;
    }
    return FileWriteResult::Ok;
}

FileWriteResult WriteFileInPlace(const std::string& fileName, const void* data, std::size_t size)
{
    int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return FileWriteResult::CreateFailed;
    bool written = WriteAll(fd, data, size);
    written = ::close(fd) == 0 && written;
    return written ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

#include "core/settings/FileWrite.h"

#include <cerrno>
#include <climits>
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

bool Flushed(int fd, FileFlush flush) { return flush == FileFlush::No || ::fsync(fd) == 0; }

// The file a save replaces: the target of a symbolic link, else the name itself.
std::string ReplacedFile(const std::string& fileName)
{
    struct stat st {};
    if (::lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(fileName, ec);
    return ec ? fileName : target.string();
}

// The new file's name: the target's with a random suffix, its name cut where the suffix would
// make it longer than a folder entry may be.
std::string TempFilePattern(const std::string& target)
{
    constexpr std::size_t kSuffix = 7;  // ".XXXXXX"
    const std::size_t nameStart = target.find_last_of('/') + 1;  // 0 without a folder
    std::string pattern = target;
    if (pattern.size() - nameStart + kSuffix > NAME_MAX) pattern.resize(nameStart + NAME_MAX - kSuffix);
    return pattern + ".XXXXXX";
}

// The permission bits decide even for a privileged user, who could otherwise replace a file
// its owner has marked read-only.
bool IsReadOnly(const std::string& fileName, const struct stat& st)
{
    return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) != 0;
}

// The permissions a newly created file would get.
mode_t NewFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The replacement keeps the old file's owner and group where the user may give them away
// (the group alone otherwise), then its permissions, which a change of owner may clear.
void TakeOver(int fd, const struct stat& old)
{
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (st.st_uid != old.st_uid || st.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // The replacement stays the user's own.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Overwrites a file's bytes without emptying it first: the room for them is reserved before
// the first byte changes, so a full disk leaves the old content whole.
FileWriteResult OverwriteInPlace(const std::string& fileName, const void* data, std::size_t size, FileFlush flush)
{
    int fd = ::open(fileName.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return FileWriteResult::CreateFailed;
    const off_t length = static_cast<off_t>(size);
    bool written = (size == 0 || ::posix_fallocate(fd, 0, length) == 0) && WriteAll(fd, data, size) &&
                   ::ftruncate(fd, length) == 0 && Flushed(fd, flush);
    written = ::close(fd) == 0 && written;
    return written ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

}  // namespace

FileWriteResult WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size,
                                   FileFlush flush)
{
    const std::string target = ReplacedFile(fileName);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && IsReadOnly(target, old)) {
        errno = EACCES;
        return FileWriteResult::CreateFailed;
    }
    // A file with further names keeps them all: a replacement would part it from them.
    if (replacing && old.st_nlink > 1) return OverwriteInPlace(target, data, size, flush);
    std::string temp = TempFilePattern(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        // The folder takes no new file, but the file itself may be written.
        if (replacing && (errno == EACCES || errno == EPERM)) return OverwriteInPlace(target, data, size, flush);
        return FileWriteResult::CreateFailed;
    }
    if (replacing) TakeOver(fd, old);
    else ::fchmod(fd, NewFileMode());
    bool written = WriteAll(fd, data, size) && Flushed(fd, flush);
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        errno = error;
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

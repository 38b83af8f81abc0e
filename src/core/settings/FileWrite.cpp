#include "core/settings/FileWrite.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/SignalHold.h"
#include "core/settings/SmallFile.h"

namespace {

FileWriteStatus Failed(FileWriteResult result, int error) { return {result, error != 0 ? error : EIO}; }

// Writes every byte; on failure the system's reason, 0 on success.
int WriteAll(int fd, const void* data, std::size_t size)
{
    auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

// The written file forced to disk where asked, then closed: the first failure's reason, or 0.
int Finish(int fd, int error, FileFlush flush)
{
    if (error == 0 && flush == FileFlush::Yes && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The file a save writes: where a chain of symbolic links ends, so that the links stay links,
// even when the last names a file that does not exist yet; else the name itself. 0, or the
// system's reason why the chain cannot be followed.
int ReplacedFile(const std::string& fileName, std::string& target)
{
    namespace fs = std::filesystem;
    fs::path path = fileName;
    for (int hops = 0; hops < 40; ++hops) {  // as many as the system follows before it gives up
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = path.string();
            return 0;
        }
        std::error_code ec;
        fs::path next = fs::read_symlink(path, ec);
        if (ec) return ec.value();
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return ELOOP;
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

// Whether a file of `size` bytes is past the process's file-size limit, where the system
// refuses every byte (EFBIG), whatever room the disk has.
bool ExceedsFileSizeLimit(std::size_t size)
{
    struct rlimit limit {};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           static_cast<rlim_t>(size) > limit.rlim_cur;
}

void (*g_beforeInPlaceOpen)(const std::string&) = nullptr;

// The examined file opened for writing, or -1 with errno set. The name is pinned first by a
// handle that neither opens the file for writing nor follows a link nor waits, and only the
// examined regular file is then opened, through that handle: so the name cannot have become a
// link, a pipe or another file in between (EAGAIN then). The handle's identity is what the
// examination saw even on an overlay, where the open itself copies the file up to a new inode.
// Without /proc, the name is opened instead and must still be the examined file.
int OpenExaminedFile(const std::string& fileName, const struct stat& old)
{
    const int pinned = ::open(fileName.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (pinned < 0) return -1;
    struct stat st {};
    if (::fstat(pinned, &st) != 0 || !S_ISREG(st.st_mode) || st.st_dev != old.st_dev || st.st_ino != old.st_ino) {
        ::close(pinned);
        errno = EAGAIN;
        return -1;
    }
    char path[32];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d", pinned);
    int fd = OpenPastLeases(path, O_WRONLY);
    int error = errno;
    ::close(pinned);
    if (fd < 0 && error == ENOENT) {  // no /proc
        fd = OpenRegularFile(fileName, O_WRONLY | O_NOFOLLOW, st);
        error = fd < 0 && (errno == ELOOP || errno == ENXIO) ? EAGAIN : errno;
        if (fd >= 0 && (st.st_dev != old.st_dev || st.st_ino != old.st_ino)) {
            ::close(fd);
            fd = -1;
            error = EAGAIN;
        }
    }
    errno = error;
    return fd;
}

// Overwrites a file's bytes without emptying it first. Only the file examined (`old`) is
// written (OpenExaminedFile), so that whoever can swap the name (the file's other owner in a
// sticky folder) cannot choose what gets written. What would stop the write part-way is settled
// before the first byte changes, so that a failure leaves the old content whole: the file-size
// limit is checked (an old file at least as long as the new text is not grown, so the reserve
// below would not meet it), and the room for the bytes is reserved. The bytes change under an
// exclusive lock, which this program's readers share, so that none of them reads a mix of old
// and new; the lock and the open are waited for before signals are held.
FileWriteStatus OverwriteInPlace(const std::string& fileName, const struct stat& old, const void* data,
                                 std::size_t size, FileFlush flush)
{
    if (g_beforeInPlaceOpen) g_beforeInPlaceOpen(fileName);
    const int fd = OpenExaminedFile(fileName, old);
    if (fd < 0) return Failed(FileWriteResult::CreateFailed, errno);
    const bool locked = LockBriefly(fd, LOCK_EX);
    const SignalHold hold;
    const off_t length = static_cast<off_t>(size);
    int error = ExceedsFileSizeLimit(size) ? EFBIG : 0;
    if (error == 0 && size != 0) error = ::posix_fallocate(fd, 0, length);  // returns its reason
    if (error == 0) error = WriteAll(fd, data, size);
    if (error == 0 && ::ftruncate(fd, length) != 0) error = errno;
    if (locked) ::flock(fd, LOCK_UN);  // whole now: readers need not wait for the disk
    error = Finish(fd, error, flush);
    return error == 0 ? FileWriteStatus{} : Failed(FileWriteResult::WriteFailed, error);
}

// A device takes the bytes as they come: it can neither be replaced nor have room reserved.
// Opened without waiting, so that a pipe nobody reads fails instead of hanging.
FileWriteStatus WriteIntoDevice(const std::string& fileName, const void* data, std::size_t size)
{
    int fd = ::open(fileName.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Failed(FileWriteResult::CreateFailed, errno);
    const SignalHold hold;
    int error = Finish(fd, WriteAll(fd, data, size), FileFlush::No);
    return error == 0 ? FileWriteStatus{} : Failed(FileWriteResult::WriteFailed, error);
}

// Writes a new file beside the target and renames it over the target. Signals are held from the
// new file's making until it has taken the target's place or is gone again.
FileWriteStatus ReplaceWithNewFile(const std::string& target, const struct stat* old, const void* data,
                                   std::size_t size, FileFlush flush)
{
    const SignalHold hold;
    std::string temp = TempFilePattern(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return Failed(FileWriteResult::CreateFailed, errno);
    if (old) TakeOver(fd, *old);
    else ::fchmod(fd, NewFileMode());
    if (int error = Finish(fd, WriteAll(fd, data, size), flush)) {
        ::unlink(temp.c_str());
        return Failed(FileWriteResult::WriteFailed, error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failed(FileWriteResult::CreateFailed, error);
    }
    return {};
}

}  // namespace

FileWriteStatus WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size,
                                   FileFlush flush)
{
    std::string target;
    if (int error = ReplacedFile(fileName, target)) return Failed(FileWriteResult::CreateFailed, error);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) return WriteIntoDevice(target, data, size);
    const bool replacing = exists && S_ISREG(old.st_mode);
    if (replacing && IsReadOnly(target, old)) return Failed(FileWriteResult::CreateFailed, EACCES);
    // A file with further names keeps them all: a replacement would part it from them.
    if (replacing && old.st_nlink > 1) return OverwriteInPlace(target, old, data, size, flush);
    const FileWriteStatus status = ReplaceWithNewFile(target, replacing ? &old : nullptr, data, size, flush);
    // The folder takes no new file, or the file may be written but not replaced (another user's,
    // in a sticky folder): the file itself is written.
    if (replacing && status.result == FileWriteResult::CreateFailed && (status.error == EACCES || status.error == EPERM))
        return OverwriteInPlace(target, old, data, size, flush);
    return status;
}

void SetBeforeInPlaceOpen(void (*hook)(const std::string& fileName)) { g_beforeInPlaceOpen = hook; }

std::string SystemReason(int error) { return std::strerror(error); }

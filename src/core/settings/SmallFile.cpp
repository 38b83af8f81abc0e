#include "core/settings/SmallFile.h"

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

using std::chrono::milliseconds;

// Short at first, for a lease given up at once or an in-place save of a few bytes; longer while
// the wait goes on, so that a long one costs little.
milliseconds NextPause(milliseconds pause) { return std::min(pause * 2, milliseconds(50)); }

// Whether the name stands for a regular file, seen through a handle that opens nothing for
// reading or writing: it neither waits nor breaks a lease.
bool IsRegularFile(const char* path, int flags)
{
    const int pinned = ::open(path, O_PATH | O_CLOEXEC | (flags & O_NOFOLLOW));
    if (pinned < 0) return false;
    struct stat st {};
    const bool regular = ::fstat(pinned, &st) == 0 && S_ISREG(st.st_mode);
    const int error = errno;
    ::close(pinned);
    errno = error;
    return regular;
}

}  // namespace

int OpenPastLeases(const char* path, int flags)
{
    milliseconds pause(1);
    for (;;) {
        // A lease refuses an open that does not wait (EWOULDBLOCK), and that refusal has already
        // asked its holder to give it up; the system breaks it once its time is up, and the next
        // try then succeeds. Only a regular file takes a lease, so nothing else is waited on.
        const int fd = ::open(path, flags | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            if ((flags & O_NONBLOCK) == 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return -1;
        if (!IsRegularFile(path, flags)) {
            if (errno != ENOENT) errno = ENXIO;
            return -1;
        }
        std::this_thread::sleep_for(pause);
        pause = NextPause(pause);
    }
}

int OpenRegularFile(const std::string& fileName, int flags, struct stat& st)
{
    // Judged by what was opened: a name checked before opening could be a pipe by then.
    const int fd = OpenPastLeases(fileName.c_str(), flags);
    if (fd < 0) return -1;
    const bool examined = ::fstat(fd, &st) == 0;
    if (!examined || !S_ISREG(st.st_mode)) {
        const int error = examined ? ENXIO : errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool LockBriefly(int fd, int operation)
{
    // An in-place save holds its lock for a few writes and a flush to disk.
    const auto due = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    milliseconds pause(1);
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) return true;
        // A file system without such locks: nobody can hold one there.
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= due) return false;
        std::this_thread::sleep_for(pause);
        pause = NextPause(pause);
    }
}

SmallFileRead ReadSmallFile(const std::string& fileName, std::size_t maxSize)
{
    SmallFileRead result;
    struct stat st {};
    const int fd = OpenRegularFile(fileName, O_RDONLY, st);
    if (fd < 0) {
        // Anything else (a lease that was not waited past, no permission) may hide a file.
        if (errno == ENOENT) result.status = SmallFileRead::Status::Missing;
        return result;
    }
    LockBriefly(fd, LOCK_SH);
    // The size as it stands under the lock: an in-place save may have changed it since the open.
    if (::fstat(fd, &st) == 0 && static_cast<unsigned long long>(st.st_size) <= maxSize) {
        // One byte more than allowed, to see a file that has grown since, or says less than it holds.
        std::string bytes(maxSize + 1, '\0');
        std::size_t size = 0;
        bool failed = false;
        while (size < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
            if (n < 0 && errno == EINTR) continue;
            failed = n < 0;
            if (n <= 0) break;
            size += static_cast<std::size_t>(n);
        }
        if (!failed && size <= maxSize) {
            bytes.resize(size);
            result = {SmallFileRead::Status::Read, std::move(bytes)};
        }
    }
    ::close(fd);
    return result;
}

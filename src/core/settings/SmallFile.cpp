#include "core/settings/SmallFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Past a lease: the name is pinned first without opening the file for reading or writing (which
// neither waits nor breaks a lease), and only a regular file is then opened through the pinned
// handle, so the name cannot have become a pipe in between.
int OpenPastLease(const std::string& fileName, int flags)
{
    const int pinned = ::open(fileName.c_str(), O_PATH | O_CLOEXEC | (flags & O_NOFOLLOW));
    if (pinned < 0) return -1;
    struct stat st {};
    int fd = -1;
    if (::fstat(pinned, &st) != 0) {
        // errno tells why
    } else if (!S_ISREG(st.st_mode)) {
        errno = ENXIO;
    } else {
        char path[32];
        std::snprintf(path, sizeof path, "/proc/self/fd/%d", pinned);
        // The handle's path is a link to the file itself; O_NOFOLLOW would refuse it.
        fd = ::open(path, (flags & ~(O_NOFOLLOW | O_NONBLOCK)) | O_CLOEXEC);
    }
    const int error = errno;
    ::close(pinned);
    errno = error;
    return fd;
}

}  // namespace

int OpenRegularFile(const std::string& fileName, int flags, struct stat& st)
{
    // Judged by what was opened: a name checked before opening could be a pipe by then.
    int fd = ::open(fileName.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EWOULDBLOCK) fd = OpenPastLease(fileName, flags);
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

SmallFileRead ReadSmallFile(const std::string& fileName, std::size_t maxSize)
{
    SmallFileRead result;
    struct stat st {};
    const int fd = OpenRegularFile(fileName, O_RDONLY, st);
    if (fd < 0) {
        if (errno == ENOENT) result.status = SmallFileRead::Status::Missing;
        return result;
    }
    if (static_cast<unsigned long long>(st.st_size) <= maxSize) {
        // One byte more than allowed, to see a file that has grown since.
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

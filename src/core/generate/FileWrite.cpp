#include "core/generate/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Format.h"

std::size_t WriteFileOnce(const std::string& fileName, const void* data, std::size_t size)
{
    int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw FileCreateError(
            platform::Format("Cannot create file \"%s\". %s", fileName.c_str(), std::strerror(errno)));
    std::size_t written = 0;
    if (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n > 0) written = static_cast<std::size_t>(n);
    }
    ::close(fd);
    return written;
}

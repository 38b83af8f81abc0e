#pragma once
// Opening and reading the small regular files the program keeps (settings records, the INI
// file) without ever waiting on a pipe or a device that stands at their name.
#include <cstddef>
#include <string>
#include <sys/stat.h>

// Opens `fileName` with `flags` (O_CLOEXEC is added) and fills `st` from what was opened; -1
// with errno set when it cannot be opened or is no regular file (ENXIO then). A pipe or a device
// is never waited on, but a regular file that another process holds a lease on (a file server's)
// is waited for, as a plain open waits.
int OpenRegularFile(const std::string& fileName, int flags, struct stat& st);

struct SmallFileRead {
    enum class Status {
        Read,     // `bytes` holds the whole file
        Missing,  // there is no file of that name
        Refused,  // something stands there that was not read whole: unreadable, not a regular
                  // file, larger than asked, or failed while being read
    };
    Status status = Status::Refused;
    std::string bytes;
};

// The whole of a regular file of at most `maxSize` bytes.
SmallFileRead ReadSmallFile(const std::string& fileName, std::size_t maxSize);

#pragma once
// Opening and reading the small regular files the program keeps (settings records, the INI
// file) without ever waiting on a pipe or a device that stands at their name.
#include <cstddef>
#include <string>
#include <sys/stat.h>

// Opens `path` with `flags` (O_CLOEXEC is added) without waiting on a pipe or a device. A regular
// file that another process holds a lease on (a file server's) is waited for, as a plain open
// waits: until the holder gives it up or the system breaks it. Signals are free to act meanwhile
// (nothing is held), and no /proc is needed. -1 with errno set where it cannot be opened.
int OpenPastLeases(const char* path, int flags);

// OpenPastLeases, then `st` filled from what was opened; -1 with errno set when it cannot be
// opened or is no regular file (ENXIO then).
int OpenRegularFile(const std::string& fileName, int flags, struct stat& st);

// An advisory lock (LOCK_SH or LOCK_EX) on an open file, so that a reader in this program never
// meets a record that an in-place save is part-way through. Waited for a short while only: a lock
// held longer (by another program) is not ours to honour, and the caller goes on without it.
// True when taken.
bool LockBriefly(int fd, int operation);

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

// The whole of a regular file of at most `maxSize` bytes, read under a shared lock (LockBriefly).
SmallFileRead ReadSmallFile(const std::string& fileName, std::size_t maxSize);

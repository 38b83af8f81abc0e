#pragma once
// A second process holding a lease on a file, as a file server does for a client's cache.
#include <chrono>
#include <string>
#include <sys/types.h>

class LeaseHolder {
public:
    // Never given up by itself: the holder keeps the lease until it is ended, or until the system
    // breaks it once the break time is up.
    static constexpr std::chrono::milliseconds kKept{-1};

    // `lease` is F_RDLCK (broken by an open for writing) or F_WRLCK (by any open). The holder gives
    // it up `heldFor` after it is told that someone else opens the file.
    LeaseHolder(const std::string& fileName, int lease, std::chrono::milliseconds heldFor);
    ~LeaseHolder();
    LeaseHolder(const LeaseHolder&) = delete;
    LeaseHolder& operator=(const LeaseHolder&) = delete;

    bool Held() const { return m_held; }
    // Waits until the holder is told of an open that breaks the lease; false after `limit`.
    bool AwaitBreak(std::chrono::milliseconds limit) const;
    // Whether the holder still runs, its lease not given up.
    bool Holding() const;

private:
    pid_t m_pid = -1;
    int m_broken = -1;  // a byte comes here when the break is asked for
    bool m_held = false;
};

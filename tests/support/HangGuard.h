#pragma once
// Ends the test process with a failure when what it guards has not returned in time, so that a
// call that blocks fails its test instead of holding up the whole run.
#include <csignal>
#include <cstring>
#include <unistd.h>

class HangGuard {
public:
    explicit HangGuard(const char* what, unsigned seconds = 60)
    {
        s_what = what;
        s_whatLength = std::strlen(what);
        std::signal(SIGALRM, &Expired);
        ::alarm(seconds);
    }
    ~HangGuard()
    {
        ::alarm(0);
        std::signal(SIGALRM, SIG_DFL);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    static void Expired(int)
    {
        constexpr char kPrefix[] = "\nStill blocked, the test process is ended: ";
        // Only what a signal handler may call.
        [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, kPrefix, sizeof kPrefix - 1);
        written = ::write(STDERR_FILENO, s_what, s_whatLength);
        written = ::write(STDERR_FILENO, "\n", 1);
        ::_exit(124);
    }

    static inline const char* s_what = "";
    static inline std::size_t s_whatLength = 0;
};

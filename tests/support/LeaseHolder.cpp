#include "LeaseHolder.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

LeaseHolder::LeaseHolder(const std::string& fileName, int lease, std::chrono::milliseconds heldFor)
{
    int ready[2];
    if (::pipe(ready) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(ready[0]);
        sigset_t broken;
        sigemptyset(&broken);
        sigaddset(&broken, SIGIO);
        ::sigprocmask(SIG_BLOCK, &broken, nullptr);  // taken with sigwait below
        const int fd = ::open(fileName.c_str(), lease == F_RDLCK ? O_RDONLY : O_RDWR);
        const char ok = fd >= 0 && ::fcntl(fd, F_SETLEASE, lease) == 0 ? '1' : '0';
        if (::write(ready[1], &ok, 1) != 1 || ok != '1') ::_exit(1);
        int signal = 0;
        ::sigwait(&broken, &signal);
        [[maybe_unused]] ssize_t n = ::write(ready[1], "B", 1);
        if (heldFor < std::chrono::milliseconds(0))
            for (;;) ::pause();
        ::usleep(static_cast<useconds_t>(std::chrono::microseconds(heldFor).count()));
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        ::_exit(0);
    }
    ::close(ready[1]);
    char ok = '0';
    m_held = m_pid > 0 && ::read(ready[0], &ok, 1) == 1 && ok == '1';
    m_broken = ready[0];
}

LeaseHolder::~LeaseHolder()
{
    if (m_broken >= 0) ::close(m_broken);
    if (m_pid <= 0) return;
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) == 0) ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, &status, 0);
}

bool LeaseHolder::AwaitBreak(std::chrono::milliseconds limit) const
{
    pollfd wait{m_broken, POLLIN, 0};
    char byte = 0;
    return ::poll(&wait, 1, static_cast<int>(limit.count())) == 1 && ::read(m_broken, &byte, 1) == 1 && byte == 'B';
}

bool LeaseHolder::Holding() const
{
    int status = 0;
    return m_pid > 0 && ::waitpid(m_pid, &status, WNOHANG) == 0;
}

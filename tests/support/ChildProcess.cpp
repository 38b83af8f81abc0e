#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Everything the child still writes, then how it ended.
ChildRun Collect(pid_t child, int fromChild)
{
    ChildRun run;
    char buffer[512];
    for (ssize_t n; (n = ::read(fromChild, buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(n));
    ::close(fromChild);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return run;
    run.exited = WIFEXITED(status);
    if (run.exited) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    return run;
}

// Sends the text and ends the child: 0 when all of it went.
[[noreturn]] void Report(int toParent, const std::string& out)
{
    const bool sent = ::write(toParent, out.data(), out.size()) == static_cast<ssize_t>(out.size());
    ::_exit(sent ? 0 : 1);
}

}  // namespace

bool BecomeNobody() { return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0; }

bool EnterPrivateMounts()
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

ChildRun RunInChild(const std::function<std::string()>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        Report(pipeFds[1], body());
    }
    ::close(pipeFds[1]);
    return Collect(child, pipeFds[0]);
}

ChildRun RunInChildSignalled(const SignalledWork& body, int signal, const std::function<void()>& moment)
{
    int up[2], down[2];  // the child's "started" byte and text; the parent's word that it has sent
    if (::pipe(up) != 0) return {};
    if (::pipe(down) != 0) {
        ::close(up[0]);
        ::close(up[1]);
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(up[0]);
        ::close(down[1]);
        ::alarm(10);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::thread([] {
            for (;;) ::pause();
        }).detach();
        body.prepare();
        if (::write(up[1], "S", 1) != 1) ::_exit(1);
        body.work();
        char sent;
        while (::read(down[0], &sent, 1) < 0 && errno == EINTR) {  // the parent closes its end once it has sent
        }
        Report(up[1], body.report());
    }
    ::close(up[1]);
    ::close(down[0]);
    char started;
    if (child > 0 && ::read(up[0], &started, 1) == 1) {
        moment();
        ::kill(child, signal);
    }
    ::close(down[1]);
    return Collect(child, up[0]);
}

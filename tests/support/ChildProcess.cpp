#include "ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

ChildRun RunInChild(const std::function<std::string()>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const std::string out = body();
        const bool sent = ::write(pipeFds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeFds[1]);
    ChildRun run;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return run;
    run.exited = WIFEXITED(status);
    if (run.exited) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    return run;
}

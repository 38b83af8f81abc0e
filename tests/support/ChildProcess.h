#pragma once
// A piece of a test run in a child process, for what must not touch the test process itself: a
// file-size limit, another user, a signal that ends the process.
#include <functional>
#include <string>

struct ChildRun {
    bool exited = false;  // ended by exiting, not by a signal
    int exitCode = -1;
    int signal = 0;       // the signal that ended it
    std::string output;   // the text the body returned
};

// The user and group id of "nobody", for what must run as an ordinary user.
constexpr unsigned kNobody = 65534;

// Makes this (child) process user and group "nobody"; false where it may not.
bool BecomeNobody();

// Gives this (child) process mounts of its own, none of them shared back: what it mounts then
// stays out of every other process's sight. False where it may not.
bool EnterPrivateMounts();

// Runs `body` in a forked child, whose text comes back through a pipe; the child exits with 0
// once the text is sent. The body may end the child itself, with _exit or by a signal.
ChildRun RunInChild(const std::function<std::string()>& body);

// What a child that is sent a signal does: `prepare` first, then `work`, during which the
// signal may come, and once the signal has been sent (and `work` is done) `report`, if the
// child still runs.
struct SignalledWork {
    std::function<void()> prepare = [] {};
    std::function<void()> work = [] {};
    std::function<std::string()> report = [] { return std::string(); };
};

// Runs `child` in a forked process that also runs a second, idle thread which leaves every
// signal unblocked (as the GUI program's threads do), so that a signal sent to the process may
// be taken by either thread. `signal` (0 for none) is sent as soon as `moment`, called in this
// process once `work` has begun, returns. A child that outlives ten seconds is ended by SIGALRM;
// SIGQUIT leaves no core file.
ChildRun RunInChildSignalled(const SignalledWork& child, int signal, const std::function<void()>& moment);

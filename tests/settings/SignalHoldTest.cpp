// A signal sent while a hold lives waits for the last hold to end, then meets the action the
// process has by then: the default ends the process by that signal, the program's handler runs
// once with the sender's details, an ignored signal stays ignored. The child runs a second
// thread, and the signal may be taken by it instead of the one holding.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "core/settings/SignalHold.h"

namespace {

// What the child saw, in memory shared with the test process.
struct Seen {
    std::atomic<int> handled;      // runs of the program's handler
    std::atomic<int> code, value;  // the last run's sender details
    std::atomic<int> duringHold;   // runs while the hold lived
    std::atomic<bool> held;        // the child was still there at the end of the hold
};

Seen* g_seen = nullptr;

void Handle(int, siginfo_t* info, void*)
{
    g_seen->code = info->si_code;
    g_seen->value = info->si_value.sival_int;
    ++g_seen->handled;
}

void Set(int signal, void (*handler)(int, siginfo_t*, void*), int flags)
{
    struct sigaction action {};
    action.sa_sigaction = handler;
    action.sa_flags = SA_SIGINFO | flags;
    ::sigaction(signal, &action, nullptr);
}

void Set(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    ::sigaction(signal, &action, nullptr);
}

const char* ActionName(int signal)
{
    struct sigaction action {};
    ::sigaction(signal, nullptr, &action);
    if (action.sa_handler == SIG_DFL) return "default";
    if (action.sa_handler == SIG_IGN) return "ignored";
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == Handle ? "handler" : "held";
}

// Sent with a value, as from another process, so that a handler can tell the delivery apart.
void Send(int signal)
{
    sigval value{};
    value.sival_int = 42;
    ::sigqueue(::getpid(), signal, value);
}

// Until a thread has taken the signal: one set to arrive later meets the action in force then.
void WaitTillTaken(int signal)
{
    sigset_t pending;
    for (int wait = 0; wait < 2000 && ::sigpending(&pending) == 0 && sigismember(&pending, signal); ++wait)
        ::usleep(1000);
}

enum class Before { Default, Handler, HandlerOnce, Ignored };

struct Case {
    const char* what;
    Before before;
    bool setDuringHold;   // the program sets its handler while the hold lives
    bool ends;            // the process ends by the signal once the hold is over
    const char* actions;  // else the action at the end of the hold, then after it
};

// The child's whole run: the action set, two holds taken, the signal sent, the inner hold
// ended (the signal still waits), then the outer one.
std::string HoldAndSend(int signal, const Case& c, bool otherThread)
{
    if (c.before == Before::Handler) Set(signal, Handle, 0);
    if (c.before == Before::HandlerOnce) Set(signal, Handle, SA_RESETHAND);
    if (c.before == Before::Ignored) Set(signal, SIG_IGN);
    if (otherThread) {  // this thread refuses it: only the child's idle thread can take it
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, signal);
        ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    }
    std::string during;
    {
        SignalHold hold;
        {
            SignalHold inner;
            Send(signal);
            WaitTillTaken(signal);
        }
        if (c.setDuringHold) Set(signal, Handle, 0);
        ::usleep(20000);  // time for another thread to act on it, were it not held
        g_seen->duringHold = g_seen->handled.load();
        g_seen->held = true;
        during = ActionName(signal);
    }
    // Another thread may take it a moment later.
    for (int wait = 0; g_seen->handled == 0 && c.before != Before::Ignored && wait < 2000; ++wait)
        ::usleep(1000);
    return during + " then " + ActionName(signal);
}

}  // namespace

TEST(SignalHold, TheHeldSignalMeetsTheProcesssActionOnceTheLastHoldEnds)
{
    const Case cases[] = {
        {"default action", Before::Default, false, true, ""},
        {"the program's handler", Before::Handler, false, false, "held then handler"},
        {"a handler for one run", Before::HandlerOnce, false, false, "held then default"},
        {"ignored", Before::Ignored, false, false, "ignored then ignored"},
        {"a handler set during the hold", Before::Default, true, false, "handler then handler"},
    };
    void* shared = ::mmap(nullptr, sizeof(Seen), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    g_seen = new (shared) Seen{};
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        for (const Case& c : cases) {
            for (bool otherThread : {false, true}) {
                SCOPED_TRACE(std::string(strsignal(signal)) + ", " + c.what + (otherThread ? ", other thread" : ""));
                new (shared) Seen{};
                const ChildRun run = RunInChildSignalled(
                    {.report = [&] { return HoldAndSend(signal, c, otherThread); }}, 0,
                    [] {});
                EXPECT_EQ(g_seen->duringHold, 0);
                EXPECT_TRUE(g_seen->held);
                if (c.ends) {
                    EXPECT_FALSE(run.exited);
                    EXPECT_EQ(run.signal, signal);
                    continue;
                }
                ASSERT_TRUE(run.exited) << "ended by " << run.signal;
                EXPECT_EQ(run.output, c.actions);
                const bool handled = c.before != Before::Ignored;
                EXPECT_EQ(g_seen->handled, handled ? 1 : 0);
                if (handled) {  // the sender's details, not the hold's
                    EXPECT_EQ(g_seen->code, SI_QUEUE);
                    EXPECT_EQ(g_seen->value, 42);
                }
            }
        }
    }
    ::munmap(shared, sizeof(Seen));
}

// The program that asked for the action during a hold was told of the recorder; put back after
// the hold, it passes what it records on to the action the program had.
TEST(SignalHold, ARecorderPutBackAfterTheHoldPassesTheSignalOn)
{
    const ChildRun run = RunInChildSignalled(
        {.report =
             [] {
                 struct sigaction seen {};
                 {
                     SignalHold hold;
                     ::sigaction(SIGTERM, nullptr, &seen);
                 }
                 ::sigaction(SIGTERM, &seen, nullptr);
                 ::kill(::getpid(), SIGTERM);
                 ::sleep(2);
                 return std::string("outlived the signal");
             }},
        0, [] {});
    EXPECT_FALSE(run.exited) << run.output;
    EXPECT_EQ(run.signal, SIGTERM);
}

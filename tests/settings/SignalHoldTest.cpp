// A signal sent while a hold lives waits for the last hold to end, then meets the action the
// process has by then: the default ends the process by that signal, the program's handler runs
// once with the sender's details, an ignored signal stays ignored. Several act in the order they
// came, and one sent to a thread goes back to it. The child runs a second thread, and the signal
// may be taken by it instead of the one holding.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <string>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include "ChildProcess.h"
#include "core/settings/SignalHold.h"

namespace {

// What the child saw, in memory shared with the test process.
struct Seen {
    std::atomic<int> handled;      // runs of the program's handler
    std::atomic<int> code, value;  // the last run's sender details
    std::atomic<int> sender;       // and its sender's pid
    std::atomic<int> thread;       // the thread it ran on
    std::atomic<int> order[4];     // the signals of the first runs
    std::atomic<int> duringHold;   // runs while the hold lived
    std::atomic<bool> held;        // the child was still there at the end of the hold
};

Seen* g_seen = nullptr;

pid_t ThisThread() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

void Handle(int signal, siginfo_t* info, void*)
{
    g_seen->code = info->si_code;
    g_seen->value = info->si_value.sival_int;
    g_seen->sender = info->si_pid;
    g_seen->thread = ThisThread();
    if (const int run = g_seen->handled; run < 4) g_seen->order[run] = signal;
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

// For two seconds at most.
template <class Done>
void WaitTill(Done done)
{
    for (int wait = 0; wait < 2000 && !done(); ++wait) ::usleep(1000);
}

// Until a thread has taken the signal: one set to arrive later meets the action in force then.
void WaitTillTaken(int signal)
{
    WaitTill([signal] {
        sigset_t pending;
        return ::sigpending(&pending) != 0 || !sigismember(&pending, signal);
    });
}

// A line of the system's account of one of this process's threads, after its key.
std::string ThreadStatus(pid_t thread, const std::string& key)
{
    std::ifstream status("/proc/self/task/" + std::to_string(thread) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return line.substr(key.size() + 1);
    return {};
}

// Whether the signal waits for the thread, or for the process as seen from there.
bool PendingOn(pid_t thread, int signal)
{
    for (const char* key : {"SigPnd", "ShdPnd"}) {
        const std::string pending = ThreadStatus(thread, key);
        if (!pending.empty() && ((std::stoull(pending, nullptr, 16) >> (signal - 1)) & 1) != 0) return true;
    }
    return false;
}

// Until the signal waits for nobody and every other thread sleeps again: the one that took it
// is done with it.
void WaitTillDealtWith(int signal)
{
    WaitTill([signal] {
        for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
            const pid_t thread = std::stoi(task.path().filename().string());
            if (PendingOn(thread, signal)) return false;
            if (thread != ThisThread() && ThreadStatus(thread, "State").find('S') == std::string::npos) return false;
        }
        return true;
    });
}

// The signals the handler ran for, in order.
std::string Runs()
{
    std::string runs;
    for (int run = 0; run < std::min(g_seen->handled.load(), 4); ++run)
        runs += std::string(runs.empty() ? "" : " ") + sigabbrev_np(g_seen->order[run]);
    return runs;
}

void BlockHere(int signal)
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

// Memory the child writes what it saw to, fresh for each run.
class SharedSeen {
public:
    SharedSeen()
        : m_memory(::mmap(nullptr, sizeof(Seen), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0))
    {
        if (m_memory != MAP_FAILED) g_seen = new (m_memory) Seen{};
    }
    ~SharedSeen()
    {
        if (m_memory != MAP_FAILED) ::munmap(m_memory, sizeof(Seen));
    }
    SharedSeen(const SharedSeen&) = delete;
    SharedSeen& operator=(const SharedSeen&) = delete;
    bool Ready() const { return m_memory != MAP_FAILED; }
    void Clear() { g_seen = new (m_memory) Seen{}; }

private:
    void* m_memory;
};

constexpr int kHeldSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

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
    if (otherThread) BlockHere(signal);  // only the child's idle thread can take it
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
    SharedSeen seen;
    ASSERT_TRUE(seen.Ready());
    for (int signal : kHeldSignals) {
        for (const Case& c : cases) {
            for (bool otherThread : {false, true}) {
                SCOPED_TRACE(std::string(strsignal(signal)) + ", " + c.what + (otherThread ? ", other thread" : ""));
                seen.Clear();
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

// Sent with kill(), as a terminal or another program sends it, while a thread other than the
// main one holds (the system queues such details again from the main thread alone): the
// handler sees the sending process.
TEST(SignalHold, AKillKeepsItsSenderWhereAThreadOtherThanTheMainOneEndsTheHold)
{
    SharedSeen seen;
    ASSERT_TRUE(seen.Ready());
    for (int signal : kHeldSignals) {
        SCOPED_TRACE(strsignal(signal));
        seen.Clear();
        std::thread holder;
        std::atomic<int> step{0};  // 1: the hold is taken, 2: time to end it
        const ChildRun run = RunInChildSignalled(
            {.prepare =
                 [&] {
                     Set(signal, Handle, 0);
                     holder = std::thread([&step] {
                         const SignalHold hold;
                         step = 1;
                         while (step != 2) ::usleep(1000);
                     });
                     WaitTill([&step] { return step == 1; });
                     BlockHere(signal);  // the holder or the idle thread takes it
                 },
             .report =
                 [&] {
                     WaitTillDealtWith(signal);
                     step = 2;
                     holder.join();
                     WaitTill([] { return g_seen->handled > 0; });
                     return std::string();
                 }},
            signal, [] {});
        ASSERT_TRUE(run.exited) << "ended by " << run.signal;
        EXPECT_EQ(g_seen->handled, 1);
        EXPECT_EQ(g_seen->code, SI_USER);
        EXPECT_EQ(g_seen->sender, ::getpid());
    }
}

struct TwoSignals {
    const char* what;
    int first, second;  // sent in this order while one hold lives
    bool firstHandled, secondHandled;  // else the default action
    bool otherThread;   // the holding thread blocks both: the child's idle thread takes them
    int endsBy;         // 0: the process goes on
    const char* runs;   // of the handler, in order
};

// The handler, whose run no other of the four cuts short: one that comes meanwhile waits.
void SetWhole(int signal)
{
    struct sigaction action {};
    action.sa_sigaction = Handle;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    for (int held : kHeldSignals) sigaddset(&action.sa_mask, held);
    ::sigaction(signal, &action, nullptr);
}

// The system delivers waiting signals lowest number first; these must act as they came.
TEST(SignalHold, TwoSignalsDuringOneHoldActInTheOrderTheyCame)
{
    constexpr TwoSignals cases[] = {
        {"hangup, then interrupt", SIGHUP, SIGINT, false, false, false, SIGHUP, ""},
        {"interrupt, then terminate", SIGINT, SIGTERM, false, false, false, SIGINT, ""},
        {"hangup handled, then interrupt", SIGHUP, SIGINT, true, false, false, SIGINT, "HUP"},
        {"quit, then hangup, both handled", SIGQUIT, SIGHUP, true, true, false, 0, "QUIT HUP"},
        {"interrupt, then terminate, both handled", SIGINT, SIGTERM, true, true, false, 0, "INT TERM"},
        {"hangup, then interrupt, another thread", SIGHUP, SIGINT, false, false, true, SIGHUP, ""},
        {"quit, then hangup, both handled by another thread", SIGQUIT, SIGHUP, true, true, true, 0, "QUIT HUP"},
    };
    SharedSeen seen;
    ASSERT_TRUE(seen.Ready());
    for (const TwoSignals& c : cases) {
        SCOPED_TRACE(c.what);
        seen.Clear();
        const ChildRun run = RunInChildSignalled(
            {.report =
                 [&c] {
                     if (c.firstHandled) SetWhole(c.first);
                     if (c.secondHandled) SetWhole(c.second);
                     if (c.otherThread) {
                         BlockHere(c.first);
                         BlockHere(c.second);
                     }
                     {
                         const SignalHold hold;
                         // Each recorded before the next is sent (by this thread before kill()
                         // returns, where it does not block them): they come in this order.
                         for (int signal : {c.first, c.second}) {
                             ::kill(::getpid(), signal);
                             WaitTillDealtWith(signal);
                         }
                     }
                     WaitTill([] { return g_seen->handled == 2; });
                     return std::string();
                 }},
            0, [] {});
        EXPECT_EQ(run.signal, c.endsBy);
        EXPECT_EQ(run.exited, c.endsBy == 0);
        EXPECT_EQ(Runs(), c.runs);
    }
}

// A thread waits in read(), and the program's handler lets the call fail with EINTR rather than
// go on. The signal sent to that thread alone while another holds goes back to it.
TEST(SignalHold, ASignalSentToOneThreadGoesBackToIt)
{
    SharedSeen seen;
    ASSERT_TRUE(seen.Ready());
    for (int signal : kHeldSignals) {
        SCOPED_TRACE(strsignal(signal));
        seen.Clear();
        const ChildRun run = RunInChildSignalled(
            {.report =
                 [signal] {
                     Set(signal, Handle, 0);
                     int fds[2];
                     if (::pipe(fds) != 0) return std::string("no pipe");
                     std::atomic<pid_t> reader{0};
                     std::atomic<int> outcome{0};  // 1: interrupted, 2: read on
                     std::thread thread([&] {
                         reader = ThisThread();
                         char byte;
                         outcome = ::read(fds[0], &byte, 1) < 0 && errno == EINTR ? 1 : 2;
                     });
                     WaitTill([&] {  // asleep in read()
                         return reader != 0 && ThreadStatus(reader, "State").find('S') != std::string::npos;
                     });
                     {
                         const SignalHold hold;
                         ::pthread_kill(thread.native_handle(), signal);
                         WaitTillDealtWith(signal);
                     }
                     WaitTill([&] { return outcome != 0; });
                     if (outcome == 0 && ::write(fds[1], "x", 1) != 1) std::abort();  // lets it go
                     thread.join();
                     return std::string(outcome == 1 ? "interrupted" : "read on") +
                            (g_seen->thread == reader ? ", handled there" : ", handled elsewhere");
                 }},
            0, [] {});
        ASSERT_TRUE(run.exited) << "ended by " << run.signal;
        EXPECT_EQ(run.output, "interrupted, handled there");
        EXPECT_EQ(g_seen->handled, 1);
        EXPECT_EQ(g_seen->code, SI_TKILL);
    }
}

namespace {
std::atomic<int> g_holdsInHandler{0};
}  // namespace

// The program's handler writes a file too, and may come while its thread takes or ends a hold.
TEST(SignalHold, AHandlerThatHoldsMayComeWhileItsThreadTakesOrEndsAHold)
{
    const ChildRun run = RunInChildSignalled(
        {.report =
             [] {
                 Set(SIGTERM, [](int) {
                     const SignalHold hold;
                     ++g_holdsInHandler;
                 });
                 std::atomic<bool> sent{false};
                 const pthread_t writer = ::pthread_self();
                 std::thread sender([&] {
                     for (int i = 0; i < 2000; ++i) {
                         ::pthread_kill(writer, SIGTERM);
                         ::usleep(50);
                     }
                     sent = true;
                 });
                 while (!sent) {
                     const SignalHold hold;
                 }
                 sender.join();
                 return std::string(g_holdsInHandler > 0 ? "held in the handler" : "no handler ran");
             }},
        0, [] {});
    ASSERT_TRUE(run.exited) << "ended by " << run.signal;  // SIGALRM: it hung
    EXPECT_EQ(run.output, "held in the handler");
}

#include "core/settings/SignalHold.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
constexpr int kCount = static_cast<int>(std::size(kSignals));

// A held signal's record: none, being written down by the recorder, or written down.
enum : int { kNone, kWriting, kRecorded };

struct HeldSignal {
    struct sigaction saved {};  // the program's action, back when the last hold ends
    bool replaced = false;      // the recorder stands in for it (under g_mutex)
    std::atomic<int> record{kNone};
    siginfo_t info{};           // the recorded delivery, unchanged while kRecorded
};

// The recorder takes no mutex: it may run on the very thread that holds one.
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

// Constant-initialized: ready for a write made while other files' statics are set up.
constinit HeldSignal g_held[kCount];
constinit std::mutex g_mutex;  // between threads that take and end holds
constinit int g_holds = 0;     // under g_mutex
constinit std::atomic<bool> g_active{false};  // a hold is in force
// Taken by whoever swaps the actions or passes records on. A thread spins for it only outside
// the recorder, whose holder on another thread lets go after a few system calls; the recorder
// itself only tries.
constinit std::atomic_flag g_busy = ATOMIC_FLAG_INIT;

void Record(int sig, siginfo_t* info, void*);

bool IsRecorder(const struct sigaction& action)
{
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == Record;
}

void TakeBusy()
{
    while (g_busy.test_and_set()) {
    }
}

// The program's action back, unless the program has put another in the recorder's place.
// Under g_busy.
void PutBack(int i)
{
    struct sigaction current {};
    if (::sigaction(kSignals[i], nullptr, &current) == 0 && IsRecorder(current))
        ::sigaction(kSignals[i], &g_held[i].saved, nullptr);
}

bool AnyRecorded()
{
    for (const HeldSignal& held : g_held)
        if (held.record.load() == kRecorded) return true;
    return false;
}

// To the process rather than this thread, so that like a signal from outside it reaches a
// thread that does not block it; with the sender's details, for a handler that reads them.
void Resend(int sig, siginfo_t info)
{
    if (::syscall(SYS_rt_sigqueueinfo, ::getpid(), sig, &info) != 0) ::kill(::getpid(), sig);
}

// Sends each recorded signal on to the program's action while no hold is in force. One that
// finds another at it leaves the records to them, as they look again once done; outside
// g_busy, so that a handler the signal runs here may itself write a file.
void PassOn()
{
    while (!g_active.load() && AnyRecorded()) {
        if (g_busy.test_and_set()) return;
        if (g_active.load()) {  // a hold came first: the records wait for its end
            g_busy.clear();
            return;
        }
        int due[kCount];
        siginfo_t infos[kCount];
        int count = 0;
        for (int i = 0; i < kCount; ++i) {
            HeldSignal& held = g_held[i];
            if (held.record.load() != kRecorded) continue;
            infos[count] = held.info;
            due[count++] = kSignals[i];
            held.record.store(kNone);
            PutBack(i);  // the program may have put the recorder back after the holds ended
        }
        g_busy.clear();
        for (int k = 0; k < count; ++k) Resend(due[k], infos[k]);
    }
}

// Only what is async-signal-safe. Deliveries before the record is passed on merge into one,
// as deliveries of a pending signal do.
void Record(int sig, siginfo_t* info, void*)
{
    const int error = errno;
    for (int i = 0; i < kCount; ++i) {
        if (kSignals[i] != sig) continue;
        int none = kNone;
        if (g_held[i].record.compare_exchange_strong(none, kWriting)) {
            g_held[i].info = *info;
            g_held[i].record.store(kRecorded);
        }
    }
    PassOn();  // arrived as the last hold ended
    errno = error;
}

}  // namespace

SignalHold::SignalHold()
{
    std::lock_guard lock(g_mutex);
    if (g_holds++ > 0) return;
    struct sigaction recorder {};
    recorder.sa_sigaction = Record;
    recorder.sa_flags = SA_SIGINFO | SA_RESTART;
    ::sigemptyset(&recorder.sa_mask);
    for (int sig : kSignals) ::sigaddset(&recorder.sa_mask, sig);
    TakeBusy();
    for (int i = 0; i < kCount; ++i) {
        HeldSignal& held = g_held[i];
        // Swapped in one step, so that an action the program sets meanwhile is not lost.
        struct sigaction previous {};
        held.replaced = ::sigaction(kSignals[i], &recorder, &previous) == 0;
        if (!held.replaced) continue;
        if (previous.sa_handler == SIG_IGN) {
            ::sigaction(kSignals[i], &previous, nullptr);
            held.replaced = false;
        } else if (!IsRecorder(previous)) {
            held.saved = previous;
        }
    }
    g_active.store(true);
    g_busy.clear();
}

SignalHold::~SignalHold()
{
    {
        std::lock_guard lock(g_mutex);
        if (--g_holds > 0) return;
        TakeBusy();
        g_active.store(false);
        for (int i = 0; i < kCount; ++i)
            if (g_held[i].replaced) PutBack(i);
        g_busy.clear();
    }
    PassOn();
}

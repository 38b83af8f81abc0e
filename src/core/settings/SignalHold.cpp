#include "core/settings/SignalHold.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <iterator>
#include <mutex>
#include <pthread.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
constexpr int kCount = static_cast<int>(std::size(kSignals));

// A held signal's record: none, being written down by the recorder, or written down.
enum : int { kNone, kWriting, kRecorded };

// One delivery as it came: to pass on in its turn, to its thread, with its details.
struct Delivery {
    int signal = 0;
    siginfo_t info{};
    pid_t thread = 0;      // the thread the recorder ran on
    unsigned arrival = 0;  // from g_arrivals
};

struct HeldSignal {
    struct sigaction saved {};  // the program's action, back when the last hold ends
    bool replaced = false;      // the recorder stands in for it (under g_mutex)
    std::atomic<int> record{kNone};
    Delivery delivery;          // unchanged while kRecorded
};

// The recorder takes no lock: it may interrupt any code, the program's included.
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free &&
              std::atomic<unsigned>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free);

// Constant-initialized: ready for a write made while other files' statics are set up.
constinit HeldSignal g_held[kCount];
constinit std::mutex g_mutex;  // between threads that take and end holds
constinit int g_holds = 0;     // under g_mutex
constinit std::atomic<bool> g_active{false};  // a hold is in force
constinit std::atomic<unsigned> g_arrivals{0};
// The thread that passes a record on, if any: another leaves the records to it, so that each
// acts before the next is sent. A hold that begins lets go of it for one whose handler never
// returned.
constinit std::atomic<pid_t> g_passer{0};
// Taken by whoever swaps the actions or picks a record to pass on, with every signal blocked on
// its thread (AllBlocked): so no handler, the recorder included, runs where it is held. A thread
// spins for it only outside the recorder, while its holder on another thread lets go after a
// few system calls; the recorder itself only tries.
constinit std::atomic_flag g_busy = ATOMIC_FLAG_INIT;

pid_t ThisThread() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

// For a thread that holds g_mutex or g_busy: no handler runs there, so none that takes or ends
// a hold waits for what its own thread holds.
class AllBlocked {
public:
    AllBlocked()
    {
        sigset_t all;
        ::sigfillset(&all);
        ::pthread_sigmask(SIG_SETMASK, &all, &m_before);
    }
    ~AllBlocked() { ::pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }
    AllBlocked(const AllBlocked&) = delete;
    AllBlocked& operator=(const AllBlocked&) = delete;

private:
    sigset_t m_before;
};

void Record(int sig, siginfo_t* info, void* context);

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

// pthread_kill, tgkill and raise aim at one thread; the kernel lets nobody else queue their code.
bool ToOneThread(const siginfo_t& info) { return info.si_code == SI_TKILL; }

// To this thread: the kernel takes any details for oneself, and delivers before the call
// returns where the thread does not block it outside the recorder (`normal`). In the recorder,
// whose mask holds the four back, this one is let through for the call.
void ToThisThread(const Delivery& delivery, const sigset_t& normal)
{
    sigset_t one, before;
    ::sigemptyset(&one);
    if (!::sigismember(&normal, delivery.signal)) ::sigaddset(&one, delivery.signal);
    ::pthread_sigmask(SIG_UNBLOCK, &one, &before);
    siginfo_t info = delivery.info;
    ::syscall(SYS_rt_tgsigqueueinfo, ::getpid(), ThisThread(), delivery.signal, &info);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

// To the process, for a thread that does not block it. Its details are kept where the kernel
// lets them be queued; kill()'s else. While another record waits, waited for until a thread
// takes it, so that it acts first; for a second at most, as none may.
void ToProcess(const Delivery& delivery)
{
    siginfo_t info = delivery.info;
    if (::syscall(SYS_rt_sigqueueinfo, ::getpid(), delivery.signal, &info) != 0)
        ::kill(::getpid(), delivery.signal);
    const timespec millisecond{0, 1000000};
    sigset_t pending;
    for (int wait = 0; wait < 1000 && AnyRecorded() && ::sigpending(&pending) == 0 &&
                       ::sigismember(&pending, delivery.signal);
         ++wait)
        ::nanosleep(&millisecond, nullptr);
}

// Where the delivery would have gone: back to the thread it was sent to, else to this thread
// unless it blocks the signal, else to the process. `normal` is this thread's mask outside the
// recorder; the recorder's context has only the system's first word of it, so it is read with
// sigismember alone.
void Send(const Delivery& delivery, const sigset_t& normal)
{
    if (ToOneThread(delivery.info)) {
        if (delivery.thread == ThisThread()) return ToThisThread(delivery, normal);
        // Its sender becomes this process, as it was for one the process sent itself.
        if (::syscall(SYS_tgkill, ::getpid(), delivery.thread, delivery.signal) == 0 || errno != ESRCH)
            return;
        // That thread has ended: the process takes it.
    }
    if (::sigismember(&normal, delivery.signal))
        ToProcess(delivery);
    else
        ToThisThread(delivery, normal);
}

// The earliest record, taken out of the table; its signal's action is put back, as the program
// may have put the recorder back after the holds ended. Under g_busy.
bool TakeEarliest(Delivery& earliest)
{
    int first = -1;
    for (int i = 0; i < kCount; ++i) {
        if (g_held[i].record.load() != kRecorded) continue;
        // Wrapping arithmetic: the counter may have come round.
        if (first < 0 || static_cast<int>(g_held[i].delivery.arrival - g_held[first].delivery.arrival) < 0)
            first = i;
    }
    if (first < 0) return false;
    earliest = g_held[first].delivery;
    g_held[first].record.store(kNone);
    PutBack(first);
    return true;
}

// Sends the records on to the program's actions while no hold is in force, one at a time in
// the order they came. One that finds another at it leaves the records to them, as they look
// again once done. Outside g_busy, so that a handler the signal runs here may itself write a
// file (and pass on what is recorded meanwhile).
void PassOn(const sigset_t& normal)
{
    const pid_t self = ThisThread();
    while (!g_active.load() && AnyRecorded()) {
        Delivery delivery;
        {
            const AllBlocked blocked;
            if (g_busy.test_and_set()) return;
            const pid_t passer = g_passer.load();
            const bool mine = passer == 0 || passer == self;
            // A hold that came first keeps them.
            const bool taken = mine && !g_active.load() && TakeEarliest(delivery);
            if (taken) g_passer.store(self);
            g_busy.clear();
            if (!mine) return;
            if (!taken) continue;
        }
        Send(delivery, normal);
        pid_t passer = self;
        g_passer.compare_exchange_strong(passer, 0);
    }
}

// Only what is async-signal-safe. Deliveries before the record is passed on merge into one,
// as deliveries of a pending signal do; the first one's details stay.
void Record(int sig, siginfo_t* info, void* context)
{
    const int error = errno;
    for (int i = 0; i < kCount; ++i) {
        if (kSignals[i] != sig) continue;
        int none = kNone;
        if (g_held[i].record.compare_exchange_strong(none, kWriting)) {
            g_held[i].delivery = {sig, *info, ThisThread(), g_arrivals.fetch_add(1)};
            g_held[i].record.store(kRecorded);
        }
    }
    PassOn(static_cast<const ucontext_t*>(context)->uc_sigmask);  // arrived as the last hold ended
    errno = error;
}

}  // namespace

SignalHold::SignalHold()
{
    const AllBlocked blocked;
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
    g_passer.store(0);
    g_busy.clear();
}

SignalHold::~SignalHold()
{
    {
        const AllBlocked blocked;
        std::lock_guard lock(g_mutex);
        if (--g_holds > 0) return;
        TakeBusy();
        g_active.store(false);
        for (int i = 0; i < kCount; ++i)
            if (g_held[i].replaced) PutBack(i);
        g_busy.clear();
    }
    const int error = errno;
    sigset_t normal;
    ::pthread_sigmask(SIG_BLOCK, nullptr, &normal);
    PassOn(normal);
    errno = error;
}

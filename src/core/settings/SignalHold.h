#pragma once
// Keeping the signals that end a program (SIGTERM, SIGINT, SIGHUP, SIGQUIT) from cutting a
// file write short.

// While any hold lives, in any thread, each of the four signals that the process does not
// ignore is only recorded; further deliveries of a recorded signal merge into its record, which
// keeps the first one's details. When the last hold ends, the actions the process had are back
// and the records are sent again one at a time, in the order they came: each ends the process,
// runs the program's handler or is ignored, as it would have done on arrival, before the next is
// sent. An action the program installs while a hold lives stays in force after it. A handler
// may take a hold itself.
//
// Where a record goes, and which of its sender's details (si_code, si_pid, si_uid, si_value)
// the program's handler sees. A record is passed on by the thread that ends the last hold (or by
// one that takes a signal just as it ends):
// - One sent to the process goes to that thread, with all of them, unless that thread blocks
//   it. Then it goes to the process, to be taken by a thread that does not block it, and a
//   next record waits for that (a second at most). There it keeps them if the main thread passes
//   it on or if it was queued (sigqueue, timers, message queues, asynchronous I/O: si_code below
//   0); else, as for one sent with kill() or by the system (a terminal, another program: si_code
//   0 or more), the handler sees a kill() from this process.
// - One sent to a single thread (pthread_kill, tgkill, raise: si_code SI_TKILL) goes back to
//   that thread. Where that thread passes it on, all details are kept; else the sender becomes
//   this process (as it was for one this process sent itself), and the next record does not
//   wait for it to act. One whose thread has ended goes to the process as the first kind, and
//   keeps its details as one sent with kill() does.
// A system call that the recorder cuts short goes on (SA_RESTART), even where the program's
// handler, passed the record on at once by the recorder for a signal that comes just as the
// last hold ends, would have it fail with EINTR. Where a handler does not return (siglongjmp),
// the records after its own wait for the end of the next hold.
class SignalHold {
public:
    SignalHold();
    ~SignalHold();
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;
};

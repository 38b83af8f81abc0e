#pragma once
// Keeping the signals that end a program (SIGTERM, SIGINT, SIGHUP, SIGQUIT) from cutting a
// file write short.

// While any hold lives, in any thread, each of the four signals that the process does not
// ignore is only recorded. When the last hold ends, the actions the process had are back and
// every recorded signal is sent to the process again, with its sender's details: it ends the
// process, runs the program's handler or is ignored, as it would have done on arrival. An
// action the program installs while a hold lives stays in force after it.
class SignalHold {
public:
    SignalHold();
    ~SignalHold();
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;
};

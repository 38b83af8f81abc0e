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

// Runs `body` in a forked child, whose text comes back through a pipe; the child exits with 0
// once the text is sent. The body may end the child itself, with _exit or by a signal.
ChildRun RunInChild(const std::function<std::string()>& body);

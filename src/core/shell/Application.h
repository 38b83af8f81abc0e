#pragma once
// The application object: an exception that escapes an event handler is shown in the
// application's exception box, and the event loop goes on.
#include <QApplication>
#include <functional>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the work; an exception it raises is shown in the exception box (one that is not a
    // std::exception with an empty message) and the result is then `failed`.
    static bool Guarded(const std::function<bool()>& work, bool failed = false);
};

#include "core/shell/Application.h"

#include <stdexcept>

#include "platform/Dialogs.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    return Guarded([&] { return QApplication::notify(receiver, event); });
}

bool TApplication::Guarded(const std::function<bool()>& work, bool failed)
{
    try {
        return work();
    } catch (const std::exception& e) {
        platform::ExceptionBox(e);
    } catch (...) {
        platform::ExceptionBox(std::runtime_error(""));
    }
    return failed;
}

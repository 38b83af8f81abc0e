#include "platform/Dialogs.h"

#include <cstdio>

namespace platform {
namespace {

// Used where no GUI is running: tells the box on stderr and answers as a user pressing
// the default button would; file dialogs are cancelled.
class ConsoleDialogs final : public Dialogs {
public:
    BoxAnswer ShowMessage(BoxKind, const std::string& caption, const std::string& text,
                          BoxButtons buttons) override
    {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    std::optional<std::string> OpenFile(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogOptions&) override { return std::nullopt; }
    void ShowException(const std::string& text) override
    {
        std::fprintf(stderr, "[Exception] %s\n", text.c_str());
    }
};

ConsoleDialogs g_console;
Dialogs* g_current = &g_console;

}  // namespace

Dialogs& GetDialogs() { return *g_current; }

Dialogs* SetDialogs(Dialogs* dialogs)
{
    Dialogs* previous = g_current;
    g_current = dialogs ? dialogs : &g_console;
    return previous == &g_console ? nullptr : previous;
}

void ErrorBox(const std::string& text)
{
    g_current->ShowMessage(BoxKind::Error, "Error", text, BoxButtons::Ok);
}

void WarningBox(const std::string& text)
{
    g_current->ShowMessage(BoxKind::Warning, "Warning", text, BoxButtons::Ok);
}

void InformationBox(const std::string& text)
{
    g_current->ShowMessage(BoxKind::Information, "Information", text, BoxButtons::Ok);
}

bool WarningYesNo(const std::string& text)
{
    return g_current->ShowMessage(BoxKind::Warning, "Warning", text, BoxButtons::YesNo) ==
           BoxAnswer::Yes;
}

bool ConfirmYesNo(const std::string& caption, const std::string& text)
{
    return g_current->ShowMessage(BoxKind::Confirmation, caption, text, BoxButtons::YesNo) ==
           BoxAnswer::Yes;
}

void ExceptionBox(const std::exception& e) { g_current->ShowException(e.what()); }

}  // namespace platform

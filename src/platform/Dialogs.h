#pragma once
// The one seam through which the program shows message boxes, file dialogs and the
// exception box. The GUI installs real dialogs; tests install a scripted set.
#include <exception>
#include <optional>
#include <string>

namespace platform {

enum class BoxKind { Error, Warning, Information, Confirmation };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct FileDialogOptions {
    std::string folder;        // where the dialog starts (local 8-bit path)
    std::string filter;        // Qt form: "Text (*.txt *.TXT)"; several separated by ";;"
    std::string proposedName;  // file name offered in a save dialog
    std::string defaultSuffix; // added by a save dialog when the user types none
    std::string title{};       // the dialog's caption: what it does
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual BoxAnswer ShowMessage(BoxKind kind, const std::string& caption, const std::string& text,
                                  BoxButtons buttons) = 0;
    // The chosen path, or nothing on Cancel.
    virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogOptions& options) = 0;
    virtual void ShowException(const std::string& text) = 0;
};

// The installed dialogs; a plain console set until something else is installed.
Dialogs& GetDialogs();
// Installs a set (nullptr restores the console set) and returns the one it replaces.
Dialogs* SetDialogs(Dialogs* dialogs);

// The program's boxes, with their fixed captions.
void ErrorBox(const std::string& text);        // "Error", OK
void WarningBox(const std::string& text);      // "Warning", OK
void InformationBox(const std::string& text);  // "Information", OK
bool WarningYesNo(const std::string& text);    // "Warning", Yes/No; true on Yes
bool ConfirmYesNo(const std::string& caption, const std::string& text);
// The application's standard exception box.
void ExceptionBox(const std::exception& e);

}  // namespace platform

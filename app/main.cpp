#include <QIcon>
#include <clocale>

#include "core/shell/Application.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
#include "platform/Environment.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    platform::IgnoreFileSizeSignal();
    TApplication app(argc, argv);
    // Qt takes the locale from the environment; generated numbers must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Pinwright");
    platform::qt::InstallQtPlatform();
    RegisterPictures();
    QApplication::setWindowIcon(QIcon(platform::qt::LoadBitmap(pictures::kProgramIcon)));

    TFormMain* mainForm = nullptr;
    TApplication::Guarded([&] {
        mainForm = new TFormMain();
        platform::qt::SetDialogParent(mainForm);
        mainForm->show();
        app.exec();
        return true;
    });
    delete mainForm;
    return 0;
}

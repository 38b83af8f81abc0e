#include <QApplication>
#include <QMainWindow>
#include <clocale>

#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; generated numbers must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Pinwright");
    platform::qt::InstallQtPlatform();

    QMainWindow window;
    window.setWindowTitle("Pinwright");
    window.resize(789, 536);
    window.show();
    platform::qt::SetDialogParent(&window);
    return app.exec();
}

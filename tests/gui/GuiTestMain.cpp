// GUI tests run inside one QApplication on the offscreen platform, started as the program starts.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

#include "platform/Environment.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv)
{
    platform::IgnoreFileSizeSignal();
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    platform::qt::InstallQtPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

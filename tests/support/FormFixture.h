#pragma once
// What the GUI tests share (only they include it): the executable's folder in a fresh
// temporary folder, scripted dialogs, a fixed clock, and helpers that act as the user would.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "core/shell/Pictures.h"
#include "platform/Environment.h"

class GuiTest : public ::testing::Test {
protected:
    GuiTest()
    {
        platform::SetExeDirOverride(dir.Path());
        std::tm now{};
        now.tm_year = 2024 - 1900;
        now.tm_mon = 2;
        now.tm_mday = 14;
        now.tm_hour = 9;
        now.tm_min = 30;
        platform::SetNowOverride(now);
        RegisterPictures();
    }
    ~GuiTest() override
    {
        platform::SetExeDirOverride(std::nullopt);
        platform::SetNowOverride(std::nullopt);
    }

    tooltest::TempDir dir;
    tooltest::ScriptedDialogs dialogs;
};

// The user picks an entry of a combo box.
inline void Pick(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The entry texts of a combo box.
inline std::vector<std::string> Items(const QComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
}

// Runs `answer` on the modal dialog that `open` brings up, once it runs.
inline void WithModal(const std::function<void(QWidget*)>& answer, const std::function<void()>& open)
{
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answered = true;
        answer(modal);
        // A dialog the answer failed to end would hang the test: end it and say so.
        if (modal->isVisible() && QApplication::activeModalWidget() == modal) {
            ADD_FAILURE() << "the dialog is still open";
            modal->hide();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
        }
    });
    open();
    EXPECT_TRUE(answered);
}

#pragma once
// What the GUI tests share (only they include it): the executable's folder in a fresh
// temporary folder, scripted dialogs, a fixed clock, and helpers that act as the user would.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "ToolCheck.h"
#include "cards/DaughterBoardInfo.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
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

// A board form opened through the factory, the way the main window opens it, and the
// controls a test reads by their names.
template <class Form, uint8_t BoardId = 0>
class BoardFormFixture : public GuiTest {
protected:
    ~BoardFormFixture() override { platform::SetCtrlDownProvider(nullptr); }

    // A new main window showing the board's form; the main window's caption before the form
    // came is kept in mainTitle.
    void Open(uint8_t boardId)
    {
        main.reset();
        main = std::make_unique<TFormMain>();
        main->show();
        mainTitle = main->windowTitle().toStdString();
        if (main->CurrentBoardId != boardId) main->CreateBoardForm(boardId);
        form = dynamic_cast<Form*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }
    void Open() { Open(BoardId); }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        T* control = form->template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo(const char* name = "ComboBoxGpio") { return Get<QComboBox>(name); }
    QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    void Press(const char* button) { Get<QPushButton>(button)->click(); }
    void Click(const char* button) { Press(button); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
    std::string Current(const char* name) { return Combo(name)->currentText().toStdString(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }

    std::unique_ptr<TFormMain> main;
    std::string mainTitle;
    Form* form = nullptr;
};

// The named controls the keyboard reaches from `first`, in order, once round.
inline std::vector<std::string> TabChain(const QWidget* form, QWidget* first)
{
    std::vector<std::string> order;
    QWidget* w = first;
    do {
        if (form->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) &&
            !w->objectName().isEmpty())
            order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

// A settings record as a file holds it, byte for byte.
template <class Record>
void WriteRecordFile(const std::string& path, const Record& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

template <class Record>
Record ReadRecordFile(const std::string& path)
{
    Record record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

// The display names of card ids, as a card combo lists them.
inline std::vector<std::string> CardNames(std::initializer_list<int> ids)
{
    std::vector<std::string> names;
    for (int id : ids) names.push_back(BoardName(static_cast<uint8_t>(id)));
    return names;
}

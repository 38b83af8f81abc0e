#pragma once
// A board form opened in a fresh main window, with the helpers the form tests act through,
// and the record and project files they read and write. GUI tests only.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"
#include "platform/Environment.h"

template <class Form, uint8_t BoardId>
class BoardFormFixture : public GuiTest {
protected:
    ~BoardFormFixture() override { platform::SetCtrlDownProvider(nullptr); }

    // A new main window showing the board's form; the main window's caption before the form
    // came is kept in mainTitle.
    void Open()
    {
        main.reset();
        main = std::make_unique<TFormMain>();
        main->show();
        mainTitle = main->windowTitle().toStdString();
        main->CreateBoardForm(BoardId);
        form = dynamic_cast<Form*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        return formlayout::FindControl<T>(form, name);
    }
    QComboBox* Combo() { return Get<QComboBox>("ComboBoxGpio"); }
    QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }

    std::unique_ptr<TFormMain> main;
    std::string mainTitle;
    Form* form = nullptr;
};

template <class Record>
void WriteRecordFile(const std::string& path, const Record& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

// The record a file holds; a short file fails the test and leaves 0xEE in what it lacked.
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

// Every project file under a folder, sorted.
inline std::vector<std::string> ProjectFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".qpf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

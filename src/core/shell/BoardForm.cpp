#include "core/shell/BoardForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "core/settings/ProjectName.h"
#include "core/settings/RecordText.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Format.h"
#include "platform/qt/QtPlatform.h"

TBoardForm::TBoardForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth,
                       int clientHeight, const char* caption)
    : QWidget(owner)
{
    setWindowTitle(QString::fromLatin1(caption));
    setFixedSize(clientWidth, clientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, formlayout::kFormColour);
    setPalette(colours);
    setAutoFillBackground(true);
    QFont text = font();
    text.setPixelSize(formlayout::kFontPixelSize);
    setFont(text);

    formlayout::BuildControls(this, layout);
    Control<QLineEdit>("EditProjectName")->setMaxLength(static_cast<int>(kRecordTextMax));

    struct Handler {
        const char* button;
        void (TBoardForm::*click)();
    };
    static constexpr Handler kHandlers[] = {
        {"ButtonSave", &TBoardForm::ButtonSaveClick},
        {"ButtonLoad", &TBoardForm::ButtonLoadClick},
        {"ButtonGen", &TBoardForm::ButtonGenClick},
        {"ButtonExit", &TBoardForm::ButtonExitClick},
        {"ButtonMainBoardSelect", &TBoardForm::ButtonMainBoardSelectClick},
    };
    for (const Handler& handler : kHandlers) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(handler.button));
        if (button) connect(button, &QPushButton::clicked, this, [this, click = handler.click] { (this->*click)(); });
    }
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, [this] { UpdateShapes(); });
}

TBoardForm::~TBoardForm() = default;

TBoardForm::SettingsFiles& TBoardForm::Files() const
{
    PW_CHECK(m_holder != nullptr);
    return *m_holder;
}

void TBoardForm::RunStartup()
{
    FillComboBoxes();
    Files().SetLastDir(platform::ExeDir());
    if (!Files().LoadDefault()) ApplyDefaultConfig();
    ConfigToForm();
    UpdateDaughterCombos();
}

std::string TBoardForm::ProjectName() const
{
    return platform::qt::ToLatin1(Control<QLineEdit>("EditProjectName")->text());
}

bool TBoardForm::CheckProjectName() const
{
    if (!ProjectName().empty()) return true;
    platform::ErrorBox("Project Name cannot be empty.");
    return false;
}

bool TBoardForm::CheckGenerateProjectName() const { return ::CheckGenerateProjectName(ProjectName()); }

void TBoardForm::ButtonSaveClick()
{
    if (!ValidateInput()) return;
    FormToConfig();
    Files().SaveWithDialog();
}

void TBoardForm::ButtonLoadClick()
{
    if (!Files().LoadWithDialog()) return;
    ConfigToForm();
    UpdateDaughterCombos();
}

void TBoardForm::ButtonGenClick()
{
    if (!ValidateInput() || !CheckGenerateProjectName()) return;
    std::string projectFile = Files().SelectProjectFile(BoardFolderWord(), ProjectName());
    if (projectFile.empty() || !CheckProjectFileName(projectFile)) return;
    // The path goes into the boxes as the file system holds it (see platform/Dialogs.h).
    if (GenerateProject(projectFile)) {
        platform::InformationBox(platform::Format(
            "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n%s",
            platform::ExtractFilePath(projectFile).c_str()));
        ShowGenerateWarnings();
    } else {
        platform::ErrorBox(platform::Format("Failed to generate Quartus project: %s.",
                                            platform::ExtractFileName(projectFile).c_str()));
    }
}

void TBoardForm::ButtonExitClick()
{
    close();
    if (window() != this) window()->close();
}

void TBoardForm::ButtonMainBoardSelectClick()
{
    // Posted, so that the main window replaces this form only after this handler returned.
    QCoreApplication::postEvent(window(), new QEvent(WM_SELECT_MAINBOARD));
}

void TBoardForm::closeEvent(QCloseEvent* event)
{
    FormToConfig();
    Files().SaveDefault();
    event->accept();
}

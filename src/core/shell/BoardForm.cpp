#include "core/shell/BoardForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <qdrawutil.h>
#include <span>
#include <utility>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/CardChoice.h"
#include "core/settings/ProjectName.h"
#include "core/settings/RecordText.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Format.h"
#include "platform/qt/QtPlatform.h"

namespace {

// The boards name the button either way.
constexpr const char* kDefaultSettingButtons[] = {"ButtonDefaultSetting", "ButtonDefault"};

}  // namespace

TBoardForm::TBoardForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth,
                       int clientHeight, const char* caption, Options options)
    : QWidget(owner), m_options(options)
{
    setWindowTitle(QString::fromLatin1(caption));
    QWidget* client = this;
    if (m_options.dialogBorder) {
        setFixedSize(clientWidth + 2 * kDialogFrame, clientHeight + kDialogCaption + 2 * kDialogFrame);
        client = new QWidget(this);
        client->setGeometry(kDialogFrame, kDialogFrame + kDialogCaption, clientWidth, clientHeight);
    } else {
        setFixedSize(clientWidth, clientHeight);
    }
    if (m_options.formColour) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, formlayout::kFormColour);
        setPalette(colours);
    }
    setAutoFillBackground(true);
    QFont text = font();
    text.setPixelSize(formlayout::kFontPixelSize);
    setFont(text);

    formlayout::BuildControls(client, layout, m_options.outlinePen);
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
        {kDefaultSettingButtons[0], &TBoardForm::ButtonDefaultSettingClick},
        {kDefaultSettingButtons[1], &TBoardForm::ButtonDefaultSettingClick},
    };
    for (const Handler& handler : kHandlers) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(handler.button));
        if (button) connect(button, &QPushButton::clicked, this, [this, click = handler.click] { (this->*click)(); });
    }
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, [this, box] { CheckBoxClick(box); });
    if (m_options.defaultButton) Control<QPushButton>(m_options.defaultButton)->setDefault(true);
    if (m_options.mainBoardButton == MainBoardButton::Hidden)
        if (auto* button = findChild<QWidget*>(QStringLiteral("ButtonMainBoardSelect"))) button->setVisible(false);
}

TBoardForm::~TBoardForm() = default;

void TBoardForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier);
    QPushButton* defaultButton = nullptr;
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisibleTo(this) && button->isEnabled()) defaultButton = button;
    if (!enter || !defaultButton) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Outside a dialog a push button lets Enter pass; as on a dialog, the focused one takes it.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused && focused->isEnabled() ? focused : defaultButton)->click();
    event->accept();
}

TBoardForm::SettingsFiles& TBoardForm::Files() const
{
    PW_CHECK(m_holder != nullptr);
    return *m_holder;
}

void TBoardForm::RunStartup()
{
    FillComboBoxes();
    Files().SetLastDir(platform::ExeDir());
    if (!m_options.loadsDefault || !Files().LoadDefault()) ApplyDefaultConfig();
    ConfigToForm();
}

std::string TBoardForm::ProjectName() const
{
    return platform::qt::ToLatin1(Control<QLineEdit>("EditProjectName")->text());
}

void TBoardForm::SetProjectName(const std::string& latin1Name)
{
    Control<QLineEdit>("EditProjectName")->setText(platform::qt::FromLatin1(latin1Name));
}

bool TBoardForm::CheckProjectName() const { return ShowLastFailure(ProjectNameFailure()); }

std::optional<std::string> TBoardForm::ProjectNameFailure() const
{
    if (!ProjectName().empty()) return std::nullopt;
    return "Project Name cannot be empty.";
}

bool TBoardForm::ShowLastFailure(const std::optional<std::string>& message)
{
    if (!message) return true;
    platform::ErrorBox(*message);
    return false;
}

bool TBoardForm::RefuseCardWithoutPinMap(std::initializer_list<uint8_t> cardIds)
{
    return ::RefuseCardWithoutPinMap(std::span(cardIds.begin(), cardIds.size()));
}

void TBoardForm::ShowVoltageJumperWarning(const std::string& changed)
{
    platform::WarningBox(changed +
                         "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
                         "level.");
}

void TBoardForm::ShowHpsWarning()
{
    platform::InformationBox(std::string("===== HPS System warning =====\r\n") +
                             "To prevent any errors while compiling your Quartus project, \r\n" +
                             "please add the Altera HPS IP to your design.\r\n");
}

std::string TBoardForm::MemoryControllerNote(const std::string& memory)
{
    const char* m = memory.c_str();
    return platform::Format("===== %s Pinwright warning =====\r\n", m) +
           platform::Format("Please add the %s Controller IP to your Quartus project, follow by\r\n", m) +
           "the steps below to prevent any errors from occurring during compilation.\r\n\r\n" +
           platform::Format("1). Create correct pin assignment for %s.\r\n", m) +
           platform::Format("2). Setup correct parameters in %s controller dialog. \r\n", m) +
           platform::Format("3). Execute TCL files, generated by %s IP, under your Quartus project.\r\n", m) + "\r\n";
}

std::string TBoardForm::ProjectNotes(const std::string& memories, const std::string& transceivers)
{
    std::string notes;
    if (!memories.empty()) notes += MemoryControllerNote(memories);
    if (!transceivers.empty()) notes += TransceiverNote(transceivers);
    return notes;
}

std::string TBoardForm::TransceiverNote(const std::string& interfaces)
{
    return platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", interfaces.c_str()) +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
           "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
           "Transceiver IP to your design.\r\n";
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
    if (Files().LoadWithDialog())
        ConfigToForm();
    else if (m_options.reportsFailedLoad)
        platform::ErrorBox("Failed to load setting");
}

void TBoardForm::ButtonDefaultSettingClick()
{
    ApplyDefaultConfig();
    ConfigToForm();
}

void TBoardForm::ButtonGenClick()
{
    if (!ValidateInput()) return;
    const Batch batch = platform::IsCtrlDown() ? DaughterCardBatch() : Batch{};
    if (batch.beep) platform::Beep();
    if (!batch.passes.empty()) {
        // The batch names its projects itself: the user's name only has to make the folder
        // the dialog opens in.
        if (CheckProjectFolderName(ProjectName())) RunBatch(batch);
        return;
    }
    if (!CheckGenerateProjectName() || !ConfirmGenerate()) return;
    std::string projectFile = Files().SelectProjectFile(BoardFolderWord(), ProjectName());
    if (projectFile.empty() || !CheckProjectFileName(projectFile)) return;
    ReportGenerated(projectFile, GenerateProject(projectFile));
}

void TBoardForm::ReportGenerated(const std::string& projectFile, bool generated)
{
    if (!generated) {
        platform::ErrorBox(platform::Format("Failed to generate Quartus project: %s.",
                                            platform::ExtractFileName(projectFile).c_str()));
        return;
    }
    // The path goes into the box as the file system holds it (see platform/Dialogs.h).
    const std::string folder = platform::ExtractFilePath(projectFile);
    auto success = [&] {
        platform::InformationBox(platform::Format(
            "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n%s", folder.c_str()));
    };
    switch (m_options.successReport) {
    case SuccessReport::BoxThenWarnings:
        success();
        ShowGenerateWarnings();
        break;
    case SuccessReport::WarningsThenBox:
        ShowGenerateWarnings();
        success();
        break;
    case SuccessReport::WarningsOnly:
        ShowGenerateWarnings();
        break;
    case SuccessReport::None:
        break;
    }
}

void TBoardForm::RunBatch(const Batch& batch)
{
    const std::string chosen = Files().SelectProjectFile(BoardFolderWord(), ProjectName());
    if (chosen.empty()) return;
    // Only the chosen folder is used, not the file name.
    const std::string folder = platform::ExtractFilePath(chosen);

    // Whatever the batch sets is put back: every combo's entry and every box's text. Entries
    // set from code run no handler, so pictures, outlines and pairing stay as they were.
    std::vector<std::pair<QComboBox*, int>> entries;
    for (QComboBox* combo : findChildren<QComboBox*>()) entries.emplace_back(combo, combo->currentIndex());
    std::vector<std::pair<QLineEdit*, QString>> texts;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) texts.emplace_back(edit, edit->text());

    std::string failed;
    for (const BatchPass& pass : batch.passes) {
        PW_CHECK(!pass.connectors.empty());
        std::span<const uint8_t> cards = pass.connectors.front()->Cards();
        for (std::size_t entry = static_cast<std::size_t>(pass.firstEntry); failed.empty() && entry < cards.size();
             ++entry) {
            const uint8_t card = cards[entry];
            for (TConnectorControls* connector : pass.connectors) connector->Combo->setCurrentIndex(static_cast<int>(entry));
            if (pass.prepare) pass.prepare(card);
            const std::string name = BatchProjectName(pass.nameFormat, BoardShortName(card));
            SetProjectName(name);
            const std::string projectFolder = folder + name;
            if (!platform::DirectoryExists(projectFolder)) platform::ForceDirectories(projectFolder);
            const std::string projectFile = projectFolder + "/" + name + ".qpf";
            if (!GenerateProject(projectFile)) failed = projectFile;
        }
        if (!failed.empty()) break;
    }

    for (auto& [combo, entry] : entries) combo->setCurrentIndex(entry);
    for (auto& [edit, text] : texts) edit->setText(text);
    // No success box, but a failure is told, once, naming the project that stopped the batch.
    if (!failed.empty()) ReportGenerated(failed, false);
}

void TBoardForm::ButtonExitClick()
{
    close();
    if (window() != this) window()->close();
}

void TBoardForm::ButtonMainBoardSelectClick()
{
    if (m_options.mainBoardButton == MainBoardButton::Inert) return;
    // Posted, so that the main window replaces this form only after this handler returned.
    QCoreApplication::postEvent(window(), new QEvent(WM_SELECT_MAINBOARD));
}

void TBoardForm::SaveDefaultFromControls()
{
    FormToConfig();
    Files().SaveDefault();
}

void TBoardForm::closeEvent(QCloseEvent* event)
{
    if (m_options.savesDefault == DefaultSave::OnClose) SaveDefaultFromControls();
    event->accept();
}

void TBoardForm::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_options.dialogBorder) return;
    QPainter painter(this);
    const QRect outer = rect();
    qDrawWinPanel(&painter, outer, palette(), false);
    const QRect caption(kDialogFrame, kDialogFrame, width() - 2 * kDialogFrame, kDialogCaption - 1);
    QLinearGradient shade(caption.topLeft(), caption.topRight());
    shade.setColorAt(0, QColor(0x00, 0x00, 0x80));
    shade.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    painter.fillRect(caption, shade);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(caption.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}

void TBoardForm::Release()
{
    if (m_released) return;
    m_released = true;
    if (m_options.savesDefault == DefaultSave::OnDestroy) SaveDefaultFromControls();
}

void DeleteBoardForm(QWidget* form)
{
    if (auto* boardForm = dynamic_cast<TBoardForm*>(form)) boardForm->Release();
    delete form;
}

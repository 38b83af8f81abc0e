#pragma once
// What every board form shares: the window built from its control table, the buttons
// "Save Setting", "Load Setting", "Generate", "Exit", "Change Main Board" and "Default
// Setting", "default.cfg", and the order of the steps in each. A board form adds its table,
// its record mapping and what differs, choosing at the variation points of Options and
// overriding the steps of Generate, never the handlers.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/shell/ConnectorControls.h"
#include "core/shell/FormLayout.h"

// The variation points of the board forms.
struct BoardFormOptions {
    // When "default.cfg" is written from the form's record: when the form is closed (only
    // its "Exit" does that), when its owner deletes it (see TBoardForm::Release), or never.
    enum class DefaultSave { OnClose, OnDestroy, Never };
    // "Change Main Board" asks the main window for the selector, does nothing, or is hidden.
    enum class MainBoardButton { Acts, Inert, Hidden };
    // The boxes after a successful Generate: the success box and the board's warnings.
    enum class SuccessReport { BoxThenWarnings, WarningsThenBox, WarningsOnly, None };

    // The width in pixels of the solid outlines over the board's pictures, as its layout gives
    // it (dotted outlines are one pixel wide); 0 for a layout without solid outlines.
    int outlinePen = 0;
    bool loadsDefault = true;  // false: the form always starts from its defaults
    DefaultSave savesDefault = DefaultSave::OnClose;
    bool reportsFailedLoad = false;  // "Failed to load setting" when "Load Setting" loads nothing
    MainBoardButton mainBoardButton = MainBoardButton::Acts;
    SuccessReport successReport = SuccessReport::BoxThenWarnings;
    bool formColour = true;  // the forms' own colour, or the platform's
    // The button that Enter presses wherever the focus is, except on another button, which
    // takes Enter itself; none: Enter presses nothing.
    const char* defaultButton = nullptr;
    // A dialog border (a frame and a caption bar with the form's caption) around the client
    // area: the form's size, which the main window takes, is then its outer size.
    bool dialogBorder = false;
};

// What a form built from tables (layout, groups, connectors) takes of its board besides them.
template <class Record>
struct RecordFormData {
    uint8_t boardId;
    const char* folderWord;
    const char* boardPicture;  // the bitmap under "ImageBoard"
    void (*defaults)(Record&);
    bool (*generate)(const Record&, const std::string& projectFile);  // the headless Generate
};

class TBoardForm : public QWidget {
public:
    // The border of a form with Options::dialogBorder: the frame on each side and the
    // caption bar above the client area.
    static constexpr int kDialogFrame = 3;
    static constexpr int kDialogCaption = 22;

    // Generate's check of the chosen cards, before the project dialog: the first card without a
    // pin map gets "%s has no pin map; choose another card."; true when one was refused.
    static bool RefuseCardWithoutPinMap(std::initializer_list<uint8_t> cardIds);
    // The note after a project that uses a memory the user still has to add a controller for
    // ("DDR3", "DDR2", ...); forms show it alone or with their other notes in one box.
    static std::string MemoryControllerNote(const std::string& memory);
    // The note after a project whose transceivers ("PCIe", "PCIe/QSFP+") need their IP.
    static std::string TransceiverNote(const std::string& transceivers);
    // Both notes in one text, each only when it names something ("DDR3-SDRAM/QDRII+ SRAM", "PCIe").
    static std::string ProjectNotes(const std::string& memories, const std::string& transceivers);
    using Options = BoardFormOptions;
    using DefaultSave = BoardFormOptions::DefaultSave;
    using MainBoardButton = BoardFormOptions::MainBoardButton;
    using SuccessReport = BoardFormOptions::SuccessReport;

    ~TBoardForm() override;

    // The owner calls this right before deleting the form: a form that saves "default.cfg"
    // when it goes saves it here, since the base destructor can no longer reach the form's
    // record. Later calls do nothing.
    void Release();

    // The handlers of the shared buttons, as a click runs them.
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonGenClick();
    void ButtonExitClick();
    void ButtonMainBoardSelectClick();
    void ButtonDefaultSettingClick();

protected:
    // Builds the window from its table: size, colour, font, the project-name limit and the
    // handlers of the shared buttons and of every check box.
    TBoardForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth,
               int clientHeight, const char* caption, Options options = {});

    // The first settings holder (a settings class or a record template): its file operations
    // serve the shared steps. Called by the form's constructor before RunStartup.
    template <class Holder>
    void UseSettingsHolder(Holder& holder)
    {
        m_holder = std::make_unique<HolderFiles<Holder>>(holder);
    }

    // The start-up steps that need the form's own members: the card lists and combos, the
    // dialogs' folder, "default.cfg" or the defaults, and the record shown.
    void RunStartup();

    template <class T>
    T* Control(const char* name) const
    {
        return formlayout::FindControl<T>(this, name);
    }

    // The project name as record text (Latin-1).
    std::string ProjectName() const;
    void SetProjectName(const std::string& latin1Name);
    // The shared input check of Save and Generate: "Project Name cannot be empty."; false
    // after showing the error.
    bool CheckProjectName() const;
    // The same check's message, without showing it: for the forms whose checks all run and
    // show only the last failure.
    std::optional<std::string> ProjectNameFailure() const;
    // Shows the last failed check's message in the error box; true when no check failed.
    static bool ShowLastFailure(const std::optional<std::string>& message);
    // Generate's own check before the project dialog: the name must make a folder and a
    // module (core/settings/ProjectName.h); false after showing the error.
    bool CheckGenerateProjectName() const;
    // The information box of the boards whose processor side the user can tick.
    static void ShowHpsWarning();
    // The warning after a project for a connector voltage other than the board's default: what
    // changed and which jumper to move, then the hardware warning every such board gives.
    static void ShowVoltageJumperWarning(const std::string& changed);

    virtual void FillComboBoxes() = 0;
    virtual void ApplyDefaultConfig() = 0;  // the defaults into the first holder's record
    // The first holder's record into the controls, with the refresh the board adds; run at
    // start-up, after a load and by "Default Setting".
    virtual void ConfigToForm() = 0;
    virtual bool FormToConfig() = 0;  // the controls into the first holder's record
    virtual void UpdateShapes() = 0;
    virtual bool ValidateInput() = 0;
    virtual bool GenerateProject(const std::string& projectFile) = 0;
    virtual std::string BoardFolderWord() const = 0;
    // Every check box runs this when clicked, the box as `sender`.
    virtual void CheckBoxClick(const QObject* /*sender*/) { UpdateShapes(); }

    // The steps of Generate a board fills in. Questions before the project dialog, each
    // going on only on Yes:
    virtual bool ConfirmGenerate() { return true; }
    // The board's own boxes after a successful generation (see SuccessReport):
    virtual void ShowGenerateWarnings() {}

    // Generate with the left Ctrl key held: after the usual validation, a beep where the form
    // gives one; then the form's batch, or the one project as without Ctrl when it has none.
    // The batch, one routine for every form that has one, driven by the form's description:
    // the project dialog in the board's folder (Cancel ends it), then one project per card of
    // each pass, each in a folder of its own named after the project inside the chosen folder.
    // The first failure ends every pass and is told in the one failure box; success shows
    // nothing. The project name and whatever the passes set (combo entries, prefix texts) are
    // put back.
    struct BatchPass {
        std::vector<TConnectorControls*> connectors;  // all set to each entry of the first one's list
        int firstEntry = 1;                           // 1: "None" gets no project
        // The project name, %s the card's short name; made a module name (BatchProjectName).
        const char* nameFormat = "";
        // What else the form sets for each project: its prefixes, or another connector's entry.
        std::function<void(uint8_t card)> prepare = nullptr;
    };
    struct Batch {
        bool beep = false;
        std::vector<BatchPass> passes = {};  // none: the form has no batch
    };
    virtual Batch DaughterCardBatch() { return {}; }

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Enter that no control takes presses the focused button, or else the default button
    // (Options::defaultButton).
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SettingsFiles {
        virtual ~SettingsFiles() = default;
        virtual void SetLastDir(const std::string& folder) = 0;
        virtual bool LoadDefault() = 0;
        virtual bool SaveDefault() = 0;
        virtual bool LoadWithDialog() = 0;
        virtual bool SaveWithDialog() = 0;
        virtual std::string SelectProjectFile(const std::string& word, const std::string& name) = 0;
    };

    template <class Holder>
    struct HolderFiles final : SettingsFiles {
        explicit HolderFiles(Holder& h) : holder(h) {}
        void SetLastDir(const std::string& folder) override { holder.LastDir = folder; }
        bool LoadDefault() override { return holder.LoadDefault(); }
        bool SaveDefault() override { return holder.SaveDefault(); }
        bool LoadWithDialog() override { return holder.LoadWithDialog(); }
        bool SaveWithDialog() override { return holder.SaveWithDialog(); }
        std::string SelectProjectFile(const std::string& word, const std::string& name) override
        {
            return Holder::SelectProjectFile(word, name);
        }
        Holder& holder;
    };

    SettingsFiles& Files() const;
    void SaveDefaultFromControls();
    void RunBatch(const Batch& batch);
    // The failure box, or the success box and the board's warnings as the form has them.
    void ReportGenerated(const std::string& projectFile, bool generated);

    Options m_options;
    bool m_released = false;
    std::unique_ptr<SettingsFiles> m_holder;
};

// Deletes a board form the way its owner must: released first.
void DeleteBoardForm(QWidget* form);

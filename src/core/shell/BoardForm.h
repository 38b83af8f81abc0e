#pragma once
// What every board form shares: the window built from its control table, the buttons
// "Save Setting", "Load Setting", "Generate", "Exit" and "Change Main Board", "default.cfg"
// written when the form is closed, and the order of the steps in each. A board form adds its
// table, its record mapping and what differs.
#include <QWidget>
#include <memory>
#include <span>
#include <string>

#include "core/shell/FormLayout.h"

class TBoardForm : public QWidget {
public:
    ~TBoardForm() override;

    // The handlers of the shared buttons, as a click runs them.
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonGenClick();
    void ButtonExitClick();
    void ButtonMainBoardSelectClick();

protected:
    // Builds the window from its table: size, colour, font, the project-name limit and the
    // handlers of the shared buttons and of every check box.
    TBoardForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth,
               int clientHeight, const char* caption);

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
    // The shared input check of Save and Generate: "Project Name cannot be empty."; false
    // after showing the error.
    bool CheckProjectName() const;
    // Generate's own check before the project dialog: the name must make a folder and a
    // module (core/settings/ProjectName.h); false after showing the error.
    bool CheckGenerateProjectName() const;

    virtual void FillComboBoxes() = 0;
    virtual void ApplyDefaultConfig() = 0;  // the defaults into the first holder's record
    virtual void ConfigToForm() = 0;
    virtual bool FormToConfig() = 0;
    virtual void UpdateShapes() = 0;
    virtual bool ValidateInput() = 0;
    virtual bool GenerateProject(const std::string& projectFile) = 0;
    virtual std::string BoardFolderWord() const = 0;
    // Forms whose card lists follow a voltage refresh them after start-up and a load.
    virtual void UpdateDaughterCombos() {}
    // The board's own boxes after a successful generation.
    virtual void ShowGenerateWarnings() {}

    void closeEvent(QCloseEvent* event) override;

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

    std::unique_ptr<SettingsFiles> m_holder;
};

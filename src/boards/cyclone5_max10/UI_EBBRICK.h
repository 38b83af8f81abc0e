#pragma once
// The Ebbrick board form: nine device groups and two 40-pin GPIO headers that take one
// 80-pin card together; Generate with the left Ctrl key writes a project for every card.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Ebbrick.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormEbbrick : public TBoardForm {
public:
    explicit TFormEbbrick(QWidget* owner);
    ~TFormEbbrick() override;

    // Shows the record and pairs the headers with GPIO-0 leading.
    void ConfigToForm(const EBBRICK_CONFIG& config);
    // Bytes the form has no control for keep what the record held.
    bool FormToConfig(EBBRICK_CONFIG& config) const;
    void UpdateDaughterPictures();

    // The handler of either card combo, run when the user picks an entry there.
    void ComboBoxGpioChange(const QObject* sender);

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    Batch DaughterCardBatch() override;

private:
    TConfigBase<EBBRICK_CONFIG> m_Settings;  // the record, the dialogs' folder and the one card list
    TDeviceGroups<EBBRICK_CONFIG> m_Groups;
    TConnectorControls m_Gpio[2];  // GPIO-0, GPIO-1
};

// The board picture (the selector's and the form's).
void RegisterEbbrickPictures();

#pragma once
// The Wistrell board form: fourteen device groups, the processor side among them, and one
// 40-pin GPIO header; Generate with the left Ctrl key writes a project for every card.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Wistrell.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormWistrell : public TBoardForm {
public:
    explicit TFormWistrell(QWidget* owner);
    ~TFormWistrell() override;

    void ConfigToForm(const WISTRELL_CONFIG& config);
    // Bytes the form has no control for keep what the record held.
    bool FormToConfig(WISTRELL_CONFIG& config) const;
    void UpdateDaughterPictures();

    // The handler of the card combo, run when the user picks an entry.
    void ComboBoxGpioChange();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    void ShowGenerateWarnings() override;
    Batch DaughterCardBatch() override;

private:
    TConfigBase<WISTRELL_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<WISTRELL_CONFIG> m_Groups;
    // One element, as the prefix check walks the headers.
    TConnectorControls m_Gpio[1];
};

// The board picture (the selector's and the form's).
void RegisterWistrellPictures();

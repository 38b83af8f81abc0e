#pragma once
// The Pellish board form: twenty-one device groups and two 40-pin GPIO headers sharing one card
// list, where the 80-pin card stands on both.
#include <string>

#include "boards/early/CONFIG_PELLISH.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormPellish : public TBoardForm {
public:
    explicit TFormPellish(QWidget* owner);
    ~TFormPellish() override;

    void ConfigToForm(const PELLISH_CONFIG& config);
    bool FormToConfig(PELLISH_CONFIG& config) const;
    void UpdateDaughterPictures();

    // Either header's card combo, run when the user picks an entry.
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

private:
    TConfigBase<PELLISH_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<PELLISH_CONFIG> m_Groups;
    TConnectorControls m_Gpio[2];
};

// The board picture (the selector's and the form's).
void RegisterPellishPictures();

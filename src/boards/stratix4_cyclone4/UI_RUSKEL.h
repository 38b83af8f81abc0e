#pragma once
// The Ruskel board form: ten device groups and two 40-pin GPIO headers sharing one card list.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_RUSKEL.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormRuskel : public TBoardForm {
public:
    explicit TFormRuskel(QWidget* owner);
    ~TFormRuskel() override;

    void ConfigToForm(const RUSKEL_CONFIG& config);
    bool FormToConfig(RUSKEL_CONFIG& config) const;
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
    TConfigBase<RUSKEL_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<RUSKEL_CONFIG> m_Groups;
    TConnectorControls m_Gpio[2];
};

// The board picture (the selector's and the form's).
void RegisterRuskelPictures();

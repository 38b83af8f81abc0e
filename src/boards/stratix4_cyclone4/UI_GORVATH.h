#pragma once
// The Gorvath board form: seventeen device groups, the GPIO header and the HSMC connector,
// each on its own card list.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormGorvath : public TBoardForm {
public:
    explicit TFormGorvath(QWidget* owner);
    ~TFormGorvath() override;

    void ConfigToForm(const GORVATH_CONFIG& config);
    bool FormToConfig(GORVATH_CONFIG& config) const;
    void UpdateDaughterPictures();

    // Either card combo, run when the user picks an entry.
    void ComboBoxCardChange();

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
    TConfigBase<GORVATH_CONFIG> m_Settings;  // the record, the dialogs' folder and the HSMC list
    TConfigBase<GORVATH_CONFIG> m_GpioCards;
    TDeviceGroups<GORVATH_CONFIG> m_Groups;
    TConnectorControls m_Gpio;
    TConnectorControls m_Hsmc;
};

// The board picture (the selector's and the form's).
void RegisterGorvathPictures();

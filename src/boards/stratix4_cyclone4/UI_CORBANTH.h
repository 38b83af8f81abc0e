#pragma once
// The Corbanth board form: eleven device groups, two HSMC ports on one card list and four
// FMC ports on another.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_CORBANTH.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormCorbanth : public TBoardForm {
public:
    explicit TFormCorbanth(QWidget* owner);
    ~TFormCorbanth() override;

    void ConfigToForm(const CORBANTH_CONFIG& config);
    bool FormToConfig(CORBANTH_CONFIG& config) const;
    void UpdateDaughterPictures();

    // Any port's card combo, HSMC or FMC, run when the user picks an entry.
    void ComboBoxHSMCChange();

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

private:
    TConfigBase<CORBANTH_CONFIG> m_Settings;  // the record, the dialogs' folder and the HSMC list
    TConfigBase<CORBANTH_CONFIG> m_FmcCards;  // the FMC list only
    TDeviceGroups<CORBANTH_CONFIG> m_Groups;
    TConnectorControls m_Hsmc[CORBANTH_CONFIG::kHsmcPorts];
    TConnectorControls m_Fmc[CORBANTH_CONFIG::kFmcPorts];
};

// The board picture (the selector's and the form's).
void RegisterCorbanthPictures();

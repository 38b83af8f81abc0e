#pragma once
// The Jorvale board form: ten device groups and the HSMC connector, whose card list follows
// its I/O voltage. The record lives in a record template; Generate works on a copy of it.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Jorvale.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormJorvale : public TBoardForm {
public:
    explicit TFormJorvale(QWidget* owner);
    ~TFormJorvale() override;

    void DefaultConfig(JORVALE_CONFIG& config) const;
    void ConfigToForm(const JORVALE_CONFIG& config);
    bool FormToConfig(JORVALE_CONFIG& config) const;
    // The holder whose card list serves that voltage entry; the settings hold the 2.5 V list.
    TConfigBase<JORVALE_CONFIG>& CardListForVoltage(int voltageEntry);
    void FillDaughterCombo(int voltageEntry);
    // The card combo shows the list of the voltage shown, on "None".
    void UpdateDaughterCombos();
    void UpdateDaughterPictures();
    void ShowVoltageWarning();

    // The handlers of the combo boxes, run when the user picks an entry.
    void ComboBoxHSMCChange();
    void ComboBoxHsmcVolChange();

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
    int VoltageEntry() const;

    TConfigBase<JORVALE_CONFIG> m_Settings;  // the record, the dialogs' folder and the 2.5 V list
    TConfigBase<JORVALE_CONFIG> m_HsmcCards3V3;
    TConfigBase<JORVALE_CONFIG> m_HsmcCards1V8;
    TConfigBase<JORVALE_CONFIG> m_HsmcCards1V5;

    TDeviceGroups<JORVALE_CONFIG> m_Groups;
    TConnectorControls m_Hsmc;
};

// The board picture (the selector's and the form's) and the picture of the voltage shunts.
void RegisterJorvalePictures();

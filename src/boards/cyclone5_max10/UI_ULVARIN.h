#pragma once
// The Ulvarin board form: thirteen device groups, the top-level file type, the GPIO header
// and the HSMC connector, whose card list follows its I/O voltage.
#include <string>

#include "boards/cyclone5_max10/ConfigUlvarin.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormUlvarin : public TBoardForm {
public:
    explicit TFormUlvarin(QWidget* owner);
    ~TFormUlvarin() override;

    void DefaultConfig(ULVARIN_CONFIG& config) const;
    void ConfigToForm(const ULVARIN_CONFIG& config);
    bool FormToConfig(ULVARIN_CONFIG& config) const;
    // The settings object whose card list holds the HSMC cards of that voltage index.
    TConfigUlvarin& CardListForVoltage(int voltageIndex);
    void FillDaughterCombo(int voltageIndex);
    void UpdateDaughterPictures();
    void ShowVoltageWarning();

    // The handlers of the combo boxes, run when the user picks an entry.
    void ComboBoxGpioChange();
    void ComboBoxHsmcChange();
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
    int VoltageIndex() const;

    TConfigUlvarin m_Settings;  // the record, the dialogs' folder and the GPIO card list
    TConfigUlvarin m_HsmcCards3V3;
    TConfigUlvarin m_HsmcCards2V5;
    TConfigUlvarin m_HsmcCards1V8;
    TConfigUlvarin m_HsmcCards1V5;

    TDeviceGroups<ULVARIN_CONFIG> m_Groups;
    // One element per connector of the kind, as the prefix check walks them.
    TConnectorControls m_Gpio[1];
    TConnectorControls m_Hsmc[1];
};

// The board picture (the selector's and the form's) and the picture of the voltage jumpers.
void RegisterUlvarinPictures();

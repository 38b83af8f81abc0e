#pragma once
// The Kavrin board form: twenty-two device groups, the GPIO header and the HSMC connector,
// each with its I/O voltage. The HSMC card list follows the HSMC voltage; a GPIO voltage other
// than 3.3 V puts the generic card of that voltage on the header.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormKavrin : public TBoardForm {
public:
    explicit TFormKavrin(QWidget* owner);
    ~TFormKavrin() override;

    void ConfigToForm(const KAVRIN_CONFIG& config);
    bool FormToConfig(KAVRIN_CONFIG& config) const;
    // The holder whose card list serves that HSMC voltage entry; the settings hold the 2.5 V list.
    TConfigBase<KAVRIN_CONFIG>& CardListForVoltage(int voltageEntry);
    void FillDaughterCombo(int voltageEntry);
    // The GPIO combo is usable at 3.3 V only, where it shows the remembered entry; the HSMC
    // combo shows its voltage's list on "None".
    void UpdateDaughterCombos();
    void UpdateDaughterPictures();
    void ShowVoltageWarning();

    // The handlers of the combo boxes, run when the user picks an entry.
    void ComboBoxGpioChange();
    void ComboBoxHSMCChange();
    void ComboBoxVolChange();

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
    int GpioVoltageEntry() const;
    int HsmcVoltageEntry() const;

    TConfigBase<KAVRIN_CONFIG> m_Settings;  // the record, the dialogs' folder and the 2.5 V HSMC list
    TConfigBase<KAVRIN_CONFIG> m_GpioCards;
    TConfigBase<KAVRIN_CONFIG> m_HsmcCards3V3;
    TConfigBase<KAVRIN_CONFIG> m_HsmcCards1V8;
    TConfigBase<KAVRIN_CONFIG> m_HsmcCards1V5;

    TDeviceGroups<KAVRIN_CONFIG> m_Groups;
    TConnectorControls m_Gpio;
    TConnectorControls m_Hsmc;
    int m_GpioEntry = 0;  // the GPIO card the combo shows again when the voltage returns to 3.3 V
};

// The board picture (the selector's and the form's) and the pictures of the two jumpers.
void RegisterKavrinPictures();

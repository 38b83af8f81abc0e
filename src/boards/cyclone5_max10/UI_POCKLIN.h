#pragma once
// The Pocklin board form: twenty device groups and the card on the 2x6 header.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Pocklin.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormPocklin : public TBoardForm {
public:
    explicit TFormPocklin(QWidget* owner);
    ~TFormPocklin() override;

    void DefaultConfig(POCKLIN_CONFIG& config) const;
    void ConfigToForm(const POCKLIN_CONFIG& config);
    bool FormToConfig(POCKLIN_CONFIG& config) const;
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
    // Ctrl held: a beep, and no batch to run.
    Batch DaughterCardBatch() override { return {.beep = true}; }

private:
    TConfigBase<POCKLIN_CONFIG> m_Settings;  // the record, the dialogs' folder and the header's card list

    TDeviceGroups<POCKLIN_CONFIG> m_Groups;
    TConnectorControls m_Ombrel;
};

// The board picture (the selector's and the form's) and the FPGA family's mark.
void RegisterPocklinPictures();

#pragma once
// The Pressel board form: nine device groups and one 2x20 GPIO header; Generate with the left
// Ctrl key writes a project for every card, each under the prefix "GPIO".
#include <string>

#include "boards/cyclone5_max10/ConfigPressel.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormPressel : public TBoardForm {
public:
    explicit TFormPressel(QWidget* owner);
    ~TFormPressel() override;

    void DefaultConfig(PRESSEL_CONFIG& config) const;
    void ConfigToForm(const PRESSEL_CONFIG& config);
    // The reserved byte and the bytes after each text keep what the record held.
    bool FormToConfig(PRESSEL_CONFIG& config) const;
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
    Batch DaughterCardBatch() override;

private:
    TConfigPressel m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<PRESSEL_CONFIG> m_Groups;
    // One element, as the prefix check walks the headers.
    TConnectorControls m_Gpio[TConfigPressel::GPIO_NUM];
};

// The board picture (the selector's and the form's) and the FPGA badge beside the logo.
void RegisterPresselPictures();

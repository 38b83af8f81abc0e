#pragma once
// The Plimmet board form: fourteen device groups, a 2x20 GPIO header that shares its FPGA
// pins with the digits HEX2 and HEX3, and an HSMC connector; Generate with the left Ctrl key
// writes a project for every card of both lists.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Plimmet.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormPlimmet : public TBoardForm {
public:
    explicit TFormPlimmet(QWidget* owner);
    ~TFormPlimmet() override;

    void ConfigToForm(const PLIMMET_CONFIG& config);
    // Bytes the form has no control for keep what the record held.
    bool FormToConfig(PLIMMET_CONFIG& config) const;
    void UpdateSeg7Caption();
    void UpdateDaughterPictures();
    void ShowGpioHeaderNote();

    // The handlers of the card combos, run when the user picks an entry.
    void ComboBoxGpioChange();
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
    Batch DaughterCardBatch() override;

private:
    // A GPIO card takes the header's pins from the two upper digits.
    bool GpioCardChosen() const;

    TConfigBase<PLIMMET_CONFIG> m_Settings;   // the record, the dialogs' folder and the HSMC list
    TConfigBase<PLIMMET_CONFIG> m_GpioCards;  // only its card list
    TDeviceGroups<PLIMMET_CONFIG> m_Groups;
    TConnectorControls m_Gpio;
    TConnectorControls m_Hsmc;
};

// The board picture (the selector's and the form's) and the two pictures of the display.
void RegisterPlimmetPictures();

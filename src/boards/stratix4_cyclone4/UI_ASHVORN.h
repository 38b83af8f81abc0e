#pragma once
// The Ashvorn board form: twenty device groups, the GPIO header and the HSMC connector,
// each on its own card list, and the transceiver warning of PCIe.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormAshvorn : public TBoardForm {
public:
    explicit TFormAshvorn(QWidget* owner);
    ~TFormAshvorn() override;

    void ConfigToForm(const ASHVORN_CONFIG& config);
    bool FormToConfig(ASHVORN_CONFIG& config) const;
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
    void ShowGenerateWarnings() override;

private:
    TConfigBase<ASHVORN_CONFIG> m_Settings;  // the record, the dialogs' folder and the HSMC list
    TConfigBase<ASHVORN_CONFIG> m_GpioCards;
    TDeviceGroups<ASHVORN_CONFIG> m_Groups;
    TConnectorControls m_Gpio;
    TConnectorControls m_Hsmc;
};

// The board picture (the selector's and the form's).
void RegisterAshvornPictures();

#pragma once
// The Wembrel board form: six device groups, the DDR2 socket among them, and two Kelpin
// connectors sharing one card list.
#include <string>

#include "boards/early/CONFIG_WEMBREL.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormWembrel : public TBoardForm {
public:
    explicit TFormWembrel(QWidget* owner);
    ~TFormWembrel() override;

    void ConfigToForm(const WEMBREL_CONFIG& config);
    bool FormToConfig(WEMBREL_CONFIG& config) const;
    void UpdateDaughterPictures();

    // Either Kelpin combo, run when the user picks an entry.
    void ComboBoxKelpinChange();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool ConfirmGenerate() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;

private:
    TConfigBase<WEMBREL_CONFIG> m_Settings;  // the record, the dialogs' folder and the Kelpin list
    TDeviceGroups<WEMBREL_CONFIG> m_Groups;
    TConnectorControls m_Kelpin[2];  // Kelpin 2/3, then Kelpin 1
};

// The board picture (the selector's and the form's).
void RegisterWembrelPictures();

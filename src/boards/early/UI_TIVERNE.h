#pragma once
// The Tiverne board form: five device groups and one HSMC port.
#include <string>

#include "boards/early/CONFIG_TIVERNE.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormTiverne : public TBoardForm {
public:
    explicit TFormTiverne(QWidget* owner);
    ~TFormTiverne() override;

    void ConfigToForm(const TIVERNE_CONFIG& config);
    bool FormToConfig(TIVERNE_CONFIG& config) const;
    void UpdateDaughterPictures();

    // The card combo, run when the user picks an entry.
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

private:
    TConfigBase<TIVERNE_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<TIVERNE_CONFIG> m_Groups;
    TConnectorControls m_Hsmc;
};

// The board picture (the selector's and the form's).
void RegisterTivernePictures();

#pragma once
// The Lothvar board form: twelve boxes of which nine are stored, and two HSMC ports sharing
// one card list. It never reads or writes "default.cfg".
#include <string>

#include "boards/early/CONFIG_LOTHVAR.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormLothvar : public TBoardForm {
public:
    explicit TFormLothvar(QWidget* owner);
    ~TFormLothvar() override;

    void ConfigToForm(const LOTHVAR_CONFIG& config);
    bool FormToConfig(LOTHVAR_CONFIG& config) const;
    void UpdateDaughterPictures();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override {}  // no outline follows a box or a card
    bool ValidateInput() override;
    bool ConfirmGenerate() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;

private:
    TConfigBase<LOTHVAR_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<LOTHVAR_CONFIG> m_Groups;
    TConnectorControls m_Hsmc[LOTHVAR_CONFIG::kHsmcPorts];
};

// The board picture and the FPGA family's mark.
void RegisterLothvarPictures();

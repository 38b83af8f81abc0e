#pragma once
// The Harnix board form: twelve device groups and two 40-pin GPIO headers that share one
// card list and take one 80-pin card together.
#include <string>

#include "boards/early/CONFIG_HARNIX.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormHarnix : public TBoardForm {
public:
    explicit TFormHarnix(QWidget* owner);
    ~TFormHarnix() override;

    void ConfigToForm(const HARNIX_CONFIG& config);
    bool FormToConfig(HARNIX_CONFIG& config) const;
    void UpdateDaughterPictures();

    // The headers' card combos, run when the user picks an entry.
    void ComboBoxGpio0Change();
    void ComboBoxGpio1Change();

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
    void GpioPicked(int header);

    TConfigBase<HARNIX_CONFIG> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<HARNIX_CONFIG> m_Groups;
    TConnectorControls m_Gpio[2];
};

// The board picture (the selector's and the form's).
void RegisterHarnixPictures();

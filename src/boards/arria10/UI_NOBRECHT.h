#pragma once
// The Nobrecht board form: the FPGA part, twenty-three device groups and the seven frequency
// lists of the two Si5340 clock generators; the DDR3 module goes into each ticked socket.
#include <string>

#include "boards/arria10/ConfigNobrecht.h"
#include "boards/arria10/UI_Si5340Lists.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"

class TFormNobrecht : public TBoardForm {
public:
    explicit TFormNobrecht(QWidget* owner);
    ~TFormNobrecht() override;

    void DefaultConfig(NOBRECHT_CONFIG& config) const;
    void ConfigToForm(const NOBRECHT_CONFIG& config);
    bool FormToConfig(NOBRECHT_CONFIG& config) const;
    void UpdateOscillatorCombos();
    // "Select All": every group, the highest Si5340A output, 266.667, 250 and 100 MHz.
    void ButtonButtonDefaultAllSettingClick();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    void CheckBoxClick() override;
    bool ConfirmGenerate() override;
    void ShowGenerateWarnings() override;

private:
    bool Ticked(const char* box) const;

    TConfigNobrecht m_Settings;
    TDeviceGroups<NOBRECHT_CONFIG> m_Groups;
    TSi5340Lists m_Si5340;
};

void RegisterNobrechtPictures();

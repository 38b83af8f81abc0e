#pragma once
// The Sarnoth board form: twenty-five device groups, the DDR3 SO-DIMM sockets and the three
// programmable oscillators (Si570, CDCM61001, CDCM61004) of the SFP+ and SATA ports.
#include <span>
#include <string>

#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/StratixVForm.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"

class QComboBox;

class TFormSarnoth : public TBoardForm {
public:
    explicit TFormSarnoth(QWidget* owner);
    ~TFormSarnoth() override;

    void DefaultConfig(SARNOTH_CONFIG& config) const;
    bool FormToConfig(SARNOTH_CONFIG& config) const;
    bool IsSfpUsed() const;
    bool IsSataUsed() const;
    void UpdateOscillatorCombos();

    // The handlers of the oscillator combo boxes, run when the user picks an entry.
    void ComboBoxSi570Change();
    void ComboBoxCdcm61001Change();
    void ComboBoxCdcm61004Change();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    void CheckBoxClick(const QObject* sender) override;
    bool ValidateInput() override;
    bool ConfirmGenerate() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    void ShowGenerateWarnings() override;

private:
    bool Checked(const char* box) const;
    bool AnyChecked(std::span<const char* const> boxes) const;

    TConfigBase<SARNOTH_CONFIG> m_Settings;  // the record and the dialogs' folder
    TDeviceGroups<SARNOTH_CONFIG> m_Groups;
    stratix5::TOscillatorChoice m_Si570;
    stratix5::TOscillatorChoice m_Cdcm61001;
    stratix5::TOscillatorChoice m_Cdcm61004;
    QComboBox* m_Si570Combo;
    QComboBox* m_Cdcm61001Combo;
    QComboBox* m_Cdcm61004Combo;
};

// The board picture of the selector and the form.
void RegisterSarnothPictures();

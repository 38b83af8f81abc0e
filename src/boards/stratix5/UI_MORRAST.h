#pragma once
// The Morrast board form: eighteen device groups, among them the soldered DDR3 and QDRII+
// memories, and the Si570 and CDCM61004 oscillators, which serve the SFP+ ports only and are
// kept while no port is chosen. The record lives in a record template; Generate works on a
// copy of it.
#include <string>

#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/StratixVForm.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"

class QComboBox;

class TFormMorrast : public TBoardForm {
public:
    explicit TFormMorrast(QWidget* owner);
    ~TFormMorrast() override;

    void ConfigToForm(const MORRAST_CONFIG& config);
    bool FormToConfig(MORRAST_CONFIG& config) const;

    bool IsSfpUsed() const;
    void UpdateOscillatorCombos();

    // The handlers of the oscillator combo boxes, run when the user picks an entry.
    void ComboBoxSi570Change();
    void ComboBoxCdcm61004Change();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    void CheckBoxClick(const QObject* sender) override;
    bool ConfirmGenerate() override;  // the oscillator question
    void ShowGenerateWarnings() override;

private:
    bool Checked(const char* box) const;

    TConfigBase<MORRAST_CONFIG> m_Settings;  // the record and the dialogs' folder
    TDeviceGroups<MORRAST_CONFIG> m_Groups;
    stratix5::TOscillatorChoice m_Si570;
    stratix5::TOscillatorChoice m_Cdcm61004;
    QComboBox* m_Si570Combo;
    QComboBox* m_Cdcm61004Combo;
};

// The board picture.
void RegisterMorrastPictures();

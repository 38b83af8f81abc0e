#pragma once
// The Cresswin board form: seventeen device groups, the Si570 and CDCM61004 oscillators, kept
// while no chosen interface needs them, and the HSMC connector, whose cards may use the
// transceivers. The record lives in a record template; Generate works on a copy of it.
#include <string>

#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/StratixVForm.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class QComboBox;

class TFormCresswin : public TBoardForm {
public:
    explicit TFormCresswin(QWidget* owner);
    ~TFormCresswin() override;

    void ConfigToForm(const CRESSWIN_CONFIG& config);
    bool FormToConfig(CRESSWIN_CONFIG& config) const;

    bool IsSfpUsed() const;
    bool IsSataUsed() const;
    bool IsHsmcTransceiverCard() const;
    bool IsCdcm61004Needed() const;
    void UpdateOscillatorCombos();
    void UpdateDaughterPictures();

    // The handlers of the combo boxes, run when the user picks an entry.
    void ComboBoxSi570Change();
    void ComboBoxCdcm61004Change();
    void ComboBoxHSMC_AChange();

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
    bool ConfirmGenerate() override;  // the oscillator questions
    void ShowGenerateWarnings() override;

private:
    bool Checked(const char* box) const;

    TConfigBase<CRESSWIN_CONFIG> m_Settings;  // the record, the dialogs' folder and a card list
    // The list the HSMC combo shows and reads; the same cards as m_Settings' list.
    TConfigBase<CRESSWIN_CONFIG> m_TransceiverCardList;

    TDeviceGroups<CRESSWIN_CONFIG> m_Groups;
    TConnectorControls m_Hsmc;
    stratix5::TOscillatorChoice m_Si570;
    stratix5::TOscillatorChoice m_Cdcm61004;
    QComboBox* m_Si570Combo;
    QComboBox* m_Cdcm61004Combo;
};

// The board picture (the selector's and the form's) and the FPGA family's mark.
void RegisterCresswinPictures();

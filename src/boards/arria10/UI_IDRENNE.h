#pragma once
// The Idrenne board form: eighteen device groups, the top-level file type, the DDR4 socket and
// the FMC connector, whose card list follows its I/O voltage.
#include <cstdint>
#include <string>

#include "boards/arria10/ConfigIdrenne.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormIdrenne : public TBoardForm {
public:
    explicit TFormIdrenne(QWidget* owner);
    ~TFormIdrenne() override;

    void DefaultConfig(IDRENNE_CONFIG& config) const;
    void ConfigToForm(const IDRENNE_CONFIG& config);
    bool FormToConfig(IDRENNE_CONFIG& config) const;
    // The voltage code of the entry the voltage combo shows.
    int32_t FmcVoltageCode() const;
    // The settings object whose card list holds the FMC cards of that voltage code; any code
    // but 3 and 4 is the default's.
    const TConfigIdrenne& CardListForVoltage(int32_t code) const;
    void FillDaughterCombo(int32_t code);
    void UpdateDaughterPictures();
    void ShowVoltageWarning();

    // The handlers of the combo boxes, run when the user picks an entry.
    void ComboBoxDDR4SocketChange();
    void ComboBoxFmcChange();
    void ComboBoxFmcVolChange();

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
    void ShowGenerateWarnings() override;

private:
    int VoltageEntry() const;

    TConfigIdrenne m_Settings;  // the record, the dialogs' folder and the socket's card list
    TConfigIdrenne m_FmcList1V8;
    TConfigIdrenne m_FmcList1V5;
    TConfigIdrenne m_FmcList1V2;

    TDeviceGroups<IDRENNE_CONFIG> m_Groups;
    TConnectorControls m_Socket;
    TConnectorControls m_Fmc;
};

// The board picture and the picture of the FMC voltage jumpers.
void RegisterIdrennePictures();

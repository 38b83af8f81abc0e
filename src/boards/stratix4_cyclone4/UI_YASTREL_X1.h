#pragma once
// The Yastrel_X1 board form: the device variant, twenty-five device groups, the programmable
// clock generator's three outputs, two GPIO headers that take one 80-pin card together and two
// HSMC connectors, with the transceiver warning of HSMC-A before the project dialog and the
// DDR2 and transceiver advice after it.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/PllCombos.h"

class QComboBox;
class QObject;

class TFormYastrel_X1 : public TBoardForm {
public:
    explicit TFormYastrel_X1(QWidget* owner);
    ~TFormYastrel_X1() override;

    void ConfigToForm(const YASTREL_X1_CONFIG& config);
    bool FormToConfig(YASTREL_X1_CONFIG& config) const;
    void UpdateDaughterPictures();
    // The generator combos after a check box was clicked (see TPllCombos::Follow).
    void UpdatePllCombos();

    // The handlers of the combos, run when the user picks an entry.
    void ComboBoxGpioChange(const QObject* sender);
    void ComboBoxHSMCChange();
    void ComboBoxBoardChange();

    // The warning about a card on HSMC-A whose transceivers that connector does not carry;
    // empty when there is none.
    std::string HsmcAWarning() const;
    // The DDR2 and transceiver advice after a successful Generate; empty when none applies.
    std::string GenerateAdvice() const;

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
    bool ConfirmGenerate() override;
    void ShowGenerateWarnings() override;

private:
    TConfigBase<YASTREL_X1_CONFIG> m_Settings;  // the record, the dialogs' folder and the HSMC list
    TConfigBase<YASTREL_X1_CONFIG> m_GpioCards;
    TDeviceGroups<YASTREL_X1_CONFIG> m_Groups;
    QComboBox* m_BoardType;
    TPllCombos m_Pll;
    TConnectorControls m_Gpio[2];
    TConnectorControls m_Hsmc[YASTREL_X1_CONFIG::kHsmcPorts];
};

// The board picture (the selector's and the form's).
void RegisterYastrel_X1Pictures();

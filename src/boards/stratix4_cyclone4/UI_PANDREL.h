#pragma once
// The Pandrel board form: the device variant, thirteen device groups, the programmable clock
// generator's three outputs, six HSMC ports of which port C can serve two GPIO headers (edited
// in the GPIO dialog), the jumper settings each port's card asks for, and the DDR3, PCIe and
// transceiver advice before the success box.
#include <QPixmap>
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/PllCombos.h"

class QComboBox;
class TFormGPIO;

class TFormPandrel : public TBoardForm {
public:
    explicit TFormPandrel(QWidget* owner);
    ~TFormPandrel() override;

    void ConfigToForm(const PANDREL_CONFIG& config);
    bool FormToConfig(PANDREL_CONFIG& config) const;
    void UpdateDaughterPictures();
    void UpdatePllCombos();
    void UpdateGpioLabel();
    void UpdateVoltagePicture();

    // The switch on "GPIO": port C serves the two GPIO headers.
    bool IsGpioMode() const;
    // The jumper level a port's card asks for: 0 1.5 V, 1 1.8 V, 2 2.5 V, 3 3.0 V, 4 3.3 V.
    int VoltageLevel(int port) const;
    // The jumper picture as last drawn.
    const QPixmap& VoltagePicture() const { return m_VoltagePicture; }

    // The handlers of the combos and of "GPIO Edit", as the user runs them.
    void ComboBoxHSMCChange();
    void ComboBoxHsmcGpioChange();
    void ComboBoxBoardChange();
    void ButtonGpioClick();

    // The DDR3, PCIe and transceiver advice after a successful Generate; empty when none applies.
    std::string GenerateAdvice() const;

    TFormGPIO& GpioDialog() const { return *m_GpioDialog; }

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
    void ShowGenerateWarnings() override;

private:
    TConfigBase<PANDREL_CONFIG> m_Settings;   // the record, the dialogs' folder and the plain HSMC list
    TConfigBase<PANDREL_CONFIG> m_XcvrCards;  // the list of ports A and E
    TConfigBase<PANDREL_CONFIG> m_GpioCards;  // the GPIO dialog's list
    TDeviceGroups<PANDREL_CONFIG> m_Groups;
    QComboBox* m_BoardType;
    QComboBox* m_HsmcGpio;
    TPllCombos m_Pll;
    TConnectorControls m_Hsmc[PANDREL_CONFIG::kHsmcPorts];
    TFormGPIO* m_GpioDialog = nullptr;
    QPixmap m_VoltagePicture;
};

// The board picture (the selector's and the form's) and the jumper picture's bitmaps.
void RegisterPandrelPictures();

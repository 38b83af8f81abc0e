#pragma once
// The Orlenn board form: a board-type list, twelve boxes, four Kelpin connectors and the two
// GPIO headers, which take Kelpin-A's place while "GPIO Header" is ticked, as the DDR2
// module takes Kelpin-B's while "DDR2 SODIMM" is.
#include <string>

#include "boards/early/CONFIG_ORLENN.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class QComboBox;
class QObject;

class TFormOrlenn : public TBoardForm {
public:
    explicit TFormOrlenn(QWidget* owner);
    ~TFormOrlenn() override;

    void ConfigToForm(const ORLENN_CONFIG& config);
    bool FormToConfig(ORLENN_CONFIG& config) const;
    void UpdateDaughterPictures();

    // Any card combo, run when the user picks an entry.
    void ComboBoxChange(const QObject* sender);

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
    void CheckBoxClick(const QObject* sender) override;

private:
    bool GpioTicked() const;
    bool Ddr2Ticked() const;
    // Whether the port's connector is on the board (not replaced by the headers or the socket).
    bool KelpinInUse(int port) const;
    // The GPIO headers (the label over Kelpin-A's place reading `gpioLabel`) or Kelpin-A, as
    // "GPIO Header" says.
    void ShowGpioOrKelpinA(const char* gpioLabel);
    // Kelpin-B emptied and locked while "DDR2 SODIMM" is ticked, free otherwise.
    void ShowDdr2OrKelpinB();

    TConfigBase<ORLENN_CONFIG> m_Settings;  // the record, the dialogs' folder and the Kelpin list
    TConfigBase<ORLENN_CONFIG> m_GpioCards;  // the GPIO list only
    TDeviceGroups<ORLENN_CONFIG> m_Groups;
    QComboBox* m_BoardType;
    TConnectorControls m_Kelpin[ORLENN_CONFIG::kKelpinPorts];
    TConnectorControls m_Gpio[2];  // GPIO-1 stands where Kelpin-A does and shows its card there
};

// The board picture (the selector's and the form's).
void RegisterOrlennPictures();

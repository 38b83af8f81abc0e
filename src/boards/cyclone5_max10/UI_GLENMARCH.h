#pragma once
// The Glenmarch board form: thirteen device groups and two 40-pin GPIO headers, which one
// 80-pin card can span.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class QObject;

class TFormGlenmarch : public TBoardForm {
public:
    explicit TFormGlenmarch(QWidget* owner);
    ~TFormGlenmarch() override;

    void DefaultConfig(GLENMARCH_CONFIG& config) const;
    // The record into the controls; the headers are then paired with GPIO-0 leading, so a
    // record of any content shows a pairing the definition accepts.
    void ConfigToForm(const GLENMARCH_CONFIG& config);
    bool FormToConfig(GLENMARCH_CONFIG& config) const;
    void UpdateDaughterPictures();
    // After a card was picked with `sender` (GPIO-0's combo, or GPIO-1 for any other).
    void PairGpioHeaders(const QObject* sender);
    bool IsGpioDefaultPair() const;

    // The handler of both card combos, run when the user picks an entry.
    void ComboBoxGpioChange(const QObject* sender);

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    void ShowGenerateWarnings() override;

private:
    // The record, the dialogs' folder and the card list both header combos show.
    TConfigBase<GLENMARCH_CONFIG> m_Settings;

    TDeviceGroups<GLENMARCH_CONFIG> m_Groups;
    // Indexed by header (GPIO_0, GPIO_1), as the prefix check and the pairing walk them.
    TConnectorControls m_Gpio[2];
};

// The board picture, the selector's and the form's.
void RegisterGlenmarchPictures();

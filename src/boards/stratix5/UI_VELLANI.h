#pragma once
// The Vellani board form: the board type, eighteen device groups, the output lists of the
// two programmable clock chips, the GPIO header and four FMC connectors (A and D HPC, B and
// C LPC).
#include <QComboBox>
#include <array>
#include <string>

#include "boards/stratix5/ConfigVellani.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class TFormVellani : public TBoardForm {
public:
    explicit TFormVellani(QWidget* owner);
    ~TFormVellani() override;

    void DefaultConfig(VELLANI_CONFIG& config) const;
    void ConfigToForm(const VELLANI_CONFIG& config);
    bool FormToConfig(VELLANI_CONFIG& config) const;
    void UpdateDaughterPictures();
    // Each clock list enabled while its chip's box is ticked, else showing "Disable". A box
    // that turns ticked gives its lists back their remembered entries; `fromRecord` first
    // takes those from the record (after a load or the defaults).
    void UpdatePllCombos(bool fromRecord = false);
    // True for the HPC connectors FMC-A (0) and FMC-D (3).
    static bool IsTransceiverPort(int port);

    // The handlers of the card combos, run when the user picks an entry.
    void ComboBoxFmcChange();
    void ComboBoxGpioChange();

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
    // The lists of one clock chip, their box and what each list shows when enabled again.
    template <std::size_t N>
    struct PllLists {
        const char* checkBox;
        std::array<QComboBox*, N> combos;
        std::array<int, N> remembered;
        bool shown;  // the lists were enabled when last updated
    };
    template <std::size_t N>
    void UpdateLists(PllLists<N>& lists, const uint8_t (&record)[N], bool fromRecord);

    TConfigVellani m_Settings;   // the record, the dialogs' folder and the GPIO card list
    TConfigVellani m_FmcHpcList; // the card list of FMC-A and FMC-D only
    TConfigVellani m_FmcLpcList; // the card list of FMC-B and FMC-C only

    TDeviceGroups<VELLANI_CONFIG> m_Groups;
    TConnectorControls m_Gpio[1];
    TConnectorControls m_Fmc[TConfigVellani::kFmcPorts];
    PllLists<TConfigVellani::kCdcmOutputs> m_Cdcm;
    PllLists<TConfigVellani::kLmkOutputs> m_Lmk;
};

// The board picture (the selector's and the form's).
void RegisterVellaniPictures();

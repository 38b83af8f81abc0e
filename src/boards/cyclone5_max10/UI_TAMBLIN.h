#pragma once
// The Tamblin board form: eighteen device groups, the mode of the two BBB headers, and a board
// revision that the form keeps hidden.
#include <string>

#include "boards/cyclone5_max10/CONFIG_Tamblin.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"

class TFormTamblin : public TBoardForm {
public:
    explicit TFormTamblin(QWidget* owner);
    ~TFormTamblin() override;

    void DefaultConfig(TAMBLIN_CONFIG& config) const;
    void ConfigToForm(const TAMBLIN_CONFIG& config);
    bool FormToConfig(TAMBLIN_CONFIG& config) const;
    void UpdateDaughterPictures();

    // The handler of the header list, run when the user picks an entry.
    void ComboBoxBBBChange();

protected:
    void FillComboBoxes() override;
    void ApplyDefaultConfig() override;
    void ConfigToForm() override;
    bool FormToConfig() override;
    void UpdateShapes() override;
    bool ValidateInput() override;
    bool GenerateProject(const std::string& projectFile) override;
    std::string BoardFolderWord() const override;
    // Ctrl held: a beep, and no batch to run.
    Batch DaughterCardBatch() override { return {.beep = true}; }

private:
    int BbbEntry() const;

    // The record, the dialogs' folder and the header pictures' card ids, one per list entry.
    TConfigBase<TAMBLIN_CONFIG> m_Settings;
    TDeviceGroups<TAMBLIN_CONFIG> m_Groups;
};

// The board picture (the selector's and the form's) and the FPGA's mark.
void RegisterTamblinPictures();

#pragma once
// The Abernoll board form: on-board devices only, six QDRII+ memories on one Si5340B output
// and four QSFP+ ports on the Si5340A, with their frequency lists.
#include "boards/arria10/ConfigAbernoll.h"
#include "boards/arria10/UI_Si5340Lists.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"

class TFormAbernoll : public TBoardForm {
public:
    explicit TFormAbernoll(QWidget* owner);
    ~TFormAbernoll() override;

    void DefaultConfig(ABERNOLL_CONFIG& config) const;
    void ConfigToForm(const ABERNOLL_CONFIG& config);
    bool FormToConfig(ABERNOLL_CONFIG& config) const;
    void UpdateOscillatorCombos();
    void ButtonButtonDefaultAllSettingClick();

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
    bool AnyTicked(std::span<const char* const> boxes) const;

    TConfigAbernoll m_Settings;
    TDeviceGroups<ABERNOLL_CONFIG> m_Groups;
    TSi5340Lists m_Si5340;
};

void RegisterAbernollPictures();

#pragma once
// The Yastrel_X2 board form: one FPGA node at a time, chosen with the node combo, with its
// project name, eighteen device groups and four HSMC connectors; each node's settings live in
// its own block of the record and Generate writes the project of the node shown.
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X2.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

class QComboBox;

class TFormYastrel_X2 : public TBoardForm {
public:
    explicit TFormYastrel_X2(QWidget* owner);
    ~TFormYastrel_X2() override;

    // The record's block of the node shown into the controls; the combos stay as they are.
    void ConfigToForm(const YASTREL_X2_CONFIG& config);
    // The header and the controls into the block of `node`.
    bool FormToConfig(YASTREL_X2_CONFIG& config, int node) const;
    void NodeToForm(const YASTREL_X2_NODE_CONFIG& block);
    bool FormToNode(YASTREL_X2_NODE_CONFIG& block) const;
    int CurrentNode() const { return m_CurrentNode; }
    void UpdateDaughterPictures();

    // The node combo's handler: the node shown follows the combo's entry.
    void ComboBoxFPGAChange();
    void ComboBoxHSMCChange();

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

private:
    TConfigBase<YASTREL_X2_CONFIG> m_Settings;  // the record, the dialogs' folder and the HSMC list
    TDeviceGroups<YASTREL_X2_NODE_CONFIG> m_Groups;
    QComboBox* m_BoardType;
    QComboBox* m_Node;
    TConnectorControls m_Hsmc[YASTREL_X2_NODE_CONFIG::kHsmcPorts];
    int m_CurrentNode = 0;
};

// The board picture (the selector's and the form's).
void RegisterYastrel_X2Pictures();

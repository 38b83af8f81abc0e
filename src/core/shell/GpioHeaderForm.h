#pragma once
// The form of a board whose only expansion is two 40-pin GPIO headers that share one card
// list and take one 80-pin card together: device groups, the two headers paired by the
// user's picks and for every record shown, the GPIO prefix check. Boards of this shape differ
// only in their data: the layout (with the controls named as below), the groups, the record
// and its routines.
#include <QComboBox>
#include <span>
#include <string>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

template <class Record>
class TGpioHeaderForm : public TBoardForm {
public:
    void ConfigToForm(const Record& config)
    {
        SetProjectName(ReadRecordText(config.szProjectName));
        m_Groups.ToForm(config);
        ShowGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
        UpdateDaughterPictures();
        UpdateShapes();
    }

    bool FormToConfig(Record& config) const
    {
        config.BoardId = m_Board.boardId;
        config.Size = sizeof(Record);
        WriteRecordText(config.szProjectName, ProjectName());
        m_Groups.FromForm(config);
        ReadGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
        return true;
    }

    void UpdateDaughterPictures()
    {
        for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
    }

    // Either header's card combo, run when the user picks an entry.
    void ComboBoxGpioChange(const QObject* sender)
    {
        PairGpioHeaders(m_Gpio, sender);
        UpdateDaughterPictures();
        UpdateShapes();
    }

protected:
    TGpioHeaderForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth, int clientHeight,
                    const char* caption, Options options, std::span<const DeviceGroup<Record>> groups,
                    RecordFormData<Record> board)
        : TBoardForm(owner, layout, clientWidth, clientHeight, caption, options),
          m_Board(board),
          m_Groups(this, groups),
          m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
                 {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
    {
        Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
        Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(board.boardPicture));
        // Only a pick of the user pairs the headers: entries set from code raise no handler.
        for (TConnectorControls& header : m_Gpio)
            connect(header.Combo, &QComboBox::activated, this,
                    [this, combo = header.Combo] { ComboBoxGpioChange(combo); });
        UseSettingsHolder(m_Settings);
        RunStartup();
    }

    void FillComboBoxes() override
    {
        m_Settings.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
        for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
    }
    void ApplyDefaultConfig() override { m_Board.defaults(m_Settings.Config); }
    void ConfigToForm() override { ConfigToForm(m_Settings.Config); }
    bool FormToConfig() override { return FormToConfig(m_Settings.Config); }
    void UpdateShapes() override
    {
        m_Groups.UpdateOutlines();
        for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
    }
    // "GPIO Default" keeps its fixed names on these boards, so even two of them need two
    // prefixes; the 80-pin pair always passes.
    bool ValidateInput() override { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }
    bool GenerateProject(const std::string& projectFile) override
    {
        // Generating leaves the form's record alone: only Save, Load and the form's going change it.
        Record config = m_Settings.Config;
        FormToConfig(config);
        return m_Board.generate(config, projectFile);
    }
    std::string BoardFolderWord() const override { return m_Board.folderWord; }

private:
    RecordFormData<Record> m_Board;
    TConfigBase<Record> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<Record> m_Groups;
    TConnectorControls m_Gpio[2];
};

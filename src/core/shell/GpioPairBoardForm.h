#pragma once
// The form of a board whose expansion connectors are two 40-pin GPIO headers on one card
// list, where the 80-pin card stands on both and no pair of cards is spared the prefix check:
// the board's data comes in, the rest is the same for every such board. Such a board keeps
// the layout's colour, writes "default.cfg" when it goes and shows nothing after success.
#include <QComboBox>
#include <span>
#include <string>

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"

// What differs between the boards beyond the layout and the groups.
template <class Record>
struct GpioPairBoard {
    uint8_t boardId;
    const char* folderWord;
    void (*defaults)(Record&);
    bool (*generate)(const Record&, const std::string&);  // the headless Generate
};

template <class Record>
class TGpioPairBoardForm : public TBoardForm {
public:
    ~TGpioPairBoardForm() override = default;

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
        UpdateShapes();
        UpdateDaughterPictures();
    }

protected:
    // The derived form sets its pictures, then calls Start.
    TGpioPairBoardForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth,
                       int clientHeight, const char* caption, std::span<const DeviceGroup<Record>> groups,
                       const GpioPairBoard<Record>& board)
        : TBoardForm(owner, layout, clientWidth, clientHeight, caption,
                     {.savesDefault = DefaultSave::OnDestroy, .successReport = SuccessReport::None, .formColour = false}),
          m_Board(board),
          m_Groups(this, groups),
          m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
                 {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
    {
        // Only a pick of the user pairs the headers: entries set from code raise no handler.
        for (TConnectorControls& header : m_Gpio)
            connect(header.Combo, &QComboBox::activated, this,
                    [this, combo = header.Combo] { ComboBoxGpioChange(combo); });
    }

    void Start()
    {
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
    // Two "GPIO Default" cards without prefixes are refused too: these boards have no names
    // of their own for that pair.
    bool ValidateInput() override { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }
    bool GenerateProject(const std::string& projectFile) override
    {
        Record config = m_Settings.Config;
        FormToConfig(config);
        return m_Board.generate(config, projectFile);
    }
    std::string BoardFolderWord() const override { return m_Board.folderWord; }

private:
    GpioPairBoard<Record> m_Board;
    TConfigBase<Record> m_Settings;  // the record, the dialogs' folder and the card list
    TDeviceGroups<Record> m_Groups;
    TConnectorControls m_Gpio[2];
};

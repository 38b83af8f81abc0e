#pragma once
// The form of a board whose expansion connectors each take a card from a list of their own,
// with nothing shared between them: device groups, then per connector a card combo, a prefix,
// the card's picture and the connector's outline, bound to one card byte and one prefix text
// of the record. Boards of this shape differ only in their data: the layout, the groups, the
// slotTable, the record and its routines.
#include <QComboBox>
#include <array>
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

// One connector of the form and where the record keeps its choice.
template <class Record>
struct CardSlot {
    const char* combo;
    const char* prefix;
    const char* image;
    const char* outline;
    uint8_t Record::*card;
    char (Record::*prefixText)[128];
    uint8_t connectorType;  // the slot's list: cards of this type at 2.5 V, no transceiver cards
};

template <class Record, std::size_t Slots>
class TCardSlotForm : public TBoardForm {
public:
    void ConfigToForm(const Record& config)
    {
        SetProjectName(ReadRecordText(config.szProjectName));
        m_Groups.ToForm(config);
        for (std::size_t i = 0; i < Slots; ++i)
            m_Controls[i].Show(config.*m_Slots[i].card, ReadRecordText(config.*m_Slots[i].prefixText));
        UpdateDaughterPictures();
        UpdateShapes();
    }

    bool FormToConfig(Record& config) const
    {
        config.BoardId = m_Board.boardId;
        config.Size = sizeof(Record);
        WriteRecordText(config.szProjectName, ProjectName());
        m_Groups.FromForm(config);
        for (std::size_t i = 0; i < Slots; ++i) {
            config.*m_Slots[i].card = m_Controls[i].Card();
            WriteRecordText(config.*m_Slots[i].prefixText, m_Controls[i].PrefixText());
        }
        return true;
    }

    void UpdateDaughterPictures()
    {
        for (const TConnectorControls& slot : m_Controls) slot.UpdatePicture();
    }

    // Any card combo, run when the user picks an entry.
    void ComboBoxCardChange()
    {
        UpdateShapes();
        UpdateDaughterPictures();
    }

protected:
    TCardSlotForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, int clientWidth, int clientHeight,
                  const char* caption, Options options, std::span<const DeviceGroup<Record>> groups,
                  RecordFormData<Record> board, const std::array<CardSlot<Record>, Slots>& slotTable)
        : TBoardForm(owner, layout, clientWidth, clientHeight, caption, options),
          m_Board(board),
          m_Slots(slotTable),
          m_Groups(this, groups),
          m_Controls(MakeControls(this, slotTable, std::make_index_sequence<Slots>()))
    {
        Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
        Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(board.boardPicture));
        for (TConnectorControls& slot : m_Controls)
            connect(slot.Combo, &QComboBox::activated, this, [this] { ComboBoxCardChange(); });
        UseSettingsHolder(m_Settings);
        RunStartup();
    }

    // The settings record's holder: what Save and Load use and what the steps of a form that
    // adds its own read.
    const Record& Settings() const { return m_Settings.Config; }

    void FillComboBoxes() override
    {
        for (std::size_t i = 0; i < Slots; ++i) {
            m_Lists[i].BuildDaughterList(m_Slots[i].connectorType, false, VOLTAGE_2V5);
            m_Controls[i].SetCards(CardsOf(m_Lists[i]));
        }
    }
    void ApplyDefaultConfig() override { m_Board.defaults(m_Settings.Config); }
    void ConfigToForm() override { ConfigToForm(m_Settings.Config); }
    bool FormToConfig() override { return FormToConfig(m_Settings.Config); }
    void UpdateShapes() override
    {
        m_Groups.UpdateOutlines();
        for (const TConnectorControls& slot : m_Controls) slot.UpdateOutlines();
    }
    // Every connector has a list of its own kind, so no two prefixes can clash.
    bool ValidateInput() override { return CheckProjectName(); }
    bool GenerateProject(const std::string& projectFile) override
    {
        // Generating leaves the form's record alone: only Save, Load and the form's going change it.
        Record config = m_Settings.Config;
        FormToConfig(config);
        return m_Board.generate(config, projectFile);
    }
    std::string BoardFolderWord() const override { return m_Board.folderWord; }

private:
    template <std::size_t... I>
    static std::array<TConnectorControls, Slots> MakeControls(const QWidget* form,
                                                             const std::array<CardSlot<Record>, Slots>& slotTable,
                                                             std::index_sequence<I...>)
    {
        return {TConnectorControls(form, slotTable[I].combo, slotTable[I].prefix, slotTable[I].image, {slotTable[I].outline})...};
    }

    RecordFormData<Record> m_Board;
    std::array<CardSlot<Record>, Slots> m_Slots;
    TConfigBase<Record> m_Settings;  // the record and the dialogs' folder
    std::array<TConfigBase<Record>, Slots> m_Lists;
    TDeviceGroups<Record> m_Groups;
    std::array<TConnectorControls, Slots> m_Controls;
};

#pragma once
// The form of the Nobrecht board and of its DDR4 twin Dravelle: the device groups, the seven
// Si5340 frequency lists (four for the Si5340A, memory, QDRII+ and on-board PCIe for the
// Si5340B), the oscillator pre-check, the memory and transceiver notes before the success
// box and "Select All". Each board passes its data: layout, groups, lists, board types (none
// on Dravelle), the memory it names and its headless Generate.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "boards/arria10/UI_Si5340Lists.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"
#include "platform/Format.h"

// A frequency list's row in its group of the layout: the label, the list and "MHz".
#define NOBRECHT_SI5340_ROW(group, label, combo, caption, row)                                   \
    {formlayout::Kind::Label, label, group, caption, {10, 24 + 30 * (row), 150, 24}},            \
        {formlayout::Kind::ComboBox, combo, group, nullptr, {164, 24 + 30 * (row), 130, 24}},    \
        {formlayout::Kind::Label, label "Mhz", group, "MHz", {302, 24 + 30 * (row), 40, 24}}

template <class Settings>
struct NobrechtFamilyData {
    using Record = decltype(Settings::Config);
    std::span<const formlayout::ControlRow> layout;
    int clientWidth;
    int clientHeight;
    const char* caption;
    const char* boardPicture;
    uint8_t boardId;
    std::span<const DeviceGroup<Record>> groups;
    std::span<const Si5340List> lists;    // nSi5340A[0..3], then nSi5340B[0..2]
    std::span<const char* const> boardTypes;  // the part list of BoardVariant; empty: none
    std::array<const char*, 2> memoryBoxes;   // the socket boxes
    const char* memoryNote;                   // "DDR3-SDRAM"
    std::array<int32_t, 7> selectAllChoices;  // the lists' entries after "Select All"
    bool (*generate)(Settings& settings, const std::string& projectFile);
};

template <class Settings>
class TNobrechtFamilyForm : public TBoardForm {
public:
    using Record = decltype(Settings::Config);
    using Data = NobrechtFamilyData<Settings>;

    void DefaultConfig(Record& config) const { config = Settings::DefaultConfig(); }

    void ConfigToForm(const Record& config)
    {
        if (!m_data.boardTypes.empty()) {
            // A part outside the list, as a file may hold, is shown (and then saved) as the first.
            const bool listed = config.BoardVariant < m_data.boardTypes.size();
            Control<QComboBox>("ComboBoxBoard")->setCurrentIndex(listed ? config.BoardVariant : 0);
        }
        std::array<int32_t, 7> choices{};
        std::copy(std::begin(config.nSi5340A), std::end(config.nSi5340A), choices.begin());
        std::copy(std::begin(config.nSi5340B), std::end(config.nSi5340B), choices.begin() + 4);
        m_Si5340.Remember(choices);
        SetProjectName(ReadRecordText(config.szProjectName));
        m_Groups.ToForm(config);
        UpdateShapes();
        UpdateOscillatorCombos();
    }

    // BoardVariant is written only where the form has the list; every other byte without a
    // control keeps the record's value.
    bool FormToConfig(Record& config) const
    {
        config.Size = sizeof(Record);
        config.BoardId = m_data.boardId;
        if (!m_data.boardTypes.empty())
            config.BoardVariant = static_cast<uint8_t>(std::max(0, Control<QComboBox>("ComboBoxBoard")->currentIndex()));
        WriteRecordText(config.szProjectName, ProjectName());
        m_Groups.FromForm(config);
        const std::vector<int32_t> shown = m_Si5340.Shown();
        std::copy(shown.begin(), shown.begin() + 4, std::begin(config.nSi5340A));
        std::copy(shown.begin() + 4, shown.end(), std::begin(config.nSi5340B));
        return true;
    }

    void UpdateOscillatorCombos() { m_Si5340.Update(); }

    // The defaults with every group ticked and the board's choices on the lists.
    void ButtonButtonDefaultAllSettingClick()
    {
        Record& c = m_Settings.Config;
        DefaultConfig(c);
        for (const DeviceGroup<Record>& group : m_data.groups) c.*group.field = 1;
        std::copy(m_data.selectAllChoices.begin(), m_data.selectAllChoices.begin() + 4, std::begin(c.nSi5340A));
        std::copy(m_data.selectAllChoices.begin() + 4, m_data.selectAllChoices.end(), std::begin(c.nSi5340B));
        ConfigToForm();
    }

protected:
    TNobrechtFamilyForm(QWidget* owner, const Data& data)
        : TBoardForm(owner, data.layout, data.clientWidth, data.clientHeight, data.caption,
                     {.outlinePen = 2,
                      .reportsFailedLoad = true,
                      .successReport = SuccessReport::WarningsThenBox,
                      .defaultButton = "ButtonExit"}),
          m_data(data),
          m_Groups(this, data.groups),
          m_Si5340(this, data.lists)
    {
        Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
        Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(data.boardPicture));
        connect(Control<QPushButton>("ButtonButtonDefaultAllSetting"), &QPushButton::clicked, this,
                [this] { ButtonButtonDefaultAllSettingClick(); });
        UseSettingsHolder(m_Settings);
        RunStartup();
    }

    void FillComboBoxes() override
    {
        if (!m_data.boardTypes.empty()) {
            auto* board = Control<QComboBox>("ComboBoxBoard");
            board->clear();
            for (const char* type : m_data.boardTypes) board->addItem(QString::fromLatin1(type));
        }
        m_Si5340.Fill();
    }
    void ApplyDefaultConfig() override { DefaultConfig(m_Settings.Config); }
    void ConfigToForm() override { ConfigToForm(m_Settings.Config); }
    bool FormToConfig() override { return FormToConfig(m_Settings.Config); }

    void UpdateShapes() override
    {
        m_Groups.UpdateOutlines();
        Control<QWidget>("ShapeSi5340A")->setVisible(AnyTicked(kQsfpBoxes));
        Control<QWidget>("ShapeSi5340B")->setVisible(AnyTicked(m_data.memoryBoxes) || AnyTicked(kQdrBoxes) ||
                                                     Ticked("CheckBoxPceiClk"));
    }
    void CheckBoxClick(const QObject*) override
    {
        UpdateShapes();
        UpdateOscillatorCombos();
    }
    bool ValidateInput() override { return CheckProjectName(); }
    bool ConfirmGenerate() override { return m_Si5340.CheckOscillators(); }
    bool GenerateProject(const std::string& projectFile) override
    {
        FormToConfig(m_Settings.Config);
        return m_data.generate(m_Settings, projectFile);
    }
    // Both boards' projects go to the same folder.
    std::string BoardFolderWord() const override { return "Nobrecht"; }
    void ShowGenerateWarnings() override
    {
        const std::string notes = ProjectNotes(
            platform::JoinPresent({{AnyTicked(m_data.memoryBoxes), m_data.memoryNote}, {AnyTicked(kQdrBoxes), "QDRII+ SRAM"}}),
            platform::JoinPresent({{Ticked("CheckBoxPCIe"), "PCIe"}, {AnyTicked(kQsfpBoxes), "QSFP+"}}));
        if (!notes.empty()) platform::InformationBox(notes);
    }

    Settings m_Settings;

private:
    static constexpr std::array<const char*, 4> kQsfpBoxes = {"CheckBoxQsfpA", "CheckBoxQsfpB", "CheckBoxQsfpC",
                                                              "CheckBoxQsfpD"};
    static constexpr std::array<const char*, 4> kQdrBoxes = {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC",
                                                             "CheckBoxQdrD"};

    bool Ticked(const char* box) const { return Control<QCheckBox>(box)->isChecked(); }
    template <std::size_t N>
    bool AnyTicked(const std::array<const char*, N>& boxes) const
    {
        return std::any_of(boxes.begin(), boxes.end(), [this](const char* box) { return Ticked(box); });
    }

    Data m_data;
    TDeviceGroups<Record> m_Groups;
    TSi5340Lists m_Si5340;
};

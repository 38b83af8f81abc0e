#pragma once
// The Kestwin board form, and the form it shares with its twin Lumbrae: seven or eight device
// groups and two 40-pin GPIO headers, each with its own card and prefix (no 80-pin card, so
// the headers never pair). A board gives its record, layout, groups and Generate.
#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "boards/cyclone5_max10/CONFIG_Kestwin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardForm.h"
#include "core/shell/ConnectorControls.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/FormLayout.h"

namespace kestwinform {

// Rows of a layout put together in order; parents come before their children.
template <std::size_t A, std::size_t B, std::size_t C, std::size_t D>
constexpr std::array<formlayout::ControlRow, A + B + C + D> JoinRows(const formlayout::ControlRow (&a)[A],
                                                                      const formlayout::ControlRow (&b)[B],
                                                                      const formlayout::ControlRow (&c)[C],
                                                                      const formlayout::ControlRow (&d)[D])
{
    std::array<formlayout::ControlRow, A + B + C + D> rows{};
    auto at = std::copy(a, a + A, rows.begin());
    at = std::copy(b, b + B, at);
    at = std::copy(c, c + C, at);
    std::copy(d, d + D, at);
    return rows;
}

using formlayout::ControlRow;
using formlayout::Kind;

// Both boards' layout before the board's picture: the dotted line lies beneath the picture.
inline constexpr ControlRow kPanelRows[] = {
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {224, 22, 185, 35}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 64, 417, 345}},
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, {96, 144, 65, 1}, formlayout::kDotted},
};

// Both boards' buttons and settings, but for the boxes whose place differs.
inline constexpr ControlRow kSettingsRows[] = {
    {Kind::Button, "ButtonSave", nullptr, "Save Setting", {16, 423, 190, 35}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting", {16, 471, 190, 35}},
    {Kind::Button, "ButtonGen", nullptr, "Generate", {224, 423, 190, 35}},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {224, 471, 190, 35}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 1, 353, 504}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {16, 32, 120, 20}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {16, 56, 326, 28}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 104, 160, 17}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 8", {184, 104, 160, 17}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {16, 140, 160, 17}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 4", {184, 140, 160, 17}},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC 2x5 Header", {16, 177, 160, 17}},
    {Kind::CheckBox, "CheckBoxArduino", "GroupBox1", "Arduino Header", {184, 177, 160, 17}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", {16, 296, 160, 20}, formlayout::kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, {16, 320, 240, 28}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {16, 352, 100, 28}},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, {120, 352, 136, 28}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {262, 320, 80, 80}},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", {16, 400, 160, 20}, formlayout::kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {16, 424, 240, 28}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {16, 456, 100, 28}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {120, 456, 136, 28}},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, {262, 408, 80, 80}},
};

inline constexpr int kClientWidth = 789;
inline constexpr int kClientHeight = 520;

// The keyboard's order: the buttons under the picture, the settings, then the board's own
// boxes and "Change Main Board".
inline constexpr const char* kTabOrderHead[] = {
    "ButtonSave",     "ButtonLoad",      "ButtonGen",       "ButtonExit",
    "CheckBoxLED",    "CheckBoxButton",  "ComboBoxGpio0",   "ComboBoxGpio1",
    "EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1", "CheckBoxOSC",
    "CheckBoxSwitch", "CheckBoxADC",     "CheckBoxHPS",     "CheckBoxArduino",
};
inline constexpr const char* kTabOrderTail = "ButtonMainBoardSelect";

}  // namespace kestwinform

// What a board of the pair gives its form.
template <class Record>
struct KestwinFamilyForm {
    uint8_t boardId;
    const char* folderWord;
    std::span<const DeviceGroup<Record>> groups;
    std::span<const char* const> lastTabs;  // the board's boxes after the shared ones
    void (*defaults)(Record&);
    bool (*generate)(const Record&, const std::string&);
};

template <class Record>
class TKestwinFamilyForm : public TBoardForm {
public:
    // Shows the record: groups, project name, and each header's card when the list has it
    // (otherwise the header keeps its entry), with its prefix unless the entry is "None".
    void ConfigToForm(const Record& config)
    {
        SetProjectName(ReadRecordText(config.szProjectName));
        m_Groups.ToForm(config);
        ShowGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
        UpdateDaughterPictures();
        UpdateShapes();
    }
    // Bytes the form has no control for keep what the record held.
    bool FormToConfig(Record& config) const
    {
        config.BoardId = m_board.boardId;
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
    // Either card combo's handler: the headers are independent, so only the view follows.
    void ComboBoxGpioChange()
    {
        UpdateDaughterPictures();
        UpdateShapes();
    }

protected:
    TKestwinFamilyForm(QWidget* owner, std::span<const formlayout::ControlRow> layout, const char* caption,
                       const KestwinFamilyForm<Record>& board)
        : TBoardForm(owner, layout, kestwinform::kClientWidth, kestwinform::kClientHeight, caption,
                     {.outlinePen = 3}),
          m_board(board),
          m_Groups(this, board.groups),
          m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
                 {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
    {
        std::vector<const char*> tabs(std::begin(kestwinform::kTabOrderHead), std::end(kestwinform::kTabOrderHead));
        tabs.insert(tabs.end(), board.lastTabs.begin(), board.lastTabs.end());
        tabs.push_back(kestwinform::kTabOrderTail);
        formlayout::SetTabOrder(this, tabs);
        // The layout's check boxes are 17 pixels high: a smaller mark keeps their text whole.
        Control<QWidget>("GroupBox1")->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 12px; height: 12px; }"));
        for (TConnectorControls& header : m_Gpio)
            connect(header.Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
        UseSettingsHolder(m_Settings);
        RunStartup();
    }

    void FillComboBoxes() override
    {
        m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
        for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
    }
    void ApplyDefaultConfig() override { m_board.defaults(m_Settings.Config); }
    void ConfigToForm() override { ConfigToForm(m_Settings.Config); }
    bool FormToConfig() override { return FormToConfig(m_Settings.Config); }
    void UpdateShapes() override
    {
        m_Groups.UpdateOutlines();
        for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
    }
    bool ValidateInput() override { return CheckProjectName() && CheckGpioHeaderPrefixes(m_Gpio); }
    bool GenerateProject(const std::string& projectFile) override
    {
        // Generating leaves the form's record alone: only Save, Load and closing change it.
        Record record = m_Settings.Config;
        FormToConfig(record);
        return m_board.generate(record, projectFile);
    }
    std::string BoardFolderWord() const override { return m_board.folderWord; }
    void ShowGenerateWarnings() override
    {
        if (Control<QCheckBox>("CheckBoxHPS")->isChecked()) ShowHpsWarning();
    }

private:
    KestwinFamilyForm<Record> m_board;
    TConfigBase<Record> m_Settings;  // the record, the dialogs' folder and the one card list
    TDeviceGroups<Record> m_Groups;
    TConnectorControls m_Gpio[2];  // GPIO-0, GPIO-1
};

class TFormKestwin : public TKestwinFamilyForm<KESTWIN_CONFIG> {
public:
    explicit TFormKestwin(QWidget* owner);
};

// The board picture and the FPGA vendor's mark.
void RegisterKestwinPictures();

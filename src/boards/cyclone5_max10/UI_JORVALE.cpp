#include "boards/cyclone5_max10/UI_JORVALE.h"

#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
#include "core/model/HsmcVoltage.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Jorvale_BITMAP";
constexpr const char* kVoltagePicture = "Jorvale_HSMC_VOLTAGE_BITMAP";

// The board picture lies in Panel1, the shunt picture beside the voltage choice in GroupBox1;
// the outlines over them are given in picture coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};
constexpr Rect kVoltageImage{214, 336, 124, 126};

// The row of a shunt position on the voltage picture.
constexpr Rect OverShunt(int row) { return Over(kVoltageImage, 4, 26 + 24 * row, 116, 20); }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 423}},
    {Kind::Label, "LabelBoardName", "Panel1", "Cylone V Jorvale Evaluation Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 64, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 82, 8, 70, 38)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 160, 8, 40, 30)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 10, 60, 90, 60)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 108, 58, 60, 24)},
    {Kind::Shape, "ShapeSi5338", "Panel1", "Si5338", Over(kBoardImage, 176, 56, 64, 26)},
    {Kind::Shape, "ShapeTemperature", "Panel1", "TEMP", Over(kBoardImage, 262, 56, 60, 26)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 20, 236, 110, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 20, 258, 110, 32)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 190, 254, 150, 36)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 360, 100, 30, 180)},
    // The configuration memory's and the EEPROM's outlines, which no operation switches.
    {Kind::Shape, "ShapeEPCQ", "Panel1", "EPCQ", Over(kBoardImage, 262, 100, 60, 26)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 262, 136, 60, 26)},
    // A dotted line of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 354, 474}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 62, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 4", {16, 84, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4, Reset", {16, 106, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 4", {16, 128, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 150, 160, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3", {186, 62, 150, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 84, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR Receiver", {186, 106, 150, 20}},
    {Kind::CheckBox, "CheckBoxSi5338", "GroupBox1", "Si5338 I2C", {186, 128, 150, 20}},
    {Kind::CheckBox, "CheckBoxTemperature", "GroupBox1", "Temperature", {186, 150, 150, 20}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC", {14, 188, 110, 24}, kBold},
    {Kind::Label, "Label5", "GroupBox1", "IO Voltage:", {140, 188, 72, 24}},
    {Kind::ComboBox, "ComboBoxHsmcVol", "GroupBox1", nullptr, {214, 188, 124, 24}},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 218, 324, 24}},
    {Kind::Label, "Label6", "GroupBox1", "Prefix Name:", {14, 252, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 252, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 248, 124, 80}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 248, 124, 80}},
    {Kind::Image, "ImageVol", "GroupBox1", nullptr, {kVoltageImage}},
    {Kind::Shape, "ShapeHsmc3V3", "GroupBox1", "3.3V", OverShunt(0)},
    {Kind::Shape, "ShapeHsmc2V5", "GroupBox1", "2.5V", OverShunt(1)},
    {Kind::Shape, "ShapeHsmc1V8", "GroupBox1", "1.8V", OverShunt(2)},
    {Kind::Shape, "ShapeHsmc1V5", "GroupBox1", "1.5V", OverShunt(3)},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {8, 340, 198, 36}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {212, 340, 196, 36}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 382, 198, 36}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 382, 196, 36}},
};

constexpr DeviceGroup<JORVALE_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &JORVALE_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &JORVALE_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &JORVALE_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &JORVALE_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxVGA", &JORVALE_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxDDR3", &JORVALE_CONFIG::bDdr3, {"ShapeDDR3"}},
    {"CheckBoxAudio", &JORVALE_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxIR", &JORVALE_CONFIG::bIr, {"ShapeIR"}},
    {"CheckBoxSi5338", &JORVALE_CONFIG::bSi5338I2c, {"ShapeSi5338"}},
    {"CheckBoxTemperature", &JORVALE_CONFIG::bTemperature, {"ShapeTemperature"}},
};

constexpr const char* kVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};
static_assert(std::size(kVoltageShapes) == std::size(kHsmcVoltageItems));

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeVGA", pictures::Part::Jack},        {"ShapeAudio", pictures::Part::Jack},
    {"ShapeIR", pictures::Part::Chip},         {"ShapeDDR3", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator},  {"ShapeSi5338", pictures::Part::Chip},
    {"ShapeTemperature", pictures::Part::Chip}, {"ShapeLED", pictures::Part::Leds, 4},
    {"ShapeSwitch", pictures::Part::Switches, 4}, {"ShapeButton", pictures::Part::Keys, 5},
    {"ShapeHSMC", pictures::Part::Header},     {"ShapeEPCQ", pictures::Part::Chip},
    {"ShapeEEPROM", pictures::Part::Chip},
};

QPixmap DrawJorvaleBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 92, 100, 86), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(210, 8, 44, 34), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(262, 8, 84, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(20, 150, 100, 22), QStringLiteral("Jorvale"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawJorvaleShunts()
{
    return boardpicture::DrawJumpersUnderOutlines(kVoltageImage, kLayout, kVoltageShapes,
                                                  QStringLiteral("JP7 HSMC VCCIO"));
}

}  // namespace

TFormJorvale::TFormJorvale(QWidget* owner)
    : TBoardForm(owner, kLayout, 794, 485, "Cylone V Jorvale V1.0.1", {.outlinePen = 3, .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Hsmc(this, "ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", {"ShapeHSMC"})
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<formlayout::TImage>("ImageVol")->SetPicture(platform::qt::LoadBitmap(kVoltagePicture));

    connect(m_Hsmc.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    connect(Control<QComboBox>("ComboBoxHsmcVol"), &QComboBox::activated, this, [this] { ComboBoxHsmcVolChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormJorvale::~TFormJorvale() = default;

void TFormJorvale::DefaultConfig(JORVALE_CONFIG& config) const { config = JorvaleDefaultConfig(); }

void TFormJorvale::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormJorvale::FillComboBoxes()
{
    auto* voltage = Control<QComboBox>("ComboBoxHsmcVol");
    voltage->clear();
    for (const char* item : kHsmcVoltageItems) voltage->addItem(QString::fromLatin1(item));
    voltage->setCurrentIndex(kHsmcVoltageDefault);

    // This board's HSMC connector carries the transceiver lanes.
    for (int entry = 0; entry < static_cast<int>(std::size(kHsmcVoltageItems)); ++entry)
        CardListForVoltage(entry).BuildDaughterList(CONNECTOR_HSMC, true, HsmcVoltageClass(entry));
    UpdateDaughterCombos();
}

TConfigBase<JORVALE_CONFIG>& TFormJorvale::CardListForVoltage(int voltageEntry)
{
    switch (voltageEntry) {
    case 0: return m_HsmcCards3V3;
    case 2: return m_HsmcCards1V8;
    case 3: return m_HsmcCards1V5;
    default: return m_Settings;
    }
}

void TFormJorvale::FillDaughterCombo(int voltageEntry) { m_Hsmc.SetCards(CardsOf(CardListForVoltage(voltageEntry))); }

void TFormJorvale::UpdateDaughterCombos() { FillDaughterCombo(VoltageEntry()); }

int TFormJorvale::VoltageEntry() const { return Control<QComboBox>("ComboBoxHsmcVol")->currentIndex(); }

void TFormJorvale::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormJorvale::ConfigToForm(const JORVALE_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    // A voltage outside the list, as a hand-made file may hold, is shown as the default.
    const int voltage = HsmcVoltageEntry(config.nHsmcVoltage);
    Control<QComboBox>("ComboBoxHsmcVol")->setCurrentIndex(voltage);
    FillDaughterCombo(voltage);
    m_Hsmc.Show(config.nHsmcDaughterId, ReadRecordText(config.szHSMCPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormJorvale::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormJorvale::FormToConfig(JORVALE_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Jorvale;
    config.Size = sizeof(JORVALE_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nHsmcVoltage = VoltageEntry();
    config.nHsmcDaughterId = m_Hsmc.Card();
    WriteRecordText(config.szHSMCPrefixName, m_Hsmc.PrefixText());
    return true;
}

void TFormJorvale::UpdateDaughterPictures() { m_Hsmc.UpdatePicture(); }

void TFormJorvale::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Hsmc.UpdateOutlines();
    const int voltage = VoltageEntry();
    for (int i = 0; i < static_cast<int>(std::size(kVoltageShapes)); ++i)
        Control<QWidget>(kVoltageShapes[i])->setVisible(i == voltage);
}

bool TFormJorvale::ValidateInput() { return CheckProjectName(); }

bool TFormJorvale::GenerateProject(const std::string& projectFile)
{
    // The settings record changes only through the settings buttons and "Exit".
    JORVALE_CONFIG request = m_Settings.Config;
    FormToConfig(request);
    return GenerateJorvaleProject(request, projectFile);
}

std::string TFormJorvale::BoardFolderWord() const { return "Jorvale"; }

void TFormJorvale::ShowGenerateWarnings() { ShowVoltageWarning(); }

void TFormJorvale::ShowVoltageWarning()
{
    JORVALE_CONFIG scratch = m_Settings.Config;
    FormToConfig(scratch);
    if (scratch.nHsmcVoltage == kHsmcVoltageDefault) return;
    ShowVoltageJumperWarning("You have changed the default voltage level of HSMC interface. \nPlease remember "
                             "to change the shunt position on JP7 accordingly.");
}

void TFormJorvale::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormJorvale::ComboBoxHsmcVolChange()
{
    UpdateDaughterCombos();
    // The list now shows "None": the card picture goes with the card.
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterJorvalePictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawJorvaleBoard);
    platform::qt::RegisterBitmap(kVoltagePicture, DrawJorvaleShunts);
}

#include "boards/stratix4_cyclone4/UI_RUSKEL.h"

#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Ruskel_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 405}},
    {Kind::Label, "LabelBoardName", "Panel1", "Ruskel FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 20, 8, 360, 22)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 30, 50, 90, 40)},
    {Kind::Shape, "ShapeAccelerometer", "Panel1", "ACCELEROMETER", Over(kBoardImage, 250, 50, 100, 34)},
    {Kind::Shape, "ShapeEPCS", "Panel1", "EPCS", Over(kBoardImage, 30, 100, 50, 30)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 90, 100, 50, 30)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 30, 140, 50, 30)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 90, 140, 50, 30)},
    {Kind::Shape, "ShapeHeader", "Panel1", "2x13", Over(kBoardImage, 362, 50, 26, 166)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 30, 184, 90, 32)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 140, 192, 120, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 276, 184, 74, 32)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 20, 230, 360, 22)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 456}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 60, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 8", {16, 80, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {16, 100, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Dip Switch x 4", {16, 120, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 32MB", {16, 140, 160, 20}},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", {186, 60, 150, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM, 2Kb", {186, 80, 150, 20}},
    {Kind::CheckBox, "CheckBoxEPCS", "GroupBox1", "EPCS", {186, 100, 150, 20}},
    {Kind::CheckBox, "CheckBoxAccelerometer", "GroupBox1", "Accelerometer", {186, 120, 150, 20}},
    {Kind::CheckBox, "CheckBoxHeader", "GroupBox1", "2x13 Pin Header", {186, 140, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", {14, 170, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, {14, 192, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 226, 80, 24}},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, {96, 226, 110, 24}},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", {214, 222, 124, 80}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {214, 222, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", {14, 310, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {14, 332, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 366, 80, 24}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {96, 366, 110, 24}},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", {214, 362, 124, 80}},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, {214, 362, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {8, 300, 196, 46}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {212, 300, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 352, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 352, 196, 46}},
};

constexpr DeviceGroup<RUSKEL_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &RUSKEL_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &RUSKEL_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &RUSKEL_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &RUSKEL_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSDRAM", &RUSKEL_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxADC", &RUSKEL_CONFIG::bADC, {"ShapeADC"}},
    {"CheckBoxEEPROM", &RUSKEL_CONFIG::bEEPROM, {"ShapeEEPROM"}},
    {"CheckBoxEPCS", &RUSKEL_CONFIG::bEPCS, {"ShapeEPCS"}},
    {"CheckBoxAccelerometer", &RUSKEL_CONFIG::bAccelerometer, {"ShapeAccelerometer"}},
    {"CheckBoxHeader", &RUSKEL_CONFIG::bHeader, {"ShapeHeader"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", pictures::Part::Header},     {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeAccelerometer", pictures::Part::Chip}, {"ShapeEPCS", pictures::Part::Chip},
    {"ShapeOSC", pictures::Part::Oscillator},   {"ShapeADC", pictures::Part::Chip},
    {"ShapeEEPROM", pictures::Part::Chip},      {"ShapeHeader", pictures::Part::Header},
    {"ShapeButton", pictures::Part::Keys},      {"ShapeLED", pictures::Part::Leds},
    {"ShapeSwitch", pictures::Part::Switches},  {"ShapeGpio1", pictures::Part::Header},
};

QPixmap DrawRuskelBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(160, 56, 80, 76), QStringLiteral("Cyclone IV E"), pictures::Part::Chip},
            {QRect(250, 100, 80, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(160, 146, 80, 22), QStringLiteral("Ruskel"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormRuskel::TFormRuskel(QWidget* owner)
    : TBoardForm(owner, kLayout, 793, 469, "Ruskel",
                 {.outlinePen = 3, .savesDefault = DefaultSave::OnDestroy, .successReport = SuccessReport::None}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
             {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    for (TConnectorControls& header : m_Gpio)
        connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] { ComboBoxGpioChange(combo); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormRuskel::~TFormRuskel() = default;

void TFormRuskel::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormRuskel::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
}

void TFormRuskel::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormRuskel::ConfigToForm(const RUSKEL_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int h : {GPIO_0, GPIO_1}) m_Gpio[h].Show(config.nGpioDaughterId[h], ReadRecordText(config.szGpioPrefixName[h]));
    // A pair from a file is made consistent with header 0 leading, as the user would leave it.
    PairGpioHeaders(m_Gpio, m_Gpio[GPIO_0].Combo);
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormRuskel::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormRuskel::FormToConfig(RUSKEL_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Ruskel;
    config.Size = sizeof(RUSKEL_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    for (int h : {GPIO_0, GPIO_1}) {
        config.nGpioDaughterId[h] = m_Gpio[h].Card();
        WriteRecordText(config.szGpioPrefixName[h], m_Gpio[h].PrefixText());
    }
    return true;
}

void TFormRuskel::UpdateDaughterPictures()
{
    for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
}

void TFormRuskel::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
}

bool TFormRuskel::ValidateInput() { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }

bool TFormRuskel::GenerateProject(const std::string& projectFile)
{
    RUSKEL_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GenerateRuskelProject(config, projectFile);
}

std::string TFormRuskel::BoardFolderWord() const { return "Ruskel"; }

void TFormRuskel::ComboBoxGpioChange(const QObject* sender)
{
    PairGpioHeaders(m_Gpio, sender);
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterRuskelPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawRuskelBoard); }

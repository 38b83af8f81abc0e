#include "boards/cyclone5_max10/UI_WISTRELL.h"

#include <QCheckBox>
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
using formlayout::kAqua;
using formlayout::kBold;
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Wistrell_BITMAP";
constexpr const char* kFamilyMark = "Wistrell_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in picture
// coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// A settings row of the group box: the check boxes stand in two columns.
constexpr Rect LeftBox(int row) { return {16, 64 + 26 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 64 + 26 * row, 150, 20}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 451}},
    {Kind::Label, "LabelBoardName", "Panel1", "Wistrell FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 12, 60, 28, 230)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 52, 8, 50, 38)},
    {Kind::Shape, "ShapeVideoIn", "Panel1", "VIDEO-IN", Over(kBoardImage, 110, 8, 46, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 164, 8, 46, 38)},
    {Kind::Shape, "ShapeHdmi", "Panel1", "HDMI TX", Over(kBoardImage, 218, 8, 50, 38)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 276, 8, 34, 38)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 52, 54, 50, 22)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 52, 84, 50, 24)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 52, 116, 50, 28)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 110, 54, 90, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 52, 196, 180, 40)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 52, 244, 180, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 52, 266, 180, 26)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 240, 258, 74, 34)},
    // The processor side and what only it reaches.
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", Over(kBoardImage, 208, 102, 106, 86), kAqua},
    {Kind::Shape, "ShapeHpsDDR3", "Panel1", "HPS DDR3", Over(kBoardImage, 208, 54, 106, 40), kAqua},
    {Kind::Shape, "ShapeHpsEthernet", "Panel1", "ETHERNET", Over(kBoardImage, 318, 8, 72, 38), kAqua},
    {Kind::Shape, "ShapeHpsUsb", "Panel1", "USB", Over(kBoardImage, 322, 54, 68, 30), kAqua},
    {Kind::Shape, "ShapeHpsUart", "Panel1", "UART", Over(kBoardImage, 322, 92, 68, 22), kAqua},
    {Kind::Shape, "ShapeHpsSdcard", "Panel1", "SD CARD", Over(kBoardImage, 322, 122, 68, 30), kAqua},
    {Kind::Shape, "ShapeHpsLTC", "Panel1", "LTC", Over(kBoardImage, 322, 160, 68, 30), kAqua},
    {Kind::Shape, "ShapeHpsLCD", "Panel1", "LCD", Over(kBoardImage, 322, 198, 68, 42), kAqua},
    {Kind::Shape, "ShapeHpsLedButton", "Panel1", "HPS LED/KEY", Over(kBoardImage, 322, 250, 68, 42), kAqua},
    // A dotted line of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 502}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 28, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 28, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", LeftBox(5)},
    {Kind::CheckBox, "CheckBoxHDMI", "GroupBox1", "HDMI TX", LeftBox(6)},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3, 1GB", RightBox(0)},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", RightBox(1)},
    {Kind::CheckBox, "CheckBoxVideoIn", "GroupBox1", "Video-In", RightBox(2)},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", RightBox(3)},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR TX/RX", RightBox(4)},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", RightBox(5)},
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", RightBox(6)},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header", {14, 262, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 286, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 322, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 322, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 318, 124, 80}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {214, 318, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 340, 196, 48}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 340, 196, 48}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 396, 196, 48}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 396, 196, 48}},
};

// Each device group: its check box, its record byte and the outlines over its parts.
constexpr DeviceGroup<WISTRELL_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &WISTRELL_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &WISTRELL_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &WISTRELL_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &WISTRELL_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxVGA", &WISTRELL_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxHDMI", &WISTRELL_CONFIG::bHdmiTx, {"ShapeHdmi"}},
    {"CheckBoxDDR3", &WISTRELL_CONFIG::bDdr3, {"ShapeDDR3"}},
    {"CheckBoxAudio", &WISTRELL_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxVideoIn", &WISTRELL_CONFIG::bVideoIn, {"ShapeVideoIn"}},
    {"CheckBoxADC", &WISTRELL_CONFIG::bAdc, {"ShapeADC"}},
    {"CheckBoxSeg7", &WISTRELL_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxIR", &WISTRELL_CONFIG::bIr, {"ShapeIR"}},
    {"CheckBoxPS2", &WISTRELL_CONFIG::bPs2, {"ShapePS2"}},
    {"CheckBoxHPS", &WISTRELL_CONFIG::bHps,
     {"ShapeHPS", "ShapeHpsDDR3", "ShapeHpsEthernet", "ShapeHpsSdcard", "ShapeHpsUsb", "ShapeHpsUart", "ShapeHpsLTC",
      "ShapeHpsLCD", "ShapeHpsLedButton"}},
};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio", pictures::Part::Header},       {"ShapeVGA", pictures::Part::Jack},
    {"ShapeVideoIn", pictures::Part::Jack},      {"ShapeAudio", pictures::Part::Jack},
    {"ShapeHdmi", pictures::Part::Jack},         {"ShapePS2", pictures::Part::Jack},
    {"ShapeOSC", pictures::Part::Oscillator},    {"ShapeIR", pictures::Part::Chip},
    {"ShapeADC", pictures::Part::Chip},          {"ShapeDDR3", pictures::Part::Memory},
    {"ShapeSeg7", pictures::Part::Seg7},         {"ShapeLED", pictures::Part::Leds},
    {"ShapeSwitch", pictures::Part::Switches},   {"ShapeButton", pictures::Part::Keys},
    {"ShapeHPS", pictures::Part::Region},        {"ShapeHpsDDR3", pictures::Part::Memory},
    {"ShapeHpsEthernet", pictures::Part::Jack},  {"ShapeHpsUsb", pictures::Part::Jack},
    {"ShapeHpsUart", pictures::Part::Chip},      {"ShapeHpsSdcard", pictures::Part::Jack},
    {"ShapeHpsLTC", pictures::Part::Header},     {"ShapeHpsLCD", pictures::Part::Region},
    {"ShapeHpsLedButton", pictures::Part::Keys},
};

QPixmap DrawWistrellBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(110, 102, 90, 86), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(52, 152, 50, 36), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(240, 200, 74, 20), QStringLiteral("Wistrell"), pictures::Part::Silkscreen},
            {QRect(240, 226, 74, 24), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
        });
}

}  // namespace

TFormWistrell::TFormWistrell(QWidget* owner)
    : TBoardForm(owner, kLayout, 794, 515, "Wistrell V1.0.0", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio", "EditPrefixGpio", "ImageGpio0", {"ShapeGpio"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    connect(m_Gpio[0].Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormWistrell::~TFormWistrell() = default;

void TFormWistrell::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    m_Gpio[0].SetCards(CardsOf(m_Settings));
}

void TFormWistrell::ApplyDefaultConfig() { m_Settings.Config = DefaultWistrellConfig(); }

void TFormWistrell::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormWistrell::ConfigToForm(const WISTRELL_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Gpio[0].Show(config.nGpioDaughterId, ReadRecordText(config.szGpioPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormWistrell::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormWistrell::FormToConfig(WISTRELL_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Wistrell;
    config.Size = sizeof(WISTRELL_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nGpioDaughterId = m_Gpio[0].Card();
    WriteRecordText(config.szGpioPrefixName, m_Gpio[0].PrefixText());
    return true;
}

void TFormWistrell::UpdateDaughterPictures() { m_Gpio[0].UpdatePicture(); }

void TFormWistrell::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio[0].UpdateOutlines();
}

bool TFormWistrell::ValidateInput() { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }

bool TFormWistrell::GenerateProject(const std::string& projectFile)
{
    // Generating leaves the form's record alone: only Save, Load and closing change it.
    WISTRELL_CONFIG record = m_Settings.Config;
    FormToConfig(record);
    return GenerateWistrellProject(record, projectFile);
}

std::string TFormWistrell::BoardFolderWord() const { return "Wistrell"; }

void TFormWistrell::ShowGenerateWarnings()
{
    if (Control<QCheckBox>("CheckBoxHPS")->isChecked()) ShowHpsWarning();
}

TBoardForm::Batch TFormWistrell::DaughterCardBatch()
{
    return {.beep = true, .passes = {{.connectors = {&m_Gpio[0]}, .firstEntry = 1, .nameFormat = "Wistrell_GPIO_%s"}}};
}

void TFormWistrell::ComboBoxGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterWistrellPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawWistrellBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone V"));
}

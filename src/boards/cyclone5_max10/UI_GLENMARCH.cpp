#include "boards/cyclone5_max10/UI_GLENMARCH.h"

#include <QCheckBox>
#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
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
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;


constexpr const char* kBoardPicture = "Glenmarch_BITMAP";
constexpr const char* kFamilyMark = "Glenmarch_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in picture coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 456}},
    {Kind::Label, "LabelBoardName", "Panel1", "Glenmarch FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 118, 8, 126, 22)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 256, 8, 126, 22)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 46, 46, 34)},
    {Kind::Shape, "ShapeVideoIn", "Panel1", "VIDEO-IN", Over(kBoardImage, 10, 88, 46, 34)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 10, 130, 46, 34)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 10, 172, 46, 30)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 10, 210, 46, 24)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 66, 46, 62, 30)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 140, 48, 60, 22)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 66, 92, 62, 46)},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", Over(kBoardImage, 268, 46, 122, 100), formlayout::kAqua},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 66, 188, 186, 42)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 66, 238, 186, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 66, 260, 186, 30)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 268, 254, 100, 36)},
    // A dotted line and a dotted box of the layout that no operation touches and that mark
    // nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::Shape, "Shape2", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 358, 507}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 234, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 60, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", {16, 80, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 100, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 120, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", {16, 140, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 32MB", {16, 160, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 180, 160, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 60, 150, 20}},
    {Kind::CheckBox, "CheckBoxVideoIn", "GroupBox1", "Video-In", {186, 80, 150, 20}},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", {186, 100, 150, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {186, 120, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR TX/RX", {186, 140, 150, 20}},
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {186, 160, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", {14, 216, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, {14, 238, 330, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 272, 80, 24}},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, {96, 272, 110, 24}},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", {220, 268, 124, 80}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {220, 268, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", {14, 358, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {14, 380, 330, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 414, 80, 24}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {96, 414, 110, 24}},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", {220, 410, 124, 80}},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, {220, 410, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 340, 196, 52}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 340, 196, 52}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 398, 196, 52}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 398, 196, 52}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<GLENMARCH_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &GLENMARCH_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &GLENMARCH_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &GLENMARCH_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &GLENMARCH_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxVGA", &GLENMARCH_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxSDRAM", &GLENMARCH_CONFIG::bSdram, {"ShapeSDRAM"}},
    {"CheckBoxAudio", &GLENMARCH_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxVideoIn", &GLENMARCH_CONFIG::bVideoIn, {"ShapeVideoIn"}},
    {"CheckBoxADC", &GLENMARCH_CONFIG::bAdc, {"ShapeADC"}},
    {"CheckBoxSeg7", &GLENMARCH_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxIR", &GLENMARCH_CONFIG::bIr, {"ShapeIR"}},
    {"CheckBoxPS2", &GLENMARCH_CONFIG::bPs2, {"ShapePS2"}},
    {"CheckBoxHPS", &GLENMARCH_CONFIG::bHps, {"ShapeHPS"}},
};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", pictures::Part::Header},   {"ShapeGpio1", pictures::Part::Header},
    {"ShapeVGA", pictures::Part::Jack},       {"ShapeVideoIn", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},     {"ShapePS2", pictures::Part::Jack},
    {"ShapeIR", pictures::Part::Chip},        {"ShapeADC", pictures::Part::Chip},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeHPS", pictures::Part::Region},     {"ShapeSeg7", pictures::Part::Seg7},
    {"ShapeLED", pictures::Part::Leds},       {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeButton", pictures::Part::Keys},
};

QPixmap DrawGlenmarchBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(10, 8, 56, 30), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(140, 84, 110, 88), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(268, 156, 122, 26), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(268, 198, 116, 20), QStringLiteral("Glenmarch"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormGlenmarch::TFormGlenmarch(QWidget* owner)
    : TBoardForm(owner, kLayout, 798, 519, "Glenmarch V1.1.1", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
             {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));

    // Only a pick by the user runs the handler: the pairing sets the other combo from code.
    for (TConnectorControls& header : m_Gpio)
        connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] { ComboBoxGpioChange(combo); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormGlenmarch::~TFormGlenmarch() = default;

void TFormGlenmarch::DefaultConfig(GLENMARCH_CONFIG& config) const { config = GLENMARCH_CONFIG::DefaultConfig(); }

void TFormGlenmarch::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormGlenmarch::FillComboBoxes()
{
    // One list of 40-pin and 80-pin cards serves both headers.
    m_Settings.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
}

void TFormGlenmarch::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormGlenmarch::ConfigToForm(const GLENMARCH_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int h : {GPIO_0, GPIO_1}) m_Gpio[h].Show(config.nGpioDaughterId[h], ReadRecordText(config.szGpioPrefixName[h]));
    PairGpioHeaders(m_Gpio[GPIO_0].Combo);
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormGlenmarch::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormGlenmarch::FormToConfig(GLENMARCH_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Glenmarch;
    config.Size = sizeof(GLENMARCH_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    for (int h : {GPIO_0, GPIO_1}) {
        config.nGpioDaughterId[h] = m_Gpio[h].Card();
        WriteRecordText(config.szGpioPrefixName[h], m_Gpio[h].PrefixText());
    }
    return true;
}

void TFormGlenmarch::UpdateDaughterPictures()
{
    for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
}

void TFormGlenmarch::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
}

void TFormGlenmarch::PairGpioHeaders(const QObject* sender) { ::PairGpioHeaders(m_Gpio, sender); }

bool TFormGlenmarch::IsGpioDefaultPair() const { return ::IsGpioDefaultPair(m_Gpio); }

void TFormGlenmarch::ComboBoxGpioChange(const QObject* sender)
{
    PairGpioHeaders(sender);
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormGlenmarch::ValidateInput()
{
    // Two generic cards without prefixes are told apart by their base names.
    return CheckProjectName() && (IsGpioDefaultPair() || CheckPrefixNames(PrefixKind::Gpio, m_Gpio));
}

bool TFormGlenmarch::GenerateProject(const std::string& projectFile)
{
    // Generating leaves the form's record as it was: the controls go into a record of this call.
    GLENMARCH_CONFIG record = m_Settings.Config;
    FormToConfig(record);
    return GenerateGlenmarchProject(record, projectFile);
}

std::string TFormGlenmarch::BoardFolderWord() const { return "Glenmarch"; }

void TFormGlenmarch::ShowGenerateWarnings()
{
    if (Control<QCheckBox>("CheckBoxHPS")->isChecked()) ShowHpsWarning();
}

void RegisterGlenmarchPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawGlenmarchBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone V"));
}

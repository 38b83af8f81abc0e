#include "boards/cyclone5_max10/UI_POCKLIN.h"

#include <QComboBox>
#include <QFont>
#include <QPainter>

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
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Pocklin_BITMAP";
constexpr const char* kFamilyPicture = "Pocklin_MAX10_MARK_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in picture coordinates.
constexpr Rect kBoardImage{8, 32, 400, 305};
constexpr Rect kFamilyImage{10, 9, 110, 46};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageAltera", nullptr, nullptr, kFamilyImage},
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {130, 9, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 17, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 64, 417, 345}},
    {Kind::Label, "LabelBoardName", "Panel1", "MAX 10 Pocklin FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeHdmiRx", "Panel1", "HDMI RX", Over(kBoardImage, 10, 8, 62, 38)},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETHERNET", Over(kBoardImage, 80, 8, 62, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 150, 8, 50, 38)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 208, 8, 40, 38)},
    {Kind::Shape, "ShapeUart2Usb", "Panel1", "UART USB", Over(kBoardImage, 256, 8, 56, 38)},
    {Kind::Shape, "ShapeSdCard", "Panel1", "microSD", Over(kBoardImage, 320, 8, 70, 30)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 10, 58, 48, 22)},
    {Kind::Shape, "ShapeDAC", "Panel1", "DAC", Over(kBoardImage, 66, 58, 36, 22)},
    {Kind::Shape, "ShapePowerMonitor", "Panel1", "PWR MON", Over(kBoardImage, 110, 58, 50, 22)},
    {Kind::Shape, "ShapeQspiFlash", "Panel1", "QSPI", Over(kBoardImage, 168, 58, 44, 22)},
    {Kind::Shape, "ShapeMIPI", "Panel1", "MIPI CAMERA", Over(kBoardImage, 300, 56, 90, 44)},
    {Kind::Shape, "ShapeGsensor", "Panel1", "G-SENSOR", Over(kBoardImage, 10, 92, 56, 26)},
    {Kind::Shape, "ShapeHumiditySensor", "Panel1", "RH/TEMP", Over(kBoardImage, 10, 128, 56, 26)},
    {Kind::Shape, "ShapeLightSensor", "Panel1", "LIGHT", Over(kBoardImage, 10, 164, 56, 26)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 76, 92, 76, 46)},
    {Kind::Shape, "ShapeRavesh", "Panel1", "LCD TOUCH", Over(kBoardImage, 300, 110, 90, 62)},
    {Kind::Shape, "ShapeOmbrel", "Panel1", "2x6", Over(kBoardImage, 300, 182, 90, 30)},
    {Kind::Shape, "ShapeHex", "Panel1", "HEX", Over(kBoardImage, 10, 200, 80, 44)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 10, 254, 240, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 10, 274, 240, 24)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 262, 254, 128, 44)},
    // An outline of the layout that no control drives; the picture needs none.
    {Kind::Shape, "ShapeADC", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting", {8, 417, 204, 63}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting", {221, 417, 204, 63}},
    {Kind::Button, "ButtonGen", nullptr, "Generate", {8, 488, 204, 63}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {221, 488, 204, 63}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 8, 353, 543}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 62, 160, 22}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", {16, 86, 160, 22}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 5", {16, 110, 160, 22}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 134, 160, 22}},
    {Kind::CheckBox, "CheckBoxHex", "GroupBox1", "7-Segment x2", {16, 158, 160, 22}},
    {Kind::CheckBox, "CheckBoxPowerMonitor", "GroupBox1", "Power Monitor", {16, 182, 160, 22}},
    {Kind::CheckBox, "CheckBoxGSensor", "GroupBox1", "G-sensor", {16, 206, 160, 22}},
    {Kind::CheckBox, "CheckBoxHumiditySensor", "GroupBox1", "Humidity Sensor", {16, 230, 160, 22}},
    {Kind::CheckBox, "CheckBoxLightSensor", "GroupBox1", "Light Sensor", {16, 254, 160, 22}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio Codec", {16, 278, 160, 22}},
    {Kind::CheckBox, "CheckBoxHdmiRx", "GroupBox1", "HDMI RX", {186, 62, 155, 22}},
    {Kind::CheckBox, "CheckBoxSdCard", "GroupBox1", "microSD Card", {186, 86, 155, 22}},
    {Kind::CheckBox, "CheckBoxQspiFlash", "GroupBox1", "QSPI Flash", {186, 110, 155, 22}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {186, 134, 155, 22}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3 SDRAM", {186, 158, 155, 22}},
    {Kind::CheckBox, "CheckBoxUart2Usb", "GroupBox1", "UART to USB", {186, 182, 155, 22}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", {186, 206, 155, 22}},
    {Kind::CheckBox, "CheckBoxDAC", "GroupBox1", "DAC", {186, 230, 155, 22}},
    {Kind::CheckBox, "CheckBoxMIPI", "GroupBox1", "MIPI CS2 Camera", {186, 254, 155, 22}},
    {Kind::CheckBox, "CheckBoxRavesh", "GroupBox1", "LCD Touch Panel", {186, 278, 155, 22}},
    {Kind::Label, "Label1", "GroupBox1", "Ombrel 2x6 GPIO Header", {14, 318, 250, 20}, kBold},
    {Kind::ComboBox, "ComboBoxOmbrel", "GroupBox1", nullptr, {14, 340, 324, 24}},
    {Kind::Label, "Label2", "GroupBox1", "Prefix Name:", {14, 376, 80, 24}},
    {Kind::Edit, "EditPrefixOmbrel", "GroupBox1", nullptr, {96, 376, 110, 24}},
    // As wide as the card pictures, so that a card's name shows whole.
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", {214, 374, 124, 80}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {214, 374, 124, 80}},
    {Kind::Button, "ButtonDefault", "GroupBox1", "Default Setting", {14, 482, 324, 44}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<POCKLIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &POCKLIN_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &POCKLIN_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &POCKLIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &POCKLIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxHex", &POCKLIN_CONFIG::bSeg7, {"ShapeHex"}},
    {"CheckBoxPowerMonitor", &POCKLIN_CONFIG::bPowerMonitor, {"ShapePowerMonitor"}},
    {"CheckBoxGSensor", &POCKLIN_CONFIG::bGSensor, {"ShapeGsensor"}},
    {"CheckBoxHumiditySensor", &POCKLIN_CONFIG::bHumiditySensor, {"ShapeHumiditySensor"}},
    {"CheckBoxLightSensor", &POCKLIN_CONFIG::bLightSensor, {"ShapeLightSensor"}},
    {"CheckBoxAudio", &POCKLIN_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxHdmiRx", &POCKLIN_CONFIG::bHdmiRx, {"ShapeHdmiRx"}},
    {"CheckBoxSdCard", &POCKLIN_CONFIG::bSdCard, {"ShapeSdCard"}},
    {"CheckBoxQspiFlash", &POCKLIN_CONFIG::bFlash, {"ShapeQspiFlash"}},
    {"CheckBoxPS2", &POCKLIN_CONFIG::bPs2, {"ShapePS2"}},
    {"CheckBoxDDR3", &POCKLIN_CONFIG::bDdr3, {"ShapeDDR3"}},
    {"CheckBoxUart2Usb", &POCKLIN_CONFIG::bUart2Usb, {"ShapeUart2Usb"}},
    {"CheckBoxEthernet", &POCKLIN_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxDAC", &POCKLIN_CONFIG::bDac, {"ShapeDAC"}},
    {"CheckBoxMIPI", &POCKLIN_CONFIG::bMipi, {"ShapeMIPI"}},
    {"CheckBoxRavesh", &POCKLIN_CONFIG::bRavesh, {"ShapeRavesh"}},
};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeHdmiRx", pictures::Part::Jack},       {"ShapeEthernet", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},        {"ShapePS2", pictures::Part::Jack},
    {"ShapeUart2Usb", pictures::Part::Jack},     {"ShapeSdCard", pictures::Part::Jack},
    {"ShapeOSC", pictures::Part::Oscillator},    {"ShapeDAC", pictures::Part::Chip},
    {"ShapePowerMonitor", pictures::Part::Chip}, {"ShapeQspiFlash", pictures::Part::Memory},
    {"ShapeMIPI", pictures::Part::Header},       {"ShapeGsensor", pictures::Part::Chip},
    {"ShapeHumiditySensor", pictures::Part::Chip}, {"ShapeLightSensor", pictures::Part::Chip},
    {"ShapeDDR3", pictures::Part::Memory},       {"ShapeRavesh", pictures::Part::Header},
    {"ShapeOmbrel", pictures::Part::Header},     {"ShapeHex", pictures::Part::Seg7, 2},
    {"ShapeLED", pictures::Part::Leds},          {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeButton", pictures::Part::Keys, 5},
};

QPixmap DrawPocklinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(160, 92, 92, 80), QStringLiteral("MAX 10"), pictures::Part::Chip},
            {QRect(100, 204, 70, 36), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(180, 204, 40, 36), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(160, 178, 92, 20), QStringLiteral("Pocklin"), pictures::Part::Silkscreen},
        });
}

// The FPGA family's mark beside the maker's logo.
QPixmap DrawFamilyMark()
{
    return pictures::DrawFamilyMark(QSize(kFamilyImage.width, kFamilyImage.height), QStringLiteral("MAX 10"));
}

}  // namespace

TFormPocklin::TFormPocklin(QWidget* owner)
    : TBoardForm(owner, kLayout, 793, 559, "Pocklin", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Ombrel(this, "ComboBoxOmbrel", "EditPrefixOmbrel", "ImageGpio0", {"ShapeOmbrel"})
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyPicture));
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));

    connect(m_Ombrel.Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormPocklin::~TFormPocklin() = default;

void TFormPocklin::DefaultConfig(POCKLIN_CONFIG& config) const { ::DefaultConfig(config); }

void TFormPocklin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormPocklin::FillComboBoxes()
{
    m_Settings.DaughterCount = PocklinOmbrelCards(m_Settings.DaughterIds);
    m_Ombrel.SetCards(CardsOf(m_Settings));
}

void TFormPocklin::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormPocklin::ConfigToForm(const POCKLIN_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Ombrel.Show(config.nOmbrelDaughterId, ReadRecordText(config.szOmbrelPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormPocklin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormPocklin::FormToConfig(POCKLIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Pocklin;
    config.Size = sizeof(POCKLIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nOmbrelDaughterId = m_Ombrel.Card();
    WriteRecordText(config.szOmbrelPrefixName, m_Ombrel.PrefixText());
    return true;
}

void TFormPocklin::UpdateDaughterPictures() { m_Ombrel.UpdatePicture(); }

void TFormPocklin::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Ombrel.UpdateOutlines();
}

// One card connector: no prefix can clash.
bool TFormPocklin::ValidateInput() { return CheckProjectName(); }

bool TFormPocklin::GenerateProject(const std::string& projectFile)
{
    // A record of its own: the settings record changes only by Save, Load and closing.
    POCKLIN_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GeneratePocklinProject(config, projectFile);
}

std::string TFormPocklin::BoardFolderWord() const { return "MAX10"; }

void TFormPocklin::ComboBoxGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterPocklinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawPocklinBoard);
    platform::qt::RegisterBitmap(kFamilyPicture, DrawFamilyMark);
}

#include "boards/cyclone5_max10/UI_PRESSEL.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "boards/cyclone5_max10/CONFIG_Pressel.h"
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

constexpr const char* kBoardPicture = "Pressel_BITMAP";
constexpr const char* kFpgaBadge = "Pressel_FPGA_BADGE";

// Where the board picture lies in Panel1; the outlines over it are given in picture
// coordinates.
constexpr Rect kBoardImage{8, 32, 400, 298};
constexpr Rect kBadgeImage{148, 5, 120, 46};

// A settings row of the group box: the check boxes stand in two columns.
constexpr Rect LeftBox(int row) { return {16, 64 + 26 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 64 + 26 * row, 150, 20}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {kBadgeImage}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 433}},
    {Kind::Label, "LabelBoardName", "Panel1", "Pressel FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 64, 38)},
    {Kind::Shape, "ShapeArduino_0", "Panel1", "ARDUINO", Over(kBoardImage, 86, 8, 230, 24)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 358, 8, 30, 230)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 86, 44, 50, 22)},
    {Kind::Shape, "ShapeAccelerometer", "Panel1", "G-SENSOR", Over(kBoardImage, 86, 76, 50, 34)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 250, 44, 80, 46)},
    {Kind::Shape, "ShapeArduino_1", "Panel1", "ARDUINO", Over(kBoardImage, 86, 154, 230, 24)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 10, 200, 230, 40)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 10, 248, 230, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 10, 268, 230, 22)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 252, 248, 60, 42)},
    // A dotted line of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 484}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 28, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 28, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxAccelerometer", "GroupBox1", "Accelerometer", RightBox(0)},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 64MB", RightBox(1)},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", RightBox(2)},
    {Kind::CheckBox, "CheckBoxArduino", "GroupBox1", "Arduino Header", RightBox(3)},
    {Kind::Label, "Label1", "GroupBox1", "2x20 GPIO Header", {14, 210, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 234, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 270, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 270, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 266, 124, 80}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 266, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 338, 196, 40}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 338, 196, 40}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 384, 196, 40}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 384, 196, 40}},
};

// Each device group: its check box, its record byte and the outlines over its parts.
constexpr DeviceGroup<PRESSEL_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &PRESSEL_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &PRESSEL_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &PRESSEL_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &PRESSEL_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxAccelerometer", &PRESSEL_CONFIG::bAccelerometer, {"ShapeAccelerometer"}},
    {"CheckBoxSDRAM", &PRESSEL_CONFIG::bSdram, {"ShapeSDRAM"}},
    {"CheckBoxVGA", &PRESSEL_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxSeg7", &PRESSEL_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxArduino", &PRESSEL_CONFIG::bArduino, {"ShapeArduino_0", "ShapeArduino_1"}},
};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeVGA", pictures::Part::Jack},         {"ShapeArduino_0", pictures::Part::Header},
    {"ShapeGpio", pictures::Part::Header},      {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeAccelerometer", pictures::Part::Chip}, {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeArduino_1", pictures::Part::Header}, {"ShapeSeg7", pictures::Part::Seg7},
    {"ShapeLED", pictures::Part::Leds},         {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeButton", pictures::Part::Keys, 2},
};

QPixmap DrawPresselBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 44, 90, 90), QStringLiteral("MAX 10"), pictures::Part::Chip},
            {QRect(10, 58, 64, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(10, 98, 64, 30), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(250, 104, 80, 20), QStringLiteral("Pressel"), pictures::Part::Silkscreen},
        });
}

// The FPGA family beside the maker's logo, drawn as a plain badge of our own.
QPixmap DrawFpgaBadge()
{
    QPixmap badge(kBadgeImage.width, kBadgeImage.height);
    badge.fill(Qt::transparent);
    QPainter p(&badge);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1, 1, kBadgeImage.width - 2, kBadgeImage.height - 2);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 2));
    p.setBrush(QColor(0xF4, 0xF6, 0xFA));
    p.drawRoundedRect(frame, 6, 6);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    pictures::DrawText(p, frame, Qt::AlignCenter, QStringLiteral("MAX 10 FPGA"));
    return badge;
}

}  // namespace

TFormPressel::TFormPressel(QWidget* owner)
    : TBoardForm(owner, kLayout, 793, 497, "Pressel V1.0.1", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio", "EditPrefixGpio", "ImageGpio", {"ShapeGpio"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFpgaBadge));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    connect(m_Gpio[0].Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormPressel::~TFormPressel() = default;

void TFormPressel::DefaultConfig(PRESSEL_CONFIG& config) const { config = TConfigPressel::DefaultConfig(); }

void TFormPressel::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormPressel::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    m_Gpio[0].SetCards(CardsOf(m_Settings));
}

void TFormPressel::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormPressel::ConfigToForm(const PRESSEL_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Gpio[0].Show(config.nGpioDaughterId, ReadRecordText(config.szGpioPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormPressel::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormPressel::FormToConfig(PRESSEL_CONFIG& config) const
{
    config.Size = sizeof(PRESSEL_CONFIG);
    config.BoardId = MAINBOARD_Pressel;
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nGpioDaughterId = m_Gpio[0].Card();
    WriteRecordText(config.szGpioPrefixName, m_Gpio[0].PrefixText());
    return true;
}

void TFormPressel::UpdateDaughterPictures() { m_Gpio[0].UpdatePicture(); }

void TFormPressel::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio[0].UpdateOutlines();
}

bool TFormPressel::ValidateInput() { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }

bool TFormPressel::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GeneratePresselProject(m_Settings, projectFile);
}

std::string TFormPressel::BoardFolderWord() const { return "Pressel"; }

TBoardForm::Batch TFormPressel::DaughterCardBatch()
{
    return {.beep = false,
            .passes = {{.connectors = {&m_Gpio[0]},
                        .firstEntry = 1,
                        .nameFormat = "Pressel_GPIO_%s",
                        .prepare = [this](uint8_t) { m_Gpio[0].Prefix->setText(QStringLiteral("GPIO")); }}}};
}

void TFormPressel::ComboBoxGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterPresselPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawPresselBoard);
    platform::qt::RegisterBitmap(kFpgaBadge, DrawFpgaBadge);
}

#include "boards/cyclone5_max10/UI_PLIMMET.h"

#include <QCheckBox>
#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
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

constexpr const char* kBoardPicture = "Plimmet_BITMAP";
constexpr const char* kFamilyMark = "Plimmet_FAMILY_MARK";
constexpr const char* kFourDigits = "Plimmet_HEX_x4_BITMAP";
constexpr const char* kTwoDigits = "Plimmet_HEX_x2_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in picture
// coordinates. The display picture sits below it.
constexpr Rect kBoardImage{8, 32, 390, 317};
constexpr Rect kHexImage{8, 356, 135, 60};

// The display on the board: HEX3 and HEX2 on the left, HEX1 and HEX0 on the right.
constexpr int kSeg7Left = 48, kSeg7Top = 188, kSeg7Half = 72, kSeg7Height = 40;

// A settings row of the group box: the check boxes stand in two columns.
constexpr Rect LeftBox(int row) { return {16, 60 + 24 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 60 + 24 * row, 150, 20}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 466}},
    {Kind::Label, "LabelBoardName", "Panel1", "Plimmet", {8, 4, 390, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeHDMI_TX", "Panel1", "HDMI TX", Over(kBoardImage, 48, 8, 56, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 112, 8, 48, 38)},
    {Kind::Shape, "ShapeUart2USB", "Panel1", "UART USB", Over(kBoardImage, 168, 8, 52, 38)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD CARD", Over(kBoardImage, 228, 8, 52, 38)},
    {Kind::Shape, "ShapeXcvrSma", "Panel1", "SMA", Over(kBoardImage, 290, 8, 26, 30)},
    {Kind::Shape, "ShapeXcvrSma2", "Panel1", "SMA", Over(kBoardImage, 322, 8, 26, 30)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 10, 56, 26, 170)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 48, 58, 56, 22)},
    {Kind::Shape, "ShapeSi5338_I2C", "Panel1", "Si5338", Over(kBoardImage, 112, 58, 52, 22)},
    {Kind::Shape, "ShapeSRAM", "Panel1", "SRAM", Over(kBoardImage, 48, 92, 72, 40)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 48, 144, 52, 28)},
    {Kind::Shape, "ShapeLPDDR2", "Panel1", "LPDDR2", Over(kBoardImage, 246, 60, 96, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, kSeg7Left, kSeg7Top, 2 * kSeg7Half, kSeg7Height)},
    {Kind::Shape, "ShapeSeg7_x2", "Panel1", "HEX", Over(kBoardImage, kSeg7Left + kSeg7Half, kSeg7Top, kSeg7Half, kSeg7Height)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 48, 238, 200, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 48, 260, 200, 28)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 258, 252, 88, 36)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 356, 56, 26, 200)},
    // The DIP switch that hands HEX2/HEX3 to the header, always marked; wide enough for its
    // caption beside the two switches.
    {Kind::Shape, "ShapeS1S2", "Panel1", "S1/S2", Over(kBoardImage, 200, 188, 74, 24)},
    {Kind::Shape, "ShapeDipSwitch", "Panel1", "dip switch", Over(kBoardImage, 200, 218, 74, 12)},
    // Outlines of the layout that UpdateShapes always hides.
    {Kind::Shape, "ShapeArduino_0", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Shape, "ShapeArduino_1", "Panel1", nullptr, kNoPlace, kHidden},
    // A dotted line of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::Image, "ImageHex", "Panel1", nullptr, {kHexImage}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 517}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 18", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 4", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxHDMI_TX", "GroupBox1", "HDMI TX", LeftBox(5)},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", LeftBox(6)},
    {Kind::CheckBox, "CheckBoxLPDDR2", "GroupBox1", "LPDDR2, 512MB", RightBox(0)},
    {Kind::CheckBox, "CheckBoxSRAM", "GroupBox1", "SRAM, 512KB", RightBox(1)},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", RightBox(2)},
    {Kind::CheckBox, "CheckBoxUart2USB", "GroupBox1", "UART to USB", RightBox(3)},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SD CARD", RightBox(4)},
    {Kind::CheckBox, "CheckBoxXcvrSma", "GroupBox1", "SMA XCVR (DNI)", RightBox(5)},
    {Kind::CheckBox, "CheckBoxSi5338_I2C", "GroupBox1", "SI5338 I2C", RightBox(6)},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header", {14, 232, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 254, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 288, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 288, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 284, 124, 80}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 284, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC", {14, 372, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 394, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 428, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 428, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 424, 124, 80}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 424, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonDefaultSetting", "Panel1", "Default Setting", {8, 422, 135, 36}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {151, 356, 124, 48}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {283, 356, 124, 48}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {151, 410, 124, 48}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {283, 410, 124, 48}},
};

// Each device group: its check box, its record byte and the outlines over its parts. The
// display's outline depends on the GPIO card as well (UpdateShapes).
constexpr DeviceGroup<PLIMMET_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &PLIMMET_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &PLIMMET_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &PLIMMET_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &PLIMMET_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSeg7", &PLIMMET_CONFIG::bSeg7, {}},
    {"CheckBoxHDMI_TX", &PLIMMET_CONFIG::bHdmiTx, {"ShapeHDMI_TX"}},
    {"CheckBoxLPDDR2", &PLIMMET_CONFIG::bLpddr2, {"ShapeLPDDR2"}},
    {"CheckBoxSRAM", &PLIMMET_CONFIG::bSram, {"ShapeSRAM"}},
    {"CheckBoxAudio", &PLIMMET_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxUart2USB", &PLIMMET_CONFIG::bUart2Usb, {"ShapeUart2USB"}},
    {"CheckBoxSDCARD", &PLIMMET_CONFIG::bSdCard, {"ShapeSDCARD"}},
    {"CheckBoxXcvrSma", &PLIMMET_CONFIG::bXcvrSma, {"ShapeXcvrSma", "ShapeXcvrSma2"}},
    {"CheckBoxSi5338_I2C", &PLIMMET_CONFIG::bSi5338I2c, {"ShapeSi5338_I2C"}},
    {"CheckBoxADC", &PLIMMET_CONFIG::bAdc, {"ShapeADC"}},
};

// How each outlined part looks on the board picture; the display is drawn by digit pairs.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeHDMI_TX", pictures::Part::Jack},      {"ShapeAudio", pictures::Part::Jack},
    {"ShapeUart2USB", pictures::Part::Jack},     {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapeXcvrSma", pictures::Part::Jack},      {"ShapeXcvrSma2", pictures::Part::Jack},
    {"ShapeGpio", pictures::Part::Header},       {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSi5338_I2C", pictures::Part::Chip},   {"ShapeSRAM", pictures::Part::Memory},
    {"ShapeADC", pictures::Part::Chip},          {"ShapeLPDDR2", pictures::Part::Memory},
    {"ShapeLED", pictures::Part::Leds, 18},      {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeButton", pictures::Part::Keys},       {"ShapeHSMC", pictures::Part::Header},
    {"ShapeS1S2", pictures::Part::Switches, 2},  {"ShapeDipSwitch", pictures::Part::Silkscreen},
};

QPixmap DrawPlimmetBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(140, 96, 92, 80), QStringLiteral("Cyclone V GX"), pictures::Part::Chip},
            // HEX3 and HEX2 end where the outline of the right pair begins, clear of its border.
            {QRect(kSeg7Left, kSeg7Top, kSeg7Half - boardpicture::kOutlineMargin, kSeg7Height), QStringLiteral("3 2"),
             pictures::Part::Seg7, 2},
            {QRect(kSeg7Left + kSeg7Half, kSeg7Top, kSeg7Half, kSeg7Height), QStringLiteral("1 0"), pictures::Part::Seg7, 2},
            {QRect(246, 112, 96, 26), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(246, 146, 60, 30), QStringLiteral("DC IN"), pictures::Part::Jack},
            // The name between the DIP switch's outlines, the keys' and the HSMC header's.
            {QRect(281, 202, 68, 20), QStringLiteral("Plimmet"), pictures::Part::Silkscreen},
        });
}

// The display as the form shows it below the board: four digits, or the two the GPIO header
// leaves.
QPixmap DrawDisplay(bool fourDigits)
{
    const QSize size(kHexImage.width, kHexImage.height);
    if (fourDigits) {
        const pictures::Block digits[] = {{QRect(4, 8, 127, 44), QStringLiteral("HEX"), pictures::Part::Seg7, 4}};
        return pictures::DrawBoard(size, digits);
    }
    const pictures::Block parts[] = {
        {QRect(4, 18, 58, 24), QStringLiteral("GPIO"), pictures::Part::Silkscreen},
        {QRect(66, 8, 65, 44), QString(), pictures::Part::Seg7, 2},
    };
    return pictures::DrawBoard(size, parts);
}

}  // namespace

TFormPlimmet::TFormPlimmet(QWidget* owner)
    : TBoardForm(owner, kLayout, 796, 529, "Varnholt Plimmet V1.0.1", {.outlinePen = 3, .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Gpio(this, "ComboBoxGpio", "EditPrefixGpio", "ImageGpio", {"ShapeGpio"}),
      m_Hsmc(this, "ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", {"ShapeHSMC"})
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    connect(m_Gpio.Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(m_Hsmc.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormPlimmet::~TFormPlimmet() = default;

void TFormPlimmet::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    m_Hsmc.SetCards(CardsOf(m_Settings));
    m_GpioCards.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    m_Gpio.SetCards(CardsOf(m_GpioCards));
}

void TFormPlimmet::ApplyDefaultConfig() { m_Settings.Config = DefaultPlimmetConfig(); }

void TFormPlimmet::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormPlimmet::ConfigToForm(const PLIMMET_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Gpio.Show(config.nGpioDaughterId, ReadRecordText(config.szGpioPrefixName));
    m_Hsmc.Show(config.nHsmcDaughterId, ReadRecordText(config.szHSMCPrefixName));
    UpdateSeg7Caption();
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormPlimmet::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormPlimmet::FormToConfig(PLIMMET_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Plimmet;
    config.Size = sizeof(PLIMMET_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nGpioDaughterId = m_Gpio.Card();
    WriteRecordText(config.szGpioPrefixName, m_Gpio.PrefixText());
    config.nHsmcDaughterId = m_Hsmc.Card();
    WriteRecordText(config.szHSMCPrefixName, m_Hsmc.PrefixText());
    return true;
}

bool TFormPlimmet::GpioCardChosen() const { return m_Gpio.Entry() != 0; }

void TFormPlimmet::UpdateSeg7Caption()
{
    Control<QCheckBox>("CheckBoxSeg7")->setText(QString::fromLatin1(platform::Format("7-Segment x %d", GpioCardChosen() ? 2 : 4)));
}

void TFormPlimmet::UpdateDaughterPictures()
{
    m_Hsmc.UpdatePicture();
    m_Gpio.UpdatePicture();
    Control<formlayout::TImage>("ImageHex")->SetPicture(platform::qt::LoadBitmap(GpioCardChosen() ? kTwoDigits : kFourDigits));
}

void TFormPlimmet::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio.UpdateOutlines();
    m_Hsmc.UpdateOutlines();
    const bool seg7 = Control<QCheckBox>("CheckBoxSeg7")->isChecked();
    const bool twoDigits = GpioCardChosen();
    Control<QWidget>("ShapeSeg7")->setVisible(seg7 && !twoDigits);
    Control<QWidget>("ShapeSeg7_x2")->setVisible(seg7 && twoDigits);
    Control<QWidget>("ShapeArduino_0")->setVisible(false);
    Control<QWidget>("ShapeArduino_1")->setVisible(false);
}

// The two connectors take cards of different kinds: no prefix can clash.
bool TFormPlimmet::ValidateInput() { return CheckProjectName(); }

bool TFormPlimmet::GenerateProject(const std::string& projectFile)
{
    // Generating leaves the form's record alone: only Save, Load and closing change it.
    PLIMMET_CONFIG record = m_Settings.Config;
    FormToConfig(record);
    return GeneratePlimmetProject(record, projectFile);
}

std::string TFormPlimmet::BoardFolderWord() const { return "Plimmet"; }

void TFormPlimmet::ShowGenerateWarnings() { ShowGpioHeaderNote(); }

void TFormPlimmet::ShowGpioHeaderNote()
{
    if (!GpioCardChosen()) return;
    platform::InformationBox(std::string("Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n") +
                             "Before you use the GPIO header, be sure to follow the procedures listed\r\n" +
                             "below to avoid any hardware damage.\r\n" + "1. Erase the default code.\r\n" +
                             "2. Switch the S1/S2 dip switch to the OFF position.\r\n");
}

TBoardForm::Batch TFormPlimmet::DaughterCardBatch()
{
    // Every HSMC card, "None" included, with the user's GPIO card; then every GPIO card alone.
    return {.beep = true,
            .passes = {{.connectors = {&m_Hsmc}, .firstEntry = 0, .nameFormat = "Plimmet_HSMC_%s"},
                       {.connectors = {&m_Gpio},
                        .firstEntry = 1,
                        .nameFormat = "Plimmet_GPIO_%s",
                        .prepare = [this](uint8_t) { m_Hsmc.Combo->setCurrentIndex(0); }}}};
}

void TFormPlimmet::ComboBoxGpioChange()
{
    UpdateSeg7Caption();
    UpdateShapes();
    UpdateDaughterPictures();
}

void TFormPlimmet::ComboBoxHSMCChange()
{
    UpdateShapes();
    UpdateDaughterPictures();
}

void RegisterPlimmetPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawPlimmetBoard);
    platform::qt::RegisterBitmap(kFourDigits, [] { return DrawDisplay(true); });
    platform::qt::RegisterBitmap(kTwoDigits, [] { return DrawDisplay(false); });
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone V"));
}

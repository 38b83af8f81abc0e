#include "boards/cyclone5_max10/UI_ULVARIN.h"

#include <QCheckBox>
#include <QComboBox>

#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
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

constexpr const char* kBoardPicture = "Ulvarin_BITMAP";
constexpr const char* kVoltagePicture = "Ulvarin_HSMC_VOLTAGE_BITMAP";

// Where the pictures lie in Panel1; the outlines over them are given in picture coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};
constexpr Rect kVoltageImage{296, 340, 112, 126};

// The row of a jumper position on the voltage picture.
constexpr Rect OverJumper(int row) { return Over(kVoltageImage, 4, 26 + 24 * row, 104, 20); }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 474}},
    {Kind::Label, "LabelBoardName", "Panel1", "Ulvarin FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 64, 38)},
    {Kind::Shape, "ShapeVideoIn", "Panel1", "VIDEO-IN", Over(kBoardImage, 82, 8, 54, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 144, 8, 58, 38)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 210, 8, 40, 38)},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", Over(kBoardImage, 258, 8, 132, 100)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 10, 56, 44, 26)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 10, 90, 44, 32)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 14, 132, 28, 158)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 150, 58, 56, 24)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 62, 96, 76, 46)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 62, 188, 186, 42)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 62, 238, 186, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 62, 260, 186, 30)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 262, 254, 88, 36)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 360, 116, 30, 176)},
    {Kind::Image, "ImageVol", "Panel1", nullptr, {kVoltageImage}},
    {Kind::Shape, "ShapeHsmc3V3", "Panel1", "3.3V", OverJumper(0)},
    {Kind::Shape, "ShapeHsmc2V5", "Panel1", "2.5V", OverJumper(1)},
    {Kind::Shape, "ShapeHsmc1V8", "Panel1", "1.8V", OverJumper(2)},
    {Kind::Shape, "ShapeHsmc1V5", "Panel1", "1.5V", OverJumper(3)},
    // The configuration memory's outline, which no operation switches.
    {Kind::Shape, "ShapeEPCQ", "Panel1", "EPCQ", Over(kBoardImage, 70, 152, 60, 24)},
    // Outlines of the layout that no operation touches and that mark nothing we know of on this
    // board (ShapeKelpin23 is the dotted line that the other Cyclone V layouts hold as well).
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::Shape, "ShapeGpio1V5", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Shape, "Shape2", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Shape, "Shape7", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::Shape, "Shape8", "Panel1", nullptr, kNoPlace, kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 525}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::Label, "Label7", "GroupBox1", "Top File Type:", {14, 56, 92, 24}},
    {Kind::ComboBox, "ComboBoxFileType", "GroupBox1", nullptr, {110, 56, 120, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 88, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", {16, 108, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 128, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 148, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", {16, 168, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 32MB", {16, 188, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 208, 160, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 88, 150, 20}},
    {Kind::CheckBox, "CheckBoxVideoIn", "GroupBox1", "Video-In", {186, 108, 150, 20}},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", {186, 128, 150, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {186, 148, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR TX/RX", {186, 168, 150, 20}},
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {186, 188, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header (3.3V)", {14, 236, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 258, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 292, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 292, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 288, 124, 80}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 288, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC Header", {14, 376, 110, 24}, kBold},
    {Kind::Label, "Label5", "GroupBox1", "IO Voltage:", {140, 376, 72, 24}},
    {Kind::ComboBox, "ComboBoxHsmcVol", "GroupBox1", nullptr, {214, 376, 124, 24}},
    {Kind::ComboBox, "ComboBoxHsmc", "GroupBox1", nullptr, {14, 406, 324, 24}},
    {Kind::Label, "Label6", "GroupBox1", "Prefix Name:", {14, 440, 80, 24}},
    {Kind::Edit, "EditPrefixHsmc", "GroupBox1", nullptr, {96, 440, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 436, 124, 80}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 436, 124, 80}},
    // Last, so that the keyboard reaches them after the settings; beside the jumper picture
    // and as high as it.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 340, 136, 59}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {152, 340, 136, 59}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 407, 136, 59}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {152, 407, 136, 59}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<ULVARIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &ULVARIN_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &ULVARIN_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &ULVARIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &ULVARIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSeg7", &ULVARIN_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxSDRAM", &ULVARIN_CONFIG::bSdram, {"ShapeSDRAM"}},
    {"CheckBoxVGA", &ULVARIN_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxAudio", &ULVARIN_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxVideoIn", &ULVARIN_CONFIG::bVideoIn, {"ShapeVideoIn"}},
    {"CheckBoxADC", &ULVARIN_CONFIG::bAdc, {"ShapeADC"}},
    {"CheckBoxPS2", &ULVARIN_CONFIG::bPs2, {"ShapePS2"}},
    {"CheckBoxIR", &ULVARIN_CONFIG::bIr, {"ShapeIR"}},
    {"CheckBoxHPS", &ULVARIN_CONFIG::bHps, {"ShapeHPS"}},
};

constexpr const char* kVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeVGA", pictures::Part::Jack},       {"ShapeVideoIn", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},     {"ShapePS2", pictures::Part::Jack},
    {"ShapeHPS", pictures::Part::Region},     {"ShapeIR", pictures::Part::Chip},
    {"ShapeADC", pictures::Part::Chip},       {"ShapeGpio", pictures::Part::Header},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSeg7", pictures::Part::Seg7},      {"ShapeLED", pictures::Part::Leds},
    {"ShapeSwitch", pictures::Part::Switches}, {"ShapeButton", pictures::Part::Keys},
    {"ShapeHSMC", pictures::Part::Header},     {"ShapeEPCQ", pictures::Part::Chip},
};

QPixmap DrawUlvarinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 92, 100, 86), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(262, 124, 84, 26), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(262, 162, 44, 34), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(262, 214, 88, 22), QStringLiteral("Ulvarin"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawUlvarinJumpers()
{
    return boardpicture::DrawJumpersUnderOutlines(kVoltageImage, kLayout, kVoltageShapes,
                                                  QStringLiteral("JP3 HSMC VCCIO"));
}

}  // namespace

TFormUlvarin::TFormUlvarin(QWidget* owner)
    : TBoardForm(owner, kLayout, 789, 536, "Ulvarin V1.0.1",
                 {.outlinePen = 3, .mainBoardButton = MainBoardButton::Hidden}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio", "EditPrefixGpio", "ImageGpio", {"ShapeGpio"}}},
      m_Hsmc{{this, "ComboBoxHsmc", "EditPrefixHsmc", "ImageHSMC", {"ShapeHSMC"}}}
{
    // This configuration offers no other board: the form keeps the user on it, and names
    // the main window after itself.
    if (owner) owner->window()->setWindowTitle(QStringLiteral("Ulvarin V1.0.1"));

    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<formlayout::TImage>("ImageVol")->SetPicture(platform::qt::LoadBitmap(kVoltagePicture));

    connect(m_Gpio[0].Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(Control<QComboBox>("ComboBoxFileType"), &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(m_Hsmc[0].Combo, &QComboBox::activated, this, [this] { ComboBoxHsmcChange(); });
    connect(Control<QComboBox>("ComboBoxHsmcVol"), &QComboBox::activated, this, [this] { ComboBoxHsmcVolChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormUlvarin::~TFormUlvarin() = default;

void TFormUlvarin::DefaultConfig(ULVARIN_CONFIG& config) const { config = TConfigUlvarin::DefaultConfig(); }

void TFormUlvarin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormUlvarin::FillComboBoxes()
{
    auto* fileType = Control<QComboBox>("ComboBoxFileType");
    fileType->clear();
    fileType->addItems({QStringLiteral("Verilog"), QStringLiteral("VHDL")});
    fileType->setCurrentIndex(0);

    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    m_Gpio[0].SetCards(CardsOf(m_Settings));

    auto* voltage = Control<QComboBox>("ComboBoxHsmcVol");
    voltage->clear();
    for (const char* item : kHsmcVoltageItems) voltage->addItem(QString::fromLatin1(item));
    voltage->setCurrentIndex(kHsmcVoltageDefault);

    m_HsmcCards2V5.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    m_HsmcCards3V3.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_3V3);
    m_HsmcCards1V8.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_1V8);
    m_HsmcCards1V5.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_1V5);
    FillDaughterCombo(kHsmcVoltageDefault);
}

TConfigUlvarin& TFormUlvarin::CardListForVoltage(int voltageIndex)
{
    switch (voltageIndex) {
    case 0: return m_HsmcCards3V3;
    case 2: return m_HsmcCards1V8;
    case 3: return m_HsmcCards1V5;
    default: return m_HsmcCards2V5;
    }
}

void TFormUlvarin::FillDaughterCombo(int voltageIndex) { m_Hsmc[0].SetCards(CardsOf(CardListForVoltage(voltageIndex))); }

int TFormUlvarin::VoltageIndex() const { return Control<QComboBox>("ComboBoxHsmcVol")->currentIndex(); }

void TFormUlvarin::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormUlvarin::ConfigToForm(const ULVARIN_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    Control<QComboBox>("ComboBoxFileType")->setCurrentIndex(config.bVhdl ? 1 : 0);
    m_Groups.ToForm(config);
    m_Gpio[0].Show(config.nGpioDaughterId[0], ReadRecordText(config.szGpioPrefixName[0]));

    // A voltage outside the list, as a file may hold, is shown as the board's default.
    int voltage = HsmcVoltageEntry(config.nHsmcVoltage);
    Control<QComboBox>("ComboBoxHsmcVol")->setCurrentIndex(voltage);
    FillDaughterCombo(voltage);
    m_Hsmc[0].Show(config.nHsmcDaughterId, ReadRecordText(config.szHSMCPrefixName));

    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormUlvarin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormUlvarin::FormToConfig(ULVARIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Ulvarin;
    config.Size = sizeof(ULVARIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    config.bVhdl = Control<QComboBox>("ComboBoxFileType")->currentIndex() == 1 ? 1 : 0;
    m_Groups.FromForm(config);
    config.nGpioDaughterId[0] = m_Gpio[0].Card();
    WriteRecordText(config.szGpioPrefixName[0], m_Gpio[0].PrefixText());
    config.nHsmcVoltage = VoltageIndex();
    config.nHsmcDaughterId = m_Hsmc[0].Card();
    WriteRecordText(config.szHSMCPrefixName, m_Hsmc[0].PrefixText());
    return true;
}

void TFormUlvarin::UpdateDaughterPictures()
{
    m_Gpio[0].UpdatePicture();
    m_Hsmc[0].UpdatePicture();
}

void TFormUlvarin::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio[0].UpdateOutlines();
    m_Hsmc[0].UpdateOutlines();
    int voltage = VoltageIndex();
    for (int i = 0; i < 4; ++i) Control<QWidget>(kVoltageShapes[i])->setVisible(i == voltage);
}

bool TFormUlvarin::ValidateInput() { return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio); }

bool TFormUlvarin::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateUlvarinProject(m_Settings, projectFile);
}

std::string TFormUlvarin::BoardFolderWord() const { return "Ulvarin"; }

void TFormUlvarin::ShowGenerateWarnings()
{
    ShowVoltageWarning();
    if (Control<QCheckBox>("CheckBoxHPS")->isChecked()) ShowHpsWarning();
}

void TFormUlvarin::ShowVoltageWarning()
{
    ULVARIN_CONFIG scratch = m_Settings.Config;
    FormToConfig(scratch);
    if (scratch.nHsmcVoltage == kHsmcVoltageDefault) return;
    ShowVoltageJumperWarning("You have changed the default voltage level of HSMC interface. \nPlease remember "
                             "to change the jumper position on JP3 accordingly.");
}

void TFormUlvarin::ComboBoxGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormUlvarin::ComboBoxHsmcChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormUlvarin::ComboBoxHsmcVolChange()
{
    FillDaughterCombo(VoltageIndex());
    // The list now shows "None": the card picture goes with the card.
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterUlvarinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawUlvarinBoard);
    platform::qt::RegisterBitmap(kVoltagePicture, DrawUlvarinJumpers);
}

#include "boards/cyclone5_max10/UI_EBBRICK.h"

#include <QComboBox>
#include <QLineEdit>

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
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Ebbrick_BITMAP";
constexpr const char* kFamilyMark = "Ebbrick_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in picture
// coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// A settings row of the group box: the check boxes stand in two columns.
constexpr Rect LeftBox(int row) { return {16, 64 + 26 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 64 + 26 * row, 150, 20}; }

// The controls of a header start this far down the group box.
constexpr int kGpio0Top = 200;
constexpr int kGpio1Top = 344;
constexpr Rect HeaderRow(int top, int left, int down, int width, int height) { return {left, top + down, width, height}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 472}},
    {Kind::Label, "LabelBoardName", "Panel1", "Ebbrick FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 324, 24, 28, 230)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 362, 24, 28, 230)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 16, 8, 56, 38)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 80, 8, 38, 38)},
    {Kind::Shape, "ShapeSdCard", "Panel1", "microSD", Over(kBoardImage, 16, 62, 56, 30)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 80, 62, 46, 22)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 200, 8, 100, 42)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 16, 196, 200, 40)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 16, 244, 200, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 16, 266, 200, 26)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 226, 262, 84, 30)},
    // A dotted line of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 523}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 28, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 28, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", RightBox(0)},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 64MB", RightBox(1)},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", RightBox(2)},
    {Kind::CheckBox, "CheckBoxSdCard", "GroupBox1", "microSD Card", RightBox(3)},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", HeaderRow(kGpio0Top, 14, 0, 200, 20), kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 14, 22, 324, 24)},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", HeaderRow(kGpio0Top, 14, 56, 80, 24)},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 96, 56, 110, 24)},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", HeaderRow(kGpio0Top, 214, 52, 124, 80)},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 214, 52, 124, 80)},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", HeaderRow(kGpio1Top, 14, 0, 200, 20), kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 14, 22, 324, 24)},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", HeaderRow(kGpio1Top, 14, 56, 80, 24)},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 96, 56, 110, 24)},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", HeaderRow(kGpio1Top, 214, 52, 124, 80)},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 214, 52, 124, 80)},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 352, 196, 48}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 352, 196, 48}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 408, 196, 48}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 408, 196, 48}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<EBBRICK_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &EBBRICK_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &EBBRICK_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &EBBRICK_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &EBBRICK_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxVGA", &EBBRICK_CONFIG::bVga, {"ShapeVGA"}},
    {"CheckBoxSDRAM", &EBBRICK_CONFIG::bSdram, {"ShapeSDRAM"}},
    {"CheckBoxSeg7", &EBBRICK_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxPS2", &EBBRICK_CONFIG::bPs2, {"ShapePS2"}},
    {"CheckBoxSdCard", &EBBRICK_CONFIG::bSdCard, {"ShapeSdCard"}},
};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", pictures::Part::Header},   {"ShapeGpio1", pictures::Part::Header},
    {"ShapeVGA", pictures::Part::Jack},       {"ShapePS2", pictures::Part::Jack},
    {"ShapeSdCard", pictures::Part::Jack},    {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSDRAM", pictures::Part::Memory},   {"ShapeSeg7", pictures::Part::Seg7},
    {"ShapeLED", pictures::Part::Leds},       {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeButton", pictures::Part::Keys},
};

QPixmap DrawEbbrickBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 86, 100, 90), QStringLiteral("Cyclone V"), pictures::Part::Chip},
            {QRect(16, 104, 56, 36), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(16, 148, 56, 30), QStringLiteral("BLASTER"), pictures::Part::Jack},
            {QRect(226, 200, 84, 20), QStringLiteral("Ebbrick"), pictures::Part::Silkscreen},
        });
}

// The batch's prefixes keep the two headers' signals apart; the 80-pin card needs none, as
// it makes one connector.
constexpr const char* kBatchPrefixes[2] = {"GPIO_0_", "GPIO_1_"};

}  // namespace

TFormEbbrick::TFormEbbrick(QWidget* owner)
    : TBoardForm(owner, kLayout, 793, 536, "Ebbrick V1.0.0", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
             {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    // Only a pick of the user pairs the headers: entries set from code raise no handler.
    for (TConnectorControls& header : m_Gpio)
        connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] { ComboBoxGpioChange(combo); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormEbbrick::~TFormEbbrick() = default;

void TFormEbbrick::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
}

void TFormEbbrick::ApplyDefaultConfig() { m_Settings.Config = DefaultEbbrickConfig(); }

void TFormEbbrick::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormEbbrick::ConfigToForm(const EBBRICK_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    ShowGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormEbbrick::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormEbbrick::FormToConfig(EBBRICK_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Ebbrick;
    config.Size = sizeof(EBBRICK_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    ReadGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
    return true;
}

void TFormEbbrick::UpdateDaughterPictures()
{
    for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
}

void TFormEbbrick::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
}

bool TFormEbbrick::ValidateInput() { return CheckProjectName() && CheckGpioHeaderPrefixes(m_Gpio); }

bool TFormEbbrick::GenerateProject(const std::string& projectFile)
{
    // Generating leaves the form's record alone: only Save, Load and closing change it.
    EBBRICK_CONFIG record = m_Settings.Config;
    FormToConfig(record);
    return GenerateEbbrickProject(record, projectFile);
}

std::string TFormEbbrick::BoardFolderWord() const { return "Ebbrick"; }

TBoardForm::Batch TFormEbbrick::DaughterCardBatch()
{
    auto prefixes = [this](uint8_t card) {
        const bool joined = BoardConnectorType(card) == CONNECTOR_GPIO80;
        for (int h = 0; h < 2; ++h) m_Gpio[h].Prefix->setText(joined ? QString() : QString(kBatchPrefixes[h]));
    };
    return {.beep = true,
            .passes = {{.connectors = {&m_Gpio[GPIO_0], &m_Gpio[GPIO_1]},
                        .firstEntry = 1,
                        .nameFormat = "Ebbrick_GPIO_%s",
                        .prepare = prefixes}}};
}

void TFormEbbrick::ComboBoxGpioChange(const QObject* sender)
{
    PairGpioHeaders(m_Gpio, sender);
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterEbbrickPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawEbbrickBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone V"));
}

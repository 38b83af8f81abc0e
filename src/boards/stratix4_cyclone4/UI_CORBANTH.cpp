#include "boards/stratix4_cyclone4/UI_CORBANTH.h"

#include <QCheckBox>
#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
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
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Corbanth_BITMAP";
constexpr const char* kSelectorPicture = "Corbanth_400_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// One port's controls inside its group box, from `top` down: the combo, the prefix box and
// the card picture beside them. `port` names them: ComboBox<port>, Edit<port>, ...
#define CORBANTH_PORT(port, group, left, top, comboWidth)                                                   \
    {Kind::ComboBox, "ComboBox" port, group, nullptr, {left, top, comboWidth, 24}},                          \
        {Kind::Label, "LabelPrefix" port, group, "Prefix Name:", {left, top + 34, 80, 24}},                  \
        {Kind::Edit, "Edit" port, group, nullptr, {left + 84, top + 34, comboWidth - 84, 24}},               \
        {Kind::Slot, "Slot" port, group, "No card", {left + comboWidth + 8, top - 2, 124, 80}},              \
        {Kind::Image, "Image" port, group, nullptr, {left + comboWidth + 8, top - 2, 124, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 436}},
    {Kind::Label, "LabelBoardName", "Panel1", "Corbanth FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeFMC_A", "Panel1", "FMC-A", Over(kBoardImage, 10, 8, 180, 22)},
    {Kind::Shape, "ShapeFMC_B", "Panel1", "FMC-B", Over(kBoardImage, 210, 8, 180, 22)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 10, 48, 40, 206)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 62, 48, 50, 28)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 124, 48, 56, 28)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 192, 48, 56, 28)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 260, 48, 56, 28)},
    {Kind::Shape, "ShapeHSMC_A", "Panel1", "HSMC-A", Over(kBoardImage, 364, 48, 26, 98)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 62, 96, 76, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 268, 96, 78, 40)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 62, 148, 76, 40)},
    {Kind::Shape, "ShapeHSMC_B", "Panel1", "HSMC-B", Over(kBoardImage, 364, 156, 26, 98)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 62, 234, 120, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 192, 226, 84, 32)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 286, 226, 66, 32)},
    {Kind::Shape, "ShapeFMC_C", "Panel1", "FMC-C", Over(kBoardImage, 10, 270, 180, 22)},
    {Kind::Shape, "ShapeFMC_D", "Panel1", "FMC-D", Over(kBoardImage, 210, 270, 180, 22)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 391, 232}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 265, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 60, 176, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 82, 176, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 4", {16, 104, 176, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 126, 176, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Slide Switch x 8", {16, 148, 176, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 170, 176, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {16, 192, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3 SODIMM", {200, 60, 176, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {200, 82, 176, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM (2MB)", {200, 104, 176, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (64MB)", {200, 126, 176, 20}},
    // Boxes the board's record has no place for: they do nothing.
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {200, 148, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataDevice0", "GroupBox1", "Sata Device 0", {200, 170, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataDevice1", "GroupBox1", "Sata Device 1", {200, 192, 176, 20}},
    {Kind::GroupBox, "GroupBoxHSMC", nullptr, "HSMC Expansion", {8, 498, 417, 232}},
    {Kind::Label, "LabelHSMC_A", "GroupBoxHSMC", "HSMC-A", {12, 20, 120, 20}, kBold},
    CORBANTH_PORT("HSMC_A", "GroupBoxHSMC", 12, 42, 268),
    {Kind::Label, "LabelHSMC_B", "GroupBoxHSMC", "HSMC-B", {12, 124, 120, 20}, kBold},
    CORBANTH_PORT("HSMC_B", "GroupBoxHSMC", 12, 146, 268),
    {Kind::GroupBox, "GroupBoxFMC_A", nullptr, "FMC-A", {432, 243, 391, 118}},
    CORBANTH_PORT("FMC_A", "GroupBoxFMC_A", 12, 24, 240),
    {Kind::GroupBox, "GroupBoxFMC_B", nullptr, "FMC-B", {432, 365, 391, 118}},
    CORBANTH_PORT("FMC_B", "GroupBoxFMC_B", 12, 24, 240),
    {Kind::GroupBox, "GroupBoxFMC_C", nullptr, "FMC-C", {432, 487, 391, 118}},
    CORBANTH_PORT("FMC_C", "GroupBoxFMC_C", 12, 24, 240),
    {Kind::GroupBox, "GroupBoxFMC_D", nullptr, "FMC-D", {432, 609, 391, 118}},
    CORBANTH_PORT("FMC_D", "GroupBoxFMC_D", 12, 24, 240),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {8, 340, 130, 40}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {143, 340, 130, 40}},
    {Kind::Button, "ButtonDefaultSetting", "Panel1", "Default Setting", {278, 340, 130, 40}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate...", {8, 386, 196, 42}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 386, 196, 42}},
};

#undef CORBANTH_PORT

constexpr DeviceGroup<CORBANTH_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &CORBANTH_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &CORBANTH_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &CORBANTH_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &CORBANTH_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &CORBANTH_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSma", &CORBANTH_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &CORBANTH_CONFIG::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR3", &CORBANTH_CONFIG::bDDR3, {"ShapeDDR3"}},
    {"CheckBoxFan", &CORBANTH_CONFIG::bFan, {"ShapeFan"}},
    {"CheckBoxSSRAM", &CORBANTH_CONFIG::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxFlash", &CORBANTH_CONFIG::bFlash, {"ShapeFlash"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeFMC_A", pictures::Part::Header},      {"ShapeFMC_B", pictures::Part::Header},
    {"ShapeDDR3", pictures::Part::Memory},       {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSma", pictures::Part::Jack},          {"ShapeTemp", pictures::Part::Chip},
    {"ShapeFan", pictures::Part::Chip},          {"ShapeHSMC_A", pictures::Part::Header},
    {"ShapeFlash", pictures::Part::Memory},      {"ShapeSeg7", pictures::Part::Seg7, 4},
    {"ShapeSSRAM", pictures::Part::Memory},      {"ShapeHSMC_B", pictures::Part::Header},
    {"ShapeLED", pictures::Part::Leds, 8},       {"ShapeSwitch", pictures::Part::Switches, 8},
    {"ShapeButton", pictures::Part::Keys, 4},    {"ShapeFMC_C", pictures::Part::Header},
    {"ShapeFMC_D", pictures::Part::Header},
};

QPixmap DrawCorbanthBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(156, 92, 100, 96), QStringLiteral("Stratix IV E"), pictures::Part::Chip},
            {QRect(268, 150, 78, 36), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(156, 198, 100, 20), QStringLiteral("Corbanth"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormCorbanth::TFormCorbanth(QWidget* owner)
    : TBoardForm(owner, kLayout, 831, 736, "Corbanth",
                 {.outlinePen = 3,
                  .savesDefault = DefaultSave::OnDestroy,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsOnly,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Hsmc{{this, "ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", {"ShapeHSMC_A"}},
             {this, "ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", {"ShapeHSMC_B"}}},
      m_Fmc{{this, "ComboBoxFMC_A", "EditFMC_A", "ImageFMC_A", {"ShapeFMC_A"}},
            {this, "ComboBoxFMC_B", "EditFMC_B", "ImageFMC_B", {"ShapeFMC_B"}},
            {this, "ComboBoxFMC_C", "EditFMC_C", "ImageFMC_C", {"ShapeFMC_C"}},
            {this, "ComboBoxFMC_D", "EditFMC_D", "ImageFMC_D", {"ShapeFMC_D"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<QCheckBox>("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    // A pick on any port's combo refreshes the pictures and outlines of all six.
    auto refreshOnPick = [this](const TConnectorControls& port) {
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    };
    for (const TConnectorControls& port : m_Hsmc) refreshOnPick(port);
    for (const TConnectorControls& port : m_Fmc) refreshOnPick(port);

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormCorbanth::~TFormCorbanth() = default;

void TFormCorbanth::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormCorbanth::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Hsmc) port.SetCards(CardsOf(m_Settings));
    // The HPC connectors take the LPC cards too.
    m_FmcCards.BuildDaughterList(CONNECTOR_FMC_HPC, false, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Fmc) port.SetCards(CardsOf(m_FmcCards));
}

void TFormCorbanth::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormCorbanth::ConfigToForm(const CORBANTH_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].ShowListed(config.nHsmcDaughterId[port], ReadRecordText(config.szHSMCPrefixName[port]));
    for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port)
        m_Fmc[port].ShowListed(config.nFmcDaughterId[port], ReadRecordText(config.szFMCPrefixName[port]));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormCorbanth::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormCorbanth::FormToConfig(CORBANTH_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Corbanth;
    config.Size = sizeof(CORBANTH_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port) {
        config.nHsmcDaughterId[port] = m_Hsmc[port].Card();
        WriteRecordText(config.szHSMCPrefixName[port], m_Hsmc[port].PrefixText());
    }
    for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port) {
        config.nFmcDaughterId[port] = m_Fmc[port].Card();
        WriteRecordText(config.szFMCPrefixName[port], m_Fmc[port].PrefixText());
    }
    return true;
}

void TFormCorbanth::UpdateDaughterPictures()
{
    for (const TConnectorControls& port : m_Hsmc) port.UpdatePicture();
    for (const TConnectorControls& port : m_Fmc) port.UpdatePicture();
}

void TFormCorbanth::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& port : m_Hsmc) port.UpdateOutlines();
    for (const TConnectorControls& port : m_Fmc) port.UpdateOutlines();
}

// Two FMC ports with one card under one prefix would give the project two ports of one name:
// they are checked like the HSMC ports.
bool TFormCorbanth::ValidateInput()
{
    return CheckProjectName() && CheckPrefixNames(PrefixKind::Hsmc, m_Hsmc) && CheckPrefixNames(PrefixKind::Fmc, m_Fmc);
}

bool TFormCorbanth::GenerateProject(const std::string& projectFile)
{
    CORBANTH_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GenerateCorbanthProject(config, projectFile);
}

std::string TFormCorbanth::BoardFolderWord() const { return "Corbanth"; }

void TFormCorbanth::ShowGenerateWarnings()
{
    if (Control<QCheckBox>("CheckBoxDDR3")->isChecked()) platform::InformationBox(MemoryControllerNote("DDR3"));
}

void TFormCorbanth::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterCorbanthPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawCorbanthBoard);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawCorbanthBoard);
}

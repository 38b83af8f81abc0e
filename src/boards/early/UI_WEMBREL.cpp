#include "boards/early/UI_WEMBREL.h"

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

constexpr const char* kBoardPicture = "Wembrel_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// The controls of one Kelpin connector inside the group box, from `top` down.
#define WEMBREL_KELPIN(port, caption, top)                                                            \
    {Kind::Label, "LabelKelpin" port, "GroupBox1", caption, {14, top, 200, 20}, kBold},                \
        {Kind::ComboBox, "ComboBoxKelpin" port, "GroupBox1", nullptr, {14, top + 22, 334, 24}},        \
        {Kind::Label, "LabelPrefixKelpin" port, "GroupBox1", "Prefix Name:", {14, top + 56, 80, 24}},  \
        {Kind::Edit, "EditPrefixKelpin" port, "GroupBox1", nullptr, {96, top + 56, 110, 24}},          \
        {Kind::Slot, "SlotKelpin" port, "GroupBox1", "No card", {214, top + 52, 124, 80}},             \
        {Kind::Image, "ImageKelpin" port, "GroupBox1", nullptr, {214, top + 52, 124, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 446}},
    {Kind::Label, "LabelBoardName", "Panel1", "Cyclone III Wembrel", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeKelpin2", "Panel1", "KELPIN 2", Over(kBoardImage, 10, 8, 180, 22)},
    {Kind::Shape, "ShapeKelpin3", "Panel1", "KELPIN 3", Over(kBoardImage, 210, 8, 180, 22)},
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, Over(kBoardImage, 190, 14, 20, 10)},
    {Kind::Shape, "ShapeDDR2", "Panel1", "DDR2", Over(kBoardImage, 10, 48, 40, 190)},
    {Kind::Shape, "ShapeOSC", "Panel1", "100 MHz", Over(kBoardImage, 64, 48, 60, 26)},
    {Kind::Shape, "ShapeBridge", "Panel1", "PCI BRIDGE", Over(kBoardImage, 276, 48, 110, 60)},
    {Kind::Shape, "ShapePio", "Panel1", "PIO", Over(kBoardImage, 276, 124, 110, 22)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 64, 196, 100, 16)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 64, 220, 80, 26)},
    {Kind::Shape, "ShapeKelpin1", "Panel1", "KELPIN 1", Over(kBoardImage, 10, 266, 380, 22)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 363, 497}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 238, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 60, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 4", {16, 80, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {16, 100, 160, 20}},
    {Kind::CheckBox, "CheckBoxGpio", "GroupBox1", "PIO Header", {186, 60, 160, 20}},
    {Kind::CheckBox, "CheckBoxDDR2", "GroupBox1", "DDR2 SODIMM", {186, 80, 160, 20}},
    {Kind::CheckBox, "CheckBoxPciBus", "GroupBox1", "PCI Bridge Local Bus", {186, 100, 160, 20}},
    WEMBREL_KELPIN("23", "Kelpin 2/3 Connector", 136),
    WEMBREL_KELPIN("1", "Kelpin 1 Connector", 280),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 340, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 340, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 392, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 392, 196, 46}},
};

#undef WEMBREL_KELPIN

constexpr DeviceGroup<WEMBREL_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &WEMBREL_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &WEMBREL_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &WEMBREL_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxGpio", &WEMBREL_CONFIG::bGpio, {"ShapePio"}},
    {"CheckBoxDDR2", &WEMBREL_CONFIG::bDDR2, {"ShapeDDR2"}},
    {"CheckBoxPciBus", &WEMBREL_CONFIG::bPciBus, {"ShapeBridge"}},
};

// The names the Kelpin check gives the two connectors, in the form's order.
constexpr const char* kKelpinNames[] = {"Kelpin23", "Kelpin1"};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeKelpin2", pictures::Part::Header}, {"ShapeKelpin3", pictures::Part::Header},
    {"ShapeDDR2", pictures::Part::Memory},    {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeBridge", pictures::Part::Chip},    {"ShapePio", pictures::Part::Header},
    {"ShapeLED", pictures::Part::Leds, 4},    {"ShapeButton", pictures::Part::Keys, 2},
    {"ShapeKelpin1", pictures::Part::Header},
};

QPixmap DrawWembrelBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(130, 90, 110, 100), QStringLiteral("Cyclone III"), pictures::Part::Chip},
            {QRect(276, 166, 110, 40), QStringLiteral("PCI EDGE"), pictures::Part::Jack},
            {QRect(170, 220, 90, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(176, 194, 90, 18), QStringLiteral("Wembrel"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormWembrel::TFormWembrel(QWidget* owner)
    : TBoardForm(owner, kLayout, 803, 508, "Wembrel",
                 {.outlinePen = 3,
                  .savesDefault = DefaultSave::OnDestroy,
                  .successReport = SuccessReport::None,
                  .formColour = false}),
      m_Groups(this, kGroups),
      m_Kelpin{{this, "ComboBoxKelpin23", "EditPrefixKelpin23", "ImageKelpin23",
                {"ShapeKelpin2", "ShapeKelpin3", "ShapeKelpin23"}},
               {this, "ComboBoxKelpin1", "EditPrefixKelpin1", "ImageKelpin1", {"ShapeKelpin1"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    for (const TConnectorControls& port : m_Kelpin)
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxKelpinChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormWembrel::~TFormWembrel() = default;

void TFormWembrel::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormWembrel::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_Kelpin, false, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Kelpin) port.SetCards(CardsOf(m_Settings));
}

void TFormWembrel::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormWembrel::ConfigToForm(const WEMBREL_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Kelpin[0].Show(config.nKelpin23DaughterId, ReadRecordText(config.szKelpin23PrefixName));
    m_Kelpin[1].Show(config.nKelpin1DaughterId, ReadRecordText(config.szKelpin1PrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormWembrel::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormWembrel::FormToConfig(WEMBREL_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Wembrel;
    config.Size = sizeof(WEMBREL_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nKelpin23DaughterId = m_Kelpin[0].Card();
    WriteRecordText(config.szKelpin23PrefixName, m_Kelpin[0].PrefixText());
    config.nKelpin1DaughterId = m_Kelpin[1].Card();
    WriteRecordText(config.szKelpin1PrefixName, m_Kelpin[1].PrefixText());
    return true;
}

void TFormWembrel::UpdateDaughterPictures()
{
    for (const TConnectorControls& port : m_Kelpin) port.UpdatePicture();
}

void TFormWembrel::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& port : m_Kelpin) port.UpdateOutlines();
}

// Both checks run; with an empty name and a prefix conflict only the Kelpin message shows.
bool TFormWembrel::ValidateInput()
{
    std::optional<std::string> failure = ProjectNameFailure();
    if (auto conflict = KelpinPrefixConflict(m_Kelpin, kKelpinNames)) failure = conflict;
    return ShowLastFailure(failure);
}

// "Kelpin Default" stays in the list for the settings that name it, but has no pin map.
bool TFormWembrel::ConfirmGenerate() { return !RefuseCardWithoutPinMap({m_Kelpin[0].Card(), m_Kelpin[1].Card()}); }

bool TFormWembrel::GenerateProject(const std::string& projectFile)
{
    WEMBREL_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GenerateWembrelProject(config, projectFile);
}

std::string TFormWembrel::BoardFolderWord() const { return "Wembrel"; }

void TFormWembrel::ComboBoxKelpinChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterWembrelPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawWembrelBoard); }

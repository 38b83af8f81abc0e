#include "boards/early/UI_LOTHVAR.h"

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
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Lothvar_BITMAP";
constexpr const char* kFamilyMark = "Lothvar_FAMILY_MARK";

// Where the board picture lies in Panel1; the parts are drawn in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// The check boxes stand in two columns of the group box.
constexpr Rect LeftBox(int row) { return {16, 60 + 21 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 60 + 21 * row, 160, 20}; }

// One port's controls inside the group box, from `top` down.
#define LOTHVAR_PORT(port, caption, top)                                                              \
    {Kind::Label, "LabelPort" port, "GroupBox1", caption, {14, top, 200, 20}, kBold},                  \
        {Kind::ComboBox, "ComboBoxPort" port, "GroupBox1", nullptr, {14, top + 22, 334, 24}},          \
        {Kind::Label, "LabelPrefixPort" port, "GroupBox1", "Prefix Name:", {14, top + 56, 80, 24}},    \
        {Kind::Edit, "EditPrefixPort" port, "GroupBox1", nullptr, {96, top + 56, 110, 24}},            \
        {Kind::Slot, "SlotPort" port, "GroupBox1", "No card", {214, top + 52, 124, 80}},               \
        {Kind::Image, "ImagePort" port, "GroupBox1", nullptr, {214, top + 52, 124, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 8, 417, 470}},
    {Kind::Image, "ImageVarnholt", "Panel1", nullptr, {8, 4, 130, 46}},
    {Kind::Image, "ImageAltera", "Panel1", nullptr, {146, 4, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", "Panel1", "Change Main Board", {272, 12, 137, 30}},
    {Kind::Label, "LabelBoardName", "Panel1", "Lothvar", {8, 54, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {8, 84, 400, 300}},
    // The layout's one outline, dotted, which no operation touches and which marks nothing we
    // know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 8, 363, 470}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 238, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet(?)", RightBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 4", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxLED2", "GroupBox1", "LED x 4", RightBox(1)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxDIP", "GroupBox1", "DIP x 4", RightBox(2)},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD(?)", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxProgOsc", "GroupBox1", "Prog. OSC(/)", RightBox(3)},
    {Kind::CheckBox, "CheckBoxDDR2", "GroupBox1", "DDR2 SODIMM(!)", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3(!)", RightBox(4)},
    {Kind::CheckBox, "CheckBoxPciBus", "GroupBox1", "PCIe(!)", LeftBox(5)},
    {Kind::CheckBox, "CheckBoxPcie2", "GroupBox1", "PCIe(!)", RightBox(5)},
    LOTHVAR_PORT("A", "HSMC - Port A", 194),
    LOTHVAR_PORT("B", "HSMC - Port B", 330),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 392, 196, 34}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {212, 392, 196, 34}, kBold},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {8, 430, 196, 34}},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 430, 196, 34}},
};

#undef LOTHVAR_PORT

// The nine stored boxes; "LED x 4" and "PCIe(!)" of the right column and "Prog. OSC(/)" keep
// nothing.
constexpr DeviceGroup<LOTHVAR_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &LOTHVAR_CONFIG::bOSC, {}},         {"CheckBoxEthernet", &LOTHVAR_CONFIG::bEthernet, {}},
    {"CheckBoxLED", &LOTHVAR_CONFIG::bLED, {}},         {"CheckBoxButton", &LOTHVAR_CONFIG::bButton, {}},
    {"CheckBoxDIP", &LOTHVAR_CONFIG::bDIP, {}},         {"CheckBoxLCD", &LOTHVAR_CONFIG::bLCD, {}},
    {"CheckBoxDDR2", &LOTHVAR_CONFIG::bDDR2, {}},       {"CheckBoxDDR3", &LOTHVAR_CONFIG::bDDR3, {}},
    {"CheckBoxPciBus", &LOTHVAR_CONFIG::bPciBus, {}},
};

QPixmap DrawLothvarBoard()
{
    using pictures::Part;
    const pictures::Block blocks[] = {
        {QRect(10, 10, 180, 24), QStringLiteral("HSMC PORT A"), Part::Header},
        {QRect(210, 10, 180, 24), QStringLiteral("HSMC PORT B"), Part::Header},
        {QRect(10, 50, 40, 200), QStringLiteral("DDR2"), Part::Memory},
        {QRect(60, 50, 60, 26), QStringLiteral("CLOCK"), Part::Oscillator},
        {QRect(140, 80, 120, 120), QStringLiteral("Arria II GX"), Part::Chip},
        {QRect(280, 50, 110, 40), QStringLiteral("LCD"), Part::Chip},
        {QRect(280, 100, 110, 30), QStringLiteral("ETHERNET"), Part::Jack},
        {QRect(60, 210, 80, 16), QStringLiteral("LED"), Part::Leds, 4},
        {QRect(150, 210, 70, 30), QStringLiteral("DIP"), Part::Switches, 4},
        {QRect(230, 210, 60, 30), QStringLiteral("PB"), Part::Keys, 2},
        {QRect(300, 150, 90, 30), QStringLiteral("USB-BLASTER"), Part::Jack},
        {QRect(60, 262, 330, 26), QStringLiteral("PCI EXPRESS x8"), Part::Header},
        {QRect(140, 54, 120, 20), QStringLiteral("Lothvar"), Part::Silkscreen},
    };
    return pictures::DrawBoard(QSize(400, 300), blocks);
}

QPixmap DrawFamilyMark() { return pictures::DrawFamilyMark(QSize(120, 46), QStringLiteral("Arria II GX")); }

}  // namespace

TFormLothvar::TFormLothvar(QWidget* owner)
    : TBoardForm(owner, kLayout, 803, 486, "Lothvar Board",
                 {.loadsDefault = false,
                  .savesDefault = DefaultSave::Never,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::None,
                  .formColour = false}),
      m_Groups(this, kGroups),
      m_Hsmc{{this, "ComboBoxPortA", "EditPrefixPortA", "ImagePortA"},
             {this, "ComboBoxPortB", "EditPrefixPortB", "ImagePortB"}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    for (const TConnectorControls& port : m_Hsmc)
        connect(port.Combo, &QComboBox::activated, this, [this] { UpdateDaughterPictures(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormLothvar::~TFormLothvar() = default;

void TFormLothvar::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormLothvar::FillComboBoxes()
{
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Hsmc) port.SetCards(CardsOf(m_Settings));
}

void TFormLothvar::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormLothvar::ConfigToForm(const LOTHVAR_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int port = 0; port < LOTHVAR_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].Show(config.nHsmcDaughterId[port], ReadRecordText(config.szHSMCPrefixName[port]));
    UpdateDaughterPictures();
}

bool TFormLothvar::FormToConfig() { return FormToConfig(m_Settings.Config); }

// bPortBExtras and the padding keep what the record holds.
bool TFormLothvar::FormToConfig(LOTHVAR_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Lothvar;
    config.Size = sizeof(LOTHVAR_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    for (int port = 0; port < LOTHVAR_CONFIG::kHsmcPorts; ++port) {
        config.nHsmcDaughterId[port] = m_Hsmc[port].Card();
        WriteRecordText(config.szHSMCPrefixName[port], m_Hsmc[port].PrefixText());
    }
    return true;
}

void TFormLothvar::UpdateDaughterPictures()
{
    for (const TConnectorControls& port : m_Hsmc) port.UpdatePicture();
}

// Both checks run; with an empty name and a prefix conflict only the prefix message shows.
bool TFormLothvar::ValidateInput()
{
    std::optional<std::string> failure = ProjectNameFailure();
    if (auto conflict = PrefixConflict(PrefixKind::Hsmc, m_Hsmc)) failure = conflict;
    return ShowLastFailure(failure);
}

bool TFormLothvar::ConfirmGenerate()
{
    if (!Control<QCheckBox>("CheckBoxDDR2")->isChecked()) return true;
    platform::ErrorBox(kLothvarDdr2Unknown);
    return false;
}

bool TFormLothvar::GenerateProject(const std::string& projectFile)
{
    LOTHVAR_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GenerateLothvarProject(config, projectFile);
}

std::string TFormLothvar::BoardFolderWord() const { return "Lothvar"; }

void RegisterLothvarPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawLothvarBoard);
    platform::qt::RegisterBitmap(kFamilyMark, DrawFamilyMark);
}

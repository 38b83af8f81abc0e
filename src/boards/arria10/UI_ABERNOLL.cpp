#include "boards/arria10/UI_ABERNOLL.h"

#include <QCheckBox>
#include <QPushButton>
#include <algorithm>

#include "boards/arria10/CONFIG_Abernoll.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"
#include "platform/Format.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kDotted;
using formlayout::kRight;

constexpr const char* kBoardPicture = "Abernoll_BITMAP";

constexpr Rect kBoardImage{6, 6, 400, 250};

// The outlines lie over the picture where the board has its parts.
constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {8, 8, 93, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {224, 19, 185, 35}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {6, 60, 412, 262}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", {233, 20, 11, 11}, kDotted},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", {139, 13, 32, 6}},
    {Kind::Shape, "ShapeBracketLED", "Panel1", "LED", {50, 23, 26, 9}},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", {324, 72, 9, 10}, kDotted},
    {Kind::Shape, "ShapePower", "Panel1", "POWER", {308, 14, 12, 13}, kDotted},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", {139, 17, 32, 11}},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", {172, 14, 11, 13}},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", {300, 140, 37, 25}},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe", {149, 212, 98, 12}},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", {140, 36, 20, 7}},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS422", {98, 14, 27, 11}},
    {Kind::Shape, "ShapeGPIO", "Panel1", "GPIO", {140, 29, 20, 6}},
    {Kind::Shape, "ShapeQsfp_A", "Panel1", "QSFP+ A", {60, 161, 92, 36}},
    {Kind::Shape, "ShapeQsfp_B", "Panel1", "QSFP+ B", {60, 122, 92, 36}},
    {Kind::Shape, "ShapeQsfp_C", "Panel1", "QSFP+ C", {60, 83, 92, 36}},
    {Kind::Shape, "ShapeQsfp_D", "Panel1", "QSFP+ D", {60, 45, 92, 36}},
    {Kind::Shape, "ShapeQDRII_A", "Panel1", "QDRII+ A", {169, 52, 30, 33}},
    {Kind::Shape, "ShapeQDRII_B", "Panel1", "QDRII+ B", {210, 39, 33, 30}},
    {Kind::Shape, "ShapeQDRII_C", "Panel1", "QDRII+ C", {298, 82, 30, 33}},
    {Kind::Shape, "ShapeQDRII_D", "Panel1", "QDRII+ D", {255, 39, 33, 30}},
    {Kind::Shape, "ShapeQDRII_E", "Panel1", "QDRII+ E", {168, 151, 30, 33}},
    {Kind::Shape, "ShapeQDRII_F", "Panel1", "QDRII+ F", {168, 103, 30, 33}},
    {Kind::Shape, "ShapeSi5340A", "Panel1", "Si5340A", {186, 21, 14, 14}},
    {Kind::Shape, "ShapeSi5340B", "Panel1", "Si5340B", {303, 123, 14, 14}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {424, 10, 401, 431}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {22, 44, 100, 20}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {125, 40, 260, 28}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 91, 180, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "DIP Switch x 2", {203, 91, 180, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 121, 180, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature Sensor", {203, 121, 180, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 152, 180, 20}},
    {Kind::CheckBox, "CheckBoxPower", "GroupBox1", "Power Monitor", {203, 151, 180, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 182, 180, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {203, 182, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrA", "GroupBox1", "QDRII+ SRAM A", {16, 213, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrB", "GroupBox1", "QDRII+ SRAM B", {203, 212, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrC", "GroupBox1", "QDRII+ SRAM C", {16, 243, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrD", "GroupBox1", "QDRII+ SRAM D", {203, 243, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrE", "GroupBox1", "QDRII+ SRAM E", {16, 274, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrF", "GroupBox1", "QDRII+ SRAM F", {203, 273, 180, 20}},
    {Kind::CheckBox, "CheckBoxQsfpA", "GroupBox1", "QSFP+ A", {16, 304, 180, 20}},
    {Kind::CheckBox, "CheckBoxQsfpB", "GroupBox1", "QSFP+ B", {203, 304, 180, 20}},
    {Kind::CheckBox, "CheckBoxQsfpC", "GroupBox1", "QSFP+ C", {16, 335, 180, 20}},
    {Kind::CheckBox, "CheckBoxQsfpD", "GroupBox1", "QSFP+ D", {203, 334, 180, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {16, 365, 180, 20}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "RS422 Expansion ", {203, 365, 180, 20}},
    {Kind::CheckBox, "CheckBoxGPIO", "GroupBox1", "2x4 GPIO", {16, 396, 180, 20}},
    {Kind::GroupBox, "GroupBoxSI5340A", nullptr, "Si5340A", {8, 324, 409, 153}},
    {Kind::Label, "Label1", "GroupBoxSI5340A", "QSFPA_REFCLK_p/n:", {21, 22, 188, 20}, kRight},
    {Kind::Label, "Label2", "GroupBoxSI5340A", "QSFPB_REFCLK_p/n:", {21, 54, 188, 20}, kRight},
    {Kind::Label, "Label4", "GroupBoxSI5340A", "QSFPC_REFCLK_p/n:", {21, 86, 188, 20}, kRight},
    {Kind::Label, "Label6", "GroupBoxSI5340A", "QSFPD_REFCLK_p/n:", {21, 118, 188, 20}, kRight},
    {Kind::ComboBox, "ComboBoxSi5340A_A", "GroupBoxSI5340A", nullptr, {210, 20, 110, 28}},
    {Kind::ComboBox, "ComboBoxSi5340A_B", "GroupBoxSI5340A", nullptr, {210, 52, 110, 28}},
    {Kind::ComboBox, "ComboBoxSi5340A_C", "GroupBoxSI5340A", nullptr, {210, 84, 110, 28}},
    {Kind::ComboBox, "ComboBoxSi5340A_D", "GroupBoxSI5340A", nullptr, {210, 116, 110, 28}},
    {Kind::Label, "Label12", "GroupBoxSI5340A", "MHz", {328, 26, 40, 20}},
    {Kind::Label, "Label7", "GroupBoxSI5340A", "MHz", {328, 54, 40, 20}},
    {Kind::Label, "Label8", "GroupBoxSI5340A", "MHz", {328, 86, 40, 20}},
    {Kind::Label, "Label9", "GroupBoxSI5340A", "MHz", {328, 118, 40, 20}},
    {Kind::GroupBox, "GroupBox2", nullptr, "Si5340B", {8, 480, 409, 89}},
    {Kind::Label, "Label13", "GroupBox2", "QDRIIx_REFCLK_p/n:", {21, 30, 188, 20}, kRight},
    {Kind::ComboBox, "ComboBoxSi5340B_QDRII", "GroupBox2", nullptr, {210, 28, 110, 28}},
    {Kind::Label, "Label16", "GroupBox2", "MHz", {328, 30, 40, 20}},
    {Kind::Label, "Label10", "GroupBox2", "x: A/B/C/D/E/F", {95, 56, 110, 20}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {432, 449, 185, 33}},
    {Kind::Button, "ButtonButtonDefaultAllSetting", nullptr, "Select All", {632, 449, 185, 33}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {432, 492, 188, 33}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {632, 492, 187, 33}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {432, 535, 190, 33}},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {632, 535, 185, 33}},
};

using A = ABERNOLL_CONFIG;

// bLTM4677 has no box: only a loaded file sets it.
constexpr DeviceGroup<A> kGroups[] = {
    {"CheckBoxOSC", &A::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &A::bLED, {"ShapeLED", "ShapeBracketLED"}},
    {"CheckBoxButton", &A::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &A::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxTemp", &A::bTemp, {"ShapeTemp"}},
    {"CheckBoxPower", &A::bPower, {"ShapePower"}},
    {"CheckBoxQdrA", &A::bQdrA, {"ShapeQDRII_A"}},
    {"CheckBoxQdrB", &A::bQdrB, {"ShapeQDRII_B"}},
    {"CheckBoxQdrC", &A::bQdrC, {"ShapeQDRII_C"}},
    {"CheckBoxQdrD", &A::bQdrD, {"ShapeQDRII_D"}},
    {"CheckBoxQdrE", &A::bQdrE, {"ShapeQDRII_E"}},
    {"CheckBoxQdrF", &A::bQdrF, {"ShapeQDRII_F"}},
    {"CheckBoxQsfpA", &A::bQsfpA, {"ShapeQsfp_A"}},
    {"CheckBoxQsfpB", &A::bQsfpB, {"ShapeQsfp_B"}},
    {"CheckBoxQsfpC", &A::bQsfpC, {"ShapeQsfp_C"}},
    {"CheckBoxQsfpD", &A::bQsfpD, {"ShapeQsfp_D"}},
    {"CheckBoxPCIe", &A::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &A::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &A::bFlash, {"ShapeFlash"}},
    {"CheckBoxRs422", &A::bRs422, {"ShapeRs422"}},
    {"CheckBoxGPIO", &A::bGPIO, {"ShapeGPIO"}},
};

constexpr const char* kQdrBoxes[] = {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC",
                                     "CheckBoxQdrD", "CheckBoxQdrE", "CheckBoxQdrF"};
constexpr const char* kQsfpBoxes[] = {"CheckBoxQsfpA", "CheckBoxQsfpB", "CheckBoxQsfpC", "CheckBoxQsfpD"};

// In record order: nSi5340A[0..3], then nSi5340B_QDRII.
constexpr Si5340List kSi5340Lists[] = {
    {"ComboBoxSi5340A_A", &TConfigAbernoll::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpA"}, "QSFPA"},
    {"ComboBoxSi5340A_B", &TConfigAbernoll::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpB"}, "QSFPB"},
    {"ComboBoxSi5340A_C", &TConfigAbernoll::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpC"}, "QSFPC"},
    {"ComboBoxSi5340A_D", &TConfigAbernoll::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpD"}, "QSFPD"},
    {"ComboBoxSi5340B_QDRII", &TConfigAbernoll::Si5340BQdrFrequency, 4, 'B',
     {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC", "CheckBoxQdrD", "CheckBoxQdrE", "CheckBoxQdrF"}, "QDRII"},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeOSC", pictures::Part::Oscillator},     {"ShapeBracketLED", pictures::Part::Leds, 4},
    {"ShapeTemp", pictures::Part::Chip},          {"ShapePower", pictures::Part::Chip},
    {"ShapeButton", pictures::Part::Keys, 4},     {"ShapeLED", pictures::Part::Leds, 4},
    {"ShapeSwitch", pictures::Part::Switches, 2}, {"ShapeFlash", pictures::Part::Memory},
    {"ShapePCIe", pictures::Part::Header},        {"ShapeFan", pictures::Part::Header},
    {"ShapeRs422", pictures::Part::Jack},         {"ShapeGPIO", pictures::Part::Header},
    {"ShapeQsfp_A", pictures::Part::Jack},        {"ShapeQsfp_B", pictures::Part::Jack},
    {"ShapeQsfp_C", pictures::Part::Jack},        {"ShapeQsfp_D", pictures::Part::Jack},
    {"ShapeQDRII_A", pictures::Part::Memory},     {"ShapeQDRII_B", pictures::Part::Memory},
    {"ShapeQDRII_C", pictures::Part::Memory},     {"ShapeQDRII_D", pictures::Part::Memory},
    {"ShapeQDRII_E", pictures::Part::Memory},     {"ShapeQDRII_F", pictures::Part::Memory},
    {"ShapeSi5340A", pictures::Part::Chip},       {"ShapeSi5340B", pictures::Part::Chip},
};

QPixmap DrawAbernollBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(206, 76, 84, 84), QStringLiteral("Arria 10 GX"), pictures::Part::Chip},
            {QRect(250, 180, 60, 18), QStringLiteral("LTM4677"), pictures::Part::Chip},
            {QRect(300, 200, 80, 16), QStringLiteral("Abernoll"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormAbernoll::TFormAbernoll(QWidget* owner)
    : TBoardForm(owner, kLayout, 829, 578, "Abernoll V1.0.0",
                 {.outlinePen = 2,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Si5340(this, kSi5340Lists)
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    connect(Control<QPushButton>("ButtonButtonDefaultAllSetting"), &QPushButton::clicked, this,
            [this] { ButtonButtonDefaultAllSettingClick(); });
    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormAbernoll::~TFormAbernoll() = default;

void TFormAbernoll::DefaultConfig(ABERNOLL_CONFIG& config) const { config = TConfigAbernoll::DefaultConfig(); }

void TFormAbernoll::ConfigToForm(const ABERNOLL_CONFIG& config)
{
    // The remembered choices first: the boxes' updates read them.
    const int32_t choices[5] = {config.nSi5340A[0], config.nSi5340A[1], config.nSi5340A[2], config.nSi5340A[3],
                                config.nSi5340B_QDRII};
    m_Si5340.Remember(choices);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    UpdateShapes();
    UpdateOscillatorCombos();
}

// BoardVariant and bLTM4677 have no control and keep the record's value.
bool TFormAbernoll::FormToConfig(ABERNOLL_CONFIG& config) const
{
    config.Size = sizeof(ABERNOLL_CONFIG);
    config.BoardId = MAINBOARD_Abernoll;
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    const std::vector<int32_t> shown = m_Si5340.Shown();
    std::copy(shown.begin(), shown.begin() + 4, std::begin(config.nSi5340A));
    config.nSi5340B_QDRII = shown[4];
    return true;
}

void TFormAbernoll::UpdateOscillatorCombos() { m_Si5340.Update(); }

// The defaults with every box ticked and the last entry of each list; bLTM4677 stays clear.
void TFormAbernoll::ButtonButtonDefaultAllSettingClick()
{
    ABERNOLL_CONFIG& c = m_Settings.Config;
    DefaultConfig(c);
    for (const DeviceGroup<ABERNOLL_CONFIG>& group : kGroups) c.*group.field = 1;
    std::fill(std::begin(c.nSi5340A), std::end(c.nSi5340A), 7);  // 644.53125 MHz
    c.nSi5340B_QDRII = 3;                                          // 275 MHz
    ConfigToForm();
}

void TFormAbernoll::FillComboBoxes() { m_Si5340.Fill(); }
void TFormAbernoll::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }
void TFormAbernoll::ConfigToForm() { ConfigToForm(m_Settings.Config); }
bool TFormAbernoll::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormAbernoll::AnyTicked(std::span<const char* const> boxes) const
{
    return std::any_of(boxes.begin(), boxes.end(), [this](const char* box) { return Control<QCheckBox>(box)->isChecked(); });
}

void TFormAbernoll::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    Control<QWidget>("ShapeSi5340A")->setVisible(AnyTicked(kQsfpBoxes));
    Control<QWidget>("ShapeSi5340B")->setVisible(AnyTicked(kQdrBoxes));
}

void TFormAbernoll::CheckBoxClick(const QObject*)
{
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormAbernoll::ValidateInput() { return CheckProjectName(); }
bool TFormAbernoll::ConfirmGenerate() { return m_Si5340.CheckOscillators(); }

bool TFormAbernoll::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateAbernollProject(m_Settings, projectFile);
}

std::string TFormAbernoll::BoardFolderWord() const { return "Abernoll"; }

void TFormAbernoll::ShowGenerateWarnings()
{
    const std::string notes =
        ProjectNotes(platform::JoinPresent({{AnyTicked(kQdrBoxes), "QDRII+ SRAM"}}),
                         platform::JoinPresent({{Control<QCheckBox>("CheckBoxPCIe")->isChecked(), "PCIe"},
                                     {AnyTicked(kQsfpBoxes), "QSFP+"}}));
    if (!notes.empty()) platform::InformationBox(notes);
}

void RegisterAbernollPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawAbernollBoard); }

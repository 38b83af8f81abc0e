#include "boards/stratix5/UI_MORRAST.h"

#include <QCheckBox>
#include <QComboBox>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVFormControls.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"
#include "platform/Format.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kDotted;

constexpr const char* kBoardPicture = "Morrast_BITMAP";

// The board picture lies in Panel1; the outlines over it are given in picture coordinates.
constexpr Rect kBoardImage{8, 8, 400, 185};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {8, 5, 93, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {270, 14, 150, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 58, 416, 201}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, kBoardImage},
    {Kind::Shape, "ShapeSfp_A", "Panel1", "SFP+ A", Over(kBoardImage, 8, 8, 40, 28)},
    {Kind::Shape, "ShapeSfp_B", "Panel1", "SFP+ B", Over(kBoardImage, 54, 8, 40, 28)},
    {Kind::Shape, "ShapeSata", "Panel1", "SATA", Over(kBoardImage, 100, 8, 48, 24)},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS-422", Over(kBoardImage, 156, 8, 50, 28)},
    {Kind::Shape, "ShapeSi570", "Panel1", "Si570", Over(kBoardImage, 214, 8, 52, 18), kDotted},
    {Kind::Shape, "ShapeCdcm61004", "Panel1", "CDCM61004", Over(kBoardImage, 274, 8, 70, 18)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 352, 8, 40, 18)},
    {Kind::Shape, "ShapeQDRII_A", "Panel1", "QDRII+ A", Over(kBoardImage, 8, 48, 56, 30)},
    {Kind::Shape, "ShapeQDRII_B", "Panel1", "QDRII+ B", Over(kBoardImage, 8, 88, 56, 30), kDotted},
    {Kind::Shape, "ShapeDDR3_0", "Panel1", "DDR3 A", Over(kBoardImage, 72, 48, 60, 30)},
    {Kind::Shape, "ShapeDDR3_1", "Panel1", "DDR3 B", Over(kBoardImage, 72, 88, 60, 30)},
    {Kind::Shape, "ShapeQDRII_C", "Panel1", "QDRII+ C", Over(kBoardImage, 252, 48, 56, 30)},
    {Kind::Shape, "ShapeQDRII_D", "Panel1", "QDRII+ D", Over(kBoardImage, 252, 88, 56, 30), kDotted},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 316, 48, 60, 30)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 316, 88, 40, 20), kDotted},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 362, 88, 30, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 8, 130, 80, 12)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 8, 150, 60, 16)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 78, 148, 60, 22)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe x8", Over(kBoardImage, 150, 160, 200, 18)},
    {Kind::GroupBox, "GroupBox2", nullptr, "Programmable Oscillator", {8, 266, 416, 96}},
    {Kind::Label, "LabelSi570", "GroupBox2", "Si570", {10, 24, 86, 20}, kBold},
    {Kind::Label, "LabelSfpRefClk", "GroupBox2", "SFP_REFCLK_p/n:", {96, 24, 140, 20}},
    {Kind::ComboBox, "ComboBoxSi570", "GroupBox2", nullptr, {240, 20, 110, 24}},
    {Kind::Label, "LabelSi570Unit", "GroupBox2", "MHz", {356, 24, 40, 20}},
    {Kind::Label, "LabelCdcm61004", "GroupBox2", "CDCM61004", {10, 58, 86, 20}, kBold},
    {Kind::Label, "LabelSfp1gRefClk", "GroupBox2", "SFP1G_REFCLK_p/n:", {96, 58, 140, 20}},
    {Kind::ComboBox, "ComboBoxCdcm61004", "GroupBox2", nullptr, {240, 54, 110, 24}},
    {Kind::Label, "LabelCdcm61004Unit", "GroupBox2", "MHz", {356, 58, 40, 20}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 394, 357}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 100, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {118, 26, 262, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 64, 176, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "DIP Switch x 4", {204, 64, 176, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  4", {16, 94, 176, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {204, 94, 176, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 124, 176, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {204, 124, 176, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {16, 154, 176, 20}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "1394 to RS-422", {204, 154, 176, 20}},
    {Kind::CheckBox, "CheckBoxQdrA", "GroupBox1", "QDRII+ A (72Mb)", {16, 184, 176, 20}},
    {Kind::CheckBox, "CheckBoxQdrB", "GroupBox1", "QDRII+ B (72Mb)", {204, 184, 176, 20}},
    {Kind::CheckBox, "CheckBoxQdrC", "GroupBox1", "QDRII+ C (72Mb)", {16, 214, 176, 20}},
    {Kind::CheckBox, "CheckBoxQdrD", "GroupBox1", "QDRII+ D (72Mb)", {204, 214, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR3_0", "GroupBox1", "DDR3 A (1GB)", {16, 244, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR3_1", "GroupBox1", "DDR3 B (1GB)", {204, 244, 176, 20}},
    {Kind::CheckBox, "CheckBoxSfpA", "GroupBox1", "SFP+ A", {16, 274, 176, 20}},
    {Kind::CheckBox, "CheckBoxSfpB", "GroupBox1", "SFP+ B", {204, 274, 176, 20}},
    {Kind::CheckBox, "CheckBoxSata", "GroupBox1", "SATA Host", {16, 304, 176, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe x 8 ", {204, 304, 176, 20}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {8, 404, 158, 40}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {172, 404, 158, 40}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {336, 404, 158, 40}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {500, 404, 158, 40}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {664, 404, 162, 40}},
};

constexpr const char* kTabOrder[] = {
    "EditProjectName", "CheckBoxOSC",    "CheckBoxSwitch", "CheckBoxLED",  "CheckBoxButton", "CheckBoxTemp",
    "CheckBoxFan",     "CheckBoxDDR3_0", "CheckBoxDDR3_1", "CheckBoxFlash", "CheckBoxSfpA",  "CheckBoxPCIe",
    "CheckBoxRs422",   "CheckBoxSfpB",   "CheckBoxQdrA",   "CheckBoxQdrC",  "CheckBoxQdrD",  "CheckBoxQdrB",
    "CheckBoxSata",
};

constexpr DeviceGroup<MORRAST_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &MORRAST_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &MORRAST_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &MORRAST_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &MORRAST_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxTemp", &MORRAST_CONFIG::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR3_0", &MORRAST_CONFIG::bDDR3_0, {"ShapeDDR3_0"}},
    {"CheckBoxDDR3_1", &MORRAST_CONFIG::bDDR3_1, {"ShapeDDR3_1"}},
    {"CheckBoxQdrA", &MORRAST_CONFIG::bQdrA, {"ShapeQDRII_A"}},
    {"CheckBoxQdrB", &MORRAST_CONFIG::bQdrB, {"ShapeQDRII_B"}},
    {"CheckBoxQdrC", &MORRAST_CONFIG::bQdrC, {"ShapeQDRII_C"}},
    {"CheckBoxQdrD", &MORRAST_CONFIG::bQdrD, {"ShapeQDRII_D"}},
    {"CheckBoxSfpA", &MORRAST_CONFIG::bSfpA, {"ShapeSfp_A"}},
    {"CheckBoxSfpB", &MORRAST_CONFIG::bSfpB, {"ShapeSfp_B"}},
    {"CheckBoxSata", &MORRAST_CONFIG::bSata, {"ShapeSata"}},
    {"CheckBoxPCIe", &MORRAST_CONFIG::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &MORRAST_CONFIG::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &MORRAST_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRs422", &MORRAST_CONFIG::bRs422, {"ShapeRs422"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeSfp_A", pictures::Part::Jack},       {"ShapeSfp_B", pictures::Part::Jack},
    {"ShapeSata", pictures::Part::Jack},        {"ShapeRs422", pictures::Part::Jack},
    {"ShapeSi570", pictures::Part::Oscillator}, {"ShapeCdcm61004", pictures::Part::Chip},
    {"ShapeOSC", pictures::Part::Oscillator},   {"ShapeQDRII_A", pictures::Part::Memory},
    {"ShapeQDRII_B", pictures::Part::Memory},   {"ShapeDDR3_0", pictures::Part::Memory},
    {"ShapeDDR3_1", pictures::Part::Memory},    {"ShapeQDRII_C", pictures::Part::Memory},
    {"ShapeQDRII_D", pictures::Part::Memory},   {"ShapeFlash", pictures::Part::Memory},
    {"ShapeTemp", pictures::Part::Chip},        {"ShapeFan", pictures::Part::Header},
    {"ShapeLED", pictures::Part::Leds, 4},      {"ShapeSwitch", pictures::Part::Switches, 4},
    {"ShapeButton", pictures::Part::Keys, 2},   {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawMorrastBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(142, 44, 100, 90), QStringLiteral("Stratix V GX"), pictures::Part::Chip},
            {QRect(300, 130, 92, 16), QStringLiteral("Morrast"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormMorrast::TFormMorrast(QWidget* owner)
    : TBoardForm(owner, kLayout, 834, 452, "Varnholt - Morrast V1.1.0",
                 {.outlinePen = 2,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Si570(Si570ListTexts("Disable"), Si570Code),
      m_Cdcm61004(Cdcm61004ListTexts("Disable"), Cdcm61004Code),
      m_Si570Combo(Control<QComboBox>("ComboBoxSi570")),
      m_Cdcm61004Combo(Control<QComboBox>("ComboBoxCdcm61004"))
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    formlayout::SetTabOrder(this, kTabOrder);

    connect(m_Si570Combo, &QComboBox::activated, this, [this] { ComboBoxSi570Change(); });
    connect(m_Cdcm61004Combo, &QComboBox::activated, this, [this] { ComboBoxCdcm61004Change(); });
    // The memory boxes carry a hint that is not switched on: kept as the status text, never
    // shown as a tip.
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Control<QCheckBox>(box)->setStatusTip(QStringLiteral("Up to 4GB, 800 data rate"));

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormMorrast::~TFormMorrast() = default;

void TFormMorrast::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormMorrast::FillComboBoxes()
{
    stratix5::FillOscillatorCombo(m_Si570Combo, m_Si570);
    stratix5::FillOscillatorCombo(m_Cdcm61004Combo, m_Cdcm61004);
}

void TFormMorrast::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormMorrast::ConfigToForm(const MORRAST_CONFIG& config)
{
    m_Si570.Show(config.nSi570);
    m_Cdcm61004.Show(config.nCdcm61004);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Si570Combo->setCurrentIndex(m_Si570.Kept());
    m_Cdcm61004Combo->setCurrentIndex(m_Cdcm61004.Kept());
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormMorrast::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormMorrast::FormToConfig(MORRAST_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Morrast;
    config.Size = sizeof(MORRAST_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nSi570 = m_Si570Combo->currentIndex();
    config.nCdcm61004 = m_Cdcm61004Combo->currentIndex();
    return true;
}

bool TFormMorrast::Checked(const char* box) const { return Control<QCheckBox>(box)->isChecked(); }

bool TFormMorrast::IsSfpUsed() const { return Checked("CheckBoxSfpA") || Checked("CheckBoxSfpB"); }

void TFormMorrast::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    Control<QWidget>("ShapeCdcm61004")->setVisible(m_Cdcm61004Combo->currentIndex() != 0);
    Control<QWidget>("ShapeSi570")->setVisible(m_Si570Combo->currentIndex() != 0);
}

// Both oscillators serve the SFP+ ports alone; "SATA Host" needs neither.
void TFormMorrast::UpdateOscillatorCombos()
{
    stratix5::ShowOscillator(m_Si570Combo, m_Si570, IsSfpUsed());
    stratix5::ShowOscillator(m_Cdcm61004Combo, m_Cdcm61004, IsSfpUsed());
}

void TFormMorrast::CheckBoxClick(const QObject*)
{
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormMorrast::ValidateInput() { return CheckProjectName(); }

bool TFormMorrast::ConfirmGenerate()
{
    return !(IsSfpUsed() && m_Si570Combo->currentIndex() == 0 && m_Cdcm61004Combo->currentIndex() == 0) ||
           platform::WarningYesNo("QSP interface is enabled, but the associated programmable oscillator SI570 or "
                                  "CDCM61004 is not enalbed.\r\nDo you want to continued?");
}

bool TFormMorrast::GenerateProject(const std::string& projectFile)
{
    // The settings record changes only through the settings buttons and "Exit".
    MORRAST_CONFIG request = m_Settings.Config;
    FormToConfig(request);
    return GenerateMorrastProject(request, projectFile);
}

std::string TFormMorrast::BoardFolderWord() const { return "Morrast"; }

void TFormMorrast::ShowGenerateWarnings()
{
    const bool ddr3 = Checked("CheckBoxDDR3_0") || Checked("CheckBoxDDR3_1");
    const bool qdr = Checked("CheckBoxQdrA") || Checked("CheckBoxQdrB") || Checked("CheckBoxQdrC") ||
                     Checked("CheckBoxQdrD");
    const std::string memories = platform::JoinPresent({{ddr3, "DDR3-SDRAM"}, {qdr, "QDRII+ SRAM"}});
    const std::string interfaces = platform::JoinPresent(
        {{Checked("CheckBoxPCIe"), "PCIe"}, {IsSfpUsed(), "SFP+"}, {Checked("CheckBoxSata"), "SATA"}});
    const std::string notice = ProjectNotes(memories, interfaces);
    if (!notice.empty()) platform::InformationBox(notice);
}

void TFormMorrast::ComboBoxSi570Change()
{
    m_Si570.Picked(m_Si570Combo->currentIndex());
    UpdateShapes();
}

void TFormMorrast::ComboBoxCdcm61004Change()
{
    m_Cdcm61004.Picked(m_Cdcm61004Combo->currentIndex());
    UpdateShapes();
}

void RegisterMorrastPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawMorrastBoard); }

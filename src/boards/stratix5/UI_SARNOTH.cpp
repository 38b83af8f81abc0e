#include "boards/stratix5/UI_SARNOTH.h"

#include <QCheckBox>

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

constexpr const char* kBoardPicture = "Sarnoth_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 8, 400, 184};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 93, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 200}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeSfp_A", "Panel1", "SFP+ A", Over(kBoardImage, 6, 6, 34, 22)},
    {Kind::Shape, "ShapeSfp_B", "Panel1", "SFP+ B", Over(kBoardImage, 46, 6, 34, 22)},
    {Kind::Shape, "ShapeSfp_C", "Panel1", "SFP+ C", Over(kBoardImage, 86, 6, 34, 22)},
    {Kind::Shape, "ShapeSfp_D", "Panel1", "SFP+ D", Over(kBoardImage, 126, 6, 34, 22)},
    {Kind::Shape, "ShapeSata_0", "Panel1", "H0", Over(kBoardImage, 168, 6, 26, 18)},
    {Kind::Shape, "ShapeSata_1", "Panel1", "H1", Over(kBoardImage, 200, 6, 26, 18)},
    {Kind::Shape, "ShapeSata_2", "Panel1", "D0", Over(kBoardImage, 232, 6, 26, 18)},
    {Kind::Shape, "ShapeSata_3", "Panel1", "D1", Over(kBoardImage, 264, 6, 26, 18)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 298, 6, 30, 18)},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS-422", Over(kBoardImage, 336, 6, 56, 18)},
    {Kind::Shape, "ShapeRJ45LED", "Panel1", "RJ45", Over(kBoardImage, 298, 32, 40, 10)},
    {Kind::Shape, "ShapeBracketLED", "Panel1", "LED", Over(kBoardImage, 346, 32, 46, 10)},
    {Kind::Shape, "ShapeDDR3_0", "Panel1", "DDR3 A", Over(kBoardImage, 6, 40, 18, 126)},
    {Kind::Shape, "ShapeDDR3_1", "Panel1", "DDR3 B", Over(kBoardImage, 32, 40, 18, 126)},
    {Kind::Shape, "ShapeOSC", "Panel1", "OSC", Over(kBoardImage, 60, 42, 30, 16), kDotted},
    {Kind::Shape, "ShapeSi570", "Panel1", "Si570", Over(kBoardImage, 60, 68, 30, 16), kDotted},
    {Kind::Shape, "ShapeCdcm61001", "Panel1", "61001", Over(kBoardImage, 60, 94, 30, 16), kDotted},
    {Kind::Shape, "ShapeCdcm61004", "Panel1", "61004", Over(kBoardImage, 60, 120, 30, 16)},
    {Kind::Shape, "ShapeQDRII_A", "Panel1", "QDR A", Over(kBoardImage, 102, 52, 36, 30)},
    {Kind::Shape, "ShapeQDRII_B", "Panel1", "QDR B", Over(kBoardImage, 102, 94, 36, 30)},
    {Kind::Shape, "ShapeQDRII_C", "Panel1", "QDR C", Over(kBoardImage, 252, 52, 36, 30)},
    {Kind::Shape, "ShapeQDRII_D", "Panel1", "QDR D", Over(kBoardImage, 252, 94, 36, 30)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 298, 54, 44, 28)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 350, 54, 42, 42)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 298, 92, 30, 18), kDotted},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 150, 138, 44, 26)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 204, 138, 56, 14)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 204, 158, 56, 8)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 270, 138, 70, 26)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe", Over(kBoardImage, 96, 174, 190, 6)},
    {Kind::GroupBox, "GroupBox2", nullptr, "Programmable Oscillator", {8, 262, 417, 230}},
    {Kind::Label, "LabelSi570", "GroupBox2", "Si570", {12, 22, 120, 20}, kBold},
    {Kind::Label, "LabelSi570Clock", "GroupBox2", "SFP_REFCLK_p/n:", {24, 44, 180, 22}},
    {Kind::ComboBox, "ComboBoxSi570", "GroupBox2", nullptr, {210, 42, 120, 24}},
    {Kind::Label, "LabelSi570Unit", "GroupBox2", "MHz", {338, 44, 40, 22}},
    {Kind::Label, "LabelCdcm61001", "GroupBox2", "CDCM61001", {12, 78, 120, 20}, kBold},
    {Kind::Label, "LabelCdcm61001Clock", "GroupBox2", "SFP1G_REFCLK_p/n:", {24, 100, 180, 22}},
    {Kind::ComboBox, "ComboBoxCdcm61001", "GroupBox2", nullptr, {210, 98, 120, 24}},
    {Kind::Label, "LabelCdcm61001Unit", "GroupBox2", "MHz", {338, 100, 40, 22}},
    {Kind::Label, "LabelCdcm61004", "GroupBox2", "CDCM61004", {12, 134, 120, 20}, kBold},
    {Kind::Label, "LabelCdcm61004Host", "GroupBox2", "SATA_HOST_REFCLK_p/n:", {24, 156, 180, 22}},
    {Kind::Label, "LabelCdcm61004Device", "GroupBox2", "SATA_DEVICE_REFCLK_p/n:", {24, 180, 180, 22}},
    {Kind::ComboBox, "ComboBoxCdcm61004", "GroupBox2", nullptr, {210, 166, 120, 24}},
    {Kind::Label, "LabelCdcm61004Unit", "GroupBox2", "MHz", {338, 168, 40, 22}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 392, 340}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 268, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 60, 180, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 4", {200, 60, 180, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  10", {16, 80, 180, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", {200, 80, 180, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 100, 180, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {200, 100, 180, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 120, 180, 20}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "RS-422", {200, 120, 180, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 140, 180, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {200, 140, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrA", "GroupBox1", "QDRII+ SRAM A", {16, 160, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrB", "GroupBox1", "QDRII+ SRAM B", {200, 160, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrC", "GroupBox1", "QDRII+ SRAM C", {16, 180, 180, 20}},
    {Kind::CheckBox, "CheckBoxQdrD", "GroupBox1", "QDRII+ SRAM D", {200, 180, 180, 20}},
    {Kind::CheckBox, "CheckBoxDDR3_0", "GroupBox1", "DDR3 SODIMM_A", {16, 200, 180, 20}},
    {Kind::CheckBox, "CheckBoxDDR3_1", "GroupBox1", "DDR3 SODIMM_B", {200, 200, 180, 20}},
    {Kind::CheckBox, "CheckBoxSfpA", "GroupBox1", "SFP+ A", {16, 220, 180, 20}},
    {Kind::CheckBox, "CheckBoxSfpB", "GroupBox1", "SFP+ B", {200, 220, 180, 20}},
    {Kind::CheckBox, "CheckBoxSfpC", "GroupBox1", "SFP+ C", {16, 240, 180, 20}},
    {Kind::CheckBox, "CheckBoxSfpD", "GroupBox1", "SFP+ D", {200, 240, 180, 20}},
    {Kind::CheckBox, "CheckBoxSata_0", "GroupBox1", "Sata Host 0", {16, 260, 180, 20}},
    {Kind::CheckBox, "CheckBoxSata_1", "GroupBox1", "Sata Host 1", {200, 260, 180, 20}},
    {Kind::CheckBox, "CheckBoxSata_2", "GroupBox1", "Sata Device 0", {16, 280, 180, 20}},
    {Kind::CheckBox, "CheckBoxSata_3", "GroupBox1", "Sata Device 1", {200, 280, 180, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {16, 300, 180, 20}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {432, 354, 190, 36}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {634, 354, 190, 36}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {432, 400, 190, 36}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {634, 400, 190, 36}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {634, 446, 190, 36}},
};

// The keyboard's order over the settings.
constexpr const char* kTabOrder[] = {
    "EditProjectName", "CheckBoxOSC",    "CheckBoxSwitch", "CheckBoxLED",    "CheckBoxSeg7",   "CheckBoxButton",
    "CheckBoxSma",     "CheckBoxTemp",   "CheckBoxFan",    "CheckBoxDDR3_0", "CheckBoxDDR3_1", "CheckBoxFlash",
    "CheckBoxSfpA",    "CheckBoxSata_0", "CheckBoxSata_1", "CheckBoxSata_2", "CheckBoxSata_3", "CheckBoxPCIe",
    "CheckBoxRs422",   "CheckBoxSfpC",   "CheckBoxSfpD",   "CheckBoxSfpB",   "CheckBoxQdrA",   "CheckBoxQdrC",
    "CheckBoxQdrD",    "CheckBoxQdrB",
};

using X = SARNOTH_CONFIG;
constexpr DeviceGroup<X> kGroups[] = {
    {"CheckBoxOSC", &X::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &X::bLED, {"ShapeLED", "ShapeRJ45LED", "ShapeBracketLED"}},
    {"CheckBoxSeg7", &X::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &X::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &X::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSata_0", &X::bSata_0, {"ShapeSata_0"}},
    {"CheckBoxSata_1", &X::bSata_1, {"ShapeSata_1"}},
    {"CheckBoxSata_2", &X::bSata_2, {"ShapeSata_2"}},
    {"CheckBoxSata_3", &X::bSata_3, {"ShapeSata_3"}},
    {"CheckBoxSma", &X::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &X::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR3_0", &X::bDDR3_0, {"ShapeDDR3_0"}},
    {"CheckBoxDDR3_1", &X::bDDR3_1, {"ShapeDDR3_1"}},
    {"CheckBoxQdrA", &X::bQdrA, {"ShapeQDRII_A"}},
    {"CheckBoxQdrB", &X::bQdrB, {"ShapeQDRII_B"}},
    {"CheckBoxQdrC", &X::bQdrC, {"ShapeQDRII_C"}},
    {"CheckBoxQdrD", &X::bQdrD, {"ShapeQDRII_D"}},
    {"CheckBoxSfpA", &X::bSfpA, {"ShapeSfp_A"}},
    {"CheckBoxSfpB", &X::bSfpB, {"ShapeSfp_B"}},
    {"CheckBoxSfpC", &X::bSfpC, {"ShapeSfp_C"}},
    {"CheckBoxSfpD", &X::bSfpD, {"ShapeSfp_D"}},
    {"CheckBoxPCIe", &X::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &X::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &X::bFlash, {"ShapeFlash"}},
    {"CheckBoxRs422", &X::bRs422, {"ShapeRs422"}},
};

constexpr const char* kSfpBoxes[] = {"CheckBoxSfpA", "CheckBoxSfpB", "CheckBoxSfpC", "CheckBoxSfpD"};
constexpr const char* kSataBoxes[] = {"CheckBoxSata_0", "CheckBoxSata_1", "CheckBoxSata_2", "CheckBoxSata_3"};
constexpr const char* kDdr3Boxes[] = {"CheckBoxDDR3_0", "CheckBoxDDR3_1"};
constexpr const char* kQdrBoxes[] = {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC", "CheckBoxQdrD"};

using pictures::Part;
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeSfp_A", Part::Jack},       {"ShapeSfp_B", Part::Jack},        {"ShapeSfp_C", Part::Jack},
    {"ShapeSfp_D", Part::Jack},       {"ShapeSata_0", Part::Jack},       {"ShapeSata_1", Part::Jack},
    {"ShapeSata_2", Part::Jack},      {"ShapeSata_3", Part::Jack},       {"ShapeSma", Part::Jack},
    {"ShapeRs422", Part::Jack},       {"ShapeRJ45LED", Part::Leds, 2},   {"ShapeBracketLED", Part::Leds, 4},
    {"ShapeDDR3_0", Part::Header},    {"ShapeDDR3_1", Part::Header},     {"ShapeOSC", Part::Oscillator},
    {"ShapeSi570", Part::Oscillator}, {"ShapeCdcm61001", Part::Chip},    {"ShapeCdcm61004", Part::Chip},
    {"ShapeQDRII_A", Part::Memory},   {"ShapeQDRII_B", Part::Memory},    {"ShapeQDRII_C", Part::Memory},
    {"ShapeQDRII_D", Part::Memory},   {"ShapeFlash", Part::Memory},      {"ShapeFan", Part::Region},
    {"ShapeTemp", Part::Chip},        {"ShapeSeg7", Part::Seg7, 2},      {"ShapeSwitch", Part::Switches, 4},
    {"ShapeLED", Part::Leds, 4},      {"ShapeButton", Part::Keys, 4},    {"ShapePCIe", Part::Header},
};

QPixmap DrawSarnothBoard()
{
    return boardpicture::DrawBoardUnderOutlines(kBoardImage, kLayout, kParts,
                                                {
                                                    {QRect(150, 50, 92, 76), QStringLiteral("Stratix V GX"), Part::Chip},
                                                    {QRect(298, 116, 94, 16), QStringLiteral("Sarnoth"), Part::Silkscreen},
                                                });
}

}  // namespace

TFormSarnoth::TFormSarnoth(QWidget* owner)
    : TBoardForm(owner, kLayout, 832, 499, "Varnholt - Sarnoth V2.0.3",
                 {.outlinePen = 2,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Si570(Si570ListTexts("Not Use"), Si570Code),
      m_Cdcm61001(ExtPllListTexts(), ExtPllCode),
      m_Cdcm61004(ExtPllListTexts(), ExtPllCode),
      m_Si570Combo(Control<QComboBox>("ComboBoxSi570")),
      m_Cdcm61001Combo(Control<QComboBox>("ComboBoxCdcm61001")),
      m_Cdcm61004Combo(Control<QComboBox>("ComboBoxCdcm61004"))
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    formlayout::SetTabOrder(this, kTabOrder);

    connect(m_Si570Combo, &QComboBox::activated, this, [this] { ComboBoxSi570Change(); });
    connect(m_Cdcm61001Combo, &QComboBox::activated, this, [this] { ComboBoxCdcm61001Change(); });
    connect(m_Cdcm61004Combo, &QComboBox::activated, this, [this] { ComboBoxCdcm61004Change(); });
    // The memory boxes carry a hint that is not switched on: kept as the status text, never
    // shown as a tip.
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Control<QCheckBox>(box)->setStatusTip(QStringLiteral("Up to 4GB, 800 data rate"));

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormSarnoth::~TFormSarnoth() = default;

void TFormSarnoth::DefaultConfig(SARNOTH_CONFIG& config) const { ::DefaultConfig(config); }

void TFormSarnoth::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormSarnoth::FillComboBoxes()
{
    stratix5::FillOscillatorCombo(m_Si570Combo, m_Si570);
    stratix5::FillOscillatorCombo(m_Cdcm61001Combo, m_Cdcm61001);
    stratix5::FillOscillatorCombo(m_Cdcm61004Combo, m_Cdcm61004);
    // Twelve rows: the thirteenth entry scrolls.
    m_Cdcm61001Combo->setMaxVisibleItems(12);
    m_Cdcm61004Combo->setMaxVisibleItems(12);
}

void TFormSarnoth::ConfigToForm()
{
    const SARNOTH_CONFIG& config = m_Settings.Config;
    m_Si570.Show(config.nSi570);
    m_Cdcm61001.Show(config.nCdcm61001);
    m_Cdcm61004.Show(config.nCdcm61004);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Si570Combo->setCurrentIndex(m_Si570.Kept());
    m_Cdcm61004Combo->setCurrentIndex(m_Cdcm61004.Kept());
    m_Cdcm61001Combo->setCurrentIndex(m_Cdcm61001.Kept());
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormSarnoth::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormSarnoth::FormToConfig(SARNOTH_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Sarnoth;
    config.Size = sizeof(SARNOTH_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nSi570 = m_Si570Combo->currentIndex();
    config.nCdcm61001 = m_Cdcm61001Combo->currentIndex();
    config.nCdcm61004 = m_Cdcm61004Combo->currentIndex();
    return true;
}

bool TFormSarnoth::Checked(const char* box) const { return Control<QCheckBox>(box)->isChecked(); }

bool TFormSarnoth::AnyChecked(std::span<const char* const> boxes) const
{
    for (const char* box : boxes)
        if (Checked(box)) return true;
    return false;
}

bool TFormSarnoth::IsSfpUsed() const { return AnyChecked(kSfpBoxes); }

bool TFormSarnoth::IsSataUsed() const { return AnyChecked(kSataBoxes); }

void TFormSarnoth::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    Control<QWidget>("ShapeCdcm61001")->setVisible(m_Cdcm61001Combo->currentIndex() != 0);
    Control<QWidget>("ShapeCdcm61004")->setVisible(m_Cdcm61004Combo->currentIndex() != 0);
    Control<QWidget>("ShapeSi570")->setVisible(m_Si570Combo->currentIndex() != 0);
}

// The Si570 and the CDCM61001 serve the SFP+ ports, the CDCM61004 the SATA ports.
void TFormSarnoth::UpdateOscillatorCombos()
{
    stratix5::ShowOscillator(m_Si570Combo, m_Si570, IsSfpUsed());
    stratix5::ShowOscillator(m_Cdcm61001Combo, m_Cdcm61001, IsSfpUsed());
    stratix5::ShowOscillator(m_Cdcm61004Combo, m_Cdcm61004, IsSataUsed());
}

// The outlines first: the oscillator outlines show the lists as they were before the click,
// until the next click, as the board's original form does.
void TFormSarnoth::CheckBoxClick(const QObject*)
{
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormSarnoth::ValidateInput() { return CheckProjectName(); }

// Each question goes on only on Yes; "Unchanged" (entry 0) counts as no chip, "Not Use" asks
// nothing.
bool TFormSarnoth::ConfirmGenerate()
{
    if (IsSfpUsed() && m_Si570Combo->currentIndex() == 0 && m_Cdcm61001Combo->currentIndex() == 0 &&
        !platform::WarningYesNo("QSP interface is enabled, but the associated programmable oscillator SI570 or "
                                "CDCM61001 is not enalbed.\r\nDo you want to continued?"))
        return false;
    return !(IsSataUsed() && m_Cdcm61004Combo->currentIndex() == 0) ||
           platform::WarningYesNo("SATA interface is enabled, but the associated programmable oscillator CDCM61004 "
                                  "is not enabled.\r\nDo you want to continued?");
}

bool TFormSarnoth::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateSarnothProject(m_Settings.Config, projectFile);
}

std::string TFormSarnoth::BoardFolderWord() const { return "S5"; }

void TFormSarnoth::ShowGenerateWarnings()
{
    const std::string memories =
        platform::JoinPresent({{AnyChecked(kDdr3Boxes), "DDR3-SDRAM"}, {AnyChecked(kQdrBoxes), "QDRII+ SRAM"}});
    const std::string interfaces =
        platform::JoinPresent({{IsSataUsed(), "SATA"}, {Checked("CheckBoxPCIe"), "PCIe"}, {IsSfpUsed(), "SFP+"}});
    const std::string notice = ProjectNotes(memories, interfaces);
    if (!notice.empty()) platform::InformationBox(notice);
}

void TFormSarnoth::ComboBoxSi570Change() { m_Si570.Picked(m_Si570Combo->currentIndex()); }

void TFormSarnoth::ComboBoxCdcm61001Change() { m_Cdcm61001.Picked(m_Cdcm61001Combo->currentIndex()); }

void TFormSarnoth::ComboBoxCdcm61004Change() { m_Cdcm61004.Picked(m_Cdcm61004Combo->currentIndex()); }

void RegisterSarnothPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawSarnothBoard); }

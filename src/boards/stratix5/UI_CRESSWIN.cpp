#include "boards/stratix5/UI_CRESSWIN.h"

#include <QCheckBox>
#include <QComboBox>

#include "boards/stratix5/StratixVClockCodes.h"
#include "boards/stratix5/StratixVFormControls.h"
#include "cards/DaughterBoardInfo.h"
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

constexpr const char* kBoardPicture = "Cresswin_BITMAP";
constexpr const char* kFamilyMark = "Cresswin_FAMILY_BITMAP";

// The board picture lies in Panel1; the outlines over it are given in picture coordinates.
constexpr Rect kBoardImage{8, 8, 400, 250};
constexpr Rect kFamilyImage{8, 5, 103, 50};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageAltera", nullptr, nullptr, kFamilyImage},
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {118, 5, 93, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {270, 14, 150, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 60, 416, 266}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, kBoardImage},
    {Kind::Shape, "ShapeSfp_A", "Panel1", "SFP+ A", Over(kBoardImage, 8, 8, 40, 28)},
    {Kind::Shape, "ShapeSfp_B", "Panel1", "SFP+ B", Over(kBoardImage, 54, 8, 40, 28)},
    {Kind::Shape, "ShapeSfp_C", "Panel1", "SFP+ C", Over(kBoardImage, 100, 8, 40, 28)},
    {Kind::Shape, "ShapeSfp_D", "Panel1", "SFP+ D", Over(kBoardImage, 146, 8, 40, 28)},
    {Kind::Shape, "ShapeRJ45LED", "Panel1", "RJ45 LED", Over(kBoardImage, 196, 8, 56, 14)},
    {Kind::Shape, "ShapeBracketLED", "Panel1", "BKT LED", Over(kBoardImage, 196, 28, 56, 14)},
    {Kind::Shape, "ShapeSata_0", "Panel1", "SATA H", Over(kBoardImage, 262, 8, 50, 26)},
    {Kind::Shape, "ShapeSata_1", "Panel1", "SATA D", Over(kBoardImage, 318, 8, 50, 26)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 8, 52, 36, 30)},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS-422", Over(kBoardImage, 8, 92, 36, 40)},
    {Kind::Shape, "ShapeSi570", "Panel1", "Si570", Over(kBoardImage, 56, 52, 56, 20)},
    {Kind::Shape, "ShapeCdcm61004", "Panel1", "CDCM61004", Over(kBoardImage, 56, 80, 72, 20)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 56, 108, 56, 20)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 262, 52, 52, 22), kDotted},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 322, 52, 40, 40)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 262, 84, 52, 30)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 262, 124, 52, 30)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 372, 52, 22, 150)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 56, 170, 80, 12)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 56, 190, 80, 16)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 150, 172, 100, 24)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe x8", Over(kBoardImage, 56, 224, 200, 20)},
    {Kind::GroupBox, "GroupBox2", nullptr, "Programmable Oscillator", {8, 332, 416, 134}},
    {Kind::Label, "LabelSi570", "GroupBox2", "Si570", {10, 24, 86, 20}, kBold},
    {Kind::Label, "LabelSfpRefClk", "GroupBox2", "SFP_REFCLK_p/n:", {96, 24, 140, 20}},
    {Kind::ComboBox, "ComboBoxSi570", "GroupBox2", nullptr, {240, 20, 110, 24}},
    {Kind::Label, "LabelSi570Unit", "GroupBox2", "MHz", {356, 24, 40, 20}},
    {Kind::Label, "LabelCdcm61004", "GroupBox2", "CDCM61004", {10, 56, 86, 20}, kBold},
    {Kind::Label, "LabelSataRefClk", "GroupBox2", "SATA_REFCLK_p/n:", {96, 56, 140, 20}},
    {Kind::Label, "LabelSfp1gRefClk", "GroupBox2", "SFP1G_REFCLK_p/n:", {96, 78, 140, 20}},
    {Kind::Label, "LabelHsmcRefClk", "GroupBox2", "HSMC_REFCLK_p/n:", {96, 100, 140, 20}},
    {Kind::ComboBox, "ComboBoxCdcm61004", "GroupBox2", nullptr, {240, 74, 110, 24}},
    {Kind::Label, "LabelCdcm61004Unit", "GroupBox2", "MHz", {356, 78, 40, 20}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 390, 282}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 100, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {118, 26, 258, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 62, 170, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 4", {200, 62, 170, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  10", {16, 86, 170, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {200, 86, 170, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 110, 170, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {200, 110, 170, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {16, 134, 170, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM", {200, 134, 170, 20}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "RS-422", {16, 158, 170, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {200, 158, 170, 20}},
    {Kind::CheckBox, "CheckBoxSfpA", "GroupBox1", "SFP+ A", {16, 182, 170, 20}},
    {Kind::CheckBox, "CheckBoxSfpB", "GroupBox1", "SFP+ B", {200, 182, 170, 20}},
    {Kind::CheckBox, "CheckBoxSfpC", "GroupBox1", "SFP+ C", {16, 206, 170, 20}},
    {Kind::CheckBox, "CheckBoxSfpD", "GroupBox1", "SFP+ D", {200, 206, 170, 20}},
    {Kind::CheckBox, "CheckBoxSata_0", "GroupBox1", "Sata Host", {16, 230, 170, 20}},
    {Kind::CheckBox, "CheckBoxSata_1", "GroupBox1", "Sata Device", {200, 230, 170, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {16, 254, 170, 20}},
    {Kind::GroupBox, "GroupBox3", nullptr, "HSMC Expansion", {432, 292, 390, 174}},
    {Kind::Label, "LabelKelpin_A", "GroupBox3", "HSMC (Transceiver x 8)", {14, 24, 260, 20}, kBold},
    {Kind::ComboBox, "ComboBoxHSMC_A", "GroupBox3", nullptr, {14, 50, 270, 24}},
    {Kind::Label, "Label6", "GroupBox3", "Prefix Name:", {14, 88, 90, 24}},
    {Kind::Edit, "EditHSMC_A", "GroupBox3", nullptr, {106, 88, 178, 24}},
    {Kind::Slot, "SlotHSMC_A", "GroupBox3", "No card", {296, 40, 80, 80}},
    {Kind::Image, "ImageHSMC_A", "GroupBox3", nullptr, {296, 40, 80, 80}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {8, 476, 158, 40}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {172, 476, 158, 40}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {336, 476, 158, 40}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {500, 476, 158, 40}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {664, 476, 158, 40}},
};

constexpr const char* kTabOrder[] = {
    "EditProjectName", "CheckBoxOSC",  "CheckBoxSwitch", "CheckBoxLED",    "CheckBoxButton", "CheckBoxSma",
    "CheckBoxTemp",    "CheckBoxFan",  "CheckBoxFlash",  "CheckBoxSfpA",   "CheckBoxSata_0", "CheckBoxSata_1",
    "CheckBoxPCIe",    "CheckBoxRs422", "CheckBoxSfpC",  "CheckBoxSfpD",   "CheckBoxSfpB",   "CheckBoxSSRAM",
};

constexpr DeviceGroup<CRESSWIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &CRESSWIN_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &CRESSWIN_CONFIG::bLED, {"ShapeLED", "ShapeRJ45LED", "ShapeBracketLED"}},
    {"CheckBoxButton", &CRESSWIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &CRESSWIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSata_0", &CRESSWIN_CONFIG::bSata_0, {"ShapeSata_0"}},
    {"CheckBoxSata_1", &CRESSWIN_CONFIG::bSata_1, {"ShapeSata_1"}},
    {"CheckBoxSma", &CRESSWIN_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &CRESSWIN_CONFIG::bTemp, {"ShapeTemp"}},
    {"CheckBoxSfpA", &CRESSWIN_CONFIG::bSfpA, {"ShapeSfp_A"}},
    {"CheckBoxSfpB", &CRESSWIN_CONFIG::bSfpB, {"ShapeSfp_B"}},
    {"CheckBoxSfpC", &CRESSWIN_CONFIG::bSfpC, {"ShapeSfp_C"}},
    {"CheckBoxSfpD", &CRESSWIN_CONFIG::bSfpD, {"ShapeSfp_D"}},
    {"CheckBoxPCIe", &CRESSWIN_CONFIG::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &CRESSWIN_CONFIG::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &CRESSWIN_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxSSRAM", &CRESSWIN_CONFIG::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxRs422", &CRESSWIN_CONFIG::bRs422, {"ShapeRs422"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeSfp_A", pictures::Part::Jack},        {"ShapeSfp_B", pictures::Part::Jack},
    {"ShapeSfp_C", pictures::Part::Jack},        {"ShapeSfp_D", pictures::Part::Jack},
    {"ShapeRJ45LED", pictures::Part::Leds, 2},   {"ShapeBracketLED", pictures::Part::Leds, 4},
    {"ShapeSata_0", pictures::Part::Jack},       {"ShapeSata_1", pictures::Part::Jack},
    {"ShapeSma", pictures::Part::Jack},          {"ShapeRs422", pictures::Part::Jack},
    {"ShapeSi570", pictures::Part::Oscillator},  {"ShapeCdcm61004", pictures::Part::Chip},
    {"ShapeOSC", pictures::Part::Oscillator},    {"ShapeTemp", pictures::Part::Chip},
    {"ShapeFan", pictures::Part::Header},        {"ShapeFlash", pictures::Part::Memory},
    {"ShapeSSRAM", pictures::Part::Memory},      {"ShapeHSMC", pictures::Part::Header},
    {"ShapeLED", pictures::Part::Leds, 4},       {"ShapeSwitch", pictures::Part::Switches, 4},
    {"ShapeButton", pictures::Part::Keys, 5},    {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawCresswinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 60, 100, 100), QStringLiteral("Stratix V GX"), pictures::Part::Chip},
            {QRect(262, 164, 60, 28), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(150, 202, 100, 16), QStringLiteral("Cresswin II"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawFamilyMark()
{
    return pictures::DrawFamilyMark(QSize(kFamilyImage.width, kFamilyImage.height), QStringLiteral("Stratix V"));
}

}  // namespace

TFormCresswin::TFormCresswin(QWidget* owner)
    : TBoardForm(owner, kLayout, 830, 525, "Varnholt - Cresswin V1.0.2",
                 {.outlinePen = 3,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Hsmc(this, "ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", {"ShapeHSMC"}),
      m_Si570(Si570ListTexts("Disable"), Si570Code),
      m_Cdcm61004(Cdcm61004ListTexts("Disable"), Cdcm61004Code),
      m_Si570Combo(Control<QComboBox>("ComboBoxSi570")),
      m_Cdcm61004Combo(Control<QComboBox>("ComboBoxCdcm61004"))
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    formlayout::SetTabOrder(this, kTabOrder);

    connect(m_Si570Combo, &QComboBox::activated, this, [this] { ComboBoxSi570Change(); });
    connect(m_Cdcm61004Combo, &QComboBox::activated, this, [this] { ComboBoxCdcm61004Change(); });
    connect(m_Hsmc.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMC_AChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormCresswin::~TFormCresswin() = default;

void TFormCresswin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormCresswin::FillComboBoxes()
{
    stratix5::FillOscillatorCombo(m_Si570Combo, m_Si570);
    stratix5::FillOscillatorCombo(m_Cdcm61004Combo, m_Cdcm61004);
    // Both lists hold the same cards; the combo shows and reads the transceiver list.
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    m_TransceiverCardList.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    m_Hsmc.SetCards(CardsOf(m_TransceiverCardList));
}

void TFormCresswin::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormCresswin::ConfigToForm(const CRESSWIN_CONFIG& config)
{
    m_Si570.Show(config.nSi570);
    m_Cdcm61004.Show(config.nCdcm61004);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_Si570Combo->setCurrentIndex(m_Si570.Kept());
    m_Cdcm61004Combo->setCurrentIndex(m_Cdcm61004.Kept());
    // A card the list lacks leaves the combo and the prefix as they were.
    m_Hsmc.ShowListed(config.nHSMC_ADaughterId[0], ReadRecordText(config.szHSMC_APrefixName[0]));
    UpdateShapes();
    UpdateOscillatorCombos();
    UpdateDaughterPictures();
}

bool TFormCresswin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormCresswin::FormToConfig(CRESSWIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Cresswin;
    config.Size = sizeof(CRESSWIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nSi570 = m_Si570Combo->currentIndex();
    config.nCdcm61004 = m_Cdcm61004Combo->currentIndex();
    config.nHSMC_ADaughterId[0] = m_Hsmc.Card();
    WriteRecordText(config.szHSMC_APrefixName[0], m_Hsmc.PrefixText());
    return true;
}

bool TFormCresswin::Checked(const char* box) const { return Control<QCheckBox>(box)->isChecked(); }

bool TFormCresswin::IsSfpUsed() const
{
    return Checked("CheckBoxSfpA") || Checked("CheckBoxSfpB") || Checked("CheckBoxSfpC") || Checked("CheckBoxSfpD");
}

bool TFormCresswin::IsSataUsed() const { return Checked("CheckBoxSata_0") || Checked("CheckBoxSata_1"); }

bool TFormCresswin::IsHsmcTransceiverCard() const
{
    const uint8_t card = m_Hsmc.Card();
    return card != 0 && BoardNeedsTransceiver(card);
}

bool TFormCresswin::IsCdcm61004Needed() const { return IsSataUsed() || IsSfpUsed() || IsHsmcTransceiverCard(); }

// The oscillator outlines follow their combo boxes as they are now; a check-box click updates
// the outlines before the combo boxes, so they show the state before the click.
void TFormCresswin::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    Control<QWidget>("ShapeCdcm61004")->setVisible(m_Cdcm61004Combo->currentIndex() != 0);
    Control<QWidget>("ShapeSi570")->setVisible(m_Si570Combo->currentIndex() != 0);
    m_Hsmc.UpdateOutlines();
}

void TFormCresswin::UpdateOscillatorCombos()
{
    stratix5::ShowOscillator(m_Si570Combo, m_Si570, IsSfpUsed());
    stratix5::ShowOscillator(m_Cdcm61004Combo, m_Cdcm61004, IsCdcm61004Needed());
}

void TFormCresswin::UpdateDaughterPictures() { m_Hsmc.UpdatePicture(); }

void TFormCresswin::CheckBoxClick(const QObject*)
{
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormCresswin::ValidateInput() { return CheckProjectName(); }

bool TFormCresswin::ConfirmGenerate()
{
    const bool si570Off = m_Si570Combo->currentIndex() == 0;
    const bool cdcmOff = m_Cdcm61004Combo->currentIndex() == 0;
    if (IsSfpUsed() && si570Off && cdcmOff &&
        !platform::WarningYesNo("QSP interface is enabled, but the associated programmable oscillator SI570 or "
                                "CDCM61004 is not enalbed.\r\nDo you want to continued?"))
        return false;
    // A transceiver card without the CDCM61004 asks nothing.
    return !(IsSataUsed() && cdcmOff) ||
           platform::WarningYesNo("SATA interface is enabled, but the associated programmable oscillator CDCM61004 "
                                  "is not enabled.\r\nDo you want to continued?");
}

bool TFormCresswin::GenerateProject(const std::string& projectFile)
{
    // The settings record changes only through the settings buttons and "Exit"; the default
    // prefix of a generic card goes into the request alone.
    CRESSWIN_CONFIG request = m_Settings.Config;
    FormToConfig(request);
    return GenerateCresswinProject(request, projectFile);
}

std::string TFormCresswin::BoardFolderWord() const { return "Cresswin"; }

void TFormCresswin::ShowGenerateWarnings()
{
    const std::string interfaces = platform::JoinPresent({{IsSataUsed(), "SATA"},
                                                          {Checked("CheckBoxPCIe"), "PCIe"},
                                                          {IsSfpUsed(), "SFP+"},
                                                          {IsHsmcTransceiverCard(), "HSMC-Transceiver"}});
    if (!interfaces.empty()) platform::InformationBox(TransceiverNote(interfaces));
}

void TFormCresswin::ComboBoxSi570Change() { m_Si570.Picked(m_Si570Combo->currentIndex()); }

void TFormCresswin::ComboBoxCdcm61004Change() { m_Cdcm61004.Picked(m_Cdcm61004Combo->currentIndex()); }

void TFormCresswin::ComboBoxHSMC_AChange()
{
    UpdateOscillatorCombos();
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterCresswinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawCresswinBoard);
    platform::qt::RegisterBitmap(kFamilyMark, DrawFamilyMark);
}

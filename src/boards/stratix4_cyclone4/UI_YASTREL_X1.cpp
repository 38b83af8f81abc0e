#include "boards/stratix4_cyclone4/UI_YASTREL_X1.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <iterator>

#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/settings/GpioPairing.h"
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
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Yastrel_X1_BITMAP";
constexpr const char* kFamilyMark = "Yastrel_X1_FAMILY_MARK";
constexpr const char* kSelectorPicture = "Yastrel_X1_400_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};

// One connector's controls inside its group box, from `top` down: its title, the combo, the
// prefix box and the card picture beside them. `port` names them: ComboBox<port>, ...
#define YASTREL_PORT(port, edit, group, title, top)                                                \
    {Kind::Label, "Label" port, group, title, {12, top, 240, 20}, kBold},                             \
        {Kind::ComboBox, "ComboBox" port, group, nullptr, {12, top + 22, 244, 24}},                   \
        {Kind::Label, "LabelPrefix" port, group, "Prefix Name:", {12, top + 54, 80, 24}},             \
        {Kind::Edit, edit, group, nullptr, {96, top + 54, 160, 24}},                                  \
        {Kind::Slot, "Slot" port, group, "No card", {262, top + 4, 124, 80}},                         \
        {Kind::Image, "Image" port, group, nullptr, {262, top + 4, 124, 80}}

// A generator output: its label, combo and unit.
#define YASTREL_PLL(combo, label, caption, top)                                                    \
    {Kind::Label, label, "GroupBoxPLL", caption, {14, top, 166, 24}},                                \
        {Kind::ComboBox, combo, "GroupBoxPLL", nullptr, {184, top, 110, 24}},                        \
        {Kind::Label, label "Unit", "GroupBoxPLL", "MHZ", {300, top, 40, 24}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 434}},
    {Kind::Label, "LabelBoardName", "Panel1", "Yastrel FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeSata_0", "Panel1", "SATA H0", Over(kBoardImage, 70, 6, 40, 22)},
    {Kind::Shape, "ShapeSata_1", "Panel1", "SATA H1", Over(kBoardImage, 116, 6, 40, 22)},
    {Kind::Shape, "ShapeSata_2", "Panel1", "SATA D0", Over(kBoardImage, 162, 6, 40, 22)},
    {Kind::Shape, "ShapeSata_3", "Panel1", "SATA D1", Over(kBoardImage, 208, 6, 40, 22)},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETH x4", Over(kBoardImage, 254, 6, 60, 22)},
    {Kind::Shape, "ShapeUsbOTG", "Panel1", "USB OTG", Over(kBoardImage, 320, 6, 44, 22)},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 8, 8, 22, 120)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 38, 8, 22, 120)},
    {Kind::Shape, "ShapeDDR2_0", "Panel1", "DDR2-1", Over(kBoardImage, 70, 44, 40, 116)},
    {Kind::Shape, "ShapeDDR2_1", "Panel1", "DDR2-2", Over(kBoardImage, 116, 44, 40, 116)},
    {Kind::Shape, "ShapeExtPLL0", "Panel1", "PLL A", Over(kBoardImage, 266, 44, 42, 20)},
    {Kind::Shape, "ShapeExtPLL1", "Panel1", "PLL B", Over(kBoardImage, 316, 44, 42, 20)},
    {Kind::Shape, "ShapeExtPLL2", "Panel1", "PLL S", Over(kBoardImage, 266, 72, 42, 20), kDotted},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 316, 72, 42, 20)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 266, 100, 42, 20)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 316, 100, 42, 20)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 266, 128, 42, 20)},
    {Kind::Shape, "ShapeCurrent", "Panel1", "POWER", Over(kBoardImage, 316, 128, 42, 20), kDotted},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 266, 156, 42, 20), kDotted},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 316, 156, 42, 20), kDotted},
    {Kind::Shape, "ShapeRs232", "Panel1", "RS-232", Over(kBoardImage, 8, 140, 52, 22)},
    {Kind::Shape, "ShapeHSMC_A", "Panel1", "HSMC-A", Over(kBoardImage, 372, 40, 22, 108)},
    {Kind::Shape, "ShapeHSMC_B", "Panel1", "HSMC-B", Over(kBoardImage, 372, 160, 22, 108)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 166, 176, 44, 30)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 216, 176, 44, 30)},
    {Kind::Shape, "ShapeSlideSwitch", "Panel1", "SLIDE", Over(kBoardImage, 270, 188, 88, 20)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 8, 176, 60, 34)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 78, 218, 120, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "DIP SW", Over(kBoardImage, 78, 240, 120, 20)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 214, 218, 96, 26)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe x8", Over(kBoardImage, 8, 274, 280, 18)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 391, 372}},
    {Kind::Label, "LabelBoard", "GroupBox1", "Board Type:", {14, 24, 92, 24}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBox1", nullptr, {110, 24, 265, 24}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 54, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 54, 265, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 88, 176, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 109, 176, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", {16, 130, 176, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 151, 176, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "DIP Switch x 8", {16, 172, 176, 20}},
    {Kind::CheckBox, "CheckBoxSlideSwitch", "GroupBox1", "Slide Switch x 4", {16, 193, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataHost0", "GroupBox1", "Sata Host 0", {16, 214, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataHost1", "GroupBox1", "Sata Host 1", {16, 235, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataDevice0", "GroupBox1", "Sata Device 0", {16, 256, 176, 20}},
    {Kind::CheckBox, "CheckBoxSataDevice1", "GroupBox1", "Sata Device 1", {16, 277, 176, 20}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet x 4", {16, 298, 176, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SD CARD", {16, 319, 176, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 340, 176, 20}},
    {Kind::CheckBox, "CheckBoxUsbOTG", "GroupBox1", "USB OTG", {200, 88, 176, 20}},
    {Kind::CheckBox, "CheckBoxCurrent", "GroupBox1", "Power Measurement", {200, 109, 176, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {200, 130, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR2_0", "GroupBox1", "DDR2 SODIMM_1", {200, 151, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR2_1", "GroupBox1", "DDR2 SODIMM_2", {200, 172, 176, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {200, 193, 176, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {200, 214, 176, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM (2MB)", {200, 235, 176, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (64MB)", {200, 256, 176, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM", {200, 277, 176, 20}},
    {Kind::CheckBox, "CheckBoxExtPLL", "GroupBox1", "Programmable PLL", {200, 298, 176, 20}},
    {Kind::CheckBox, "CheckBoxRs232", "GroupBox1", "RS-232", {200, 319, 176, 20}},
    {Kind::GroupBox, "GroupBoxPLL", nullptr, "Programmable PLL", {432, 382, 391, 110}},
    YASTREL_PLL("ComboBoxPLL_HSMA", "LabelPLL_HSMA", "HSMA_REFCLK:", 22),
    YASTREL_PLL("ComboBoxPLL_HSMB", "LabelPLL_HSMB", "HSMB_REFCLK:", 50),
    YASTREL_PLL("ComboBoxPLL_SATA", "LabelPLL_SATA", "PLL_CLKIN/SATA_REFCLK:", 78),
    {Kind::GroupBox, "GroupBoxGPIO", nullptr, "GPIO Expansion", {8, 496, 417, 220}},
    YASTREL_PORT("Gpio0", "EditPrefixGpio0", "GroupBoxGPIO", "GPIO-0 Header", 20),
    YASTREL_PORT("Gpio1", "EditPrefixGpio1", "GroupBoxGPIO", "GPIO-1 Header", 118),
    {Kind::GroupBox, "GroupBoxHSMC", nullptr, "HSMC Expansion", {432, 496, 391, 220}},
    YASTREL_PORT("HSMC_A", "EditHSMC_A", "GroupBoxHSMC", "HSMC-A (Transceiver x 4)", 20),
    YASTREL_PORT("HSMC_B", "EditHSMC_B", "GroupBoxHSMC", "HSMC-B (Transceiver x 8)", 118),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {8, 340, 130, 40}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {143, 340, 130, 40}},
    {Kind::Button, "ButtonDefaultSetting", "Panel1", "Default Setting", {278, 340, 130, 40}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate...", {8, 386, 196, 42}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 386, 196, 42}},
};

#undef YASTREL_PORT
#undef YASTREL_PLL

using X1 = YASTREL_X1_CONFIG;

constexpr DeviceGroup<X1> kGroups[] = {
    {"CheckBoxOSC", &X1::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &X1::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &X1::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &X1::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &X1::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSlideSwitch", &X1::bSlideSwitch, {"ShapeSlideSwitch"}},
    {"CheckBoxSataHost0", nullptr, {"ShapeSata_0"}, &X1::bSataHost, 0},
    {"CheckBoxSataHost1", nullptr, {"ShapeSata_1"}, &X1::bSataHost, 1},
    {"CheckBoxSataDevice0", nullptr, {"ShapeSata_2"}, &X1::bSataDevice, 0},
    {"CheckBoxSataDevice1", nullptr, {"ShapeSata_3"}, &X1::bSataDevice, 1},
    {"CheckBoxEthernet", &X1::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxSDCARD", &X1::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxSma", &X1::bSma, {"ShapeSma"}},
    {"CheckBoxUsbOTG", &X1::bUsbOTG, {"ShapeUsbOTG"}},
    {"CheckBoxCurrent", &X1::bCurrent, {"ShapeCurrent"}},
    {"CheckBoxTemp", &X1::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR2_0", nullptr, {"ShapeDDR2_0"}, &X1::bDDR2, 0},
    {"CheckBoxDDR2_1", nullptr, {"ShapeDDR2_1"}, &X1::bDDR2, 1},
    {"CheckBoxPCIe", &X1::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &X1::bFan, {"ShapeFan"}},
    {"CheckBoxSSRAM", &X1::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxFlash", &X1::bFlash, {"ShapeFlash"}},
    {"CheckBoxEEPROM", &X1::bEEPROM, {"ShapeEEPROM"}},
    {"CheckBoxExtPLL", &X1::bExtPLL, {"ShapeExtPLL0", "ShapeExtPLL1", "ShapeExtPLL2"}},
    {"CheckBoxRs232", &X1::bRS232, {"ShapeRs232"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeSata_0", pictures::Part::Jack},       {"ShapeSata_1", pictures::Part::Jack},
    {"ShapeSata_2", pictures::Part::Jack},       {"ShapeSata_3", pictures::Part::Jack},
    {"ShapeEthernet", pictures::Part::Jack},     {"ShapeUsbOTG", pictures::Part::Jack},
    {"ShapeGpio0", pictures::Part::Header},      {"ShapeGpio1", pictures::Part::Header},
    {"ShapeDDR2_0", pictures::Part::Memory},     {"ShapeDDR2_1", pictures::Part::Memory},
    {"ShapeExtPLL0", pictures::Part::Chip},      {"ShapeExtPLL1", pictures::Part::Chip},
    {"ShapeExtPLL2", pictures::Part::Chip},      {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSma", pictures::Part::Jack},          {"ShapeFan", pictures::Part::Chip},
    {"ShapeTemp", pictures::Part::Chip},         {"ShapeCurrent", pictures::Part::Chip},
    {"ShapeEEPROM", pictures::Part::Chip},       {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapeRs232", pictures::Part::Jack},        {"ShapeHSMC_A", pictures::Part::Header},
    {"ShapeHSMC_B", pictures::Part::Header},     {"ShapeFlash", pictures::Part::Memory},
    {"ShapeSSRAM", pictures::Part::Memory},      {"ShapeSlideSwitch", pictures::Part::Switches, 4},
    {"ShapeSeg7", pictures::Part::Seg7, 2},      {"ShapeLED", pictures::Part::Leds, 8},
    {"ShapeSwitch", pictures::Part::Switches, 8}, {"ShapeButton", pictures::Part::Keys, 4},
    {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawYastrel_X1Board()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(166, 44, 94, 94), QStringLiteral("Stratix IV GX"), pictures::Part::Chip},
            {QRect(166, 146, 94, 20), QStringLiteral("Yastrel"), pictures::Part::Silkscreen},
        });
}

bool HoldsSasCard(uint8_t card) { return card == DAUGHTER_Sendle || card == DAUGHTER_Hobbard; }

}  // namespace

TFormYastrel_X1::TFormYastrel_X1(QWidget* owner)
    : TBoardForm(owner, kLayout, 828, 721, "Varnholt - Yastrel Pinwright V 1.1.2",
                 {.outlinePen = 3,
                  .savesDefault = DefaultSave::OnDestroy,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsOnly,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_BoardType(Control<QComboBox>("ComboBoxBoard")),
      m_Pll(this, {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB", "ComboBoxPLL_SATA"}),
      m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
             {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}},
      m_Hsmc{{this, "ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", {"ShapeHSMC_A"}},
             {this, "ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", {"ShapeHSMC_B"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    // Of the hints the boxes carry only the USB one is switched on: the memory boxes keep
    // theirs as the status text.
    for (const char* box : {"CheckBoxDDR2_0", "CheckBoxDDR2_1"})
        Control<QCheckBox>(box)->setStatusTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Control<QCheckBox>("CheckBoxUsbOTG")->setToolTip(QStringLiteral("High-Speed USB FIFO"));
    for (const TConnectorControls& header : m_Gpio)
        connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] { ComboBoxGpioChange(combo); });
    for (const TConnectorControls& port : m_Hsmc)
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    connect(m_BoardType, &QComboBox::activated, this, [this] { ComboBoxBoardChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormYastrel_X1::~TFormYastrel_X1() = default;

void TFormYastrel_X1::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormYastrel_X1::FillComboBoxes()
{
    m_BoardType->clear();
    for (const char* type : kYastrel_X1BoardTypes) m_BoardType->addItem(QString::fromLatin1(type));
    m_BoardType->setCurrentIndex(0);
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Hsmc) port.SetCards(CardsOf(m_Settings));
    // The joined headers take the 40-pin cards too.
    m_GpioCards.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_GpioCards));
    m_Pll.Fill();
}

void TFormYastrel_X1::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormYastrel_X1::ConfigToForm(const YASTREL_X1_CONFIG& config)
{
    // A variant no form stores shows as the first.
    m_BoardType->setCurrentIndex(config.nBoardType < std::size(kYastrel_X1BoardTypes) ? config.nBoardType : 0);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].ShowListed(config.nHsmcDaughterId[port], ReadRecordText(config.szHSMCPrefixName[port]));
    for (int header : {GPIO_0, GPIO_1})
        m_Gpio[header].ShowListed(config.nGpioDaughterId[header], ReadRecordText(config.szGpioPrefixName[header]));
    // Paired with the header that holds an 80-pin card leading, so that the card from a file
    // stands on both headers with its prefix, as Generate attaches it, and a header left locked
    // by an earlier record is freed.
    const int leader = StoredPairLeader(m_Gpio[GPIO_0].Card(), m_Gpio[GPIO_1].Card());
    PairGpioHeaders(m_Gpio, m_Gpio[leader].Combo);
    UpdateDaughterPictures();
    UpdateShapes();
    m_Pll.Show(Control<QCheckBox>("CheckBoxExtPLL")->isChecked(), config.nExtPllSetting);
}

bool TFormYastrel_X1::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormYastrel_X1::FormToConfig(YASTREL_X1_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Yastrel_X1;
    config.Size = sizeof(YASTREL_X1_CONFIG);
    config.nBoardType = static_cast<uint8_t>(std::max(0, m_BoardType->currentIndex()));
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    m_Pll.Read(config.nExtPllSetting);
    for (int port = 0; port < YASTREL_X1_CONFIG::kHsmcPorts; ++port) {
        config.nHsmcDaughterId[port] = m_Hsmc[port].Card();
        WriteRecordText(config.szHSMCPrefixName[port], m_Hsmc[port].PrefixText());
    }
    ReadGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
    return true;
}

void TFormYastrel_X1::UpdateDaughterPictures()
{
    for (const TConnectorControls& port : m_Hsmc) port.UpdatePicture();
    for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
}

void TFormYastrel_X1::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
    for (const TConnectorControls& port : m_Hsmc) port.UpdateOutlines();
}

void TFormYastrel_X1::UpdatePllCombos()
{
    m_Pll.Follow(Control<QCheckBox>("CheckBoxExtPLL")->isChecked(), m_Settings.Config.nExtPllSetting);
}

void TFormYastrel_X1::CheckBoxClick(const QObject*)
{
    UpdateDaughterPictures();
    UpdateShapes();
    UpdatePllCombos();
}

// The HSMC check runs on the prefixes as typed: the default card on both connectors without
// prefixes is refused, although Generate would name them apart.
bool TFormYastrel_X1::ValidateInput()
{
    return CheckProjectName() && CheckPrefixNames(PrefixKind::Gpio, m_Gpio) && CheckPrefixNames(PrefixKind::Hsmc, m_Hsmc);
}

std::string TFormYastrel_X1::HsmcAWarning() const
{
    const uint8_t a = m_Hsmc[0].Card();
    const bool bOnSas = HoldsSasCard(m_Hsmc[1].Card());
    const std::string lanes = "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Yastrel FPGA through HSMC-A Connector.";
    if (a == DAUGHTER_Sendle)
        return bOnSas ? lanes : lanes + "\r\n" + "Suggest to plug your Sendle board in the HSMC-B Connector.";
    if (a == DAUGHTER_Hobbard)
        return bOnSas ? "4-lane SAS in Hobbard board are not connected to Yastrel FPGA through HSMC-A Connector."
                      : lanes + "\r\n" + "Suggest to plug your Hobbard board in the HSMC-B Connector.";
    return std::string();
}

bool TFormYastrel_X1::ConfirmGenerate()
{
    const std::string warning = HsmcAWarning();
    if (!warning.empty()) platform::WarningBox(warning);
    return true;
}

bool TFormYastrel_X1::GenerateProject(const std::string& projectFile)
{
    // The default prefixes go into the form's record; the prefix boxes stay as they are.
    FormToConfig(m_Settings.Config);
    m_Settings.Config = Yastrel_X1ProjectRecord(m_Settings.Config);
    return GenerateYastrel_X1Project(m_Settings.Config, projectFile);
}

std::string TFormYastrel_X1::BoardFolderWord() const { return "Yastrel"; }

std::string TFormYastrel_X1::GenerateAdvice() const
{
    auto ticked = [this](const char* box) { return Control<QCheckBox>(box)->isChecked(); };
    std::string advice;
    if (ticked("CheckBoxDDR2_0") || ticked("CheckBoxDDR2_1")) advice += MemoryControllerNote("DDR2");
    std::string parts;
    auto add = [&parts](const char* part) { parts += parts.empty() ? part : std::string("//") + part; };
    if (ticked("CheckBoxSataHost0") || ticked("CheckBoxSataHost1") || ticked("CheckBoxSataDevice0") ||
        ticked("CheckBoxSataDevice1"))
        add("SATA");
    if (ticked("CheckBoxPCIe")) add("PCIe");
    if (BoardNeedsTransceiver(m_Hsmc[0].Card()) || BoardNeedsTransceiver(m_Hsmc[1].Card())) add("HSMC");
    if (!parts.empty())
        advice += platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", parts.c_str()) +
                  "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                  "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                  "Transceiver IP to your design.\r\n";
    return advice;
}

void TFormYastrel_X1::ShowGenerateWarnings()
{
    const std::string advice = GenerateAdvice();
    if (!advice.empty()) platform::InformationBox(advice);
}

void TFormYastrel_X1::ComboBoxGpioChange(const QObject* sender)
{
    PairGpioHeaders(m_Gpio, sender);
    UpdateShapes();
    UpdateDaughterPictures();
}

void TFormYastrel_X1::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormYastrel_X1::ComboBoxBoardChange()
{
    FormToConfig();
    ConfigToForm();
}

void RegisterYastrel_X1Pictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawYastrel_X1Board);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawYastrel_X1Board);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Stratix IV GX"));
}

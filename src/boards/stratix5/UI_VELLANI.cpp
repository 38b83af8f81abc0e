#include "boards/stratix5/UI_VELLANI.h"

#include <QCheckBox>
#include <iterator>

#include "boards/stratix5/CONFIG_VELLANI.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
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

constexpr const char* kBoardPicture = "Vellani_BITMAP";
constexpr const char* kSelectorPicture = "Vellani_400_BITMAP";

// Where the board picture lies in PanelBoard; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{4, 4, 400, 300};

// One FMC connector in "FMC Expansion": its caption, card list, prefix box and card picture.
#define VELLANI_FMC(port, caption, left, top)                                                                \
    {Kind::Label, "LabelFmc_" port, "GroupBoxFmc", caption, {left, top, 200, 18}, kBold},                    \
        {Kind::ComboBox, "ComboBoxFmc_" port, "GroupBoxFmc", nullptr, {left, top + 20, 290, 24}},            \
        {Kind::Label, "LabelPrefixFmc_" port, "GroupBoxFmc", "Prefix Name:", {left, top + 52, 80, 24}},      \
        {Kind::Edit, "EditFmc_" port, "GroupBoxFmc", nullptr, {left + 84, top + 52, 206, 24}},              \
        {Kind::Slot, "SlotFmc_" port, "GroupBoxFmc", "No card", {left + 300, top + 2, 80, 80}},             \
        {Kind::Image, "ImageFmc_" port, "GroupBoxFmc", nullptr, {left + 300, top + 2, 80, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {273, 14, 145, 30}},
    {Kind::Panel, "PanelBoard", nullptr, nullptr, {8, 56, 410, 310}},
    {Kind::Image, "ImageBoard", "PanelBoard", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeFmc_A", "PanelBoard", "FMC-A", Over(kBoardImage, 10, 8, 180, 20)},
    {Kind::Shape, "ShapeFmc_B", "PanelBoard", "FMC-B", Over(kBoardImage, 210, 8, 180, 20)},
    {Kind::Shape, "ShapeDDR3", "PanelBoard", "DDR3", Over(kBoardImage, 10, 36, 34, 228)},
    {Kind::Shape, "ShapeOSC", "PanelBoard", "CLOCK", Over(kBoardImage, 52, 36, 72, 24)},
    {Kind::Shape, "ShapeTemp", "PanelBoard", "TEMP", Over(kBoardImage, 132, 36, 66, 24)},
    {Kind::Shape, "ShapePower", "PanelBoard", "POWER", Over(kBoardImage, 206, 36, 70, 24)},
    {Kind::Shape, "ShapeSma", "PanelBoard", "SMA", Over(kBoardImage, 284, 36, 72, 24)},
    {Kind::Shape, "ShapeGpio", "PanelBoard", "GPIO", Over(kBoardImage, 364, 36, 26, 228)},
    {Kind::Shape, "ShapeSSRAM", "PanelBoard", "SSRAM", Over(kBoardImage, 52, 68, 72, 34)},
    {Kind::Shape, "ShapeSataHost", "PanelBoard", "SATA-H", Over(kBoardImage, 284, 68, 72, 24)},
    {Kind::Shape, "ShapeSataDevice", "PanelBoard", "SATA-D", Over(kBoardImage, 284, 98, 72, 24)},
    {Kind::Shape, "ShapeFlash", "PanelBoard", "FLASH", Over(kBoardImage, 52, 108, 72, 34)},
    {Kind::Shape, "ShapePCIe", "PanelBoard", "PCIe", Over(kBoardImage, 284, 128, 72, 60)},
    {Kind::Shape, "ShapeCDCM6208", "PanelBoard", "CDCM6208", Over(kBoardImage, 52, 148, 72, 30)},
    {Kind::Shape, "ShapeLMK04906", "PanelBoard", "LMK04906", Over(kBoardImage, 52, 184, 72, 30)},
    {Kind::Shape, "ShapeFan", "PanelBoard", "FAN", Over(kBoardImage, 132, 196, 66, 24)},
    {Kind::Shape, "ShapeUart2Usb", "PanelBoard", "UART", Over(kBoardImage, 206, 196, 70, 24)},
    {Kind::Shape, "ShapeSdcard", "PanelBoard", "SD", Over(kBoardImage, 52, 220, 72, 40)},
    {Kind::Shape, "ShapeLED", "PanelBoard", "LED", Over(kBoardImage, 132, 228, 66, 14)},
    {Kind::Shape, "ShapeSwitch", "PanelBoard", "SW", Over(kBoardImage, 132, 246, 66, 18)},
    {Kind::Shape, "ShapeButton", "PanelBoard", "BUTTON", Over(kBoardImage, 206, 228, 70, 36)},
    {Kind::Shape, "ShapeFmc_D", "PanelBoard", "FMC-D", Over(kBoardImage, 10, 272, 180, 20)},
    {Kind::Shape, "ShapeFmc_C", "PanelBoard", "FMC-C", Over(kBoardImage, 210, 272, 180, 20)},
    {Kind::GroupBox, "GroupBoxGpio", nullptr, "2x20 GPIO Expansion", {8, 372, 410, 104}},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBoxGpio", nullptr, {12, 20, 290, 24}},
    {Kind::Label, "LabelPrefixGpio", "GroupBoxGpio", "Prefix Name:", {12, 52, 80, 24}},
    {Kind::Edit, "EditGpio", "GroupBoxGpio", nullptr, {96, 52, 206, 24}},
    {Kind::Slot, "SlotGpio", "GroupBoxGpio", "No card", {314, 16, 80, 80}},
    {Kind::Image, "ImageGpio", "GroupBoxGpio", nullptr, {314, 16, 80, 80}},
    {Kind::GroupBox, "GroupBoxSystem", nullptr, "System Configuration", {426, 5, 401, 262}},
    {Kind::Label, "LabelBoard", "GroupBoxSystem", "Board Type:", {12, 22, 90, 22}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBoxSystem", nullptr, {104, 22, 285, 22}},
    {Kind::Label, "LabelProjectName", "GroupBoxSystem", "Project Name:", {12, 48, 90, 22}},
    {Kind::Edit, "EditProjectName", "GroupBoxSystem", nullptr, {104, 48, 285, 22}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBoxSystem", "CLOCK ", {14, 76, 180, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBoxSystem", "LED x  4", {14, 96, 180, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBoxSystem", "Button x 4", {14, 116, 180, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBoxSystem", "Switch x 4", {14, 136, 180, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBoxSystem", "Temperature Sensor", {14, 156, 180, 20}},
    {Kind::CheckBox, "CheckBoxPower", "GroupBoxSystem", "Power Monitor", {14, 176, 180, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBoxSystem", "SSRAM (2MB)", {14, 196, 180, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBoxSystem", "Fan Control", {14, 216, 180, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBoxSystem", "Flash (128MB)", {14, 236, 180, 20}},
    {Kind::CheckBox, "CheckBoxUart2Usb", "GroupBoxSystem", "UART to USB", {204, 76, 185, 20}},
    {Kind::CheckBox, "CheckBoxSdcard", "GroupBoxSystem", "MicroSD Socket", {204, 96, 185, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBoxSystem", "SMA", {204, 116, 185, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBoxSystem", "DDR3 SODIMM", {204, 136, 185, 20}},
    {Kind::CheckBox, "CheckBoxSataHost", "GroupBoxSystem", "Sata Host", {204, 156, 185, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBoxSystem", "PCI Express", {204, 176, 185, 20}},
    {Kind::CheckBox, "CheckBoxSataDevice", "GroupBoxSystem", "Sata Device", {204, 196, 185, 20}},
    {Kind::CheckBox, "CheckBoxExtCdcmPLL", "GroupBoxSystem", "CDCM6208 PLL", {204, 216, 185, 20}},
    {Kind::CheckBox, "CheckBoxExtLmkPLL", "GroupBoxSystem", "LMK04096B PLL", {204, 236, 185, 20}},
    {Kind::GroupBox, "GroupBoxCdcm", nullptr, "CDCM6208 Programmable PLL", {426, 271, 401, 160}},
    {Kind::Label, "LabelPLL_FMCA", "GroupBoxCdcm", "FMCA_REFCLK_0:", {12, 20, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCA", "GroupBoxCdcm", nullptr, {166, 20, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCA", "GroupBoxCdcm", "MHZ", {282, 20, 40, 22}},
    {Kind::Label, "LabelPLL_FMCD", "GroupBoxCdcm", "FMCD_REFCLK_0:", {12, 43, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCD", "GroupBoxCdcm", nullptr, {166, 43, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCD", "GroupBoxCdcm", "MHZ", {282, 43, 40, 22}},
    {Kind::Label, "LabelPLL_SATA_HOST", "GroupBoxCdcm", "SATA_HOST_REFCLK:", {12, 66, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_SATA_HOST", "GroupBoxCdcm", nullptr, {166, 66, 110, 22}},
    {Kind::Label, "LabelMhzPLL_SATA_HOST", "GroupBoxCdcm", "MHZ", {282, 66, 40, 22}},
    {Kind::Label, "LabelPLL_SATA_DEVICE", "GroupBoxCdcm", "SATA_DEVICE_REFCLK:", {12, 89, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_SATA_DEVICE", "GroupBoxCdcm", nullptr, {166, 89, 110, 22}},
    {Kind::Label, "LabelMhzPLL_SATA_DEVICE", "GroupBoxCdcm", "MHZ", {282, 89, 40, 22}},
    {Kind::Label, "LabelPLL_PCIE", "GroupBoxCdcm", "PCIE_OB_REFCLK:", {12, 112, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_PCIE", "GroupBoxCdcm", nullptr, {166, 112, 110, 22}},
    {Kind::Label, "LabelMhzPLL_PCIE", "GroupBoxCdcm", "MHZ", {282, 112, 40, 22}},
    {Kind::Label, "LabelPLL_DDR3", "GroupBoxCdcm", "DDR3_REFCLK:", {12, 135, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_DDR3", "GroupBoxCdcm", nullptr, {166, 135, 110, 22}},
    {Kind::Label, "LabelMhzPLL_DDR3", "GroupBoxCdcm", "MHZ", {282, 135, 40, 22}},
    {Kind::GroupBox, "GroupBoxLmk", nullptr, "LMK04096B PLL", {426, 435, 401, 118}},
    {Kind::Label, "LabelPLL_FMCA_PLUS", "GroupBoxLmk", "FMCA_REFCLK_1:", {12, 20, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCA_PLUS", "GroupBoxLmk", nullptr, {166, 20, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCA_PLUS", "GroupBoxLmk", "MHZ", {282, 20, 40, 22}},
    {Kind::Label, "LabelPLL_FMCB_PLUS", "GroupBoxLmk", "FMCB_REFCLK_0:", {12, 43, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCB_PLUS", "GroupBoxLmk", nullptr, {166, 43, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCB_PLUS", "GroupBoxLmk", "MHZ", {282, 43, 40, 22}},
    {Kind::Label, "LabelPLL_FMCC_PLUS", "GroupBoxLmk", "FMCC_REFCLK_0:", {12, 66, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCC_PLUS", "GroupBoxLmk", nullptr, {166, 66, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCC_PLUS", "GroupBoxLmk", "MHZ", {282, 66, 40, 22}},
    {Kind::Label, "LabelPLL_FMCD_PLUS", "GroupBoxLmk", "FMCD_REFCLK_1:", {12, 89, 150, 22}},
    {Kind::ComboBox, "ComboBoxPLL_FMCD_PLUS", "GroupBoxLmk", nullptr, {166, 89, 110, 22}},
    {Kind::Label, "LabelMhzPLL_FMCD_PLUS", "GroupBoxLmk", "MHZ", {282, 89, 40, 22}},
    {Kind::GroupBox, "GroupBoxFmc", nullptr, "FMC Expansion", {8, 566, 819, 210}},
    VELLANI_FMC("D", "FMC-D HPC", 12, 20),
    VELLANI_FMC("A", "FMC-A HPC", 420, 20),
    VELLANI_FMC("C", "FMC-C LPC", 12, 112),
    VELLANI_FMC("B", "FMC-B LPC", 420, 112),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonDefault", nullptr, "Default Setting", {8, 784, 150, 34}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {166, 784, 150, 34}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {324, 784, 150, 34}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {519, 784, 150, 34}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {677, 784, 150, 34}},
};

#undef VELLANI_FMC

constexpr DeviceGroup<VELLANI_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &VELLANI_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &VELLANI_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &VELLANI_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &VELLANI_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxTemp", &VELLANI_CONFIG::bTemp, {"ShapeTemp"}},
    {"CheckBoxPower", &VELLANI_CONFIG::bPower, {"ShapePower"}},
    {"CheckBoxSSRAM", &VELLANI_CONFIG::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxFan", &VELLANI_CONFIG::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &VELLANI_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxUart2Usb", &VELLANI_CONFIG::bUart2Usb, {"ShapeUart2Usb"}},
    {"CheckBoxSdcard", &VELLANI_CONFIG::bSdcard, {"ShapeSdcard"}},
    {"CheckBoxSma", &VELLANI_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxDDR3", &VELLANI_CONFIG::bDDR3, {"ShapeDDR3"}},
    {"CheckBoxSataHost", &VELLANI_CONFIG::bSataHost, {"ShapeSataHost"}},
    {"CheckBoxPCIe", &VELLANI_CONFIG::bPCIe, {"ShapePCIe"}},
    {"CheckBoxSataDevice", &VELLANI_CONFIG::bSataDevice, {"ShapeSataDevice"}},
    {"CheckBoxExtCdcmPLL", &VELLANI_CONFIG::bExtCdcmPLL, {"ShapeCDCM6208"}},
    {"CheckBoxExtLmkPLL", &VELLANI_CONFIG::bExtLmkPLL, {"ShapeLMK04906"}},
};

// The items of each clock list, in record order.
constexpr std::span<const char* const> kCdcmItems[TConfigVellani::kCdcmOutputs] = {
    vellani::kCdcmFmcItems,  vellani::kCdcmFmcItems,  vellani::kCdcmSataItems,
    vellani::kCdcmSataItems, vellani::kCdcmPcieItems, vellani::kCdcmDdr3Items,
};
constexpr const char* kCdcmCombos[TConfigVellani::kCdcmOutputs] = {
    "ComboBoxPLL_FMCA",        "ComboBoxPLL_FMCD", "ComboBoxPLL_SATA_HOST",
    "ComboBoxPLL_SATA_DEVICE", "ComboBoxPLL_PCIE", "ComboBoxPLL_DDR3",
};
constexpr const char* kLmkCombos[TConfigVellani::kLmkOutputs] = {
    "ComboBoxPLL_FMCA_PLUS", "ComboBoxPLL_FMCB_PLUS", "ComboBoxPLL_FMCC_PLUS", "ComboBoxPLL_FMCD_PLUS"};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeFmc_A", pictures::Part::Header},     {"ShapeFmc_B", pictures::Part::Header},
    {"ShapeFmc_C", pictures::Part::Header},     {"ShapeFmc_D", pictures::Part::Header},
    {"ShapeDDR3", pictures::Part::Memory},      {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeTemp", pictures::Part::Chip},        {"ShapePower", pictures::Part::Chip},
    {"ShapeSma", pictures::Part::Jack},         {"ShapeGpio", pictures::Part::Header},
    {"ShapeSSRAM", pictures::Part::Memory},     {"ShapeSataHost", pictures::Part::Jack},
    {"ShapeSataDevice", pictures::Part::Jack},  {"ShapeFlash", pictures::Part::Memory},
    {"ShapePCIe", pictures::Part::Region},      {"ShapeCDCM6208", pictures::Part::Chip},
    {"ShapeLMK04906", pictures::Part::Chip},    {"ShapeFan", pictures::Part::Chip},
    {"ShapeUart2Usb", pictures::Part::Jack},    {"ShapeSdcard", pictures::Part::Jack},
    {"ShapeLED", pictures::Part::Leds, 4},      {"ShapeSwitch", pictures::Part::Switches, 4},
    {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawVellaniBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(140, 70, 128, 96), QStringLiteral("Stratix V GX"), pictures::Part::Chip},
            {QRect(150, 170, 110, 22), QStringLiteral("Vellani"), pictures::Part::Silkscreen},
        });
}

// A stored choice outside its list shows the list's first entry.
int ListEntry(int value, int count) { return value >= 0 && value < count ? value : 0; }

}  // namespace

TFormVellani::TFormVellani(QWidget* owner)
    : TBoardForm(owner, kLayout, 835, 826, "Vellani",
                 {.outlinePen = 3,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Gpio{{this, "ComboBoxGpio", "EditGpio", "ImageGpio", {"ShapeGpio"}}},
      m_Fmc{{this, "ComboBoxFmc_A", "EditFmc_A", "ImageFmc_A", {"ShapeFmc_A"}},
            {this, "ComboBoxFmc_B", "EditFmc_B", "ImageFmc_B", {"ShapeFmc_B"}},
            {this, "ComboBoxFmc_C", "EditFmc_C", "ImageFmc_C", {"ShapeFmc_C"}},
            {this, "ComboBoxFmc_D", "EditFmc_D", "ImageFmc_D", {"ShapeFmc_D"}}},
      m_Cdcm{"CheckBoxExtCdcmPLL", {}, {}, false},
      m_Lmk{"CheckBoxExtLmkPLL", {}, {}, false}
{
    for (int i = 0; i < TConfigVellani::kCdcmOutputs; ++i) m_Cdcm.combos[i] = Control<QComboBox>(kCdcmCombos[i]);
    for (int i = 0; i < TConfigVellani::kLmkOutputs; ++i) m_Lmk.combos[i] = Control<QComboBox>(kLmkCombos[i]);

    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<QCheckBox>("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 1066 data rate"));

    connect(m_Gpio[0].Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    for (TConnectorControls& port : m_Fmc)
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxFmcChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormVellani::~TFormVellani() = default;

bool TFormVellani::IsTransceiverPort(int port) { return port == 0 || port == 3; }

void TFormVellani::DefaultConfig(VELLANI_CONFIG& config) const { config = TConfigVellani::DefaultConfig(); }

void TFormVellani::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormVellani::FillComboBoxes()
{
    auto* board = Control<QComboBox>("ComboBoxBoard");
    board->clear();
    for (const char* type : vellani::kBoardTypes) board->addItem(QString::fromLatin1(type));
    board->setCurrentIndex(0);

    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, 3);
    m_Gpio[0].SetCards(CardsOf(m_Settings));
    m_FmcLpcList.BuildDaughterList(CONNECTOR_FMC_LPC, true, 3);
    m_FmcHpcList.BuildDaughterList(CONNECTOR_FMC_HPC, true, 3);
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port)
        m_Fmc[port].SetCards(CardsOf(IsTransceiverPort(port) ? m_FmcHpcList : m_FmcLpcList));

    for (QComboBox* combo : m_Lmk.combos) {
        combo->clear();
        for (const char* item : vellani::kLmkItems) combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(3);
    }
    for (int i = 0; i < TConfigVellani::kCdcmOutputs; ++i) {
        m_Cdcm.combos[i]->clear();
        for (const char* item : kCdcmItems[i]) m_Cdcm.combos[i]->addItem(QString::fromLatin1(item));
    }
}

void TFormVellani::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormVellani::ConfigToForm(const VELLANI_CONFIG& config)
{
    // A board type outside the list, as a file may hold, shows (and generates) the first.
    Control<QComboBox>("ComboBoxBoard")->setCurrentIndex(ListEntry(config.BoardVariant, std::size(vellani::kBoardTypes)));
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port)
        m_Fmc[port].ShowListed(config.nFmcDaughterId[port], ReadRecordText(config.szFmcPrefixName[port]));
    // A GPIO card outside the list shows "None" with an empty prefix box.
    m_Gpio[0].Combo->setCurrentIndex(0);
    m_Gpio[0].Show(config.nGpioDaughterId, ReadRecordText(config.szGpioPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
    UpdatePllCombos(true);
}

bool TFormVellani::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormVellani::FormToConfig(VELLANI_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Vellani;
    config.Size = sizeof(VELLANI_CONFIG);
    config.BoardVariant = static_cast<uint8_t>(ListEntry(Control<QComboBox>("ComboBoxBoard")->currentIndex(),
                                                         std::size(vellani::kBoardTypes)));
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    for (int port = 0; port < TConfigVellani::kFmcPorts; ++port) {
        config.nFmcDaughterId[port] = m_Fmc[port].Card();
        WriteRecordText(config.szFmcPrefixName[port], m_Fmc[port].PrefixText());
    }
    config.nGpioDaughterId = m_Gpio[0].Card();
    WriteRecordText(config.szGpioPrefixName, m_Gpio[0].PrefixText());
    const bool cdcm = Control<QCheckBox>(m_Cdcm.checkBox)->isChecked();
    const bool lmk = Control<QCheckBox>(m_Lmk.checkBox)->isChecked();
    for (int i = 0; i < TConfigVellani::kCdcmOutputs; ++i)
        config.nPLL[i] = cdcm ? static_cast<uint8_t>(ListEntry(m_Cdcm.combos[i]->currentIndex(), m_Cdcm.combos[i]->count())) : 0;
    for (int i = 0; i < TConfigVellani::kLmkOutputs; ++i)
        config.nPLL_PLUS[i] = lmk ? static_cast<uint8_t>(ListEntry(m_Lmk.combos[i]->currentIndex(), m_Lmk.combos[i]->count())) : 0;
    return true;
}

template <std::size_t N>
void TFormVellani::UpdateLists(PllLists<N>& lists, const uint8_t (&record)[N], bool fromRecord)
{
    if (fromRecord)
        for (std::size_t i = 0; i < N; ++i) lists.remembered[i] = ListEntry(record[i], lists.combos[i]->count());
    const bool ticked = Control<QCheckBox>(lists.checkBox)->isChecked();
    for (std::size_t i = 0; i < N; ++i) {
        QComboBox* combo = lists.combos[i];
        if (!ticked) {
            // What the user chose comes back when the box is ticked again.
            if (lists.shown) lists.remembered[i] = combo->currentIndex();
            combo->setCurrentIndex(0);
        } else if (fromRecord || !lists.shown) {
            combo->setCurrentIndex(lists.remembered[i]);
        }
        combo->setEnabled(ticked);
    }
    lists.shown = ticked;
}

void TFormVellani::UpdatePllCombos(bool fromRecord)
{
    // After a load or the defaults the lists start from the record, not from what they showed.
    if (fromRecord) m_Cdcm.shown = m_Lmk.shown = false;
    UpdateLists(m_Cdcm, m_Settings.Config.nPLL, fromRecord);
    UpdateLists(m_Lmk, m_Settings.Config.nPLL_PLUS, fromRecord);
}

void TFormVellani::UpdateDaughterPictures()
{
    m_Gpio[0].UpdatePicture();
    for (const TConnectorControls& port : m_Fmc) port.UpdatePicture();
}

void TFormVellani::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio[0].UpdateOutlines();
    for (const TConnectorControls& port : m_Fmc) port.UpdateOutlines();
}

void TFormVellani::CheckBoxClick(const QObject*)
{
    UpdateDaughterPictures();
    UpdateShapes();
    UpdatePllCombos();
}

bool TFormVellani::ValidateInput()
{
    if (!CheckProjectName() || !CheckPrefixNames(PrefixKind::Fmc, m_Fmc)) return false;
    const bool cdcm = Control<QCheckBox>("CheckBoxExtCdcmPLL")->isChecked();
    if (Control<QCheckBox>("CheckBoxDDR3")->isChecked() &&
        (!cdcm || Control<QComboBox>("ComboBoxPLL_DDR3")->currentIndex() == 0) &&
        !platform::WarningYesNo(std::string("DDR3 is enabled but the associated referece clock is not configured.\r\n") +
                                "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed to the "
                                "next step.\r\n" +
                                "Do you want to continue?"))
        return false;
    const int fmca = Control<QComboBox>("ComboBoxPLL_FMCA")->currentIndex();
    const int fmcd = Control<QComboBox>("ComboBoxPLL_FMCD")->currentIndex();
    if (fmca != 0 && fmca != fmcd) {
        platform::WarningBox(std::string("Due to the limitation of CDCM6208,\r\n") +
                             "the clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must be the same..\r\n");
        return false;
    }
    return true;
}

bool TFormVellani::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateVellaniProject(m_Settings, projectFile);
}

std::string TFormVellani::BoardFolderWord() const { return "Vellani"; }

void TFormVellani::ShowGenerateWarnings()
{
    std::string text;
    if (Control<QCheckBox>("CheckBoxDDR3")->isChecked()) text += MemoryControllerNote("DDR3");
    std::string transceivers;
    const std::pair<const char*, const char*> kTransceivers[] = {
        {"CheckBoxPCIe", "PCIe"}, {"CheckBoxSataHost", "Sata-Host"}, {"CheckBoxSataDevice", "Sata-Device"}};
    for (const auto& [box, name] : kTransceivers) {
        if (!Control<QCheckBox>(box)->isChecked()) continue;
        if (!transceivers.empty()) transceivers += "/";
        transceivers += name;
    }
    if (!transceivers.empty())
        text += platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", transceivers.c_str()) +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                "Transceiver IP to your design.\r\n\r\n";
    if (!text.empty()) platform::InformationBox(text);
}

void TFormVellani::ComboBoxFmcChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormVellani::ComboBoxGpioChange()
{
    UpdateShapes();
    UpdateDaughterPictures();
}

void RegisterVellaniPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawVellaniBoard);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawVellaniBoard);
}

#include "boards/stratix4_cyclone4/UI_KAVRIN.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "cards/DaughterBoardInfo.h"
#include "core/model/HsmcVoltage.h"
#include "core/model/MainBoard.h"
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

constexpr const char* kBoardPicture = "Kavrin_400_BITMAP";
constexpr const char* kFamilyMark = "Kavrin_FAMILY_MARK";
constexpr const char* kGpioJumperPicture = "Kavrin_JP6_BITMAP";
constexpr const char* kHsmcJumperPicture = "Kavrin_JP7_BITMAP";

// The pictures in Panel1; the outlines over them are given in picture coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};
constexpr Rect kGpioJumperImage{8, 300, 196, 126};
constexpr Rect kHsmcJumperImage{212, 300, 196, 126};

// The row of a shunt position on a jumper picture.
constexpr Rect OverShunt(Rect jumper, int row) { return Over(jumper, 4, 26 + 24 * row, 188, 20); }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 529}},
    {Kind::Label, "LabelBoardName", "Panel1", "Kavrin FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeEthernet0", "Panel1", "ETH 1", Over(kBoardImage, 8, 8, 44, 30)},
    {Kind::Shape, "ShapeEthernet1", "Panel1", "ETH 2", Over(kBoardImage, 56, 8, 44, 30)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB", Over(kBoardImage, 104, 8, 40, 30)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 148, 8, 50, 30)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS-232", Over(kBoardImage, 202, 8, 44, 30)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS2", Over(kBoardImage, 250, 8, 34, 30)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 288, 8, 50, 30)},
    {Kind::Shape, "ShapeTvDecode", "Panel1", "TV", Over(kBoardImage, 342, 8, 50, 30)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 8, 50, 40, 24)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 8, 80, 40, 24)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 8, 110, 40, 30)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 60, 50, 70, 34)},
    {Kind::Shape, "ShapeSRAM", "Panel1", "SRAM", Over(kBoardImage, 60, 90, 70, 34)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 60, 130, 70, 34)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 140, 50, 40, 24)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 140, 80, 40, 24)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 290, 50, 100, 40)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 290, 100, 72, 20)},
    {Kind::Shape, "ShapeEXIO", "Panel1", "EX_IO", Over(kBoardImage, 290, 128, 72, 16)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 370, 100, 22, 150)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 8, 178, 160, 30)},
    {Kind::Shape, "ShapeLEDR", "Panel1", "LEDR", Over(kBoardImage, 8, 216, 240, 12)},
    {Kind::Shape, "ShapeLEDG", "Panel1", "LEDG", Over(kBoardImage, 256, 216, 104, 12)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 8, 236, 240, 18)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 256, 234, 104, 20)},
    {Kind::Image, "ImageGpioVol", "Panel1", nullptr, {kGpioJumperImage}},
    {Kind::Shape, "ShapeGpio3V3", "Panel1", "3.3V", OverShunt(kGpioJumperImage, 0)},
    {Kind::Shape, "ShapeGpio2V5", "Panel1", "2.5V", OverShunt(kGpioJumperImage, 1)},
    {Kind::Shape, "ShapeGpio1V8", "Panel1", "1.8V", OverShunt(kGpioJumperImage, 2)},
    {Kind::Shape, "ShapeGpio1V5", "Panel1", "1.5V", OverShunt(kGpioJumperImage, 3)},
    {Kind::Image, "ImageHsmcVol", "Panel1", nullptr, {kHsmcJumperImage}},
    {Kind::Shape, "ShapeHsmc3V3", "Panel1", "3.3V", OverShunt(kHsmcJumperImage, 0)},
    {Kind::Shape, "ShapeHsmc2V5", "Panel1", "2.5V", OverShunt(kHsmcJumperImage, 1)},
    {Kind::Shape, "ShapeHsmc1V8", "Panel1", "1.8V", OverShunt(kHsmcJumperImage, 2)},
    {Kind::Shape, "ShapeHsmc1V5", "Panel1", "1.5V", OverShunt(kHsmcJumperImage, 3)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 580}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 58, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 27", {16, 78, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 8", {16, 98, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 118, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 18", {16, 138, 160, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM, 32Kb", {16, 158, 160, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {16, 178, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SD CARD", {16, 198, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 218, 160, 20}},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD", {16, 238, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 128MB", {16, 258, 160, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 8MB", {186, 58, 150, 20}},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS-232", {186, 78, 150, 20}},
    {Kind::CheckBox, "CheckBoxSRAM", "GroupBox1", "SRAM, 2MB", {186, 98, 150, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {186, 118, 150, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 138, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR Receiver", {186, 158, 150, 20}},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB, Cypress", {186, 178, 150, 20}},
    {Kind::CheckBox, "CheckBoxEthernet0", "GroupBox1", "Ethernet 1", {186, 198, 150, 20}},
    {Kind::CheckBox, "CheckBoxEthernet1", "GroupBox1", "Ethernet 2", {186, 218, 150, 20}},
    {Kind::CheckBox, "CheckBoxTvDecode", "GroupBox1", "TV Decoder", {186, 238, 150, 20}},
    {Kind::CheckBox, "CheckBoxEXIO", "GroupBox1", "EX_IO", {186, 258, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header", {14, 290, 120, 24}, kBold},
    {Kind::Label, "Label4", "GroupBox1", "IO Voltage:", {140, 290, 72, 24}},
    {Kind::ComboBox, "ComboBoxGpioVol", "GroupBox1", nullptr, {214, 290, 124, 24}},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 320, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 354, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 354, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 350, 124, 80}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 350, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC", {14, 438, 120, 24}, kBold},
    {Kind::Label, "Label6", "GroupBox1", "IO Voltage:", {140, 438, 72, 24}},
    {Kind::ComboBox, "ComboBoxHsmcVol", "GroupBox1", nullptr, {214, 438, 124, 24}},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 468, 324, 24}},
    {Kind::Label, "Label7", "GroupBox1", "Prefix Name:", {14, 502, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 502, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 494, 124, 80}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 494, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {8, 434, 198, 40}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {212, 434, 196, 40}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 480, 198, 40}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 480, 196, 40}},
};

constexpr DeviceGroup<KAVRIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &KAVRIN_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &KAVRIN_CONFIG::bLED, {"ShapeLEDR", "ShapeLEDG"}},
    {"CheckBoxSeg7", &KAVRIN_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &KAVRIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &KAVRIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxEEPROM", &KAVRIN_CONFIG::bEEPROM, {"ShapeEEPROM"}},
    {"CheckBoxPS2", &KAVRIN_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &KAVRIN_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &KAVRIN_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxLCD", &KAVRIN_CONFIG::bLCD, {"ShapeLCD"}},
    {"CheckBoxSDRAM", &KAVRIN_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &KAVRIN_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &KAVRIN_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxSRAM", &KAVRIN_CONFIG::bSRAM, {"ShapeSRAM"}},
    {"CheckBoxSma", &KAVRIN_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxAudio", &KAVRIN_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxIR", &KAVRIN_CONFIG::bIR, {"ShapeIR"}},
    {"CheckBoxUSB", &KAVRIN_CONFIG::bUSB, {"ShapeUSB"}},
    {"CheckBoxEthernet0", &KAVRIN_CONFIG::bEthernet0, {"ShapeEthernet0"}},
    {"CheckBoxEthernet1", &KAVRIN_CONFIG::bEthernet1, {"ShapeEthernet1"}},
    {"CheckBoxTvDecode", &KAVRIN_CONFIG::bTvDecode, {"ShapeTvDecode"}},
    {"CheckBoxEXIO", &KAVRIN_CONFIG::bEXIO, {"ShapeEXIO"}},
};

// Both jumpers in the order of the voltage entries.
constexpr const char* kGpioVoltageShapes[] = {"ShapeGpio3V3", "ShapeGpio2V5", "ShapeGpio1V8", "ShapeGpio1V5"};
constexpr const char* kHsmcVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};
static_assert(std::size(kGpioVoltageShapes) == std::size(kKavrinGpioVoltageItems));
static_assert(std::size(kHsmcVoltageShapes) == std::size(kHsmcVoltageItems));

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeEthernet0", pictures::Part::Jack}, {"ShapeEthernet1", pictures::Part::Jack},
    {"ShapeUSB", pictures::Part::Jack},       {"ShapeVGA", pictures::Part::Jack},
    {"ShapeRS232", pictures::Part::Jack},     {"ShapePS2", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},     {"ShapeTvDecode", pictures::Part::Jack},
    {"ShapeSma", pictures::Part::Jack},       {"ShapeIR", pictures::Part::Chip},
    {"ShapeSDCARD", pictures::Part::Jack},    {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSRAM", pictures::Part::Memory},    {"ShapeFlash", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeEEPROM", pictures::Part::Chip},
    {"ShapeLCD", pictures::Part::Region},     {"ShapeGpio", pictures::Part::Header},
    {"ShapeEXIO", pictures::Part::Header},    {"ShapeHSMC", pictures::Part::Header},
    {"ShapeSeg7", pictures::Part::Seg7, 8},   {"ShapeLEDR", pictures::Part::Leds, 18},
    {"ShapeLEDG", pictures::Part::Leds, 9},   {"ShapeSwitch", pictures::Part::Switches, 18},
    {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawKavrinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(190, 50, 90, 90), QStringLiteral("Cyclone IV E"), pictures::Part::Chip},
            {QRect(190, 150, 90, 22), QStringLiteral("Kavrin"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawGpioJumper()
{
    return boardpicture::DrawJumpersUnderOutlines(kGpioJumperImage, kLayout, kGpioVoltageShapes,
                                                  QStringLiteral("JP6 GPIO VCCIO"));
}

QPixmap DrawHsmcJumper()
{
    return boardpicture::DrawJumpersUnderOutlines(kHsmcJumperImage, kLayout, kHsmcVoltageShapes,
                                                  QStringLiteral("JP7 HSMC VCCIO"));
}

void ShowOutlineOf(std::span<const char* const> shapes, int entry, const TBoardForm* form)
{
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i)
        formlayout::FindControl<QWidget>(form, shapes[i])->setVisible(i == entry);
}

}  // namespace

TFormKavrin::TFormKavrin(QWidget* owner)
    : TBoardForm(owner, kLayout, 793, 590, "Varnholt Kavrin Pinwright V 2.0.1",
                 {.outlinePen = 3, .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_Gpio(this, "ComboBoxGpio", "EditPrefixGpio", "ImageGpio", {"ShapeGpio"}),
      m_Hsmc(this, "ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", {"ShapeHSMC"})
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<formlayout::TImage>("ImageGpioVol")->SetPicture(platform::qt::LoadBitmap(kGpioJumperPicture));
    Control<formlayout::TImage>("ImageHsmcVol")->SetPicture(platform::qt::LoadBitmap(kHsmcJumperPicture));

    connect(m_Gpio.Combo, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(m_Hsmc.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    for (const char* voltage : {"ComboBoxGpioVol", "ComboBoxHsmcVol"})
        connect(Control<QComboBox>(voltage), &QComboBox::activated, this, [this] { ComboBoxVolChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormKavrin::~TFormKavrin() = default;

void TFormKavrin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormKavrin::FillComboBoxes()
{
    auto fill = [this](const char* name, std::span<const char* const> items, int selected) {
        auto* combo = Control<QComboBox>(name);
        combo->clear();
        for (const char* item : items) combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(selected);
    };
    fill("ComboBoxHsmcVol", kHsmcVoltageItems, kHsmcVoltageDefault);
    fill("ComboBoxGpioVol", kKavrinGpioVoltageItems, kKavrinGpioVoltageDefault);

    for (int entry = 0; entry < static_cast<int>(std::size(kHsmcVoltageItems)); ++entry)
        CardListForVoltage(entry).BuildDaughterList(CONNECTOR_HSMC, false, HsmcVoltageClass(entry));
    FillDaughterCombo(kHsmcVoltageDefault);
    m_GpioCards.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    m_Gpio.SetCards(CardsOf(m_GpioCards));
    UpdateDaughterCombos();
}

TConfigBase<KAVRIN_CONFIG>& TFormKavrin::CardListForVoltage(int voltageEntry)
{
    switch (voltageEntry) {
    case 0: return m_HsmcCards3V3;
    case 2: return m_HsmcCards1V8;
    case 3: return m_HsmcCards1V5;
    default: return m_Settings;
    }
}

void TFormKavrin::FillDaughterCombo(int voltageEntry) { m_Hsmc.SetCards(CardsOf(CardListForVoltage(voltageEntry))); }

void TFormKavrin::UpdateDaughterCombos()
{
    const bool gpioUsable = GpioVoltageEntry() == kKavrinGpioVoltageDefault;
    m_Gpio.Combo->setEnabled(gpioUsable);
    m_Gpio.Combo->setCurrentIndex(gpioUsable ? m_GpioEntry : 0);
    FillDaughterCombo(HsmcVoltageEntry());
}

int TFormKavrin::GpioVoltageEntry() const { return Control<QComboBox>("ComboBoxGpioVol")->currentIndex(); }

int TFormKavrin::HsmcVoltageEntry() const { return Control<QComboBox>("ComboBoxHsmcVol")->currentIndex(); }

void TFormKavrin::ConfigToForm()
{
    // The GPIO card a record holds becomes the one the combo comes back to at 3.3 V.
    const auto cards = m_Gpio.Cards();
    const auto found = std::find(cards.begin(), cards.end(), m_Settings.Config.nGpioDaughterId);
    if (found != cards.end()) m_GpioEntry = static_cast<int>(found - cards.begin());
    ConfigToForm(m_Settings.Config);
}

void TFormKavrin::ConfigToForm(const KAVRIN_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    // A voltage outside the lists, as a hand-made file may hold, is shown as the default.
    const int gpioVoltage = KavrinGpioVoltageEntry(config.nGpioVoltage);
    const int hsmcVoltage = ::HsmcVoltageEntry(config.nHsmcVoltage);
    Control<QComboBox>("ComboBoxGpioVol")->setCurrentIndex(gpioVoltage);
    Control<QComboBox>("ComboBoxHsmcVol")->setCurrentIndex(hsmcVoltage);
    UpdateDaughterCombos();
    // Away from 3.3 V the prefix belongs to the generic card, which the record does not hold.
    const std::string gpioPrefix = ReadRecordText(config.szGpioPrefixName);
    m_Gpio.Show(m_Gpio.Card(), gpioPrefix);
    if (gpioVoltage != kKavrinGpioVoltageDefault) m_Gpio.Prefix->setText(QString::fromLatin1(gpioPrefix));
    m_Hsmc.Show(config.nHsmcDaughterId, ReadRecordText(config.szHSMCPrefixName));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormKavrin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormKavrin::FormToConfig(KAVRIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Kavrin;
    config.Size = sizeof(KAVRIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nGpioVoltage = GpioVoltageEntry();
    config.nGpioDaughterId = config.nGpioVoltage == kKavrinGpioVoltageDefault ? m_Gpio.Card() : 0;
    WriteRecordText(config.szGpioPrefixName, m_Gpio.PrefixText());
    config.nHsmcVoltage = HsmcVoltageEntry();
    config.nHsmcDaughterId = m_Hsmc.Card();
    WriteRecordText(config.szHSMCPrefixName, m_Hsmc.PrefixText());
    return true;
}

void TFormKavrin::UpdateDaughterPictures()
{
    m_Gpio.UpdatePicture();
    m_Hsmc.UpdatePicture();
}

void TFormKavrin::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Gpio.UpdateOutlines();
    m_Hsmc.UpdateOutlines();
    ShowOutlineOf(kGpioVoltageShapes, GpioVoltageEntry(), this);
    ShowOutlineOf(kHsmcVoltageShapes, HsmcVoltageEntry(), this);
}

bool TFormKavrin::ValidateInput() { return CheckProjectName(); }

bool TFormKavrin::GenerateProject(const std::string& projectFile)
{
    // The settings record changes only through the settings buttons and "Exit".
    KAVRIN_CONFIG request = m_Settings.Config;
    FormToConfig(request);
    return GenerateKavrinProject(request, projectFile);
}

std::string TFormKavrin::BoardFolderWord() const { return "Kavrin"; }

void TFormKavrin::ShowGenerateWarnings() { ShowVoltageWarning(); }

void TFormKavrin::ShowVoltageWarning()
{
    KAVRIN_CONFIG scratch = m_Settings.Config;
    FormToConfig(scratch);
    const bool gpioChanged = scratch.nGpioVoltage != kKavrinGpioVoltageDefault;
    const bool hsmcChanged = scratch.nHsmcVoltage != kHsmcVoltageDefault;
    if (!gpioChanged && !hsmcChanged) return;
    const char* text =
        gpioChanged && hsmcChanged
            ? "You have changed the default voltage level of GPIO and HSMC interface. \nPlease remember to change the "
              "shunt position on JP6 and JP7 accordingly."
        : gpioChanged ? "You have changed the default voltage level of GPIO expansion header. \nPlease remember to "
                        "change the shunt position on JP6 accordingly."
                      : "You have changed the default voltage level of HSMC interface. \nPlease remember to change the "
                        "shunt position on JP7 accordingly.";
    ShowVoltageJumperWarning(text);
}

void TFormKavrin::ComboBoxGpioChange()
{
    m_GpioEntry = m_Gpio.Entry();
    UpdateShapes();
    UpdateDaughterPictures();
}

void TFormKavrin::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormKavrin::ComboBoxVolChange()
{
    UpdateDaughterCombos();
    // Both combos may now show another card: the pictures follow them.
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterKavrinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawKavrinBoard);
    platform::qt::RegisterBitmap(kGpioJumperPicture, DrawGpioJumper);
    platform::qt::RegisterBitmap(kHsmcJumperPicture, DrawHsmcJumper);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone IV E"));
}

#include "boards/cyclone5_max10/UI_ULVARIN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/settings/PrefixCheck.h"
#include "core/settings/RecordText.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kHidden;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Ulvarin_BITMAP";
constexpr const char* kVoltagePicture = "Ulvarin_HSMC_VOLTAGE_BITMAP";

// Where the pictures lie in Panel1; the outlines over them are given in picture coordinates
// and sit 3 pixels outside the part they mark, so that the pen frames it.
constexpr Rect kBoardImage{8, 32, 400, 300};
constexpr Rect kVoltageImage{296, 340, 112, 126};
constexpr int kOutlineMargin = 3;

constexpr Rect Over(Rect image, int left, int top, int width, int height)
{
    return {image.left + left - kOutlineMargin, image.top + top - kOutlineMargin, width + 2 * kOutlineMargin,
            height + 2 * kOutlineMargin};
}

// The row of a jumper position on the voltage picture.
constexpr Rect OverJumper(int row) { return Over(kVoltageImage, 4, 26 + 24 * row, 104, 20); }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 474}},
    {Kind::Label, "LabelBoardName", "Panel1", "Ulvarin FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 64, 38)},
    {Kind::Shape, "ShapeVideoIn", "Panel1", "VIDEO-IN", Over(kBoardImage, 82, 8, 54, 38)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 144, 8, 58, 38)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 210, 8, 40, 38)},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", Over(kBoardImage, 258, 8, 132, 100), formlayout::kAqua},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 10, 56, 44, 26)},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", Over(kBoardImage, 10, 90, 44, 32)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 14, 132, 28, 158)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 150, 58, 56, 24)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 62, 96, 76, 46)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 62, 188, 186, 42)},
    {Kind::Shape, "ShapeLED", "Panel1", "LEDR", Over(kBoardImage, 62, 238, 186, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 62, 260, 186, 30)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 262, 254, 88, 36)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 360, 116, 30, 176)},
    {Kind::Image, "ImageVol", "Panel1", nullptr, {kVoltageImage}},
    {Kind::Shape, "ShapeHsmc3V3", "Panel1", "3.3V", OverJumper(0)},
    {Kind::Shape, "ShapeHsmc2V5", "Panel1", "2.5V", OverJumper(1)},
    {Kind::Shape, "ShapeHsmc1V8", "Panel1", "1.8V", OverJumper(2)},
    {Kind::Shape, "ShapeHsmc1V5", "Panel1", "1.5V", OverJumper(3)},
    // Outlines of the layout that no operation switches; the pictures need none of them.
    {Kind::Shape, "ShapeEPCQ", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "ShapeKelpin23", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "ShapeGpio1V5", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "Shape1", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "Shape2", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "Shape7", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::Shape, "Shape8", "Panel1", nullptr, {0, 0, 1, 1}, kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 349, 525}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::Label, "Label7", "GroupBox1", "Top File Type:", {14, 56, 92, 24}},
    {Kind::ComboBox, "ComboBoxFileType", "GroupBox1", nullptr, {110, 56, 120, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 88, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 10", {16, 108, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 128, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 148, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 6", {16, 168, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 32MB", {16, 188, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 208, 160, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 88, 150, 20}},
    {Kind::CheckBox, "CheckBoxVideoIn", "GroupBox1", "Video-In", {186, 108, 150, 20}},
    {Kind::CheckBox, "CheckBoxADC", "GroupBox1", "ADC", {186, 128, 150, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {186, 148, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR TX/RX", {186, 168, 150, 20}},
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {186, 188, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header (3.3V)", {14, 236, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 258, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 292, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 292, 110, 24}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 288, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC Header", {14, 376, 110, 24}, kBold},
    {Kind::Label, "Label5", "GroupBox1", "IO Voltage:", {140, 376, 72, 24}},
    {Kind::ComboBox, "ComboBoxHsmcVol", "GroupBox1", nullptr, {214, 376, 124, 24}},
    {Kind::ComboBox, "ComboBoxHsmc", "GroupBox1", nullptr, {14, 406, 324, 24}},
    {Kind::Label, "Label6", "GroupBox1", "Prefix Name:", {14, 440, 80, 24}},
    {Kind::Edit, "EditPrefixHsmc", "GroupBox1", nullptr, {96, 440, 110, 24}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 436, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 342, 280, 40}, kBold},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 390, 136, 34}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {152, 390, 136, 34}},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {152, 432, 136, 34}},
};

// Each device group: its check box, the outline over its part and its record byte.
struct DeviceGroup {
    const char* checkBox;
    const char* shape;
    uint8_t ULVARIN_CONFIG::*field;
};

constexpr DeviceGroup kGroups[] = {
    {"CheckBoxOSC", "ShapeOSC", &ULVARIN_CONFIG::bClock},
    {"CheckBoxLED", "ShapeLED", &ULVARIN_CONFIG::bLed},
    {"CheckBoxButton", "ShapeButton", &ULVARIN_CONFIG::bButton},
    {"CheckBoxSwitch", "ShapeSwitch", &ULVARIN_CONFIG::bSwitch},
    {"CheckBoxSeg7", "ShapeSeg7", &ULVARIN_CONFIG::bSeg7},
    {"CheckBoxSDRAM", "ShapeSDRAM", &ULVARIN_CONFIG::bSdram},
    {"CheckBoxVGA", "ShapeVGA", &ULVARIN_CONFIG::bVga},
    {"CheckBoxAudio", "ShapeAudio", &ULVARIN_CONFIG::bAudio},
    {"CheckBoxVideoIn", "ShapeVideoIn", &ULVARIN_CONFIG::bVideoIn},
    {"CheckBoxADC", "ShapeADC", &ULVARIN_CONFIG::bAdc},
    {"CheckBoxPS2", "ShapePS2", &ULVARIN_CONFIG::bPs2},
    {"CheckBoxIR", "ShapeIR", &ULVARIN_CONFIG::bIr},
    {"CheckBoxHPS", "ShapeHPS", &ULVARIN_CONFIG::bHps},
};

constexpr const char* kVoltageItems[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};
constexpr int kDefaultVoltage = 1;
constexpr const char* kVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

// How each outlined part looks on the board picture.
struct PartLook {
    const char* shape;
    pictures::Part part;
};

constexpr PartLook kLooks[] = {
    {"ShapeVGA", pictures::Part::Jack},       {"ShapeVideoIn", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},     {"ShapePS2", pictures::Part::Jack},
    {"ShapeHPS", pictures::Part::Region},     {"ShapeIR", pictures::Part::Chip},
    {"ShapeADC", pictures::Part::Chip},       {"ShapeGpio", pictures::Part::Header},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSeg7", pictures::Part::Seg7},      {"ShapeLED", pictures::Part::Leds},
    {"ShapeSwitch", pictures::Part::Switches}, {"ShapeButton", pictures::Part::Keys},
    {"ShapeHSMC", pictures::Part::Header},
};

// The part under an outline, in the picture's coordinates.
QRect Under(Rect image, Rect shape)
{
    return QRect(shape.left - image.left + kOutlineMargin, shape.top - image.top + kOutlineMargin,
                 shape.width - 2 * kOutlineMargin, shape.height - 2 * kOutlineMargin);
}

const ControlRow& Row(const char* name)
{
    for (const ControlRow& row : kLayout)
        if (std::string_view(row.name) == name) return row;
    PW_CHECK(0);
    return kLayout[0];
}

QPixmap DrawUlvarinBoard()
{
    std::vector<pictures::Block> blocks = {
        {QRect(150, 92, 100, 86), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
        {QRect(262, 124, 84, 26), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
        {QRect(262, 162, 44, 34), QStringLiteral("DC IN"), pictures::Part::Jack},
        {QRect(262, 214, 88, 22), QStringLiteral("Ulvarin"), pictures::Part::Silkscreen},
    };
    for (const PartLook& look : kLooks) {
        const ControlRow& row = Row(look.shape);
        blocks.push_back({Under(kBoardImage, row.geometry), QString::fromLatin1(row.caption), look.part});
    }
    return pictures::DrawBoard(QSize(kBoardImage.width, kBoardImage.height), blocks);
}

QPixmap DrawUlvarinJumpers()
{
    std::vector<pictures::Block> rows;
    for (const char* shape : kVoltageShapes) {
        const ControlRow& row = Row(shape);
        rows.push_back({Under(kVoltageImage, row.geometry), QString::fromLatin1(row.caption), pictures::Part::Header});
    }
    return pictures::DrawJumpers(QSize(kVoltageImage.width, kVoltageImage.height), QStringLiteral("JP3 HSMC VCCIO"),
                                 rows);
}

// The card at the combo's entry of the list; entry 0 ("None") where the combo shows none.
uint8_t CardAt(const TConfigBoard& list, const QComboBox* combo)
{
    int index = combo->currentIndex();
    return index > 0 && index < list.DaughterCount ? list.DaughterIds[index] : DAUGHTER_NONE;
}

void FillCardCombo(QComboBox* combo, const TConfigBoard& list)
{
    combo->clear();
    for (int i = 0; i < list.DaughterCount; ++i)
        combo->addItem(platform::qt::FromLatin1(BoardName(list.DaughterIds[i])));
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(list.DaughterCount);
}

// Selects the first entry of the card; a card not in the list leaves the combo as it is.
void SelectCard(QComboBox* combo, const TConfigBoard& list, uint8_t cardId)
{
    for (int i = 0; i < list.DaughterCount; ++i) {
        if (list.DaughterIds[i] != cardId) continue;
        combo->setCurrentIndex(i);
        return;
    }
}

// A prefix is shown only with a card chosen.
void ShowPrefix(QLineEdit* edit, const QComboBox* combo, const char (&prefix)[128])
{
    edit->setText(combo->currentIndex() != 0 ? platform::qt::FromLatin1(ReadRecordText(prefix)) : QString());
}

}  // namespace

TFormUlvarin::TFormUlvarin(QWidget* owner) : TBoardForm(owner, kLayout, 789, 536, "Ulvarin V1.0.1")
{
    // This configuration offers no other board: the form keeps the user on it.
    Control<QWidget>("ButtonMainBoardSelect")->setVisible(false);
    if (owner) owner->window()->setWindowTitle(QStringLiteral("Ulvarin V1.0.1"));

    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<formlayout::TImage>("ImageVol")->SetPicture(platform::qt::LoadBitmap(kVoltagePicture));

    // The record holds 127 characters of each prefix.
    m_GpioCombos[0] = Control<QComboBox>("ComboBoxGpio");
    m_GpioPrefixes[0] = Control<QLineEdit>("EditPrefixGpio");
    m_HsmcCombos[0] = Control<QComboBox>("ComboBoxHsmc");
    m_HsmcPrefixes[0] = Control<QLineEdit>("EditPrefixHsmc");
    m_GpioPrefixes[0]->setMaxLength(static_cast<int>(kRecordTextMax));
    m_HsmcPrefixes[0]->setMaxLength(static_cast<int>(kRecordTextMax));

    connect(m_GpioCombos[0], &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(Control<QComboBox>("ComboBoxFileType"), &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(m_HsmcCombos[0], &QComboBox::activated, this, [this] { ComboBoxHsmcChange(); });
    connect(Control<QComboBox>("ComboBoxHsmcVol"), &QComboBox::activated, this, [this] { ComboBoxHsmcVolChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormUlvarin::~TFormUlvarin() = default;

void TFormUlvarin::DefaultConfig(ULVARIN_CONFIG& config) const { config = TConfigUlvarin::DefaultConfig(); }

void TFormUlvarin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormUlvarin::FillComboBoxes()
{
    auto* fileType = Control<QComboBox>("ComboBoxFileType");
    fileType->clear();
    fileType->addItems({QStringLiteral("Verilog"), QStringLiteral("VHDL")});
    fileType->setCurrentIndex(0);

    m_Settings.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    FillCardCombo(m_GpioCombos[0], m_Settings);

    auto* voltage = Control<QComboBox>("ComboBoxHsmcVol");
    voltage->clear();
    for (const char* item : kVoltageItems) voltage->addItem(QString::fromLatin1(item));
    voltage->setCurrentIndex(kDefaultVoltage);

    m_HsmcCards2V5.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    m_HsmcCards3V3.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_3V3);
    m_HsmcCards1V8.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_1V8);
    m_HsmcCards1V5.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_1V5);
    FillDaughterCombo(kDefaultVoltage);
    UpdateDaughterCombos();
}

TConfigUlvarin& TFormUlvarin::CardListForVoltage(int voltageIndex)
{
    switch (voltageIndex) {
    case 0: return m_HsmcCards3V3;
    case 2: return m_HsmcCards1V8;
    case 3: return m_HsmcCards1V5;
    default: return m_HsmcCards2V5;
    }
}

const TConfigUlvarin& TFormUlvarin::CardListForVoltage(int voltageIndex) const
{
    return const_cast<TFormUlvarin*>(this)->CardListForVoltage(voltageIndex);
}

void TFormUlvarin::FillDaughterCombo(int voltageIndex)
{
    FillCardCombo(m_HsmcCombos[0], CardListForVoltage(voltageIndex));
}

int TFormUlvarin::VoltageIndex() const { return Control<QComboBox>("ComboBoxHsmcVol")->currentIndex(); }

uint8_t TFormUlvarin::GpioCardId() const { return CardAt(m_Settings, m_GpioCombos[0]); }

uint8_t TFormUlvarin::HsmcCardId() const { return CardAt(CardListForVoltage(VoltageIndex()), m_HsmcCombos[0]); }

void TFormUlvarin::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormUlvarin::ConfigToForm(const ULVARIN_CONFIG& config)
{
    Control<QLineEdit>("EditProjectName")->setText(platform::qt::FromLatin1(ReadRecordText(config.szProjectName)));
    Control<QComboBox>("ComboBoxFileType")->setCurrentIndex(config.bVhdl ? 1 : 0);
    for (const DeviceGroup& group : kGroups) Control<QCheckBox>(group.checkBox)->setChecked(config.*group.field != 0);

    SelectCard(m_GpioCombos[0], m_Settings, config.nGpioDaughterId[0]);
    ShowPrefix(m_GpioPrefixes[0], m_GpioCombos[0], config.szGpioPrefixName[0]);

    // A voltage outside the list, as a file may hold, is shown as the board's default.
    int voltage = config.nHsmcVoltage >= 0 && config.nHsmcVoltage <= 3 ? config.nHsmcVoltage : kDefaultVoltage;
    Control<QComboBox>("ComboBoxHsmcVol")->setCurrentIndex(voltage);
    FillDaughterCombo(voltage);
    SelectCard(m_HsmcCombos[0], CardListForVoltage(voltage), config.nHsmcDaughterId);
    ShowPrefix(m_HsmcPrefixes[0], m_HsmcCombos[0], config.szHSMCPrefixName);

    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormUlvarin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormUlvarin::FormToConfig(ULVARIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Ulvarin;
    config.Size = sizeof(ULVARIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    config.bVhdl = Control<QComboBox>("ComboBoxFileType")->currentIndex() == 1 ? 1 : 0;
    for (const DeviceGroup& group : kGroups)
        config.*group.field = Control<QCheckBox>(group.checkBox)->isChecked() ? 1 : 0;
    config.nGpioDaughterId[0] = GpioCardId();
    WriteRecordText(config.szGpioPrefixName[0], platform::qt::ToLatin1(m_GpioPrefixes[0]->text()));
    config.nHsmcVoltage = VoltageIndex();
    config.nHsmcDaughterId = HsmcCardId();
    WriteRecordText(config.szHSMCPrefixName, platform::qt::ToLatin1(m_HsmcPrefixes[0]->text()));
    return true;
}

void TFormUlvarin::UpdateDaughterPictures()
{
    TFormMain::ShowDaughterPicture(Control<QLabel>("ImageGpio"), GpioCardId());
    TFormMain::ShowDaughterPicture(Control<QLabel>("ImageHSMC"), HsmcCardId());
}

void TFormUlvarin::UpdateShapes()
{
    for (const DeviceGroup& group : kGroups)
        Control<QWidget>(group.shape)->setVisible(Control<QCheckBox>(group.checkBox)->isChecked());
    Control<QWidget>("ShapeGpio")->setVisible(m_GpioCombos[0]->currentIndex() > 0);
    Control<QWidget>("ShapeHSMC")->setVisible(m_HsmcCombos[0]->currentIndex() > 0);
    int voltage = VoltageIndex();
    for (int i = 0; i < 4; ++i) Control<QWidget>(kVoltageShapes[i])->setVisible(i == voltage);
}

bool TFormUlvarin::ValidateInput()
{
    if (!CheckProjectName()) return false;
    uint8_t cards[1] = {GpioCardId()};
    std::string prefixes[1] = {platform::qt::ToLatin1(m_GpioPrefixes[0]->text())};
    std::string message;
    if (!CheckGpioPrefixNames(1, cards, prefixes, message)) {
        platform::ErrorBox(message);
        return false;
    }
    return true;
}

bool TFormUlvarin::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateUlvarinProject(m_Settings, projectFile);
}

std::string TFormUlvarin::BoardFolderWord() const { return "Ulvarin"; }

void TFormUlvarin::ShowGenerateWarnings()
{
    ShowVoltageWarning();
    if (Control<QCheckBox>("CheckBoxHPS")->isChecked())
        platform::InformationBox(std::string("===== HPS System warning =====\r\n") +
                                 "To prevent any errors while compiling your Quartus project, \r\n" +
                                 "please add the Altera HPS IP to your design.\r\n");
}

void TFormUlvarin::ShowVoltageWarning()
{
    ULVARIN_CONFIG scratch = m_Settings.Config;
    FormToConfig(scratch);
    if (scratch.nHsmcVoltage == kDefaultVoltage) return;
    platform::WarningBox(std::string("You have changed the default voltage level of HSMC interface. \nPlease remember "
                                     "to change the jumper position on JP3 accordingly.") +
                         "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of "
                         "voltage level.");
}

void TFormUlvarin::ComboBoxGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormUlvarin::ComboBoxHsmcChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormUlvarin::ComboBoxHsmcVolChange()
{
    FillDaughterCombo(VoltageIndex());
    // The list now shows "None": the card picture goes with the card.
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterUlvarinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawUlvarinBoard);
    platform::qt::RegisterBitmap(kVoltagePicture, DrawUlvarinJumpers);
}

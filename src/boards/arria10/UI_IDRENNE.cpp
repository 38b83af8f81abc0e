#include "boards/arria10/UI_IDRENNE.h"

#include <QCheckBox>
#include <QComboBox>
#include <iterator>

#include "boards/arria10/CONFIG_Idrenne.h"
#include "cards/DaughterBoardInfo.h"
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
using formlayout::kLime;
using formlayout::kRight;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Idrenne_400_BITMAP";
constexpr const char* kVoltagePicture = "Idrenne_FMC_VOLTAGE_BITMAP";

// Where the pictures lie in Panel1; the outlines over the board are given in picture coordinates.
constexpr Rect kBoardImage{8, 40, 400, 382};
constexpr Rect kVoltageImage{312, 433, 75, 94};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {16, 3, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {224, 14, 185, 35}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 48, 417, 537}},
    {Kind::Label, "LabelBoardName", "Panel1", "Idrenne FPGA Board", {8, 6, 400, 28}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeFMC", "Panel1", "FMC", Over(kBoardImage, 20, 10, 250, 26)},
    {Kind::Shape, "ShapeSFP", "Panel1", "SFP+", Over(kBoardImage, 296, 8, 92, 30)},
    {Kind::Shape, "ShapeHDMI", "Panel1", "HDMI", Over(kBoardImage, 8, 52, 52, 32)},
    {Kind::Shape, "ShapeDisplayPort", "Panel1", "DP", Over(kBoardImage, 8, 92, 52, 32)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB-C", Over(kBoardImage, 8, 132, 52, 28)},
    {Kind::Shape, "ShapeSDI", "Panel1", "SDI", Over(kBoardImage, 8, 168, 52, 28)},
    {Kind::Shape, "ShapeSMA", "Panel1", "SMA", Over(kBoardImage, 8, 204, 52, 28)},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETH", Over(kBoardImage, 8, 240, 52, 34)},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", Over(kBoardImage, 132, 52, 132, 42)},
    {Kind::Shape, "ShapeOSC", "Panel1", "OSC", Over(kBoardImage, 74, 108, 44, 24)},
    {Kind::Shape, "ShapeTemperature", "Panel1", "TEMP", Over(kBoardImage, 74, 146, 44, 26)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "DDR4B", Over(kBoardImage, 280, 108, 52, 92)},
    {Kind::Shape, "ShapeSATA", "Panel1", "SATA", Over(kBoardImage, 344, 52, 48, 44)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 344, 108, 48, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 74, 222, 100, 46)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 190, 222, 60, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 190, 246, 60, 22)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 264, 222, 68, 46)},
    {Kind::Shape, "ShapeDDR4Socket", "Panel1", "DDR4 SODIMM", Over(kBoardImage, 74, 290, 226, 30)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe x4", Over(kBoardImage, 96, 344, 200, 28)},
    {Kind::Image, "ImageVol", "Panel1", nullptr, {kVoltageImage}},
    // The three standing jumper positions, 1.2 V on the left, named by their volts.
    {Kind::Shape, "ShapeFmc1V2", "Panel1", "1.2", {312, 482, 17, 35}, kLime},
    {Kind::Shape, "ShapeFmc1V5", "Panel1", "1.5", {331, 482, 17, 35}, kLime},
    {Kind::Shape, "ShapeFmc1V8", "Panel1", "1.8", {349, 482, 17, 35}, kLime},
    // Marks of the layout that no operation switches: the voltage jumper on the board.
    {Kind::Shape, "Shape7", "Panel1", nullptr, {323, 342, 26, 17}, kLime},
    {Kind::Shape, "Shape8", "Panel1", nullptr, {336, 353, 5, 31}, kLime},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 1, 353, 584}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {16, 27, 100, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {120, 27, 222, 24}},
    {Kind::Label, "Label7", "GroupBox1", "Top File Type:", {16, 59, 100, 24}},
    {Kind::ComboBox, "ComboBoxFileType", "GroupBox1", nullptr, {120, 59, 224, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 96, 160, 21}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", {184, 96, 160, 21}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 2", {16, 122, 160, 21}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 2", {184, 122, 160, 21}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {16, 149, 160, 21}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {184, 149, 160, 21}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Giga Ethernet", {16, 176, 160, 21}},
    {Kind::CheckBox, "CheckBoxTemperature", "GroupBox1", "Temperatrure ", {184, 176, 160, 21}},
    {Kind::CheckBox, "CheckBoxSATA", "GroupBox1", "SATA", {16, 203, 160, 21}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "On Board DDR4", {184, 203, 160, 21}},
    {Kind::CheckBox, "CheckBoxSDI", "GroupBox1", "SDI", {16, 229, 160, 21}},
    {Kind::CheckBox, "CheckBoxSMA", "GroupBox1", "SMA", {184, 229, 160, 21}},
    {Kind::CheckBox, "CheckBoxHDMI", "GroupBox1", "HDMI", {16, 256, 160, 21}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCI Express", {184, 256, 160, 21}},
    {Kind::CheckBox, "CheckBoxDisplayPort", "GroupBox1", "Display Port", {16, 283, 160, 21}},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB Type C", {184, 283, 160, 21}},
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {16, 310, 160, 21}},
    {Kind::CheckBox, "CheckBoxSFP", "GroupBox1", "SFP+", {184, 310, 160, 21}},
    {Kind::Label, "Label1", "GroupBox1", "DDR4 Socket", {16, 352, 200, 22}, kBold},
    {Kind::ComboBox, "ComboBoxDDR4Socket", "GroupBox1", nullptr, {16, 376, 240, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {16, 408, 100, 24}},
    {Kind::Edit, "EditPrefixDDR4Socket", "GroupBox1", nullptr, {120, 408, 136, 24}},
    {Kind::Slot, "SlotDDR4Socket", "GroupBox1", "No card", {262, 356, 80, 80}},
    {Kind::Image, "ImageDDR4Socket", "GroupBox1", nullptr, {262, 356, 80, 80}},
    {Kind::Label, "Label2", "GroupBox1", "FMC Header", {16, 453, 200, 22}, kBold},
    {Kind::Label, "Label5", "GroupBox1", "IO Voltage:", {26, 484, 80, 17}, kRight},
    {Kind::ComboBox, "ComboBoxFmcVol", "GroupBox1", nullptr, {112, 476, 144, 24}},
    // Above the prefix, under the voltage; a card name longer than the box opens a wider list.
    {Kind::ComboBox, "ComboBoxFmc", "GroupBox1", nullptr, {16, 509, 240, 24}},
    {Kind::Slot, "SlotFMC", "GroupBox1", "No card", {262, 489, 80, 80}},
    {Kind::Image, "ImageFMC", "GroupBox1", nullptr, {262, 489, 80, 80}},
    {Kind::Label, "Label6", "GroupBox1", "Prefix Name:", {16, 546, 90, 17}, kRight},
    {Kind::Edit, "EditPrefixFmc", "GroupBox1", nullptr, {112, 541, 144, 24}},
    // The window's own buttons, over the panel under the board picture; last, so that the
    // keyboard reaches them after the settings.
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting", {16, 494, 140, 35}},
    {Kind::Button, "ButtonGen", nullptr, "Generate", {160, 494, 140, 35}, kBold},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting", {16, 544, 140, 35}},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {160, 544, 140, 35}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<IDRENNE_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &IDRENNE_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &IDRENNE_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &IDRENNE_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &IDRENNE_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &IDRENNE_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxFan", &IDRENNE_CONFIG::bFan, {"ShapeFan"}},
    {"CheckBoxTemperature", &IDRENNE_CONFIG::bTemperature, {"ShapeTemperature"}},
    {"CheckBoxSDRAM", &IDRENNE_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxEthernet", &IDRENNE_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxSMA", &IDRENNE_CONFIG::bSMA, {"ShapeSMA"}},
    {"CheckBoxSATA", &IDRENNE_CONFIG::bSATA, {"ShapeSATA"}},
    {"CheckBoxPCIe", &IDRENNE_CONFIG::bPCIe, {"ShapePCIe"}},
    {"CheckBoxSDI", &IDRENNE_CONFIG::bSDI, {"ShapeSDI"}},
    {"CheckBoxUSB", &IDRENNE_CONFIG::bUSB, {"ShapeUSB"}},
    {"CheckBoxHDMI", &IDRENNE_CONFIG::bHDMI, {"ShapeHDMI"}},
    {"CheckBoxSFP", &IDRENNE_CONFIG::bSFP, {"ShapeSFP"}},
    {"CheckBoxDisplayPort", &IDRENNE_CONFIG::bDisplayPort, {"ShapeDisplayPort"}},
    {"CheckBoxHPS", &IDRENNE_CONFIG::bHPS, {"ShapeHPS"}},
};

// The voltage combo's rows: the record's code and the entry's text.
struct FmcVoltage {
    int32_t code;
    const char* text;
    const char* jumper;  // its outline on the voltage picture
};
constexpr FmcVoltage FmcVoltageTable[] = {
    {IDRENNE_FMC_1V8, "1.8 V (Default)", "ShapeFmc1V8"},
    {IDRENNE_FMC_1V5, "1.5 V", "ShapeFmc1V5"},
    {IDRENNE_FMC_1V2, "1.2 V", "ShapeFmc1V2"},
};
constexpr int kVoltageRows = static_cast<int>(std::size(FmcVoltageTable));

constexpr const char* kVoltageShapes[] = {"ShapeFmc1V8", "ShapeFmc1V5", "ShapeFmc1V2"};

// How each outlined part looks on the board picture.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeFMC", pictures::Part::Header},       {"ShapeSFP", pictures::Part::Jack},
    {"ShapeHDMI", pictures::Part::Jack},        {"ShapeDisplayPort", pictures::Part::Jack},
    {"ShapeUSB", pictures::Part::Jack},         {"ShapeSDI", pictures::Part::Jack},
    {"ShapeSMA", pictures::Part::Jack},         {"ShapeEthernet", pictures::Part::Jack},
    {"ShapeHPS", pictures::Part::Chip},       {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeTemperature", pictures::Part::Chip}, {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSATA", pictures::Part::Jack},        {"ShapeFan", pictures::Part::Header},
    {"ShapeSeg7", pictures::Part::Seg7, 2},     {"ShapeLED", pictures::Part::Leds, 2},
    {"ShapeSwitch", pictures::Part::Switches, 2}, {"ShapeButton", pictures::Part::Keys, 2},
    {"ShapeDDR4Socket", pictures::Part::Header}, {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawIdrenneBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(132, 108, 132, 100), QStringLiteral("Arria 10 SX"), pictures::Part::Chip},
            {QRect(344, 164, 48, 40), QStringLiteral("BLASTER"), pictures::Part::Jack},
            {QRect(344, 222, 48, 32), QStringLiteral("DC IN"), pictures::Part::Jack},
            {QRect(318, 305, 20, 11), QString(), pictures::Part::Header},  // the jumper Shape7 marks
            {QRect(308, 344, 84, 22), QStringLiteral("Idrenne"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawIdrenneJumpers()
{
    return boardpicture::DrawJumpersUnderOutlines(kVoltageImage, kLayout, kVoltageShapes,
                                                  QStringLiteral("JP2 FMC VCCIO"));
}

}  // namespace

TFormIdrenne::TFormIdrenne(QWidget* owner)
    : TBoardForm(owner, kLayout, 791, 596, "Idrenne Pinwright V1.0.0", {.outlinePen = 3}),
      m_Groups(this, kGroups),
      m_Socket(this, "ComboBoxDDR4Socket", "EditPrefixDDR4Socket", "ImageDDR4Socket", {"ShapeDDR4Socket"}),
      m_Fmc(this, "ComboBoxFmc", "EditPrefixFmc", "ImageFMC", {"ShapeFMC"})
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<formlayout::TImage>("ImageVol")->SetPicture(platform::qt::LoadBitmap(kVoltagePicture));

    // The FMC card names are longer than the box is wide: the box keeps the layout's width and
    // its list opens as wide as the names need.
    m_Fmc.Combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    connect(m_Socket.Combo, &QComboBox::activated, this, [this] { ComboBoxDDR4SocketChange(); });
    connect(m_Fmc.Combo, &QComboBox::activated, this, [this] { ComboBoxFmcChange(); });
    connect(Control<QComboBox>("ComboBoxFmcVol"), &QComboBox::activated, this, [this] { ComboBoxFmcVolChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormIdrenne::~TFormIdrenne() = default;

void TFormIdrenne::DefaultConfig(IDRENNE_CONFIG& config) const { config = TConfigIdrenne::DefaultConfig(); }

void TFormIdrenne::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormIdrenne::FillComboBoxes()
{
    auto* fileType = Control<QComboBox>("ComboBoxFileType");
    fileType->clear();
    fileType->addItems({QStringLiteral("Verilog"), QStringLiteral("VHDL")});
    fileType->setCurrentIndex(0);

    m_Settings.BuildDaughterList(CONNECTOR_MEMORY_MODULE, false, VOLTAGE_2V5);
    m_Socket.SetCards(CardsOf(m_Settings));

    auto* voltage = Control<QComboBox>("ComboBoxFmcVol");
    voltage->clear();
    for (const FmcVoltage& row : FmcVoltageTable) voltage->addItem(QString::fromLatin1(row.text));
    voltage->setCurrentIndex(0);

    m_FmcList1V8.BuildDaughterList(CONNECTOR_FMC_HPC, true, VOLTAGE_1V8);
    m_FmcList1V5.BuildDaughterList(CONNECTOR_FMC_HPC, true, VOLTAGE_1V5);
    m_FmcList1V2.BuildDaughterList(CONNECTOR_FMC_HPC, true, 0);
    FillDaughterCombo(IDRENNE_FMC_1V8);
}

int TFormIdrenne::VoltageEntry() const
{
    int entry = Control<QComboBox>("ComboBoxFmcVol")->currentIndex();
    return entry >= 0 && entry < kVoltageRows ? entry : 0;
}

int32_t TFormIdrenne::FmcVoltageCode() const { return FmcVoltageTable[VoltageEntry()].code; }

const TConfigIdrenne& TFormIdrenne::CardListForVoltage(int32_t code) const
{
    switch (code) {
    case IDRENNE_FMC_1V5: return m_FmcList1V5;
    case IDRENNE_FMC_1V2: return m_FmcList1V2;
    default: return m_FmcList1V8;
    }
}

void TFormIdrenne::FillDaughterCombo(int32_t code) { m_Fmc.SetCards(CardsOf(CardListForVoltage(code))); }

void TFormIdrenne::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormIdrenne::ConfigToForm(const IDRENNE_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    Control<QComboBox>("ComboBoxFileType")->setCurrentIndex(config.nFileType ? 1 : 0);
    m_Groups.ToForm(config);
    m_Socket.Show(config.nDDR4SocketDaughterId, ReadRecordText(config.szDDR4SocketPrefixName));

    // A code outside the table, as a file may hold, is shown as the board's default.
    int entry = 0;
    for (int row = 0; row < kVoltageRows; ++row)
        if (FmcVoltageTable[row].code == config.nFmcVol) entry = row;
    Control<QComboBox>("ComboBoxFmcVol")->setCurrentIndex(entry);
    FillDaughterCombo(FmcVoltageCode());
    m_Fmc.Show(config.nFmcDaughterId, ReadRecordText(config.szFmcPrefixName));

    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormIdrenne::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormIdrenne::FormToConfig(IDRENNE_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Idrenne;
    config.Size = sizeof(IDRENNE_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    config.nFileType = Control<QComboBox>("ComboBoxFileType")->currentIndex() == 1 ? 1 : 0;
    m_Groups.FromForm(config);
    config.nDDR4SocketDaughterId = m_Socket.Card();
    WriteRecordText(config.szDDR4SocketPrefixName, m_Socket.PrefixText());
    config.nFmcVol = FmcVoltageCode();
    config.nFmcDaughterId = m_Fmc.Card();
    WriteRecordText(config.szFmcPrefixName, m_Fmc.PrefixText());
    return true;
}

void TFormIdrenne::UpdateDaughterPictures()
{
    m_Socket.UpdatePicture();
    m_Fmc.UpdatePicture();
}

void TFormIdrenne::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    m_Socket.UpdateOutlines();
    m_Fmc.UpdateOutlines();
    const int entry = VoltageEntry();
    for (int row = 0; row < kVoltageRows; ++row)
        Control<QWidget>(FmcVoltageTable[row].jumper)->setVisible(row == entry);
}

bool TFormIdrenne::ValidateInput() { return CheckProjectName(); }

// The QDR modules are listed for the socket but have no pin map: Generate stops before the
// project dialog rather than write a socket of unnamed pins.
bool TFormIdrenne::ConfirmGenerate() { return !RefuseCardWithoutPinMap({m_Socket.Card(), m_Fmc.Card()}); }

bool TFormIdrenne::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config);
    return GenerateIdrenneProject(m_Settings, projectFile);
}

std::string TFormIdrenne::BoardFolderWord() const { return "Idrenne"; }

void TFormIdrenne::ShowGenerateWarnings()
{
    ShowVoltageWarning();
    if (Control<QCheckBox>("CheckBoxHPS")->isChecked()) ShowHpsWarning();
}

void TFormIdrenne::ShowVoltageWarning()
{
    IDRENNE_CONFIG scratch = m_Settings.Config;
    FormToConfig(scratch);
    if (scratch.nFmcVol == IDRENNE_FMC_1V8) return;
    ShowVoltageJumperWarning("You have changed the default voltage level of FMC interface. \nPlease remember "
                             "to change the jumper position on JP2 accordingly.");
}

void TFormIdrenne::ComboBoxDDR4SocketChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormIdrenne::ComboBoxFmcChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormIdrenne::ComboBoxFmcVolChange()
{
    FillDaughterCombo(FmcVoltageCode());
    // The list now shows "None": the card picture goes with the card.
    UpdateShapes();
    UpdateDaughterPictures();
}

void RegisterIdrennePictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawIdrenneBoard);
    platform::qt::RegisterBitmap(kVoltagePicture, DrawIdrenneJumpers);
}

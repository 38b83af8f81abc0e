#include "boards/cyclone5_max10/UI_TAMBLIN.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <iterator>

#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kHidden;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Tamblin_BITMAP";
constexpr const char* kFpgaMark = "Tamblin_MAX10_MARK";

// Where the board picture lies in PanelBoard; the outlines over it are given in picture
// coordinates.
constexpr Rect kBoardImage{8, 32, 400, 300};
// The panel's height in the layout, and what it grows by once the revision controls are hidden.
constexpr int kPanelHeight = 305;
constexpr int kPanelGrowth = 35;

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {148, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "PanelBoard", nullptr, nullptr, {8, 64, 417, kPanelHeight}},
    {Kind::Label, "LabelBoardName", "PanelBoard", "MAX 10 Tamblin FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "PanelBoard", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeBBB_P9", "PanelBoard", "P9 (BBB)", Over(kBoardImage, 44, 8, 312, 22)},
    {Kind::Shape, "ShapeEthernet", "PanelBoard", "ETHERNET", Over(kBoardImage, 8, 40, 60, 40)},
    {Kind::Shape, "ShapeUsb", "PanelBoard", "USB", Over(kBoardImage, 8, 88, 60, 34)},
    {Kind::Shape, "ShapeHdmiTx", "PanelBoard", "HDMI TX", Over(kBoardImage, 8, 130, 60, 40)},
    {Kind::Shape, "ShapeSdCard", "PanelBoard", "microSD", Over(kBoardImage, 8, 178, 60, 34)},
    {Kind::Shape, "ShapeAudio", "PanelBoard", "AUDIO", Over(kBoardImage, 8, 220, 60, 40)},
    {Kind::Shape, "ShapeMIPI", "PanelBoard", "MIPI", Over(kBoardImage, 78, 40, 70, 40)},
    {Kind::Shape, "ShapeGsensor", "PanelBoard", "G-SENSOR", Over(kBoardImage, 78, 92, 70, 24)},
    {Kind::Shape, "ShapeTempSensor", "PanelBoard", "TEMP", Over(kBoardImage, 78, 124, 70, 24)},
    {Kind::Shape, "ShapeLightSensor", "PanelBoard", "LIGHT", Over(kBoardImage, 78, 156, 70, 24)},
    {Kind::Shape, "ShapeHumiditySensor", "PanelBoard", "HUMIDITY", Over(kBoardImage, 78, 188, 70, 24)},
    {Kind::Shape, "ShapePowerMonitor", "PanelBoard", "POWER MON", Over(kBoardImage, 78, 220, 70, 24)},
    {Kind::Shape, "ShapeDDR3", "PanelBoard", "DDR3", Over(kBoardImage, 160, 40, 90, 44)},
    {Kind::Shape, "ShapeSwitch", "PanelBoard", "SW", Over(kBoardImage, 160, 186, 100, 28)},
    {Kind::Shape, "ShapeFlash", "PanelBoard", "QSPI FLASH", Over(kBoardImage, 262, 40, 66, 30)},
    {Kind::Shape, "ShapeOSC", "PanelBoard", "CLOCK", Over(kBoardImage, 262, 78, 66, 22)},
    {Kind::Shape, "ShapeSMA_ADC", "PanelBoard", "SMA", Over(kBoardImage, 340, 40, 52, 34)},
    {Kind::Shape, "ShapeLED", "PanelBoard", "LED", Over(kBoardImage, 262, 110, 130, 16)},
    {Kind::Shape, "ShapeCapButton", "PanelBoard", "CAP. BUTTON", Over(kBoardImage, 262, 134, 130, 26)},
    {Kind::Shape, "ShapeButton", "PanelBoard", "KEY", Over(kBoardImage, 262, 170, 130, 48)},
    {Kind::Shape, "ShapeBBB_P8", "PanelBoard", "P8 (BBB)", Over(kBoardImage, 44, 270, 312, 22)},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting", {8, 412, 204, 46}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting", {221, 412, 204, 46}},
    {Kind::Button, "ButtonGen", nullptr, "Generate", {8, 466, 204, 46}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {221, 466, 204, 46}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 354, 507}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 62, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 8", {16, 84, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 2", {16, 106, 160, 20}},
    {Kind::CheckBox, "CheckBoxCapButton", "GroupBox1", "Cap. Button x 2", {16, 128, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 2", {16, 150, 160, 20}},
    {Kind::CheckBox, "CheckBoxHdmiTx", "GroupBox1", "HDMI TX", {16, 172, 160, 20}},
    {Kind::CheckBox, "CheckBoxTempSensor", "GroupBox1", "Temp. Sensor", {16, 194, 160, 20}},
    {Kind::CheckBox, "CheckBoxGSensor", "GroupBox1", "G-sensor", {16, 216, 160, 20}},
    {Kind::CheckBox, "CheckBoxUsb", "GroupBox1", "USB", {16, 238, 160, 20}},
    {Kind::CheckBox, "CheckBoxMIPI", "GroupBox1", "MIPI", {186, 62, 150, 20}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", {186, 84, 150, 20}},
    {Kind::CheckBox, "CheckBoxSdCard", "GroupBox1", "microSD Card", {186, 106, 150, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3 SDRAM", {186, 128, 150, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "QSPI Flash", {186, 150, 150, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio Codec", {186, 172, 150, 20}},
    {Kind::CheckBox, "CheckBoxLightSensor", "GroupBox1", "Light Sensor", {186, 194, 150, 20}},
    {Kind::CheckBox, "CheckBoxHumiditySensor", "GroupBox1", "Humidity Sensor", {186, 216, 150, 20}},
    {Kind::CheckBox, "CheckBoxPowerMonitor", "GroupBox1", "Power Monitor", {186, 238, 150, 20}},
    {Kind::CheckBox, "CheckBoxSmaADC", "GroupBox1", "??? SMA ADC", {186, 260, 150, 20}, kHidden},
    {Kind::Label, "Label1", "GroupBox1", "BBB Header", {14, 278, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxBBB", "GroupBox1", nullptr, {14, 300, 324, 24}},
    {Kind::Label, "Label2", "GroupBox1", "Prefix Name:", {14, 334, 80, 24}},
    {Kind::Edit, "EditPrefixBBB", "GroupBox1", nullptr, {96, 334, 110, 24}},
    {Kind::Slot, "SlotBBB", "GroupBox1", "No header card", {214, 330, 124, 80}},
    {Kind::Image, "ImageBBB", "GroupBox1", nullptr, {214, 330, 124, 80}},
    {Kind::Label, "LabelRevision", "GroupBox1", "Board Revision:", {14, 430, 100, 24}},
    {Kind::ComboBox, "ComboBoxBoardRev", "GroupBox1", nullptr, {120, 430, 120, 24}},
};

// Each device group: its check box, its record byte and the outline over its part.
constexpr DeviceGroup<TAMBLIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &TAMBLIN_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &TAMBLIN_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &TAMBLIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxCapButton", &TAMBLIN_CONFIG::bCapButton, {"ShapeCapButton"}},
    {"CheckBoxSwitch", &TAMBLIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxHdmiTx", &TAMBLIN_CONFIG::bHdmiTx, {"ShapeHdmiTx"}},
    {"CheckBoxTempSensor", &TAMBLIN_CONFIG::bTempSensor, {"ShapeTempSensor"}},
    {"CheckBoxGSensor", &TAMBLIN_CONFIG::bGSensor, {"ShapeGsensor"}},
    {"CheckBoxUsb", &TAMBLIN_CONFIG::bUsb, {"ShapeUsb"}},
    {"CheckBoxMIPI", &TAMBLIN_CONFIG::bMipi, {"ShapeMIPI"}},
    {"CheckBoxEthernet", &TAMBLIN_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxSdCard", &TAMBLIN_CONFIG::bSdCard, {"ShapeSdCard"}},
    {"CheckBoxDDR3", &TAMBLIN_CONFIG::bDdr3, {"ShapeDDR3"}},
    {"CheckBoxFlash", &TAMBLIN_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxAudio", &TAMBLIN_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxSmaADC", &TAMBLIN_CONFIG::bSmaAdc, {"ShapeSMA_ADC"}},
    {"CheckBoxLightSensor", &TAMBLIN_CONFIG::bLightSensor, {"ShapeLightSensor"}},
    {"CheckBoxHumiditySensor", &TAMBLIN_CONFIG::bHumiditySensor, {"ShapeHumiditySensor"}},
    {"CheckBoxPowerMonitor", &TAMBLIN_CONFIG::bPowerMonitor, {"ShapePowerMonitor"}},
};

// The picture of each header choice is that of a catalogue card; "None" has none.
constexpr uint8_t kBbbPictureIds[] = {DAUGHTER_NONE, DAUGHTER_BBB_DEFAULT, DAUGHTER_BBB_WIFI_BLE, DAUGHTER_BBB_MODE7};
static_assert(std::size(kBbbPictureIds) == std::size(BbbHeaderModes));

constexpr const char* kRevisionItems[] = {"revision A", "revision B", "revision C"};
constexpr const char* kBbbShapes[] = {"ShapeBBB_P8", "ShapeBBB_P9"};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeBBB_P9", pictures::Part::Header},     {"ShapeEthernet", pictures::Part::Jack},
    {"ShapeUsb", pictures::Part::Jack},          {"ShapeHdmiTx", pictures::Part::Jack},
    {"ShapeSdCard", pictures::Part::Jack},       {"ShapeAudio", pictures::Part::Jack},
    {"ShapeMIPI", pictures::Part::Header},       {"ShapeGsensor", pictures::Part::Chip},
    {"ShapeTempSensor", pictures::Part::Chip},   {"ShapeLightSensor", pictures::Part::Chip},
    {"ShapeHumiditySensor", pictures::Part::Chip}, {"ShapePowerMonitor", pictures::Part::Chip},
    {"ShapeDDR3", pictures::Part::Memory},       {"ShapeSwitch", pictures::Part::Switches},
    {"ShapeFlash", pictures::Part::Memory},      {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSMA_ADC", pictures::Part::Jack},      {"ShapeLED", pictures::Part::Leds},
    {"ShapeCapButton", pictures::Part::Chip},    {"ShapeButton", pictures::Part::Keys},
    {"ShapeBBB_P8", pictures::Part::Header},
};

QPixmap DrawTamblinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(160, 96, 90, 80), QStringLiteral("MAX 10"), pictures::Part::Chip},
            {QRect(160, 226, 100, 24), QStringLiteral("Tamblin"), pictures::Part::Silkscreen},
            {QRect(300, 226, 92, 36), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
        });
}

// The FPGA family's mark beside the maker's logo.
QPixmap DrawFpgaMark() { return pictures::DrawFamilyMark(QSize(120, 46), QStringLiteral("MAX 10")); }

}  // namespace

TFormTamblin::TFormTamblin(QWidget* owner)
    : TBoardForm(owner, kLayout, 794, 517, "Tamblin", {.outlinePen = 3}), m_Groups(this, kGroups)
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFpgaMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<QLineEdit>("EditPrefixBBB")->setMaxLength(static_cast<int>(kRecordTextMax));

    auto* bbb = Control<QComboBox>("ComboBoxBBB");
    connect(bbb, &QComboBox::activated, this, [this] { ComboBoxBBBChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();

    // Every start shows revision C and no SMA ADC, whatever "default.cfg" held; a loaded
    // file may bring either back until the form is made again.
    m_Settings.Config.nBoardRevision = TAMBLIN_REVISION_C;
    Control<QWidget>("ComboBoxBoardRev")->setVisible(false);
    Control<QWidget>("LabelRevision")->setVisible(false);
    auto* panel = Control<QWidget>("PanelBoard");
    panel->resize(panel->width(), kPanelHeight + kPanelGrowth);
    m_Settings.Config.bSmaAdc = 0;
    ConfigToForm();
}

TFormTamblin::~TFormTamblin() = default;

void TFormTamblin::DefaultConfig(TAMBLIN_CONFIG& config) const { ::DefaultConfig(config); }

void TFormTamblin::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormTamblin::FillComboBoxes()
{
    m_Settings.DaughterCount = static_cast<int32_t>(std::size(kBbbPictureIds));
    std::copy(std::begin(kBbbPictureIds), std::end(kBbbPictureIds), m_Settings.DaughterIds);

    auto* bbb = Control<QComboBox>("ComboBoxBBB");
    bbb->clear();
    for (const BBB_HEADER_MODE& mode : BbbHeaderModes) bbb->addItem(QString::fromLatin1(mode.text));
    bbb->setCurrentIndex(0);

    auto* revision = Control<QComboBox>("ComboBoxBoardRev");
    revision->clear();
    for (const char* item : kRevisionItems) revision->addItem(QString::fromLatin1(item));
    revision->setCurrentIndex(0);
}

void TFormTamblin::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormTamblin::ConfigToForm(const TAMBLIN_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);

    // Choices outside the lists, as a file may hold them, are shown as the board's defaults.
    const int entry = config.nBbbHeaderIndex < kBbbHeaderModeCount ? config.nBbbHeaderIndex : 0;
    Control<QComboBox>("ComboBoxBBB")->setCurrentIndex(entry);
    Control<QLineEdit>("EditPrefixBBB")
        ->setText(entry != 0 ? platform::qt::FromLatin1(ReadRecordText(config.szBbbPrefixName)) : QString());
    const bool knownRevision = config.nBoardRevision >= TAMBLIN_REVISION_A && config.nBoardRevision <= TAMBLIN_REVISION_C;
    Control<QComboBox>("ComboBoxBoardRev")->setCurrentIndex(knownRevision ? config.nBoardRevision : TAMBLIN_REVISION_C);

    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormTamblin::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormTamblin::FormToConfig(TAMBLIN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Tamblin;
    config.Size = sizeof(TAMBLIN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.nBbbHeaderIndex = static_cast<uint8_t>(BbbEntry());
    WriteRecordText(config.szBbbPrefixName, platform::qt::ToLatin1(Control<QLineEdit>("EditPrefixBBB")->text()));
    config.nBoardRevision = Control<QComboBox>("ComboBoxBoardRev")->currentIndex();
    return true;
}

int TFormTamblin::BbbEntry() const
{
    const int entry = Control<QComboBox>("ComboBoxBBB")->currentIndex();
    return entry >= 0 && entry < kBbbHeaderModeCount ? entry : 0;
}

void TFormTamblin::UpdateDaughterPictures()
{
    TFormMain::ShowDaughterPicture(Control<QLabel>("ImageBBB"), m_Settings.DaughterIds[BbbEntry()]);
}

void TFormTamblin::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const char* shape : kBbbShapes) Control<QWidget>(shape)->setVisible(BbbEntry() != 0);
}

bool TFormTamblin::ValidateInput() { return CheckProjectName(); }

bool TFormTamblin::GenerateProject(const std::string& projectFile)
{
    // A record of its own: the settings record keeps what was loaded or saved.
    TAMBLIN_CONFIG record = m_Settings.Config;
    FormToConfig(record);
    return GenerateTamblinProject(record, projectFile);
}

std::string TFormTamblin::BoardFolderWord() const { return "Tamblin"; }

void TFormTamblin::ComboBoxBBBChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterTamblinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawTamblinBoard);
    platform::qt::RegisterBitmap(kFpgaMark, DrawFpgaMark);
}

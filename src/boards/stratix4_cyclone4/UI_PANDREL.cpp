#include "boards/stratix4_cyclone4/UI_PANDREL.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "boards/stratix4_cyclone4/UI_PANDREL_GPIO.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/PrefixCheck.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kHidden;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Pandrel_BITMAP";
constexpr const char* kSelectorPicture = "Pandrel_400_BITMAP";
constexpr const char* kFamilyMark = "Pandrel_FAMILY_MARK";
constexpr const char* kVoltagePicture = "PANDREL_VOL";
constexpr const char* kVoltageLed = "PANDREL_VOL_LED_ON";
constexpr const char* kVoltageJumper = "PANDREL_VOL_JUMPER";

constexpr int PORT_C = 2;

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

// One HSMC port's controls inside "HSMC Expansion", its area's top left at (left, top):
// its title, the combo, the prefix box and the card picture beside them.
#define PANDREL_PORT(port, title, left, top, titleWidth)                                                     \
    {Kind::Label, "LabelHSMC_" port, "GroupBoxHSMC", title, {left + 12, top, titleWidth, 20}, kBold},          \
        {Kind::ComboBox, "ComboBoxHSMC_" port, "GroupBoxHSMC", nullptr, {left + 12, top + 22, 244, 24}},       \
        {Kind::Label, "LabelPrefix_" port, "GroupBoxHSMC", "Prefix Name:", {left + 12, top + 54, 80, 24}},     \
        {Kind::Edit, "EditHSMC_" port, "GroupBoxHSMC", nullptr, {left + 96, top + 54, 160, 24}},               \
        {Kind::Slot, "SlotHSMC_" port, "GroupBoxHSMC", "No card", {left + 262, top + 4, 124, 80}},             \
        {Kind::Image, "ImageHSMC_" port, "GroupBoxHSMC", nullptr, {left + 262, top + 4, 124, 80}}

// A generator output: its label, combo and unit.
#define PANDREL_PLL(combo, label, caption, top)                                                    \
    {Kind::Label, label, "GroupBoxPLL", caption, {14, top, 120, 24}},                                \
        {Kind::ComboBox, combo, "GroupBoxPLL", nullptr, {140, top, 110, 24}},                        \
        {Kind::Label, label "Unit", "GroupBoxPLL", "MHZ", {256, top, 40, 24}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 512}},
    {Kind::Label, "LabelBoardName", "Panel1", "Pandrel FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeHSMC_F", "Panel1", "HSMC-F", Over(kBoardImage, 20, 6, 110, 18)},
    {Kind::Shape, "ShapeHSMC_E", "Panel1", "HSMC-E", Over(kBoardImage, 145, 6, 110, 18)},
    {Kind::Shape, "ShapeHSMC_D", "Panel1", "HSMC-D", Over(kBoardImage, 270, 6, 110, 18)},
    {Kind::Shape, "ShapeHSMC_C", "Panel1", "HSMC-C", Over(kBoardImage, 20, 236, 110, 18)},
    {Kind::Shape, "ShapeHSMC_B", "Panel1", "HSMC-B", Over(kBoardImage, 145, 236, 110, 18)},
    {Kind::Shape, "ShapeHSMC_A", "Panel1", "HSMC-A", Over(kBoardImage, 270, 236, 110, 18)},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 20, 210, 52, 18)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 78, 210, 52, 18)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 6, 34, 34, 168)},
    {Kind::Shape, "ShapeExtPll_0", "Panel1", "PLL 0", Over(kBoardImage, 50, 34, 40, 18)},
    {Kind::Shape, "ShapeExtPll_1", "Panel1", "PLL 1", Over(kBoardImage, 50, 58, 40, 18)},
    {Kind::Shape, "ShapeExtPll_2", "Panel1", "PLL 2", Over(kBoardImage, 50, 82, 40, 18)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 50, 106, 40, 18)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 50, 130, 40, 18)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 50, 154, 40, 18)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 50, 178, 40, 18)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 256, 34, 44, 30)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 306, 34, 44, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 256, 80, 94, 14)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 256, 104, 94, 26)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SWITCH", Over(kBoardImage, 256, 142, 94, 20)},
    {Kind::Shape, "ShapePCIe_0", "Panel1", "PCIe 0", Over(kBoardImage, 360, 34, 32, 80)},
    {Kind::Shape, "ShapePCIe_1", "Panel1", "PCIe 1", Over(kBoardImage, 360, 122, 32, 80)},
    {Kind::Label, "LabelVoltage", "Panel1", "HSMC I/O voltage jumpers:", {8, 298, 200, 20}},
    {Kind::Image, "ImageVol", "Panel1", nullptr, {40, 320, 120, 111}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {8, 440, 130, 30}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {143, 440, 130, 30}},
    {Kind::Button, "ButtonDefaultSetting", "Panel1", "Default Setting", {278, 440, 130, 30}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate...", {8, 474, 196, 32}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 474, 196, 32}},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 391, 250}},
    {Kind::Label, "LabelBoard", "GroupBox1", "Board Type:", {14, 24, 92, 24}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBox1", nullptr, {110, 24, 265, 24}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 54, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 54, 265, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 88, 176, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  4", {16, 109, 176, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 130, 176, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 4", {16, 151, 176, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 172, 176, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {16, 193, 176, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3 SODIMM", {16, 214, 176, 20}},
    {Kind::CheckBox, "CheckBoxPCIe0", "GroupBox1", "PCIe 0", {200, 88, 176, 20}},
    {Kind::CheckBox, "CheckBoxPCIe1", "GroupBox1", "PCIe 1", {200, 109, 176, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {200, 130, 176, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM (2MB)", {200, 151, 176, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (64MB)", {200, 172, 176, 20}},
    {Kind::CheckBox, "CheckBoxExtPLL", "GroupBox1", "Programmable PLL", {200, 193, 176, 20}},
    {Kind::GroupBox, "GroupBoxPLL", nullptr, "Programmable PLL", {432, 262, 391, 110}},
    PANDREL_PLL("ComboBoxPLL_HSMA", "LabelPLL_HSMA", "HSMA_REFCLK:", 22),
    PANDREL_PLL("ComboBoxPLL_HSME", "LabelPLL_HSME", "HSME_REFCLK:", 50),
    PANDREL_PLL("ComboBoxPLL_GXB", "LabelPLL_GXB", "PGM_GXBCLK:", 78),
    {Kind::GroupBox, "GroupBoxHSMC", nullptr, "HSMC Expansion", {8, 574, 815, 312}},
    PANDREL_PORT("A", "HSMC-A (Transceiver x 8)", 0, 20, 240),
    PANDREL_PORT("B", "HSMC-B", 405, 20, 240),
    PANDREL_PORT("C", "HSMC-C/GPIO", 0, 116, 110),
    PANDREL_PORT("D", "HSMC-D", 405, 116, 240),
    PANDREL_PORT("E", "HSMC-E (Transceiver x 8)", 0, 212, 240),
    PANDREL_PORT("F", "HSMC-F", 405, 212, 240),
    {Kind::ComboBox, "ComboBoxHsmcGpio", "GroupBoxHSMC", nullptr, {126, 114, 90, 22}},
    {Kind::Label, "LabelGPIO", "GroupBoxHSMC", nullptr, {12, 138, 244, 48}, kHidden},
    {Kind::Button, "ButtonGpio", "GroupBoxHSMC", "GPIO Edit", {12, 190, 120, 24}, kHidden},
};

#undef PANDREL_PORT
#undef PANDREL_PLL

using P = PANDREL_CONFIG;

constexpr DeviceGroup<P> kGroups[] = {
    {"CheckBoxOSC", &P::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &P::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &P::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &P::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSma", &P::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &P::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR3", &P::bDDR3, {"ShapeDDR3"}},
    {"CheckBoxPCIe0", &P::bPCIe0, {"ShapePCIe_0"}},
    {"CheckBoxPCIe1", &P::bPCIe1, {"ShapePCIe_1"}},
    {"CheckBoxFan", &P::bFan, {"ShapeFan"}},
    {"CheckBoxSSRAM", &P::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxFlash", &P::bFlash, {"ShapeFlash"}},
    {"CheckBoxExtPLL", &P::bExtPLL, {"ShapeExtPll_0", "ShapeExtPll_1", "ShapeExtPll_2"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeHSMC_A", pictures::Part::Header},   {"ShapeHSMC_B", pictures::Part::Header},
    {"ShapeHSMC_C", pictures::Part::Header},   {"ShapeHSMC_D", pictures::Part::Header},
    {"ShapeHSMC_E", pictures::Part::Header},   {"ShapeHSMC_F", pictures::Part::Header},
    {"ShapeGpio0", pictures::Part::Header},    {"ShapeGpio1", pictures::Part::Header},
    {"ShapeDDR3", pictures::Part::Memory},     {"ShapeExtPll_0", pictures::Part::Chip},
    {"ShapeExtPll_1", pictures::Part::Chip},   {"ShapeExtPll_2", pictures::Part::Chip},
    {"ShapeOSC", pictures::Part::Oscillator},  {"ShapeSma", pictures::Part::Jack},
    {"ShapeTemp", pictures::Part::Chip},       {"ShapeFan", pictures::Part::Chip},
    {"ShapeFlash", pictures::Part::Memory},    {"ShapeSSRAM", pictures::Part::Memory},
    {"ShapeLED", pictures::Part::Leds, 4},     {"ShapeButton", pictures::Part::Keys, 4},
    {"ShapeSwitch", pictures::Part::Switches, 4}, {"ShapePCIe_0", pictures::Part::Header},
    {"ShapePCIe_1", pictures::Part::Header},
};

QPixmap DrawPandrelBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(120, 56, 110, 110), QStringLiteral("Stratix IV GX"), pictures::Part::Chip},
            {QRect(120, 174, 110, 20), QStringLiteral("Pandrel"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawFamilyMark() { return pictures::DrawFamilyMark(QSize(120, 46), QStringLiteral("Stratix IV GX")); }

// The jumper picture: where each port's jumper and its two LEDs lie.
struct JumperPlace {
    int x, y;
};
constexpr JumperPlace kJumpers[] = {{91, 72}, {63, 72}, {35, 72}, {91, 30}, {63, 30}, {35, 30}};
constexpr int kLevelStep = 8;
constexpr int kLedY = 6;
constexpr double kLedPitch = 7.61;
constexpr QSize kJumperSize{14, 7};
constexpr QSize kLedSize{6, 6};
const char* const kLevelNames[] = {"1.5", "1.8", "2.5", "3.0", "3.3"};

int FirstLedX(int port) { return static_cast<int>(87 - port * 2 * kLedPitch); }
int SecondLedX(int port) { return static_cast<int>(FirstLedX(port) - kLedPitch); }

// The board's jumper field: five pin pairs per port, one per level, the levels named on
// the left, each port named beside its column, and every LED dark.
QPixmap DrawVoltageBase()
{
    QPixmap picture(120, 111);
    picture.fill(QColor(0x1E, 0x5A, 0x32));
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(7);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int level = 0; level < 5; ++level)
        for (int row : {30, 72})
            pictures::DrawText(painter, QRect(2, row + kLevelStep * level - 1, 30, 9),
                               Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kLevelNames[level]));
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        const JumperPlace& place = kJumpers[port];
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xC8, 0xAA, 0x50));
        for (int level = 0; level < 5; ++level) {
            painter.drawRect(place.x + 2, place.y + kLevelStep * level + 2, 3, 3);
            painter.drawRect(place.x + 9, place.y + kLevelStep * level + 2, 3, 3);
        }
        painter.setBrush(QColor(0x40, 0x10, 0x10));
        painter.drawEllipse(QRect(QPoint(FirstLedX(port), kLedY), kLedSize));
        painter.drawEllipse(QRect(QPoint(SecondLedX(port), kLedY), kLedSize));
        // The port's letter beside its first pin pair: above the column, the letters of the lower
        // ports would lie on the last pins of the upper ones.
        painter.setPen(Qt::white);
        pictures::DrawText(painter, QRect(place.x + kJumperSize.width(), place.y - 1, 10, 9),
                           Qt::AlignLeft | Qt::AlignVCenter, QString(QChar('A' + port)));
    }
    return picture;
}

QPixmap DrawVoltageLed()
{
    QPixmap led(kLedSize);
    led.fill(Qt::transparent);
    QPainter painter(&led);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0x30, 0x20));
    painter.drawEllipse(QRect(QPoint(0, 0), kLedSize));
    return led;
}

QPixmap DrawVoltageJumper()
{
    QPixmap jumper(kJumperSize);
    jumper.fill(QColor(0x10, 0x10, 0x10));
    return jumper;
}

// The two black lines of the hint beside the jumper picture.
class THintLines : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(0, 0, width(), 0);
        painter.drawLine(0, 50, width(), height());
    }
};

// The first entry of the list holding the card; -1 when it holds none.
int EntryOf(std::span<const uint8_t> cards, uint8_t card)
{
    const auto found = std::find(cards.begin(), cards.end(), card);
    return found == cards.end() ? -1 : static_cast<int>(found - cards.begin());
}

}  // namespace

TFormPandrel::TFormPandrel(QWidget* owner)
    : TBoardForm(owner, kLayout, 828, 891, "Varnholt Pandrel V1.1.0",
                 {.outlinePen = 3,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::WarningsThenBox,
                  .defaultButton = "ButtonExit"}),
      m_Groups(this, kGroups),
      m_BoardType(Control<QComboBox>("ComboBoxBoard")),
      m_HsmcGpio(Control<QComboBox>("ComboBoxHsmcGpio")),
      m_Pll(this, {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSME", "ComboBoxPLL_GXB"}),
      m_Hsmc{{this, "ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", {"ShapeHSMC_A"}},
             {this, "ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", {"ShapeHSMC_B"}},
             {this, "ComboBoxHSMC_C", "EditHSMC_C", "ImageHSMC_C", {"ShapeHSMC_C"}},
             {this, "ComboBoxHSMC_D", "EditHSMC_D", "ImageHSMC_D", {"ShapeHSMC_D"}},
             {this, "ComboBoxHSMC_E", "EditHSMC_E", "ImageHSMC_E", {"ShapeHSMC_E"}},
             {this, "ComboBoxHSMC_F", "EditHSMC_F", "ImageHSMC_F", {"ShapeHSMC_F"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<QCheckBox>("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 1066 data rate"));
    auto* hint = new THintLines(Control<QWidget>("Panel1"));
    hint->setObjectName(QStringLiteral("PaintBoxHint"));
    hint->setGeometry(12, 321, 24, 108);
    for (const TConnectorControls& port : m_Hsmc)
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    connect(m_HsmcGpio, &QComboBox::activated, this, [this] { ComboBoxHsmcGpioChange(); });
    connect(m_BoardType, &QComboBox::activated, this, [this] { ComboBoxBoardChange(); });
    connect(Control<QPushButton>("ButtonGpio"), &QPushButton::clicked, this, [this] { ButtonGpioClick(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
    UpdateGpioLabel();
}

TFormPandrel::~TFormPandrel() = default;

bool TFormPandrel::IsGpioMode() const { return m_HsmcGpio->currentIndex() == 1; }

void TFormPandrel::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormPandrel::FillComboBoxes()
{
    m_BoardType->clear();
    for (const char* type : kPandrelBoardTypes) m_BoardType->addItem(QString::fromLatin1(type));
    m_BoardType->setCurrentIndex(0);
    // The generic card's voltage variants the jumpers allow, after the listed cards.
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    for (uint8_t card : kPandrelPortVariants) m_Settings.AppendDaughterId(card);
    m_XcvrCards.BuildDaughterList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    for (uint8_t card : kPandrelTransceiverPortVariants) m_XcvrCards.AppendDaughterId(card);
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].SetCards(CardsOf(PandrelTransceiverPort(port) ? m_XcvrCards : m_Settings));
    m_HsmcGpio->clear();
    m_HsmcGpio->addItems({QStringLiteral("HSMC"), QStringLiteral("GPIO")});
    m_HsmcGpio->setCurrentIndex(0);
    m_Pll.Fill();
    // The joined headers take the 40-pin cards too.
    m_GpioCards.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    if (!m_GpioDialog) m_GpioDialog = new TFormGPIO(this);
    m_GpioDialog->SetCardList(m_GpioCards);
}

void TFormPandrel::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormPandrel::ConfigToForm(const PANDREL_CONFIG& config)
{
    // A variant no form stores shows as the first.
    m_BoardType->setCurrentIndex(config.nBoardType < std::size(kPandrelBoardTypes) ? config.nBoardType : 0);
    SetProjectName(ReadRecordText(config.szProjectName));
    m_Groups.ToForm(config);
    m_HsmcGpio->setCurrentIndex(config.bHsmcCIsGpio ? 1 : 0);
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].ShowListed(config.nHsmcDaughterId[port], ReadRecordText(config.szHSMCPrefixName[port]));
    const auto gpioCards = CardsOf(m_GpioCards);
    for (int header : {GPIO_0, GPIO_1}) {
        const int entry = EntryOf(gpioCards, config.nGpioDaughterId[header]);
        if (entry < 0) continue;
        const std::string prefix = ReadRecordText(config.szGpioPrefixName[header]);
        if (header == GPIO_0) {
            m_GpioDialog->SetGpio0Index(entry);
            m_GpioDialog->SetGpio0Prefix(prefix);
        } else {
            m_GpioDialog->SetGpio1Index(entry);
            m_GpioDialog->SetGpio1Prefix(prefix);
        }
    }
    UpdateDaughterPictures();
    UpdateShapes();
    m_Pll.Show(Control<QCheckBox>("CheckBoxExtPLL")->isChecked(), config.nExtPllSetting);
    UpdateVoltagePicture();
    UpdateGpioLabel();
}

bool TFormPandrel::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormPandrel::FormToConfig(PANDREL_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Pandrel;
    config.Size = sizeof(PANDREL_CONFIG);
    config.nBoardType = static_cast<uint8_t>(std::max(0, m_BoardType->currentIndex()));
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    config.bHsmcCIsGpio = IsGpioMode() ? 1 : 0;
    // Port C and the headers are both kept, whichever the switch shows.
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        config.nHsmcDaughterId[port] = m_Hsmc[port].Card();
        WriteRecordText(config.szHSMCPrefixName[port], m_Hsmc[port].PrefixText());
    }
    for (int header : {GPIO_0, GPIO_1}) {
        config.nGpioDaughterId[header] = m_GpioDialog->KeptCard(header);
        WriteRecordText(config.szGpioPrefixName[header],
                        header == GPIO_0 ? m_GpioDialog->Gpio0Prefix() : m_GpioDialog->Gpio1Prefix());
    }
    // The stored codes stay while the generator is not used.
    if (config.bExtPLL) m_Pll.Read(config.nExtPllSetting);
    return true;
}

void TFormPandrel::UpdateDaughterPictures()
{
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        if (port == PORT_C && IsGpioMode())
            m_Hsmc[port].Image->hide();
        else
            m_Hsmc[port].UpdatePicture();
    }
}

void TFormPandrel::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& port : m_Hsmc) port.UpdateOutlines();
    if (IsGpioMode()) m_Hsmc[PORT_C].Outlines.front()->hide();
    const bool kept[2] = {m_GpioDialog->Gpio0Index() != 0, m_GpioDialog->Gpio1Index() != 0};
    Control<QWidget>("ShapeGpio0")->setVisible(IsGpioMode() && kept[GPIO_0]);
    Control<QWidget>("ShapeGpio1")->setVisible(IsGpioMode() && kept[GPIO_1]);
}

void TFormPandrel::UpdatePllCombos()
{
    m_Pll.Follow(Control<QCheckBox>("CheckBoxExtPLL")->isChecked(), m_Settings.Config.nExtPllSetting);
}

void TFormPandrel::UpdateGpioLabel()
{
    const bool gpio = IsGpioMode();
    const TConnectorControls& portC = m_Hsmc[PORT_C];
    portC.Combo->setVisible(!gpio);
    portC.Prefix->setVisible(!gpio);
    Control<QWidget>("LabelPrefix_C")->setVisible(!gpio);
    if (gpio)
        portC.Image->hide();
    else
        portC.UpdatePicture();
    auto* label = Control<QLabel>("LabelGPIO");
    label->setVisible(gpio);
    Control<QWidget>("ButtonGpio")->setVisible(gpio);
    label->setText(platform::qt::FromLatin1(platform::Format("GPIO 0:%s\r\nGPIO 1:%s",
                                                             BoardName(m_GpioDialog->KeptCard(GPIO_0)).c_str(),
                                                             BoardName(m_GpioDialog->KeptCard(GPIO_1)).c_str())));
}

int TFormPandrel::VoltageLevel(int port) const
{
    if (port == PORT_C && IsGpioMode())
        // Without a GPIO card the port is as any port without a card.
        return m_GpioDialog->KeptCard(GPIO_0) || m_GpioDialog->KeptCard(GPIO_1) ? 3 : 2;
    if (m_Hsmc[port].Entry() < 1) return 2;
    switch (BoardIoStandard(m_Hsmc[port].Card())) {
    case 0: return 0;
    case 3: return 1;
    case 8: return 4;
    case 39: return 3;
    default: return 2;
    }
}

void TFormPandrel::UpdateVoltagePicture()
{
    m_VoltagePicture = platform::qt::LoadBitmap(kVoltagePicture);
    const QPixmap led = platform::qt::LoadBitmap(kVoltageLed);
    const QPixmap jumper = platform::qt::LoadBitmap(kVoltageJumper);
    {
        QPainter painter(&m_VoltagePicture);
        for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
            const int level = VoltageLevel(port);
            painter.drawPixmap(kJumpers[port].x, kJumpers[port].y + kLevelStep * level, jumper);
            if (level == 1 || level == 3) painter.drawPixmap(FirstLedX(port), kLedY, led);
            if (level == 2 || level == 3) painter.drawPixmap(SecondLedX(port), kLedY, led);
        }
    }
    Control<formlayout::TImage>("ImageVol")->SetPicture(m_VoltagePicture);
}

void TFormPandrel::CheckBoxClick(const QObject*)
{
    UpdateDaughterPictures();
    UpdateShapes();
    UpdatePllCombos();
}

// The HSMC check runs on the prefixes as typed: two default cards without prefixes are
// refused, although Generate would give both "HSM_".
bool TFormPandrel::ValidateInput()
{
    if (!CheckProjectName()) return false;
    std::string message;
    if (IsGpioMode()) {
        const uint8_t cards[2] = {m_GpioDialog->KeptCard(GPIO_0), m_GpioDialog->KeptCard(GPIO_1)};
        const std::string prefixes[2] = {m_GpioDialog->Gpio0Prefix(), m_GpioDialog->Gpio1Prefix()};
        if (!CheckGpioPrefixNames(2, cards, prefixes, message)) {
            platform::ErrorBox(message);
            return false;
        }
    }
    uint8_t cards[PANDREL_CONFIG::kHsmcPorts];
    std::string prefixes[PANDREL_CONFIG::kHsmcPorts];
    for (int port = 0; port < PANDREL_CONFIG::kHsmcPorts; ++port) {
        const bool unused = port == PORT_C && IsGpioMode();
        cards[port] = unused ? 0 : m_Hsmc[port].Card();
        prefixes[port] = m_Hsmc[port].PrefixText();
    }
    if (!CheckHsmcPrefixNames(PANDREL_CONFIG::kHsmcPorts, cards, prefixes, message)) {
        platform::ErrorBox(message);
        return false;
    }
    return true;
}

bool TFormPandrel::GenerateProject(const std::string& projectFile)
{
    // The default prefixes go into the form's record; the prefix boxes stay as they are.
    FormToConfig(m_Settings.Config);
    m_Settings.Config = PandrelProjectRecord(m_Settings.Config);
    return GeneratePandrelProject(m_Settings.Config, projectFile);
}

std::string TFormPandrel::BoardFolderWord() const { return "Pandrel"; }

std::string TFormPandrel::GenerateAdvice() const
{
    auto ticked = [this](const char* box) { return Control<QCheckBox>(box)->isChecked(); };
    std::string advice;
    if (ticked("CheckBoxDDR3")) advice += MemoryControllerNote("DDR3");
    std::string pcie;
    if (ticked("CheckBoxPCIe0")) pcie = "PCIe0";
    if (ticked("CheckBoxPCIe1")) pcie += pcie.empty() ? "PCIe1" : "//PCIe1";
    const std::string tail = "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                             "transceiver signals in the top level entity if they are not in use or add the Altera \r\n";
    if (!pcie.empty())
        advice += platform::Format("===== %s  PCI Express Pinwright warning =====\r\n", pcie.c_str()) + tail +
                  "PCI Express IP to your design.\r\n\r\n";
    if (BoardNeedsTransceiver(m_Hsmc[0].Card()) || BoardNeedsTransceiver(m_Hsmc[4].Card()))
        advice += platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", "HSMC") + tail +
                  "Transceiver IP to your design.\r\n\r\n";
    return advice;
}

void TFormPandrel::ShowGenerateWarnings()
{
    const std::string advice = GenerateAdvice();
    if (!advice.empty()) platform::InformationBox(advice);
}

void TFormPandrel::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
    UpdateVoltagePicture();
}

void TFormPandrel::ComboBoxHsmcGpioChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
    UpdateGpioLabel();
    UpdateVoltagePicture();
}

void TFormPandrel::ComboBoxBoardChange()
{
    FormToConfig();
    ConfigToForm();
}

void TFormPandrel::ButtonGpioClick()
{
    if (m_GpioDialog->exec() != QDialog::Accepted) return;
    UpdateDaughterPictures();
    UpdateShapes();
    UpdateGpioLabel();
    UpdateVoltagePicture();
}

void RegisterPandrelPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawPandrelBoard);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawPandrelBoard);
    platform::qt::RegisterBitmap(kFamilyMark, DrawFamilyMark);
    platform::qt::RegisterBitmap(kVoltagePicture, DrawVoltageBase);
    platform::qt::RegisterBitmap(kVoltageLed, DrawVoltageLed);
    platform::qt::RegisterBitmap(kVoltageJumper, DrawVoltageJumper);
}

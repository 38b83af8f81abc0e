#include "boards/early/UI_ORLENN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Orlenn_BITMAP";
constexpr const char* kFamilyMark = "Orlenn_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 460};

// The check boxes stand in two columns of the group box.
constexpr Rect LeftBox(int row) { return {16, 92 + 21 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 92 + 21 * row, 160, 20}; }

// One connector's row inside the group box, from `top` down: its label, the card combo, the
// prefix box and the card picture beside them.
#define ORLENN_ROW(port, caption, top)                                                                \
    {Kind::Label, "Label" port, "GroupBox1", caption, {14, top, 200, 20}, kBold},                      \
        {Kind::ComboBox, "ComboBox" port, "GroupBox1", nullptr, {14, top + 22, 230, 24}},              \
        {Kind::Label, "LabelPrefix" port, "GroupBox1", "Prefix Name:", {14, top + 54, 80, 24}},        \
        {Kind::Edit, "EditPrefix" port, "GroupBox1", nullptr, {96, top + 54, 148, 24}},                \
        {Kind::Slot, "Slot" port, "GroupBox1", "No card", {252, top + 4, 98, 76}},                     \
        {Kind::Image, "Image" port, "GroupBox1", nullptr, {252, top + 4, 98, 76}}

constexpr int kKelpinATop = 314;

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 626}},
    {Kind::Label, "LabelBoardName", "Panel1", "Orlenn FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeKelpinA", "Panel1", "KELPIN-A", Over(kBoardImage, 10, 8, 180, 22)},
    {Kind::Shape, "ShapeKelpinB", "Panel1", "KELPIN-B", Over(kBoardImage, 210, 8, 180, 22)},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 10, 38, 86, 16)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 104, 38, 86, 16)},
    {Kind::Shape, "ShapeDDR2", "Panel1", "DDR2 SO-DIMM", Over(kBoardImage, 210, 38, 180, 28)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 10, 76, 60, 26)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 80, 76, 40, 26)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 10, 114, 60, 26)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB OTG", Over(kBoardImage, 290, 84, 100, 40)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD CARD", Over(kBoardImage, 290, 136, 100, 36)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 10, 272, 380, 16)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 10, 302, 80, 40)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 104, 302, 110, 34)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 228, 302, 162, 34)},
    {Kind::Shape, "ShapeDIP", "Panel1", "DIP", Over(kBoardImage, 10, 356, 120, 30)},
    {Kind::Shape, "ShapeKelpinC", "Panel1", "KELPIN-C", Over(kBoardImage, 10, 428, 180, 22)},
    {Kind::Shape, "ShapeKelpinD", "Panel1", "KELPIN-D", Over(kBoardImage, 210, 428, 180, 22)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 363, 677}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 238, 24}},
    {Kind::Label, "LabelBoardType", "GroupBox1", "Board Type: ", {14, 58, 92, 24}},
    {Kind::ComboBox, "ComboBoxBoardType", "GroupBox1", nullptr, {110, 58, 238, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 24", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 18", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxDIP", "GroupBox1", "DIP Switch x 8", LeftBox(5)},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SDCARD", RightBox(0)},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", RightBox(1)},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB", RightBox(2)},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", RightBox(3)},
    {Kind::CheckBox, "CheckBoxGPIO", "GroupBox1", "GPIO Header", RightBox(4)},
    {Kind::CheckBox, "CheckBoxDDR2", "GroupBox1", "DDR2 SODIMM", RightBox(5)},
    ORLENN_ROW("Gpio0", "GPIO-0", 226),
    ORLENN_ROW("KelpinA", "Kelpin-A", kKelpinATop),
    // GPIO-1 stands where Kelpin-A does; its card shows in Kelpin-A's picture.
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {14, kKelpinATop + 22, 230, 24}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {96, kKelpinATop + 54, 148, 24}},
    ORLENN_ROW("KelpinB", "Kelpin-B", 402),
    ORLENN_ROW("KelpinC", "Kelpin-C", 490),
    ORLENN_ROW("KelpinD", "Kelpin-D", 578),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {8, 508, 196, 50}},
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {212, 508, 196, 50}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 566, 196, 50}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 566, 196, 50}},
};

#undef ORLENN_ROW

// "GPIO Header" has no outline: the headers' outlines follow their combos.
constexpr DeviceGroup<ORLENN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &ORLENN_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &ORLENN_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &ORLENN_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &ORLENN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &ORLENN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxDIP", &ORLENN_CONFIG::bDIP, {"ShapeDIP"}},
    {"CheckBoxSDCARD", &ORLENN_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxSma", &ORLENN_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxUSB", &ORLENN_CONFIG::bUSB, {"ShapeUSB"}},
    {"CheckBoxTemp", &ORLENN_CONFIG::bTemp, {"ShapeTemp"}},
    {"CheckBoxGPIO", &ORLENN_CONFIG::bGPIO, {}},
    {"CheckBoxDDR2", &ORLENN_CONFIG::bDDR2, {"ShapeDDR2"}},
};

// The names the Kelpin check gives the four connectors, in the form's order.
constexpr const char* kKelpinNames[ORLENN_CONFIG::kKelpinPorts] = {"Kelpin-A", "Kelpin-B", "Kelpin-C", "Kelpin-D"};

// The controls of the GPIO-0 row besides its combo and prefix box.
constexpr const char* kGpio0Row[] = {"LabelGpio0", "LabelPrefixGpio0", "SlotGpio0"};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeKelpinA", pictures::Part::Header},  {"ShapeKelpinB", pictures::Part::Header},
    {"ShapeGpio0", pictures::Part::Header},    {"ShapeGpio1", pictures::Part::Header},
    {"ShapeDDR2", pictures::Part::Memory},     {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSma", pictures::Part::Jack},        {"ShapeTemp", pictures::Part::Chip},
    {"ShapeUSB", pictures::Part::Chip},        {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapeLED", pictures::Part::Leds, 24},    {"ShapeSeg7", pictures::Part::Seg7, 2},
    {"ShapeButton", pictures::Part::Keys, 4},  {"ShapeSwitch", pictures::Part::Switches, 4},
    {"ShapeDIP", pictures::Part::Switches, 8}, {"ShapeKelpinC", pictures::Part::Header},
    {"ShapeKelpinD", pictures::Part::Header},
};

QPixmap DrawOrlennBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(130, 90, 140, 140), QStringLiteral("Stratix III"), pictures::Part::Chip},
            {QRect(290, 190, 100, 34), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(150, 240, 100, 20), QStringLiteral("Orlenn"), pictures::Part::Silkscreen},
            {QRect(228, 356, 162, 30), QStringLiteral("DC IN"), pictures::Part::Jack},
        });
}

}  // namespace

TFormOrlenn::TFormOrlenn(QWidget* owner)
    : TBoardForm(owner, kLayout, 803, 688, "Orlenn",
                 {.outlinePen = 3,
                  .savesDefault = DefaultSave::OnDestroy,
                  .successReport = SuccessReport::None,
                  .formColour = false}),
      m_Groups(this, kGroups),
      m_BoardType(Control<QComboBox>("ComboBoxBoardType")),
      m_Kelpin{{this, "ComboBoxKelpinA", "EditPrefixKelpinA", "ImageKelpinA", {"ShapeKelpinA"}},
               {this, "ComboBoxKelpinB", "EditPrefixKelpinB", "ImageKelpinB", {"ShapeKelpinB"}},
               {this, "ComboBoxKelpinC", "EditPrefixKelpinC", "ImageKelpinC", {"ShapeKelpinC"}},
               {this, "ComboBoxKelpinD", "EditPrefixKelpinD", "ImageKelpinD", {"ShapeKelpinD"}}},
      m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
             {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageKelpinA", {"ShapeGpio1"}}}
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    // Only a pick of the user runs the handler: entries set from code raise none.
    for (const TConnectorControls* port : {&m_Kelpin[0], &m_Kelpin[1], &m_Kelpin[2], &m_Kelpin[3], &m_Gpio[0],
                                           &m_Gpio[1]})
        connect(port->Combo, &QComboBox::activated, this, [this, combo = port->Combo] { ComboBoxChange(combo); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormOrlenn::~TFormOrlenn() = default;

void TFormOrlenn::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormOrlenn::FillComboBoxes()
{
    m_BoardType->clear();
    for (const OrlennBoardType& type : kOrlennBoardTypes) m_BoardType->addItem(QString::fromLatin1(type.text));
    m_BoardType->setCurrentIndex(0);
    m_Settings.BuildDaughterList(CONNECTOR_Kelpin, false, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Kelpin) port.SetCards(CardsOf(m_Settings));
    m_GpioCards.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_GpioCards));
}

bool TFormOrlenn::GpioTicked() const { return Control<QCheckBox>("CheckBoxGPIO")->isChecked(); }
bool TFormOrlenn::Ddr2Ticked() const { return Control<QCheckBox>("CheckBoxDDR2")->isChecked(); }

bool TFormOrlenn::KelpinInUse(int port) const
{
    return !(port == 0 && GpioTicked()) && !(port == 1 && Ddr2Ticked());
}

void TFormOrlenn::ShowGpioOrKelpinA(const char* gpioLabel)
{
    const bool gpio = GpioTicked();
    Control<QLabel>("LabelKelpinA")->setText(QString::fromLatin1(gpio ? gpioLabel : "Kelpin-A"));
    for (const char* name : kGpio0Row) Control<QWidget>(name)->setVisible(gpio);
    for (const TConnectorControls& header : m_Gpio) {
        header.Combo->setVisible(gpio);
        header.Prefix->setVisible(gpio);
    }
    m_Kelpin[0].Combo->setVisible(!gpio);
    m_Kelpin[0].Prefix->setVisible(!gpio);
}

void TFormOrlenn::ShowDdr2OrKelpinB()
{
    const bool ddr2 = Ddr2Ticked();
    if (ddr2) {
        m_Kelpin[1].Combo->setCurrentIndex(0);
        m_Kelpin[1].Prefix->clear();
    }
    m_Kelpin[1].Combo->setEnabled(!ddr2);
}

void TFormOrlenn::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormOrlenn::ConfigToForm(const ORLENN_CONFIG& config)
{
    SetProjectName(ReadRecordText(config.szProjectName));
    m_BoardType->setCurrentIndex(OrlennBoardTypeEntry(config.nBoardType));
    m_Groups.ToForm(config);
    ShowGpioOrKelpinA("GPIO-1 Header");
    // The headers are paired only while they are on the board.
    if (config.bGPIO) ShowGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port)
        if (KelpinInUse(port))
            m_Kelpin[port].ShowListed(config.nKelpinDaughterId[port], ReadRecordText(config.szKelpinPrefixName[port]));
    ShowDdr2OrKelpinB();
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormOrlenn::FormToConfig() { return FormToConfig(m_Settings.Config); }

bool TFormOrlenn::FormToConfig(ORLENN_CONFIG& config) const
{
    config.BoardId = MAINBOARD_Orlenn;
    config.nBoardType = static_cast<uint8_t>(OrlennBoardTypeEntry(static_cast<uint8_t>(m_BoardType->currentIndex())));
    config.Size = sizeof(ORLENN_CONFIG);
    WriteRecordText(config.szProjectName, ProjectName());
    m_Groups.FromForm(config);
    if (GpioTicked()) {
        ReadGpioHeaders(m_Gpio, config.nGpioDaughterId, config.szGpioPrefixName);
    } else {
        for (int h : {GPIO_0, GPIO_1}) {
            config.nGpioDaughterId[h] = DAUGHTER_NONE;
            WriteRecordText(config.szGpioPrefixName[h], "");
        }
    }
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port) {
        const bool inUse = KelpinInUse(port);
        config.nKelpinDaughterId[port] = inUse ? m_Kelpin[port].Card() : DAUGHTER_NONE;
        WriteRecordText(config.szKelpinPrefixName[port], inUse ? m_Kelpin[port].PrefixText() : "");
    }
    return true;
}

void TFormOrlenn::UpdateDaughterPictures()
{
    if (GpioTicked()) {
        for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
    } else {
        m_Gpio[GPIO_0].Image->setVisible(false);
        m_Kelpin[0].UpdatePicture();
    }
    // The memory module has no card picture: Kelpin-B's shows nothing while it is ticked.
    if (Ddr2Ticked()) m_Kelpin[1].Image->setVisible(false);
    else m_Kelpin[1].UpdatePicture();
    m_Kelpin[2].UpdatePicture();
    m_Kelpin[3].UpdatePicture();
}

void TFormOrlenn::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    const bool gpio = GpioTicked();
    for (const TConnectorControls& header : m_Gpio) {
        header.UpdateOutlines();
        if (!gpio)
            for (QWidget* outline : header.Outlines) outline->setVisible(false);
    }
    for (int port = 0; port < ORLENN_CONFIG::kKelpinPorts; ++port) {
        m_Kelpin[port].UpdateOutlines();
        if (!KelpinInUse(port))
            for (QWidget* outline : m_Kelpin[port].Outlines) outline->setVisible(false);
    }
}

// Each failed step sets the message and the last one shows; the GPIO headers are checked even
// after an empty name, the Kelpin connectors only when nothing failed before them.
bool TFormOrlenn::ValidateInput()
{
    std::optional<std::string> failure = ProjectNameFailure();
    if (GpioTicked())
        if (auto conflict = PrefixConflict(PrefixKind::Gpio, m_Gpio)) failure = conflict;
    if (!failure) {
        const bool inUse[ORLENN_CONFIG::kKelpinPorts] = {KelpinInUse(0), KelpinInUse(1), KelpinInUse(2),
                                                         KelpinInUse(3)};
        failure = KelpinPrefixConflict(m_Kelpin, kKelpinNames, inUse);
    }
    return ShowLastFailure(failure);
}

// "Kelpin Default" stays in the lists for the settings that name it, but has no pin map.
bool TFormOrlenn::ConfirmGenerate()
{
    auto card = [this](int port) { return KelpinInUse(port) ? m_Kelpin[port].Card() : DAUGHTER_NONE; };
    return !RefuseCardWithoutPinMap({card(0), card(1), card(2), card(3)});
}

bool TFormOrlenn::GenerateProject(const std::string& projectFile)
{
    ORLENN_CONFIG config = m_Settings.Config;
    FormToConfig(config);
    return GenerateOrlennProject(config, projectFile);
}

std::string TFormOrlenn::BoardFolderWord() const { return "Orlenn"; }

// Only the two boxes that swap a connector change the rows; the label reads "GPIO-1" after a
// click, where a loaded record shows "GPIO-1 Header".
void TFormOrlenn::CheckBoxClick(const QObject* sender)
{
    if (sender == Control<QCheckBox>("CheckBoxGPIO")) ShowGpioOrKelpinA("GPIO-1");
    if (sender == Control<QCheckBox>("CheckBoxDDR2")) ShowDdr2OrKelpinB();
    UpdateDaughterPictures();
    UpdateShapes();
}

void TFormOrlenn::ComboBoxChange(const QObject* sender)
{
    if (GpioTicked() && (sender == m_Gpio[GPIO_0].Combo || sender == m_Gpio[GPIO_1].Combo))
        PairGpioHeaders(m_Gpio, sender);
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterOrlennPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawOrlennBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Stratix III"));
}

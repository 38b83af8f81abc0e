#include "boards/stratix4_cyclone4/UI_YASTREL_X2.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
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
using formlayout::kDotted;
using formlayout::kHidden;
using formlayout::kNoPlace;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Yastrel_X2_BITMAP";
constexpr const char* kFamilyMark = "Yastrel_X2_FAMILY_MARK";
constexpr const char* kSelectorPicture = "Yastrel_X2_400_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 100, 384, 420};

// One HSMC connector's controls in the settings box, from `top` down: its title, the combo,
// the prefix box and the card picture beside them.
#define YASTREL_X2_PORT(port, title, top)                                                             \
    {Kind::Label, "Label" port, "GroupBox1", title, {14, top, 200, 20}, kBold},                         \
        {Kind::ComboBox, "ComboBox" port, "GroupBox1", nullptr, {14, top + 22, 244, 24}},               \
        {Kind::Label, "LabelPrefix" port, "GroupBox1", "Prefix Name:", {14, top + 54, 80, 24}},         \
        {Kind::Edit, "Edit" port, "GroupBox1", nullptr, {98, top + 54, 160, 24}},                       \
        {Kind::Slot, "Slot" port, "GroupBox1", "No card", {264, top + 4, 90, 80}},                      \
        {Kind::Image, "Image" port, "GroupBox1", nullptr, {264, top + 4, 90, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 8, 400, 707}},
    {Kind::Image, "ImageVarnholt", "Panel1", nullptr, {10, 8, 130, 46}},
    {Kind::Label, "LabelBoardName", "Panel1", "Yastrel FPGA Board", {150, 14, 240, 30}, kTitle},
    {Kind::Button, "ButtonMainBoardSelect", "Panel1", "Change Main Board", {8, 62, 145, 30}},
    {Kind::Image, "ImageAltera", "Panel1", nullptr, {270, 56, 120, 40}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETH x4", Over(kBoardImage, 8, 8, 80, 24)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB", Over(kBoardImage, 96, 8, 50, 24)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 154, 8, 50, 24)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 212, 8, 44, 24)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 264, 8, 112, 40)},
    {Kind::Shape, "ShapeHSMC_A", "Panel1", "HSMC-A", Over(kBoardImage, 8, 60, 22, 140)},
    {Kind::Shape, "ShapeHSMC_B", "Panel1", "HSMC-B", Over(kBoardImage, 8, 220, 22, 140)},
    {Kind::Shape, "ShapeHSMC_C", "Panel1", "HSMC-C", Over(kBoardImage, 354, 60, 22, 140)},
    {Kind::Shape, "ShapeHSMC_D", "Panel1", "HSMC-D", Over(kBoardImage, 354, 220, 22, 140)},
    {Kind::Shape, "ShapeDDR2", "Panel1", "DDR2", Over(kBoardImage, 40, 60, 34, 140)},
    {Kind::Shape, "ShapeDDR3", "Panel1", "DDR3", Over(kBoardImage, 82, 60, 32, 100)},
    {Kind::Shape, "ShapeFPGABridge", "Panel1", "BRIDGE", Over(kBoardImage, 140, 178, 60, 46)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 232, 60, 50, 24)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 292, 60, 50, 24)},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 232, 94, 50, 24)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 292, 94, 50, 24)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 232, 128, 50, 34)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 292, 128, 50, 34)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe x8", Over(kBoardImage, 40, 342, 260, 18)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 40, 372, 140, 14)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 40, 394, 140, 20)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 196, 372, 150, 42)},
    // A dotted outline of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {416, 5, 365, 713}},
    {Kind::Label, "LabelBoard", "GroupBox1", "Board Type: ", {14, 24, 124, 24}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBox1", nullptr, {142, 24, 208, 24}},
    {Kind::Label, "LabelFPGA", "GroupBox1", "Current FPGA Node:", {14, 54, 124, 24}},
    {Kind::ComboBox, "ComboBoxFPGA", "GroupBox1", nullptr, {142, 54, 208, 24}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 84, 124, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {142, 84, 208, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 118, 164, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 139, 164, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 8", {16, 160, 164, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 8", {16, 181, 164, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SDCARD", {16, 202, 164, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 223, 164, 20}},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB FIFO", {16, 244, 164, 20}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature", {16, 265, 164, 20}},
    {Kind::CheckBox, "CheckBoxDDR2", "GroupBox1", "DDR2 SODIMM", {16, 286, 164, 20}},
    {Kind::CheckBox, "CheckBoxDDR3", "GroupBox1", "DDR3 (256MB)", {186, 118, 164, 20}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {186, 139, 164, 20}},
    {Kind::CheckBox, "CheckBoxFpgaBridge", "GroupBox1", "FPGA Bridge (!)", {186, 160, 164, 20}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {186, 181, 164, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM (2MB)", {186, 202, 164, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (64MB)", {186, 223, 164, 20}},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD", {186, 244, 164, 20}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet x 4", {186, 265, 164, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM (?)", {186, 286, 164, 20}},
    YASTREL_X2_PORT("HSMC_A", "HSMC-A", 314),
    YASTREL_X2_PORT("HSMC_B", "HSMC-B", 412),
    YASTREL_X2_PORT("HSMC_C", "HSMC-C", 510),
    YASTREL_X2_PORT("HSMC_D", "HSMC-D", 608),
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 540, 188, 40}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {204, 540, 188, 40}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 590, 188, 44}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {204, 590, 188, 44}},
};

#undef YASTREL_X2_PORT

using Node = YASTREL_X2_NODE_CONFIG;

constexpr DeviceGroup<Node> kGroups[] = {
    {"CheckBoxOSC", &Node::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &Node::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &Node::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &Node::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSDCARD", &Node::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxSma", &Node::bSma, {"ShapeSma"}},
    {"CheckBoxUSB", &Node::bUSB, {"ShapeUSB"}},
    {"CheckBoxTemp", &Node::bTemp, {"ShapeTemp"}},
    {"CheckBoxDDR2", &Node::bDDR2, {"ShapeDDR2"}},
    {"CheckBoxDDR3", &Node::bDDR3, {"ShapeDDR3"}},
    {"CheckBoxPCIe", &Node::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFpgaBridge", &Node::bFpgaBridge, {"ShapeFPGABridge"}},
    {"CheckBoxFan", &Node::bFan, {"ShapeFan"}},
    {"CheckBoxSSRAM", &Node::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxFlash", &Node::bFlash, {"ShapeFlash"}},
    {"CheckBoxLCD", &Node::bLCD, {"ShapeLCD"}},
    {"CheckBoxEthernet", &Node::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxEEPROM", &Node::bEEPROM, {"ShapeEEPROM"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeEthernet", pictures::Part::Jack},     {"ShapeUSB", pictures::Part::Jack},
    {"ShapeSma", pictures::Part::Jack},          {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapeLCD", pictures::Part::Region},        {"ShapeHSMC_A", pictures::Part::Header},
    {"ShapeHSMC_B", pictures::Part::Header},     {"ShapeHSMC_C", pictures::Part::Header},
    {"ShapeHSMC_D", pictures::Part::Header},     {"ShapeDDR2", pictures::Part::Memory},
    {"ShapeDDR3", pictures::Part::Memory},       {"ShapeFPGABridge", pictures::Part::Region},
    {"ShapeOSC", pictures::Part::Oscillator},    {"ShapeTemp", pictures::Part::Chip},
    {"ShapeFan", pictures::Part::Chip},          {"ShapeEEPROM", pictures::Part::Chip},
    {"ShapeFlash", pictures::Part::Memory},      {"ShapeSSRAM", pictures::Part::Memory},
    {"ShapePCIe", pictures::Part::Header},
    {"ShapeLED", pictures::Part::Leds, 8},       {"ShapeSwitch", pictures::Part::Switches, 8},
    {"ShapeButton", pictures::Part::Keys, 8},
};

QPixmap DrawYastrel_X2Board()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(122, 66, 96, 96), QStringLiteral("FPGA 1"), pictures::Part::Chip},
            {QRect(122, 238, 96, 96), QStringLiteral("FPGA 2"), pictures::Part::Chip},
            {QRect(232, 174, 110, 24), QStringLiteral("MAX II"), pictures::Part::Chip},
            {QRect(232, 210, 110, 20), QStringLiteral("Yastrel_X2"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormYastrel_X2::TFormYastrel_X2(QWidget* owner)
    : TBoardForm(owner, kLayout, 789, 723, "FormYastrel_X2",
                 {.outlinePen = 3,
                  .savesDefault = DefaultSave::OnDestroy,
                  .reportsFailedLoad = true,
                  .successReport = SuccessReport::None,
                  .formColour = false,
                  .dialogBorder = true}),
      m_Groups(this, kGroups),
      m_BoardType(Control<QComboBox>("ComboBoxBoard")),
      m_Node(Control<QComboBox>("ComboBoxFPGA")),
      m_Hsmc{{this, "ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", {"ShapeHSMC_A"}},
             {this, "ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", {"ShapeHSMC_B"}},
             {this, "ComboBoxHSMC_C", "EditHSMC_C", "ImageHSMC_C", {"ShapeHSMC_C"}},
             {this, "ComboBoxHSMC_D", "EditHSMC_D", "ImageHSMC_D", {"ShapeHSMC_D"}}}
{
    auto* panel = Control<QWidget>("Panel1");
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    panel->setPalette(silver);
    panel->setAutoFillBackground(true);
    auto* title = Control<QLabel>("LabelBoardName");
    QPalette white = title->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(white);
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    Control<QWidget>("CheckBoxUSB")->setToolTip(QStringLiteral("High-Speed USB FIFO"));
    // Every HSMC combo refreshes its picture and outline at once.
    for (const TConnectorControls& port : m_Hsmc)
        connect(port.Combo, &QComboBox::activated, this, [this] { ComboBoxHSMCChange(); });
    connect(m_Node, &QComboBox::activated, this, [this] { ComboBoxFPGAChange(); });

    UseSettingsHolder(m_Settings);
    RunStartup();
}

TFormYastrel_X2::~TFormYastrel_X2() = default;

void TFormYastrel_X2::ApplyDefaultConfig() { DefaultConfig(m_Settings.Config); }

void TFormYastrel_X2::FillComboBoxes()
{
    m_BoardType->clear();
    m_BoardType->addItem(QStringLiteral("Yastrel 230x2"));
    m_BoardType->setCurrentIndex(0);
    m_Node->clear();
    m_Node->addItems({QStringLiteral("FPAG 1"), QStringLiteral("FPAG 2")});
    m_Node->setCurrentIndex(0);
    m_Settings.BuildDaughterList(CONNECTOR_HSMC, false, VOLTAGE_2V5);
    for (TConnectorControls& port : m_Hsmc) port.SetCards(CardsOf(m_Settings));
}

void TFormYastrel_X2::ConfigToForm() { ConfigToForm(m_Settings.Config); }

void TFormYastrel_X2::ConfigToForm(const YASTREL_X2_CONFIG& config) { NodeToForm(config.F[m_CurrentNode]); }

void TFormYastrel_X2::NodeToForm(const YASTREL_X2_NODE_CONFIG& block)
{
    SetProjectName(ReadRecordText(block.szProjectName));
    m_Groups.ToForm(block);
    for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port)
        m_Hsmc[port].ShowListed(block.nHsmcDaughterId[port], ReadRecordText(block.szHSMCPrefixName[port]));
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormYastrel_X2::FormToConfig() { return FormToConfig(m_Settings.Config, m_CurrentNode); }

bool TFormYastrel_X2::FormToConfig(YASTREL_X2_CONFIG& config, int node) const
{
    config.BoardId = MAINBOARD_Yastrel_X2;
    config.nBoardType = static_cast<uint8_t>(std::max(0, m_BoardType->currentIndex()));
    config.Size = sizeof(YASTREL_X2_CONFIG);
    return FormToNode(config.F[node]);
}

bool TFormYastrel_X2::FormToNode(YASTREL_X2_NODE_CONFIG& block) const
{
    WriteRecordText(block.szProjectName, ProjectName());
    m_Groups.FromForm(block);
    for (int port = 0; port < YASTREL_X2_NODE_CONFIG::kHsmcPorts; ++port) {
        block.nHsmcDaughterId[port] = m_Hsmc[port].Card();
        WriteRecordText(block.szHSMCPrefixName[port], m_Hsmc[port].PrefixText());
    }
    return true;
}

void TFormYastrel_X2::UpdateDaughterPictures()
{
    for (const TConnectorControls& port : m_Hsmc) port.UpdatePicture();
}

void TFormYastrel_X2::UpdateShapes()
{
    m_Groups.UpdateOutlines();
    for (const TConnectorControls& port : m_Hsmc) port.UpdateOutlines();
}

void TFormYastrel_X2::CheckBoxClick(const QObject*)
{
    UpdateDaughterPictures();
    UpdateShapes();
}

bool TFormYastrel_X2::ValidateInput() { return CheckProjectName() && CheckPrefixNames(PrefixKind::Hsmc, m_Hsmc); }

bool TFormYastrel_X2::GenerateProject(const std::string& projectFile)
{
    FormToConfig(m_Settings.Config, m_CurrentNode);
    return GenerateYastrel_X2Project(m_Settings.Config, m_CurrentNode, projectFile);
}

std::string TFormYastrel_X2::BoardFolderWord() const { return "Yastrel_X2"; }

void TFormYastrel_X2::ComboBoxFPGAChange()
{
    // The entry names the node: picking the node already shown changes nothing.
    const int node = std::clamp(m_Node->currentIndex(), 0, YASTREL_X2_CONFIG::kNodes - 1);
    if (node == m_CurrentNode) return;
    FormToNode(m_Settings.Config.F[m_CurrentNode]);
    m_CurrentNode = node;
    NodeToForm(m_Settings.Config.F[m_CurrentNode]);
}

void TFormYastrel_X2::ComboBoxHSMCChange()
{
    UpdateDaughterPictures();
    UpdateShapes();
}

void RegisterYastrel_X2Pictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawYastrel_X2Board);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawYastrel_X2Board);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 40), QStringLiteral("Stratix IV GX"));
}

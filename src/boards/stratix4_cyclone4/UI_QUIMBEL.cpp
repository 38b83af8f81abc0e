#include "boards/stratix4_cyclone4/UI_QUIMBEL.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>

#include "core/shell/BoardPicture.h"
#include "core/shell/FormLayout.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kDotted;
using formlayout::kTitle;
using pictures::Part;

constexpr const char* kBoardPicture = "Quimbel_BITMAP";
constexpr const char* kSelectorPicture = "Quimbel_400_BITMAP";
constexpr const char* kFamilyMark = "Quimbel_FAMILY_BITMAP";

// Where the board picture lies in PanelBoard; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 8, 400, 360};

// One expansion connector's controls inside its group box, from `top` down: its caption, the
// combo, the prefix box and the card picture beside them. `name` names them: ComboBox<name>, ...
#define QUIMBEL_CONNECTOR(name, caption, group, top)                                                \
    {Kind::Label, "Label" name, group, caption, {12, top, 240, 20}, kBold},                          \
        {Kind::ComboBox, "ComboBox" name, group, nullptr, {12, top + 22, 240, 24}},                  \
        {Kind::Label, "LabelPrefix" name, group, "Prefix Name:", {12, top + 54, 80, 24}},            \
        {Kind::Edit, "Edit" name, group, nullptr, {96, top + 54, 156, 24}},                          \
        {Kind::Slot, "Slot" name, group, "No card", {260, top + 2, 124, 80}},                        \
        {Kind::Image, "Image" name, group, nullptr, {260, top + 2, 124, 80}}

// A device box of the two columns of "System Configuration", row 0 to 11.
#define QUIMBEL_BOX(name, caption, column, row) \
    {Kind::CheckBox, name, "GroupBoxSystem", caption, {14 + 186 * (column), 86 + 20 * (row), 180, 20}}

// One output of the programmable PLL, row 0 to 2.
#define QUIMBEL_PLL(name, caption, row)                                                              \
    {Kind::Label, "Label" name, "GroupBoxPLL", caption, {12, 24 + 32 * (row), 170, 24}},            \
        {Kind::ComboBox, "ComboBox" name, "GroupBoxPLL", nullptr, {186, 24 + 32 * (row), 150, 24}}, \
        {Kind::Label, "LabelMHz" name, "GroupBoxPLL", "MHZ", {342, 24 + 32 * (row), 40, 24}}

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "PanelBoard", nullptr, nullptr, {8, 56, 417, 378}},
    {Kind::Image, "ImageBoard", "PanelBoard", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "PanelBoard", "GPIO-0", Over(kBoardImage, 10, 8, 170, 20)},
    {Kind::Shape, "ShapeGpio1", "PanelBoard", "GPIO-1", Over(kBoardImage, 190, 8, 170, 20)},
    {Kind::Shape, "ShapeHSMC_A", "PanelBoard", "HSMC-A", Over(kBoardImage, 368, 40, 24, 130)},
    {Kind::Shape, "ShapeHSMC_B", "PanelBoard", "HSMC-B", Over(kBoardImage, 368, 180, 24, 130)},
    // The SO-DIMM sockets are on the board's back.
    {Kind::Shape, "ShapeDDR2_1", "PanelBoard", "DDR2-1", Over(kBoardImage, 10, 40, 40, 146), kDotted},
    {Kind::Shape, "ShapeDDR2_2", "PanelBoard", "DDR2-2", Over(kBoardImage, 10, 196, 40, 146), kDotted},
    {Kind::Shape, "ShapeOSC", "PanelBoard", "CLOCK", Over(kBoardImage, 60, 40, 44, 26)},
    {Kind::Shape, "ShapeSma", "PanelBoard", "SMA", Over(kBoardImage, 112, 40, 50, 26)},
    {Kind::Shape, "ShapeTemp", "PanelBoard", "TEMP", Over(kBoardImage, 170, 40, 50, 26)},
    {Kind::Shape, "ShapeFan", "PanelBoard", "FAN", Over(kBoardImage, 228, 40, 50, 26)},
    {Kind::Shape, "ShapePLL", "PanelBoard", "PLL", Over(kBoardImage, 286, 40, 70, 26)},
    {Kind::Shape, "ShapeSSRAM", "PanelBoard", "SSRAM", Over(kBoardImage, 60, 78, 76, 34)},
    {Kind::Shape, "ShapeFlash", "PanelBoard", "FLASH", Over(kBoardImage, 60, 120, 76, 34)},
    {Kind::Shape, "ShapeEEPROM", "PanelBoard", "EEPROM", Over(kBoardImage, 60, 162, 76, 26)},
    {Kind::Shape, "ShapePower", "PanelBoard", "POWER", Over(kBoardImage, 60, 196, 76, 26)},
    {Kind::Shape, "ShapeUSB", "PanelBoard", "USB OTG", Over(kBoardImage, 272, 78, 84, 28)},
    {Kind::Shape, "ShapeEthernet", "PanelBoard", "ETHERNET", Over(kBoardImage, 272, 114, 84, 32)},
    {Kind::Shape, "ShapeSDCARD", "PanelBoard", "SDCARD", Over(kBoardImage, 272, 154, 84, 24)},
    {Kind::Shape, "ShapeSataHost1", "PanelBoard", "H1", Over(kBoardImage, 272, 188, 38, 22)},
    {Kind::Shape, "ShapeSataHost2", "PanelBoard", "H2", Over(kBoardImage, 318, 188, 38, 22)},
    {Kind::Shape, "ShapeSataDevice1", "PanelBoard", "D1", Over(kBoardImage, 272, 218, 38, 22)},
    {Kind::Shape, "ShapeSataDevice2", "PanelBoard", "D2", Over(kBoardImage, 318, 218, 38, 22)},
    {Kind::Shape, "ShapeSeg7_0", "PanelBoard", "SEG7", Over(kBoardImage, 60, 240, 40, 40)},
    {Kind::Shape, "ShapeSeg7_1", "PanelBoard", "SEG7", Over(kBoardImage, 108, 240, 40, 40)},
    {Kind::Shape, "ShapeLED", "PanelBoard", "LED", Over(kBoardImage, 160, 252, 120, 16)},
    {Kind::Shape, "ShapeDipSwitch", "PanelBoard", "DIP", Over(kBoardImage, 60, 292, 90, 30)},
    {Kind::Shape, "ShapeSlideSwitch", "PanelBoard", "SW", Over(kBoardImage, 160, 292, 60, 30)},
    {Kind::Shape, "ShapeButton", "PanelBoard", "BUTTON", Over(kBoardImage, 230, 292, 80, 30)},
    {Kind::Shape, "ShapePCIe", "PanelBoard", "PCIe", Over(kBoardImage, 150, 334, 110, 20)},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {8, 442, 136, 36}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {148, 442, 136, 36}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {288, 442, 137, 36}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {8, 484, 206, 40}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {219, 484, 206, 40}},
    {Kind::GroupBox, "GroupBoxPLL", nullptr, "Programmable PLL", {8, 532, 417, 124}},
    QUIMBEL_PLL("PLL_HSMA", "HSMA_REFCLK:", 0),
    QUIMBEL_PLL("PLL_HSMB", "HSMB_REFCLK:", 1),
    QUIMBEL_PLL("PLL_SATA", "PLL_CLKIN/SATA_REFCLK:", 2),
    {Kind::GroupBox, "GroupBoxSystem", nullptr, "System Configuration", {432, 5, 393, 334}},
    {Kind::Label, "LabelProjectName", "GroupBoxSystem", "Project Name:", {14, 24, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBoxSystem", nullptr, {110, 24, 265, 24}},
    {Kind::Label, "LabelBoardType", "GroupBoxSystem", "Board Type:", {14, 56, 92, 24}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBoxSystem", nullptr, {110, 56, 265, 24}},
    QUIMBEL_BOX("CheckBoxLED", "LED x  8", 0, 0),
    QUIMBEL_BOX("CheckBoxButton", "Button x 4", 0, 1),
    QUIMBEL_BOX("CheckBoxSDCARD", "SDCARD", 0, 2),
    QUIMBEL_BOX("CheckBoxOSC", "CLOCK ", 0, 3),
    QUIMBEL_BOX("CheckBoxDipSwitch", "DIP Switch x 8", 0, 4),
    QUIMBEL_BOX("CheckBoxSma", "SMA", 0, 5),
    QUIMBEL_BOX("CheckBoxTemp", "Temperature", 0, 6),
    QUIMBEL_BOX("CheckBoxPCIe", "PCIe", 0, 7),
    QUIMBEL_BOX("CheckBoxDDR2_1", "DDR2 SODIMM_1", 0, 8),
    QUIMBEL_BOX("CheckBoxSSRAM", "SSRAM (2MB)", 0, 9),
    QUIMBEL_BOX("CheckBoxFan", "Fan Control", 0, 10),
    QUIMBEL_BOX("CheckBoxEthernet", "Ethernet x 4", 0, 11),
    QUIMBEL_BOX("CheckBoxFlash", "Flash (64MB)", 1, 0),
    QUIMBEL_BOX("CheckBoxEEPROM", "EEPROM", 1, 1),
    QUIMBEL_BOX("CheckBoxPower", "Power Measurement", 1, 2),
    QUIMBEL_BOX("CheckBoxUSB", "USB OTG", 1, 3),
    QUIMBEL_BOX("CheckBoxDDR2_2", "DDR2 SODIMM_2", 1, 4),
    QUIMBEL_BOX("CheckBoxSataHost1", "Sata Host 1", 1, 5),
    QUIMBEL_BOX("CheckBoxSataHost2", "Sata Host 2", 1, 6),
    QUIMBEL_BOX("CheckBoxSataDevice1", "Sata Device 1", 1, 7),
    QUIMBEL_BOX("CheckBoxSataDevice2", "Sata Device 2", 1, 8),
    QUIMBEL_BOX("CheckBoxSlideSwitch", "Slide Switch x 4", 1, 9),
    QUIMBEL_BOX("CheckBoxSeg7", "SEG7 x  2", 1, 10),
    QUIMBEL_BOX("CheckBoxPLL", "Programmable PLL", 1, 11),
    {Kind::GroupBox, "GroupBoxGpio", nullptr, "GPIO Expansion", {432, 343, 393, 194}},
    QUIMBEL_CONNECTOR("Gpio0", "GPIO-0 Header", "GroupBoxGpio", 20),
    QUIMBEL_CONNECTOR("Gpio1", "GPIO-1 Header", "GroupBoxGpio", 104),
    {Kind::GroupBox, "GroupBoxHSMC", nullptr, "HSMC Expansion", {432, 541, 393, 194}},
    QUIMBEL_CONNECTOR("HSMC_A", "HSMC-A (Transceiver x 4)", "GroupBoxHSMC", 20),
    QUIMBEL_CONNECTOR("HSMC_B", "HSMC-B (Transceiver x 8)", "GroupBoxHSMC", 104),
};

#undef QUIMBEL_CONNECTOR
#undef QUIMBEL_BOX
#undef QUIMBEL_PLL

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", Part::Header},        {"ShapeGpio1", Part::Header},       {"ShapeHSMC_A", Part::Header},
    {"ShapeHSMC_B", Part::Header},       {"ShapeDDR2_1", Part::Memory},      {"ShapeDDR2_2", Part::Memory},
    {"ShapeOSC", Part::Oscillator},      {"ShapeSma", Part::Jack},           {"ShapeTemp", Part::Chip},
    {"ShapeFan", Part::Chip},            {"ShapePLL", Part::Chip},           {"ShapeSSRAM", Part::Memory},
    {"ShapeFlash", Part::Memory},        {"ShapeEEPROM", Part::Chip},        {"ShapePower", Part::Chip},
    {"ShapeUSB", Part::Jack},            {"ShapeEthernet", Part::Jack},      {"ShapeSDCARD", Part::Jack},
    {"ShapeSataHost1", Part::Jack},      {"ShapeSataHost2", Part::Jack},     {"ShapeSataDevice1", Part::Jack},
    {"ShapeSataDevice2", Part::Jack},    {"ShapeSeg7_0", Part::Seg7, 1},     {"ShapeSeg7_1", Part::Seg7, 1},
    {"ShapeLED", Part::Leds, 8},         {"ShapeDipSwitch", Part::Switches, 8}, {"ShapeSlideSwitch", Part::Switches, 4},
    {"ShapeButton", Part::Keys, 4},      {"ShapePCIe", Part::Header},
};

QPixmap DrawQuimbelBoard()
{
    return boardpicture::DrawBoardUnderOutlines(kBoardImage, kLayout, kParts,
                                                {
                                                    {QRect(150, 80, 110, 106), QStringLiteral("Stratix IV GX"), Part::Chip},
                                                    {QRect(150, 196, 110, 20), QStringLiteral("Quimbel"), Part::Silkscreen},
                                                });
}

// The FPGA family's mark beside the maker's logo: our own lettering.
QPixmap DrawFamilyMark()
{
    QPixmap mark(130, 46);
    mark.fill(Qt::white);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x6E), 2));
    p.drawRoundedRect(QRectF(1, 1, 128, 44), 6, 6);
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    pictures::DrawText(p, mark.rect(), Qt::AlignCenter, QStringLiteral("Stratix IV"));
    return mark;
}

}  // namespace

TFormQuimbel::TFormQuimbel(QWidget* owner) : QWidget(owner)
{
    setWindowTitle(QStringLiteral("Varnholt Quimbel Pinwright V0.1"));
    setFixedSize(833, 742);
    setAutoFillBackground(true);
    QFont text = font();
    text.setPixelSize(formlayout::kFontPixelSize);
    setFont(text);
    formlayout::BuildControls(this, kLayout, 3);

    formlayout::FindControl<formlayout::TImage>(this, "ImageVarnholt")
        ->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    formlayout::FindControl<formlayout::TImage>(this, "ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
    formlayout::FindControl<formlayout::TImage>(this, "ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
    for (const char* name : {"ImageGpio0", "ImageGpio1", "ImageHSMC_A", "ImageHSMC_B"})
        formlayout::FindControl<QWidget>(this, name)->setVisible(false);
    for (const char* name : {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB", "ComboBoxPLL_SATA"})
        formlayout::FindControl<QComboBox>(this, name)->setMaxVisibleItems(15);
    // Of the hints the boxes carry only the USB one is switched on: the memory boxes keep
    // theirs as the status text.
    for (const char* box : {"CheckBoxDDR2_1", "CheckBoxDDR2_2"})
        formlayout::FindControl<QCheckBox>(this, box)->setStatusTip(QStringLiteral("Up to 4GB, 800 data rate"));
    formlayout::FindControl<QCheckBox>(this, "CheckBoxUSB")->setToolTip(QStringLiteral("High-Speed USB FIFO"));
    formlayout::FindControl<QPushButton>(this, "ButtonExit")->setDefault(true);
}

void RegisterQuimbelPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawQuimbelBoard);
    platform::qt::RegisterBitmap(kSelectorPicture, DrawQuimbelBoard);
    platform::qt::RegisterBitmap(kFamilyMark, DrawFamilyMark);
}

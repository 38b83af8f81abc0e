#include "boards/early/UI_MIRROW.h"

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

constexpr const char* kBoardPicture = "Mirrow_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 310};

// The check boxes stand in two columns of the group box.
constexpr Rect LeftBox(int row) { return {16, 60 + 21 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 60 + 21 * row, 150, 20}; }

// The controls of a header start this far down the group box.
constexpr int kGpio0Top = 276;
constexpr int kGpio1Top = 414;
constexpr Rect HeaderRow(int top, int left, int down, int width, int height) { return {left, top + down, width, height}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 502}},
    {Kind::Label, "LabelBoardName", "Panel1", "Mirrow FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 52, 30)},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETHERNET", Over(kBoardImage, 68, 8, 60, 30)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB", Over(kBoardImage, 134, 8, 44, 30)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 184, 8, 56, 30)},
    {Kind::Shape, "ShapeTvDecode", "Panel1", "VIDEO IN", Over(kBoardImage, 246, 8, 70, 30)},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 326, 8, 28, 170)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 362, 8, 28, 170)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS232", Over(kBoardImage, 10, 50, 52, 30)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2", Over(kBoardImage, 10, 88, 52, 30)},
    {Kind::Shape, "ShapeIR", "Panel1", "IrDA", Over(kBoardImage, 10, 126, 52, 22)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 10, 156, 52, 22)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 72, 50, 60, 24)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 72, 84, 60, 40)},
    {Kind::Shape, "ShapeSRAM", "Panel1", "SRAM", Over(kBoardImage, 72, 134, 60, 40)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD CARD", Over(kBoardImage, 244, 50, 72, 34)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 244, 94, 72, 40)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 10, 190, 130, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 150, 190, 186, 40)},
    {Kind::Shape, "ShapeLEDG8", "Panel1", "LEDG8", Over(kBoardImage, 342, 200, 48, 20)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 10, 240, 380, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 10, 266, 270, 32)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 290, 266, 100, 32)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 553}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", LeftBox(0)},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 27", LeftBox(1)},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 8", LeftBox(2)},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", LeftBox(3)},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 18", LeftBox(4)},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", LeftBox(5)},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SDCARD", LeftBox(6)},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", LeftBox(7)},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD", LeftBox(8)},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 8MB", LeftBox(9)},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 4MB", RightBox(0)},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS232", RightBox(1)},
    {Kind::CheckBox, "CheckBoxSRAM", "GroupBox1", "SRAM, 512K", RightBox(2)},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", RightBox(3)},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", RightBox(4)},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", RightBox(5)},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR", RightBox(6)},
    {Kind::CheckBox, "CheckBoxTvDecode", "GroupBox1", "TV Decoder", RightBox(7)},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB", RightBox(8)},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", HeaderRow(kGpio0Top, 14, 0, 200, 20), kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 14, 22, 324, 24)},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", HeaderRow(kGpio0Top, 14, 56, 80, 24)},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 96, 56, 110, 24)},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", HeaderRow(kGpio0Top, 214, 52, 124, 80)},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, HeaderRow(kGpio0Top, 214, 52, 124, 80)},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", HeaderRow(kGpio1Top, 14, 0, 200, 20), kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 14, 22, 324, 24)},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", HeaderRow(kGpio1Top, 14, 56, 80, 24)},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 96, 56, 110, 24)},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", HeaderRow(kGpio1Top, 214, 52, 124, 80)},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, HeaderRow(kGpio1Top, 214, 52, 124, 80)},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 398, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 398, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 450, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 450, 196, 46}},
};

// "LED x 27" drives the red row and the green LED beside the digits.
constexpr DeviceGroup<MIRROW_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &MIRROW_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &MIRROW_CONFIG::bLED, {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", &MIRROW_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &MIRROW_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &MIRROW_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxPS2", &MIRROW_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &MIRROW_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &MIRROW_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxLCD", &MIRROW_CONFIG::bLCD, {"ShapeLCD"}},
    {"CheckBoxSDRAM", &MIRROW_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &MIRROW_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &MIRROW_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxSRAM", &MIRROW_CONFIG::bSRAM, {"ShapeSRAM"}},
    {"CheckBoxSma", &MIRROW_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxAudio", &MIRROW_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxEthernet", &MIRROW_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxIR", &MIRROW_CONFIG::bIR, {"ShapeIR"}},
    {"CheckBoxTvDecode", &MIRROW_CONFIG::bTvDecode, {"ShapeTvDecode"}},
    {"CheckBoxUSB", &MIRROW_CONFIG::bUSB, {"ShapeUSB"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeVGA", pictures::Part::Jack},         {"ShapeEthernet", pictures::Part::Jack},
    {"ShapeUSB", pictures::Part::Jack},         {"ShapeAudio", pictures::Part::Jack},
    {"ShapeTvDecode", pictures::Part::Jack},    {"ShapeGpio0", pictures::Part::Header},
    {"ShapeGpio1", pictures::Part::Header},     {"ShapeRS232", pictures::Part::Jack},
    {"ShapePS2", pictures::Part::Jack},         {"ShapeIR", pictures::Part::Chip},
    {"ShapeSma", pictures::Part::Jack},         {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSDRAM", pictures::Part::Memory},     {"ShapeSRAM", pictures::Part::Memory},
    {"ShapeSDCARD", pictures::Part::Jack},      {"ShapeFlash", pictures::Part::Memory},
    {"ShapeLCD", pictures::Part::Chip},       {"ShapeSeg7", pictures::Part::Seg7, 8},
    {"ShapeLEDG8", pictures::Part::Leds, 1},    {"ShapeLED", pictures::Part::Leds, 26},
    {"ShapeSwitch", pictures::Part::Switches, 18}, {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawMirrowBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(146, 56, 88, 88), QStringLiteral("Cyclone II"), pictures::Part::Chip},
            {QRect(244, 144, 72, 34), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(146, 154, 88, 22), QStringLiteral("Mirrow"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormMirrow::TFormMirrow(QWidget* owner)
    : TGpioHeaderForm(owner, kLayout, 793, 566, "Mirrow",
                      {.outlinePen = 3,
                       .savesDefault = DefaultSave::OnDestroy,
                       .successReport = SuccessReport::None,
                       .formColour = false},
                      kGroups, {MAINBOARD_Mirrow, "Mirrow", kBoardPicture, &DefaultConfig, &GenerateMirrowProject})
{
}

TFormMirrow::~TFormMirrow() = default;

void RegisterMirrowPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawMirrowBoard); }

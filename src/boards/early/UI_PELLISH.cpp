#include "boards/early/UI_PELLISH.h"

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

constexpr const char* kBoardPicture = "Pellish_BITMAP";
constexpr const char* kFamilyMark = "Pellish_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 330};

// The check boxes stand in two columns of the group box.
constexpr Rect LeftBox(int row) { return {16, 60 + 21 * row, 160, 20}; }
constexpr Rect RightBox(int row) { return {186, 60 + 21 * row, 150, 20}; }

// The controls of a header start this far down the group box.
constexpr int kGpio0Top = 300;
constexpr int kGpio1Top = 436;
constexpr Rect HeaderRow(int top, int left, int down, int width, int height) { return {left, top + down, width, height}; }

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 526}},
    {Kind::Label, "LabelBoardName", "Panel1", "Pellish FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 10, 8, 48, 30)},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETHERNET", Over(kBoardImage, 62, 8, 56, 30)},
    {Kind::Shape, "ShapeUSB", "Panel1", "USB", Over(kBoardImage, 122, 8, 40, 30)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 166, 8, 50, 30)},
    {Kind::Shape, "ShapeTvDecode1", "Panel1", "VIDEO 1", Over(kBoardImage, 220, 8, 48, 30)},
    {Kind::Shape, "ShapeTvDecode2", "Panel1", "VIDEO 2", Over(kBoardImage, 272, 8, 48, 30)},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 326, 8, 28, 180)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 362, 8, 28, 180)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS232", Over(kBoardImage, 10, 48, 48, 28)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS/2 x 2", Over(kBoardImage, 10, 84, 48, 34)},
    {Kind::Shape, "ShapeIR", "Panel1", "IrDA", Over(kBoardImage, 10, 126, 48, 22)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 10, 156, 48, 22)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 66, 48, 66, 22)},
    {Kind::Shape, "ShapeSDRAM1", "Panel1", "SDRAM 0", Over(kBoardImage, 66, 78, 66, 32)},
    {Kind::Shape, "ShapeSDRAM2", "Panel1", "SDRAM 1", Over(kBoardImage, 66, 116, 66, 32)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 66, 154, 66, 32)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD CARD", Over(kBoardImage, 244, 48, 72, 32)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 244, 88, 72, 40)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 10, 200, 130, 40)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 150, 200, 186, 40)},
    {Kind::Shape, "ShapeLEDG8", "Panel1", "LEDG8", Over(kBoardImage, 342, 210, 48, 20)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 10, 252, 380, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 10, 280, 270, 32)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 290, 280, 100, 32)},
    // A dotted outline of the layout that no operation touches and that marks nothing we know of.
    {Kind::Shape, "Shape1", "Panel1", nullptr, kNoPlace, kDotted | kHidden},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 580}},
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
    {Kind::CheckBox, "CheckBoxSDRAM1", "GroupBox1", "SDRAM_1, 32MB", LeftBox(9)},
    {Kind::CheckBox, "CheckBoxSDRAM2", "GroupBox1", "SDRAM_2, 32MB", LeftBox(10)},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 8MB", RightBox(0)},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS232", RightBox(1)},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM, 2MB", RightBox(2)},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", RightBox(3)},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", RightBox(4)},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", RightBox(5)},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR", RightBox(6)},
    {Kind::CheckBox, "CheckBoxTvDecode1", "GroupBox1", "TV Decoder 1", RightBox(7)},
    {Kind::CheckBox, "CheckBoxTvDecode2", "GroupBox1", "TV Decoder 2", RightBox(8)},
    {Kind::CheckBox, "CheckBoxUSB", "GroupBox1", "USB", RightBox(9)},
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
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 420, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 420, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 472, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 472, 196, 46}},
};

// "LED x 27" drives the red row and the green LED beside the digits.
constexpr DeviceGroup<PELLISH_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &PELLISH_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &PELLISH_CONFIG::bLED, {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", &PELLISH_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &PELLISH_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &PELLISH_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxPS2", &PELLISH_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &PELLISH_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &PELLISH_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxLCD", &PELLISH_CONFIG::bLCD, {"ShapeLCD"}},
    {"CheckBoxSDRAM1", &PELLISH_CONFIG::bSDRAM1, {"ShapeSDRAM1"}},
    {"CheckBoxSDRAM2", &PELLISH_CONFIG::bSDRAM2, {"ShapeSDRAM2"}},
    {"CheckBoxFlash", &PELLISH_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &PELLISH_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxSSRAM", &PELLISH_CONFIG::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxSma", &PELLISH_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxAudio", &PELLISH_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxEthernet", &PELLISH_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxIR", &PELLISH_CONFIG::bIR, {"ShapeIR"}},
    {"CheckBoxTvDecode1", &PELLISH_CONFIG::bTvDecode1, {"ShapeTvDecode1"}},
    {"CheckBoxTvDecode2", &PELLISH_CONFIG::bTvDecode2, {"ShapeTvDecode2"}},
    {"CheckBoxUSB", &PELLISH_CONFIG::bUSB, {"ShapeUSB"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeVGA", pictures::Part::Jack},         {"ShapeEthernet", pictures::Part::Jack},
    {"ShapeUSB", pictures::Part::Jack},         {"ShapeAudio", pictures::Part::Jack},
    {"ShapeTvDecode1", pictures::Part::Jack},   {"ShapeTvDecode2", pictures::Part::Jack},
    {"ShapeGpio0", pictures::Part::Header},     {"ShapeGpio1", pictures::Part::Header},
    {"ShapeRS232", pictures::Part::Jack},       {"ShapePS2", pictures::Part::Jack},
    {"ShapeIR", pictures::Part::Chip},          {"ShapeSma", pictures::Part::Jack},
    {"ShapeOSC", pictures::Part::Oscillator},   {"ShapeSDRAM1", pictures::Part::Memory},
    {"ShapeSDRAM2", pictures::Part::Memory},    {"ShapeSSRAM", pictures::Part::Memory},
    {"ShapeSDCARD", pictures::Part::Jack},      {"ShapeFlash", pictures::Part::Memory},
    {"ShapeLCD", pictures::Part::Chip},       {"ShapeSeg7", pictures::Part::Seg7, 8},
    {"ShapeLEDG8", pictures::Part::Leds, 1},    {"ShapeLED", pictures::Part::Leds, 26},
    {"ShapeSwitch", pictures::Part::Switches, 18}, {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawPellishBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(142, 56, 92, 92), QStringLiteral("Cyclone II"), pictures::Part::Chip},
            {QRect(244, 140, 72, 34), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(142, 158, 92, 22), QStringLiteral("Pellish"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormPellish::TFormPellish(QWidget* owner)
    : TGpioHeaderForm(owner, kLayout, 793, 590, "Pellish",
                      {.outlinePen = 4,
                       .savesDefault = DefaultSave::OnDestroy,
                       .successReport = SuccessReport::None,
                       .formColour = false},
                      kGroups, {MAINBOARD_Pellish, "Pellish", kBoardPicture, &DefaultConfig, &GeneratePellishProject})
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
}

TFormPellish::~TFormPellish() = default;

void RegisterPellishPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawPellishBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone II"));
}

#include "boards/early/UI_HARNIX.h"

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
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Harnix_BITMAP";
constexpr const char* kFamilyMark = "Harnix_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 405}},
    {Kind::Label, "LabelBoardName", "Panel1", "Harnix FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 20, 8, 170, 22)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 210, 8, 170, 22)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 30, 50, 80, 36)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 30, 96, 80, 36)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 120, 50, 40, 26)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 260, 50, 120, 40), kDotted},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 300, 100, 80, 30)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS232", Over(kBoardImage, 300, 140, 80, 30)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 30, 145, 90, 34)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 130, 145, 60, 30)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS2", Over(kBoardImage, 200, 145, 60, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 30, 196, 160, 14)},
    {Kind::Shape, "ShapeButton", "Panel1", "BUTTON", Over(kBoardImage, 210, 190, 70, 30)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 30, 222, 200, 28)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 456}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 56, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 8", {16, 76, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 4", {16, 96, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 3", {16, 116, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 8", {16, 136, 160, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {16, 156, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SDCARD", {186, 56, 150, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {186, 76, 150, 20}},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD (Option)", {186, 96, 150, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 8MB", {186, 116, 150, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 4MB", {186, 136, 150, 20}},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS232", {186, 156, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", {14, 182, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, {14, 202, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 234, 80, 24}},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, {96, 234, 110, 24}},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", {214, 230, 124, 80}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {214, 230, 124, 80}},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", {14, 316, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {14, 336, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 368, 80, 24}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {96, 368, 110, 24}},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", {214, 364, 124, 80}},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, {214, 364, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 300, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 300, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 352, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 352, 196, 46}},
};

constexpr DeviceGroup<HARNIX_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &HARNIX_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &HARNIX_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &HARNIX_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &HARNIX_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &HARNIX_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxPS2", &HARNIX_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &HARNIX_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &HARNIX_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxLCD", &HARNIX_CONFIG::bLCD, {"ShapeLCD"}},
    {"CheckBoxSDRAM", &HARNIX_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &HARNIX_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &HARNIX_CONFIG::bRS232, {"ShapeRS232"}},
};

// The board has ten LEDs and ten switches, whatever the boxes' captions say.
constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", pictures::Part::Header},    {"ShapeGpio1", pictures::Part::Header},
    {"ShapeSDRAM", pictures::Part::Memory},    {"ShapeFlash", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator},  {"ShapeLCD", pictures::Part::Header},
    {"ShapeVGA", pictures::Part::Jack},        {"ShapeRS232", pictures::Part::Jack},
    {"ShapeSeg7", pictures::Part::Seg7, 4},    {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapePS2", pictures::Part::Jack},        {"ShapeLED", pictures::Part::Leds, 10},
    {"ShapeButton", pictures::Part::Keys, 3},  {"ShapeSwitch", pictures::Part::Switches, 10},
};

QPixmap DrawHarnixBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(170, 56, 80, 76), QStringLiteral("Cyclone III"), pictures::Part::Chip},
            {QRect(300, 190, 80, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(250, 228, 130, 22), QStringLiteral("Harnix"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormHarnix::TFormHarnix(QWidget* owner)
    : TGpioHeaderForm(owner, kLayout, 793, 469, "Varnholt Harnix FPGA Board",
                      {.outlinePen = 4,
                       .savesDefault = DefaultSave::OnDestroy,
                       .successReport = SuccessReport::None,
                       .formColour = false},
                      kGroups,
                      {MAINBOARD_Harnix, "Harnix", kBoardPicture, DefaultConfig, GenerateHarnixProject})
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
}

TFormHarnix::~TFormHarnix() = default;

void RegisterHarnixPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawHarnixBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone III"));
}

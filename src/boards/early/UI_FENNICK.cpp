#include "boards/early/UI_FENNICK.h"

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

constexpr const char* kBoardPicture = "Fennick_BITMAP";
constexpr const char* kFamilyMark = "Fennick_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 405}},
    {Kind::Label, "LabelBoardName", "Panel1", "Fennick FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", Over(kBoardImage, 20, 8, 170, 22)},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", Over(kBoardImage, 210, 8, 170, 22)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 30, 46, 70, 32)},
    {Kind::Shape, "ShapeSRAM", "Panel1", "SRAM", Over(kBoardImage, 30, 86, 70, 32)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 30, 126, 70, 32)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 110, 46, 40, 24)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 110, 80, 40, 24)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 250, 46, 40, 94)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 300, 46, 80, 26)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS232", Over(kBoardImage, 300, 80, 80, 26)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS2", Over(kBoardImage, 300, 114, 80, 26)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 160, 130, 80, 28)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 30, 166, 120, 34)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 160, 168, 220, 14)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 160, 190, 100, 28)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 30, 224, 220, 26)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 456}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 56, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 18", {16, 76, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 4", {16, 96, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 116, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 136, 160, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {16, 156, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SDCARD", {16, 176, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {186, 56, 150, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 8MB", {186, 76, 150, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 4MB", {186, 96, 150, 20}},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS232", {186, 116, 150, 20}},
    {Kind::CheckBox, "CheckBoxSRAM", "GroupBox1", "SRAM, 512KB", {186, 136, 150, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {186, 156, 150, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 176, 150, 20}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO-0 Header", {14, 202, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio0", "GroupBox1", nullptr, {14, 222, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 254, 80, 24}},
    {Kind::Edit, "EditPrefixGpio0", "GroupBox1", nullptr, {96, 254, 110, 24}},
    {Kind::Slot, "SlotGpio0", "GroupBox1", "No card", {214, 250, 124, 74}},
    {Kind::Image, "ImageGpio0", "GroupBox1", nullptr, {214, 250, 124, 74}},
    {Kind::Label, "Label2", "GroupBox1", "GPIO-1 Header", {14, 326, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio1", "GroupBox1", nullptr, {14, 346, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 378, 80, 24}},
    {Kind::Edit, "EditPrefixGpio1", "GroupBox1", nullptr, {96, 378, 110, 24}},
    {Kind::Slot, "SlotGpio1", "GroupBox1", "No card", {214, 374, 124, 74}},
    {Kind::Image, "ImageGpio1", "GroupBox1", nullptr, {214, 374, 124, 74}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 300, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 300, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 352, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 352, 196, 46}},
};

constexpr DeviceGroup<FENNICK_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &FENNICK_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &FENNICK_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &FENNICK_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &FENNICK_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &FENNICK_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxPS2", &FENNICK_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &FENNICK_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &FENNICK_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxSDRAM", &FENNICK_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &FENNICK_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &FENNICK_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxSRAM", &FENNICK_CONFIG::bSRAM, {"ShapeSRAM"}},
    {"CheckBoxSma", &FENNICK_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxAudio", &FENNICK_CONFIG::bAudio, {"ShapeAudio"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeGpio0", pictures::Part::Header},    {"ShapeGpio1", pictures::Part::Header},
    {"ShapeSDRAM", pictures::Part::Memory},    {"ShapeSRAM", pictures::Part::Memory},
    {"ShapeFlash", pictures::Part::Memory},    {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeSma", pictures::Part::Jack},        {"ShapeSDCARD", pictures::Part::Jack},
    {"ShapeVGA", pictures::Part::Jack},        {"ShapeRS232", pictures::Part::Jack},
    {"ShapePS2", pictures::Part::Jack},        {"ShapeAudio", pictures::Part::Jack},
    {"ShapeSeg7", pictures::Part::Seg7, 4},    {"ShapeLED", pictures::Part::Leds, 18},
    {"ShapeButton", pictures::Part::Keys, 4},  {"ShapeSwitch", pictures::Part::Switches, 10},
};

QPixmap DrawFennickBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(160, 46, 80, 76), QStringLiteral("Cyclone II"), pictures::Part::Chip},
            {QRect(270, 190, 110, 28), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(260, 228, 120, 22), QStringLiteral("Fennick"), pictures::Part::Silkscreen},
        });
}

}  // namespace

TFormFennick::TFormFennick(QWidget* owner)
    : TGpioHeaderForm(owner, kLayout, 793, 469, "Fennick FPGA Board",
                      {.outlinePen = 4,
                       .savesDefault = DefaultSave::OnDestroy,
                       .successReport = SuccessReport::None,
                       .formColour = false},
                      kGroups,
                      {MAINBOARD_Fennick, "Fennick", kBoardPicture, DefaultConfig, GenerateFennickProject})
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
}

TFormFennick::~TFormFennick() = default;

void RegisterFennickPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawFennickBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone II"));
}

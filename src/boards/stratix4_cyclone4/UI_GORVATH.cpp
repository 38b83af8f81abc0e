#include "boards/stratix4_cyclone4/UI_GORVATH.h"

#include <QComboBox>

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
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Gorvath_400_BITMAP";
constexpr const char* kFamilyMark = "Gorvath_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 421}},
    {Kind::Label, "LabelBoardName", "Panel1", "Gorvath FPGA Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETH", Over(kBoardImage, 8, 8, 50, 30)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 66, 8, 56, 30)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS-232", Over(kBoardImage, 130, 8, 50, 30)},
    {Kind::Shape, "ShapePS2", "Panel1", "PS2", Over(kBoardImage, 188, 8, 40, 30)},
    {Kind::Shape, "ShapeAudio", "Panel1", "AUDIO", Over(kBoardImage, 236, 8, 60, 30)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 304, 8, 40, 30)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 8, 50, 40, 30)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 60, 50, 70, 34)},
    {Kind::Shape, "ShapeSRAM", "Panel1", "SRAM", Over(kBoardImage, 60, 90, 70, 34)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 60, 130, 70, 34)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 140, 50, 40, 24)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 140, 80, 40, 24)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 290, 50, 70, 40)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 290, 100, 72, 20)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 370, 50, 22, 200)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 8, 178, 100, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 8, 216, 240, 12)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 8, 236, 200, 18)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 256, 230, 104, 24)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 472}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 58, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 18", {16, 78, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 4", {16, 98, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 118, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 10", {16, 138, 160, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM", {16, 158, 160, 20}},
    {Kind::CheckBox, "CheckBoxPS2", "GroupBox1", "PS2", {16, 178, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SD CARD", {16, 198, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 218, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 64MB", {186, 58, 150, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 8MB", {186, 78, 150, 20}},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS-232", {186, 98, 150, 20}},
    {Kind::CheckBox, "CheckBoxSRAM", "GroupBox1", "SRAM, 2MB", {186, 118, 150, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {186, 138, 150, 20}},
    {Kind::CheckBox, "CheckBoxAudio", "GroupBox1", "Audio", {186, 158, 150, 20}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", {186, 178, 150, 20}},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD (Option)", {186, 198, 150, 20}},
    {Kind::Panel, "PanelLine1", "GroupBox1", nullptr, {14, 246, 324, 2}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header", {14, 254, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 276, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 310, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 310, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 306, 124, 70}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 306, 124, 70}},
    {Kind::Panel, "PanelLine2", "GroupBox1", nullptr, {14, 382, 324, 2}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC", {14, 388, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 410, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 440, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 440, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 438, 124, 30}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 438, 124, 30}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {8, 300, 198, 36}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {212, 300, 196, 36}},
    {Kind::Button, "ButtonDefaultSetting", "Panel1", "Default Setting", {8, 340, 198, 36}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 380, 198, 36}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 380, 196, 36}},
};

constexpr DeviceGroup<GORVATH_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &GORVATH_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &GORVATH_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &GORVATH_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &GORVATH_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &GORVATH_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxEEPROM", &GORVATH_CONFIG::bEEPROM, {"ShapeEEPROM"}},
    {"CheckBoxPS2", &GORVATH_CONFIG::bPS2, {"ShapePS2"}},
    {"CheckBoxSDCARD", &GORVATH_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &GORVATH_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxSDRAM", &GORVATH_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &GORVATH_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &GORVATH_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxSRAM", &GORVATH_CONFIG::bSRAM, {"ShapeSRAM"}},
    {"CheckBoxSma", &GORVATH_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxAudio", &GORVATH_CONFIG::bAudio, {"ShapeAudio"}},
    {"CheckBoxEthernet", &GORVATH_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxLCD", &GORVATH_CONFIG::bLCD, {"ShapeLCD"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeEthernet", pictures::Part::Jack},  {"ShapeVGA", pictures::Part::Jack},
    {"ShapeRS232", pictures::Part::Jack},     {"ShapePS2", pictures::Part::Jack},
    {"ShapeAudio", pictures::Part::Jack},     {"ShapeSma", pictures::Part::Jack},
    {"ShapeSDCARD", pictures::Part::Jack},    {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSRAM", pictures::Part::Memory},    {"ShapeFlash", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeEEPROM", pictures::Part::Chip},
    {"ShapeLCD", pictures::Part::Region},     {"ShapeGpio", pictures::Part::Header},
    {"ShapeHSMC", pictures::Part::Header},    {"ShapeSeg7", pictures::Part::Seg7, 4},
    {"ShapeLED", pictures::Part::Leds, 18},   {"ShapeSwitch", pictures::Part::Switches, 10},
    {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawGorvathBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(190, 50, 90, 90), QStringLiteral("Cyclone IV E"), pictures::Part::Chip},
            {QRect(190, 150, 90, 22), QStringLiteral("Gorvath"), pictures::Part::Silkscreen},
        });
}

constexpr std::array<CardSlot<GORVATH_CONFIG>, 2> kSlots = {{
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio",
     &GORVATH_CONFIG::nGpioDaughterId, &GORVATH_CONFIG::szGpioPrefixName, CONNECTOR_GPIO40},
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC",
     &GORVATH_CONFIG::nHsmcDaughterId, &GORVATH_CONFIG::szHSMCPrefixName, CONNECTOR_HSMC},
}};

}  // namespace

TFormGorvath::TFormGorvath(QWidget* owner)
    : TCardSlotForm(owner, kLayout, 793, 485, "Varnholt Gorvath Pinwright V1.0.0a",
                    {.outlinePen = 3, .defaultButton = "ButtonExit"}, kGroups,
                    {MAINBOARD_Gorvath, "Gorvath", kBoardPicture, &DefaultConfig, &GenerateGorvathProject}, kSlots)
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
}

TFormGorvath::~TFormGorvath() = default;

void RegisterGorvathPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawGorvathBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone IV E"));
}

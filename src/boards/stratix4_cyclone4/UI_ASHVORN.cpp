#include "boards/stratix4_cyclone4/UI_ASHVORN.h"

#include <QComboBox>

#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtPlatform.h"

namespace {

using boardpicture::Over;
using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;
using formlayout::kBold;
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Ashvorn_BITMAP";
constexpr const char* kFamilyMark = "Ashvorn_FAMILY_MARK";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Image, "ImageAltera", nullptr, nullptr, {146, 5, 120, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 439}},
    {Kind::Label, "LabelBoardName", "Panel1", "Ashvorn Board", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeEthernet", "Panel1", "ETH", Over(kBoardImage, 8, 8, 50, 30)},
    {Kind::Shape, "ShapeVGA", "Panel1", "VGA", Over(kBoardImage, 66, 8, 56, 30)},
    {Kind::Shape, "ShapeRS232", "Panel1", "RS-232", Over(kBoardImage, 130, 8, 50, 30)},
    {Kind::Shape, "ShapeTvDecode", "Panel1", "TV", Over(kBoardImage, 188, 8, 50, 30)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 246, 8, 40, 30)},
    {Kind::Shape, "ShapeIR", "Panel1", "IR", Over(kBoardImage, 294, 8, 40, 30)},
    {Kind::Shape, "ShapeSDCARD", "Panel1", "SD", Over(kBoardImage, 8, 50, 40, 30)},
    {Kind::Shape, "ShapeSDRAM", "Panel1", "SDRAM", Over(kBoardImage, 60, 50, 70, 34)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 60, 90, 70, 34)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 60, 130, 70, 34)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 140, 50, 40, 24)},
    {Kind::Shape, "ShapeEEPROM", "Panel1", "EEPROM", Over(kBoardImage, 140, 80, 40, 24)},
    {Kind::Shape, "ShapeAccelerometer", "Panel1", "G-SENSOR", Over(kBoardImage, 140, 110, 40, 24)},
    {Kind::Shape, "ShapeLCD", "Panel1", "LCD", Over(kBoardImage, 290, 50, 70, 40)},
    {Kind::Shape, "ShapeGpio", "Panel1", "GPIO", Over(kBoardImage, 290, 100, 72, 20)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe", Over(kBoardImage, 190, 150, 160, 16)},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 370, 50, 22, 200)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "7-SEG", Over(kBoardImage, 8, 178, 160, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 8, 216, 240, 12)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 8, 236, 240, 18)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 256, 230, 104, 24)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 353, 490}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 228, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 58, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 27", {16, 78, 160, 20}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 8", {16, 98, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "KEY x 4", {16, 118, 160, 20}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 18", {16, 138, 160, 20}},
    {Kind::CheckBox, "CheckBoxEEPROM", "GroupBox1", "EEPROM, 32Kb", {16, 158, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDCARD", "GroupBox1", "SD CARD", {16, 178, 160, 20}},
    {Kind::CheckBox, "CheckBoxVGA", "GroupBox1", "VGA", {16, 198, 160, 20}},
    {Kind::CheckBox, "CheckBoxLCD", "GroupBox1", "LCD", {16, 218, 160, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "SDRAM, 128MB", {16, 238, 160, 20}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "FLASH, 64MB", {186, 58, 150, 20}},
    {Kind::CheckBox, "CheckBoxRS232", "GroupBox1", "RS-232", {186, 78, 150, 20}},
    {Kind::CheckBox, "CheckBoxAccelerometer", "GroupBox1", "Accelerometer", {186, 98, 150, 20}},
    {Kind::CheckBox, "CheckBoxSSRAM", "GroupBox1", "SSRAM", {186, 118, 150, 20}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {186, 138, 150, 20}},
    {Kind::CheckBox, "CheckBoxIR", "GroupBox1", "IR Receiver", {186, 158, 150, 20}},
    {Kind::CheckBox, "CheckBoxEthernet", "GroupBox1", "Ethernet", {186, 178, 150, 20}},
    {Kind::CheckBox, "CheckBoxTvDecode", "GroupBox1", "TV Decoder", {186, 198, 150, 20}},
    {Kind::CheckBox, "CheckBoxPCIeHardIP", "GroupBox1", "PCIe Hard IP", {186, 218, 150, 20}},
    {Kind::CheckBox, "CheckBoxPCIeSoftIP", "GroupBox1", "PCIe Soft IP", {186, 238, 150, 20}},
    {Kind::Panel, "PanelLine1", "GroupBox1", nullptr, {14, 264, 324, 2}},
    {Kind::Label, "Label1", "GroupBox1", "GPIO Header", {14, 272, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxGpio", "GroupBox1", nullptr, {14, 294, 324, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 328, 80, 24}},
    {Kind::Edit, "EditPrefixGpio", "GroupBox1", nullptr, {96, 328, 110, 24}},
    {Kind::Slot, "SlotGpio", "GroupBox1", "No card", {214, 324, 124, 70}},
    {Kind::Image, "ImageGpio", "GroupBox1", nullptr, {214, 324, 124, 70}},
    {Kind::Panel, "PanelLine2", "GroupBox1", nullptr, {14, 400, 324, 2}},
    {Kind::Label, "Label2", "GroupBox1", "HSMC", {14, 406, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 428, 324, 24}},
    {Kind::Label, "Label5", "GroupBox1", "Prefix Name:", {14, 458, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 458, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 456, 124, 30}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 456, 124, 30}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting...", {8, 300, 198, 36}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting...", {212, 300, 196, 36}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 380, 198, 36}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 380, 196, 36}},
};

constexpr DeviceGroup<ASHVORN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &ASHVORN_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &ASHVORN_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxSeg7", &ASHVORN_CONFIG::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &ASHVORN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &ASHVORN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxEEPROM", &ASHVORN_CONFIG::bEEPROM, {"ShapeEEPROM"}},
    {"CheckBoxSDCARD", &ASHVORN_CONFIG::bSDCARD, {"ShapeSDCARD"}},
    {"CheckBoxVGA", &ASHVORN_CONFIG::bVGA, {"ShapeVGA"}},
    {"CheckBoxLCD", &ASHVORN_CONFIG::bLCD, {"ShapeLCD"}},
    {"CheckBoxSDRAM", &ASHVORN_CONFIG::bSDRAM, {"ShapeSDRAM"}},
    {"CheckBoxFlash", &ASHVORN_CONFIG::bFlash, {"ShapeFlash"}},
    {"CheckBoxRS232", &ASHVORN_CONFIG::bRS232, {"ShapeRS232"}},
    {"CheckBoxAccelerometer", &ASHVORN_CONFIG::bAccelerometer, {"ShapeAccelerometer"}},
    {"CheckBoxSSRAM", &ASHVORN_CONFIG::bSSRAM, {"ShapeSSRAM"}},
    {"CheckBoxSma", &ASHVORN_CONFIG::bSma, {"ShapeSma"}},
    {"CheckBoxIR", &ASHVORN_CONFIG::bIR, {"ShapeIR"}},
    {"CheckBoxEthernet", &ASHVORN_CONFIG::bEthernet, {"ShapeEthernet"}},
    {"CheckBoxTvDecode", &ASHVORN_CONFIG::bTvDecode, {"ShapeTvDecode"}},
    {"CheckBoxPCIeHardIP", &ASHVORN_CONFIG::bPCIeHardIP, {"ShapePCIe"}},
    {"CheckBoxPCIeSoftIP", &ASHVORN_CONFIG::bPCIeSoftIP, {"ShapePCIe"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeEthernet", pictures::Part::Jack},  {"ShapeVGA", pictures::Part::Jack},
    {"ShapeRS232", pictures::Part::Jack},     {"ShapeTvDecode", pictures::Part::Jack},
    {"ShapeSma", pictures::Part::Jack},       {"ShapeIR", pictures::Part::Chip},
    {"ShapeSDCARD", pictures::Part::Jack},    {"ShapeSDRAM", pictures::Part::Memory},
    {"ShapeSSRAM", pictures::Part::Memory},   {"ShapeFlash", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeEEPROM", pictures::Part::Chip},
    {"ShapeAccelerometer", pictures::Part::Chip}, {"ShapeLCD", pictures::Part::Region},
    {"ShapeGpio", pictures::Part::Header},    {"ShapePCIe", pictures::Part::Header},
    {"ShapeHSMC", pictures::Part::Header},    {"ShapeSeg7", pictures::Part::Seg7, 8},
    {"ShapeLED", pictures::Part::Leds, 27},   {"ShapeSwitch", pictures::Part::Switches, 18},
    {"ShapeButton", pictures::Part::Keys, 4},
};

QPixmap DrawAshvornBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(190, 50, 90, 90), QStringLiteral("Cyclone IV GX"), pictures::Part::Chip},
            {QRect(190, 176, 90, 22), QStringLiteral("Ashvorn"), pictures::Part::Silkscreen},
        });
}

constexpr std::array<CardSlot<ASHVORN_CONFIG>, 2> kSlots = {{
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio",
     &ASHVORN_CONFIG::nGpioDaughterId, &ASHVORN_CONFIG::szGpioPrefixName, CONNECTOR_GPIO40},
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC",
     &ASHVORN_CONFIG::nHsmcDaughterId, &ASHVORN_CONFIG::szHSMCPrefixName, CONNECTOR_HSMC},
}};

}  // namespace

TFormAshvorn::TFormAshvorn(QWidget* owner)
    : TCardSlotForm(owner, kLayout, 793, 503, "Varnholt Ashvorn Pinwright V1.1.1",
                    {.outlinePen = 3, .successReport = SuccessReport::WarningsThenBox, .defaultButton = "ButtonExit"},
                    kGroups,
                    {MAINBOARD_Ashvorn, "Ashvorn", kBoardPicture, &DefaultConfig, &GenerateAshvornProject}, kSlots)
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyMark));
}

TFormAshvorn::~TFormAshvorn() = default;

void TFormAshvorn::ShowGenerateWarnings()
{
    ASHVORN_CONFIG scratch = Settings();
    FormToConfig(scratch);
    if (!scratch.bPCIeHardIP && !scratch.bPCIeSoftIP) return;
    platform::InformationBox(TransceiverNote("PCIe"));
}

void RegisterAshvornPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawAshvornBoard);
    pictures::RegisterFamilyMark(kFamilyMark, QSize(120, 46), QStringLiteral("Cyclone IV GX"));
}

#include "boards/early/UI_TIVERNE.h"

#include <QComboBox>

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

constexpr const char* kBoardPicture = "Tiverne_BITMAP";

// Where the board picture lies in Panel1; the outlines over it are given in its coordinates.
constexpr Rect kBoardImage{8, 32, 400, 260};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 405}},
    {Kind::Label, "LabelBoardName", "Panel1", "Tiverne", {8, 4, 400, 26}, kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeHSMC", "Panel1", "HSMC", Over(kBoardImage, 20, 8, 300, 24)},
    {Kind::Shape, "ShapeDDR", "Panel1", "DDR SDRAM", Over(kBoardImage, 30, 60, 100, 44)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 30, 120, 100, 40)},
    {Kind::Shape, "ShapeSSRAM", "Panel1", "SSRAM", Over(kBoardImage, 270, 120, 100, 40)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 290, 60, 60, 30)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 150, 196, 100, 16)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 30, 188, 100, 34)},
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 363, 456}},
    {Kind::Label, "Label3", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 238, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK", {16, 60, 160, 20}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x 4", {16, 80, 160, 20}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4 + CPU_RESET_N", {16, 100, 200, 20}},
    {Kind::CheckBox, "CheckBoxSDRAM", "GroupBox1", "DDR SDRAM", {16, 120, 160, 20}},
    {Kind::CheckBox, "CheckBoxFlashSSRAM", "GroupBox1", "Flash and SSRAM", {16, 140, 160, 20}},
    {Kind::Label, "Label1", "GroupBox1", "HSMC Connector", {14, 176, 200, 20}, kBold},
    {Kind::ComboBox, "ComboBoxHSMC", "GroupBox1", nullptr, {14, 198, 334, 24}},
    {Kind::Label, "Label4", "GroupBox1", "Prefix Name:", {14, 232, 80, 24}},
    {Kind::Edit, "EditPrefixHSMC", "GroupBox1", nullptr, {96, 232, 110, 24}},
    {Kind::Slot, "SlotHSMC", "GroupBox1", "No card", {214, 228, 124, 80}},
    {Kind::Image, "ImageHSMC", "GroupBox1", nullptr, {214, 228, 124, 80}},
    // Last, so that the keyboard reaches them after the settings.
    {Kind::Button, "ButtonSave", "Panel1", "Save Setting", {8, 300, 196, 46}},
    {Kind::Button, "ButtonLoad", "Panel1", "Load Setting", {212, 300, 196, 46}},
    {Kind::Button, "ButtonGen", "Panel1", "Generate", {8, 352, 196, 46}, kBold},
    {Kind::Button, "ButtonExit", "Panel1", "Exit", {212, 352, 196, 46}},
};

// "Flash and SSRAM" drives the outlines of both parts.
constexpr DeviceGroup<TIVERNE_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &TIVERNE_CONFIG::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &TIVERNE_CONFIG::bLED, {"ShapeLED"}},
    {"CheckBoxButton", &TIVERNE_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSDRAM", &TIVERNE_CONFIG::bSDRAM, {"ShapeDDR"}},
    {"CheckBoxFlashSSRAM", &TIVERNE_CONFIG::bFlashSSRAM, {"ShapeFlash", "ShapeSSRAM"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeHSMC", pictures::Part::Header}, {"ShapeDDR", pictures::Part::Memory},
    {"ShapeFlash", pictures::Part::Memory}, {"ShapeSSRAM", pictures::Part::Memory},
    {"ShapeOSC", pictures::Part::Oscillator}, {"ShapeLED", pictures::Part::Leds},
    {"ShapeButton", pictures::Part::Keys},
};

QPixmap DrawTiverneBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(150, 70, 100, 90), QStringLiteral("Cyclone III"), pictures::Part::Chip},
            {QRect(270, 196, 90, 30), QStringLiteral("USB-BLASTER"), pictures::Part::Jack},
            {QRect(150, 168, 100, 20), QStringLiteral("Tiverne"), pictures::Part::Silkscreen},
        });
}

constexpr std::array<CardSlot<TIVERNE_CONFIG>, 1> kSlots = {{
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC",
     &TIVERNE_CONFIG::nHsmcDaughterId, &TIVERNE_CONFIG::szHSMCPrefixName, CONNECTOR_HSMC},
}};

}  // namespace

TFormTiverne::TFormTiverne(QWidget* owner)
    : TCardSlotForm(owner, kLayout, 803, 468, "Tiverne",
                    {.outlinePen = 3,
                     .savesDefault = DefaultSave::OnDestroy,
                     .successReport = SuccessReport::None,
                     .formColour = false}, kGroups,
                    {MAINBOARD_Tiverne, "Tiverne", kBoardPicture, &DefaultConfig, &GenerateTiverneProject}, kSlots)
{
}

TFormTiverne::~TFormTiverne() = default;

void RegisterTivernePictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawTiverneBoard); }

#include "boards/cyclone5_max10/UI_KESTWIN.h"

#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;

constexpr const char* kBoardPicture = "Kestwin_BITMAP";
constexpr const char* kFamilyPicture = "Kestwin_CYCLONEV_MARK";

constexpr Rect kBoardImage{8, 48, 400, 256};
constexpr Rect kFamilyImage{10, 7, 103, 50};

// The logos, the board's name and picture and the outlines over it, in Panel1's coordinates.
constexpr ControlRow kBoardRows[] = {
    {Kind::Image, "ImageAltera", nullptr, nullptr, kFamilyImage},
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {120, 11, 93, 46}},
    {Kind::Label, "LabelBoardName", "Panel1", "Kestwin FPGA Board", {8, 8, 401, 29}, formlayout::kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, kBoardImage},
    {Kind::Shape, "ShapeOSC", "Panel1", "50M", {167, 194, 21, 28}},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", {308, 263, 54, 17}},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", {132, 225, 75, 32}},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", {273, 276, 34, 25}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", {59, 49, 202, 22}},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", {59, 281, 202, 22}},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", {308, 281, 57, 20}},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", {145, 101, 35, 33}},
    {Kind::Shape, "ShapeArduino_0", "Panel1", "ARDUINO", {60, 72, 194, 16}},
    {Kind::Shape, "ShapeArduino_1", "Panel1", "ARDUINO", {96, 263, 157, 16}},
};

constexpr ControlRow kBoxRows[] = {
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {16, 217, 160, 17}},
};

constexpr auto kLayout = kestwinform::JoinRows(kestwinform::kPanelRows, kBoardRows, kestwinform::kSettingsRows, kBoxRows);

// Each device group: its check box, its record byte and the outlines over its part.
constexpr DeviceGroup<KESTWIN_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &KESTWIN_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &KESTWIN_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &KESTWIN_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &KESTWIN_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxADC", &KESTWIN_CONFIG::bAdc, {"ShapeADC"}},
    {"CheckBoxHPS", &KESTWIN_CONFIG::bHps, {"ShapeHPS"}},
    {"CheckBoxArduino", &KESTWIN_CONFIG::bArduino, {"ShapeArduino_0", "ShapeArduino_1"}},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeOSC", pictures::Part::Oscillator},        {"ShapeLED", pictures::Part::Leds, 8},
    {"ShapeSwitch", pictures::Part::Switches, 4},    {"ShapeButton", pictures::Part::Keys, 2},
    {"ShapeGpio0", pictures::Part::Header},          {"ShapeGpio1", pictures::Part::Header},
    {"ShapeADC", pictures::Part::Header},            {"ShapeHPS", pictures::Part::Region},
    {"ShapeArduino_0", pictures::Part::Header},      {"ShapeArduino_1", pictures::Part::Header},
};

QPixmap DrawKestwinBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(200, 70, 84, 76), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(300, 60, 80, 40), QStringLiteral("DDR3"), pictures::Part::Memory},
            {QRect(8, 110, 50, 60), QStringLiteral("USB"), pictures::Part::Jack},
            {QRect(290, 160, 100, 18), QStringLiteral("Kestwin"), pictures::Part::Silkscreen},
        });
}

QPixmap DrawFamilyMark()
{
    return pictures::DrawFamilyMark(QSize(kFamilyImage.width, kFamilyImage.height), QStringLiteral("Cyclone V"));
}

constexpr KestwinFamilyForm<KESTWIN_CONFIG> kKestwinForm{
    .boardId = MAINBOARD_Kestwin,
    .folderWord = "Kestwin",
    .groups = kGroups,
    .lastTabs = {},
    .defaults = &DefaultConfig,
    .generate = &GenerateKestwinProject,
};

}  // namespace

TFormKestwin::TFormKestwin(QWidget* owner) : TKestwinFamilyForm(owner, kLayout, "Kestwin V1.0.1", kKestwinForm)
{
    Control<formlayout::TImage>("ImageAltera")->SetPicture(platform::qt::LoadBitmap(kFamilyPicture));
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
}

void RegisterKestwinPictures()
{
    platform::qt::RegisterBitmap(kBoardPicture, DrawKestwinBoard);
    platform::qt::RegisterBitmap(kFamilyPicture, DrawFamilyMark);
}

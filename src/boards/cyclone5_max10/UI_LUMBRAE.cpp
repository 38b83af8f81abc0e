#include "boards/cyclone5_max10/UI_LUMBRAE.h"

#include "core/shell/BoardPicture.h"
#include "core/shell/Pictures.h"
#include "platform/qt/QtPlatform.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::Rect;

constexpr const char* kBoardPicture = "Lumbrae_BITMAP";

constexpr Rect kBoardImage{8, 48, 400, 240};

// The logo, the board's name and picture and the outlines over it, in Panel1's coordinates.
constexpr ControlRow kBoardRows[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {16, 11, 93, 46}},
    {Kind::Label, "LabelBoardName", "Panel1", "Lumbrae FPGA Board", {8, 8, 405, 29}, formlayout::kTitle},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, kBoardImage},
    {Kind::Shape, "ShapeOSC", "Panel1", "50M", {192, 186, 21, 27}},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", {317, 248, 53, 17}},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", {162, 214, 68, 31}},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", {287, 266, 32, 18}},
    {Kind::Shape, "ShapeGpio0", "Panel1", "GPIO-0", {91, 49, 186, 22}},
    {Kind::Shape, "ShapeGpio1", "Panel1", "GPIO-1", {90, 269, 186, 22}},
    {Kind::Shape, "ShapeADC", "Panel1", "ADC", {322, 268, 49, 20}},
    {Kind::Shape, "ShapeHPS", "Panel1", "HPS", {172, 103, 35, 33}},
    {Kind::Shape, "ShapeArduino_0", "Panel1", "ARDUINO", {94, 72, 177, 16}},
    {Kind::Shape, "ShapeArduino_1", "Panel1", "ARDUINO", {127, 248, 142, 16}},
    {Kind::Shape, "ShapeHDMI", "Panel1", "HDMI", {13, 124, 35, 52}},
    {Kind::Shape, "ShapeArduino_2", "Panel1", "ICSP", {258, 149, 20, 32}},
};

constexpr ControlRow kBoxRows[] = {
    {Kind::CheckBox, "CheckBoxHPS", "GroupBox1", "HPS", {184, 217, 160, 17}},
    {Kind::CheckBox, "CheckBoxHdmiTx", "GroupBox1", "HDMI TX", {16, 217, 160, 17}},
};

constexpr auto kLayout = kestwinform::JoinRows(kestwinform::kPanelRows, kBoardRows, kestwinform::kSettingsRows, kBoxRows);

constexpr DeviceGroup<LUMBRAE_CONFIG> kGroups[] = {
    {"CheckBoxOSC", &LUMBRAE_CONFIG::bClock, {"ShapeOSC"}},
    {"CheckBoxLED", &LUMBRAE_CONFIG::bLed, {"ShapeLED"}},
    {"CheckBoxButton", &LUMBRAE_CONFIG::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &LUMBRAE_CONFIG::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxADC", &LUMBRAE_CONFIG::bAdc, {"ShapeADC"}},
    {"CheckBoxHPS", &LUMBRAE_CONFIG::bHps, {"ShapeHPS"}},
    {"CheckBoxArduino", &LUMBRAE_CONFIG::bArduino, {"ShapeArduino_0", "ShapeArduino_1", "ShapeArduino_2"}},
    {"CheckBoxHdmiTx", &LUMBRAE_CONFIG::bHdmiTx, {"ShapeHDMI"}},
};

// The HDMI box comes last among the settings.
constexpr const char* kLastTabs[] = {"CheckBoxHdmiTx"};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeOSC", pictures::Part::Oscillator},      {"ShapeLED", pictures::Part::Leds, 8},
    {"ShapeSwitch", pictures::Part::Switches, 4},  {"ShapeButton", pictures::Part::Keys, 2},
    {"ShapeGpio0", pictures::Part::Header},        {"ShapeGpio1", pictures::Part::Header},
    {"ShapeADC", pictures::Part::Header},          {"ShapeHPS", pictures::Part::Region},
    {"ShapeArduino_0", pictures::Part::Header},    {"ShapeArduino_1", pictures::Part::Header},
    {"ShapeArduino_2", pictures::Part::Header},    {"ShapeHDMI", pictures::Part::Jack},
};

QPixmap DrawLumbraeBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(280, 60, 84, 76), QStringLiteral("Cyclone V SoC"), pictures::Part::Chip},
            {QRect(200, 100, 40, 30), QStringLiteral("DDR3"), pictures::Part::Memory},
            {QRect(6, 30, 44, 40), QStringLiteral("USB"), pictures::Part::Jack},
            {QRect(290, 160, 100, 18), QStringLiteral("Lumbrae"), pictures::Part::Silkscreen},
        });
}

constexpr KestwinFamilyForm<LUMBRAE_CONFIG> kLumbraeForm{
    .boardId = MAINBOARD_Lumbrae,
    .folderWord = "Lumbrae",
    .groups = kGroups,
    .lastTabs = kLastTabs,
    .defaults = &DefaultConfig,
    .generate = &GenerateLumbraeProject,
};

}  // namespace

TFormLumbrae::TFormLumbrae(QWidget* owner) : TKestwinFamilyForm(owner, kLayout, "Lumbrae V1.0.1", kLumbraeForm)
{
    Control<formlayout::TImage>("ImageVarnholt")->SetPicture(platform::qt::LoadBitmap(pictures::kMakerLogo));
    Control<formlayout::TImage>("ImageBoard")->SetPicture(platform::qt::LoadBitmap(kBoardPicture));
}

void RegisterLumbraePictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawLumbraeBoard); }

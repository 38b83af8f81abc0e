#include "boards/arria10/UI_DRAVELLE.h"

#include "boards/arria10/CONFIG_DRAVELLE.h"
#include "core/model/MainBoard.h"
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

constexpr const char* kBoardPicture = "Dravelle_BITMAP";

constexpr Rect kBoardImage{8, 8, 400, 202};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 514}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeQsfp_A", "Panel1", "QSFP+ A", Over(kBoardImage, 6, 6, 44, 40)},
    {Kind::Shape, "ShapeQsfp_B", "Panel1", "QSFP+ B", Over(kBoardImage, 6, 54, 44, 40)},
    {Kind::Shape, "ShapeQsfp_C", "Panel1", "QSFP+ C", Over(kBoardImage, 6, 102, 44, 40)},
    {Kind::Shape, "ShapeQsfp_D", "Panel1", "QSFP+ D", Over(kBoardImage, 6, 150, 44, 40)},
    {Kind::Shape, "ShapeSi5340A", "Panel1", "Si5340A", Over(kBoardImage, 58, 86, 36, 24)},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS422", Over(kBoardImage, 58, 120, 36, 28)},
    {Kind::Shape, "ShapeBracketLED", "Panel1", "LED", Over(kBoardImage, 58, 158, 36, 12)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 58, 12, 36, 30)},
    {Kind::Shape, "ShapeQDRII_A", "Panel1", "QDRII+ A", Over(kBoardImage, 104, 8, 52, 28)},
    {Kind::Shape, "ShapeQDRII_B", "Panel1", "QDRII+ B", Over(kBoardImage, 230, 8, 52, 28)},
    {Kind::Shape, "ShapeQDRII_C", "Panel1", "QDRII+ C", Over(kBoardImage, 104, 144, 52, 28)},
    {Kind::Shape, "ShapeQDRII_D", "Panel1", "QDRII+ D", Over(kBoardImage, 230, 144, 52, 28)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 104, 48, 40, 22)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 104, 82, 40, 18), kDotted},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 166, 6, 54, 22)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 104, 112, 40, 18), kDotted},
    {Kind::Shape, "ShapePower", "Panel1", "POWER", Over(kBoardImage, 236, 112, 44, 18), kDotted},
    {Kind::Shape, "ShapeSi5340B", "Panel1", "Si5340B", Over(kBoardImage, 236, 82, 44, 18), kDotted},
    {Kind::Shape, "ShapeDDR4_0", "Panel1", "DDR4 A", Over(kBoardImage, 294, 8, 22, 150)},
    {Kind::Shape, "ShapeDDR4_1", "Panel1", "DDR4 B", Over(kBoardImage, 324, 8, 22, 150)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 354, 8, 38, 26)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 354, 46, 38, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 354, 74, 38, 16)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 354, 102, 38, 12)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe", Over(kBoardImage, 120, 184, 160, 12)},
    {Kind::GroupBox, "GroupBoxSi5340A", "Panel1", "Si5340A", {8, 220, 400, 150}},
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_A", "ComboBoxDi5340A_A", "QSFPA_REFCLK_p/n:", 0),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_B", "ComboBoxDi5340A_B", "QSFPB_REFCLK_p/n:", 1),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_C", "ComboBoxDi5340A_C", "QSFPC_REFCLK_p/n:", 2),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_D", "ComboBoxDi5340A_D", "QSFPD_REFCLK_p/n:", 3),
    {Kind::GroupBox, "GroupBoxSi5340B", "Panel1", "Si5340B", {8, 380, 400, 122}},
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_DDR4", "ComboBoxDi5340B_DDR4", "DDR4_REFCLK_p/n:", 0),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_QDRII", "ComboBoxDi5340B_QDRII", "QDRII_REFCLK_p/n:", 1),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_PCIE", "ComboBoxDi5340B_PCIE", "OB_PCIE_REFCLK_p/n:", 2),
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 391, 412}},
    {Kind::Label, "LabelProjectName", "GroupBox1", "Project Name:", {14, 26, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 26, 266, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 64, 176, 22}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 90, 176, 22}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", {16, 116, 176, 22}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 142, 176, 22}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 2", {16, 168, 176, 22}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 194, 176, 22}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature Sensor", {16, 220, 176, 22}},
    {Kind::CheckBox, "CheckBoxPower", "GroupBox1", "Power Monitor", {16, 246, 176, 22}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 272, 176, 22}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {16, 298, 176, 22}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "RS422 Expansion ", {16, 324, 176, 22}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {16, 350, 176, 22}},
    {Kind::CheckBox, "CheckBoxDDR4_0", "GroupBox1", "DDR4 SODIMM_A", {200, 64, 176, 22}},
    {Kind::CheckBox, "CheckBoxDDR4_1", "GroupBox1", "DDR4 SODIMM_B", {200, 90, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrA", "GroupBox1", "QDRII+ SRAM A", {200, 116, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrB", "GroupBox1", "QDRII+ SRAM B", {200, 142, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrC", "GroupBox1", "QDRII+ SRAM C", {200, 168, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrD", "GroupBox1", "QDRII+ SRAM D", {200, 194, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpA", "GroupBox1", "QSFP+ A", {200, 220, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpB", "GroupBox1", "QSFP+ B", {200, 246, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpC", "GroupBox1", "QSFP+ C", {200, 272, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpD", "GroupBox1", "QSFP+ D", {200, 298, 176, 22}},
    {Kind::CheckBox, "CheckBoxPceiClk", "GroupBox1", "PCIe On-Board Clock", {200, 324, 176, 22}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {432, 428, 190, 42}},
    {Kind::Button, "ButtonButtonDefaultAllSetting", nullptr, "Select All", {633, 428, 190, 42}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {432, 476, 190, 42}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {633, 476, 190, 42}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {432, 524, 190, 42}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {633, 524, 190, 42}},
};

using D = DRAVELLE_CONFIG;

// bTPS40428 has no box: only the defaults and a loaded file set it.
constexpr DeviceGroup<D> kGroups[] = {
    {"CheckBoxOSC", &D::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &D::bLED, {"ShapeLED", "ShapeBracketLED"}},
    {"CheckBoxSeg7", &D::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &D::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &D::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSma", &D::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &D::bTemp, {"ShapeTemp"}},
    {"CheckBoxPower", &D::bPower, {"ShapePower"}},
    {"CheckBoxDDR4_0", &D::bDDR4_0, {"ShapeDDR4_0"}},
    {"CheckBoxDDR4_1", &D::bDDR4_1, {"ShapeDDR4_1"}},
    {"CheckBoxQdrA", &D::bQdrA, {"ShapeQDRII_A"}},
    {"CheckBoxQdrB", &D::bQdrB, {"ShapeQDRII_B"}},
    {"CheckBoxQdrC", &D::bQdrC, {"ShapeQDRII_C"}},
    {"CheckBoxQdrD", &D::bQdrD, {"ShapeQDRII_D"}},
    {"CheckBoxQsfpA", &D::bQsfpA, {"ShapeQsfp_A"}},
    {"CheckBoxQsfpB", &D::bQsfpB, {"ShapeQsfp_B"}},
    {"CheckBoxQsfpC", &D::bQsfpC, {"ShapeQsfp_C"}},
    {"CheckBoxQsfpD", &D::bQsfpD, {"ShapeQsfp_D"}},
    {"CheckBoxPCIe", &D::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &D::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &D::bFlash, {"ShapeFlash"}},
    {"CheckBoxPceiClk", &D::bPceiClk, {}},
    {"CheckBoxRs422", &D::bRs422, {"ShapeRs422"}},
};

// In record order: nSi5340A[0..3], then nSi5340B[0..2].
constexpr Si5340List kSi5340Lists[] = {
    {"ComboBoxDi5340A_A", &TConfigDravelle::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpA"}, "QSFPA"},
    {"ComboBoxDi5340A_B", &TConfigDravelle::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpB"}, "QSFPB"},
    {"ComboBoxDi5340A_C", &TConfigDravelle::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpC"}, "QSFPC"},
    {"ComboBoxDi5340A_D", &TConfigDravelle::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpD"}, "QSFPD"},
    {"ComboBoxDi5340B_DDR4", &TConfigDravelle::Si5340BDdrFrequency, 6, 'B', {"CheckBoxDDR4_0", "CheckBoxDDR4_1"},
     "DDR4"},
    {"ComboBoxDi5340B_QDRII", &TConfigDravelle::Si5340BQdrFrequency, 5, 'B',
     {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC", "CheckBoxQdrD"}, "QDRII"},
    {"ComboBoxDi5340B_PCIE", &TConfigDravelle::Si5340BPcieFrequency, 2, 'B', {"CheckBoxPceiClk"},
     "On-Board PCIe ref clock"},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeQsfp_A", pictures::Part::Jack},        {"ShapeQsfp_B", pictures::Part::Jack},
    {"ShapeQsfp_C", pictures::Part::Jack},        {"ShapeQsfp_D", pictures::Part::Jack},
    {"ShapeSi5340A", pictures::Part::Chip},       {"ShapeRs422", pictures::Part::Jack},
    {"ShapeBracketLED", pictures::Part::Leds, 4}, {"ShapeSma", pictures::Part::Jack},
    {"ShapeQDRII_A", pictures::Part::Memory},     {"ShapeQDRII_B", pictures::Part::Memory},
    {"ShapeQDRII_C", pictures::Part::Memory},     {"ShapeQDRII_D", pictures::Part::Memory},
    {"ShapeFlash", pictures::Part::Memory},       {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeFan", pictures::Part::Region},         {"ShapeTemp", pictures::Part::Chip},
    {"ShapePower", pictures::Part::Chip},         {"ShapeSi5340B", pictures::Part::Chip},
    {"ShapeDDR4_0", pictures::Part::Header},      {"ShapeDDR4_1", pictures::Part::Header},
    {"ShapeSeg7", pictures::Part::Seg7, 2},       {"ShapeButton", pictures::Part::Keys, 4},
    {"ShapeSwitch", pictures::Part::Switches, 2}, {"ShapeLED", pictures::Part::Leds, 4},
    {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawDravelleBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(162, 40, 62, 92), QStringLiteral("Arria 10 GX"), pictures::Part::Chip},
            {QRect(294, 168, 52, 16), QStringLiteral("TPS40428"), pictures::Part::Chip},
            // The name between the outlines of QDRII+ C and D, clear of both.
            {QRect(161, 142, 64, 16), QStringLiteral("Dravelle"), pictures::Part::Silkscreen},
        });
}

constexpr NobrechtFamilyData<TConfigDravelle> kBoard = {
    kLayout,
    831,
    579,
    "Dravelle",
    kBoardPicture,
    MAINBOARD_Dravelle,
    kGroups,
    kSi5340Lists,
    {},
    {"CheckBoxDDR4_0", "CheckBoxDDR4_1"},
    "DDR4-SDRAM",
    {7, 7, 7, 7, 5, 4, 1},  // 644.53125, 300, 275 and 100 MHz: the last entry of each list
    &GenerateDravelleProject,
};

}  // namespace

TFormDravelle::TFormDravelle(QWidget* owner) : TNobrechtFamilyForm(owner, kBoard) {}

TFormDravelle::~TFormDravelle() = default;

void RegisterDravellePictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawDravelleBoard); }

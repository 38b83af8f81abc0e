#include "boards/arria10/UI_NOBRECHT.h"

#include "boards/arria10/CONFIG_NOBRECHT.h"
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
using formlayout::kTitle;

constexpr const char* kBoardPicture = "Nobrecht_BITMAP";

constexpr Rect kBoardImage{8, 8, 400, 214};

// The board types, by BoardVariant.
constexpr const char* kBoardTypes[] = {"I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG",
                                       "E1 1150K: 10AX115N2F45E1SG", "I2  900K: 10AX090N3F45I2SG"};

constexpr ControlRow kLayout[] = {
    {Kind::Image, "ImageVarnholt", nullptr, nullptr, {10, 5, 130, 46}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {280, 14, 145, 30}},
    {Kind::Panel, "Panel1", nullptr, nullptr, {8, 56, 417, 524}},
    {Kind::Image, "ImageBoard", "Panel1", nullptr, {kBoardImage}},
    {Kind::Shape, "ShapeQsfp_A", "Panel1", "QSFP+ A", Over(kBoardImage, 6, 8, 44, 42)},
    {Kind::Shape, "ShapeQsfp_B", "Panel1", "QSFP+ B", Over(kBoardImage, 6, 58, 44, 42)},
    {Kind::Shape, "ShapeQsfp_C", "Panel1", "QSFP+ C", Over(kBoardImage, 6, 108, 44, 42)},
    {Kind::Shape, "ShapeQsfp_D", "Panel1", "QSFP+ D", Over(kBoardImage, 6, 158, 44, 42)},
    {Kind::Shape, "ShapeSi5340A", "Panel1", "Si5340A", Over(kBoardImage, 58, 90, 36, 24)},
    {Kind::Shape, "ShapeRs422", "Panel1", "RS422", Over(kBoardImage, 58, 124, 36, 30)},
    {Kind::Shape, "ShapeBracketLED", "Panel1", "LED", Over(kBoardImage, 58, 164, 36, 12)},
    {Kind::Shape, "ShapeSma", "Panel1", "SMA", Over(kBoardImage, 58, 14, 36, 30)},
    {Kind::Shape, "ShapeQDRII_A", "Panel1", "QDRII+ A", Over(kBoardImage, 104, 10, 52, 30)},
    {Kind::Shape, "ShapeQDRII_B", "Panel1", "QDRII+ B", Over(kBoardImage, 230, 10, 52, 30)},
    {Kind::Shape, "ShapeQDRII_C", "Panel1", "QDRII+ C", Over(kBoardImage, 104, 150, 52, 30)},
    {Kind::Shape, "ShapeQDRII_D", "Panel1", "QDRII+ D", Over(kBoardImage, 230, 150, 52, 30)},
    {Kind::Shape, "ShapeFlash", "Panel1", "FLASH", Over(kBoardImage, 104, 52, 40, 24)},
    {Kind::Shape, "ShapeOSC", "Panel1", "CLOCK", Over(kBoardImage, 104, 88, 40, 18), kDotted},
    {Kind::Shape, "ShapeFan", "Panel1", "FAN", Over(kBoardImage, 166, 8, 54, 22)},
    {Kind::Shape, "ShapeTemp", "Panel1", "TEMP", Over(kBoardImage, 104, 118, 40, 18), kDotted},
    {Kind::Shape, "ShapePower", "Panel1", "POWER", Over(kBoardImage, 236, 118, 44, 18), kDotted},
    {Kind::Shape, "ShapeSi5340B", "Panel1", "Si5340B", Over(kBoardImage, 236, 88, 44, 18), kDotted},
    {Kind::Shape, "ShapeDDR3_0", "Panel1", "DDR3 A", Over(kBoardImage, 294, 10, 22, 150)},
    {Kind::Shape, "ShapeDDR3_1", "Panel1", "DDR3 B", Over(kBoardImage, 324, 10, 22, 150)},
    {Kind::Shape, "ShapeSeg7", "Panel1", "HEX", Over(kBoardImage, 354, 10, 38, 26)},
    {Kind::Shape, "ShapeButton", "Panel1", "KEY", Over(kBoardImage, 354, 48, 38, 16)},
    {Kind::Shape, "ShapeSwitch", "Panel1", "SW", Over(kBoardImage, 354, 76, 38, 16)},
    {Kind::Shape, "ShapeLED", "Panel1", "LED", Over(kBoardImage, 354, 104, 38, 12)},
    {Kind::Shape, "ShapePCIe", "Panel1", "PCIe", Over(kBoardImage, 120, 194, 160, 14)},
    {Kind::GroupBox, "GroupBoxSi5340A", "Panel1", "Si5340A", {8, 232, 400, 150}},
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_A", "ComboBoxDi5340A_A", "QSFPA_REFCLK_p/n:", 0),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_B", "ComboBoxDi5340A_B", "QSFPB_REFCLK_p/n:", 1),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_C", "ComboBoxDi5340A_C", "QSFPC_REFCLK_p/n:", 2),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340A", "LabelSi5340A_D", "ComboBoxDi5340A_D", "QSFPD_REFCLK_p/n:", 3),
    {Kind::GroupBox, "GroupBoxSi5340B", "Panel1", "Si5340B", {8, 392, 400, 122}},
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_DDR3", "ComboBoxDi5340B_DDR3", "DDR3_REFCLK_p/n:", 0),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_QDRII", "ComboBoxDi5340B_QDRII", "QDRII_REFCLK_p/n:", 1),
    NOBRECHT_SI5340_ROW("GroupBoxSi5340B", "LabelSi5340B_PCIE", "ComboBoxDi5340B_PCIE", "OB_PCIE_REFCLK_p/n:", 2),
    {Kind::GroupBox, "GroupBox1", nullptr, "System Configuration", {432, 5, 391, 425}},
    {Kind::Label, "LabelBoard", "GroupBox1", "Board Type:", {14, 26, 92, 24}},
    {Kind::ComboBox, "ComboBoxBoard", "GroupBox1", nullptr, {110, 26, 266, 24}},
    {Kind::Label, "LabelProjectName", "GroupBox1", "Project Name:", {14, 58, 92, 24}},
    {Kind::Edit, "EditProjectName", "GroupBox1", nullptr, {110, 58, 266, 24}},
    {Kind::CheckBox, "CheckBoxOSC", "GroupBox1", "CLOCK ", {16, 96, 176, 22}},
    {Kind::CheckBox, "CheckBoxLED", "GroupBox1", "LED x  8", {16, 122, 176, 22}},
    {Kind::CheckBox, "CheckBoxSeg7", "GroupBox1", "7-Segment x 2", {16, 148, 176, 22}},
    {Kind::CheckBox, "CheckBoxButton", "GroupBox1", "Button x 4", {16, 174, 176, 22}},
    {Kind::CheckBox, "CheckBoxSwitch", "GroupBox1", "Switch x 2", {16, 200, 176, 22}},
    {Kind::CheckBox, "CheckBoxSma", "GroupBox1", "SMA", {16, 226, 176, 22}},
    {Kind::CheckBox, "CheckBoxTemp", "GroupBox1", "Temperature Sensor", {16, 252, 176, 22}},
    {Kind::CheckBox, "CheckBoxPower", "GroupBox1", "Power Monitor", {16, 278, 176, 22}},
    {Kind::CheckBox, "CheckBoxFan", "GroupBox1", "Fan Control", {16, 304, 176, 22}},
    {Kind::CheckBox, "CheckBoxFlash", "GroupBox1", "Flash (256MB)", {16, 330, 176, 22}},
    {Kind::CheckBox, "CheckBoxRs422", "GroupBox1", "RS422 Expansion ", {16, 356, 176, 22}},
    {Kind::CheckBox, "CheckBoxPCIe", "GroupBox1", "PCIe", {16, 382, 176, 22}},
    {Kind::CheckBox, "CheckBoxDDR3_0", "GroupBox1", "DDR3 SODIMM_A", {200, 96, 176, 22}},
    {Kind::CheckBox, "CheckBoxDDR3_1", "GroupBox1", "DDR3 SODIMM_B", {200, 122, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrA", "GroupBox1", "QDRII+ SRAM A", {200, 148, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrB", "GroupBox1", "QDRII+ SRAM B", {200, 174, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrC", "GroupBox1", "QDRII+ SRAM C", {200, 200, 176, 22}},
    {Kind::CheckBox, "CheckBoxQdrD", "GroupBox1", "QDRII+ SRAM D", {200, 226, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpA", "GroupBox1", "QSFP+ A", {200, 252, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpB", "GroupBox1", "QSFP+ B", {200, 278, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpC", "GroupBox1", "QSFP+ C", {200, 304, 176, 22}},
    {Kind::CheckBox, "CheckBoxQsfpD", "GroupBox1", "QSFP+ D", {200, 330, 176, 22}},
    {Kind::CheckBox, "CheckBoxPceiClk", "GroupBox1", "PCIe On-Board Clock", {200, 356, 176, 22}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {432, 440, 190, 42}},
    {Kind::Button, "ButtonButtonDefaultAllSetting", nullptr, "Select All", {633, 440, 190, 42}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting...", {432, 488, 190, 42}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting...", {633, 488, 190, 42}},
    {Kind::Button, "ButtonGen", nullptr, "Generate...", {432, 536, 190, 42}, kBold},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {633, 536, 190, 42}},
};

using N = NOBRECHT_CONFIG;

constexpr DeviceGroup<N> kGroups[] = {
    {"CheckBoxOSC", &N::bOSC, {"ShapeOSC"}},
    {"CheckBoxLED", &N::bLED, {"ShapeLED", "ShapeBracketLED"}},
    {"CheckBoxSeg7", &N::bSeg7, {"ShapeSeg7"}},
    {"CheckBoxButton", &N::bButton, {"ShapeButton"}},
    {"CheckBoxSwitch", &N::bSwitch, {"ShapeSwitch"}},
    {"CheckBoxSma", &N::bSma, {"ShapeSma"}},
    {"CheckBoxTemp", &N::bTemp, {"ShapeTemp"}},
    {"CheckBoxPower", &N::bPower, {"ShapePower"}},
    {"CheckBoxDDR3_0", &N::bDDR3_0, {"ShapeDDR3_0"}},
    {"CheckBoxDDR3_1", &N::bDDR3_1, {"ShapeDDR3_1"}},
    {"CheckBoxQdrA", &N::bQdrA, {"ShapeQDRII_A"}},
    {"CheckBoxQdrB", &N::bQdrB, {"ShapeQDRII_B"}},
    {"CheckBoxQdrC", &N::bQdrC, {"ShapeQDRII_C"}},
    {"CheckBoxQdrD", &N::bQdrD, {"ShapeQDRII_D"}},
    {"CheckBoxQsfpA", &N::bQsfpA, {"ShapeQsfp_A"}},
    {"CheckBoxQsfpB", &N::bQsfpB, {"ShapeQsfp_B"}},
    {"CheckBoxQsfpC", &N::bQsfpC, {"ShapeQsfp_C"}},
    {"CheckBoxQsfpD", &N::bQsfpD, {"ShapeQsfp_D"}},
    {"CheckBoxPCIe", &N::bPCIe, {"ShapePCIe"}},
    {"CheckBoxFan", &N::bFan, {"ShapeFan"}},
    {"CheckBoxFlash", &N::bFlash, {"ShapeFlash"}},
    {"CheckBoxPceiClk", &N::bPceiClk, {}},
    {"CheckBoxRs422", &N::bRs422, {"ShapeRs422"}},
};

// In record order: nSi5340A[0..3], then nSi5340B[0..2].
constexpr Si5340List kSi5340Lists[] = {
    {"ComboBoxDi5340A_A", &TConfigNobrecht::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpA"}, "QSFPA"},
    {"ComboBoxDi5340A_B", &TConfigNobrecht::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpB"}, "QSFPB"},
    {"ComboBoxDi5340A_C", &TConfigNobrecht::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpC"}, "QSFPC"},
    {"ComboBoxDi5340A_D", &TConfigNobrecht::Si5340AFrequency, 8, 'A', {"CheckBoxQsfpD"}, "QSFPD"},
    {"ComboBoxDi5340B_DDR3", &TConfigNobrecht::Si5340BDdrFrequency, 4, 'B', {"CheckBoxDDR3_0", "CheckBoxDDR3_1"},
     "DDR3"},
    {"ComboBoxDi5340B_QDRII", &TConfigNobrecht::Si5340BQdrFrequency, 5, 'B',
     {"CheckBoxQdrA", "CheckBoxQdrB", "CheckBoxQdrC", "CheckBoxQdrD"}, "QDRII"},
    {"ComboBoxDi5340B_PCIE", &TConfigNobrecht::Si5340BPcieFrequency, 2, 'B', {"CheckBoxPceiClk"},
     "On-Board PCIe ref clock"},
};

constexpr boardpicture::OutlinedPart kParts[] = {
    {"ShapeQsfp_A", pictures::Part::Jack},      {"ShapeQsfp_B", pictures::Part::Jack},
    {"ShapeQsfp_C", pictures::Part::Jack},      {"ShapeQsfp_D", pictures::Part::Jack},
    {"ShapeSi5340A", pictures::Part::Chip},     {"ShapeRs422", pictures::Part::Jack},
    {"ShapeBracketLED", pictures::Part::Leds, 4}, {"ShapeSma", pictures::Part::Jack},
    {"ShapeQDRII_A", pictures::Part::Memory},   {"ShapeQDRII_B", pictures::Part::Memory},
    {"ShapeQDRII_C", pictures::Part::Memory},   {"ShapeQDRII_D", pictures::Part::Memory},
    {"ShapeFlash", pictures::Part::Memory},     {"ShapeOSC", pictures::Part::Oscillator},
    {"ShapeFan", pictures::Part::Region},       {"ShapeTemp", pictures::Part::Chip},
    {"ShapePower", pictures::Part::Chip},       {"ShapeSi5340B", pictures::Part::Chip},
    {"ShapeDDR3_0", pictures::Part::Header},    {"ShapeDDR3_1", pictures::Part::Header},
    {"ShapeSeg7", pictures::Part::Seg7, 2},     {"ShapeButton", pictures::Part::Keys, 4},
    {"ShapeSwitch", pictures::Part::Switches, 2}, {"ShapeLED", pictures::Part::Leds, 4},
    {"ShapePCIe", pictures::Part::Header},
};

QPixmap DrawNobrechtBoard()
{
    return boardpicture::DrawBoardUnderOutlines(
        kBoardImage, kLayout, kParts,
        {
            {QRect(162, 44, 62, 96), QStringLiteral("Arria 10 GX"), pictures::Part::Chip},
            // The name between the outlines of QDRII+ C and D, clear of both.
            {QRect(161, 150, 64, 16), QStringLiteral("Nobrecht"), pictures::Part::Silkscreen},
        });
}

constexpr NobrechtFamilyData<TConfigNobrecht> kBoard = {
    kLayout,
    831,
    588,
    "Nobrecht",
    kBoardPicture,
    MAINBOARD_Nobrecht,
    kGroups,
    kSi5340Lists,
    kBoardTypes,
    {"CheckBoxDDR3_0", "CheckBoxDDR3_1"},
    "DDR3-SDRAM",
    {7, 7, 7, 7, 3, 3, 1},  // 644.53125, 266.667, 250 (not the last entry) and 100 MHz
    &GenerateNobrechtProject,
};

}  // namespace

TFormNobrecht::TFormNobrecht(QWidget* owner) : TNobrechtFamilyForm(owner, kBoard) {}

TFormNobrecht::~TFormNobrecht() = default;

void RegisterNobrechtPictures() { platform::qt::RegisterBitmap(kBoardPicture, DrawNobrechtBoard); }

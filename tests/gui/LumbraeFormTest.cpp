// The Lumbrae form: where its layout differs from Kestwin's, the HDMI box in its record and
// outlines, and a Kestwin record read through the shared "default.cfg".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "boards/cyclone5_max10/UI_KESTWIN.h"
#include "boards/cyclone5_max10/UI_LUMBRAE.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

struct Place {
    const char* name;
    QRect geometry;
};

// What differs from Kestwin's layout, and a few of the places the two share.
const Place kPlaces[] = {
    {"ImageVarnholt", {16, 11, 93, 46}},    {"LabelBoardName", {8, 8, 405, 29}},
    {"ImageBoard", {8, 48, 400, 240}},      {"ShapeOSC", {192, 186, 21, 27}},
    {"ShapeLED", {317, 248, 53, 17}},       {"ShapeSwitch", {162, 214, 68, 31}},
    {"ShapeButton", {287, 266, 32, 18}},    {"ShapeGpio0", {91, 49, 186, 22}},
    {"ShapeGpio1", {90, 269, 186, 22}},     {"ShapeADC", {322, 268, 49, 20}},
    {"ShapeHPS", {172, 103, 35, 33}},       {"ShapeArduino_0", {94, 72, 177, 16}},
    {"ShapeArduino_1", {127, 248, 142, 16}}, {"ShapeHDMI", {13, 124, 35, 52}},
    {"ShapeArduino_2", {258, 149, 20, 32}}, {"CheckBoxHdmiTx", {16, 217, 160, 17}},
    {"CheckBoxHPS", {184, 217, 160, 17}},   {"ShapeKelpin23", {96, 144, 65, 1}},
    {"GroupBox1", {432, 1, 353, 504}},      {"ComboBoxGpio1", {16, 424, 240, 28}},
};

const std::vector<std::string> kTabOrder = {
    "ButtonSave",      "ButtonLoad",     "ButtonGen",      "ButtonExit",      "CheckBoxLED",     "CheckBoxButton",
    "ComboBoxGpio0",   "ComboBoxGpio1",  "EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1", "CheckBoxOSC",
    "CheckBoxSwitch",  "CheckBoxADC",    "CheckBoxHPS",    "CheckBoxArduino", "CheckBoxHdmiTx",  "ButtonMainBoardSelect",
};

const std::string kConflict =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

}  // namespace

class LumbraeForm : public BoardFormFixture<TFormLumbrae, MAINBOARD_Lumbrae> {
protected:
    // Generate into a folder of its own; the project file's path.
    std::string Generate(const std::string& name)
    {
        const std::string folder = dir.Path() + "gen/" + name + "/";
        platform::ForceDirectories(folder);
        dialogs.QueueFile(folder + "Lumbrae.qpf");
        Press("ButtonGen");
        return folder + "Lumbrae.qpf";
    }
};

TEST_F(LumbraeForm, LayoutFollowsTheBoard)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Lumbrae V1.0.1");
    EXPECT_EQ(form->size(), QSize(789, 520));
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ImageAltera")), nullptr);
    for (const Place& place : kPlaces) EXPECT_EQ(Get(place.name)->geometry(), place.geometry) << place.name;
    EXPECT_EQ(TabChain(form, Get("ButtonSave")), kTabOrder);
}

// The defaults tick HDMI TX; its box, Arduino's three outlines and the record bytes after it.
TEST_F(LumbraeForm, HdmiBoxTakesItsByteAndOutline)
{
    Open();
    EXPECT_EQ(Text("EditProjectName"), "Lumbrae");
    EXPECT_TRUE(Box("CheckBoxHdmiTx")->isChecked());
    EXPECT_FALSE(Box("CheckBoxHPS")->isChecked());
    Box("CheckBoxHdmiTx")->click();
    EXPECT_FALSE(Shown("ShapeHDMI"));
    for (const char* shape : {"ShapeArduino_0", "ShapeArduino_1", "ShapeArduino_2"}) EXPECT_TRUE(Shown(shape)) << shape;
    Box("CheckBoxArduino")->click();
    for (const char* shape : {"ShapeArduino_0", "ShapeArduino_1", "ShapeArduino_2"}) EXPECT_FALSE(Shown(shape)) << shape;
    Pick(Combo("ComboBoxGpio0"), 1);
    Edit("EditPrefixGpio0")->setText("P_");
    dialogs.QueueFile(dir.Path() + "saved.cfg");
    Press("ButtonSave");

    LUMBRAE_CONFIG expected = DefaultLumbraeConfig();
    expected.bHdmiTx = 0;
    expected.bArduino = 0;
    expected.nGpioDaughterId[GPIO_0] = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(expected.szGpioPrefixName[GPIO_0], "P_");
    const LUMBRAE_CONFIG saved = ReadRecordFile<LUMBRAE_CONFIG>(dir.Path() + "saved.cfg");
    EXPECT_EQ(std::memcmp(&saved, &expected, sizeof saved), 0);

    // The prefix check and its exemption are Kestwin's.
    Pick(Combo("ComboBoxGpio1"), 1);
    Edit("EditPrefixGpio1")->setText("P_");
    Press("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kConflict});
}

// Kestwin's form leaves its record in "default.cfg"; Lumbrae's takes it with its own offsets:
// Kestwin's GPIO-0 card is the HDMI tick, its GPIO-1 card Lumbrae's GPIO-0 card, and the
// project is whole.
TEST_F(LumbraeForm, KestwinRecordFromTheSharedDefaultGivesAValidProject)
{
    {
        TFormMain kestwinMain;
        kestwinMain.show();
        kestwinMain.CreateBoardForm(MAINBOARD_Kestwin);
        QWidget* kestwin = kestwinMain.BoardForm();
        ASSERT_NE(dynamic_cast<TFormKestwin*>(kestwin), nullptr);
        formlayout::FindControl<QCheckBox>(kestwin, "CheckBoxADC")->click();
        Pick(formlayout::FindControl<QComboBox>(kestwin, "ComboBoxGpio0"), 1);
        Pick(formlayout::FindControl<QComboBox>(kestwin, "ComboBoxGpio1"), 2);  // Sollip, id 12
        formlayout::FindControl<QPushButton>(kestwin, "ButtonExit")->click();
    }
    ASSERT_TRUE(platform::FileExists(DefaultCfg()));

    Open();
    EXPECT_TRUE(Box("CheckBoxHdmiTx")->isChecked());
    EXPECT_FALSE(Box("CheckBoxADC")->isChecked());
    EXPECT_EQ(Current("ComboBoxGpio0"), BoardName(DAUGHTER_Sollip));
    EXPECT_EQ(Combo("ComboBoxGpio1")->currentIndex(), 0);
    const std::string file = Generate("carried");
    EXPECT_EQ(dialogs.Texts().size(), 1u);

    LUMBRAE_CONFIG record = ReadRecordFile<LUMBRAE_CONFIG>(DefaultCfg());
    record.BoardId = MAINBOARD_Lumbrae;
    TMainBoard board;
    BuildLumbraeProjectBoard(board, record);
    board.SortConnectorPins();
    EXPECT_EQ(modeltest::ConnectorNames(board),
              (std::vector<std::string>{"ARDUINO", "CLOCK", "HDMI", "KEY", "LED", "SW", "GPIO_0"}));
    tooltest::ExpectProjectAccepted(board, file, false);
}

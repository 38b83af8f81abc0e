// The Pressel form: its record in the controls, its outlines, Generate's one box, and the
// left-Ctrl batch over its card list written as real projects under the prefix "GPIO".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "BoardFormFixture.h"
#include "ProjectCheck.h"
#include "boards/cyclone5_max10/CONFIG_Pressel.h"
#include "boards/cyclone5_max10/UI_PRESSEL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/qt/QtPlatform.h"

namespace {

// Each group's box and the outlines it drives, in the record's order.
struct Group {
    const char* box;
    std::vector<const char*> shapes;
};
const Group kGroups[] = {
    {"CheckBoxOSC", {"ShapeOSC"}},
    {"CheckBoxLED", {"ShapeLED"}},
    {"CheckBoxButton", {"ShapeButton"}},
    {"CheckBoxSwitch", {"ShapeSwitch"}},
    {"CheckBoxAccelerometer", {"ShapeAccelerometer"}},
    {"CheckBoxSDRAM", {"ShapeSDRAM"}},
    {"CheckBoxVGA", {"ShapeVGA"}},
    {"CheckBoxSeg7", {"ShapeSeg7"}},
    {"CheckBoxArduino", {"ShapeArduino_0", "ShapeArduino_1"}},
};

// The card list and, per card, the project the batch names after it.
constexpr uint8_t kCards[] = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74};
constexpr const char* kBatchProjects[] = {
    "Pressel_GPIO_GPIO_Default", "Pressel_GPIO_Sollip",          "Pressel_GPIO_Garvet",
    "Pressel_GPIO_Corvish",      "Pressel_GPIO_Pelvin",          "Pressel_GPIO_Ravesh",
    "Pressel_GPIO_Servo_Motor_Kit", "Pressel_GPIO_RF_and_Sensor", "Pressel_GPIO_Ferrund_GPIO",
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

}  // namespace

using PresselForm = BoardFormFixture<TFormPressel, MAINBOARD_Pressel>;

TEST_F(PresselForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Pressel V1.0.1");
    EXPECT_EQ(main->windowTitle().toStdString(), mainTitle);  // left as it was
    EXPECT_EQ(form->size(), QSize(793, 497));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Pressel FPGA Board");
    EXPECT_FALSE(Get<QLabel>("ImageAltera")->pixmap().isNull());
    EXPECT_EQ(Text("EditProjectName"), "Pressel");
    for (const Group& group : kGroups) {
        EXPECT_TRUE(Box(group.box)->isChecked()) << group.box;
        for (const char* shape : group.shapes) EXPECT_TRUE(Shown(shape)) << shape;
    }
    std::vector<std::string> names;
    for (uint8_t card : kCards) names.push_back(BoardName(card));
    EXPECT_EQ(Items(Combo()), names);
    EXPECT_EQ(Combo()->maxVisibleItems(), 10);
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio"));
    EXPECT_FALSE(Shown("ShapeKelpin23"));  // the dotted line no operation touches marks nothing
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Each box drives its outlines (both Arduino rows follow one box); the header's outline and
// picture follow the card.
TEST_F(PresselForm, OutlinesAndCardPictureFollowTheControls)
{
    Open();
    for (const Group& group : kGroups) {
        Box(group.box)->click();
        for (const Group& other : kGroups)
            for (const char* shape : other.shapes) EXPECT_EQ(Shown(shape), &other > &group) << group.box << " " << shape;
    }
    Pick(Combo(), 3);
    EXPECT_TRUE(Shown("ShapeGpio"));
    ASSERT_TRUE(Shown("ImageGpio"));
    EXPECT_EQ(Get<QLabel>("ImageGpio")->pixmap().toImage(), platform::qt::LoadBitmap("Garvet_80_BITMAP").toImage());
    Pick(Combo(), 0);
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio"));
}

// A 272-byte "default.cfg" is taken whichever board wrote it; "Exit" writes it back with
// Pressel's size and id, the reserved byte and the bytes after each text as they were.
TEST_F(PresselForm, ForeignDefaultCfgIsShownAndExitKeepsItsOtherBytes)
{
    PRESSEL_CONFIG foreign;
    for (std::size_t i = 0; i < sizeof foreign; ++i) reinterpret_cast<uint8_t*>(&foreign)[i] = static_cast<uint8_t>(i * 13 + 5);
    foreign.Size = 99;
    foreign.BoardId = MAINBOARD_Wistrell;
    std::strcpy(foreign.szProjectName, "Other");
    std::memset(&foreign.bClock, 0, 10);
    foreign.Reserved = 0xA5;
    foreign.bArduino = 9;
    foreign.bSdram = 1;
    foreign.nGpioDaughterId = DAUGHTER_Tesvik;
    std::strcpy(foreign.szGpioPrefixName, "SERVO_");
    WriteRecordFile(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "Other");
    EXPECT_TRUE(Box("CheckBoxArduino")->isChecked());
    EXPECT_TRUE(Box("CheckBoxSDRAM")->isChecked());
    EXPECT_FALSE(Box("CheckBoxOSC")->isChecked());
    EXPECT_TRUE(Shown("ShapeArduino_1"));
    EXPECT_EQ(Combo()->currentText().toStdString(), BoardName(DAUGHTER_Tesvik));
    EXPECT_EQ(Text("EditPrefixGpio"), "SERVO_");

    Click("ButtonExit");
    PRESSEL_CONFIG expected = foreign;
    expected.Size = 272;
    expected.BoardId = MAINBOARD_Pressel;
    expected.bArduino = 1;
    PRESSEL_CONFIG written = ReadRecordFile<PRESSEL_CONFIG>(DefaultCfg());
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);

    // A card this list does not hold leaves "None" and hides the record's prefix.
    foreign.nGpioDaughterId = DAUGHTER_HSMC_DEFAULT;
    WriteRecordFile(DefaultCfg(), foreign);
    Open();
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Generate shows the success box and nothing after it. A card with an empty prefix keeps its
// signal names; "None" leaves the header out of the project.
TEST_F(PresselForm, GenerateShowsOnlyTheSuccessBox)
{
    Open();
    Pick(Combo(), 1);
    const std::string folder = dir.Path() + "CodeGenerated/Pressel/Pressel/";
    dialogs.QueueFile(folder + "Pressel.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + folder}));
    std::string qsf = tooltest::ReadFile(folder + "Pressel.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V10 -to GPIO[0]\r\n"), std::string::npos);

    Pick(Combo(), 0);
    dialogs.Clear();
    dialogs.QueueFile(folder + "Pressel.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + folder}));
    qsf = tooltest::ReadFile(folder + "Pressel.qsf");
    EXPECT_EQ(qsf.find("GPIO"), std::string::npos);
    EXPECT_NE(qsf.find("-to ARDUINO_RESET_N\r\n"), std::string::npos);
}

// Left Ctrl with Generate: the validation error alone, a cancelled dialog, and the whole list
// written without a beep or a box, each project under the prefix "GPIO" and accepted by the
// tools; afterwards the controls show what they showed before.
TEST_F(PresselForm, LeftCtrlBatch)
{
    struct Case {
        const char* label;
        const char* projectName;
        bool confirm;         // a file chosen in the project dialog
        std::size_t written;  // projects of the list written, from the first
        int dialogs;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"empty name", "", false, 0, 0, {"Project Name cannot be empty."}},
        {"cancelled", "mine", false, 0, 1, {}},
        {"confirmed", "mine", true, 9, 1, {}},
    };
    platform::SetCtrlDownProvider([] { return true; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        // What the user left: a name, a card other than the first, a prefix, one box untouched.
        Edit("EditProjectName")->setText(QString::fromLatin1(c.projectName));
        Pick(Combo(), 2);
        Edit("EditPrefixGpio")->setText("P_");
        Box("CheckBoxVGA")->click();
        dialogs.Clear();
        const std::string folder = dir.Path() + "batch " + c.label + "/";
        platform::ForceDirectories(folder);
        if (c.confirm) dialogs.QueueFile(folder + "chosen.qpf");
        const std::vector<std::string> before = ProjectFiles(dir.Path());
        const int beeps = platform::BeepCount();
        Click("ButtonGen");

        EXPECT_EQ(static_cast<int>(dialogs.FileDialogs().size()), c.dialogs);
        EXPECT_EQ(platform::BeepCount(), beeps);
        EXPECT_EQ(dialogs.Texts(), c.boxes);

        std::vector<std::string> expected = before;
        for (std::size_t i = 0; i < c.written; ++i)
            expected.push_back(folder + kBatchProjects[i] + "/" + kBatchProjects[i] + ".qpf");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ProjectFiles(dir.Path()), expected);
        for (std::size_t i = 0; i < c.written; ++i) {
            SCOPED_TRACE(kBatchProjects[i]);
            TConfigPressel settings;
            settings.Config = TConfigPressel::DefaultConfig();
            settings.Config.bVga = 0;
            settings.Config.nGpioDaughterId = kCards[i + 1];
            WriteRecordText(settings.Config.szGpioPrefixName, "GPIO");
            TMainBoard board;
            BuildPresselProjectBoard(board, settings);
            board.SortConnectorPins();
            const std::string file = folder + kBatchProjects[i] + "/" + kBatchProjects[i] + ".qpf";
            tooltest::ExpectProjectAccepted(board, file, false);
            EXPECT_EQ(tooltest::ReadFile(folder + kBatchProjects[i] + "/" + kBatchProjects[i] + ".qsf").find("VGA_"),
                      std::string::npos);
        }
        if (c.written > 0) {
            const std::string qsf = tooltest::ReadFile(folder + kBatchProjects[0] + "/" + kBatchProjects[0] + ".qsf");
            EXPECT_NE(qsf.find("set_location_assignment PIN_V10 -to GPIOGPIO[0]\r\n"), std::string::npos);
        }

        EXPECT_EQ(Text("EditProjectName"), c.projectName);
        EXPECT_EQ(Combo()->currentIndex(), 2);
        EXPECT_EQ(Text("EditPrefixGpio"), "P_");
        EXPECT_TRUE(Shown("ImageGpio"));
    }
}

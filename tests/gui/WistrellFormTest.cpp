// The Wistrell form: its record in the controls, its outlines, its boxes after Generate, and
// the left-Ctrl batch over its card list written as real projects.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <fstream>

#include "BoardFormFixture.h"
#include "ProjectCheck.h"
#include "boards/cyclone5_max10/UI_WISTRELL.h"
#include "cards/DaughterBoardInfo.h"
#include "core/shell/FormLayout.h"
#include "core/settings/RecordText.h"
#include "platform/qt/QtPlatform.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",   "CheckBoxLED",  "CheckBoxButton",  "CheckBoxSwitch",
                                       "CheckBoxVGA",   "CheckBoxHDMI", "CheckBoxDDR3",    "CheckBoxAudio",
                                       "CheckBoxVideoIn", "CheckBoxADC", "CheckBoxSeg7",   "CheckBoxIR",
                                       "CheckBoxPS2"};
constexpr const char* kGroupShapes[] = {"ShapeOSC", "ShapeLED",     "ShapeButton", "ShapeSwitch", "ShapeVGA",
                                        "ShapeHdmi", "ShapeDDR3",   "ShapeAudio",  "ShapeVideoIn", "ShapeADC",
                                        "ShapeSeg7", "ShapeIR",     "ShapePS2"};
constexpr const char* kHpsShapes[] = {"ShapeHPS",    "ShapeHpsDDR3", "ShapeHpsEthernet", "ShapeHpsSdcard",
                                      "ShapeHpsUsb", "ShapeHpsUart", "ShapeHpsLTC",      "ShapeHpsLCD",
                                      "ShapeHpsLedButton"};

// The card list and, per card, the project the batch names after it.
constexpr uint8_t kCards[] = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74};
constexpr const char* kBatchProjects[] = {
    "Wistrell_GPIO_GPIO_Default", "Wistrell_GPIO_Sollip",          "Wistrell_GPIO_Garvet",
    "Wistrell_GPIO_Corvish",      "Wistrell_GPIO_Pelvin",          "Wistrell_GPIO_Ravesh",
    "Wistrell_GPIO_Servo_Motor_Kit", "Wistrell_GPIO_RF_and_Sensor", "Wistrell_GPIO_Ferrund_GPIO",
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kHpsBox =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease add the "
    "Altera HPS IP to your design.\r\n";

}  // namespace

using WistrellForm = BoardFormFixture<TFormWistrell, MAINBOARD_Wistrell>;

TEST_F(WistrellForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Wistrell V1.0.0");
    EXPECT_EQ(form->size(), QSize(794, 515));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Wistrell FPGA Board");
    EXPECT_EQ(Text("EditProjectName"), "Wistrell");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    EXPECT_FALSE(Box("CheckBoxHPS")->isChecked());
    for (const char* shape : kHpsShapes) EXPECT_FALSE(Shown(shape)) << shape;

    std::vector<std::string> names;
    for (uint8_t card : kCards) names.push_back(BoardName(card));
    EXPECT_EQ(Items(Combo()), names);
    EXPECT_EQ(Combo()->maxVisibleItems(), 10);
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio0"));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The nine outlines of the processor side are aqua and follow its box; the header's outline
// and picture follow the card.
TEST_F(WistrellForm, OutlinesAndCardPictureFollowTheControls)
{
    Open();
    Box("CheckBoxHPS")->click();
    for (const char* shape : kHpsShapes) {
        EXPECT_TRUE(Shown(shape)) << shape;
        EXPECT_EQ(Get<formlayout::TShape>(shape)->Colour(), QColor(Qt::cyan)) << shape;
    }
    EXPECT_NE(Get<formlayout::TShape>("ShapeOSC")->Colour(), QColor(Qt::cyan));
    Box("CheckBoxDDR3")->click();
    EXPECT_FALSE(Shown("ShapeDDR3"));
    EXPECT_TRUE(Shown("ShapeHpsDDR3"));

    Pick(Combo(), 2);
    EXPECT_TRUE(Shown("ShapeGpio"));
    ASSERT_TRUE(Shown("ImageGpio0"));
    EXPECT_EQ(Get<QLabel>("ImageGpio0")->pixmap().toImage(), platform::qt::LoadBitmap("Sollip_80_BITMAP").toImage());
    Pick(Combo(), 0);
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio0"));
}

// A 408-byte "default.cfg" is taken whichever board wrote it; "Exit" writes it back with
// Wistrell's id and size, every byte the form has no control for as it was.
TEST_F(WistrellForm, ForeignDefaultCfgIsShownAndExitKeepsItsSpareBytes)
{
    WISTRELL_CONFIG foreign;
    for (std::size_t i = 0; i < sizeof foreign; ++i) reinterpret_cast<uint8_t*>(&foreign)[i] = static_cast<uint8_t>(i * 13 + 5);
    foreign.BoardId = MAINBOARD_Glenmarch;
    foreign.Size = 12345;
    std::strcpy(foreign.szProjectName, "Glen");
    std::memset(&foreign.bClock, 0, 14);
    foreign.bPs2 = 9;
    foreign.bHps = 1;
    foreign.nGpioDaughterId = DAUGHTER_Garvet;
    std::strcpy(foreign.szGpioPrefixName, "LCD_");
    WriteRecordFile(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "Glen");
    EXPECT_TRUE(Box("CheckBoxPS2")->isChecked());
    EXPECT_TRUE(Box("CheckBoxHPS")->isChecked());
    EXPECT_FALSE(Box("CheckBoxOSC")->isChecked());
    EXPECT_EQ(Combo()->currentText().toStdString(), BoardName(DAUGHTER_Garvet));
    EXPECT_EQ(Text("EditPrefixGpio"), "LCD_");

    Click("ButtonExit");
    WISTRELL_CONFIG expected = foreign;
    expected.BoardId = MAINBOARD_Wistrell;
    expected.Size = 408;
    expected.bPs2 = 1;
    WISTRELL_CONFIG written = ReadRecordFile<WISTRELL_CONFIG>(DefaultCfg());
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);

    // A card this list does not hold leaves "None" and hides the record's prefix.
    foreign.nGpioDaughterId = DAUGHTER_HSMC_DEFAULT;
    WriteRecordFile(DefaultCfg(), foreign);
    Open();
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// With the HPS ticked a successful Generate shows the success box and then the HPS box; a
// failed one shows its error alone.
TEST_F(WistrellForm, HpsBoxFollowsOnlyASuccessfulGenerate)
{
    Open();
    Box("CheckBoxHPS")->click();
    Pick(Combo(), 1);
    const std::string folder = dir.Path() + "CodeGenerated/Wistrell/Wistrell/";
    dialogs.QueueFile(folder + "Wistrell.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + folder, kHpsBox}));
    const std::string qsf = tooltest::ReadFile(folder + "Wistrell.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AF28 -to GPIO[35]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to HPS_SPIM0_MISO\r\n"), std::string::npos);

    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "no/such/folder/broken.qpf");
    Click("ButtonGen");
    ASSERT_FALSE(dialogs.Boxes().empty());
    EXPECT_EQ(dialogs.Boxes().back().text, "Failed to generate Quartus project: broken.qpf.");
    for (const auto& box : dialogs.Boxes()) EXPECT_EQ(box.kind, platform::BoxKind::Error) << box.text;
}

// Left Ctrl with Generate, from each state a user can reach: the validation error alone, a
// cancelled dialog, the whole list written, and a batch whose third project fails. Each
// written project is accepted by the tools and carries the controls as the user left them;
// afterwards the controls show what they showed before.
TEST_F(WistrellForm, LeftCtrlBatch)
{
    struct Case {
        const char* label;
        const char* projectName;
        bool confirm;         // a file chosen in the project dialog
        bool blockThird;      // a file stands where the third project's folder would go
        std::size_t written;  // projects of the list written, from the first
        int dialogs;
        std::vector<std::string> boxes;  // the form's own boxes
    };
    const Case cases[] = {
        {"empty name", "", false, false, 0, 0, {"Project Name cannot be empty."}},
        {"cancelled", "mine", false, false, 0, 1, {}},
        {"confirmed", "mine", true, false, 9, 1, {}},
        {"third fails", "mine", true, true, 2, 1, {"Failed to generate Quartus project: Wistrell_GPIO_Garvet.qpf."}},
    };
    platform::SetCtrlDownProvider([] { return true; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        // What the user left: a name, a card other than the first, a prefix, one box untouched.
        Edit("EditProjectName")->setText(QString::fromLatin1(c.projectName));
        Pick(Combo(), 2);
        Edit("EditPrefixGpio")->setText("P_");
        Box("CheckBoxHDMI")->click();
        dialogs.Clear();
        const std::string folder = dir.Path() + "batch " + c.label + "/";
        platform::ForceDirectories(folder);
        if (c.blockThird) std::ofstream(folder + kBatchProjects[2]) << "in the way";
        if (c.confirm) dialogs.QueueFile(folder + "chosen.qpf");
        const std::vector<std::string> before = ProjectFiles(dir.Path());
        const int beeps = platform::BeepCount();
        Click("ButtonGen");

        EXPECT_EQ(static_cast<int>(dialogs.FileDialogs().size()), c.dialogs);
        EXPECT_EQ(platform::BeepCount(), beeps + (c.dialogs ? 1 : 0));
        std::vector<std::string> formBoxes;
        for (const auto& box : dialogs.Boxes()) {
            EXPECT_NE(box.kind, platform::BoxKind::Information) << box.text;
            if (box.text.starts_with("Failed to generate") || box.text.starts_with("Project Name"))
                formBoxes.push_back(box.text);
        }
        EXPECT_EQ(formBoxes, c.boxes);

        std::vector<std::string> expected = before;
        for (std::size_t i = 0; i < c.written; ++i)
            expected.push_back(folder + kBatchProjects[i] + "/" + kBatchProjects[i] + ".qpf");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ProjectFiles(dir.Path()), expected);
        for (std::size_t i = 0; i < c.written; ++i) {
            SCOPED_TRACE(kBatchProjects[i]);
            WISTRELL_CONFIG record = DefaultWistrellConfig();
            record.bHdmiTx = 0;
            record.nGpioDaughterId = kCards[i + 1];
            WriteRecordText(record.szGpioPrefixName, "P_");
            TMainBoard board;
            BuildWistrellProjectBoard(board, record);
            board.SortConnectorPins();
            tooltest::ExpectProjectAccepted(board, folder + kBatchProjects[i] + "/" + kBatchProjects[i] + ".qpf", false);
        }

        EXPECT_EQ(Text("EditProjectName"), c.projectName);
        EXPECT_EQ(Combo()->currentIndex(), 2);
        EXPECT_EQ(Text("EditPrefixGpio"), "P_");
        EXPECT_TRUE(Shown("ImageGpio0"));
    }
}

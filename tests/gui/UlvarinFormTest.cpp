#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <utility>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_ULVARIN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"
#include "platform/qt/QtPlatform.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC", "CheckBoxLED",     "CheckBoxButton", "CheckBoxSwitch", "CheckBoxSeg7",
                                       "CheckBoxSDRAM", "CheckBoxVGA",   "CheckBoxAudio",  "CheckBoxVideoIn", "CheckBoxADC",
                                       "CheckBoxPS2",   "CheckBoxIR",    "CheckBoxHPS"};
constexpr const char* kGroupShapes[] = {"ShapeOSC", "ShapeLED", "ShapeButton", "ShapeSwitch", "ShapeSeg7",
                                        "ShapeSDRAM", "ShapeVGA", "ShapeAudio", "ShapeVideoIn", "ShapeADC",
                                        "ShapePS2", "ShapeIR", "ShapeHPS"};
constexpr const char* kVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

const std::vector<std::string> kGpioCards = CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74});
const std::vector<std::string> kHsmcCards2V5 =
    CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61});

}  // namespace

class UlvarinForm : public BoardFormFixture<TFormUlvarin> {
protected:
    void Open() { BoardFormFixture::Open(MAINBOARD_Ulvarin); }
};

TEST_F(UlvarinForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(main->windowTitle().toStdString(), "Ulvarin V1.0.1");
    EXPECT_EQ(form->size(), QSize(789, 536));
    EXPECT_FALSE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Ulvarin FPGA Board");
    EXPECT_EQ(Text("EditProjectName"), "Ulvarin");
    EXPECT_EQ(Items(Combo("ComboBoxFileType")), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(Current("ComboBoxFileType"), "Verilog");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        bool hps = std::string(kGroupBoxes[i]) == "CheckBoxHPS";
        EXPECT_EQ(Box(kGroupBoxes[i])->isChecked(), !hps) << kGroupBoxes[i];
        EXPECT_EQ(Shown(kGroupShapes[i]), !hps) << kGroupShapes[i];
    }
    EXPECT_EQ(Items(Combo("ComboBoxGpio")), kGpioCards);
    EXPECT_EQ(Items(Combo("ComboBoxHsmcVol")), (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "2.5 V (Default)");
    EXPECT_EQ(Items(Combo("ComboBoxHsmc")), kHsmcCards2V5);
    EXPECT_EQ(Current("ComboBoxGpio"), "None");
    EXPECT_EQ(Current("ComboBoxHsmc"), "None");
    EXPECT_EQ(Combo("ComboBoxHsmc")->maxVisibleItems(), 19);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_EQ(Text("EditPrefixHsmc"), "");
    EXPECT_FALSE(Shown("ImageGpio"));
    EXPECT_FALSE(Shown("ImageHSMC"));
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ShapeHSMC"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Shown(kVoltageShapes[i]), i == 1) << kVoltageShapes[i];
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

// The window as a user sees it: the program's icon, no maximise button on the fixed size,
// one outline colour, the four buttons filling a grid, and a card's place held while no
// card is chosen.
TEST_F(UlvarinForm, TheWindowIsTidy)
{
    Open();
    EXPECT_FALSE(main->windowIcon().isNull());
    EXPECT_FALSE(main->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(main->minimumSize(), main->maximumSize());

    std::set<QRgb> colours;
    for (QWidget* control : form->findChildren<QWidget*>())
        if (auto* shape = dynamic_cast<formlayout::TShape*>(control)) colours.insert(shape->Colour().rgb());
    EXPECT_EQ(colours.size(), 1u);

    std::set<int> lefts, tops;
    std::set<std::pair<int, int>> cells;
    for (const char* name : {"ButtonSave", "ButtonLoad", "ButtonGen", "ButtonExit"}) {
        QRect area(Get(name)->mapTo(form, QPoint(0, 0)), Get(name)->size());
        EXPECT_EQ(area.size(), Get("ButtonGen")->size()) << name;
        lefts.insert(area.left());
        tops.insert(area.top());
        cells.insert({area.left(), area.top()});
    }
    EXPECT_EQ(cells.size(), 4u);
    EXPECT_EQ(lefts.size() * tops.size(), 4u);

    for (auto [image, slot] : {std::pair{"ImageGpio", "SlotGpio"}, std::pair{"ImageHSMC", "SlotHSMC"}}) {
        EXPECT_FALSE(Shown(image));
        EXPECT_TRUE(Shown(slot));
        EXPECT_EQ(Get(slot)->geometry(), Get(image)->geometry());
    }
}

// Each voltage lists its own cards with "None" selected and moves the jumper outline; the
// list changes only when the user picks a voltage.
TEST_F(UlvarinForm, TheHsmcListFollowsTheVoltageThatTheUserPicks)
{
    Open();
    Pick(Combo("ComboBoxHsmc"), 1);
    ASSERT_TRUE(Shown("ImageHSMC"));
    EXPECT_TRUE(Shown("ShapeHSMC"));
    const std::vector<std::string> lists[] = {CardNames({0, 17, 57, 58, 59}), kHsmcCards2V5, CardNames({0, 17}), CardNames({0, 17})};
    for (int voltage : {0, 2, 3, 1}) {
        Pick(Combo("ComboBoxHsmcVol"), voltage);
        EXPECT_EQ(Items(Combo("ComboBoxHsmc")), lists[voltage]) << voltage;
        EXPECT_EQ(Current("ComboBoxHsmc"), "None");
        EXPECT_FALSE(Shown("ShapeHSMC"));
        EXPECT_FALSE(Shown("ImageHSMC"));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Shown(kVoltageShapes[i]), i == voltage) << voltage;
    }
    // A change made by code, not by the user, runs no handler.
    Combo("ComboBoxHsmcVol")->setCurrentIndex(0);
    EXPECT_EQ(Items(Combo("ComboBoxHsmc")), kHsmcCards2V5);
    EXPECT_TRUE(Shown("ShapeHsmc2V5"));
}

TEST_F(UlvarinForm, OutlinesAndCardPicturesFollowTheControls)
{
    Open();
    Box("CheckBoxLED")->click();
    EXPECT_FALSE(Shown("ShapeLED"));
    Box("CheckBoxHPS")->click();
    EXPECT_TRUE(Shown("ShapeHPS"));

    Pick(Combo("ComboBoxGpio"), 2);  // Sollip
    EXPECT_TRUE(Shown("ShapeGpio"));
    ASSERT_TRUE(Shown("ImageGpio"));
    EXPECT_EQ(Get<QLabel>("ImageGpio")->pixmap().toImage(), platform::qt::LoadBitmap("Sollip_80_BITMAP").toImage());
    Pick(Combo("ComboBoxGpio"), 0);
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio"));
}

// A 416-byte "default.cfg" is taken whichever board wrote it; "Exit" writes it back with
// Ulvarin's id and size and with the bytes the form does not show left as they were.
TEST_F(UlvarinForm, ForeignDefaultCfgIsShownAndExitWritesItBackAsUlvarin)
{
    ULVARIN_CONFIG foreign;
    std::memset(&foreign, 0, sizeof foreign);
    foreign.BoardId = MAINBOARD_Mirrow;
    foreign.Padding1[0] = 0xA1;
    foreign.Size = 999;
    std::strcpy(foreign.szProjectName, "Mirrow");
    foreign.bVhdl = 1;
    foreign.bSdram = 7;  // any non-zero byte is a tick
    foreign.nGpioDaughterId[0] = DAUGHTER_Sollip;
    std::strcpy(foreign.szGpioPrefixName[0], "CAM_");
    foreign.Padding2 = 0xB2;
    foreign.nHsmcVoltage = 0;
    foreign.nHsmcDaughterId = DAUGHTER_Quillet_Sollip_J2;
    std::strcpy(foreign.szHSMCPrefixName, "Q_");
    foreign.Padding3[2] = 0xC3;
    WriteRecordFile(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "Mirrow");
    EXPECT_EQ(Current("ComboBoxFileType"), "VHDL");
    EXPECT_TRUE(Box("CheckBoxSDRAM")->isChecked());
    EXPECT_FALSE(Box("CheckBoxLED")->isChecked());
    EXPECT_EQ(Current("ComboBoxGpio"), BoardName(DAUGHTER_Sollip));
    EXPECT_EQ(Text("EditPrefixGpio"), "CAM_");
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "3.3 V");
    EXPECT_EQ(Current("ComboBoxHsmc"), BoardName(DAUGHTER_Quillet_Sollip_J2));
    EXPECT_EQ(Text("EditPrefixHsmc"), "Q_");
    EXPECT_TRUE(Shown("ShapeHsmc3V3"));
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_TRUE(Shown("ShapeHSMC"));

    Get<QPushButton>("ButtonExit")->click();
    EXPECT_FALSE(main->isVisible());
    ULVARIN_CONFIG written = ReadRecordFile<ULVARIN_CONFIG>(DefaultCfg());
    ULVARIN_CONFIG expected = foreign;
    expected.BoardId = MAINBOARD_Ulvarin;
    expected.Size = 416;
    expected.bSdram = 1;
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(UlvarinForm, ExitWritesTheControlsAsTheyStandEvenWithoutAProjectName)
{
    Open();
    Edit("EditProjectName")->clear();
    Box("CheckBoxLED")->click();
    Box("CheckBoxHPS")->click();
    Pick(Combo("ComboBoxGpio"), 1);
    Edit("EditPrefixGpio")->setText("G_");
    Pick(Combo("ComboBoxHsmcVol"), 2);
    Pick(Combo("ComboBoxHsmc"), 1);
    Get<QPushButton>("ButtonExit")->click();

    ULVARIN_CONFIG record = ReadRecordFile<ULVARIN_CONFIG>(DefaultCfg());
    EXPECT_EQ(record.BoardId, MAINBOARD_Ulvarin);
    EXPECT_EQ(record.Size, 416);
    EXPECT_EQ(record.szProjectName[0], 0);
    EXPECT_EQ(record.bLed, 0);
    EXPECT_EQ(record.bHps, 1);
    EXPECT_EQ(record.bClock, 1);
    EXPECT_EQ(record.nGpioDaughterId[0], DAUGHTER_GPIO_DEFAULT);
    EXPECT_STREQ(record.szGpioPrefixName[0], "G_");
    EXPECT_EQ(record.nHsmcVoltage, 2);
    EXPECT_EQ(record.nHsmcDaughterId, DAUGHTER_Quillet_HSMC);
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(main->isVisible());
}

// "Exit" that cannot write "default.cfg" says so, naming the file and the reason, and closes.
TEST_F(UlvarinForm, ExitThatCannotWriteDefaultCfgSaysWhy)
{
    Open();
    platform::ForceDirectories(DefaultCfg());  // a folder where the file would go
    Get<QPushButton>("ButtonExit")->click();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to create file.\r\n" + DefaultCfg() + ": Is a directory"});
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
    EXPECT_FALSE(main->isVisible());
}

TEST_F(UlvarinForm, ClosingTheMainWindowDirectlyLeavesDefaultCfgAlone)
{
    Open();
    Edit("EditProjectName")->setText("changed");
    main->close();
    main.reset();
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

// Values no list holds, as a file may bring them, are shown safely and never reach a check.
TEST_F(UlvarinForm, RecordValuesOutsideTheListsAreShownSafely)
{
    for (int32_t voltage : {7, -1, INT_MIN, 4}) {
        ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
        std::memset(record.szProjectName, 'N', sizeof record.szProjectName);  // no NUL at all
        record.nGpioDaughterId[0] = 200;
        std::strcpy(record.szGpioPrefixName[0], "LOST_");
        record.nHsmcVoltage = voltage;
        record.nHsmcDaughterId = DAUGHTER_Sendle;  // a transceiver card: in no list of this form
        WriteRecordFile(DefaultCfg(), record);

        Open();
        EXPECT_EQ(Text("EditProjectName"), std::string(127, 'N'));
        EXPECT_EQ(Current("ComboBoxHsmcVol"), "2.5 V (Default)") << voltage;
        EXPECT_EQ(Items(Combo("ComboBoxHsmc")), kHsmcCards2V5);
        EXPECT_EQ(Current("ComboBoxGpio"), "None");
        EXPECT_EQ(Current("ComboBoxHsmc"), "None");
        EXPECT_EQ(Text("EditPrefixGpio"), "");
        EXPECT_TRUE(Shown("ShapeHsmc2V5"));
        EXPECT_FALSE(Shown("ImageGpio"));

        Get<QPushButton>("ButtonExit")->click();
        ULVARIN_CONFIG written = ReadRecordFile<ULVARIN_CONFIG>(DefaultCfg());
        EXPECT_EQ(written.nHsmcVoltage, 1);
        EXPECT_EQ(written.nGpioDaughterId[0], 0);
        EXPECT_EQ(written.nHsmcDaughterId, 0);
        EXPECT_EQ(std::string(written.szProjectName), std::string(127, 'N'));
        main.reset();
    }
    EXPECT_TRUE(dialogs.Exceptions().empty());
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(UlvarinForm, TextBoxesTakeAtMost127Characters)
{
    Open();
    for (const char* name : {"EditProjectName", "EditPrefixGpio", "EditPrefixHsmc"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
}

TEST_F(UlvarinForm, SaveAndLoadRoundTripThroughTheDialogs)
{
    Open();
    const std::string saved = dir.Path() + "mine/ulvarin.cfg";
    platform::ForceDirectories(dir.Path() + "mine");
    Edit("EditProjectName")->setText("counter");
    Pick(Combo("ComboBoxFileType"), 1);
    Box("CheckBoxVGA")->click();
    Pick(Combo("ComboBoxGpio"), 3);
    Edit("EditPrefixGpio")->setText("LCD_");
    Pick(Combo("ComboBoxHsmcVol"), 0);
    Pick(Combo("ComboBoxHsmc"), 4);
    Edit("EditPrefixHsmc")->setText("CAM_");
    dialogs.QueueFile(saved);
    Get<QPushButton>("ButtonSave")->click();
    ASSERT_TRUE(platform::FileExists(saved));
    EXPECT_EQ(ReadRecordFile<ULVARIN_CONFIG>(saved).nHsmcDaughterId, DAUGHTER_Quillet_Sollip_BOTH);

    // Change everything, then load the file back.
    Edit("EditProjectName")->setText("other");
    Pick(Combo("ComboBoxFileType"), 0);
    Box("CheckBoxVGA")->click();
    Pick(Combo("ComboBoxGpio"), 0);
    Pick(Combo("ComboBoxHsmcVol"), 1);
    dialogs.QueueFile(saved);
    Get<QPushButton>("ButtonLoad")->click();
    EXPECT_EQ(Text("EditProjectName"), "counter");
    EXPECT_EQ(Current("ComboBoxFileType"), "VHDL");
    EXPECT_FALSE(Box("CheckBoxVGA")->isChecked());
    EXPECT_FALSE(Shown("ShapeVGA"));
    EXPECT_EQ(Current("ComboBoxGpio"), BoardName(DAUGHTER_Garvet));
    EXPECT_EQ(Text("EditPrefixGpio"), "LCD_");
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "3.3 V");
    EXPECT_EQ(Current("ComboBoxHsmc"), BoardName(DAUGHTER_Quillet_Sollip_BOTH));
    EXPECT_EQ(Text("EditPrefixHsmc"), "CAM_");

    // The dialogs start in the executable's folder, then in the folder last chosen.
    ASSERT_EQ(dialogs.FileDialogs().size(), 2u);
    EXPECT_TRUE(dialogs.FileDialogs()[0].save);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, dir.Path());
    EXPECT_FALSE(dialogs.FileDialogs()[1].save);
    EXPECT_EQ(dialogs.FileDialogs()[1].options.folder, dir.Path() + "mine/");
    EXPECT_EQ(dialogs.FileDialogs()[0].options.title, "Save Setting");
    EXPECT_EQ(dialogs.FileDialogs()[1].options.title, "Load Setting");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(UlvarinForm, LoadOfAFileOfAnotherSizeChangesNothing)
{
    Open();
    Edit("EditProjectName")->setText("kept");
    const std::string wrong = dir.Write("short.cfg", std::string(415, '\1'));
    dialogs.QueueFile(wrong);
    Get<QPushButton>("ButtonLoad")->click();
    dialogs.QueueFile(std::nullopt);  // Cancel
    Get<QPushButton>("ButtonLoad")->click();
    EXPECT_EQ(Text("EditProjectName"), "kept");
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(UlvarinForm, FailedSaveKeepsTheOldFileAndSaysSo)
{
    Open();
    const std::string old = dir.Write("old.cfg", "the old settings");
    dialogs.QueueFile(old);
    {
        FileSizeLimit limit(100);
        Get<QPushButton>("ButtonSave")->click();
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to write file.\r\n" + old + ": File too large"});
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
    EXPECT_EQ(tooltest::ReadFile(old), "the old settings");
}

namespace {

const std::string kModuleRule = " must be a valid Verilog and VHDL name: a letter, then letters, digits or single "
                                "underscores, not ending in an underscore, and not a keyword.";

}  // namespace

// Save runs only the form's own checks; Generate also wants a name that makes a folder and a
// module, and says so before its dialog.
TEST_F(UlvarinForm, GenerateChecksTheProjectNameBeforeItsDialogAndSaveDoesNot)
{
    Open();
    struct Case {
        QString name;
        std::string generateBox;
        bool saveRefused;
    };
    const Case cases[] = {
        {"", "Project Name cannot be empty.", true},
        {"a/b", "Project Name is not a valid folder name.", false},
        {"my project", "Project Name" + kModuleRule, false},
        {"1st", "Project Name" + kModuleRule, false},
        {"module", "Project Name" + kModuleRule, false},
        {"Signal", "Project Name" + kModuleRule, false},
        {"a__b", "Project Name" + kModuleRule, false},
        {"x_", "Project Name" + kModuleRule, false},
        {"a$b", "Project Name" + kModuleRule, false},
        {QString::fromUtf8("caf\xC3\xA9"), "Project Name" + kModuleRule, false},
        {QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"), "Project Name" + kModuleRule, false},  // not Latin-1
    };
    for (const Case& c : cases) {
        Edit("EditProjectName")->setText(c.name);
        dialogs.Clear();
        Get<QPushButton>("ButtonSave")->click();  // the save dialog is cancelled
        EXPECT_EQ(dialogs.Texts(), c.saveRefused ? std::vector<std::string>{c.generateBox} : std::vector<std::string>{})
            << c.name.toStdString();
        EXPECT_EQ(dialogs.FileDialogs().size(), c.saveRefused ? 0u : 1u) << c.name.toStdString();

        dialogs.Clear();
        Get<QPushButton>("ButtonGen")->click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.generateBox}) << c.name.toStdString();
        EXPECT_TRUE(dialogs.FileDialogs().empty()) << c.name.toStdString();
    }
    EXPECT_FALSE(platform::DirectoryExists(dir.Path() + "CodeGenerated"));
}

// The module takes the name of the file chosen in the project dialog, so that name is held
// to the same rule; nothing is written for a name that fails.
TEST_F(UlvarinForm, TheProjectFileChosenMustNameAModuleToo)
{
    Open();
    const std::string folder = dir.Path() + "CodeGenerated/Ulvarin/Ulvarin/";
    for (const char* file : {"my-top.qpf", "caf\xC3\xA9.qpf", "top.v.qpf", "1st.qpf", "entity.qpf"}) {
        dialogs.Clear();
        dialogs.QueueFile(folder + file);
        Get<QPushButton>("ButtonGen")->click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The project file name" + kModuleRule}) << file;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(UlvarinForm, CancelledProjectDialogEndsGenerateQuietly)
{
    Open();
    Edit("EditProjectName")->setText("counter");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    const auto& options = dialogs.FileDialogs()[0].options;
    EXPECT_EQ(options.folder, dir.Path() + "CodeGenerated/Ulvarin/counter/");
    EXPECT_EQ(options.proposedName, "counter.qpf");
    EXPECT_EQ(options.title, "Generate Quartus Project");
    EXPECT_TRUE(platform::DirectoryExists(options.folder));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kVoltageWarning =
    "You have changed the default voltage level of HSMC interface. \nPlease remember to change the jumper position on "
    "JP3 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";
const std::string kHpsBox =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease add the "
    "Altera HPS IP to your design.\r\n";

}  // namespace

// The main road: a new voltage, then Generate writes the project, and the boxes follow in
// order: success, the jumper warning, the HPS box.
TEST_F(UlvarinForm, GenerateWritesTheProjectAndThenWarns)
{
    Open();
    Pick(Combo("ComboBoxHsmcVol"), 0);
    Box("CheckBoxHPS")->click();
    const std::string folder = dir.Path() + "CodeGenerated/Ulvarin/Ulvarin/";
    dialogs.QueueFile(folder + "Ulvarin.qpf");
    Get<QPushButton>("ButtonGen")->click();

    for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"})
        EXPECT_TRUE(platform::FileExists(folder + "Ulvarin" + ext)) << ext;
    EXPECT_FALSE(platform::FileExists(folder + "Ulvarin.vhd"));
    ASSERT_EQ(dialogs.Boxes().size(), 3u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[0].text, kSuccess + folder);
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Warning");
    EXPECT_EQ(dialogs.Boxes()[1].text, kVoltageWarning);
    EXPECT_EQ(dialogs.Boxes()[2].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[2].text, kHpsBox);

    // No HSMC card was chosen again after the voltage changed: the project has no HSMC pins.
    std::string top = tooltest::ReadFile(folder + "Ulvarin.v");
    EXPECT_NE(top.find("HPS_DDR3_ADDR"), std::string::npos);
    EXPECT_EQ(top.find("HSMC"), std::string::npos);
    auto compiled = tooltest::CheckIverilog({folder + "Ulvarin.v"}, "Ulvarin");
    EXPECT_TRUE(compiled.ok) << compiled.output;
}

TEST_F(UlvarinForm, DefaultVoltageAndNoHpsGiveTheSuccessBoxAlone)
{
    Open();
    Pick(Combo("ComboBoxFileType"), 1);
    platform::ForceDirectories(dir.Path() + "out");
    dialogs.QueueFile(dir.Path() + "out/vhdl.qpf");
    Get<QPushButton>("ButtonGen")->click();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + dir.Path() + "out/"});
    EXPECT_TRUE(platform::FileExists(dir.Path() + "out/vhdl.vhd"));
    EXPECT_FALSE(platform::FileExists(dir.Path() + "out/vhdl.v"));
}

// A report that cannot be written fails the request after every other file: its box names the
// file and why, the form's failure box follows, and the old report stays whole.
TEST_F(UlvarinForm, ReportThatCannotBeWrittenFailsGenerate)
{
    Open();
    const std::string folder = dir.Path() + "out/";
    const std::string report = dir.Write("out/top.htm", "the old report");
    ::chmod(report.c_str(), 0444);
    dialogs.QueueFile(folder + "top.qpf");
    Get<QPushButton>("ButtonGen")->click();
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Failed to create file top.htm\r\nPermission denied",
                                                         "Failed to generate Quartus project: top.qpf."}));
    EXPECT_EQ(tooltest::ReadFile(report), "the old report");
    EXPECT_TRUE(platform::FileExists(folder + "top.sdc"));
}

// "HSMC Default" without a prefix generates its signals under "HSMC_"; the box stays empty,
// and the controls, not the generation, are what "Exit" saves.
TEST_F(UlvarinForm, HsmcDefaultWithoutPrefixIsNamedHsmc)
{
    Open();
    Pick(Combo("ComboBoxHsmc"), 1);
    ASSERT_EQ(Current("ComboBoxHsmc"), BoardName(DAUGHTER_HSMC_DEFAULT));
    platform::ForceDirectories(dir.Path() + "p");
    dialogs.QueueFile(dir.Path() + "p/hsmc.qpf");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_EQ(dialogs.Texts().size(), 1u);
    std::string qsf = tooltest::ReadFile(dir.Path() + "p/hsmc.qsf");
    EXPECT_NE(qsf.find("HSMC_"), std::string::npos);
    EXPECT_EQ(Text("EditPrefixHsmc"), "");

    Get<QPushButton>("ButtonExit")->click();
    EXPECT_EQ(ReadRecordFile<ULVARIN_CONFIG>(DefaultCfg()).szHSMCPrefixName[0], 0);
}

TEST_F(UlvarinForm, FailedGenerationSaysWhichProject)
{
    Open();
    dialogs.QueueFile(dir.Path() + "no/such/folder/broken.qpf");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_GE(dialogs.Boxes().size(), 2u);
    EXPECT_NE(dialogs.Boxes().front().text.find("Failed to create file"), std::string::npos);
    EXPECT_EQ(dialogs.Boxes().back().caption, "Error");
    EXPECT_EQ(dialogs.Boxes().back().text, "Failed to generate Quartus project: broken.qpf.");
}

// File and folder names reach the boxes as the file system holds them, whatever their
// characters: the success box, the exception box with the whole path, the failure boxes.
TEST_F(UlvarinForm, BoxesShowFolderNamesAsTheFileSystemHoldsThem)
{
    Open();
    const std::string folder = dir.Path() + "\xE6\x97\xA5\xE6\x9C\xAC caf\xC3\xA9/";  // beyond Latin-1
    platform::ForceDirectories(folder);
    dialogs.QueueFile(folder + "top.qpf");
    Get<QPushButton>("ButtonGen")->click();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + folder});
    EXPECT_TRUE(platform::FileExists(folder + "top.v"));

    dialogs.Clear();
    dialogs.QueueFile(folder + "gone/top.qpf");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_EQ(dialogs.Exceptions().size(), 1u);
    EXPECT_NE(dialogs.Exceptions()[0].find("\"" + folder + "gone/top.qpf\""), std::string::npos)
        << dialogs.Exceptions()[0];
    EXPECT_EQ(dialogs.Texts(),
              (std::vector<std::string>{"Failed to create file top.qpf\r\nNo such file or directory",
                                        "Failed to generate Quartus project: top.qpf."}));
}

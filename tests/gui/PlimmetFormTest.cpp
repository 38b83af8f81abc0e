// The Plimmet form: the digits the GPIO header takes, the note after Generate, the default
// HSMC prefix, "Default Setting", and the two-pass left-Ctrl batch written as real projects.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

#include "FormFixture.h"
#include "ProjectCheck.h"
#include "boards/cyclone5_max10/UI_PLIMMET.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"
#include "platform/qt/QtPlatform.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",    "CheckBoxLED",    "CheckBoxButton", "CheckBoxSwitch",
                                       "CheckBoxSeg7",   "CheckBoxHDMI_TX", "CheckBoxLPDDR2", "CheckBoxSRAM",
                                       "CheckBoxAudio",  "CheckBoxUart2USB", "CheckBoxSDCARD", "CheckBoxADC"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",   "ShapeLED",      "ShapeButton", "ShapeSwitch",
                                        "ShapeSeg7",  "ShapeHDMI_TX",  "ShapeLPDDR2", "ShapeSRAM",
                                        "ShapeAudio", "ShapeUart2USB", "ShapeSDCARD", "ShapeADC"};

// The two card lists and the projects the batch names after their cards.
constexpr uint8_t kHsmcCards[] = {0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};
constexpr uint8_t kGpioCards[] = {0, 1, 12, 13, 55, 62, 63, 66, 67, 74};
const std::vector<std::string> kHsmcProjects = {
    "Plimmet_HSMC_None",       "Plimmet_HSMC_HSMC_Default", "Plimmet_HSMC_HSMC_Default_With_Transceiver",
    "Plimmet_HSMC_Cobrel",     "Plimmet_HSMC_Wyrsel",       "Plimmet_HSMC_Fobbin",
    "Plimmet_HSMC_Kobbet",     "Plimmet_HSMC_Nuppel",       "Plimmet_HSMC_Quillet_HSMC",
    "Plimmet_HSMC_HSMC_Debug", "Plimmet_HSMC_HSMC_Loopback", "Plimmet_HSMC_Sendle",
    "Plimmet_HSMC_Dortle",     "Plimmet_HSMC_Hobbard",      "Plimmet_HSMC_Vossil",
    "Plimmet_HSMC_Lorrat",     "Plimmet_HSMC_Pemmit",       "Plimmet_HSMC_Wobrin",
    "Plimmet_HSMC_Brasket_TX", "Plimmet_HSMC_Brasket_RX",   "Plimmet_HSMC_Tranmer",
    "Plimmet_HSMC_Yellip",     "Plimmet_HSMC_Hasket",       "Plimmet_HSMC_HSMC_Loopback_Xcvr",
    "Plimmet_HSMC_Fermock",
};
const std::vector<std::string> kGpioProjects = {
    "Plimmet_GPIO_GPIO_Default", "Plimmet_GPIO_Sollip", "Plimmet_GPIO_Garvet",
    "Plimmet_GPIO_Corvish",      "Plimmet_GPIO_Pelvin", "Plimmet_GPIO_Ravesh",
    "Plimmet_GPIO_Servo_Motor_Kit", "Plimmet_GPIO_RF_and_Sensor", "Plimmet_GPIO_Ferrund_GPIO",
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kHeaderNote =
    "Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n"
    "Before you use the GPIO header, be sure to follow the procedures listed\r\n"
    "below to avoid any hardware damage.\r\n"
    "1. Erase the default code.\r\n"
    "2. Switch the S1/S2 dip switch to the OFF position.\r\n";

PLIMMET_CONFIG ReadRecord(const std::string& path)
{
    PLIMMET_CONFIG record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

// Every project file under a folder, sorted.
std::vector<std::string> ProjectFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".qpf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

class PlimmetForm : public GuiTest {
protected:
    ~PlimmetForm() override { platform::SetCtrlDownProvider(nullptr); }

    void Open()
    {
        main.reset();
        main = std::make_unique<TFormMain>();
        main->show();
        main->CreateBoardForm(MAINBOARD_Plimmet);
        form = dynamic_cast<TFormPlimmet*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        return formlayout::FindControl<T>(form, name);
    }
    QComboBox* Gpio() { return Get<QComboBox>("ComboBoxGpio"); }
    QComboBox* Hsmc() { return Get<QComboBox>("ComboBoxHSMC"); }
    QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    bool ShowsPicture(const char* image, const char* bitmap)
    {
        return Get<QLabel>(image)->pixmap().toImage() == platform::qt::LoadBitmap(bitmap).toImage();
    }
    // What tells the user the display keeps all four digits, or two of them.
    void ExpectDigits(int digits)
    {
        const bool four = digits == 4;
        EXPECT_EQ(Box("CheckBoxSeg7")->text().toStdString(), four ? "7-Segment x 4" : "7-Segment x 2");
        EXPECT_TRUE(ShowsPicture("ImageHex", four ? "Plimmet_HEX_x4_BITMAP" : "Plimmet_HEX_x2_BITMAP"));
        const bool ticked = Box("CheckBoxSeg7")->isChecked();
        EXPECT_EQ(Shown("ShapeSeg7"), ticked && four);
        EXPECT_EQ(Shown("ShapeSeg7_x2"), ticked && !four);
    }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }

    std::unique_ptr<TFormMain> main;
    TFormPlimmet* form = nullptr;
};

TEST_F(PlimmetForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Plimmet V1.0.1");
    EXPECT_EQ(form->size(), QSize(796, 529));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Plimmet");
    EXPECT_EQ(Text("EditProjectName"), "Plimmet");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    for (const char* box : {"CheckBoxXcvrSma", "CheckBoxSi5338_I2C"}) EXPECT_FALSE(Box(box)->isChecked()) << box;
    for (const char* shape : {"ShapeXcvrSma", "ShapeXcvrSma2", "ShapeSi5338_I2C", "ShapeArduino_0", "ShapeArduino_1",
                              "ShapeGpio", "ShapeHSMC", "ImageGpio", "ImageHSMC"})
        EXPECT_FALSE(Shown(shape)) << shape;
    ExpectDigits(4);

    struct List {
        QComboBox* combo;
        std::vector<uint8_t> cards;
    };
    for (const List& list : {List{Hsmc(), {std::begin(kHsmcCards), std::end(kHsmcCards)}},
                             List{Gpio(), {std::begin(kGpioCards), std::end(kGpioCards)}}}) {
        std::vector<std::string> names;
        for (uint8_t card : list.cards) names.push_back(BoardName(card));
        EXPECT_EQ(Items(list.combo), names);
        EXPECT_EQ(list.combo->maxVisibleItems(), static_cast<int>(names.size()));
        EXPECT_EQ(list.combo->currentIndex(), 0);
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Whether a GPIO card is chosen decides caption, display picture and outline together; the
// HSMC card plays no part; both SMA outlines follow their box.
TEST_F(PlimmetForm, GpioCardTakesTheUpperDigits)
{
    Open();
    Pick(Hsmc(), 1);
    ExpectDigits(4);
    EXPECT_TRUE(Shown("ShapeHSMC"));
    ASSERT_TRUE(Shown("ImageHSMC"));
    EXPECT_TRUE(ShowsPicture("ImageHSMC", "HSMC_DEFAULT_80_BITMAP"));

    Pick(Gpio(), 3);
    ExpectDigits(2);
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_TRUE(ShowsPicture("ImageGpio", "Garvet_80_BITMAP"));
    Box("CheckBoxSeg7")->click();
    ExpectDigits(2);
    Box("CheckBoxSeg7")->click();
    ExpectDigits(2);
    Pick(Hsmc(), 0);
    ExpectDigits(2);

    Pick(Gpio(), 0);
    ExpectDigits(4);
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio"));

    Box("CheckBoxXcvrSma")->click();
    EXPECT_TRUE(Shown("ShapeXcvrSma"));
    EXPECT_TRUE(Shown("ShapeXcvrSma2"));
}

// With a GPIO card the success box is followed by the header note and the project drives
// HEX0 and HEX1 only; without one, or after a failure, there is no note. The generic HSMC
// card without a prefix is written with "HSMC_" while the box and the saved record stay empty.
TEST_F(PlimmetForm, GenerateWithTheHeaderNoteAndTheDefaultHsmcPrefix)
{
    Open();
    Pick(Gpio(), 1);
    Pick(Hsmc(), 2);
    const std::string folder = dir.Path() + "CodeGenerated/Plimmet/Plimmet/";
    dialogs.QueueFile(folder + "Plimmet.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + folder, kHeaderNote}));
    const std::string qsf = tooltest::ReadFile(folder + "Plimmet.qsf");
    EXPECT_TRUE(Has(qsf, "-to HEX1[6]\r\n"));
    EXPECT_FALSE(Has(qsf, "HEX2"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_AD7 -to GPIO[22]\r\n"));
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_W4 -to HSMC_GXB_TX_p[3]\r\n"));
    EXPECT_EQ(Text("EditPrefixHSMC"), "");

    const std::string saved = dir.Path() + "saved.cfg";
    dialogs.QueueFile(saved);
    Click("ButtonSave");
    PLIMMET_CONFIG record = ReadRecord(saved);
    EXPECT_EQ(record.nHsmcDaughterId, DAUGHTER_HSMC_DEFAULT_XCVR);
    EXPECT_EQ(ReadRecordText(record.szHSMCPrefixName), "");

    // Another HSMC card keeps its names as the card gives them.
    Pick(Gpio(), 0);
    Pick(Hsmc(), 3);
    dialogs.Clear();
    dialogs.QueueFile(folder + "Plimmet.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + folder}));
    EXPECT_TRUE(Has(tooltest::ReadFile(folder + "Plimmet.qsf"), "-to HEX3[6]\r\n"));

    Pick(Gpio(), 1);
    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "no/such/folder/broken.qpf");
    Click("ButtonGen");
    ASSERT_FALSE(dialogs.Boxes().empty());
    EXPECT_EQ(dialogs.Boxes().back().text, "Failed to generate Quartus project: broken.qpf.");
    for (const auto& box : dialogs.Boxes()) EXPECT_EQ(box.kind, platform::BoxKind::Error) << box.text;
}

// A record with a GPIO card opens with two digits; a card id from the other list leaves its
// combo on "None" and hides the record's prefix, and the header decides the display alone.
TEST_F(PlimmetForm, RecordsShowTheirCardsOrNone)
{
    PLIMMET_CONFIG record = DefaultPlimmetConfig();
    record.nGpioDaughterId = DAUGHTER_Sollip;
    WriteRecordText(record.szGpioPrefixName, "CAM_");
    record.nHsmcDaughterId = DAUGHTER_GPIO_DEFAULT;
    WriteRecordText(record.szHSMCPrefixName, "H_");
    std::ofstream(DefaultCfg(), std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
    Open();
    EXPECT_EQ(Gpio()->currentText().toStdString(), BoardName(DAUGHTER_Sollip));
    EXPECT_EQ(Text("EditPrefixGpio"), "CAM_");
    EXPECT_EQ(Hsmc()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixHSMC"), "");
    ExpectDigits(2);

    record.nGpioDaughterId = DAUGHTER_HSMC_DEFAULT;
    record.nHsmcDaughterId = DAUGHTER_Fermock;
    const std::string loaded = dir.Path() + "crossed.cfg";
    std::ofstream(loaded, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
    Pick(Gpio(), 0);
    dialogs.QueueFile(loaded);
    Click("ButtonLoad");
    EXPECT_EQ(Gpio()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_EQ(Hsmc()->currentText().toStdString(), BoardName(DAUGHTER_Fermock));
    EXPECT_EQ(Text("EditPrefixHSMC"), "H_");
    ExpectDigits(4);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// "Default Setting" puts the defaults into the controls and into the form's record without
// asking; "Exit" then writes exactly the defaults.
TEST_F(PlimmetForm, DefaultSettingRestoresTheDefaults)
{
    Open();
    Edit("EditProjectName")->setText("mine");
    Box("CheckBoxLED")->click();
    Box("CheckBoxSi5338_I2C")->click();
    Pick(Gpio(), 2);
    Edit("EditPrefixGpio")->setText("G_");
    Pick(Hsmc(), 4);
    Edit("EditPrefixHSMC")->setText("H_");
    Click("ButtonDefaultSetting");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(Text("EditProjectName"), "Plimmet");
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Box("CheckBoxSi5338_I2C")->isChecked());
    EXPECT_EQ(Gpio()->currentIndex(), 0);
    EXPECT_EQ(Hsmc()->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_EQ(Text("EditPrefixHSMC"), "");
    ExpectDigits(4);

    Click("ButtonExit");
    PLIMMET_CONFIG written = ReadRecord(DefaultCfg());
    PLIMMET_CONFIG defaults = DefaultPlimmetConfig();
    EXPECT_EQ(std::memcmp(&written, &defaults, sizeof written), 0);
}

// Left Ctrl with Generate: a cancelled dialog writes nothing; a confirmed one writes the HSMC
// pass (from "None", with the user's GPIO card) and then the GPIO pass (without HSMC card),
// each project accepted by the tools; a GPIO card whose signals clash with the last HSMC card
// ends the batch there with the duplicate-signal box, and a report that cannot be written ends
// it at the first project, with the report's box; either way the form tells the project that
// stopped the batch. Afterwards the controls show what they showed before.
TEST_F(PlimmetForm, LeftCtrlBatchInTwoPasses)
{
    struct Case {
        const char* label;
        bool confirm;
        int gpioEntry;           // the user's GPIO card
        const char* gpioPrefix;
        std::size_t hsmcWritten;  // projects of each pass written, from the first
        std::size_t gpioWritten;
        std::vector<std::string> errors;
        bool readOnlyReport;  // the first project's report is there, read-only
    };
    const std::string firstReport = kHsmcProjects[0] + "/" + kHsmcProjects[0] + ".htm";
    const Case cases[] = {
        {"cancelled", false, 3, "P_", 0, 0, {}, false},
        {"confirmed", true, 3, "P_", 25, 9, {}, false},
        {"clash", true, 8, "", 24, 0,
         {"Signal LSENSOR_INT comes from both GPIO and HSMC; give one of them another prefix.",
          "Failed to generate Quartus project: Plimmet_HSMC_Fermock.qpf."},
         false},
        {"read-only report", true, 3, "P_", 1, 0,
         {"Failed to create file " + kHsmcProjects[0] + ".htm\r\nPermission denied",
          "Failed to generate Quartus project: " + kHsmcProjects[0] + ".qpf."},
         true},
    };
    platform::SetCtrlDownProvider([] { return true; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        Edit("EditProjectName")->setText("mine");
        Pick(Gpio(), c.gpioEntry);
        Edit("EditPrefixGpio")->setText(QString::fromLatin1(c.gpioPrefix));
        Pick(Hsmc(), 5);
        Box("CheckBoxSRAM")->click();
        dialogs.Clear();
        const std::string folder = dir.Path() + "batch " + c.label + "/";
        platform::ForceDirectories(folder);
        if (c.readOnlyReport) ::chmod(dir.Write(folder.substr(dir.Path().size()) + firstReport, "old").c_str(), 0444);
        if (c.confirm) dialogs.QueueFile(folder + "chosen.qpf");
        const std::vector<std::string> before = ProjectFiles(dir.Path());
        const int beeps = platform::BeepCount();
        Click("ButtonGen");

        EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
        EXPECT_EQ(platform::BeepCount(), beeps + 1);
        std::vector<std::string> errors;
        for (const auto& box : dialogs.Boxes()) {
            EXPECT_EQ(box.kind, platform::BoxKind::Error) << box.text;
            errors.push_back(box.text);
        }
        EXPECT_EQ(errors, c.errors);
        if (c.readOnlyReport) EXPECT_EQ(tooltest::ReadFile(folder + firstReport), "old");

        struct Written {
            std::string name;
            uint8_t gpio, hsmc;
        };
        std::vector<Written> written;
        for (std::size_t i = 0; i < c.hsmcWritten; ++i)
            written.push_back({kHsmcProjects[i], kGpioCards[c.gpioEntry], kHsmcCards[i]});
        for (std::size_t i = 0; i < c.gpioWritten; ++i) written.push_back({kGpioProjects[i], kGpioCards[i + 1], 0});
        std::vector<std::string> expected = before;
        for (const Written& w : written) expected.push_back(folder + w.name + "/" + w.name + ".qpf");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ProjectFiles(dir.Path()), expected);
        if (c.errors.empty())
            for (const Written& w : written) {
                SCOPED_TRACE(w.name);
                PLIMMET_CONFIG record = DefaultPlimmetConfig();
                record.bSram = 0;
                record.nGpioDaughterId = w.gpio;
                WriteRecordText(record.szGpioPrefixName, c.gpioPrefix);
                record.nHsmcDaughterId = w.hsmc;
                TMainBoard board;
                BuildPlimmetProjectBoard(board, record);
                board.SortConnectorPins();
                tooltest::ExpectProjectAccepted(board, folder + w.name + "/" + w.name + ".qpf", false);
            }

        EXPECT_EQ(Text("EditProjectName"), "mine");
        EXPECT_EQ(Gpio()->currentIndex(), c.gpioEntry);
        EXPECT_EQ(Hsmc()->currentIndex(), 5);
        EXPECT_EQ(Text("EditPrefixGpio"), c.gpioPrefix);
        ExpectDigits(2);
    }
}

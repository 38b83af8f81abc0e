// The Pellish form where it differs from the board-form base: the layout's colour, its
// controls and defaults, "LED x 27" on two outlines, the two headers on one list with the
// 80-pin pairing, a prefix check that spares no pair, no box after success and "default.cfg"
// written when the form goes.
#include <QLabel>
#include <filesystem>

#include "FormFixture.h"
#include "boards/early/UI_PELLISH.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"

namespace {

struct Group {
    const char* box;
    std::vector<const char*> outlines;
};
const Group kGroups[] = {
    {"CheckBoxOSC", {"ShapeOSC"}},             {"CheckBoxLED", {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", {"ShapeSeg7"}},           {"CheckBoxButton", {"ShapeButton"}},
    {"CheckBoxSwitch", {"ShapeSwitch"}},       {"CheckBoxPS2", {"ShapePS2"}},
    {"CheckBoxSDCARD", {"ShapeSDCARD"}},       {"CheckBoxVGA", {"ShapeVGA"}},
    {"CheckBoxLCD", {"ShapeLCD"}},             {"CheckBoxSDRAM1", {"ShapeSDRAM1"}},
    {"CheckBoxSDRAM2", {"ShapeSDRAM2"}},       {"CheckBoxFlash", {"ShapeFlash"}},
    {"CheckBoxRS232", {"ShapeRS232"}},         {"CheckBoxSSRAM", {"ShapeSSRAM"}},
    {"CheckBoxSma", {"ShapeSma"}},             {"CheckBoxAudio", {"ShapeAudio"}},
    {"CheckBoxEthernet", {"ShapeEthernet"}},   {"CheckBoxIR", {"ShapeIR"}},
    {"CheckBoxTvDecode1", {"ShapeTvDecode1"}}, {"CheckBoxTvDecode2", {"ShapeTvDecode2"}},
    {"CheckBoxUSB", {"ShapeUSB"}},
};

const std::vector<std::string> kCards = CardNames({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74});
constexpr int kDefaultEntry = 1;
constexpr int k80PinEntry = 2;

const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

PELLISH_CONFIG CardsRecord(uint8_t card0, const char* prefix0, uint8_t card1, const char* prefix1)
{
    PELLISH_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = card0;
    record.nGpioDaughterId[GPIO_1] = card1;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], prefix0);
    WriteRecordText(record.szGpioPrefixName[GPIO_1], prefix1);
    return record;
}

}  // namespace

class PellishForm : public BoardFormFixture<TFormPellish> {
protected:
    void Open() { BoardFormFixture::Open(MAINBOARD_Pellish); }
    QComboBox* Gpio(int h) { return Combo(h == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1"); }
    QLineEdit* Prefix(int h) { return Edit(h == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1"); }

    // What one header shows: entry, prefix, and whether it takes input.
    std::string Header(int h)
    {
        const bool enabled = Gpio(h)->isEnabled();
        EXPECT_EQ(Prefix(h)->isEnabled(), enabled) << "GPIO-" << h;
        return std::to_string(Gpio(h)->currentIndex()) + " '" + Prefix(h)->text().toStdString() + "' " +
               (enabled ? "free" : "locked");
    }

    std::string Folder() const { return dir.Path() + "CodeGenerated/Pellish/Pellish/"; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        std::filesystem::remove_all(Folder());
        dialogs.QueueFile(Folder() + "Pellish.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Pellish.qsf") ? tooltest::ReadFile(Folder() + "Pellish.qsf") : "";
    }
};

TEST_F(PellishForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_NE(form->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Pellish FPGA Board");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Text("EditProjectName"), "Pellish");
    for (int h : {0, 1}) {
        EXPECT_EQ(Items(Gpio(h)), kCards);
        EXPECT_EQ(Header(h), "0 '' free");
    }
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_FALSE(Shown(hidden));
    // Each box switches its own outlines and no other.
    for (const Group& g : kGroups) {
        EXPECT_TRUE(Box(g.box)->isChecked()) << g.box;
        Box(g.box)->click();
        for (const Group& other : kGroups)
            for (const char* outline : other.outlines) EXPECT_EQ(Shown(outline), &other != &g) << g.box << ": " << outline;
        Box(g.box)->click();
    }
    for (const char* name : {"EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The 80-pin card picked on GPIO-1 stands on both headers with GPIO-1's prefix and locks
// GPIO-0; the project has one joined connector named after GPIO-0's prefix and shows no box.
// "None" on GPIO-1 afterwards frees and clears GPIO-0.
TEST_F(PellishForm, The80PinCardTakesBothHeaders)
{
    Open();
    Prefix(1)->setText("K_");
    Pick(Gpio(1), k80PinEntry);
    EXPECT_EQ(Header(0), "2 'K_' locked");
    EXPECT_EQ(Header(1), "2 'K_' free");
    for (const char* shown : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_TRUE(Shown(shown)) << shown;

    Prefix(1)->setText("late_");
    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("-to K_ADC_OTR_A\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("late_"), std::string::npos);

    Pick(Gpio(1), 0);
    EXPECT_EQ(Header(0), "0 '' free");
    EXPECT_EQ(Header(1), "0 'late_' free");
    EXPECT_FALSE(Shown("ShapeGpio0"));
    EXPECT_FALSE(Shown("ImageGpio0"));
}

// Equal cards need different prefixes, "GPIO Default" twice without prefixes included; an
// empty project name is the only complaint when both fail.
TEST_F(PellishForm, PrefixCheckSparesNoPair)
{
    Open();
    Pick(Gpio(0), kDefaultEntry);
    Pick(Gpio(1), kDefaultEntry);
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSamePrefix});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    dialogs.Clear();
    Edit("EditProjectName")->setText("");
    Press("ButtonSave");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."});

    dialogs.Clear();
    Edit("EditProjectName")->setText("Pellish");
    Prefix(0)->setText("A_");
    Prefix(1)->setText("B_");
    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("set_location_assignment PIN_T25 -to A_GPIO_CLKIN[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AH14 -to B_GPIO_CLKIN[0]\r\n"), std::string::npos);
}

// A "default.cfg" of this size is shown paired with GPIO-0 leading; the form writes its own
// record back when it goes.
TEST_F(PellishForm, DefaultCfgIsPairedFromGpioZeroAndWrittenWhenTheFormGoes)
{
    struct Case {
        const char* label;
        PELLISH_CONFIG record;
        std::string shown[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 over another card", CardsRecord(DAUGHTER_Kobbet_GPIO, "K_", DAUGHTER_Sollip, "S_"),
         {"2 'K_' free", "2 'K_' locked"}},
        {"80-pin card on GPIO-1 alone", CardsRecord(DAUGHTER_Sollip, "S_", DAUGHTER_Kobbet_GPIO, "K_"),
         {"3 'S_' free", "0 '' free"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        PELLISH_CONFIG foreign = c.record;
        foreign.BoardId = MAINBOARD_Mirrow;  // a board of the same record size
        foreign.bIR = 0;
        WriteRecordFile(DefaultCfg(), foreign);
        Open();
        EXPECT_EQ(Header(0), c.shown[0]);
        EXPECT_EQ(Header(1), c.shown[1]);
        EXPECT_FALSE(Box("CheckBoxIR")->isChecked());
        EXPECT_FALSE(Shown("ShapeIR"));

        main.reset();
        const auto written = ReadRecordFile<PELLISH_CONFIG>(DefaultCfg());
        EXPECT_EQ(written.BoardId, MAINBOARD_Pellish);
        EXPECT_EQ(written.Size, 416);
        EXPECT_EQ(written.bIR, 0);
        EXPECT_EQ(written.nGpioDaughterId[GPIO_1], c.shown[1][0] == '2' ? DAUGHTER_Kobbet_GPIO : 0);
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

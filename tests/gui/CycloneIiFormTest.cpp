// The Mirrow and Pellish forms where they differ from the board-form base: the layout's colour,
// their controls and defaults, "LED x 27" on two outlines, the two headers on one list with the
// 80-pin pairing, a prefix check that spares no pair, no box after success and "default.cfg"
// written when the form goes. The two boards differ in data only, so one typed test runs both.
#include <QLabel>
#include <filesystem>

#include "FormFixture.h"
#include "boards/early/UI_MIRROW.h"
#include "boards/early/UI_PELLISH.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"

namespace {

struct Group {
    const char* box;
    std::vector<const char*> outlines;
};

struct Mirrow {
    using Form = TFormMirrow;
    using Config = MIRROW_CONFIG;
    static constexpr uint8_t kId = MAINBOARD_Mirrow;
    static constexpr uint8_t kOtherId = MAINBOARD_Pellish;  // a board of the same record size
    static constexpr const char* kName = "Mirrow";
    // The first GPIO pin of each header as the .qsf names it with prefixes A_ and B_.
    static constexpr const char* kFirstPins[2] = {"set_location_assignment PIN_D25 -to A_GPIO[0]\r\n",
                                                  "set_location_assignment PIN_K25 -to B_GPIO[0]\r\n"};
    static inline const std::vector<Group> kGroups = {
        {"CheckBoxOSC", {"ShapeOSC"}},         {"CheckBoxLED", {"ShapeLED", "ShapeLEDG8"}},
        {"CheckBoxSeg7", {"ShapeSeg7"}},       {"CheckBoxButton", {"ShapeButton"}},
        {"CheckBoxSwitch", {"ShapeSwitch"}},   {"CheckBoxPS2", {"ShapePS2"}},
        {"CheckBoxSDCARD", {"ShapeSDCARD"}},   {"CheckBoxVGA", {"ShapeVGA"}},
        {"CheckBoxLCD", {"ShapeLCD"}},         {"CheckBoxSDRAM", {"ShapeSDRAM"}},
        {"CheckBoxFlash", {"ShapeFlash"}},     {"CheckBoxRS232", {"ShapeRS232"}},
        {"CheckBoxSRAM", {"ShapeSRAM"}},       {"CheckBoxSma", {"ShapeSma"}},
        {"CheckBoxAudio", {"ShapeAudio"}},     {"CheckBoxEthernet", {"ShapeEthernet"}},
        {"CheckBoxIR", {"ShapeIR"}},           {"CheckBoxTvDecode", {"ShapeTvDecode"}},
        {"CheckBoxUSB", {"ShapeUSB"}},
    };
};

struct Pellish {
    using Form = TFormPellish;
    using Config = PELLISH_CONFIG;
    static constexpr uint8_t kId = MAINBOARD_Pellish;
    static constexpr uint8_t kOtherId = MAINBOARD_Mirrow;
    static constexpr const char* kName = "Pellish";
    static constexpr const char* kFirstPins[2] = {"set_location_assignment PIN_T25 -to A_GPIO_CLKIN[0]\r\n",
                                                  "set_location_assignment PIN_AH14 -to B_GPIO_CLKIN[0]\r\n"};
    static inline const std::vector<Group> kGroups = {
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
};

const std::vector<std::string> kCards = CardNames({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74});
constexpr int kDefaultEntry = 1;
constexpr int k80PinEntry = 2;

const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

template <class Config>
Config CardsRecord(uint8_t card0, const char* prefix0, uint8_t card1, const char* prefix1)
{
    Config record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = card0;
    record.nGpioDaughterId[GPIO_1] = card1;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], prefix0);
    WriteRecordText(record.szGpioPrefixName[GPIO_1], prefix1);
    return record;
}

template <class Board>
class CycloneIiForm : public BoardFormFixture<typename Board::Form> {
protected:
    using Fixture = BoardFormFixture<typename Board::Form>;
    using Fixture::Combo, Fixture::Edit, Fixture::Press, Fixture::dialogs, Fixture::dir;
    void Open() { Fixture::Open(Board::kId); }
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

    std::string Folder() const
    {
        return dir.Path() + "CodeGenerated/" + Board::kName + "/" + Board::kName + "/";
    }
    std::string File(const char* extension) const { return Folder() + Board::kName + extension; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        std::filesystem::remove_all(Folder());
        dialogs.QueueFile(File(".qpf"));
        Press("ButtonGen");
        return platform::FileExists(File(".qsf")) ? tooltest::ReadFile(File(".qsf")) : "";
    }
};

using Boards = ::testing::Types<Mirrow, Pellish>;
TYPED_TEST_SUITE(CycloneIiForm, Boards);

}  // namespace

TYPED_TEST(CycloneIiForm, FirstStartShowsTheDefaults)
{
    this->Open();
    EXPECT_NE(this->form->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(this->template Get<QLabel>("LabelBoardName")->text().toStdString(), std::string(TypeParam::kName) + " FPGA Board");
    EXPECT_EQ(this->form->template findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_TRUE(this->Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(this->Text("EditProjectName"), TypeParam::kName);
    for (int h : {0, 1}) {
        EXPECT_EQ(Items(this->Gpio(h)), kCards);
        EXPECT_EQ(this->Header(h), "0 '' free");
    }
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_FALSE(this->Shown(hidden));
    // Each box switches its own outlines and no other.
    for (const Group& g : TypeParam::kGroups) {
        EXPECT_TRUE(this->Box(g.box)->isChecked()) << g.box;
        this->Box(g.box)->click();
        for (const Group& other : TypeParam::kGroups)
            for (const char* outline : other.outlines) EXPECT_EQ(this->Shown(outline), &other != &g) << g.box << ": " << outline;
        this->Box(g.box)->click();
    }
    for (const char* name : {"EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1"}) {
        this->Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(this->Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(this->dialogs.Boxes().empty());
}

// The 80-pin card picked on GPIO-1 stands on both headers with GPIO-1's prefix and locks
// GPIO-0; the project has one joined connector named after GPIO-0's prefix and shows no box.
// "None" on GPIO-1 afterwards frees and clears GPIO-0.
TYPED_TEST(CycloneIiForm, The80PinCardTakesBothHeaders)
{
    this->Open();
    this->Prefix(1)->setText("K_");
    Pick(this->Gpio(1), k80PinEntry);
    EXPECT_EQ(this->Header(0), "2 'K_' locked");
    EXPECT_EQ(this->Header(1), "2 'K_' free");
    for (const char* shown : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_TRUE(this->Shown(shown)) << shown;

    this->Prefix(1)->setText("late_");
    const std::string qsf = this->Generate();
    EXPECT_TRUE(this->dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("-to K_ADC_OTR_A\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("late_"), std::string::npos);

    Pick(this->Gpio(1), 0);
    EXPECT_EQ(this->Header(0), "0 '' free");
    EXPECT_EQ(this->Header(1), "0 'late_' free");
    EXPECT_FALSE(this->Shown("ShapeGpio0"));
    EXPECT_FALSE(this->Shown("ImageGpio0"));
}

// Equal cards need different prefixes, "GPIO Default" twice without prefixes included; an
// empty project name is the only complaint when both fail.
TYPED_TEST(CycloneIiForm, PrefixCheckSparesNoPair)
{
    this->Open();
    Pick(this->Gpio(0), kDefaultEntry);
    Pick(this->Gpio(1), kDefaultEntry);
    EXPECT_EQ(this->Generate(), "");
    EXPECT_EQ(this->dialogs.Texts(), std::vector<std::string>{kSamePrefix});
    EXPECT_TRUE(this->dialogs.FileDialogs().empty());

    this->dialogs.Clear();
    this->Edit("EditProjectName")->setText("");
    this->Press("ButtonSave");
    EXPECT_EQ(this->dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."});

    this->dialogs.Clear();
    this->Edit("EditProjectName")->setText(TypeParam::kName);
    this->Prefix(0)->setText("A_");
    this->Prefix(1)->setText("B_");
    const std::string qsf = this->Generate();
    EXPECT_TRUE(this->dialogs.Boxes().empty());
    for (const char* line : TypeParam::kFirstPins) EXPECT_NE(qsf.find(line), std::string::npos) << line;
}

// A "default.cfg" of this size is shown paired with GPIO-0 leading; the form writes its own
// record back when it goes.
TYPED_TEST(CycloneIiForm, DefaultCfgIsPairedFromGpioZeroAndWrittenWhenTheFormGoes)
{
    using Config = typename TypeParam::Config;
    struct Case {
        const char* label;
        Config record;
        std::string shown[2];
        uint8_t written[2];  // the cards the form writes back
    };
    constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;
    const Case cases[] = {
        {"80-pin card on GPIO-0 over another card", CardsRecord<Config>(k80Pin, "K_", DAUGHTER_Sollip, "S_"),
         {"2 'K_' free", "2 'K_' locked"}, {k80Pin, k80Pin}},
        {"80-pin card on GPIO-1 over another card", CardsRecord<Config>(DAUGHTER_Sollip, "S_", k80Pin, "K_"),
         {"3 'S_' free", "0 '' free"}, {DAUGHTER_Sollip, 0}},
        {"80-pin card on GPIO-1 alone", CardsRecord<Config>(0, "", k80Pin, "K_"), {"0 '' free", "0 '' free"},
         {0, 0}},
        {"80-pin card on GPIO-1 beside GPIO Default", CardsRecord<Config>(DAUGHTER_GPIO_DEFAULT, "", k80Pin, "K_"),
         {"1 '' free", "0 '' free"}, {DAUGHTER_GPIO_DEFAULT, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Config foreign = c.record;
        foreign.BoardId = TypeParam::kOtherId;
        foreign.bIR = 0;
        WriteRecordFile(this->DefaultCfg(), foreign);
        this->Open();
        EXPECT_EQ(this->Header(0), c.shown[0]);
        EXPECT_EQ(this->Header(1), c.shown[1]);
        EXPECT_FALSE(this->Box("CheckBoxIR")->isChecked());
        EXPECT_FALSE(this->Shown("ShapeIR"));

        this->main.reset();
        const auto written = ReadRecordFile<Config>(this->DefaultCfg());
        EXPECT_EQ(written.BoardId, TypeParam::kId);
        EXPECT_EQ(written.Size, 416);
        EXPECT_EQ(written.bIR, 0);
        for (int h : {GPIO_0, GPIO_1}) EXPECT_EQ(written.nGpioDaughterId[h], c.written[h]) << h;
    }
    EXPECT_TRUE(this->dialogs.Boxes().empty());
}

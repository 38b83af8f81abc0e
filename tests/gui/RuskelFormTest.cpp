// The Ruskel form where it differs from the board-form base: its controls and defaults, the
// two headers on one list, the prefix check, "GPIO Default" named by its prefix, no box
// after success and "default.cfg" written when the form goes.
#include <QLabel>

#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_RUSKEL.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",   "CheckBoxLED",    "CheckBoxButton", "CheckBoxSwitch",
                                       "CheckBoxSDRAM", "CheckBoxADC",    "CheckBoxEEPROM", "CheckBoxEPCS",
                                       "CheckBoxAccelerometer", "CheckBoxHeader"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",  "ShapeLED",    "ShapeButton", "ShapeSwitch",        "ShapeSDRAM",
                                        "ShapeADC",  "ShapeEEPROM", "ShapeEPCS",   "ShapeAccelerometer", "ShapeHeader"};

const std::vector<std::string> kCards = CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74});

const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

}  // namespace

class RuskelForm : public BoardFormFixture<TFormRuskel> {
protected:
    void Open() { BoardFormFixture::Open(MAINBOARD_Ruskel); }
    std::string Folder() const { return dir.Path() + "CodeGenerated/Ruskel/Ruskel/"; }
    // Generate into the proposed folder; the top level written, or empty.
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Ruskel.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Ruskel.v") ? tooltest::ReadFile(Folder() + "Ruskel.v") : "";
    }
};

TEST_F(RuskelForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(793, 469));
    EXPECT_EQ(main->size(), QSize(793, 469));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Ruskel FPGA Board");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Text("EditProjectName"), "Ruskel");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
        Box(kGroupBoxes[i])->click();
        EXPECT_FALSE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    for (const char* combo : {"ComboBoxGpio0", "ComboBoxGpio1"}) {
        EXPECT_EQ(Items(Combo(combo)), kCards) << combo;
        EXPECT_EQ(Current(combo), "None");
    }
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_FALSE(Shown(hidden));
    Pick(Combo("ComboBoxGpio1"), 2);
    EXPECT_TRUE(Shown("ShapeGpio1"));
    EXPECT_TRUE(Shown("ImageGpio1"));
    EXPECT_FALSE(Shown("ShapeGpio0"));
    for (const char* name : {"EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// "GPIO Default" on both headers needs two prefixes; with them the ports are named after
// them, and success shows no box.
TEST_F(RuskelForm, TwoDefaultCardsNeedTwoPrefixes)
{
    Open();
    Pick(Combo("ComboBoxGpio0"), 1);
    Pick(Combo("ComboBoxGpio1"), 1);
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSamePrefix});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    dialogs.Clear();
    Edit("EditPrefixGpio0")->setText("GPIO_0");
    Edit("EditPrefixGpio1")->setText("GPIO_1");
    const std::string top = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    for (const char* port : {"\t\tGPIO_0,", "\t\tGPIO_0_IN,", "\t\tGPIO_1,", "\t\tGPIO_1_IN\r\n"})
        EXPECT_NE(top.find(port), std::string::npos) << port;
}

// The default prefix goes into the project only: the box stays empty and Save stores none.
TEST_F(RuskelForm, GpioDefaultWithoutPrefixIsNamedGpioInTheProjectOnly)
{
    Open();
    Pick(Combo("ComboBoxGpio0"), 1);
    const std::string top = Generate();
    EXPECT_NE(top.find("[33:0]\t\tGPIO,\r\n"), std::string::npos);
    EXPECT_NE(top.find("[1:0]\t\tGPIO_IN\r\n"), std::string::npos);
    EXPECT_EQ(Text("EditPrefixGpio0"), "");

    const std::string saved = dir.Path() + "ruskel.cfg";
    dialogs.QueueFile(saved);
    Press("ButtonSave");
    const auto record = ReadRecordFile<RUSKEL_CONFIG>(saved);
    EXPECT_EQ(record.nGpioDaughterId[GPIO_0], DAUGHTER_GPIO_DEFAULT);
    EXPECT_EQ(record.szGpioPrefixName[GPIO_0][0], 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A record from a file shows what the lists hold; a card they do not hold leaves its combo
// as it was, and the next record written is Ruskel's own. The form writes "default.cfg"
// when it goes, however the main window lets it go.
TEST_F(RuskelForm, DefaultCfgIsShownAsFarAsTheListsGoAndWrittenWhenTheFormGoes)
{
    RUSKEL_CONFIG foreign;
    DefaultConfig(foreign);
    foreign.BoardId = MAINBOARD_Ulvarin;
    foreign.Size = 7;
    WriteRecordText(foreign.szProjectName, "counter");
    foreign.bADC = 0;
    foreign.bEPCS = 5;
    foreign.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;  // an 80-pin card: in no list here
    WriteRecordText(foreign.szGpioPrefixName[GPIO_0], "LOST_");
    foreign.nGpioDaughterId[GPIO_1] = DAUGHTER_Tesvik;
    WriteRecordText(foreign.szGpioPrefixName[GPIO_1], "T_");
    WriteRecordFile(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "counter");
    EXPECT_FALSE(Box("CheckBoxADC")->isChecked());
    EXPECT_FALSE(Shown("ShapeADC"));
    EXPECT_TRUE(Box("CheckBoxEPCS")->isChecked());
    EXPECT_EQ(Current("ComboBoxGpio0"), "None");
    EXPECT_EQ(Text("EditPrefixGpio0"), "");
    EXPECT_EQ(Current("ComboBoxGpio1"), BoardName(DAUGHTER_Tesvik));
    EXPECT_EQ(Text("EditPrefixGpio1"), "T_");
    EXPECT_TRUE(Combo("ComboBoxGpio0")->isEnabled());

    Edit("EditProjectName")->setText("changed");
    main->CreateBoardForm(MAINBOARD_Tiverne);  // another board: this form goes
    RUSKEL_CONFIG written = ReadRecordFile<RUSKEL_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.BoardId, MAINBOARD_Ruskel);
    EXPECT_EQ(written.Size, 404);
    EXPECT_STREQ(written.szProjectName, "changed");
    EXPECT_EQ(written.bEPCS, 1);
    EXPECT_EQ(written.nGpioDaughterId[GPIO_0], 0);
    EXPECT_EQ(written.nGpioDaughterId[GPIO_1], DAUGHTER_Tesvik);

    main->CreateBoardForm(MAINBOARD_Ruskel);  // Tiverne's record of another size: the defaults
    form = dynamic_cast<TFormRuskel*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Ruskel");
    Edit("EditProjectName")->setText("last");
    main.reset();  // the program ends
    written = ReadRecordFile<RUSKEL_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.BoardId, MAINBOARD_Ruskel);
    EXPECT_STREQ(written.szProjectName, "last");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_TRUE(dialogs.Exceptions().empty());
}

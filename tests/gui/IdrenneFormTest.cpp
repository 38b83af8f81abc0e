// The Idrenne form where it differs from the board-form base: eighteen groups, the socket and
// the FMC lists, the FMC voltage and its jumper, the refused socket modules, and the boxes
// after success.
#include <QAbstractItemView>
#include <QLabel>
#include <cstring>

#include "FormFixture.h"
#include "boards/arria10/UI_IDRENNE.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kBoxes[] = {"CheckBoxOSC",   "CheckBoxLED",      "CheckBoxSeg7",        "CheckBoxButton",
                                  "CheckBoxSwitch", "CheckBoxFan",     "CheckBoxTemperature", "CheckBoxSDRAM",
                                  "CheckBoxEthernet", "CheckBoxSMA",   "CheckBoxSATA",        "CheckBoxPCIe",
                                  "CheckBoxSDI",    "CheckBoxUSB",     "CheckBoxHDMI",        "CheckBoxSFP",
                                  "CheckBoxDisplayPort", "CheckBoxHPS"};
constexpr const char* kShapes[] = {"ShapeOSC",   "ShapeLED",      "ShapeSeg7",        "ShapeButton",
                                   "ShapeSwitch", "ShapeFan",     "ShapeTemperature", "ShapeSDRAM",
                                   "ShapeEthernet", "ShapeSMA",   "ShapeSATA",        "ShapePCIe",
                                   "ShapeSDI",    "ShapeUSB",     "ShapeHDMI",        "ShapeSFP",
                                   "ShapeDisplayPort", "ShapeHPS"};
constexpr int kDefaultTicked = 8;  // the first eight boxes
constexpr const char* kJumpers[] = {"ShapeFmc1V8", "ShapeFmc1V5", "ShapeFmc1V2"};

const std::vector<std::string> kSocketCards = CardNames({0, 77, 78, 79, 80});
// The FMC lists of the voltage entries 0 to 2.
const std::vector<std::string> kFmcCards[] = {
    CardNames({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 76}),
    CardNames({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53}),
    CardNames({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}),
};

// Where the board's layout puts its controls: the buttons on the window itself, the FMC
// controls in the settings box, the jumper outlines on the panel.
struct Place {
    const char* name;
    const char* parent;
    QRect geometry;
};
const Place kPlaces[] = {
    {"ButtonMainBoardSelect", "", {224, 14, 185, 35}},
    {"ButtonLoad", "", {16, 494, 140, 35}},
    {"ButtonGen", "", {160, 494, 140, 35}},
    {"ButtonSave", "", {16, 544, 140, 35}},
    {"ButtonExit", "", {160, 544, 140, 35}},
    {"ComboBoxDDR4Socket", "GroupBox1", {16, 376, 240, 24}},
    {"ImageDDR4Socket", "GroupBox1", {262, 356, 80, 80}},
    {"ComboBoxFmcVol", "GroupBox1", {112, 476, 144, 24}},
    {"ComboBoxFmc", "GroupBox1", {16, 509, 240, 24}},
    {"ImageFMC", "GroupBox1", {262, 489, 80, 80}},
    {"EditPrefixFmc", "GroupBox1", {112, 541, 144, 24}},
    {"ImageVol", "Panel1", {312, 433, 75, 94}},
    {"ShapeFmc1V2", "Panel1", {312, 482, 17, 35}},
    {"ShapeFmc1V5", "Panel1", {331, 482, 17, 35}},
    {"ShapeFmc1V8", "Panel1", {349, 482, 17, 35}},
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kJp2Warning =
    "You have changed the default voltage level of FMC interface. \nPlease remember to change the jumper position on "
    "JP2 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";
const std::string kHpsBox =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease add the "
    "Altera HPS IP to your design.\r\n";

}  // namespace

class IdrenneForm : public BoardFormFixture<TFormIdrenne, MAINBOARD_Idrenne> {
protected:
    void ExpectJumper(int entry)
    {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Shown(kJumpers[i]), i == entry) << kJumpers[i];
    }
    void ExpectOutlinesFollowTheBoxes()
    {
        for (std::size_t i = 0; i < std::size(kBoxes); ++i)
            EXPECT_EQ(Shown(kShapes[i]), Box(kBoxes[i])->isChecked()) << kShapes[i];
    }
    // Generate into the given file; the texts of the boxes shown.
    std::vector<std::string> Generate(const std::string& file)
    {
        dialogs.Clear();
        dialogs.QueueFile(file);
        Press("ButtonGen");
        return dialogs.Texts();
    }
};

TEST_F(IdrenneForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(791, 596));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Idrenne FPGA Board");
    EXPECT_EQ(Text("EditProjectName"), "Idrenne");
    EXPECT_EQ(Items(Combo("ComboBoxFileType")), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(Current("ComboBoxFileType"), "Verilog");
    for (std::size_t i = 0; i < std::size(kBoxes); ++i)
        EXPECT_EQ(Box(kBoxes[i])->isChecked(), static_cast<int>(i) < kDefaultTicked) << kBoxes[i];
    ExpectOutlinesFollowTheBoxes();
    EXPECT_EQ(Items(Combo("ComboBoxDDR4Socket")), kSocketCards);
    EXPECT_EQ(Current("ComboBoxDDR4Socket"), "None");
    EXPECT_EQ(Items(Combo("ComboBoxFmcVol")), (std::vector<std::string>{"1.8 V (Default)", "1.5 V", "1.2 V"}));
    EXPECT_EQ(Current("ComboBoxFmcVol"), "1.8 V (Default)");
    EXPECT_EQ(Items(Combo("ComboBoxFmc")), kFmcCards[0]);
    EXPECT_EQ(Combo("ComboBoxFmc")->maxVisibleItems(), 14);
    EXPECT_EQ(Current("ComboBoxFmc"), "None");
    for (const char* hidden : {"ShapeDDR4Socket", "ShapeFMC", "ImageDDR4Socket", "ImageFMC"})
        EXPECT_FALSE(Shown(hidden)) << hidden;
    ExpectJumper(0);

    // Every box ticked: every outline shows.
    for (const char* name : kBoxes)
        if (!Box(name)->isChecked()) Box(name)->click();
    ExpectOutlinesFollowTheBoxes();
    Box("CheckBoxOSC")->click();
    EXPECT_FALSE(Shown("ShapeOSC"));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The controls lie where the board's layout puts them, the four buttons over the panel under
// the board picture, and the FMC list opens wider than its box for the longest card name.
TEST_F(IdrenneForm, LayoutFollowsTheBoard)
{
    Open();
    EXPECT_EQ(form->size(), QSize(791, 596));
    for (const Place& place : kPlaces) {
        EXPECT_EQ(Get(place.name)->geometry(), place.geometry) << place.name;
        const QWidget* parent = Get(place.name)->parentWidget();
        EXPECT_EQ(parent == form ? "" : parent->objectName().toStdString(), place.parent) << place.name;
    }
    for (const char* label : {"Label5", "Label6"}) EXPECT_TRUE(Get<QLabel>(label)->alignment() & Qt::AlignRight);
    const QRect picture(Get("ImageBoard")->mapTo(form, QPoint(0, 0)), Get("ImageBoard")->size());
    for (const char* button : {"ButtonLoad", "ButtonGen", "ButtonSave", "ButtonExit"}) {
        EXPECT_FALSE(Get(button)->geometry().intersects(picture)) << button;
        EXPECT_EQ(form->childAt(Get(button)->geometry().center()), Get(button)) << button;  // not under the panel
    }

    form->show();
    QComboBox* fmc = Combo("ComboBoxFmc");
    int widest = 0;
    for (int i = 0; i < fmc->count(); ++i)
        widest = std::max(widest, fmc->fontMetrics().horizontalAdvance(fmc->itemText(i)));
    EXPECT_GT(widest, fmc->width() - 30);  // the longest name does not fit beside the arrow
    fmc->showPopup();
    EXPECT_GT(fmc->view()->window()->width(), fmc->width());
    EXPECT_GE(fmc->view()->viewport()->width(), widest);
    fmc->hidePopup();
}

// A picked voltage lists its cards with "None" chosen, moves the jumper outline and keeps
// the prefix the user typed.
TEST_F(IdrenneForm, TheFmcListFollowsTheVoltage)
{
    Open();
    Pick(Combo("ComboBoxFmc"), 1);
    Edit("EditPrefixFmc")->setText("F_");
    EXPECT_TRUE(Shown("ShapeFMC"));
    EXPECT_TRUE(Shown("ImageFMC"));
    for (int entry : {1, 2, 0}) {
        Pick(Combo("ComboBoxFmcVol"), entry);
        EXPECT_EQ(Items(Combo("ComboBoxFmc")), kFmcCards[entry]) << entry;
        EXPECT_EQ(Current("ComboBoxFmc"), "None");
        EXPECT_FALSE(Shown("ShapeFMC"));
        EXPECT_FALSE(Shown("ImageFMC"));
        EXPECT_EQ(Text("EditPrefixFmc"), "F_");
        ExpectJumper(entry);
    }
    Pick(Combo("ComboBoxDDR4Socket"), 2);
    EXPECT_TRUE(Shown("ShapeDDR4Socket"));
    EXPECT_TRUE(Shown("ImageDDR4Socket"));
}

// A record is shown with its voltage's list; a card that list lacks, or a voltage code the
// table lacks, is shown as the default, and the prefix goes with a card not shown.
TEST_F(IdrenneForm, LoadedRecordsShowTheirVoltageAndCards)
{
    struct Case {
        int32_t voltage;
        uint8_t fmc;
        uint8_t socket;
        int voltageEntry;
        std::string fmcShown;
        std::string fmcPrefix;
        std::string socketShown;
        std::string socketPrefix;
    };
    const Case cases[] = {
        {4, DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt, DAUGHTER_DDR4_SODIMM_ECC, 2, "FMC HPC with XCVR - Altera Standard",
         "F_", "DDR4 SODIMM with ECC", "S_"},
        {3, DAUGHTER_Ferrund_FMC, DAUGHTER_QDR2_MODULE, 1, "None", "", "Varnholt QDRII+ Module", "S_"},
        {7, DAUGHTER_FMC_Wyrsel, DAUGHTER_GPIO_DEFAULT, 0, "Wyrsel-FMC", "F_", "None", ""},
        {-1, DAUGHTER_Sendle, 200, 0, "None", "", "None", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.voltage);
        IDRENNE_CONFIG record = TConfigIdrenne::DefaultConfig();
        record.nFmcVol = c.voltage;
        record.nFmcDaughterId = c.fmc;
        std::strcpy(record.szFmcPrefixName, "F_");
        record.nDDR4SocketDaughterId = c.socket;
        std::strcpy(record.szDDR4SocketPrefixName, "S_");
        WriteRecordFile(DefaultCfg(), record);
        Open();
        EXPECT_EQ(Combo("ComboBoxFmcVol")->currentIndex(), c.voltageEntry);
        EXPECT_EQ(Items(Combo("ComboBoxFmc")), kFmcCards[c.voltageEntry]);
        EXPECT_EQ(Current("ComboBoxFmc"), c.fmcShown);
        EXPECT_EQ(Text("EditPrefixFmc"), c.fmcPrefix);
        EXPECT_EQ(Current("ComboBoxDDR4Socket"), c.socketShown);
        EXPECT_EQ(Text("EditPrefixDDR4Socket"), c.socketPrefix);
        ExpectJumper(c.voltageEntry);

        // Exit writes the record back as the controls show it.
        Press("ButtonExit");
        IDRENNE_CONFIG written = ReadRecordFile<IDRENNE_CONFIG>(DefaultCfg());
        EXPECT_EQ(written.nFmcVol, 2 + c.voltageEntry);
        EXPECT_EQ(written.nFmcDaughterId, c.fmcShown == "None" ? 0 : c.fmc);
        EXPECT_EQ(written.nDDR4SocketDaughterId, c.socketShown == "None" ? 0 : c.socket);
        main.reset();
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_TRUE(dialogs.Exceptions().empty());
}

// A 420-byte "default.cfg" is taken whichever board wrote it; "Exit" writes it back with
// Idrenne's id and size, the variant byte and the padding as they were.
TEST_F(IdrenneForm, ExitWritesTheRecordBackAsIdrenne)
{
    IDRENNE_CONFIG foreign;
    std::memset(&foreign, 0, sizeof foreign);
    foreign.BoardId = MAINBOARD_Ulvarin;
    foreign.BoardVariant = 0x5A;
    foreign.Padding1[1] = 0xA1;
    foreign.Size = 999;
    std::strcpy(foreign.szProjectName, "other");
    foreign.nFileType = 1;
    foreign.bHDMI = 9;  // any non-zero byte is a tick
    foreign.nFmcVol = 3;
    foreign.nFmcDaughterId = DAUGHTER_FMC_Brasket;
    foreign.Padding2[2] = 0xC3;
    WriteRecordFile(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "other");
    EXPECT_EQ(Current("ComboBoxFileType"), "VHDL");
    EXPECT_TRUE(Box("CheckBoxHDMI")->isChecked());
    EXPECT_EQ(Current("ComboBoxFmcVol"), "1.5 V");
    EXPECT_EQ(Current("ComboBoxFmc"), "Brasket-FMC");
    Press("ButtonExit");
    EXPECT_FALSE(main->isVisible());

    IDRENNE_CONFIG expected = foreign;
    expected.BoardId = MAINBOARD_Idrenne;
    expected.Size = 420;
    expected.bHDMI = 1;
    IDRENNE_CONFIG written = ReadRecordFile<IDRENNE_CONFIG>(DefaultCfg());
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(IdrenneForm, TextBoxesTakeAtMost127Characters)
{
    Open();
    for (const char* name : {"EditProjectName", "EditPrefixDDR4Socket", "EditPrefixFmc"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
}

// The QDR modules have no pin map: Generate names the card and stops before its dialog;
// Save still keeps the choice.
TEST_F(IdrenneForm, SocketModulesWithoutPinMapAreRefused)
{
    Open();
    for (int entry : {3, 4}) {
        Pick(Combo("ComboBoxDDR4Socket"), entry);
        dialogs.Clear();
        Press("ButtonGen");
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSocketCards[entry] + " has no pin map; choose another card."});
        EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
        EXPECT_TRUE(dialogs.FileDialogs().empty());
    }
    EXPECT_FALSE(platform::DirectoryExists(dir.Path() + "CodeGenerated"));

    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "qdr.cfg");
    Press("ButtonSave");
    EXPECT_EQ(ReadRecordFile<IDRENNE_CONFIG>(dir.Path() + "qdr.cfg").nDDR4SocketDaughterId, DAUGHTER_QDR4_MODULE);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Success, then the JP2 warning for a voltage other than the default, then the HPS box.
TEST_F(IdrenneForm, GenerateReportsInOrder)
{
    Open();
    const std::string folder = dir.Path() + "out/";
    platform::ForceDirectories(folder);
    EXPECT_EQ(Generate(folder + "plain.qpf"), std::vector<std::string>{kSuccess + folder});

    Pick(Combo("ComboBoxFmcVol"), 1);
    EXPECT_EQ(Generate(folder + "jp2.qpf"), (std::vector<std::string>{kSuccess + folder, kJp2Warning}));
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Warning");

    Box("CheckBoxHPS")->click();
    EXPECT_EQ(Generate(folder + "hps.qpf"), (std::vector<std::string>{kSuccess + folder, kJp2Warning, kHpsBox}));
    EXPECT_EQ(dialogs.Boxes()[2].caption, "Information");

    Pick(Combo("ComboBoxFmcVol"), 0);
    EXPECT_EQ(Generate(folder + "hps2.qpf"), (std::vector<std::string>{kSuccess + folder, kHpsBox}));
}

// The cards go under their default prefixes, which the controls and the saved record do not
// take; VHDL makes the top level VHDL.
TEST_F(IdrenneForm, GenerateAttachesTheCardsUnderDefaultPrefixes)
{
    Open();
    Pick(Combo("ComboBoxFileType"), 1);
    Pick(Combo("ComboBoxDDR4Socket"), 1);
    Pick(Combo("ComboBoxFmc"), 1);
    ASSERT_EQ(Current("ComboBoxFmc"), BoardName(DAUGHTER_FMC_HPC_VITA));
    const std::string folder = dir.Path() + "CodeGenerated/Idrenne/Idrenne/";
    EXPECT_EQ(Generate(folder + "Idrenne.qpf"), std::vector<std::string>{kSuccess + folder});
    EXPECT_TRUE(platform::FileExists(folder + "Idrenne.vhd"));
    EXPECT_FALSE(platform::FileExists(folder + "Idrenne.v"));
    const std::string qsf = tooltest::ReadFile(folder + "Idrenne.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AD11 -to DDR4A_DQ[5]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("-to FMC_LA_p[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_T31 -to FMC_REFCLK_p\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("DDR4A_DQ[64]"), std::string::npos);  // no check bits without ECC
    auto compiled = tooltest::CheckGhdl(folder + "Idrenne.vhd");
    EXPECT_TRUE(compiled.ok) << compiled.output;

    EXPECT_EQ(Text("EditPrefixFmc"), "");
    Press("ButtonExit");
    IDRENNE_CONFIG saved = ReadRecordFile<IDRENNE_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.szFmcPrefixName[0], 0);
    EXPECT_EQ(saved.szDDR4SocketPrefixName[0], 0);
}

TEST_F(IdrenneForm, EmptyNameStopsSaveAndGenerateAndCancelEndsQuietly)
{
    Open();
    Edit("EditProjectName")->clear();
    for (const char* button : {"ButtonSave", "ButtonGen"}) {
        dialogs.Clear();
        Press(button);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."}) << button;
        EXPECT_TRUE(dialogs.FileDialogs().empty()) << button;
    }

    Edit("EditProjectName")->setText("counter");
    dialogs.Clear();
    Press("ButtonGen");  // the project dialog is cancelled
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, dir.Path() + "CodeGenerated/Idrenne/counter/");
    EXPECT_TRUE(platform::DirectoryExists(dir.Path() + "CodeGenerated/Idrenne/counter/"));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

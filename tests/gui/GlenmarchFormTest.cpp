#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <fstream>
#include <memory>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_GLENMARCH.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"
#include "core/shell/UnitMain.h"

namespace {

constexpr int G0 = GPIO_0;
constexpr int G1 = GPIO_1;

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",   "CheckBoxLED",     "CheckBoxButton", "CheckBoxSwitch", "CheckBoxVGA",
                                       "CheckBoxSDRAM", "CheckBoxAudio",   "CheckBoxVideoIn", "CheckBoxADC",   "CheckBoxSeg7",
                                       "CheckBoxIR",    "CheckBoxPS2",     "CheckBoxHPS"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",   "ShapeLED",   "ShapeButton",  "ShapeSwitch", "ShapeVGA",
                                        "ShapeSDRAM", "ShapeAudio", "ShapeVideoIn", "ShapeADC",    "ShapeSeg7",
                                        "ShapeIR",    "ShapePS2",   "ShapeHPS"};

// The card list both headers show, and the entries the tests pick.
constexpr uint8_t kCards[] = {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74};
constexpr int kNone = 0;
constexpr int kDefault = 1;   // "GPIO Default"
constexpr int k80Pin = 2;     // the one 80-pin card
constexpr int kSollip = 3;
constexpr int kGarvet = 4;

const char* const kCombos[] = {"ComboBoxGpio0", "ComboBoxGpio1"};
const char* const kPrefixes[] = {"EditPrefixGpio0", "EditPrefixGpio1"};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kHpsBox =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease add the "
    "Altera HPS IP to your design.\r\n";
const std::string kConflict =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

void WriteRecord(const std::string& path, const GLENMARCH_CONFIG& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

GLENMARCH_CONFIG ReadRecord(const std::string& path)
{
    GLENMARCH_CONFIG record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

// What one header's controls show.
struct HeaderView {
    int entry;
    std::string prefix;
    bool enabled;

    bool operator==(const HeaderView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HeaderView& v)
{
    return out << "entry " << v.entry << ", '" << v.prefix << "', " << (v.enabled ? "enabled" : "disabled");
}

}  // namespace

class GlenmarchForm : public GuiTest {
protected:
    void Open()
    {
        main = std::make_unique<TFormMain>();
        main->show();
        main->CreateBoardForm(MAINBOARD_Glenmarch);
        form = dynamic_cast<TFormGlenmarch*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo(int header) { return Get<QComboBox>(kCombos[header]); }
    QLineEdit* Prefix(int header) { return Get<QLineEdit>(kPrefixes[header]); }
    QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }
    HeaderView View(int header)
    {
        // The prefix box follows its combo: a header is either wholly usable or wholly locked.
        EXPECT_EQ(Combo(header)->isEnabled(), Prefix(header)->isEnabled()) << header;
        return {Combo(header)->currentIndex(), Prefix(header)->text().toStdString(), Combo(header)->isEnabled()};
    }
    void Load(const GLENMARCH_CONFIG& record)
    {
        const std::string path = dir.Path() + "loaded.cfg";
        WriteRecord(path, record);
        dialogs.QueueFile(path);
        Click("ButtonLoad");
    }
    // Generates into a folder of its own; the qsf's text.
    std::string Generate(const std::string& name)
    {
        platform::ForceDirectories(dir.Path() + name);
        dialogs.QueueFile(dir.Path() + name + "/" + name + ".qpf");
        Click("ButtonGen");
        return tooltest::ReadFile(dir.Path() + name + "/" + name + ".qsf");
    }

    std::unique_ptr<TFormMain> main;
    TFormGlenmarch* form = nullptr;
};

TEST_F(GlenmarchForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Glenmarch V1.1.1");
    EXPECT_EQ(form->size(), QSize(798, 519));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Glenmarch FPGA Board");
    EXPECT_EQ(Get<QLabel>("Label1")->text().toStdString(), "GPIO-0 Header");
    EXPECT_EQ(Get<QLabel>("Label2")->text().toStdString(), "GPIO-1 Header");
    EXPECT_EQ(Text("EditProjectName"), "Glenmarch");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        bool hps = std::string(kGroupBoxes[i]) == "CheckBoxHPS";
        EXPECT_EQ(Box(kGroupBoxes[i])->isChecked(), !hps) << kGroupBoxes[i];
        EXPECT_EQ(Shown(kGroupShapes[i]), !hps) << kGroupShapes[i];
    }
    std::vector<std::string> names;
    for (uint8_t card : kCards) names.push_back(BoardName(card));
    for (int h : {G0, G1}) {
        EXPECT_EQ(Items(Combo(h)), names) << h;
        EXPECT_EQ(Combo(h)->maxVisibleItems(), static_cast<int>(std::size(kCards)));
        EXPECT_EQ(View(h), (HeaderView{kNone, "", true}));
    }
    EXPECT_EQ(BoardConnectorType(kCards[k80Pin]), CONNECTOR_GPIO80);
    for (const char* name : {"ImageGpio0", "ImageGpio1", "ShapeGpio0", "ShapeGpio1"}) EXPECT_FALSE(Shown(name)) << name;
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

// What the user's picks and typing do to both headers, step by step.
TEST_F(GlenmarchForm, PairingSequences)
{
    struct Step {
        int header;
        int entry;           // -1: type `prefix` into the header's box instead of picking
        const char* prefix;  // typed before the pick, or typed alone
        HeaderView after[2];
    };
    struct Sequence {
        const char* what;
        std::vector<Step> steps;
    };
    const Sequence sequences[] = {
        {"the 80-pin card on GPIO-1 takes GPIO-0 with GPIO-1's prefix; a 40-pin card there frees it again",
         {{G0, kSollip, "A_", {{kSollip, "A_", true}, {kNone, "", true}}},
          {G1, k80Pin, "K_", {{k80Pin, "K_", false}, {k80Pin, "K_", true}}},
          {G1, kGarvet, nullptr, {{kNone, "", true}, {kGarvet, "K_", true}}}}},
        {"None on GPIO-1 frees GPIO-0 the same way",
         {{G1, k80Pin, nullptr, {{k80Pin, "", false}, {k80Pin, "", true}}},
          {G1, kNone, nullptr, {{kNone, "", true}, {kNone, "", true}}}}},
        {"the 80-pin card on GPIO-0 takes GPIO-1, whatever it held",
         {{G1, kDefault, "B_", {{kNone, "", true}, {kDefault, "B_", true}}},
          {G0, k80Pin, "K_", {{k80Pin, "K_", true}, {k80Pin, "K_", false}}},
          {G0, kDefault, nullptr, {{kDefault, "K_", true}, {kNone, "", true}}}}},
        {"the prefix is copied once, when the card is picked",
         {{G1, k80Pin, "K_", {{k80Pin, "K_", false}, {k80Pin, "K_", true}}},
          {G1, -1, "L_", {{k80Pin, "K_", false}, {k80Pin, "L_", true}}}}},
        {"a 40-pin card leaves the other header's card and prefix alone",
         {{G0, kSollip, "A_", {{kSollip, "A_", true}, {kNone, "", true}}},
          {G1, kSollip, "B_", {{kSollip, "A_", true}, {kSollip, "B_", true}}},
          {G0, kGarvet, nullptr, {{kGarvet, "A_", true}, {kSollip, "B_", true}}}}},
    };
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.what);
        Open();
        for (std::size_t s = 0; s < sequence.steps.size(); ++s) {
            const Step& step = sequence.steps[s];
            if (step.prefix) Prefix(step.header)->setText(QString::fromLatin1(step.prefix));
            if (step.entry >= 0) Pick(Combo(step.header), step.entry);
            for (int h : {G0, G1}) {
                EXPECT_EQ(View(h), step.after[h]) << "step " << s << ", GPIO-" << h;
                EXPECT_EQ(Shown(h == 0 ? "ShapeGpio0" : "ShapeGpio1"), step.after[h].entry != kNone);
                EXPECT_EQ(Shown(h == 0 ? "ImageGpio0" : "ImageGpio1"), step.after[h].entry != kNone);
            }
        }
    }
}

// Whatever a settings file holds, the form shows a pairing the definition accepts, with
// GPIO-0 leading, and Generate writes the project without an internal error.
TEST_F(GlenmarchForm, LoadedRecordsArePairedBeforeAnythingUsesThem)
{
    struct Case {
        const char* what;
        bool lockGpio0First;  // the 80-pin card picked on GPIO-1 before the load
        uint8_t card0;
        const char* prefix0;
        uint8_t card1;
        const char* prefix1;
        HeaderView after[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 and a 40-pin card on GPIO-1", false, DAUGHTER_Kobbet_GPIO, "K_", DAUGHTER_Sollip, "S_",
         {{k80Pin, "K_", true}, {k80Pin, "K_", false}}},
        {"80-pin card on GPIO-0 alone", false, DAUGHTER_Kobbet_GPIO, "", DAUGHTER_NONE, "", {{k80Pin, "", true}, {k80Pin, "", false}}},
        {"80-pin card on GPIO-1 over a 40-pin card", false, DAUGHTER_Garvet, "G_", DAUGHTER_Kobbet_GPIO, "K_",
         {{kGarvet, "G_", true}, {kNone, "", true}}},
        {"80-pin card on GPIO-1 alone over a locked GPIO-0", true, DAUGHTER_NONE, "", DAUGHTER_Kobbet_GPIO, "K_",
         {{kNone, "", true}, {kNone, "", true}}},
        // The leading header is freed as well, so a locked header cannot stay locked.
        {"two 40-pin cards over a locked GPIO-0", true, DAUGHTER_Sollip, "A_", DAUGHTER_Garvet, "B_",
         {{kSollip, "A_", true}, {kGarvet, "B_", true}}},
        {"the 80-pin card on GPIO-0 over a locked GPIO-0", true, DAUGHTER_Kobbet_GPIO, "L_", DAUGHTER_Kobbet_GPIO, "M_",
         {{k80Pin, "L_", true}, {k80Pin, "L_", false}}},
        {"cards that are not in the list", false, DAUGHTER_HSMC_DEFAULT, "H_", 200, "X_",
         {{kNone, "", true}, {kNone, "", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        if (c.lockGpio0First) {
            Pick(Combo(G1), k80Pin);
            ASSERT_FALSE(Combo(G0)->isEnabled());
        }
        GLENMARCH_CONFIG record = GLENMARCH_CONFIG::DefaultConfig();
        record.nGpioDaughterId[G0] = c.card0;
        record.nGpioDaughterId[G1] = c.card1;
        WriteRecordText(record.szGpioPrefixName[G0], c.prefix0);
        WriteRecordText(record.szGpioPrefixName[G1], c.prefix1);
        Load(record);
        for (int h : {G0, G1}) EXPECT_EQ(View(h), c.after[h]) << "GPIO-" << h;

        dialogs.Clear();
        Generate("loaded");
        EXPECT_TRUE(dialogs.Exceptions().empty());
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + dir.Path() + "loaded/"});
    }
}

TEST_F(GlenmarchForm, PrefixCheckSparesTheDefaultPairAndTheEightyPinCard)
{
    struct Case {
        int entry0;
        const char* prefix0;
        int entry1;
        const char* prefix1;
        bool passes;
    };
    const Case cases[] = {
        {kDefault, "", kDefault, "", true},    {kDefault, "G_", kDefault, "G_", false},
        {kDefault, " ", kDefault, " ", false}, {kDefault, "A_", kDefault, "B_", true},
        {kSollip, "", kSollip, "", false},     {k80Pin, "K_", -1, nullptr, true},
        {kSollip, "X_", kGarvet, "X_", true},
    };
    Open();
    for (const Case& c : cases) {
        Prefix(G0)->setText(c.prefix0);
        Pick(Combo(G0), c.entry0);
        if (c.entry1 >= 0) {
            Prefix(G1)->setText(c.prefix1);
            Pick(Combo(G1), c.entry1);
        }
        dialogs.Clear();
        Click("ButtonSave");  // the save dialog is cancelled when the checks pass
        EXPECT_EQ(dialogs.Texts(), c.passes ? std::vector<std::string>{} : std::vector<std::string>{kConflict})
            << c.entry0 << "'" << c.prefix0 << "' " << c.entry1;
        EXPECT_EQ(dialogs.FileDialogs().size(), c.passes ? 1u : 0u);
    }
    Edit("EditProjectName")->clear();
    dialogs.Clear();
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_TRUE(dialogs.FileDialogs().empty());
}

// The three ways of attaching the header cards, through the form's Generate.
TEST_F(GlenmarchForm, GenerateAttachesTheHeaderCardsAsTheFormShowsThem)
{
    Open();
    // The default pair: GPIO_0 and GPIO_1, no prefix check.
    Pick(Combo(G0), kDefault);
    Pick(Combo(G1), kDefault);
    std::string qsf = Generate("pair");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to GPIO_0[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC22 -to GPIO_1[35]\r\n"), std::string::npos);

    // Each header under its own prefix.
    Prefix(G1)->setText("B_");
    qsf = Generate("prefixed");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to GPIO[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC22 -to B_GPIO[35]\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("GPIO_0["), std::string::npos);

    // The 80-pin card picked on GPIO-1: a prefix typed afterwards into GPIO-1 is saved but
    // the joined connector takes GPIO-0's.
    Prefix(G1)->setText("K_");
    Pick(Combo(G1), k80Pin);
    Prefix(G1)->setText("later_");
    qsf = Generate("joined");
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC18 -to K_ADC_OTR_A\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC22 -to K_DAC_MODE\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("later_"), std::string::npos);
    EXPECT_EQ(dialogs.Texts().size(), 3u);

    Click("ButtonExit");
    GLENMARCH_CONFIG saved = ReadRecord(DefaultCfg());
    EXPECT_EQ(saved.nGpioDaughterId[G0], DAUGHTER_Kobbet_GPIO);
    EXPECT_EQ(saved.nGpioDaughterId[G1], DAUGHTER_Kobbet_GPIO);
    EXPECT_STREQ(saved.szGpioPrefixName[G0], "K_");
    EXPECT_STREQ(saved.szGpioPrefixName[G1], "later_");
}

TEST_F(GlenmarchForm, GenerateReportsSuccessThenTheHpsBox)
{
    Open();
    Box("CheckBoxHPS")->click();
    EXPECT_TRUE(Shown("ShapeHPS"));
    const std::string folder = dir.Path() + "CodeGenerated/Glenmarch/Glenmarch/";
    dialogs.QueueFile(folder + "Glenmarch.qpf");
    Click("ButtonGen");
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, folder);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.proposedName, "Glenmarch.qpf");
    for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"})
        EXPECT_TRUE(platform::FileExists(folder + "Glenmarch" + ext)) << ext;
    ASSERT_EQ(dialogs.Boxes().size(), 2u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[0].text, kSuccess + folder);
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[1].text, kHpsBox);

    // A failure: the error box alone, no HPS box.
    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "no/such/folder/broken.qpf");
    Click("ButtonGen");
    ASSERT_FALSE(dialogs.Boxes().empty());
    EXPECT_EQ(dialogs.Boxes().back().caption, "Error");
    EXPECT_EQ(dialogs.Boxes().back().text, "Failed to generate Quartus project: broken.qpf.");
    for (const auto& box : dialogs.Boxes()) EXPECT_NE(box.text, kHpsBox);
}

// A 408-byte "default.cfg" of any board is shown as it stands; "Exit" writes the controls
// back as Glenmarch's, keeping the bytes no control shows.
TEST_F(GlenmarchForm, ForeignDefaultCfgIsShownAndExitWritesItBackAsGlenmarch)
{
    GLENMARCH_CONFIG foreign;
    std::memset(&foreign, 0, sizeof foreign);
    foreign.BoardId = MAINBOARD_Wistrell;
    foreign.Size = 999;
    foreign.Padding1[2] = 0xA1;
    std::strcpy(foreign.szProjectName, "Other");
    foreign.szProjectName[100] = 'z';  // after the terminating zero
    foreign.bSdram = 7;
    foreign.bHps = 1;
    foreign.nGpioDaughterId[G0] = DAUGHTER_Garvet;
    std::strcpy(foreign.szGpioPrefixName[G0], "G_");
    foreign.nGpioDaughterId[G1] = DAUGHTER_NONE;
    std::strcpy(foreign.szGpioPrefixName[G1], "hidden");
    foreign.Padding2 = 0xB2;
    WriteRecord(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "Other");
    EXPECT_TRUE(Box("CheckBoxSDRAM")->isChecked());
    EXPECT_TRUE(Box("CheckBoxHPS")->isChecked());
    EXPECT_FALSE(Box("CheckBoxLED")->isChecked());
    EXPECT_EQ(View(G0), (HeaderView{kGarvet, "G_", true}));
    EXPECT_EQ(View(G1), (HeaderView{kNone, "", true}));  // no card: its prefix is not shown

    Click("ButtonExit");
    EXPECT_FALSE(main->isVisible());
    GLENMARCH_CONFIG written = ReadRecord(DefaultCfg());
    GLENMARCH_CONFIG expected = foreign;
    expected.BoardId = MAINBOARD_Glenmarch;
    expected.Size = 408;
    expected.bSdram = 1;
    expected.szGpioPrefixName[G1][0] = 0;  // the empty box, written over the hidden prefix
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(GlenmarchForm, TextBoxesTakeAtMost127Characters)
{
    Open();
    for (const char* name : {"EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
}

TEST_F(GlenmarchForm, SaveAndLoadRoundTripThroughTheDialogs)
{
    Open();
    const std::string path = dir.Path() + "glenmarch.cfg";
    Edit("EditProjectName")->setText("blinky");
    Box("CheckBoxVGA")->click();
    Box("CheckBoxHPS")->click();
    Prefix(G1)->setText("K_");
    Pick(Combo(G1), k80Pin);
    dialogs.QueueFile(path);
    Click("ButtonSave");
    GLENMARCH_CONFIG saved = ReadRecord(path);
    EXPECT_EQ(saved.BoardId, MAINBOARD_Glenmarch);
    EXPECT_EQ(saved.Size, 408);
    EXPECT_STREQ(saved.szProjectName, "blinky");
    EXPECT_EQ(saved.bVga, 0);
    EXPECT_EQ(saved.bHps, 1);
    EXPECT_EQ(saved.nGpioDaughterId[G0], DAUGHTER_Kobbet_GPIO);
    EXPECT_EQ(saved.nGpioDaughterId[G1], DAUGHTER_Kobbet_GPIO);
    EXPECT_STREQ(saved.szGpioPrefixName[G0], "K_");
    EXPECT_STREQ(saved.szGpioPrefixName[G1], "K_");

    // Another board's form would show it the same way: start afresh and load it.
    Open();
    dialogs.QueueFile(path);
    Click("ButtonLoad");
    EXPECT_EQ(Text("EditProjectName"), "blinky");
    EXPECT_FALSE(Box("CheckBoxVGA")->isChecked());
    EXPECT_FALSE(Shown("ShapeVGA"));
    EXPECT_TRUE(Shown("ShapeHPS"));
    EXPECT_EQ(View(G0), (HeaderView{k80Pin, "K_", true}));
    EXPECT_EQ(View(G1), (HeaderView{k80Pin, "K_", false}));
    EXPECT_TRUE(dialogs.Texts().empty());

    // A file of another size changes nothing and says nothing.
    const std::string shortFile = dir.Path() + "short.cfg";
    std::ofstream(shortFile, std::ios::binary) << "too short";
    dialogs.QueueFile(shortFile);
    Click("ButtonLoad");
    EXPECT_EQ(Text("EditProjectName"), "blinky");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// This form leaves the board choice to the user: the selector opens, and Cancel keeps the form.
TEST_F(GlenmarchForm, ChangeMainBoardOpensTheSelector)
{
    Open();
    QWidget* before = main->BoardForm();
    Click("ButtonMainBoardSelect");
    WithModal(
        [](QWidget* modal) {
            auto* cancel = modal->findChild<QPushButton*>("ButtonCancel");
            ASSERT_NE(cancel, nullptr);
            EXPECT_TRUE(cancel->isEnabled());
            cancel->click();
        },
        [] { QCoreApplication::sendPostedEvents(); });
    EXPECT_EQ(main->BoardForm(), before);
    EXPECT_EQ(main->CurrentBoardId, MAINBOARD_Glenmarch);
}

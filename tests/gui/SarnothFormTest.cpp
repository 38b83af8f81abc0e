// The Sarnoth form where it differs from the board-form base: the oscillator lists that follow
// the SFP+ and SATA ports and remember the user's choice, the questions before Generate, the
// notes after it.
#include "FormFixture.h"
#include "boards/stratix5/UI_SARNOTH.h"

namespace {

using platform::BoxAnswer;
using Texts = std::vector<std::string>;

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kSfpQuestion =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61001 is not "
    "enalbed.\r\nDo you want to continued?";
const std::string kSataQuestion =
    "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not enabled.\r\nDo you "
    "want to continued?";

std::string TransceiverNote(const std::string& names)
{
    return "===== " + names +
           "  Transceiver Pinwright warning =====\r\nTo prevent any errors while compiling your Quartus project, "
           "either comment out the\r\ntransceiver signals in the top level entity if they are not in use or add the "
           "Altera \r\nTransceiver IP to your design.\r\n";
}

}  // namespace

class SarnothForm : public BoardFormFixture<TFormSarnoth, MAINBOARD_Sarnoth> {
protected:
    // Generate answering the questions in turn, the project file chosen; the boxes shown.
    Texts Generate(const std::string& name, std::initializer_list<BoxAnswer> answers = {})
    {
        dialogs.Clear();
        for (BoxAnswer a : answers) dialogs.QueueAnswer(a);
        dialogs.QueueFile(dir.Path() + name);
        Press("ButtonGen");
        return dialogs.Texts();
    }
    std::vector<bool> Enabled()
    {
        return {Combo("ComboBoxSi570")->isEnabled(), Combo("ComboBoxCdcm61001")->isEnabled(),
                Combo("ComboBoxCdcm61004")->isEnabled()};
    }
    Texts Shown3() { return {Current("ComboBoxSi570"), Current("ComboBoxCdcm61001"), Current("ComboBoxCdcm61004")}; }
};

TEST_F(SarnothForm, DefaultsAndLists)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt - Sarnoth V2.0.3");
    EXPECT_EQ(Text("EditProjectName"), "S5");
    EXPECT_EQ(Items(Combo("ComboBoxSi570")), (Texts{"Not Use", "100.00000", "125.00000", "156.25000", "250.00000",
                                                    "312.50000", "322.26500", "644.53125"}));
    const Texts pll = {"Unchanged", "Not Use", "62.50",  "75.00",  "100.00", "125.00", "150.00",
                       "156.25",    "187.50",  "200.00", "250.00", "312.50", "625.00"};
    EXPECT_EQ(Items(Combo("ComboBoxCdcm61001")), pll);
    EXPECT_EQ(Items(Combo("ComboBoxCdcm61004")), pll);
    EXPECT_EQ(Shown3(), (Texts{"Not Use", "Not Use", "Not Use"}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(Shown("ShapeSi570"));
    EXPECT_TRUE(Shown("ShapeCdcm61001"));
    EXPECT_TRUE(Shown("ShapeCdcm61004"));
    EXPECT_TRUE(Shown("ShapeBracketLED"));
    EXPECT_FALSE(Shown("ShapeSfp_A"));
    EXPECT_EQ(TabChain(form, Edit("EditProjectName")).at(1), "CheckBoxOSC");
}

// A list a ticked port needs gets the user's last choice back after the port was unticked.
TEST_F(SarnothForm, ListsRememberTheChoiceWhileTheirPortsAreOff)
{
    Open();
    Box("CheckBoxSfpA")->click();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Shown3(), (Texts{"Not Use", "Not Use", "Not Use"}));
    Pick(Combo("ComboBoxSi570"), 3);
    Pick(Combo("ComboBoxCdcm61001"), 0);
    Box("CheckBoxSfpA")->click();
    EXPECT_EQ(Shown3(), (Texts{"Not Use", "Not Use", "Not Use"}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    Box("CheckBoxSfpC")->click();
    EXPECT_EQ(Shown3(), (Texts{"156.25000", "Unchanged", "Not Use"}));
    Box("CheckBoxSata_2")->click();
    Pick(Combo("ComboBoxCdcm61004"), 4);
    EXPECT_EQ(Shown3(), (Texts{"156.25000", "Unchanged", "100.00"}));
    Box("CheckBoxSata_2")->click();
    Box("CheckBoxSata_0")->click();
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "100.00");

    // What Exit saves is what the lists show.
    Box("CheckBoxSfpC")->click();
    Press("ButtonExit");
    const SARNOTH_CONFIG saved = ReadRecordFile<SARNOTH_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nSi570, 0);
    EXPECT_EQ(saved.nCdcm61001, 1);
    EXPECT_EQ(saved.nCdcm61004, 4);
}

// A stored code outside its list shows as the list's "Not Use", and is saved as such.
TEST_F(SarnothForm, StoredCodeOutsideItsListIsNotUse)
{
    SARNOTH_CONFIG record;
    DefaultConfig(record);
    record.bSfpB = record.bSata_1 = 1;
    record.nSi570 = 9;
    record.nCdcm61001 = 13;
    record.nCdcm61004 = -1;
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Shown3(), (Texts{"Not Use", "Not Use", "Not Use"}));
    Press("ButtonExit");
    const SARNOTH_CONFIG saved = ReadRecordFile<SARNOTH_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nSi570, 0);
    EXPECT_EQ(saved.nCdcm61001, 1);
    EXPECT_EQ(saved.nCdcm61004, 1);
}

// The oscillator questions: each goes on only on Yes; "Not Use" asks nothing, "Unchanged" does.
TEST_F(SarnothForm, OscillatorQuestionsBeforeTheProjectDialog)
{
    struct Case {
        const char* label;
        const char* box1;
        const char* box2;
        int si570, cdcm61001, cdcm61004;
        std::initializer_list<BoxAnswer> answers;
        Texts boxes;  // the success box's folder added by the test
        bool generated;
    };
    const Case cases[] = {
        {"SFP+ with neither chip: asked, No ends it", "CheckBoxSfpA", nullptr, 0, 0, 1, {BoxAnswer::No},
         {kSfpQuestion}, false},
        {"SFP+ with neither chip: Yes goes on", "CheckBoxSfpA", nullptr, 0, 0, 1, {BoxAnswer::Yes},
         {kSfpQuestion, TransceiverNote("SFP+")}, true},
        {"SFP+ with the CDCM61001 Not Use: nothing asked", "CheckBoxSfpA", nullptr, 0, 1, 1, {},
         {TransceiverNote("SFP+")}, true},
        {"SFP+ with the Si570 only: nothing asked", "CheckBoxSfpD", nullptr, 2, 0, 1, {},
         {TransceiverNote("SFP+")}, true},
        {"SATA unchanged: asked", "CheckBoxSata_1", nullptr, 0, 1, 0, {BoxAnswer::No}, {kSataQuestion}, false},
        {"both asked in turn", "CheckBoxSfpB", "CheckBoxSata_3", 0, 0, 0, {BoxAnswer::Yes, BoxAnswer::Yes},
         {kSfpQuestion, kSataQuestion, TransceiverNote("SATA/SFP+")}, true},
        {"the SFP+ No asks no more", "CheckBoxSfpB", "CheckBoxSata_3", 0, 0, 0, {BoxAnswer::No}, {kSfpQuestion},
         false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        Box(c.box1)->click();
        if (c.box2) Box(c.box2)->click();
        Pick(Combo("ComboBoxSi570"), c.si570);
        Pick(Combo("ComboBoxCdcm61001"), c.cdcm61001);
        Pick(Combo("ComboBoxCdcm61004"), c.cdcm61004);
        const std::string name = "q" + std::to_string(n++) + ".qpf";
        Texts expected = c.boxes;
        if (c.generated) expected.push_back(kSuccess + dir.Path());
        EXPECT_EQ(Generate(name, c.answers), expected);
        EXPECT_EQ(dialogs.FileDialogs().size(), c.generated ? 1u : 0u);
    }
}

TEST_F(SarnothForm, NotesAfterGenerate)
{
    Open();
    EXPECT_EQ(Generate("plain.qpf"), Texts{kSuccess + dir.Path()});

    Box("CheckBoxDDR3_0")->click();
    Box("CheckBoxDDR3_1")->click();
    Box("CheckBoxQdrC")->click();
    Texts boxes = Generate("memories.qpf");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].substr(0, boxes[0].find("\r\n")), "===== DDR3-SDRAM/QDRII+ SRAM Pinwright warning =====");
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    const std::string qsf = tooltest::ReadFile(dir.Path() + "memories.qsf");
    EXPECT_NE(qsf.find("-to DDR3A_DQ[0]"), std::string::npos);
    EXPECT_NE(qsf.find("-to DDR3B_DQ[0]"), std::string::npos);

    Open();
    Box("CheckBoxPCIe")->click();
    Box("CheckBoxSfpB")->click();
    EXPECT_EQ(Generate("xcvr.qpf"), (Texts{TransceiverNote("PCIe/SFP+"), kSuccess + dir.Path()}));
}

TEST_F(SarnothForm, SettingsFiles)
{
    Open();
    dialogs.Clear();
    Press("ButtonLoad");  // cancelled
    EXPECT_EQ(dialogs.Texts(), Texts{"Failed to load setting"});

    for (std::size_t size : {175u, 177u}) {
        dialogs.Clear();
        const std::string path = dir.Write("odd.cfg", std::string(size, '\0'));
        dialogs.QueueFile(path);
        Press("ButtonLoad");
        EXPECT_EQ(dialogs.Texts(), Texts{"Failed to load setting"}) << size;
        EXPECT_EQ(Text("EditProjectName"), "S5");
    }

    SARNOTH_CONFIG foreign;
    DefaultConfig(foreign);
    foreign.BoardId = 5;
    foreign.bSfpA = 1;
    foreign.nSi570 = 7;
    std::strcpy(foreign.szProjectName, "Other");
    WriteRecordFile(dir.Path() + "foreign.cfg", foreign);
    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "foreign.cfg");
    Press("ButtonLoad");
    EXPECT_EQ(dialogs.Texts(), Texts{});
    EXPECT_EQ(Text("EditProjectName"), "Other");
    EXPECT_EQ(Current("ComboBoxSi570"), "644.53125");
    dialogs.QueueFile(dir.Path() + "saved.cfg");
    Press("ButtonSave");
    const SARNOTH_CONFIG saved = ReadRecordFile<SARNOTH_CONFIG>(dir.Path() + "saved.cfg");
    EXPECT_EQ(saved.BoardId, MAINBOARD_Sarnoth);
    EXPECT_EQ(saved.nSi570, 7);
}

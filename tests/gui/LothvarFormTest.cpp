// The Lothvar form where it differs from the board-form base: no "default.cfg", the boxes
// that keep nothing, the HSMC check that has the last word, "Failed to load setting", the
// refusal of the DDR2 socket, and the record byte no control shows.
#include "FormFixture.h"
#include "boards/early/UI_LOTHVAR.h"
#include "core/settings/RecordText.h"

namespace {

const std::vector<std::string> kCards =
    CardNames({0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61});
const std::string kHsmcConflict =
    "HSMC-A and HSMC-B cannot have the same prefix name when both connect to the same type of daughter boards.";

}  // namespace

class LothvarForm : public BoardFormFixture<TFormLothvar, MAINBOARD_Lothvar> {
protected:
    std::string Folder() const { return dir.Path() + "CodeGenerated/Lothvar/Lothvar/"; }
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Lothvar.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Lothvar.qsf") ? tooltest::ReadFile(Folder() + "Lothvar.qsf") : "";
    }
    // Saves through the dialog; the record written.
    LOTHVAR_CONFIG Saved()
    {
        dialogs.QueueFile(dir.Path() + "saved.cfg");
        Press("ButtonSave");
        return ReadRecordFile<LOTHVAR_CONFIG>(dir.Path() + "saved.cfg");
    }
};

// "default.cfg" is neither read nor written; the defaults show, the three boxes without a
// field change nothing stored.
TEST_F(LothvarForm, StartsFromItsDefaultsAndKeepsNoDefaultFile)
{
    LOTHVAR_CONFIG foreign;
    DefaultConfig(foreign);
    WriteRecordText(foreign.szProjectName, "other");
    WriteRecordFile(DefaultCfg(), foreign);
    Open();
    EXPECT_EQ(Text("EditProjectName"), "Lothvar");
    for (const char* box : {"CheckBoxOSC", "CheckBoxEthernet", "CheckBoxLED", "CheckBoxButton", "CheckBoxDIP",
                            "CheckBoxLCD"})
        EXPECT_TRUE(Box(box)->isChecked()) << box;
    for (const char* box : {"CheckBoxDDR2", "CheckBoxDDR3", "CheckBoxPciBus", "CheckBoxLED2", "CheckBoxProgOsc",
                            "CheckBoxPcie2"})
        EXPECT_FALSE(Box(box)->isChecked()) << box;
    for (const char* combo : {"ComboBoxPortA", "ComboBoxPortB"}) EXPECT_EQ(Items(Combo(combo)), kCards) << combo;

    const LOTHVAR_CONFIG before = Saved();
    EXPECT_EQ(before.BoardId, MAINBOARD_Lothvar);
    EXPECT_EQ(before.Size, 404);
    for (const char* inert : {"CheckBoxLED2", "CheckBoxProgOsc", "CheckBoxPcie2"}) Box(inert)->click();
    const LOTHVAR_CONFIG after = Saved();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    Box("CheckBoxDDR3")->click();
    EXPECT_EQ(Saved().bDDR3, 1);

    main.reset();
    EXPECT_EQ(ReadRecordFile<LOTHVAR_CONFIG>(DefaultCfg()).szProjectName, std::string("other"));
}

// Both checks run and the prefix check's message is the one shown; "None" on both ports and
// different prefixes pass.
TEST_F(LothvarForm, TheHsmcCheckHasTheLastWord)
{
    Open();
    struct Case {
        const char* name;
        int a, b;
        const char* prefixA;
        const char* prefixB;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"", 3, 3, "", "", {kHsmcConflict}},
        {"", 0, 0, "", "", {"Project Name cannot be empty."}},
        {"L", 3, 3, "P_", "P_", {kHsmcConflict}},
        {"L", 3, 3, "P_", "p_", {}},
        {"L", 3, 4, "P_", "P_", {}},
    };
    for (const Case& c : cases) {
        dialogs.Clear();
        Edit("EditProjectName")->setText(QString::fromLatin1(c.name));
        Pick(Combo("ComboBoxPortA"), c.a);
        Pick(Combo("ComboBoxPortB"), c.b);
        Edit("EditPrefixPortA")->setText(QString::fromLatin1(c.prefixA));
        Edit("EditPrefixPortB")->setText(QString::fromLatin1(c.prefixB));
        dialogs.QueueFile(std::nullopt);
        Press("ButtonGen");
        EXPECT_EQ(dialogs.Texts(), c.texts) << c.name << c.a << c.b << c.prefixB;
    }
}

// A cancelled or failed load says so and changes nothing; a 404-byte file with byte 136 set
// puts port B's clock and LEDs into the project, and Save keeps the byte. With the DDR2 socket
// ticked Generate refuses before the project dialog.
TEST_F(LothvarForm, LoadsPortBExtrasAndRefusesTheDdr2Socket)
{
    Open();
    dialogs.QueueFile(std::nullopt);
    Press("ButtonLoad");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to load setting"});

    LOTHVAR_CONFIG loaded;
    DefaultConfig(loaded);
    loaded.bPortBExtras = 1;
    loaded.nHsmcDaughterId[1] = DAUGHTER_HSMC_LOOPBACK;
    WriteRecordText(loaded.szHSMCPrefixName[1], "B_");
    WriteRecordFile(dir.Path() + "extras.cfg", loaded);
    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "extras.cfg");
    Press("ButtonLoad");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(Current("ComboBoxPortB"), BoardName(DAUGHTER_HSMC_LOOPBACK));
    EXPECT_TRUE(Shown("ImagePortB"));
    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    for (const char* part : {"PIN_N29 -to CLKIN_REF_Q3_P\r\n", "PIN_AE24 -to HSMB_TX_LED\r\n", "-to B_"})
        EXPECT_NE(qsf.find(part), std::string::npos) << part;
    EXPECT_EQ(Saved().bPortBExtras, 1);

    dialogs.Clear();
    Box("CheckBoxDDR2")->click();
    dialogs.QueueFile(Folder() + "Again.qpf");
    Press("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kLothvarDdr2Unknown});
    EXPECT_TRUE(dialogs.FileDialogs().empty());
    EXPECT_FALSE(platform::FileExists(Folder() + "Again.qpf"));
}

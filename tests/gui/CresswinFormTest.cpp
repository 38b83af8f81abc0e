// The Cresswin form where it differs from the board-form base: the oscillators kept while no
// interface needs them, the HSMC card list and its transceiver cards, the oscillator questions
// and the transceiver note.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cstring>

#include "FormFixture.h"
#include "boards/stratix5/UI_CRESSWIN.h"

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kSfpQuestion =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is not enalbed.\r\n"
    "Do you want to continued?";
const std::string kSataQuestion =
    "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not enabled.\r\n"
    "Do you want to continued?";

const std::vector<std::string> kSi570Items = {"Disable",   "100.00000", "125.00000", "156.25000",
                                              "250.00000", "312.50000", "322.26500", "644.53125"};
const std::vector<std::string> kCdcmItems = {"Disable", "62.50",  "75.00",  "100.00", "125.00", "150.00",
                                             "156.25",  "187.50", "200.00", "250.00", "312.50", "625.00"};

constexpr const char* kDefaultShapes[] = {"ShapeOSC",   "ShapeLED",  "ShapeRJ45LED", "ShapeBracketLED",
                                          "ShapeTemp",  "ShapeButton", "ShapeSwitch", "ShapeSSRAM",
                                          "ShapeFlash", "ShapeFan",  "ShapeRs422"};
constexpr const char* kHiddenShapes[] = {"ShapePCIe",  "ShapeSma",   "ShapeSata_0", "ShapeSata_1",
                                         "ShapeSfp_A", "ShapeSfp_B", "ShapeSfp_C",  "ShapeSfp_D",
                                         "ShapeCdcm61004", "ShapeSi570", "ShapeHSMC"};

std::string TransceiverNote(const std::string& words)
{
    return "===== " + words +
           "  Transceiver Pinwright warning =====\r\nTo prevent any errors while compiling your Quartus project, "
           "either comment out the\r\ntransceiver signals in the top level entity if they are not in use or add the "
           "Altera \r\nTransceiver IP to your design.\r\n";
}

}  // namespace

class CresswinForm : public BoardFormFixture<TFormCresswin, MAINBOARD_Cresswin> {
protected:
    std::vector<std::string> Generate(const std::string& file)
    {
        dialogs.Clear();
        dialogs.QueueFile(file);
        Press("ButtonGen");
        return dialogs.Texts();
    }
    // Generate up to the project dialog, which is cancelled.
    std::vector<std::string> Ask()
    {
        dialogs.Clear();
        Press("ButtonGen");
        return dialogs.Texts();
    }
    // The entry of a card in the HSMC list.
    int CardEntry(uint8_t card)
    {
        const std::vector<std::string> items = Items(Combo("ComboBoxHSMC_A"));
        auto at = std::find(items.begin(), items.end(), BoardName(card));
        EXPECT_NE(at, items.end()) << BoardName(card);
        return static_cast<int>(at - items.begin());
    }
    void PickCard(uint8_t card) { Pick(Combo("ComboBoxHSMC_A"), CardEntry(card)); }
    bool Enabled(const char* combo) { return Combo(combo)->isEnabled(); }
};

TEST_F(CresswinForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt - Cresswin V1.0.2");
    EXPECT_EQ(form->size(), QSize(830, 525));
    EXPECT_EQ(Text("EditProjectName"), "Cresswin");
    EXPECT_EQ(Items(Combo("ComboBoxSi570")), kSi570Items);
    EXPECT_EQ(Items(Combo("ComboBoxCdcm61004")), kCdcmItems);
    EXPECT_EQ(Combo("ComboBoxCdcm61004")->maxVisibleItems(), 12);
    for (const char* combo : {"ComboBoxSi570", "ComboBoxCdcm61004"}) {
        EXPECT_EQ(Current(combo), "Disable") << combo;
        EXPECT_FALSE(Enabled(combo)) << combo;
    }
    std::vector<std::string> cards;
    for (uint8_t card : CresswinHsmcCards()) cards.push_back(BoardName(card));
    EXPECT_EQ(Items(Combo("ComboBoxHSMC_A")), cards);
    EXPECT_EQ(Current("ComboBoxHSMC_A"), "None");
    EXPECT_EQ(Text("EditHSMC_A"), "");
    EXPECT_FALSE(Shown("ImageHSMC_A"));
    for (const char* shape : kDefaultShapes) EXPECT_TRUE(Shown(shape)) << shape;
    for (const char* shape : kHiddenShapes) EXPECT_FALSE(Shown(shape)) << shape;
    EXPECT_EQ(TabChain(form, Edit("EditProjectName")).front(), "EditProjectName");
    const std::vector<std::string> chain = TabChain(form, Edit("EditProjectName"));
    const std::vector<std::string> boxes(chain.begin() + 1, chain.begin() + 18);
    EXPECT_EQ(boxes, (std::vector<std::string>{"CheckBoxOSC", "CheckBoxSwitch", "CheckBoxLED", "CheckBoxButton",
                                               "CheckBoxSma", "CheckBoxTemp", "CheckBoxFan", "CheckBoxFlash",
                                               "CheckBoxSfpA", "CheckBoxSata_0", "CheckBoxSata_1", "CheckBoxPCIe",
                                               "CheckBoxRs422", "CheckBoxSfpC", "CheckBoxSfpD", "CheckBoxSfpB",
                                               "CheckBoxSSRAM"}));
}

// The CDCM61004 follows SATA, SFP+ and a transceiver card; the Si570 follows SFP+ alone. A
// pick survives while its chip is not needed.
TEST_F(CresswinForm, OscillatorsFollowTheInterfacesThatNeedThem)
{
    Open();
    PickCard(DAUGHTER_HSMC_DEFAULT_XCVR);
    EXPECT_TRUE(Enabled("ComboBoxCdcm61004"));
    EXPECT_FALSE(Enabled("ComboBoxSi570"));
    EXPECT_TRUE(Shown("ImageHSMC_A"));
    EXPECT_TRUE(Shown("ShapeHSMC"));
    Pick(Combo("ComboBoxCdcm61004"), 10);
    PickCard(DAUGHTER_NONE);
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "Disable");
    EXPECT_FALSE(Enabled("ComboBoxCdcm61004"));
    EXPECT_FALSE(Shown("ImageHSMC_A"));
    PickCard(DAUGHTER_HSMC_DEFAULT);  // no transceivers
    EXPECT_FALSE(Enabled("ComboBoxCdcm61004"));
    PickCard(DAUGHTER_HSMC_DEFAULT_XCVR);
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "312.50");

    Box("CheckBoxSfpC")->click();
    EXPECT_TRUE(Enabled("ComboBoxSi570"));
    Pick(Combo("ComboBoxSi570"), 3);
    Box("CheckBoxSfpC")->click();
    EXPECT_EQ(Current("ComboBoxSi570"), "Disable");
    EXPECT_TRUE(Enabled("ComboBoxCdcm61004"));  // the card still needs it
    Box("CheckBoxSata_1")->click();
    EXPECT_FALSE(Enabled("ComboBoxSi570"));
    Box("CheckBoxSfpC")->click();
    EXPECT_EQ(Current("ComboBoxSi570"), "156.25000");
}

// A combo pick leaves the outlines alone; the next click of a box shows the state before it.
TEST_F(CresswinForm, OscillatorOutlinesFollowTheNextBoxClick)
{
    Open();
    Box("CheckBoxSfpA")->click();
    Pick(Combo("ComboBoxSi570"), 2);
    EXPECT_FALSE(Shown("ShapeSi570"));
    Box("CheckBoxSma")->click();
    EXPECT_TRUE(Shown("ShapeSi570"));
    Box("CheckBoxSfpA")->click();  // the Si570 goes to "Disable" after the outlines were drawn
    EXPECT_TRUE(Shown("ShapeSi570"));
    Box("CheckBoxSma")->click();
    EXPECT_FALSE(Shown("ShapeSi570"));
}

TEST_F(CresswinForm, OscillatorQuestionsComeBeforeTheProjectDialog)
{
    Open();
    Box("CheckBoxSfpC")->click();
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    EXPECT_EQ(Ask(), std::vector<std::string>{kSfpQuestion});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // Answered Yes, the SATA question follows; No ends the request there.
    Box("CheckBoxSata_0")->click();
    dialogs.QueueAnswer(platform::BoxAnswer::Yes);
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    EXPECT_EQ(Ask(), (std::vector<std::string>{kSfpQuestion, kSataQuestion}));
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // The Si570 alone answers the SFP+ question; the SATA one still comes.
    Pick(Combo("ComboBoxSi570"), 1);
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    EXPECT_EQ(Ask(), std::vector<std::string>{kSataQuestion});

    // A transceiver card without the CDCM61004 asks nothing.
    Box("CheckBoxSfpC")->click();
    Box("CheckBoxSata_0")->click();
    PickCard(DAUGHTER_HSMC_DEFAULT_XCVR);
    EXPECT_TRUE(Ask().empty());
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
}

TEST_F(CresswinForm, LoadedRecordShowsWhatTheListsHold)
{
    CRESSWIN_CONFIG record;
    DefaultConfig(record);
    record.BoardId = 5;  // any board's file of this size is taken
    record.bSfpB = 1;
    record.nSi570 = 9;        // outside the list
    record.nCdcm61004 = 11;   // 625.00
    record.nHSMC_ADaughterId[0] = DAUGHTER_HSMC_DEFAULT;
    std::strcpy(record.szHSMC_APrefixName[0], "MY_");
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(Current("ComboBoxSi570"), "Disable");
    EXPECT_TRUE(Enabled("ComboBoxSi570"));
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "625.00");
    EXPECT_EQ(Current("ComboBoxHSMC_A"), BoardName(DAUGHTER_HSMC_DEFAULT));
    EXPECT_EQ(Text("EditHSMC_A"), "MY_");

    // A card the list does not offer leaves the card and prefix shown as they were.
    record.nHSMC_ADaughterId[0] = DAUGHTER_GPIO_DEFAULT;
    std::strcpy(record.szHSMC_APrefixName[0], "OTHER_");
    const std::string file = dir.Write("other.cfg", std::string(reinterpret_cast<const char*>(&record), sizeof record));
    dialogs.QueueFile(file);
    Press("ButtonLoad");
    EXPECT_EQ(Current("ComboBoxHSMC_A"), BoardName(DAUGHTER_HSMC_DEFAULT));
    EXPECT_EQ(Text("EditHSMC_A"), "MY_");

    // Save writes what the form shows, under its own id.
    const std::string saved = dir.Path() + "saved.cfg";
    dialogs.QueueFile(saved);
    Press("ButtonSave");
    const CRESSWIN_CONFIG back = ReadRecordFile<CRESSWIN_CONFIG>(saved);
    EXPECT_EQ(back.BoardId, MAINBOARD_Cresswin);
    EXPECT_EQ(back.Size, 296);
    EXPECT_EQ(back.nSi570, 0);
    EXPECT_EQ(back.nCdcm61004, 11);
    EXPECT_EQ(back.nHSMC_ADaughterId[0], DAUGHTER_HSMC_DEFAULT);
    EXPECT_STREQ(back.szHSMC_APrefixName[0], "MY_");

    // Cancel in the load dialog is a failed load.
    dialogs.Clear();
    Press("ButtonLoad");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to load setting"});
}


// The note names the transceiver interfaces in their order, before the success box; a generic
// card's pins take "HSMC_" for an empty prefix in the project only.
TEST_F(CresswinForm, GenerateNotesTheTransceiversAndNamesGenericCards)
{
    Open();
    EXPECT_EQ(Generate(dir.Path() + "plain.qpf"), std::vector<std::string>{kSuccess + dir.Path()});

    PickCard(DAUGHTER_HSMC_DEFAULT_XCVR);
    Pick(Combo("ComboBoxCdcm61004"), 2);
    Box("CheckBoxPCIe")->click();
    EXPECT_EQ(Generate(dir.Path() + "xcvr.qpf"),
              (std::vector<std::string>{TransceiverNote("PCIe/HSMC-Transceiver"), kSuccess + dir.Path()}));
    const std::string v = tooltest::ReadFile(dir.Path() + "xcvr.v");
    EXPECT_NE(v.find("HSMC_"), std::string::npos);
    EXPECT_NE(v.find("HSMC_REFCLK_p"), std::string::npos);
    EXPECT_NE(v.find("CDCM6100x_Config CDCM61004_Config_inst("), std::string::npos);
    EXPECT_EQ(Text("EditHSMC_A"), "");

    Box("CheckBoxSata_1")->click();
    Box("CheckBoxSfpD")->click();
    Edit("EditHSMC_A")->setText("CARD_");
    EXPECT_EQ(Generate(dir.Path() + "full.qpf"),
              (std::vector<std::string>{TransceiverNote("SATA/PCIe/SFP+/HSMC-Transceiver"), kSuccess + dir.Path()}));
    const std::string qsf = tooltest::ReadFile(dir.Path() + "full.qsf");
    EXPECT_NE(qsf.find("-to CARD_"), std::string::npos);
    EXPECT_EQ(qsf.find("-to HSMC_"), std::string::npos);
    EXPECT_EQ(qsf.find("HSMC_REFCLK_p"), std::string::npos);  // AB6 is SFP1G_REFCLK_p's

    Press("ButtonExit");
    const CRESSWIN_CONFIG saved = ReadRecordFile<CRESSWIN_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nCdcm61004, 2);
    EXPECT_STREQ(saved.szHSMC_APrefixName[0], "CARD_");
}

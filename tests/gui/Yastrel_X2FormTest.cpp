// The Yastrel_X2 form where it differs from the board-form base: one node shown at a time
// with its own block of the record, the node combo, the HSMC check over four connectors, the
// project of the node shown, and its size with a dialog border.
#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_YASTREL_X2.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kHsmcCombos[] = {"ComboBoxHSMC_A", "ComboBoxHSMC_B", "ComboBoxHSMC_C", "ComboBoxHSMC_D"};

}  // namespace

class Yastrel_X2Form : public BoardFormFixture<TFormYastrel_X2, MAINBOARD_Yastrel_X2> {
protected:
    std::string Folder(const std::string& name) const { return dir.Path() + "CodeGenerated/Yastrel_X2/" + name + "/"; }
    // Generate under the node's project name; the .qsf written, or empty.
    std::string Generate()
    {
        const std::string name = Text("EditProjectName");
        dialogs.QueueFile(Folder(name) + name + ".qpf");
        Press("ButtonGen");
        const std::string qsf = Folder(name) + name + ".qsf";
        return platform::FileExists(qsf) ? tooltest::ReadFile(qsf) : "";
    }
};

// The main window takes the form's outer size; node 0 shows first, and the other node has
// its own name with the same ticks.
TEST_F(Yastrel_X2Form, FirstStartShowsNodeZero)
{
    Open();
    const QSize outer(789 + 2 * TBoardForm::kDialogFrame, 723 + TBoardForm::kDialogCaption + 2 * TBoardForm::kDialogFrame);
    EXPECT_EQ(form->size(), outer);
    EXPECT_EQ(main->size(), outer);
    EXPECT_EQ(Items(Combo("ComboBoxBoard")), std::vector<std::string>{"Yastrel 230x2"});
    EXPECT_EQ(Items(Combo("ComboBoxFPGA")), (std::vector<std::string>{"FPAG 1", "FPAG 2"}));
    const auto cards = CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61});
    for (const char* combo : kHsmcCombos) EXPECT_EQ(Items(Combo(combo)), cards) << combo;
    EXPECT_EQ(Text("EditProjectName"), "F1_Yastrel");
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Box("CheckBoxPCIe")->isChecked());
    EXPECT_EQ(form->CurrentNode(), 0);

    Pick(Combo("ComboBoxFPGA"), 1);
    EXPECT_EQ(form->CurrentNode(), 1);
    EXPECT_EQ(Text("EditProjectName"), "F2_Yastrel");
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Box("CheckBoxPCIe")->isChecked());
    // Every HSMC combo refreshes its outline at once.
    Pick(Combo("ComboBoxHSMC_D"), 2);
    EXPECT_TRUE(Shown("ShapeHSMC_D"));
    EXPECT_TRUE(Shown("ImageHSMC_D"));
}

// Each node keeps its own block; picking the node already shown changes nothing.
TEST_F(Yastrel_X2Form, NodesKeepTheirOwnBlocks)
{
    Open();
    Box("CheckBoxPCIe")->click();
    EXPECT_TRUE(Shown("ShapePCIe"));
    Pick(Combo("ComboBoxFPGA"), 1);
    EXPECT_FALSE(Box("CheckBoxPCIe")->isChecked());
    EXPECT_FALSE(Shown("ShapePCIe"));
    Box("CheckBoxLED")->click();
    Edit("EditProjectName")->setText("Second");
    Pick(Combo("ComboBoxFPGA"), 1);  // the node shown again: nothing switches
    EXPECT_EQ(Text("EditProjectName"), "Second");
    EXPECT_FALSE(Box("CheckBoxLED")->isChecked());

    Pick(Combo("ComboBoxFPGA"), 0);
    EXPECT_TRUE(Box("CheckBoxPCIe")->isChecked());
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    EXPECT_EQ(Text("EditProjectName"), "F1_Yastrel");
    Pick(Combo("ComboBoxFPGA"), 1);
    EXPECT_FALSE(Box("CheckBoxLED")->isChecked());
    EXPECT_EQ(Text("EditProjectName"), "Second");

    // Both blocks go to "default.cfg"; a new form starts on node 0.
    main.reset();
    const auto record = ReadRecordFile<YASTREL_X2_CONFIG>(DefaultCfg());
    EXPECT_EQ(record.F[0].bPCIe, 1);
    EXPECT_EQ(record.F[1].bLED, 0);
    EXPECT_STREQ(record.F[1].szProjectName, "Second");
    Open();
    EXPECT_EQ(form->CurrentNode(), 0);
    EXPECT_EQ(Current("ComboBoxFPGA"), "FPAG 1");
    EXPECT_TRUE(Box("CheckBoxPCIe")->isChecked());
}

// Generate writes the project of the node shown, in the folder of its name, with its cards;
// an empty prefix stays empty, the DDR2 module takes "mem_", and no box follows success.
TEST_F(Yastrel_X2Form, GenerateTheNodeShown)
{
    Open();
    Pick(Combo("ComboBoxHSMC_A"), 1);
    Edit("EditHSMC_A")->setText("N0_");
    Pick(Combo("ComboBoxFPGA"), 1);
    Pick(Combo("ComboBoxHSMC_B"), 1);
    Box("CheckBoxDDR2")->click();
    const std::string qsf = Generate();
    ASSERT_NE(qsf, "");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC5 -to CLKIN0\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("N0_"), std::string::npos);
    EXPECT_NE(qsf.find("-to mem_"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(Folder("F1_Yastrel")));
}

// The same card on two of the four connectors with equal prefixes stops Save and Generate
// with the connectors' letters; different cards under equal prefixes pass.
TEST_F(Yastrel_X2Form, HsmcPrefixCheckOverFourConnectors)
{
    Open();
    Pick(Combo("ComboBoxHSMC_A"), 2);
    Pick(Combo("ComboBoxHSMC_C"), 2);
    Edit("EditHSMC_A")->setText("P_");
    Edit("EditHSMC_C")->setText("P_");
    EXPECT_EQ(Generate(), "");
    dialogs.QueueFile(dir.Path() + "never.cfg");
    Press("ButtonSave");
    const std::string same = "HSMC-A and HSMC-C cannot have the same prefix name when both connect to the same "
                             "type of daughter boards.";
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{same, same}));

    dialogs.Clear();
    Pick(Combo("ComboBoxHSMC_C"), 3);
    EXPECT_NE(Generate(), "");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// "Load Setting" replaces both blocks and shows the node shown; loading nothing says so.
TEST_F(Yastrel_X2Form, LoadShowsTheNodeShown)
{
    Open();
    Pick(Combo("ComboBoxFPGA"), 1);
    dialogs.QueueFile(std::nullopt);
    Press("ButtonLoad");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to load setting"});

    YASTREL_X2_CONFIG record;
    DefaultConfig(record);
    WriteRecordText(record.F[1].szProjectName, "Loaded2");
    record.F[1].bFpgaBridge = 1;
    record.F[1].nHsmcDaughterId[3] = DAUGHTER_HSMC_LOOPBACK;
    WriteRecordText(record.F[1].szHSMCPrefixName[3], "L_");
    const std::string file = dir.Path() + "loaded.cfg";
    WriteRecordFile(file, record);
    dialogs.Clear();
    dialogs.QueueFile(file);
    Press("ButtonLoad");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(Current("ComboBoxFPGA"), "FPAG 2");
    EXPECT_EQ(Text("EditProjectName"), "Loaded2");
    EXPECT_TRUE(Box("CheckBoxFpgaBridge")->isChecked());
    EXPECT_TRUE(Shown("ShapeFPGABridge"));
    EXPECT_EQ(Current("ComboBoxHSMC_D"), BoardName(DAUGHTER_HSMC_LOOPBACK));
    EXPECT_EQ(Text("EditHSMC_D"), "L_");
}

// The Dravelle form where it differs from Nobrecht's: no board type, the DDR4 list and
// sockets, the TPS40428 group without a box, and Nobrecht's folder and files.
#include "FormFixture.h"
#include "boards/arria10/ConfigNobrecht.h"
#include "boards/arria10/UI_DRAVELLE.h"
#include "core/model/MainBoard.h"

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

}  // namespace

class DravelleForm : public BoardFormFixture<TFormDravelle, MAINBOARD_Dravelle> {
protected:
    std::vector<std::string> Generate()
    {
        dialogs.Clear();
        dialogs.QueueFile(dir.Path() + "NOBRECHT.qpf");
        Press("ButtonGen");
        return dialogs.Texts();
    }
    bool InQsf(const std::string& text) { return tooltest::ReadFile(dir.Path() + "NOBRECHT.qsf").find(text) != std::string::npos; }
};

TEST_F(DravelleForm, DefaultsListsAndTheBoxWithoutAControl)
{
    Open();
    EXPECT_EQ(form->findChild<QComboBox*>("ComboBoxBoard"), nullptr);
    EXPECT_FALSE(Box("CheckBoxRs422")->isChecked());
    EXPECT_EQ(Items(Combo("ComboBoxDi5340B_DDR4")), (std::vector<std::string>{"Not Use", "150.00000", "200.00000",
                                                                               "233.33300", "266.66700", "300.00000"}));
    EXPECT_TRUE(Shown("ShapeTemp"));
    Box("CheckBoxTemp")->click();
    EXPECT_FALSE(Shown("ShapeTemp"));

    EXPECT_EQ(Generate(), std::vector<std::string>{kSuccess + dir.Path()});
    EXPECT_TRUE(InQsf("-to TPS40428_CLK"));
    // The project dialog opens in Nobrecht's folder.
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_NE(dialogs.FileDialogs()[0].options.folder.find("CodeGenerated/Nobrecht/NOBRECHT/"), std::string::npos)
        << dialogs.FileDialogs()[0].options.folder;

    Box("CheckBoxDDR4_0")->click();
    EXPECT_TRUE(Shown("ShapeDDR4_0") && Shown("ShapeSi5340B"));
    dialogs.QueueAnswer(platform::BoxAnswer::Yes);
    const std::vector<std::string> boxes = Generate();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], "DDR4 interface is enabled, but the associated programmable oscillator SI5338B is not "
                        "enabled.\r\nDo you want to continued?");
    EXPECT_EQ(boxes[1].rfind("===== DDR4-SDRAM Pinwright warning =====\r\n", 0), 0u) << boxes[1];
    EXPECT_TRUE(InQsf("-to DDR4A_DQ[0]"));
}

TEST_F(DravelleForm, SelectAllTakesTheLastEntries)
{
    Open();
    Press("ButtonButtonDefaultAllSetting");
    EXPECT_TRUE(Box("CheckBoxRs422")->isChecked());
    EXPECT_EQ(Current("ComboBoxDi5340A_B"), "644.53125");
    EXPECT_EQ(Current("ComboBoxDi5340B_DDR4"), "300.00000");
    EXPECT_EQ(Current("ComboBoxDi5340B_QDRII"), "275.00000");
    EXPECT_EQ(Current("ComboBoxDi5340B_PCIE"), "100.00000");
    const std::vector<std::string> boxes = Generate();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], kSuccess + dir.Path());
    EXPECT_TRUE(InQsf("-to DDR4B_DQ[63]"));
    EXPECT_FALSE(InQsf("-to DDR4B_DQ[64]"));
    EXPECT_TRUE(InQsf("si5340_controller/si5340b_controller.v"));
}

TEST_F(DravelleForm, NobrechtFileKeepsItsBoardTypeAndDecidesTheTps40428Group)
{
    NOBRECHT_CONFIG nobrecht = TConfigNobrecht::DefaultConfig();
    nobrecht.BoardVariant = 2;
    nobrecht.bRs422 = 0;  // lands on bTPS40428
    WriteRecordFile(DefaultCfg(), nobrecht);
    Open();
    EXPECT_FALSE(Box("CheckBoxRs422")->isChecked());
    Generate();
    EXPECT_FALSE(InQsf("TPS40428_CLK"));
    Press("ButtonExit");
    const DRAVELLE_CONFIG saved = ReadRecordFile<DRAVELLE_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.BoardId, 28);
    EXPECT_EQ(saved.BoardVariant, 2);
    EXPECT_EQ(saved.bTPS40428, 0);

    Open();
    Press("ButtonDefaultSetting");
    Generate();
    EXPECT_TRUE(InQsf("TPS40428_CLK"));
}

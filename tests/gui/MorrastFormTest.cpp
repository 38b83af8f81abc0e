// The Morrast form where it differs from the board-form base: both oscillators follow the SFP+
// ports alone and their outlines follow a pick at once, one oscillator question, and the
// memory and transceiver notes.
#include <QComboBox>
#include <QLineEdit>
#include <cstring>

#include "FormFixture.h"
#include "boards/stratix5/UI_MORRAST.h"

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kSfpQuestion =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is not enalbed.\r\n"
    "Do you want to continued?";

}  // namespace

class MorrastForm : public BoardFormFixture<TFormMorrast, MAINBOARD_Morrast> {
protected:
    std::vector<std::string> Generate(const std::string& file)
    {
        dialogs.Clear();
        dialogs.QueueFile(file);
        Press("ButtonGen");
        return dialogs.Texts();
    }
    bool Enabled(const char* combo) { return Combo(combo)->isEnabled(); }
};

TEST_F(MorrastForm, OscillatorsServeTheSfpPortsAlone)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt - Morrast V1.1.0");
    EXPECT_EQ(form->size(), QSize(834, 452));
    EXPECT_EQ(Text("EditProjectName"), "Morrast");
    EXPECT_EQ(Combo("ComboBoxSi570")->count(), 8);
    EXPECT_EQ(Combo("ComboBoxCdcm61004")->count(), 12);
    for (const char* combo : {"ComboBoxSi570", "ComboBoxCdcm61004"}) {
        EXPECT_EQ(Current(combo), "Disable") << combo;
        EXPECT_FALSE(Enabled(combo)) << combo;
    }
    EXPECT_FALSE(Shown("ShapeSi570"));
    EXPECT_FALSE(Shown("ShapeCdcm61004"));
    EXPECT_TRUE(Shown("ShapeLED"));
    EXPECT_FALSE(Shown("ShapeDDR3_0"));

    Box("CheckBoxSata")->click();
    EXPECT_FALSE(Enabled("ComboBoxCdcm61004"));
    EXPECT_TRUE(Shown("ShapeSata"));

    Box("CheckBoxSfpB")->click();
    EXPECT_TRUE(Enabled("ComboBoxSi570"));
    EXPECT_TRUE(Enabled("ComboBoxCdcm61004"));
    Pick(Combo("ComboBoxSi570"), 3);
    EXPECT_TRUE(Shown("ShapeSi570"));  // at once on this form
    Pick(Combo("ComboBoxCdcm61004"), 6);
    EXPECT_TRUE(Shown("ShapeCdcm61004"));
    Box("CheckBoxSfpB")->click();
    EXPECT_EQ(Current("ComboBoxSi570"), "Disable");
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "Disable");
    Box("CheckBoxSfpA")->click();
    EXPECT_EQ(Current("ComboBoxSi570"), "156.25000");
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "156.25");

    const std::vector<std::string> chain = TabChain(form, Edit("EditProjectName"));
    const std::vector<std::string> boxes(chain.begin(), chain.begin() + 19);
    EXPECT_EQ(boxes, (std::vector<std::string>{"EditProjectName", "CheckBoxOSC", "CheckBoxSwitch", "CheckBoxLED",
                                               "CheckBoxButton", "CheckBoxTemp", "CheckBoxFan", "CheckBoxDDR3_0",
                                               "CheckBoxDDR3_1", "CheckBoxFlash", "CheckBoxSfpA", "CheckBoxPCIe",
                                               "CheckBoxRs422", "CheckBoxSfpB", "CheckBoxQdrA", "CheckBoxQdrC",
                                               "CheckBoxQdrD", "CheckBoxQdrB", "CheckBoxSata"}));
}

TEST_F(MorrastForm, SfpQuestionOnlyWithoutEitherOscillator)
{
    Open();
    Box("CheckBoxSata")->click();
    dialogs.Clear();
    Press("ButtonGen");  // no question: the project dialog, cancelled
    EXPECT_TRUE(dialogs.Texts().empty());
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);

    Box("CheckBoxSfpA")->click();
    dialogs.Clear();
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    Press("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSfpQuestion});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    Pick(Combo("ComboBoxCdcm61004"), 1);
    dialogs.Clear();
    Press("ButtonGen");
    EXPECT_TRUE(dialogs.Texts().empty());
}

TEST_F(MorrastForm, LoadedRecordKeepsTheOscillatorsForTheSfpPorts)
{
    MORRAST_CONFIG record;
    DefaultConfig(record);
    record.nSi570 = 4;
    record.nCdcm61004 = 40;  // outside the list
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(Current("ComboBoxSi570"), "Disable");  // no SFP+ port
    Box("CheckBoxSfpA")->click();
    EXPECT_EQ(Current("ComboBoxSi570"), "250.00000");
    EXPECT_EQ(Current("ComboBoxCdcm61004"), "Disable");
    Press("ButtonExit");
    const MORRAST_CONFIG saved = ReadRecordFile<MORRAST_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.BoardId, MAINBOARD_Morrast);
    EXPECT_EQ(saved.Size, 164);
    EXPECT_EQ(saved.bSfpA, 1);
    EXPECT_EQ(saved.nSi570, 4);
    EXPECT_EQ(saved.nCdcm61004, 0);
}

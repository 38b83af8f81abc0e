// The Gorvath form where it differs from the board-form base: its controls and defaults (the
// LCD left out), its two lists, "Default Setting", and "HSMC Default" named in the project only.
#include <QLabel>

#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_GORVATH.h"

namespace {

constexpr const char* kGroupBoxes[] = {
    "CheckBoxOSC",   "CheckBoxLED",   "CheckBoxSeg7",  "CheckBoxButton", "CheckBoxSwitch", "CheckBoxEEPROM",
    "CheckBoxPS2",   "CheckBoxSDCARD", "CheckBoxVGA",  "CheckBoxSDRAM",  "CheckBoxFlash",  "CheckBoxRS232",
    "CheckBoxSRAM",  "CheckBoxSma",   "CheckBoxAudio", "CheckBoxEthernet", "CheckBoxLCD"};

const std::vector<std::string> kGpioCards = CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74});
const std::vector<std::string> kHsmcCards =
    CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61});

}  // namespace

class GorvathForm : public BoardFormFixture<TFormGorvath, MAINBOARD_Gorvath> {};

// The defaults, and "Default Setting" bringing them back without touching "default.cfg".
TEST_F(GorvathForm, DefaultSettingBringsBackTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Gorvath Pinwright V1.0.0a");
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Gorvath FPGA Board");
    EXPECT_EQ(Items(Combo("ComboBoxGpio")), kGpioCards);
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kHsmcCards);
    for (const char* box : kGroupBoxes) EXPECT_EQ(Box(box)->isChecked(), std::string(box) != "CheckBoxLCD") << box;
    EXPECT_FALSE(Shown("ShapeLCD"));

    Edit("EditProjectName")->setText("other");
    Box("CheckBoxLCD")->click();
    Box("CheckBoxVGA")->click();
    Pick(Combo("ComboBoxGpio"), 2);
    Edit("EditPrefixGpio")->setText("G_");
    Pick(Combo("ComboBoxHSMC"), 1);
    EXPECT_TRUE(Shown("ShapeLCD"));
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_TRUE(Shown("ImageHSMC"));
    Press("ButtonDefaultSetting");
    EXPECT_EQ(Text("EditProjectName"), "Gorvath");
    EXPECT_FALSE(Box("CheckBoxLCD")->isChecked());
    EXPECT_TRUE(Box("CheckBoxVGA")->isChecked());
    EXPECT_FALSE(Shown("ShapeLCD"));
    EXPECT_EQ(Current("ComboBoxGpio"), "None");
    EXPECT_EQ(Current("ComboBoxHSMC"), "None");
    EXPECT_EQ(Text("EditPrefixGpio"), "");
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageHSMC"));
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// "HSMC Default" without a prefix gets "HSMC_" in the project; the record keeps it empty. The
// success box is the only box.
TEST_F(GorvathForm, HsmcDefaultWithoutPrefixIsNamedHsmcInTheProjectOnly)
{
    Open();
    Pick(Combo("ComboBoxHSMC"), 1);
    ASSERT_EQ(Current("ComboBoxHSMC"), BoardName(DAUGHTER_HSMC_DEFAULT));
    const std::string folder = dir.Path() + "CodeGenerated/Gorvath/Gorvath/";
    dialogs.QueueFile(folder + "Gorvath.qpf");
    Press("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Generate Quartus Project successfully.\r\nThe project is "
                                                        "located in the folder:\r\n" + folder});
    const std::string qsf = tooltest::ReadFile(folder + "Gorvath.qsf");
    EXPECT_NE(qsf.find("-to HSMC_"), std::string::npos);
    EXPECT_EQ(Text("EditPrefixHSMC"), "");
    Press("ButtonExit");
    const GORVATH_CONFIG saved = ReadRecordFile<GORVATH_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nHsmcDaughterId, DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(saved.szHSMCPrefixName[0], 0);
}

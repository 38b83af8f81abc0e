// The Kavrin form where it differs from the board-form base: the two voltage choices, the HSMC
// list of each voltage, the generic GPIO card away from 3.3 V and its prefix, and the jumper
// warning after success.
#include <QLabel>
#include <climits>

#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_KAVRIN.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kGpioShunts[] = {"ShapeGpio3V3", "ShapeGpio2V5", "ShapeGpio1V8", "ShapeGpio1V5"};
constexpr const char* kHsmcShunts[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

const std::vector<std::string> kGpioCards = CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74});
// The HSMC lists of the voltage entries 0 to 3.
const std::vector<std::string> kHsmcCards[] = {
    CardNames({0, 17, 57, 58, 59}),
    CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}),
    CardNames({0, 17}),
    CardNames({0, 17}),
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kDamage =
    "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";
const std::string kGpioWarning = "You have changed the default voltage level of GPIO expansion header. \nPlease "
                                 "remember to change the shunt position on JP6 accordingly." + kDamage;
const std::string kHsmcWarning = "You have changed the default voltage level of HSMC interface. \nPlease remember to "
                                 "change the shunt position on JP7 accordingly." + kDamage;
const std::string kBothWarning = "You have changed the default voltage level of GPIO and HSMC interface. \nPlease "
                                 "remember to change the shunt position on JP6 and JP7 accordingly." + kDamage;

}  // namespace

class KavrinForm : public BoardFormFixture<TFormKavrin, MAINBOARD_Kavrin> {
protected:
    void ExpectShunts(int gpio, int hsmc)
    {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(kGpioShunts[i]), i == gpio) << kGpioShunts[i];
            EXPECT_EQ(Shown(kHsmcShunts[i]), i == hsmc) << kHsmcShunts[i];
        }
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

TEST_F(KavrinForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Kavrin Pinwright V 2.0.1");
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Kavrin FPGA Board");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Kavrin");
    EXPECT_EQ(Items(Combo("ComboBoxGpioVol")), (std::vector<std::string>{"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Items(Combo("ComboBoxHsmcVol")), (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Items(Combo("ComboBoxGpio")), kGpioCards);
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kHsmcCards[1]);
    EXPECT_TRUE(Combo("ComboBoxGpio")->isEnabled());
    ExpectShunts(0, 1);
    Box("CheckBoxLED")->click();
    EXPECT_FALSE(Shown("ShapeLEDR"));
    EXPECT_FALSE(Shown("ShapeLEDG"));
    for (const char* name : {"EditPrefixGpio", "EditPrefixHSMC"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A GPIO voltage other than 3.3 V locks the card combo on "None" and comes back to the card
// picked before; either voltage sends the HSMC combo to "None" in its own list.
TEST_F(KavrinForm, VoltagesDriveTheCardCombos)
{
    Open();
    Pick(Combo("ComboBoxGpio"), 3);
    Pick(Combo("ComboBoxHSMC"), 1);
    ASSERT_TRUE(Shown("ShapeGpio"));
    Pick(Combo("ComboBoxGpioVol"), 2);
    EXPECT_FALSE(Combo("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(Current("ComboBoxGpio"), "None");
    EXPECT_FALSE(Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ImageGpio"));
    EXPECT_EQ(Current("ComboBoxHSMC"), "None");
    ExpectShunts(2, 1);
    for (int voltage : {0, 2, 3, 1}) {
        Pick(Combo("ComboBoxHSMC"), 1);
        Pick(Combo("ComboBoxHsmcVol"), voltage);
        EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kHsmcCards[voltage]) << voltage;
        EXPECT_EQ(Current("ComboBoxHSMC"), "None");
        EXPECT_FALSE(Shown("ShapeHSMC"));
        ExpectShunts(2, voltage);
    }
    Pick(Combo("ComboBoxGpioVol"), 0);
    EXPECT_TRUE(Combo("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(Current("ComboBoxGpio"), kGpioCards[3]);
    EXPECT_TRUE(Shown("ShapeGpio"));
    EXPECT_TRUE(Shown("ImageGpio"));
}

// Generate at GPIO 1.8 V: the generic 1.8 V card under the typed prefix, the warning naming
// JP6 after the success box; the record keeps the prefix without a card, and the form shows
// it again after a restart.
TEST_F(KavrinForm, GenericGpioCardKeepsItsPrefix)
{
    Open();
    Pick(Combo("ComboBoxGpioVol"), 2);
    Edit("EditPrefixGpio")->setText("LOW_");
    const std::string folder = dir.Path() + "CodeGenerated/Kavrin/Kavrin/";
    EXPECT_EQ(Generate(folder + "Kavrin.qpf"), (std::vector<std::string>{kSuccess + folder, kGpioWarning}));
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Warning");
    const std::string qsf = tooltest::ReadFile(folder + "Kavrin.qsf");
    EXPECT_NE(qsf.find("-to LOW_"), std::string::npos);
    EXPECT_NE(qsf.find("IO_STANDARD \"1.8 V\" -to LOW_"), std::string::npos);

    Press("ButtonExit");
    KAVRIN_CONFIG saved = ReadRecordFile<KAVRIN_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nGpioVoltage, 2);
    EXPECT_EQ(saved.nGpioDaughterId, 0);
    EXPECT_STREQ(saved.szGpioPrefixName, "LOW_");
    Open();
    EXPECT_EQ(Current("ComboBoxGpioVol"), "1.8 V");
    EXPECT_EQ(Text("EditPrefixGpio"), "LOW_");
    EXPECT_FALSE(Combo("ComboBoxGpio")->isEnabled());
}

TEST_F(KavrinForm, WarningNamesTheJumpersChanged)
{
    Open();
    struct Case { int gpio, hsmc; std::vector<std::string> warnings; };
    const Case cases[] = {{1, 0, {kBothWarning}}, {0, 3, {kHsmcWarning}}, {0, 1, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gpio) + "/" + std::to_string(c.hsmc));
        Pick(Combo("ComboBoxGpioVol"), c.gpio);
        Pick(Combo("ComboBoxHsmcVol"), c.hsmc);
        const std::vector<std::string> texts = Generate(dir.Path() + "w.qpf");
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0], kSuccess + dir.Path());
        EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()), c.warnings);
    }
}

// A saved HSMC card at 3.3 V comes back with its list; voltages outside the lists, as a
// hand-made file may hold, are shown, saved and generated as the defaults.
TEST_F(KavrinForm, LoadedRecordsShowTheirVoltagesOrTheDefaults)
{
    Open();
    Pick(Combo("ComboBoxHsmcVol"), 0);
    Pick(Combo("ComboBoxHSMC"), 2);
    Edit("EditPrefixHSMC")->setText("Q_");
    const std::string file = dir.Path() + "k.cfg";
    dialogs.QueueFile(file);
    Press("ButtonSave");
    Pick(Combo("ComboBoxHsmcVol"), 1);
    dialogs.QueueFile(file);
    Press("ButtonLoad");
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "3.3 V");
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kHsmcCards[0]);
    EXPECT_EQ(Current("ComboBoxHSMC"), kHsmcCards[0][2]);
    EXPECT_EQ(Text("EditPrefixHSMC"), "Q_");
    ExpectShunts(0, 0);

    KAVRIN_CONFIG odd = ReadRecordFile<KAVRIN_CONFIG>(file);
    odd.nGpioVoltage = INT_MIN;
    odd.nHsmcVoltage = 4;
    odd.nHsmcDaughterId = DAUGHTER_HSMC_DEFAULT;
    WriteRecordFile(file, odd);
    dialogs.QueueFile(file);
    Press("ButtonLoad");
    EXPECT_EQ(Current("ComboBoxGpioVol"), "3.3 V (Default)");
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "2.5 V (Default)");
    EXPECT_EQ(Current("ComboBoxHSMC"), BoardName(DAUGHTER_HSMC_DEFAULT));
    ExpectShunts(0, 1);
    EXPECT_EQ(Generate(dir.Path() + "odd.qpf"), std::vector<std::string>{kSuccess + dir.Path()});
    dialogs.QueueFile(file);
    Press("ButtonSave");
    const KAVRIN_CONFIG saved = ReadRecordFile<KAVRIN_CONFIG>(file);
    EXPECT_EQ(saved.nGpioVoltage, 0);
    EXPECT_EQ(saved.nHsmcVoltage, 1);
}

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <climits>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_JORVALE.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/shell/UnitMain.h"
#include "platform/qt/QtPlatform.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC", "CheckBoxLED",   "CheckBoxButton", "CheckBoxSwitch",
                                       "CheckBoxVGA", "CheckBoxDDR3",  "CheckBoxAudio",  "CheckBoxIR",
                                       "CheckBoxSi5338", "CheckBoxTemperature"};
constexpr const char* kGroupShapes[] = {"ShapeOSC", "ShapeLED",   "ShapeButton", "ShapeSwitch",  "ShapeVGA",
                                        "ShapeDDR3", "ShapeAudio", "ShapeIR",     "ShapeSi5338", "ShapeTemperature"};
constexpr const char* kVoltageShapes[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

std::vector<std::string> Names(std::initializer_list<int> ids)
{
    std::vector<std::string> names;
    for (int id : ids) names.push_back(BoardName(static_cast<uint8_t>(id)));
    return names;
}

// The lists of the voltage entries 0 to 3; transceiver cards are offered at 2.5 V.
const std::vector<std::string> kCards[] = {
    Names({0, 17, 57, 58, 59}),
    Names({0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61}),
    Names({0, 17}),
    Names({0, 17}),
};

void WriteRecord(const std::string& path, const JORVALE_CONFIG& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

JORVALE_CONFIG ReadRecord(const std::string& path)
{
    JORVALE_CONFIG record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

// The standards the .qsf assigns, one per IO_STANDARD line.
std::vector<std::string> IoStandards(const std::string& qsf)
{
    std::vector<std::string> standards;
    std::istringstream lines(qsf);
    const std::string head = "set_instance_assignment -name IO_STANDARD \"";
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(head, 0) == 0) standards.push_back(line.substr(head.size(), line.find('"', head.size()) - head.size()));
    return standards;
}

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kShuntWarning =
    "You have changed the default voltage level of HSMC interface. \nPlease remember to change the shunt position on "
    "JP7 accordingly.\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";

}  // namespace

class JorvaleForm : public GuiTest {
protected:
    void Open()
    {
        main = std::make_unique<TFormMain>();
        main->show();
        main->CreateBoardForm(MAINBOARD_Jorvale);
        form = dynamic_cast<TFormJorvale*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo(const char* name) { return Get<QComboBox>(name); }
    QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Text(const char* name) { return Edit(name)->text().toStdString(); }
    std::string Current(const char* name) { return Combo(name)->currentText().toStdString(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }
    void ExpectVoltageOutline(int entry)
    {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Shown(kVoltageShapes[i]), i == entry) << kVoltageShapes[i];
    }

    std::unique_ptr<TFormMain> main;
    TFormJorvale* form = nullptr;
};

TEST_F(JorvaleForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Cylone V Jorvale V1.0.1");
    EXPECT_EQ(form->size(), QSize(794, 485));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Cylone V Jorvale Evaluation Board");
    EXPECT_EQ(Text("EditProjectName"), "Jorvale");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    EXPECT_EQ(Items(Combo("ComboBoxHsmcVol")), (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "2.5 V (Default)");
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kCards[1]);
    EXPECT_EQ(Combo("ComboBoxHSMC")->maxVisibleItems(), 25);
    EXPECT_EQ(Current("ComboBoxHSMC"), "None");
    EXPECT_EQ(Text("EditPrefixHSMC"), "");
    EXPECT_FALSE(Shown("ImageHSMC"));
    EXPECT_FALSE(Shown("ShapeHSMC"));
    ExpectVoltageOutline(1);
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

// Each voltage lists its own cards on "None": the outline of the connector and the picture of
// the card chosen before go, the shunt outline moves, the prefix stays.
TEST_F(JorvaleForm, TheCardListFollowsTheVoltageThatTheUserPicks)
{
    Open();
    Edit("EditPrefixHSMC")->setText("H_");
    for (int voltage : {0, 2, 3, 1}) {
        SCOPED_TRACE(voltage);
        Pick(Combo("ComboBoxHSMC"), 1);
        ASSERT_TRUE(Shown("ImageHSMC"));
        ASSERT_TRUE(Shown("ShapeHSMC"));
        Pick(Combo("ComboBoxHsmcVol"), voltage);
        EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kCards[voltage]);
        EXPECT_EQ(Current("ComboBoxHSMC"), "None");
        EXPECT_FALSE(Shown("ShapeHSMC"));
        EXPECT_FALSE(Shown("ImageHSMC"));
        EXPECT_EQ(Text("EditPrefixHSMC"), "H_");
        ExpectVoltageOutline(voltage);
    }
    Box("CheckBoxTemperature")->click();
    EXPECT_FALSE(Shown("ShapeTemperature"));
    EXPECT_TRUE(Shown("ShapeSi5338"));
}

// A hand-made file may hold a voltage outside the list: it is shown, saved and generated as
// the default, and a card its voltage's list lacks shows as "None".
TEST_F(JorvaleForm, RecordValuesOutsideTheListsAreShownAsTheDefaults)
{
    struct Case { int32_t voltage; uint8_t card; bool listed; };
    for (Case c : {Case{7, DAUGHTER_HSMC_DEFAULT_XCVR, true}, Case{-1, 200, false},
                   Case{INT_MIN, DAUGHTER_Quillet_HSMC, true}, Case{0, DAUGHTER_HSMC_DEFAULT, false}}) {
        SCOPED_TRACE(c.voltage);
        JORVALE_CONFIG record = JorvaleDefaultConfig();
        record.nHsmcVoltage = c.voltage;
        record.nHsmcDaughterId = c.card;
        std::strcpy(record.szHSMCPrefixName, "P_");
        WriteRecord(DefaultCfg(), record);

        Open();
        const int entry = c.voltage == 0 ? 0 : 1;
        EXPECT_EQ(Combo("ComboBoxHsmcVol")->currentIndex(), entry);
        EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kCards[entry]);
        EXPECT_EQ(Current("ComboBoxHSMC"), c.listed ? BoardName(c.card) : "None");
        EXPECT_EQ(Text("EditPrefixHSMC"), c.listed ? "P_" : "");
        EXPECT_EQ(Shown("ImageHSMC"), c.listed);
        ExpectVoltageOutline(entry);

        platform::ForceDirectories(dir.Path() + "out");
        dialogs.QueueFile(dir.Path() + "out/odd.qpf");
        Get<QPushButton>("ButtonGen")->click();
        EXPECT_EQ(dialogs.Texts().front(), kSuccess + dir.Path() + "out/");
        EXPECT_EQ(dialogs.Boxes().size(), entry == 1 ? 1u : 2u);

        Get<QPushButton>("ButtonExit")->click();
        JORVALE_CONFIG written = ReadRecord(DefaultCfg());
        EXPECT_EQ(written.nHsmcVoltage, entry);
        EXPECT_EQ(written.nHsmcDaughterId, c.listed ? c.card : 0);
        main.reset();
        dialogs.Clear();
    }
    EXPECT_TRUE(dialogs.Exceptions().empty());
}

// "Save Setting" writes the controls byte for byte; "Load Setting" shows a record with its
// voltage's list, card, prefix and picture.
TEST_F(JorvaleForm, SaveAndLoadThroughTheDialogs)
{
    Open();
    const std::string saved = dir.Path() + "j.cfg";
    Edit("EditProjectName")->setText("probe");
    Box("CheckBoxTemperature")->click();
    Box("CheckBoxSi5338")->click();
    Pick(Combo("ComboBoxHsmcVol"), 0);
    Pick(Combo("ComboBoxHSMC"), 2);
    Edit("EditPrefixHSMC")->setText("CAM_");
    dialogs.QueueFile(saved);
    Get<QPushButton>("ButtonSave")->click();
    std::string bytes = tooltest::ReadFile(saved);
    ASSERT_EQ(bytes.size(), 284u);
    std::string expected(284, '\0');
    expected[0] = 19;
    expected[4] = static_cast<char>(284 & 0xFF);
    expected[5] = static_cast<char>(284 >> 8);
    std::memcpy(&expected[8], "Jorvale", 7);
    std::memcpy(&expected[8], "probe", 6);  // bytes after the NUL stay as the record held them
    for (int offset = 136; offset <= 143; ++offset) expected[offset] = 1;  // Si5338 and temperature not
    expected[148] = 0;                                                       // "3.3 V"
    expected[152] = static_cast<char>(DAUGHTER_Quillet_Sollip_J2);
    std::memcpy(&expected[153], "CAM_", 4);
    EXPECT_EQ(bytes, expected);

    Pick(Combo("ComboBoxHsmcVol"), 1);
    Box("CheckBoxTemperature")->click();
    dialogs.QueueFile(saved);
    Get<QPushButton>("ButtonLoad")->click();
    EXPECT_EQ(Text("EditProjectName"), "probe");
    EXPECT_FALSE(Box("CheckBoxTemperature")->isChecked());
    EXPECT_FALSE(Shown("ShapeTemperature"));
    EXPECT_EQ(Current("ComboBoxHsmcVol"), "3.3 V");
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kCards[0]);
    EXPECT_EQ(Current("ComboBoxHSMC"), BoardName(DAUGHTER_Quillet_Sollip_J2));
    EXPECT_EQ(Text("EditPrefixHSMC"), "CAM_");
    ASSERT_TRUE(Shown("ImageHSMC"));
    EXPECT_EQ(Get<QLabel>("ImageHSMC")->pixmap().toImage(),
              platform::qt::LoadBitmap("Dobrel_Sollip_J2_80_BITMAP").toImage());
    ExpectVoltageOutline(0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Generate with the adaptor card at 1.8 V: the card's pins take "1.8 V", and the shunt
// warning follows the success box.
TEST_F(JorvaleForm, GenerateAtAnotherVoltageWarnsAboutTheShunts)
{
    Open();
    for (const char* box : kGroupBoxes) Box(box)->click();
    Pick(Combo("ComboBoxHsmcVol"), 2);
    Pick(Combo("ComboBoxHSMC"), 1);
    ASSERT_EQ(Current("ComboBoxHSMC"), BoardName(DAUGHTER_Quillet_HSMC));
    Edit("EditProjectName")->setText("low");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, dir.Path() + "CodeGenerated/Jorvale/low/");
    EXPECT_TRUE(dialogs.Boxes().empty());  // cancelled: nothing more

    const std::string folder = dir.Path() + "CodeGenerated/Jorvale/low/";
    dialogs.QueueFile(folder + "low.qpf");
    Get<QPushButton>("ButtonGen")->click();
    ASSERT_EQ(dialogs.Boxes().size(), 2u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[0].text, kSuccess + folder);
    EXPECT_EQ(dialogs.Boxes()[1].caption, "Warning");
    EXPECT_EQ(dialogs.Boxes()[1].text, kShuntWarning);
    std::vector<std::string> standards = IoStandards(tooltest::ReadFile(folder + "low.qsf"));
    ASSERT_FALSE(standards.empty());
    EXPECT_EQ(standards, std::vector<std::string>(standards.size(), "1.8 V"));
    EXPECT_FALSE(platform::FileExists(folder + "low.vhd"));
}

// The default HSMC cards get "HSMC_" in the project only; a typed prefix is used as typed.
TEST_F(JorvaleForm, HsmcDefaultWithoutPrefixIsNamedHsmc)
{
    Open();
    struct Case { int entry; const char* typed; const char* pin; };
    for (Case c : {Case{1, "", "HSMC_CLK_IN0"}, Case{2, "", "HSMC_CLK_IN0"}, Case{1, "MY_", "MY_CLK_IN0"}}) {
        SCOPED_TRACE(c.entry);
        Pick(Combo("ComboBoxHSMC"), c.entry);
        Edit("EditPrefixHSMC")->setText(QString::fromLatin1(c.typed));
        const std::string file = dir.Path() + "p" + std::to_string(c.entry) + (c.typed[0] ? "typed" : "") + ".qpf";
        dialogs.Clear();
        dialogs.QueueFile(file);
        Get<QPushButton>("ButtonGen")->click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + dir.Path()});
        std::string qsf = tooltest::ReadFile(file.substr(0, file.size() - 4) + ".qsf");
        EXPECT_NE(qsf.find(std::string("set_location_assignment PIN_J14 -to ") + c.pin + "\r\n"), std::string::npos);
        EXPECT_EQ(Text("EditPrefixHSMC"), c.typed);
        // the transceiver card brings the reference clock, with its termination
        EXPECT_EQ(qsf.find("-to HSMC_REF_CLK_p") != std::string::npos, c.entry == 2);
    }
    Edit("EditPrefixHSMC")->clear();
    Get<QPushButton>("ButtonExit")->click();
    EXPECT_EQ(ReadRecord(DefaultCfg()).szHSMCPrefixName[0], 0);
}

// Enter that no control takes presses "Exit", the default button; on a focused button it
// presses that one.
TEST_F(JorvaleForm, EnterPressesExitUnlessAButtonHasTheFocus)
{
    Open();
    Get<QPushButton>("ButtonGen")->setFocus();
    QTest::keyClick(Get<QPushButton>("ButtonGen"), Qt::Key_Return);
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);  // the project dialog, cancelled
    EXPECT_TRUE(main->isVisible());

    Edit("EditProjectName")->setFocus();
    Edit("EditProjectName")->setText("entered");
    QTest::keyClick(Edit("EditProjectName"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(main->isVisible());
    EXPECT_STREQ(ReadRecord(DefaultCfg()).szProjectName, "entered");
}

// The Kestwin form: its layout as the board gives it (geometry and keyboard order), its record
// in the controls, the prefix check that spares the default pair, and the HPS box.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_KESTWIN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "platform/Environment.h"

namespace {

struct Place {
    const char* name;
    QRect geometry;
};

// Every control whose place the board gives, in its parent's coordinates.
const Place kPlaces[] = {
    {"ImageAltera", {10, 7, 103, 50}},         {"ImageVarnholt", {120, 11, 93, 46}},
    {"ButtonMainBoardSelect", {224, 22, 185, 35}}, {"Panel1", {8, 64, 417, 345}},
    {"LabelBoardName", {8, 8, 401, 29}},       {"ImageBoard", {8, 48, 400, 256}},
    {"ShapeOSC", {167, 194, 21, 28}},          {"ShapeLED", {308, 263, 54, 17}},
    {"ShapeSwitch", {132, 225, 75, 32}},       {"ShapeButton", {273, 276, 34, 25}},
    {"ShapeGpio0", {59, 49, 202, 22}},         {"ShapeGpio1", {59, 281, 202, 22}},
    {"ShapeADC", {308, 281, 57, 20}},          {"ShapeHPS", {145, 101, 35, 33}},
    {"ShapeArduino_0", {60, 72, 194, 16}},     {"ShapeArduino_1", {96, 263, 157, 16}},
    {"ShapeKelpin23", {96, 144, 65, 1}},       {"ButtonSave", {16, 423, 190, 35}},
    {"ButtonLoad", {16, 471, 190, 35}},        {"ButtonGen", {224, 423, 190, 35}},
    {"ButtonExit", {224, 471, 190, 35}},       {"GroupBox1", {432, 1, 353, 504}},
    {"EditProjectName", {16, 56, 326, 28}},    {"CheckBoxOSC", {16, 104, 160, 17}},
    {"CheckBoxLED", {184, 104, 160, 17}},      {"CheckBoxButton", {16, 140, 160, 17}},
    {"CheckBoxSwitch", {184, 140, 160, 17}},   {"CheckBoxADC", {16, 177, 160, 17}},
    {"CheckBoxArduino", {184, 177, 160, 17}},  {"CheckBoxHPS", {16, 217, 160, 17}},
    {"ComboBoxGpio0", {16, 320, 240, 28}},     {"EditPrefixGpio0", {120, 352, 136, 28}},
    {"ImageGpio0", {262, 320, 80, 80}},        {"ComboBoxGpio1", {16, 424, 240, 28}},
    {"EditPrefixGpio1", {120, 456, 136, 28}},  {"ImageGpio1", {262, 408, 80, 80}},
};

const std::vector<std::string> kTabOrder = {
    "ButtonSave",      "ButtonLoad",      "ButtonGen",       "ButtonExit",      "CheckBoxLED",
    "CheckBoxButton",  "ComboBoxGpio0",   "ComboBoxGpio1",   "EditProjectName", "EditPrefixGpio0",
    "EditPrefixGpio1", "CheckBoxOSC",     "CheckBoxSwitch",  "CheckBoxADC",     "CheckBoxHPS",
    "CheckBoxArduino", "ButtonMainBoardSelect",
};

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kHpsBox =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease add the "
    "Altera HPS IP to your design.\r\n";
const std::string kConflict =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

constexpr int kSollipEntry = 2;

}  // namespace

class KestwinForm : public BoardFormFixture<TFormKestwin, MAINBOARD_Kestwin> {
protected:
    // Generate into a folder of its own; the .qsf written, or "" when nothing was.
    std::string Generate(const std::string& name)
    {
        const std::string folder = dir.Path() + "gen/" + name + "/";
        platform::ForceDirectories(folder);
        dialogs.QueueFile(folder + "Kestwin.qpf");
        Press("ButtonGen");
        return platform::FileExists(folder + "Kestwin.qsf") ? tooltest::ReadFile(folder + "Kestwin.qsf") : "";
    }
};

TEST_F(KestwinForm, LayoutFollowsTheBoard)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Kestwin V1.0.1");
    EXPECT_EQ(form->size(), QSize(789, 520));
    for (const Place& place : kPlaces) EXPECT_EQ(Get(place.name)->geometry(), place.geometry) << place.name;
    // Beneath the picture, so never seen.
    const QObjectList& panel = Get("Panel1")->children();
    EXPECT_LT(panel.indexOf(Get("ShapeKelpin23")), panel.indexOf(Get("ImageBoard")));
    EXPECT_EQ(TabChain(form, Get("ButtonSave")), kTabOrder);
}

// The defaults on a first start, and a Save that writes what the controls show.
TEST_F(KestwinForm, ControlsMapToTheRecord)
{
    Open();
    EXPECT_EQ(Text("EditProjectName"), "Kestwin");
    for (const char* box : {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxSwitch", "CheckBoxADC", "CheckBoxArduino"})
        EXPECT_TRUE(Box(box)->isChecked()) << box;
    EXPECT_FALSE(Box("CheckBoxHPS")->isChecked());
    EXPECT_FALSE(Shown("ShapeHPS"));
    EXPECT_TRUE(Shown("ShapeArduino_1"));
    EXPECT_EQ(Items(Combo("ComboBoxGpio0")), CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74}));
    EXPECT_EQ(Combo("ComboBoxGpio1")->maxVisibleItems(), 10);

    Box("CheckBoxArduino")->click();
    Box("CheckBoxHPS")->click();
    EXPECT_FALSE(Shown("ShapeArduino_0"));
    EXPECT_TRUE(Shown("ShapeHPS"));
    Pick(Combo("ComboBoxGpio1"), kSollipEntry);
    Edit("EditPrefixGpio1")->setText("S_");
    EXPECT_TRUE(Shown("ShapeGpio1"));
    EXPECT_TRUE(Shown("ImageGpio1"));
    EXPECT_FALSE(Shown("ShapeGpio0"));
    dialogs.QueueFile(dir.Path() + "saved.cfg");
    Press("ButtonSave");

    KESTWIN_CONFIG expected = DefaultKestwinConfig();
    expected.bArduino = 0;
    expected.bHps = 1;
    expected.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip;
    WriteRecordText(expected.szGpioPrefixName[GPIO_1], "S_");
    const KESTWIN_CONFIG saved = ReadRecordFile<KESTWIN_CONFIG>(dir.Path() + "saved.cfg");
    EXPECT_EQ(std::memcmp(&saved, &expected, sizeof saved), 0);
}

// A card the list does not offer (the 80-pin card, an id beyond the catalogue) leaves its
// header as it was; the record's prefix shows unless that is "None".
TEST_F(KestwinForm, UnlistedCardsKeepTheHeadersEntry)
{
    KESTWIN_CONFIG record = DefaultKestwinConfig();
    record.nGpioDaughterId[GPIO_0] = DAUGHTER_Kobbet_GPIO;
    record.nGpioDaughterId[GPIO_1] = 200;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], "K_");
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "X_");
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(Combo("ComboBoxGpio0")->currentIndex(), 0);
    EXPECT_EQ(Text("EditPrefixGpio0"), "");

    Pick(Combo("ComboBoxGpio1"), kSollipEntry);
    WriteRecordFile(dir.Path() + "other.cfg", record);
    dialogs.QueueFile(dir.Path() + "other.cfg");
    Press("ButtonLoad");
    EXPECT_EQ(Combo("ComboBoxGpio0")->currentIndex(), 0);
    EXPECT_EQ(Combo("ComboBoxGpio1")->currentIndex(), kSollipEntry);
    EXPECT_EQ(Text("EditPrefixGpio1"), "X_");
    EXPECT_TRUE(dialogs.Boxes().empty());
    const std::string qsf = Generate("kept");
    EXPECT_NE(qsf.find("set_location_assignment PIN_Y15 -to X_"), std::string::npos);
}

// The prefix check over both headers, which the default pair skips; what each accepted pair
// names its signals.
TEST_F(KestwinForm, DefaultPairIsSparedThePrefixCheck)
{
    struct Case {
        const char* label;
        int entry0;
        const char* prefix0;
        int entry1;
        const char* prefix1;
        std::string error;             // "" for a generated project
        std::vector<std::string> pins;  // .qsf names the project must hold
    };
    const Case cases[] = {
        {"default pair", 1, "", 1, "", "", {"-to GPIO_0[0]\r\n", "-to GPIO_1[35]\r\n"}},
        {"generic card, one prefix", 1, "", 1, "B_", "", {"-to GPIO[0]\r\n", "-to B_GPIO[35]\r\n"}},
        {"generic card, equal prefixes", 1, "A_", 1, "A_", kConflict, {}},
        {"same card, no prefixes", kSollipEntry, "", kSollipEntry, "", kConflict, {}},
        {"same card, own prefixes", kSollipEntry, "L_", kSollipEntry, "R_", "", {}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        dialogs.Clear();
        Pick(Combo("ComboBoxGpio0"), c.entry0);
        Pick(Combo("ComboBoxGpio1"), c.entry1);
        Edit("EditPrefixGpio0")->setText(c.prefix0);
        Edit("EditPrefixGpio1")->setText(c.prefix1);
        if (!c.error.empty()) {
            Press("ButtonGen");
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.error});
            continue;
        }
        const std::string qsf = Generate(c.label);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + dir.Path() + "gen/" + c.label + "/"});
        for (const std::string& pin : c.pins) EXPECT_NE(qsf.find(pin), std::string::npos) << pin;
    }
}

TEST_F(KestwinForm, HpsBoxFollowsTheSuccessBox)
{
    Open();
    Box("CheckBoxHPS")->click();
    const std::string qsf = Generate("hps");
    EXPECT_NE(qsf.find("\"1.5 V\" -to HPS_DDR3_RZQ"), std::string::npos);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + dir.Path() + "gen/hps/", kHpsBox}));
}

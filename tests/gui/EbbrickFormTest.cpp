// The Ebbrick form: its record in the controls, the pairing of its two headers as the user
// and the settings files drive it, the prefix check over both headers, and the left-Ctrl
// batch over its card list written as real projects.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FormFixture.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "boards/cyclone5_max10/UI_EBBRICK.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",  "CheckBoxLED",   "CheckBoxButton", "CheckBoxSwitch", "CheckBoxVGA",
                                       "CheckBoxSDRAM", "CheckBoxSeg7", "CheckBoxPS2",    "CheckBoxSdCard"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",   "ShapeLED",  "ShapeButton", "ShapeSwitch", "ShapeVGA",
                                        "ShapeSDRAM", "ShapeSeg7", "ShapePS2",    "ShapeSdCard"};

// The card list both headers show and, per card after "None", the project the batch names
// after it.
constexpr uint8_t kCards[] = {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74};
constexpr const char* kBatchProjects[] = {
    "Ebbrick_GPIO_GPIO_Default", "Ebbrick_GPIO_Kobbet", "Ebbrick_GPIO_Sollip",          "Ebbrick_GPIO_Garvet",
    "Ebbrick_GPIO_Corvish",      "Ebbrick_GPIO_Pelvin", "Ebbrick_GPIO_Ravesh",          "Ebbrick_GPIO_Servo_Motor_Kit",
    "Ebbrick_GPIO_RF_and_Sensor", "Ebbrick_GPIO_Ferrund_GPIO",
};
constexpr int k80PinEntry = 2;
constexpr int kSollipEntry = 3;
constexpr int kGarvetEntry = 4;

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

void WriteRecord(const std::string& path, const EBBRICK_CONFIG& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

EBBRICK_CONFIG ReadRecord(const std::string& path)
{
    EBBRICK_CONFIG record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

EBBRICK_CONFIG CardsRecord(uint8_t card0, const char* prefix0, uint8_t card1, const char* prefix1)
{
    EBBRICK_CONFIG record = DefaultEbbrickConfig();
    record.nGpioDaughterId[GPIO_0] = card0;
    record.nGpioDaughterId[GPIO_1] = card1;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], prefix0);
    WriteRecordText(record.szGpioPrefixName[GPIO_1], prefix1);
    return record;
}

// Every project file under a folder, sorted.
std::vector<std::string> ProjectFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".qpf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

class EbbrickForm : public GuiTest {
protected:
    ~EbbrickForm() override { platform::SetCtrlDownProvider(nullptr); }

    void Open()
    {
        main.reset();
        main = std::make_unique<TFormMain>();
        main->show();
        main->CreateBoardForm(MAINBOARD_Ebbrick);
        form = dynamic_cast<TFormEbbrick*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        return formlayout::FindControl<T>(form, name);
    }
    QComboBox* Combo(int h) { return Get<QComboBox>(h == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1"); }
    QLineEdit* Prefix(int h) { return Get<QLineEdit>(h == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1"); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }

    // What one header shows: entry, prefix, and whether it takes input.
    std::string Header(int h)
    {
        const bool enabled = Combo(h)->isEnabled();
        EXPECT_EQ(Prefix(h)->isEnabled(), enabled) << "GPIO-" << h;
        return std::to_string(Combo(h)->currentIndex()) + " '" + Prefix(h)->text().toStdString() + "' " +
               (enabled ? "free" : "locked");
    }

    // Generate into a folder of its own; the .qsf written, or "" when nothing was.
    std::string Generate(const std::string& name)
    {
        const std::string folder = dir.Path() + "gen/" + name + "/";
        platform::ForceDirectories(folder);
        dialogs.QueueFile(folder + "Ebbrick.qpf");
        Click("ButtonGen");
        return platform::FileExists(folder + "Ebbrick.qsf") ? tooltest::ReadFile(folder + "Ebbrick.qsf") : "";
    }

    std::unique_ptr<TFormMain> main;
    TFormEbbrick* form = nullptr;
};

TEST_F(EbbrickForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Ebbrick V1.0.0");
    EXPECT_EQ(form->size(), QSize(793, 536));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Ebbrick FPGA Board");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Ebbrick");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    std::vector<std::string> names;
    for (uint8_t card : kCards) names.push_back(BoardName(card));
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(Items(Combo(h)), names);
        EXPECT_EQ(Combo(h)->maxVisibleItems(), 11);
        EXPECT_EQ(Header(h), "0 '' free");
    }
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_FALSE(Shown(hidden)) << hidden;
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// What the user's picks do to both headers, with their outlines and pictures; a Generate
// from the 80-pin pair names the joined connector's signals after GPIO-0's prefix.
TEST_F(EbbrickForm, PicksPairTheHeaders)
{
    Open();
    Prefix(1)->setText("K_");
    Pick(Combo(1), k80PinEntry);
    EXPECT_EQ(Header(0), "2 'K_' locked");
    EXPECT_EQ(Header(1), "2 'K_' free");
    for (const char* shown : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_TRUE(Shown(shown)) << shown;

    // Typed after the choice: saved, but the joined connector takes GPIO-0's prefix.
    Prefix(1)->setText("late_");
    const std::string qsf = Generate("pair");
    EXPECT_NE(qsf.find("set_location_assignment PIN_N16 -to K_ADC_OTR_A\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_K16 -to K_DAC_MODE\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("late_"), std::string::npos);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + dir.Path() + "gen/pair/"}));

    Pick(Combo(1), kSollipEntry);
    EXPECT_EQ(Header(0), "0 '' free");
    EXPECT_EQ(Header(1), "3 'late_' free");
    EXPECT_FALSE(Shown("ShapeGpio0"));
    EXPECT_FALSE(Shown("ImageGpio0"));

    // A 40-pin card on one header leaves the other's own choice alone.
    Pick(Combo(0), kGarvetEntry);
    Prefix(0)->setText("LCD_");
    Pick(Combo(1), 0);
    EXPECT_EQ(Header(0), "4 'LCD_' free");
    EXPECT_EQ(Header(1), "0 'late_' free");

    Pick(Combo(0), k80PinEntry);
    EXPECT_EQ(Header(0), "2 'LCD_' free");
    EXPECT_EQ(Header(1), "2 'LCD_' locked");
}

// A record from a file is shown paired, GPIO-0 leading, whether it comes as "default.cfg" on
// a fresh form or through "Load Setting" after the 80-pin card was picked on GPIO-1 (GPIO-0
// locked). A card of another list leaves its header's entry as it was.
TEST_F(EbbrickForm, LoadedRecordsArePairedFromGpioZero)
{
    struct Case {
        const char* label;
        EBBRICK_CONFIG record;
        std::string fresh[2];
        std::string overLocked[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 over another card", CardsRecord(DAUGHTER_Kobbet_GPIO, "K_", DAUGHTER_Sollip, "S_"),
         {"2 'K_' free", "2 'K_' locked"}, {"2 'K_' free", "2 'K_' locked"}},
        {"80-pin card on GPIO-1 over another card", CardsRecord(DAUGHTER_GPIO_DEFAULT, "G_", DAUGHTER_Kobbet_GPIO, "K_"),
         {"1 'G_' free", "0 '' free"}, {"1 'G_' free", "0 '' free"}},
        {"80-pin card on GPIO-1 alone", CardsRecord(0, "", DAUGHTER_Kobbet_GPIO, "K_"), {"0 '' free", "0 '' free"},
         {"0 '' free", "0 '' free"}},
        {"two 40-pin cards", CardsRecord(DAUGHTER_Garvet, "A_", DAUGHTER_Sollip, "B_"), {"4 'A_' free", "3 'B_' free"},
         {"4 'A_' free", "3 'B_' free"}},
        {"a card of another list on GPIO-0", CardsRecord(DAUGHTER_HSMC_DEFAULT, "H_", DAUGHTER_Sollip, ""),
         {"0 '' free", "3 '' free"}, {"2 'H_' free", "2 'H_' locked"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        WriteRecord(DefaultCfg(), c.record);
        Open();
        EXPECT_EQ(Header(0), c.fresh[0]);
        EXPECT_EQ(Header(1), c.fresh[1]);

        std::filesystem::remove(DefaultCfg());
        Open();
        Pick(Combo(1), k80PinEntry);
        ASSERT_EQ(Header(0), "2 '' locked");
        const std::string file = dir.Path() + "load.cfg";
        WriteRecord(file, c.record);
        dialogs.QueueFile(file);
        Click("ButtonLoad");
        EXPECT_EQ(Header(0), c.overLocked[0]);
        EXPECT_EQ(Header(1), c.overLocked[1]);
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The prefix check spares only the default pair; the three ways of attaching name the
// signals accordingly.
TEST_F(EbbrickForm, PrefixCheckAndSignalNamesOverBothHeaders)
{
    struct Case {
        const char* label;
        int entry0;
        const char* prefix0;
        int entry1;
        const char* prefix1;
        std::vector<std::string> boxes;  // the error boxes of a refused input
        std::vector<std::string> lines;  // .qsf lines of the project written otherwise
    };
    const Case cases[] = {
        {"default pair", 1, "", 1, "", {},
         {"set_location_assignment PIN_N16 -to GPIO_0[0]\r\n", "set_location_assignment PIN_K16 -to GPIO_1[35]\r\n"}},
        {"generic card twice, one prefix", 1, "", 1, "B_", {},
         {"set_location_assignment PIN_N16 -to GPIO[0]\r\n", "set_location_assignment PIN_K16 -to B_GPIO[35]\r\n"}},
        {"generic card twice, own prefixes", 1, "A_", 1, "B_", {},
         {"set_location_assignment PIN_N16 -to A_GPIO[0]\r\n", "set_location_assignment PIN_K16 -to B_GPIO[35]\r\n"}},
        {"generic card twice, same prefix", 1, "P_", 1, "P_", {kSamePrefix}, {}},
        {"blanks are a prefix", 1, " ", 1, " ", {kSamePrefix}, {}},
        {"generic card once", 0, "", 1, "", {}, {"set_location_assignment PIN_K16 -to GPIO[35]\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        Pick(Combo(0), c.entry0);
        Prefix(0)->setText(c.prefix0);
        Pick(Combo(1), c.entry1);
        Prefix(1)->setText(c.prefix1);
        dialogs.Clear();
        if (!c.boxes.empty()) {
            Click("ButtonGen");
            EXPECT_EQ(dialogs.Texts(), c.boxes);
            EXPECT_TRUE(dialogs.FileDialogs().empty());
            continue;
        }
        const std::string qsf = Generate(c.label);
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccess + dir.Path() + "gen/" + c.label + "/"}));
        for (const std::string& line : c.lines) EXPECT_NE(qsf.find(line), std::string::npos) << line;
    }
}

// A 404-byte "default.cfg" is taken whichever board wrote it; "Exit" writes it back with
// Ebbrick's id and size, every byte the form has no control for as it was.
TEST_F(EbbrickForm, ForeignDefaultCfgIsShownAndWrittenBackAsEbbrick)
{
    EBBRICK_CONFIG foreign;
    for (std::size_t i = 0; i < sizeof foreign; ++i) reinterpret_cast<uint8_t*>(&foreign)[i] = static_cast<uint8_t>(i * 13 + 5);
    foreign.BoardId = MAINBOARD_Wistrell;
    foreign.Size = 408;
    std::strcpy(foreign.szProjectName, "Wist");
    foreign.bLed = 0;
    foreign.bSdCard = 0;
    foreign.nGpioDaughterId[GPIO_0] = DAUGHTER_Garvet;
    foreign.nGpioDaughterId[GPIO_1] = DAUGHTER_Sollip;
    std::strcpy(foreign.szGpioPrefixName[GPIO_0], "LCD_");
    std::strcpy(foreign.szGpioPrefixName[GPIO_1], "CAM_");
    WriteRecord(DefaultCfg(), foreign);

    Open();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Wist");
    EXPECT_FALSE(Box("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Shown("ShapeLED"));
    EXPECT_FALSE(Box("CheckBoxSdCard")->isChecked());
    EXPECT_TRUE(Box("CheckBoxPS2")->isChecked());
    EXPECT_EQ(Header(0), "4 'LCD_' free");
    EXPECT_EQ(Header(1), "3 'CAM_' free");

    Click("ButtonExit");
    EBBRICK_CONFIG expected = foreign;
    expected.BoardId = MAINBOARD_Ebbrick;
    expected.Size = 404;
    for (uint8_t* group : {&expected.bClock, &expected.bButton, &expected.bSwitch, &expected.bVga, &expected.bSdram,
                           &expected.bSeg7, &expected.bPs2})
        *group = 1;
    EBBRICK_CONFIG written = ReadRecord(DefaultCfg());
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Unticking "microSD Card" goes through a settings file and back, and a project generated
// meanwhile has no such group.
TEST_F(EbbrickForm, UntickedGroupTravelsThroughSaveLoadAndGenerate)
{
    Open();
    Box("CheckBoxSdCard")->click();
    EXPECT_FALSE(Shown("ShapeSdCard"));
    const std::string file = dir.Path() + "nosd.cfg";
    dialogs.QueueFile(file);
    Click("ButtonSave");
    EXPECT_EQ(ReadRecord(file).bSdCard, 0);

    const std::string qsf = Generate("nosd");
    EXPECT_EQ(qsf.find("SD_CLK"), std::string::npos);
    EXPECT_NE(qsf.find("-to PS2_CLK\r\n"), std::string::npos);

    Box("CheckBoxSdCard")->click();
    dialogs.QueueFile(file);
    Click("ButtonLoad");
    EXPECT_FALSE(Box("CheckBoxSdCard")->isChecked());
    EXPECT_FALSE(Shown("ShapeSdCard"));
}

// Left Ctrl with Generate, confirmed, from the 80-pin pair: ten projects, both headers on
// each card, the prefixes "GPIO_0_" and "GPIO_1_" but none for the 80-pin card, each
// accepted by the tools; afterwards the controls show what they showed, GPIO-0 still locked.
TEST_F(EbbrickForm, LeftCtrlBatchPutsEveryCardOnBothHeaders)
{
    platform::SetCtrlDownProvider([] { return true; });
    Open();
    Get<QLineEdit>("EditProjectName")->setText("mine");
    Prefix(1)->setText("K_");
    Pick(Combo(1), k80PinEntry);
    Box("CheckBoxSDRAM")->click();
    const std::string folder = dir.Path() + "batch/";
    platform::ForceDirectories(folder);
    dialogs.QueueFile(folder + "chosen.qpf");
    const int beeps = platform::BeepCount();
    Click("ButtonGen");

    EXPECT_EQ(platform::BeepCount(), beeps + 1);
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_TRUE(dialogs.Boxes().empty());
    std::vector<std::string> expected;
    for (const char* project : kBatchProjects) expected.push_back(folder + project + "/" + project + ".qpf");
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(ProjectFiles(dir.Path()), expected);

    for (std::size_t i = 0; i < std::size(kBatchProjects); ++i) {
        SCOPED_TRACE(kBatchProjects[i]);
        const uint8_t card = kCards[i + 1];
        const bool joined = card == DAUGHTER_Kobbet_GPIO;
        EBBRICK_CONFIG record = CardsRecord(card, joined ? "" : "GPIO_0_", card, joined ? "" : "GPIO_1_");
        record.bSdram = 0;
        TMainBoard board;
        BuildEbbrickProjectBoard(board, record);
        board.SortConnectorPins();
        const std::string project = folder + kBatchProjects[i] + "/" + kBatchProjects[i];
        tooltest::ExpectProjectAccepted(board, project + ".qpf", false);
        const std::string qsf = tooltest::ReadFile(project + ".qsf");
        EXPECT_EQ(qsf.find("DRAM_CLK"), std::string::npos);
        if (joined) EXPECT_NE(qsf.find("set_location_assignment PIN_N16 -to ADC_OTR_A\r\n"), std::string::npos);
        if (card == DAUGHTER_GPIO_DEFAULT) {
            EXPECT_NE(qsf.find("set_location_assignment PIN_N16 -to GPIO_0_GPIO[0]\r\n"), std::string::npos);
            EXPECT_NE(qsf.find("set_location_assignment PIN_K16 -to GPIO_1_GPIO[35]\r\n"), std::string::npos);
        }
    }

    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "mine");
    EXPECT_EQ(Header(0), "2 'K_' locked");
    EXPECT_EQ(Header(1), "2 'K_' free");
    EXPECT_FALSE(Box("CheckBoxSDRAM")->isChecked());
}

// The Harnix form where it differs from the board-form base: the layout's colour, its
// controls and defaults, the two headers paired on one list (by the user's picks and for a
// record from a file), the prefix check that spares no pair of "GPIO Default", no box after
// success and "default.cfg" written when the form goes.
#include <QLabel>
#include <filesystem>

#include "FormFixture.h"
#include "boards/early/UI_HARNIX.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",    "CheckBoxLED",   "CheckBoxSeg7", "CheckBoxButton",
                                       "CheckBoxSwitch", "CheckBoxPS2",   "CheckBoxSDCARD", "CheckBoxVGA",
                                       "CheckBoxLCD",    "CheckBoxSDRAM", "CheckBoxFlash", "CheckBoxRS232"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",    "ShapeLED", "ShapeSeg7", "ShapeButton", "ShapeSwitch", "ShapePS2",
                                        "ShapeSDCARD", "ShapeVGA", "ShapeLCD",  "ShapeSDRAM",  "ShapeFlash",  "ShapeRS232"};

const std::vector<std::string> kCards = CardNames({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74});
constexpr int k80PinEntry = 2;
constexpr int kSollipEntry = 3;

const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

HARNIX_CONFIG CardsRecord(uint8_t card0, const char* prefix0, uint8_t card1, const char* prefix1)
{
    HARNIX_CONFIG record;
    DefaultConfig(record);
    record.nGpioDaughterId[GPIO_0] = card0;
    record.nGpioDaughterId[GPIO_1] = card1;
    WriteRecordText(record.szGpioPrefixName[GPIO_0], prefix0);
    WriteRecordText(record.szGpioPrefixName[GPIO_1], prefix1);
    return record;
}

}  // namespace

class HarnixForm : public BoardFormFixture<TFormHarnix, MAINBOARD_Harnix> {
protected:
    QComboBox* Gpio(int h) { return Combo(h == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1"); }
    QLineEdit* Prefix(int h) { return Edit(h == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1"); }
    // What one header shows: entry, prefix, and whether it takes input.
    std::string Header(int h)
    {
        const bool enabled = Gpio(h)->isEnabled();
        EXPECT_EQ(Prefix(h)->isEnabled(), enabled) << "GPIO-" << h;
        return std::to_string(Gpio(h)->currentIndex()) + " '" + Prefix(h)->text().toStdString() + "' " +
               (enabled ? "free" : "locked");
    }
    std::string Folder() const { return dir.Path() + "CodeGenerated/Harnix/Harnix/"; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Harnix.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Harnix.qsf") ? tooltest::ReadFile(Folder() + "Harnix.qsf") : "";
    }
};

TEST_F(HarnixForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(793, 469));
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Harnix FPGA Board");
    EXPECT_NE(form->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Harnix FPGA Board");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Text("EditProjectName"), "Harnix");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
        Box(kGroupBoxes[i])->click();
        EXPECT_FALSE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(Items(Gpio(h)), kCards);
        EXPECT_EQ(Header(h), "0 '' free");
    }
    for (const char* hidden : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_FALSE(Shown(hidden));
    for (const char* name : {"EditProjectName", "EditPrefixGpio0", "EditPrefixGpio1"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The 80-pin card picked on GPIO-1 takes GPIO-0 along under GPIO-1's prefix and locks it; the
// project has the joined connector under that prefix and success shows nothing. "None" on
// GPIO-1 then frees and clears GPIO-0.
TEST_F(HarnixForm, PicksPairTheHeaders)
{
    Open();
    Prefix(1)->setText("K_");
    Pick(Gpio(1), k80PinEntry);
    EXPECT_EQ(Header(0), "2 'K_' locked");
    EXPECT_EQ(Header(1), "2 'K_' free");
    for (const char* shown : {"ShapeGpio0", "ShapeGpio1", "ImageGpio0", "ImageGpio1"}) EXPECT_TRUE(Shown(shown)) << shown;

    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("set_location_assignment PIN_AB12 -to K_ADC_OTR_A\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_V7 -to K_DAC_MODE\r\n"), std::string::npos);

    Pick(Gpio(1), 0);
    EXPECT_EQ(Header(0), "0 '' free");
    EXPECT_EQ(Header(1), "0 'K_' free");
    EXPECT_FALSE(Shown("ShapeGpio0"));
}

// A record from a file is shown paired, GPIO-0 leading, as "default.cfg" and through "Load
// Setting" alike.
TEST_F(HarnixForm, RecordsFromFilesArePairedFromGpioZero)
{
    struct Case {
        const char* label;
        HARNIX_CONFIG record;
        std::string headers[2];
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone", CardsRecord(DAUGHTER_Kobbet_GPIO, "K_", 0, "lost"),
         {"2 'K_' free", "2 'K_' locked"}},
        {"a 40-pin card on GPIO-0, the 80-pin card on GPIO-1",
         CardsRecord(DAUGHTER_Sollip, "S_", DAUGHTER_Kobbet_GPIO, "K_"), {"3 'S_' free", "0 '' free"}},
        {"GPIO Default on GPIO-0, the 80-pin card on GPIO-1", CardsRecord(DAUGHTER_GPIO_DEFAULT, "", DAUGHTER_Kobbet_GPIO, "K_"),
         {"1 '' free", "0 '' free"}},
        {"the 80-pin card on GPIO-1 alone", CardsRecord(0, "", DAUGHTER_Kobbet_GPIO, "K_"), {"0 '' free", "0 '' free"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        main.reset();  // the last form writes "default.cfg" as it goes
        WriteRecordFile(DefaultCfg(), c.record);
        Open();
        EXPECT_EQ(Header(0), c.headers[0]);
        EXPECT_EQ(Header(1), c.headers[1]);

        Pick(Gpio(1), k80PinEntry);  // GPIO-0 locked before the load
        const std::string file = dir.Path() + "load.cfg";
        WriteRecordFile(file, c.record);
        dialogs.QueueFile(file);
        Press("ButtonLoad");
        EXPECT_EQ(Header(0), c.headers[0]);
        EXPECT_EQ(Header(1), c.headers[1]);
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// The prefix check refuses the same 40-pin card twice under one prefix, "GPIO Default" without
// prefixes included (its names are fixed on this board), and never the 80-pin pair.
TEST_F(HarnixForm, PrefixCheckOverBothHeaders)
{
    struct Case {
        const char* label;
        int entry0;
        const char* prefix0;
        int entry1;
        const char* prefix1;
        bool refused;
    };
    const Case cases[] = {
        {"GPIO Default twice, no prefixes", 1, "", 1, "", true},
        {"the same card, one prefix", kSollipEntry, "S_", kSollipEntry, "S_", true},
        {"GPIO Default twice, own prefixes", 1, "A_", 1, "B_", false},
        {"the 80-pin pair, whatever the prefixes", k80PinEntry, "", k80PinEntry, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Open();
        Pick(Gpio(0), c.entry0);
        Pick(Gpio(1), c.entry1);
        Prefix(0)->setText(c.prefix0);
        Prefix(1)->setText(c.prefix1);
        dialogs.Clear();
        std::filesystem::remove_all(Folder());
        const std::string qsf = Generate();
        EXPECT_EQ(dialogs.Texts(), c.refused ? std::vector<std::string>{kSamePrefix} : std::vector<std::string>{});
        EXPECT_EQ(qsf.empty(), c.refused);
        if (c.entry0 == 1 && !c.refused) EXPECT_NE(qsf.find("-to B_GPIO_CLKIN[0]\r\n"), std::string::npos);
    }
}

// "default.cfg" is written from the controls when the form goes, however the main window
// lets it go; the record is Harnix's own again.
TEST_F(HarnixForm, DefaultCfgIsWrittenWhenTheFormGoes)
{
    HARNIX_CONFIG foreign = CardsRecord(DAUGHTER_Sollip, "S_", 0, "");
    foreign.BoardId = MAINBOARD_Fennick;
    foreign.bLCD = 0;
    WriteRecordFile(DefaultCfg(), foreign);
    Open();
    EXPECT_FALSE(Box("CheckBoxLCD")->isChecked());
    EXPECT_FALSE(Shown("ShapeLCD"));
    Edit("EditProjectName")->setText("changed");
    main->CreateBoardForm(MAINBOARD_Tiverne);  // another board: this form goes
    HARNIX_CONFIG written = ReadRecordFile<HARNIX_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.BoardId, MAINBOARD_Harnix);
    EXPECT_EQ(written.Size, 408);
    EXPECT_STREQ(written.szProjectName, "changed");
    EXPECT_EQ(written.bLCD, 0);
    EXPECT_EQ(written.nGpioDaughterId[GPIO_0], DAUGHTER_Sollip);
    EXPECT_STREQ(written.szGpioPrefixName[GPIO_0], "S_");

    main->CreateBoardForm(MAINBOARD_Harnix);  // Tiverne's record of another size: the defaults
    form = dynamic_cast<TFormHarnix*>(main->BoardForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Harnix");
    Edit("EditProjectName")->setText("last");
    main.reset();  // the program ends
    written = ReadRecordFile<HARNIX_CONFIG>(DefaultCfg());
    EXPECT_STREQ(written.szProjectName, "last");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A form without a success box still tells a failed request: the report's box, then the form's.
TEST_F(HarnixForm, ReportThatCannotBeWrittenFailsGenerate)
{
    Open();
    platform::ForceDirectories(Folder());
    const std::string report = Folder() + "Harnix.htm";
    std::filesystem::create_symlink("/dev/full", report);
    EXPECT_FALSE(Generate().empty());
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Failed to create file Harnix.htm\r\nNo space left on device",
                                                         "Failed to generate Quartus project: Harnix.qpf."}));
    for (const auto& box : dialogs.Boxes()) EXPECT_EQ(box.caption, "Error");
    EXPECT_TRUE(std::filesystem::is_symlink(report));
}

// The Orlenn form where it differs from the board-form base: the board-type list, the GPIO
// headers in Kelpin-A's place and the DDR2 module in Kelpin-B's, its own prefix checks with
// the last message shown, the refusal of "Kelpin Default", and what it stores.
#include <QLabel>

#include "FormFixture.h"
#include "boards/early/UI_ORLENN.h"
#include "core/settings/RecordText.h"

namespace {

const std::vector<std::string> kKelpinCards = CardNames({0, 5, 6, 7, 8, 15, 20});
const std::vector<std::string> kGpioCards = CardNames({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74});
const std::vector<std::string> kTypes = {"Orlenn 150", "Orlenn 260", "Orlenn 340C2", "Orlenn 340C3",
                                         "Orlenn 150ES"};
constexpr const char* kGpioRow[] = {"LabelGpio0",    "LabelPrefixGpio0", "ComboBoxGpio0", "EditPrefixGpio0",
                                    "ComboBoxGpio1", "EditPrefixGpio1"};
constexpr const char* kOutlinedBoxes[] = {"CheckBoxOSC",    "CheckBoxLED", "CheckBoxSeg7", "CheckBoxButton",
                                          "CheckBoxSwitch", "CheckBoxDIP", "CheckBoxSDCARD", "CheckBoxSma",
                                          "CheckBoxUSB",    "CheckBoxTemp", "CheckBoxDDR2"};
constexpr const char* kOutlines[] = {"ShapeOSC",    "ShapeLED", "ShapeSeg7", "ShapeButton", "ShapeSwitch", "ShapeDIP",
                                     "ShapeSDCARD", "ShapeSma", "ShapeUSB",  "ShapeTemp",   "ShapeDDR2"};

std::string SamePrefix(const char* a, const char* b)
{
    return std::string(a) + " and " + b +
           " cannot have the same prefix name when both connect to the same type of daughter boards.";
}

}  // namespace

class OrlennForm : public BoardFormFixture<TFormOrlenn, MAINBOARD_Orlenn> {
protected:
    std::string Folder() const { return dir.Path() + "CodeGenerated/Orlenn/Orlenn/"; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Orlenn.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Orlenn.qsf") ? tooltest::ReadFile(Folder() + "Orlenn.qsf") : "";
    }
    std::string LabelA() { return Get<QLabel>("LabelKelpinA")->text().toStdString(); }
};

TEST_F(OrlennForm, DefaultsListsAndOutlines)
{
    Open();
    EXPECT_EQ(Text("EditProjectName"), "Orlenn");
    EXPECT_EQ(Items(Combo("ComboBoxBoardType")), kTypes);
    EXPECT_EQ(Current("ComboBoxBoardType"), "Orlenn 150");
    for (const char* combo : {"ComboBoxKelpinA", "ComboBoxKelpinB", "ComboBoxKelpinC", "ComboBoxKelpinD"})
        EXPECT_EQ(Items(Combo(combo)), kKelpinCards) << combo;
    for (const char* combo : {"ComboBoxGpio0", "ComboBoxGpio1"}) EXPECT_EQ(Items(Combo(combo)), kGpioCards) << combo;
    EXPECT_FALSE(Box("CheckBoxGPIO")->isChecked());
    EXPECT_FALSE(Box("CheckBoxDDR2")->isChecked());
    for (const char* name : kGpioRow) EXPECT_FALSE(Shown(name)) << name;
    EXPECT_TRUE(Shown("ComboBoxKelpinA"));
    EXPECT_EQ(LabelA(), "Kelpin-A");
    for (std::size_t i = 0; i < std::size(kOutlinedBoxes); ++i) {
        const bool ticked = std::string(kOutlinedBoxes[i]) != "CheckBoxDDR2";
        EXPECT_EQ(Shown(kOutlines[i]), ticked) << kOutlines[i];
        Box(kOutlinedBoxes[i])->click();
        EXPECT_EQ(Shown(kOutlines[i]), !ticked) << kOutlines[i];
        Box(kOutlinedBoxes[i])->click();
    }
    for (const char* shape : {"ShapeKelpinA", "ShapeKelpinB", "ShapeGpio0", "ShapeGpio1"}) EXPECT_FALSE(Shown(shape));
    Pick(Combo("ComboBoxKelpinC"), 2);
    EXPECT_TRUE(Shown("ShapeKelpinC"));
    EXPECT_TRUE(Shown("ImageKelpinC"));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Ticking "GPIO Header" shows the headers in Kelpin-A's place; the 80-pin card on GPIO-0 goes
// on GPIO-1 with GPIO-0's prefix and locks it, a 40-pin card frees it again. Kelpin-A's card
// stays on its hidden combo but is stored as none, and its picture shows GPIO-1's card.
TEST_F(OrlennForm, GpioHeadersTakeKelpinAsPlace)
{
    Open();
    Pick(Combo("ComboBoxKelpinA"), 6);
    Edit("EditPrefixKelpinA")->setText("KA_");
    Box("CheckBoxGPIO")->click();
    for (const char* name : kGpioRow) EXPECT_TRUE(Shown(name)) << name;
    EXPECT_FALSE(Shown("ComboBoxKelpinA"));
    EXPECT_FALSE(Shown("EditPrefixKelpinA"));
    EXPECT_FALSE(Shown("ShapeKelpinA"));
    EXPECT_FALSE(Shown("ImageKelpinA"));  // GPIO-1 has no card yet
    EXPECT_EQ(LabelA(), "GPIO-1");

    Edit("EditPrefixGpio0")->setText("G_");
    Pick(Combo("ComboBoxGpio0"), 2);  // the 80-pin card
    EXPECT_EQ(Current("ComboBoxGpio1"), BoardName(DAUGHTER_Kobbet_GPIO));
    EXPECT_EQ(Text("EditPrefixGpio1"), "G_");
    EXPECT_FALSE(Combo("ComboBoxGpio1")->isEnabled());
    EXPECT_TRUE(Shown("ImageKelpinA"));
    EXPECT_TRUE(Shown("ShapeGpio1"));
    Pick(Combo("ComboBoxKelpinC"), 3);  // a Kelpin pick leaves the headers alone
    EXPECT_FALSE(Combo("ComboBoxGpio1")->isEnabled());

    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_NE(qsf.find("-to G_"), std::string::npos);
    EXPECT_EQ(qsf.find("-to KA_"), std::string::npos);

    Pick(Combo("ComboBoxGpio0"), 3);  // a 40-pin card
    EXPECT_TRUE(Combo("ComboBoxGpio1")->isEnabled());
    EXPECT_EQ(Current("ComboBoxGpio1"), "None");
    Pick(Combo("ComboBoxGpio1"), 4);
    Edit("EditPrefixGpio1")->setText("H_");
    dialogs.QueueFile(std::nullopt);
    Press("ButtonSave");
    EXPECT_EQ(Current("ComboBoxKelpinA"), BoardName(DAUGHTER_Kelpin_LOOPBACK));

    main.reset();  // the form saves "default.cfg" as it goes
    const auto written = ReadRecordFile<ORLENN_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.bGPIO, 1);
    EXPECT_EQ(written.nKelpinDaughterId[0], 0);
    EXPECT_EQ(written.szKelpinPrefixName[0][0], 0);
    EXPECT_EQ(written.nGpioDaughterId[GPIO_0], DAUGHTER_Sollip);
    EXPECT_EQ(ReadRecordText(written.szGpioPrefixName[GPIO_0]), "G_");
    EXPECT_EQ(written.nGpioDaughterId[GPIO_1], DAUGHTER_Garvet);
    EXPECT_EQ(ReadRecordText(written.szGpioPrefixName[GPIO_1]), "H_");
    EXPECT_EQ(written.nKelpinDaughterId[2], DAUGHTER_Wyrsel);
}

// A stored record shows the label "GPIO-1 Header" and keeps it through clicks on the other
// boxes; only "GPIO Header" relabels ("GPIO-1" or "Kelpin-A"). The 80-pin card stored on GPIO-1
// alone is taken off, as GPIO-0 leads the pairing of a loaded record.
TEST_F(OrlennForm, StoredHeadersKeepTheirCardAndLabel)
{
    ORLENN_CONFIG record;
    DefaultConfig(record);
    record.bGPIO = 1;
    record.nGpioDaughterId[GPIO_1] = DAUGHTER_Kobbet_GPIO;
    WriteRecordText(record.szGpioPrefixName[GPIO_1], "K_");
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(LabelA(), "GPIO-1 Header");
    for (const char* combo : {"ComboBoxGpio0", "ComboBoxGpio1"}) {
        EXPECT_EQ(Current(combo), "None") << combo;
        EXPECT_TRUE(Combo(combo)->isEnabled()) << combo;
    }
    EXPECT_EQ(Text("EditPrefixGpio1"), "");

    for (const char* box : {"CheckBoxLED", "CheckBoxDDR2", "CheckBoxDDR2"}) {
        Box(box)->click();
        EXPECT_EQ(LabelA(), "GPIO-1 Header") << box;
    }
    EXPECT_FALSE(Shown("ShapeLED"));
    Box("CheckBoxGPIO")->click();
    EXPECT_EQ(LabelA(), "Kelpin-A");
    Box("CheckBoxGPIO")->click();
    EXPECT_EQ(LabelA(), "GPIO-1");

    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    ASSERT_NE(qsf, "");
    EXPECT_EQ(qsf.find("K_ADC_OTR_A"), std::string::npos);
}

// "DDR2 SODIMM" empties and locks Kelpin-B, hides its picture (the module has none) and
// outline, and keeps it out of the checks and the project.
TEST_F(OrlennForm, TheDdr2ModuleTakesKelpinBsPlace)
{
    Open();
    Pick(Combo("ComboBoxKelpinB"), 6);
    Edit("EditPrefixKelpinB")->setText("L_");
    Pick(Combo("ComboBoxKelpinC"), 6);
    Edit("EditPrefixKelpinC")->setText("L_");
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{SamePrefix("Kelpin-B", "Kelpin-C")});

    dialogs.Clear();
    Box("CheckBoxDDR2")->click();
    EXPECT_EQ(Current("ComboBoxKelpinB"), "None");
    EXPECT_EQ(Text("EditPrefixKelpinB"), "");
    EXPECT_FALSE(Combo("ComboBoxKelpinB")->isEnabled());
    EXPECT_FALSE(Shown("ImageKelpinB"));
    EXPECT_FALSE(Shown("ShapeKelpinB"));
    EXPECT_TRUE(Shown("ShapeDDR2"));
    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    for (const char* part : {"PIN_AJ3 -to mem_dqs_n[0]\r\n", "-to L_"})
        EXPECT_NE(qsf.find(part), std::string::npos) << part;
    Box("CheckBoxDDR2")->click();
    EXPECT_TRUE(Combo("ComboBoxKelpinB")->isEnabled());
}

// The last failed check is shown: the GPIO check runs after an empty name, the Kelpin check
// only when nothing failed before it. The 80-pin card passes with one prefix.
TEST_F(OrlennForm, ChecksShowTheLastFailure)
{
    Open();
    struct Case {
        const char* name;
        bool gpio;
        int gpio0, gpio1;
        int kelpinA, kelpinD;
        std::vector<std::string> texts;
    };
    const std::string gpioConflict = SamePrefix("GPIO-0", "GPIO-1");
    const Case cases[] = {
        {"", true, 1, 1, 0, 0, {gpioConflict}},
        {"", false, 0, 0, 3, 3, {"Project Name cannot be empty."}},
        {"O", true, 3, 3, 0, 0, {gpioConflict}},
        {"O", true, 2, 2, 0, 0, {}},
        {"O", false, 1, 1, 3, 3, {SamePrefix("Kelpin-A", "Kelpin-D")}},
        {"O", true, 1, 3, 3, 3, {}},  // Kelpin-A is replaced
    };
    for (const Case& c : cases) {
        dialogs.Clear();
        Edit("EditProjectName")->setText(QString::fromLatin1(c.name));
        if (Box("CheckBoxGPIO")->isChecked() != c.gpio) Box("CheckBoxGPIO")->click();
        if (c.gpio) {
            Pick(Combo("ComboBoxGpio0"), c.gpio0);
            if (Combo("ComboBoxGpio1")->isEnabled()) Pick(Combo("ComboBoxGpio1"), c.gpio1);
        }
        Pick(Combo("ComboBoxKelpinA"), c.kelpinA);
        Pick(Combo("ComboBoxKelpinD"), c.kelpinD);
        dialogs.QueueFile(std::nullopt);
        Press("ButtonSave");
        EXPECT_EQ(dialogs.Texts(), c.texts) << c.name << c.gpio << c.gpio0 << c.kelpinA;
    }
}

// "Kelpin Default" is refused by name on a connector in use, before the project dialog, and
// passes where the headers take its connector's place.
TEST_F(OrlennForm, KelpinDefaultIsRefusedWhereItWouldBeBuilt)
{
    Open();
    Pick(Combo("ComboBoxKelpinA"), 1);
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Kelpin Default has no pin map; choose another card."});
    EXPECT_TRUE(dialogs.FileDialogs().empty());
    dialogs.Clear();
    Box("CheckBoxGPIO")->click();
    EXPECT_NE(Generate(), "");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A stored board type shows and generates as its list entry; one outside the list shows and
// generates as the default type. Card ids the lists do not offer leave their combos as they
// were.
TEST_F(OrlennForm, StoredBoardTypes)
{
    struct Case {
        uint8_t stored;
        const char* shown;
        const char* device;
    };
    for (const Case& c : {Case{3, "Orlenn 340C3", "EP3SL340H1152C3"}, Case{9, "Orlenn 150", "EP3SL150F1152C3"},
                          Case{200, "Orlenn 150", "EP3SL150F1152C3"}}) {
        ORLENN_CONFIG record;
        DefaultConfig(record);
        record.nBoardType = c.stored;
        record.bDDR2 = 1;
        record.nKelpinDaughterId[2] = DAUGHTER_GPIO_DEFAULT;  // in no Kelpin list
        WriteRecordText(record.szKelpinPrefixName[2], "LOST_");
        WriteRecordFile(DefaultCfg(), record);
        Open();
        EXPECT_EQ(Current("ComboBoxBoardType"), c.shown);
        EXPECT_EQ(Current("ComboBoxKelpinC"), "None");
        EXPECT_EQ(Text("EditPrefixKelpinC"), "");
        EXPECT_FALSE(Shown("ImageKelpinB"));
        const std::string qsf = Generate();
        EXPECT_NE(qsf.find(std::string("-name DEVICE ") + c.device + "\r\n"), std::string::npos) << int{c.stored};
        main.reset();
        EXPECT_EQ(ReadRecordFile<ORLENN_CONFIG>(DefaultCfg()).nBoardType, c.stored == 3 ? 3 : 0);
    }
}

// The Wembrel form where it differs from the board-form base: its defaults, which leave the
// record's header to FormToConfig, the Kelpin list on both connectors, the Kelpin prefix
// check that shows only the last failure, the refusal of "Kelpin Default", and no box after
// success.
#include <QLabel>

#include "FormFixture.h"
#include "boards/early/UI_WEMBREL.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kBoxes[] = {"CheckBoxOSC",  "CheckBoxLED",  "CheckBoxButton",
                                  "CheckBoxGpio", "CheckBoxDDR2", "CheckBoxPciBus"};
constexpr const char* kShapes[] = {"ShapeOSC", "ShapeLED", "ShapeButton", "ShapePio", "ShapeDDR2", "ShapeBridge"};
constexpr const char* kKelpin23Shapes[] = {"ShapeKelpin2", "ShapeKelpin3", "ShapeKelpin23"};

const std::vector<std::string> kCards = CardNames({0, 5, 6, 7, 8, 15, 20});
const std::string kKelpinConflict =
    "Kelpin23 and Kelpin1 cannot have the same prefix name when both connect to the same type of daughter boards.";

}  // namespace

class WembrelForm : public BoardFormFixture<TFormWembrel, MAINBOARD_Wembrel> {
protected:
    std::string Folder() const { return dir.Path() + "CodeGenerated/Wembrel/Wembrel/"; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Wembrel.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Wembrel.qsf") ? tooltest::ReadFile(Folder() + "Wembrel.qsf") : "";
    }
};

// The defaults on the controls; each box drives its own outline, the Kelpin 2/3 combo its
// three outlines and Kelpin 1 its one. The record the form saves as it goes carries
// Wembrel's header although the defaults leave it at 0.
TEST_F(WembrelForm, DefaultsOutlinesAndTheSavedHeader)
{
    Open();
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Cyclone III Wembrel");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Wembrel");
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        const bool ticked = i < 3;
        EXPECT_EQ(Box(kBoxes[i])->isChecked(), ticked) << kBoxes[i];
        EXPECT_EQ(Shown(kShapes[i]), ticked) << kShapes[i];
        Box(kBoxes[i])->click();
        for (std::size_t j = 0; j < std::size(kShapes); ++j)
            EXPECT_EQ(Shown(kShapes[j]), (j < 3) != (i == j)) << kBoxes[i] << ": " << kShapes[j];
        Box(kBoxes[i])->click();
    }
    for (const char* combo : {"ComboBoxKelpin23", "ComboBoxKelpin1"}) EXPECT_EQ(Items(Combo(combo)), kCards) << combo;
    Pick(Combo("ComboBoxKelpin23"), 3);
    for (const char* shape : kKelpin23Shapes) EXPECT_TRUE(Shown(shape)) << shape;
    EXPECT_TRUE(Shown("ImageKelpin23"));
    EXPECT_FALSE(Shown("ShapeKelpin1"));
    EXPECT_FALSE(Shown("ImageKelpin1"));
    Pick(Combo("ComboBoxKelpin1"), 6);
    EXPECT_TRUE(Shown("ShapeKelpin1"));
    Pick(Combo("ComboBoxKelpin23"), 0);
    for (const char* shape : kKelpin23Shapes) EXPECT_FALSE(Shown(shape)) << shape;
    for (const char* name : {"EditPrefixKelpin23", "EditPrefixKelpin1"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    Box("CheckBoxPciBus")->click();

    main.reset();  // the form saves "default.cfg" as it goes
    const auto written = ReadRecordFile<WEMBREL_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.BoardId, MAINBOARD_Wembrel);
    EXPECT_EQ(written.Size, 404);
    EXPECT_EQ(written.bPciBus, 1);
    EXPECT_EQ(written.nKelpin23DaughterId, 0);
    EXPECT_EQ(written.nKelpin1DaughterId, DAUGHTER_Kelpin_LOOPBACK);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Both checks run and only the last failure shows; the same card on both connectors needs
// two prefixes (two empty ones are equal), other cards pass with equal prefixes.
TEST_F(WembrelForm, TheKelpinCheckHasTheLastWord)
{
    Open();
    struct Case {
        const char* name;
        int entry23, entry1;
        const char* prefix23;
        const char* prefix1;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"", 2, 2, "", "", {kKelpinConflict}},
        {"", 0, 0, "", "", {"Project Name cannot be empty."}},
        {"W", 6, 6, "K_", "K_", {kKelpinConflict}},
        {"W", 6, 6, "K_", "k_", {}},
        {"W", 3, 4, "K_", "K_", {}},
    };
    for (const Case& c : cases) {
        dialogs.Clear();
        Edit("EditProjectName")->setText(QString::fromLatin1(c.name));
        Pick(Combo("ComboBoxKelpin23"), c.entry23);
        Pick(Combo("ComboBoxKelpin1"), c.entry1);
        Edit("EditPrefixKelpin23")->setText(QString::fromLatin1(c.prefix23));
        Edit("EditPrefixKelpin1")->setText(QString::fromLatin1(c.prefix1));
        dialogs.QueueFile(std::nullopt);
        Press("ButtonSave");
        EXPECT_EQ(dialogs.Texts(), c.texts) << c.name << c.entry23 << c.entry1 << c.prefix1;
        EXPECT_EQ(dialogs.FileDialogs().size(), c.texts.empty() ? 1u : 0u);
    }
}

// "Kelpin Default" stays offered but Generate refuses it on either connector before the
// project dialog; other cards generate with nothing shown, each under its own prefix, and
// the DDR2 module's signals under "mem_".
TEST_F(WembrelForm, GenerateRefusesKelpinDefaultAndShowsNothingOnSuccess)
{
    Open();
    for (const char* combo : {"ComboBoxKelpin23", "ComboBoxKelpin1"}) {
        dialogs.Clear();
        Pick(Combo(combo), 1);
        EXPECT_EQ(Generate(), "") << combo;
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Kelpin Default has no pin map; choose another card."});
        EXPECT_TRUE(dialogs.FileDialogs().empty());
        Pick(Combo(combo), 0);
    }

    dialogs.Clear();
    Box("CheckBoxDDR2")->click();
    Pick(Combo("ComboBoxKelpin23"), 6);  // Kelpin Loopback
    Pick(Combo("ComboBoxKelpin1"), 6);
    Edit("EditPrefixKelpin23")->setText("A_");
    Edit("EditPrefixKelpin1")->setText("B_");
    const std::string qsf = Generate();
    EXPECT_TRUE(dialogs.Boxes().empty());
    for (const char* part : {"PIN_C10 -to mem_dq[0]\r\n", "-to A_", "-to B_", "DEVICE EP3C120F780C7\r\n"})
        EXPECT_NE(qsf.find(part), std::string::npos) << part;
}

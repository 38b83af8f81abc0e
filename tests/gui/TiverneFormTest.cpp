// The Tiverne form where it differs from the board-form base: the layout's colour, its
// controls and defaults, one box per group with "Flash and SSRAM" on two outlines, the HSMC
// list, no prefix check and no box after success.
#include <QLabel>

#include "FormFixture.h"
#include "boards/early/UI_TIVERNE.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"

namespace {

struct Group {
    const char* box;
    std::vector<const char*> outlines;
};
const Group kGroups[] = {
    {"CheckBoxOSC", {"ShapeOSC"}},
    {"CheckBoxLED", {"ShapeLED"}},
    {"CheckBoxButton", {"ShapeButton"}},
    {"CheckBoxSDRAM", {"ShapeDDR"}},
    {"CheckBoxFlashSSRAM", {"ShapeFlash", "ShapeSSRAM"}},
};
constexpr const char* kAllOutlines[] = {"ShapeOSC", "ShapeLED", "ShapeButton", "ShapeDDR", "ShapeFlash", "ShapeSSRAM"};

const std::vector<std::string> kCards = CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61});

}  // namespace

class TiverneForm : public BoardFormFixture<TFormTiverne> {
protected:
    void Open() { BoardFormFixture::Open(MAINBOARD_Tiverne); }
};

TEST_F(TiverneForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(803, 468));
    EXPECT_NE(form->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Tiverne");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Tiverne");
    for (const Group& g : kGroups) EXPECT_TRUE(Box(g.box)->isChecked()) << g.box;
    for (const char* outline : kAllOutlines) EXPECT_TRUE(Shown(outline)) << outline;
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")), kCards);
    EXPECT_EQ(Current("ComboBoxHSMC"), "None");
    EXPECT_FALSE(Shown("ShapeHSMC"));
    EXPECT_FALSE(Shown("ImageHSMC"));
    Edit("EditPrefixHSMC")->setText(QString(200, QLatin1Char('x')));
    EXPECT_EQ(Text("EditPrefixHSMC").size(), 127u);
}

// Each box switches its own outlines and nothing else; the card picture follows the combo.
TEST_F(TiverneForm, EachBoxSwitchesItsOwnOutlines)
{
    Open();
    for (const Group& g : kGroups) {
        Box(g.box)->click();
        for (const char* outline : kAllOutlines) {
            bool own = std::find(g.outlines.begin(), g.outlines.end(), std::string_view(outline)) != g.outlines.end();
            EXPECT_EQ(Shown(outline), !own) << g.box << ": " << outline;
        }
        EXPECT_FALSE(Shown("ImageHSMC"));
        Box(g.box)->click();
    }
    Pick(Combo("ComboBoxHSMC"), 1);
    EXPECT_TRUE(Shown("ShapeHSMC"));
    EXPECT_TRUE(Shown("ImageHSMC"));
    Box("CheckBoxLED")->click();
    EXPECT_TRUE(Shown("ImageHSMC"));
}

// Generate writes the card under its own names where the prefix is empty and shows nothing;
// a prefix from a record without a card is not shown.
TEST_F(TiverneForm, GenerateShowsNothingAndTheCardKeepsItsNames)
{
    TIVERNE_CONFIG record;
    DefaultConfig(record);
    record.nHsmcDaughterId = DAUGHTER_Sendle;  // needs transceivers: in no list here
    WriteRecordText(record.szHSMCPrefixName, "LOST_");
    WriteRecordFile(DefaultCfg(), record);
    Open();
    EXPECT_EQ(Current("ComboBoxHSMC"), "None");
    EXPECT_EQ(Text("EditPrefixHSMC"), "");

    Pick(Combo("ComboBoxHSMC"), 1);  // HSMC Default
    const std::string folder = dir.Path() + "CodeGenerated/Tiverne/Tiverne/";
    dialogs.QueueFile(folder + "Tiverne.qpf");
    Press("ButtonGen");
    EXPECT_TRUE(dialogs.Boxes().empty());
    const std::string qsf = tooltest::ReadFile(folder + "Tiverne.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_E1 -to SDA\r\n"), std::string::npos);
    EXPECT_EQ(qsf.find("-to HSMC_"), std::string::npos);

    main.reset();  // the form saves "default.cfg" as it goes
    const auto written = ReadRecordFile<TIVERNE_CONFIG>(DefaultCfg());
    EXPECT_EQ(written.nHsmcDaughterId, DAUGHTER_HSMC_DEFAULT);
    EXPECT_EQ(written.bFlashSSRAM, 1);
}

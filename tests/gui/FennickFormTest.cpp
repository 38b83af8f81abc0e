// The Fennick form where it differs from the Harnix form it shares its routines with: its
// controls and defaults, and the 408-byte "default.cfg" that either board reads with its own
// layout. Pairing and the prefix check are the shared form's (HarnixFormTest).
#include <QLabel>
#include <cstring>

#include "FormFixture.h"
#include "boards/early/UI_FENNICK.h"
#include "boards/early/UI_HARNIX.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"

namespace {

constexpr const char* kGroupBoxes[] = {"CheckBoxOSC",   "CheckBoxLED",   "CheckBoxSeg7",  "CheckBoxButton", "CheckBoxSwitch",
                                       "CheckBoxPS2",   "CheckBoxSDCARD", "CheckBoxVGA",  "CheckBoxSDRAM",  "CheckBoxFlash",
                                       "CheckBoxRS232", "CheckBoxSRAM",  "CheckBoxSma",   "CheckBoxAudio"};
constexpr const char* kGroupShapes[] = {"ShapeOSC",   "ShapeLED",   "ShapeSeg7",  "ShapeButton", "ShapeSwitch",
                                        "ShapePS2",   "ShapeSDCARD", "ShapeVGA",  "ShapeSDRAM",  "ShapeFlash",
                                        "ShapeRS232", "ShapeSRAM",  "ShapeSma",   "ShapeAudio"};

const std::vector<std::string> kCards = CardNames({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74});

const std::string kSamePrefix =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

}  // namespace

class FennickForm : public BoardFormFixture<TFormFennick, MAINBOARD_Fennick> {
protected:
    std::string Folder(const char* board) const { return dir.Path() + "CodeGenerated/" + board + "/" + board + "/"; }
};

TEST_F(FennickForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(793, 469));
    EXPECT_EQ(form->windowTitle().toStdString(), "Fennick FPGA Board");
    EXPECT_NE(form->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Fennick FPGA Board");
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ButtonDefaultSetting")), nullptr);
    EXPECT_EQ(Text("EditProjectName"), "Fennick");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        EXPECT_TRUE(Box(kGroupBoxes[i])->isChecked()) << kGroupBoxes[i];
        EXPECT_TRUE(Shown(kGroupShapes[i])) << kGroupShapes[i];
        Box(kGroupBoxes[i])->click();
        EXPECT_FALSE(Shown(kGroupShapes[i])) << kGroupShapes[i];
    }
    for (const char* combo : {"ComboBoxGpio0", "ComboBoxGpio1"}) {
        EXPECT_EQ(Items(Combo(combo)), kCards) << combo;
        EXPECT_EQ(Current(combo), "None");
    }

    // The 80-pin card picked on GPIO-0 spans both headers under GPIO-0's prefix; success
    // shows nothing.
    Edit("EditPrefixGpio0")->setText("K_");
    Pick(Combo("ComboBoxGpio0"), 2);
    EXPECT_FALSE(Combo("ComboBoxGpio1")->isEnabled());
    EXPECT_EQ(Text("EditPrefixGpio1"), "K_");
    dialogs.QueueFile(Folder("Fennick") + "Fennick.qpf");
    Press("ButtonGen");
    EXPECT_TRUE(dialogs.Boxes().empty());
    const std::string qsf = tooltest::ReadFile(Folder("Fennick") + "Fennick.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_A13 -to K_ADC_OTR_A\r\n"), std::string::npos);
}

// Fennick's defaults left in "default.cfg" put card 1 on both Harnix headers (its SMA and
// Audio bytes lie where Harnix keeps its card ids), which the prefix check refuses until one
// header changes; Harnix's record read back by Fennick gives its card bytes to SMA and Audio
// and takes Fennick's card ids from Harnix's GPIO-0 prefix.
TEST_F(FennickForm, EachBoardReadsTheOthersDefaultCfgWithItsOwnLayout)
{
    Open();
    main->CreateBoardForm(MAINBOARD_Harnix);  // Fennick's form goes, writing its defaults
    QWidget* harnix = dynamic_cast<TFormHarnix*>(main->BoardForm());
    ASSERT_NE(harnix, nullptr);
    auto combo = [harnix](const char* name) { return formlayout::FindControl<QComboBox>(harnix, name); };
    EXPECT_EQ(formlayout::FindControl<QLineEdit>(harnix, "EditProjectName")->text().toStdString(), "Fennick");
    for (const char* name : {"ComboBoxGpio0", "ComboBoxGpio1"})
        EXPECT_EQ(combo(name)->currentText().toStdString(), BoardName(DAUGHTER_GPIO_DEFAULT)) << name;
    dialogs.QueueFile(dir.Path() + "refused.cfg");
    formlayout::FindControl<QPushButton>(harnix, "ButtonSave")->click();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSamePrefix});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // Harnix's record: no card on GPIO-0, and a GPIO-0 prefix whose first bytes are card ids.
    dialogs.Clear();
    Pick(combo("ComboBoxGpio0"), 0);
    Pick(combo("ComboBoxGpio1"), 0);
    formlayout::FindControl<QCheckBox>(harnix, "CheckBoxLCD")->click();  // byte 144: Fennick's SDRAM
    main.reset();
    HARNIX_CONFIG written = ReadRecordFile<HARNIX_CONFIG>(DefaultCfg());
    WriteRecordText(written.szGpioPrefixName[GPIO_0], std::string{char(DAUGHTER_Sollip), char(DAUGHTER_Garvet)});
    WriteRecordFile(DefaultCfg(), written);

    Open();
    EXPECT_FALSE(Box("CheckBoxSma")->isChecked());
    EXPECT_FALSE(Box("CheckBoxAudio")->isChecked());
    EXPECT_FALSE(Box("CheckBoxSDRAM")->isChecked());
    EXPECT_EQ(Current("ComboBoxGpio0"), BoardName(DAUGHTER_Sollip));
    EXPECT_EQ(Current("ComboBoxGpio1"), BoardName(DAUGHTER_Garvet));
    main.reset();
    const FENNICK_CONFIG mine = ReadRecordFile<FENNICK_CONFIG>(DefaultCfg());
    EXPECT_EQ(mine.BoardId, MAINBOARD_Fennick);
    EXPECT_EQ(mine.Size, 408);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

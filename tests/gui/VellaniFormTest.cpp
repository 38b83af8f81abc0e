// The Vellani form where it differs from the board-form base: its defaults and card lists,
// the clock lists of the two chips, the checks of Save and Generate, the notes after
// success, and records whose choices lie outside the lists.
#include "FormFixture.h"
#include "boards/stratix5/UI_VELLANI.h"
#include "core/model/MainBoard.h"
#include "core/settings/RecordText.h"

namespace {

constexpr const char* kCdcmCombos[] = {"ComboBoxPLL_FMCA",        "ComboBoxPLL_FMCD", "ComboBoxPLL_SATA_HOST",
                                       "ComboBoxPLL_SATA_DEVICE", "ComboBoxPLL_PCIE", "ComboBoxPLL_DDR3"};
constexpr const char* kLmkCombos[] = {"ComboBoxPLL_FMCA_PLUS", "ComboBoxPLL_FMCB_PLUS", "ComboBoxPLL_FMCC_PLUS",
                                      "ComboBoxPLL_FMCD_PLUS"};
constexpr const char* kFmcCombos[] = {"ComboBoxFmc_A", "ComboBoxFmc_B", "ComboBoxFmc_C", "ComboBoxFmc_D"};

const std::string kDdr3Question = "DDR3 is enabled but the associated referece clock is not configured.\r\n"
                                  "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed to "
                                  "the next step.\r\n"
                                  "Do you want to continue?";
const std::string kFmcClockWarning = "Due to the limitation of CDCM6208,\r\n"
                                     "the clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must be the same..\r\n";

}  // namespace

class VellaniForm : public BoardFormFixture<TFormVellani, MAINBOARD_Vellani> {
protected:
    std::string Folder() const { return dir.Path() + "CodeGenerated/Vellani/Vellani/"; }
    // Generate into the proposed folder; the .qsf written, or empty.
    std::string Generate()
    {
        dialogs.QueueFile(Folder() + "Vellani.qpf");
        Press("ButtonGen");
        return platform::FileExists(Folder() + "Vellani.qsf") ? tooltest::ReadFile(Folder() + "Vellani.qsf") : "";
    }
    std::vector<std::string> Shows(std::initializer_list<const char*> combos)
    {
        std::vector<std::string> shown;
        for (const char* combo : combos) shown.push_back(Current(combo));
        return shown;
    }
    bool AllEnabled(std::span<const char* const> combos, bool enabled)
    {
        for (const char* combo : combos)
            if (Combo(combo)->isEnabled() != enabled) return false;
        return true;
    }
};

TEST_F(VellaniForm, FirstStartShowsTheDefaultsAndTheLists)
{
    Open();
    EXPECT_EQ(form->size(), QSize(835, 826));
    EXPECT_EQ(Text("EditProjectName"), "Vellani");
    EXPECT_EQ(Items(Combo("ComboBoxBoard")),
              (std::vector<std::string>{"Vellani_A7(5SGXEA7N2F45C2N)", "Vellani_AB(5SGXEABN2F45C2N)",
                                        "Vellani_AB(5SGXEABN3F45I3NYY)"}));
    EXPECT_EQ(Combo("ComboBoxBoard")->currentIndex(), 0);
    for (const char* ticked : {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxSwitch", "CheckBoxSma",
                               "CheckBoxTemp", "CheckBoxPower", "CheckBoxUart2Usb", "CheckBoxSdcard", "CheckBoxFan",
                               "CheckBoxSSRAM", "CheckBoxFlash"})
        EXPECT_TRUE(Box(ticked)->isChecked()) << ticked;
    for (const char* clear : {"CheckBoxDDR3", "CheckBoxPCIe", "CheckBoxSataHost", "CheckBoxSataDevice",
                              "CheckBoxExtCdcmPLL", "CheckBoxExtLmkPLL"})
        EXPECT_FALSE(Box(clear)->isChecked()) << clear;
    EXPECT_TRUE(AllEnabled(kCdcmCombos, false));
    EXPECT_TRUE(AllEnabled(kLmkCombos, false));
    for (const char* combo : kCdcmCombos) EXPECT_EQ(Current(combo), "Disable") << combo;
    EXPECT_EQ(Items(Combo("ComboBoxPLL_FMCD")), (std::vector<std::string>{"Disable", "100.0", "125.0", "150.0"}));
    EXPECT_EQ(Items(Combo("ComboBoxPLL_DDR3")), (std::vector<std::string>{"Disable", "133.333"}));
    EXPECT_EQ(Items(Combo("ComboBoxPLL_FMCC_PLUS")), (std::vector<std::string>{"Disable", "322.265625", "644.53125"}));

    EXPECT_EQ(Items(Combo("ComboBoxGpio")), CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74}));
    const auto hpc = CardNames({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 76});
    const auto lpc = CardNames({0, 41, 46, 47, 48, 50, 53, 76});
    EXPECT_EQ(Items(Combo("ComboBoxFmc_A")), hpc);
    EXPECT_EQ(Items(Combo("ComboBoxFmc_D")), hpc);
    EXPECT_EQ(Items(Combo("ComboBoxFmc_B")), lpc);
    EXPECT_EQ(Items(Combo("ComboBoxFmc_C")), lpc);
    for (const char* combo : kFmcCombos) EXPECT_EQ(Current(combo), "None");
    EXPECT_FALSE(Shown("ShapeCDCM6208"));
    Pick(Combo("ComboBoxFmc_C"), 2);
    EXPECT_TRUE(Shown("ShapeFmc_C"));
    EXPECT_FALSE(Shown("ShapeFmc_B"));

    Box("CheckBoxExtCdcmPLL")->click();
    EXPECT_TRUE(Shown("ShapeCDCM6208"));
    EXPECT_TRUE(AllEnabled(kCdcmCombos, true));
    EXPECT_EQ(Shows({"ComboBoxPLL_FMCA", "ComboBoxPLL_FMCD", "ComboBoxPLL_SATA_HOST", "ComboBoxPLL_SATA_DEVICE",
                     "ComboBoxPLL_PCIE", "ComboBoxPLL_DDR3"}),
              (std::vector<std::string>{"125.0", "125.0", "150.0", "150.0", "Disable", "133.333"}));
    EXPECT_TRUE(AllEnabled(kLmkCombos, false));
    Box("CheckBoxExtLmkPLL")->click();
    for (const char* combo : kLmkCombos) EXPECT_EQ(Current(combo), "644.53125") << combo;

    for (const char* name : {"EditProjectName", "EditGpio", "EditFmc_A", "EditFmc_B", "EditFmc_C", "EditFmc_D"}) {
        Edit(name)->setText(QString(200, QLatin1Char('x')));
        EXPECT_EQ(Text(name).size(), 127u) << name;
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A pick in a clock list stays through clicks on other boxes; unticking a chip shows
// "Disable" and ticking it again gives the picks back; "Default Setting" the record's.
TEST_F(VellaniForm, ClockPicksStayUntilTheRecordChanges)
{
    Open();
    Box("CheckBoxExtCdcmPLL")->click();
    Box("CheckBoxExtLmkPLL")->click();
    Pick(Combo("ComboBoxPLL_FMCA"), 3);
    Pick(Combo("ComboBoxPLL_FMCD"), 3);
    Pick(Combo("ComboBoxPLL_FMCB_PLUS"), 1);
    Box("CheckBoxLED")->click();
    Box("CheckBoxExtLmkPLL")->click();  // LMK04906 off: its lists only
    EXPECT_EQ(Shows({"ComboBoxPLL_FMCA", "ComboBoxPLL_FMCD"}), (std::vector<std::string>{"150.0", "150.0"}));
    EXPECT_EQ(Current("ComboBoxPLL_FMCB_PLUS"), "Disable");
    EXPECT_TRUE(AllEnabled(kLmkCombos, false));

    Box("CheckBoxExtLmkPLL")->click();
    EXPECT_EQ(Current("ComboBoxPLL_FMCB_PLUS"), "322.265625");
    EXPECT_EQ(Current("ComboBoxPLL_FMCA_PLUS"), "644.53125");

    // what Generate stores is what the lists show
    EXPECT_NE(Generate(), "");
    const std::string top = tooltest::ReadFile(Folder() + "Vellani.v");
    EXPECT_NE(top.find("assign cdcm6208_freq_select = `CDCM6208_MODE_2;"), std::string::npos);
    EXPECT_NE(top.find("assign lmk04906_freq_select = `FMCA_644M53125_BIT | `FMCC_644M53125_BIT | "
                       "`FMCD_644M53125_BIT;"),
              std::string::npos);

    Press("ButtonDefault");
    EXPECT_FALSE(Box("CheckBoxExtCdcmPLL")->isChecked());
    Box("CheckBoxExtCdcmPLL")->click();
    EXPECT_EQ(Current("ComboBoxPLL_FMCA"), "125.0");
}

TEST_F(VellaniForm, ChecksOfSaveAndGenerate)
{
    Open();
    // the DDR3 question, on Save as on Generate; No stops without a further box
    Box("CheckBoxDDR3")->click();
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    Press("ButtonSave");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kDdr3Question});
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Warning");
    dialogs.Clear();
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kDdr3Question});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // with the DDR3 clock programmed there is no question
    Box("CheckBoxExtCdcmPLL")->click();
    dialogs.Clear();
    Pick(Combo("ComboBoxPLL_FMCA"), 1);  // 100.0 against 125.0
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kFmcClockWarning});
    dialogs.Clear();
    Pick(Combo("ComboBoxPLL_FMCA"), 2);
    Pick(Combo("ComboBoxPLL_FMCD"), 0);  // 125.0 against Disable
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kFmcClockWarning});

    // the same card on FMC-A and FMC-D under empty prefixes
    dialogs.Clear();
    Pick(Combo("ComboBoxPLL_FMCD"), 2);
    Pick(Combo("ComboBoxFmc_A"), 3);
    Pick(Combo("ComboBoxFmc_D"), 3);
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"FMC-A and FMC-D cannot have the same prefix name when both "
                                                        "connect to the same type of daughter boards."});
    dialogs.Clear();
    Edit("EditFmc_D")->setText("D_");
    const std::string qsf = Generate();
    EXPECT_NE(qsf.find("set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Config.v"), std::string::npos);
    EXPECT_TRUE(platform::FileExists(Folder() + "cdcm6208/I2C_CDCM6208_Controller.v"));
    ASSERT_EQ(dialogs.Boxes().size(), 2u);  // the DDR3 note, then success
    EXPECT_EQ(dialogs.Boxes()[0].text.rfind("===== DDR3 Pinwright warning =====\r\n", 0), 0u);
    EXPECT_EQ(dialogs.Boxes()[1].text.rfind("Generate Quartus Project successfully.", 0), 0u);
}

TEST_F(VellaniForm, TransceiverNoteBeforeTheSuccessBox)
{
    Open();
    Box("CheckBoxPCIe")->click();
    Box("CheckBoxSataDevice")->click();
    EXPECT_NE(Generate(), "");
    ASSERT_EQ(dialogs.Boxes().size(), 2u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    EXPECT_EQ(dialogs.Boxes()[0].text,
              "===== PCIe/Sata-Device  Transceiver Pinwright warning =====\r\n"
              "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
              "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
              "Transceiver IP to your design.\r\n\r\n");
    EXPECT_EQ(dialogs.Boxes()[1].text, "Generate Quartus Project successfully.\r\nThe project is located in the "
                                       "folder:\r\n" +
                                           Folder());
}

// Choices no list holds, as a file may bring: the board type and the clock lists show their
// first entry and generate it, a GPIO card no list holds shows "None" with an empty prefix.
TEST_F(VellaniForm, RecordChoicesOutsideTheLists)
{
    VELLANI_CONFIG record = TConfigVellani::DefaultConfig();
    record.BoardVariant = 9;
    record.bExtCdcmPLL = record.bExtLmkPLL = 1;
    record.nPLL[0] = 7;
    record.nPLL[1] = 0;
    record.nPLL_PLUS[2] = 5;
    record.nGpioDaughterId = DAUGHTER_FMC_HPC_VITA;
    WriteRecordText(record.szGpioPrefixName, "LOST_");
    record.nFmcDaughterId[1] = DAUGHTER_FMC_LPC_ALTERA;
    WriteRecordText(record.szFmcPrefixName[1], "B_");
    WriteRecordFile(DefaultCfg(), record);

    Open();
    EXPECT_EQ(Current("ComboBoxBoard"), "Vellani_A7(5SGXEA7N2F45C2N)");
    EXPECT_EQ(Current("ComboBoxPLL_FMCA"), "Disable");
    EXPECT_EQ(Current("ComboBoxPLL_FMCC_PLUS"), "Disable");
    EXPECT_EQ(Current("ComboBoxPLL_FMCA_PLUS"), "644.53125");
    EXPECT_EQ(Current("ComboBoxGpio"), "None");
    EXPECT_EQ(Text("EditGpio"), "");
    EXPECT_EQ(Current("ComboBoxFmc_B"), BoardName(DAUGHTER_FMC_LPC_ALTERA));
    EXPECT_EQ(Text("EditFmc_B"), "B_");

    const std::string qsf = Generate();
    EXPECT_NE(qsf.find("set_global_assignment -name DEVICE 5SGXEA7N2F45C2\r\n"), std::string::npos);
    dialogs.Clear();
    dialogs.QueueFile(std::nullopt);
    Press("ButtonLoad");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to load setting"});

    // "Exit" stores the form's own record, the clock choices as shown
    Press("ButtonExit");
    const auto saved = ReadRecordFile<VELLANI_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.BoardVariant, 0);
    EXPECT_EQ(saved.nPLL[0], 0);
    EXPECT_EQ(saved.nPLL_PLUS[2], 0);
    EXPECT_EQ(saved.nGpioDaughterId, 0);
    EXPECT_EQ(saved.nFmcDaughterId[1], DAUGHTER_FMC_LPC_ALTERA);
}

// A "default.cfg" of the right size with every byte 0xFF: the form shows what its lists
// hold, and a project from it is written without an internal error.
TEST_F(VellaniForm, EveryByteSetInTheFile)
{
    VELLANI_CONFIG record;
    std::memset(&record, 0xFF, sizeof record);
    WriteRecordFile(DefaultCfg(), record);

    Open();
    for (const char* combo : {"ComboBoxFmc_A", "ComboBoxFmc_B", "ComboBoxFmc_C", "ComboBoxFmc_D", "ComboBoxGpio"})
        EXPECT_EQ(Current(combo), "None") << combo;
    for (const char* combo : kCdcmCombos) EXPECT_EQ(Current(combo), "Disable") << combo;
    EXPECT_TRUE(Box("CheckBoxExtCdcmPLL")->isChecked());
    Edit("EditProjectName")->setText("full");
    dialogs.QueueFile(dir.Path() + "full.qpf");
    Press("ButtonGen");
    EXPECT_TRUE(dialogs.Exceptions().empty());
    EXPECT_TRUE(platform::FileExists(dir.Path() + "full.sdc"));
    EXPECT_TRUE(platform::FileExists(dir.Path() + "lmk04906/SPI_LMK04906_Config.v"));
}

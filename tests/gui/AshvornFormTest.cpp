// The Ashvorn form where it differs from the board-form base: its lists, the transceiver
// warning before the success box, and the default HSMC prefix decided by the settings record.
#include <QLabel>

#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_ASHVORN.h"

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const std::string kPcieWarning =
    "===== PCIe  Transceiver Pinwright warning =====\r\nTo prevent any errors while compiling your Quartus project, "
    "either comment out the\r\ntransceiver signals in the top level entity if they are not in use or add the Altera "
    "\r\nTransceiver IP to your design.\r\n";

}  // namespace

class AshvornForm : public BoardFormFixture<TFormAshvorn, MAINBOARD_Ashvorn> {
protected:
    std::vector<std::string> Generate(const std::string& file)
    {
        dialogs.Clear();
        dialogs.QueueFile(file);
        Press("ButtonGen");
        return dialogs.Texts();
    }
};

TEST_F(AshvornForm, PcieWarnsBeforeTheSuccessBox)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Ashvorn Pinwright V1.1.1");
    EXPECT_EQ(Items(Combo("ComboBoxGpio")), CardNames({0, 1, 12, 13, 55, 62, 63, 66, 67, 74}));
    EXPECT_EQ(Items(Combo("ComboBoxHSMC")),
              CardNames({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    EXPECT_FALSE(Box("CheckBoxPCIeHardIP")->isChecked());
    EXPECT_FALSE(Shown("ShapePCIe"));
    EXPECT_EQ(Generate(dir.Path() + "a.qpf"), std::vector<std::string>{kSuccess + dir.Path()});
    Box("CheckBoxPCIeSoftIP")->click();
    EXPECT_TRUE(Shown("ShapePCIe"));
    const std::vector<std::string> texts = Generate(dir.Path() + "b.qpf");
    EXPECT_EQ(texts, (std::vector<std::string>{kPcieWarning, kSuccess + dir.Path()}));
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
}

// A file's nHsmcOption 1 spares an empty prefix the default for any card but "HSMC Default";
// no control changes it and Save keeps it.
TEST_F(AshvornForm, SettingsRecordDecidesTheDefaultPrefix)
{
    ASHVORN_CONFIG record;
    DefaultConfig(record);
    record.nHsmcOption = 1;
    record.nHsmcDaughterId = 6;
    WriteRecordFile(DefaultCfg(), record);
    Open();
    ASSERT_EQ(Current("ComboBoxHSMC"), BoardName(6));
    Generate(dir.Path() + "spared.qpf");
    EXPECT_EQ(tooltest::ReadFile(dir.Path() + "spared.qsf").find("-to HSMC_"), std::string::npos);
    Pick(Combo("ComboBoxHSMC"), 1);  // "HSMC Default"
    Generate(dir.Path() + "named.qpf");
    EXPECT_NE(tooltest::ReadFile(dir.Path() + "named.qsf").find("-to HSMC_"), std::string::npos);
    Press("ButtonExit");
    const ASHVORN_CONFIG saved = ReadRecordFile<ASHVORN_CONFIG>(DefaultCfg());
    EXPECT_EQ(saved.nHsmcOption, 1);
    EXPECT_EQ(saved.szHSMCPrefixName[0], 0);
}

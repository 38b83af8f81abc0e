#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <fstream>
#include <memory>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_TAMBLIN.h"
#include "core/model/MainBoard.h"
#include "core/shell/UnitMain.h"
#include "platform/Environment.h"
#include "platform/qt/QtPlatform.h"

namespace {

constexpr const char* kGroupBoxes[] = {
    "CheckBoxOSC",      "CheckBoxLED",        "CheckBoxButton",      "CheckBoxCapButton", "CheckBoxSwitch",
    "CheckBoxHdmiTx",   "CheckBoxTempSensor", "CheckBoxGSensor",     "CheckBoxUsb",       "CheckBoxMIPI",
    "CheckBoxEthernet", "CheckBoxSdCard",     "CheckBoxDDR3",        "CheckBoxFlash",     "CheckBoxAudio",
    "CheckBoxSmaADC",   "CheckBoxLightSensor", "CheckBoxHumiditySensor", "CheckBoxPowerMonitor"};
constexpr const char* kGroupShapes[] = {
    "ShapeOSC",      "ShapeLED",        "ShapeButton",   "ShapeCapButton", "ShapeSwitch",
    "ShapeHdmiTx",   "ShapeTempSensor", "ShapeGsensor",  "ShapeUsb",       "ShapeMIPI",
    "ShapeEthernet", "ShapeSdCard",     "ShapeDDR3",     "ShapeFlash",     "ShapeAudio",
    "ShapeSMA_ADC",  "ShapeLightSensor", "ShapeHumiditySensor", "ShapePowerMonitor"};

const std::vector<std::string> kBbbItems = {"None", "Default", "WIFI-BLE", "BBB Mode 7"};
const char* const kBbbPictures[] = {nullptr, "BBB_DEFAULT_80_BITMAP", "BBB_WIFI_BLE_80_BITMAP", "BBB_MODE7_80_BITMAP"};
const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

void WriteRecord(const std::string& path, const TAMBLIN_CONFIG& record)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), sizeof record);
}

TAMBLIN_CONFIG ReadRecord(const std::string& path)
{
    TAMBLIN_CONFIG record;
    std::memset(&record, 0xEE, sizeof record);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(sizeof record)) << path;
    return record;
}

}  // namespace

class TamblinForm : public GuiTest {
protected:
    void Open()
    {
        main = std::make_unique<TFormMain>();
        main->show();
        main->CreateBoardForm(MAINBOARD_Tamblin);
        form = dynamic_cast<TFormTamblin*>(main->BoardForm());
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
    void Click(const char* button) { Get<QPushButton>(button)->click(); }

    // The header entry as the form shows it: its picture (none for "None") and both outlines.
    void ExpectHeaderShown(int entry)
    {
        EXPECT_EQ(Combo("ComboBoxBBB")->currentIndex(), entry);
        EXPECT_EQ(Shown("ShapeBBB_P8"), entry != 0);
        EXPECT_EQ(Shown("ShapeBBB_P9"), entry != 0);
        ASSERT_EQ(Shown("ImageBBB"), entry != 0);
        if (entry != 0)
            EXPECT_EQ(Get<QLabel>("ImageBBB")->pixmap().toImage(),
                      platform::qt::LoadBitmap(kBbbPictures[entry]).toImage());
    }

    std::unique_ptr<TFormMain> main;
    TFormTamblin* form = nullptr;
};

TEST_F(TamblinForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(794, 517));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "MAX 10 Tamblin FPGA Board");
    EXPECT_EQ(Get("PanelBoard")->height(), 340);
    EXPECT_EQ(Text("EditProjectName"), "Tamblin");
    for (std::size_t i = 0; i < std::size(kGroupBoxes); ++i) {
        const std::string box = kGroupBoxes[i];
        bool ticked = box != "CheckBoxMIPI" && box != "CheckBoxDDR3" && box != "CheckBoxSmaADC";
        EXPECT_EQ(Box(kGroupBoxes[i])->isChecked(), ticked) << box;
        EXPECT_EQ(Shown(kGroupShapes[i]), ticked) << kGroupShapes[i];
        EXPECT_EQ(Shown(kGroupBoxes[i]), box != "CheckBoxSmaADC") << box;
    }
    EXPECT_EQ(Items(Combo("ComboBoxBBB")), kBbbItems);
    ExpectHeaderShown(0);
    EXPECT_EQ(Text("EditPrefixBBB"), "");
    EXPECT_FALSE(Shown("ComboBoxBoardRev"));
    EXPECT_FALSE(Shown("LabelRevision"));
    EXPECT_EQ(Items(Combo("ComboBoxBoardRev")), (std::vector<std::string>{"revision A", "revision B", "revision C"}));
    EXPECT_EQ(Current("ComboBoxBoardRev"), "revision C");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(TamblinForm, EachHeaderChoiceShowsItsPictureAndTheHeaders)
{
    Open();
    for (int entry : {1, 2, 3, 0, 2}) {
        Pick(Combo("ComboBoxBBB"), entry);
        ExpectHeaderShown(entry);
    }
    Box("CheckBoxLED")->click();
    EXPECT_FALSE(Shown("ShapeLED"));
    Edit("EditPrefixBBB")->setText(QString(200, QLatin1Char('x')));
    EXPECT_EQ(Text("EditPrefixBBB").size(), 127u);
}

// A 292-byte "default.cfg" is taken whichever form wrote it, but every start shows revision C
// and no SMA ADC; "Exit" writes back the controls, the bytes the form does not show as they were.
TEST_F(TamblinForm, DefaultCfgIsShownWithRevisionCAndExitWritesItBack)
{
    TAMBLIN_CONFIG stored;
    DefaultConfig(stored);
    stored.BoardId = MAINBOARD_Pocklin;
    stored.Padding1[1] = 0xA1;
    std::strcpy(stored.szProjectName, "wifi");
    stored.bAudio = 0;
    stored.bMipi = 9;  // any non-zero byte is a tick
    stored.bSmaAdc = 1;
    stored.Padding2 = 0xB2;
    stored.nBoardRevision = TAMBLIN_REVISION_A;
    stored.nBbbHeaderIndex = 2;
    std::strcpy(stored.szBbbPrefixName, "W_");
    stored.Padding3[2] = 0xC3;
    WriteRecord(DefaultCfg(), stored);

    Open();
    EXPECT_EQ(Text("EditProjectName"), "wifi");
    EXPECT_FALSE(Box("CheckBoxAudio")->isChecked());
    EXPECT_TRUE(Box("CheckBoxMIPI")->isChecked());
    EXPECT_FALSE(Box("CheckBoxSmaADC")->isChecked());
    EXPECT_FALSE(Shown("ShapeSMA_ADC"));
    EXPECT_EQ(Current("ComboBoxBoardRev"), "revision C");
    ExpectHeaderShown(2);
    EXPECT_EQ(Text("EditPrefixBBB"), "W_");

    // A prefix typed while "None" is chosen is kept all the same.
    Pick(Combo("ComboBoxBBB"), 0);
    Edit("EditPrefixBBB")->setText("N_");
    Click("ButtonExit");
    TAMBLIN_CONFIG expected = stored;
    expected.BoardId = MAINBOARD_Tamblin;
    expected.bMipi = 1;
    expected.bSmaAdc = 0;
    expected.nBoardRevision = TAMBLIN_REVISION_C;
    expected.nBbbHeaderIndex = 0;
    std::strcpy(expected.szBbbPrefixName, "N_");
    TAMBLIN_CONFIG written = ReadRecord(DefaultCfg());
    EXPECT_EQ(std::memcmp(&written, &expected, sizeof written), 0);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A header index beyond the list, as a file may hold it, is shown and kept as "None".
TEST_F(TamblinForm, HeaderIndexOutsideTheListIsShownAsNone)
{
    for (uint8_t index : {4, 10, 255}) {
        SCOPED_TRACE(int(index));
        TAMBLIN_CONFIG stored;
        DefaultConfig(stored);
        stored.nBbbHeaderIndex = index;
        std::strcpy(stored.szBbbPrefixName, "LOST_");
        WriteRecord(DefaultCfg(), stored);

        Open();
        ExpectHeaderShown(0);
        EXPECT_EQ(Current("ComboBoxBBB"), "None");
        EXPECT_EQ(Text("EditPrefixBBB"), "");
        Click("ButtonExit");
        EXPECT_EQ(ReadRecord(DefaultCfg()).nBbbHeaderIndex, 0);
        main.reset();
    }
    EXPECT_TRUE(dialogs.Exceptions().empty());
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// A loaded file brings its revision and SMA ADC byte back: Generate then uses that revision
// (Ctrl held or not, there is no batch), until the form is made again.
TEST_F(TamblinForm, LoadedRevisionHoldsUntilTheFormIsMadeAgain)
{
    TAMBLIN_CONFIG file;
    DefaultConfig(file);
    file.nBoardRevision = TAMBLIN_REVISION_A;
    file.bSmaAdc = 1;
    file.nBbbHeaderIndex = 3;
    const std::string revisionA = dir.Path() + "revA.cfg";
    WriteRecord(revisionA, file);
    file.nBoardRevision = 9;
    const std::string unknown = dir.Path() + "rev9.cfg";
    WriteRecord(unknown, file);

    Open();
    dialogs.QueueFile(unknown);
    Click("ButtonLoad");
    EXPECT_EQ(Current("ComboBoxBoardRev"), "revision C");
    dialogs.QueueFile(revisionA);
    Click("ButtonLoad");
    EXPECT_EQ(Current("ComboBoxBoardRev"), "revision A");
    EXPECT_TRUE(Box("CheckBoxSmaADC")->isChecked());
    EXPECT_TRUE(Shown("ShapeSMA_ADC"));
    ExpectHeaderShown(3);

    // Cancel: the folder made for the dialog stays, nothing else happens.
    Click("ButtonGen");
    const std::string folder = dir.Path() + "CodeGenerated/Tamblin/Tamblin/";
    ASSERT_EQ(dialogs.FileDialogs().size(), 3u);
    EXPECT_EQ(dialogs.FileDialogs()[2].options.folder, folder);
    EXPECT_EQ(dialogs.FileDialogs()[2].options.proposedName, "Tamblin.qpf");
    EXPECT_TRUE(platform::DirectoryExists(folder));
    EXPECT_TRUE(dialogs.Boxes().empty());

    platform::SetCtrlDownProvider([] { return true; });
    dialogs.QueueFile(folder + "Tamblin.qpf");
    Click("ButtonGen");
    platform::SetCtrlDownProvider(nullptr);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + folder});
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
    std::string qsf = tooltest::ReadFile(folder + "Tamblin.qsf");
    EXPECT_NE(qsf.find("PIN_D6 -to HDMI_TX_CLK\r\n"), std::string::npos);
    EXPECT_NE(tooltest::ReadFile(folder + "Tamblin.v").find("gpio0"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(folder + "Tamblin.vhd"));

    Click("ButtonExit");
    EXPECT_EQ(ReadRecord(DefaultCfg()).nBoardRevision, TAMBLIN_REVISION_A);
    EXPECT_EQ(ReadRecord(DefaultCfg()).bSmaAdc, 1);
    main.reset();

    Open();
    EXPECT_EQ(Current("ComboBoxBoardRev"), "revision C");
    EXPECT_FALSE(Box("CheckBoxSmaADC")->isChecked());
    dialogs.Clear();
    dialogs.QueueFile(folder + "again.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + folder});
    EXPECT_NE(tooltest::ReadFile(folder + "again.qsf").find("PIN_A20 -to HDMI_TX_CLK\r\n"), std::string::npos);
}

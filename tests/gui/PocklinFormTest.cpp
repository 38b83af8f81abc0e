#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <fstream>
#include <memory>

#include "FormFixture.h"
#include "boards/cyclone5_max10/UI_POCKLIN.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"
#include "core/shell/UnitMain.h"
#include "platform/Environment.h"
#include "platform/qt/QtPlatform.h"

namespace {

// Each check box, the record byte it keeps and the outline it shows.
struct Group {
    const char* box;
    std::size_t offset;
    const char* shape;
};
constexpr Group kGroups[] = {
    {"CheckBoxOSC", 136, "ShapeOSC"},
    {"CheckBoxLED", 137, "ShapeLED"},
    {"CheckBoxButton", 138, "ShapeButton"},
    {"CheckBoxSwitch", 139, "ShapeSwitch"},
    {"CheckBoxHex", 140, "ShapeHex"},
    {"CheckBoxPowerMonitor", 141, "ShapePowerMonitor"},
    {"CheckBoxGSensor", 142, "ShapeGsensor"},
    {"CheckBoxHumiditySensor", 143, "ShapeHumiditySensor"},
    {"CheckBoxLightSensor", 144, "ShapeLightSensor"},
    {"CheckBoxAudio", 145, "ShapeAudio"},
    {"CheckBoxHdmiRx", 146, "ShapeHdmiRx"},
    {"CheckBoxSdCard", 147, "ShapeSdCard"},
    {"CheckBoxQspiFlash", 148, "ShapeQspiFlash"},
    {"CheckBoxPS2", 149, "ShapePS2"},
    {"CheckBoxDDR3", 150, "ShapeDDR3"},
    {"CheckBoxUart2Usb", 151, "ShapeUart2Usb"},
    {"CheckBoxEthernet", 152, "ShapeEthernet"},
    {"CheckBoxDAC", 154, "ShapeDAC"},
    {"CheckBoxMIPI", 155, "ShapeMIPI"},
    {"CheckBoxRavesh", 156, "ShapeRavesh"},
};

using Bytes = std::vector<uint8_t>;

Bytes Defaults()
{
    POCKLIN_CONFIG config;
    DefaultConfig(config);
    const auto* begin = reinterpret_cast<const uint8_t*>(&config);
    return Bytes(begin, begin + sizeof config);
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::string& path)
{
    std::string text = tooltest::ReadFile(path);
    EXPECT_EQ(text.size(), 292u) << path;
    return Bytes(text.begin(), text.end());
}

void PutInt32(Bytes& bytes, std::size_t offset, int32_t value) { std::memcpy(bytes.data() + offset, &value, 4); }

int32_t Int32At(const Bytes& bytes, std::size_t offset)
{
    int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void PutText(Bytes& bytes, std::size_t offset, const char* text) { std::strcpy(reinterpret_cast<char*>(bytes.data() + offset), text); }

constexpr std::size_t kCardId = 160;
constexpr std::size_t kPrefix = 164;

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

}  // namespace

class PocklinForm : public GuiTest {
protected:
    ~PocklinForm() override { platform::SetCtrlDownProvider(nullptr); }

    void Open()
    {
        main = std::make_unique<TFormMain>();
        main->CreateBoardForm(MAINBOARD_Pocklin);
        main->show();
        form = dynamic_cast<TFormPocklin*>(main->BoardForm());
        ASSERT_NE(form, nullptr);
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo() { return Get<QComboBox>("ComboBoxOmbrel"); }
    QLineEdit* Prefix() { return Get<QLineEdit>("EditPrefixOmbrel"); }
    QCheckBox* Box(const char* name) { return Get<QCheckBox>(name); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    bool Shown(const char* name) { return Get(name)->isVisibleTo(form); }
    std::string Current() { return Combo()->currentText().toStdString(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }

    // "Save Setting" into a file of the test's folder, and its bytes.
    Bytes Saved()
    {
        const std::string path = dir.Path() + "saved.cfg";
        dialogs.QueueFile(path);
        Click("ButtonSave");
        return ReadBytes(path);
    }
    void Load(const Bytes& bytes)
    {
        const std::string path = dir.Path() + "load.cfg";
        WriteBytes(path, bytes);
        dialogs.QueueFile(path);
        Click("ButtonLoad");
    }

    std::unique_ptr<TFormMain> main;
    TFormPocklin* form = nullptr;
};

TEST_F(PocklinForm, FirstStartShowsTheDefaults)
{
    Open();
    EXPECT_EQ(form->size(), QSize(793, 559));
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "MAX 10 Pocklin FPGA Board");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "MAX10");
    const Bytes defaults = Defaults();
    for (const Group& g : kGroups) {
        EXPECT_EQ(Box(g.box)->isChecked(), defaults[g.offset] != 0) << g.box;
        EXPECT_EQ(Shown(g.shape), defaults[g.offset] != 0) << g.shape;
    }
    EXPECT_EQ(Items(Combo()), (std::vector<std::string>{"None", "Ombrel Default", "Ombrel Bluetooth SPP"}));
    EXPECT_EQ(Current(), "None");
    EXPECT_EQ(Combo()->maxVisibleItems(), 3);
    EXPECT_EQ(Prefix()->text(), "");
    EXPECT_FALSE(Shown("ImageGpio0"));
    EXPECT_FALSE(Shown("ShapeOmbrel"));
    EXPECT_FALSE(Shown("ShapeADC"));
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

// Each box writes its own byte and shows its own outline; a loaded byte ticks only its box.
TEST_F(PocklinForm, EachBoxKeepsItsOwnByteAndOutline)
{
    Open();
    const Bytes defaults = Defaults();
    for (const Group& g : kGroups) {
        Click("ButtonDefault");
        Box(g.box)->click();
        EXPECT_EQ(Shown(g.shape), defaults[g.offset] == 0) << g.box;
        Bytes expected = defaults;
        expected[g.offset] = defaults[g.offset] ? 0 : 1;
        EXPECT_EQ(Saved(), expected) << g.box;

        Bytes only(defaults);
        std::memset(only.data() + 136, 0, 21);
        only[g.offset] = 5;  // any non-zero byte is a tick
        Load(only);
        for (const Group& other : kGroups) {
            EXPECT_EQ(Box(other.box)->isChecked(), &other == &g) << g.box << " loaded, " << other.box;
            EXPECT_EQ(Shown(other.shape), &other == &g) << g.box << " loaded, " << other.shape;
        }
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(PocklinForm, TheCardShowsItsPictureOutlineAndPrefix)
{
    Open();
    Pick(Combo(), 2);
    EXPECT_TRUE(Shown("ShapeOmbrel"));
    ASSERT_TRUE(Shown("ImageGpio0"));
    EXPECT_EQ(Get<QLabel>("ImageGpio0")->pixmap().toImage(),
              platform::qt::LoadBitmap("Ombrel_2x6_SPP_BLUETOOTH_BITMAP").toImage());
    Prefix()->setText("BT_");
    Bytes saved = Saved();
    EXPECT_EQ(Int32At(saved, kCardId), DAUGHTER_Ombrel_Velket);
    EXPECT_STREQ(reinterpret_cast<const char*>(saved.data() + kPrefix), "BT_");

    // "None" stores the prefix box as it stands; a record with no card shows none.
    Pick(Combo(), 0);
    EXPECT_FALSE(Shown("ShapeOmbrel"));
    EXPECT_FALSE(Shown("ImageGpio0"));
    saved = Saved();
    EXPECT_EQ(Int32At(saved, kCardId), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(saved.data() + kPrefix), "BT_");
    Load(saved);
    EXPECT_EQ(Prefix()->text(), "");

    Prefix()->setText(QString(200, QLatin1Char('x')));
    EXPECT_EQ(Prefix()->text().size(), 127);
}

// A stored card id that the list does not hold, whatever its width, leaves the combo on its
// entry, and that entry's card is what is saved and generated.
TEST_F(PocklinForm, StoredCardIdsOutsideTheListKeepTheEntry)
{
    Open();
    Pick(Combo(), 1);
    for (int32_t id : {256 + DAUGHTER_Ombrel_Velket, int32_t{DAUGHTER_HSMC_DEFAULT}, -1, 0x42424201}) {
        Bytes bytes = Defaults();
        PutInt32(bytes, kCardId, id);
        PutText(bytes, kPrefix, "F_");
        Load(bytes);
        EXPECT_EQ(Current(), "Ombrel Default") << id;
        EXPECT_EQ(Prefix()->text(), "F_") << id;
        EXPECT_EQ(Int32At(Saved(), kCardId), DAUGHTER_Ombrel_DEFAULT) << id;
    }
    const std::string folder = dir.Path() + "out/";
    platform::ForceDirectories(folder);
    dialogs.QueueFile(folder + "kept.qpf");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + folder});
    EXPECT_NE(tooltest::ReadFile(folder + "kept.v").find("F_GPIO"), std::string::npos);
    EXPECT_TRUE(dialogs.Exceptions().empty());
}

// A Tamblin "default.cfg" has Pocklin's size: it is shown as Pocklin's, its header choice and
// prefix (over the card id) pick no card, and "Exit" writes it back as Pocklin's with the
// bytes the form does not show left as they were.
TEST_F(PocklinForm, TamblinDefaultCfgIsShownAndExitWritesItBackAsPocklin)
{
    Bytes tamblin(292, 0);
    tamblin[0] = MAINBOARD_Tamblin;
    PutInt32(tamblin, 4, 292);
    PutText(tamblin, 8, "Tamblin");
    for (std::size_t offset = 136; offset <= 154; ++offset) tamblin[offset] = 1;
    tamblin[145] = tamblin[148] = tamblin[151] = 0;
    PutInt32(tamblin, 156, 2);
    tamblin[160] = 1;
    PutText(tamblin, 161, "BBB_");
    WriteBytes(DefaultCfg(), tamblin);

    Open();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Tamblin");
    EXPECT_TRUE(Box("CheckBoxDDR3")->isChecked());
    EXPECT_TRUE(Box("CheckBoxRavesh")->isChecked());
    EXPECT_FALSE(Box("CheckBoxAudio")->isChecked());
    EXPECT_EQ(Current(), "None");
    EXPECT_EQ(Prefix()->text(), "");

    Click("ButtonExit");
    Bytes expected = tamblin;
    expected[0] = MAINBOARD_Pocklin;
    expected[156] = 1;
    PutInt32(expected, kCardId, 0);
    expected[kPrefix] = 0;
    EXPECT_EQ(ReadBytes(DefaultCfg()), expected);
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(PocklinForm, DefaultSettingResetsNameCardAndPrefixButNotTheFolder)
{
    Open();
    platform::ForceDirectories(dir.Path() + "mine");
    Get<QLineEdit>("EditProjectName")->setText("other");
    Box("CheckBoxHex")->click();
    Pick(Combo(), 1);
    Prefix()->setText("P_");
    dialogs.QueueFile(dir.Path() + "mine/p.cfg");
    Click("ButtonSave");

    Click("ButtonDefault");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "MAX10");
    EXPECT_TRUE(Box("CheckBoxHex")->isChecked());
    EXPECT_EQ(Current(), "None");
    EXPECT_EQ(Prefix()->text(), "");
    EXPECT_FALSE(Shown("ShapeOmbrel"));
    dialogs.QueueFile(std::nullopt);
    Click("ButtonLoad");
    ASSERT_EQ(dialogs.FileDialogs().size(), 2u);
    EXPECT_EQ(dialogs.FileDialogs()[1].options.folder, dir.Path() + "mine/");
}

// Generate writes one Verilog project in the folder of the "MAX10" word, with the left Ctrl
// key held as without it: the form has no batch. Unticked groups stay out of it.
TEST_F(PocklinForm, GenerateWritesOneProjectWithOrWithoutCtrl)
{
    Open();
    Box("CheckBoxHex")->click();
    Box("CheckBoxPS2")->click();
    Pick(Combo(), 1);
    Prefix()->setText("P_");
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl ? "Ctrl held" : "no Ctrl");
        platform::SetCtrlDownProvider([ctrl] { return ctrl; });
        dialogs.Clear();
        Get<QLineEdit>("EditProjectName")->setText(ctrl ? "withctrl" : "plain");
        Click("ButtonGen");  // cancelled: the dialog's folder is made all the same
        ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
        const std::string folder = dir.Path() + "CodeGenerated/MAX10/" + (ctrl ? "withctrl/" : "plain/");
        EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, folder);
        EXPECT_TRUE(dialogs.Boxes().empty());

        dialogs.Clear();
        const std::string file = folder + (ctrl ? "withctrl.qpf" : "plain.qpf");
        dialogs.QueueFile(file);
        Click("ButtonGen");
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSuccess + folder});
        EXPECT_EQ(dialogs.Boxes()[0].caption, "Information");
        std::string top = tooltest::ReadFile(folder + (ctrl ? "withctrl.v" : "plain.v"));
        EXPECT_NE(top.find("P_GPIO"), std::string::npos);
        EXPECT_NE(top.find("LEDR"), std::string::npos);
        EXPECT_EQ(top.find("HEX0"), std::string::npos);
        EXPECT_EQ(top.find("PS2_CLK"), std::string::npos);
        EXPECT_FALSE(platform::FileExists(folder + (ctrl ? "withctrl.vhd" : "plain.vhd")));
        auto compiled = tooltest::CheckIverilog({folder + (ctrl ? "withctrl.v" : "plain.v")}, ctrl ? "withctrl" : "plain");
        EXPECT_TRUE(compiled.ok) << compiled.output;
    }
    // "Exit" writes the controls as they stand.
    Click("ButtonExit");
    Bytes written = ReadBytes(DefaultCfg());
    EXPECT_EQ(written[140], 0);
    EXPECT_EQ(written[149], 0);
}

TEST_F(PocklinForm, EmptyProjectNameIsRefusedBeforeAnyDialog)
{
    Open();
    Get<QLineEdit>("EditProjectName")->clear();
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
    EXPECT_TRUE(dialogs.FileDialogs().empty());
}

// The board-form base at each of its variation points, on a small form of two GPIO headers
// and one device group whose record is kept in a record template.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstddef>
#include <cstring>
#include <deque>
#include <fstream>

#include "FormFixture.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigBase.h"
#include "core/settings/ProjectName.h"
#include "core/settings/RecordText.h"
#include "core/shell/BoardForm.h"
#include "core/shell/DeviceGroups.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"

namespace {

struct TINY_CONFIG {
    uint8_t BoardId;
    uint8_t Padding1[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bLed;
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Padding2;
};
static_assert(sizeof(TINY_CONFIG) == 396);
static_assert(offsetof(TINY_CONFIG, Size) == 4 && offsetof(TINY_CONFIG, szProjectName) == 8);
static_assert(offsetof(TINY_CONFIG, bLed) == 136 && offsetof(TINY_CONFIG, nGpioDaughterId) == 137);
static_assert(offsetof(TINY_CONFIG, szGpioPrefixName) == 139 && offsetof(TINY_CONFIG, Padding2) == 395);

constexpr uint8_t kTinyId = 99;
constexpr uint8_t k80Pin = DAUGHTER_Kobbet_GPIO;

using formlayout::ControlRow;
using formlayout::Kind;

constexpr ControlRow kTinyLayout[] = {
    {Kind::Edit, "EditProjectName", nullptr, nullptr, {10, 10, 150, 24}},
    {Kind::CheckBox, "CheckBoxLED", nullptr, "LED", {10, 40, 100, 20}},
    {Kind::Shape, "ShapeLED", nullptr, nullptr, {200, 10, 40, 20}},
    {Kind::ComboBox, "ComboBoxGpio0", nullptr, nullptr, {10, 70, 150, 24}},
    {Kind::Edit, "EditPrefixGpio0", nullptr, nullptr, {170, 70, 80, 24}},
    {Kind::Image, "ImageGpio0", nullptr, nullptr, {260, 70, 124, 80}},
    {Kind::Shape, "ShapeGpio0", nullptr, nullptr, {250, 10, 40, 20}},
    {Kind::ComboBox, "ComboBoxGpio1", nullptr, nullptr, {10, 160, 150, 24}},
    {Kind::Edit, "EditPrefixGpio1", nullptr, nullptr, {170, 160, 80, 24}},
    {Kind::Image, "ImageGpio1", nullptr, nullptr, {260, 160, 124, 80}},
    {Kind::Shape, "ShapeGpio1", nullptr, nullptr, {300, 10, 40, 20}},
    {Kind::Button, "ButtonSave", nullptr, "Save Setting", {10, 250, 90, 24}},
    {Kind::Button, "ButtonLoad", nullptr, "Load Setting", {105, 250, 90, 24}},
    {Kind::Button, "ButtonGen", nullptr, "Generate", {200, 250, 90, 24}},
    {Kind::Button, "ButtonExit", nullptr, "Exit", {295, 250, 90, 24}},
    {Kind::Button, "ButtonMainBoardSelect", nullptr, "Change Main Board", {10, 276, 140, 22}},
    {Kind::Button, "ButtonDefaultSetting", nullptr, "Default Setting", {160, 276, 140, 22}},
};

constexpr DeviceGroup<TINY_CONFIG> kTinyGroups[] = {{"CheckBoxLED", &TINY_CONFIG::bLed, {"ShapeLED"}}};

class TFormTiny : public TBoardForm {
public:
    TFormTiny(QWidget* owner, Options options)
        : TBoardForm(owner, kTinyLayout, 400, 300, "Tiny V1", options),
          m_Groups(this, kTinyGroups),
          m_Gpio{{this, "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", {"ShapeGpio0"}},
                 {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", {"ShapeGpio1"}}}
    {
        for (TConnectorControls& header : m_Gpio)
            connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] {
                PairGpioHeaders(m_Gpio, combo);
                UpdatePictures();
                UpdateShapes();
            });
        UseSettingsHolder(m_Settings);
        RunStartup();
    }

    // What a generation saw of the controls.
    struct Call {
        std::string file;
        std::string name;
        int entry0;
        int entry1;
        std::string prefix0;
    };

    bool asks = false;          // a question before the project dialog
    bool hasBatch = false;      // the left-Ctrl batch: GPIO-0's list, then GPIO-1's
    std::deque<bool> results;   // what the generations return; true once empty
    std::vector<Call> calls;
    TConfigBase<TINY_CONFIG> m_Settings;

protected:
    void FillComboBoxes() override
    {
        m_Settings.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
        for (TConnectorControls& header : m_Gpio) header.SetCards(CardsOf(m_Settings));
    }
    void ApplyDefaultConfig() override
    {
        std::memset(&m_Settings.Config, 0, sizeof m_Settings.Config);
        m_Settings.Config.BoardId = kTinyId;
        m_Settings.Config.Size = sizeof(TINY_CONFIG);
        WriteRecordText(m_Settings.Config.szProjectName, "Tiny");
        m_Settings.Config.bLed = 1;
    }
    void ConfigToForm() override
    {
        const TINY_CONFIG& config = m_Settings.Config;
        SetProjectName(ReadRecordText(config.szProjectName));
        m_Groups.ToForm(config);
        for (int h = 0; h < 2; ++h) m_Gpio[h].Show(config.nGpioDaughterId[h], ReadRecordText(config.szGpioPrefixName[h]));
        PairGpioHeaders(m_Gpio, m_Gpio[0].Combo);
        UpdatePictures();
        UpdateShapes();
    }
    bool FormToConfig() override
    {
        TINY_CONFIG& config = m_Settings.Config;
        config.BoardId = kTinyId;
        config.Size = sizeof(TINY_CONFIG);
        WriteRecordText(config.szProjectName, ProjectName());
        m_Groups.FromForm(config);
        for (int h = 0; h < 2; ++h) {
            config.nGpioDaughterId[h] = m_Gpio[h].Card();
            WriteRecordText(config.szGpioPrefixName[h], m_Gpio[h].PrefixText());
        }
        return true;
    }
    void UpdateShapes() override
    {
        m_Groups.UpdateOutlines();
        for (const TConnectorControls& header : m_Gpio) header.UpdateOutlines();
    }
    bool ValidateInput() override
    {
        return CheckProjectName() && (IsGpioDefaultPair(m_Gpio) || CheckPrefixNames(PrefixKind::Gpio, m_Gpio));
    }
    bool GenerateProject(const std::string& projectFile) override
    {
        calls.push_back({projectFile, ProjectName(), m_Gpio[0].Entry(), m_Gpio[1].Entry(), m_Gpio[0].PrefixText()});
        if (results.empty()) return true;
        bool result = results.front();
        results.pop_front();
        return result;
    }
    std::string BoardFolderWord() const override { return "Tiny"; }
    bool ConfirmGenerate() override { return !asks || platform::WarningYesNo("Go on?"); }
    void ShowGenerateWarnings() override { platform::WarningBox("Tiny warning"); }
    Batch DaughterCardBatch() override
    {
        if (!hasBatch) return {};
        return {true,
                {{{&m_Gpio[0]}, 1, "Tiny_GPIO_%s", [this](uint8_t) { m_Gpio[0].Prefix->setText("GPIO"); }},
                 {{&m_Gpio[1]}, 0, "Tiny_B_%s", [this](uint8_t) { m_Gpio[0].Combo->setCurrentIndex(0); }}}};
    }

private:
    void UpdatePictures()
    {
        for (const TConnectorControls& header : m_Gpio) header.UpdatePicture();
    }

    TDeviceGroups<TINY_CONFIG> m_Groups;
    TConnectorControls m_Gpio[2];
};

TINY_CONFIG TinyRecord(const char* name)
{
    TINY_CONFIG record{};
    record.BoardId = kTinyId;
    record.Size = sizeof record;
    WriteRecordText(record.szProjectName, name);
    return record;
}

void WriteRecord(const std::string& path, const TINY_CONFIG& record, std::size_t size = sizeof(TINY_CONFIG))
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&record), static_cast<std::streamsize>(size));
}

// The list both headers show: "None", the generic card, the 80-pin card, then 40-pin cards.
constexpr int kEntries = 11;
constexpr int k80PinEntry = 2;
constexpr int kSollipEntry = 3;

const std::string kSuccessBox = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

}  // namespace

class BoardFormBase : public GuiTest {
protected:
    ~BoardFormBase() override
    {
        DeleteBoardForm(form);
        platform::SetCtrlDownProvider(nullptr);
    }

    TFormTiny* Open(TBoardForm::Options options = {})
    {
        DeleteBoardForm(form);
        options.outlinePen = 3;  // the tiny layout's outlines
        form = new TFormTiny(&host, options);
        host.show();
        return form;
    }

    template <class T = QWidget>
    T* Get(const char* name)
    {
        return formlayout::FindControl<T>(form, name);
    }
    QComboBox* Combo(int header) { return Get<QComboBox>(header == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1"); }
    QLineEdit* Prefix(int header) { return Get<QLineEdit>(header == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1"); }
    QLineEdit* Name() { return Get<QLineEdit>("EditProjectName"); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string DefaultCfg() const { return dir.Path() + "default.cfg"; }
    std::string SavedName(const std::string& path) const
    {
        std::string bytes = tooltest::ReadFile(path);
        return bytes.size() == sizeof(TINY_CONFIG) ? std::string(bytes.c_str() + 8) : "<no record>";
    }

    QWidget host;
    TFormTiny* form = nullptr;
};

TEST_F(BoardFormBase, FormColourIsTheFormsOwnOrThePlatforms)
{
    EXPECT_EQ(Open()->palette().color(QPalette::Window), formlayout::kFormColour);
    EXPECT_EQ(Open({.formColour = false})->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Window));
}

TEST_F(BoardFormBase, DefaultFileIsReadAtStartOnlyByFormsThatLoadIt)
{
    struct Case {
        bool loads;
        std::size_t fileSize;
        const char* shown;
    };
    for (const Case& c : {Case{true, sizeof(TINY_CONFIG), "Saved"}, Case{true, sizeof(TINY_CONFIG) - 1, "Tiny"},
                          Case{false, sizeof(TINY_CONFIG), "Tiny"}}) {
        WriteRecord(DefaultCfg(), TinyRecord("Saved"), c.fileSize);
        Open({.loadsDefault = c.loads});
        EXPECT_EQ(Name()->text().toStdString(), c.shown) << c.loads << " " << c.fileSize;
        // The defaults tick the LED group; the saved record does not.
        EXPECT_EQ(Get<QCheckBox>("CheckBoxLED")->isChecked(), std::string(c.shown) == "Tiny");
        EXPECT_EQ(Get("ShapeLED")->isVisibleTo(form), std::string(c.shown) == "Tiny");
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// "Exit" closes the form; the owner releases it before deleting it. Each form writes
// "default.cfg" at one of the two, or never.
TEST_F(BoardFormBase, DefaultFileIsWrittenOnCloseOnDestroyOrNever)
{
    using Save = TBoardForm::DefaultSave;
    struct Case {
        Save save;
        bool afterExit;
        bool afterDelete;
    };
    for (const Case& c : {Case{Save::OnClose, true, true}, Case{Save::OnDestroy, false, true}, Case{Save::Never, false, false}}) {
        platform::DeleteFile(DefaultCfg());
        Open({.savesDefault = c.save});
        Name()->setText("Edited");
        Click("ButtonExit");
        EXPECT_EQ(platform::FileExists(DefaultCfg()), c.afterExit) << int(c.save);
        Name()->setText("Later");
        DeleteBoardForm(form);
        form = nullptr;
        EXPECT_EQ(platform::FileExists(DefaultCfg()), c.afterDelete) << int(c.save);
        if (c.afterDelete) EXPECT_EQ(SavedName(DefaultCfg()), c.afterExit ? "Edited" : "Later") << int(c.save);
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

// Enter presses the form's default button from an edit or a check box, a focused button
// takes it itself, and a form without a default button ignores it.
TEST_F(BoardFormBase, EnterPressesTheDefaultButtonOfFormsThatHaveOne)
{
    for (const char* button : {static_cast<const char*>(nullptr), "ButtonExit"}) {
        Open({.defaultButton = button});
        QTest::keyClick(Name(), Qt::Key_Return);
        QTest::keyClick(Get<QCheckBox>("CheckBoxLED"), Qt::Key_Enter);
        EXPECT_EQ(form->isVisible(), button == nullptr);
    }

    Open({.defaultButton = "ButtonExit"});
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    Get<QPushButton>("ButtonLoad")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), Get<QPushButton>("ButtonLoad"));
    QTest::keyClick(Get<QPushButton>("ButtonLoad"), Qt::Key_Return);
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);  // "Load Setting", cancelled
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BoardFormBase, FailedOrCancelledLoadIsReportedByFormsThatSaySo)
{
    const std::string good = dir.Path() + "good.cfg";
    WriteRecord(good, TinyRecord("Loaded"));
    const std::string wrong = dir.Write("wrong.cfg", std::string(100, '\1'));
    for (bool reports : {false, true}) {
        Open({.reportsFailedLoad = reports});
        Name()->setText("kept");
        for (const std::optional<std::string>& chosen : {std::optional<std::string>(), std::optional<std::string>(wrong)}) {
            dialogs.Clear();
            dialogs.QueueFile(chosen);
            Click("ButtonLoad");
            EXPECT_EQ(dialogs.Texts(), reports ? std::vector<std::string>{"Failed to load setting"} : std::vector<std::string>{})
                << reports << " " << chosen.value_or("cancel");
            if (reports) EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
            EXPECT_EQ(Name()->text().toStdString(), "kept");
        }
        dialogs.Clear();
        dialogs.QueueFile(good);
        Click("ButtonLoad");
        EXPECT_EQ(Name()->text().toStdString(), "Loaded");
        EXPECT_TRUE(dialogs.Boxes().empty());
    }
}

TEST_F(BoardFormBase, DefaultSettingPutsTheDefaultsInTheControlsAndTheRecord)
{
    Open();
    Name()->setText("mine");
    Get<QCheckBox>("CheckBoxLED")->click();
    Pick(Combo(0), kSollipEntry);
    Prefix(0)->setText("CAM_");
    Click("ButtonSave");  // cancelled: the record holds the controls, nothing is written
    ASSERT_EQ(std::string(form->m_Settings.Config.szProjectName), "mine");

    Click("ButtonDefaultSetting");
    EXPECT_EQ(Name()->text().toStdString(), "Tiny");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_TRUE(Get("ShapeLED")->isVisibleTo(form));
    EXPECT_EQ(Combo(0)->currentIndex(), 0);
    EXPECT_EQ(Prefix(0)->text(), "");
    EXPECT_FALSE(Get("ShapeGpio0")->isVisibleTo(form));
    EXPECT_EQ(std::string(form->m_Settings.Config.szProjectName), "Tiny");
    EXPECT_EQ(form->m_Settings.Config.nGpioDaughterId[0], 0);
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}

TEST_F(BoardFormBase, ChangeMainBoardActsDoesNothingOrIsHidden)
{
    using Button = TBoardForm::MainBoardButton;
    struct Counter : QObject {
        int requests = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == WM_SELECT_MAINBOARD) ++requests;
            return false;
        }
    } counter;
    host.installEventFilter(&counter);
    struct Case {
        Button button;
        bool shown;
        int requests;
    };
    for (const Case& c : {Case{Button::Acts, true, 1}, Case{Button::Inert, true, 0}, Case{Button::Hidden, false, 0}}) {
        Open({.mainBoardButton = c.button});
        counter.requests = 0;
        auto* button = Get<QPushButton>("ButtonMainBoardSelect");
        EXPECT_EQ(button->isVisibleTo(form), c.shown) << int(c.button);
        if (c.shown) button->click();
        // Posted: nothing before the click handler returned.
        EXPECT_EQ(counter.requests, 0);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(counter.requests, c.requests) << int(c.button);
    }
}

TEST_F(BoardFormBase, GenerateRunsValidateConfirmProjectDialogGenerateReportInOrder)
{
    Open()->asks = true;
    // An invalid form asks nothing and opens no dialog.
    Name()->clear();
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // No to the question ends the request before the dialog.
    Name()->setText("counter");
    dialogs.Clear();
    dialogs.QueueAnswer(platform::BoxAnswer::No);
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Go on?"});
    EXPECT_TRUE(dialogs.FileDialogs().empty());

    // Yes goes on to the dialog; Cancel there ends the request silently.
    dialogs.Clear();
    Click("ButtonGen");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Go on?"});
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, dir.Path() + "CodeGenerated/Tiny/counter/");
    EXPECT_EQ(dialogs.FileDialogs()[0].options.title, "Generate Quartus Project");

    dialogs.Clear();
    dialogs.QueueFile(dir.Path() + "out/counter.qpf");
    Click("ButtonGen");
    ASSERT_EQ(form->calls.size(), 1u);
    EXPECT_EQ(form->calls[0].file, dir.Path() + "out/counter.qpf");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Go on?", kSuccessBox + dir.Path() + "out/", "Tiny warning"}));
}

TEST_F(BoardFormBase, ReportAfterGenerateFollowsTheForm)
{
    using Report = TBoardForm::SuccessReport;
    const std::string success = kSuccessBox + dir.Path() + "p/";
    struct Case {
        Report report;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {Report::BoxThenWarnings, {success, "Tiny warning"}},
        {Report::WarningsThenBox, {"Tiny warning", success}},
        {Report::WarningsOnly, {"Tiny warning"}},
        {Report::None, {}},
    };
    for (const Case& c : cases) {
        Open({.successReport = c.report});
        for (bool generated : {true, false}) {
            dialogs.Clear();
            form->results = {generated};
            dialogs.QueueFile(dir.Path() + "p/tiny.qpf");
            Click("ButtonGen");
            EXPECT_EQ(dialogs.Texts(),
                      generated ? c.boxes : std::vector<std::string>{"Failed to generate Quartus project: tiny.qpf."})
                << int(c.report) << " " << generated;
        }
    }
}

// Left Ctrl with Generate: one project per card, each in its own folder inside the chosen
// one, with the form's prefixes; the first failure ends every pass; the controls come back.
TEST_F(BoardFormBase, LeftCtrlGenerateRunsTheBatchOfTheForm)
{
    Open()->hasBatch = true;
    platform::SetCtrlDownProvider([] { return true; });
    Name()->setText("mine");
    Pick(Combo(0), kSollipEntry);
    Prefix(0)->setText("P_");
    const int beeps = platform::BeepCount();
    const std::string chosen = dir.Path() + "out/";
    dialogs.QueueFile(chosen + "anything.qpf");
    Click("ButtonGen");

    EXPECT_EQ(platform::BeepCount(), beeps + 1);
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.proposedName, "mine.qpf");
    ASSERT_EQ(form->calls.size(), static_cast<std::size_t>((kEntries - 1) + kEntries));
    const auto& cards = form->m_Settings;
    for (int entry = 1; entry < kEntries; ++entry) {
        const TFormTiny::Call& call = form->calls[entry - 1];
        const std::string name = BatchProjectName("Tiny_GPIO_%s", BoardShortName(cards.DaughterIds[entry]));
        EXPECT_EQ(call.name, name);
        EXPECT_EQ(call.file, chosen + name + "/" + name + ".qpf");
        EXPECT_TRUE(platform::DirectoryExists(chosen + name)) << name;
        EXPECT_EQ(call.entry0, entry);
        EXPECT_EQ(call.prefix0, "GPIO");
    }
    const TFormTiny::Call& second = form->calls[kEntries - 1];
    EXPECT_EQ(second.name, "Tiny_B_None");
    EXPECT_EQ(second.entry0, 0);
    EXPECT_EQ(second.entry1, 0);
    EXPECT_EQ(form->calls.back().entry1, kEntries - 1);
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(Name()->text().toStdString(), "mine");
    EXPECT_EQ(Combo(0)->currentIndex(), kSollipEntry);
    EXPECT_EQ(Combo(1)->currentIndex(), 0);
    EXPECT_EQ(Prefix(0)->text().toStdString(), "P_");

    // The third project fails: two written, no further pass, and the failure told once with
    // that project's file name.
    form->calls.clear();
    form->results = {true, true, false};
    dialogs.QueueFile(chosen + "anything.qpf");
    Click("ButtonGen");
    ASSERT_EQ(form->calls.size(), 3u);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Failed to generate Quartus project: " +
                                                        platform::ExtractFileName(form->calls[2].file) + "."});
    EXPECT_EQ(Name()->text().toStdString(), "mine");
    dialogs.Clear();

    // Cancel in the dialog: nothing is generated. The batch names its own projects, so a
    // name that makes a folder but no module still opens the dialog.
    form->calls.clear();
    Name()->setText("my project");
    Click("ButtonGen");
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_TRUE(form->calls.empty());
    EXPECT_EQ(Name()->text().toStdString(), "my project");
    Name()->setText("mine");

    // Without Ctrl, or on a form without a batch, Generate writes the one project.
    for (bool ctrl : {false, true}) {
        form->hasBatch = !ctrl;
        platform::SetCtrlDownProvider([ctrl] { return ctrl; });
        form->calls.clear();
        dialogs.Clear();
        dialogs.QueueFile(chosen + "one.qpf");
        Click("ButtonGen");
        ASSERT_EQ(form->calls.size(), 1u);
        EXPECT_EQ(form->calls[0].file, chosen + "one.qpf");
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kSuccessBox + chosen, "Tiny warning"}));
    }
}

TEST_F(BoardFormBase, AnEightyPinCardSpansBothHeaders)
{
    Open();
    Prefix(1)->setText("K_");
    Pick(Combo(1), k80PinEntry);
    EXPECT_EQ(Combo(0)->currentIndex(), k80PinEntry);
    EXPECT_EQ(Prefix(0)->text(), "K_");
    EXPECT_FALSE(Combo(0)->isEnabled());
    EXPECT_FALSE(Prefix(0)->isEnabled());
    EXPECT_TRUE(Get("ShapeGpio0")->isVisibleTo(form));
    EXPECT_TRUE(Get("ImageGpio0")->isVisibleTo(form));

    Pick(Combo(1), kSollipEntry);
    EXPECT_EQ(Combo(0)->currentIndex(), 0);
    EXPECT_EQ(Prefix(0)->text(), "");
    EXPECT_TRUE(Combo(0)->isEnabled());
    EXPECT_TRUE(Prefix(0)->isEnabled());
    EXPECT_FALSE(Get("ShapeGpio0")->isVisibleTo(form));
}

// The 80-pin card picked on GPIO-1 locks GPIO-0; a record with the card on GPIO-0 loaded
// then must leave a header the user can change, or both stay locked for good.
TEST_F(BoardFormBase, LoadingTheEightyPinCardOverALockedHeaderLeavesItFree)
{
    Open();
    Pick(Combo(1), k80PinEntry);
    ASSERT_FALSE(Combo(0)->isEnabled());

    TINY_CONFIG record = TinyRecord("loaded");
    record.nGpioDaughterId[0] = k80Pin;
    record.nGpioDaughterId[1] = DAUGHTER_Sollip;
    const std::string path = dir.Path() + "80.cfg";
    WriteRecord(path, record);
    dialogs.QueueFile(path);
    Click("ButtonLoad");
    EXPECT_EQ(Combo(0)->currentIndex(), k80PinEntry);
    EXPECT_EQ(Combo(1)->currentIndex(), k80PinEntry);
    EXPECT_TRUE(Combo(0)->isEnabled());
    EXPECT_TRUE(Prefix(0)->isEnabled());
    EXPECT_FALSE(Combo(1)->isEnabled());

    Pick(Combo(0), kSollipEntry);
    EXPECT_TRUE(Combo(1)->isEnabled());
    EXPECT_EQ(Combo(1)->currentIndex(), 0);
}

TEST_F(BoardFormBase, PrefixCheckSparesTheDefaultPairOnly)
{
    Open();
    struct Case {
        int entry0;
        const char* prefix0;
        int entry1;
        const char* prefix1;
        bool passes;
    };
    const char* conflict =
        "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";
    for (const Case& c : {Case{1, "", 1, "", true}, Case{1, "G_", 1, "G_", false}, Case{kSollipEntry, "", kSollipEntry, "", false},
                          Case{kSollipEntry, "A_", kSollipEntry, "B_", true}}) {
        Pick(Combo(0), c.entry0);
        Prefix(0)->setText(c.prefix0);
        Pick(Combo(1), c.entry1);
        Prefix(1)->setText(c.prefix1);
        dialogs.Clear();
        Click("ButtonSave");  // the dialog is cancelled when the checks pass
        EXPECT_EQ(dialogs.Texts(), c.passes ? std::vector<std::string>{} : std::vector<std::string>{conflict})
            << c.entry0 << c.prefix0 << c.entry1 << c.prefix1;
        EXPECT_EQ(dialogs.FileDialogs().size(), c.passes ? 1u : 0u);
    }
}

// The record template's card list in both combos, and every control to the record and back.
TEST_F(BoardFormBase, SaveAndLoadCarryEveryControlThroughTheRecord)
{
    Open();
    EXPECT_EQ(Combo(0)->count(), kEntries);
    EXPECT_EQ(Combo(0)->itemText(k80PinEntry).toStdString(), BoardName(k80Pin));
    EXPECT_EQ(Combo(1)->maxVisibleItems(), kEntries);
    Name()->setText("round");
    Get<QCheckBox>("CheckBoxLED")->click();
    Pick(Combo(0), kSollipEntry);
    Prefix(0)->setText("CAM_");
    Prefix(1)->setText("dropped");  // no card: the prefix is saved but not shown again
    const std::string path = dir.Path() + "round.cfg";
    dialogs.QueueFile(path);
    Click("ButtonSave");
    EXPECT_EQ(dialogs.FileDialogs()[0].options.title, "Save Setting");
    TINY_CONFIG saved{};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(&saved), sizeof saved);
    EXPECT_EQ(saved.BoardId, kTinyId);
    EXPECT_EQ(saved.bLed, 0);
    EXPECT_EQ(saved.nGpioDaughterId[0], DAUGHTER_Sollip);
    EXPECT_STREQ(saved.szGpioPrefixName[0], "CAM_");
    EXPECT_STREQ(saved.szGpioPrefixName[1], "dropped");

    Click("ButtonDefaultSetting");
    dialogs.QueueFile(path);
    Click("ButtonLoad");
    EXPECT_EQ(dialogs.FileDialogs()[1].options.title, "Load Setting");
    EXPECT_EQ(Name()->text().toStdString(), "round");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Get("ShapeLED")->isVisibleTo(form));
    EXPECT_EQ(Combo(0)->currentIndex(), kSollipEntry);
    EXPECT_EQ(Prefix(0)->text(), "CAM_");
    EXPECT_EQ(Prefix(1)->text(), "");
    EXPECT_TRUE(Get("ImageGpio0")->isVisibleTo(form));
    EXPECT_FALSE(Get("ImageGpio1")->isVisibleTo(form));
}

TEST_F(BoardFormBase, CardsWithoutPinMapAreRefusedByName)
{
    struct Case {
        std::initializer_list<uint8_t> cards;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{DAUGHTER_NONE, DAUGHTER_GPIO_DEFAULT, DAUGHTER_DDR4_SODIMM_ECC}, {}},
        {{DAUGHTER_GPIO_DEFAULT, DAUGHTER_Kelpin_DEFAULT, DAUGHTER_QDR2_MODULE},
         {"Kelpin Default has no pin map; choose another card."}},
        {{DAUGHTER_QDR4_MODULE}, {"Varnholt QDRIV Module has no pin map; choose another card."}},
    };
    for (const Case& c : cases) {
        dialogs.Clear();
        EXPECT_EQ(TBoardForm::RefuseCardWithoutPinMap(c.cards), !c.texts.empty());
        EXPECT_EQ(dialogs.Texts(), c.texts);
        for (const auto& box : dialogs.Boxes()) EXPECT_EQ(box.caption, "Error");
    }
}

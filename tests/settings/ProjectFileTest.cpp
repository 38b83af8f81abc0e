#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "SettingsFixture.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ProjectName.h"
#include "platform/Resources.h"

namespace fs = std::filesystem;

namespace platform {
extern const EmbeddedItem kTestResources[];
}

namespace {

using ProjectFileTest = SettingsTest;

}  // namespace

TEST(ProjectName, FolderNameCheck)
{
    struct Case { std::string name; bool valid; };
    const Case cases[] = {
        {"Ulvarin", true}, {"my project", true}, {"a.b", true}, {"...", true}, {".hidden", true},
        {"Z\xFCrich", true}, {"\xA0\xFF", true}, {std::string(127, 'x'), true},
        {"", false}, {".", false}, {"..", false}, {"a/b", false}, {"../up", false}, {"a\\b", false},
        {"tab\there", false}, {"line\n", false}, {std::string("nul\0x", 5), false}, {"\x1F", false},
        {"del\x7F", false}, {"c1\x85", false}, {"\x9F", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidProjectFolderName(c.name), c.valid) << '"' << c.name << '"';

    tooltest::ScriptedDialogs dialogs;
    EXPECT_TRUE(CheckProjectFolderName("counter"));
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_FALSE(CheckProjectFolderName(".."));
    ASSERT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
    EXPECT_EQ(dialogs.Boxes()[0].text, "Project Name is not a valid folder name.");
}

TEST(ProjectName, ModuleNameServesVerilogAndVhdlAlike)
{
    struct Case { std::string name; bool valid; };
    const Case cases[] = {
        {"Ulvarin", true}, {"counter", true}, {"S5", true}, {"F1_Yastrel", true}, {"a", true},
        {"A1_b2_C3", true}, {"Wire1", true}, {"modules", true}, {std::string(127, 'x'), true},
        {"", false}, {"my project", false}, {"1st", false}, {"_x", false}, {"x_", false},
        {"a__b", false}, {"my-proj", false}, {"a$b", false}, {"a.b", false}, {"caf\xE9", false},
        {"??????", false}, {"a[0]", false},
        // Reserved words of each language, in any case.
        {"module", false}, {"MODULE", false}, {"wire", false}, {"logic", false}, {"always_ff", false},
        {"join_any", false}, {"signal", false}, {"Signal", false}, {"entity", false}, {"downto", false},
        {"xnor", false}, {"sll", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidModuleName(c.name), c.valid) << '"' << c.name << '"';

    // The default project name of every board's settings record.
    for (const char* name : {"Ulvarin", "Pressel", "Jorvale", "Glenmarch", "Wistrell", "Ebbrick", "Kestwin",
                             "Lumbrae", "Plimmet", "Tamblin", "NOBRECHT", "Abernoll", "Idrenne", "Vellani",
                             "S5", "Cresswin", "Morrast", "Ruskel", "Corbanth", "Yastrel", "F1_Yastrel",
                             "F2_Yastrel", "Pandrel", "Kavrin", "Gorvath", "Ashvorn", "Tiverne", "Harnix",
                             "Fennick", "Mirrow", "Wembrel", "Pellish", "Lothvar", "Orlenn", "Pocklin"})
        EXPECT_TRUE(IsValidModuleName(name)) << name;
}

// A batch project is named after a card's short name, whatever signs that holds; the name
// serves as folder, files and module for every card and every batch format.
TEST(ProjectName, BatchNamesAreModuleNames)
{
    struct Case { const char* format; const char* shortName; const char* name; };
    const Case cases[] = {
        {"Wistrell_GPIO_%s", "GPIO_Default", "Wistrell_GPIO_GPIO_Default"},
        {"Wistrell_GPIO_%s", "Servo Motor Kit", "Wistrell_GPIO_Servo_Motor_Kit"},
        {"Wistrell_GPIO_%s", "RF and Sensor", "Wistrell_GPIO_RF_and_Sensor"},
        {"Wistrell_GPIO_%s", "Ferrund-GPIO", "Wistrell_GPIO_Ferrund_GPIO"},
        {"Plimmet_HSMC_%s", "HSMC Default - 3.3V", "Plimmet_HSMC_HSMC_Default_3_3V"},
        {"Plimmet_HSMC_%s", "HSMC Default-3.0V w/ Transceiver", "Plimmet_HSMC_HSMC_Default_3_0V_w_Transceiver"},
        {"Pressel_GPIO_%s", "Pashard-FMC + TI ADC34J45 EVM", "Pressel_GPIO_Pashard_FMC_TI_ADC34J45_EVM"},
        {"Ebbrick_GPIO_%s", "caf\xE9 -", "Ebbrick_GPIO_caf"},
    };
    for (const Case& c : cases) EXPECT_EQ(BatchProjectName(c.format, c.shortName), c.name) << c.shortName;

    for (const char* format : {"Wistrell_GPIO_%s", "Ebbrick_GPIO_%s", "Plimmet_HSMC_%s", "Plimmet_GPIO_%s",
                               "Pressel_GPIO_%s"})
        for (int id = 0; id < DAUGHTER_ID_COUNT; ++id) {
            const std::string name = BatchProjectName(format, BoardShortName(static_cast<uint8_t>(id)));
            EXPECT_TRUE(IsValidModuleName(name)) << name;
        }
}

// Generate checks the name before the project dialog and the chosen file's name after it;
// each failure is one error box.
TEST(ProjectName, GenerateChecksShowOneBoxEach)
{
    const std::string kRule = " must be a valid Verilog and VHDL name: a letter, then letters, digits or single "
                              "underscores, not ending in an underscore, and not a keyword.";
    struct Case {
        std::function<bool()> check;
        const char* message;  // nullptr: passes without a box
    };
    const Case cases[] = {
        {[] { return CheckGenerateProjectName("counter"); }, nullptr},
        {[] { return CheckGenerateProjectName("a/b"); }, "Project Name is not a valid folder name."},
        {[] { return CheckGenerateProjectName("my project"); }, "Project Name"},
        {[] { return CheckGenerateProjectName("entity"); }, "Project Name"},
        {[] { return CheckProjectFileName("/p/caf\xC3\xA9/top.qpf"); }, nullptr},
        {[] { return CheckProjectFileName("/p/top"); }, nullptr},
        {[] { return CheckProjectFileName("/p/my-top.qpf"); }, "The project file name"},
        {[] { return CheckProjectFileName("/p/caf\xC3\xA9.qpf"); }, "The project file name"},
        {[] { return CheckProjectFileName("/p/top.v.qpf"); }, "The project file name"},
        {[] { return CheckProjectFileName("/p/.qpf"); }, "The project file name"},
    };
    for (const Case& c : cases) {
        tooltest::ScriptedDialogs dialogs;
        EXPECT_EQ(c.check(), c.message == nullptr) << (c.message ? c.message : "");
        if (!c.message) {
            EXPECT_TRUE(dialogs.Boxes().empty());
            continue;
        }
        std::string expected = c.message;
        if (expected.find("folder") == std::string::npos) expected += kRule;
        ASSERT_EQ(dialogs.Boxes().size(), 1u);
        EXPECT_EQ(dialogs.Boxes()[0].caption, "Error");
        EXPECT_EQ(dialogs.Boxes()[0].text, expected);
    }
}

TEST_F(ProjectFileTest, DialogOpensInTheProjectFolderAndProposesTheProjectFile)
{
    EXPECT_EQ(TConfigBoard::SelectProjectFile("Ulvarin", "counter"), "");  // Cancel
    std::string folder = dir.Path() + "CodeGenerated/Ulvarin/counter/";
    EXPECT_TRUE(fs::is_directory(folder));  // and it stays
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    const auto& d = dialogs.FileDialogs()[0];
    EXPECT_TRUE(d.save);
    EXPECT_EQ(d.options.folder, folder);
    EXPECT_EQ(d.options.filter, "Quartus Project File (*.qpf *.QPF)");
    EXPECT_EQ(d.options.proposedName, "counter.qpf");
    EXPECT_EQ(d.options.defaultSuffix, "qpf");

    dialogs.QueueFile(folder + "chosen.qpf");
    EXPECT_EQ(TConfigBase<TEST_CONFIG>::SelectProjectFile("Ulvarin", "counter"), folder + "chosen.qpf");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(ProjectFileTest, Latin1ProjectNameGivesAUtf8Folder)
{
    TConfigBoard::SelectProjectFile("Jorvale", "Z\xFCrich");
    std::string folder = dir.Path() + "CodeGenerated/Jorvale/Z\xC3\xBCrich/";
    EXPECT_TRUE(fs::is_directory(folder));
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.folder, folder);
    EXPECT_EQ(dialogs.FileDialogs()[0].options.proposedName, "Z\xFCrich.qpf");
}

TEST_F(ProjectFileTest, InvalidNameMakesNoFolderAndShowsNoDialog)
{
    for (const char* name : {"..", "../../escape", "a\\b"}) {
        dialogs.QueueFile(dir.Path() + "never.qpf");
        EXPECT_EQ(TConfigBoard::SelectProjectFile("Ulvarin", name), "") << name;
    }
    EXPECT_TRUE(dialogs.FileDialogs().empty());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>(3, "Project Name is not a valid folder name."));
    EXPECT_FALSE(fs::exists(dir.Path() + "CodeGenerated"));
}

TEST_F(ProjectFileTest, WriteResourceToFileReplacesTheFileWithTheItem)
{
    platform::AddResourceTable(platform::kTestResources);
    std::string file = dir.Path() + "ip/sample.v";  // its folder is made, one level
    EXPECT_TRUE(TConfigBoard::WriteResourceToFile(file, "SAMPLE_ITEM"));
    EXPECT_EQ(tooltest::ReadFile(file), "hello from a test item\r\n");

    // An item the program lacks writes nothing, and leaves the old file alone.
    EXPECT_FALSE(TConfigBoard::WriteResourceToFile(file, "No_Such_Item"));
    EXPECT_EQ(tooltest::ReadFile(file), "hello from a test item\r\n");
    // A folder two levels down is not made: the file and the reason are told to the caller.
    const ExportResult deep = TConfigBoard::WriteResourceToFile(dir.Path() + "a/b/c.v", "Sample_Item");
    EXPECT_FALSE(deep);
    EXPECT_EQ(deep.failedFile, dir.Path() + "a/b/c.v");
    EXPECT_EQ(deep.reason, "No such file or directory");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

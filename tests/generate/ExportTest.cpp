// The clock-controller files copied from the templates, and the external-PLL code.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "ToolCheck.h"
#include "core/generate/ClockFrequencies.h"
#include "boards/stratix5/ConfigVellani.h"
#include "core/generate/SystemBuild.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Resources.h"

using namespace gentest;
using tooltest::TempDir;

namespace {

constexpr unsigned char kStub[] = "// test template\r\n";

// Items under the template names, so that the export can be tried whatever the templates hold.
// The program's own items are found first where they exist.
constexpr platform::EmbeddedItem kTestTemplates[] = {
    {"EXT_PLL_CTRL_VERILOG", kStub, sizeof kStub - 1},
    {"SI570_CONTROLLER_VERILOG", kStub, sizeof kStub - 1},
    {"CLOCK_DIVIDER_VERILOG", kStub, sizeof kStub - 1},
    {"EDGE_DETECTOR_VERILOG", kStub, sizeof kStub - 1},
    {"I2C_BUS_CONTROLLER_VERILOG", kStub, sizeof kStub - 1},
    {"I2C_CONTROLLER_VERILOG", kStub, sizeof kStub - 1},
    {"I2C_REG_CONTROLLER_VERILOG", kStub, sizeof kStub - 1},
    {"INITIAL_CONFIG_VERILOG", kStub, sizeof kStub - 1},
    {"CDCM6100X_CONFIG_VERILOG", kStub, sizeof kStub - 1},
    {nullptr, nullptr, 0},
};

const std::vector<std::string> kSi570 = {"si570_controller.v", "clock_divider.v",      "edge_detector.v",
                                         "i2c_bus_controller.v", "i2c_controller.v",   "i2c_reg_controller.v",
                                         "initial_config.v"};

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> Sorted(std::vector<std::string> files)
{
    std::sort(files.begin(), files.end());
    return files;
}

template <std::size_t N>
void PutInt32(RecordCopy<N>& record, std::size_t offset, int32_t value)
{
    std::memcpy(&record[offset], &value, 4);
}

class ExportingSettings : public TConfigBoard {
public:
    bool LoadFromFile(const std::string&) override { return false; }
    bool SaveToFile(const std::string&) override { return false; }
    std::string GetQsfSettings() override { return {}; }
    std::string GetTopLevelCode() override { return {}; }
    ExportResult ExportVerilogIP(const std::string& folder) override
    {
        folders.push_back(folder);
        return result ? ExportResult{} : ExportResult{folder + "ctl/x.v", "Is a directory"};
    }
    std::span<const uint8_t> RecordBytes() const override { return {}; }
    std::vector<std::string> folders;
    bool result = true;
};

class Export : public ::testing::Test {
protected:
    void SetUp() override { platform::AddResourceTable(kTestTemplates); }
    GenerateEnv env;
};

}  // namespace

TEST_F(Export, FilesByBoardAndChoice)
{
    struct Case {
        const char* what;
        uint8_t id;
        std::vector<std::pair<std::size_t, int32_t>> fields;
        std::vector<std::string> files;
    };
    std::vector<std::string> si570AndExtPll = kSi570;
    si570AndExtPll.push_back("EXT_PLL_CTRL.v");
    std::vector<std::string> si570AndCdcm = kSi570;
    si570AndCdcm.push_back("CDCM6100x_Config.v");
    const std::vector<Case> cases = {
        {"Yastrel_X1, PLL not used", MAINBOARD_Yastrel_X1, {}, {"EXT_PLL_CTRL.v"}},
        {"Pandrel", MAINBOARD_Pandrel, {}, {"EXT_PLL_CTRL.v"}},
        {"Sarnoth both CDCM not used", MAINBOARD_Sarnoth, {{168, 1}, {172, 1}}, {}},
        {"Sarnoth one CDCM unchanged", MAINBOARD_Sarnoth, {{168, 1}, {172, 0}}, {"EXT_PLL_CTRL.v"}},
        {"Sarnoth with Si570", MAINBOARD_Sarnoth, {{164, 3}, {168, 5}, {172, 1}}, si570AndExtPll},
        {"Sarnoth Si570 only", MAINBOARD_Sarnoth, {{164, 3}, {168, 1}, {172, 1}}, kSi570},
        {"Morrast nothing", MAINBOARD_Morrast, {}, {}},
        {"Morrast CDCM", MAINBOARD_Morrast, {{160, 11}}, {"CDCM6100x_Config.v"}},
        {"Cresswin both", MAINBOARD_Cresswin, {{156, 2}, {160, 4}}, si570AndCdcm},
        {"Ulvarin", MAINBOARD_Ulvarin, {}, {}},
        {"Pressel", MAINBOARD_Pressel, {}, {}},
        {"Idrenne", MAINBOARD_Idrenne, {}, {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TMainBoard board;
        board.m_BoardId = c.id;
        for (auto [offset, value] : c.fields) {
            if (c.id == MAINBOARD_Sarnoth) PutInt32(board.m_SarnothConfig, offset, value);
            if (c.id == MAINBOARD_Morrast) PutInt32(board.m_MorrastConfig, offset, value);
            if (c.id == MAINBOARD_Cresswin) PutInt32(board.m_CresswinConfig, offset, value);
        }
        EXPECT_TRUE(TSystemBuild().ExportVerilogIP(board, dir.Path())) << c.what;
        EXPECT_EQ(FilesIn(dir.Path()), Sorted(c.files)) << c.what;
        for (const std::string& file : c.files) {
            auto item = platform::FindResource(file.substr(0, file.size() - 2) + "_VERILOG");
            ASSERT_TRUE(item);
            EXPECT_EQ(tooltest::ReadFile(dir.Path() + file), std::string(item->begin(), item->end())) << file;
        }
    }
    EXPECT_TRUE(env.dialogs.Boxes().empty());
}

TEST_F(Export, StopsAtTheFirstFileThatFails)
{
    TempDir dir;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Cresswin;
    PutInt32(board.m_CresswinConfig, 156, 1);
    PutInt32(board.m_CresswinConfig, 160, 1);
    platform::ForceDirectories(dir.Path() + "clock_divider.v");
    EXPECT_FALSE(TSystemBuild().ExportVerilogIP(board, dir.Path()));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"si570_controller.v"});
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Failed to export verilog IP\r\nclock_divider.v: Is a directory"});

    // The request stops there: no .sdc, no report.
    env.dialogs.Clear();
    TempDir project;
    platform::ForceDirectories(project.Path() + "EXT_PLL_CTRL.v");
    auto yastrel = MakeFixtureBoard(MAINBOARD_Yastrel_X1);
    EXPECT_FALSE(TSystemBuild().Generate(*yastrel, project.Path() + "top.qpf", false));
    EXPECT_TRUE(platform::FileExists(project.Path() + "top.v"));
    EXPECT_FALSE(platform::FileExists(project.Path() + "top.sdc"));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Failed to export verilog IP\r\nEXT_PLL_CTRL.v: Is a directory"});
}

TEST_F(Export, SettingsObjectsExportTheirOwnFiles)
{
    for (uint8_t id : {MAINBOARD_Nobrecht, MAINBOARD_Dravelle, MAINBOARD_Vellani, MAINBOARD_Abernoll}) {
        for (bool result : {true, false}) {
            env.dialogs.Clear();
            ExportingSettings settings;
            settings.result = result;
            TMainBoard board;
            board.m_BoardId = id;
            board.m_pConfigBoard = &settings;
            EXPECT_EQ(TSystemBuild().ExportVerilogIP(board, "/p/"), result);
            EXPECT_EQ(settings.folders, std::vector<std::string>{"/p/"});
            EXPECT_EQ(env.dialogs.Texts(), result ? std::vector<std::string>{}
                                                  : std::vector<std::string>{"Failed to export verilog IP\r\n"
                                                                             "ctl/x.v: Is a directory"});
        }
    }
}

TEST_F(Export, ResourceToFile)
{
    TempDir dir;
    std::string file = dir.Path() + "sub/clock_divider.v";
    // the item name ignores case; a missing folder is made one level deep
    ASSERT_TRUE(TSystemBuild::WriteResourceToFile(file, "clock_divider_verilog"));
    auto item = platform::FindResource("CLOCK_DIVIDER_VERILOG");
    EXPECT_EQ(tooltest::ReadFile(file), std::string(item->begin(), item->end()));
    // a missing item fails, names the file, and leaves the old file alone
    const ExportResult missing = TSystemBuild::WriteResourceToFile(file, "NO_SUCH_VERILOG");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.failedFile, file);
    EXPECT_EQ(missing.reason, "No template named NO_SUCH_VERILOG in the program");
    EXPECT_EQ(tooltest::ReadFile(file), std::string(item->begin(), item->end()));
    const ExportResult deep = TSystemBuild::WriteResourceToFile(dir.Path() + "a/b/x.v", "CLOCK_DIVIDER_VERILOG");
    EXPECT_FALSE(deep);
    EXPECT_EQ(deep.reason, "No such file or directory");
    EXPECT_TRUE(env.dialogs.Boxes().empty());
}

// A controller file that cannot be written ends the export, which says which file and why;
// an old copy in its place stays whole. A link is written through and stays a link.
TEST_F(Export, ControllerCopiesAreReplacedWholeOrTheExportFails)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void(const std::string&)> prepare;  // given clock_divider.v's path
        const char* reason;                              // empty when the export succeeds
    };
    const Case cases[] = {
        {"read-only old copy",
         [](const std::string& path) {
             std::ofstream(path) << "old copy";
             ::chmod(path.c_str(), 0444);
         },
         "Permission denied"},
        {"full device", [](const std::string& path) { fs::create_symlink("/dev/full", path); },
         "No space left on device"},
        {"link to a copy elsewhere",
         [](const std::string& path) {
             std::ofstream(path + ".kept") << "old copy";
             fs::create_symlink("clock_divider.v.kept", path);
         },
         ""},
    };
    const auto item = platform::FindResource("CLOCK_DIVIDER_VERILOG");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.dialogs.Clear();
        TempDir dir;
        TMainBoard board;
        board.m_BoardId = MAINBOARD_Cresswin;
        PutInt32(board.m_CresswinConfig, 156, 1);
        PutInt32(board.m_CresswinConfig, 160, 1);
        const std::string path = dir.Path() + "clock_divider.v";
        c.prepare(path);
        const bool exported = *c.reason == '\0';
        EXPECT_EQ(TSystemBuild().ExportVerilogIP(board, dir.Path()), exported);
        EXPECT_EQ(env.dialogs.Texts(), exported ? std::vector<std::string>{}
                                                : std::vector<std::string>{std::string("Failed to export verilog IP\r\n"
                                                                                       "clock_divider.v: ") +
                                                                           c.reason});
        // Nothing after the failed file is written.
        EXPECT_EQ(platform::FileExists(dir.Path() + "CDCM6100x_Config.v"), exported);
        if (fs::is_symlink(path)) {
            if (exported) EXPECT_EQ(tooltest::ReadFile(path + ".kept"), std::string(item->begin(), item->end()));
        } else {
            EXPECT_EQ(tooltest::ReadFile(path), "old copy");
            EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"clock_divider.v", "si570_controller.v"}));
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    // Within a request: the export's box, then nothing more is written.
    env.dialogs.Clear();
    TempDir project;
    const std::string stale = project.Write("EXT_PLL_CTRL.v", "stale copy");
    ::chmod(stale.c_str(), 0444);
    auto yastrel = MakeFixtureBoard(MAINBOARD_Yastrel_X1);
    EXPECT_FALSE(TSystemBuild().Generate(*yastrel, project.Path() + "top.qpf", false));
    EXPECT_EQ(env.dialogs.Texts(),
              std::vector<std::string>{"Failed to export verilog IP\r\nEXT_PLL_CTRL.v: Permission denied"});
    EXPECT_EQ(tooltest::ReadFile(stale), "stale copy");
    EXPECT_FALSE(platform::FileExists(project.Path() + "top.sdc"));
    EXPECT_FALSE(platform::FileExists(project.Path() + "top.htm"));
}

// A board whose settings object exports into a sub-folder: the failure names the file from the
// project folder on.
TEST_F(Export, FailureNamesTheFileFromTheProjectFolder)
{
    TempDir dir;
    platform::ForceDirectories(dir.Path() + "cdcm6208/I2C_CDCM6208_Config.v");
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    settings.Config.bExtCdcmPLL = 1;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Vellani;
    board.m_pConfigBoard = &settings;
    EXPECT_FALSE(TSystemBuild().ExportVerilogIP(board, dir.Path()));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Failed to export verilog IP\r\n"
                                                            "cdcm6208/I2C_CDCM6208_Config.v: Is a directory"});
}

TEST(ExtPll, YastrelBlockWithTheChosenCodes)
{
    auto board = MakeFixtureBoard(MAINBOARD_Yastrel_X1);
    EXPECT_EQ(board->ExtraTopLevelCode(), "");  // programmable PLL not ticked
    board->m_Yastrel_X1Config[160] = 1;
    board->m_Yastrel_X1Config[162] = 4;
    board->m_Yastrel_X1Config[163] = 4;
    board->m_Yastrel_X1Config[164] = 4;
    std::string code = board->ExtraTopLevelCode();
    EXPECT_EQ(code.rfind("\r\n\r\n//=======================================================\r\n"
                         "//  External PLL Configuration ==========================\r\n",
                         0),
              0u);
    EXPECT_NE(code.find("assign clk1_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk2_set_wr = 4'd4; //100 MHZ\r\n"
                        "assign clk3_set_wr = 4'd4; //100 MHZ\r\n\r\n"
                        "assign rstn = CPU_RESET_n;\r\n"),
              std::string::npos);
    EXPECT_NE(code.find("always @(posedge OSC_50_BANK2 or negedge rstn)\r\n\tif(!rstn)\r\n\tbegin\r\n"
                        "\t\tauto_set_counter <= 0;\r\n\t\tconf_wr <= 0;\r\n\tend \r\n"),
              std::string::npos);
    EXPECT_NE(code.find("\t// device 3 (PLL_CLKIN/SATA_REFCLK)\r\n"), std::string::npos);
    const std::string tail = "\t.max_sclk(MAX_I2C_SCLK),\r\n\t.max_sdat(MAX_I2C_SDAT)\r\n\r\n);\r\n";
    EXPECT_EQ(code.substr(code.size() - tail.size()), tail);

    // Codes outside the table print with an empty name; a code byte reads as signed.
    board->m_Yastrel_X1Config[162] = 0;
    board->m_Yastrel_X1Config[163] = 13;
    board->m_Yastrel_X1Config[164] = 0xFF;
    code = board->ExtraTopLevelCode();
    EXPECT_NE(code.find("assign clk1_set_wr = 4'd0; //Unchange MHZ\r\n"
                        "assign clk2_set_wr = 4'd13; // MHZ\r\n"
                        "assign clk3_set_wr = 4'd-1; // MHZ\r\n"),
              std::string::npos);
}

TEST(ExtPll, PandrelBlockDiffersInItsPortsAndReset)
{
    auto board = MakeFixtureBoard(MAINBOARD_Pandrel);
    board->m_PandrelConfig[148] = 1;
    board->m_PandrelConfig[150] = 2;
    board->m_PandrelConfig[151] = 12;
    board->m_PandrelConfig[152] = 1;
    std::string code = board->ExtraTopLevelCode();
    for (const char* line : {"assign clk1_set_wr = 4'd2; //62.5 MHZ\r\n", "assign clk2_set_wr = 4'd12; //625 MHZ\r\n",
                             "assign clk3_set_wr = 4'd1; //Disable MHZ\r\n", "assign rstn = 1'b1;\r\n",
                             "always @(posedge OSC_50_BANK1 or negedge rstn)\r\n", "\t.osc_50(OSC_50_BANK1), //50MHZ\r\n",
                             "\t// device 2 (HSME_REFCLK)\r\n", "\t// device 3 (PGM_GXB_CLK)\r\n",
                             "\t.max_sclk(MAX2_I2C_SCL),\r\n", "\t.max_sdat(MAX2_I2C_SDA)\r\n"})
        EXPECT_NE(code.find(line), std::string::npos) << line;
    EXPECT_THROW(MakeFixtureBoard(MAINBOARD_Ulvarin)->ExtPllCodePandrel(), platform::InternalError);
    EXPECT_THROW(MakeFixtureBoard(MAINBOARD_Pandrel)->ExtPllCodeYastrel_X1(), platform::InternalError);
}

TEST(ExtPll, GeneratedModuleCompilesAgainstTheControllersPorts)
{
    GenerateEnv env;
    platform::AddResourceTable(kTestTemplates);
    TempDir dir;
    auto board = MakeFixtureBoard(MAINBOARD_Yastrel_X1);
    auto* c = new TConnector("PLL", "", CONNECTOR_NONE, -1);
    c->AddPin(new TPin("OSC_50_BANK2", "A1", DIRECTION_INPUT, 8, 50.0f));
    c->AddPin(new TPin("CPU_RESET_n", "A2", DIRECTION_INPUT, 8, 0.0f));
    c->AddPin(new TPin("MAX_I2C_SCLK", "A3", DIRECTION_OUTPUT, 8, 0.0f));
    c->AddPin(new TPin("MAX_I2C_SDAT", "A4", DIRECTION_INOUT, 8, 0.0f));
    board->AddConnector(c);
    board->m_Yastrel_X1Config[160] = 1;
    board->m_Yastrel_X1Config[162] = 4;
    ASSERT_TRUE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", false));
    // The exported controller (the program's own template) has the ports the block connects.
    // Without -Wall: the block leaves conf_rd open, which iverilog reports as a dangling input.
    auto result = tooltest::RunCommand("iverilog -g2001 -o /dev/null -s top '" + dir.Path() + "top.v' '" + dir.Path() +
                                       "EXT_PLL_CTRL.v'");
    EXPECT_TRUE(result.ok) << result.output;
}

TEST(ClockFrequencies, Tables)
{
    EXPECT_EQ(Si570Frequency(1), 100.0);
    EXPECT_EQ(Si570Frequency(6), 322.265);
    EXPECT_EQ(Si570Frequency(7), 644.53125);
    EXPECT_EQ(CdcmFrequency(1), 62.5);
    EXPECT_EQ(CdcmFrequency(10), 312.5);
    EXPECT_EQ(CdcmFrequency(11), 625.0);
    EXPECT_EQ(ExtPllFrequency(11), 312.5);
    EXPECT_EQ(ExtPllFrequency(2), 62.5);
    for (int c = 2; c <= 12; ++c) EXPECT_EQ(ExtPllFrequency(uint8_t(c)), CdcmFrequency(uint8_t(c - 1))) << c;
    for (uint8_t none : {0, 8, 255}) EXPECT_EQ(Si570Frequency(none), 0.0) << int(none);
    for (uint8_t none : {0, 12, 255}) EXPECT_EQ(CdcmFrequency(none), 0.0) << int(none);
    for (uint8_t none : {0, 1, 13, 255}) EXPECT_EQ(ExtPllFrequency(none), 0.0) << int(none);
}

// The Si5340 controller files of Nobrecht, Dravelle and Abernoll: every resource name
// finds the file meant for it, the files lint clean, fit the instances of the generated
// top level, and program the chips (decoded from the I2C writes of the benches) with the
// frequencies of every selector code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "BenchCheck.h"
#include "platform/Resources.h"

using namespace tooltest;

namespace {

struct Item {
    const char* board;
    const char* file;  // as written into the project
    const char* name;  // resource name
    const char* path;  // under resources/
};

const Item kItems[] = {
    {"Nobrecht", "clock_divider.v", "NOBRECHT_CLOCK_DIVIDER_VERILOG", "hdl/clock_divider.v"},
    {"Nobrecht", "edge_detector.v", "NOBRECHT_EDGE_DETECTOR_VERILOG", "hdl/si5340/edge_detector.v"},
    {"Nobrecht", "i2c_bus_controller.v", "NOBRECHT_I2C_BUS_CONTROLLER_VERILOG", "hdl/si5340/i2c_bus_controller.v"},
    {"Nobrecht", "initial_config.v", "NOBRECHT_INITIAL_CONFIG_VERILOG", "hdl/si5340/initial_config.v"},
    {"Nobrecht", "si5340a_clk_frq_sel_gen.v", "SI5340A_CLK_FRQ_SEL_GEN_VERILOG", "hdl/si5340/si5340a_clk_frq_sel_gen.v"},
    {"Nobrecht", "si5340a_controller.v", "SI5340A_CONTROLLER_VERILOG", "hdl/si5340/si5340a_controller.v"},
    {"Nobrecht", "si5340a_freq_prameter_selector.v", "SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/si5340a_freq_prameter_selector.v"},
    {"Nobrecht", "si5340a_i2c_reg_controller.v", "SI5340A_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340a_i2c_reg_controller.v"},
    {"Nobrecht", "si5340b_clk_frq_sel_gen.v", "SI5340B_CLK_FRQ_SEL_GEN_VERILOG",
     "hdl/si5340/nobrecht/si5340b_clk_frq_sel_gen.v"},
    {"Nobrecht", "si5340b_controller.v", "SI5340B_CONTROLLER_VERILOG", "hdl/si5340/si5340b_controller.v"},
    {"Nobrecht", "si5340b_freq_prameter_selector.v", "SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/nobrecht/si5340b_freq_prameter_selector.v"},
    {"Nobrecht", "si5340b_i2c_reg_controller.v", "SI5340B_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340b_i2c_reg_controller.v"},

    {"Dravelle", "clock_divider.v", "DDR4_NOBRECHT_CLOCK_DIVIDER_VERILOG", "hdl/clock_divider.v"},
    {"Dravelle", "edge_detector.v", "DDR4_NOBRECHT_EDGE_DETECTOR_VERILOG", "hdl/si5340/edge_detector.v"},
    {"Dravelle", "i2c_bus_controller.v", "DDR4_NOBRECHT_I2C_BUS_CONTROLLER_VERILOG",
     "hdl/si5340/i2c_bus_controller.v"},
    {"Dravelle", "initial_config.v", "DDR4_NOBRECHT_INITIAL_CONFIG_VERILOG", "hdl/si5340/initial_config.v"},
    {"Dravelle", "si5340a_clk_frq_sel_gen.v", "DDR4_SI5340A_CLK_FRQ_SEL_GEN_VERILOG",
     "hdl/si5340/si5340a_clk_frq_sel_gen.v"},
    {"Dravelle", "si5340a_controller.v", "DDR4_SI5340A_CONTROLLER_VERILOG", "hdl/si5340/si5340a_controller.v"},
    {"Dravelle", "si5340a_freq_prameter_selector.v", "DDR4_SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/si5340a_freq_prameter_selector.v"},
    {"Dravelle", "si5340a_i2c_reg_controller.v", "DDR4_SI5340A_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340a_i2c_reg_controller.v"},
    {"Dravelle", "si5340b_clk_frq_sel_gen.v", "DDR4_SI5340B_CLK_FRQ_SEL_GEN_VERILOG",
     "hdl/si5340/dravelle/si5340b_clk_frq_sel_gen.v"},
    {"Dravelle", "si5340b_controller.v", "DDR4_SI5340B_CONTROLLER_VERILOG", "hdl/si5340/dravelle/si5340b_controller.v"},
    {"Dravelle", "si5340b_freq_prameter_selector.v", "DDR4_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/dravelle/si5340b_freq_prameter_selector.v"},
    {"Dravelle", "si5340b_i2c_reg_controller.v", "DDR4_SI5340B_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340b_i2c_reg_controller.v"},

    {"Abernoll", "clock_divider.v", "ABERNOLL_CLOCK_DIVIDER_VERILOG", "hdl/clock_divider.v"},
    {"Abernoll", "edge_detector.v", "ABERNOLL_EDGE_DETECTOR_VERILOG", "hdl/si5340/edge_detector.v"},
    {"Abernoll", "i2c_bus_controller.v", "ABERNOLL_I2C_BUS_CONTROLLER_VERILOG", "hdl/si5340/i2c_bus_controller.v"},
    {"Abernoll", "initial_config.v", "ABERNOLL_INITIAL_CONFIG_VERILOG", "hdl/si5340/initial_config.v"},
    {"Abernoll", "si5340a_clk_frq_sel_gen.v", "ABERNOLL_SI5340A_CLK_FRQ_SEL_GEN_VERILOG",
     "hdl/si5340/si5340a_clk_frq_sel_gen.v"},
    {"Abernoll", "si5340a_controller.v", "ABERNOLL_SI5340A_CONTROLLER_VERILOG", "hdl/si5340/si5340a_controller.v"},
    {"Abernoll", "si5340a_freq_prameter_selector.v", "ABERNOLL_SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/si5340a_freq_prameter_selector.v"},
    {"Abernoll", "si5340a_i2c_reg_controller.v", "ABERNOLL_SI5340A_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340a_i2c_reg_controller.v"},
    {"Abernoll", "si5340b_clk_frq_sel_gen.v", "ABERNOLL_SI5340B_CLK_FRQ_SEL_GEN_VERILOG",
     "hdl/si5340/abernoll/si5340b_clk_frq_sel_gen.v"},
    {"Abernoll", "si5340b_controller.v", "ABERNOLL_SI5340B_CONTROLLER_VERILOG", "hdl/si5340/si5340b_controller.v"},
    {"Abernoll", "si5340b_freq_prameter_selector.v", "ABERNOLL_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG",
     "hdl/si5340/abernoll/si5340b_freq_prameter_selector.v"},
    {"Abernoll", "si5340b_i2c_reg_controller.v", "ABERNOLL_SI5340B_I2C_REG_CONTROLLER_VERILOG",
     "hdl/si5340/si5340b_i2c_reg_controller.v"},
};

// The Si5340B settings of a board: the macro names of the generated top level, by
// selector code, and the width and number format of the macro values.
struct Board {
    const char* name;
    int selectorWidth;
    const char* clock;  // the 50 MHz clock port
    const char* aValueFormat;
    std::vector<const char*> bSettings;
};

const Board kBoards[] = {
    {"Nobrecht", 4, "CLK_50_B2J", "3'h%d",
     {"DDR266_QDR275_PCIE100", "DDR233_QDR275_PCIE100", "DDR200_QDR275_PCIE100", "DDR266_QDR250_PCIE100",
      "DDR233_QDR250_PCIE100", "DDR200_QDR250_PCIE100", "DDR266_QDR225_PCIE100", "DDR233_QDR225_PCIE100",
      "DDR200_QDR225_PCIE100", "DDR266_QDR233_PCIE100", "DDR233_QDR233_PCIE100", "DDR200_QDR233_PCIE100"}},
    {"Dravelle", 5, "CLK_50_B2J", "3'd%d",
     {"DDR300_QDR275_PCIE100", "DDR266_QDR275_PCIE100", "DDR233_QDR275_PCIE100", "DDR200_QDR275_PCIE100",
      "DDR150_QDR275_PCIE100", "DDR300_QDR250_PCIE100", "DDR266_QDR250_PCIE100", "DDR233_QDR250_PCIE100",
      "DDR200_QDR250_PCIE100", "DDR150_QDR250_PCIE100", "DDR300_QDR225_PCIE100", "DDR266_QDR225_PCIE100",
      "DDR233_QDR225_PCIE100", "DDR200_QDR225_PCIE100", "DDR150_QDR225_PCIE100", "DDR300_QDR233_PCIE100",
      "DDR266_QDR233_PCIE100", "DDR233_QDR233_PCIE100", "DDR200_QDR233_PCIE100", "DDR150_QDR233_PCIE100"}},
    {"Abernoll", 4, "CLK_50_B2F", "3'h%d", {"REFCLK_QDR275", "REFCLK_QDR250", "REFCLK_QDR225"}},
};

// The Si5340A settings, by selector code.
const char* const kASettings[8] = {"SI5340A_POWER_DOWN", "SI5340A_644M53125", "SI5340A_322M265625", "SI5340A_312M5",
                                   "SI5340A_250M",       "SI5340A_156M25",    "SI5340A_125M",       "SI5340A_100M"};
constexpr double kAMHz[8] = {0, 644.53125, 322.265625, 312.5, 250, 156.25, 125, 100};

// Megahertz of a frequency as the setting names write it: 233 and 266 stand for 700/3
// and 800/3.
double NamedMHz(int named)
{
    if (named == 233) return 700.0 / 3;
    if (named == 266) return 800.0 / 3;
    return named;
}

// The frequencies of N0, N1 and N2 that a Si5340B setting name stands for.
std::vector<double> BSettingMHz(const std::string& setting)
{
    std::smatch m;
    if (std::regex_match(setting, m, std::regex("DDR(\\d+)_QDR(\\d+)_PCIE100")))
        return {NamedMHz(std::stoi(m[1])), NamedMHz(std::stoi(m[2])), 100.0};
    if (std::regex_match(setting, m, std::regex("REFCLK_QDR(\\d+)"))) {
        double qdr = NamedMHz(std::stoi(m[1]));
        return {qdr, qdr, qdr};
    }
    ADD_FAILURE() << setting;
    return {};
}

std::string Lower(std::string text)
{
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Stem(const std::string& file) { return file.substr(0, file.size() - 2); }

std::string ResourcePath(const char* path)
{
    return (std::filesystem::path(PINWRIGHT_TESTS_DIR).parent_path() / "resources" / path).string();
}

// A board's twelve files, written into a folder by their project names.
class BoardFiles {
public:
    explicit BoardFiles(const std::string& board)
    {
        for (const auto& item : kItems)
            if (board == item.board) m_paths[Stem(item.file)] = m_dir.Write(item.file, ItemText(item.name));
    }
    std::string Path(const std::string& module) const { return m_paths.at(module); }
    std::vector<std::string> All() const
    {
        std::vector<std::string> files;
        for (const auto& [module, path] : m_paths) files.push_back(path);
        return files;
    }
    std::vector<std::string> Without(const std::string& chip) const  // the files of the other chip and common
    {
        std::vector<std::string> files;
        for (const auto& [module, path] : m_paths)
            if (module.rfind(chip, 0) != 0) files.push_back(path);
        return files;
    }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::map<std::string, std::string> m_paths;
};

// The register writes of one run of a bench, in order: address, value.
using Writes = std::vector<std::pair<int, int>>;

std::map<int, Writes> RunWrites(const std::string& output)
{
    std::map<int, Writes> runs;
    for (const auto& line : Lines(output, "REG ")) {
        int run, address, value;
        EXPECT_EQ(std::sscanf(line.c_str(), "REG run=%d addr=%d data=%d", &run, &address, &value), 3) << line;
        runs[run].push_back({address, value});
    }
    return runs;
}

// The register contents a run leaves.
std::map<int, int> Image(const Writes& writes)
{
    std::map<int, int> image;
    for (const auto& [address, value] : writes) image[address] = value;
    return image;
}

// Output frequency of N divider x in MHz by the chip's output model,
// fout = fVCO / (Nx_NUM / Nx_DEN * R); checks the divider was taken into use after its
// numerator and denominator were written.
double DividerMHz(const Writes& writes, int x, double vcoMHz, int r)
{
    const int base = 0x0302 + 11 * x;
    auto image = Image(writes);
    uint64_t num = 0, den = 0;
    for (int i = 5; i >= 0; --i) {
        EXPECT_TRUE(image.count(base + i)) << std::hex << base + i;
        num = (num << 8) | uint64_t(image[base + i]);
    }
    for (int i = 3; i >= 0; --i) {
        EXPECT_TRUE(image.count(base + 6 + i)) << std::hex << base + 6 + i;
        den = (den << 8) | uint64_t(image[base + 6 + i]);
    }
    EXPECT_LT(num, uint64_t(1) << 44);
    EXPECT_EQ(image[base + 10], 1) << "N" << x << "_UPDATE";
    std::size_t lastValue = 0, update = 0;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        if (writes[i].first >= base && writes[i].first < base + 10) lastValue = i;
        if (writes[i].first == base + 10) update = i;
    }
    EXPECT_GT(update, lastValue) << "N" << x << "_UPDATE before its divider";
    if (num == 0 || den == 0) return 0;
    return vcoMHz / (double(num) / double(den) * r);
}

constexpr double kVcoAMHz = 14179.6875;  // the VCOs the start-up configurations run
constexpr double kVcoBMHz = 14000.0;

void ExpectMHz(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, expected * 1e-6);
}

// The Si5340A and Si5340B blocks of the generated top level, with the given settings.
std::string GeneratedBlocks(const Board& board, const char* const aSettings[4], const std::string& bSetting)
{
    const bool abernoll = std::string(board.name) == "Abernoll";
    const std::string banner = "//=======================================================\r\n";
    char line[128];
    std::string text = "\r\n\r\n" + banner + "//  Configure SI5340A \r\n" + banner;
    for (int v = 0; v < 8; ++v) {
        char value[8];
        std::snprintf(value, sizeof value, board.aValueFormat, v);
        std::snprintf(line, sizeof line, "`define %-20s%s\r\n", kASettings[v], value);
        text += line;
    }
    text += "\r\nwire si5340a_controller_start;\r\n";
    if (abernoll) text += "wire si5340a_config_done;\r\n\r\n";
    text += "assign si5340a_controller_start = ~BUTTON[0];\r\n\r\n";
    text += "si5340a_controller si5340a_controller(\r\n";
    text += std::string("    .iCLK(") + board.clock + "),\r\n";
    text += "    .iRST_n(CPU_RESET_n),\r\n    .iStart(si5340a_controller_start),\r\n";
    const char* letters = "ABCD";
    for (int x = 0; x < 4; ++x) {
        std::snprintf(line, sizeof line, "    .iPLL_OUT%d_FREQ_SEL(`%s),//QSFP-%c\r\n", x, aSettings[x], letters[x]);
        text += line;
    }
    text += "    .I2C_CLK(SI5340A_I2C_SCL),\r\n    .I2C_DATA(SI5340A_I2C_SDA),\r\n";
    text += abernoll ? "    .oPLL_REG_CONFIG_DONE(si5340a_config_done)\r\n" : "    .oPLL_REG_CONFIG_DONE()\r\n";
    text += ");\r\n\r\nassign SI5340A_OE_n = 1'b0;\r\nassign SI5340A_RST_n = CPU_RESET_n;\r\n\r\n";

    text += "\r\n\r\n" + banner + "//  Configure SI5340B \r\n" + banner;
    for (std::size_t v = 0; v < board.bSettings.size(); ++v) {
        if (std::string(board.name) == "Dravelle")
            std::snprintf(line, sizeof line, "`define %s   5'd%zu\r\n", board.bSettings[v], v);
        else
            std::snprintf(line, sizeof line, "`define %s   4'h%zX\r\n", board.bSettings[v], v);
        text += line;
    }
    text += "\r\nwire si5340b_controller_start;\r\n";
    text += abernoll ? "wire si5340b_config_done;\r\n\r\n" : "wire config_done;\r\n\r\n";
    text += "assign si5340b_controller_start = ~BUTTON[0];\r\n\r\n";
    text += "si5340b_controller si5340b_controller(\r\n";
    text += std::string("    .iCLK(") + board.clock + "),\r\n";
    text += "    .iRST_n(CPU_RESET_n),\r\n    .iStart(si5340b_controller_start),\r\n";
    text += "    .iPLL_OUT_FREQ_SEL(`" + bSetting + "),\r\n";
    text += "    .I2C_CLK(SI5340B_I2C_SCL),\r\n    .I2C_DATA(SI5340B_I2C_SDA),\r\n";
    text += abernoll ? "    .oPLL_REG_CONFIG_DONE(si5340b_config_done)\r\n" : "    .oPLL_REG_CONFIG_DONE(config_done)\r\n";
    text += ");\r\n\r\nassign SI5340B_OE_n = 1'b0;\r\nassign SI5340B_RST_n = CPU_RESET_n;\r\n\r\n";
    return text;
}

}  // namespace

// Names formed in lower case, as the program forms them, and upper case find the bytes of
// the file meant; each file is one module named like the file and defines no macro that
// could clash with those of the generated top level.
TEST(Si5340Controller, EveryResourceNameFindsItsFile)
{
    for (const auto& item : kItems) {
        SCOPED_TRACE(item.name);
        std::string file = ReadFile(ResourcePath(item.path));
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(ItemText(Lower(item.name)), file);
        EXPECT_EQ(ItemText(item.name), file);
        ExpectTemplateShape(file, Stem(item.file));
        EXPECT_EQ(file.find("`define"), std::string::npos);
    }
}

TEST(Si5340Controller, LintCleanWithEveryWarning)
{
    for (const auto& board : kBoards) {
        SCOPED_TRACE(board.name);
        BoardFiles files(board.name);
        for (const char* top : {"si5340a_controller", "si5340b_controller", "si5340a_clk_frq_sel_gen",
                                "si5340b_clk_frq_sel_gen"}) {
            SCOPED_TRACE(top);
            auto lint = CheckVerilator(files.All(), top, true);
            EXPECT_TRUE(lint.ok) << lint.command << "\n" << lint.output;
            auto compile = CheckIverilog(files.All(), top);
            EXPECT_TRUE(compile.ok) << compile.command << "\n" << compile.output;
        }
    }
}

// The instances exactly as the generated top level writes them, with each board's macro
// widths: iverilog warns about a width that does not match and rejects an unknown port;
// verilator checks widths too. The generated code leaves oPLL_I2C_ID_READ_ERROR out and
// oPLL_REG_CONFIG_DONE empty on some boards, which verilator may only note.
TEST(Si5340Controller, FitTheGeneratedInstances)
{
    const char* const aSettings[4] = {"SI5340A_POWER_DOWN", "SI5340A_644M53125", "SI5340A_156M25", "SI5340A_100M"};
    for (const auto& board : kBoards) {
        for (const std::string bSetting : {board.bSettings.front(), board.bSettings.back()}) {
            SCOPED_TRACE(std::string(board.name) + " " + bSetting);
            BoardFiles files(board.name);
            std::string top = std::string("module top(\r\n\tinput ") + board.clock +
                              ", input CPU_RESET_n, input [3:0] BUTTON,\r\n"
                              "\toutput SI5340A_I2C_SCL, inout SI5340A_I2C_SDA, output SI5340A_OE_n, "
                              "output SI5340A_RST_n,\r\n"
                              "\toutput SI5340B_I2C_SCL, inout SI5340B_I2C_SDA, output SI5340B_OE_n, "
                              "output SI5340B_RST_n\r\n);\r\n" +
                              GeneratedBlocks(board, aSettings, bSetting) + "\r\nendmodule\r\n";
            auto sources = files.All();
            sources.push_back(files.Dir().Write("top.v", top));
            auto compile = CheckIverilog(sources, "top");
            EXPECT_TRUE(compile.ok) << compile.command << "\n" << compile.output;
            std::string lint = "verilator --lint-only -Wall -Wno-PINMISSING -Wno-PINCONNECTEMPTY -Wno-UNUSEDSIGNAL "
                               "--top-module top";
            for (const auto& s : sources) lint += " '" + s + "'";
            auto linted = RunCommand(lint);
            EXPECT_TRUE(linted.ok) << linted.command << "\n" << linted.output;
        }
    }
}

// Decodes the writes of each run with the chip's output model: every output has the
// frequency of its code within 1 ppm with R = 2, or is powered down for code 0.
TEST(Si5340Controller, Si5340AWritesGiveTheFrequencyOfEachCode)
{
    BoardFiles files("Nobrecht");
    auto run = RunBench(files.Dir(), "si5340a_controller_tb.v", files.Without("si5340b"));
    ExpectBenchPassed(run, {"lines released during reset", "no bus activity during the start delay",
                            "programs once after the start delay", "no further run without a start",
                            "each rising iStart programs the codes", "pulses shorter than the debounce time are ignored",
                            "a held iStart programs once", "a start during a run programs again after it",
                            "another device number: error, nothing written", "no acknowledge: error, bus released",
                            "a new start after an error programs the chip", "reset stops a run",
                            "programs again after the start delay"});

    auto runs = RunWrites(run.output);
    auto codeLines = Lines(run.output, "CODES ");
    ASSERT_EQ(codeLines.size(), 9u) << run.output;  // 8 runs with every code on every output, 1 interrupted
    std::vector<bool> seen(8, false);
    const int configRegister[4] = {0x0112, 0x0117, 0x0126, 0x012B};
    for (const auto& line : codeLines) {
        SCOPED_TRACE(line);
        int r, codes[4];
        ASSERT_EQ(std::sscanf(line.c_str(), "CODES run=%d sel=%d,%d,%d,%d", &r, &codes[0], &codes[1], &codes[2],
                              &codes[3]),
                  5);
        const Writes& writes = runs[r];
        auto image = Image(writes);
        EXPECT_EQ(image[0x0102] & 1, 1) << "outputs disabled";
        for (int x = 0; x < 4; ++x) {
            SCOPED_TRACE(x);
            ASSERT_TRUE(image.count(configRegister[x]));
            int config = image[configRegister[x]];
            double mhz = DividerMHz(writes, x, kVcoAMHz, 2);
            if (codes[x] == 0) {
                EXPECT_EQ(config & 3, 1) << "powered down, not enabled";
            } else {
                EXPECT_EQ(config & 7, 6) << "powered, enabled, R = 2";
                ExpectMHz(mhz, kAMHz[codes[x]]);
            }
            seen[codes[x]] = true;
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 8);
}

// For each board, every code of the selector (a code beyond the table acts as code 0)
// gives the memory, QDRII+ and PCIe frequencies its setting name stands for.
TEST(Si5340Controller, Si5340BWritesGiveTheFrequenciesOfEachCode)
{
    for (const auto& board : kBoards) {
        SCOPED_TRACE(board.name);
        BoardFiles files(board.name);
        auto run = RunBench(files.Dir(), "si5340b_controller_tb.v", files.Without("si5340a"),
                            "-Psi5340b_controller_tb.WIDTH=" + std::to_string(board.selectorWidth));
        ExpectBenchPassed(run, {"no bus activity during the start delay", "programs once after the start delay",
                                "each rising iStart programs the code", "another device number: error, nothing written",
                                "a new start after an error programs the chip"});
        auto runs = RunWrites(run.output);
        auto codeLines = Lines(run.output, "CODE ");
        ASSERT_EQ(codeLines.size(), (1u << board.selectorWidth) + 1) << run.output;
        for (const auto& line : codeLines) {
            SCOPED_TRACE(line);
            int r, code;
            ASSERT_EQ(std::sscanf(line.c_str(), "CODE run=%d sel=%d", &r, &code), 2);
            std::size_t setting = std::size_t(code) < board.bSettings.size() ? std::size_t(code) : 0;
            auto expected = BSettingMHz(board.bSettings[setting]);
            ASSERT_EQ(expected.size(), 3u);
            for (int x = 0; x < 3; ++x) {
                SCOPED_TRACE(x);
                ExpectMHz(DividerMHz(runs[r], x, kVcoBMHz, 2), expected[x]);
            }
        }
    }
}

// The selector generators count through the codes of their chip's selector.
TEST(Si5340Controller, SelectorGeneratorsStepThroughTheCodes)
{
    for (const auto& board : kBoards) {
        BoardFiles files(board.name);
        struct Case {
            const char* module;
            int width;
            std::size_t codes;
        };
        for (const Case& c : {Case{"si5340a_clk_frq_sel_gen", 3, 8},
                              Case{"si5340b_clk_frq_sel_gen", board.selectorWidth, board.bSettings.size()}}) {
            SCOPED_TRACE(std::string(board.name) + " " + c.module);
            auto run = RunBench(files.Dir(), "si5340_clk_frq_sel_gen_tb.v",
                                {files.Path(c.module), files.Path("edge_detector")},
                                std::string("-DSEL_GEN=") + c.module + " -Psi5340_clk_frq_sel_gen_tb.WIDTH=" +
                                    std::to_string(c.width) +
                                    " -Psi5340_clk_frq_sel_gen_tb.FREQ_NUM=" + std::to_string(c.codes));
            ExpectBenchPassed(run, {"code 0 after reset", "each press moves the code on, the last back to 0",
                                    "each press raises oCHANGE_FREQ for the pulse time",
                                    "a short pulse changes nothing", "a held press counts once"});
        }
    }
}

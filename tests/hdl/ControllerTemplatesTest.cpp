// The clock-controller HDL templates the program embeds: each lints clean, fits the
// instances the generated top level writes, and drives the chips as documented in its
// header (checked in simulation by the benches under benches/).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/ConfigVellani.h"
#include "platform/Resources.h"

using namespace tooltest;

namespace {

struct Template {
    const char* item;
    const char* module;
};

constexpr Template kTemplates[] = {
    {"EXT_PLL_CTRL_VERILOG", "ext_pll_ctrl"},
    {"SI570_CONTROLLER_VERILOG", "si570_controller"},
    {"CLOCK_DIVIDER_VERILOG", "clock_divider"},
    {"EDGE_DETECTOR_VERILOG", "edge_detector"},
    {"I2C_BUS_CONTROLLER_VERILOG", "i2c_bus_controller"},
    {"I2C_CONTROLLER_VERILOG", "i2c_controller"},
    {"I2C_REG_CONTROLLER_VERILOG", "i2c_reg_controller"},
    {"INITIAL_CONFIG_VERILOG", "initial_config"},
    {"CDCM6100X_CONFIG_VERILOG", "CDCM6100x_Config"},
    {"VELLANI_CDCM6208_CONFIG_VERILOG", "I2C_CDCM6208_Config"},
    {"VELLANI_CDCM6208_CONTROLLER_VERILOG", "I2C_CDCM6208_Controller"},
    {"VELLANI_LMK04906_CONFIG_VERILOG", "SPI_LMK04906_Config"},
};

const std::vector<std::string> kSi570Set = {"si570_controller",   "clock_divider",  "edge_detector",
                                            "i2c_bus_controller", "i2c_controller", "i2c_reg_controller",
                                            "initial_config"};
const std::vector<std::string> kCdcm6208Set = {"I2C_CDCM6208_Config", "I2C_CDCM6208_Controller"};

// The modules a template needs beside itself.
std::vector<std::string> ModulesOf(const std::string& module)
{
    if (module == "si570_controller") return kSi570Set;
    if (module == "I2C_CDCM6208_Config") return kCdcm6208Set;
    return {module};
}

// The embedded templates written to a folder as <module>.v, the way a project gets them.
class Templates {
public:
    Templates()
    {
        for (const auto& t : kTemplates) m_paths[t.module] = m_dir.Write(std::string(t.module) + ".v", ItemText(t.item));
    }
    std::vector<std::string> Files(const std::vector<std::string>& modules) const
    {
        std::vector<std::string> files;
        for (const auto& m : modules) files.push_back(m_paths.at(m));
        return files;
    }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::map<std::string, std::string> m_paths;
};

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

TEST(ControllerTemplates, EachItemIsOneModuleWithCrLfLineEnds)
{
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.item);
        ExpectTemplateShape(ItemText(t.item), t.module);
    }
}

TEST(ControllerTemplates, LintCleanWithEveryWarning)
{
    Templates templates;
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.module);
        auto files = templates.Files(ModulesOf(t.module));
        auto lint = CheckVerilator(files, t.module, true);
        EXPECT_TRUE(lint.ok) << lint.command << "\n" << lint.output;
        auto compile = CheckIverilog(files, t.module);
        EXPECT_TRUE(compile.ok) << compile.command << "\n" << compile.output;
    }
}

// The instances as the generated top levels write them; iverilog rejects an unknown
// port and warns about a width that does not match.
TEST(ControllerTemplates, FitTheGeneratedInstances)
{
    const std::string top =
        "module top(\r\n"
        "\tinput OSC_50_B3B, input OSC_50_BANK2, input CPU_RESET_n,\r\n"
        "\toutput PLL_SCL, inout PLL_SDA, output MAX_I2C_SCLK, inout MAX_I2C_SDAT,\r\n"
        "\toutput CLOCK_SCL, inout CLOCK_SDA,\r\n"
        "\toutput CLK_CE, output [2:0] CLK_OD, output [1:0] CLK_OS, output [1:0] CLK_PR, output CLK_RST_n\r\n"
        ");\r\n"
        "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n"
        "wire         rstn;\r\n"
        "wire         conf_ready;\r\n"
        "reg          conf_wr;\r\n"
        "assign clk1_set_wr = 4'd7; //156.25 MHz\r\n"
        "assign clk2_set_wr = 4'd12; //625 MHz\r\n"
        "assign clk3_set_wr = 4'd0; //Unchange\r\n"
        "assign rstn = CPU_RESET_n;\r\n"
        "always @(posedge OSC_50_B3B or negedge rstn)\r\n"
        "\tif(!rstn) conf_wr <= 0; else conf_wr <= 1;\r\n"
        "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n"
        "\t.osc_50(OSC_50_B3B), //50MHZ\r\n"
        "\t.rstn(rstn),\r\n"
        "\r\n"
        "\t// device 1 (SFP1G_REFCLK_p)\r\n"
        "\t.clk1_set_wr(clk1_set_wr),\r\n"
        "\t.clk1_set_rd(),\r\n"
        "\r\n"
        "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)\r\n"
        "\t.clk2_set_wr(clk2_set_wr),\r\n"
        "\t.clk2_set_rd(),\r\n"
        "\r\n"
        "\t// device 3 (reserved)\r\n"
        "\t.clk3_set_wr(clk3_set_wr),\r\n"
        "\t.clk3_set_rd(),\r\n"
        "\r\n"
        "\t// setting trigger\r\n"
        "\t.conf_wr(conf_wr), // 1T 50MHz \r\n"
        "\t.conf_rd(), // 1T 50MHz\r\n"
        "\r\n"
        "\t// status \r\n"
        "\t.conf_ready(conf_ready),\r\n"
        "\r\n"
        "\t// 2-wire interface \r\n"
        "\t.max_sclk(PLL_SCL),\r\n"
        "\t.max_sdat(PLL_SDA)\r\n"
        "\r\n"
        ");\r\n"
        "ext_pll_ctrl ext_pll_ctrl_Inst2(\r\n"
        "\t.osc_50(OSC_50_BANK2), //50MHZ\r\n"
        "\t.rstn(rstn),\r\n"
        "\t.clk1_set_wr(clk1_set_wr),\r\n"
        "\t.clk1_set_rd(),\r\n"
        "\t.clk2_set_wr(clk2_set_wr),\r\n"
        "\t.clk2_set_rd(),\r\n"
        "\t.clk3_set_wr(clk3_set_wr),\r\n"
        "\t.clk3_set_rd(),\r\n"
        "\t.conf_wr(conf_wr), // 1T 50MHz \r\n"
        "\t.conf_rd(), // 1T 50MHz\r\n"
        "\t.conf_ready(),\r\n"
        "\t.max_sclk(MAX_I2C_SCLK),\r\n"
        "\t.max_sdat(MAX_I2C_SDAT)\r\n"
        ");\r\n"
        "wire [3:0] desired_freq;\r\n"
        "assign desired_freq = 4'd10; // 625 \tMHz\r\n"
        "CDCM6100x_Config CDCM61004_Config_inst(\r\n"
        "\t.clk_50m(OSC_50_B3B),\r\n"
        "\t.recal_n(CPU_RESET_n),\r\n"
        "\t.desired_freq(desired_freq),\r\n"
        "\t.CLK_CE(CLK_CE),\r\n"
        "\t.CLK_OD(CLK_OD),\r\n"
        "\t.CLK_OS(CLK_OS),\r\n"
        "\t.CLK_PR(CLK_PR),\r\n"
        "\t.CLK_RST_n(CLK_RST_n)\r\n"
        ");\r\n"
        "si570_controller si570_controller_inst(\r\n"
        "    .iCLK(OSC_50_B3B), // system   clock 50mhz \r\n"
        "    .iRST_n(CPU_RESET_n), // system reset;\r\n"
        "    .iFREQ_MODE(3'b101),\r\n"
        "    .I2C_CLK(CLOCK_SCL),\r\n"
        "    .I2C_DATA(CLOCK_SDA),\r\n"
        "    .oController_Ready()\r\n"
        ");\r\n"
        "endmodule\r\n";
    Templates templates;
    auto files = templates.Files({"ext_pll_ctrl", "CDCM6100x_Config", "si570_controller", "clock_divider",
                                  "edge_detector", "i2c_bus_controller", "i2c_controller", "i2c_reg_controller",
                                  "initial_config"});
    files.push_back(templates.Dir().Write("top.v", top));
    std::string command = "iverilog -g2001 -Wall -o /dev/null -s top";
    for (const auto& f : files) command += " " + Quoted(f);
    auto result = RunCommand(command);
    ASSERT_TRUE(result.ok) << result.command << "\n" << result.output;
    // the generated code leaves the input conf_rd open (synthesis ties it low); nothing else
    std::istringstream lines(result.output);
    std::string line;
    int openReads = 0;
    while (std::getline(lines, line)) {
        if (line.find("warning") == std::string::npos) continue;
        if (line.find("dangling input port 10 (conf_rd)") != std::string::npos) ++openReads;
        else ADD_FAILURE() << line;
    }
    EXPECT_EQ(openReads, 2) << result.output;
}

TEST(ControllerBenches, ExtPllCtrlSendsTheCodesAndReportsReady)
{
    Templates templates;
    auto run = RunBench(templates.Dir(), "ext_pll_ctrl_tb.v", templates.Files({"ext_pll_ctrl"}));
    ExpectBenchPassed(run, {"idle after reset", "write frame sends the codes", "held conf_wr sends once, ready stays high",
                            "changed codes wait for the next edge", "second edge sends the latched codes",
                            "read frame returns the codes", "write before read", "every frame well formed", "reset"});
}

// Decodes the pins the bench saw with the chip's divider tables (25 MHz crystal): each
// code gives its frequency, with the VCO in its range.
TEST(ControllerBenches, CdcmPinsGiveTheFrequencyOfEachCode)
{
    Templates templates;
    auto run = RunBench(templates.Dir(), "CDCM6100x_Config_tb.v", templates.Files({"CDCM6100x_Config"}));
    ExpectBenchPassed(run, {"pin levels of every code", "reset held low after recal_n, then released once",
                            "changed code resets the chip", "changed code applied after the reset",
                            "steady code: no further reset", "pins settled before every reset release"});

    constexpr double kMHz[16] = {62.5, 75, 100, 125, 150, 156.25, 187.5, 200, 250, 312.5, 625,
                                 150,  150, 150, 150, 150};
    constexpr int kPrescaler[4] = {3, 5, 4, 3};
    constexpr int kFeedback[4] = {24, 15, 20, 25};
    constexpr int kOutputDivider[8] = {1, 2, 3, 4, 6, 8, 0, 0};
    auto pins = Lines(run.output, "PINS ");
    ASSERT_EQ(pins.size(), 16u) << run.output;
    for (int code = 0; code < 16; ++code) {
        SCOPED_TRACE(pins[code]);
        int shown = -1;
        char ce[2], pr[3], od[4], os[3], rst[2];
        ASSERT_EQ(std::sscanf(pins[code].c_str(), "PINS code=%d CE=%1s PR=%2s OD=%3s OS=%2s RST_n=%1s", &shown, ce, pr,
                              od, os, rst),
                  6);
        EXPECT_EQ(shown, code);
        EXPECT_STREQ(ce, "1");
        EXPECT_STREQ(rst, "1");
        EXPECT_STREQ(os, "01");  // LVDS
        int p = std::stoi(pr, nullptr, 2), d = kOutputDivider[std::stoi(od, nullptr, 2)];
        ASSERT_NE(d, 0);
        double vco = 25.0 * kPrescaler[p] * kFeedback[p];
        EXPECT_GE(vco, 1750.0);
        EXPECT_LE(vco, 2050.0);
        EXPECT_DOUBLE_EQ(vco / (kPrescaler[p] * d), kMHz[code]);
    }
}

// Decodes the register writes the bench captured with the Si570's formula, for the
// nominal crystal: each mode gives its frequency within 1 ppm, DCO and dividers valid.
TEST(ControllerBenches, Si570WritesGiveTheFrequencyOfEachMode)
{
    Templates templates;
    auto run = RunBench(templates.Dir(), "si570_controller_tb.v", templates.Files(kSi570Set));
    ExpectBenchPassed(run, {"register writes of every mode", "refused address bytes are retried",
                            "reset stops the controller", "full sequence after a reset"});

    constexpr double kXtal = 114.285;
    constexpr double kMHz[8] = {100, 125, 156.25, 250, 312.5, 322.265625, 644.53125, 100};
    constexpr int kHsDiv[8] = {4, 5, 6, 7, 0, 9, 0, 11};
    std::map<int, std::vector<std::pair<int, int>>> writes;  // by mode: register, value
    for (const auto& line : Lines(run.output, "WRITE ")) {
        int mode, reg, value;
        ASSERT_EQ(std::sscanf(line.c_str(), "WRITE mode=%d reg=%d data=%d", &mode, &reg, &value), 3) << line;
        writes[mode].push_back({reg, value});
    }
    ASSERT_EQ(writes.size(), 8u) << run.output;
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        const auto& w = writes[mode];
        ASSERT_EQ(w.size(), 9u);
        const std::vector<int> order = {137, 7, 8, 9, 10, 11, 12, 137, 135};
        for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(w[i].first, order[i]);
        EXPECT_EQ(w[0].second, 0x10);  // freeze DCO
        EXPECT_EQ(w[7].second, 0x00);  // unfreeze
        EXPECT_EQ(w[8].second, 0x40);  // NewFreq
        int hs = kHsDiv[w[1].second >> 5];
        int n1 = (((w[1].second & 0x1F) << 2) | (w[2].second >> 6)) + 1;
        uint64_t rfreq = (uint64_t(w[2].second & 0x3F) << 32) | (uint64_t(w[3].second) << 24) |
                         (uint64_t(w[4].second) << 16) | (uint64_t(w[5].second) << 8) | uint64_t(w[6].second);
        ASSERT_NE(hs, 0);
        EXPECT_TRUE(n1 == 1 || n1 % 2 == 0) << n1;
        double dco = kXtal * double(rfreq) / double(1ull << 28);
        EXPECT_GE(dco, 4850.0);
        EXPECT_LE(dco, 5670.0);
        EXPECT_NEAR(dco / (hs * n1), kMHz[mode], kMHz[mode] * 1e-6);
    }
}

// Vellani's clock-chip blocks, as its settings write them for the top level, around the
// ports the board model declares: both instances fit their templates.
TEST(ControllerTemplates, FitVellaniClockChipBlocks)
{
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    settings.Config.bExtCdcmPLL = 1;
    settings.Config.bExtLmkPLL = 1;
    const std::string top = "module top(\r\n"
                            "\tinput OSC_50_B3B, input OSC_50_B4A, input CPU_RESET_n,\r\n"
                            "\toutput CLOCK_SCL, inout CLOCK_SDA,\r\n"
                            "\toutput LMK04906_CLK, output LMK04906_DATAIN, output LMK04906_LE\r\n"
                            ");\r\n" +
                            settings.GetTopLevelCode() + "\r\nendmodule\r\n";
    Templates templates;
    auto files = templates.Files({"I2C_CDCM6208_Config", "I2C_CDCM6208_Controller", "SPI_LMK04906_Config"});
    files.push_back(templates.Dir().Write("top.v", top));
    auto compile = CheckIverilog(files, "top");
    EXPECT_TRUE(compile.ok) << compile.command << "\n" << compile.output;
    auto lint = CheckVerilator(files, "top", false);
    EXPECT_TRUE(lint.ok) << lint.command << "\n" << lint.output;
}

// Decodes the register writes the bench captured with the configurator's frequency plan
// (25 MHz reference, fields as documented in I2C_CDCM6208_Config.v): every select and
// disable code gives each output its frequency, or switches it off, with the VCO in range.
TEST(ControllerBenches, Cdcm6208WritesGiveEachCodeItsClocks)
{
    Templates templates;
    auto run = RunBench(templates.Dir(), "I2C_CDCM6208_Config_tb.v", templates.Files(kCdcm6208Set));
    ExpectBenchPassed(run, {"register writes of every code", "refused address bytes are retried",
                            "reset releases the bus", "full sequence after a reset"});

    std::map<std::pair<int, int>, std::map<int, unsigned>> registers;  // (select, disable) -> last value
    for (const auto& line : Lines(run.output, "WRITE ")) {
        int sel, dis, reg;
        unsigned value;
        ASSERT_EQ(std::sscanf(line.c_str(), "WRITE sel=%d dis=%d reg=%d data=%u", &sel, &dis, &reg, &value), 4) << line;
        registers[{sel, dis}][reg] = value;
    }
    ASSERT_EQ(registers.size(), 256u) << run.output;

    constexpr double kFmcMHz[4] = {100, 125, 150, 100};
    struct Output {
        int bit;     // in iFREQ_DISABLE
        double mhz;  // 0: the FMC frequency of the select
    };
    // Y0 to Y5
    constexpr Output kOutputs[6] = {{0, 0}, {1, 0}, {3, 150}, {4, 150}, {2, 100}, {5, 400.0 / 3}};
    for (const auto& [code, r] : registers) {
        const auto [sel, dis] = code;
        SCOPED_TRACE("select " + std::to_string(sel) + " disable " + std::to_string(dis));
        ASSERT_EQ(r.size(), 13u);
        const double pfd = 25.0 / ((r.at(1) & 0x3FFF) + 1);
        const int psB = 4 + int((r.at(2) >> 14) & 3), psA = 4 + int((r.at(2) >> 12) & 3);
        const double vco = pfd * (r.at(2) & 0x3FF) * psA;
        EXPECT_GE(vco, 2940.0);
        EXPECT_LE(vco, 3130.0);
        EXPECT_EQ((r.at(3) >> 6) & 1, 1u);  // out of reset at the end
        auto fractional = [&](unsigned high, unsigned low) {
            return ((high >> 8) + 1) + double(((high & 0xF) << 16) | low) / double(1 << 20);
        };
        const double mhz[6] = {vco / psA / ((r.at(3) >> 8) + 1), vco / psA / ((r.at(3) >> 8) + 1),
                               vco / psB / ((r.at(4) >> 8) + 1), vco / psB / ((r.at(4) >> 8) + 1),
                               vco / psB / fractional(r.at(5), r.at(6)), vco / psB / fractional(r.at(7), r.at(8))};
        const unsigned format[6] = {r.at(3) & 3,        (r.at(3) >> 2) & 3, r.at(4) & 3,
                                    (r.at(4) >> 2) & 3, (r.at(5) >> 4) & 3, (r.at(7) >> 4) & 3};
        EXPECT_EQ((r.at(5) >> 7) & 1, 1u);  // the fractional outputs run from prescaler B
        EXPECT_EQ((r.at(7) >> 7) & 1, 1u);
        for (int y = 0; y < 6; ++y) {
            SCOPED_TRACE("Y" + std::to_string(y));
            const bool off = (dis >> kOutputs[y].bit) & 1;
            EXPECT_EQ(format[y], off ? 0u : 1u);  // 01 LVDS, 00 off
            EXPECT_NEAR(mhz[y], kOutputs[y].mhz ? kOutputs[y].mhz : kFmcMHz[sel], 1e-9);
        }
        for (int reg = 9; reg <= 12; ++reg) EXPECT_EQ(r.at(reg), 0u);  // Y6 and Y7 off
    }
}

// Decodes the words the bench captured with the configurator's frequency plan (100 MHz at
// OSCin, fields as documented in SPI_LMK04906_Config.v): each select code gives each FMC
// clock 644.53125 MHz where its bit is set and 322.265625 MHz otherwise.
TEST(ControllerBenches, Lmk04906WordsGiveEachSelectItsClocks)
{
    Templates templates;
    auto run = RunBench(templates.Dir(), "SPI_LMK04906_Config_tb.v", templates.Files({"SPI_LMK04906_Config"}));
    ExpectBenchPassed(run, {"words of every select code", "reset stops the interface", "full set after a reset"});

    std::map<int, std::map<int, unsigned>> words;  // select -> register -> last word
    for (const auto& line : Lines(run.output, "WORD ")) {
        int sel;
        unsigned word;
        ASSERT_EQ(std::sscanf(line.c_str(), "WORD sel=%d data=%u", &sel, &word), 2) << line;
        if (word == 0x20000) continue;  // the reset
        words[sel][int(word & 31)] = word;
    }
    ASSERT_EQ(words.size(), 16u) << run.output;
    constexpr int kSelectBit[4] = {3, 1, 0, 2};  // CLKout0 to 3: FMCA, FMCB, FMCC, FMCD
    for (const auto& [sel, w] : words) {
        SCOPED_TRACE("select " + std::to_string(sel));
        const unsigned n = (w.at(30) >> 5) & 0x3FFFF, p = (w.at(30) >> 24) & 7, r = w.at(28) >> 20;
        ASSERT_NE(r, 0u);
        EXPECT_EQ((w.at(29) >> 5) & 0x3FFFF, n);  // calibration with the same divider
        const double vco = 100.0 / r * p * n;
        EXPECT_GE(vco, 2370.0);
        EXPECT_LE(vco, 2600.0);
        for (int out = 0; out < 4; ++out) {
            SCOPED_TRACE("CLKout" + std::to_string(out));
            EXPECT_EQ(w.at(out) >> 31, 0u);
            const unsigned divider = (w.at(out) >> 5) & 0x7FF;
            ASSERT_NE(divider, 0u);
            EXPECT_DOUBLE_EQ(vco / divider, ((sel >> kSelectBit[out]) & 1) ? 644.53125 : 322.265625);
        }
        EXPECT_EQ(w.at(4) >> 31, 1u);  // CLKout4 and 5 powered down
        EXPECT_EQ(w.at(5) >> 31, 1u);
        const unsigned formats[6] = {(w.at(6) >> 24) & 15, (w.at(6) >> 20) & 15, (w.at(6) >> 16) & 15,
                                     (w.at(7) >> 24) & 15, (w.at(7) >> 20) & 15, (w.at(7) >> 16) & 15};
        for (int out = 0; out < 6; ++out) EXPECT_EQ(formats[out], out < 4 ? 1u : 0u) << out;
    }
}

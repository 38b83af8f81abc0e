// The top-level blocks that program the clock chips of Sarnoth, Cresswin and Morrast.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/EXTRA_S5.h"
#include "cards/CardMap.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/MainBoard.h"

namespace {

// Lines joined with CR LF after each.
std::string Text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A board model holding only what the blocks read: the id and the record copy.
template <class Record>
std::string BlocksOf(uint8_t boardId, const Record& record, RecordCopy<sizeof(Record)> TMainBoard::*copy)
{
    TMainBoard board;
    board.m_BoardId = boardId;
    StoreRecordCopy(board.*copy, record);
    return board.ExtraTopLevelCode();
}

std::string SarnothBlocks(int32_t si570, int32_t cdcm61001, int32_t cdcm61004)
{
    SARNOTH_CONFIG c;
    DefaultConfig(c);
    c.nSi570 = si570;
    c.nCdcm61001 = cdcm61001;
    c.nCdcm61004 = cdcm61004;
    return BlocksOf(MAINBOARD_Sarnoth, c, &TMainBoard::m_SarnothConfig);
}

std::string CresswinBlocks(int32_t si570, int32_t cdcm61004)
{
    CRESSWIN_CONFIG c;
    DefaultConfig(c);
    c.nSi570 = si570;
    c.nCdcm61004 = cdcm61004;
    return BlocksOf(MAINBOARD_Cresswin, c, &TMainBoard::m_CresswinConfig);
}

std::string MorrastBlocks(int32_t si570, int32_t cdcm61004)
{
    MORRAST_CONFIG c;
    DefaultConfig(c);
    c.nSi570 = si570;
    c.nCdcm61004 = cdcm61004;
    return BlocksOf(MAINBOARD_Morrast, c, &TMainBoard::m_MorrastConfig);
}

const std::string kBanner = "//=======================================================";

}  // namespace

TEST(StratixVClockChipCode, ExternalPllBlockWholeText)
{
    EXPECT_EQ(Cdcm6100xExtPllVerilog(0, 1, 0),
              Text({"",
                    "",
                    kBanner,
                    "//  CDCM61001/CDCM61004 External PLL Configuration ",
                    "//      Configure CDCM61001 as Unchange",
                    "//      Configure CDCM61004 as Disabled",
                    kBanner,
                    "",
                    "//  Signal declarations",
                    "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;",
                    "wire         rstn;",
                    "wire         conf_ready;",
                    "wire         counter_max;",
                    "wire  [7:0]  counter_inc;",
                    "reg   [7:0]  auto_set_counter;",
                    "reg          conf_wr;",
                    "",
                    "//  Structural coding",
                    "assign clk1_set_wr = 4'd0; //Unchange",
                    "assign clk2_set_wr = 4'd1; //Disabled",
                    "assign clk3_set_wr = 4'd0; //Unchange",
                    "",
                    "assign rstn = CPU_RESET_n;",
                    "assign counter_max = &auto_set_counter;",
                    "assign counter_inc = auto_set_counter + 1'b1;",
                    "",
                    "always @(posedge OSC_50_B3B or negedge rstn)",
                    "\tif(!rstn)",
                    "\tbegin",
                    "\t\tauto_set_counter <= 0;",
                    "\t\tconf_wr <= 0;",
                    "\tend ",
                    "\telse if (counter_max)",
                    "\t\tconf_wr <= 1;",
                    "\telse",
                    "\t\tauto_set_counter <= counter_inc;",
                    "",
                    "",
                    "ext_pll_ctrl ext_pll_ctrl_Inst(",
                    "\t.osc_50(OSC_50_B3B), //50MHZ",
                    "\t.rstn(rstn),",
                    "",
                    "\t// device 1 (SFP1G_REFCLK_p)",
                    "\t.clk1_set_wr(clk1_set_wr),",
                    "\t.clk1_set_rd(),",
                    "",
                    "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)",
                    "\t.clk2_set_wr(clk2_set_wr),",
                    "\t.clk2_set_rd(),",
                    "",
                    "\t// device 3 (reserved)",
                    "\t.clk3_set_wr(clk3_set_wr),",
                    "\t.clk3_set_rd(),",
                    "",
                    "\t// setting trigger",
                    "\t.conf_wr(conf_wr), // 1T 50MHz ",
                    "\t.conf_rd(), // 1T 50MHz",
                    "",
                    "\t// status ",
                    "\t.conf_ready(conf_ready),",
                    "",
                    "\t// 2-wire interface ",
                    "\t.max_sclk(PLL_SCL),",
                    "\t.max_sdat(PLL_SDA)",
                    "",
                    ");"}));
}

TEST(StratixVClockChipCode, ExternalPllCodesAndNames)
{
    struct Case {
        uint8_t c1, c2, c3;
        const char* line4;
        const char* line5;
        std::vector<std::string> assigns;  // lines 18 to 20 of the listing
    };
    const Case cases[] = {
        {7, 12, 0, "//      Configure CDCM61001 as 156.25 MHz", "//      Configure CDCM61004 as 625 MHz",
         {"assign clk1_set_wr = 4'd7; //156.25 MHz", "assign clk2_set_wr = 4'd12; //625 MHz",
          "assign clk3_set_wr = 4'd0; //Unchange"}},
        {2, 10, 11, "//      Configure CDCM61001 as 62.5 MHz", "//      Configure CDCM61004 as 250 MHz",
         {"assign clk1_set_wr = 4'd2; //62.5 MHz", "assign clk2_set_wr = 4'd10; //250 MHz",
          "assign clk3_set_wr = 4'd11; //312.5 MHz"}},
        // A code outside the table is the "not used" code, never an index past it.
        {13, 255, 0, "//      Configure CDCM61001 as Disabled", "//      Configure CDCM61004 as Disabled",
         {"assign clk1_set_wr = 4'd1; //Disabled", "assign clk2_set_wr = 4'd1; //Disabled",
          "assign clk3_set_wr = 4'd0; //Unchange"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = LinesOf(Cdcm6100xExtPllVerilog(c.c1, c.c2, c.c3));
        ASSERT_EQ(lines.size(), 66u);
        EXPECT_EQ(lines[4], c.line4);
        EXPECT_EQ(lines[5], c.line5);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 18, lines.begin() + 21), c.assigns);
    }
}

TEST(StratixVClockChipCode, Cdcm61004BlockWholeText)
{
    EXPECT_EQ(Cdcm61004Verilog(1),
              Text({"",
                    "",
                    kBanner,
                    "//  Configure CDCM61004 as 62.50 MHz ====================",
                    kBanner,
                    "wire [3:0] desired_freq;",
                    "",
                    "assign desired_freq = 4'd0;  // 62.5 \tMHz",
                    "//assign desired_freq = 4'd1;  // 75 \tMHz",
                    "//assign desired_freq = 4'd2;  // 100 \tMHz",
                    "//assign desired_freq = 4'd3;  // 125 \tMHz",
                    "//assign desired_freq = 4'd4;  // 150 \tMHz",
                    "//assign desired_freq = 4'd5;  // 156.25\tMHz",
                    "//assign desired_freq = 4'd6;  // 187.5 \tMHz",
                    "//assign desired_freq = 4'd7;  // 200 \tMHz",
                    "//assign desired_freq = 4'd8;  // 250 \tMHz",
                    "//assign desired_freq = 4'd9;  // 312.5 \tMHz",
                    "//assign desired_freq = 4'd10; // 625 \tMHz",
                    "",
                    "CDCM6100x_Config CDCM61004_Config_inst(",
                    "\t.clk_50m(OSC_50_B3B),",
                    "\t.recal_n(CPU_RESET_n),",
                    "\t.desired_freq(desired_freq),",
                    "\t.CLK_CE(CLK_CE),",
                    "\t.CLK_OD(CLK_OD),",
                    "\t.CLK_OS(CLK_OS),",
                    "\t.CLK_PR(CLK_PR),",
                    "\t.CLK_RST_n(CLK_RST_n)",
                    ");",
                    ""}));
}

TEST(StratixVClockChipCode, Cdcm61004EveryChoiceHasOneLiveLine)
{
    const char* banners[] = {"62.50", "75.00", "100.00", "125.00", "150.00", "156.25",
                             "187.50", "200.00", "250.00", "312.50", "625.00"};
    for (uint8_t c = 1; c <= 11; ++c) {
        const std::vector<std::string> lines = LinesOf(Cdcm61004Verilog(c));
        ASSERT_EQ(lines.size(), 30u) << int(c);
        EXPECT_EQ(lines[3], std::string("//  Configure CDCM61004 as ") + banners[c - 1] + " MHz ====================");
        std::vector<std::string> live;
        for (int n = 7; n < 18; ++n)
            if (lines[n].rfind("//", 0) != 0) live.push_back(lines[n]);
        ASSERT_EQ(live.size(), 1u) << int(c);
        EXPECT_TRUE(Has(live[0], "= 4'd" + std::to_string(c - 1) + ";")) << live[0];
    }
    for (uint8_t c : {0, 12, 255}) EXPECT_EQ(Cdcm61004Verilog(c), "") << int(c);
}

TEST(StratixVClockChipCode, Si570Block)
{
    EXPECT_EQ(Si570Verilog(6, "CPU_RESET_n"), Text({"",
                                                   "",
                                                   kBanner,
                                                   "//  Configure SI570 as 322.26500 MHz =====================",
                                                   kBanner,
                                                   "",
                                                   "si570_controller si570_controller_inst(",
                                                   "    .iCLK(OSC_50_B3B), // system   clock 50mhz ",
                                                   "    .iRST_n(CPU_RESET_n), // system reset;",
                                                   "    .iFREQ_MODE(3'b101),",
                                                   "    .I2C_CLK(CLOCK_SCL),",
                                                   "    .I2C_DATA(CLOCK_SDA),",
                                                   "    .oController_Ready()",
                                                   ");"}));
    struct Case {
        uint8_t code;
        const char* banner;
        const char* mode;
    };
    const Case cases[] = {{1, "100.00000", "3'b000"}, {2, "125.00000", "3'b001"}, {3, "156.25000", "3'b010"},
                          {4, "250.00000", "3'b011"}, {5, "312.50000", "3'b100"}, {7, "644.53125", "3'b110"}};
    for (const Case& c : cases) {
        const std::vector<std::string> lines = LinesOf(Si570Verilog(c.code, "RST"));
        ASSERT_EQ(lines.size(), 14u);
        EXPECT_EQ(lines[3], std::string("//  Configure SI570 as ") + c.banner + " MHz =====================");
        EXPECT_EQ(lines[8], "    .iRST_n(RST), // system reset;");
        EXPECT_EQ(lines[9], std::string("    .iFREQ_MODE(") + c.mode + "),");
    }
    for (uint8_t c : {0, 8, 255}) EXPECT_EQ(Si570Verilog(c, "RST"), "") << int(c);
}

// The board model hands each board's record copy to its own blocks.
TEST(StratixVClockChipCode, EachBoardsBlocksInItsTopLevel)
{
    // Sarnoth: the external PLL unless both CDCM chips are "Not Use", then the Si570.
    EXPECT_EQ(SarnothBlocks(0, 1, 1), "");
    EXPECT_EQ(SarnothBlocks(0, 0, 1), Cdcm6100xExtPllVerilog(0, 1, 0));
    EXPECT_EQ(SarnothBlocks(3, 7, 12), Cdcm6100xExtPllVerilog(7, 12, 0) + Si570Verilog(3, "CPU_RESET_n"));
    EXPECT_EQ(SarnothBlocks(5, 1, 1), Si570Verilog(5, "CPU_RESET_n"));

    // Cresswin and Morrast: the CDCM61004 first, then the Si570; the same text for the same choices.
    EXPECT_EQ(CresswinBlocks(0, 0), "");
    EXPECT_EQ(CresswinBlocks(6, 10), Cdcm61004Verilog(10) + Si570Verilog(6, "CPU_RESET_n"));
    EXPECT_TRUE(Has(CresswinBlocks(6, 10), "\r\nassign desired_freq = 4'd9;  // 312.5 \tMHz\r\n"));
    EXPECT_EQ(MorrastBlocks(6, 10), CresswinBlocks(6, 10));
    EXPECT_EQ(MorrastBlocks(0, 11), Cdcm61004Verilog(11));
    EXPECT_EQ(MorrastBlocks(2, 0), Si570Verilog(2, "CPU_RESET_n"));
}

// A record from a file may hold any number: a choice outside its list writes what "not used"
// writes, and no block names a code past its table.
TEST(StratixVClockChipCode, ChoicesOutsideTheirListsAreNotUsed)
{
    EXPECT_EQ(SarnothBlocks(8, 13, 1), "");
    EXPECT_EQ(SarnothBlocks(-1, 1, 255), "");
    EXPECT_EQ(SarnothBlocks(256 + 3, 256 + 1, 1), "");  // not the low byte's code
    EXPECT_EQ(SarnothBlocks(0, 0, 99), Cdcm6100xExtPllVerilog(0, 1, 0));
    EXPECT_EQ(CresswinBlocks(9, 12), "");
    EXPECT_EQ(MorrastBlocks(-7, 255), "");
    for (const std::string& text : {SarnothBlocks(99, 0, 99), CresswinBlocks(99, 99), MorrastBlocks(99, 12)})
        for (const char* past : {"4'd13", "4'd255", "4'd11", "3'b111", "3'b11111111"}) EXPECT_FALSE(Has(text, past)) << past;
}

// Cresswin and Morrast blocks in a whole top level beside the controller files the project
// writes, on a board holding just the ports the blocks name.
TEST(StratixVClockChipCode, TopLevelCompilesWithTheControllerFiles)
{
    using cardmap::in;
    using cardmap::inout;
    using cardmap::out;
    const BoardPinRow ports[] = {
        {"OSC_50_B3B", in, 6, "AW35", ClockPeriod(20)},
        {"CPU_RESET_n", in, 6, "BC37"},
        {"CLOCK_SCL", out, 6, "?"},
        {"CLOCK_SDA", inout, 6, "?"},
        {"CLK_CE, CLK_OD[0..2], CLK_OS[0..1], CLK_PR[0..1], CLK_RST_n", out, 6, "?*9"},
    };
    struct Case {
        uint8_t boardId;
        int32_t si570, cdcm61004;
        std::vector<std::string> files;  // the controller files besides the project's own
    };
    const std::vector<std::string> si570Files = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                                 "i2c_controller.v", "i2c_reg_controller.v", "initial_config.v",
                                                 "si570_controller.v"};
    std::vector<std::string> both = si570Files;
    both.insert(both.begin(), "CDCM6100x_Config.v");
    const Case cases[] = {
        {MAINBOARD_Cresswin, 7, 11, both},
        {MAINBOARD_Morrast, 0, 5, {"CDCM6100x_Config.v"}},
        {MAINBOARD_Morrast, 1, 0, si570Files},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.boardId) + " " + std::to_string(c.si570) + "/" + std::to_string(c.cdcm61004));
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        TMainBoard board;
        board.m_BoardId = c.boardId;
        board.m_Family = "Stratix V";
        board.m_Device = "5SGXEA7N2F45C2";
        AddBoardGroup(board, "CLOCK CHIPS", ports);
        CRESSWIN_CONFIG cresswin;
        DefaultConfig(cresswin);
        cresswin.nSi570 = c.si570;
        cresswin.nCdcm61004 = c.cdcm61004;
        MORRAST_CONFIG morrast;
        DefaultConfig(morrast);
        morrast.nSi570 = c.si570;
        morrast.nCdcm61004 = c.cdcm61004;
        StoreRecordCopy(board.m_CresswinConfig, cresswin);
        StoreRecordCopy(board.m_MorrastConfig, morrast);
        const std::string file = dir.Path() + "top.qpf";
        ASSERT_TRUE(TSystemBuild().Generate(board, file, false));
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string top = tooltest::ReadFile(dir.Path() + "top.v");
        EXPECT_TRUE(Has(top, board.ExtraTopLevelCode() + "\r\nendmodule\r\n"));
        std::vector<std::string> written;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().extension() == ".v" && entry.path().filename() != "top.v")
                written.push_back(entry.path().filename().string());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(written, c.files);
    }
}

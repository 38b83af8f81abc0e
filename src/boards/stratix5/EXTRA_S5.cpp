#include "boards/stratix5/EXTRA_S5.h"

#include <cstddef>
#include <initializer_list>

#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/StratixVClockCodes.h"
#include "core/generate/ClockFrequencies.h"
#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr const char* kExtPllSettingNames[kExtPllCodeCount] = {
    "Unchange", "Disabled", "62.5 MHz", "75 MHz",  "100 MHz",   "125 MHz",  "150 MHz",
    "156.25 MHz", "187.5 MHz", "200 MHz", "250 MHz", "312.5 MHz", "625 MHz",
};

// Entry n is the line of CDCM61004 code n + 1.
constexpr const char* kDesiredFreqLines[kCdcm61004CodeCount - 1] = {
    "assign desired_freq = 4'd0;  // 62.5 \tMHz",   "assign desired_freq = 4'd1;  // 75 \tMHz",
    "assign desired_freq = 4'd2;  // 100 \tMHz",    "assign desired_freq = 4'd3;  // 125 \tMHz",
    "assign desired_freq = 4'd4;  // 150 \tMHz",    "assign desired_freq = 4'd5;  // 156.25\tMHz",
    "assign desired_freq = 4'd6;  // 187.5 \tMHz",  "assign desired_freq = 4'd7;  // 200 \tMHz",
    "assign desired_freq = 4'd8;  // 250 \tMHz",    "assign desired_freq = 4'd9;  // 312.5 \tMHz",
    "assign desired_freq = 4'd10; // 625 \tMHz",
};

// Entry s - 1 is the controller's mode for Si570 code s.
constexpr const char* kSi570Modes[kSi570CodeCount - 1] = {
    "3'b000", "3'b001", "3'b010", "3'b011", "3'b100", "3'b101", "3'b110",
};

constexpr const char* kBanner = "//=======================================================";

void Lines(std::string& text, std::initializer_list<std::string> lines)
{
    for (const std::string& line : lines) text += line + "\r\n";
}

}  // namespace

std::string Cdcm6100xExtPllVerilog(uint8_t clock1, uint8_t clock2, uint8_t clock3)
{
    const uint8_t c1 = ExtPllCode(clock1), c2 = ExtPllCode(clock2), c3 = ExtPllCode(clock3);
    auto assign = [](int n, uint8_t code) {
        return platform::Format("assign clk%d_set_wr = 4'd%d; //%s", n, code, kExtPllSettingNames[code]);
    };
    std::string text;
    Lines(text, {
                    "",
                    "",
                    kBanner,
                    "//  CDCM61001/CDCM61004 External PLL Configuration ",
                    platform::Format("//      Configure CDCM61001 as %s", kExtPllSettingNames[c1]),
                    platform::Format("//      Configure CDCM61004 as %s", kExtPllSettingNames[c2]),
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
                    assign(1, c1),
                    assign(2, c2),
                    assign(3, c3),
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
                    ");",
                });
    return text;
}

std::string Cdcm61004Verilog(uint8_t code)
{
    const uint8_t c = Cdcm61004Code(code);
    if (c == kCdcm61004NotUsed) return std::string();
    std::string text;
    Lines(text, {"", "", kBanner,
                 platform::Format("//  Configure CDCM61004 as %.2f MHz ====================", CdcmFrequency(c)), kBanner,
                 "wire [3:0] desired_freq;", ""});
    for (int n = 0; n < kCdcm61004CodeCount - 1; ++n)
        Lines(text, {(n + 1 == c ? "" : "//") + std::string(kDesiredFreqLines[n])});
    Lines(text, {
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
                    "",
                });
    return text;
}

std::string Si570Verilog(uint8_t code, const char* resetName)
{
    const uint8_t s = Si570Code(code);
    if (s == kSi570NotUsed) return std::string();
    std::string text;
    Lines(text, {
                    "",
                    "",
                    kBanner,
                    platform::Format("//  Configure SI570 as %.5f MHz =====================", Si570Frequency(s)),
                    kBanner,
                    "",
                    "si570_controller si570_controller_inst(",
                    "    .iCLK(OSC_50_B3B), // system   clock 50mhz ",
                    platform::Format("    .iRST_n(%s), // system reset;", resetName),
                    platform::Format("    .iFREQ_MODE(%s),", kSi570Modes[s - 1]),
                    "    .I2C_CLK(CLOCK_SCL),",
                    "    .I2C_DATA(CLOCK_SDA),",
                    "    .oController_Ready()",
                    ");",
                });
    return text;
}

std::string ExtraTopLevelCode_Sarnoth(const TMainBoard& board)
{
    PW_CHECK(board.GetBoardId() == MAINBOARD_Sarnoth);
    const auto& c = board.m_SarnothConfig;
    const uint8_t si570 = Si570Code(RecordInt32(c, offsetof(SARNOTH_CONFIG, nSi570)));
    const uint8_t cdcm61004 = ExtPllCode(RecordInt32(c, offsetof(SARNOTH_CONFIG, nCdcm61004)));
    const uint8_t cdcm61001 = ExtPllCode(RecordInt32(c, offsetof(SARNOTH_CONFIG, nCdcm61001)));
    std::string text;
    if (cdcm61001 != kExtPllNotUsed || cdcm61004 != kExtPllNotUsed)
        text += Cdcm6100xExtPllVerilog(cdcm61001, cdcm61004, kExtPllUnchanged);
    text += Si570Verilog(si570, "CPU_RESET_n");
    return text;
}

namespace {

// Cresswin and Morrast write the same blocks from the same two fields.
std::string Cdcm61004AndSi570(int32_t si570Choice, int32_t cdcmChoice)
{
    return Cdcm61004Verilog(Cdcm61004Code(cdcmChoice)) + Si570Verilog(Si570Code(si570Choice), "CPU_RESET_n");
}

}  // namespace

std::string ExtraTopLevelCode_Morrast(const TMainBoard& board)
{
    PW_CHECK(board.GetBoardId() == MAINBOARD_Morrast);
    const auto& c = board.m_MorrastConfig;
    return Cdcm61004AndSi570(RecordInt32(c, offsetof(MORRAST_CONFIG, nSi570)),
                             RecordInt32(c, offsetof(MORRAST_CONFIG, nCdcm61004)));
}

std::string ExtraTopLevelCode_Cresswin(const TMainBoard& board)
{
    PW_CHECK(board.GetBoardId() == MAINBOARD_Cresswin);
    const auto& c = board.m_CresswinConfig;
    return Cdcm61004AndSi570(RecordInt32(c, offsetof(CRESSWIN_CONFIG, nSi570)),
                             RecordInt32(c, offsetof(CRESSWIN_CONFIG, nCdcm61004)));
}

// The Verilog that sets the external PLL of the Yastrel_X1 and Pandrel boards.
#include <cstddef>

#include "core/model/ExtPllCodes.h"
#include "core/model/MainBoard.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

// A code from a record that no form would store has no name.
const char* PllCodeName(int code)
{
    return code >= 0 && code < static_cast<int>(kExtPllCodeNames.size()) ? kExtPllCodeNames[static_cast<std::size_t>(code)] : "";
}

// Where the two boards' blocks differ.
struct ExtPllBoard {
    std::size_t usedOffset;   // "Programmable PLL" ticked
    std::size_t codeOffset;   // the three codes follow one another
    const char* reset;
    const char* clock;
    const char* device2;
    const char* device3;
    const char* sclk;
    const char* sdat;
};

constexpr ExtPllBoard kYastrel_X1 = {160,
                                     162,
                                     "assign rstn = CPU_RESET_n;",
                                     "OSC_50_BANK2",
                                     "HSMB_REFCLK",
                                     "PLL_CLKIN/SATA_REFCLK",
                                     "MAX_I2C_SCLK",
                                     "MAX_I2C_SDAT"};
constexpr ExtPllBoard kPandrel = {148,
                                  150,
                                  "assign rstn = 1'b1;",
                                  "OSC_50_BANK1",
                                  "HSME_REFCLK",
                                  "PGM_GXB_CLK",
                                  "MAX2_I2C_SCL",
                                  "MAX2_I2C_SDA"};

template <std::size_t N>
std::string ExtPllCode(const RecordCopy<N>& config, const ExtPllBoard& board)
{
    if (RecordByte(config, board.usedOffset) == 0) return std::string();
    std::string text = "\r\n\r\n";
    auto line = [&text](const std::string& s) { text += s + "\r\n"; };
    const char* banner = "//=======================================================";
    line(banner);
    line("//  External PLL Configuration ==========================");
    line(banner);
    line("");
    line("//  Signal declarations");
    line("wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;");
    line("wire         rstn;");
    line("wire         conf_ready;");
    line("wire         counter_max;");
    line("wire  [7:0]  counter_inc;");
    line("reg   [7:0]  auto_set_counter;");
    line("reg          conf_wr;");
    line("");
    line("//  Structural coding");
    for (int k = 0; k < 3; ++k) {
        int code = static_cast<int8_t>(RecordByte(config, board.codeOffset + static_cast<std::size_t>(k)));
        line(platform::Format("assign clk%d_set_wr = 4'd%d; //%s MHZ", k + 1, code, PllCodeName(code)));
    }
    line("");
    line(board.reset);
    line("assign counter_max = &auto_set_counter;");
    line("assign counter_inc = auto_set_counter + 1'b1;");
    line("");
    line(platform::Format("always @(posedge %s or negedge rstn)", board.clock));
    line("\tif(!rstn)");
    line("\tbegin");
    line("\t\tauto_set_counter <= 0;");
    line("\t\tconf_wr <= 0;");
    line("\tend ");
    line("\telse if (counter_max)");
    line("\t\tconf_wr <= 1;");
    line("\telse");
    line("\t\tauto_set_counter <= counter_inc;");
    line("");
    line("");
    line("ext_pll_ctrl ext_pll_ctrl_Inst(");
    line(platform::Format("\t.osc_50(%s), //50MHZ", board.clock));
    line("\t.rstn(rstn),");
    line("");
    line("\t// device 1 (HSMA_REFCLK)");
    line("\t.clk1_set_wr(clk1_set_wr),");
    line("\t.clk1_set_rd(),");
    line("");
    line(platform::Format("\t// device 2 (%s)", board.device2));
    line("\t.clk2_set_wr(clk2_set_wr),");
    line("\t.clk2_set_rd(),");
    line("");
    line(platform::Format("\t// device 3 (%s)", board.device3));
    line("\t.clk3_set_wr(clk3_set_wr),");
    line("\t.clk3_set_rd(),");
    line("");
    line("\t// setting trigger");
    line("\t.conf_wr(conf_wr), // 1T 50MHz ");
    line("\t.conf_rd(), // 1T 50MHz");
    line("");
    line("\t// status ");
    line("\t.conf_ready(conf_ready),");
    line("");
    line("\t// 2-wire interface ");
    line(platform::Format("\t.max_sclk(%s),", board.sclk));
    line(platform::Format("\t.max_sdat(%s)", board.sdat));
    line("");
    line(");");
    return text;
}

}  // namespace

std::string TMainBoard::ExtPllCodeYastrel_X1() const
{
    PW_CHECK(m_BoardId == MAINBOARD_Yastrel_X1);
    return ExtPllCode(m_Yastrel_X1Config, kYastrel_X1);
}

std::string TMainBoard::ExtPllCodePandrel() const
{
    PW_CHECK(m_BoardId == MAINBOARD_Pandrel);
    return ExtPllCode(m_PandrelConfig, kPandrel);
}

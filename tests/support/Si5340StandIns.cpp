#include "Si5340StandIns.h"

#include "platform/Resources.h"

namespace tooltest {

namespace {

#define PORTS_A                                                                                                   \
    "(input iCLK, input iRST_n, input iStart, input [2:0] iPLL_OUT0_FREQ_SEL,\r\n"                                \
    "  input [2:0] iPLL_OUT1_FREQ_SEL, input [2:0] iPLL_OUT2_FREQ_SEL, input [2:0] iPLL_OUT3_FREQ_SEL,\r\n"       \
    "  output I2C_CLK, inout I2C_DATA, output oPLL_I2C_ID_READ_ERROR, output oPLL_REG_CONFIG_DONE);\r\n"
#define PORTS_B(msb)                                                                                              \
    "(input iCLK, input iRST_n, input iStart, input [" msb ":0] iPLL_OUT_FREQ_SEL,\r\n"                           \
    "  output I2C_CLK, inout I2C_DATA, output oPLL_I2C_ID_READ_ERROR, output oPLL_REG_CONFIG_DONE);\r\n"

constexpr unsigned char kText[] = "// stand-in for a controller file\r\n";
constexpr unsigned char kControllerA[] = "module si5340a_controller" PORTS_A "endmodule\r\n";
constexpr unsigned char kControllerB4[] = "module si5340b_controller" PORTS_B("3") "endmodule\r\n";
constexpr unsigned char kControllerB5[] = "module si5340b_controller" PORTS_B("4") "endmodule\r\n";

#undef PORTS_A
#undef PORTS_B

#define ITEM(name, bytes) {name, bytes, sizeof bytes - 1}

constexpr platform::EmbeddedItem kStandIns[] = {
    ITEM("NOBRECHT_CLOCK_DIVIDER_VERILOG", kText),
    ITEM("NOBRECHT_EDGE_DETECTOR_VERILOG", kText),
    ITEM("NOBRECHT_I2C_BUS_CONTROLLER_VERILOG", kText),
    ITEM("NOBRECHT_INITIAL_CONFIG_VERILOG", kText),
    ITEM("SI5340A_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("SI5340A_CONTROLLER_VERILOG", kControllerA),
    ITEM("SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("SI5340A_I2C_REG_CONTROLLER_VERILOG", kText),
    ITEM("SI5340B_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("SI5340B_CONTROLLER_VERILOG", kControllerB4),
    ITEM("SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("SI5340B_I2C_REG_CONTROLLER_VERILOG", kText),
    ITEM("DDR4_NOBRECHT_CLOCK_DIVIDER_VERILOG", kText),
    ITEM("DDR4_NOBRECHT_EDGE_DETECTOR_VERILOG", kText),
    ITEM("DDR4_NOBRECHT_I2C_BUS_CONTROLLER_VERILOG", kText),
    ITEM("DDR4_NOBRECHT_INITIAL_CONFIG_VERILOG", kText),
    ITEM("DDR4_SI5340A_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("DDR4_SI5340A_CONTROLLER_VERILOG", kControllerA),
    ITEM("DDR4_SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("DDR4_SI5340A_I2C_REG_CONTROLLER_VERILOG", kText),
    ITEM("DDR4_SI5340B_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("DDR4_SI5340B_CONTROLLER_VERILOG", kControllerB5),
    ITEM("DDR4_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("DDR4_SI5340B_I2C_REG_CONTROLLER_VERILOG", kText),
    ITEM("ABERNOLL_CLOCK_DIVIDER_VERILOG", kText),
    ITEM("ABERNOLL_EDGE_DETECTOR_VERILOG", kText),
    ITEM("ABERNOLL_I2C_BUS_CONTROLLER_VERILOG", kText),
    ITEM("ABERNOLL_INITIAL_CONFIG_VERILOG", kText),
    ITEM("ABERNOLL_SI5340A_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("ABERNOLL_SI5340A_CONTROLLER_VERILOG", kControllerA),
    ITEM("ABERNOLL_SI5340A_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("ABERNOLL_SI5340A_I2C_REG_CONTROLLER_VERILOG", kText),
    ITEM("ABERNOLL_SI5340B_CLK_FRQ_SEL_GEN_VERILOG", kText),
    ITEM("ABERNOLL_SI5340B_CONTROLLER_VERILOG", kControllerB4),
    ITEM("ABERNOLL_SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", kText),
    ITEM("ABERNOLL_SI5340B_I2C_REG_CONTROLLER_VERILOG", kText),
    {nullptr, nullptr, 0},
};

#undef ITEM

}  // namespace

const std::string kSi5340StandInText(reinterpret_cast<const char*>(kText), sizeof kText - 1);

void AddSi5340StandIns() { platform::AddResourceTable(kStandIns); }

}  // namespace tooltest

// Each external checker accepts a small valid file and rejects a broken one.
#include <gtest/gtest.h>

#include <algorithm>

#include "ToolCheck.h"

using namespace tooltest;

TEST(Tools, IverilogAcceptsValidAndRejectsBroken)
{
    TempDir dir;
    auto good = dir.Write("top.v", "module top(input a, output b);\r\nassign b = a;\r\nendmodule\r\n");
    auto bad = dir.Write("bad.v", "module top(input a, output b);\r\nassign b = ;\r\nendmodule\r\n");
    auto result = CheckIverilog({good}, "top");
    EXPECT_TRUE(result.ok) << result.output;
    EXPECT_FALSE(CheckIverilog({bad}, "top").ok);
}

TEST(Tools, VerilatorAcceptsAnEmptyTopLevelAndRejectsBroken)
{
    TempDir dir;
    auto empty = dir.Write("top.v", "module top(\r\n  input  [1:0] KEY,\r\n  output [3:0] LEDR\r\n);\r\nendmodule\r\n");
    auto bad = dir.Write("bad.v", "module top(input a, output b);\r\nassign c = a;\r\nendmodule\r\n");
    auto result = CheckVerilator({empty}, "top");
    EXPECT_TRUE(result.ok) << result.output;
    EXPECT_FALSE(CheckVerilator({bad}, "top").ok);
    // with every warning on, the empty top level is reported
    EXPECT_FALSE(CheckVerilator({empty}, "top", true).ok);
}

TEST(Tools, GhdlAcceptsValidAndRejectsBroken)
{
    TempDir dir;
    auto good = dir.Write("top.vhd",
                          "library ieee;\r\nuse ieee.std_logic_1164.all;\r\n"
                          "entity top is\r\n  port (KEY : in std_logic_vector(1 downto 0); LED : out std_logic);\r\nend top;\r\n"
                          "architecture rtl of top is\r\nbegin\r\nend rtl;\r\n");
    auto bad = dir.Write("bad.vhd", "entity top is\r\n  port (KEY : in std_logic);\r\nend top;\r\n");
    auto result = CheckGhdl(good);
    EXPECT_TRUE(result.ok) << result.output;
    EXPECT_FALSE(CheckGhdl(bad).ok);
}

TEST(Tools, TclStubsRecordQsfAssignmentsWithBusIndexes)
{
    TempDir dir;
    auto qsf = dir.Write("p.qsf",
                         "# comment\r\n"
                         "set_global_assignment -name FAMILY \"Cyclone V\"\r\n"
                         "set_location_assignment PIN_AF14 -to CLOCK_50\r\n"
                         "set_location_assignment PIN_AA14 -to KEY[0]\r\n"
                         "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to KEY[-1]\r\n");
    auto result = SourceTcl(qsf, QsfCommands());
    ASSERT_TRUE(result.ok) << result.output;
    ASSERT_EQ(result.calls.size(), 4u);
    EXPECT_EQ(result.calls[0].command, "set_global_assignment");
    EXPECT_EQ(result.calls[0].args, (std::vector<std::string>{"-name", "FAMILY", "Cyclone V"}));
    EXPECT_EQ(result.calls[2].args, (std::vector<std::string>{"PIN_AA14", "-to", "KEY[0]"}));
    EXPECT_EQ(result.calls[3].args.back(), "KEY[-1]");
}

TEST(Tools, TclStubsRejectUnknownCommandsAndBadIndexes)
{
    TempDir dir;
    for (const char* text : {"set_location_assignment PIN_A1 -to KEY[x]\r\n",
                             "set_location_assignment PIN_A1 -to KEY[0x1]\r\n",
                             "no_such_command 1\r\n", "set_global_assignment -name \"unclosed\r\n"}) {
        auto file = dir.Write("bad.qsf", text);
        EXPECT_FALSE(SourceTcl(file, QsfCommands()).ok) << text;
    }
}

TEST(Tools, TclStubsRecordSdcCommandsAndNestedCalls)
{
    TempDir dir;
    auto sdc = dir.Write("p.sdc",
                         "create_clock -period \"50.0 MHz\" [get_ports CLOCK_50]\r\n"
                         "derive_pll_clocks\r\n"
                         "set_input_delay -max -clock altera_reserved_tck 20 [get_ports altera_reserved_tdi]\r\n");
    auto result = SourceTcl(sdc, SdcCommands());
    ASSERT_TRUE(result.ok) << result.output;
    auto clock = std::find_if(result.calls.begin(), result.calls.end(),
                              [](const TclCall& c) { return c.command == "create_clock"; });
    ASSERT_NE(clock, result.calls.end());
    EXPECT_EQ(clock->args, (std::vector<std::string>{"-period", "50.0 MHz", "CLOCK_50"}));
}

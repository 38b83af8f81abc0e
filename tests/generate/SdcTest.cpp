// The board blocks and clock lines of the timing constraints.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "ToolCheck.h"
#include "core/generate/SystemBuild.h"

using namespace gentest;

namespace {

const std::string kVgaBlock = "# VGA : 640x480@60Hz\r\n"
                              "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                              "# VGA : 800x600@60Hz\r\n"
                              "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                              "# VGA : 1024x768@60Hz\r\n"
                              "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                              "# VGA : 1280x1024@60Hz\r\n"
                              "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
const std::string kSdram = "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n";
const std::string kVideo = "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n";
const std::string kAudio = "# AUDIO : 48kHz 384fs 32-bit data\r\n"
                           "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n"
                           "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n";

std::unique_ptr<TMainBoard> Board(uint8_t id, std::initializer_list<std::size_t> tickedBytes = {})
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = id;
    for (std::size_t offset : tickedBytes) {
        if (id == MAINBOARD_Glenmarch) board->m_GlenmarchConfig[offset] = 1;
        if (id == MAINBOARD_Wistrell) board->m_WistrellConfig[offset] = 1;
        if (id == MAINBOARD_Ebbrick) board->m_EbbrickConfig[offset] = 1;
    }
    return board;
}

}  // namespace

TEST(Sdc, BoardClocksFollowTheChoicesEachBoardHas)
{
    struct Case {
        const char* what;
        std::unique_ptr<TMainBoard> board;
        std::string expected;
    };
    Case cases[] = {
        {"Glenmarch all", Board(MAINBOARD_Glenmarch, {140, 141, 142, 143}), kVideo + kSdram + kAudio + kVgaBlock + "\r\n"},
        {"Glenmarch VGA", Board(MAINBOARD_Glenmarch, {140}), kVgaBlock + "\r\n"},
        // Wistrell has no SDRAM choice: its byte 141 is something else.
        {"Wistrell", Board(MAINBOARD_Wistrell, {141, 143, 144}), kVideo + kAudio + "\r\n"},
        {"Ebbrick", Board(MAINBOARD_Ebbrick, {140, 141, 142, 143, 144}), kVgaBlock + "\r\n"},
        {"Ebbrick nothing", Board(MAINBOARD_Ebbrick, {141, 142, 143, 144}), ""},
        {"Kestwin", Board(MAINBOARD_Kestwin), ""},
        {"Pressel", Board(MAINBOARD_Pressel), ""},
    };
    for (Case& c : cases) EXPECT_EQ(TSystemBuild::SdcBoardClocks(*c.board), c.expected) << c.what;

    auto ulvarin = MakeFixtureBoard();  // SDRAM and VGA ticked, audio and video input not
    EXPECT_EQ(TSystemBuild::SdcBoardClocks(*ulvarin), kSdram + kVgaBlock + "\r\n");
    EXPECT_EQ(TSystemBuild::SdcInputDelays(*ulvarin), "");
    EXPECT_EQ(TSystemBuild::SdcOutputDelays(*ulvarin), "");
}

TEST(Sdc, JtagBlockOnlyForItsBoards)
{
    for (uint8_t id : kMainBoardIds) {
        bool expected = id == MAINBOARD_Glenmarch || id == MAINBOARD_Wistrell || id == MAINBOARD_Kestwin ||
                        id == MAINBOARD_Lumbrae || id == MAINBOARD_Ulvarin || id == MAINBOARD_Idrenne;
        std::string jtag = TSystemBuild::SdcJtag(*Board(id));
        EXPECT_EQ(!jtag.empty(), expected) << int(id);
        if (expected) {
            EXPECT_EQ(jtag.rfind("# for enhancing USB BlasterII to be reliable, 25MHz\r\n", 0), 0u);
            EXPECT_EQ(jtag.substr(jtag.size() - 5), "]\r\n\r\n");
        }
    }
}

TEST(Sdc, GlenmarchDelays)
{
    const std::string inHeader = "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n";
    const std::string inSdram = "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n"
                                "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n"
                                "\r\n";
    const std::string inVideo = "set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]\r\n"
                                "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]\r\n"
                                "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]\r\n"
                                "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]\r\n"
                                "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]\r\n"
                                "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]\r\n"
                                "\r\n";
    const std::string outHeader = "# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n"
                                  "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n";
    const std::string outSdram = "set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]\r\n"
                                 "set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]\r\n"
                                 "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]\r\n"
                                 "\r\n";
    const std::string outVga = "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n"
                               "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]\r\n"
                               "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]\r\n"
                               "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]\r\n"
                               "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]\r\n"
                               "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]\r\n"
                               "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK]\r\n"
                               "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK]\r\n"
                               "\r\n";
    // Bytes 140 to 143 of the record: VGA, SDRAM, audio, video input. Each header stands
    // where either of its groups is ticked, so each group alone has a row.
    struct Case {
        const char* what;
        std::unique_ptr<TMainBoard> board;
        std::string in, out;
    };
    Case cases[] = {
        {"VGA", Board(MAINBOARD_Glenmarch, {140}), "", outHeader + outVga},
        {"SDRAM", Board(MAINBOARD_Glenmarch, {141}), inHeader + inSdram, outHeader + outSdram},
        {"Video-In", Board(MAINBOARD_Glenmarch, {143}), inHeader + inVideo, ""},
        {"audio", Board(MAINBOARD_Glenmarch, {142}), "", ""},
        {"SDRAM and Video-In", Board(MAINBOARD_Glenmarch, {141, 143}), inHeader + inSdram + inVideo,
         outHeader + outSdram},
        {"all", Board(MAINBOARD_Glenmarch, {140, 141, 142, 143}), inHeader + inSdram + inVideo,
         outHeader + outSdram + outVga},
    };
    for (Case& c : cases) {
        EXPECT_EQ(TSystemBuild::SdcInputDelays(*c.board), c.in) << c.what;
        EXPECT_EQ(TSystemBuild::SdcOutputDelays(*c.board), c.out) << c.what;
    }

    EXPECT_EQ(TSystemBuild::SdcOutputDelays(*Board(MAINBOARD_Wistrell, {140})), "");
}

TEST(Sdc, ClockLinesFromClockPinsWhateverTheirDirection)
{
    GenerateEnv env;
    tooltest::TempDir dir;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Pressel;
    auto* c = new TConnector("CLOCK", "", CONNECTOR_NONE, -1);
    c->AddPin(new TPin("CLK_A", "A1", DIRECTION_NONE, 8, 156.25f));  // not in use, still constrained
    TPin* other = new TPin("CLK_B", "A2", DIRECTION_INPUT, 8, 0.0f);
    other->SetClock(2);  // not a clock kind any writer knows
    other->SetClockPeriod(20);
    c->AddPin(other);
    TPin* noData = new TPin("CLK_C", "A3", DIRECTION_INPUT, 8, 0.0f);
    noData->SetClock(1);
    c->AddPin(noData);
    c->AddPin(nullptr);
    board.AddConnector(c);
    ASSERT_TRUE(TSystemBuild().WriteSdc(board, dir.Path() + "p.sdc"));
    std::string sdc = tooltest::ReadFile(dir.Path() + "p.sdc");
    EXPECT_NE(sdc.find("# Create Clock\r\n#**************************************************************\r\n"
                       "create_clock -period \"156.250000 MHz\" [get_ports CLK_A]\r\n\r\n"
                       "#**************************************************************\r\n# Create Generated Clock"),
              std::string::npos);
    auto tcl = tooltest::SourceTcl(dir.Path() + "p.sdc", tooltest::SdcCommands());
    EXPECT_TRUE(tcl.ok) << tcl.output;
}

TEST(Sdc, NoClockLineForAFrequencyOfZero)
{
    GenerateEnv env;
    tooltest::TempDir dir;
    struct Case {
        const char* frequency;
        bool written;
    };
    const Case cases[] = {
        {"0.000000 MHz", false}, {"0 MHz", false},        {" 0.0 MHz", false},      {"-0.000000 MHz", false},
        {"0.001 MHz", true},     {"100.000000 MHz", true}, {"266.667000 MHz", true}, {"MHz", true},
    };
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Nobrecht;
    auto* c = new TConnector("CLOCK", "", CONNECTOR_NONE, -1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        TPin* pin = new TPin("CLK_" + std::to_string(i), "A1", DIRECTION_INPUT, 8, 0.0f);
        pin->SetClock(1);
        pin->SetClockPeriod(20);  // not a fallback for a zero frequency
        pin->SetFrequency(cases[i].frequency);
        c->AddPin(pin);
    }
    board.AddConnector(c);
    ASSERT_TRUE(TSystemBuild().WriteSdc(board, dir.Path() + "p.sdc"));
    std::string sdc = tooltest::ReadFile(dir.Path() + "p.sdc");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::string port = "[get_ports CLK_" + std::to_string(i) + "]";
        EXPECT_EQ(sdc.find(port) != std::string::npos, cases[i].written) << cases[i].frequency;
        if (cases[i].written)
            EXPECT_NE(sdc.find("create_clock -period \"" + std::string(cases[i].frequency) + "\" " + port + "\r\n"),
                      std::string::npos);
    }
    auto tcl = tooltest::SourceTcl(dir.Path() + "p.sdc", tooltest::SdcCommands());
    EXPECT_TRUE(tcl.ok) << tcl.output;
}

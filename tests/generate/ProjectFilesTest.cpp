// The driver, the .qpf and .qsf, and the top-level module of the fixture board, checked
// byte for byte and by the real tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "GoldenFile.h"
#include "ToolCheck.h"
#include "core/generate/SystemBuild.h"
#include "core/model/PinParsing.h"
#include "platform/Environment.h"

using namespace gentest;
using tooltest::TempDir;

namespace {

bool Exists(const std::string& path) { return platform::FileExists(path); }

// The pins the .qsf must assign: name -> location (empty when none).
std::map<std::string, std::string> AssignedPins(const TMainBoard& board)
{
    std::map<std::string, std::string> pins;
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        for (int i = 0; i < board.GetConnector(c)->GetPinCount(); ++i) {
            const TPin* pin = board.GetConnector(c)->GetPin(i);
            if (pin && pin->IsActive()) pins[pin->GetName()] = pin->GetLocation();
        }
    return pins;
}

}  // namespace

TEST(ProjectFiles, FixtureVerilogProjectMatchesGoldenFilesAndPassesTheTools)
{
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    TSystemBuild build;
    ASSERT_TRUE(build.Generate(*board, dir.Path() + "top.qpf", false));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.qpf", "top.qpf"));
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.qsf", "top.qsf"));
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.v", "top.v"));
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.sdc", "top.sdc"));
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.htm", "top.htm"));
    EXPECT_FALSE(Exists(dir.Path() + "top.vhd"));

    auto iverilog = tooltest::CheckIverilog({dir.Path() + "top.v"}, "top");
    EXPECT_TRUE(iverilog.ok) << iverilog.output;
    auto verilator = tooltest::CheckVerilator({dir.Path() + "top.v"}, "top");
    EXPECT_TRUE(verilator.ok) << verilator.output;

    // Every pin in use has one I/O-standard line, one location line where it has a location,
    // and no location is given twice.
    auto tcl = tooltest::SourceTcl(dir.Path() + "top.qsf", tooltest::QsfCommands());
    ASSERT_TRUE(tcl.ok) << tcl.output;
    std::map<std::string, int> standards, locations;
    std::set<std::string> usedLocations;
    for (const auto& call : tcl.calls) {
        if (call.command == "set_instance_assignment" && call.args.size() == 5 && call.args[1] == "IO_STANDARD")
            ++standards[call.args[4]];
        if (call.command == "set_location_assignment" && call.args.size() == 3) {
            ++locations[call.args[2]];
            EXPECT_TRUE(usedLocations.insert(call.args[0]).second) << call.args[0] << " assigned twice";
        }
    }
    auto pins = AssignedPins(*board);
    EXPECT_EQ(standards.size(), pins.size());
    for (const auto& [name, location] : pins) {
        EXPECT_EQ(standards[name], 1) << name;
        EXPECT_EQ(locations.count(name) ? locations[name] : 0, location.empty() ? 0 : 1) << name;
        if (!location.empty())
            EXPECT_TRUE(usedLocations.count("PIN_" + location)) << name;
    }
    EXPECT_EQ(locations.size(), pins.size() - 1);  // HPS_LED has no location

    // The .sdc sources with the timing commands; the two clock pins are constrained.
    auto sdc = tooltest::SourceTcl(dir.Path() + "top.sdc", tooltest::SdcCommands());
    ASSERT_TRUE(sdc.ok) << sdc.output;
    std::vector<std::vector<std::string>> clocks;
    for (const auto& call : sdc.calls)
        if (call.command == "create_clock") clocks.push_back(call.args);
    ASSERT_EQ(clocks.size(), 5u);  // two pins, SDRAM, VGA, JTAG
    EXPECT_EQ(clocks[0], (std::vector<std::string>{"-period", "20.000ns", "CLOCK2_50"}));
    EXPECT_EQ(clocks[1], (std::vector<std::string>{"-period", "50.000000 MHz", "CLOCK_50"}));
}

TEST(ProjectFiles, FixtureVhdlTopMatchesGoldenFileAndAnalyses)
{
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    ASSERT_TRUE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", true));
    EXPECT_TRUE(MatchesGolden(dir.Path() + "top.vhd", "top.vhd"));
    EXPECT_FALSE(Exists(dir.Path() + "top.v"));
    auto ghdl = tooltest::CheckGhdl(dir.Path() + "top.vhd");
    EXPECT_TRUE(ghdl.ok) << ghdl.output;
}

TEST(ProjectFiles, FileNamesFollowTheProjectFileWhateverItsExtension)
{
    GenerateEnv env;
    struct Case {
        const char* given;
        const char* stem;
    };
    for (Case c : {Case{"top.qpf", "top"}, Case{"top.txt", "top"}, Case{"top", "top"},
                   Case{"sub.dir/top", "sub.dir/top"}}) {
        TempDir dir;
        platform::ForceDirectories(dir.Path() + "sub.dir");
        auto board = MakeFixtureBoard();
        ASSERT_TRUE(TSystemBuild().Generate(*board, dir.Path() + c.given, false)) << c.given;
        for (const char* ext : {".qpf", ".qsf", ".v"})
            EXPECT_TRUE(Exists(dir.Path() + c.stem + ext)) << c.given << " " << ext;
    }
    EXPECT_EQ(ChangeFileExt("a/b.c/top", ".qsf"), "a/b.c/top.qsf");
    EXPECT_EQ(ProjectNameOf("a/b.c/top.qpf"), "top");
    EXPECT_EQ(ProjectNameOf("a/top.v1.qpf"), "top.v1");
}

// The file's base name names the module: a name no tool takes as one ("top.v1" from
// "top.v1.qpf", a keyword, a leading digit) is refused before any file, as the forms refuse
// it after their project dialog; so is it from a caller that chose the file itself.
TEST(ProjectFiles, AFileNameThatCannotNameTheModuleIsRefusedFirst)
{
    for (const char* given : {"top.v1.qpf", "module.qpf", "Entity.qpf", "1top.qpf", "top_.qpf", "a__b.qpf"}) {
        GenerateEnv env;
        TempDir dir;
        auto board = MakeFixtureBoard();
        EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + given, false)) << given;
        EXPECT_EQ(env.dialogs.Texts(),
                  std::vector<std::string>{"The project file name must be a valid Verilog and VHDL name: a letter, then "
                                           "letters, digits or single underscores, not ending in an underscore, and "
                                           "not a keyword."})
            << given;
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << given;
    }
}

TEST(ProjectFiles, QpfAndQsfCarryTheProjectNameAndEnglishDates)
{
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    ASSERT_TRUE(TSystemBuild().Generate(*board, dir.Path() + "blinky.qpf", false));
    std::string qpf = tooltest::ReadFile(dir.Path() + "blinky.qpf");
    std::string qsf = tooltest::ReadFile(dir.Path() + "blinky.qsf");
    EXPECT_NE(qpf.find("DATE = \"14:05:33 December 08, 2024\"\r\n"), std::string::npos);
    EXPECT_NE(qpf.find("PROJECT_REVISION = \"blinky\"\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("PROJECT_CREATION_TIME_DATE \"14:05:33 DECEMBER 08,2024\"\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("TOP_LEVEL_ENTITY \"blinky\"\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name SDC_FILE blinky.sdc\r\n"), std::string::npos);
    EXPECT_NE(tooltest::ReadFile(dir.Path() + "blinky.v").find("module blinky(\r\n"), std::string::npos);
}

TEST(ProjectFiles, DeviceFilterLines)
{
    GenerateEnv env;
    TempDir dir;
    struct Case {
        const char* package;
        int32_t pins;
        int32_t grade;
        const char* gradeText;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::vector<Case> cases = {
        {"", 0, 0, "", {}, {"DEVICE_FILTER"}},
        {"", -1, 6, "I2", {"DEVICE_FILTER_SPEED_GRADE I2\r\n"}, {"DEVICE_FILTER_SPEED_GRADE 6", "PIN_COUNT", "PACKAGE"}},
        {"FBGA", 484, 7, "", {"DEVICE_FILTER_PACKAGE FBGA\r\n", "DEVICE_FILTER_PIN_COUNT 484\r\n",
                              "DEVICE_FILTER_SPEED_GRADE 7\r\n"}, {}},
    };
    for (const Case& c : cases) {
        auto board = MakeFixtureBoard();
        board->m_Package = c.package;
        board->m_DevicePinCount = c.pins;
        board->m_SpeedGrade = c.grade;
        board->m_SpeedGradeText = c.gradeText;
        ASSERT_TRUE(TSystemBuild().WriteQsf(*board, dir.Path() + "p.qsf"));
        std::string qsf = tooltest::ReadFile(dir.Path() + "p.qsf");
        for (const auto& text : c.present) EXPECT_NE(qsf.find(text), std::string::npos) << text;
        for (const auto& text : c.absent) EXPECT_EQ(qsf.find(text), std::string::npos) << text;
    }
}

TEST(ProjectFiles, QsfSkipsConnectorsWithoutPinsInUseAndPinsWithoutPortDirection)
{
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    auto* idle = new TConnector("IDLE", "nothing here", CONNECTOR_NONE, -1);
    idle->AddPin(BoardPin("IDLE_X", "B1", DIRECTION_NONE));
    board->AddConnector(idle);
    auto* left = new TConnector("LEFT", "", CONNECTOR_NONE, -1);
    left->AddPin(BoardPin("LEFT_X", "B2", DIRECTION_FROM_DAUGHTER));
    board->AddConnector(left);
    ASSERT_TRUE(TSystemBuild().WriteQsf(*board, dir.Path() + "p.qsf"));
    std::string qsf = tooltest::ReadFile(dir.Path() + "p.qsf");
    EXPECT_EQ(qsf.find("IDLE"), std::string::npos);
    EXPECT_EQ(qsf.find("-to LEFT_X"), std::string::npos);
    EXPECT_NE(qsf.find("# LEFT\r\n"), std::string::npos);  // the pin counts as active
}

TEST(ProjectFiles, FirstFailingStepStopsTheSequenceAndKeepsEarlierFiles)
{
    GenerateEnv env;
    TempDir dir;
    platform::ForceDirectories(dir.Path() + "top.qsf");  // cannot be created as a file
    auto board = MakeFixtureBoard();
    EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", false));
    EXPECT_TRUE(Exists(dir.Path() + "top.qpf"));
    EXPECT_FALSE(Exists(dir.Path() + "top.v"));
    ASSERT_EQ(env.dialogs.Exceptions().size(), 1u);
    EXPECT_NE(env.dialogs.Exceptions()[0].find("top.qsf"), std::string::npos);
    ASSERT_EQ(env.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(env.dialogs.Boxes()[0].caption, "Error");
    EXPECT_EQ(env.dialogs.Boxes()[0].text, "Failed to create file top.qsf\r\nIs a directory");
}

TEST(ProjectFiles, PinNameCheckRejectsUnsafeNamesBeforeAnythingIsWritten)
{
    struct Case {
        const char* name;
        bool valid;
    };
    const Case cases[] = {
        {"CLOCK_50", true},     {"KEY[0]", true},       {"HSMC_TX_D_P[16]", true}, {"x", true},
        {"DQ[2147483647]", true}, {"", false},           {"_X", false},             {"9V", false},
        {"A[x]_D[0]", false},   {"my-cardD[0]", false}, {"KEY[]", false},          {"KEY[-1]", false},
        {"KEY[+1]", false},     {"KEY[01]", false},     {"KEY[0]X", false},        {"KEY[1][2]", false},
        {"X]Y[", false},        {"KEY[2147483648]", false}, {"A B", false},        {"A\"B", false},
        {"A<b>", false},        {"KEY[0", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidPinName(c.name), c.valid) << c.name;

    // A prefix that makes no name: the box names the first such pin, in the file's language.
    struct Prefix {
        const char* prefix;
        bool vhdl;
        const char* box;
    };
    for (const Prefix& p : {Prefix{"A[x]_", false, "Pin name A[x]_D[1] is not a valid Verilog name; change the "
                                                  "prefix of its connector."},
                            Prefix{"my-card", true, "Pin name my-cardD[1] is not a valid VHDL name; change the "
                                                    "prefix of its connector."},
                            Prefix{"caf\xE9_", false, "Pin name caf\xC3\xA9_D[1] is not a valid Verilog name; "
                                                      "change the prefix of its connector."}}) {
        GenerateEnv env;
        TempDir dir;
        auto board = MakeFixtureBoard();
        TConnector* gpio = board->FindExpansionConnector(EXPANSION_GPIO_0);
        gpio->GetPin(1)->SetName(std::string(p.prefix) + "D[1]");
        TPin* before = gpio->GetPin(1);
        EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", p.vhdl)) << p.prefix;
        EXPECT_FALSE(Exists(dir.Path() + "top.qpf"));
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{p.box});
        EXPECT_EQ(gpio->GetPin(1), before);  // not sorted either
    }

    // A pin not in use is checked too (the sort reads every name), unless it has no name.
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    board->GetConnector(1)->GetPin(2)->SetName("KEY[two]");
    EXPECT_FALSE(TSystemBuild::CheckPinNames(*board, false));
    board->GetConnector(1)->GetPin(2)->SetName("");
    EXPECT_TRUE(TSystemBuild::CheckPinNames(*board, false));
    board->GetConnector(1)->GetPin(2)->SetDirection(DIRECTION_INPUT);
    EXPECT_FALSE(TSystemBuild::CheckPinNames(*board, false));
    // The language's own rules hold for ports only: a pin not in use is never declared.
    board->GetConnector(1)->GetPin(2)->SetName("signal");
    EXPECT_TRUE(TSystemBuild::CheckPinNames(*board, false));
    EXPECT_FALSE(TSystemBuild::CheckPinNames(*board, true));
    board->GetConnector(1)->GetPin(2)->SetDirection(DIRECTION_NONE);
    EXPECT_TRUE(TSystemBuild::CheckPinNames(*board, true));
}

// Beyond the form every name needs, a port's name must suit the top file's language; a pin
// not in use makes no port and only needs to sort.
TEST(ProjectFiles, PortNamesFollowTheTopFileLanguage)
{
    struct Case {
        const char* name;
        bool verilog;
        bool vhdl;
    };
    const Case cases[] = {
        {"CLOCK_50", true, true}, {"KEY[0]", true, true},   {"G__D[0]", true, false}, {"D_", true, false},
        {"D_[3]", true, false},   {"signal", true, false},  {"SIGNAL[1]", true, false}, {"Out", true, false},
        {"wire", false, true},    {"WIRE", true, true},     {"logic[2]", false, true},  {"xor", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidPortName(c.name, false), c.verilog) << c.name;
        EXPECT_EQ(IsValidPortName(c.name, true), c.vhdl) << c.name;
    }

    // "G__" as a prefix: the Verilog project compiles, the VHDL one is refused before any file.
    for (bool vhdl : {false, true}) {
        GenerateEnv env;
        TempDir dir;
        auto board = MakeFixtureBoard();
        TConnector* gpio = board->FindExpansionConnector(EXPANSION_GPIO_0);
        for (int i = 0; i < gpio->GetPinCount(); ++i)
            if (gpio->GetPin(i) && !gpio->GetPin(i)->GetName().empty())
                gpio->GetPin(i)->SetName("G__" + gpio->GetPin(i)->GetName().substr(3));
        bool written = TSystemBuild().Generate(*board, dir.Path() + "top.qpf", vhdl);
        if (vhdl) {
            EXPECT_FALSE(written);
            EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Pin name G__D[1] is not a valid VHDL name; "
                                                                    "change the prefix of its connector."});
            EXPECT_FALSE(Exists(dir.Path() + "top.qpf"));
            continue;
        }
        ASSERT_TRUE(written);
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        auto iverilog = tooltest::CheckIverilog({dir.Path() + "top.v"}, "top");
        EXPECT_TRUE(iverilog.ok) << iverilog.output;
        auto verilator = tooltest::CheckVerilator({dir.Path() + "top.v"}, "top");
        EXPECT_TRUE(verilator.ok) << verilator.output;
    }
}

// Two connectors declaring one port: refused before any file, naming the signal and both
// connectors by name. VHDL also tells no case apart.
TEST(ProjectFiles, PortDeclaredByTwoConnectorsIsRefusedBeforeAnyFile)
{
    struct Case {
        const char* name;  // given to the GPIO card's first pin
        bool vhdl;
        const char* box;   // nullptr: accepted
    };
    const Case cases[] = {
        {"KEY[5]", false, "Signal KEY comes from both KEY and GPIO; give one of them another prefix."},
        {"LEDR_EN", true, "Signal LEDR_EN comes from both LED and GPIO; give one of them another prefix."},
        {"ledr[0]", true, "Signal ledr comes from both LED and GPIO; give one of them another prefix."},
        {"Hps_Led", true, "Signal Hps_Led comes from both HPS and GPIO; give one of them another prefix."},
        {"ledr[0]", false, nullptr},  // Verilog keeps case apart
        {"SW[1]", true, nullptr},     // SW declares no port: its only pin is not in use
    };
    for (const Case& c : cases) {
        GenerateEnv env;
        TempDir dir;
        auto board = MakeFixtureBoard();
        board->FindExpansionConnector(EXPANSION_GPIO_0)->GetPin(1)->SetName(c.name);
        bool written = TSystemBuild().Generate(*board, dir.Path() + "top.qpf", c.vhdl);
        if (c.box) {
            EXPECT_FALSE(written) << c.name;
            EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{c.box});
            EXPECT_FALSE(Exists(dir.Path() + "top.qpf")) << c.name;
            continue;
        }
        ASSERT_TRUE(written) << c.name;
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        auto tool = c.vhdl ? tooltest::CheckGhdl(dir.Path() + "top.vhd") : tooltest::CheckIverilog({dir.Path() + "top.v"}, "top");
        EXPECT_TRUE(tool.ok) << c.name << tool.output;
    }
}

// Two connectors of one name, as a board's memory sockets, are told apart by their descriptions.
TEST(ProjectFiles, PortDeclaredByTwoConnectorsOfOneNameNamesTheirDescriptions)
{
    GenerateEnv env;
    TempDir dir;
    auto board = MakeFixtureBoard();
    for (char socket : {'A', 'B'}) {
        auto* memory = new TConnector("DDR3 SODIMM", std::string("DDR3 SODIMM_") + socket, CONNECTOR_NONE, -1);
        memory->AddPin(BoardPin("mem_ck", socket == 'A' ? "B1" : "B2", DIRECTION_OUTPUT));
        board->AddConnector(memory);
    }
    EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", false));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Signal mem_ck comes from both DDR3 SODIMM_A and DDR3 "
                                                            "SODIMM_B; give one of them another prefix."});
}

// A clash inside one connector ends the request with the parse's box before any file too.
TEST(ProjectFiles, PortConflictInsideAConnectorFailsBeforeAnyFile)
{
    for (bool vhdl : {false, true}) {
        GenerateEnv env;
        TempDir dir;
        auto board = MakeFixtureBoard();
        board->GetConnector(2)->GetPin(1)->SetDirection(DIRECTION_INPUT);  // LEDR[7] among outputs
        EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", vhdl));
        EXPECT_FALSE(Exists(dir.Path() + "top.qpf"));
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Connector LEDR[7]:1 has an unmathced pin direction"});
    }
}

TEST(ProjectFiles, BoardWithoutPortsStillCompiles)
{
    GenerateEnv env;
    TempDir dir;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Ulvarin;
    auto* sw = new TConnector("SW", "", CONNECTOR_NONE, -1);
    sw->AddPin(BoardPin("SW[0]", "AB30", DIRECTION_NONE));
    board.AddConnector(sw);
    ASSERT_TRUE(TSystemBuild().WriteVerilogTop(board, dir.Path() + "top.v"));
    ASSERT_TRUE(TSystemBuild().WriteVhdlTop(board, dir.Path() + "top.vhd"));
    auto iverilog = tooltest::CheckIverilog({dir.Path() + "top.v"}, "top");
    EXPECT_TRUE(iverilog.ok) << iverilog.output;
    auto ghdl = tooltest::CheckGhdl(dir.Path() + "top.vhd");
    EXPECT_TRUE(ghdl.ok) << ghdl.output;
    EXPECT_NE(tooltest::ReadFile(dir.Path() + "top.vhd").find("\t------------ SW ------------\r\n"), std::string::npos);
}

// Whole Sarnoth projects through the path the form's Generate takes, checked by the tools with
// the controller files the project writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/EXTRA_S5.h"

namespace {

struct Project {
    std::string top;
    std::string qsf;
    std::string sdc;
    std::vector<std::string> controllerFiles;
};

Project ExpectSarnothProjectAccepted(const SARNOTH_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "S5.qpf";
    EXPECT_TRUE(GenerateSarnothProject(record, file));
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{});
    TMainBoard board;
    BuildSarnothProjectBoard(board, record);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, false);
    Project project{tooltest::ReadFile(dir.Path() + "S5.v"), tooltest::ReadFile(dir.Path() + "S5.qsf"),
                    tooltest::ReadFile(dir.Path() + "S5.sdc"), {}};
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().extension() == ".v" && entry.path().filename() != "S5.v")
            project.controllerFiles.push_back(entry.path().filename().string());
    std::sort(project.controllerFiles.begin(), project.controllerFiles.end());
    return project;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::vector<std::string> kSi570Files = {"clock_divider.v",      "edge_detector.v",    "i2c_bus_controller.v",
                                              "i2c_controller.v",     "i2c_reg_controller.v", "initial_config.v",
                                              "si570_controller.v"};

}  // namespace

// Every group, both sockets with their modules and every oscillator programmed.
TEST(SarnothWholeProject, FullestRecord)
{
    SARNOTH_CONFIG record;
    DefaultConfig(record);
    std::memset(&record.bOSC, 1, offsetof(SARNOTH_CONFIG, bRs422) + 1 - offsetof(SARNOTH_CONFIG, bOSC));
    record.nSi570 = 7;
    record.nCdcm61001 = 3;
    record.nCdcm61004 = 12;
    const Project p = ExpectSarnothProjectAccepted(record);
    EXPECT_TRUE(Has(p.top, Cdcm6100xExtPllVerilog(3, 12, 0) + Si570Verilog(7, "CPU_RESET_n") + "\r\nendmodule\r\n"));
    EXPECT_TRUE(Has(p.qsf, "-to DDR3B_DQ[63]"));
    EXPECT_TRUE(Has(p.qsf, "-to DDR3A_DQ[0]"));
    EXPECT_TRUE(Has(p.sdc, "create_clock -period \"644.53125 MHz\" [get_ports SFP_REFCLK_p]"));
    EXPECT_TRUE(Has(p.sdc, "create_clock -period \"625.00 MHz\" [get_ports SATA_HOST_REFCLK_p]"));
    std::vector<std::string> files = kSi570Files;
    files.insert(files.begin(), "EXT_PLL_CTRL.v");
    EXPECT_EQ(p.controllerFiles, files);
}

// The clock-chip code programs its chips while the CLOCK and BUTTON groups are off: the top
// level still has the clock and the reset it runs on.
TEST(SarnothWholeProject, ClockChipCodeWithoutClockAndButtonGroups)
{
    struct Case {
        const char* label;
        uint8_t sfp, sata;
        int32_t si570, cdcm61001, cdcm61004;
        std::vector<std::string> files;
    };
    std::vector<std::string> pllOnly = {"EXT_PLL_CTRL.v"};
    const Case cases[] = {
        {"Si570 alone", 1, 0, 3, 1, 1, kSi570Files},
        {"CDCM61001 unchanged alone", 1, 0, 0, 0, 1, pllOnly},
        {"CDCM61004 alone", 0, 1, 0, 1, 5, pllOnly},
        {"nothing programmed", 1, 1, 0, 1, 1, {}},
        {"choices outside their lists: nothing programmed", 1, 1, 9, 13, -2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SARNOTH_CONFIG record;
        DefaultConfig(record);
        record.bOSC = record.bButton = 0;
        record.bSfpA = c.sfp;
        record.bSata_3 = c.sata;
        record.nSi570 = c.si570;
        record.nCdcm61001 = c.cdcm61001;
        record.nCdcm61004 = c.cdcm61004;
        const Project p = ExpectSarnothProjectAccepted(record);
        EXPECT_EQ(p.controllerFiles, c.files);
        EXPECT_EQ(Has(p.top, "OSC_50_B3B"), !c.files.empty());
    }
}

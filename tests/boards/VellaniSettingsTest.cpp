// Vellani's settings: the record as a file, the clock-chip frequencies of each choice, and
// the project text and files that program the two clock chips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ToolCheck.h"
#include "boards/stratix5/ConfigVellani.h"
#include "platform/Format.h"
#include "platform/Resources.h"

namespace {

TConfigVellani WithChips(bool cdcm, bool lmk, std::vector<uint8_t> pll = {2, 2, 1, 1, 0, 1},
                         std::vector<uint8_t> plus = {2, 2, 2, 2})
{
    TConfigVellani s;
    s.Config = TConfigVellani::DefaultConfig();
    s.Config.bExtCdcmPLL = cdcm;
    s.Config.bExtLmkPLL = lmk;
    for (int i = 0; i < 6; ++i) s.Config.nPLL[i] = pll[i];
    for (int i = 0; i < 4; ++i) s.Config.nPLL_PLUS[i] = plus[i];
    return s;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to)
{
    auto a = text.find(from);
    if (a == std::string::npos) return "<missing " + from + ">";
    a += from.size();
    return text.substr(a, text.find(to, a) - a);
}

std::string Item(const char* name)
{
    auto item = platform::FindResource(name);
    return item ? std::string(item->begin(), item->end()) : std::string();
}

std::vector<std::string> FilesUnder(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        if (e.is_regular_file()) files.push_back(std::filesystem::relative(e.path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

TEST(VellaniSettings, DefaultsSavedAreTheDocumentedBytes)
{
    tooltest::TempDir dir;
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    ASSERT_TRUE(settings.SaveToFile(dir.Path() + "v.cfg"));
    const std::string bytes = tooltest::ReadFile(dir.Path() + "v.cfg");
    ASSERT_EQ(bytes.size(), 812u);

    std::string expected(812, '\0');
    expected[0] = 31;
    expected[4] = static_cast<char>(812 & 0xFF);
    expected[5] = static_cast<char>(812 >> 8);
    std::memcpy(&expected[8], "Vellani", 7);
    // OSC, LED, Button, Switch, SMA, Temperature, Power; then UART, MicroSD, Fan, SSRAM, Flash
    for (int offset : {136, 137, 138, 139, 140, 141, 142, 147, 148, 149, 150, 151}) expected[offset] = 1;
    const char pll[] = {2, 2, 1, 1, 0, 1, 2, 2, 2, 2};
    std::memcpy(&expected[155], pll, sizeof pll);
    EXPECT_EQ(bytes, expected);
}

TEST(VellaniSettings, LoadTakesOnlyFilesOf812Bytes)
{
    tooltest::TempDir dir;
    TConfigVellani settings;
    settings.Config = TConfigVellani::DefaultConfig();
    for (std::size_t size : {811u, 813u, 0u}) {
        auto path = dir.Write("f.cfg", std::string(size, '\x05'));
        EXPECT_FALSE(settings.LoadFromFile(path)) << size;
        EXPECT_EQ(settings.Config.BoardId, 31) << size;
        EXPECT_EQ(settings.Config.Size, 812) << size;
    }
    std::string foreign(812, '\x07');
    foreign[0] = 27;  // another board's id: taken unchanged
    ASSERT_TRUE(settings.LoadFromFile(dir.Write("f.cfg", foreign)));
    EXPECT_EQ(std::memcmp(&settings.Config, foreign.data(), 812), 0);
    EXPECT_FALSE(settings.LoadFromFile(dir.Path() + "missing.cfg"));
}

TEST(VellaniSettings, FrequencyOfEachChoice)
{
    struct Case {
        int output;
        uint8_t choice;
        float mhz;
    };
    const Case cdcm[] = {
        {0, 0, 0},   {0, 1, 100},  {0, 2, 125}, {0, 3, 150}, {0, 4, 0},   {1, 1, 100},
        {1, 3, 150}, {1, 255, 0},  {2, 1, 150}, {2, 2, 0},   {3, 1, 150}, {3, 3, 0},
        {4, 1, 100}, {4, 2, 0},    {5, 0, 0},   {5, 1, 133.33333f},      {5, 2, 0},
    };
    for (const Case& c : cdcm) {
        TConfigVellani s;
        s.Config.nPLL[c.output] = c.choice;
        EXPECT_EQ(s.CdcmOutputFrequency(c.output), c.mhz) << c.output << " " << int(c.choice);
        for (int other = 0; other < 6; ++other)
            if (other != c.output) EXPECT_EQ(s.CdcmOutputFrequency(other), 0.0f);
    }
    TConfigVellani ddr3;
    ddr3.Config.nPLL[5] = 1;
    EXPECT_EQ(platform::Format("%f", ddr3.CdcmOutputFrequency(5)), "133.333328");

    const std::pair<uint8_t, float> lmk[] = {{0, 0}, {1, 322.265625f}, {2, 644.53125f}, {3, 0}, {200, 0}};
    for (int output = 0; output < 4; ++output)
        for (const auto& [choice, mhz] : lmk) {
            TConfigVellani s;
            s.Config.nPLL_PLUS[output] = choice;
            EXPECT_EQ(s.LmkOutputFrequency(output), mhz) << output << " " << int(choice);
        }
}

TEST(VellaniClockText, NeitherChipWritesNothing)
{
    tooltest::TempDir dir;
    TConfigVellani s = WithChips(false, false);
    EXPECT_EQ(s.GetQsfSettings(), "");
    EXPECT_EQ(s.GetTopLevelCode(), "");
    EXPECT_TRUE(s.ExportVerilogIP(dir.Path()));
    EXPECT_TRUE(FilesUnder(dir.Path()).empty());
}

TEST(VellaniClockText, QsfLinesOfEachChip)
{
    const std::string hash = "#============================================================\r\n";
    const std::string lmk = "\r\n" + hash + "# Includes LMK04906 Controller File(s)\r\n" + hash +
                            "set_global_assignment -name VERILOG_FILE lmk04906/SPI_LMK04906_Config.v\r\n\r\n";
    const std::string cdcm = "\r\n" + hash + "# Includes CDCM6208 Controller Files\r\n" + hash +
                             "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Config.v\r\n"
                             "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Controller.v\r\n\r\n";
    EXPECT_EQ(WithChips(false, true).GetQsfSettings(), lmk);
    EXPECT_EQ(WithChips(true, false).GetQsfSettings(), cdcm);
    EXPECT_EQ(WithChips(true, true).GetQsfSettings(), lmk + cdcm);
}

// The whole CDCM6208 block for the defaults, byte for byte; its two computed lines follow
// the choices in the table below.
TEST(VellaniClockText, Cdcm6208BlockOfTheDefaults)
{
    const std::string banner = "//=======================================================\r\n";
    const std::string expected =
        "\r\n\r\n" + banner + "//  External PLL CDCM6208 Configuration =================\r\n" + banner +
        "\r\n"
        "//  Signal declarations\r\n"
        "`define CDCM6208_MODE_0  2'd0   //FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
        "`define CDCM6208_MODE_1  2'd1   //FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
        "`define CDCM6208_MODE_2  2'd2   //FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
        "\r\n"
        "`define CDCM6208_FMCA_DISABLE_BIT\t\t6'b000001\r\n"
        "`define CDCM6208_FMCD_DISABLE_BIT\t\t6'b000010\r\n"
        "`define CDCM6208_SATA_HOST_DISABLE_BIT\t\t6'b001000\r\n"
        "`define CDCM6208_SATA_DEVICE_DISABLE_BIT\t\t6'b010000\r\n"
        "`define CDCM6208_PCIE_DISABLE_BIT\t\t6'b000100\r\n"
        "`define CDCM6208_DDR3_DISABLE_BIT\t\t6'b100000\r\n"
        "\r\n"
        "wire    [1:0]   cdcm6208_freq_select;\r\n"
        "wire    [5:0]   cdcm6208_freq_disable;\r\n"
        "wire            cdcm6208_reset_n;\r\n"
        "wire            cdcm6208_i2c_done;\r\n"
        "\r\n"
        "//  Structural coding\r\n"
        "assign cdcm6208_reset_n = CPU_RESET_n;\r\n"
        "assign cdcm6208_freq_select = `CDCM6208_MODE_1;\r\n"
        "assign cdcm6208_freq_disable = `CDCM6208_PCIE_DISABLE_BIT;\r\n"
        "\r\n"
        "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n"
        "\t.iCLK(OSC_50_B3B), //50MHZ\r\n"
        "\t.iRST_N(cdcm6208_reset_n),\r\n"
        "\r\n"
        "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n"
        "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n"
        "\r\n"
        "\t// i2c\r\n"
        "\t.I2C_SCLK(CLOCK_SCL),\r\n"
        "\t.I2C_SDAT(CLOCK_SDA),\r\n"
        "\r\n"
        "\t.I2C_DONE(cdcm6208_i2c_done)\n"
        ");\r\n";
    EXPECT_EQ(WithChips(true, false).GetTopLevelCode(), expected);
}

TEST(VellaniClockText, Lmk04906BlockOfTheDefaults)
{
    const std::string banner = "//=======================================================\r\n";
    const std::string expected = "\r\n\r\n" + banner + "//  External PLL LMK04906 Configuration =================\r\n" +
                                 banner +
                                 "\r\n"
                                 "//  Signal declarations\r\n"
                                 "`define FMCA_644M53125_BIT  4'h8   //644.53125 MHz\r\n"
                                 "`define FMCB_644M53125_BIT  4'h2   //644.53125 MHz\r\n"
                                 "`define FMCC_644M53125_BIT  4'h1   //644.53125 MHz\r\n"
                                 "`define FMCD_644M53125_BIT  4'h4   //644.53125 MHz\r\n"
                                 "\r\n"
                                 "wire [3:0]      lmk04906_freq_select;\r\n"
                                 "wire            lmk04906_reset_n;\r\n"
                                 "wire            lmk04906_spi_done;\r\n"
                                 "\r\n"
                                 "//  Structural coding\r\n"
                                 "assign lmk04906_reset_n = CPU_RESET_n;\r\n"
                                 "assign lmk04906_freq_select = `FMCA_644M53125_BIT | `FMCB_644M53125_BIT | "
                                 "`FMCC_644M53125_BIT | `FMCD_644M53125_BIT;\r\n"
                                 "\r\n"
                                 "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n"
                                 "\t.clk50(OSC_50_B4A), //50MHZ\r\n"
                                 "\t.rst_n(lmk04906_reset_n),\r\n"
                                 "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n"
                                 "\r\n"
                                 "\t// spi\r\n"
                                 "\t.LMK04906_CLK(LMK04906_CLK),\r\n"
                                 "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n"
                                 "\t.LMK04906_LE(LMK04906_LE),\r\n"
                                 "\t.SPI_DONE(lmk04906_spi_done)\n"
                                 ");\r\n";
    EXPECT_EQ(WithChips(false, true).GetTopLevelCode(), expected);
    // with both chips the CDCM6208 block comes first
    const std::string both = WithChips(true, true).GetTopLevelCode();
    EXPECT_EQ(both, WithChips(true, false).GetTopLevelCode() + expected);
}

TEST(VellaniClockText, ComputedLinesFollowTheChoices)
{
    struct Case {
        std::vector<uint8_t> pll;
        const char* mode;
        const char* disable;
    };
    const Case cases[] = {
        {{1, 1, 1, 1, 1, 1}, "CDCM6208_MODE_0", "6'b000000"},
        {{3, 3, 1, 1, 1, 1}, "CDCM6208_MODE_2", "6'b000000"},
        {{0, 0, 0, 0, 0, 0}, "CDCM6208_MODE_0",
         "`CDCM6208_FMCA_DISABLE_BIT | `CDCM6208_FMCD_DISABLE_BIT | `CDCM6208_SATA_HOST_DISABLE_BIT | "
         "`CDCM6208_SATA_DEVICE_DISABLE_BIT | `CDCM6208_PCIE_DISABLE_BIT | `CDCM6208_DDR3_DISABLE_BIT"},
        {{7, 2, 1, 0, 1, 0}, "CDCM6208_MODE_0", "`CDCM6208_SATA_DEVICE_DISABLE_BIT | `CDCM6208_DDR3_DISABLE_BIT"},
        // FMCA off: the chip's mode follows FMCD, whose clock the board declares
        {{0, 2, 1, 1, 1, 1}, "CDCM6208_MODE_1", "`CDCM6208_FMCA_DISABLE_BIT"},
        {{0, 3, 1, 1, 1, 1}, "CDCM6208_MODE_2", "`CDCM6208_FMCA_DISABLE_BIT"},
        {{0, 1, 1, 1, 1, 1}, "CDCM6208_MODE_0", "`CDCM6208_FMCA_DISABLE_BIT"},
    };
    for (const Case& c : cases) {
        const std::string code = WithChips(true, false, c.pll).GetTopLevelCode();
        EXPECT_EQ(Between(code, "assign cdcm6208_freq_select = `", ";\r\n"), c.mode) << c.mode;
        EXPECT_EQ(Between(code, "assign cdcm6208_freq_disable = ", ";\r\n"), c.disable) << c.disable;
    }

    const std::pair<std::vector<uint8_t>, const char*> lmk[] = {
        {{2, 0, 1, 2}, "`FMCA_644M53125_BIT | `FMCD_644M53125_BIT"},
        {{0, 1, 0, 1}, "4'b0000"},
        {{1, 2, 2, 0}, "`FMCB_644M53125_BIT | `FMCC_644M53125_BIT"},
        {{3, 3, 3, 3}, "4'b0000"},
    };
    for (const auto& [plus, select] : lmk) {
        const std::string code = WithChips(false, true, {2, 2, 1, 1, 0, 1}, plus).GetTopLevelCode();
        EXPECT_EQ(Between(code, "assign lmk04906_freq_select = ", ";\r\n"), select);
    }
}

TEST(VellaniClockText, ExportWritesTheFilesOfTheChosenChips)
{
    {
        tooltest::TempDir dir;
        ASSERT_TRUE(WithChips(false, true).ExportVerilogIP(dir.Path()));
        EXPECT_EQ(FilesUnder(dir.Path()), std::vector<std::string>{"lmk04906/SPI_LMK04906_Config.v"});
        EXPECT_EQ(tooltest::ReadFile(dir.Path() + "lmk04906/SPI_LMK04906_Config.v"),
                  Item("VELLANI_LMK04906_CONFIG_VERILOG"));
    }
    {
        tooltest::TempDir dir;
        ASSERT_TRUE(WithChips(true, true).ExportVerilogIP(dir.Path()));
        EXPECT_EQ(FilesUnder(dir.Path()),
                  (std::vector<std::string>{"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v",
                                            "lmk04906/SPI_LMK04906_Config.v"}));
        EXPECT_EQ(tooltest::ReadFile(dir.Path() + "cdcm6208/I2C_CDCM6208_Config.v"),
                  Item("VELLANI_CDCM6208_CONFIG_VERILOG"));
        EXPECT_EQ(tooltest::ReadFile(dir.Path() + "cdcm6208/I2C_CDCM6208_Controller.v"),
                  Item("VELLANI_CDCM6208_CONTROLLER_VERILOG"));
    }
    {
        // a file where the CDCM6208 folder belongs: the export stops before the LMK04906 file
        tooltest::TempDir dir;
        dir.Write("cdcm6208", "in the way");
        EXPECT_FALSE(WithChips(true, true).ExportVerilogIP(dir.Path()));
        EXPECT_EQ(FilesUnder(dir.Path()), std::vector<std::string>{"cdcm6208"});
    }
}

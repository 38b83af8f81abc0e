#include "boards/stratix5/ConfigVellani.h"

#include <cstring>

#include "core/model/MainBoard.h"
#include "core/model/RecordBytes.h"
#include "core/settings/RecordFile.h"
#include "core/settings/RecordText.h"
#include "platform/Format.h"

namespace {

// The macro of each CDCM6208 output's disable bit, in record order, with its value.
struct DisableBit {
    const char* name;
    const char* value;
};
constexpr DisableBit kCdcmDisableBits[TConfigVellani::kCdcmOutputs] = {
    {"CDCM6208_FMCA_DISABLE_BIT", "6'b000001"},       {"CDCM6208_FMCD_DISABLE_BIT", "6'b000010"},
    {"CDCM6208_SATA_HOST_DISABLE_BIT", "6'b001000"},  {"CDCM6208_SATA_DEVICE_DISABLE_BIT", "6'b010000"},
    {"CDCM6208_PCIE_DISABLE_BIT", "6'b000100"},       {"CDCM6208_DDR3_DISABLE_BIT", "6'b100000"},
};

// The macro of each LMK04906 output's 644.53125 MHz bit, in record order, with its code.
struct SelectBit {
    const char* name;
    unsigned code;
};
constexpr SelectBit kLmkSelectBits[TConfigVellani::kLmkOutputs] = {
    {"FMCA_644M53125_BIT", 0x8}, {"FMCB_644M53125_BIT", 0x2}, {"FMCC_644M53125_BIT", 0x1}, {"FMCD_644M53125_BIT", 0x4}};

constexpr const char* kHdlBanner = "//=======================================================\r\n";
constexpr const char* kQsfBanner = "#============================================================\r\n";

std::string FileLine(const char* folder, const char* file)
{
    return platform::Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", folder, file);
}

// FMCA and FMCD share one frequency in the chip (the form insists on it); when FMCA is off
// the mode follows FMCD, whose clock the board model declares at its own choice.
const char* CdcmModeName(const uint8_t (&choices)[TConfigVellani::kCdcmOutputs])
{
    uint8_t fmc = choices[0] != 0 ? choices[0] : choices[1];
    if (fmc == 2) return "CDCM6208_MODE_1";
    if (fmc == 3) return "CDCM6208_MODE_2";
    return "CDCM6208_MODE_0";
}

std::string CdcmDisableExpression(const uint8_t (&choices)[TConfigVellani::kCdcmOutputs])
{
    std::string expression;
    for (int i = 0; i < TConfigVellani::kCdcmOutputs; ++i) {
        if (choices[i] != 0) continue;
        if (!expression.empty()) expression += " | ";
        expression += std::string("`") + kCdcmDisableBits[i].name;
    }
    return expression.empty() ? "6'b000000" : expression;
}

std::string LmkSelectExpression(const uint8_t (&choices)[TConfigVellani::kLmkOutputs])
{
    std::string expression;
    for (int i = 0; i < TConfigVellani::kLmkOutputs; ++i) {
        if (choices[i] != 2) continue;
        if (!expression.empty()) expression += " | ";
        expression += std::string("`") + kLmkSelectBits[i].name;
    }
    return expression.empty() ? "4'b0000" : expression;
}

std::string CdcmBlock(const VELLANI_CONFIG& c)
{
    std::string s = "\r\n\r\n";
    s += kHdlBanner;
    s += "//  External PLL CDCM6208 Configuration =================\r\n";
    s += kHdlBanner;
    s += "\r\n";
    s += "//  Signal declarations\r\n";
    s += platform::Format(
        "`define %s  2'd0   //FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n",
        "CDCM6208_MODE_0");
    s += platform::Format(
        "`define %s  2'd1   //FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n",
        "CDCM6208_MODE_1");
    s += platform::Format(
        "`define %s  2'd2   //FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n",
        "CDCM6208_MODE_2");
    s += "\r\n";
    for (const DisableBit& bit : kCdcmDisableBits) s += std::string("`define ") + bit.name + "\t\t" + bit.value + "\r\n";
    s += "\r\n";
    s += "wire    [1:0]   cdcm6208_freq_select;\r\n";
    s += "wire    [5:0]   cdcm6208_freq_disable;\r\n";
    s += "wire            cdcm6208_reset_n;\r\n";
    s += "wire            cdcm6208_i2c_done;\r\n";
    s += "\r\n";
    s += "//  Structural coding\r\n";
    s += "assign cdcm6208_reset_n = CPU_RESET_n;\r\n";
    s += platform::Format("assign cdcm6208_freq_select = `%s;\r\n", CdcmModeName(c.nPLL));
    s += platform::Format("assign cdcm6208_freq_disable = %s;\r\n", CdcmDisableExpression(c.nPLL).c_str());
    s += "\r\n";
    s += "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n";
    s += "\t.iCLK(OSC_50_B3B), //50MHZ\r\n";
    s += "\t.iRST_N(cdcm6208_reset_n),\r\n";
    s += "\r\n";
    s += "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n";
    s += "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n";
    s += "\r\n";
    s += "\t// i2c\r\n";
    s += "\t.I2C_SCLK(CLOCK_SCL),\r\n";
    s += "\t.I2C_SDAT(CLOCK_SDA),\r\n";
    s += "\r\n";
    s += "\t.I2C_DONE(cdcm6208_i2c_done)\n";  // a line feed alone, as the projects have always had
    s += ");\r\n";
    return s;
}

std::string LmkBlock(const VELLANI_CONFIG& c)
{
    std::string s = "\r\n\r\n";
    s += kHdlBanner;
    s += "//  External PLL LMK04906 Configuration =================\r\n";
    s += kHdlBanner;
    s += "\r\n";
    s += "//  Signal declarations\r\n";
    for (const SelectBit& bit : kLmkSelectBits)
        s += platform::Format("`define %s  4'h%x   //644.53125 MHz\r\n", bit.name, bit.code);
    s += "\r\n";
    s += "wire [3:0]      lmk04906_freq_select;\r\n";
    s += "wire            lmk04906_reset_n;\r\n";
    s += "wire            lmk04906_spi_done;\r\n";
    s += "\r\n";
    s += "//  Structural coding\r\n";
    s += "assign lmk04906_reset_n = CPU_RESET_n;\r\n";
    s += platform::Format("assign lmk04906_freq_select = %s;\r\n", LmkSelectExpression(c.nPLL_PLUS).c_str());
    s += "\r\n";
    s += "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n";
    s += "\t.clk50(OSC_50_B4A), //50MHZ\r\n";
    s += "\t.rst_n(lmk04906_reset_n),\r\n";
    s += "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n";
    s += "\r\n";
    s += "\t// spi\r\n";
    s += "\t.LMK04906_CLK(LMK04906_CLK),\r\n";
    s += "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n";
    s += "\t.LMK04906_LE(LMK04906_LE),\r\n";
    s += "\t.SPI_DONE(lmk04906_spi_done)\n";  // a line feed alone, as above
    s += ");\r\n";
    return s;
}

}  // namespace

TConfigVellani::TConfigVellani() = default;

TConfigVellani::~TConfigVellani() = default;

TConfigVellani::VELLANI_CONFIG TConfigVellani::DefaultConfig()
{
    VELLANI_CONFIG c;
    std::memset(&c, 0, sizeof c);
    c.BoardId = MAINBOARD_Vellani;
    c.BoardVariant = 0;
    c.Size = sizeof(VELLANI_CONFIG);
    WriteRecordText(c.szProjectName, "Vellani");
    c.bOSC = c.bLED = c.bButton = c.bSwitch = c.bSma = c.bTemp = c.bPower = 1;
    c.bUart2Usb = c.bSdcard = c.bFan = c.bSSRAM = c.bFlash = 1;
    const uint8_t pll[kCdcmOutputs] = {2, 2, 1, 1, 0, 1};
    std::memcpy(c.nPLL, pll, sizeof pll);
    for (uint8_t& choice : c.nPLL_PLUS) choice = 2;
    return c;
}

bool TConfigVellani::LoadFromFile(const std::string& fileName) { return LoadRecord(fileName, Config); }

bool TConfigVellani::SaveToFile(const std::string& fileName) { return SaveRecord(fileName, Config); }

std::span<const uint8_t> TConfigVellani::RecordBytes() const { return BytesOfRecord(Config); }

float TConfigVellani::CdcmOutputFrequency(int output) const
{
    if (output < 0 || output >= kCdcmOutputs) return 0;
    const uint8_t c = Config.nPLL[output];
    switch (output) {
    case 0:
    case 1: return c == 1 ? 100.0f : c == 2 ? 125.0f : c == 3 ? 150.0f : 0.0f;
    case 2:
    case 3: return c == 1 ? 150.0f : 0.0f;
    case 4: return c == 1 ? 100.0f : 0.0f;
    default: return c == 1 ? 133.33333f : 0.0f;
    }
}

float TConfigVellani::LmkOutputFrequency(int output) const
{
    if (output < 0 || output >= kLmkOutputs) return 0;
    const uint8_t c = Config.nPLL_PLUS[output];
    return c == 1 ? 322.265625f : c == 2 ? 644.53125f : 0.0f;
}

std::string TConfigVellani::GetQsfSettings()
{
    std::string text;
    if (Config.bExtLmkPLL != 0)
        text += std::string("\r\n") + kQsfBanner + "# Includes LMK04906 Controller File(s)\r\n" + kQsfBanner +
                FileLine("lmk04906", "SPI_LMK04906_Config.v") + "\r\n";
    if (Config.bExtCdcmPLL != 0)
        text += std::string("\r\n") + kQsfBanner + "# Includes CDCM6208 Controller Files\r\n" + kQsfBanner +
                FileLine("cdcm6208", "I2C_CDCM6208_Config.v") + FileLine("cdcm6208", "I2C_CDCM6208_Controller.v") +
                "\r\n";
    return text;
}

std::string TConfigVellani::GetTopLevelCode()
{
    std::string text;
    if (Config.bExtCdcmPLL != 0) text += CdcmBlock(Config);
    if (Config.bExtLmkPLL != 0) text += LmkBlock(Config);
    return text;
}

ExportResult TConfigVellani::ExportVerilogIP(const std::string& projectFolder)
{
    ExportResult result;
    if (Config.bExtCdcmPLL != 0) {
        result = WriteResourceToFile(projectFolder + "cdcm6208/I2C_CDCM6208_Config.v", "VELLANI_CDCM6208_CONFIG_VERILOG");
        if (result)
            result = WriteResourceToFile(projectFolder + "cdcm6208/I2C_CDCM6208_Controller.v",
                                         "VELLANI_CDCM6208_CONTROLLER_VERILOG");
    }
    if (result && Config.bExtLmkPLL != 0)
        result = WriteResourceToFile(projectFolder + "lmk04906/SPI_LMK04906_Config.v", "VELLANI_LMK04906_CONFIG_VERILOG");
    return result;
}

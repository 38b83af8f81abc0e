#include "boards/arria10/Si5340.h"

#include "core/settings/ConfigBoard.h"
#include "platform/Format.h"

namespace si5340 {

namespace {

constexpr const char* kQsfBanner = "#============================================================";
constexpr const char* kHdlBanner = "//=======================================================";

// The Si5340A settings in the order of their selector codes, and the choice code of each.
struct Si5340ASetting {
    const char* macro;
    int32_t choice;
};

constexpr Si5340ASetting kSi5340ASettings[] = {
    {"SI5340A_POWER_DOWN", 0},
    {"SI5340A_644M53125", 7},
    {"SI5340A_322M265625", 6},
    {"SI5340A_312M5", 5},
    {"SI5340A_250M", 4},
    {"SI5340A_156M25", 3},
    {"SI5340A_125M", 2},
    {"SI5340A_100M", 1},
};

const char* TerminationText(Termination kind)
{
    switch (kind) {
    case Termination::InputDifferential: return "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to ";
    case Termination::RefclkDcCoupling:
        return "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to ";
    case Termination::RefclkAcCoupling:
        return "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to ";
    case Termination::TransceiverIo100Ohms: return "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to ";
    }
    return "";
}

// A heading of the .qsf, the lines under it, and an empty line; nothing without lines.
std::string QsfSection(const char* title, const std::string& lines)
{
    if (lines.empty()) return std::string();
    return std::string("\r\n") + kQsfBanner + "\r\n" + title + "\r\n" + kQsfBanner + "\r\n" + lines + "\r\n";
}

// A macro value: the width and radix as given ("4'h", "5'd"), then the number in that radix.
std::string MacroValue(const char* prefix, int value)
{
    std::string text(prefix);
    return text + platform::Format(text.back() == 'h' ? "%X" : "%d", value);
}

// The part both controller blocks share, between the macros and the output assignments.
std::string ControllerInstance(char chip, const TopLevelStyle& style, const char* doneWire,
                               const std::string& selectorLines)
{
    std::string text = platform::Format("wire si5340%c_controller_start;\r\n", chip);
    if (doneWire) text += platform::Format("wire %s;\r\n\r\n", doneWire);
    text += platform::Format("assign si5340%c_controller_start = ~BUTTON[0];\r\n\r\n", chip);
    text += platform::Format("si5340%c_controller si5340%c_controller(\r\n", chip, chip);
    text += platform::Format("    .iCLK(%s),\r\n", style.clock);
    text += "    .iRST_n(CPU_RESET_n),\r\n";
    text += platform::Format("    .iStart(si5340%c_controller_start),\r\n", chip);
    text += selectorLines;
    const char upper = static_cast<char>(chip - 'a' + 'A');
    text += platform::Format("    .I2C_CLK(SI5340%c_I2C_SCL),\r\n", upper);
    text += platform::Format("    .I2C_DATA(SI5340%c_I2C_SDA),\r\n", upper);
    text += platform::Format("    .oPLL_REG_CONFIG_DONE(%s)\r\n", doneWire ? doneWire : "");
    text += ");\r\n\r\n";
    text += platform::Format("assign SI5340%c_OE_n = 1'b0;\r\n", upper);
    text += platform::Format("assign SI5340%c_RST_n = CPU_RESET_n;\r\n\r\n", upper);
    return text;
}

std::string BlockHeading(char chip)
{
    return std::string("\r\n\r\n") + kHdlBanner + "\r\n" +
           platform::Format("//  Configure SI5340%c \r\n", static_cast<char>(chip - 'a' + 'A')) + kHdlBanner + "\r\n";
}

}  // namespace

double Frequency(std::span<const double> table, uint8_t code) { return code < table.size() ? table[code] : 0.0; }

const char* NameOf(std::span<const char* const> names, int32_t code)
{
    return code >= 0 && static_cast<std::size_t>(code) < names.size() ? names[static_cast<std::size_t>(code)] : names[0];
}

std::string ResourceName(const char* prefix, const char* file)
{
    std::string name(file);
    return prefix + name.substr(0, name.size() - 2) + "_verilog";
}

ExportResult ExportControllerFiles(const std::string& projectFolder, bool aUsed, bool bUsed,
                                   const ResourcePrefixes& prefixes)
{
    if (!aUsed && !bUsed) return {};
    const std::string folder = projectFolder + kControllerFolder + "/";
    // The first write makes the folder, or says why its file could not be written.
    ExportResult result;
    auto write = [&](std::span<const char* const> files, const char* prefix) {
        for (const char* file : files)
            if (result) result = TConfigBoard::WriteResourceToFile(folder + file, ResourceName(prefix, file));
    };
    write(kCommonFiles, prefixes.common);
    if (aUsed) write(kSi5340AFiles, prefixes.a);
    if (bUsed) write(kSi5340BFiles, prefixes.b);
    return result;
}

std::string QsfTerminations(std::span<const uint8_t> record, std::initializer_list<std::span<const TerminationRow>> tables)
{
    std::string lines;
    for (std::span<const TerminationRow> table : tables)
        for (const TerminationRow& row : table) {
            if (row.field >= record.size() || record[row.field] == 0) continue;
            for (const TerminationLine& line : row.lines)
                if (line.signal) lines += std::string(TerminationText(line.kind)) + line.signal + "\r\n";
        }
    return QsfSection("# Termination Settings", lines);
}

std::string QsfIncludes(bool aUsed, bool bUsed)
{
    std::string lines;
    auto add = [&lines](std::span<const char* const> files) {
        for (const char* file : files)
            lines += platform::Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kControllerFolder, file);
    };
    if (aUsed || bUsed) add(kCommonFiles);
    if (aUsed) add(kSi5340AFiles);
    if (bUsed) add(kSi5340BFiles);
    return QsfSection("# Includes SI5340 Controller Files", lines);
}

std::string Si5340ADefineName(int32_t code)
{
    for (const Si5340ASetting& setting : kSi5340ASettings)
        if (setting.choice == code) return setting.macro;
    return std::string();
}

std::string Si5340AVerilog(const int32_t (&codes)[4], const TopLevelStyle& style)
{
    std::string text = BlockHeading('a');
    for (std::size_t value = 0; value < std::size(kSi5340ASettings); ++value)
        text += platform::Format("`define %-20s%s\r\n", kSi5340ASettings[value].macro,
                                 MacroValue(style.aValuePrefix, static_cast<int>(value)).c_str());
    text += "\r\n";
    std::string selectors;
    for (int output = 0; output < 4; ++output) {
        std::string macro = Si5340ADefineName(codes[output]);
        if (macro.empty()) macro = Si5340ADefineName(0);
        selectors += platform::Format("    .iPLL_OUT%d_FREQ_SEL(`%s),//QSFP-%c\r\n", output, macro.c_str(), 'A' + output);
    }
    return text + ControllerInstance('a', style, style.aDoneWire, selectors);
}

std::string Si5340BVerilog(const std::string& selector, const TopLevelStyle& style)
{
    std::string text = BlockHeading('b');
    for (std::size_t value = 0; value < style.bMacros.size(); ++value)
        text += platform::Format("`define %s   %s\r\n", style.bMacros[value],
                                 MacroValue(style.bValuePrefix, static_cast<int>(value)).c_str());
    text += "\r\n";
    return text + ControllerInstance('b', style, style.bDoneWire,
                                     platform::Format("    .iPLL_OUT_FREQ_SEL(`%s),\r\n", selector.c_str()));
}

}  // namespace si5340

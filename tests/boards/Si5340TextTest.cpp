// The project text of the boards with two Si5340 clock generators: the .qsf terminations and
// includes, the top-level blocks that program the chips, and the exported controller files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>

#include "ToolCheck.h"
#include "boards/arria10/ConfigAbernoll.h"
#include "boards/arria10/ConfigDravelle.h"
#include "boards/arria10/ConfigNobrecht.h"
#include "platform/Environment.h"
#include "platform/Format.h"
#include "platform/Resources.h"

namespace {

// Lines joined, each ending in CR LF.
std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

const std::string kQsfBanner = "#============================================================";

const std::string kIncludesCommon = Lines({
    "set_global_assignment -name VERILOG_FILE si5340_controller/clock_divider.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/edge_detector.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/i2c_bus_controller.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/initial_config.v",
});
const std::string kIncludesA = Lines({
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_clk_frq_sel_gen.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_controller.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_freq_prameter_selector.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340a_i2c_reg_controller.v",
});
const std::string kIncludesB = Lines({
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_clk_frq_sel_gen.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_controller.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_freq_prameter_selector.v",
    "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_i2c_reg_controller.v",
});

std::string QsfBlock(const char* title, const std::string& lines)
{
    return "\r\n" + kQsfBanner + "\r\n" + title + "\r\n" + kQsfBanner + "\r\n" + lines + "\r\n";
}

std::string Terminations(const std::string& lines) { return QsfBlock("# Termination Settings", lines); }
std::string Includes(const std::string& lines) { return QsfBlock("# Includes SI5340 Controller Files", lines); }

const char* kT1 = "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to ";
const char* kT2 = "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to ";
const char* kT3 = "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to ";
const char* kT4 = "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to ";

std::string Term(const char* shape, const char* signal) { return std::string(shape) + signal + "\r\n"; }

std::string Qsfp(char port)
{
    return Term(kT3, platform::Format("QSFP%c_REFCLK_p", port).c_str()) +
           Term(kT4, platform::Format("QSFP%c_RX_p", port).c_str()) +
           Term(kT4, platform::Format("QSFP%c_TX_p", port).c_str());
}

const std::string kPcie = Term(kT2, "PCIE_REFCLK_p") + Term(kT4, "PCIE_TX_p") + Term(kT4, "PCIE_RX_p");

// The three boards behind one face, so that one table runs over all of them.
struct Board {
    const char* name;
    std::function<std::unique_ptr<TConfigBoard>(std::function<void(uint8_t*)>)> make;
};

template <typename Settings>
std::unique_ptr<TConfigBoard> Make(std::function<void(uint8_t*)> change)
{
    auto settings = std::make_unique<Settings>();
    settings->Config = Settings::DefaultConfig();
    if (change) change(reinterpret_cast<uint8_t*>(&settings->Config));
    return settings;
}

void SetInt32(uint8_t* record, std::size_t offset, int32_t value) { std::memcpy(record + offset, &value, 4); }

std::unique_ptr<TConfigBoard> Nobrecht(std::function<void(uint8_t*)> change = {})
{
    return Make<TConfigNobrecht>(std::move(change));
}
std::unique_ptr<TConfigBoard> Dravelle(std::function<void(uint8_t*)> change = {})
{
    return Make<TConfigDravelle>(std::move(change));
}
std::unique_ptr<TConfigBoard> Abernoll(std::function<void(uint8_t*)> change = {})
{
    return Make<TConfigAbernoll>(std::move(change));
}

// Sets the bytes at the offsets to 1 and the int32 fields to their values.
std::function<void(uint8_t*)> Set(std::vector<std::size_t> bytes, std::vector<std::pair<std::size_t, int32_t>> ints = {})
{
    return [bytes, ints](uint8_t* record) {
        for (std::size_t offset : bytes) record[offset] = 1;
        for (auto [offset, value] : ints) SetInt32(record, offset, value);
    };
}

constexpr std::size_t kA0 = 160, kA1 = 164, kA2 = 168, kA3 = 172, kB0 = 176, kB1 = 180, kB2 = 184;



const std::vector<std::string> kCommon = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                          "initial_config.v"};
const std::vector<std::string> kA = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                     "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"};
const std::vector<std::string> kB = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                     "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"};

std::vector<std::string> Join(std::initializer_list<const std::vector<std::string>*> lists)
{
    std::vector<std::string> all;
    for (auto* list : lists) all.insert(all.end(), list->begin(), list->end());
    return all;
}

std::string Upper(std::string text)
{
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

}  // namespace

TEST(Si5340Qsf, TerminationAndIncludeBlocks)
{
    struct Case {
        const char* what;
        std::unique_ptr<TConfigBoard> settings;
        std::string expected;
    };
    Case cases[] = {
        {"Nobrecht defaults", Nobrecht(), ""},
        {"Dravelle defaults", Dravelle(), ""},
        {"Abernoll defaults", Abernoll(), ""},
        {"Nobrecht, every other group ticked", Nobrecht(Set({136, 137, 138, 139, 140, 141, 142, 143, 155, 156, 158, 159})),
         ""},
        {"Nobrecht QSFP+ A, its clock not used", Nobrecht(Set({150})), Terminations(Qsfp('A'))},
        {"Nobrecht, every termination",
         Nobrecht(Set({144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 157})),
         Terminations(Term(kT1, "DDR3A_REFCLK_p") + Term(kT1, "DDR3B_REFCLK_p") + Term(kT1, "QDRIIA_REFCLK_p") +
                      Term(kT1, "QDRIIB_REFCLK_p") + Term(kT1, "QDRIIC_REFCLK_p") + Term(kT1, "QDRIID_REFCLK_p") +
                      kPcie + Term(kT3, "OB_PCIE_REFCLK_p") + Qsfp('A') + Qsfp('B') + Qsfp('C') + Qsfp('D'))},
        {"Dravelle memory sockets", Dravelle(Set({144, 145, 158, 159})),
         Terminations(Term(kT1, "DDR4A_REFCLK_p") + Term(kT1, "DDR4B_REFCLK_p"))},
        {"Dravelle PCIe clock on board and QSFP+ C", Dravelle(Set({157, 152})),
         Terminations(Term(kT3, "OB_PCIE_REFCLK_p") + Qsfp('C'))},
        {"Abernoll, every termination",
         Abernoll(Set({142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152})),
         Terminations(Term(kT1, "QDRIIA_REFCLK_p") + Term(kT1, "QDRIIB_REFCLK_p") + Term(kT1, "QDRIIC_REFCLK_p") +
                      Term(kT1, "QDRIID_REFCLK_p") + Term(kT1, "QDRIIE_REFCLK_p") + Term(kT1, "QDRIIF_REFCLK_p") +
                      kPcie + Qsfp('A') + Qsfp('B') + Qsfp('C') + Qsfp('D'))},
        {"Abernoll QDRII+ E, every other group", Abernoll(Set({136, 137, 138, 139, 140, 141, 146, 153, 154, 155, 156, 157})),
         Terminations(Term(kT1, "QDRIIE_REFCLK_p"))},
        {"Nobrecht Si5340B by its PCIe clock alone", Nobrecht(Set({}, {{kB2, 1}})), Includes(kIncludesCommon + kIncludesB)},
        {"Dravelle Si5340A only", Dravelle(Set({}, {{kA3, 7}})), Includes(kIncludesCommon + kIncludesA)},
        {"Abernoll both chips, with QSFP+ B", Abernoll(Set({149}, {{kA1, 2}, {176, 1}})),
         Terminations(Qsfp('B')) + Includes(kIncludesCommon + kIncludesA + kIncludesB)},
        {"Nobrecht codes outside the lists still use the chips", Nobrecht(Set({}, {{kA0, 99}, {kB1, -4}})),
         Includes(kIncludesCommon + kIncludesA + kIncludesB)},
    };
    for (Case& c : cases) EXPECT_EQ(c.settings->GetQsfSettings(), c.expected) << c.what;
}

namespace {

const std::string kHdlBanner = "//=======================================================";

std::string Si5340AHead(const char* radix)
{
    std::string text = "\r\n\r\n" + kHdlBanner + "\r\n//  Configure SI5340A \r\n" + kHdlBanner + "\r\n";
    text += platform::Format("`define SI5340A_POWER_DOWN  3'%s0\r\n", radix);
    text += platform::Format("`define SI5340A_644M53125   3'%s1\r\n", radix);
    text += platform::Format("`define SI5340A_322M265625  3'%s2\r\n", radix);
    text += platform::Format("`define SI5340A_312M5       3'%s3\r\n", radix);
    text += platform::Format("`define SI5340A_250M        3'%s4\r\n", radix);
    text += platform::Format("`define SI5340A_156M25      3'%s5\r\n", radix);
    text += platform::Format("`define SI5340A_125M        3'%s6\r\n", radix);
    text += platform::Format("`define SI5340A_100M        3'%s7\r\n", radix);
    return text + "\r\n";
}

const std::string kSi5340BHead = "\r\n\r\n" + kHdlBanner + "\r\n//  Configure SI5340B \r\n" + kHdlBanner + "\r\n";

std::string Si5340ABody(const char* clock, const char* doneWire, const char* a, const char* b, const char* c,
                        const char* d)
{
    std::string text = "wire si5340a_controller_start;\r\n";
    if (*doneWire) text += std::string("wire ") + doneWire + ";\r\n\r\n";
    text += Lines({"assign si5340a_controller_start = ~BUTTON[0];", "", "si5340a_controller si5340a_controller("});
    text += platform::Format("    .iCLK(%s),\r\n", clock);
    text += Lines({"    .iRST_n(CPU_RESET_n),", "    .iStart(si5340a_controller_start),"});
    text += platform::Format("    .iPLL_OUT0_FREQ_SEL(`%s),//QSFP-A\r\n", a);
    text += platform::Format("    .iPLL_OUT1_FREQ_SEL(`%s),//QSFP-B\r\n", b);
    text += platform::Format("    .iPLL_OUT2_FREQ_SEL(`%s),//QSFP-C\r\n", c);
    text += platform::Format("    .iPLL_OUT3_FREQ_SEL(`%s),//QSFP-D\r\n", d);
    text += Lines({"    .I2C_CLK(SI5340A_I2C_SCL),", "    .I2C_DATA(SI5340A_I2C_SDA),"});
    text += platform::Format("    .oPLL_REG_CONFIG_DONE(%s)\r\n", doneWire);
    return text + Lines({");", "", "assign SI5340A_OE_n = 1'b0;", "assign SI5340A_RST_n = CPU_RESET_n;", ""});
}

std::string Si5340BBody(const char* clock, const char* doneWire, const char* selector)
{
    std::string text = "wire si5340b_controller_start;\r\n";
    text += std::string("wire ") + doneWire + ";\r\n\r\n";
    text += Lines({"assign si5340b_controller_start = ~BUTTON[0];", "", "si5340b_controller si5340b_controller("});
    text += platform::Format("    .iCLK(%s),\r\n", clock);
    text += Lines({"    .iRST_n(CPU_RESET_n),", "    .iStart(si5340b_controller_start),"});
    text += platform::Format("    .iPLL_OUT_FREQ_SEL(`%s),\r\n", selector);
    text += Lines({"    .I2C_CLK(SI5340B_I2C_SCL),", "    .I2C_DATA(SI5340B_I2C_SDA),"});
    text += platform::Format("    .oPLL_REG_CONFIG_DONE(%s)\r\n", doneWire);
    return text + Lines({");", "", "assign SI5340B_OE_n = 1'b0;", "assign SI5340B_RST_n = CPU_RESET_n;", ""});
}

const std::string kNobrechtMacros = Lines({
    "`define DDR266_QDR275_PCIE100   4'h0", "`define DDR233_QDR275_PCIE100   4'h1", "`define DDR200_QDR275_PCIE100   4'h2",
    "`define DDR266_QDR250_PCIE100   4'h3", "`define DDR233_QDR250_PCIE100   4'h4", "`define DDR200_QDR250_PCIE100   4'h5",
    "`define DDR266_QDR225_PCIE100   4'h6", "`define DDR233_QDR225_PCIE100   4'h7", "`define DDR200_QDR225_PCIE100   4'h8",
    "`define DDR266_QDR233_PCIE100   4'h9", "`define DDR233_QDR233_PCIE100   4'hA", "`define DDR200_QDR233_PCIE100   4'hB",
    "",
});

const std::string kDravelleMacros = Lines({
    "`define DDR300_QDR275_PCIE100   5'd0",  "`define DDR266_QDR275_PCIE100   5'd1",
    "`define DDR233_QDR275_PCIE100   5'd2",  "`define DDR200_QDR275_PCIE100   5'd3",
    "`define DDR150_QDR275_PCIE100   5'd4",  "`define DDR300_QDR250_PCIE100   5'd5",
    "`define DDR266_QDR250_PCIE100   5'd6",  "`define DDR233_QDR250_PCIE100   5'd7",
    "`define DDR200_QDR250_PCIE100   5'd8",  "`define DDR150_QDR250_PCIE100   5'd9",
    "`define DDR300_QDR225_PCIE100   5'd10", "`define DDR266_QDR225_PCIE100   5'd11",
    "`define DDR233_QDR225_PCIE100   5'd12", "`define DDR200_QDR225_PCIE100   5'd13",
    "`define DDR150_QDR225_PCIE100   5'd14", "`define DDR300_QDR233_PCIE100   5'd15",
    "`define DDR266_QDR233_PCIE100   5'd16", "`define DDR233_QDR233_PCIE100   5'd17",
    "`define DDR200_QDR233_PCIE100   5'd18", "`define DDR150_QDR233_PCIE100   5'd19",
    "",
});

const std::string kAbernollMacros =
    Lines({"`define REFCLK_QDR275   4'h0", "`define REFCLK_QDR250   4'h1", "`define REFCLK_QDR225   4'h2", ""});

}  // namespace

TEST(Si5340TopLevel, WholeBlocksOfEachBoard)
{
    struct Case {
        const char* what;
        std::unique_ptr<TConfigBoard> settings;
        std::string expected;
    };
    Case cases[] = {
        {"Nobrecht, no chip (groups ticked do not matter)", Nobrecht(Set({144, 150, 154})), ""},
        {"Abernoll, no chip", Abernoll(), ""},
        {"Nobrecht, QSFP+ D only at 100 MHz", Nobrecht(Set({}, {{kA3, 1}})),
         Si5340AHead("h") + Si5340ABody("CLK_50_B2J", "", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN",
                                         "SI5340A_POWER_DOWN", "SI5340A_100M")},
        {"Nobrecht, Si5340B by PCIe alone", Nobrecht(Set({}, {{kB2, 1}})),
         kSi5340BHead + kNobrechtMacros + Si5340BBody("CLK_50_B2J", "config_done", "DDR266_QDR275_PCIE100")},
        {"Nobrecht, both chips: A first", Nobrecht(Set({}, {{kA0, 7}, {kA1, 6}, {kA2, 5}, {kA3, 4}, {kB0, 3}, {kB1, 2}})),
         Si5340AHead("h") +
             Si5340ABody("CLK_50_B2J", "", "SI5340A_644M53125", "SI5340A_322M265625", "SI5340A_312M5", "SI5340A_250M") +
             kSi5340BHead + kNobrechtMacros + Si5340BBody("CLK_50_B2J", "config_done", "DDR266_QDR233_PCIE100")},
        {"Dravelle, both chips", Dravelle(Set({}, {{kA0, 3}, {kA1, 2}, {kB0, 5}, {kB1, 1}})),
         Si5340AHead("d") +
             Si5340ABody("CLK_50_B2J", "", "SI5340A_156M25", "SI5340A_125M", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN") +
             kSi5340BHead + kDravelleMacros + Si5340BBody("CLK_50_B2J", "config_done", "DDR300_QDR225_PCIE100")},
        {"Abernoll, both chips", Abernoll(Set({}, {{kA2, 1}, {176, 2}})),
         Si5340AHead("h") +
             Si5340ABody("CLK_50_B2F", "si5340a_config_done", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN",
                         "SI5340A_100M", "SI5340A_POWER_DOWN") +
             kSi5340BHead + kAbernollMacros + Si5340BBody("CLK_50_B2F", "si5340b_config_done", "REFCLK_QDR250")},
    };
    for (Case& c : cases) EXPECT_EQ(c.settings->GetTopLevelCode(), c.expected) << c.what;
}

namespace {

// The one selector line of a block, or of the Si5340A output `output`.
std::string SelectorOf(const std::string& code, const std::string& port)
{
    std::size_t at = code.find("    ." + port + "(`");
    if (at == std::string::npos) return "(none)";
    at += 7 + port.size();
    return code.substr(at, code.find(')', at) - at);
}

bool Defines(const std::string& code, const std::string& macro) { return code.find("`define " + macro + " ") != std::string::npos; }

}  // namespace

TEST(Si5340TopLevel, SelectorOfEveryChoice)
{
    // Si5340A: each code on each output; a code from a file outside the list powers it down.
    const std::vector<std::pair<int32_t, const char*>> aCodes = {
        {0, "SI5340A_POWER_DOWN"}, {1, "SI5340A_100M"},    {2, "SI5340A_125M"},       {3, "SI5340A_156M25"},
        {4, "SI5340A_250M"},       {5, "SI5340A_312M5"},   {6, "SI5340A_322M265625"}, {7, "SI5340A_644M53125"},
        {8, "SI5340A_POWER_DOWN"}, {-1, "SI5340A_POWER_DOWN"}, {0x107, "SI5340A_POWER_DOWN"},
    };
    for (auto make : {&Nobrecht, &Dravelle, &Abernoll})
        for (std::size_t output = 0; output < 4; ++output)
            for (auto [code, macro] : aCodes) {
                std::size_t other = (output + 1) % 4;
                auto settings = make(Set({}, {{kA0 + 4 * output, code}, {kA0 + 4 * other, 1}}));
                std::string text = settings->GetTopLevelCode();
                std::string port = platform::Format("iPLL_OUT%d_FREQ_SEL", int(output));
                EXPECT_EQ(SelectorOf(text, port), macro) << port << " " << code;
                EXPECT_TRUE(Defines(text, macro));
                EXPECT_EQ(text.find("(`)"), std::string::npos);
            }
    const std::vector<std::pair<int32_t, std::string>> names = {
        {0, "SI5340A_POWER_DOWN"}, {7, "SI5340A_644M53125"}, {1, "SI5340A_100M"}, {8, ""}, {-1, ""}};
    for (auto [code, name] : names) {
        EXPECT_EQ(TConfigNobrecht::Si5340ADefineName(code), name) << code;
        EXPECT_EQ(TConfigAbernoll::Si5340ADefineName(code), name) << code;
    }

    // Si5340B: the memory and QDRII+ parts by choice, the chip's default for "Not Use" and for
    // codes outside the lists; the PCIe choice changes nothing.
    struct BCase {
        std::unique_ptr<TConfigBoard> (*make)(std::function<void(uint8_t*)>);
        std::vector<std::pair<int32_t, const char*>> memory;
        std::vector<std::pair<int32_t, const char*>> qdr;
    };
    const std::vector<std::pair<int32_t, const char*>> qdr = {
        {0, "QDR275_"}, {1, "QDR225_"}, {2, "QDR233_"}, {3, "QDR250_"}, {4, "QDR275_"}, {5, "QDR275_"}, {-2, "QDR275_"}};
    const BCase bCases[] = {
        {&Nobrecht, {{0, "DDR266_"}, {1, "DDR200_"}, {2, "DDR233_"}, {3, "DDR266_"}, {4, "DDR266_"}, {99, "DDR266_"}}, qdr},
        {&Dravelle,
         {{0, "DDR266_"}, {1, "DDR150_"}, {2, "DDR200_"}, {3, "DDR233_"}, {4, "DDR266_"}, {5, "DDR300_"}, {6, "DDR266_"},
          {-1, "DDR266_"}},
         qdr},
    };
    for (const BCase& c : bCases)
        for (auto [memoryCode, memoryPart] : c.memory)
            for (auto [qdrCode, qdrPart] : c.qdr)
                for (int32_t pcie : {1, 7}) {
                    auto settings = c.make(Set({}, {{kB0, memoryCode}, {kB1, qdrCode}, {kB2, pcie}}));
                    std::string text = settings->GetTopLevelCode();
                    std::string selector = std::string(memoryPart) + qdrPart + "PCIE100";
                    EXPECT_EQ(SelectorOf(text, "iPLL_OUT_FREQ_SEL"), selector) << memoryCode << " " << qdrCode;
                    EXPECT_TRUE(Defines(text, selector)) << selector;
                }
    const std::vector<std::pair<int32_t, const char*>> abernoll = {
        {1, "REFCLK_QDR225"}, {2, "REFCLK_QDR250"}, {3, "REFCLK_QDR275"}, {4, "REFCLK_QDR275"}, {-7, "REFCLK_QDR275"}};
    for (auto [code, selector] : abernoll) {
        std::string text = Abernoll(Set({}, {{176, code}}))->GetTopLevelCode();
        EXPECT_EQ(SelectorOf(text, "iPLL_OUT_FREQ_SEL"), selector) << code;
        EXPECT_TRUE(Defines(text, selector));
    }

    // Spot values: the macro each selector names carries the chip's code.
    auto valueOf = [](const std::string& text, const std::string& macro) {
        std::size_t at = text.find("`define " + macro + "   ");
        if (at == std::string::npos) return std::string();
        at += 11 + macro.size();
        return text.substr(at, text.find("\r\n", at) - at);
    };
    EXPECT_EQ(valueOf(Nobrecht(Set({}, {{kB0, 3}, {kB1, 2}}))->GetTopLevelCode(), "DDR266_QDR233_PCIE100"), "4'h9");
    EXPECT_EQ(valueOf(Dravelle(Set({}, {{kB0, 4}, {kB1, 2}}))->GetTopLevelCode(), "DDR266_QDR233_PCIE100"), "5'd16");
    EXPECT_EQ(valueOf(Dravelle(Set({}, {{kB0, 5}, {kB1, 1}}))->GetTopLevelCode(), "DDR300_QDR225_PCIE100"), "5'd10");
    EXPECT_EQ(valueOf(Abernoll(Set({}, {{176, 2}}))->GetTopLevelCode(), "REFCLK_QDR250"), "4'h1");
}

TEST(Si5340TopLevel, BlocksCompileWithTheExportedControllers)
{
    struct Case {
        const char* what;
        std::unique_ptr<TConfigBoard> settings;
        const char* clock;
    };
    Case cases[] = {
        {"Nobrecht", Nobrecht(Set({}, {{kA0, 7}, {kA3, 1}, {kB0, 2}, {kB1, 4}})), "CLK_50_B2J"},
        {"Dravelle", Dravelle(Set({}, {{kA1, 6}, {kB0, 5}, {kB1, 3}, {kB2, 1}})), "CLK_50_B2J"},
        {"Abernoll", Abernoll(Set({}, {{kA2, 2}, {176, 3}})), "CLK_50_B2F"},
    };
    for (Case& c : cases) {
        tooltest::TempDir dir;
        std::string top = platform::Format(
            "module top(input %s, input CPU_RESET_n, input [3:0] BUTTON,\n"
            "  output SI5340A_I2C_SCL, inout SI5340A_I2C_SDA, output SI5340A_OE_n, output SI5340A_RST_n,\n"
            "  output SI5340B_I2C_SCL, inout SI5340B_I2C_SDA, output SI5340B_OE_n, output SI5340B_RST_n);\n",
            c.clock);
        top += c.settings->GetTopLevelCode() + "\r\nendmodule\r\n";
        std::vector<std::string> files = {dir.Write("top.v", top)};
        ASSERT_TRUE(c.settings->ExportVerilogIP(dir.Path()));
        for (const std::string& file : tooltest::FolderEntries(dir.Path() + "si5340_controller/"))
            files.push_back(dir.Path() + "si5340_controller/" + file);
        ASSERT_EQ(files.size(), 13u);
        auto iverilog = tooltest::CheckIverilog(files, "top");
        EXPECT_TRUE(iverilog.ok) << c.what << "\n" << iverilog.output;
        auto verilator = tooltest::CheckVerilator(files, "top");
        EXPECT_TRUE(verilator.ok) << c.what << "\n" << verilator.output;
    }
}


TEST(Si5340Export, FilesByChipFromTheBoardsOwnItems)
{
    struct Case {
        const char* what;
        std::unique_ptr<TConfigBoard> settings;
        std::vector<std::string> files;
        std::vector<std::string> prefixes;  // item prefix of each file, by list
    };
    Case cases[] = {
        {"Nobrecht, Si5340A only", Nobrecht(Set({}, {{kA1, 3}})), Join({&kCommon, &kA}), {"NOBRECHT_", ""}},
        {"Nobrecht, both", Nobrecht(Set({}, {{kA0, 1}, {kB0, 1}})), Join({&kCommon, &kA, &kB}), {"NOBRECHT_", "", ""}},
        {"Dravelle, PCIe clock only", Dravelle(Set({}, {{kB2, 1}})), Join({&kCommon, &kB}), {"DDR4_NOBRECHT_", "DDR4_"}},
        {"Dravelle, both", Dravelle(Set({}, {{kA3, 7}, {kB1, 4}})), Join({&kCommon, &kA, &kB}),
         {"DDR4_NOBRECHT_", "DDR4_", "DDR4_"}},
        {"Abernoll, both", Abernoll(Set({}, {{kA2, 5}, {176, 1}})), Join({&kCommon, &kA, &kB}),
         {"ABERNOLL_", "ABERNOLL_", "ABERNOLL_"}},
    };
    for (Case& c : cases) {
        tooltest::TempDir project;
        for (int pass = 0; pass < 2; ++pass) {  // a second Generate replaces the files
            ASSERT_TRUE(c.settings->ExportVerilogIP(project.Path())) << c.what;
            EXPECT_EQ(tooltest::FolderEntries(project.Path()), std::vector<std::string>{"si5340_controller"}) << c.what;
            std::string folder = project.Path() + "si5340_controller/";
            std::vector<std::string> sorted = c.files;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(tooltest::FolderEntries(folder), sorted) << c.what;
            for (std::size_t i = 0; i < c.files.size(); ++i) {
                const std::string& file = c.files[i];
                std::string item = c.prefixes[i / 4] + Upper(file.substr(0, file.size() - 2)) + "_VERILOG";
                auto bytes = platform::FindResource(item);
                ASSERT_TRUE(bytes) << item;
                EXPECT_EQ(tooltest::ReadFile(folder + file), std::string(bytes->begin(), bytes->end())) << item;
            }
        }
    }
}

TEST(Si5340Export, NothingWithoutAChipAndStopsAtTheFirstFailure)
{
    tooltest::TempDir project;
    for (auto make : {&Nobrecht, &Dravelle, &Abernoll}) {
        // No chip in use: nothing made, not even the subfolder, whatever the groups.
        EXPECT_TRUE(make(Set({136, 150, 152}))->ExportVerilogIP(project.Path()));
        EXPECT_TRUE(tooltest::FolderEntries(project.Path()).empty());
    }

    // A file in the way of the subfolder: nothing written.
    tooltest::TempDir blocked;
    blocked.Write("si5340_controller", "not a folder");
    EXPECT_FALSE(Nobrecht(Set({}, {{kA0, 1}}))->ExportVerilogIP(blocked.Path()));
    EXPECT_EQ(tooltest::FolderEntries(blocked.Path()), std::vector<std::string>{"si5340_controller"});

    // A folder in the way of the second file: the first stays, nothing after it is written.
    tooltest::TempDir partial;
    ASSERT_TRUE(platform::ForceDirectories(partial.Path() + "si5340_controller/edge_detector.v"));
    EXPECT_FALSE(Dravelle(Set({}, {{kA0, 1}, {kB0, 1}}))->ExportVerilogIP(partial.Path()));
    EXPECT_EQ(tooltest::FolderEntries(partial.Path() + "si5340_controller/"),
              (std::vector<std::string>{"clock_divider.v", "edge_detector.v"}));

    // A subfolder that exists already is used as it is.
    tooltest::TempDir existing;
    ASSERT_TRUE(platform::CreateDir(existing.Path() + "si5340_controller"));
    existing.Write("si5340_controller/keep.txt", "x");
    EXPECT_TRUE(Abernoll(Set({}, {{176, 1}}))->ExportVerilogIP(existing.Path()));
    EXPECT_EQ(tooltest::FolderEntries(existing.Path() + "si5340_controller/").size(), 9u);
}

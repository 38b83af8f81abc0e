// The timing constraints (.sdc).
#include <charconv>
#include <optional>

#include "core/generate/SystemBuild.h"
#include "core/model/MainBoard.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr const char* kBanner = "#**************************************************************\r\n";
constexpr const char* kThreeEmptyLines = "\r\n\r\n\r\n";

// The device choices the board blocks depend on; a board without a choice reads it as clear.
struct DeviceChoices {
    bool videoIn = false;
    bool sdram = false;
    bool audio = false;
    bool vga = false;
};

std::optional<DeviceChoices> ChoicesOf(const TMainBoard& board)
{
    switch (board.GetBoardId()) {
    case MAINBOARD_Glenmarch: {
        const auto& c = board.m_GlenmarchConfig;
        return DeviceChoices{RecordByte(c, 143) != 0, RecordByte(c, 141) != 0, RecordByte(c, 142) != 0,
                             RecordByte(c, 140) != 0};
    }
    case MAINBOARD_Wistrell: {
        const auto& c = board.m_WistrellConfig;
        return DeviceChoices{RecordByte(c, 144) != 0, false, RecordByte(c, 143) != 0, RecordByte(c, 140) != 0};
    }
    case MAINBOARD_Ebbrick: return DeviceChoices{false, false, false, RecordByte(board.m_EbbrickConfig, 140) != 0};
    case MAINBOARD_Ulvarin: {
        // Ulvarin keeps no record copy: its definition leaves the settings object.
        PW_CHECK(board.m_pConfigBoard);
        const std::span<const uint8_t> c = board.m_pConfigBoard->RecordBytes();
        return DeviceChoices{RecordByte(c, 144) != 0, RecordByte(c, 142) != 0, RecordByte(c, 143) != 0,
                             RecordByte(c, 141) != 0};
    }
    }
    return std::nullopt;
}

struct OutputDelay {
    const char* max;
    const char* min;
};

// The blanks before "[" and the four decimals of 1.5000 are as the file has always had them.
constexpr OutputDelay kSdramOutputDelays[] = {
    {"set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]", "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]"},
    {"set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]", "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]"},
    {"set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]", "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]"},
    {"set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]", "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]"},
    {"set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]", "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]"},
    {"set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]", "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]"},
    {"set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]", "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]"},
    {"set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]", "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]"},
    {"set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]", "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]"},
};

constexpr OutputDelay kVgaOutputDelays[] = {
    {"set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]", "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]"},
    {"set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]", "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]"},
    {"set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]", "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]"},
    {"set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK]", "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK]"},
};

template <std::size_t N>
std::string OutputDelayLines(const OutputDelay (&rows)[N])
{
    std::string text;
    for (const OutputDelay& row : rows) text += std::string(row.max) + "\r\n" + row.min + "\r\n";
    return text + "\r\n";
}

std::string Section(const char* title) { return std::string(kBanner) + title + "\r\n" + kBanner; }

// A clock whose frequency reads as zero ("0.000000 MHz": a reference clock the board has not
// set up) cannot be constrained: Quartus refuses a zero-length period.
bool IsZeroFrequency(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ') ++first;
    double value = 1;
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end != first && value == 0;
}

}  // namespace

std::string TSystemBuild::SdcBoardClocks(const TMainBoard& board)
{
    std::optional<DeviceChoices> choices = ChoicesOf(board);
    if (!choices) return std::string();
    std::string text;
    if (choices->videoIn) text += "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n";
    if (choices->sdram) text += "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n";
    if (choices->audio)
        text += "# AUDIO : 48kHz 384fs 32-bit data\r\n"
                "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n"
                "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n";
    if (choices->vga)
        text += "# VGA : 640x480@60Hz\r\n"
                "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                "# VGA : 800x600@60Hz\r\n"
                "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                "# VGA : 1024x768@60Hz\r\n"
                "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n"
                "# VGA : 1280x1024@60Hz\r\n"
                "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
    if (!text.empty()) text += "\r\n";
    return text;
}

std::string TSystemBuild::SdcJtag(const TMainBoard& board)
{
    switch (board.GetBoardId()) {
    case MAINBOARD_Glenmarch:
    case MAINBOARD_Wistrell:
    case MAINBOARD_Kestwin:
    case MAINBOARD_Lumbrae:
    case MAINBOARD_Ulvarin:
    case MAINBOARD_Idrenne:
        return "# for enhancing USB BlasterII to be reliable, 25MHz\r\n"
               "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}\r\n"
               "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tdi]\r\n"
               "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tms]\r\n"
               "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]\r\n"
               "\r\n";
    }
    return std::string();
}

std::string TSystemBuild::SdcInputDelays(const TMainBoard& board)
{
    if (board.GetBoardId() != MAINBOARD_Glenmarch) return std::string();
    DeviceChoices choices = *ChoicesOf(board);
    std::string text;
    if (choices.sdram || choices.videoIn) text += "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n";
    if (choices.sdram)
        text += "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n"
                "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n"
                "\r\n";
    if (choices.videoIn)
        text += "set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]\r\n"
                "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]\r\n"
                "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]\r\n"
                "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]\r\n"
                "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]\r\n"
                "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]\r\n"
                "\r\n";
    return text;
}

std::string TSystemBuild::SdcOutputDelays(const TMainBoard& board)
{
    if (board.GetBoardId() != MAINBOARD_Glenmarch) return std::string();
    DeviceChoices choices = *ChoicesOf(board);
    std::string text;
    if (choices.sdram || choices.vga)
        text += "# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n"
                "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n";
    if (choices.sdram) text += OutputDelayLines(kSdramOutputDelays);
    if (choices.vga) text += OutputDelayLines(kVgaOutputDelays);
    return text;
}

bool TSystemBuild::WriteSdc(const TMainBoard& board, const std::string& fileName)
{
    std::string text = kBanner;
    text += "# This .sdc file is created by Varnholt Tool.\r\n";
    text += "# Users are recommended to modify this file to match users logic.\r\n";
    text += kBanner;
    text += "\r\n";
    text += Section("# Create Clock");
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin || pin->Clock != 1) continue;
            if (!pin->GetFrequency().empty()) {
                if (IsZeroFrequency(pin->GetFrequency())) continue;
                text += platform::Format("create_clock -period \"%s\" [get_ports %s]\r\n", pin->GetFrequency().c_str(),
                                         pin->GetName().c_str());
            } else if (pin->GetClockPeriod() != 0)
                text += platform::Format("create_clock -period %.3fns [get_ports %s]\r\n",
                                         static_cast<double>(pin->GetClockPeriod()), pin->GetName().c_str());
        }
    }
    text += "\r\n";
    text += SdcBoardClocks(board);
    text += SdcJtag(board);
    text += Section("# Create Generated Clock") + "derive_pll_clocks\r\n" + kThreeEmptyLines;
    text += Section("# Set Clock Latency") + kThreeEmptyLines;
    text += Section("# Set Clock Uncertainty") + "derive_clock_uncertainty\r\n" + kThreeEmptyLines;
    text += Section("# Set Input Delay") + SdcInputDelays(board) + kThreeEmptyLines;
    text += Section("# Set Output Delay") + SdcOutputDelays(board) + kThreeEmptyLines;
    for (const char* title : {"# Set Clock Groups", "# Set False Path", "# Set Multicycle Path", "# Set Maximum Delay",
                              "# Set Minimum Delay", "# Set Input Transition", "# Set Load"})
        text += Section(title) + kThreeEmptyLines;
    return WriteProjectFile(fileName, text);
}

// The board-specific parts of the .qsf and the board's display name.
#include <initializer_list>

#include "core/model/MainBoard.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr const char* kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
constexpr const char* kData0 = "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
constexpr const char* kData1 = "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
constexpr const char* kFlashNce =
    "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
constexpr const char* kDclk = "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
constexpr const char* kStd33 = "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"";
constexpr const char* kStd25 = "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"";
constexpr const char* kStd15 = "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"";
constexpr const char* kBanner = "#============================================================";
constexpr const char* kToggleRate = "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to";

std::string Line(const char* text) { return std::string(text) + "\r\n"; }

std::string Lines(std::initializer_list<const char*> texts)
{
    std::string result;
    for (const char* text : texts) result += Line(text);
    return result;
}

struct BoardName {
    uint8_t id;
    const char* name;
};

constexpr BoardName kBoardNames[] = {
    {1, "Harnix FPGA Board"},
    {2, "Fennick FPGA Board"},
    {3, "Mirrow FPGA Board"},
    {4, "Pellish FPGA Board"},
    {5, "Kavrin FPGA Board"},
    {6, "Orlenn FPGA Board"},
    {7, "Yastrel_X2 FPGA Board"},
    {8, "Yastrel FPGA Board"},
    {9, "Corbanth FPGA Board"},
    {10, "Ruskel FPGA Board"},
    {11, "Wembrel FPGA Board"},
    {12, "Pandrel FPGA Board"},
    {13, "Gorvath FPGA Board"},
    {14, "Ashvorn Board"},
    {15, "Morrast"},
    {16, "Sarnoth"},
    {17, "Brindell"},
    {18, "Cresswin"},
    {19, "Jorvale"},
    {20, "Plimmet"},
    {21, "Glenmarch Board"},
    {22, "Wistrell Board"},
    {23, "Kestwin Board"},
    {24, "Lumbrae Board"},
    {25, "Ebbrick Board"},
    {26, "Tamblin MAX10 Board"},
    {27, "Nobrecht"},
    {28, "Dravelle"},
    {30, "Pocklin Kit"},
    {31, "Vellani FPGA Board"},
    {32, "Pressel Kit"},
    {33, "Abernoll"},
    {34, "Ulvarin"},
    {35, "Idrenne"},
    {50, "Tiverne"},
    {100, "Lothvar"},
    {101, "Quimbel"},
};

}  // namespace

std::string TMainBoard::QsfExtraAssignments() const
{
    auto ifUsed = [this](const char* location, const std::string& text) {
        return IsLocationUsed(location) ? text : std::string();
    };
    switch (m_BoardId) {
    case MAINBOARD_Harnix: return ifUsed("K22", Line(kNceo));
    // The next text of the .qsf begins with an empty line, which ends these three lines.
    case MAINBOARD_Fennick: return ifUsed("W20", kNceo);
    case MAINBOARD_Mirrow: return ifUsed("AE24", kNceo);
    case MAINBOARD_Pellish: return ifUsed("AD25", kNceo);
    case MAINBOARD_Kavrin: return Line(kStd33) + ifUsed("P28", Line(kNceo));
    case MAINBOARD_Orlenn:
    case MAINBOARD_Yastrel_X2:
    case MAINBOARD_Gorvath: return std::string();
    case MAINBOARD_Yastrel_X1:
        return Lines({kStd25, "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad",
                      "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad"});
    case MAINBOARD_Corbanth: return Line(kStd15);
    case MAINBOARD_Ruskel: return ifUsed("F16", Line(kNceo)) + ifUsed("C1", Lines({kFlashNce, kData0, kData1, kDclk}));
    case MAINBOARD_Wembrel: return ifUsed("P28", Line(kNceo));
    case MAINBOARD_Pandrel: return Line(kStd25);
    case MAINBOARD_Ashvorn: return QsfExtrasAshvorn();
    case MAINBOARD_Morrast:
    case MAINBOARD_Sarnoth:
    case MAINBOARD_Cresswin: return std::string();
    case MAINBOARD_Jorvale:
        return ifUsed("P9", "\r\n" + Lines({kBanner, "# Transceiver ", kBanner,
                                            "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION "
                                            "DC_COUPLING_INTERNAL_100_OHMS -to HSMC_REF_CLK_p"}) +
                                "\r\n");
    case MAINBOARD_Plimmet:
    case MAINBOARD_Glenmarch:
    case MAINBOARD_Wistrell:
    case MAINBOARD_Kestwin:
    case MAINBOARD_Lumbrae:
    case MAINBOARD_Ebbrick: return std::string();
    case MAINBOARD_Tamblin:
        for (const char* location : {"C7", "D6", "D8", "E10", "E9"})
            if (IsLocationUsed(location))
                return "\r\n" +
                       Lines({kBanner, "# disable config pin so bank8 can use 1.2V ", kBanner,
                              "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON",
                              "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF",
                              "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF"}) +
                       "\r\n";
        return std::string();
    case MAINBOARD_Nobrecht:
    case MAINBOARD_Dravelle:
    case MAINBOARD_Vellani:
    case MAINBOARD_Abernoll: PW_CHECK(m_pConfigBoard); return m_pConfigBoard->GetQsfSettings();
    case MAINBOARD_Pocklin:
    case MAINBOARD_Pressel:
    case MAINBOARD_Ulvarin:
    case MAINBOARD_Idrenne: return std::string();
    case MAINBOARD_Tiverne: return ifUsed("D1", Line(kData1)) + ifUsed("H3", Line(kData0)) + ifUsed("E18", Line(kNceo));
    case MAINBOARD_Lothvar:
        return Lines({"set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0",
                      "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85"});
    }
    // Brindell has no definition, Quimbel no function: neither ever reaches the writers.
    PW_CHECK(0);
    return std::string();
}

std::string TMainBoard::QsfExtrasAshvorn() const
{
    const auto& config = m_AshvornConfig;
    auto ticked = [&config](std::size_t offset) { return RecordByte(config, offset) != 0; };
    auto toggle = [](const std::string& port) { return std::string(kToggleRate) + " " + port + "\r\n"; };

    std::string text;
    if (IsLocationUsed("AE7")) text += Line(kNceo);
    if (ticked(146)) text += Line("set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]");
    if (RecordByte(config, 292) != 4) return text;  // only for the HSMC LVDS default card

    text += Lines({kBanner,
                   "# When Ashvorn HSMC is configued as LVDS, configure the following pins to avoid compile error.",
                   kBanner});
    if (ticked(139))
        for (int i = 0; i <= 17; ++i) text += toggle(platform::Format("KEY[%d]", i));
    if (ticked(140))
        for (int i = 0; i <= 17; ++i) text += toggle(platform::Format("SW[%d]", i));
    if (ticked(137)) {
        for (int i = 0; i <= 8; ++i) text += toggle(platform::Format(" LEDG[%d]", i));
        for (int i = 0; i <= 17; ++i) text += toggle(platform::Format(" LEDR[%d]", i));
    }
    if (ticked(138)) text += toggle("HEX2[3]");
    if (ticked(144)) text += toggle("LCD_ON");
    if (ticked(148)) text += toggle("G_SENSOR_INT1");
    if (ticked(154) || ticked(155)) text += toggle("PCIE_WAKE_N");
    std::string prefix = RecordText(config, 293);
    if (prefix.empty()) prefix = "HSMC_";
    text += toggle(prefix + "D[1]");
    text += toggle(prefix + "D[3]");
    text += toggle("FAN_CTRL");
    return text;
}

std::string TMainBoard::MainBoardName() const
{
    for (const BoardName& entry : kBoardNames)
        if (entry.id == m_BoardId) return entry.name;
    PW_CHECK(0);
    return std::string();
}

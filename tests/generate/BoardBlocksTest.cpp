// The board-specific blocks of the .qsf and the module body, and the board names.
#include <gtest/gtest.h>

#include <cstring>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Errors.h"

using namespace gentest;

namespace {

const std::string kNceo =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const std::string kData0 = "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const std::string kData1 = "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const std::string kFlashNce =
    "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const std::string kDclk = "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"";
const std::string kStd25 = "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"";
const std::string kBanner = "#============================================================";
const std::string kTamblin = "\r\n" + kBanner + "\r\n# disable config pin so bank8 can use 1.2V \r\n" + kBanner +
                             "\r\nset_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n"
                             "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n"
                             "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n\r\n";

std::string L(const std::string& s) { return s + "\r\n"; }

// A board of that id whose pins in use sit at the locations; `idle` are pins not in use.
std::unique_ptr<TMainBoard> BoardAt(uint8_t id, std::initializer_list<const char*> used,
                                    std::initializer_list<const char*> idle = {})
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = id;
    auto* c = new TConnector("G", "", CONNECTOR_NONE, -1);
    int n = 0;
    for (const char* loc : used) c->AddPin(BoardPin(("P" + std::to_string(n++)).c_str(), loc, DIRECTION_INPUT));
    for (const char* loc : idle) c->AddPin(BoardPin(("P" + std::to_string(n++)).c_str(), loc, DIRECTION_NONE));
    board->AddConnector(c);
    return board;
}

class TextSettings : public TConfigBoard {
public:
    bool LoadFromFile(const std::string&) override { return false; }
    bool SaveToFile(const std::string&) override { return false; }
    std::string GetQsfSettings() override { return "qsf text of the settings\r\n"; }
    std::string GetTopLevelCode() override { return "// body text of the settings\r\n"; }
    ExportResult ExportVerilogIP(const std::string&) override { return {}; }
    std::span<const uint8_t> RecordBytes() const override { return {}; }
};

}  // namespace

TEST(BoardBlocks, QsfExtraAssignmentsByBoardAndLocationsInUse)
{
    struct Case {
        uint8_t id;
        std::vector<const char*> used;
        std::vector<const char*> idle;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {MAINBOARD_Harnix, {"k22"}, {}, L(kNceo)},
        {MAINBOARD_Harnix, {}, {"K22"}, ""},  // a pin not in use does not count
        {MAINBOARD_Fennick, {"W20"}, {}, kNceo},
        {MAINBOARD_Mirrow, {"AE24"}, {}, kNceo},
        {MAINBOARD_Pellish, {"AD25"}, {}, kNceo},
        {MAINBOARD_Pellish, {"AE24"}, {}, ""},
        {MAINBOARD_Kavrin, {}, {}, L("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"")},
        {MAINBOARD_Kavrin, {"P28"}, {},
         L("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"") + L(kNceo)},
        {MAINBOARD_Orlenn, {"K22", "P28"}, {}, ""},
        {MAINBOARD_Yastrel_X2, {}, {}, ""},
        {MAINBOARD_Gorvath, {}, {}, ""},
        {MAINBOARD_Yastrel_X1, {}, {},
         L(kStd25) + L("set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad") +
             L("set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad")},
        {MAINBOARD_Corbanth, {}, {}, L("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"")},
        {MAINBOARD_Ruskel, {"F16"}, {}, L(kNceo)},
        {MAINBOARD_Ruskel, {"C1", "F16"}, {}, L(kNceo) + L(kFlashNce) + L(kData0) + L(kData1) + L(kDclk)},
        {MAINBOARD_Ruskel, {"C1"}, {}, L(kFlashNce) + L(kData0) + L(kData1) + L(kDclk)},
        {MAINBOARD_Wembrel, {"P28"}, {}, L(kNceo)},
        {MAINBOARD_Pandrel, {}, {}, L(kStd25)},
        {MAINBOARD_Morrast, {}, {}, ""},
        {MAINBOARD_Sarnoth, {}, {}, ""},
        {MAINBOARD_Cresswin, {}, {}, ""},
        {MAINBOARD_Jorvale, {"P9"}, {},
         "\r\n" + L(kBanner) + L("# Transceiver ") + L(kBanner) +
             L("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
               "HSMC_REF_CLK_p") +
             "\r\n"},
        {MAINBOARD_Jorvale, {}, {}, ""},
        {MAINBOARD_Plimmet, {}, {}, ""},
        {MAINBOARD_Glenmarch, {}, {}, ""},
        {MAINBOARD_Wistrell, {}, {}, ""},
        {MAINBOARD_Kestwin, {}, {}, ""},
        {MAINBOARD_Lumbrae, {}, {}, ""},
        {MAINBOARD_Ebbrick, {}, {}, ""},
        {MAINBOARD_Tamblin, {"D8"}, {}, kTamblin},
        {MAINBOARD_Tamblin, {"C7", "D6", "D8", "E10", "E9"}, {}, kTamblin},
        {MAINBOARD_Tamblin, {"E11"}, {"C7"}, ""},
        {MAINBOARD_Pocklin, {}, {}, ""},
        {MAINBOARD_Pressel, {}, {}, ""},
        {MAINBOARD_Ulvarin, {"K22", "P9", "D8"}, {}, ""},
        {MAINBOARD_Idrenne, {}, {}, ""},
        {MAINBOARD_Tiverne, {"E18"}, {}, L(kNceo)},
        {MAINBOARD_Tiverne, {"E18", "H3", "D1"}, {}, L(kData1) + L(kData0) + L(kNceo)},
        {MAINBOARD_Lothvar, {}, {},
         L("set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0") +
             L("set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85")},
    };
    for (const Case& c : cases) {
        auto board = BoardAt(c.id, {}, {});
        auto* g = board->GetConnector(0);
        int n = 0;
        for (const char* loc : c.used) g->AddPin(BoardPin(("U" + std::to_string(n++)).c_str(), loc, DIRECTION_OUTPUT));
        for (const char* loc : c.idle) g->AddPin(BoardPin(("I" + std::to_string(n++)).c_str(), loc, DIRECTION_NONE));
        EXPECT_EQ(board->QsfExtraAssignments(), c.expected) << int(c.id);
    }
}

TEST(BoardBlocks, SettingsObjectsSupplyTheirTextAndBoardsWithoutWritersAreInternalErrors)
{
    TextSettings settings;
    for (uint8_t id : {MAINBOARD_Nobrecht, MAINBOARD_Dravelle, MAINBOARD_Vellani, MAINBOARD_Abernoll}) {
        auto board = BoardAt(id, {});
        board->m_pConfigBoard = &settings;
        EXPECT_EQ(board->QsfExtraAssignments(), "qsf text of the settings\r\n");
        EXPECT_EQ(board->ExtraTopLevelCode(), "// body text of the settings\r\n");
    }
    for (uint8_t id : {MAINBOARD_Brindell, MAINBOARD_Quimbel, uint8_t(0), uint8_t(29), uint8_t(36)})
        EXPECT_THROW(BoardAt(id, {})->QsfExtraAssignments(), platform::InternalError) << int(id);
    EXPECT_THROW(BoardAt(MAINBOARD_Brindell, {})->ExtraTopLevelCode(), platform::InternalError);
    EXPECT_THROW(BoardAt(MAINBOARD_Ulvarin, {})->FanControlCode(), platform::InternalError);
}

TEST(BoardBlocks, AshvornQsfBlockFromItsRecordCopy)
{
    auto toggle = [](const std::string& port) {
        return L("set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to " + port);
    };
    // Nothing ticked, no LVDS card: only the NCEO line when AE7 is used.
    auto board = BoardAt(MAINBOARD_Ashvorn, {"AE7"});
    EXPECT_EQ(board->QsfExtraAssignments(), L(kNceo));

    // Flash ticked, HSMC LVDS default card with a prefix, LED and accelerometer ticked.
    board = BoardAt(MAINBOARD_Ashvorn, {});
    auto& cfg = board->m_AshvornConfig;
    cfg[146] = 1;
    cfg[292] = 4;
    cfg[137] = 1;
    cfg[148] = 1;
    std::memcpy(&cfg[293], "LV_", 4);
    std::string expected = L("set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]") + L(kBanner) +
                           L("# When Ashvorn HSMC is configued as LVDS, configure the following pins to avoid compile "
                             "error.") +
                           L(kBanner);
    for (int i = 0; i <= 8; ++i) expected += toggle(" LEDG[" + std::to_string(i) + "]");
    for (int i = 0; i <= 17; ++i) expected += toggle(" LEDR[" + std::to_string(i) + "]");
    expected += toggle("G_SENSOR_INT1") + toggle("LV_D[1]") + toggle("LV_D[3]") + toggle("FAN_CTRL");
    EXPECT_EQ(board->QsfExtraAssignments(), expected);

    // Keys, switches, 7-segment, LCD and PCIe, no prefix.
    board = BoardAt(MAINBOARD_Ashvorn, {});
    auto& all = board->m_AshvornConfig;
    all[292] = 4;
    all[139] = all[140] = all[138] = all[144] = all[155] = 1;
    expected = L(kBanner) +
               L("# When Ashvorn HSMC is configued as LVDS, configure the following pins to avoid compile error.") +
               L(kBanner);
    for (int i = 0; i <= 17; ++i) expected += toggle("KEY[" + std::to_string(i) + "]");
    for (int i = 0; i <= 17; ++i) expected += toggle("SW[" + std::to_string(i) + "]");
    expected += toggle("HEX2[3]") + toggle("LCD_ON") + toggle("PCIE_WAKE_N") + toggle("HSMC_D[1]") +
                toggle("HSMC_D[3]") + toggle("FAN_CTRL");
    EXPECT_EQ(board->QsfExtraAssignments(), expected);

    // Another card: no block, whatever is ticked.
    all[292] = 3;
    EXPECT_EQ(board->QsfExtraAssignments(), "");
}

TEST(BoardBlocks, ModuleBodyCodeByBoard)
{
    EXPECT_EQ(BoardAt(MAINBOARD_Ashvorn, {})->ExtraTopLevelCode(),
              "\r\n\t//////////// FAN Control //////////\r\nassign FAN_CTRL = 1'bz; // turn on FAN\r\n\r\n");
    for (uint8_t id : {MAINBOARD_Ulvarin, MAINBOARD_Idrenne, MAINBOARD_Harnix, MAINBOARD_Quimbel})
        EXPECT_EQ(BoardAt(id, {})->ExtraTopLevelCode(), "") << int(id);

    // The Stratix V boards' clock-chip code reads their record copies; a copy of zeros asks
    // only Sarnoth's external PLL ("Unchanged" on both CDCM chips) and nothing on the others
    // (their golden texts are tested with the boards).
    const std::string sarnoth = BoardAt(MAINBOARD_Sarnoth, {})->ExtraTopLevelCode();
    EXPECT_NE(sarnoth.find("ext_pll_ctrl ext_pll_ctrl_Inst("), std::string::npos);
    EXPECT_EQ(sarnoth.find("si570_controller"), std::string::npos);
    EXPECT_EQ(BoardAt(MAINBOARD_Morrast, {})->ExtraTopLevelCode(), "");
    EXPECT_EQ(BoardAt(MAINBOARD_Cresswin, {})->ExtraTopLevelCode(), "");
}

TEST(BoardBlocks, MainBoardNames)
{
    struct Case {
        uint8_t id;
        const char* name;
    };
    for (Case c : {Case{1, "Harnix FPGA Board"}, Case{8, "Yastrel FPGA Board"}, Case{14, "Ashvorn Board"},
                   Case{26, "Tamblin MAX10 Board"}, Case{30, "Pocklin Kit"}, Case{34, "Ulvarin"},
                   Case{100, "Lothvar"}, Case{101, "Quimbel"}})
        EXPECT_EQ(BoardAt(c.id, {})->MainBoardName(), c.name);
    for (uint8_t id : kMainBoardIds) EXPECT_FALSE(BoardAt(id, {})->MainBoardName().empty()) << int(id);
    EXPECT_THROW(BoardAt(29, {})->MainBoardName(), platform::InternalError);
    EXPECT_THROW(BoardAt(0, {})->MainBoardName(), platform::InternalError);
}

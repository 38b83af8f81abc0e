#include "boards/stratix4_cyclone4/CONFIG_CORBANTH.h"

#include <cstring>
#include <span>
#include <vector>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/settings/ConfigBaseAttach.h"
#include "core/settings/RecordText.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t V25 = 6;  // "2.5 V"
constexpr uint8_t V15 = 0;  // "1.5 V"

// Banks 1, 4 and 5 have no clock input.
constexpr BoardPinRow kClock[] = {
    {"OSC_50_BANK2, OSC_50_BANK3, OSC_50_BANK6, OSC_50_BANK7", in, V25, "AB41 AW22 C2 D21", ClockPeriod(20)},
    {"OSC_50_BANK8", in, V15, "B22", ClockPeriod(20)},
};

constexpr BoardPinRow kSma[] = {
    {"SMA_CLKIN_p, SMA_CLKIN_n", in, V25, "AB4 AB3"},
    {"SMA_CLKOUT_p, SMA_CLKOUT_n", out, V25, "F21 E21"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, V25, "N37 M38 N38 N39 M39 L39 M40 L40"},
};

constexpr BoardPinRow kButton[] = {
    {"BUTTON[0..3]", in, V25, "AD35 AD36 AD37 AD38"},
    {"CPU_RESET_n", in, V25, "W39"},
};

constexpr BoardPinRow kSwitch[] = {
    {"SW[0..7]", in, V25, "AD32 AD33 AE33 AE34 AF36 AE36 AF37 AE37"},
};

constexpr BoardPinRow kSeg7[] = {
    {"MAX2_CS_n, MAX2_I2C_SCL", out, V25, "W40 Y30"},
    {"MAX2_I2C_SDA", inout, V25, "W38"},
};

constexpr BoardPinRow kTemp[] = {
    {"TEMP_CLK", out, V15, "M30"},
    {"TEMP_DATA", inout, V15, "G23"},
    {"TEMP_INT_n, TEMP_OVERT_n", in, V15, "G32 C25"},
};

constexpr BoardPinRow kFan[] = {
    {"FAN_CTRL", out, V15, "G24"},
    {"FAN_SPEED", in, V15, "A23"},
};

// The bus flash and SSRAM share; the SSRAM uses the first 20 address lines, the flash all 25.
constexpr BoardPinRow kSharedBus[] = {
    {"FSM_D[0..15]", inout, V25, "M42 M41 K41 K42 N42 P36 R38 R37 T38 AA38 Y39 T39 P42 P37 N41 N40"},
    {"FSM_A[1..20]", out, V25, "U40 Y42 Y40 V37 V38 U39 T40 U42 T41 T42 P40 P39 R42 R41 R40 T35 R35 R34 U37 R36"},
};
constexpr BoardPinRow kFlashAddress[] = {
    {"FSM_A[21..25]", out, V25, "W42 T37 T34 R33 U36"},
};

constexpr BoardPinRow kFlash[] = {
    {"FLASH_RDY_BSY_n", in, V25, "Y36"},
    {"FLASH_CLK, FLASH_RESET_n, FLASH_OE_n, FLASH_WE_n, FLASH_ADV_n, FLASH_CE_n, FLASH_WP_n", out, V25,
     "V34 AA37 W33 AA32 W34 W37 AA36"},
};

constexpr BoardPinRow kSsram[] = {
    {"SSRAM_BWA_n, SSRAM_BWB_n, SSRAM_CLK, SSRAM_OE_n, SSRAM_WE_n, SSRAM_GW_n, SSRAM_CE1_n, SSRAM_ADSC_n, "
     "SSRAM_ADSP_n, SSRAM_ADV_n, SSRAM_MODE, SSRAM_ZZ",
     out, V25, "AA31 V31 U31 W31 W30 V32 T31 U33 V33 T33 U30 T32"},
};

// The termination the DDR3 controller calibrates against.
constexpr BoardPinRow kDdr3Termination[] = {
    {"mem_oct_rdn, mem_oct_rup", in, V15, "J32 K32"},
};

// The management bus of FMC-A and FMC-B, and that of FMC-C and FMC-D.
constexpr BoardPinRow kFmcAbI2c[] = {
    {"FMAB_CLK", out, V25, "AD30"},
    {"FMAB_SDA", inout, V25, "AG38"},
};
constexpr BoardPinRow kFmcCdI2c[] = {
    {"FMCD_CLK", out, V25, "AG37"},
    {"FMCD_SDA", inout, V25, "AD31"},
};

// Expansion connectors, positions 1 to N; nullptr where the position carries no FPGA pin.
constexpr const char* kDdr3Locations[204] = {
    nullptr, nullptr, nullptr, "C28", "L24", "B27", "K24", nullptr, nullptr, "A28", "M24", "B28", nullptr, nullptr, "K25", "A26", "J25", "A27", nullptr, nullptr,  // 1-20
    "H27", "G28", "G27", "H28", nullptr, nullptr, "C29", "G29", "D29", "C26", nullptr, nullptr, "F28", "E28", "D28", "D30", nullptr, nullptr, "L28", "D31",  // 21-40
    "J28", "C32", nullptr, nullptr, "D33", "J29", "E33", nullptr, nullptr, "D32", "K28", "C34", "H30", nullptr, nullptr, "A32", "E30", "A33", "F30", nullptr,  // 41-60
    nullptr, "A34", "E31", "B34", nullptr, nullptr, "F31", "A35", "G31", "B33", nullptr, nullptr, "D25", "H24", nullptr, nullptr, nullptr, "F24", "D26", "F23",  // 61-80
    nullptr, nullptr, "D24", "F25", "E25", "E24", nullptr, nullptr, "G26", "F26", "F27", "C39", nullptr, nullptr, "H25", "D38", "J27", "C38", nullptr, nullptr,  // 81-100
    "B25", "B24", "A25", "A24", nullptr, nullptr, "M27", "K33", "K29", "H33", nullptr, nullptr, "G30", "F37", "L31", "E37", nullptr, nullptr, "J33", "D37",  // 101-120
    "K31", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "M25", "A29", "M26", "A30", nullptr, nullptr, "B31", "N26", "C31", nullptr, nullptr, "A31",  // 121-140
    "K27", "B30", "L27", nullptr, nullptr, "D35", "K30", "F35", "L30", nullptr, nullptr, "E36", "N29", "F36", nullptr, nullptr, "M29", "C36", "N28", "D36",  // 141-160
    nullptr, nullptr, "J34", "A38", "H34", "B39", nullptr, nullptr, "A40", "G33", "B40", nullptr, nullptr, "A39", "G34", "A41", "G35", nullptr, nullptr, "H31",  // 161-180
    "B36", "F33", "A36", nullptr, nullptr, "B37", "F32", "C37", nullptr, nullptr, "A37", "C35", "F34", "E34", nullptr, nullptr, nullptr, "J24", nullptr, "D23",  // 181-200
    nullptr, "C23", nullptr, nullptr,  // 201-204
};

constexpr const char* kHsmcALocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "D20", "A19", nullptr, nullptr, nullptr, nullptr, "M19", "D22",  // 21-40
    "L12", "A3", "M12", "A2", nullptr, nullptr, "K12", "D5", "J12", "C5", nullptr, nullptr, "K10", "C4", "J9", "B4", nullptr, nullptr, "J10", "B7",  // 41-60
    "H9", "A7", nullptr, nullptr, "F6", "D6", "E6", "C6", nullptr, nullptr, "B3", "B6", "A4", "A6", nullptr, nullptr, "F7", "F9", "D8", "F8",  // 61-80
    nullptr, nullptr, "C8", "E7", "A5", "D7", nullptr, nullptr, "G11", "E9", "F11", "D9", nullptr, nullptr, "G10", "B21", "F10", "A21", nullptr, nullptr,  // 81-100
    "M13", "G9", "N14", "G8", nullptr, nullptr, "M14", "A17", "M15", "A16", nullptr, nullptr, "F17", "C15", "F16", "B15", nullptr, nullptr, "A15", "K11",  // 101-120
    "B16", "J11", nullptr, nullptr, "G17", "C18", "G18", "B18", nullptr, nullptr, "E19", "E18", "D19", "D18", nullptr, nullptr, "F19", "D17", "G19", "C17",  // 121-140
    nullptr, nullptr, "L18", "L13", "K18", "K13", nullptr, nullptr, "L19", "E16", "K19", "D16", nullptr, nullptr, "H21", "J18", "G21", "H18", nullptr, nullptr,  // 141-160
};

constexpr const char* kHsmcBLocations[160] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 1-20
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "D14", "A10", nullptr, nullptr, nullptr, nullptr, "B10", "C22",  // 21-40
    "M18", "L16", "N17", "L15", nullptr, nullptr, "V13", "P4", "V12", "P3", nullptr, nullptr, "V11", "R5", "U10", "R4", nullptr, nullptr, "T10", "N4",  // 41-60
    "R9", "N3", nullptr, nullptr, "T8", "N1", "T7", "P1", nullptr, nullptr, "R8", "N6", "R7", "N5", nullptr, nullptr, "P7", "L4", "P6", "L3",  // 61-80
    nullptr, nullptr, "R10", "L1", "P9", "M1", nullptr, nullptr, "T12", "M3", "T11", "M2", nullptr, nullptr, "M16", "AA41", "M17", "AA42", nullptr, nullptr,  // 81-100
    "U13", "M5", "U12", "M4", nullptr, nullptr, "K17", "E10", "G16", "D10", nullptr, nullptr, "K15", "F12", "K14", "E12", nullptr, nullptr, "H16", "C12",  // 101-120
    "J16", "B12", nullptr, nullptr, "H13", "D11", "G12", "C11", nullptr, nullptr, "G13", "A9", "G14", "A8", nullptr, nullptr, "F14", "H15", "D13", "G15",  // 121-140
    nullptr, nullptr, "C9", "F13", "D12", "E13", nullptr, nullptr, "B9", "J14", "A11", "J13", nullptr, nullptr, "A12", "AA39", "A14", "AA40", nullptr, nullptr,  // 141-160
};

// Position 40 is a 1.5 V clock input and 96 and 98 are inputs whatever the card says; the
// I2C pair on 33 and 34 runs at 2.5 V.
constexpr FixedPosition kHsmcFixed[] = {
    {40, in, V15}, {96, in}, {98, in}, {33, DIRECTION_FROM_DAUGHTER, V25}, {34, DIRECTION_FROM_DAUGHTER, V25},
};

// The positions every FMC port routes to the FPGA. The board's data gives no locations for
// them.
constexpr const char* kFmcPositions =
    "90-91, 94-95, 98-99, 102-103, 106-107, 128-129, 131-132, 134-135, 137-138, 140-141, 143-144, 146-147, "
    "162-163, 166-167, 169-170, 172-173, 175-176, 178-179, 181-182, 184-185, 187-188, 190-191, 193-194, 196-197, "
    "204-205, 207-208, 210-211, 213-214, 216-217, 219-220, 222-223, 225-226, 228-229, 231-232, 234-235, 237-238, "
    "242-243, 246-247, 249-250, 252-253, 255-256, 258-259, 261-262, 264-265, 267-268, 270-271, 273-274, 276-277, "
    "284-285, 287-288, 290-291, 293-294, 296-297, 299-300, 302-303, 305-306, 308-309, 311-312, 314-315, 317-318, "
    "322-323, 326-327, 329-330, 332-333, 335-336, 338-339, 341-342, 344-345, 347-348, 350-351, 353-354, 356-357, "
    "364-365, 367-368, 370-371, 373-374, 376-377, 379-380, 382-383, 385-386, 388-389, 391-392, 394-395, 397-398";

constexpr const char* kHsmcDefaultPrefixes[CORBANTH_CONFIG::kHsmcPorts] = {"HSMA_", "HSMB_"};

}  // namespace

void DefaultConfig(CORBANTH_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_Corbanth;
    config.Size = sizeof(CORBANTH_CONFIG);
    WriteRecordText(config.szProjectName, "Corbanth");
    for (uint8_t* group : {&config.bOSC, &config.bLED, &config.bSeg7, &config.bButton, &config.bSwitch, &config.bSma,
                           &config.bTemp, &config.bFan, &config.bSSRAM, &config.bFlash})
        *group = 1;
}

void BuildMainBoard_Corbanth(TMainBoard* board, const CORBANTH_CONFIG& Config)
{
    board->m_BoardId = Config.BoardId;
    PW_CHECK(Config.BoardId == MAINBOARD_Corbanth);
    PW_CHECK(Config.Size == sizeof(CORBANTH_CONFIG));

    board->ClearConnectors();
    board->m_Family = "Stratix IV";
    board->m_Device = "EP4SE820F43C3";
    board->m_DevicePinCount = 1760;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 3;

    if (Config.bOSC) AddBoardGroup(*board, "CLOCK", kClock);
    if (Config.bSma) AddBoardGroup(*board, "SMA", kSma);
    if (Config.bLED) AddBoardGroup(*board, "LED x 8", kLed);
    if (Config.bButton) AddBoardGroup(*board, "BUTTON x 4 and CPU_RESET_n", kButton);
    if (Config.bSwitch) AddBoardGroup(*board, "SLIDE SWITCH x 8", kSwitch);
    if (Config.bSeg7) AddBoardGroup(*board, "I2C 7-Segment", kSeg7);
    if (Config.bTemp) AddBoardGroup(*board, "Temperature (Addresss 0011000b)", kTemp);
    if (Config.bFan) AddBoardGroup(*board, "Fan", kFan);
    if (Config.bFlash || Config.bSSRAM) {
        TConnector* bus = AddBoardGroup(*board, "Flash and SSRAM Address/Data Share Bus", kSharedBus);
        if (Config.bFlash) AddBoardPins(*bus, kFlashAddress);
    }
    if (Config.bFlash) AddBoardGroup(*board, "Flash Control", kFlash);
    if (Config.bSSRAM) AddBoardGroup(*board, "SSRAM Control", kSsram);

    if (Config.bDDR3) {
        AddExpansionConnector(*board, "DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, EXPANSION_DDR3_SODIMM, kDdr3Locations);
        AddBoardGroup(*board, "OCT RUP/RDN for Altera DDR3 NewPHY Controller", kDdr3Termination);
    }

    const std::span<const char* const> hsmcTables[] = {kHsmcALocations, kHsmcBLocations};
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if (card == 0) continue;
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("HSMC-%c", letter),
                              platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_HSMC, EXPANSION_HSMC_A + port, hsmcTables[port], {.fixed = kHsmcFixed});
    }

    const std::vector<const char*> fmcTable = PositionTable(400, ListedPositions::WithPin, kFmcPositions);
    for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port) {
        const uint8_t card = Config.nFmcDaughterId[port];
        if (card == 0) continue;
        const char letter = static_cast<char>('A' + port);
        AddExpansionConnector(*board, platform::Format("FMC-%c", letter),
                              platform::Format("FMC-%c connect to %s", letter, BoardName(card).c_str()),
                              CONNECTOR_FMC_HPC, EXPANSION_FMC_A + port, fmcTable);
    }

    const bool fmcAb = Config.nFmcDaughterId[0] || Config.nFmcDaughterId[1];
    const bool fmcCd = Config.nFmcDaughterId[2] || Config.nFmcDaughterId[3];
    if (fmcAb || fmcCd) {
        TConnector* i2c = AddBoardGroup(*board, "FMC I2C", {});
        if (fmcAb) AddBoardPins(*i2c, kFmcAbI2c);
        if (fmcCd) AddBoardPins(*i2c, kFmcCdI2c);
    }
}

void BuildCorbanthProjectBoard(TMainBoard& board, const CORBANTH_CONFIG& config)
{
    CORBANTH_CONFIG Config = config;
    BuildMainBoard_Corbanth(&board, Config);
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port) {
        const uint8_t card = Config.nHsmcDaughterId[port];
        if ((card == DAUGHTER_HSMC_DEFAULT || card == DAUGHTER_HSMC_DEFAULT_XCVR) && Config.szHSMCPrefixName[port][0] == 0)
            WriteRecordText(Config.szHSMCPrefixName[port], kHsmcDefaultPrefixes[port]);
    }
    // The default HSMC card names its clock outputs by the port: the port is its variant.
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port) {
        if (Config.nHsmcDaughterId[port] == 0) continue;
        TConfigBaseAttach::AttachHsmcCard(&board, EXPANSION_HSMC_A + port, Config.nHsmcDaughterId[port],
                                          ReadRecordText(Config.szHSMCPrefixName[port]), "", V25, port);
    }
    for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port) {
        if (Config.nFmcDaughterId[port] == 0) continue;
        TConfigBaseAttach::AttachFmcCard(&board, EXPANSION_FMC_A + port, Config.nFmcDaughterId[port],
                                         ReadRecordText(Config.szFMCPrefixName[port]), "", 8, 0);
    }
    if (Config.bDDR3)
        TConfigBaseAttach::AttachMemoryModule(&board, EXPANSION_DDR3_SODIMM, "mem_", MemoryModuleKind::Ddr3StratixIV,
                                              1, 0, 0);
}

std::vector<CardChoice> CorbanthCardChoices(const CORBANTH_CONFIG& config)
{
    std::vector<CardChoice> choices;
    for (int port = 0; port < CORBANTH_CONFIG::kHsmcPorts; ++port)
        choices.push_back(ChoiceOf(platform::Format("HSMC-%c", 'A' + port), config.nHsmcDaughterId[port], CONNECTOR_HSMC));
    for (int port = 0; port < CORBANTH_CONFIG::kFmcPorts; ++port)
        choices.push_back(ChoiceOf(platform::Format("FMC-%c", 'A' + port), config.nFmcDaughterId[port], CONNECTOR_FMC_HPC));
    return choices;
}

bool GenerateCorbanthProject(const CORBANTH_CONFIG& config, const std::string& projectFile)
{
    if (!CheckCardChoices(CorbanthCardChoices(config))) return false;
    TMainBoard board;
    BuildCorbanthProjectBoard(board, config);
    return TSystemBuild().Generate(board, projectFile, false);
}

#pragma once
// What the Nobrecht board and its DDR4 twin Dravelle build alike: the QDRII+ and QSFP+ groups
// (the same pins and locations on both, in each board's own order), the memory sockets and
// the reference-clock frequencies the Si5340 choices give. Each board passes its own data.
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "core/model/BoardDefinition.h"
#include "core/model/MainBoard.h"

namespace nobrecht {

// I/O standards of these boards.
constexpr uint8_t V15 = 0;            // "1.5 V"
constexpr uint8_t V18 = 3;            // "1.8 V"
constexpr uint8_t HSTL18_I = 4;       // "1.8-V HSTL Class I"
constexpr uint8_t DIFF_HSTL18_I = 14; // "Differential 1.8-V HSTL Class I"
constexpr uint8_t LVDS = 21;          // "LVDS"
constexpr uint8_t HCSL = 37;          // "HCSL"
constexpr uint8_t V12 = 40;           // "1.2 V"
constexpr uint8_t HSSI = 52;          // "HSSI Differential I/O"

// The rows both boards have, one pin or bus each, in Nobrecht's order of adding; Dravelle adds
// them in its own (InOrder).
inline constexpr BoardPinRow kClockRows[] = {
    {"CLK_50_B2J", DIRECTION_INPUT, V18, "W36", ClockMHz(50)},  // the Si5340 controllers' clock
    {"CLK_50_B2L", DIRECTION_INPUT, V18, "H32", ClockMHz(50)},
    {"CLK_50_B3D", DIRECTION_INPUT, V18, "AN7", ClockMHz(50)},
    {"CLK_50_B3F", DIRECTION_INPUT, V18, "G12", ClockMHz(50)},
    {"CLK_50_B3H", DIRECTION_INPUT, V18, "D21", ClockMHz(50)},
    {"CLK_100_B3D", DIRECTION_INPUT, V18, "AH11", ClockMHz(100)},
    {"CLKUSR_100", DIRECTION_INPUT, V18, "AV26", ClockMHz(100)},
};
inline constexpr BoardPinRow kLedRows[] = {{"LED[0..3]", DIRECTION_OUTPUT, V18, "T11 R11 N15 M15"}};
inline constexpr BoardPinRow kLedBracketRows[] = {{"LED_BRACKET[0..3]", DIRECTION_OUTPUT, V18, "AF10 AF9 Y13 W11"}};
inline constexpr BoardPinRow kFlashRows[] = {
    {"FLASH_A[1..26]", DIRECTION_OUTPUT, V18, "H26 ?*25"},
    {"FLASH_ADV_n", DIRECTION_OUTPUT, V18, "H7"},
    {"FLASH_CE_n[0..1]", DIRECTION_OUTPUT, V18, "H10 N16"},
    {"FLASH_CLK", DIRECTION_OUTPUT, V18, "T9"},
    {"FLASH_D[0..31]", DIRECTION_INOUT, V18, "B35 ?*31"},
    {"FLASH_OE_n", DIRECTION_INOUT, V18, "C16"},
    {"FLASH_RDY_BSY_n[0..1]", DIRECTION_INPUT, V18, "J8 L36"},
    {"FLASH_RESET_n", DIRECTION_OUTPUT, V18, "C17"},
    {"FLASH_WE_n", DIRECTION_OUTPUT, V18, "U10"},
};
inline constexpr BoardPinRow kPcieRefClockRows[] = {{"OB_PCIE_REFCLK_p", DIRECTION_INPUT, LVDS, "AK40"}};
inline constexpr BoardPinRow kPcieRows[] = {
    {"PCIE_PERST_n", DIRECTION_INPUT, V18, "AT25"},
    {"PCIE_REFCLK_p", DIRECTION_INPUT, HCSL, "AH40"},
    {"PCIE_RX_p[0..7]", DIRECTION_INPUT, HSSI, "AU42 ?*7"},
    {"PCIE_SMBCLK", DIRECTION_INPUT, V18, "AM25"},
    {"PCIE_SMBDAT", DIRECTION_INOUT, V18, "AR24"},
    {"PCIE_TX_p[0..7]", DIRECTION_OUTPUT, HSSI, "AV44 ?*7"},
    {"PCIE_WAKE_n", DIRECTION_OUTPUT, V18, "AN26"},
};
inline constexpr BoardPinRow kRzqQdrRows[] = {
    {"RZQ_QDRII_A, RZQ_QDRII_B, RZQ_QDRII_C, RZQ_QDRII_D", DIRECTION_INPUT, V18, "L11 F17 L24 K37"},
};
inline constexpr BoardPinRow kSmaRows[] = {
    {"SMA_CLKIN", DIRECTION_INPUT, V18, "AC32"},
    {"SMA_CLKOUT", DIRECTION_OUTPUT, V18, "AA36"},
};

// The rows at those indexes, in that order.
std::vector<BoardPinRow> InOrder(std::span<const BoardPinRow> rows, std::initializer_list<int> order);

// A clock frequency as the definitions write it: "%f MHz" of the value ("0.000000 MHz" for a
// reference clock whose chip output is not used).
std::string FrequencyText(double mhz);

// The frequency of a stored choice by the settings class's table: a code the table lacks,
// also one beyond a byte, gives 0.
double ChoiceMHz(double (*frequency)(uint8_t), int32_t code);
// Abernoll's reading of the same: only the choice's low byte counts, so 257 is choice 1.
double LowByteChoiceMHz(double (*frequency)(uint8_t), int32_t code);

// Rows whose texts are made while building (a letter in the names, a frequency text); the
// texts live as long as the object.
class RowList {
public:
    void Add(const std::string& signals, uint8_t dir, uint8_t std, const std::string& locations,
             const std::string& frequency = std::string());
    std::span<const BoardPinRow> Rows() const { return m_rows; }

private:
    const char* Keep(const std::string& text);
    std::deque<std::string> m_texts;
    std::vector<BoardPinRow> m_rows;
};

// The pins of a QDRII+ group, named after the group (QDRIIA_A[0..21] ...).
enum class QdrPin : uint8_t { A, BWS_n, CQ_n, CQ_p, D, DOFF_n, K_n, K_p, ODT, Q, QVLD, REFCLK_p, RPS_n, WPS_n };
// The pins of a QSFP+ group (QSFPA_INTERRUPT_n ...).
enum class QsfpPin : uint8_t { INTERRUPT_n, LP_MODE, MOD_PRS_n, MOD_SEL_n, REFCLK_p, RST_n, RX_p, SCL, SDA, TX_p };

// The order Dravelle and Abernoll add them in: the reference clock first.
inline constexpr QdrPin kQdrClockFirst[] = {QdrPin::REFCLK_p, QdrPin::A,     QdrPin::K_p,    QdrPin::K_n,  QdrPin::D,
                                            QdrPin::BWS_n,    QdrPin::CQ_p,  QdrPin::CQ_n,   QdrPin::Q,    QdrPin::QVLD,
                                            QdrPin::WPS_n,    QdrPin::RPS_n, QdrPin::DOFF_n, QdrPin::ODT};
inline constexpr QsfpPin kQsfpClockFirst[] = {QsfpPin::REFCLK_p,  QsfpPin::TX_p,      QsfpPin::RX_p,
                                              QsfpPin::INTERRUPT_n, QsfpPin::LP_MODE, QsfpPin::MOD_PRS_n,
                                              QsfpPin::MOD_SEL_n, QsfpPin::RST_n,     QsfpPin::SCL,
                                              QsfpPin::SDA};

// A board's own locations of one port's pins, indexed by the pin (a bus: "first ?*rest").
using QdrLocations = std::array<const char*, 14>;
using QsfpLocations = std::array<const char*, 10>;

// QDRII+ group `port` (0-3, "QDRIIA" to "QDRIID") with its pins in the board's order; the
// reference clock at the given frequency.
void AddQdrGroup(TMainBoard& board, int port, std::span<const QdrPin> order, double refclkMHz);
// QSFP+ group `port` (0-3, "QSFPA" to "QSFPD") likewise.
void AddQsfpGroup(TMainBoard& board, int port, std::span<const QsfpPin> order, double refclkMHz);
// The same groups at a board's own locations; `port` 0-5 names "A" to "F".
void AddQdrGroup(TMainBoard& board, int port, std::span<const QdrPin> order, double refclkMHz,
                 const QdrLocations& locations);
void AddQsfpGroup(TMainBoard& board, int port, std::span<const QsfpPin> order, double refclkMHz,
                  const QsfpLocations& locations);

// A memory socket: one entry per module position (empty at the listed positions, the others
// taking the module's pins, the first at `firstLocation` and the rest unknown), found by its
// expansion id, then its reference clock after the positions.
struct MemorySocket {
    const char* description;  // "DDR3 SODIMM_A"
    int32_t expansionId;
    const char* firstLocation;
    const char* refclk;          // "DDR3A_REFCLK_p"
    const char* refclkLocation;  // "AV33"
};
struct MemorySocketKind {
    const char* name;  // "DDR3 SODIMM"
    uint8_t type;
    const char* emptyPositions;
};
void AddMemorySocket(TMainBoard& board, const MemorySocketKind& kind, const MemorySocket& socket, double refclkMHz);

}  // namespace nobrecht

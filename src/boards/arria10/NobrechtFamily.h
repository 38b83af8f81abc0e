#pragma once
// What the Nobrecht board and its DDR4 twin Dravelle build alike: the QDRII+ and QSFP+ groups
// (the same pins and locations on both, in each board's own order), the memory sockets and
// the reference-clock frequencies the Si5340 choices give. Each board passes its own data.
#include <cstdint>
#include <deque>
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

// A clock frequency as the definitions write it: "%f MHz" of the value ("0.000000 MHz" for a
// reference clock whose chip output is not used).
std::string FrequencyText(double mhz);

// The frequency of a stored choice by the settings class's table: a code the table lacks,
// also one beyond a byte, gives 0.
double ChoiceMHz(double (*frequency)(uint8_t), int32_t code);

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

// QDRII+ group `port` (0-3, "QDRIIA" to "QDRIID") with its pins in the board's order; the
// reference clock at the given frequency.
void AddQdrGroup(TMainBoard& board, int port, std::span<const QdrPin> order, double refclkMHz);
// QSFP+ group `port` (0-3, "QSFPA" to "QSFPD") likewise.
void AddQsfpGroup(TMainBoard& board, int port, std::span<const QsfpPin> order, double refclkMHz);

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

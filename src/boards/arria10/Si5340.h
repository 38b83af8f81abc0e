#pragma once
// What Nobrecht, Dravelle and Abernoll share about their two Si5340 clock generators (the
// Si5340A for the QSFP+ reference clocks, the Si5340B for the memory, QDRII+ and PCIe ones):
// the choice tables, the controller files exported for them and the project text that uses
// them. Each routine takes the board's own data.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "core/settings/ConfigBoard.h"

namespace si5340 {

// Frequencies in MHz by combo-box entry; entry 0 is "Not Use". 322.265, 233.333 and 266.667
// are the values the boards have always shown, not the exact ones.
inline constexpr double kTableA[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
inline constexpr double kTableBDdr3[] = {0, 200, 233.333, 266.667};
inline constexpr double kTableBDdr4[] = {0, 150, 200, 233.333, 266.667, 300};
inline constexpr double kTableBQdr[] = {0, 225, 233.333, 250, 275};
inline constexpr double kTableBPcie[] = {0, 100};
inline constexpr double kTableBQdrAbernoll[] = {0, 225, 250, 275};

// The frequency of a choice; 0 for "Not Use" and for a code the table does not have.
double Frequency(std::span<const double> table, uint8_t code);

// The controller files, written into this subfolder of the project: the common list when
// either chip is used, then each chip's own list.
inline constexpr const char* kControllerFolder = "si5340_controller";
inline constexpr const char* kCommonFiles[] = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                               "initial_config.v"};
inline constexpr const char* kSi5340AFiles[] = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                                "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"};
inline constexpr const char* kSi5340BFiles[] = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                                "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"};

// Each board carries its own copy of every file: its item is the board's prefix for that
// list followed by the file name with ".v" replaced by "_verilog".
struct ResourcePrefixes {
    const char* common;
    const char* a;
    const char* b;
};

std::string ResourceName(const char* prefix, const char* file);

// Writes the files the used chips need into the controller subfolder of the project folder
// (which ends in '/'), making the subfolder when missing; nothing when neither chip is used.
// Stops at the first file that fails; the files written before it stay.
ExportResult ExportControllerFiles(const std::string& projectFolder, bool aUsed, bool bUsed,
                                   const ResourcePrefixes& prefixes);

// .qsf text ----------------------------------------------------------------------------------

enum class Termination : uint8_t {
    InputDifferential,     // memory and QDRII+ reference clocks
    RefclkDcCoupling,      // the PCIe edge connector's reference clock
    RefclkAcCoupling,      // the on-board transceiver reference clocks
    TransceiverIo100Ohms,  // transceiver data pins
};

struct TerminationLine {
    Termination kind;
    const char* signal;  // null ends the row's lines
};

// The lines a ticked device group adds: `field` is the offset of its byte in the record.
struct TerminationRow {
    std::size_t field;
    TerminationLine lines[3];
};

// The termination block: the lines of every ticked group, tables in the order given; empty
// when no group is ticked.
std::string QsfTerminations(std::span<const uint8_t> record, std::initializer_list<std::span<const TerminationRow>> tables);

// The lines adding the exported controller files to the project, the same files in the same
// order as ExportControllerFiles writes; empty when neither chip is used.
std::string QsfIncludes(bool aUsed, bool bUsed);

// Top-level HDL ------------------------------------------------------------------------------

struct TopLevelStyle {
    const char* clock;          // the 50 MHz clock port
    const char* aValuePrefix;   // width and radix of a Si5340A macro value: "3'h" or "3'd"
    const char* aDoneWire;      // the Si5340A's done output; null leaves it open
    const char* bDoneWire;      // the Si5340B's done output
    const char* bValuePrefix;   // width and radix of a Si5340B macro value
    std::span<const char* const> bMacros;  // the Si5340B settings by selector code
};

// The Si5340A macro of a choice code 0-7; empty for any other code.
std::string Si5340ADefineName(int32_t code);
// The Si5340A block with the choices of the QSFP+ A, B, C and D outputs. A code without a
// macro powers its output down.
std::string Si5340AVerilog(const int32_t (&codes)[4], const TopLevelStyle& style);
// The Si5340B block selecting the setting named `selector`, one of style.bMacros.
std::string Si5340BVerilog(const std::string& selector, const TopLevelStyle& style);

// The entry of a name table for a stored choice; entry 0 for a code outside the table.
const char* NameOf(std::span<const char* const> names, int32_t code);

}  // namespace si5340

#pragma once
// Checks a generated project with the real tools and against the board it came from.
#include <string>
#include <vector>

class TMainBoard;

namespace tooltest {

// The top level compiles (iverilog and verilator for Verilog, with the controller files the
// .qsf names as VERILOG_FILE; ghdl for VHDL), the .qsf and the .sdc source cleanly in the
// Tcl stub interpreter, every pin in use has exactly one IO_STANDARD line with its standard and, where it has a location, exactly one location
// line with that location, and no location is assigned twice but those the board's data
// shares between two pins. `board` is the model after generation.
void ExpectProjectAccepted(const TMainBoard& board, const std::string& projectFile, bool vhdl,
                           const std::vector<std::string>& sharedLocations = {});

}  // namespace tooltest

#pragma once
// Runs the real checkers over generated text: iverilog and verilator for Verilog, ghdl for
// VHDL, and tclsh with recording stubs for .qsf and .sdc files. A missing tool is a failure.
#include <string>
#include <vector>

namespace tooltest {

struct ToolResult {
    bool ok = false;
    std::string command;
    std::string output;  // stdout and stderr together
};

// Runs a shell command, capturing its output.
ToolResult RunCommand(const std::string& command);

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }  // ends in '/'
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string m_path;
};

std::string ReadFile(const std::string& path);

// Makes `path` a file of `size` bytes that holds nothing but a hole; false where it cannot.
bool MakeSparseFile(const std::string& path, long long size);

// The names in a folder, sorted: files and folders alike.
std::vector<std::string> FolderEntries(const std::string& folder);

// iverilog -g2001: the file compiles, with `top` as the root module when given; `flags` are
// added to the command (a warning class turned off).
ToolResult CheckIverilog(const std::vector<std::string>& files, const std::string& top = "",
                         const std::string& flags = "");
// verilator --lint-only with its warnings on, except those an empty top level must raise
// (undriven outputs, unused inputs) and the controller outputs a generated instance leaves
// open, unless `allWarnings` is set; `flags` as above.
ToolResult CheckVerilator(const std::vector<std::string>& files, const std::string& top,
                          bool allWarnings = false, const std::string& flags = "");
// ghdl -a --std=93c: the file analyses.
ToolResult CheckGhdl(const std::string& file);

// One recorded call of a stubbed Tcl command: its name and its words after substitution.
struct TclCall {
    std::string command;
    std::vector<std::string> args;
};

struct TclResult : ToolResult {
    std::vector<TclCall> calls;
};

// The commands of .qsf files and of .sdc files that the stubs record.
const std::vector<std::string>& QsfCommands();
const std::vector<std::string>& SdcCommands();

// Sources the file in tclsh where each of `commands` is a stub that records its call and
// returns its words joined by blanks. Bus indexes such as KEY[0] read in plain Tcl as a
// call of the command "0": an unknown integer command gives back its bracketed text, any
// other unknown command is an error.
TclResult SourceTcl(const std::string& file, const std::vector<std::string>& commands);

}  // namespace tooltest

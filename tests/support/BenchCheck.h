#pragma once
// Runs the HDL test benches of tests/hdl/benches under iverilog and vvp over the embedded
// controller templates, and reads what the benches print.
#include <string>
#include <vector>

#include "ToolCheck.h"

namespace tooltest {

// The bytes of an embedded item as text; empty when there is no such item.
std::string ItemText(const std::string& item);

// The template is one module named `module`, with CR LF line ends throughout.
void ExpectTemplateShape(const std::string& text, const std::string& module);

// The path of a bench file under tests/hdl/benches.
std::string BenchPath(const std::string& name);

// Compiles the bench with `files` (iverilog -g2001 -Wall, with `flags` added: -D and -P
// options) into `dir` and runs it under vvp; a compiler warning fails the compile.
ToolResult RunBench(const TempDir& dir, const std::string& bench, const std::vector<std::string>& files,
                    const std::string& flags = "");

// The lines of `text` that begin with `prefix`.
std::vector<std::string> Lines(const std::string& text, const std::string& prefix);

// The bench ran to its end without a failed check and passed each of `checks`.
void ExpectBenchPassed(const ToolResult& run, const std::vector<std::string>& checks);

}  // namespace tooltest

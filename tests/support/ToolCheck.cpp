#include "ToolCheck.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tooltest {
namespace {

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

bool HaveTool(const std::string& tool)
{
    return RunCommand("command -v " + tool + " >/dev/null 2>&1").ok;
}

ToolResult Missing(const std::string& tool)
{
    return {false, tool, "tool not found: " + tool + " (scripts/install-deps.sh installs it)"};
}

std::string Join(const std::vector<std::string>& files)
{
    std::string list;
    for (const auto& f : files) list += " " + Quote(f);
    return list;
}

}  // namespace

ToolResult RunCommand(const std::string& command)
{
    ToolResult result;
    result.command = command;
    std::string wrapped = "(" + command + ") 2>&1";
    FILE* pipe = ::popen(wrapped.c_str(), "r");
    if (!pipe) {
        result.output = "cannot run: " + command;
        return result;
    }
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), n);
    int status = ::pclose(pipe);
    result.ok = status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "pinwright-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) throw std::runtime_error("cannot create a temporary folder");
    m_path = std::string(buffer.data()) + "/";
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    // Not through links: a test's link may name a file outside, such as a device.
    for (auto& entry : fs::recursive_directory_iterator(m_path, ec))
        if (!entry.is_symlink(ec)) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& text) const
{
    std::string path = m_path + name;
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool MakeSparseFile(const std::string& path, long long size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool made = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    return ::close(fd) == 0 && made;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ToolResult CheckIverilog(const std::vector<std::string>& files, const std::string& top, const std::string& flags)
{
    if (!HaveTool("iverilog")) return Missing("iverilog");
    std::string command = "iverilog -g2001 -Wall -o /dev/null";
    if (!flags.empty()) command += " " + flags;
    if (!top.empty()) command += " -s " + Quote(top);
    ToolResult result = RunCommand(command + Join(files));
    // iverilog reports some faults as warnings only; none are expected in our files but one:
    // an instance may leave a controller's input open on purpose (".conf_rd()"), which
    // synthesis ties low.
    std::istringstream lines(result.output);
    for (std::string line; result.ok && std::getline(lines, line);)
        if (line.find("warning") != std::string::npos && line.find("with dangling input port") == std::string::npos)
            result.ok = false;
    return result;
}

ToolResult CheckVerilator(const std::vector<std::string>& files, const std::string& top, bool allWarnings,
                          const std::string& flags)
{
    if (!HaveTool("verilator")) return Missing("verilator");
    std::string command = "verilator --lint-only -Wall --top-module " + Quote(top);
    // A generated controller instance leaves the outputs the design does not use open.
    if (!allWarnings) command += " -Wno-UNDRIVEN -Wno-UNUSEDSIGNAL -Wno-DECLFILENAME -Wno-PINMISSING -Wno-PINCONNECTEMPTY";
    if (!flags.empty()) command += " " + flags;
    return RunCommand(command + Join(files));
}

ToolResult CheckGhdl(const std::string& file)
{
    if (!HaveTool("ghdl")) return Missing("ghdl");
    std::string work = fs::path(file).parent_path().string();
    return RunCommand("ghdl -a --std=93c --workdir=" + Quote(work) + " " + Quote(file));
}

const std::vector<std::string>& QsfCommands()
{
    static const std::vector<std::string> commands = {
        "set_global_assignment", "set_location_assignment", "set_instance_assignment",
        "set_parameter",         "set_io_assignment"};
    return commands;
}

const std::vector<std::string>& SdcCommands()
{
    static const std::vector<std::string> commands = {
        "create_clock",          "create_generated_clock", "derive_pll_clocks",
        "derive_clock_uncertainty", "set_input_delay",    "set_output_delay",
        "set_false_path",        "set_multicycle_path",    "set_clock_groups",
        "set_max_delay",         "set_min_delay",          "get_ports",
        "get_clocks",            "get_pins",               "get_registers",
        "get_nets",              "set_clock_uncertainty",  "set_time_format",
        "remove_clock"};
    return commands;
}

TclResult SourceTcl(const std::string& file, const std::vector<std::string>& commands)
{
    TclResult result;
    if (!HaveTool("tclsh")) {
        static_cast<ToolResult&>(result) = Missing("tclsh");
        return result;
    }
    std::string script =
        "proc __record {name words} {\n"
        "  puts stdout [join [concat [list @CALL $name] $words] \"\\x1f\"]\n"
        "}\n"
        "foreach __cmd {";
    for (const auto& c : commands) script += c + " ";
    script +=
        "} {\n"
        "  proc $__cmd {args} [format {__record %s $args; return [join $args \" \"]} $__cmd]\n"
        "}\n"
        "proc unknown {args} {\n"
        "  set name [lindex $args 0]\n"
        "  if {[llength $args] == 1 && [regexp {^-?[0-9]+$} $name]} { return \"\\[$name\\]\" }\n"
        "  error \"invalid command name \\\"$name\\\"\"\n"
        "}\n"
        "source [lindex $argv 0]\n";
    std::string scriptPath = file + ".stub.tcl";
    {
        std::ofstream out(scriptPath, std::ios::binary);
        out << script;
    }
    static_cast<ToolResult&>(result) = RunCommand("tclsh " + Quote(scriptPath) + " " + Quote(file));
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("@CALL\x1f", 0) != 0) continue;
        std::vector<std::string> words;
        std::size_t start = 0;
        while (true) {
            std::size_t sep = line.find('\x1f', start);
            words.push_back(line.substr(start, sep == std::string::npos ? std::string::npos : sep - start));
            if (sep == std::string::npos) break;
            start = sep + 1;
        }
        TclCall call;
        call.command = words.size() > 1 ? words[1] : std::string();
        call.args.assign(words.begin() + std::min<std::size_t>(2, words.size()), words.end());
        result.calls.push_back(std::move(call));
    }
    return result;
}

}  // namespace tooltest

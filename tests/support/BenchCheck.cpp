#include "BenchCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "platform/Resources.h"

namespace tooltest {

namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

std::string ItemText(const std::string& item)
{
    auto data = platform::FindResource(item);
    if (!data) return {};
    return std::string(reinterpret_cast<const char*>(data->data()), data->size());
}

void ExpectTemplateShape(const std::string& text, const std::string& module)
{
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') continue;
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at byte " << i;
    }
    EXPECT_NE(text.find("\r\nmodule " + module + " "), std::string::npos);
    std::size_t modules = 0;
    for (std::size_t at = text.find("\nmodule "); at != std::string::npos; at = text.find("\nmodule ", at + 1)) ++modules;
    EXPECT_EQ(modules, 1u);
}

// Named from the build, so that a compiler cache that shortens __FILE__ cannot lose them.
std::string BenchPath(const std::string& name)
{
    return (std::filesystem::path(PINWRIGHT_TESTS_DIR) / "hdl" / "benches" / name).string();
}

ToolResult RunBench(const TempDir& dir, const std::string& bench, const std::vector<std::string>& files,
                    const std::string& flags)
{
    std::string image = dir.Path() + bench + ".vvp";
    std::string compile = "iverilog -g2001 -Wall " + flags + " -I " + Quoted(BenchPath("")) + " -o " + Quoted(image) +
                          " " + Quoted(BenchPath(bench));
    for (const auto& f : files) compile += " " + Quoted(f);
    ToolResult built = RunCommand(compile);
    if (!built.ok || built.output.find("warning") != std::string::npos) {
        built.ok = false;
        return built;
    }
    return RunCommand("vvp -n " + Quoted(image));
}

std::vector<std::string> Lines(const std::string& text, const std::string& prefix)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    return lines;
}

void ExpectBenchPassed(const ToolResult& run, const std::vector<std::string>& checks)
{
    ASSERT_TRUE(run.ok) << run.command << "\n" << run.output;
    EXPECT_TRUE(Lines(run.output, "FAIL").empty()) << run.output;
    EXPECT_EQ(Lines(run.output, "END"), std::vector<std::string>{"END ok"}) << run.output;
    auto passed = Lines(run.output, "PASS ");
    for (const auto& check : checks)
        EXPECT_NE(std::find(passed.begin(), passed.end(), "PASS " + check), passed.end()) << check << "\n" << run.output;
}

}  // namespace tooltest

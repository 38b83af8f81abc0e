#include "ProjectCheck.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "ToolCheck.h"
#include "core/generate/SystemBuild.h"
#include "core/model/MainBoard.h"

namespace tooltest {
namespace {

std::string Arg(const TclCall& call, std::size_t i) { return i < call.args.size() ? call.args[i] : std::string(); }

// The word after "-to", the target of an assignment.
std::string Target(const TclCall& call)
{
    for (std::size_t i = 0; i + 1 < call.args.size(); ++i)
        if (call.args[i] == "-to") return call.args[i + 1];
    return std::string();
}

}  // namespace

void ExpectProjectAccepted(const TMainBoard& board, const std::string& projectFile, bool vhdl,
                           const std::vector<std::string>& sharedLocations)
{
    SCOPED_TRACE(projectFile);
    const std::string top = ProjectNameOf(projectFile);
    auto sdc = SourceTcl(ChangeFileExt(projectFile, ".sdc"), SdcCommands());
    EXPECT_TRUE(sdc.ok) << sdc.output;

    auto qsf = SourceTcl(ChangeFileExt(projectFile, ".qsf"), QsfCommands());
    ASSERT_TRUE(qsf.ok) << qsf.output;
    // The top level compiles together with the HDL files the project adds (the exported
    // clock controllers), named relative to the project folder.
    const std::string folder = projectFile.substr(0, projectFile.find_last_of('/') + 1);
    std::vector<std::string> hdl;
    for (const TclCall& call : qsf.calls)
        if (call.command == "set_global_assignment" && Arg(call, 0) == "-name" && Arg(call, 1) == "VERILOG_FILE")
            hdl.push_back(folder + Arg(call, 2));
    if (vhdl) {
        EXPECT_TRUE(hdl.empty()) << "a VHDL top level with Verilog files";
        auto ghdl = CheckGhdl(ChangeFileExt(projectFile, ".vhd"));
        EXPECT_TRUE(ghdl.ok) << ghdl.output;
    } else {
        hdl.insert(hdl.begin(), ChangeFileExt(projectFile, ".v"));
        auto iverilog = CheckIverilog(hdl, top);
        EXPECT_TRUE(iverilog.ok) << iverilog.output;
        auto verilator = CheckVerilator(hdl, top);
        EXPECT_TRUE(verilator.ok) << verilator.output;
    }

    std::map<std::string, std::vector<std::string>> standards, locations;
    std::map<std::string, int> locationUses;
    for (const TclCall& call : qsf.calls) {
        if (call.command == "set_instance_assignment" && Arg(call, 0) == "-name" && Arg(call, 1) == "IO_STANDARD")
            standards[Target(call)].push_back(Arg(call, 2));
        if (call.command == "set_location_assignment") {
            locations[Target(call)].push_back(Arg(call, 0));
            ++locationUses[Arg(call, 0)];
        }
    }
    for (const auto& [location, uses] : locationUses) {
        const bool shared = std::find(sharedLocations.begin(), sharedLocations.end(), location.substr(4)) !=
                            sharedLocations.end();
        EXPECT_LE(uses, shared ? 2 : 1) << location << " assigned twice";
    }

    std::set<std::string> ports;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* con = board.GetConnector(c);
        for (int i = 0; i < con->GetPinCount(); ++i) {
            const TPin* pin = con->GetPin(i);
            if (!pin || !pin->IsActive()) continue;
            const std::string& name = pin->GetName();
            EXPECT_TRUE(ports.insert(name).second) << name << " is a port twice";
            EXPECT_EQ(standards[name], std::vector<std::string>{pin->GetIoStandardText()}) << name;
            if (pin->GetLocation().empty())
                EXPECT_TRUE(locations[name].empty()) << name;
            else
                EXPECT_EQ(locations[name], std::vector<std::string>{"PIN_" + pin->GetLocation()}) << name;
        }
    }
    for (const auto& [name, list] : locations) EXPECT_TRUE(ports.count(name)) << name << " has a location but is no port";
    for (const auto& [name, list] : standards) EXPECT_TRUE(ports.count(name)) << name << " has a standard but is no port";
}

}  // namespace tooltest

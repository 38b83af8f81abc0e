// Pins whose location the board's data does not give, made through the definition routines:
// ports with their standard, a clock constraint where they are clocks, a report row, and no
// location line at all.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "platform/Errors.h"

using namespace gentest;

namespace {

// A 40-pin header whose positions 3 and 4 are not given.
constexpr const char* kHeader[40] = {
    "W15", "AK2", "?", "?", "AJ1", "AJ2", "AH2", "AH3", "AH4", "AH5", nullptr, nullptr, "AG1", "AG2", "AG3", "AG5", "AG6", "AG7", "AG8", "AF4",  // 1-20
    "AF5", "AF6", "AF8", "AF9", "AF10", "AE7", "AE9", "AE11", nullptr, nullptr, "AE12", "AD7", "AD9", "AD10", "AD11", "AD12", "AC9", "AC12", "AB12", "AA12",  // 21-40
};

constexpr BoardPinRow kGroup[] = {
    {"KEY[0..3]", DIRECTION_INPUT, 8, "AJ4 ?*2 AA15"},
    {"REF_CLK", DIRECTION_INPUT, 21, "?", ClockPeriod(8)},
};

// The ports the .qsf gives a location.
std::set<std::string> LocatedPorts(const std::string& qsf)
{
    std::set<std::string> ports;
    const std::string head = "set_location_assignment ";
    for (std::size_t at = qsf.find(head); at != std::string::npos; at = qsf.find(head, at + 1)) {
        std::size_t to = qsf.find(" -to ", at) + 5;
        ports.insert(qsf.substr(to, qsf.find("\r\n", to) - to));
    }
    return ports;
}

}  // namespace

TEST(UnknownLocation, PortWithStandardAndClockButNoLocationLine)
{
    GenerateEnv env;
    tooltest::TempDir dir;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Pressel;
    board.m_Family = "Cyclone V";
    board.m_Device = "5CSXFC6D6F31C6";
    board.m_DevicePinCount = 896;
    AddBoardGroup(board, "KEY", kGroup);
    AddExpansionConnector(board, "GPIO", "GPIO connect to GPIO Default", CONNECTOR_GPIO40, EXPANSION_GPIO_0, kHeader);
    board.AttachGpioCard(EXPANSION_GPIO_0, DAUGHTER_GPIO_DEFAULT, "P_", "", 8);

    const std::string file = dir.Path() + "unknown.qpf";
    ASSERT_TRUE(TSystemBuild().Generate(board, file, false));
    EXPECT_TRUE(env.dialogs.Boxes().empty());
    const std::string qsf = tooltest::ReadFile(dir.Path() + "unknown.qsf");
    EXPECT_EQ(qsf.find('?'), std::string::npos);
    for (const char* port : {"KEY[1]", "KEY[2]", "REF_CLK", "P_GPIO[2]", "P_GPIO[3]"}) {
        EXPECT_NE(qsf.find(std::string("IO_STANDARD \"") + (std::string(port) == "REF_CLK" ? "LVDS" : "3.3-V LVTTL") +
                           "\" -to " + port + "\r\n"),
                  std::string::npos)
            << port;
        EXPECT_EQ(LocatedPorts(qsf).count(port), 0u) << port;
    }
    EXPECT_NE(qsf.find("set_location_assignment PIN_AJ4 -to KEY[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AJ1 -to P_GPIO[4]\r\n"), std::string::npos);
    EXPECT_EQ(LocatedPorts(qsf).size(), 2u + 34u);  // KEY[0], KEY[3] and the header's given positions

    const std::string sdc = tooltest::ReadFile(dir.Path() + "unknown.sdc");
    EXPECT_NE(sdc.find("create_clock -period 8.000ns [get_ports REF_CLK]\r\n"), std::string::npos);
    const std::string htm = tooltest::ReadFile(dir.Path() + "unknown.htm");
    EXPECT_NE(htm.find("<td align=\"left\">KEY[1]</td>\r\n   <td align=\"left\"></td>\r\n"), std::string::npos);
    EXPECT_NE(htm.find("<td align=\"left\">P_GPIO[3]</td>\r\n   <td align=\"left\"></td>\r\n"), std::string::npos);
    const std::string top = tooltest::ReadFile(dir.Path() + "unknown.v");
    EXPECT_NE(top.find("REF_CLK"), std::string::npos);
    tooltest::ExpectProjectAccepted(board, file, false);
}

TEST(UnknownLocation, TheSettingsWriterTakesNoLocationButAnFpgaPinName)
{
    GenerateEnv env;
    tooltest::TempDir dir;
    for (const char* location : {"?", "PIN_A1", "A 1"}) {
        TMainBoard board;
        board.m_BoardId = MAINBOARD_Pressel;
        auto* c = new TConnector("G", "", CONNECTOR_NONE, -1);
        c->AddPin(new TPin("A", location, DIRECTION_INPUT, 8, 0.0f));
        board.AddConnector(c);
        EXPECT_THROW(TSystemBuild().WriteQsf(board, dir.Path() + "p.qsf"), platform::InternalError) << location;
    }
}

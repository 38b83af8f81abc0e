// Grouping pins into ports, the declarations, and the port lists.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "core/model/PinParsing.h"
#include "platform/Errors.h"

using namespace gentest;

namespace {

TConnector& Group(TMainBoard& board, const char* name, std::initializer_list<TPin*> pins,
                  const char* description = "")
{
    auto* c = new TConnector(name, description, CONNECTOR_NONE, -1);
    for (TPin* pin : pins) c->AddPin(pin);
    board.AddConnector(c);
    return *c;
}

}  // namespace

TEST(PinParsing, SplitArrayName)
{
    std::string base;
    int32_t index = 0;
    EXPECT_TRUE(TPinParsing::SplitArrayName("DATA[12]", base, index));
    EXPECT_EQ(base, "DATA");
    EXPECT_EQ(index, 12);
    EXPECT_FALSE(TPinParsing::SplitArrayName("CLOCK_50", base, index));
    EXPECT_EQ(base, "");
    EXPECT_EQ(index, -1);
    EXPECT_FALSE(TPinParsing::SplitArrayName("X]Y[", base, index));
    EXPECT_THROW(TPinParsing::SplitArrayName("KEY[x]", base, index), platform::ConversionError);
}

TEST(PinParsing, BusesTakeTheRangeOfTheirIndexesAndScalarsAreRightAligned)
{
    TMainBoard board;
    TConnector& c = Group(board, "G",
                          {BoardPin("KEY[0]", "A1", DIRECTION_INPUT), BoardPin("KEY[1]", "A2", DIRECTION_INPUT),
                           BoardPin("KEY[2]", "A3", DIRECTION_INPUT), BoardPin("KEY[3]", "A4", DIRECTION_INPUT),
                           BoardPin("LED[2]", "B1", DIRECTION_OUTPUT), BoardPin("LED[5]", "B2", DIRECTION_OUTPUT),
                           BoardPin("CLOCK_50", "C1", DIRECTION_INPUT), nullptr,
                           BoardPin("UNUSED", "C2", DIRECTION_NONE), BoardPin("IO[0]", "D1", DIRECTION_INOUT, 6)});
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(c));
    ASSERT_EQ(parsing.GetPortCount(), 4);
    EXPECT_EQ(parsing.VerilogPortDecl(0), "input \t\t     [3:0]\t\tKEY");
    EXPECT_EQ(parsing.VerilogPortDecl(1), "output\t\t     [5:2]\t\tLED");
    EXPECT_EQ(parsing.VerilogPortDecl(2), "input \t\t          \t\tCLOCK_50");
    EXPECT_EQ(parsing.VerilogPortDecl(3), "inout \t\t     [0:0]\t\tIO");
    EXPECT_EQ(parsing.VhdlPortDecl(0), "KEY             \t:in    \tstd_logic_vector(3 downto 0)");
    EXPECT_EQ(parsing.VhdlPortDecl(1), "LED             \t:out   \tstd_logic_vector(5 downto 2)");
    EXPECT_EQ(parsing.VhdlPortDecl(2), "CLOCK_50        \t:in    \tstd_logic");
    EXPECT_EQ(parsing.VhdlPortDecl(3), "IO              \t:inout \tstd_logic_vector(0 downto 0)");
    EXPECT_EQ(parsing.GetPort(3).IoStandard, 6);
    EXPECT_EQ(parsing.FindPort("clock_50"), &parsing.GetPort(2));
    EXPECT_EQ(parsing.FindPort("UNUSED"), nullptr);
}

TEST(PinParsing, ConflictsShowTheirBoxAndFailTheParse)
{
    struct Case {
        const char* first;
        uint8_t firstDirection;
        const char* second;
        uint8_t secondDirection;
        const char* box;
    };
    const Case cases[] = {
        {"SDA", DIRECTION_INOUT, "sda", DIRECTION_INOUT, "sda"},           // names compared ignoring case
        {"LED[0]", DIRECTION_OUTPUT, "LED", DIRECTION_OUTPUT, "LED"},      // a scalar after a bus
        {"LED", DIRECTION_OUTPUT, "LED[0]", DIRECTION_OUTPUT, "LED[0]"},   // a bus member after a scalar
        {"D[0]", DIRECTION_OUTPUT, "D[4]", DIRECTION_INPUT, "Connector D[4]:1 has an unmathced pin direction"},
    };
    for (const Case& c : cases) {
        GenerateEnv env;
        int beeps = platform::BeepCount();
        TMainBoard board;
        TConnector& g = Group(board, "G", {BoardPin(c.first, "A1", c.firstDirection),
                                           BoardPin(c.second, "A2", c.secondDirection)});
        TPinParsing parsing;
        EXPECT_FALSE(parsing.Parse(g)) << c.second;
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{c.box});
        EXPECT_EQ(env.dialogs.Boxes()[0].caption, "Error");
        EXPECT_EQ(platform::BeepCount(), beeps + 1);
        EXPECT_FALSE(board.VerilogPortList().has_value());
    }
}

TEST(PinParsing, PortListsSeparateEveryPortButTheLastOfTheWholeList)
{
    GenerateEnv env;
    TMainBoard board;
    Group(board, "A", {BoardPin("X", "A1", DIRECTION_INPUT)}, "first");
    Group(board, "B", {BoardPin("X", "A2", DIRECTION_OUTPUT), BoardPin("Y[1]", "A3", DIRECTION_OUTPUT)});
    Group(board, "C", {BoardPin("Z", "A4", DIRECTION_NONE)});
    EXPECT_EQ(*board.VerilogPortList(),
              "\r\n\t//////////// A, first //////////\r\n"
              "\tinput \t\t          \t\tX,\r\n"
              "\r\n\t//////////// B //////////\r\n"
              "\toutput\t\t          \t\tX,\r\n"
              "\toutput\t\t     [1:1]\t\tY\r\n"
              "\r\n\t//////////// C //////////\r\n");
    EXPECT_EQ(*board.VhdlPortList(),
              "\r\n\t------------ A, first ------------\r\n"
              "\tX               \t:in    \tstd_logic;\r\n"
              "\r\n\t------------ B ------------\r\n"
              "\tX               \t:out   \tstd_logic;\r\n"
              "\tY               \t:out   \tstd_logic_vector(1 downto 1)\r\n"
              "\r\n\t------------ C ------------\r\n");
    EXPECT_TRUE(env.dialogs.Boxes().empty());  // one name on two connectors is no conflict

    TMainBoard single;
    Group(single, "S", {BoardPin("ONE", "A1", DIRECTION_OUTPUT)});
    EXPECT_EQ(*single.VerilogPortList(), "\r\n\t//////////// S //////////\r\n\toutput\t\t          \t\tONE\r\n");
}

#include <gtest/gtest.h>

#include "core/model/Pin.h"
#include "platform/Environment.h"
#include "platform/Errors.h"

TEST(Pin, ConstructorsSetTheirFields)
{
    TPin empty;
    EXPECT_EQ(empty.GetName(), "");
    EXPECT_EQ(empty.GetPinIndex(), 0);
    EXPECT_EQ(empty.GetIoStandard(), 8);
    EXPECT_EQ(empty.GetDirection(), DIRECTION_NONE);

    TPin board("CLOCK_50", "AF14", DIRECTION_INPUT, 8, 50);
    EXPECT_EQ(board.GetLocation(), "AF14");
    EXPECT_EQ(board.GetPinIndex(), -1);
    EXPECT_EQ(board.GetFlag(), 0);
    EXPECT_EQ(board.IsClock(), 1);
    EXPECT_EQ(board.GetFrequency(), "50.000000 MHz");
    EXPECT_EQ(board.GetClockPeriod(), 0);

    TPin card("SDA", DIRECTION_INOUT, 6, 33, 1);
    EXPECT_EQ(card.GetLocation(), "");
    EXPECT_EQ(card.GetPinIndex(), 33);
    EXPECT_EQ(card.GetFlag(), 1);
    EXPECT_EQ(card.IsClock(), 0);
    EXPECT_EQ(card.GetFrequency(), "");
}

TEST(Pin, FrequencyMakesAClockOnlyAboveZero)
{
    struct Case { float mhz; int clock; const char* text; };
    for (const Case& c : {Case{0, 0, ""}, Case{-5, 0, ""}, Case{50, 1, "50.000000 MHz"},
                          Case{156.25f, 1, "156.250000 MHz"}}) {
        TPin pin("X", "A1", DIRECTION_INPUT, 8, c.mhz);
        EXPECT_EQ(pin.IsClock(), c.clock) << c.mhz;
        EXPECT_EQ(pin.GetFrequency(), c.text) << c.mhz;
    }
}

TEST(Pin, CopyTakesTheWholeRecord)
{
    TPin source("A", DIRECTION_OUTPUT, 21, 7, 1);
    source.SetBank("BANK 3B");
    source.SetClockPeriod(20);
    source.SetFrequency("x MHz");
    TPin target("B", "C3", DIRECTION_INPUT, 8, 0);
    target = source;
    EXPECT_EQ(target.GetName(), "A");
    EXPECT_EQ(target.GetLocation(), "");
    EXPECT_EQ(target.GetFlag(), 1);
    EXPECT_EQ(target.GetBank(), "BANK 3B");
    EXPECT_EQ(target.GetClockPeriod(), 20);
    EXPECT_EQ(target.GetPinIndex(), 7);
    EXPECT_EQ(target.GetIoStandard(), 21);
}

TEST(Pin, SettersStoreAndClockIsSignExtended)
{
    TPin pin;
    pin.SetName("LEDR[3]");
    pin.SetLocation("AA24");
    pin.SetDirection(DIRECTION_OUTPUT);
    pin.SetIoStandard(6);
    pin.SetPinIndex(12);
    pin.SetClockPeriod(8);
    pin.SetFrequency("125 MHz");
    pin.SetClock(-1);
    EXPECT_EQ(pin.GetName(), "LEDR[3]");
    EXPECT_EQ(pin.GetLocation(), "AA24");
    EXPECT_EQ(pin.GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(pin.GetIoStandard(), 6);
    EXPECT_EQ(pin.GetPinIndex(), 12);
    EXPECT_EQ(pin.GetClockPeriod(), 8);
    EXPECT_EQ(pin.GetFrequency(), "125 MHz");
    EXPECT_EQ(pin.Clock, -1);
    EXPECT_EQ(pin.IsClock(), 0xFF);
    EXPECT_EQ(pin.GetPinIndexText(), "12");
}

TEST(Pin, DirectionTextsAreSixWide)
{
    TPin pin;
    pin.SetDirection(DIRECTION_INOUT);
    EXPECT_EQ(pin.GetDirectionText(), "inout ");
    pin.SetDirection(DIRECTION_INPUT);
    EXPECT_EQ(pin.GetDirectionText(), "input ");
    pin.SetDirection(DIRECTION_OUTPUT);
    EXPECT_EQ(pin.GetDirectionText(), "output");
    for (uint8_t d : {DIRECTION_NONE, DIRECTION_FROM_DAUGHTER, uint8_t(200)}) {
        pin.SetDirection(d);
        EXPECT_THROW(pin.GetDirectionText(), platform::InternalError);
    }
}

TEST(Pin, IoStandardNamesAtBothEndsOfTheTable)
{
    EXPECT_EQ(IoStandardName(0), "1.5 V");
    EXPECT_EQ(IoStandardName(8), "3.3-V LVTTL");
    EXPECT_EQ(IoStandardName(21), "LVDS");
    EXPECT_EQ(IoStandardName(28), "SSTL-15");
    EXPECT_EQ(IoStandardName(51), "SSTL-15");
    EXPECT_EQ(IoStandardName(52), "HSSI Differential I/O");
    EXPECT_EQ(IoStandardName(56), "Differential 1.2-V SSTL");
    for (int index : {57, 58, 255}) {
        int beeps = platform::BeepCount();
        EXPECT_EQ(IoStandardName(static_cast<uint8_t>(index)), "") << index;
        EXPECT_EQ(platform::BeepCount(), beeps + 1) << index;
    }
    TPin pin;
    pin.SetIoStandard(39);
    EXPECT_EQ(pin.GetIoStandardText(), "3.0-V PCI-X");
}

TEST(Pin, BusNameHelpers)
{
    struct Case { const char* name; bool has; int index; const char* base; };
    const Case cases[] = {
        {"DATA[12]", true, 12, "DATA"},  {"A[1]_B[2]", true, 1, "A"}, {"KEY", false, -1, ""},
        {"X[-3]", true, -3, "X"},         {"[0]", true, 0, ""},        {"B[+7]", true, 7, "B"},
        {"Q[", false, -1, "Q"},           {"Q]", false, -1, ""},
        {"N[2147483647]", true, 2147483647, "N"}, {"N[-2147483648]", true, -2147483647 - 1, "N"},
    };
    for (const Case& c : cases) {
        TPin pin(c.name, DIRECTION_INOUT, 8, 1, 0);
        EXPECT_EQ(pin.HasArrayIndex(), c.has) << c.name;
        EXPECT_EQ(pin.GetArrayIndex(), c.index) << c.name;
        EXPECT_EQ(pin.GetArrayBaseName(), c.base) << c.name;
    }
}

TEST(Pin, BusIndexIsParsedStrictly)
{
    for (const char* name : {"X]Y[", "A[]", "A[12x]", "A[ 3]", "A[3 ]", "A[0x1]", "A[-]", "A[2147483648]",
                             "A[-2147483649]", "A[1.5]"}) {
        TPin pin(name, DIRECTION_INOUT, 8, 1, 0);
        EXPECT_TRUE(pin.HasArrayIndex()) << name;
        EXPECT_THROW(pin.GetArrayIndex(), platform::ConversionError) << name;
    }
}

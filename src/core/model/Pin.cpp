#include "core/model/Pin.h"

#include <limits>

#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr const char* kIoStandardNames[IOSTD_COUNT] = {
    "1.5 V",                             // 0
    "1.5-V HSTL Class I",                // 1
    "1.5-V HSTL Class II",               // 2
    "1.8 V",                             // 3
    "1.8-V HSTL Class I",                // 4
    "1.8-V HSTL Class II",               // 5
    "2.5 V",                             // 6
    "3.3-V LVCMOS",                      // 7
    "3.3-V LVTTL",                       // 8
    "Differential 1.5-V HSTL Class I",   // 9
    "Differential 1.5-V HSTL Class II",  // 10
    "Differential 1.5-V SSTL",           // 11
    "Differential 1.5-V SSTL Class I",   // 12
    "Differential 1.5-V SSTL Class II",  // 13
    "Differential 1.8-V HSTL Class I",   // 14
    "Differential 1.8-V HSTL Class II",  // 15
    "Differential 1.8-V SSTL Class I",   // 16
    "Differential 1.8-V SSTL Class II",  // 17
    "Differential 2.5-V SSTL Class I",   // 18
    "Differential 2.5-V SSTL Class II",  // 19
    "Differential LVPECL",               // 20
    "LVDS",                              // 21
    "LVDS_E_1R",                         // 22
    "LVDS_E_3R",                         // 23
    "mini-LVDS",                         // 24
    "mini-LVDS_E_1R",                    // 25
    "RSDS",                              // 26
    "RSDS_E_1R",                         // 27
    "SSTL-15",                           // 28
    "SSTL-15 Class I",                   // 29
    "SSTL-15 Class II",                  // 30
    "SSTL-18 Class I",                   // 31
    "SSTL-18 Class II",                  // 32
    "SSTL-2 Class I",                    // 33
    "SSTL-2 Class II",                   // 34
    "1.4-V PCML",                        // 35
    "1.5-V PCML",                        // 36
    "HCSL",                              // 37
    "3.0-V PCI",                         // 38
    "3.0-V PCI-X",                       // 39
    "1.2 V",                             // 40
    "1.2-V HSTL Class I",                // 41
    "1.2-V HSTL Class II",               // 42
    "1.2-V HSUL",                        // 43
    "Differential 1.2-V HSTL Class I",   // 44
    "Differential 1.2-V HSTL Class II",  // 45
    "Differential 1.2-V HSUL",           // 46
    "1.5 V Schmitt Trigger",             // 47
    "1.8 V Schmitt Trigger",             // 48
    "2.5 V Schmitt Trigger",             // 49
    "3.3 V Schmitt Trigger",             // 50
    "SSTL-15",                           // 51
    "HSSI Differential I/O",             // 52
    "1.2-V POD",                         // 53
    "Differential 1.2-V POD",            // 54
    "SSTL-12",                           // 55
    "Differential 1.2-V SSTL",           // 56
};

template <typename T>
void Store(T& field, const T& value)
{
    if (field != value) field = value;
}

}  // namespace

TPin::TPin() = default;

TPin::TPin(const std::string& name, const std::string& location, uint8_t direction,
           uint8_t ioStandard, float frequencyMHz)
{
    Name = name;
    Location = location;
    Direction = direction;
    IoStandard = ioStandard;
    PinIndex = -1;
    if (frequencyMHz > 0) {
        Clock = 1;
        Frequency = platform::Format("%f MHz", static_cast<double>(frequencyMHz));
    }
}

TPin::TPin(const std::string& name, uint8_t direction, uint8_t ioStandard, int32_t pinIndex,
           uint8_t flag)
{
    Name = name;
    Direction = direction;
    IoStandard = ioStandard;
    PinIndex = pinIndex;
    Flag = flag;
}

void TPin::SetName(const std::string& value) { Store(Name, value); }
void TPin::SetLocation(const std::string& value) { Store(Location, value); }
void TPin::SetDirection(uint8_t value) { Store(Direction, value); }
void TPin::SetIoStandard(uint8_t value) { Store(IoStandard, value); }
void TPin::SetPinIndex(int32_t value) { Store(PinIndex, value); }
void TPin::SetClock(int8_t value) { Store(Clock, static_cast<int32_t>(value)); }
void TPin::SetClockPeriod(int32_t value) { Store(ClockPeriod, value); }
void TPin::SetFrequency(const std::string& value) { Store(Frequency, value); }
void TPin::SetBank(const std::string& value) { Store(Bank, value); }

std::string TPin::GetDirectionText() const
{
    switch (Direction) {
    case DIRECTION_INOUT: return "inout ";
    case DIRECTION_INPUT: return "input ";
    case DIRECTION_OUTPUT: return "output";
    }
    PW_CHECK(0);
    return std::string();
}

std::string TPin::GetIoStandardText() const { return IoStandardName(IoStandard); }

std::string TPin::GetPinIndexText() const { return platform::Format("%d", PinIndex); }

bool TPin::HasArrayIndex() const
{
    return Name.find('[') != std::string::npos && Name.find(']') != std::string::npos;
}

int TPin::GetArrayIndex() const
{
    auto open = Name.find('[');
    auto close = Name.find(']');
    if (open == std::string::npos || close == std::string::npos) return -1;
    std::string text = close > open ? Name.substr(open + 1, close - open - 1) : std::string();
    int32_t value = 0;
    if (!ParseStrictInt32(text, value))
        throw platform::ConversionError("'" + text + "' is not a valid integer value");
    return value;
}

std::string TPin::GetArrayBaseName() const
{
    auto open = Name.find('[');
    return open == std::string::npos ? std::string() : Name.substr(0, open);
}

std::string IoStandardName(uint8_t index)
{
    if (index >= IOSTD_COUNT) {
        platform::Beep();
        return std::string();
    }
    return kIoStandardNames[index];
}

bool ParseStrictInt32(const std::string& text, int32_t& value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
    }
    int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(result);
    return true;
}

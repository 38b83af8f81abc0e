#pragma once
// One FPGA signal of the board model.
#include <cstdint>
#include <string>

constexpr uint8_t DIRECTION_NONE = 0;
constexpr uint8_t DIRECTION_INOUT = 1;
constexpr uint8_t DIRECTION_INPUT = 2;
constexpr uint8_t DIRECTION_OUTPUT = 3;
constexpr uint8_t DIRECTION_FROM_DAUGHTER = 4;

constexpr uint8_t IOSTD_DEFAULT = 8;         // "3.3-V LVTTL"
constexpr uint8_t IOSTD_COUNT = 57;          // entries of IoStandardName
constexpr uint8_t IOSTD_FROM_DAUGHTER = 58;  // a board pin that takes the card pin's standard

// The pin record. Texts are strings, so no name, location or frequency can overflow.
struct CONFIG {
    std::string Name;
    std::string Location;
    uint8_t Direction = DIRECTION_NONE;
    uint8_t IoStandard = IOSTD_DEFAULT;
    uint8_t Flag = 0;
    int32_t PinIndex = 0;
    int32_t Clock = 0;
    int32_t ClockPeriod = 0;
    std::string Frequency;
    std::string Bank;
};

class TPin : public CONFIG {
public:
    TPin();
    // Board definitions: a frequency above 0 makes a clock pin with the text "%f MHz".
    TPin(const std::string& name, const std::string& location, uint8_t direction, uint8_t ioStandard,
         float frequencyMHz);
    // Card pin maps: no location.
    TPin(const std::string& name, uint8_t direction, uint8_t ioStandard, int32_t pinIndex, uint8_t flag);

    const std::string& GetName() const { return Name; }
    void SetName(const std::string& value);
    const std::string& GetLocation() const { return Location; }
    void SetLocation(const std::string& value);
    uint8_t GetDirection() const { return Direction; }
    void SetDirection(uint8_t value);
    uint8_t GetIoStandard() const { return IoStandard; }
    void SetIoStandard(uint8_t value);
    int32_t GetPinIndex() const { return PinIndex; }
    void SetPinIndex(int32_t value);
    uint8_t IsClock() const { return static_cast<uint8_t>(Clock & 0xFF); }
    void SetClock(int8_t value);
    int32_t GetClockPeriod() const { return ClockPeriod; }
    void SetClockPeriod(int32_t value);
    const std::string& GetFrequency() const { return Frequency; }
    void SetFrequency(const std::string& value);
    const std::string& GetBank() const { return Bank; }
    void SetBank(const std::string& value);
    uint8_t GetFlag() const { return Flag; }

    bool IsActive() const { return Direction != DIRECTION_NONE; }
    // "inout ", "input " or "output"; an internal error for any other direction.
    std::string GetDirectionText() const;
    std::string GetIoStandardText() const;
    std::string GetPinIndexText() const;

    // Bus-name helpers on the first "[" and the first "]" of the name.
    bool HasArrayIndex() const;
    // -1 without both brackets; raises platform::ConversionError when the text between
    // them is not a decimal int32.
    int GetArrayIndex() const;
    // The text before the first "["; empty without one.
    std::string GetArrayBaseName() const;
};

// The Quartus name of an I/O standard; empty text and a beep past the table.
std::string IoStandardName(uint8_t index);

// Strict decimal int32: an optional sign and digits only, nothing around them.
bool ParseStrictInt32(const std::string& text, int32_t& value);

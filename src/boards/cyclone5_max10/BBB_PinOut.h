#pragma once
// The signals of the two 46-position BBB expansion headers (P8 and P9) in the header modes
// that name their positions one by one.
#include <cstdint>
#include <string>

constexpr uint8_t BBB_HEADER_P8 = 0;
constexpr uint8_t BBB_HEADER_P9 = 1;
constexpr int32_t BBB_HEADER_POSITIONS = 46;

constexpr uint8_t BBB_MODE_DEFAULT = 1;   // every located position a generic pin: no table
constexpr uint8_t BBB_MODE_WIFI_BLE = 2;
constexpr uint8_t BBB_MODE_7 = 10;

// One header position in one mode; an empty name where the position carries no signal.
struct BBB_PIN_INFO {
    char name[32];
    int32_t direction;
    int32_t ioStandard;
};

// The row of a position (1 to 46) of header P8 (0) or P9 (1) in mode 2 or 10: true with the
// row's name (possibly empty), direction and I/O standard. Any other mode, header or
// position has no row: false, and the outputs stay as they were.
bool GetBbbPin(uint8_t mode, uint8_t header, int32_t PinIndex, std::string& name, int32_t& direction,
               int32_t& ioStandard);

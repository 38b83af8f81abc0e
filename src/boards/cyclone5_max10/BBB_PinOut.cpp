#include "boards/cyclone5_max10/BBB_PinOut.h"

#include "core/model/Pin.h"

namespace {

constexpr int32_t in = DIRECTION_INPUT;
constexpr int32_t out = DIRECTION_OUTPUT;
constexpr int32_t inout = DIRECTION_INOUT;
constexpr int32_t LVTTL = 8;  // "3.3-V LVTTL"

// Row i describes position i + 1; a position without a signal is an empty inout row.

// Mode 2 ("WIFI-BLE"), header P8.
constexpr BBB_PIN_INFO szBbbWifiBle_P8[BBB_HEADER_POSITIONS] = {
    {"", inout, LVTTL},  // 1
    {"", inout, LVTTL},  // 2
    {"", inout, LVTTL},  // 3
    {"", inout, LVTTL},  // 4
    {"", inout, LVTTL},  // 5
    {"", inout, LVTTL},  // 6
    {"", inout, LVTTL},  // 7
    {"", inout, LVTTL},  // 8
    {"", inout, LVTTL},  // 9
    {"", inout, LVTTL},  // 10
    {"BLE_DIO6", in, LVTTL},  // 11
    {"BLE_DIO7", in, LVTTL},  // 12
    {"", inout, LVTTL},  // 13
    {"BLE_DIO8", in, LVTTL},  // 14
    {"WIFI_HIB_N", out, LVTTL},  // 15
    {"WIFI_IRQ", in, LVTTL},  // 16
    {"WIFI_ANT", out, LVTTL},  // 17
    {"BLE_ANT", out, LVTTL},  // 18
    {"", inout, LVTTL},  // 19
    {"", inout, LVTTL},  // 20
    {"", inout, LVTTL},  // 21
    {"", inout, LVTTL},  // 22
    {"", inout, LVTTL},  // 23
    {"", inout, LVTTL},  // 24
    {"", inout, LVTTL},  // 25
    {"BLE_DIO9", in, LVTTL},  // 26
    {"", inout, LVTTL},  // 27
    {"", inout, LVTTL},  // 28
    {"", inout, LVTTL},  // 29
    {"", inout, LVTTL},  // 30
    {"", inout, LVTTL},  // 31
    {"", inout, LVTTL},  // 32
    {"WIFI_UART_CTS", in, LVTTL},  // 33
    {"", inout, LVTTL},  // 34
    {"WIFI_UART_RTS", out, LVTTL},  // 35
    {"", inout, LVTTL},  // 36
    {"", inout, LVTTL},  // 37
    {"", inout, LVTTL},  // 38
    {"", inout, LVTTL},  // 39
    {"", inout, LVTTL},  // 40
    {"", inout, LVTTL},  // 41
    {"", inout, LVTTL},  // 42
    {"", inout, LVTTL},  // 43
    {"", inout, LVTTL},  // 44
    {"", inout, LVTTL},  // 45
    {"", inout, LVTTL},  // 46
};

// Mode 2, header P9.
constexpr BBB_PIN_INFO szBbbWifiBle_P9[BBB_HEADER_POSITIONS] = {
    {"", inout, LVTTL},  // 1
    {"", inout, LVTTL},  // 2
    {"", inout, LVTTL},  // 3
    {"", inout, LVTTL},  // 4
    {"", inout, LVTTL},  // 5
    {"", inout, LVTTL},  // 6
    {"", inout, LVTTL},  // 7
    {"", inout, LVTTL},  // 8
    {"", inout, LVTTL},  // 9
    {"", inout, LVTTL},  // 10
    {"WIFI_UART_RXD", in, LVTTL},  // 11
    {"BLE_DIO10", in, LVTTL},  // 12
    {"WIFI_UART_TXD", out, LVTTL},  // 13
    {"", inout, LVTTL},  // 14
    {"BLE_DIO11", in, LVTTL},  // 15
    {"", inout, LVTTL},  // 16
    {"WIFI_SPI_CS_N", out, LVTTL},  // 17
    {"WIFI_SPI_MISO", in, LVTTL},  // 18
    {"EEPROM_I2C_SCL", out, LVTTL},  // 19
    {"EEPROM_I2C_SDA", inout, LVTTL},  // 20
    {"WIFI_SPI_MOSI", out, LVTTL},  // 21
    {"WIFI_SPI_SCLK", out, LVTTL},  // 22
    {"BLE_DIO12", in, LVTTL},  // 23
    {"BLE_I2C_SCL", inout, LVTTL},  // 24
    {"BLE_DIO13", in, LVTTL},  // 25
    {"BLE_I2C_SDA", inout, LVTTL},  // 26
    {"BLE_DIO14", in, LVTTL},  // 27
    {"BLE_SPI_CS_N", in, LVTTL},  // 28
    {"BLE_SPI_MOSI", in, LVTTL},  // 29
    {"BLE_SPI_MISO", out, LVTTL},  // 30
    {"BLE_SPI_SCLK", in, LVTTL},  // 31
    {"", inout, LVTTL},  // 32
    {"", inout, LVTTL},  // 33
    {"", inout, LVTTL},  // 34
    {"", inout, LVTTL},  // 35
    {"", inout, LVTTL},  // 36
    {"", inout, LVTTL},  // 37
    {"", inout, LVTTL},  // 38
    {"", inout, LVTTL},  // 39
    {"", inout, LVTTL},  // 40
    {"", inout, LVTTL},  // 41
    {"BLE_DIO15", in, LVTTL},  // 42
    {"", inout, LVTTL},  // 43
    {"", inout, LVTTL},  // 44
    {"", inout, LVTTL},  // 45
    {"", inout, LVTTL},  // 46
};

// Mode 10 ("BBB Mode 7": the general-purpose I/O bits, gpio<bank>[<bit>]), header P8.
constexpr BBB_PIN_INFO szBbbMode7_P8[BBB_HEADER_POSITIONS] = {
    {"", inout, LVTTL},  // 1
    {"", inout, LVTTL},  // 2
    {"gpio1[6]", inout, LVTTL},  // 3
    {"gpio1[7]", inout, LVTTL},  // 4
    {"gpio1[2]", inout, LVTTL},  // 5
    {"gpio1[3]", inout, LVTTL},  // 6
    {"gpio2[2]", inout, LVTTL},  // 7
    {"gpio2[3]", inout, LVTTL},  // 8
    {"gpio2[5]", inout, LVTTL},  // 9
    {"gpio2[4]", inout, LVTTL},  // 10
    {"gpio1[13]", inout, LVTTL},  // 11
    {"gpio1[12]", inout, LVTTL},  // 12
    {"gpio0[23]", inout, LVTTL},  // 13
    {"gpio0[26]", inout, LVTTL},  // 14
    {"gpio1[15]", inout, LVTTL},  // 15
    {"gpio1[14]", inout, LVTTL},  // 16
    {"gpio0[27]", inout, LVTTL},  // 17
    {"gpio2[1]", inout, LVTTL},  // 18
    {"gpio0[22]", inout, LVTTL},  // 19
    {"gpio1[31]", inout, LVTTL},  // 20
    {"gpio1[30]", inout, LVTTL},  // 21
    {"gpio1[5]", inout, LVTTL},  // 22
    {"gpio1[4]", inout, LVTTL},  // 23
    {"gpio1[1]", inout, LVTTL},  // 24
    {"gpio1[0]", inout, LVTTL},  // 25
    {"gpio1[29]", inout, LVTTL},  // 26
    {"gpio2[22]", inout, LVTTL},  // 27
    {"gpio2[24]", inout, LVTTL},  // 28
    {"gpio2[23]", inout, LVTTL},  // 29
    {"gpio2[25]", inout, LVTTL},  // 30
    {"gpio0[10]", inout, LVTTL},  // 31
    {"gpio0[11]", inout, LVTTL},  // 32
    {"gpio0[9]", inout, LVTTL},  // 33
    {"gpio2[17]", inout, LVTTL},  // 34
    {"gpio0[8]", inout, LVTTL},  // 35
    {"gpio2[16]", inout, LVTTL},  // 36
    {"gpio2[14]", inout, LVTTL},  // 37
    {"gpio2[15]", inout, LVTTL},  // 38
    {"gpio2[12]", inout, LVTTL},  // 39
    {"gpio2[13]", inout, LVTTL},  // 40
    {"gpio2[10]", inout, LVTTL},  // 41
    {"gpio2[11]", inout, LVTTL},  // 42
    {"gpio2[8]", inout, LVTTL},  // 43
    {"gpio2[9]", inout, LVTTL},  // 44
    {"gpio2[6]", inout, LVTTL},  // 45
    {"gpio2[7]", inout, LVTTL},  // 46
};

// Mode 10, header P9.
constexpr BBB_PIN_INFO szBbbMode7_P9[BBB_HEADER_POSITIONS] = {
    {"", inout, LVTTL},  // 1
    {"", inout, LVTTL},  // 2
    {"", inout, LVTTL},  // 3
    {"", inout, LVTTL},  // 4
    {"", inout, LVTTL},  // 5
    {"", inout, LVTTL},  // 6
    {"", inout, LVTTL},  // 7
    {"", inout, LVTTL},  // 8
    {"", inout, LVTTL},  // 9
    {"", inout, LVTTL},  // 10
    {"gpio0[30]", inout, LVTTL},  // 11
    {"gpio1[28]", inout, LVTTL},  // 12
    {"gpio0[31]", inout, LVTTL},  // 13
    {"gpio1[18]", inout, LVTTL},  // 14
    {"gpio1[16]", inout, LVTTL},  // 15
    {"gpio1[19]", inout, LVTTL},  // 16
    {"gpio0[5]", inout, LVTTL},  // 17
    {"gpio0[4]", inout, LVTTL},  // 18
    {"gpio0[13]", inout, LVTTL},  // 19
    {"gpio0[12]", inout, LVTTL},  // 20
    {"gpio0[3]", inout, LVTTL},  // 21
    {"gpio0[2]", inout, LVTTL},  // 22
    {"gpio1[17]", inout, LVTTL},  // 23
    {"gpio0[15]", inout, LVTTL},  // 24
    {"gpio3[21]", inout, LVTTL},  // 25
    {"gpio0[14]", inout, LVTTL},  // 26
    {"gpio3[19]", inout, LVTTL},  // 27
    {"gpio3[17]", inout, LVTTL},  // 28
    {"gpio3[15]", inout, LVTTL},  // 29
    {"gpio3[16]", inout, LVTTL},  // 30
    {"gpio3[14]", inout, LVTTL},  // 31
    {"", inout, LVTTL},  // 32
    {"", inout, LVTTL},  // 33
    {"", inout, LVTTL},  // 34
    {"", inout, LVTTL},  // 35
    {"", inout, LVTTL},  // 36
    {"", inout, LVTTL},  // 37
    {"", inout, LVTTL},  // 38
    {"", inout, LVTTL},  // 39
    {"", inout, LVTTL},  // 40
    {"gpio0[20]", inout, LVTTL},  // 41
    {"gpio0[7]", inout, LVTTL},  // 42
    {"", inout, LVTTL},  // 43
    {"", inout, LVTTL},  // 44
    {"", inout, LVTTL},  // 45
    {"", inout, LVTTL},  // 46
};

const BBB_PIN_INFO* BbbTable(uint8_t mode, uint8_t header)
{
    if (header != BBB_HEADER_P8 && header != BBB_HEADER_P9) return nullptr;
    bool p8 = header == BBB_HEADER_P8;
    switch (mode) {
    case BBB_MODE_WIFI_BLE: return p8 ? szBbbWifiBle_P8 : szBbbWifiBle_P9;
    case BBB_MODE_7: return p8 ? szBbbMode7_P8 : szBbbMode7_P9;
    default: return nullptr;
    }
}

}  // namespace

bool GetBbbPin(uint8_t mode, uint8_t header, int32_t PinIndex, std::string& name, int32_t& direction,
               int32_t& ioStandard)
{
    const BBB_PIN_INFO* table = BbbTable(mode, header);
    if (!table || PinIndex < 1 || PinIndex > BBB_HEADER_POSITIONS) return false;
    const BBB_PIN_INFO& row = table[PinIndex - 1];
    name = row.name;
    direction = row.direction;
    ioStandard = row.ioStandard;
    return true;
}

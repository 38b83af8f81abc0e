#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "boards/cyclone5_max10/BBB_PinOut.h"
#include "core/model/Pin.h"

namespace {

struct Row {
    bool found;
    std::string name;
    int32_t direction;
    int32_t ioStandard;
};

Row Lookup(uint8_t mode, uint8_t header, int32_t position)
{
    Row row{false, "untouched", -7, -9};
    row.found = GetBbbPin(mode, header, position, row.name, row.direction, row.ioStandard);
    return row;
}

}  // namespace

// The named positions per table, and what every row holds: the LVTTL standard, and inout
// where the position carries nothing.
TEST(BbbPinOut, EachTableNamesItsPositionsAndNoMore)
{
    struct Table {
        uint8_t mode, header;
        int named;
        int inputs, outputs;
    };
    const Table tables[] = {
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 10, 6, 4},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 20, 11, 6},
        {BBB_MODE_7, BBB_HEADER_P8, 44, 0, 0},
        {BBB_MODE_7, BBB_HEADER_P9, 23, 0, 0},
    };
    std::set<std::string> mode7Names;
    for (const Table& t : tables) {
        SCOPED_TRACE(std::to_string(t.mode) + "/P" + std::to_string(t.header + 8));
        int named = 0, inputs = 0, outputs = 0;
        for (int32_t p = 1; p <= BBB_HEADER_POSITIONS; ++p) {
            Row row = Lookup(t.mode, t.header, p);
            ASSERT_TRUE(row.found) << p;
            EXPECT_EQ(row.ioStandard, 8) << p;
            if (row.name.empty()) {
                EXPECT_EQ(row.direction, DIRECTION_INOUT) << p;
                continue;
            }
            ++named;
            inputs += row.direction == DIRECTION_INPUT;
            outputs += row.direction == DIRECTION_OUTPUT;
            if (t.mode == BBB_MODE_7) {
                EXPECT_EQ(row.direction, DIRECTION_INOUT) << p;
                EXPECT_TRUE(mode7Names.insert(row.name).second) << row.name;
            }
        }
        EXPECT_EQ(named, t.named);
        EXPECT_EQ(inputs, t.inputs);
        EXPECT_EQ(outputs, t.outputs);
    }
}

TEST(BbbPinOut, SpotRows)
{
    struct Spot {
        uint8_t mode, header;
        int32_t position;
        const char* name;
        int32_t direction;
    };
    const Spot spots[] = {
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 11, "BLE_DIO6", DIRECTION_INPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 13, "", DIRECTION_INOUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 15, "WIFI_HIB_N", DIRECTION_OUTPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 35, "WIFI_UART_RTS", DIRECTION_OUTPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 11, "WIFI_UART_RXD", DIRECTION_INPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 14, "", DIRECTION_INOUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 20, "EEPROM_I2C_SDA", DIRECTION_INOUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 30, "BLE_SPI_MISO", DIRECTION_OUTPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 31, "BLE_SPI_SCLK", DIRECTION_INPUT},
        {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 42, "BLE_DIO15", DIRECTION_INPUT},
        {BBB_MODE_7, BBB_HEADER_P8, 2, "", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P8, 3, "gpio1[6]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P8, 20, "gpio1[31]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P8, 46, "gpio2[7]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 10, "", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 11, "gpio0[30]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 31, "gpio3[14]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 32, "", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 41, "gpio0[20]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 42, "gpio0[7]", DIRECTION_INOUT},
        {BBB_MODE_7, BBB_HEADER_P9, 46, "", DIRECTION_INOUT},
    };
    for (const Spot& s : spots) {
        Row row = Lookup(s.mode, s.header, s.position);
        ASSERT_TRUE(row.found) << int(s.mode) << "/" << int(s.header) << "/" << s.position;
        EXPECT_EQ(row.name, s.name) << s.position;
        EXPECT_EQ(row.direction, s.direction) << s.name;
        EXPECT_EQ(row.ioStandard, 8) << s.name;
    }
}

// Modes without a table, headers other than P8 and P9 and positions outside 1-46 have no
// row: false, and the outputs as they were.
TEST(BbbPinOut, NoRowOutsideTheTables)
{
    struct Query {
        uint8_t mode, header;
        int32_t position;
    };
    const Query queries[] = {
        {0, BBB_HEADER_P8, 11},          {BBB_MODE_DEFAULT, BBB_HEADER_P8, 11}, {3, BBB_HEADER_P9, 11},
        {255, BBB_HEADER_P8, 3},         {BBB_MODE_WIFI_BLE, 2, 11},            {BBB_MODE_7, 255, 3},
        {BBB_MODE_7, BBB_HEADER_P8, 0},  {BBB_MODE_7, BBB_HEADER_P8, 47},       {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, -1},
        {BBB_MODE_7, BBB_HEADER_P9, INT_MIN}, {BBB_MODE_7, BBB_HEADER_P9, INT_MAX},
    };
    for (const Query& q : queries) {
        Row row = Lookup(q.mode, q.header, q.position);
        EXPECT_FALSE(row.found) << int(q.mode) << "/" << int(q.header) << "/" << q.position;
        EXPECT_EQ(row.name, "untouched");
        EXPECT_EQ(row.direction, -7);
        EXPECT_EQ(row.ioStandard, -9);
    }
}

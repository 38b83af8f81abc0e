#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"

namespace {

struct ListCase {
    const char* what;
    uint8_t type;
    bool transceivers;
    uint8_t voltage;
    std::vector<int> ids;
};

}  // namespace

// Ulvarin's settings class builds the GPIO header list and one HSMC list per voltage.
TEST(CardList, UlvarinListsComeOutExactly)
{
    const ListCase cases[] = {
        {"GPIO header", CONNECTOR_GPIO40, false, VOLTAGE_2V5, {0, 1, 12, 13, 55, 62, 63, 66, 67, 74}},
        {"HSMC 3.3 V", CONNECTOR_HSMC, false, VOLTAGE_3V3, {0, 17, 57, 58, 59}},
        {"HSMC 2.5 V", CONNECTOR_HSMC, false, VOLTAGE_2V5,
         {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}},
        {"HSMC 1.8 V", CONNECTOR_HSMC, false, VOLTAGE_1V8, {0, 17}},
        {"HSMC 1.5 V", CONNECTOR_HSMC, false, VOLTAGE_1V5, {0, 17}},
    };
    TConfigTest settings;  // one object, rebuilt each time: no entry may survive a rebuild
    for (const ListCase& c : cases) {
        settings.BuildDaughterList(c.type, c.transceivers, c.voltage);
        EXPECT_EQ(ListOf(settings), c.ids) << c.what;
    }
}

TEST(CardList, ConnectorRulesOfBothHolders)
{
    const ListCase cases[] = {
        {"Kelpin", CONNECTOR_Kelpin, false, VOLTAGE_2V5, {0, 5, 6, 7, 8, 15, 20}},
        {"Kelpin with transceivers", CONNECTOR_Kelpin, true, VOLTAGE_2V5, {0, 5, 6, 7, 8, 15, 20, 21, 22, 23}},
        {"two headers", CONNECTOR_GPIO80, false, VOLTAGE_3V3, {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74}},
        {"HSMC 2.5 V with transceivers", CONNECTOR_HSMC, true, VOLTAGE_2V5,
         {0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61}},
        {"HSMC 3.0 V", CONNECTOR_HSMC, true, VOLTAGE_3V0, {0, 17}},
        {"Ombrel", CONNECTOR_Ombrel_2x6, false, VOLTAGE_2V5, {0, 72, 73}},
        {"DDR3", CONNECTOR_DDR3_SODIMM, false, VOLTAGE_2V5, {0, 38}},
        {"FMC LPC without transceivers", CONNECTOR_FMC_LPC, false, VOLTAGE_2V5, {0, 46, 50, 53, 76}},
    };
    TConfigTest board;
    TConfigBase<TEST_CONFIG> holder;
    for (const ListCase& c : cases) {
        board.BuildDaughterList(c.type, c.transceivers, c.voltage);
        holder.BuildDaughterList(c.type, c.transceivers, c.voltage);
        EXPECT_EQ(ListOf(board), c.ids) << c.what;
        EXPECT_EQ(ListOf(holder), c.ids) << c.what;
    }
}

TEST(CardList, OnlySettingsClassesApplyTheFmcVoltageRule)
{
    TConfigTest board;
    TConfigBase<TEST_CONFIG> holder;
    holder.BuildDaughterList(CONNECTOR_FMC_HPC, true, VOLTAGE_3V0);
    EXPECT_EQ(ListOf(holder), (std::vector<int>{0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 76}));
    board.BuildDaughterList(CONNECTOR_FMC_HPC, true, VOLTAGE_3V0);
    EXPECT_EQ(ListOf(board), (std::vector<int>{0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}));
    board.BuildDaughterList(CONNECTOR_FMC_HPC, true, VOLTAGE_1V5);  // 76 needs 1.8 V or more
    EXPECT_EQ(ListOf(board), (std::vector<int>{0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53}));
    board.BuildDaughterList(CONNECTOR_FMC_LPC, false, VOLTAGE_3V3);
    EXPECT_EQ(ListOf(board), (std::vector<int>{0, 46, 50, 53, 76}));
}

#include <gtest/gtest.h>

#include <set>

#include "cards/DaughterBoardInfo.h"

namespace {

bool In(const std::set<int>& s, int id) { return s.count(id) != 0; }

}  // namespace

TEST(Catalogue, ListsOverEveryIdMatchTheirDefinitions)
{
    const std::set<int> unlisted = {4, 16, 24, 25, 30, 34, 51, 52, 54, 56, 60, 64, 65, 68};
    const std::set<int> transceiver = {3, 21, 22, 23, 26, 37, 40, 41, 43, 45, 47, 48, 49, 51, 52, 88, 89, 90, 91};
    const std::set<int> v3v3 = {1, 12, 13, 34, 55, 57, 58, 59, 63, 85, 88};
    const std::set<int> v1v8 = {83, 86, 90};
    const std::set<int> v1v5 = {84, 87, 91};
    const std::set<int> v3v0 = {89, 92, 93};
    const std::set<int> nameless = {69, 70, 71, 75, 81, 92};
    for (int id = 0; id <= 255; ++id) {
        SCOPED_TRACE(id);
        uint8_t card = static_cast<uint8_t>(id);
        EXPECT_EQ(BoardIsListed(card), !In(unlisted, id));
        EXPECT_EQ(BoardNeedsTransceiver(card), In(transceiver, id));
        uint8_t expectedClass = In(v3v3, id) ? VOLTAGE_3V3
                                : In(v1v8, id) ? VOLTAGE_1V8
                                : In(v1v5, id) ? VOLTAGE_1V5
                                : In(v3v0, id) ? VOLTAGE_3V0
                                               : VOLTAGE_2V5;
        EXPECT_EQ(BoardVoltageClass(card), expectedClass);
        bool hasName = id <= 93 && !In(nameless, id);
        EXPECT_EQ(!BoardName(card).empty(), hasName);
        bool hasShort = hasName && !(id >= 77 && id <= 80);
        EXPECT_EQ(!BoardShortName(card).empty(), hasShort);
        if (!hasName) EXPECT_EQ(BoardConnectorType(card), id >= 77 && id <= 80 ? CONNECTOR_MEMORY_MODULE : CONNECTOR_NONE);
        EXPECT_EQ(BoardSortsPins(id), id < 40 || id > 47);
    }
}

TEST(Catalogue, TextsAreExact)
{
    struct Case { uint8_t id; const char* name; const char* shortName; uint8_t type; };
    const Case cases[] = {
        {DAUGHTER_NONE, "None", "None", CONNECTOR_NONE},
        {DAUGHTER_Garvet, "Garvet - 4.3\" LCD and Touch", "Garvet", CONNECTOR_GPIO40},
        {DAUGHTER_Wobrin, "Wobrin - 8\" LCD/Touch/Camera", "Wobrin", CONNECTOR_HSMC},
        {DAUGHTER_Kobbet_GPIO, "Kobbet - High Speed ADC/DAC", "Kobbet", CONNECTOR_GPIO80},
        {DAUGHTER_Yellip, "Yellip-Aptina Headboard Adaptor", "Yellip", CONNECTOR_HSMC},
        {DAUGHTER_FMC_Pashard_FOR_TI, "Pashard-FMC Adapter for TI", "Pashard-FMC adpter for TI", CONNECTOR_FMC_HPC},
        {DAUGHTER_Bellock, "Bellock -Multi-Touch/LCD/Camera", "Bellock", CONNECTOR_HSMC},
        {DAUGHTER_Rudgel, "Rudgel - Smart Car Daughtercard", "Smart Car", CONNECTOR_GPIO40},
        {DAUGHTER_Ombrel_Velket, "Ombrel Bluetooth SPP", "Velket-Ombrel", CONNECTOR_Ombrel_2x6},
        {DAUGHTER_DDR4_SODIMM_ECC, "DDR4 SODIMM with ECC", "", CONNECTOR_MEMORY_MODULE},
        {DAUGHTER_HSMC_DEFAULT_XCVR_3V0, "HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver", CONNECTOR_HSMC},
        {DAUGHTER_Ferrund_FMC, "Ferrund-FMC", "Ferrund-FMC", CONNECTOR_FMC_LPC},
        {DAUGHTER_Kelpin_DEFAULT, "Kelpin Default", "Kelpin_Default", CONNECTOR_Kelpin},
        {DAUGHTER_HSMC_DEFAULT_3V0, "HSMC Default - 3.0V", "HSMC Default - 3.0V", CONNECTOR_HSMC},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoardName(c.id), c.name) << int(c.id);
        EXPECT_EQ(BoardShortName(c.id), c.shortName) << int(c.id);
        EXPECT_EQ(BoardConnectorType(c.id), c.type) << int(c.id);
    }
    EXPECT_EQ(BoardDescription(DAUGHTER_GPIO_DEFAULT), "GPIO Default Pin Name");
    EXPECT_EQ(BoardDescription(DAUGHTER_Fobbin), "HSMC 150MSPS-ADC and 250MSPS-DAC");
    EXPECT_EQ(BoardDescription(DAUGHTER_Lorrat), "Lorrat - Industry Communication");
    EXPECT_EQ(BoardDescription(DAUGHTER_Tranmer), "");
    EXPECT_EQ(BoardDescription(DAUGHTER_Ombrel_Velket), "");
    EXPECT_EQ(BoardDescription(200), "");
}

TEST(Catalogue, UnknownIdsAreAnsweredNotLookedUp)
{
    EXPECT_EQ(BoardConnectorType(200), CONNECTOR_NONE);
    EXPECT_EQ(BoardVoltageClass(200), VOLTAGE_2V5);
    EXPECT_TRUE(BoardIsListed(200));
    EXPECT_EQ(BoardName(200), "");
    EXPECT_EQ(BoardShortName(94), "");
    EXPECT_FALSE(BoardNeedsTransceiver(255));
}

TEST(Catalogue, VoltageRules)
{
    struct Case { uint8_t id; uint8_t cls; bool fits; };
    const Case cases[] = {
        {DAUGHTER_FMC_Brasket, VOLTAGE_3V0, false}, {DAUGHTER_FMC_Brasket, VOLTAGE_3V3, true},
        {DAUGHTER_FMC_Wyrsel, VOLTAGE_1V5, true},   {DAUGHTER_FMC_Wyrsel, VOLTAGE_3V0, false},
        {DAUGHTER_Ferrund_FMC, VOLTAGE_1V5, false}, {DAUGHTER_Ferrund_FMC, VOLTAGE_1V8, true},
        {DAUGHTER_Ferrund_FMC, VOLTAGE_3V0, false}, {DAUGHTER_FMC_HPC_VITA, VOLTAGE_3V0, true},
        {DAUGHTER_FMC_Vossil, VOLTAGE_1V5, true},   {DAUGHTER_Quillet_HSMC, VOLTAGE_3V3, false},
        {DAUGHTER_Quillet_HSMC, VOLTAGE_2V5, true}, {DAUGHTER_HSMC_DEFAULT_1V8, VOLTAGE_1V8, true},
        {DAUGHTER_HSMC_DEFAULT_1V8, VOLTAGE_2V5, false}, {DAUGHTER_HSMC_DEFAULT_3V0, VOLTAGE_3V0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(BoardFitsVoltage(c.id, c.cls), c.fits) << int(c.id) << "/" << int(c.cls);
    EXPECT_TRUE(BoardFitsAnyVoltage(DAUGHTER_Quillet_HSMC, VOLTAGE_3V3));
    EXPECT_FALSE(BoardFitsAnyVoltage(DAUGHTER_HSMC_DEFAULT, VOLTAGE_2V5));

    struct Std { int id; uint8_t std; };
    for (const Std& s : {Std{85, 8}, Std{88, 8}, Std{86, 3}, Std{90, 3}, Std{87, 0}, Std{91, 0}, Std{89, 39},
                         Std{93, 39}, Std{2, 6}, Std{0, 6}, Std{-1, 6}, Std{300, 6}})
        EXPECT_EQ(BoardIoStandard(s.id), s.std) << s.id;
}

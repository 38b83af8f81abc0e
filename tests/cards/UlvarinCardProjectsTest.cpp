// Whole Ulvarin projects with a card on the GPIO header or the HSMC connector, written the
// way the form's Generate writes them and checked by the tools. A duplicate or malformed
// port name, a standard or location the .qsf misstates, fails here.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "GenerateEnv.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/DaughterBoardInfo.h"
#include "core/generate/SystemBuild.h"
#include "platform/Environment.h"

namespace {

// Generates the record's project in a folder of its own, then checks it against the model
// built again from the same record. The board is the headless pair's, written past the pair's
// card check: the cards below include some that no list offers, for their maps' sake.
void ExpectUlvarinProjectAccepted(const ULVARIN_CONFIG& record)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    const std::string file = dir.Path() + "Ulvarin.qpf";
    TConfigUlvarin settings;
    settings.Config = record;
    TMainBoard written;
    BuildUlvarinProjectBoard(written, settings);
    ASSERT_TRUE(TSystemBuild().Generate(written, file, record.bVhdl != 0));
    EXPECT_TRUE(env.dialogs.Boxes().empty());

    TConfigUlvarin again;
    again.Config = record;
    TMainBoard board;
    BuildUlvarinProjectBoard(board, again);
    board.SortConnectorPins();
    tooltest::ExpectProjectAccepted(board, file, record.bVhdl != 0);
}

std::string Language(bool vhdl) { return vhdl ? "Vhdl" : "Verilog"; }

// ---- cards on the 40-pin GPIO header, listed or not ----

std::vector<int> Gpio40Cards()
{
    std::vector<int> cards;
    for (int id = 1; id < DAUGHTER_ID_COUNT; ++id)
        if (BoardConnectorType(static_cast<uint8_t>(id)) == CONNECTOR_GPIO40) cards.push_back(id);
    return cards;
}

using GpioParam = std::tuple<int, bool>;

class GpioCardOnUlvarin : public ::testing::TestWithParam<GpioParam> {};

TEST_P(GpioCardOnUlvarin, ProjectAccepted)
{
    const auto [card, vhdl] = GetParam();
    ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
    record.bVhdl = vhdl;
    record.nGpioDaughterId[0] = static_cast<uint8_t>(card);
    ExpectUlvarinProjectAccepted(record);
}

INSTANTIATE_TEST_SUITE_P(EveryGpio40Card, GpioCardOnUlvarin,
                         ::testing::Combine(::testing::ValuesIn(Gpio40Cards()), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<GpioParam>& info) {
                             return "Card" + std::to_string(std::get<0>(info.param)) + "_" +
                                    Language(std::get<1>(info.param));
                         });

// ---- HSMC cards the voltage lists offer ----

// The adaptor, loopback, debug, multimedia, DVI, HDMI, Camera Link, camera and LCD cards.
bool IsOverlayOrMediaCard(uint8_t id)
{
    switch (id) {
    case DAUGHTER_Quillet_HSMC: case DAUGHTER_Quillet_Sollip_J2: case DAUGHTER_Quillet_Sollip_J3:
    case DAUGHTER_Quillet_Sollip_BOTH: case DAUGHTER_HSMC_LOOPBACK: case DAUGHTER_HSMC_LOOPBACK_XCVR:
    case DAUGHTER_HSMC_DEBUG: case DAUGHTER_Gantrel: case DAUGHTER_Nuppel: case DAUGHTER_Cobrel:
    case DAUGHTER_Brasket_TX: case DAUGHTER_Brasket_RX: case DAUGHTER_Tranmer: case DAUGHTER_Yellip:
    case DAUGHTER_Wobrin: case DAUGHTER_Hasket: case DAUGHTER_Bellock: case DAUGHTER_Fermock:
        return true;
    default:
        return false;
    }
}

struct HsmcOffer {
    int32_t voltage;  // the index of the voltage combo
    uint8_t card;
};

void PrintTo(const HsmcOffer& o, std::ostream* os) { *os << "voltage " << o.voltage << " card " << int(o.card); }

// The lists built as the form builds them: one per voltage index, its voltage class.
std::vector<HsmcOffer> OfferedOverlayAndMediaCards()
{
    constexpr uint8_t kClassOfIndex[] = {VOLTAGE_3V3, VOLTAGE_2V5, VOLTAGE_1V8, VOLTAGE_1V5};
    std::vector<HsmcOffer> offers;
    for (int32_t voltage = 0; voltage < 4; ++voltage) {
        TConfigUlvarin list;
        list.BuildDaughterList(CONNECTOR_HSMC, false, kClassOfIndex[voltage]);
        for (int i = 0; i < list.DaughterCount; ++i)
            if (IsOverlayOrMediaCard(list.DaughterIds[i])) offers.push_back({voltage, list.DaughterIds[i]});
    }
    return offers;
}

using HsmcOfferParam = std::tuple<HsmcOffer, bool>;

class OfferedHsmcCardOnUlvarin : public ::testing::TestWithParam<HsmcOfferParam> {};

TEST_P(OfferedHsmcCardOnUlvarin, ProjectAccepted)
{
    const auto [offer, vhdl] = GetParam();
    ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
    record.bVhdl = vhdl;
    record.nHsmcVoltage = offer.voltage;
    record.nHsmcDaughterId = offer.card;
    ExpectUlvarinProjectAccepted(record);
}

INSTANTIATE_TEST_SUITE_P(EveryVoltageList, OfferedHsmcCardOnUlvarin,
                         ::testing::Combine(::testing::ValuesIn(OfferedOverlayAndMediaCards()), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<HsmcOfferParam>& info) {
                             const HsmcOffer& o = std::get<0>(info.param);
                             return "Voltage" + std::to_string(o.voltage) + "_Card" + std::to_string(o.card) + "_" +
                                    Language(std::get<1>(info.param));
                         });

// The lists must keep offering these cards, or the projects above would silently shrink.
TEST(OfferedHsmcCardOnUlvarin, ListsOfferTheAdaptorAtEveryVoltage)
{
    int adaptor = 0, at2V5 = 0;
    for (const HsmcOffer& o : OfferedOverlayAndMediaCards()) {
        if (o.card == DAUGHTER_Quillet_HSMC) ++adaptor;
        if (o.voltage == 1) ++at2V5;
    }
    EXPECT_EQ(adaptor, 4);
    EXPECT_EQ(at2V5, 12);
}

// ---- default, LVDS, converter, transceiver, Ethernet and industrial HSMC cards ----

// Offered or not: their transceiver lanes (positions 1 to 32) have no FPGA pin here and fall away.
constexpr int kHsmcInterfaceCards[] = {
    DAUGHTER_HSMC_DEFAULT,          DAUGHTER_HSMC_DEFAULT_XCVR,     DAUGHTER_HSMC_DEFAULT_3V3,
    DAUGHTER_HSMC_DEFAULT_3V0,      DAUGHTER_HSMC_DEFAULT_1V8,      DAUGHTER_HSMC_DEFAULT_1V5,
    DAUGHTER_HSMC_DEFAULT_XCVR_3V3, DAUGHTER_HSMC_DEFAULT_XCVR_3V0, DAUGHTER_HSMC_DEFAULT_XCVR_1V8,
    DAUGHTER_HSMC_DEFAULT_XCVR_1V5, DAUGHTER_HSMC_LVDS_DEFAULT,     DAUGHTER_Fobbin,
    DAUGHTER_Kobbet_HSMC,           DAUGHTER_Sendle,                DAUGHTER_Dortle,
    DAUGHTER_Hobbard,               DAUGHTER_Vossil,                DAUGHTER_Wyrsel,
    DAUGHTER_Lorrat,                DAUGHTER_Pemmit,
};

using HsmcCardParam = std::tuple<int, bool>;

class HsmcInterfaceCardOnUlvarin : public ::testing::TestWithParam<HsmcCardParam> {};

TEST_P(HsmcInterfaceCardOnUlvarin, ProjectAccepted)
{
    const auto [card, vhdl] = GetParam();
    ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
    record.bVhdl = vhdl;
    record.nHsmcDaughterId = static_cast<uint8_t>(card);
    ExpectUlvarinProjectAccepted(record);
}

INSTANTIATE_TEST_SUITE_P(EachCard, HsmcInterfaceCardOnUlvarin,
                         ::testing::Combine(::testing::ValuesIn(kHsmcInterfaceCards), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<HsmcCardParam>& info) {
                             return "Card" + std::to_string(std::get<0>(info.param)) + "_" +
                                    Language(std::get<1>(info.param));
                         });

// ---- cards whose signals meet ----

// Each pair declares one signal twice: Generate refuses it before any file, naming the signal
// and both connectors; with a prefix on the GPIO card the same choice compiles.
TEST(CardsSharingASignal, RefusedUntilOneTakesAnotherPrefix)
{
    struct Case {
        int32_t voltage;
        uint8_t gpioCard;
        uint8_t hsmcCard;
        const char* gpioPrefix;
        bool hps;
        const char* signal;
        const char* first;  // the connectors that declare it, in list order, by name
        const char* second;
    };
    const Case cases[] = {
        {1, DAUGHTER_Omblin, DAUGHTER_Fermock, "", false, "LSENSOR_INT", "GPIO", "HSMC"},
        {1, DAUGHTER_Ferrund_GPIO, DAUGHTER_Fermock, "", false, "CAMERA_I2C_SCL", "GPIO", "HSMC"},
        {0, DAUGHTER_Sollip, DAUGHTER_Quillet_Sollip_J2, "", false, "Sollip_D", "GPIO", "HSMC"},
        {0, DAUGHTER_Sollip, DAUGHTER_Quillet_Sollip_J3, "", false, "Sollip_D", "GPIO", "HSMC"},
        {1, DAUGHTER_GPIO_DEFAULT, DAUGHTER_NONE, "HPS_LTC_", true, "HPS_LTC_GPIO", "HPS", "GPIO"},
    };
    for (const Case& c : cases) {
        for (bool vhdl : {false, true}) {
            ULVARIN_CONFIG record = TConfigUlvarin::DefaultConfig();
            record.bVhdl = vhdl;
            record.bHps = c.hps;
            record.nHsmcVoltage = c.voltage;
            record.nGpioDaughterId[0] = c.gpioCard;
            record.nHsmcDaughterId = c.hsmcCard;
            std::strcpy(record.szGpioPrefixName[0], c.gpioPrefix);
            {
                gentest::GenerateEnv env;
                tooltest::TempDir dir;
                TConfigUlvarin settings;
                settings.Config = record;
                EXPECT_FALSE(GenerateUlvarinProject(settings, dir.Path() + "Ulvarin.qpf")) << c.signal;
                EXPECT_EQ(env.dialogs.Texts(),
                          std::vector<std::string>{std::string("Signal ") + c.signal + " comes from both " + c.first +
                                                   " and " + c.second + "; give one of them another prefix."});
                EXPECT_FALSE(platform::FileExists(dir.Path() + "Ulvarin.qpf"));
            }
            std::strcpy(record.szGpioPrefixName[0], "G_");
            ExpectUlvarinProjectAccepted(record);
        }
    }
}

}  // namespace

// Camera, display, converter, USB, sensor and motor cards of the GPIO headers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CardCheck.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "cards/CardMap.h"
#include "cards/CardMaps.h"
#include "cards/DaughterBoardInfo.h"
#include "core/model/MainBoard.h"

using namespace cardtest;

namespace {

enum class StdRule {
    Derived,  // the board's IoStd
    Fixed8,   // 3.3-V LVTTL whatever the board
};

struct GpioCard {
    const char* label;
    uint8_t card;
    int entries;
    int active;
    int inputs;
    int outputs;
    int inouts;
    const char* empty;  // in the positions notation of the pin tables
    StdRule stdRule;
    // The map called directly with a standard; empty for maps that take none.
    std::function<void(TDaughterBoard*, uint8_t)> withStd;
};

const std::vector<GpioCard>& Cards()
{
    static const std::vector<GpioCard> cards = {
        {"Sollip", DAUGHTER_Sollip, 40, 21, 16, 4, 1, "3, 11, 12, 17, 18, 21, 28-40", StdRule::Derived,
         D_GPIO_Sollip},
        {"Ferrund", DAUGHTER_Ferrund_GPIO, 40, 22, 13, 5, 4, "2, 3, 11, 12, 16-20, 22, 24, 29, 30, 34, 37-40",
         StdRule::Derived, D_GPIO_Ferrund},
        {"Garvet", DAUGHTER_Garvet, 40, 36, 3, 32, 1, "11, 12, 29, 30", StdRule::Derived, D_GPIO_Garvet},
        {"Pelvin", DAUGHTER_Pelvin, 40, 28, 3, 25, 0, "10, 11, 12, 29-37", StdRule::Fixed8, nullptr},
        {"Jundle", DAUGHTER_Jundle, 40, 33, 5, 27, 1, "11-14, 16, 29, 30", StdRule::Fixed8, D_GPIO_Jundle},
        {"Corvish", DAUGHTER_Corvish, 40, 30, 1, 28, 1, "1, 3, 11, 12, 19, 20, 29, 30, 34, 40", StdRule::Derived,
         D_GPIO_Corvish},
        {"Ravesh", DAUGHTER_Ravesh, 40, 30, 1, 28, 1, "1, 3, 11, 12, 19, 20, 29, 30, 34, 40", StdRule::Derived,
         D_GPIO_Ravesh},
        {"Kobbet", DAUGHTER_Kobbet_GPIO, 80, 70, 32, 38, 0, "11, 12, 29, 30, 39, 51, 52, 63, 69, 70",
         StdRule::Derived, D_GPIO80_Kobbet},
        {"Tennel FIFO", DAUGHTER_Tennel_FIFO, 40, 19, 5, 6, 8,
         "2, 4, 6, 8, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 29, 30, 35, 37, 39, 40", StdRule::Fixed8, D_GPIO_Tennel_FIFO},
        // ADBUS[5] and BDBUS[7] sit on 13 and 14, so the empty positions are the unwired ones.
        {"Tennel native", DAUGHTER_Tennel_NATIVE, 40, 35, 2, 1, 32, "11, 12, 29, 30, 40", StdRule::Fixed8,
         D_GPIO_Tennel_NATIVE},
        {"Ostrum", DAUGHTER_Ostrum, 40, 21, 6, 10, 5, "1-5, 7-14, 29, 30, 33, 36, 38, 40", StdRule::Fixed8,
         nullptr},
        {"Arduino", DAUGHTER_ARDUINO_DIGITAL, 40, 16, 0, 0, 16, "1-3, 11, 12, 22-40", StdRule::Fixed8, nullptr},
        {"Rudgel", DAUGHTER_Rudgel, 40, 32, 3, 13, 16, "1-4, 11, 12, 29, 30", StdRule::Fixed8, nullptr},
        {"Tilvard", DAUGHTER_TILVARD, 40, 36, 10, 13, 13, "11, 12, 29, 30", StdRule::Fixed8, nullptr},
        {"Tesvik", DAUGHTER_Tesvik, 40, 30, 2, 2, 26, "11, 12, 27-30, 34, 36, 39, 40", StdRule::Fixed8, nullptr},
        {"Omblin", DAUGHTER_Omblin, 40, 34, 9, 9, 16, "11, 12, 27-30", StdRule::Fixed8, nullptr},
    };
    return cards;
}

// Boards whose derived IoStd differs: the caller's default (Ulvarin), 3.0-V PCI-X, 2.5 V, 1.8 V.
struct BoardStd {
    int board;
    uint8_t defaultStd;
    uint8_t ioStd;
};
constexpr BoardStd kBoards[] = {
    {MAINBOARD_Ulvarin, 8, 8},
    {MAINBOARD_Ulvarin, 6, 6},
    {MAINBOARD_Corbanth, 8, 39},
    {MAINBOARD_Vellani, 8, 6},
    {MAINBOARD_Idrenne, 8, 3},
};

MapExpectation Expect(const GpioCard& c, std::string label, std::function<std::unique_ptr<TDaughterBoard>()> build)
{
    MapExpectation e;
    e.label = std::move(label);
    e.build = std::move(build);
    e.entries = c.entries;
    e.active = c.active;
    e.inputs = c.inputs;
    e.outputs = c.outputs;
    e.inouts = c.inouts;
    e.checkEmpty = true;
    e.empty = cardmap::ExpandPositions(c.empty);
    return e;
}

std::unique_ptr<TDaughterBoard> Build(uint8_t card) { return BuildCard(card, MAINBOARD_Ulvarin); }

}  // namespace

TEST(GpioCards, EveryMapThroughTheDispatcherOnEachStandard)
{
    for (const GpioCard& c : Cards()) {
        for (const BoardStd& b : kBoards) {
            std::string label = std::string(c.label) + " on board " + std::to_string(b.board) + " default " +
                                std::to_string(b.defaultStd);
            CheckMap(Expect(c, label, [&] { return BuildCard(c.card, b.board, 0, b.defaultStd); }));
            auto d = BuildCard(c.card, b.board, 0, b.defaultStd);
            const uint8_t std = c.stdRule == StdRule::Derived ? b.ioStd : 8;
            EXPECT_EQ(CountStandard(*d, std), c.active) << label;
            EXPECT_EQ(d->GetName(), BoardName(c.card)) << label;
            EXPECT_EQ(d->GetType(), c.entries == 80 ? CONNECTOR_GPIO80 : CONNECTOR_GPIO40) << label;
        }
    }
}

TEST(GpioCards, MapsTakingAStandardPutItOnEveryPin)
{
    for (const GpioCard& c : Cards()) {
        if (!c.withStd) continue;
        for (uint8_t std : {uint8_t{6}, uint8_t{0}}) {
            std::string label = std::string(c.label) + " direct with " + std::to_string(std);
            CheckMap(Expect(c, label, [&] { return RunMap([&](TDaughterBoard* d) { c.withStd(d, std); }); }));
            auto d = RunMap([&](TDaughterBoard* p) { c.withStd(p, std); });
            EXPECT_EQ(CountStandard(*d, std), c.active) << label;
        }
    }
}

TEST(GpioCards, CatalogueTextsAfterBuild)
{
    EXPECT_EQ(Build(DAUGHTER_Kobbet_GPIO)->GetDescription(), "GPIO 65MSPS-ADC and 125MSPS-DAC");
    EXPECT_EQ(Build(DAUGHTER_Tennel_FIFO)->GetDescription(), "PIO High-Speed USB (Sync FIFO)");
    EXPECT_EQ(Build(DAUGHTER_Tennel_NATIVE)->GetDescription(), "PIO High-Speed USB (Native)");
    EXPECT_EQ(Build(DAUGHTER_Sollip)->GetDescription(), "Sollip - 5M Pixel Camera");
}

// Positions whose names do not follow a simple count.
TEST(GpioCards, ScrambledBusesKeepTheirIndexes)
{
    struct Spot {
        uint8_t card;
        int position;
        const char* name;
        uint8_t dir;
    };
    const Spot spots[] = {
        {DAUGHTER_Sollip, 2, "Sollip_D[11]", DIRECTION_INPUT},
        {DAUGHTER_Sollip, 16, "Sollip_D[0]", DIRECTION_INPUT},
        {DAUGHTER_Sollip, 26, "Sollip_SDATA", DIRECTION_INOUT},
        {DAUGHTER_Ferrund_GPIO, 4, "MIPI_PIXEL_D[0]", DIRECTION_INPUT},
        {DAUGHTER_Ferrund_GPIO, 15, "MIPI_PIXEL_D[9]", DIRECTION_INPUT},
        {DAUGHTER_Garvet, 6, "Garvet_B[3]", DIRECTION_OUTPUT},
        {DAUGHTER_Garvet, 9, "Garvet_B[0]", DIRECTION_OUTPUT},
        {DAUGHTER_Garvet, 16, "Garvet_B[4]", DIRECTION_OUTPUT},
        {DAUGHTER_Garvet, 19, "Garvet_B[7]", DIRECTION_OUTPUT},
        {DAUGHTER_Garvet, 28, "Garvet_R[0]", DIRECTION_OUTPUT},
        {DAUGHTER_Garvet, 31, "Garvet_R[1]", DIRECTION_OUTPUT},
        {DAUGHTER_Pelvin, 9, "Pelvin_D[0]", DIRECTION_OUTPUT},
        {DAUGHTER_Pelvin, 16, "Pelvin_D[4]", DIRECTION_OUTPUT},
        {DAUGHTER_Jundle, 17, "LCD_R[2]", DIRECTION_OUTPUT},
        {DAUGHTER_Jundle, 18, "LCD_R[1]", DIRECTION_OUTPUT},
        {DAUGHTER_Jundle, 40, "LCD_B[5]", DIRECTION_OUTPUT},
        {DAUGHTER_Corvish, 22, "Corvish_G[6]", DIRECTION_OUTPUT},
        {DAUGHTER_Corvish, 23, "Corvish_B[0]", DIRECTION_OUTPUT},
        {DAUGHTER_Corvish, 24, "Corvish_G[7]", DIRECTION_OUTPUT},
        {DAUGHTER_Ravesh, 13, "Corvish_R[7]", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 6, "ADC_DB[4]", DIRECTION_INPUT},
        {DAUGHTER_Kobbet_GPIO, 7, "ADC_DB[3]", DIRECTION_INPUT},
        {DAUGHTER_Kobbet_GPIO, 36, "ADC_DA[13]", DIRECTION_INPUT},
        {DAUGHTER_Kobbet_GPIO, 40, "ADC_OEB_A", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 42, "DAC_DA[13]", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 58, "DAC_DA[0]", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 71, "DAC_DB[5]", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 78, "DAC_DB[2]", DIRECTION_OUTPUT},
        {DAUGHTER_Kobbet_GPIO, 80, "DAC_MODE", DIRECTION_OUTPUT},
        {DAUGHTER_Tennel_NATIVE, 9, "ADBUS[4]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 15, "ADBUS[6]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 10, "BDBUS[6]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 37, "BDBUS[0]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 39, "BDBUS[1]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 13, "ADBUS[5]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 14, "BDBUS[7]", DIRECTION_INOUT},
        {DAUGHTER_Tennel_NATIVE, 38, "RESET_n", DIRECTION_OUTPUT},
        {DAUGHTER_ARDUINO_DIGITAL, 10, "Arduino_IO[6]", DIRECTION_INOUT},
        {DAUGHTER_ARDUINO_DIGITAL, 13, "Arduino_IO[7]", DIRECTION_INOUT},
        {DAUGHTER_Rudgel, 22, "Ombrel0[4]", DIRECTION_INOUT},
        {DAUGHTER_Rudgel, 38, "Ombrel1[7]", DIRECTION_INOUT},
        {DAUGHTER_TILVARD, 34, "Ombrel[4]", DIRECTION_INOUT},
        {DAUGHTER_TILVARD, 25, "TRIG[1]", DIRECTION_OUTPUT},
        {DAUGHTER_TILVARD, 32, "PWM[3]", DIRECTION_OUTPUT},
        {DAUGHTER_Tesvik, 26, "PMW[23]", DIRECTION_INOUT},
        {DAUGHTER_Omblin, 36, "Ombrel_D[0]", DIRECTION_INOUT},
        {DAUGHTER_Omblin, 40, "Ombrel_D[4]", DIRECTION_INOUT},
        {DAUGHTER_Ostrum, 6, "BEEP_OUT", DIRECTION_OUTPUT},
        {DAUGHTER_Ostrum, 39, "TEMP_SDA", DIRECTION_INOUT},
    };
    for (const Spot& s : spots) {
        auto d = Build(s.card);
        const TPin* pin = At(*d, s.position);
        ASSERT_NE(pin, nullptr) << BoardName(s.card) << " position " << s.position;
        EXPECT_EQ(pin->GetName(), s.name) << BoardName(s.card) << " position " << s.position;
        EXPECT_EQ(pin->GetDirection(), s.dir) << s.name;
    }
}

TEST(GpioCards, BothMultiTouchPanelsGiveTheSameEntries)
{
    auto a = Build(DAUGHTER_Corvish);
    auto b = Build(DAUGHTER_Ravesh);
    ASSERT_EQ(a->GetPinCount(), b->GetPinCount());
    for (int p = 1; p <= a->GetPinCount(); ++p) {
        const TPin* x = At(*a, p);
        const TPin* y = At(*b, p);
        ASSERT_EQ(x == nullptr, y == nullptr) << p;
        if (!x) continue;
        EXPECT_EQ(x->GetName(), y->GetName());
        EXPECT_EQ(x->GetDirection(), y->GetDirection());
        EXPECT_EQ(x->GetIoStandard(), y->GetIoStandard());
    }
}

TEST(GpioCards, MotorLinesSharedByTheCarCards)
{
    auto rudgel = Build(DAUGHTER_Rudgel);
    auto tilvard = Build(DAUGHTER_TILVARD);
    const char* names[] = {"MTRR_N", "MTRR_P", "MTRL_P", "MTRL_N", "MTR_Sleep_n", "MTR_Fault_n"};
    for (int p = 5; p <= 10; ++p) {
        ASSERT_TRUE(At(*rudgel, p) && At(*tilvard, p)) << p;
        EXPECT_EQ(At(*rudgel, p)->GetName(), names[p - 5]);
        EXPECT_EQ(At(*tilvard, p)->GetName(), names[p - 5]);
        EXPECT_EQ(At(*rudgel, p)->GetDirection(), At(*tilvard, p)->GetDirection());
    }
}

// Both modes of the USB card drive the same header lines: what the FIFO mode calls data
// bit i is ADBUS[i] in native mode, the FIFO control lines are ACBUS[0..6], and so on.
TEST(GpioCards, UsbCardKeepsEachLineOnItsPositionInBothModes)
{
    auto fifo = Build(DAUGHTER_Tennel_FIFO);
    auto native = Build(DAUGHTER_Tennel_NATIVE);
    auto nameAt = [](const TDaughterBoard& d, int p) { return At(d, p) ? At(d, p)->GetName() : std::string("-"); };
    int paired = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string data = "USB_FIFO_D[" + std::to_string(i) + "]";
        for (int p = 1; p <= 40; ++p)
            if (nameAt(*fifo, p) == data && ++paired) EXPECT_EQ(nameAt(*native, p), "ADBUS[" + std::to_string(i) + "]");
    }
    const char* control[] = {"USB_FIFO_RXF_n", "USB_FIFO_TXE_n", "USB_FIFO_RD_n",  "USB_FIFO_WR_n",
                             "USB_FIFO_SIWU_n", "USB_FIFO_CLKOUT", "USB_FIFO_OE_n"};
    for (int i = 0; i < 7; ++i)
        for (int p = 1; p <= 40; ++p)
            if (nameAt(*fifo, p) == control[i] && ++paired)
                EXPECT_EQ(nameAt(*native, p), "ACBUS[" + std::to_string(i) + "]");
    EXPECT_EQ(paired, 15);
    EXPECT_EQ(nameAt(*fifo, 32), "USB_FIFO_PWRSAV_n");
    EXPECT_EQ(nameAt(*native, 32), "BCBUS[7]");
    EXPECT_EQ(nameAt(*fifo, 34), "USB_FIFO_PWREN_n");
    EXPECT_EQ(nameAt(*native, 34), "PWREN_n");
    EXPECT_EQ(nameAt(*fifo, 36), "USB_FIFO_SUSPEND_n");
    EXPECT_EQ(nameAt(*native, 36), "SUSPEND_n");
    EXPECT_EQ(nameAt(*fifo, 38), "USB_FIFO_RESET_n");
    EXPECT_EQ(nameAt(*native, 38), "RESET_n");
}

// On a real header every card signal must reach a board pin with a location: Ulvarin's
// header carries no FPGA pin on 11, 12, 29 and 30, so a signal placed there would vanish.
TEST(GpioCards, EverySignalReachesAPinOfUlvarinsHeader)
{
    for (const GpioCard& c : Cards()) {
        if (c.entries != 40) continue;
        SCOPED_TRACE(c.label);
        TConfigUlvarin settings;
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.nGpioDaughterId[0] = c.card;
        TMainBoard board;
        BuildMainBoard_Ulvarin(&board, &settings);
        board.AttachGpioCard(EXPANSION_GPIO_0, c.card, "J_", "", 8);
        const TConnector* gpio = board.FindExpansionConnector(EXPANSION_GPIO_0);
        ASSERT_TRUE(gpio);
        auto card = Build(c.card);
        EXPECT_EQ(gpio->GetActivePinCount(), c.active);
        for (int p = 1; p <= 40; ++p) {
            const TPin* pin = At(*card, p);
            if (!pin) continue;
            const TPin* boardPin = At(*gpio, p);
            ASSERT_NE(boardPin, nullptr) << pin->GetName() << " on position " << p;
            EXPECT_EQ(boardPin->GetName(), "J_" + pin->GetName());
            EXPECT_FALSE(boardPin->GetLocation().empty()) << pin->GetName();
            EXPECT_EQ(boardPin->GetDirection(), pin->GetDirection()) << pin->GetName();
            EXPECT_EQ(boardPin->GetIoStandard(), pin->GetIoStandard()) << pin->GetName();
        }
    }
}

#include "boards/cyclone5_max10/KestwinFamily.h"

#include <algorithm>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/ConfigShared.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/RecordText.h"
#include "platform/Format.h"

namespace {

using cardmap::in;
using cardmap::inout;
using cardmap::out;

constexpr uint8_t LVTTL = 8;           // "3.3-V LVTTL"
constexpr uint8_t SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr uint8_t DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"

constexpr BoardPinRow kAdc[] = {
    {"ADC_CONVST", out, LVTTL, "U9"},
    {"ADC_SCK", out, LVTTL, "V10"},
    {"ADC_SDI", out, LVTTL, "AC4"},
    {"ADC_SDO", in, LVTTL, "AD4"},
};

constexpr BoardPinRow kArduino[] = {
    {"ARDUINO_IO[0..15]", inout, LVTTL, "AG13 AF13 AG10 AG9 U14 U13 AG8 AH8 AF17 AE15 AF15 AG16 AH11 AH12 AH9 AG11"},
    {"ARDUINO_RESET_N", inout, LVTTL, "AH7"},
};

// Clocks described by their frequency text, without a period.
constexpr BoardPinRow kClock[] = {
    {"FPGA_CLK1_50", in, LVTTL, "V11", ClockText("50.0 MHz")},
    {"FPGA_CLK2_50", in, LVTTL, "Y13", ClockText("50.0 MHz")},
    {"FPGA_CLK3_50", in, LVTTL, "E11", ClockText("50.0 MHz")},
};

// The processor side has no FPGA pins of its own: every pin is a port without a location.
// The RZQ pin, whose standard the boards set differently, stands between these two parts.
constexpr BoardPinRow kHpsBeforeRzq[] = {
    {"HPS_CONV_USB_N", inout, LVTTL, ""},
    {"HPS_DDR3_ADDR[0..14]", out, SSTL15_I, ""},
    {"HPS_DDR3_BA[0..2], HPS_DDR3_CAS_N, HPS_DDR3_CKE", out, SSTL15_I, ""},
    {"HPS_DDR3_CK_N, HPS_DDR3_CK_P", out, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_CS_N, HPS_DDR3_DM[0..3]", out, SSTL15_I, ""},
    {"HPS_DDR3_DQ[0..31]", inout, SSTL15_I, ""},
    {"HPS_DDR3_DQS_N[0..3], HPS_DDR3_DQS_P[0..3]", inout, DIFF_SSTL15_I, ""},
    {"HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_RESET_N", out, SSTL15_I, ""},
};
constexpr BoardPinRow kHpsAfterRzq[] = {
    {"HPS_DDR3_WE_N", out, SSTL15_I, ""},
    {"HPS_ENET_GTX_CLK", out, LVTTL, ""},
    {"HPS_ENET_INT_N", inout, LVTTL, ""},
    {"HPS_ENET_MDC", out, LVTTL, ""},
    {"HPS_ENET_MDIO", inout, LVTTL, ""},
    {"HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", in, LVTTL, ""},
    {"HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", out, LVTTL, ""},
    {"HPS_GSENSOR_INT, HPS_I2C0_SCLK, HPS_I2C0_SDAT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_KEY, HPS_LED, HPS_LTC_GPIO", inout, LVTTL, ""},
    {"HPS_SD_CLK", out, LVTTL, ""},
    {"HPS_SD_CMD, HPS_SD_DATA[0..3]", inout, LVTTL, ""},
    {"HPS_SPIM_CLK", out, LVTTL, ""},
    {"HPS_SPIM_MISO", in, LVTTL, ""},
    {"HPS_SPIM_MOSI", out, LVTTL, ""},
    {"HPS_SPIM_SS", inout, LVTTL, ""},
    {"HPS_UART_RX", in, LVTTL, ""},
    {"HPS_UART_TX", out, LVTTL, ""},
    {"HPS_USB_CLKOUT", in, LVTTL, ""},
    {"HPS_USB_DATA[0..7]", inout, LVTTL, ""},
    {"HPS_USB_DIR, HPS_USB_NXT", in, LVTTL, ""},
    {"HPS_USB_STP", out, LVTTL, ""},
};

constexpr BoardPinRow kKey[] = {
    {"KEY[0..1]", in, LVTTL, "AH17 AH16"},
};

constexpr BoardPinRow kLed[] = {
    {"LED[0..7]", out, LVTTL, "W15 AA24 V16 V15 AF26 AE26 Y16 AA23"},
};

// The cards both header combos offer, as the forms build their list.
int32_t ListedGpioCards(uint8_t (&ids)[256])
{
    return configshared::BuildDaughterList(ids, CONNECTOR_GPIO40, false, VOLTAGE_2V5, false);
}

}  // namespace

void BuildKestwinFamilyBoard(TMainBoard& board, const KestwinFamilyData& data, const KestwinFamilyChoices& choices)
{
    board.ClearConnectors();
    board.m_Family = "Cyclone V";
    board.m_Device = data.device;
    board.m_DevicePinCount = data.devicePinCount;
    board.m_Package = "UFBGA";
    board.m_SpeedGradeText = data.speedGrade;

    if (choices.adc) AddBoardGroup(board, "ADC", kAdc);
    if (choices.arduino) AddBoardGroup(board, "ARDUINO", kArduino);
    if (choices.clock) AddBoardGroup(board, "CLOCK", kClock);
    if (choices.hdmi) AddBoardGroup(board, "HDMI", data.hdmi);
    if (choices.hps) {
        TConnector* hps = AddBoardGroup(board, "HPS", kHpsBeforeRzq);
        const BoardPinRow rzq[] = {{"HPS_DDR3_RZQ", in, data.rzqStd, ""}};
        AddBoardPins(*hps, rzq);
        AddBoardPins(*hps, kHpsAfterRzq);
    }
    if (choices.button) AddBoardGroup(board, "KEY", kKey);
    if (choices.led) AddBoardGroup(board, "LED", kLed);
    if (choices.sw) AddBoardGroup(board, "SW", data.sw);

    const std::span<const char* const> tables[2] = {data.gpio0, data.gpio1};
    for (int h = 0; h < 2; ++h) {
        if (choices.cards[h] == 0) continue;
        AddExpansionConnector(board, platform::Format("GPIO_%d", h),
                              platform::Format("GPIO connect to %s", BoardName(choices.cards[h]).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0 + h, tables[h]);
    }
}

void KeepListedGpioCards(uint8_t (&cards)[2])
{
    uint8_t ids[256];
    const int32_t count = ListedGpioCards(ids);
    for (uint8_t& card : cards)
        if (std::find(ids, ids + count, card) == ids + count) card = 0;
}

void AttachKestwinFamilyHeaders(TMainBoard& board, const uint8_t (&cards)[2], const char (&prefixes)[2][128])
{
    const std::string prefix0 = ReadRecordText(prefixes[GPIO_0]);
    const std::string prefix1 = ReadRecordText(prefixes[GPIO_1]);
    AttachGpioHeaderPair(board, cards[GPIO_0], prefix0, cards[GPIO_1], prefix1,
                         IsGpioDefaultPair(cards[GPIO_0], prefix0, cards[GPIO_1], prefix1));
}

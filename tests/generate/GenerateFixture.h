#pragma once
// A small board for the project writers: a few groups, a bus with gaps added in descending
// order, a pin without location, a pin not in use, clock pins, an expansion connector with
// a card, and a last connector without any pin in use.
#include <memory>

#include "RecordSettings.h"
#include "core/model/MainBoard.h"

namespace gentest {

inline TPin* BoardPin(const char* name, const char* location, uint8_t direction, uint8_t std = 8)
{
    return new TPin(name, location, direction, std, 0.0f);
}

inline TPin* CardPin(const char* name, const char* location, uint8_t direction, int32_t position)
{
    TPin* pin = new TPin(name, location, direction, 6, 0.0f);
    pin->SetPinIndex(position);
    return pin;
}

// The settings object of the fixture, a record of Ulvarin's size read by the .sdc writer:
// SDRAM (byte 142) and VGA (141) ticked, audio (143) and video input (144) not.
inline tooltest::RecordSettings& FixtureSettings()
{
    static tooltest::RecordSettings settings(416);
    settings.bytes.assign(416, 0);
    settings.bytes[141] = 1;
    settings.bytes[142] = 1;
    return settings;
}

inline std::unique_ptr<TMainBoard> MakeFixtureBoard(uint8_t boardId = MAINBOARD_Ulvarin)
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = boardId;
    if (boardId == MAINBOARD_Ulvarin) board->m_pConfigBoard = &FixtureSettings();
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSXFC6D6F31C6";
    board->m_Package = "FBGA";
    board->m_DevicePinCount = 896;
    board->m_SpeedGradeText = "6";

    auto* clock = new TConnector("CLOCK", "", CONNECTOR_NONE, -1);
    clock->AddPin(new TPin("CLOCK_50", "AF14", DIRECTION_INPUT, 8, 50.0f));
    TPin* clock2 = BoardPin("CLOCK2_50", "AA16", DIRECTION_INPUT, 6);
    clock2->SetClock(1);
    clock2->SetClockPeriod(20);
    clock->AddPin(clock2);
    board->AddConnector(clock);

    auto* key = new TConnector("KEY", "", CONNECTOR_NONE, -1);
    key->AddPin(BoardPin("KEY[1]", "AK4", DIRECTION_INPUT));
    key->AddPin(BoardPin("KEY[0]", "AJ4", DIRECTION_INPUT));
    key->AddPin(BoardPin("KEY[2]", "AA14", DIRECTION_NONE));  // not in use
    board->AddConnector(key);

    auto* led = new TConnector("LED", "", CONNECTOR_NONE, -1);
    led->AddPin(BoardPin("LEDR[9]", "AC22", DIRECTION_OUTPUT));
    led->AddPin(BoardPin("LEDR[7]", "AF24", DIRECTION_OUTPUT));
    led->AddPin(BoardPin("LEDR[2]", "AC23", DIRECTION_OUTPUT));
    led->AddPin(BoardPin("LEDR_EN", "AB22", DIRECTION_OUTPUT, 7));
    board->AddConnector(led);

    auto* hps = new TConnector("HPS", "", CONNECTOR_NONE, -1);
    hps->AddPin(BoardPin("HPS_LED", "", DIRECTION_INOUT));  // no location
    board->AddConnector(hps);

    auto* gpio = new TConnector("GPIO", "GPIO connect to Test Card", CONNECTOR_GPIO40, -1);
    gpio->AddPin(nullptr);
    gpio->AddPin(CardPin("TC_D[1]", "AC18", DIRECTION_INOUT, 2));
    gpio->AddPin(CardPin("TC_CLK", "Y17", DIRECTION_INPUT, 3));
    gpio->AddPin(BoardPin("", "AD17", DIRECTION_NONE));  // position without card signal
    gpio->AddPin(CardPin("TC_D[0]", "Y18", DIRECTION_INOUT, 5));
    gpio->SetExpansion(1);
    gpio->SetExpansionId(EXPANSION_GPIO_0);
    gpio->SetDaughterType(CONNECTOR_GPIO40);
    board->AddConnector(gpio);

    auto* sw = new TConnector("SW", "", CONNECTOR_NONE, -1);
    sw->AddPin(BoardPin("SW[0]", "AB30", DIRECTION_NONE));
    board->AddConnector(sw);
    return board;
}

}  // namespace gentest

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "platform/Errors.h"

namespace {

std::vector<std::string> ConnectorNames(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) names.push_back(board.GetConnector(i)->GetName());
    return names;
}

const TConnector* Find(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

void Everything(TConfigUlvarin& s)
{
    s.Config = TConfigUlvarin::DefaultConfig();
    s.Config.bHps = 1;
    s.Config.nGpioDaughterId[0] = 1;
    s.Config.nHsmcDaughterId = 2;
}

}  // namespace

TEST(UlvarinDefinition, DefaultRecordGivesThirteenConnectorsInOrder)
{
    TConfigUlvarin settings;
    settings.Config = TConfigUlvarin::DefaultConfig();
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "Seg7", "SDRAM", "Video-In", "VGA", "Audio",
                                        "PS2", "ADC", "I2C for Audio and Video-In", "IR"}));
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSXFC6D6F31C6");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_Ulvarin);
    EXPECT_EQ(board.m_pConfigBoard, &settings);

    const TConnector* clock = Find(board, "CLOCK");
    ASSERT_EQ(clock->GetPinCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(clock->GetPin(i)->IsClock(), 1);
        EXPECT_EQ(clock->GetPin(i)->GetFrequency(), "50.000000 MHz");
        EXPECT_EQ(clock->GetPin(i)->GetClockPeriod(), 0);
    }
    EXPECT_EQ(clock->GetPin(2)->GetName(), "CLOCK3_50");
    EXPECT_EQ(clock->GetPin(2)->GetIoStandard(), 6);
    EXPECT_EQ(Find(board, "SW")->GetPin(9)->GetLocation(), "AA30");
    EXPECT_EQ(Find(board, "Seg7")->GetPin(41)->GetName(), "HEX5[6]");
    EXPECT_EQ(Find(board, "Seg7")->GetPin(41)->GetLocation(), "AB21");
    EXPECT_EQ(Find(board, "SDRAM")->GetPin(32)->GetName(), "DRAM_DQ[15]");
    EXPECT_EQ(Find(board, "SDRAM")->GetPin(32)->GetDirection(), DIRECTION_INOUT);
    EXPECT_EQ(Find(board, "VGA")->GetPinCount(), 29);
    EXPECT_EQ(Find(board, "Video-In")->GetPin(11)->GetName(), "TD_RESET_N");
}

TEST(UlvarinDefinition, NothingTickedGivesNoConnector)
{
    TConfigUlvarin settings;
    std::memset(&settings.Config, 0, sizeof settings.Config);
    settings.Config.BoardId = MAINBOARD_Ulvarin;
    settings.Config.Size = 416;
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "5CSXFC6D6F31C6");
}

TEST(UlvarinDefinition, I2cGroupFollowsAudioOrVideoIn)
{
    struct Case { uint8_t audio, video; bool i2c; };
    for (Case c : {Case{0, 1, true}, Case{1, 0, true}, Case{0, 0, false}, Case{7, 0, true}}) {
        TConfigUlvarin settings;
        settings.Config = TConfigUlvarin::DefaultConfig();
        settings.Config.bAudio = c.audio;
        settings.Config.bVideoIn = c.video;
        TMainBoard board;
        BuildMainBoard_Ulvarin(&board, &settings);
        EXPECT_EQ(Find(board, "I2C for Audio and Video-In") != nullptr, c.i2c) << int(c.audio) << int(c.video);
    }
}

TEST(UlvarinDefinition, ExpansionConnectorsAndHps)
{
    TConfigUlvarin settings;
    Everything(settings);
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    EXPECT_EQ(board.GetConnectorCount(), 16);
    const TConnector* gpio = board.FindExpansionConnector(EXPANSION_GPIO_0);
    ASSERT_TRUE(gpio);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetPinCount(), 40);
    for (int p = 1; p <= 40; ++p) {
        bool empty = p == 11 || p == 12 || p == 29 || p == 30;
        ASSERT_EQ(gpio->GetPin(p - 1) == nullptr, empty) << p;
        if (!empty) {
            EXPECT_EQ(gpio->GetPin(p - 1)->GetDirection(), DIRECTION_FROM_DAUGHTER);
            EXPECT_EQ(gpio->GetPin(p - 1)->GetIoStandard(), IOSTD_FROM_DAUGHTER);
        }
    }
    EXPECT_EQ(gpio->GetPin(0)->GetLocation(), "W15");
    EXPECT_EQ(gpio->GetPin(39)->GetLocation(), "AA12");

    const TConnector* hsmc = board.FindExpansionConnector(EXPANSION_HSMC_A);
    ASSERT_TRUE(hsmc);
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->GetPinCount(), 160);
    EXPECT_EQ(hsmc->GetActivePinCount(), 84);
    for (int p = 1; p <= 32; ++p) EXPECT_EQ(hsmc->GetPin(p - 1), nullptr) << p;
    EXPECT_EQ(hsmc->GetPin(32)->GetLocation(), "AE29");
    EXPECT_EQ(hsmc->GetPin(95)->GetLocation(), "AA26");
    EXPECT_EQ(hsmc->GetPin(157)->GetLocation(), "G15");

    const TConnector* hps = Find(board, "HPS");
    ASSERT_TRUE(hps);
    EXPECT_EQ(hps->GetPin(0)->GetName(), "HPS_CONV_USB_N");
    EXPECT_EQ(hps->GetPin(hps->GetPinCount() - 1)->GetName(), "HPS_USB_STP");
    for (int i = 0; i < hps->GetPinCount(); ++i) EXPECT_EQ(hps->GetPin(i)->GetLocation(), "");
    EXPECT_EQ(ConnectorNames(board).back(), "HSMC");
    EXPECT_EQ(ConnectorNames(board)[12], "HPS");
    EXPECT_EQ(ConnectorNames(board)[13], "IR");
}

TEST(UlvarinDefinition, NoLocationOrNameIsUsedTwice)
{
    TConfigUlvarin settings;
    Everything(settings);
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    std::set<std::string> locations, names;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* con = board.GetConnector(c);
        for (int i = 0; i < con->GetPinCount(); ++i) {
            const TPin* pin = con->GetPin(i);
            if (!pin) continue;
            if (!pin->GetLocation().empty()) EXPECT_TRUE(locations.insert(pin->GetLocation()).second) << pin->GetLocation();
            if (!pin->GetName().empty()) EXPECT_TRUE(names.insert(pin->GetName()).second) << pin->GetName();
        }
    }
    EXPECT_EQ(locations.size(), 4u + 4 + 10 + 10 + 42 + 39 + 12 + 29 + 6 + 4 + 4 + 2 + 2 + 36 + 84);
}

TEST(UlvarinDefinition, WrongIdOrSizeIsAnInternalError)
{
    TConfigUlvarin settings;
    settings.Config = TConfigUlvarin::DefaultConfig();
    settings.Config.BoardId = 33;
    TMainBoard board;
    EXPECT_THROW(BuildMainBoard_Ulvarin(&board, &settings), platform::InternalError);
    settings.Config = TConfigUlvarin::DefaultConfig();
    settings.Config.Size = 415;
    EXPECT_THROW(BuildMainBoard_Ulvarin(&board, &settings), platform::InternalError);
}

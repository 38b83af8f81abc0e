#include <gtest/gtest.h>

#include <cstring>

#include "ModelQuery.h"
#include "boards/cyclone5_max10/CONFIG_Ulvarin.h"
#include "platform/Errors.h"

namespace {

using modeltest::BoardFacts;
using modeltest::ConnectorNames;
using modeltest::FindConnector;

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

    const TConnector* clock = FindConnector(board, "CLOCK");
    ASSERT_EQ(clock->GetPinCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(clock->GetPin(i)->IsClock(), 1);
        EXPECT_EQ(clock->GetPin(i)->GetFrequency(), "50.000000 MHz");
        EXPECT_EQ(clock->GetPin(i)->GetClockPeriod(), 0);
    }
    EXPECT_EQ(clock->GetPin(2)->GetName(), "CLOCK3_50");
    EXPECT_EQ(clock->GetPin(2)->GetIoStandard(), 6);
    EXPECT_EQ(FindConnector(board, "SW")->GetPin(9)->GetLocation(), "AA30");
    EXPECT_EQ(FindConnector(board, "Seg7")->GetPin(41)->GetName(), "HEX5[6]");
    EXPECT_EQ(FindConnector(board, "Seg7")->GetPin(41)->GetLocation(), "AB21");
    EXPECT_EQ(FindConnector(board, "SDRAM")->GetPin(32)->GetName(), "DRAM_DQ[15]");
    EXPECT_EQ(FindConnector(board, "SDRAM")->GetPin(32)->GetDirection(), DIRECTION_INOUT);
    EXPECT_EQ(FindConnector(board, "VGA")->GetPinCount(), 29);
    EXPECT_EQ(FindConnector(board, "Video-In")->GetPin(11)->GetName(), "TD_RESET_N");
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
        EXPECT_EQ(FindConnector(board, "I2C for Audio and Video-In") != nullptr, c.i2c) << int(c.audio) << int(c.video);
    }
}

TEST(UlvarinDefinition, ExpansionConnectorsAndHps)
{
    TConfigUlvarin settings;
    Everything(settings);
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    BoardFacts facts;
    facts.connectors = {"CLOCK", "KEY", "SW", "LED", "Seg7", "SDRAM", "Video-In", "VGA", "Audio", "PS2", "ADC",
                        "I2C for Audio and Video-In", "HPS", "IR", "GPIO", "HSMC"};
    facts.counts = {
        {.name = "GPIO", .entries = 40, .type = CONNECTOR_GPIO40, .expansionId = EXPANSION_GPIO_0,
         .description = "GPIO connect to GPIO Default"},
        {.name = "HSMC", .entries = 160, .active = 84, .type = CONNECTOR_HSMC, .expansionId = EXPANSION_HSMC_A,
         .description = "HSMC connect to HSMC Default"},
    };
    facts.positions = {{"GPIO", 1, "W15"}, {"GPIO", 40, "AA12"}, {"HSMC", 33, "AE29"}, {"HSMC", 96, "AA26"},
                       {"HSMC", 158, "G15"}};
    for (int p = 1; p <= 32; ++p) facts.positions.push_back({"HSMC", p, std::nullopt});
    modeltest::ExpectBoard(board, facts);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_0), FindConnector(board, "GPIO"));
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_HSMC_A), FindConnector(board, "HSMC"));
    const TConnector* gpio = FindConnector(board, "GPIO");
    ASSERT_TRUE(gpio);
    for (int p = 1; p <= 40; ++p) {
        bool empty = p == 11 || p == 12 || p == 29 || p == 30;
        ASSERT_EQ(gpio->GetPin(p - 1) == nullptr, empty) << p;
        if (!empty) {
            EXPECT_EQ(gpio->GetPin(p - 1)->GetDirection(), DIRECTION_FROM_DAUGHTER);
            EXPECT_EQ(gpio->GetPin(p - 1)->GetIoStandard(), IOSTD_FROM_DAUGHTER);
        }
    }

    const TConnector* hps = FindConnector(board, "HPS");
    ASSERT_TRUE(hps);
    EXPECT_EQ(hps->GetPin(0)->GetName(), "HPS_CONV_USB_N");
    EXPECT_EQ(hps->GetPin(hps->GetPinCount() - 1)->GetName(), "HPS_USB_STP");
    for (int i = 0; i < hps->GetPinCount(); ++i) EXPECT_EQ(hps->GetPin(i)->GetLocation(), "");
}

TEST(UlvarinDefinition, NoLocationOrNameIsUsedTwice)
{
    TConfigUlvarin settings;
    Everything(settings);
    TMainBoard board;
    BuildMainBoard_Ulvarin(&board, &settings);
    EXPECT_EQ(modeltest::ExpectSoundModel(board), 4 + 4 + 10 + 10 + 42 + 39 + 12 + 29 + 6 + 4 + 4 + 2 + 2 + 36 + 84);
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

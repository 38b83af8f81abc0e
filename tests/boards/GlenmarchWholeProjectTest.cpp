// Whole Glenmarch projects through the path the form's Generate takes, checked by the tools.
#include <gtest/gtest.h>

#include "GenerateEnv.h"
#include "ModelQuery.h"
#include "ProjectCheck.h"
#include "ToolCheck.h"
#include "boards/cyclone5_max10/CONFIG_Glenmarch.h"
#include "cards/DaughterBoardInfo.h"
#include "core/settings/RecordText.h"

namespace {

constexpr int G0 = GPIO_0;
constexpr int G1 = GPIO_1;

struct Case {
    const char* label;
    void (*edit)(GLENMARCH_CONFIG&);
    std::vector<std::string> qsf;     // text the .qsf holds
    std::vector<std::string> absent;  // text it does not hold
    std::vector<std::string> sdc;     // text the .sdc holds
};

void SetHeader(GLENMARCH_CONFIG& c, int header, uint8_t card, const char* prefix)
{
    c.nGpioDaughterId[header] = card;
    WriteRecordText(c.szGpioPrefixName[header], prefix);
}

}  // namespace

TEST(GlenmarchWholeProject, RecordsThroughTheFourTools)
{
    const Case cases[] = {
        {"defaults",
         [](GLENMARCH_CONFIG&) {},
         {"set_location_assignment PIN_AF14 -to CLOCK_50\r\n", "set_location_assignment PIN_D11 -to VGA_VS\r\n"},
         {"HPS_", "-to GPIO"},
         // the board blocks read the record copy
         {"create_clock -period 20.000ns [get_ports CLOCK_50]\r\n", "create_clock -period \"27 MHz\"  -name tv_27m",
          "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n",
          "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n"}},
        {"everything ticked with HPS and two 40-pin cards",
         [](GLENMARCH_CONFIG& c) {
             c.bHps = 1;
             SetHeader(c, G0, DAUGHTER_Sollip, "CAM_");
             SetHeader(c, G1, DAUGHTER_Ravesh, "");
         },
         {"-to HPS_CONV_USB_N\r\n", "-to HPS_DDR3_DQS_N[3]\r\n", "-to CAM_"},
         {"PIN_AC18 -to GPIO", "-to GPIO_0[", "-to GPIO_1["},
         {}},
        {"the default pair: GPIO_0 and GPIO_1",
         [](GLENMARCH_CONFIG& c) {
             SetHeader(c, G0, DAUGHTER_GPIO_DEFAULT, "");
             SetHeader(c, G1, DAUGHTER_GPIO_DEFAULT, "");
         },
         {"set_location_assignment PIN_AC18 -to GPIO_0[0]\r\n", "set_location_assignment PIN_AJ21 -to GPIO_0[35]\r\n",
          "set_location_assignment PIN_AB17 -to GPIO_1[0]\r\n", "set_location_assignment PIN_AC22 -to GPIO_1[35]\r\n"},
         {"-to GPIO[", "GPIO_0[36]", "GPIO_1[36]"},
         {}},
        {"the 80-pin card on the joined connector under GPIO-0's prefix",
         [](GLENMARCH_CONFIG& c) {
             SetHeader(c, G0, DAUGHTER_Kobbet_GPIO, "K_");
             SetHeader(c, G1, DAUGHTER_Kobbet_GPIO, "unused_");
         },
         {"set_location_assignment PIN_AC18 -to K_ADC_OTR_A\r\n", "set_location_assignment PIN_AJ21 -to K_ADC_OEB_A\r\n",
          "set_location_assignment PIN_AB17 -to K_SMA_DAC4\r\n", "set_location_assignment PIN_AC22 -to K_DAC_MODE\r\n"},
         {"unused_"},
         {}},
        {"two different 40-pin cards with prefixes",
         [](GLENMARCH_CONFIG& c) {
             SetHeader(c, G0, DAUGHTER_GPIO_DEFAULT, "A_");
             SetHeader(c, G1, DAUGHTER_Tesvik, "B_");
         },
         {"set_location_assignment PIN_AC18 -to A_GPIO[0]\r\n", "set_location_assignment PIN_AJ21 -to A_GPIO[35]\r\n",
          "PIN_AB17 -to B_"},
         {"PIN_AB17 -to A_", "-to GPIO[", "-to GPIO_0["},
         {}},
        {"the generic card on one header without prefix: GPIO[0] to GPIO[35]",
         [](GLENMARCH_CONFIG& c) { SetHeader(c, G1, DAUGHTER_GPIO_DEFAULT, ""); },
         {"set_location_assignment PIN_AB17 -to GPIO[0]\r\n", "set_location_assignment PIN_AC22 -to GPIO[35]\r\n"},
         {"-to GPIO_0[", "-to GPIO_1[", "-to GPIO[36]"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        GLENMARCH_CONFIG record = GLENMARCH_CONFIG::DefaultConfig();
        c.edit(record);
        const std::string file = dir.Path() + "Glenmarch.qpf";
        ASSERT_TRUE(GenerateGlenmarchProject(record, file));
        EXPECT_TRUE(env.dialogs.Boxes().empty());
        EXPECT_TRUE(platform::FileExists(dir.Path() + "Glenmarch.v"));
        EXPECT_FALSE(platform::FileExists(dir.Path() + "Glenmarch.vhd"));
        TMainBoard board;
        BuildGlenmarchProjectBoard(board, record);
        board.SortConnectorPins();
        modeltest::ExpectSoundModel(board, c.label);
        tooltest::ExpectProjectAccepted(board, file, false);
        const std::string qsf = tooltest::ReadFile(dir.Path() + "Glenmarch.qsf");
        for (const std::string& text : c.qsf) EXPECT_NE(qsf.find(text), std::string::npos) << text;
        for (const std::string& text : c.absent) EXPECT_EQ(qsf.find(text), std::string::npos) << text;
        const std::string sdc = tooltest::ReadFile(dir.Path() + "Glenmarch.sdc");
        for (const std::string& text : c.sdc) EXPECT_NE(sdc.find(text), std::string::npos) << text;
    }
}

// The 80-pin card fills every position of both headers that it uses: 70 of the 72.
TEST(GlenmarchWholeProject, EightyPinCardTakesBothHeaders)
{
    GLENMARCH_CONFIG record = GLENMARCH_CONFIG::DefaultConfig();
    SetHeader(record, G0, DAUGHTER_Kobbet_GPIO, "");
    SetHeader(record, G1, DAUGHTER_Kobbet_GPIO, "");
    TMainBoard board;
    BuildGlenmarchProjectBoard(board, record);
    const TConnector* joined = board.FindExpansionConnector(EXPANSION_GPIO_80);
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_0), nullptr);
    EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_1), nullptr);
    EXPECT_EQ(joined->GetActivePinCount(), 70);
    EXPECT_FALSE(joined->GetPin(39 - 1)->IsActive());
    EXPECT_FALSE(joined->GetPin(63 - 1)->IsActive());
    const TPin* last = joined->GetPin(80 - 1);
    EXPECT_EQ(last->GetName(), "DAC_MODE");
    EXPECT_EQ(last->GetLocation(), "AC22");
    EXPECT_EQ(last->GetDirection(), DIRECTION_OUTPUT);
    EXPECT_EQ(last->GetIoStandardText(), "3.3-V LVTTL");
}

// A record from a file holds the 80-pin card on one header only: the pair pairs it as the form
// shows a loaded record, GPIO-0 leading, so the card on GPIO-0 takes both headers under its
// prefix and the card on GPIO-1 beside anything else is taken off.
TEST(GlenmarchWholeProject, EightyPinCardOnOneHeaderIsPairedAsTheFormShowsIt)
{
    struct Case {
        const char* label;
        uint8_t card0;
        bool joined;      // the joined connector is built
        bool gpio0;       // header 0's own connector is built
        const char* top;  // text the top-level file holds, or nullptr
    };
    const Case cases[] = {
        {"80-pin card on GPIO-0 alone", DAUGHTER_Kobbet_GPIO, true, false, "K_DAC_MODE"},
        {"80-pin card on GPIO-1 alone", DAUGHTER_NONE, false, false, nullptr},
        {"80-pin card on GPIO-1 beside GPIO Default", DAUGHTER_GPIO_DEFAULT, false, true, "G_GPIO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        GLENMARCH_CONFIG record = GLENMARCH_CONFIG::DefaultConfig();
        SetHeader(record, G0, c.card0, c.card0 == DAUGHTER_Kobbet_GPIO ? "K_" : "G_");
        if (c.card0 != DAUGHTER_Kobbet_GPIO) SetHeader(record, G1, DAUGHTER_Kobbet_GPIO, "K_");
        TMainBoard board;
        ASSERT_NO_THROW(BuildGlenmarchProjectBoard(board, record));
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_80) != nullptr, c.joined);
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_0) != nullptr, c.gpio0);
        EXPECT_EQ(board.FindExpansionConnector(EXPANSION_GPIO_1), nullptr);

        gentest::GenerateEnv env;
        tooltest::TempDir dir;
        ASSERT_TRUE(GenerateGlenmarchProject(record, dir.Path() + "Glenmarch.qpf"));
        const std::string top = tooltest::ReadFile(dir.Path() + "Glenmarch.v");
        if (c.top) EXPECT_NE(top.find(c.top), std::string::npos) << c.top;
        EXPECT_EQ(top.find("K_DAC_MODE") != std::string::npos, c.joined);
    }
}

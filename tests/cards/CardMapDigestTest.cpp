// Every card's pin map against a digest recorded once the map was checked against the card's
// data, entry by entry: a changed or swapped position, name, direction or standard fails here,
// naming the card, where counts and spot checks would let a swap pass.
#include <gtest/gtest.h>

#include <algorithm>

#include "CardCheck.h"
#include "TableDigest.h"
#include "core/model/DaughterBoard.h"
#include "core/model/MainBoard.h"

namespace {

// Every card id whose map gives a pin; ids without a map have no row.
struct Recorded {
    uint8_t card;
    const char* digest;
};

constexpr Recorded kRecorded[] = {
    {DAUGHTER_GPIO_DEFAULT, "061cfb786e76f40b"},
    {DAUGHTER_HSMC_DEFAULT, "a6d6621bf547a510"},
    {DAUGHTER_HSMC_DEFAULT_XCVR, "3a3b1ebe05a95efb"},
    {DAUGHTER_HSMC_LVDS_DEFAULT, "10114e864a8870c7"},
    {DAUGHTER_Cobrel, "d87ce74361fb5759"},
    {DAUGHTER_Wyrsel, "62a1e5769e689d93"},
    {DAUGHTER_Fobbin, "dc193abec65a2985"},
    {DAUGHTER_DDR2_SODIMM, "581fafeb1878c579"},
    {DAUGHTER_Kobbet_HSMC, "ef55e8baf44750d7"},
    {DAUGHTER_Kobbet_GPIO, "20167fe745be1e8f"},
    {DAUGHTER_Sollip, "5e12c0eb7312637a"},
    {DAUGHTER_Garvet, "7802c096adc3d85d"},
    {DAUGHTER_Nuppel, "9b12b841f3b56da5"},
    {DAUGHTER_Kelpin_Brasket, "02a2d794cf679c13"},
    {DAUGHTER_Quillet_Kelpin, "b117977d3ee0cf2e"},
    {DAUGHTER_Quillet_HSMC, "f317eec1e73e1501"},
    {DAUGHTER_HSMC_DEBUG, "c5ef8d6500a8af82"},
    {DAUGHTER_HSMC_LOOPBACK, "5fbde42f6462f6ff"},
    {DAUGHTER_Kelpin_LOOPBACK, "93cf5b0e89275b73"},
    {DAUGHTER_Sendle, "01c67ed43098f357"},
    {DAUGHTER_Dortle, "f392bab4f5d82ae6"},
    {DAUGHTER_Hobbard, "51baec736460303b"},
    {DAUGHTER_Tennel_FIFO, "b10d057de39f638d"},
    {DAUGHTER_Tennel_NATIVE, "98faf9586f039f5e"},
    {DAUGHTER_Vossil, "56a6b32dee6b4421"},
    {DAUGHTER_Lorrat, "30f9f40cc41a4883"},
    {DAUGHTER_Pemmit, "8d3ca715eca88289"},
    {DAUGHTER_Wobrin, "674fef04e49d3a3d"},
    {DAUGHTER_Jundle, "4efb28f9051a0c5c"},
    {DAUGHTER_Brasket_TX, "f817a6b1858477c1"},
    {DAUGHTER_Brasket_RX, "d483a86d541ac3a5"},
    {DAUGHTER_Tranmer, "dbd63651a352bb4f"},
    {DAUGHTER_Ostrum, "e4354a2221f594c8"},
    {DAUGHTER_Yellip, "91b045e7006c70e9"},
    {DAUGHTER_Hasket, "4f37d518ce903ccd"},
    {DAUGHTER_HSMC_LOOPBACK_XCVR, "3d15b9f9c61668fd"},
    {DAUGHTER_DDR3_SODIMM, "1b7f3a379c2eabde"},
    {DAUGHTER_DDR4_SODIMM, "3376bcf53bb8735f"},
    {DAUGHTER_FMC_HPC_VITA, "2b4fd8640bff4d0c"},
    {DAUGHTER_FMC_LPC_VITA, "52c5c2b59bd9b542"},
    {DAUGHTER_FMC_HPC_ALTERA, "c9938e3fd6400f21"},
    {DAUGHTER_FMC_HPC_ALTERA_XCVR, "cf276532fa41d16f"},
    {DAUGHTER_FMC_HPC_ALTERA_Varnholt, "c338cf30b724d3bb"},
    {DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt, "8c621cf657996eac"},
    {DAUGHTER_FMC_LPC_ALTERA, "7f02ea88424ed334"},
    {DAUGHTER_FMC_LPC_ALTERA_XCVR, "7774e166a96e7f32"},
    {DAUGHTER_FMC_Vossil, "8e26260f53252d3d"},
    {DAUGHTER_FMC_Dortle, "105d5421263915fd"},
    {DAUGHTER_FMC_Brasket, "be10f891984f9f55"},
    {DAUGHTER_FMC_Pashard_FOR_TI, "ae338d12eb4e90f6"},
    {DAUGHTER_FMC_TI_ADC34J45, "95704ef61a984070"},
    {DAUGHTER_FMC_Wyrsel, "a6394e38a45aeb9a"},
    {DAUGHTER_FMC_Parnish, "c128f37d542957a1"},
    {DAUGHTER_Corvish, "24ab415dbf7f1cdd"},
    {DAUGHTER_Gantrel, "474961f93ddef343"},
    {DAUGHTER_Quillet_Sollip_J2, "f4bc6319a8afca87"},
    {DAUGHTER_Quillet_Sollip_J3, "501626c988e8093b"},
    {DAUGHTER_Quillet_Sollip_BOTH, "a22b157795356b85"},
    {DAUGHTER_Bellock, "246ab0337f585f5f"},
    {DAUGHTER_Fermock, "39561ad6e7b5b277"},
    {DAUGHTER_Pelvin, "b45ba2abcc9d1335"},
    {DAUGHTER_Ravesh, "38cfb4f61be615b5"},
    {DAUGHTER_Rudgel, "a4e31286a0920715"},
    {DAUGHTER_TILVARD, "41ba12454919bf68"},
    {DAUGHTER_Tesvik, "419d31b398981d8c"},
    {DAUGHTER_Omblin, "04e4c5552d2680d7"},
    {DAUGHTER_ARDUINO_DIGITAL, "fb1e4e0400a9545a"},
    {DAUGHTER_Ombrel_DEFAULT, "21d28019c92a1b20"},
    {DAUGHTER_Ombrel_Velket, "57a340b23ad46f3f"},
    {DAUGHTER_Ferrund_GPIO, "a9f75d7a47c1585d"},
    {DAUGHTER_Ferrund_FMC, "36a240953df388cc"},
    {DAUGHTER_GPIO_DEFAULT_2V5, "5fc58f97dbf0e1db"},
    {DAUGHTER_GPIO_DEFAULT_1V8, "ff6f0fc923e0f891"},
    {DAUGHTER_GPIO_DEFAULT_1V5, "da57bea3703ea1c5"},
    {DAUGHTER_HSMC_DEFAULT_3V3, "cd28d0da7e473964"},
    {DAUGHTER_HSMC_DEFAULT_1V8, "e9030debe679aced"},
    {DAUGHTER_HSMC_DEFAULT_1V5, "46d25598d46b56fc"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V3, "3986d9f67821835c"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V0, "28f8f6ac0e4e67ff"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, "4c664ba862ffa4ad"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V5, "e93da63f22a84b98"},
    {DAUGHTER_HSMC_DEFAULT_3V0, "e96bea86c3704740"},
};

// Standards the sweeps pass where a map takes one from its caller: two that differ, so that a
// row naming the argument and a row naming a fixed standard never look alike.
constexpr uint8_t kCallerStds[] = {8, 6};
// The memory modules' side-band and address standards, which no row fixes.
constexpr uint8_t kSidebandStd = 4, kSaStd = 5;

// Whether any build gave the card a pin.
bool HasPin(const TConnector& card)
{
    for (int i = 0; i < card.GetPinCount(); ++i)
        if (card.GetPin(i)) return true;
    return false;
}

struct CardDigest {
    tabletest::TableDigest digest;
    bool pins = false;
};

void Add(CardDigest& into, const TDaughterBoard& card)
{
    into.digest.Add(card);
    into.pins = into.pins || HasPin(card);
}

// The memory modules have operations of their own, with the board's strobe and standard
// choices; every other card goes through the dispatcher, for no board and for every board
// (several maps follow the board: its standards, names or rows), each variant and caller
// standard, and with a base name.
CardDigest DigestOf(uint8_t card)
{
    CardDigest result;
    TDaughterBoard module;
    for (uint8_t diffDqs : {0, 1}) {
        switch (card) {
        case DAUGHTER_DDR2_SODIMM:
            module.BuildDdr2Sodimm(diffDqs, kSidebandStd, kSaStd);
            Add(result, module);
            break;
        case DAUGHTER_DDR3_SODIMM:
            module.BuildDdr3SodimmStratixIV(diffDqs, kSidebandStd, kSaStd);
            Add(result, module);
            module.BuildDdr3SodimmStratixV(diffDqs, kSidebandStd, kSaStd);
            Add(result, module);
            module.BuildDdr3SodimmArria10(diffDqs, kSidebandStd, kSaStd);
            Add(result, module);
            break;
        case DAUGHTER_DDR4_SODIMM:
            // The DDR4 map reads no strobe choice: here the flag stands for its check bits.
            module.BuildDdr4Sodimm(0, kSidebandStd, kSaStd, diffDqs);
            Add(result, module);
            break;
        }
    }
    if (result.pins) return result;

    std::vector<int> boards = {0};
    boards.insert(boards.end(), std::begin(kMainBoardIds), std::end(kMainBoardIds));
    for (int board : boards) {
        for (int32_t variant : {0, 1})
            for (uint8_t std : kCallerStds) Add(result, *cardtest::BuildCard(card, board, variant, std));
        Add(result, *cardtest::BuildCard(card, board, 0, kCallerStds[0], "GPIO_0"));
    }
    return result;
}

}  // namespace

TEST(CardMapDigest, MapsAsRecorded)
{
    for (int id = 0; id < DAUGHTER_ID_COUNT; ++id) {
        const uint8_t card = static_cast<uint8_t>(id);
        const std::string label = BoardName(card) + " (card " + std::to_string(id) + ")";
        const CardDigest built = DigestOf(card);
        const std::string digest = built.digest.Hex();
        const auto row = std::ranges::find(kRecorded, card, &Recorded::card);
        if (row == std::end(kRecorded)) {
            EXPECT_FALSE(built.pins) << label << " has a pin map but no recorded digest; its map gives " << digest;
            continue;
        }
        EXPECT_EQ(digest, row->digest)
            << label << ": its pin map gives digest " << digest << ", not the recorded one. An entry of the map "
            << "changed (position, name, direction, I/O standard or flag): check every changed entry against the "
            << "card's data and, once they agree, record " << digest << " for it.";
    }
}

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
    {DAUGHTER_GPIO_DEFAULT, "316979f0b9b03b1c"},
    {DAUGHTER_HSMC_DEFAULT, "e39db44c91788ecc"},
    {DAUGHTER_HSMC_DEFAULT_XCVR, "d9e861021dfaa976"},
    {DAUGHTER_HSMC_LVDS_DEFAULT, "b3450f140d7e27e5"},
    {DAUGHTER_Cobrel, "39e19e4e14e30625"},
    {DAUGHTER_Wyrsel, "0f6f159e22c9def3"},
    {DAUGHTER_Fobbin, "f25f242bf453885b"},
    {DAUGHTER_DDR2_SODIMM, "48a2657296fb1d79"},
    {DAUGHTER_Kobbet_HSMC, "bb59763cb2741b54"},
    {DAUGHTER_Kobbet_GPIO, "51db2c56a6505155"},
    {DAUGHTER_Sollip, "9a713155eb49f7fd"},
    {DAUGHTER_Garvet, "77ddeac6bf6af48e"},
    {DAUGHTER_Nuppel, "516b38bce8e645e1"},
    {DAUGHTER_Kelpin_Brasket, "2b55d19940ba451a"},
    {DAUGHTER_Quillet_Kelpin, "769cea25b3a16437"},
    {DAUGHTER_Quillet_HSMC, "6f26bb92ef8bbe98"},
    {DAUGHTER_HSMC_DEBUG, "e2a992aa36909af2"},
    {DAUGHTER_HSMC_LOOPBACK, "ec4bf095807572d1"},
    {DAUGHTER_Kelpin_LOOPBACK, "c33b121a3c43f38d"},
    {DAUGHTER_Sendle, "4db592d26b5bfec0"},
    {DAUGHTER_Dortle, "d113288e55c5602d"},
    {DAUGHTER_Hobbard, "e0583b35cf457ac6"},
    {DAUGHTER_Tennel_FIFO, "27cb1a9727401fa5"},
    {DAUGHTER_Tennel_NATIVE, "f459c3447d458e3e"},
    {DAUGHTER_Vossil, "bb27a489f41af847"},
    {DAUGHTER_Lorrat, "1af9b7ecb8d614b4"},
    {DAUGHTER_Pemmit, "2deb8566b1efa7c5"},
    {DAUGHTER_Wobrin, "d4341d197343bf75"},
    {DAUGHTER_Jundle, "64b8f2f11958b3f1"},
    {DAUGHTER_Brasket_TX, "43906b6a3bc12f5e"},
    {DAUGHTER_Brasket_RX, "5c7febdae988e8ea"},
    {DAUGHTER_Tranmer, "400a1639bc4815a1"},
    {DAUGHTER_Ostrum, "1b936e8b55a0a622"},
    {DAUGHTER_Yellip, "2f5b0f10b4e79b29"},
    {DAUGHTER_Hasket, "6c551a7c1518e1d0"},
    {DAUGHTER_HSMC_LOOPBACK_XCVR, "eedb4da60fbb7ec5"},
    {DAUGHTER_DDR3_SODIMM, "d41190c1b546dd3c"},
    {DAUGHTER_DDR4_SODIMM, "68e5c89d309728c2"},
    {DAUGHTER_FMC_HPC_VITA, "85973e3317c3aff1"},
    {DAUGHTER_FMC_LPC_VITA, "f7602ced81361918"},
    {DAUGHTER_FMC_HPC_ALTERA, "0839a8cb238b250d"},
    {DAUGHTER_FMC_HPC_ALTERA_XCVR, "f0e7617986c60add"},
    {DAUGHTER_FMC_HPC_ALTERA_Varnholt, "7bae7486ff712f10"},
    {DAUGHTER_FMC_HPC_ALTERA_XCVR_Varnholt, "ae325dd341447429"},
    {DAUGHTER_FMC_LPC_ALTERA, "26ee3de1b265201d"},
    {DAUGHTER_FMC_LPC_ALTERA_XCVR, "3183b8de6d9150d0"},
    {DAUGHTER_FMC_Vossil, "675505c944c8e332"},
    {DAUGHTER_FMC_Dortle, "413f9622a5771c9f"},
    {DAUGHTER_FMC_Brasket, "27b654337420d779"},
    {DAUGHTER_FMC_Pashard_FOR_TI, "5ea1485edfca6027"},
    {DAUGHTER_FMC_TI_ADC34J45, "cb9bba483290b050"},
    {DAUGHTER_FMC_Wyrsel, "224363dad805d096"},
    {DAUGHTER_FMC_Parnish, "88a81e0f198b82bb"},
    {DAUGHTER_Corvish, "e73885d03bc50631"},
    {DAUGHTER_Gantrel, "96cc99ccf57c6a24"},
    {DAUGHTER_Quillet_Sollip_J2, "f96a36e9b6550feb"},
    {DAUGHTER_Quillet_Sollip_J3, "dea09f9bbf356c8b"},
    {DAUGHTER_Quillet_Sollip_BOTH, "76eb5a02fe2696b8"},
    {DAUGHTER_Bellock, "7dad480f8a20dc72"},
    {DAUGHTER_Fermock, "ef431a6c9e4b7ec3"},
    {DAUGHTER_Pelvin, "a2b267483c2abaca"},
    {DAUGHTER_Ravesh, "10d1626417461df1"},
    {DAUGHTER_Rudgel, "c2f961fc40a65e21"},
    {DAUGHTER_TILVARD, "e34050e5b7d563c2"},
    {DAUGHTER_Tesvik, "80dcbaf98b2c25d2"},
    {DAUGHTER_Omblin, "483a2bd432201253"},
    {DAUGHTER_ARDUINO_DIGITAL, "c970761d19d7fac6"},
    {DAUGHTER_Ombrel_DEFAULT, "e390748b60a919a3"},
    {DAUGHTER_Ombrel_Velket, "1d17c53e319c4c4d"},
    {DAUGHTER_Ferrund_GPIO, "79997236e6b3e60e"},
    {DAUGHTER_Ferrund_FMC, "977e327a490180d2"},
    {DAUGHTER_GPIO_DEFAULT_2V5, "428dad349944872a"},
    {DAUGHTER_GPIO_DEFAULT_1V8, "095886bc86a88b82"},
    {DAUGHTER_GPIO_DEFAULT_1V5, "2d75f79a02ee7744"},
    {DAUGHTER_HSMC_DEFAULT_3V3, "c5d678cb0c9a1f7c"},
    {DAUGHTER_HSMC_DEFAULT_1V8, "08cef800209a6130"},
    {DAUGHTER_HSMC_DEFAULT_1V5, "0eaaf9bc47ae7666"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V3, "6996da0cc60fe25c"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_3V0, "572e82151f94448d"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V8, "b16ed53425010cd3"},
    {DAUGHTER_HSMC_DEFAULT_XCVR_1V5, "4974cb93600a52a9"},
    {DAUGHTER_HSMC_DEFAULT_3V0, "bea7fe06901ddf4c"},
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

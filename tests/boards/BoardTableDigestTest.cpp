// Every board's pin tables against a digest recorded once they were checked against the
// board's data, entry by entry: a changed or swapped location, position, direction or
// standard of any group or of a connector's position table fails here, naming the board,
// where spot checks, counts and the listing of ports without a location let it pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "EveryBoard.h"
#include "TableDigest.h"
#include "boards/arria10/CONFIG_DRAVELLE.h"
#include "boards/arria10/CONFIG_NOBRECHT.h"
#include "boards/stratix4_cyclone4/CONFIG_KAVRIN.h"
#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "boards/stratix4_cyclone4/CONFIG_YASTREL_X1.h"
#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/CONFIG_VELLANI.h"

using namespace boardtest;

namespace {

// One row per board id and per board of EveryBoard (Yastrel_X2 has one per FPGA); a board
// without a definition records no digest.
struct Recorded {
    uint8_t id;
    const char* board;  // as EveryBoard names it
    const char* digest;
};

constexpr Recorded kRecorded[] = {
    {MAINBOARD_Harnix, "Harnix", "d82fa710b0de77f6"},
    {MAINBOARD_Fennick, "Fennick", "34571773cdc1b65b"},
    {MAINBOARD_Mirrow, "Mirrow", "fa220786897867a3"},
    {MAINBOARD_Pellish, "Pellish", "e560a97b9acf6c6f"},
    {MAINBOARD_Kavrin, "Kavrin", "06488b8afec6b488"},
    {MAINBOARD_Orlenn, "Orlenn", "a060a9260a2c0e19"},
    {MAINBOARD_Yastrel_X2, "Yastrel_X2 F1", "cf70baf00c42e1d5"},
    {MAINBOARD_Yastrel_X2, "Yastrel_X2 F2", "cf70baf00c42e1d5"},
    {MAINBOARD_Yastrel_X1, "Yastrel_X1", "fc47f529cb322afb"},
    {MAINBOARD_Corbanth, "Corbanth", "9d8c0f1c144a14f4"},
    {MAINBOARD_Ruskel, "Ruskel", "ca695301056a585d"},
    {MAINBOARD_Wembrel, "Wembrel", "7d4db558ccee1013"},
    {MAINBOARD_Pandrel, "Pandrel", "38ee655b61e0d9ee"},
    {MAINBOARD_Gorvath, "Gorvath", "ab9f916c7c88d5ba"},
    {MAINBOARD_Ashvorn, "Ashvorn", "8492ae3cc96d84d8"},
    {MAINBOARD_Morrast, "Morrast", "8fe3f252e516c72d"},
    {MAINBOARD_Sarnoth, "Sarnoth", "7473e56482c82263"},
    {MAINBOARD_Brindell, "Brindell", nullptr},
    {MAINBOARD_Cresswin, "Cresswin", "3994718bc76d3295"},
    {MAINBOARD_Jorvale, "Jorvale", "6af0c32d300b13b2"},
    {MAINBOARD_Plimmet, "Plimmet", "54390486db26998c"},
    {MAINBOARD_Glenmarch, "Glenmarch", "6fd7a88b184cec97"},
    {MAINBOARD_Wistrell, "Wistrell", "25a551d67321bb43"},
    {MAINBOARD_Kestwin, "Kestwin", "1c94ceb75df7220c"},
    {MAINBOARD_Lumbrae, "Lumbrae", "c6bc3542ae60ac49"},
    {MAINBOARD_Ebbrick, "Ebbrick", "76a6f1409a8196e1"},
    {MAINBOARD_Tamblin, "Tamblin", "70667821fa48c8e0"},
    {MAINBOARD_Nobrecht, "Nobrecht", "a594c7e34e283aca"},
    {MAINBOARD_Dravelle, "Dravelle", "4784ebf80e71cc13"},
    {MAINBOARD_Pocklin, "Pocklin", "83b5c10659090192"},
    {MAINBOARD_Vellani, "Vellani", "9230da445d03d58a"},
    {MAINBOARD_Pressel, "Pressel", "2c307a9af1083d03"},
    {MAINBOARD_Abernoll, "Abernoll", "fa19ecaed5571935"},
    {MAINBOARD_Ulvarin, "Ulvarin", "61c9f505bce2e7b6"},
    {MAINBOARD_Idrenne, "Idrenne", "26188cd27e55d50f"},
    {MAINBOARD_Tiverne, "Tiverne", "58de1d1b7276b46e"},
    {MAINBOARD_Lothvar, "Lothvar", "bad4c00fff87f1c3"},
    {MAINBOARD_Quimbel, "Quimbel", nullptr},
};

// The board's definitions over every record of the walk, each connector's entries once.
tabletest::TableDigest DigestOf(const BoardUnderTest& board, const std::vector<Record>& records)
{
    tabletest::TableDigest digest;
    for (const Record& record : records)
        board.define(record, [&](const TMainBoard& built) {
            for (int c = 0; c < built.GetConnectorCount(); ++c) digest.Add(*built.GetConnector(c));
        });
    return digest;
}

// A definition builds an expansion connector only for a card, and some build it differently
// for some cards (an 80-pin card joins the two headers, a transceiver card brings its clock):
// the record once with a card on every connector, then once per card of each connector's list.
void AddWithCards(const BoardUnderTest& board, const Record& base, std::vector<Record>& records)
{
    const std::vector<CardChoice> choices = board.choices(base);
    std::vector<std::size_t> fields;
    Record full = base;
    for (const CardChoice& choice : choices) {
        fields.push_back(CardOffset(board, base, choice.connector));
        for (uint8_t card : choice.offered)
            if (card != 0) {
                full[fields.back()] = card;
                break;
            }
    }
    records.push_back(full);
    for (std::size_t i = 0; i < choices.size(); ++i)
        for (uint8_t card : choices[i].offered) {
            if (card == 0 || card == full[fields[i]]) continue;
            records.push_back(full);
            records.back()[fields[i]] = card;
        }
}

// Records no base gives, as changes to a board's first base: a choice that selects rows of
// its own (a voltage, or the group that stands in for one left off when a clock chip needs it).
template <class R>
std::function<std::vector<Record>(const Record&)> Changes(std::vector<std::function<void(R&)>> changes)
{
    return [changes](const Record& base) {
        std::vector<Record> records;
        for (const std::function<void(R&)>& change : changes) {
            R record;
            EXPECT_EQ(base.size(), sizeof record);
            std::memcpy(&record, base.data(), sizeof record);
            change(record);
            records.emplace_back(sizeof record);
            std::memcpy(records.back().data(), &record, sizeof record);
        }
        return records;
    };
}

const std::map<std::string, std::function<std::vector<Record>(const Record&)>>& Extras()
{
    static const std::map<std::string, std::function<std::vector<Record>(const Record&)>> extras = {
        {"Kavrin", Changes<KAVRIN_CONFIG>({[](auto& r) { r.nGpioVoltage = 1; }, [](auto& r) { r.nGpioVoltage = 2; },
                                           [](auto& r) { r.nGpioVoltage = 3; }})},
        {"Pandrel", Changes<PANDREL_CONFIG>({[](auto& r) { r.bOSC = 0, r.bExtPLL = 1; }})},
        {"Yastrel_X1", Changes<YASTREL_X1_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0, r.bExtPLL = 1; }})},
        {"Cresswin", Changes<CRESSWIN_CONFIG>({
                         [](auto& r) { r.bOSC = 0, r.bButton = 0, r.nSi570 = 1, r.nCdcm61004 = 1; },
                         // The lanes' reference clock has a group of its own only without an SFP+ port.
                         [](auto& r) { r.bSfpA = r.bSfpB = r.bSfpC = r.bSfpD = r.bSata_0 = r.bSata_1 = 0, r.nCdcm61004 = 1; },
                         [](auto& r) { r.nSi570 = 0, r.nCdcm61004 = 1; },
                     })},
        {"Morrast", Changes<MORRAST_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0, r.nSi570 = 1; }})},
        {"Sarnoth", Changes<SARNOTH_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0, r.nSi570 = 1; }})},
        {"Vellani", Changes<VELLANI_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0; }})},
        {"Nobrecht", Changes<NOBRECHT_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0, r.nSi5340A[0] = 1; }})},
        {"Dravelle", Changes<DRAVELLE_CONFIG>({[](auto& r) { r.bOSC = 0, r.bButton = 0, r.nSi5340A[0] = 1; }})},
    };
    return extras;
}

// Every record the digest builds: each base as it stands and with cards, each clock-chip
// choice, and the board's extras.
std::vector<Record> Walk(const BoardUnderTest& board)
{
    std::vector<Record> records;
    for (const Record& base : board.bases) {
        records.push_back(base);
        AddWithCards(board, base, records);
    }
    for (const BoardUnderTest::ClockChip& chip : board.clockChips)
        for (const Record& record : chip.records) AddWithCards(board, record, records);
    if (const auto extra = Extras().find(board.name); extra != Extras().end())
        for (const Record& record : extra->second(board.bases.front())) AddWithCards(board, record, records);
    return records;
}

}  // namespace

TEST(BoardTableDigest, EveryBoardIdHasItsRow)
{
    for (uint8_t id : kMainBoardIds)
        EXPECT_TRUE(std::ranges::any_of(kRecorded, [id](const Recorded& row) { return row.id == id; }))
            << "board id " << int(id);
    for (const Recorded& row : kRecorded) {
        const auto walked = std::ranges::find(EveryBoard(), std::string(row.board), &BoardUnderTest::name);
        if (!row.digest) {
            EXPECT_EQ(walked, EveryBoard().end()) << row.board << " has a definition now: record its digest";
            continue;
        }
        ASSERT_NE(walked, EveryBoard().end()) << row.board;
        EXPECT_EQ(walked->boardId, row.id) << row.board;
    }
}

TEST(BoardTableDigest, TablesAsRecorded)
{
    for (const BoardUnderTest& board : EveryBoard()) {
        const std::string digest = DigestOf(board, Walk(board)).Hex();
        const auto row = std::ranges::find_if(kRecorded, [&](const Recorded& r) { return board.name == r.board; });
        if (row == std::end(kRecorded) || !row->digest) {
            ADD_FAILURE() << board.name << " has no recorded digest; its tables give " << digest;
            continue;
        }
        EXPECT_EQ(digest, row->digest)
            << board.name << ": its pin tables give digest " << digest << ", not the recorded one. An entry of a "
            << "group or of a connector's position table changed (location, position, direction, I/O standard, name "
            << "or clock data): check every changed entry against the board's data and, once they agree, record "
            << digest << " for " << board.name << ".";
    }
}

// Every board's pin tables against a digest recorded once they were checked against the
// board's data, entry by entry: a changed or swapped location, position, direction or
// standard of any group or of a connector's position table fails here, naming the board,
// where spot checks, counts and the listing of ports without a location let it pass.
#include <gtest/gtest.h>

#include <algorithm>
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
    {MAINBOARD_Harnix, "Harnix", "7c0e4f08e10be1c8"},
    {MAINBOARD_Fennick, "Fennick", "8adb91678527ca65"},
    {MAINBOARD_Mirrow, "Mirrow", "16d970b4865de5a2"},
    {MAINBOARD_Pellish, "Pellish", "7d29e987e6af3fc6"},
    {MAINBOARD_Kavrin, "Kavrin", "db7687ae717312bd"},
    {MAINBOARD_Orlenn, "Orlenn", "5eed1bb3808d08f0"},
    {MAINBOARD_Yastrel_X2, "Yastrel_X2 F1", "4054ec0672614eae"},
    {MAINBOARD_Yastrel_X2, "Yastrel_X2 F2", "4054ec0672614eae"},
    {MAINBOARD_Yastrel_X1, "Yastrel_X1", "ed5331dd26ce22b1"},
    {MAINBOARD_Corbanth, "Corbanth", "625d6d890315b71a"},
    {MAINBOARD_Ruskel, "Ruskel", "a9768db30e714b25"},
    {MAINBOARD_Wembrel, "Wembrel", "4b5557f96406998a"},
    {MAINBOARD_Pandrel, "Pandrel", "4b0b5aa70e86d6fa"},
    {MAINBOARD_Gorvath, "Gorvath", "fdb3c00e27755a6a"},
    {MAINBOARD_Ashvorn, "Ashvorn", "08bcc59243806f83"},
    {MAINBOARD_Morrast, "Morrast", "be91056a6da47964"},
    {MAINBOARD_Sarnoth, "Sarnoth", "9223db1c4963c5cf"},
    {MAINBOARD_Brindell, "Brindell", nullptr},
    {MAINBOARD_Cresswin, "Cresswin", "d2abdf3609a2e032"},
    {MAINBOARD_Jorvale, "Jorvale", "c3b042c0bc914c65"},
    {MAINBOARD_Plimmet, "Plimmet", "04848ce06fcce28b"},
    {MAINBOARD_Glenmarch, "Glenmarch", "59b2ade2604e2275"},
    {MAINBOARD_Wistrell, "Wistrell", "4ba069afa7133eb9"},
    {MAINBOARD_Kestwin, "Kestwin", "dca1e2e5a2d1e8de"},
    {MAINBOARD_Lumbrae, "Lumbrae", "815e217076a5809e"},
    {MAINBOARD_Ebbrick, "Ebbrick", "cee5d9442a2eacc4"},
    {MAINBOARD_Tamblin, "Tamblin", "1972a57747aaac6f"},
    {MAINBOARD_Nobrecht, "Nobrecht", "0dacdc40ab3ebd6f"},
    {MAINBOARD_Dravelle, "Dravelle", "c4fc57e97db57219"},
    {MAINBOARD_Pocklin, "Pocklin", "6affab07340a734f"},
    {MAINBOARD_Vellani, "Vellani", "d47729d0af87007c"},
    {MAINBOARD_Pressel, "Pressel", "cbd502696695f0ef"},
    {MAINBOARD_Abernoll, "Abernoll", "90603bda2d5c7403"},
    {MAINBOARD_Ulvarin, "Ulvarin", "0a23dc0238ad18e6"},
    {MAINBOARD_Idrenne, "Idrenne", "0f70223999cd57b5"},
    {MAINBOARD_Tiverne, "Tiverne", "ba8239c4bf71a663"},
    {MAINBOARD_Lothvar, "Lothvar", "9e18657a90c16a7e"},
    {MAINBOARD_Quimbel, "Quimbel", nullptr},
};

// The board's definitions over every record of the walk, each distinct build once.
tabletest::TableDigest DigestOf(const BoardUnderTest& board, const std::vector<Record>& records)
{
    tabletest::TableDigest digest;
    for (const Record& record : records)
        board.define(record, [&](const TMainBoard& built) { digest.Add(built); });
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
            EXPECT_EQ(base.size(), sizeof(R));
            R record = As<R>(base);
            change(record);
            records.push_back(Bytes(record));
        }
        return records;
    };
}

const std::map<std::string, std::function<std::vector<Record>(const Record&)>>& Extras()
{
    static const std::map<std::string, std::function<std::vector<Record>(const Record&)>> extras = {
        // The GPIO header's voltage sets the standard of the rows in its banks.
        {"Kavrin", Changes<KAVRIN_CONFIG>({[](auto& r) { r.nGpioVoltage = 1; }, [](auto& r) { r.nGpioVoltage = 2; },
                                           [](auto& r) { r.nGpioVoltage = 3; }})},
        // The clock and reset the external PLL's controller needs, without their groups.
        {"Pandrel", Changes<PANDREL_CONFIG>({[](auto& r) { r.bOSC = 0; r.bExtPLL = 1; }})},
        {"Yastrel_X1", Changes<YASTREL_X1_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; r.bExtPLL = 1; }})},
        // The same for the clock chips; the lanes' reference clock has a group of its own only
        // without an SFP+ port, and the 1G one joins the last port's group without the Si570.
        {"Cresswin", Changes<CRESSWIN_CONFIG>({
                         [](auto& r) { r.bOSC = 0; r.bButton = 0; r.nSi570 = 1; r.nCdcm61004 = 1; },
                         [](auto& r) {
                             r.bSfpA = r.bSfpB = r.bSfpC = r.bSfpD = r.bSata_0 = r.bSata_1 = 0;
                             r.nCdcm61004 = 1;
                         },
                         [](auto& r) { r.nSi570 = 0; r.nCdcm61004 = 1; },
                     })},
        {"Morrast", Changes<MORRAST_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; r.nSi570 = 1; }})},
        {"Sarnoth", Changes<SARNOTH_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; r.nSi570 = 1; }})},
        {"Vellani", Changes<VELLANI_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; }})},
        {"Nobrecht", Changes<NOBRECHT_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; r.nSi5340A[0] = 1; }})},
        {"Dravelle", Changes<DRAVELLE_CONFIG>({[](auto& r) { r.bOSC = 0; r.bButton = 0; r.nSi5340A[0] = 1; }})},
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
            << "or clock data), or a record now builds them otherwise: check every changed entry against the board's "
            << "data and, once they agree, record " << digest << " for " << board.name << ".";
    }
}

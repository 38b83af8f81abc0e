// The ports a project declares without a location, per board and per card that a connector's
// list offers, against a listing kept in tests/data/generate: a location gained or lost by any
// board or card shows as a change of that listing.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "EveryBoard.h"
#include "GenerateEnv.h"
#include "../generate/GoldenFile.h"
#include "ToolCheck.h"
#include "core/model/PinParsing.h"

using namespace boardtest;

namespace {

// Pins in use without a location, and the members a bus declares between its lowest and
// highest index that no located pin carries. A board whose ports clash (the writer refuses
// it with a message) gives the one entry kRefused.
constexpr const char* kRefused = "(no project: the writer refuses its ports)";

std::set<std::string> UnlocatedPorts(const TMainBoard& board)
{
    std::set<std::string> ports;
    TPinParsing parsing;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        std::map<std::string, std::string> locations;
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (IsPortPin(pin)) locations[pin->GetName()] = pin->GetLocation();
        }
        if (!parsing.Parse(connector)) return {kRefused};
        for (int p = 0; p < parsing.GetPortCount(); ++p) {
            const PORT_INFO& port = parsing.GetPort(p);
            std::vector<std::string> members;
            if (!port.bArrayName) members.push_back(port.szPortName);
            for (int32_t i = port.nLsb; port.bArrayName && i <= port.nMsb; ++i)
                members.push_back(port.szPortName + "[" + std::to_string(i) + "]");
            for (const std::string& member : members) {
                const auto found = locations.find(member);
                if (found == locations.end() || found->second.empty()) ports.insert(member);
            }
        }
    }
    return ports;
}

// The ports as the listing writes them: a run of bus members as "NAME[a..b]", ordered by
// name and index.
std::string Listed(const std::set<std::string>& ports)
{
    std::map<std::string, std::set<int>> buses;
    std::set<std::string> singles;
    for (const std::string& port : ports) {
        std::string base;
        int32_t index = -1;
        if (TPinParsing::SplitArrayName(port, base, index)) buses[base].insert(index);
        else singles.insert(port);
    }
    std::map<std::string, std::string> items;  // by name, so that buses and singles interleave
    for (const std::string& single : singles) items[single] = single;
    for (const auto& [base, indexes] : buses) {
        std::string text;
        for (auto it = indexes.begin(); it != indexes.end();) {
            int from = *it, to = from;
            while (++it != indexes.end() && *it == to + 1) ++to;
            if (!text.empty()) text += ' ';
            text += base + "[" + std::to_string(from) + (to > from ? ".." + std::to_string(to) : "") + "]";
        }
        items[base] = text;
    }
    std::string text;
    for (const auto& [name, item] : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

std::set<std::string> PortsOf(const BoardUnderTest& board, const Record& record)
{
    std::set<std::string> ports;
    board.build(record, [&](const TMainBoard& built) { ports = UnlocatedPorts(built); });
    return ports;
}

// One board's lines: its groups with every connector in use but no card, then each clock-chip
// choice with the ports its values add, then each card of each connector's list, with the
// ports that card adds. Cards offered for several voltages or modes give their line once.
std::string BoardListing(const BoardUnderTest& board)
{
    std::set<std::string> groupPorts;
    std::string chipLines;
    {
        const std::set<std::string> without = PortsOf(board, board.bases.front());
        for (const BoardUnderTest::ClockChip& chip : board.clockChips) {
            std::set<std::string> added;
            for (const Record& record : chip.records)
                for (const std::string& port : PortsOf(board, record))
                    if (!without.count(port)) added.insert(port);
            if (!added.empty()) chipLines += board.name + ", " + chip.name + ": " + Listed(added) + "\n";
        }
    }
    std::map<std::string, std::set<std::string>> cardLines;  // "connector, card" -> its line
    std::vector<std::string> cardOrder;
    for (const Record& base : board.bases) {
        const std::set<std::string> without = PortsOf(board, base);
        groupPorts.insert(without.begin(), without.end());
        for (const CardChoice& choice : board.choices(base)) {
            const std::size_t field = CardOffset(board, base, choice.connector);
            for (uint8_t card : choice.offered) {
                if (card == 0 || !BoardHasPinMap(card)) continue;
                Record record = base;
                record[field] = card;
                std::set<std::string> added;
                for (const std::string& port : PortsOf(board, record))
                    if (!without.count(port)) added.insert(port);
                if (added.empty()) continue;
                const std::string key = choice.connector + ", " + BoardName(card) + " (" + std::to_string(card) + ")";
                if (!cardLines.count(key)) cardOrder.push_back(key);
                cardLines[key].insert(added.begin(), added.end());
            }
        }
    }
    std::string text;
    if (!groupPorts.empty()) text += board.name + ": " + Listed(groupPorts) + "\n";
    text += chipLines;
    for (const std::string& key : cardOrder) text += board.name + ", " + key + ": " + Listed(cardLines[key]) + "\n";
    return text;
}

}  // namespace

TEST(PortsWithoutLocation, ListingOfEveryBoardAndCard)
{
    gentest::GenerateEnv env;
    tooltest::TempDir dir;
    std::string listing;
    for (const BoardUnderTest& board : EveryBoard()) {
        SCOPED_TRACE(board.name);
        listing += BoardListing(board);
    }
    const std::string file = dir.Path() + "ports.txt";
    std::ofstream(file, std::ios::binary) << listing;
    EXPECT_TRUE(gentest::MatchesGolden(file, "PortsWithoutLocation.txt"));
}

#include "ModelQuery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/model/BoardDefinition.h"

namespace modeltest {

std::vector<std::string> ConnectorNames(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) names.push_back(board.GetConnector(i)->GetName());
    return names;
}

const TConnector* FindConnector(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

const TPin* FindPin(const TConnector& connector, const std::string& name)
{
    for (int i = 0; i < connector.GetPinCount(); ++i)
        if (const TPin* pin = connector.GetPin(i); pin && pin->GetName() == name) return pin;
    return nullptr;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (const TPin* pin = FindPin(*board.GetConnector(c), name)) return pin;
    return nullptr;
}

int PinEntryCount(const TConnector& connector)
{
    int n = 0;
    for (int i = 0; i < connector.GetPinCount(); ++i) n += connector.GetPin(i) != nullptr;
    return n;
}

void ExpectBoard(const TMainBoard& board, const BoardFacts& facts, const std::string& label)
{
    if (facts.device) {
        const DeviceFacts& d = *facts.device;
        EXPECT_EQ(board.GetBoardId(), d.boardId) << label;
        EXPECT_EQ(board.GetFamily(), d.family) << label;
        EXPECT_EQ(board.GetDevice(), d.device) << label;
        EXPECT_EQ(board.GetPackage(), d.package) << label;
        EXPECT_EQ(board.GetDevicePinCount(), d.pinCount) << label;
        EXPECT_EQ(board.GetSpeedGrade(), d.speedGrade) << label;
        EXPECT_EQ(board.GetSpeedGradeText(), d.speedGradeText) << label;
    }
    if (facts.connectors) EXPECT_EQ(ConnectorNames(board), *facts.connectors) << label;
    for (const ConnectorFacts& f : facts.counts) {
        const TConnector* c = FindConnector(board, f.name);
        if (!c) {
            ADD_FAILURE() << label << ": no connector " << f.name;
            continue;
        }
        if (f.entries >= 0) EXPECT_EQ(c->GetPinCount(), f.entries) << label << ": " << f.name;
        if (f.pins >= 0) EXPECT_EQ(PinEntryCount(*c), f.pins) << label << ": " << f.name;
        if (f.active >= 0) EXPECT_EQ(c->GetActivePinCount(), f.active) << label << ": " << f.name;
        if (f.type >= 0) EXPECT_EQ(c->GetType(), f.type) << label << ": " << f.name;
        if (f.expansionId >= 0) {
            EXPECT_EQ(c->IsExpansion(), 1) << label << ": " << f.name;
            EXPECT_EQ(c->GetExpansionId(), f.expansionId) << label << ": " << f.name;
        }
        if (f.description) EXPECT_EQ(c->GetDescription(), *f.description) << label << ": " << f.name;
    }
    for (const PinFacts& f : facts.pins) {
        const TPin* pin = FindPin(board, f.name);
        if (!pin) {
            ADD_FAILURE() << label << ": no pin " << f.name;
            continue;
        }
        EXPECT_EQ(pin->GetLocation(), f.location) << label << ": " << f.name;
        if (f.dir >= 0) EXPECT_EQ(pin->GetDirection(), f.dir) << label << ": " << f.name;
        if (f.std >= 0) EXPECT_EQ(pin->GetIoStandard(), f.std) << label << ": " << f.name;
        if (f.clock >= 0) EXPECT_EQ(pin->Clock, f.clock) << label << ": " << f.name;
        if (f.periodNs >= 0) EXPECT_EQ(pin->GetClockPeriod(), f.periodNs) << label << ": " << f.name;
        if (f.frequency) EXPECT_EQ(pin->GetFrequency(), *f.frequency) << label << ": " << f.name;
        if (f.bank) EXPECT_EQ(pin->GetBank(), *f.bank) << label << ": " << f.name;
    }
    for (const PositionFacts& f : facts.positions) {
        const TConnector* c = FindConnector(board, f.connector);
        if (!c || f.position < 1 || f.position > c->GetPinCount()) {
            ADD_FAILURE() << label << ": no position " << f.position << " on " << f.connector;
            continue;
        }
        const TPin* pin = c->GetPin(f.position - 1);
        const std::string where = label + ": " + f.connector + " position " + std::to_string(f.position);
        if (!f.location) {
            EXPECT_EQ(pin, nullptr) << where;
            continue;
        }
        if (!pin) {
            ADD_FAILURE() << where << " is empty";
            continue;
        }
        EXPECT_EQ(pin->GetLocation(), *f.location) << where;
        if (f.dir >= 0) EXPECT_EQ(pin->GetDirection(), f.dir) << where;
        if (f.std >= 0) EXPECT_EQ(pin->GetIoStandard(), f.std) << where;
    }
}

int ExpectSoundModel(const TMainBoard& board, const std::string& label,
                     const std::vector<std::string>& sharedLocations)
{
    std::set<std::string> names, locations;
    int located = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& con = *board.GetConnector(c);
        if (con.IsExpansion())
            EXPECT_GE(con.GetPinCount(), ConnectorPositionCount(con.GetType())) << label << ": " << con.GetName();
        for (int i = 0; i < con.GetPinCount(); ++i) {
            const TPin* pin = con.GetPin(i);
            if (!pin) continue;
            const std::string& name = pin->GetName();
            const std::string& location = pin->GetLocation();
            if (!name.empty()) EXPECT_TRUE(names.insert(name).second) << label << ": name twice: " << name;
            if (location.empty()) continue;
            ++located;
            EXPECT_TRUE(IsPinLocation(location)) << label << ": " << name << " at \"" << location << "\"";
            bool shared = std::find(sharedLocations.begin(), sharedLocations.end(), location) != sharedLocations.end();
            if (!shared) EXPECT_TRUE(locations.insert(location).second) << label << ": location twice: " << location;
        }
    }
    return located;
}

}  // namespace modeltest

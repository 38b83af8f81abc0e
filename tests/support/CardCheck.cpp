#include "CardCheck.h"

#include <gtest/gtest.h>
#include <map>

namespace cardtest {

std::unique_ptr<TDaughterBoard> BuildCard(uint8_t cardId, int mainBoardId, int32_t variant,
                                          uint8_t defaultIoStandard, const char* baseName)
{
    auto d = std::make_unique<TDaughterBoard>();
    d->Build(cardId, mainBoardId, variant, defaultIoStandard, baseName);
    return d;
}

std::unique_ptr<TDaughterBoard> RunMap(const std::function<void(TDaughterBoard*)>& map)
{
    auto d = std::make_unique<TDaughterBoard>();
    map(d.get());
    return d;
}

std::vector<int> EmptyPositions(const TConnector& c)
{
    std::vector<int> positions;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (!c.GetPin(i)) positions.push_back(i + 1);
    return positions;
}

std::vector<int> FlaggedPositions(const TConnector& c)
{
    std::vector<int> positions;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i) && c.GetPin(i)->GetFlag() == 1) positions.push_back(i + 1);
    return positions;
}

int CountDirection(const TConnector& c, uint8_t direction)
{
    int n = 0;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i) && c.GetPin(i)->IsActive() && c.GetPin(i)->GetDirection() == direction) ++n;
    return n;
}

int CountStandard(const TConnector& c, uint8_t ioStandard)
{
    int n = 0;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i) && c.GetPin(i)->IsActive() && c.GetPin(i)->GetIoStandard() == ioStandard) ++n;
    return n;
}

std::vector<std::string> DuplicateNames(const TConnector& c)
{
    std::map<std::string, int> seen;
    std::vector<std::string> duplicates;
    for (int i = 0; i < c.GetPinCount(); ++i)
        if (c.GetPin(i) && ++seen[c.GetPin(i)->GetName()] == 2) duplicates.push_back(c.GetPin(i)->GetName());
    return duplicates;
}

const TPin* At(const TConnector& c, int position)
{
    return position >= 1 && position <= c.GetPinCount() ? c.GetPin(position - 1) : nullptr;
}

void CheckMap(const MapExpectation& e, bool anyPinIndex)
{
    SCOPED_TRACE(e.label);
    auto d = e.build();
    ASSERT_TRUE(d);
    if (e.entries >= 0) EXPECT_EQ(d->GetPinCount(), e.entries);
    if (e.active >= 0) EXPECT_EQ(d->GetActivePinCount(), e.active);
    if (e.inputs >= 0) EXPECT_EQ(CountDirection(*d, DIRECTION_INPUT), e.inputs);
    if (e.outputs >= 0) EXPECT_EQ(CountDirection(*d, DIRECTION_OUTPUT), e.outputs);
    if (e.inouts >= 0) EXPECT_EQ(CountDirection(*d, DIRECTION_INOUT), e.inouts);
    if (e.checkEmpty) EXPECT_EQ(EmptyPositions(*d), e.empty);
    if (e.checkFlagged) EXPECT_EQ(FlaggedPositions(*d), e.flagged);
    EXPECT_EQ(DuplicateNames(*d), std::vector<std::string>{});
    for (int i = 0; i < d->GetPinCount(); ++i) {
        const TPin* pin = d->GetPin(i);
        if (!pin) continue;
        if (!anyPinIndex) EXPECT_EQ(pin->GetPinIndex(), i + 1) << pin->GetName();
        EXPECT_EQ(pin->GetLocation(), "") << pin->GetName();
        EXPECT_LT(pin->GetIoStandard(), 57) << pin->GetName();
        EXPECT_FALSE(pin->GetName().empty()) << "position " << i + 1;
        if (pin->IsActive())
            EXPECT_TRUE(pin->GetDirection() >= DIRECTION_INOUT && pin->GetDirection() <= DIRECTION_OUTPUT)
                << pin->GetName();
    }
    // a map keeps no state: a second build gives the same entries
    auto again = e.build();
    ASSERT_EQ(again->GetPinCount(), d->GetPinCount());
    for (int i = 0; i < d->GetPinCount(); ++i) {
        const TPin* a = d->GetPin(i);
        const TPin* b = again->GetPin(i);
        ASSERT_EQ(a == nullptr, b == nullptr) << i;
        if (a) {
            EXPECT_EQ(a->GetName(), b->GetName());
            EXPECT_EQ(a->GetDirection(), b->GetDirection());
            EXPECT_EQ(a->GetIoStandard(), b->GetIoStandard());
            EXPECT_EQ(a->GetFlag(), b->GetFlag());
        }
    }
}

}  // namespace cardtest

#include "core/model/BoardDefinition.h"

#include <cctype>
#include <memory>
#include <sstream>

#include "cards/CardMap.h"
#include "cards/DaughterBoardInfo.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr int kGpioHeaderPositions = 40;

// A table's text for one pin: a location, or empty for LOCATION_UNKNOWN.
std::string PinLocation(const std::string& text)
{
    if (text == LOCATION_UNKNOWN) return std::string();
    PW_CHECK(IsPinLocation(text));
    return text;
}

// The locations of a row, "?*N" expanded into N unknown ones.
std::vector<std::string> RowLocations(const char* list)
{
    std::vector<std::string> result;
    std::istringstream words(list ? list : "");
    for (std::string w; words >> w;) {
        if (w.rfind("?*", 0) == 0) {
            int32_t count = 0;
            PW_CHECK(ParseStrictInt32(w.substr(2), count) && count > 0);
            result.insert(result.end(), static_cast<std::size_t>(count), std::string());
        } else {
            result.push_back(PinLocation(w));
        }
    }
    return result;
}

void ApplyClock(TPin& pin, const PinClock& clock)
{
    if (clock.clock == 0) {
        PW_CHECK(clock.periodNs == 0 && clock.mhz == 0 && !clock.text);  // clock data without a clock mark
        return;
    }
    pin.SetClock(clock.clock);
    if (clock.periodNs != 0) pin.SetClockPeriod(clock.periodNs);
    if (clock.mhz > 0) pin.SetFrequency(platform::Format("%f MHz", static_cast<double>(clock.mhz)));
    if (clock.text) pin.SetFrequency(clock.text);
}

void AttachHeader(TMainBoard& board, int32_t expansionId, uint8_t card, const std::string& prefix,
                  const std::string& baseName, uint8_t ioStandard)
{
    if (card != 0) board.AttachGpioCard(expansionId, card, prefix, baseName, ioStandard);
}

}  // namespace

bool IsPinLocation(const std::string& location)
{
    if (location.empty()) return false;
    for (char c : location)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

void AddBoardPins(TConnector& connector, std::span<const BoardPinRow> rows)
{
    for (const BoardPinRow& row : rows) {
        std::vector<std::string> names = cardmap::ExpandSignals(row.signals);
        std::vector<std::string> locations = RowLocations(row.locations);
        PW_CHECK(locations.empty() || locations.size() == names.size());
        PW_CHECK(row.dir >= DIRECTION_INOUT && row.dir <= DIRECTION_OUTPUT);
        PW_CHECK(row.std < IOSTD_COUNT);
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto pin = std::make_unique<TPin>(names[i], locations.empty() ? std::string() : locations[i], row.dir,
                                              row.std, 0.0f);
            ApplyClock(*pin, row.clock);
            if (row.bank) pin->SetBank(row.bank);
            connector.AddPin(std::move(pin));
        }
    }
}

TConnector* AddBoardGroup(TMainBoard& board, const std::string& name, std::span<const BoardPinRow> rows)
{
    auto group = std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
    AddBoardPins(*group, rows);
    TConnector* added = group.get();
    board.AddConnector(group.release());
    return added;
}

TConnector* AddExpansionConnector(TMainBoard& board, const std::string& name, const std::string& description,
                                  uint8_t type, int32_t expansionId, std::span<const char* const> locations,
                                  const ExpansionOptions& options)
{
    PW_CHECK(static_cast<int>(locations.size()) == ConnectorPositionCount(type));
    PW_CHECK(options.positionStd == IOSTD_FROM_DAUGHTER || options.positionStd < IOSTD_COUNT);
    auto connector = std::make_unique<TConnector>(name, description, type, options.cardId);
    for (const char* location : locations)
        connector->AddPin(location ? new TPin("", PinLocation(location), DIRECTION_FROM_DAUGHTER,
                                              options.positionStd, 0.0f)
                                   : nullptr);
    for (const FixedPosition& fixed : options.fixed) {
        PW_CHECK(fixed.position >= 1 && fixed.position <= static_cast<int>(locations.size()));
        TPin* pin = connector->GetPin(fixed.position - 1);
        PW_CHECK(pin);  // a fixed position carries a pin
        PW_CHECK(fixed.dir == DIRECTION_FROM_DAUGHTER || (fixed.dir >= DIRECTION_INOUT && fixed.dir <= DIRECTION_OUTPUT));
        PW_CHECK(fixed.std == IOSTD_FROM_DAUGHTER || fixed.std < IOSTD_COUNT);
        PW_CHECK(fixed.dir != DIRECTION_FROM_DAUGHTER || fixed.std != IOSTD_FROM_DAUGHTER);  // fixes something
        pin->SetDirection(fixed.dir);
        pin->SetIoStandard(fixed.std);
    }
    AddBoardPins(*connector, options.pinsAfter);
    connector->SetExpansion(1);
    connector->SetExpansionId(expansionId);
    TConnector* added = connector.get();
    board.AddConnector(connector.release());
    return added;
}

std::vector<const char*> PositionTable(int positionCount, ListedPositions listed, const char* positions,
                                       std::initializer_list<const char*> firstLocations)
{
    PW_CHECK(positionCount > 0);
    std::vector<bool> listedAt(static_cast<std::size_t>(positionCount), false);
    for (int p : cardmap::ExpandPositions(positions)) {
        PW_CHECK(p >= 1 && p <= positionCount);
        PW_CHECK(!listedAt[static_cast<std::size_t>(p - 1)]);  // a position listed twice
        listedAt[static_cast<std::size_t>(p - 1)] = true;
    }
    std::vector<const char*> table(static_cast<std::size_t>(positionCount), nullptr);
    const char* const* known = firstLocations.begin();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (listedAt[i] != (listed == ListedPositions::WithPin)) continue;
        table[i] = known != firstLocations.end() ? *known++ : LOCATION_UNKNOWN;
    }
    PW_CHECK(known == firstLocations.end());  // more locations than pins
    return table;
}

void AddGpioHeaders(TMainBoard& board, uint8_t card0, uint8_t card1, std::span<const char* const> header0,
                    std::span<const char* const> header1, Gpio80Rule rule, const ExpansionOptions& header)
{
    PW_CHECK(header0.size() == kGpioHeaderPositions && header1.size() == kGpioHeaderPositions);
    if (rule == Gpio80Rule::Applies && BoardConnectorType(card0) == CONNECTOR_GPIO80) {
        PW_CHECK(card1 != 0);  // the forms put the 80-pin card on both headers
        std::vector<const char*> both(header0.begin(), header0.end());
        both.insert(both.end(), header1.begin(), header1.end());
        std::vector<FixedPosition> fixed(header.fixed.begin(), header.fixed.end());
        for (FixedPosition f : header.fixed) {
            f.position += kGpioHeaderPositions;
            fixed.push_back(f);
        }
        ExpansionOptions joined = header;
        joined.fixed = fixed;
        AddExpansionConnector(board, "GPIO_0_1",
                              platform::Format("GPIO_0_1 connect to %s", BoardName(card0).c_str()),
                              CONNECTOR_GPIO80, EXPANSION_GPIO_80, both, joined);
        return;
    }
    const uint8_t cards[2] = {card0, card1};
    const std::span<const char* const> tables[2] = {header0, header1};
    for (int h = 0; h < 2; ++h) {
        if (cards[h] == 0) continue;
        AddExpansionConnector(board, platform::Format("GPIO_%d", h),
                              platform::Format("GPIO_%d connect to %s", h, BoardName(cards[h]).c_str()),
                              CONNECTOR_GPIO40, EXPANSION_GPIO_0 + h, tables[h], header);
    }
}

void AttachGpioHeaderPair(TMainBoard& board, uint8_t card0, const std::string& prefix0, uint8_t card1,
                          const std::string& prefix1, bool defaultPair, uint8_t ioStandard)
{
    if (card0 != 0 && card0 == card1 && BoardConnectorType(card0) == CONNECTOR_GPIO80) {
        AttachHeader(board, EXPANSION_GPIO_80, card0, prefix0, "", ioStandard);
        return;
    }
    if (defaultPair) {
        PW_CHECK(card0 == DAUGHTER_GPIO_DEFAULT && card1 == DAUGHTER_GPIO_DEFAULT);
        AttachHeader(board, EXPANSION_GPIO_0, card0, "", "GPIO_0", ioStandard);
        AttachHeader(board, EXPANSION_GPIO_1, card1, "", "GPIO_1", ioStandard);
        return;
    }
    AttachHeader(board, EXPANSION_GPIO_0, card0, prefix0, "", ioStandard);
    AttachHeader(board, EXPANSION_GPIO_1, card1, prefix1, "", ioStandard);
}

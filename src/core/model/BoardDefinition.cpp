#include "core/model/BoardDefinition.h"

#include <sstream>
#include <vector>

#include "cards/CardMap.h"
#include "platform/Errors.h"

TConnector* AddBoardGroup(TMainBoard& board, const std::string& name, std::span<const BoardPinRow> rows)
{
    auto* group = new TConnector(name, "", CONNECTOR_NONE, -1);
    for (const BoardPinRow& row : rows) {
        std::vector<std::string> names = cardmap::ExpandSignals(row.signals);
        std::vector<std::string> locations;
        std::istringstream words(row.locations);
        for (std::string w; words >> w;) locations.push_back(w);
        PW_CHECK(locations.empty() || locations.size() == names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            group->AddPin(new TPin(names[i], locations.empty() ? std::string() : locations[i], row.dir, row.std, 0));
    }
    board.AddConnector(group);
    return group;
}

TConnector* AddExpansionConnector(TMainBoard& board, const std::string& name, const std::string& description,
                                  uint8_t type, int32_t expansionId, std::span<const char* const> locations)
{
    PW_CHECK(static_cast<int>(locations.size()) == ConnectorPositionCount(type));
    auto* connector = new TConnector(name, description, type, -1);
    for (const char* location : locations)
        connector->AddPin(location ? new TPin("", location, DIRECTION_FROM_DAUGHTER, IOSTD_FROM_DAUGHTER, 0) : nullptr);
    connector->SetExpansion(1);
    connector->SetExpansionId(expansionId);
    board.AddConnector(connector);
    return connector;
}

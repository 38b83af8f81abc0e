#pragma once
// A digest of pin tables as they reach a project: each build (a board's definition of one
// record, or a card's map for one board and argument set) written out entry by entry, then
// FNV-1a 64 over the distinct builds. A recorded digest then stands for the whole tables, so
// a changed or swapped entry shows without the tests holding a copy of the data.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/model/MainBoard.h"

namespace tabletest {

uint64_t Fnv1a64(std::string_view text);

// One line for the connector, then one per entry: "-" for an empty position, else the pin's
// name, location ("?" where it has none), direction, standard, flag, pin index and clock data.
std::string ConnectorText(const TConnector& connector);

// The distinct builds of a walk. A build is kept whole, so that every pin stays tied to what
// the same record gave the other pins (a row that takes the standard of the wrong connector
// shows, though each standard it could take occurs somewhere); builds that repeat add nothing,
// so the digest follows the tables, not how often a walk reaches them.
class TableDigest {
public:
    void Add(const TMainBoard& board);
    void Add(const TConnector& card);
    std::size_t Count() const { return m_Builds.size(); }
    // 16 lower-case hex digits.
    std::string Hex() const;

private:
    std::set<uint64_t> m_Builds;
};

}  // namespace tabletest

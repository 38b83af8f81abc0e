#pragma once
// A digest of pin tables as they reach a project: every entry of a connector (a board's group
// or expansion connector, or a card's map) written out in entry order, then FNV-1a 64 over
// the distinct connector texts collected. Recorded digests then stand for whole tables, so a
// changed or swapped entry shows without the tests holding a copy of the data.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/model/Connector.h"

namespace tabletest {

uint64_t Fnv1a64(std::string_view text);

// One line for the connector, then one per entry: "-" for an empty position, else the pin's
// name, location ("?" where it has none), direction, standard, flag, pin index and clock data.
std::string ConnectorText(const TConnector& connector);

// The distinct connector texts of many builds. Builds that repeat a connector add nothing, so
// the digest follows the tables, not how often a walk reaches them.
class TableDigest {
public:
    void Add(const TConnector& connector);
    std::size_t Count() const { return m_Texts.size(); }
    // 16 lower-case hex digits.
    std::string Hex() const;

private:
    std::set<std::string> m_Texts;
};

}  // namespace tabletest

#include "TableDigest.h"

#include <cstdio>

namespace tabletest {

uint64_t Fnv1a64(std::string_view text)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string ConnectorText(const TConnector& connector)
{
    std::string text = "[" + connector.GetName() + "] type " + std::to_string(connector.GetType()) + " expansion " +
                       std::to_string(connector.IsExpansion()) + "/" + std::to_string(connector.GetExpansionId()) +
                       " card " + std::to_string(connector.GetDaughterBoardId()) + "\n";
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        text += std::to_string(i + 1);
        const TPin* pin = connector.GetPin(i);
        if (!pin) {
            text += " -\n";
            continue;
        }
        text += " " + pin->GetName() + "|" + (pin->GetLocation().empty() ? "?" : pin->GetLocation()) + "|" +
                std::to_string(pin->GetDirection()) + "|" + std::to_string(pin->GetIoStandard()) + "|" +
                std::to_string(pin->GetFlag()) + "|" + std::to_string(pin->GetPinIndex()) + "|" +
                std::to_string(pin->Clock) + "|" + std::to_string(pin->GetClockPeriod()) + "|" + pin->GetFrequency() +
                "|" + pin->GetBank() + "\n";
    }
    return text;
}

void TableDigest::Add(const TMainBoard& board)
{
    std::string text;
    for (int c = 0; c < board.GetConnectorCount(); ++c) text += ConnectorText(*board.GetConnector(c));
    m_Builds.insert(Fnv1a64(text));
}

void TableDigest::Add(const TConnector& card)
{
    m_Builds.insert(Fnv1a64(ConnectorText(card)));
}

std::string TableDigest::Hex() const
{
    std::string all;
    for (uint64_t build : m_Builds) all += std::to_string(build) + "\n";
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Fnv1a64(all)));
    return hex;
}

}  // namespace tabletest

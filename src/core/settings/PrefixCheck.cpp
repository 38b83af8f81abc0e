#include "core/settings/PrefixCheck.h"

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"
#include "core/settings/RecordText.h"
#include "platform/Format.h"

namespace {

struct PrefixCheckKind {
    const char* format;
    char firstConnector;
    bool exemptTwoHeaderCards;
};

constexpr PrefixCheckKind kGpio{
    "GPIO-%c and GPIO-%c cannot have the same prefix name when both connect to the same type of daughter boards.",
    '0', true};
constexpr PrefixCheckKind kHsmc{
    "HSMC-%c and HSMC-%c cannot have the same prefix name when both connect to the same type of daughter boards.",
    'A', false};
constexpr PrefixCheckKind kFmc{
    "FMC-%c and FMC-%c cannot have the same prefix name when both connect to the same type of daughter boards.",
    'A', false};

// The first conflicting pair (i, j), if any.
template <class Conflict>
bool CheckPairs(int32_t count, const uint8_t cardIds[], const std::string prefixes[], bool exemptTwoHeaderCards,
                Conflict conflict)
{
    for (int32_t i = 0; i < count; ++i) {
        if (cardIds[i] == DAUGHTER_NONE) continue;
        if (exemptTwoHeaderCards && BoardConnectorType(cardIds[i]) == CONNECTOR_GPIO80) continue;
        for (int32_t j = i + 1; j < count; ++j) {
            // Prefixes are compared as the record will keep them (127 bytes at most).
            if (cardIds[j] != cardIds[i] || StoredRecordText(prefixes[i]) != StoredRecordText(prefixes[j])) continue;
            conflict(i, j);
            return false;
        }
    }
    return true;
}

bool CheckPrefixNames(const PrefixCheckKind& kind, int32_t count, const uint8_t cardIds[],
                      const std::string prefixes[], std::string& message)
{
    return CheckPairs(count, cardIds, prefixes, kind.exemptTwoHeaderCards, [&](int32_t i, int32_t j) {
        message = platform::Format(kind.format, kind.firstConnector + static_cast<char>(i),
                                   kind.firstConnector + static_cast<char>(j));
    });
}

}  // namespace

bool CheckGpioPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message)
{
    return CheckPrefixNames(kGpio, count, cardIds, prefixes, message);
}

bool CheckHsmcPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message)
{
    return CheckPrefixNames(kHsmc, count, cardIds, prefixes, message);
}

bool CheckFmcPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message)
{
    return CheckPrefixNames(kFmc, count, cardIds, prefixes, message);
}

bool CheckKelpinPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[],
                            const char* const names[], std::string& message)
{
    return CheckPairs(count, cardIds, prefixes, false, [&](int32_t i, int32_t j) {
        message = platform::Format(
            "%s and %s cannot have the same prefix name when both connect to the same type of daughter boards.",
            names[i], names[j]);
    });
}

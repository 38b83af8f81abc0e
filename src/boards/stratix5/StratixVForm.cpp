#include "boards/stratix5/StratixVForm.h"

namespace stratix5 {

std::string JoinPresent(std::initializer_list<std::pair<bool, const char*>> words)
{
    std::string joined;
    for (const auto& [present, word] : words) {
        if (!present) continue;
        if (!joined.empty()) joined += "/";
        joined += word;
    }
    return joined;
}

// A value no list holds gives the "not used" code.
TOscillatorChoice::TOscillatorChoice(std::vector<std::string> items, uint8_t (*code)(int32_t))
    : m_items(std::move(items)), m_code(code), m_notUsed(code(-1)), m_kept(m_notUsed)
{
}

}  // namespace stratix5

#include "platform/Format.h"

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace platform {
namespace {

// Switches this thread to the "C" locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale()
    {
        static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t m_previous;
};

}  // namespace

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result = FormatV(format, args);
    va_end(args);
    return result;
}

std::string FormatV(const char* format, va_list args)
{
    CLocaleScope scope;
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return std::string();
    if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), static_cast<std::size_t>(n));
}

std::string FormatBoundedV(std::size_t capacity, const char* format, va_list args)
{
    if (capacity == 0) return std::string();
    CLocaleScope scope;
    std::vector<char> buffer(capacity);
    int n = std::vsnprintf(buffer.data(), capacity, format, args);
    if (n < 0) return std::string();
    std::size_t kept = static_cast<std::size_t>(n) < capacity ? static_cast<std::size_t>(n) : capacity - 1;
    return std::string(buffer.data(), kept);
}

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

}  // namespace platform

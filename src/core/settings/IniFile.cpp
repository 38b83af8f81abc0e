#include "core/settings/IniFile.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/FileWrite.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kBlank = " \t\r";

std::string_view Trim(std::string_view s)
{
    const std::size_t begin = s.find_first_not_of(kBlank);
    if (begin == npos) return {};
    return s.substr(begin, s.find_last_not_of(kBlank) + 1 - begin);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// The whole text as a decimal int; 0 for anything else, an overflow included.
int ParseInteger(std::string_view s)
{
    if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);  // from_chars takes no '+'
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() ? value : 0;
}

// Where a key stands and where its section could take it, as offsets into the text.
struct KeyPlace {
    std::size_t valueBegin = npos;  // the value without the whitespace round it; npos: no key
    std::size_t valueEnd = npos;
    std::size_t sectionEnd = npos;  // just after the section's last line that is not blank; npos: no section
};

// The first line of the key in a section of that name; a new key belongs to the first such section.
KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t lineBreak = text.find('\n', begin);
        const std::size_t end = lineBreak == npos ? text.size() : lineBreak;
        const std::size_t next = lineBreak == npos ? text.size() : lineBreak + 1;
        const std::string_view line = text.substr(begin, end - begin);
        const std::string_view trimmed = Trim(line);
        const std::size_t close = trimmed.find(']');
        if (trimmed.starts_with('[') && close != npos) {
            inSection = SameName(Trim(trimmed.substr(1, close - 1)), section);
            inFirstSection = inSection && place.sectionEnd == npos;
            if (inFirstSection) place.sectionEnd = next;
        } else if (inSection) {
            if (inFirstSection && !trimmed.empty()) place.sectionEnd = next;
            const std::size_t equals = line.find('=');
            if (equals != npos && SameName(Trim(line.substr(0, equals)), key)) {
                const std::string_view value = Trim(line.substr(equals + 1));
                place.valueBegin = value.empty() ? begin + equals + 1 : static_cast<std::size_t>(value.data() - text.data());
                place.valueEnd = place.valueBegin + value.size();
                return place;
            }
        }
        begin = next;
    }
    return place;
}

// The line end the text already uses; CR LF for a text that has none.
std::string_view LineBreakOf(std::string_view text)
{
    const std::size_t lf = text.find('\n');
    return lf != npos && (lf == 0 || text[lf - 1] != '\r') ? "\n" : "\r\n";
}

}  // namespace

std::optional<std::string> ReadIniText(const std::string& fileName)
{
    // Opened without waiting and judged by what was opened: a name checked before opening could
    // be a pipe by the time it is opened.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) <= kIniMaxSize) {
        // One byte more than allowed, to see a file that has grown since.
        std::string bytes(kIniMaxSize + 1, '\0');
        std::size_t size = 0;
        bool failed = false;
        while (size < bytes.size() && !failed) {
            const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            size += static_cast<std::size_t>(n);
        }
        if (!failed && size <= kIniMaxSize) {
            bytes.resize(size);
            text = std::move(bytes);
        }
    }
    ::close(fd);
    return text;
}

int IniInteger(std::string_view text, std::string_view section, std::string_view key, int absent)
{
    const KeyPlace place = FindKey(text, section, key);
    if (place.valueBegin == npos) return absent;
    return ParseInteger(text.substr(place.valueBegin, place.valueEnd - place.valueBegin));
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value)
{
    const KeyPlace place = FindKey(text, section, key);
    std::string result(text);
    if (place.valueBegin != npos) return result.replace(place.valueBegin, place.valueEnd - place.valueBegin, value);
    const std::string_view lineBreak = LineBreakOf(text);
    const std::size_t at = place.sectionEnd != npos ? place.sectionEnd : text.size();
    std::string lines;
    // What comes before the new lines must end its own line first.
    if (at == text.size() && !text.empty() && !text.ends_with('\n')) lines.append(lineBreak);
    if (place.sectionEnd == npos) lines.append("[").append(section).append("]").append(lineBreak);
    lines.append(key).append("=").append(value).append(lineBreak);
    return result.insert(at, lines);
}

std::optional<int> ReadIniInteger(const std::string& fileName, std::string_view section, std::string_view key,
                                  int absent)
{
    const std::optional<std::string> text = ReadIniText(fileName);
    if (!text) return std::nullopt;
    return IniInteger(*text, section, key, absent);
}

bool WriteIniInteger(const std::string& fileName, std::string_view section, std::string_view key, int value)
{
    const std::string text =
        WithIniValue(ReadIniText(fileName).value_or(std::string()), section, key, std::to_string(value));
    return static_cast<bool>(WriteFileReplacing(fileName, text.data(), text.size(), FileFlush::Yes));
}

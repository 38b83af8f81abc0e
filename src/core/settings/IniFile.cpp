#include "core/settings/IniFile.h"

#include <charconv>

#include "core/settings/FileWrite.h"
#include "core/settings/SmallFile.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kBlank = " \t\r";
// Editors that save UTF-8 may put one before the first line; it belongs to no line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::size_t TextStart(std::string_view text) { return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; }

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
    for (std::size_t begin = TextStart(text); begin < text.size();) {
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
    SmallFileRead file = ReadSmallFile(fileName, kIniMaxSize);
    if (file.status != SmallFileRead::Status::Read) return std::nullopt;
    return std::move(file.bytes);
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
    if (at == text.size() && text.size() > TextStart(text) && !text.ends_with('\n')) lines.append(lineBreak);
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
    // Only a file read whole is rewritten, so no line of a file that could not be read is lost.
    const SmallFileRead file = ReadSmallFile(fileName, kIniMaxSize);
    if (file.status == SmallFileRead::Status::Refused) return false;
    const std::string text = WithIniValue(file.bytes, section, key, std::to_string(value));
    // Never grown past what the reader takes, or the next write would find it unreadable.
    if (text.size() > kIniMaxSize) return false;
    return static_cast<bool>(WriteFileReplacing(fileName, text.data(), text.size(), FileFlush::Yes));
}

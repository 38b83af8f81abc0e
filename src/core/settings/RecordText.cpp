#include "core/settings/RecordText.h"

#include <algorithm>
#include <cstring>

std::string ReadRecordText(const char* field, std::size_t fieldSize)
{
    std::size_t limit = std::min(fieldSize, kRecordTextMax);
    std::size_t length = 0;
    while (length < limit && field[length] != '\0') ++length;
    return std::string(field, length);
}

std::string_view StoredRecordText(std::string_view text, std::size_t fieldSize)
{
    if (fieldSize == 0) return {};
    std::size_t end = text.find('\0');
    if (end == std::string_view::npos) end = text.size();
    return text.substr(0, std::min({end, fieldSize - 1, kRecordTextMax}));
}

void WriteRecordText(char* field, std::size_t fieldSize, std::string_view text)
{
    if (fieldSize == 0) return;
    std::string_view kept = StoredRecordText(text, fieldSize);
    std::memcpy(field, kept.data(), kept.size());
    field[kept.size()] = '\0';
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

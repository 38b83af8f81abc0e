#pragma once
// Text fields of settings records: Latin-1 bytes, NUL-terminated, at most 127 characters.
#include <cstddef>
#include <string>
#include <string_view>

// The most characters a text field keeps, whatever its size.
constexpr std::size_t kRecordTextMax = 127;

// A field's text: up to its first NUL, at most 127 bytes and never past the field, so that a
// field from a file without a terminating NUL cannot run into the next one.
std::string ReadRecordText(const char* field, std::size_t fieldSize);
// Stores the text cut to what the field keeps, followed by a NUL; bytes after the NUL stay
// as they were, so a record read from a file is written back unchanged.
void WriteRecordText(char* field, std::size_t fieldSize, std::string_view text);
// The text a field of that size would keep: cut at the first NUL and to 127 bytes.
std::string_view StoredRecordText(std::string_view text, std::size_t fieldSize = kRecordTextMax + 1);

template <std::size_t N>
std::string ReadRecordText(const char (&field)[N])
{
    return ReadRecordText(field, N);
}

template <std::size_t N>
void WriteRecordText(char (&field)[N], std::string_view text)
{
    WriteRecordText(field, N, text);
}

// Latin-1 bytes to UTF-8: every byte above 0x7F becomes its two-byte sequence.
std::string Latin1ToUtf8(std::string_view latin1);

#pragma once
// A small INI file, read and changed the way the Windows profile functions treat one: a
// "[name]" line opens a section, a "key=value" line holds a value, names match whatever their
// case, and whitespace around names and values does not count. Every other line is kept, and
// so is a UTF-8 byte-order mark before the first.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The largest INI file read, and so the largest written: a file the program cannot read whole
// is left as it is, and the program never grows its own file past what it reads.
constexpr std::size_t kIniMaxSize = 64 * 1024;

// The file's text; nothing when it is missing or unreadable, is no regular file (a pipe or a
// device could block or never end) or holds more than kIniMaxSize bytes.
std::optional<std::string> ReadIniText(const std::string& fileName);

// The key's value in the section as an integer: `absent` when there is no such key, 0 when
// the value is no integer.
int IniInteger(std::string_view text, std::string_view section, std::string_view key, int absent);

// The text with the key set to `value`: replaced where the key stands, added at the end of the
// section, or in a new section at the end of the text. Line ends follow the text's own.
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

// The key's integer from the file; nothing when the file cannot be read (see ReadIniText).
std::optional<int> ReadIniInteger(const std::string& fileName, std::string_view section, std::string_view key,
                                  int absent);
// Sets the key in the file, keeping the rest of it, and replaces the file through
// WriteFileReplacing; a missing file is created. A file that cannot be read whole (see
// ReadIniText), or that the key would grow past kIniMaxSize, is left as it is. True when written.
bool WriteIniInteger(const std::string& fileName, std::string_view section, std::string_view key, int value);

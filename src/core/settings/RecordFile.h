#pragma once
// Settings files: a file is a record's bytes exactly as they are in memory, nothing before
// or after them, and a board accepts a file only by its length.
#include <bit>
#include <cstddef>
#include <string>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");

// A settings record: a plain struct whose layout is the file.
template <typename X>
concept SettingsRecord = std::is_trivially_copyable_v<X> && std::is_standard_layout_v<X>;

// Reads a file of exactly `size` bytes into the record; false, silently and with the record
// untouched, when the file is missing, cannot be read whole or has another length.
bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size);
// Writes the record's bytes; on failure shows "Failed to create file." or "Failed to write
// file." with the file's name and the system's reason on the next line, and returns false,
// leaving any old file as it was.
bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size);

template <SettingsRecord X>
bool LoadRecord(const std::string& fileName, X& record)
{
    return LoadRecordFile(fileName, &record, sizeof(X));
}

template <SettingsRecord X>
bool SaveRecord(const std::string& fileName, const X& record)
{
    return SaveRecordFile(fileName, &record, sizeof(X));
}

// "default.cfg" in the executable's folder, shared by every board.
std::string DefaultConfigPath();

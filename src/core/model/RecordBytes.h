#pragma once
// Little-endian readers over a byte copy of a settings record, so that the writers can read
// another board's record without knowing its type.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>

#include "platform/Errors.h"

template <std::size_t N>
using RecordCopy = std::array<uint8_t, N>;

// The readers take any record's bytes: a record copy in the board, or the record a settings
// object holds (TConfigBoard::RecordBytes).
inline uint8_t RecordByte(std::span<const uint8_t> record, std::size_t offset)
{
    PW_CHECK(offset < record.size());
    return record[offset];
}

inline int32_t RecordInt32(std::span<const uint8_t> record, std::size_t offset)
{
    PW_CHECK(offset + 4 <= record.size());
    return static_cast<int32_t>(uint32_t(record[offset]) | uint32_t(record[offset + 1]) << 8 |
                                uint32_t(record[offset + 2]) << 16 | uint32_t(record[offset + 3]) << 24);
}

// A text field of `size` bytes: up to the first NUL, at most 127 bytes.
inline std::string RecordText(std::span<const uint8_t> record, std::size_t offset, std::size_t size = 128)
{
    PW_CHECK(offset + size <= record.size());
    std::size_t limit = size < 128 ? size : 127;
    std::size_t length = 0;
    while (length < limit && record[offset + length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(record.data() + offset), length);
}

// The bytes of a record struct, as a settings object shows them to the writers.
template <typename Record>
std::span<const uint8_t> BytesOfRecord(const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return {reinterpret_cast<const uint8_t*>(&record), sizeof(Record)};
}

// Copies a record struct byte for byte into a copy of the same size.
template <std::size_t N, typename Record>
void StoreRecordCopy(RecordCopy<N>& copy, const Record& record)
{
    static_assert(sizeof(Record) == N, "record copy of another size");
    std::memcpy(copy.data(), &record, N);
}

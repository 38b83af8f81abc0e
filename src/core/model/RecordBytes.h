#pragma once
// Little-endian readers over a byte copy of a settings record, so that the writers can read
// another board's record without knowing its type.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Errors.h"

template <std::size_t N>
using RecordCopy = std::array<uint8_t, N>;

template <std::size_t N>
uint8_t RecordByte(const RecordCopy<N>& record, std::size_t offset)
{
    PW_CHECK(offset < N);
    return record[offset];
}

template <std::size_t N>
int32_t RecordInt32(const RecordCopy<N>& record, std::size_t offset)
{
    PW_CHECK(offset + 4 <= N);
    return static_cast<int32_t>(uint32_t(record[offset]) | uint32_t(record[offset + 1]) << 8 |
                                uint32_t(record[offset + 2]) << 16 | uint32_t(record[offset + 3]) << 24);
}

// A text field of `size` bytes: up to the first NUL, at most 127 bytes.
template <std::size_t N>
std::string RecordText(const RecordCopy<N>& record, std::size_t offset, std::size_t size = 128)
{
    PW_CHECK(offset + size <= N);
    std::size_t limit = size < 128 ? size : 127;
    std::size_t length = 0;
    while (length < limit && record[offset + length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(record.data() + offset), length);
}

// Copies a record struct byte for byte into a copy of the same size.
template <std::size_t N, typename Record>
void StoreRecordCopy(RecordCopy<N>& copy, const Record& record)
{
    static_assert(sizeof(Record) == N, "record copy of another size");
    std::memcpy(copy.data(), &record, N);
}

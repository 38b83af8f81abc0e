#pragma once
// printf-style formatting that always uses the "C" numeric conventions, whatever locale
// the GUI library has set from the environment.
#include <cstdarg>
#include <initializer_list>
#include <string>
#include <utility>

namespace platform {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);
// Formats into a buffer of `capacity` bytes, as a fixed C buffer would: the result keeps at
// most capacity - 1 characters.
std::string FormatBoundedV(std::size_t capacity, const char* format, va_list args);

// The words present, joined with "/" in their order ("PCIe/SFP+"); empty when none is.
std::string JoinPresent(std::initializer_list<std::pair<bool, const char*>> words);

}  // namespace platform

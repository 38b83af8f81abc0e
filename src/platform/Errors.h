#pragma once
// The two kinds of error the program raises and the exception box shows.
#include <stdexcept>
#include <string>

namespace platform {

// A broken invariant of our own code: the expression, our source file and the line.
class InternalError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A text that should have held a number but does not.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseInternalError(const char* expression, const char* file, int line);

}  // namespace platform

// States an invariant; a failed check raises platform::InternalError, never aborts.
#define PW_CHECK(expr) \
    ((expr) ? static_cast<void>(0) : ::platform::RaiseInternalError(#expr, __FILE_NAME__, __LINE__))

#pragma once
// The one way the project writers put a file on disk: create it (or empty it) and write
// the whole content with one write.
#include <cstddef>
#include <stdexcept>
#include <string>

// The file could not be created; what() names the file and the system's reason.
class FileCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates or empties the file and writes the bytes with one write; returns how many
// arrived (fewer on a full disk). Raises FileCreateError when the file cannot be created.
std::size_t WriteFileOnce(const std::string& fileName, const void* data, std::size_t size);

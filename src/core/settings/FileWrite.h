#pragma once
// Writing a file's whole content in one go.
#include <cstddef>
#include <string>

enum class FileWriteResult {
    Ok,
    CreateFailed,  // the file (or its replacement) could not be created
    WriteFailed,   // not every byte reached the disk
};

// Writes into a new file in the target's folder and renames it over the target, so that a
// failed save leaves the old file exactly as it was. The new file takes the old one's
// permissions; a symbolic link is followed, and the file it names is replaced.
FileWriteResult WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size);

// Creates the file, or empties it, and writes the bytes; what was written stays on failure.
FileWriteResult WriteFileInPlace(const std::string& fileName, const void* data, std::size_t size);

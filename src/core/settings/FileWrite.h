#pragma once
// Writing a file's whole content in one go.
#include <cstddef>
#include <string>

enum class FileWriteResult {
    Ok,
    CreateFailed,  // the file (or its replacement) could not be created; errno says why
    WriteFailed,   // not every byte reached the disk
};

// Whether a replaced file is forced to disk before it takes the old one's place.
enum class FileFlush { No, Yes };

// Writes into a new file in the target's folder and renames it over the target, so that a
// failed write leaves the old file exactly as it was. The new file takes the old one's
// permissions and, where allowed, its owner; a symbolic link is followed, and the file it
// names is replaced. An existing file without write permission is refused (CreateFailed,
// errno EACCES), even for a user the permissions do not bind. Where the folder takes no new
// file, or the file has further (hard) links, a writable file is overwritten in place, after
// room for the new bytes is reserved.
FileWriteResult WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size,
                                   FileFlush flush);

// Creates the file, or empties it, and writes the bytes; what was written stays on failure.
FileWriteResult WriteFileInPlace(const std::string& fileName, const void* data, std::size_t size);

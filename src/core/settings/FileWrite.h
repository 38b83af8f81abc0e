#pragma once
// Writing a file's whole content in one go.
#include <cstddef>
#include <string>

enum class FileWriteResult {
    Ok,
    CreateFailed,  // the file (or its replacement) could not be created
    WriteFailed,   // not every byte reached the disk
};

// What a write came to, with the system's reason (an errno value, 0 when written).
struct FileWriteStatus {
    FileWriteResult result = FileWriteResult::Ok;
    int error = 0;
    explicit operator bool() const { return result == FileWriteResult::Ok; }
};

// Whether a replaced file is forced to disk before it takes the old one's place.
enum class FileFlush { No, Yes };

// Writes into a new file in the target's folder and renames it over the target, so that a
// failed write leaves the old file exactly as it was. The new file takes the old one's
// permissions and, where allowed, its owner. A symbolic link is followed to the file it names,
// which is replaced, or created where the link names nothing yet: the link itself stays. An
// existing file without write permission is refused (CreateFailed, EACCES), even for a user
// the permissions do not bind. Where the folder takes no new file, the file may not be
// replaced (another user's in a sticky folder), or the file has further (hard) links, a
// writable file is overwritten in place, after room for the new bytes is reserved and the
// file-size limit checked (WriteFailed, EFBIG, with nothing changed); a name that no longer
// stands for the regular file examined (a link, a pipe or another file put in its place
// meanwhile) is then refused (CreateFailed, EAGAIN) and nothing is written. A device (or
// other file that is not a regular file or folder) is written into. A signal that would end
// the program while the bytes change (from the temporary file's making, or from the in-place
// open, until the file is whole and no temporary file is left) takes its course once they are
// done (SignalHold); one that comes while the write waits to open a file (another process's
// lease) takes its course at once, and the file stays as it was. An in-place write changes the
// bytes under an exclusive lock that ReadSmallFile shares, so this program never reads a mix.
FileWriteStatus WriteFileReplacing(const std::string& fileName, const void* data, std::size_t size,
                                   FileFlush flush);

// Tests only: `hook` runs with the file's name between the examination of a file that is to be
// overwritten in place and its opening, where another process could swap the name.
void SetBeforeInPlaceOpen(void (*hook)(const std::string& fileName));

// The system's reason for an errno value, as it words it ("No space left on device").
std::string SystemReason(int error);

#include "core/settings/RecordFile.h"

#include <cstring>

#include "core/settings/FileWrite.h"
#include "core/settings/SmallFile.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"

bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size)
{
    const SmallFileRead file = ReadSmallFile(fileName, size);
    if (file.status != SmallFileRead::Status::Read || file.bytes.size() != size) return false;
    std::memcpy(record, file.bytes.data(), size);
    return true;
}

bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size)
{
    const FileWriteStatus status = WriteFileReplacing(fileName, record, size, FileFlush::Yes);
    if (status) return true;
    // The sentence the user knows, then which file and the system's reason.
    const char* failure =
        status.result == FileWriteResult::WriteFailed ? "Failed to write file." : "Failed to create file.";
    platform::ErrorBox(std::string(failure) + "\r\n" + fileName + ": " + SystemReason(status.error));
    return false;
}

std::string DefaultConfigPath() { return platform::ExeDir() + "default.cfg"; }

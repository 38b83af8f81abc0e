#include "core/generate/FileGenerator.h"

#include <cstdarg>

#include "core/settings/FileWrite.h"
#include "platform/Environment.h"
#include "platform/Format.h"

namespace {

constexpr std::size_t kLineBuffer = 1024;

}  // namespace

FileGenerator::FileGenerator() = default;

FileGenerator::~FileGenerator() = default;

void FileGenerator::AddLine(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Lines.push_back(platform::FormatBoundedV(kLineBuffer, format, args));
    va_end(args);
}

bool FileGenerator::SaveToFile(const std::string& fileName) const
{
    platform::DeleteFile(fileName);
    std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder) && !platform::ForceDirectories(folder))
        return false;
    std::string text;
    for (const std::string& piece : Lines) text += piece;
    // A short write is a failure: a report cut off by a full disk is no report.
    return WriteFileInPlace(fileName, text.data(), text.size()) == FileWriteResult::Ok;
}

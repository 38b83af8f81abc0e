#include "core/generate/FileGenerator.h"

#include <cstdarg>

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

FileWriteStatus FileGenerator::SaveToFile(const std::string& fileName) const
{
    // A folder that cannot be made fails the write below, which tells why.
    std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder)) platform::ForceDirectories(folder);
    std::string text;
    for (const std::string& piece : Lines) text += piece;
    // Through a replacement, as the project files: a report cut off by a full disk is no
    // report, and the one before it stays whole.
    return WriteFileReplacing(fileName, text.data(), text.size(), FileFlush::No);
}

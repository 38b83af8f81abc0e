// The text-file writer and the whole-file write: cuts, folders, short writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sys/resource.h>

#include "ChildProcess.h"
#include "GenerateEnv.h"
#include "ToolCheck.h"
#include "core/generate/FileGenerator.h"
#include "core/generate/SystemBuild.h"

using tooltest::TempDir;

namespace {

// Runs `body` in a child process whose files may not grow past `limit` bytes, so that a
// write stops short as on a full disk; returns the child's exit status (body's result).
template <typename Body>
int WithFileSizeLimit(rlim_t limit, Body body)
{
    const ChildRun run = RunInChild([&] {
        rlimit rl{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        return std::string(body() ? "1" : "0");
    });
    return run.exited && run.exitCode == 0 ? run.output == "1" : -1;
}

}  // namespace

TEST(FileGenerator, AddLineKeepsAtMost1023CharactersPerPiece)
{
    FileGenerator file;
    std::string long_(2000, 'x');
    file.AddLine("%s", long_.c_str());
    file.AddLine("%d-%s\r\n", 7, "a");
    file.AddLine("%.2f", 1.5);
    ASSERT_EQ(file.Lines.size(), 3u);
    EXPECT_EQ(file.Lines[0], std::string(1023, 'x'));
    EXPECT_EQ(file.Lines[1], "7-a\r\n");
    EXPECT_EQ(file.Lines[2], "1.50");
}

TEST(FileGenerator, SaveToFileCreatesTheFolderChainAndWritesThePiecesInOrder)
{
    TempDir dir;
    FileGenerator file;
    file.AddLine("one\r\n");
    file.AddLine("two");
    std::string path = dir.Path() + "a/b/c/report.htm";
    ASSERT_TRUE(file.SaveToFile(path));
    EXPECT_EQ(tooltest::ReadFile(path), "one\r\ntwo");

    FileGenerator empty;
    ASSERT_TRUE(empty.SaveToFile(path));  // replaces the old file
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(tooltest::ReadFile(path), "");

    platform::ForceDirectories(dir.Path() + "dir.htm");
    EXPECT_FALSE(file.SaveToFile(dir.Path() + "dir.htm"));
    tooltest::TempDir other;
    other.Write("file", "x");
    EXPECT_FALSE(file.SaveToFile(other.Path() + "file/sub/report.htm"));  // folder cannot be made
}

TEST(FileWrite, AShortWriteIsAFailure)
{
    TempDir dir;
    std::string text(4096, 'q');
    // The child writes with a 100-byte limit: both writers must report the failure, and why.
    EXPECT_EQ(WithFileSizeLimit(100, [&] {
                  gentest::GenerateEnv env;
                  bool ok = WriteProjectFile(dir.Path() + "p.qsf", text);
                  return !ok &&
                         env.dialogs.Texts() == std::vector<std::string>{"Failed to create file p.qsf\r\nFile too large"} &&
                         env.dialogs.Exceptions().empty();
              }),
              1);
    EXPECT_EQ(WithFileSizeLimit(100, [&] {
                  FileGenerator file;
                  file.AddLine("%s", text.substr(0, 1000).c_str());
                  FileWriteStatus status = file.SaveToFile(dir.Path() + "p.htm");
                  return status.result == FileWriteResult::WriteFailed && status.error == EFBIG;
              }),
              1);
    // Within the limit both succeed.
    EXPECT_EQ(WithFileSizeLimit(100000, [&] { return WriteProjectFile(dir.Path() + "q.qsf", text); }), 1);
}

TEST(FileWrite, ProjectFileThatCannotBeCreatedShowsTheExceptionThenTheFailure)
{
    gentest::GenerateEnv env;
    TempDir dir;
    EXPECT_FALSE(WriteProjectFile(dir.Path() + "missing/top.sdc", "x"));
    ASSERT_EQ(env.dialogs.Exceptions().size(), 1u);
    EXPECT_NE(env.dialogs.Exceptions()[0].find("top.sdc"), std::string::npos);
    EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{"Failed to create file top.sdc\r\nNo such file or directory"});

    EXPECT_TRUE(WriteProjectFile(dir.Path() + "empty.v", ""));
    EXPECT_TRUE(platform::FileExists(dir.Path() + "empty.v"));
}

TEST(FileWrite, ANameOfTheLongestLengthIsWrittenAndReplaced)
{
    gentest::GenerateEnv env;
    TempDir dir;
    const std::string path = dir.Path() + std::string(251, 'n') + ".qsf";  // 255 bytes, the most a name may have
    EXPECT_TRUE(WriteProjectFile(path, "first"));
    EXPECT_TRUE(WriteProjectFile(path, "second"));
    EXPECT_EQ(tooltest::ReadFile(path), "second");
    namespace fs = std::filesystem;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);  // no temporary file
    EXPECT_TRUE(env.dialogs.Boxes().empty());
}
